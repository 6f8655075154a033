// Chord names, tunings, capo and timing lines as tab writers put them down.
#include "music/tabmodel.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::string Utf8(std::u32string_view s)
{
    std::string out;
    for (char32_t c : s)
        out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "?";
    return out;
}

// "root klasse|soort|bas klasse@kolom", or "-" for no chord.
std::string Akkoord(std::u32string_view woord)
{
    const auto a = LeesAkkoord(woord);
    if (!a)
        return "-";
    std::string s = std::to_string(a->grondtoon.toonklasse) + "|" + Utf8(a->soort);
    if (a->bas)
        s += "|" + std::to_string(a->bas->toonklasse) + "@" + std::to_string(a->basKolom);
    return s;
}

struct AkkoordRij {
    std::u32string woord;
    std::string verwacht;
};

class Akkoorden : public ::testing::TestWithParam<AkkoordRij> {};

TEST_P(Akkoorden, SplitRootQualityAndBass)
{
    EXPECT_EQ(Akkoord(GetParam().woord), GetParam().verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Woorden, Akkoorden,
    ::testing::Values(AkkoordRij{U"C", "0|"}, AkkoordRij{U"Am7", "9|m7"}, AkkoordRij{U"F#m7b5", "6|m7b5"},
                      AkkoordRij{U"Bbmaj7", "10|maj7"}, AkkoordRij{U"C/G", "0||7@2"},
                      AkkoordRij{U"Ebm/Db", "3|m|1@4"}, AkkoordRij{U"D6/9", "2|6/9"},
                      AkkoordRij{U"Gsus4", "7|sus4"}, AkkoordRij{U"E7(#9)", "4|7(#9)"},
                      AkkoordRij{U"A♭dim", "8|dim"}, AkkoordRij{U"Cadd9", "0|add9"},
                      // Words that start like chords are not chords.
                      AkkoordRij{U"Add", "-"}, AkkoordRij{U"Be", "-"}, AkkoordRij{U"Bad", "-"},
                      AkkoordRij{U"C3", "-"}, AkkoordRij{U"am", "-"}, AkkoordRij{U"C/x", "-"},
                      AkkoordRij{U"Ebb", "-"}));

struct RegelRij {
    std::u32string regel;
    bool akkoordregel;
    std::string akkoorden; // "kolom:lengte" each
    int onbekend;
};

class Akkoordregels : public ::testing::TestWithParam<RegelRij> {};

TEST_P(Akkoordregels, ChordLinesButNotLyrics)
{
    std::vector<Akkoordnaam> akkoorden;
    std::vector<Woord> onbekend;
    EXPECT_EQ(LeesAkkoordregel(GetParam().regel, akkoorden, onbekend), GetParam().akkoordregel);
    std::string s;
    for (const auto& a : akkoorden)
        s += std::to_string(a.kolom) + ":" + std::to_string(a.lengte) + " ";
    EXPECT_EQ(s, GetParam().akkoorden);
    EXPECT_EQ(static_cast<int>(onbekend.size()), GetParam().onbekend);
}

INSTANTIATE_TEST_SUITE_P(
    Regels, Akkoordregels,
    ::testing::Values(RegelRij{U"  C      G/B    Am7", true, "2:1 9:3 16:3 ", 0},
                      RegelRij{U"Intro: (Am)  |F  C|  x2  N.C.", true, "8:2 14:1 17:1 ", 0},
                      RegelRij{U"C   G   riff", true, "0:1 4:1 ", 1},
                      RegelRij{U"A day in the life", false, "0:1 ", 4},
                      RegelRij{U"Am I blue", false, "0:2 ", 2}, RegelRij{U"", false, "", 0}));

struct StemmingRij {
    std::vector<std::u32string> namen; // lowest first
    std::vector<int> verwacht;
};

class Stemmingen : public ::testing::TestWithParam<StemmingRij> {};

TEST_P(Stemmingen, OctavesFollowTheStringCount)
{
    EXPECT_EQ(StemmingVanNamen(GetParam().namen), GetParam().verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Namen, Stemmingen,
    ::testing::Values(StemmingRij{{U"E", U"A", U"D", U"G", U"B", U"e"}, {40, 45, 50, 55, 59, 64}},
                      StemmingRij{{U"D", U"A", U"D", U"G", U"B", U"E"}, {38, 45, 50, 55, 59, 64}},
                      StemmingRij{{U"Eb", U"Ab", U"Db", U"Gb", U"Bb", U"eb"}, {39, 44, 49, 54, 58, 63}},
                      StemmingRij{{U"C", U"G", U"C", U"F", U"A", U"D"}, {36, 43, 48, 53, 57, 62}},
                      StemmingRij{{U"B", U"E", U"A", U"D", U"G", U"B", U"E"}, {35, 40, 45, 50, 55, 59, 64}},
                      StemmingRij{{U"E", U"A", U"D", U"G"}, {28, 33, 38, 43}},
                      StemmingRij{{U"B", U"E", U"A", U"D", U"G"}, {23, 28, 33, 38, 43}},
                      StemmingRij{{U"F#", U"B", U"E", U"A", U"D", U"G", U"B", U"E"}, {30, 35, 40, 45, 50, 55, 59, 64}},
                      StemmingRij{{U"G", U"D", U"G"}, {43, 50, 55}},
                      StemmingRij{{U"E", U"H", U"D"}, {}}));

struct CapoRij {
    std::u32string regel;
    int capo;
};

class Capos : public ::testing::TestWithParam<CapoRij> {};

TEST_P(Capos, ReadTheFret)
{
    EXPECT_EQ(LeesCapo(GetParam().regel), GetParam().capo);
}

INSTANTIATE_TEST_SUITE_P(
    Regels, Capos,
    ::testing::Values(CapoRij{U"capo 3", 3}, CapoRij{U"Capo: 2", 2}, CapoRij{U"CAPO on 5th fret", 5},
                      CapoRij{U"Tuning: standard, Capo op 12", 12}, CapoRij{U"Capo IV", 4},
                      CapoRij{U"no capo", 0}, CapoRij{U"Capo: none", 0}, CapoRij{U"Capo: zie video", -2},
                      CapoRij{U"Capo 123", -2}, CapoRij{U"Escapology 2", -1}, CapoRij{U"Verse 1", -1}));

struct TijdRij {
    std::u32string regel;
    std::string verwacht; // "kolom letter noemer punten" each, or "-"
};

class Tijdregels : public ::testing::TestWithParam<TijdRij> {};

TEST_P(Tijdregels, LettersWithTheirDots)
{
    std::vector<Tijdteken> tijden;
    std::string s = "-";
    if (LeesTijdregel(GetParam().regel, tijden)) {
        s.clear();
        for (const auto& t : tijden)
            s += std::to_string(t.kolom) + static_cast<char>(t.letter) + std::to_string(t.noemer) + "." +
                 std::to_string(t.punten) + " ";
    }
    EXPECT_EQ(s, GetParam().verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Regels, Tijdregels,
    ::testing::Values(TijdRij{U"  Q  E E  Q. S S W", "2Q4.0 5E8.0 7E8.0 10Q4.1 13S16.0 15S16.0 17W1.0 "},
                      TijdRij{U"  H..  | T", "2H2.2 9T32.0 "},
                      TijdRij{U"  E  E  E", "-"}, TijdRij{U"  Q  A", "-"}, TijdRij{U"", "-"}));

} // namespace
} // namespace korvane
