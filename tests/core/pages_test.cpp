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

TEST(WisselPaginanummering, FlipsTheNumberingInEffectAndTheSettingFollowsIt)
{
    PaginaStand stand; // one page: no numbers in effect, though they are wanted
    bool paginanummers = true;
    EXPECT_TRUE(WisselPaginanummering(stand, paginanummers));
    EXPECT_TRUE(paginanummers);
}

} // namespace
} // namespace korvane
