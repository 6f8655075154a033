// Chord names for the notes of a column, best first, and where they are
// written: on the chord line above the staff, made when there is none.
#include "core/utf8.h"
#include "music/akkoorden.h"
#include "music/editorbron.h"

#include "core/memoryeditor.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::string Ascii(std::u32string_view s)
{
    std::string out;
    for (char32_t c : s)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

struct KlankRij {
    const char* naam;
    std::vector<int> toonhoogtes;
    std::string namen; // ranked, ", " between
};

void PrintTo(const KlankRij& r, std::ostream* os)
{
    *os << r.naam;
}

class Namen : public ::testing::TestWithParam<KlankRij> {};

TEST_P(Namen, RankedBestFirst)
{
    std::string s;
    for (const AkkoordKeuze& k : BenoemAkkoord(GetParam().toonhoogtes))
        s += (s.empty() ? "" : ", ") + Ascii(k.naam);
    EXPECT_EQ(s, GetParam().namen);
}

INSTANTIATE_TEST_SUITE_P(
    Akkoorden, Namen,
    ::testing::Values(KlankRij{"OpenC", {48, 52, 55, 60, 64}, "C"},
                      KlankRij{"OpenAm", {45, 52, 57, 60, 64}, "Am"},
                      KlankRij{"PowerChordWithOctave", {40, 47, 52}, "E5"},
                      KlankRij{"SixthOrMinorSeventhOverItsThird", {48, 52, 55, 57}, "C6, Am7/C"},
                      KlankRij{"MinorSeventhOrSixthOverItsSixth", {50, 57, 60, 65}, "Dm7, F6/D"},
                      KlankRij{"G7", {43, 47, 50, 55, 59, 65}, "G7"},
                      KlankRij{"Cmaj7", {48, 52, 55, 59, 64}, "Cmaj7"},
                      KlankRij{"Am6", {45, 52, 54, 60}, "Am6"},
                      KlankRij{"Dsus2", {50, 57, 62, 64}, "Dsus2, Asus4/D"},
                      KlankRij{"Dsus4", {50, 57, 62, 67}, "Dsus4, Gsus2/D"},
                      KlankRij{"Bdim", {47, 50, 53}, "Bdim"},
                      KlankRij{"AugmentedNamesEveryRoot", {48, 52, 56}, "Caug, Eaug/C, G#aug/C"},
                      KlankRij{"Cadd9", {48, 52, 55, 62, 64}, "Cadd9"},
                      KlankRij{"C9", {48, 52, 58, 62, 67}, "C9"},
                      KlankRij{"SeventhWithoutItsFifth", {48, 52, 58, 60}, "C7"},
                      KlankRij{"BassNotTheRoot", {43, 48, 52, 55, 60, 64}, "C/G"},
                      KlankRij{"MinorOverItsThirdNotASixthWithoutFifth", {55, 59, 64}, "Em/G"},
                      KlankRij{"FlatsInNames", {46, 53, 58, 62}, "Bb"},
                      KlankRij{"AThirdAloneIsNoChord", {40, 44}, ""},
                      KlankRij{"OneNoteInOctaves", {40, 52, 64}, ""}),
    [](const auto& info) { return std::string(info.param.naam); });

struct Geschreven {
    std::string tekst;
    std::string fout;
};

// The document through the editor adapter, named at (regel, kolom).
Geschreven Benoem(const std::string& document, int regel, int kolom)
{
    MemoryEditor editor(VanUtf8(document));
    TabAnalyse analyse;
    analyze(editor, analyse);
    Stemming stemming;
    BerekenStemming(U"EADGBE", stemming);
    const Tekstregels tekst(editor);
    const Muziekstuk stuk = LeesMuziek(tekst.Regels(), analyse, SnaarnamenVan(stemming));
    const Benoeming b = BenoemOpKolom(tekst.Regels(), stuk, regel, kolom);
    if (!b.fout.empty())
        return {Utf8(editor.Text()), b.fout};
    LineSnapshot snapshot;
    EXPECT_TRUE(SchrijfRegels(editor, snapshot, b.vervanging));
    const std::string na = Utf8(editor.Text());
    Herstel(editor, snapshot);
    EXPECT_EQ(editor.Text(), VanUtf8(document)) << "one undo";
    return {na, ""};
}

const std::string kStaf = "e|--0---0--|\r\nB|--1---1--|\r\nG|--0---2--|\r\nD|--2---2--|\r\nA|--3---0--|\r\nE|---------|";

struct PlaatsRij {
    const char* naam;
    std::string document;
    int regel, kolom;
    Geschreven verwacht;
};

void PrintTo(const PlaatsRij& r, std::ostream* os)
{
    *os << r.naam;
}

class OpDeAkkoordregel : public ::testing::TestWithParam<PlaatsRij> {};

TEST_P(OpDeAkkoordregel, WrittenAboveTheStaff)
{
    const PlaatsRij& r = GetParam();
    const Geschreven g = Benoem(r.document, r.regel, r.kolom);
    EXPECT_EQ(g.fout, r.verwacht.fout);
    EXPECT_EQ(g.tekst, r.verwacht.tekst);
}

INSTANTIATE_TEST_SUITE_P(
    Plaatsen, OpDeAkkoordregel,
    ::testing::Values(
        PlaatsRij{"ALineIsMadeWhenThereIsNone", "Titel\r\n" + kStaf, 3, 4, {"Titel\r\n    C\r\n" + kStaf, ""}},
        PlaatsRij{"AtTheTopOfTheDocument", kStaf, 0, 8, {"        Am\r\n" + kStaf, ""}},
        PlaatsRij{"CaretJustBehindTheChord", kStaf, 2, 5, {"    C\r\n" + kStaf, ""}},
        PlaatsRij{"ExistingLineGainsTheName", "    C\r\n" + kStaf, 1, 8, {"    C   Am\r\n" + kStaf, ""}},
        PlaatsRij{"ANameThereIsReplaced", "    G      x2\r\n" + kStaf, 1, 4, {"    C      x2\r\n" + kStaf, ""}},
        PlaatsRij{"AboveTheCountLine", "1 |  .  |  .  |\r\n" + kStaf, 1, 4, {"    C\r\n1 |  .  |  .  |\r\n" + kStaf, ""}},
        PlaatsRij{"NoRoomBesideAName", "   Dsus4\r\n" + kStaf, 1, 8,
                  {"   Dsus4\r\n" + kStaf, "Geen ruimte op de akkoordregel voor \u2018Am\u2019 in kolom 9"}},
        PlaatsRij{"NoNotesThere", kStaf, 0, 2, {kStaf, "Geen noten in kolom 3 van deze balk"}},
        PlaatsRij{"NotOnAStaff", "Titel\r\n" + kStaf, 0, 2, {"Titel\r\n" + kStaf, "De caret staat niet op een tablijn"}}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(AlleAkkoorden, EveryColumnOfThreeNotesIsNamedOnItsStaffsLine)
{
    const std::string tweede = "e|--3-----0--|\r\nB|--0-----1--|\r\nG|--0-----2--|\r\nD|--0-----2--|\r\n"
                               "A|--2--0--0--|\r\nE|--3--0-----|";
    const std::string document = "Intro\r\n" + kStaf + "\r\n\r\n   G\r\n" + tweede;
    MemoryEditor editor(VanUtf8(document));
    TabAnalyse analyse;
    analyze(editor, analyse);
    const Tekstregels tekst(editor);
    const Muziekstuk stuk = LeesMuziek(tekst.Regels(), analyse, {U"E", U"A", U"D", U"G", U"B", U"e"});
    std::vector<Bevinding> overgeslagen;
    const Regelvervanging v = BenoemAlles(tekst.Regels(), stuk, overgeslagen);
    LineSnapshot snapshot;
    ASSERT_TRUE(SchrijfRegels(editor, snapshot, v));
    // Two notes in column 7 of the second staff are no chord to name.
    EXPECT_EQ(Utf8(editor.Text()), "Intro\r\n    C   Am\r\n" + kStaf + "\r\n\r\n   G      Am\r\n" + tweede);
    // The G written a column early leaves no room for the name of column 4.
    ASSERT_EQ(overgeslagen.size(), 1u);
    EXPECT_EQ(overgeslagen[0].regel, 10);
    EXPECT_EQ(overgeslagen[0].kolom, 4);
    EXPECT_EQ(overgeslagen[0].bericht, "Geen ruimte op de akkoordregel voor \u2018G\u2019");
    Herstel(editor, snapshot);
    EXPECT_EQ(Utf8(editor.Text()), document);
}

} // namespace
} // namespace korvane
