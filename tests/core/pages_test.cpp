// Page arithmetic shared by printing, the preview and the status bar.
#include "core/pages.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct RegelsGeval {
    int paginaHoogte;
    int regelHoogte;
    int verwacht;
};

class RegelsPerPaginaTest : public ::testing::TestWithParam<RegelsGeval> {};

TEST_P(RegelsPerPaginaTest, PageHeightDivLineHeightMinusTenNeverBelowOne)
{
    const RegelsGeval g = GetParam();
    EXPECT_EQ(BerekenRegelsPerPagina(g.paginaHoogte, g.regelHoogte), g.verwacht);
}

INSTANTIATE_TEST_SUITE_P(Hoogtes, RegelsPerPaginaTest,
                         ::testing::Values(RegelsGeval{6600, 75, 78},   // 88 - 10
                                           RegelsGeval{6674, 75, 78},   // integer division
                                           RegelsGeval{825, 75, 1},     // exactly eleven lines
                                           RegelsGeval{800, 75, 1},     // fewer than eleven: fallback
                                           RegelsGeval{100, 500, 1},    // taller than the page
                                           RegelsGeval{0, 75, 1},       // no printer page
                                           RegelsGeval{6600, 0, 1}));   // no font metrics

struct PaginasGeval {
    int regels;
    int perPagina;
    int verwacht;
};

class AantalPaginasTest : public ::testing::TestWithParam<PaginasGeval> {};

TEST_P(AantalPaginasTest, CountIsLineCountDivLinesPerPagePlusOne)
{
    const PaginasGeval g = GetParam();
    EXPECT_EQ(AantalPaginas(g.regels, g.perPagina), g.verwacht);
}

INSTANTIATE_TEST_SUITE_P(Documenten, AantalPaginasTest,
                         ::testing::Values(PaginasGeval{0, 78, 1},      // empty: one page
                                           PaginasGeval{77, 78, 1},
                                           PaginasGeval{78, 78, 2},     // a full page gets an extra one
                                           PaginasGeval{156, 78, 3},
                                           PaginasGeval{157, 78, 3},
                                           PaginasGeval{5, 0, 6},       // divisor 0 counts as 1
                                           PaginasGeval{5, -7, 6}));

TEST(PaginaVanRegel, CaretPageIsLineDivLinesPerPagePlusOne)
{
    EXPECT_EQ(PaginaVanRegel(0, 78), 1);
    EXPECT_EQ(PaginaVanRegel(77, 78), 1);
    EXPECT_EQ(PaginaVanRegel(78, 78), 2);
    EXPECT_EQ(PaginaVanRegel(3, 0), 4);
}

TEST(RegelsVanPagina, LastPageIsCappedAndTheExtraPageIsEmpty)
{
    const RegelBereik eerste = RegelsVanPagina(0, 10, 25);
    EXPECT_EQ(eerste.eerste, 0);
    EXPECT_EQ(eerste.laatste, 9);
    const RegelBereik derde = RegelsVanPagina(2, 10, 25);
    EXPECT_EQ(derde.eerste, 20);
    EXPECT_EQ(derde.laatste, 24);
    EXPECT_TRUE(RegelsVanPagina(2, 10, 20).Leeg());
    EXPECT_TRUE(RegelsVanPagina(0, 10, 0).Leeg());
    EXPECT_TRUE(RegelsVanPagina(1 << 30, 1 << 30, 100).Leeg());
}

TEST(PaginaTekst, NumbersAreRightAlignedInThreeCharacters)
{
    EXPECT_EQ(PaginaTekst(2, 3), "Pagina   2 van   3");
    EXPECT_EQ(PaginaTekst(12, 345), "Pagina  12 van 345");
    EXPECT_EQ(PaginaTekst(1000, 1000), "Pagina 1000 van 1000");
}

TEST(Paginanummering, OnlyWithTheSettingAndMoreThanOnePage)
{
    EXPECT_FALSE(Paginanummering(true, 1));
    EXPECT_TRUE(Paginanummering(true, 2));
    EXPECT_FALSE(Paginanummering(false, 2));

    PaginaStand stand;
    stand.paginanummering = true;
    bool paginanummers = true;
    EXPECT_FALSE(WisselPaginanummering(stand, paginanummers));
    EXPECT_FALSE(paginanummers);
    EXPECT_TRUE(WisselPaginanummering(stand, paginanummers));
    EXPECT_TRUE(paginanummers);
    EXPECT_TRUE(stand.paginanummering);
}

} // namespace
} // namespace korvane
