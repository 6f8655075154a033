// When notes sound, read from staffs as users write them. Each row is a small
// document and every note it plays, in playing order, as fret@onset+length
// in ticks (480 to the quarter).
#include "core/utf8.h"
#include "music/timing.h"

#include "core/memoryeditor.h"
#include "music/editorbron.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct Gelezen {
    Muziekstuk stuk;
    Tijdlijn tijden;
};

Gelezen Lees(const std::string& document)
{
    MemoryEditor editor(VanUtf8(document));
    TabAnalyse analyse;
    analyze(editor, analyse);
    Stemming stemming;
    BerekenStemming(U"EADGBE", stemming);
    Gelezen g;
    g.stuk = LeesMuziek(editor, analyse, stemming);
    Tekstregels regels(editor);
    g.tijden = BerekenTijden(g.stuk, regels.Regels(), {});
    return g;
}

std::string Gespeeld(const Gelezen& g, int groep = 0)
{
    std::string s;
    VoorElkeSpeelnoot(
        g.stuk, g.tijden, groep,
        [&](const Speelnoot& sp) {
            const Noot& n = g.stuk.noten[static_cast<std::size_t>(sp.noot)];
            s += (s.empty() ? "" : " ") + (n.fret < 0 ? std::string("x") : std::to_string(n.fret)) + "@" +
                 std::to_string(sp.begin) + "+" + std::to_string(sp.lengte);
        },
        [](std::int64_t) {});
    return s;
}

// A six-string staff whose top line is `e`; the other strings empty.
std::string Staf(const std::string& e, const std::string& boven = "")
{
    std::string rest = e.substr(1);
    for (char& c : rest)
        if (c != '|' && c != ':' && c != ' ' && c != '*')
            c = '-';
    // A repeat count beside the top line only.
    const auto spatie = rest.find(' ');
    if (spatie != std::string::npos)
        rest.erase(spatie);
    std::string s = boven.empty() ? "" : boven + "\r\n";
    s += e + "\r\n";
    for (const char* naam : {"B", "G", "D", "A", "E"})
        s += naam + rest + "\r\n";
    return s;
}

struct Rij {
    const char* naam;
    std::string document;
    std::string gespeeld;
};

class Timing : public testing::TestWithParam<Rij> {};

TEST_P(Timing, NotesSoundWhereTheTextPutsThem)
{
    EXPECT_EQ(Gespeeld(Lees(GetParam().document)), GetParam().gespeeld) << GetParam().document;
}

INSTANTIATE_TEST_SUITE_P(
    Staffs, Timing,
    testing::Values(
        Rij{"PlainEighths", Staf("e|-0-0-0-0-0-0-0-0-|"),
            "0@0+240 0@240+240 0@480+240 0@720+240 0@960+240 0@1200+240 0@1440+240 0@1680+240"},
        Rij{"MixedSpacing", Staf("e|-0-0-0-0-2---2---|"), "0@0+240 0@240+240 0@480+240 0@720+240 2@960+480 2@1440+480"},
        Rij{"TwoDigitFretsTakeTheirColumns", Staf("e|--10--12--10--12--|"), "10@0+480 12@480+480 10@960+480 12@1440+480"},
        Rij{"TightMarginsStillEvenlySpaced", Staf("e|0-0-0-0-0-0-0-0-|"),
            "0@0+240 0@240+240 0@480+240 0@720+240 0@960+240 0@1200+240 0@1440+240 0@1680+240"},
        Rij{"TripletEighthsNearerThanSixteenths", Staf("e|-0--0--0--0--0--0--|"),
            "0@0+320 0@320+320 0@640+320 0@960+320 0@1280+320 0@1600+320"},
        Rij{"TimingLettersOverrideColumns", Staf("e|0-2-3-------5---|", "  Q E.S       H"),
            "0@0+480 2@480+360 3@840+120 5@960+960"},
        Rij{"TimingLetterWithoutNoteIsARest", Staf("e|0-2-3-5-|", "  Q Q Q Q"), "0@0+480 2@480+480 3@960+480 5@1440+480"},
        Rij{"ThreeFourFromTheCountLine", Staf("e|--0---0---0--|--0----------|", "   |   |   |     |   |   |  "),
            "0@0+480 0@480+480 0@960+480 0@1440+1440"},
        Rij{"SixEightFromTheCountLine", Staf("e|-0-0-0-0-0-0-|", "   |.    |.   "),
            "0@0+240 0@240+240 0@480+240 0@720+240 0@960+240 0@1200+240"},
        Rij{"SixEightMarkAboveTheStaff", "6/8\r\n" + Staf("e|-0---0---0---|"), "0@0+480 0@480+480 0@960+480"},
        Rij{"MarkHoldsForTheNextStaff",
            "3/4\r\n" + Staf("e|-0---0---0---|") + "\r\n" + Staf("e|-2-----------|"), "0@0+480 0@480+480 0@960+480 2@1440+1440"},
        Rij{"RepeatSignsPlayTwice", Staf("e|-0------|:-2------:|-5------|"), "0@0+1920 2@1920+1920 2@3840+1920 5@5760+1920"},
        Rij{"TimesWithoutSignsRepeatsTheStaff", Staf("e|-0------|-2------|  x3"),
            "0@0+1920 2@1920+1920 0@3840+1920 2@5760+1920 0@7680+1920 2@9600+1920"},
        Rij{"TimesBelongToTheLastRepeat", Staf("e|-0------|:-2------:|-5------|  x3"),
            "0@0+1920 2@1920+1920 2@3840+1920 2@5760+1920 5@7680+1920"},
        Rij{"NoBarLinesTwoColumnsAnEighth", Staf("e-0-2-3-5-"), "0@0+240 2@240+240 3@480+240 5@720+1200"},
        Rij{"OpenEndedStaffAlsoInSteps", Staf("e|-0-2---3-"), "0@0+240 2@240+480 3@720+1200"},
        Rij{"HeldNoteRingsOverTheNextColumn", "e|-0=====---------|\r\nB|-----1-----------|\r\nG|-----------------|\r\n"
                                              "D|-----------------|\r\nA|-----------------|\r\nE|-----------------|\r\n",
            "0@0+720 1@480+1440"}),
    [](const testing::TestParamInfo<Rij>& info) { return std::string(info.param.naam); });

struct TempoRij {
    const char* regel;
    double bpm;
};

class Tempo : public testing::TestWithParam<TempoRij> {};

TEST_P(Tempo, IsReadFromTheWaysPeopleWriteIt)
{
    std::u32string tekst;
    for (unsigned char c : std::string(GetParam().regel))
        tekst += c; // ASCII rows
    EXPECT_EQ(LeesTempo(tekst), GetParam().bpm) << GetParam().regel;
}

INSTANTIATE_TEST_SUITE_P(Regels, Tempo,
                         testing::Values(TempoRij{"Tempo: 96", 96}, TempoRij{"tempo 120", 120},
                                         TempoRij{"96 bpm", 96}, TempoRij{"Speed 72BPM", 72},
                                         TempoRij{"BPM = 140", 140}, TempoRij{"Tempo di marcia", 0},
                                         TempoRij{"Tempo: 9999", 0}, TempoRij{"Contempo 90", 0}));

TEST(Tempo, QuarterNoteSignAndTheDocumentsStatementReachTheGroup)
{
    EXPECT_EQ(LeesTempo(U"\u2669 = 96"), 96);
    const Gelezen g = Lees("Tempo: 84\r\n\r\n" + Staf("e|-0-------|"));
    ASSERT_EQ(g.tijden.groepen.size(), 1u);
    ASSERT_EQ(g.tijden.groepen[0].tempi.size(), 1u);
    EXPECT_EQ(g.tijden.groepen[0].tempi[0].bpm, 84);
    EXPECT_EQ(Lees(Staf("e|-0-------|")).tijden.groepen[0].tempi[0].bpm, 100);
}

TEST(Maatsoort, ChordNamesAndFractionsInWordsAreNoTimeSignature)
{
    EXPECT_EQ(LeesMaatsoort(U"Time: 3/4"), (Maatsoort{3, 4}));
    EXPECT_EQ(LeesMaatsoort(U"12/8 shuffle"), (Maatsoort{12, 8}));
    EXPECT_EQ(LeesMaatsoort(U"D6/9   Am"), (Maatsoort{0, 4}));
    EXPECT_EQ(LeesMaatsoort(U"1/3/5"), (Maatsoort{0, 4}));
    EXPECT_EQ(LeesMaatsoort(U"3/5"), (Maatsoort{0, 4}));
}

TEST(Groepen, GuitarAndBassStaffsPlayTogetherOnTheirOwnPrograms)
{
    const std::string bas = "G|-----|\r\nD|-----|\r\nA|-----|\r\nE|-0---|\r\n";
    const Gelezen g = Lees("Distortion\r\n" + Staf("e|-0---|") + "\r\n" + bas + "\r\n" + Staf("e|-2---|") + "\r\n" + bas);
    ASSERT_EQ(g.tijden.groepen.size(), 2u);
    EXPECT_FALSE(g.tijden.groepen[0].bas);
    EXPECT_EQ(g.tijden.groepen[0].programma, 30);
    EXPECT_TRUE(g.tijden.groepen[1].bas);
    EXPECT_EQ(g.tijden.groepen[1].programma, 33);
    EXPECT_EQ(Gespeeld(g, 0), "0@0+1920 2@1920+1920");
    EXPECT_EQ(Gespeeld(g, 1), "0@0+1920 0@1920+1920");
}

} // namespace
} // namespace korvane
