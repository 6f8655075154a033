// The staff doctor on staffs damaged the ways real files are: what it finds
// and where, that mending everything leaves nothing to find and no note
// moved to another string, bar or fret, and that one undo takes a mend back.
#include "music/doctor.h"

#include "core/utf8.h"
#include "music/editorbron.h"

#include "core/memoryeditor.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>

namespace korvane {
namespace {

const char* const kKwaal[] = {"Lengte", "Slotstreep", "Maatstreep", "Tabteken",
                              "Lijkteken", "Snaarnaam", "Snaaraantal", "Fret"};

std::u32string U32(std::string_view bytes)
{
    return std::u32string(bytes.begin(), bytes.end());
}

// Lines as char32_t, "\n" between them; a "~" stands for `vreemd`.
std::vector<std::u32string> Regels(std::string_view tekst, char32_t vreemd = 0)
{
    std::vector<std::u32string> uit(1);
    for (char c : tekst) {
        if (c == '\n')
            uit.emplace_back();
        else
            uit.back() += c == '~' && vreemd ? vreemd : static_cast<char32_t>(static_cast<unsigned char>(c));
    }
    return uit;
}

std::vector<std::u32string_view> Zicht(const std::vector<std::u32string>& r)
{
    return {r.begin(), r.end()};
}

// "line:column Kwaal" per finding, "+" when it has a mend.
std::string Samenvatting(const std::vector<Diagnose>& d)
{
    std::string s;
    for (const Diagnose& x : d)
        s += std::to_string(x.regel) + ":" + std::to_string(x.kolom) + " " + kKwaal[static_cast<int>(x.kwaal)] +
             (x.herstel.empty() ? "" : "+") + "\n";
    return s;
}

std::vector<std::u32string> Toegepast(std::vector<std::u32string> r, const Regelvervanging& v)
{
    r.erase(r.begin() + v.van, r.begin() + v.tot);
    r.insert(r.begin() + v.van, v.nieuw.begin(), v.nieuw.end());
    return r;
}

std::string Tekst(const std::vector<std::u32string>& r)
{
    std::string s;
    for (const auto& l : r) {
        for (char32_t c : l)
            s += c < 0x80 ? static_cast<char>(c) : '?';
        s += "\n";
    }
    return s;
}

struct DoktersRij {
    const char* naam;
    std::string document;
    char32_t vreemd; // what "~" in the document stands for
    std::string bevindingen;
    std::string hersteld; // the document after mending everything
};

void PrintTo(const DoktersRij& r, std::ostream* os)
{
    *os << r.naam;
}

class Dokter : public ::testing::TestWithParam<DoktersRij> {};

TEST_P(Dokter, FindsEachFaultWhereItIsAndMendsWhatItCan)
{
    const DoktersRij& r = GetParam();
    const auto regels = Regels(r.document, r.vreemd);
    EXPECT_EQ(Samenvatting(Controleer(Zicht(regels))), r.bevindingen);
    const auto hersteld = Toegepast(regels, HerstelAlles(Zicht(regels)));
    EXPECT_EQ(Tekst(hersteld), r.hersteld);
}

INSTANTIATE_TEST_SUITE_P(
    Staffs, Dokter,
    ::testing::Values(
        DoktersRij{"CleanStaffHasNothing", "e|--0--|--3--|\nB|--1--|--0--|\nG|--0--|--0--|", 0, "",
                   "e|--0--|--3--|\nB|--1--|--0--|\nG|--0--|--0--|\n"},
        DoktersRij{"ShortLineAtItsEnd", "e|--0--|--3--\nB|--1--|--0\nG|--0--|--0--", 0, "1:11 Lengte+\n",
                   "e|--0--|--3--\nB|--1--|--0--\nG|--0--|--0--\n"},
        DoktersRij{"ShortLinesArePaddedNotTheLongOnesCut", "e|--0--|--3--\nB|--1--|--0--\nG|--0--|--0-----", 0,
                   "0:13 Lengte+\n1:13 Lengte+\n", "e|--0--|--3-----\nB|--1--|--0-----\nG|--0--|--0-----\n"},
        DoktersRij{"ClosingBarMissing", "e|--0--|--3--|\nB|--1--|--0--\nG|--0--|--0--|", 0, "1:13 Slotstreep+\n",
                   "e|--0--|--3--|\nB|--1--|--0--|\nG|--0--|--0--|\n"},
        // One dash too many before the middle bar: the others keep their
        // columns, the extra string goes.
        DoktersRij{"BarOutOfStepLosesTheExtraString", "e|--0--|--3--|\nB|--1---|--0--|\nG|--0--|--0--|", 0,
                   "1:8 Maatstreep+\n", "e|--0--|--3--|\nB|--1--|--0--|\nG|--0--|--0--|\n"},
        // A note right before the bar: the other strings get a column more.
        DoktersRij{"BarOutOfStepBehindANoteWidensTheOthers", "e|--0--|--3--|\nB|--1--1|--0--|\nG|--0--|--0--|",
                   0, "1:8 Maatstreep+\n", "e|--0---|--3--|\nB|--1--1|--0--|\nG|--0---|--0--|\n"},
        DoktersRij{"LabelWiderThanTheOthers", "e|--0--|\nBb|--1--|\nG|--0--|", 0, "1:2 Maatstreep+\n",
                   " e|--0--|\nBb|--1--|\n G|--0--|\n"},
        DoktersRij{"IndentOnOneLine", "e|--0--|\n  B|--1--|\nG|--0--|", 0, "1:3 Maatstreep+\n",
                   "e|--0--|\nB|--1--|\nG|--0--|\n"},
        DoktersRij{"RemarkBesideTheStaffStays", "e|--0--|\nB|--1--| x3\nG|--0-|", 0, "2:6 Maatstreep+\n",
                   "e|--0--|\nB|--1--| x3\nG|--0--|\n"},
        DoktersRij{"TabInTheIndent", "\te|-----0-----|\n\tB|-----1-----|\n  G|-----0-----|", 0,
                   "0:0 Tabteken+\n1:0 Tabteken+\n",
                   " e|-----0-----|\n B|-----1-----|\n G|-----0-----|\n"},
        DoktersRij{"TabInsideTheString", "e|--0--|--3--|\nB|--1\t|--0--|\nG|--0--|--0--|", 0, "1:5 Tabteken+\n",
                   "e|--0--|--3--|\nB|--1--|--0--|\nG|--0--|--0--|\n"},
        DoktersRij{"NoBreakSpaceInTheIndent", "~e|--0--|\n B|--1--|\n G|--0--|", 0x00A0, "0:0 Lijkteken+\n",
                   " e|--0--|\n B|--1--|\n G|--0--|\n"},
        DoktersRij{"EnDash", "e|--0--|\nB|-~1--|\nG|--0--|", 0x2013, "1:3 Lijkteken+\n",
                   "e|--0--|\nB|--1--|\nG|--0--|\n"},
        DoktersRij{"EmDashesMakeAStaffTheAnalysisWouldMiss", "e|~~0~~|\nB|~~1~~|\nG|--0--|", 0x2014,
                   "0:2 Lijkteken+\n0:3 Lijkteken+\n0:5 Lijkteken+\n0:6 Lijkteken+\n1:2 Lijkteken+\n"
                   "1:3 Lijkteken+\n1:5 Lijkteken+\n1:6 Lijkteken+\n",
                   "e|--0--|\nB|--1--|\nG|--0--|\n"},
        DoktersRij{"BoxDrawingBar", "e|--0--~\nB|--1--|\nG|--0--|", 0x2502, "0:7 Lijkteken+\n",
                   "e|--0--|\nB|--1--|\nG|--0--|\n"},
        DoktersRij{"FullWidthBar", "e~--0--|\nB|--1--|\nG|--0--|", 0xFF5C, "0:1 Lijkteken+\n",
                   "e|--0--|\nB|--1--|\nG|--0--|\n"},
        DoktersRij{"BoxDrawingString", "e|~~0--|\nB|--1--|\nG|--0--|", 0x2500, "0:2 Lijkteken+\n0:3 Lijkteken+\n",
                   "e|--0--|\nB|--1--|\nG|--0--|\n"},
        DoktersRij{"LabelDisagreesWithTheStaffsAround",
                   "e|--0--|\nB|-----|\n\ne|--0--|\nG|-----|\n\ne|--0--|\nB|-----|", 0, "4:0 Snaarnaam+\n",
                   "e|--0--|\nB|-----|\n\ne|--0--|\nB|-----|\n\ne|--0--|\nB|-----|\n"},
        DoktersRij{"FirstStaffAgainstTheTwoAfterIt",
                   "E|--0--|\nB|-----|\n\ne|--0--|\nB|-----|\n\ne|--0--|\nB|-----|", 0, "0:0 Snaarnaam+\n",
                   "e|--0--|\nB|-----|\n\ne|--0--|\nB|-----|\n\ne|--0--|\nB|-----|\n"},
        DoktersRij{"StringCountDisagreesWithTheStaffsAround",
                   "e|-----|\nB|-----|\nG|-----|\n\ne|-----|\nB|-----|\n\ne|-----|\nB|-----|\nG|-----|", 0,
                   "4:0 Snaaraantal\n",
                   "e|-----|\nB|-----|\nG|-----|\n\ne|-----|\nB|-----|\n\ne|-----|\nB|-----|\nG|-----|\n"},
        DoktersRij{"FretAboveTwentyFour", "e|--24--27--|\nB|----------|", 0, "0:8 Fret\n",
                   "e|--24--27--|\nB|----------|\n"},
        // Which columns belong together is a guess: found, not mended.
        DoktersRij{"BarMissingInTheMiddle", "e|--0--|--3--|\nB|--1-----0--|\nG|--0--|--0--|", 0,
                   "1:7 Maatstreep\n", "e|--0--|--3--|\nB|--1-----0--|\nG|--0--|--0--|\n"},
        DoktersRij{"TextOutsideStaffsIsLeftAlone", "Titel\t\xA0 \n\ne|--0--|\nB|--1--|", 0x2014, "",
                   "Titel\t? \n\ne|--0--|\nB|--1--|\n"}),
    [](const auto& info) { return std::string(info.param.naam); });

// Look-alikes as a Windows-1252 file brings them (bytes 0x96, 0x97, 0xA0),
// read through the editor.
TEST(DokterInHetVenster, LookAlikesOfAWindowsFileAreFound)
{
    MemoryEditor editor(U"e|--0--|\r\nB|-\u2013" U"1--|\r\nG|--0\u2014-|\r\n\u00A0" U"D|--2--|\r\n");
    const Tekstregels tekst(editor);
    EXPECT_EQ(Samenvatting(Controleer(tekst.Regels())),
              "1:3 Lijkteken+\n2:5 Lijkteken+\n3:0 Lijkteken+\n3:2 Maatstreep+\n");
}

// Per string of every staff: fret and bar of each note, left to right.
std::vector<std::string> Noten(const std::vector<std::u32string>& regels)
{
    const auto z = Zicht(regels);
    std::u32string tekst;
    for (const auto& r : regels) {
        for (char32_t c : r)
            tekst += c < 0x80 ? c : U'x';
        tekst += U"\r\n";
    }
    MemoryEditor editor(tekst);
    TabAnalyse analyse;
    analyze(editor, analyse);
    const Muziekstuk m = LeesMuziek(std::span<const std::u32string_view>(z), analyse, {U"E", U"A", U"D", U"G", U"B", U"e"});
    std::vector<std::string> uit;
    for (const Muziekbalk& b : m.balken) {
        std::vector<std::string> snaren(m.Snaren(b).size());
        for (const Noot& n : m.Noten(b)) // column order, so each string's in order
            snaren[n.snaar] += std::to_string(n.fret) + "@" + std::to_string(n.maat) + " ";
        uit.insert(uit.end(), snaren.begin(), snaren.end());
        uit.push_back("|");
    }
    return uit;
}

// Damage as it happens to staffs: a dash typed or lost in one line, a
// closing bar lost, a look-alike pasted in, an indent typed as a tab. Each
// seed damages a clean document its own way; mending everything must leave
// nothing to find and every note where it was.
class Beschadigd : public ::testing::TestWithParam<int> {};

TEST_P(Beschadigd, RepairThenCheckFindsNothingAndKeepsEveryNote)
{
    std::mt19937 kans(static_cast<unsigned>(GetParam()));
    const std::vector<std::u32string> schoon = Regels(
        "Intro\n\ne|-----0-----|--3--5--7--|-----------|\nB|---1---1---|--3--5--8--|--10-12----|\n"
        "G|--2-----2--|-----------|-----------|\nD|-2---------|-----------|--9--------|\n"
        "A|3----------|-----------|-----------|\nE|-----------|-----------|----------0|\n\n"
        "e|--0--|--------|\nB|--1--|---1-3--|\nG|--0--|-2------|\nD|--2--|--------|\n"
        "A|--3--|--------|\nE|-----|--------|");
    std::vector<std::u32string> regels = schoon;
    const std::vector<int> staflijnen = {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14};
    const int schades = 1 + static_cast<int>(kans() % 4);
    for (int s = 0; s < schades; ++s) {
        std::u32string& r = regels[staflijnen[kans() % staflijnen.size()]];
        std::vector<int> strepen, streepjes;
        for (int i = 0; i < static_cast<int>(r.size()); ++i) {
            if (r[i] == U'-')
                streepjes.push_back(i);
            if (r[i] == U'|' && i > 1)
                strepen.push_back(i);
        }
        switch (kans() % 6) {
        case 0: r.insert(r.begin() + streepjes[kans() % streepjes.size()], U'-'); break;
        case 1: {
            // Not between two digits: that would make one fret of two notes.
            const int i = streepjes[kans() % streepjes.size()];
            if (!(std::isdigit(static_cast<int>(r[i - 1])) && i + 1 < static_cast<int>(r.size()) &&
                  std::isdigit(static_cast<int>(r[i + 1]))))
                r.erase(r.begin() + i);
            break;
        }
        case 2:
            if (r.back() == U'|')
                r.pop_back();
            break;
        case 3: r[streepjes[kans() % streepjes.size()]] = kans() % 2 ? 0x2014 : 0x2500; break;
        case 4: r[strepen[kans() % strepen.size()]] = kans() % 2 ? 0x2502 : 0xFF5C; break;
        case 5: r.insert(r.begin(), U'\t'); break;
        }
    }
    const auto z = Zicht(regels);
    const Regelvervanging v = HerstelAlles(z);
    const auto hersteld = Toegepast(regels, v);
    EXPECT_EQ(Samenvatting(Controleer(Zicht(hersteld))), "") << Tekst(regels) << "became\n" << Tekst(hersteld);
    EXPECT_EQ(Noten(hersteld), Noten(schoon)) << Tekst(regels) << "became\n" << Tekst(hersteld);
    EXPECT_EQ(hersteld.size(), regels.size());
}

INSTANTIATE_TEST_SUITE_P(Seeds, Beschadigd, ::testing::Range(1, 101));

// One undo takes back a mend of all staffs, and a replacement that adds a
// line as well.
struct UndoRij {
    const char* naam;
    Regelvervanging v;
    std::string na;
};

void PrintTo(const UndoRij& r, std::ostream* os)
{
    *os << r.naam;
}

class EenStap : public ::testing::TestWithParam<UndoRij> {};

TEST_P(EenStap, WrittenThroughTheEditorAndTakenBackByOneUndo)
{
    const std::u32string voor = U"a\r\nb\r\nc\r\nd";
    MemoryEditor editor(voor);
    editor.Type(U"x");
    LineSnapshot snapshot;
    ASSERT_TRUE(SchrijfRegels(editor, snapshot, GetParam().v));
    EXPECT_EQ(editor.Text(), VanUtf8(GetParam().na));
    EXPECT_FALSE(editor.CanUndo()) << "the typing before is no longer what undo takes back";
    Herstel(editor, snapshot);
    EXPECT_EQ(editor.Text(), U"x" + voor);
}

INSTANTIATE_TEST_SUITE_P(
    Vervangingen, EenStap,
    ::testing::Values(UndoRij{"Replaced", {1, 3, {U"B", U"C"}}, "xa\r\nB\r\nC\r\nd"},
                      UndoRij{"LineAddedAbove", {1, 2, {U"  Am", U"b"}}, "xa\r\n  Am\r\nb\r\nc\r\nd"},
                      UndoRij{"LinesAddedAtTheEnd", {3, 4, {U"C", U"d", U"e"}}, "xa\r\nb\r\nc\r\nC\r\nd\r\ne"},
                      UndoRij{"LastLineAndTwoAbove", {0, 4, {U"1", U"xa", U"b", U"2", U"c", U"d"}},
                              "1\r\nxa\r\nb\r\n2\r\nc\r\nd"}),
    [](const auto& info) { return std::string(info.param.naam); });

// The document holds characters: a mend writes a box-drawing bar as it is,
// and one undo takes it back.
TEST(EenStapZonderVerlies, ACharacterOutsideWindows1252IsWrittenAsItIs)
{
    MemoryEditor editor(U"a\r\nb");
    LineSnapshot snapshot;
    EXPECT_TRUE(SchrijfRegels(editor, snapshot, {0, 1, {U"\u2502"}}));
    EXPECT_EQ(editor.Text(), U"\u2502\r\nb");
    Herstel(editor, snapshot);
    EXPECT_EQ(editor.Text(), U"a\r\nb");
}

} // namespace
} // namespace korvane
