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
    EXPECT_EQ(IsTabLijnTekst(GetParam().line), GetParam().staff);
    EXPECT_EQ(IsMarkeerLijnTekst(GetParam().line), GetParam().count);
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

TEST(Analyze, FindsTheStaffAndTheCountLineAboveIt)
{
    MemoryEditor ed(Lines({U"Titel", U"   |   |   |   |   |   |   |   |", U"e|--------12", U"B|--------12",
                           U"G|--------12", U"D|--------12", U"A|--------12", U"E|--------12", U"la la"}));
    TabAnalyse a;
    analyze(ed, a);
    ASSERT_EQ(a.aantalbalken, 1);
    EXPECT_EQ(a.tabbalken[0].eerste, 2);
    EXPECT_EQ(a.tabbalken[0].laatste, 7);
    EXPECT_EQ(a.tabbalken[0].aantal, 6);
    EXPECT_TRUE(a.IsMarkeerLijn(a.tabbalken[0].eerste - 1));
    EXPECT_GT(a.tabbalken.size(), 1u);
    EXPECT_EQ(a.tablijnen.size(), 10u);
    EXPECT_FALSE(a.tablijnen.back());
}

TEST(Analyze, DropsLoneStaffLikeLinesAndJoinsAdjacentStaffs)
{
    MemoryEditor ed(Lines({U"----------", U"", U"----------", U"E|------|", U"B|------|", U"E|------|",
                           U"B|------|", U"", U"----------"}));
    TabAnalyse a;
    analyze(ed, a);
    ASSERT_EQ(a.aantalbalken, 1);
    EXPECT_EQ(a.tabbalken[0].eerste, 2);
    EXPECT_EQ(a.tabbalken[0].laatste, 6);
    EXPECT_FALSE(a.IsTabLijn(0));
    EXPECT_FALSE(a.IsTabLijn(8));
}

TEST(Analyze, StaffsAtTheEdgesOfTheDocument)
{
    MemoryEditor ed(U"E|------|\r\nB|------|\r\n\r\nE|------|\r\nB|------|");
    TabAnalyse a;
    analyze(ed, a);
    ASSERT_EQ(a.aantalbalken, 2);
    EXPECT_EQ(a.tabbalken[0].eerste, 0);
    EXPECT_FALSE(a.IsMarkeerLijn(-1));
    EXPECT_EQ(a.tabbalken[1].laatste, 4);
    EXPECT_EQ(a.BalkVan(4), 1);
    EXPECT_EQ(a.BalkVan(2), -1);
}

TEST(Analyze, ShrinkingDocumentLeavesNoStaleStaffs)
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

TEST(Analyze, EmptyDocument)
{
    MemoryEditor ed(U"");
    TabAnalyse a;
    a.analyseNodig = true;
    analyze(ed, a);
    EXPECT_EQ(a.aantalbalken, 0);
    EXPECT_EQ(a.tablijnen.size(), 1u);
    EXPECT_EQ(a.markeerlijnen.size(), 1u);
    EXPECT_FALSE(a.analyseNodig);
}

TEST(Analyze, TypingHyphensKeepsTheOldStaffsUntilTheLineCountChanges)
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
