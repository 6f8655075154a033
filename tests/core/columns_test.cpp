// Column insertion: bar line, space and repeat signs on every line of the
// staff under the caret, the count line above, the snapshot and its undo.
#include "core/columns.h"

#include "commandfixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::CommandFixture;
using test::Concat;
using test::Staff;

const std::string body = "|----------|"; // columns 1..12 after the label
const std::string telRegel = " | | | | | | ";

std::vector<std::string> Document()
{
    return Concat({{"Titel", telRegel}, Staff("EBGDAE", body), {"lyric -- line"}});
}

struct KindRow {
    const char* name;
    int soort;
    int kolom;
    std::string plain; // staff lines without repeat dots (label E)
    std::string dots;  // the second and second-to-last lines (label E)
    std::string tel;
    int caretKolom;
};

std::ostream& operator<<(std::ostream& os, const KindRow& r) { return os << r.name; }

const KindRow kindRows[] = {
    {"BarInsertsBeforeCaretCharacter", Maatstreep, 6, "E|----|------|", "E|----|------|", " | | |  | | | ", 6},
    {"SpaceInsertsHyphen", Spatie, 6, "E|-----------|", "E|-----------|", " | | |  | | | ", 6},
    {"BeginRepeatAfterBarAddsOneBar", Beginherhaling, 2, "E||----------|", "E||*---------|", " |  | | | | | ", 5},
    {"BeginRepeatInsideAddsTwoBars", Beginherhaling, 6, "E|----||------|", "E|----||*-----|", " | | |   | | | ", 9},
    {"EndRepeatBeforeBarAddsOneBar", Eindherhaling, 11, "E|----------||", "E|---------*||", " | | | | |  | ", 14},
    {"EndRepeatInsideAddsTwoBars", Eindherhaling, 6, "E|-----||-----|", "E|----*||-----|", " | | |   | | | ", 9},
};

struct KindTest : CommandFixture, ::testing::TestWithParam<std::tuple<KindRow, int>> {};

TEST_P(KindTest, ChangesWholeStaffAndCountLineAndUndoRestoresIt)
{
    const auto& [row, caretLine] = GetParam();
    Load(Document());
    const std::string before = ed.Text();
    Caret(caretLine, row.kolom);

    invoegen(ctx, row.soort, row.kolom, caretLine);

    std::vector<std::string> expected = {"Titel", row.tel};
    const std::string labels = "EBGDAE";
    for (int j = 0; j < 6; ++j) {
        std::string line = (j == 1 || j == 4) ? row.dots : row.plain;
        line[0] = labels[j];
        expected.push_back(line);
    }
    expected.push_back("lyric -- line");
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(CaretLine(), caretLine);
    EXPECT_EQ(CaretColumn(), row.caretKolom);
    EXPECT_EQ(state.snapshot.undostart, 1);
    EXPECT_EQ(state.snapshot.undoeind, 7);
    EXPECT_TRUE(state.snapshot.undomogelijk);
    EXPECT_TRUE(dialogs.beeps.empty());

    Caret(0, 2);
    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), before);
    EXPECT_EQ(ed.CaretOffset(), 2);
    EXPECT_FALSE(state.snapshot.undomogelijk);

    ed.PutLine(0, "changed");
    const std::string afterEdit = ed.Text();
    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), afterEdit) << "a second undo has no snapshot left";
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindTest,
                         ::testing::Combine(::testing::ValuesIn(kindRows), ::testing::Values(2, 4, 7)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_line"
                                 + std::to_string(std::get<1>(info.param));
                         });

TEST(ColumnHandlers, TakeLineAndColumnFromTheCaret)
{
    CommandFixture f;
    f.Load(Document());
    f.Caret(5, 6);
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(5), "D|----|------|");
    f.Caret(5, 2);
    Beginherhalinginvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(5), "D||----|------|");
    f.Caret(5, 13);
    Eindherhalinginvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(5), "D||----|------||");
    f.Caret(5, 4);
    Spatieinvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(5), "D||-----|------||");
}

TEST(ColumnInsertion, OffStaffCaretChangesNothingAndKeepsThePreviousSnapshot)
{
    CommandFixture f;
    f.Load(Document());
    f.Caret(3, 6);
    Maatstreepinvoegen1Click(f.ctx);
    const std::string text = f.ed.Text();
    const auto snapshot = f.state.snapshot.undoregels;
    for (int line : {0, 1, 8}) {
        f.Caret(line, 3);
        Maatstreepinvoegen1Click(f.ctx);
        Beginherhalinginvoegen1Click(f.ctx);
        EXPECT_EQ(f.ed.Text(), text) << "caret on line " << line;
        EXPECT_EQ(f.state.snapshot.undoregels, snapshot);
        EXPECT_EQ(f.ed.CaretOffset(), f.ed.LineStart(line) + 3);
    }
    EXPECT_TRUE(f.dialogs.beeps.empty());
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(ColumnInsertion, CaretAtColumnZeroPutsBarInFrontOfTheLabel)
{
    CommandFixture f;
    f.Load(Concat({Staff("GDAE", body), {"", "text"}}));
    f.Caret(2, 0);
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_EQ(f.Lines(), Concat({{"|G" + body, "|D" + body, "|A" + body, "|E" + body}, {"", "text"}}));
    EXPECT_EQ(f.state.snapshot.undostart, 0);
    EXPECT_EQ(f.state.snapshot.undoeind, 3);
    EXPECT_EQ(f.state.snapshot.undoregels, Staff("GDAE", body));
    EXPECT_EQ(f.CaretColumn(), 0);
}

TEST(ColumnInsertion, RepeatDotsGoOnTheMiddleOfThreeAndOnBothOfTwoLines)
{
    CommandFixture three;
    three.Load(Concat({{"x"}, Staff("GDA", body)}));
    three.Caret(1, 6);
    Beginherhalinginvoegen1Click(three.ctx);
    EXPECT_EQ(three.Lines(), (std::vector<std::string>{"x", "G|----||------|", "D|----||*-----|", "A|----||------|"}));

    CommandFixture two;
    two.Load(Concat({{"x"}, Staff("GD", body)}));
    two.Caret(2, 6);
    Eindherhalinginvoegen1Click(two.ctx);
    EXPECT_EQ(two.Lines(), (std::vector<std::string>{"x", "G|----*||-----|", "D|----*||-----|"}));
}

TEST(ColumnInsertion, TwoBarsAtTheSameCaretGiveADoubleBar)
{
    CommandFixture f;
    f.Load(Document());
    f.Caret(4, 6);
    Maatstreepinvoegen1Click(f.ctx);
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(4), "G|----||------|");
    EXPECT_EQ(f.ed.GetLine(1), " | | |   | | | ");
}

TEST(ColumnInsertion, CountLineShorterThanTheCaretColumnStaysButIsInTheSnapshot)
{
    CommandFixture f;
    const std::string lang = "|--------------------|";
    f.Load(Concat({{"x", telRegel}, Staff("EBG", lang)}));
    f.Caret(3, 16);
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(1), telRegel);
    EXPECT_EQ(f.ed.GetLine(3), "B|--------------|------|");
    EXPECT_EQ(f.state.snapshot.undostart, 1);
    EXPECT_EQ(f.state.snapshot.undoregels.front(), telRegel);
}

TEST(ColumnInsertion, RerunsAStaleAnalysisAfterLinesWereAddedAbove)
{
    CommandFixture f;
    f.Load(Document());
    f.ed.SetCaret(0);
    f.ed.Type("new line\r\n");
    EXPECT_TRUE(f.state.analyse.analyseNodig);
    f.Caret(3, 6); // now the staff's first line
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(3), "E|----|------|");
    EXPECT_EQ(f.ed.GetLine(8), "E|----|------|");
    EXPECT_EQ(f.ed.GetLine(2), " | | |  | | | ");
    EXPECT_FALSE(f.state.analyse.analyseNodig);
}

TEST(ColumnInsertion, UsesTheOldStaffsWhileTheLineCountIsUnchanged)
{
    CommandFixture f;
    f.Load({"abcdefghij", "abcdefghij", "end"});
    f.ed.SetCaret(0);
    f.ed.SetSelectionLength(10);
    f.ed.Type("|---------");
    f.ed.SetCaret(f.ed.LineStart(1));
    f.ed.SetSelectionLength(10);
    f.ed.Type("|---------");
    EXPECT_FALSE(f.state.analyse.analyseNodig);
    f.Caret(0, 3);
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(0), "|---------") << "the last analysis knew no staff here";
    analyze(f.ed, f.state.analyse);
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(0), "|--|-------");
}

TEST(ColumnInsertion, UndoAfterTypingTakesBackTheTypingFirstButNotAfterAColumnCommand)
{
    CommandFixture f;
    f.Load(Document());
    const std::string before = f.ed.Text();
    f.Caret(8, 0);
    f.ed.Type("la ");
    f.Caret(4, 6);
    Maatstreepinvoegen1Click(f.ctx);
    EXPECT_FALSE(f.ed.CanUndo());
    Herstel(f.ed, f.state.snapshot);
    EXPECT_EQ(f.ed.GetLine(8), "la lyric -- line");
    EXPECT_EQ(f.ed.GetLine(4), "G" + body);
}

// Staff lines that do not reach the caret column are padded with spaces to
// it: the construct still lands in the staff's column, nothing reaches into a
// line break or a line outside the staff, and undo gives the text back.
struct ShortLineTest : CommandFixture, ::testing::TestWithParam<int> {};

TEST_P(ShortLineTest, PadsTheShortLineAndTouchesNothingElse)
{
    const int soort = GetParam();
    // What follows the staff's short last line: the end of the document with
    // or without a final break, or a line of text that must stay as it is.
    for (const std::string tail : {"", "\r\n", "\r\nafter\r\n"}) {
        SCOPED_TRACE("tail '" + tail + "'");
        CommandFixture f;
        const auto lines = Concat({{"head", telRegel}, Staff("EB", body), {"G|----"}, Staff("DA", body), {"E|----"}});
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\r\n" : "") + lines[i];
        f.ed.SetText(text + tail);
        analyze(f.ed, f.state.analyse);
        ASSERT_EQ(f.state.analyse.aantalbalken, 1);
        ASSERT_EQ(f.state.analyse.tabbalken[0].laatste, 7);
        const std::string before = f.ed.Text();
        const int count = f.ed.LineCount();
        f.Caret(2, 9);
        invoegen(f.ctx, soort, 9, 2);

        EXPECT_EQ(f.ed.LineCount(), count);
        EXPECT_EQ(f.ed.GetLine(0), "head");
        if (tail.size() > 2)
            EXPECT_EQ(f.ed.GetLine(8), "after");
        const std::string shortSign = soort == Maatstreep ? "|" : soort == Spatie ? "-" : soort == Beginherhaling ? "||-" : "-||";
        EXPECT_EQ(f.ed.GetLine(4), "G|----   " + shortSign);
        EXPECT_EQ(f.ed.GetLine(7), "E|----   " + shortSign);
        // Every line of the staff, dotted or not, has the sign's bar(s) in place.
        const std::size_t probe = soort == Eindherhaling ? 10 : 9;
        const std::string mark = soort == Maatstreep ? "|" : soort == Spatie ? "-" : "||";
        for (int line = 2; line <= 7; ++line)
            EXPECT_EQ(f.ed.GetLine(line).substr(probe, mark.size()), mark) << "line " << line;
        EXPECT_EQ(f.CaretLine(), 2);

        Herstel(f.ed, f.state.snapshot);
        EXPECT_EQ(f.ed.Text(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShortLineTest, ::testing::Values(1, 2, 3, 4));

TEST(ColumnInsertion, RepeatWithTheCaretOnTheLastCharacterKeepsTheCaretOnItsLine)
{
    CommandFixture f;
    f.Load(Concat({Staff("GDAE", "|------||"), {"next"}}));
    f.Caret(1, 9); // on the last bar, a bar to its left: the text is "|*"
    Beginherhalinginvoegen1Click(f.ctx);
    EXPECT_EQ(f.ed.GetLine(1), "D|------||*");
    EXPECT_EQ(f.CaretLine(), 1);
    EXPECT_EQ(f.CaretColumn(), 11);
}

} // namespace
} // namespace korvane
