// Page arithmetic shared by printing, the preview and the status bar.
#include "core/pages.h"

#include <gtest/gtest.h>

#include <array>

namespace korvane {
namespace {

// Page height, line height, lines per page.
class RegelsPerPaginaTest : public ::testing::TestWithParam<std::array<int, 3>> {};

TEST_P(RegelsPerPaginaTest, PageHeightDivLineHeightMinusTenNeverBelowOne)
{
    const auto [paginaHoogte, regelHoogte, verwacht] = GetParam();
    EXPECT_EQ(BerekenRegelsPerPagina(paginaHoogte, regelHoogte), verwacht);
}

// 88 - 10 by integer division; exactly eleven lines; fewer; no printer page;
// no font metrics.
INSTANTIATE_TEST_SUITE_P(Hoogtes, RegelsPerPaginaTest,
                         ::testing::Values(std::array{6674, 75, 78}, std::array{825, 75, 1}, std::array{800, 75, 1},
                                           std::array{0, 75, 1}, std::array{6600, 0, 1}));

// A line count (or a caret line), the lines per page, the page count (or the
// caret's page): not a ceiling, so a full page gets an extra one.
class AantalPaginasTest : public ::testing::TestWithParam<std::array<int, 3>> {};

TEST_P(AantalPaginasTest, LineDivLinesPerPagePlusOneWithADivisorOfAtLeastOne)
{
    const auto [regels, perPagina, verwacht] = GetParam();
    EXPECT_EQ(AantalPaginas(regels, perPagina), verwacht);
    EXPECT_EQ(PaginaVanRegel(regels, perPagina), verwacht);
}

INSTANTIATE_TEST_SUITE_P(Documenten, AantalPaginasTest,
                         ::testing::Values(std::array{0, 78, 1}, std::array{77, 78, 1}, std::array{78, 78, 2},
                                           std::array{157, 78, 3}, std::array{5, 0, 6}, std::array{5, -7, 6}));

// Page (0-based), lines per page, line count, and the page's first and last
// line: laatste < eerste for a page past the end, such as the extra last page.
class RegelsVanPaginaTest : public ::testing::TestWithParam<std::array<int, 5>> {};

TEST_P(RegelsVanPaginaTest, LastPageIsCappedAndPagesPastTheEndAreEmpty)
{
    const auto [pagina, perPagina, regelCount, eerste, laatste] = GetParam();
    const RegelBereik r = RegelsVanPagina(pagina, perPagina, regelCount);
    EXPECT_EQ(r.eerste, eerste);
    EXPECT_EQ(r.laatste, laatste);
}

INSTANTIATE_TEST_SUITE_P(Paginas, RegelsVanPaginaTest,
                         ::testing::Values(std::array{0, 10, 25, 0, 9}, std::array{2, 10, 25, 20, 24},
                                           std::array{2, 10, 20, 20, 19}, std::array{0, 10, 0, 0, -1},
                                           std::array{1 << 30, 1 << 30, 100, 100, 99}));

} // namespace
} // namespace korvane
