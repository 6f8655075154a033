// Staff recognition by counting characters.
#include "core/analysis.h"
#include "core/memoryeditor.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct LineCase {
    const char* name;
    std::u32string line;
    bool staff;
    bool count;
};

class LineClassification : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineClassification, CountsCharactersWithTheirPrecedence)
{
    const Regelsoort soort = SoortVan(GetParam().line);
    EXPECT_EQ(soort.tab, GetParam().staff);
    EXPECT_EQ(soort.markeer, GetParam().count);
    EXPECT_EQ(IsTabLijnTekst(GetParam().line), GetParam().staff);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineClassification,
    ::testing::Values(LineCase{"FiveHyphensAreTooShort", U"-----", false, false},
                      LineCase{"SixHyphens", U"------", true, false},
                      LineCase{"NineWithThreeHyphens", U"abc---def", false, false},
                      LineCase{"NineWithFourHyphens", U"abc----de", true, false},
                      LineCase{"BarsAndDotsAreMarksNotDashes", U"|.|.|.|.|.|.|.|.|.|.", false, false},
                      LineCase{"CountLine", U"   |   |   |   |  " U"   |   |   |   |  ", false, true},
                      LineCase{"FiveMarksAreNotEnough", U"   |   |   |   |   |        ", false, false},
                      LineCase{"StaffLine", U"E|-----3-----|", true, false},
                      LineCase{"Lyrics", U"Und über allen Gipfeln ist Ruh", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

std::u32string Lines(std::initializer_list<const char32_t*> lines)
{
    std::u32string out;
    for (const char32_t* l : lines) {
        out += l;
        out += U"\r\n";
    }
    return out;
}

// A line each: its staff's number, else 't' for a staff line, 'm' for a
// count line, '.' for neither; then each staff as "first-last/lines".
std::string Beschrijf(const TabAnalyse& a, int regels)
{
    std::string out;
    for (int i = 0; i < regels; ++i)
        out += a.BalkVan(i) >= 0 ? char('0' + a.BalkVan(i)) : a.IsTabLijn(i) ? 't' : a.IsMarkeerLijn(i) ? 'm' : '.';
    for (int b = 0; b < a.aantalbalken; ++b) {
        const TTabbalk& t = a.tabbalken[static_cast<std::size_t>(b)];
        out += ' ' + std::to_string(t.eerste) + '-' + std::to_string(t.laatste) + '/' + std::to_string(t.aantal);
    }
    return out;
}

class Analyze : public ::testing::TestWithParam<std::pair<std::u32string, const char*>> {};

TEST_P(Analyze, FindsStaffsAndCountLines)
{
    MemoryEditor ed(GetParam().first);
    TabAnalyse a;
    a.analyseNodig = true;
    analyze(ed, a);
    EXPECT_EQ(Beschrijf(a, ed.LineCount()), GetParam().second);
    EXPECT_FALSE(a.analyseNodig);
    // One entry a line and a false one after; a spare staff entry; nothing before line 0.
    EXPECT_EQ(a.tablijnen.size(), static_cast<std::size_t>(ed.LineCount()) + 1);
    EXPECT_EQ(a.markeerlijnen.size(), a.tablijnen.size());
    EXPECT_FALSE(a.tablijnen.back() || a.markeerlijnen.back() || a.IsMarkeerLijn(-1) || a.IsTabLijn(-1));
    EXPECT_GT(a.tabbalken.size(), static_cast<std::size_t>(a.aantalbalken));

    // Of lines already read, over what an earlier analysis left.
    const std::vector<std::u32string_view> regels(ed.Lines().begin(), ed.Lines().begin() + ed.LineCount());
    const std::vector<std::u32string_view> ander = {U"E|------|", U"B|------|", U"", U"E|------|", U"B|------|",
                                                    U"", U"", U"", U"", U"", U"E|------|", U"B|------|"};
    TabAnalyse b;
    analyze(ander, b);
    b.analyseNodig = true;
    analyze(regels, b);
    EXPECT_FALSE(b.analyseNodig);
    EXPECT_EQ(Beschrijf(b, ed.LineCount()), GetParam().second);
    EXPECT_EQ(b.tablijnen, a.tablijnen);
    EXPECT_EQ(b.markeerlijnen, a.markeerlijnen);
    EXPECT_EQ(b.aantalbalken, a.aantalbalken);
}

// The count line above a staff; lone staff-like lines dropped and adjacent
// staffs joined; staffs at both edges of the document; no document.
INSTANTIATE_TEST_SUITE_P(
    Documenten, Analyze,
    ::testing::Values(std::pair{Lines({U"Titel", U"   |   |   |   |   |   |   |   |", U"e|--------12", U"B|--------12",
                                       U"G|--------12", U"D|--------12", U"A|--------12", U"E|--------12", U"la la"}),
                                ".m000000. 2-7/6"},
                      std::pair{Lines({U"----------", U"", U"----------", U"E|------|", U"B|------|", U"E|------|",
                                       U"B|------|", U"", U"----------"}),
                                "..00000.. 2-6/5"},
                      std::pair{std::u32string(U"E|------|\r\nB|------|\r\n\r\nE|------|\r\nB|------|"),
                                "00.11 0-1/2 3-4/2"},
                      std::pair{std::u32string(), ""}));

TEST(Analysis, ShrinkingDocumentLeavesNoStaleStaffs)
{
    MemoryEditor ed(U"E|------|\r\nB|------|\r\nE|------|\r\nB|------|");
    TabAnalyse a;
    analyze(ed, a);
    ed.SetText(U"x");
    analyze(ed, a);
    EXPECT_EQ(a.aantalbalken, 0);
    EXPECT_EQ(a.tablijnen.size(), 2u);
    EXPECT_FALSE(a.IsTabLijn(1));
}

TEST(Analysis, TypingHyphensKeepsTheOldStaffsUntilTheLineCountChanges)
{
    MemoryEditor ed(U"E|------|\r\nB|------|\r\nxxxxxx");
    TabAnalyse a;
    ed.SetChangeHandler([&] { RegelsVeranderd(ed, a); });
    analyze(ed, a);
    a.vorigAantalRegels = ed.LineCount();
    ed.PutLine(2, U"G|------|");
    EXPECT_FALSE(a.analyseNodig);
    AnalyseerIndienNodig(ed, a);
    EXPECT_EQ(a.tabbalken[0].laatste, 1);
    ed.AddLine(U"D|------|");
    AnalyseerIndienNodig(ed, a);
    EXPECT_EQ(a.tabbalken[0].laatste, 3);
}

} // namespace
} // namespace korvane
