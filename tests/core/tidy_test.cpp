// Tuning column, line ends and left alignment.
#include "core/tidy.h"

#include "commandfixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::CommandFixture;
using test::Concat;

const std::string tel = "   |   |   |   |   |   |  ";

struct TuningRow {
    const char* name;
    const char* stemming;
    std::vector<std::string> staff;    // the staff as typed
    std::vector<std::string> labelled; // after the command
    std::string telNa;                 // the count line above it afterwards
};

std::ostream& operator<<(std::ostream& os, const TuningRow& r) { return os << r.name; }

const TuningRow tuningRows[] = {
    {"AlreadyLabelledStaysAsItIs", "EADGBE",
     {"e|-----|", "B|-----|", "G|-----|", "D|-----|", "A|-----|", "E|-----|"},
     {"e|-----|", "B|-----|", "G|-----|", "D|-----|", "A|-----|", "E|-----|"}, tel},
    {"BarStartGetsLabelDirectlyInFront", "EADGBE",
     {"|-----|", "|-----|", "|-----|", "|-----|", "|-----|", "|-----|"},
     {"E|-----|", "B|-----|", "G|-----|", "D|-----|", "A|-----|", "E|-----|"}, " " + tel},
    {"HyphenAndDigitStartGetLabelAndBar", "EADGBE",
     {"------", "3-----", "------", "h-----", "------", "------"},
     {"E|------", "B|3-----", "G|------", "D|h-----", "A|------", "E|------"}, "  " + tel},
    {"FourLinesTakeTheFourLowestStrings", "EADGBE",
     {"------", "------", "------", "------"},
     {"G|------", "D|------", "A|------", "E|------"}, "  " + tel},
    {"SharpTuningBarStart", "DADF#AD",
     {"|-----|", "|-----|", "|-----|", "|-----|", "|-----|", "|-----|"},
     {"D |-----|", "A |-----|", "F#|-----|", "D |-----|", "A |-----|", "D |-----|"}, "  " + tel},
    {"SharpTuningHyphenStart", "DADF#AD",
     {"------", "------", "------", "------", "------", "------"},
     {"D |------", "A |------", "F#|------", "D |------", "A |------", "D |------"}, "   " + tel},
    {"OnlyUnlabelledLinesChange", "EADGBE",
     {"e|-----", "------", "------"},
     {"e|-----", "A|------", "E|------"}, "  " + tel},
    // More lines than strings: the extra top lines get a blank label as wide
    // as a letter, so every staff body starts in the same column.
    {"TallerThanTheTuningGetsBlankLabels", "EADG",
     {"------", "------", "------", "------", "------", "------"},
     {" |------", " |------", "G|------", "D|------", "A|------", "E|------"}, "  " + tel},
    {"TallerThanASharpTuningStaysAligned", "DF#A",
     {"|-----", "|-----", "|-----", "|-----"},
     {"  |-----", "A |-----", "F#|-----", "D |-----"}, "  " + tel},
};

struct TuningColumnTest : CommandFixture, ::testing::TestWithParam<TuningRow> {};

TEST_P(TuningColumnTest, LabelsUnlabelledLinesAndShiftsTheCountLine)
{
    const TuningRow& row = GetParam();
    Load(Concat({{"Song", tel}, row.staff, {"", "lyrics - here"}}));
    state.instellingen.stemming = row.stemming;
    Caret(3, 2);
    Stemmimg1Click(ctx);
    EXPECT_EQ(Lines(), Concat({{"Song", row.telNa}, row.labelled, {"", "lyrics - here"}}));
    EXPECT_EQ(ed.CaretOffset(), 0);
    EXPECT_FALSE(state.snapshot.undomogelijk);
    EXPECT_FALSE(ed.PaintingLocked());
    EXPECT_FALSE(ed.Busy());
}

INSTANTIATE_TEST_SUITE_P(Staffs, TuningColumnTest, ::testing::ValuesIn(tuningRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TuningColumn, BlankLabelsAreNotLeftOversOfALongerEarlierTuning)
{
    CommandFixture f;
    f.Load({"------", "------", "------", "------", "------"});
    BerekenStemming("BEADGBE", f.state.stemming);
    f.state.instellingen.stemming = "EAD";
    Stemmimg1Click(f.ctx);
    EXPECT_EQ(f.Lines(), (std::vector<std::string>{" |------", " |------", "D|------", "A|------", "E|------"}));
}

TEST(TuningColumn, DoesNothingWhenTheLastAnalysisFoundNoStaff)
{
    CommandFixture f;
    f.Load({"text", "more"});
    f.ed.SetCaret(0);
    f.ed.Type("------\r\n------\r\n");
    ASSERT_TRUE(f.state.analyse.analyseNodig);
    const std::string before = f.ed.Text();
    Stemmimg1Click(f.ctx);
    EXPECT_EQ(f.ed.Text(), before) << "the staff count of the last analysis is 0";
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(TuningColumn, EmptyTuningIsRefusedLikeTheEmptyStaffCommand)
{
    CommandFixture f;
    f.Load({"x", "------", "------"});
    f.state.instellingen.stemming = "";
    const std::string before = f.ed.Text();
    Stemmimg1Click(f.ctx);
    EXPECT_EQ(f.ed.Text(), before);
    EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{"Geen stemming geselecteerd"});
    EXPECT_EQ(f.dialogs.Count(Sound::Exclamation), 1);
}

TEST(TuningColumn, LabelsEveryStaffOfTheDocument)
{
    CommandFixture f;
    f.Load({"|-----", "|-----", "", "------", "------", "------"});
    Stemmimg1Click(f.ctx);
    EXPECT_EQ(f.Lines(), (std::vector<std::string>{"A|-----", "E|-----", "", "D|------", "A|------", "E|------"}));
}

struct LineEndsRow {
    const char* name;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

std::ostream& operator<<(std::ostream& os, const LineEndsRow& r) { return os << r.name; }

const LineEndsRow lineEndsRows[] = {
    {"ClosedLinesStay", {"E|----|", "B|----|"}, {"E|----|", "B|----|"}},
    {"EachOpenLineGetsOneBar", {"E|------", "B|----", "G|-----3-", "D|---|"},
     {"E|------|", "B|----|", "G|-----3-|", "D|---|"}},
    {"TextAndCountLinesStay", {"  |   |   |   |   |   |", "E|------", "B|------", "a - b - c"},
     {"  |   |   |   |   |   |", "E|------|", "B|------|", "a - b - c"}},
    {"LoneStaffLikeLineStays", {"---------", "", "text"}, {"---------", "", "text"}},
};

struct LineEndsTest : CommandFixture, ::testing::TestWithParam<LineEndsRow> {};

TEST_P(LineEndsTest, ClosesStaffLinesOnly)
{
    Load(GetParam().before);
    Caret(1, 2);
    endclosebuttonClick(ctx);
    EXPECT_EQ(Lines(), GetParam().after);
    EXPECT_EQ(ed.CaretOffset(), 0);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineEndsTest, ::testing::ValuesIn(lineEndsRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct AlignRow {
    const char* name;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

std::ostream& operator<<(std::ostream& os, const AlignRow& r) { return os << r.name; }

const AlignRow alignRows[] = {
    {"IndentedStaffAndItsCountLineMoveLeft",
     {"Title", "       |   |   |   |   |   |", "    E|-----", "    B|-----", "x"},
     {"Title", "   |   |   |   |   |   |", "E|-----", "B|-----", "x"}},
    {"EachLineLosesItsOwnIndentation",
     {"  E|-----", "B|-----", "      G|-----"}, {"E|-----", "B|-----", "G|-----"}},
    {"CountLineLosesItsFirstCharactersWhateverTheyAre",
     {"|   |   |   |   |   |   |   |", "  E|-----", "  B|-----"},
     {"  |   |   |   |   |   |   |", "E|-----", "B|-----"}},
    {"TextLinesStay", {"    lyrics", "    E|-----", "    B|-----"}, {"    lyrics", "E|-----", "B|-----"}},
};

struct AlignTest : CommandFixture, ::testing::TestWithParam<AlignRow> {};

TEST_P(AlignTest, RemovesLeadingSpacesOfStaffLines)
{
    Load(GetParam().before);
    Caret(2, 1);
    LinksUitlijnen1Click(ctx);
    EXPECT_EQ(Lines(), GetParam().after);
    EXPECT_EQ(ed.CaretOffset(), 0);
    EXPECT_EQ(ed.SelectionLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Staffs, AlignTest, ::testing::ValuesIn(alignRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A count line shorter than the staff's indentation loses what it has, never
// its line break, and the lines around stay where they are.
TEST(LeftAlignment, CountLineShorterThanTheIndentationKeepsItsLineBreak)
{
    CommandFixture f;
    // A count line is at least 13 characters long; the staff is indented by 16.
    const std::string indent(16, ' ');
    const std::string staff = "|--------------------";
    f.Load({"top", " | | | | | | ", indent + "E" + staff, indent + "B" + staff, "end"});
    ASSERT_TRUE(f.state.analyse.IsMarkeerLijn(1));
    ASSERT_EQ(f.state.analyse.aantalbalken, 1);
    Linksuitlijnen(f.ctx);
    EXPECT_EQ(f.Lines(), (std::vector<std::string>{"top", "", "E" + staff, "B" + staff, "end"}));
}

TEST(LeftAlignment, UnindentedStaffsLeaveTheDocumentUnmodified)
{
    CommandFixture f;
    f.Load({"E|-----", "B|-----"});
    Linksuitlijnen(f.ctx);
    EXPECT_FALSE(f.ed.Modified());
}

TEST(TidyCommands, NoStaffsStillMoveTheCaretToTheStart)
{
    CommandFixture f;
    f.Load({"just", "text"});
    f.Caret(1, 3);
    endclosebuttonClick(f.ctx);
    EXPECT_EQ(f.ed.CaretOffset(), 0);
    f.Caret(1, 3);
    Linksuitlijnen(f.ctx);
    EXPECT_EQ(f.ed.CaretOffset(), 0);
    EXPECT_EQ(f.Lines(), (std::vector<std::string>{"just", "text"}));
}

TEST(TidyCommands, RefreshAStaleAnalysisFirst)
{
    CommandFixture f;
    f.Load({"E|-----", "B|-----"});
    f.ed.SetCaret(0);
    f.ed.Type("text\r\n");
    endclosebuttonClick(f.ctx);
    EXPECT_EQ(f.Lines(), (std::vector<std::string>{"text", "E|-----|", "B|-----|"}));
}

} // namespace
} // namespace korvane
