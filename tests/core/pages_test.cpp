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

INSTANTIATE_TEST_SUITE_P(Hoogtes, RegelsPerPaginaTest,
                         ::testing::Values(std::array{6674, 75, 78},   // 88 - 10, integer division
                                           std::array{825, 75, 1},     // exactly eleven lines
                                           std::array{800, 75, 1},     // fewer than eleven
                                           std::array{0, 75, 1},       // no printer page
                                           std::array{6600, 0, 1}));   // no font metrics

// A line count (or a caret line), the lines per page, the page count (or the
// caret's page).
class AantalPaginasTest : public ::testing::TestWithParam<std::array<int, 3>> {};

TEST_P(AantalPaginasTest, LineDivLinesPerPagePlusOneWithADivisorOfAtLeastOne)
{
    const auto [regels, perPagina, verwacht] = GetParam();
    EXPECT_EQ(AantalPaginas(regels, perPagina), verwacht);
    EXPECT_EQ(PaginaVanRegel(regels, perPagina), verwacht);
}

INSTANTIATE_TEST_SUITE_P(Documenten, AantalPaginasTest,
                         ::testing::Values(std::array{0, 78, 1},      // empty: one page
                                           std::array{77, 78, 1},
                                           std::array{78, 78, 2},     // a full page gets an extra one
                                           std::array{157, 78, 3},
                                           std::array{5, 0, 6},
                                           std::array{5, -7, 6}));

// Page (0-based), lines per page, line count, and the page's first and last
// line: laatste < eerste for a page past the end.
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
                                           std::array{2, 10, 20, 20, 19},   // the extra last page
                                           std::array{0, 10, 0, 0, -1},
                                           std::array{1 << 30, 1 << 30, 100, 100, 99}));

TEST(PaginaTekst, NumbersAreRightAlignedInAtLeastThreeCharacters)
{
    EXPECT_EQ(PaginaTekst(12, 345), "Pagina  12 van 345");
    EXPECT_EQ(PaginaTekst(1000, 1000), "Pagina 1000 van 1000");
}

TEST(Paginanummering, OnlyWithTheSettingAndMoreThanOnePageAndTheSwitchFlipsBoth)
{
    EXPECT_FALSE(Paginanummering(true, 1));
    EXPECT_TRUE(Paginanummering(true, 2));
    PaginaStand stand;
    bool paginanummers = false;
    EXPECT_TRUE(WisselPaginanummering(stand, paginanummers));
    EXPECT_TRUE(paginanummers);
    EXPECT_FALSE(WisselPaginanummering(stand, paginanummers));
    EXPECT_FALSE(paginanummers);
}

} // namespace
} // namespace korvane
