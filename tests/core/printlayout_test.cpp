// The print layout without a printer: which pieces of which lines land on
// which rows of which pages.
#include "core/printlayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

struct IndelingGeval {
    const char* naam;
    std::vector<std::u32string> regels;
    int tekens, perPagina;
    IndelingOpties opties;
    bool extraPagina;
    // Pages separated by " # ", rows by " / ".
    const char32_t* verwacht;
    int regel, pagina; // the page that source line `regel` begins on
};

class DeelInTest : public ::testing::TestWithParam<IndelingGeval> {};

TEST_P(DeelInTest, RowsAndPages)
{
    const IndelingGeval& g = GetParam();
    const AfdrukIndeling indeling = DeelIn(g.regels, 0, g.tekens, g.perPagina, g.opties, g.extraPagina);
    std::u32string tekst;
    for (std::size_t p = 0; p < indeling.paginas.size(); ++p) {
        if (p > 0)
            tekst += U" # ";
        for (std::size_t r = 0; r < indeling.paginas[p].size(); ++r) {
            const UitvoerRegel& rij = indeling.paginas[p][r];
            tekst += (r > 0 ? U" / " : U"") + rij.Tekst(g.regels[static_cast<std::size_t>(rij.bron)]);
        }
    }
    EXPECT_EQ(tekst, g.verwacht);
    EXPECT_EQ(indeling.PaginaVanRegel(g.regel), g.pagina);
}

const IndelingOpties aan{true, true};
const IndelingOpties uit{false, false};
const std::vector<std::u32string> balk{U"e|--1--|--2--|", U"B|--3--|--4--|"};
const std::vector<std::u32string> metAkkoorden{U"  Am    C", U"e|--1--|--2--|", U"B|--3--|--4--|"};
const std::vector<std::u32string> zonderMaatstreep{U"e|------------", U"B|------------"};
const std::vector<std::u32string> naTekst{U"a", U"b", U"", U"Am", U"e|-----|", U"B|-----|"};

INSTANTIATE_TEST_SUITE_P(
    Indeling, DeelInTest,
    ::testing::Values(
        IndelingGeval{"tekstBreektNaEenSpatie", {U"een twee drie"}, 8, 10, aan, true, U"een  / twee  / drie", 0, 1},
        IndelingGeval{"woordLangerDanEenRij", {U"abcdefghij"}, 4, 10, aan, true, U"abcd / efgh / ij", 0, 1},
        IndelingGeval{"balkBreektNaDeLaatstePassendeMaatstreep", balk, 10, 10, aan, true,
                      U"e|--1--| / B|--3--| / e|--2--| / B|--4--|", 1, 1},
        IndelingGeval{"akkoordregelBreektMee", metAkkoorden, 10, 10, aan, true,
                      U"  Am     / e|--1--| / B|--3--| /   C / e|--2--| / B|--4--|", 2, 1},
        IndelingGeval{"zonderMaatstreepDeLaatsteKolom", zonderMaatstreep, 6, 10, aan, true,
                      U"e|---- / B|---- / e|---- / B|---- / e|---- / B|----", 0, 1},
        IndelingGeval{"passendUit", balk, 10, 10, uit, true, U"e|--1--|--2--| / B|--3--|--4--|", 0, 1},
        IndelingGeval{"balkHeelOpDeVolgendePagina", naTekst, 20, 4, aan, true,
                      U"a / b /  # Am / e|-----| / B|-----|", 4, 2},
        IndelingGeval{"balkMagBrekenAlsHetUitStaat", naTekst, 20, 4, uit, true,
                      U"a / b /  / Am # e|-----| / B|-----|", 4, 2},
        IndelingGeval{"eenVollePaginaKrijgtEenLegeErachter", {U"x", U"y"}, 20, 2, aan, true, U"x / y # ", 1, 1},
        IndelingGeval{"eenSelectieNiet", {U"x", U"y"}, 20, 2, aan, false, U"x / y", 1, 1},
        IndelingGeval{"leegDocument", {}, 20, 2, aan, true, U"", 0, 1}),
    [](const auto& info) { return std::string(info.param.naam); });

} // namespace
} // namespace korvane
