// Vertical copy, cut and paste through the vertical clipboard, with the line
// snapshot that makes cut and paste undoable.
#include "core/block.h"

#include "commandfixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::CommandFixture;

// Line i holds "<i" + "abcd>" at columns 5..11; lines 4 and 5 are short.
std::vector<std::string> Rows()
{
    std::vector<std::string> rows;
    for (int i = 0; i < 9; ++i)
        rows.push_back(std::string(5, static_cast<char>('a' + i)) + "<" + std::to_string(i) + "abcd>tail");
    rows[4] = "eee";
    rows[5] = "fffff<5a";
    return rows;
}

struct Block : CommandFixture, ::testing::Test {
    void Select(int l1, int c1, int l2, int c2)
    {
        const int a = ed.LineStart(l1) + c1;
        ed.SetCaret(a);
        ed.SetSelectionLength(ed.LineStart(l2) + c2 - a);
    }
};

TEST_F(Block, CopyTakesTheRectangleBetweenTheSelectionCorners)
{
    Load(Rows());
    const std::string before = ed.Text();
    Select(2, 5, 7, 12);
    EXPECT_TRUE(VerticaalKopiren1Click(ctx));
    EXPECT_EQ(state.blok.blokAantal, 6);
    EXPECT_EQ(std::vector<std::string>(state.blok.blokregels.begin(), state.blok.blokregels.begin() + 6),
              (std::vector<std::string>{"<2abcd>", "<3abcd>", "", "<5a", "<6abcd>", "<7abcd>"}));
    EXPECT_EQ(ed.Text(), before);
    EXPECT_EQ(ed.SelectionLength(), 0);
    EXPECT_EQ(CaretLine(), 7);
    EXPECT_EQ(CaretColumn(), 12);
    EXPECT_FALSE(state.snapshot.undomogelijk) << "a copy takes no snapshot";
}

TEST_F(Block, WholeLinesAreCopiedInFullButCannotBeCut)
{
    Load(Rows());
    Select(3, 0, 6, 0);
    EXPECT_TRUE(VerticaalKopiren1Click(ctx));
    EXPECT_EQ(state.blok.blokAantal, 3);
    EXPECT_EQ(std::vector<std::string>(state.blok.blokregels.begin(), state.blok.blokregels.begin() + 3),
              (std::vector<std::string>{Rows()[3], "eee", "fffff<5a"}));

    const std::string before = ed.Text();
    Select(0, 0, 2, 0);
    EXPECT_FALSE(VerticaalKnippen1Click(ctx));
    EXPECT_EQ(dialogs.Count(Sound::Exclamation), 1);
    EXPECT_EQ(ed.Text(), before);
    EXPECT_EQ(state.blok.blokAantal, 3) << "a refused cut keeps the held block";
    EXPECT_EQ(state.blok.blokregels[0], Rows()[3]);
    EXPECT_EQ(ed.CaretOffset(), ed.LineStart(2));
    EXPECT_EQ(ed.SelectionLength(), 0);
    EXPECT_FALSE(state.snapshot.undomogelijk);
}

TEST_F(Block, CutRemovesOnlyTheBlockCharactersAndUndoPutsThemBack)
{
    Load(Rows());
    const std::string before = ed.Text();
    Select(2, 5, 7, 12);
    EXPECT_TRUE(VerticaalKnippen1Click(ctx));
    std::vector<std::string> expected = Rows();
    for (int i : {2, 3, 6, 7})
        expected[i] = std::string(5, static_cast<char>('a' + i)) + "tail";
    expected[5] = "fffff";
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(CaretLine(), 2);
    EXPECT_EQ(CaretColumn(), 6);
    EXPECT_EQ(state.snapshot.undostart, 2);
    EXPECT_EQ(state.snapshot.undoeind, 7);

    Caret(8, 3);
    const int atUndo = ed.CaretOffset();
    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), before);
    EXPECT_EQ(ed.CaretOffset(), atUndo) << "the offset, not the line and column, is kept";
}

TEST_F(Block, CutLeavingTheFirstLineShortKeepsTheCaretOnIt)
{
    Load({"abcdefg", "abcdefghijklmnop", "next"});
    Select(0, 5, 1, 12);
    EXPECT_TRUE(VerticaalKnippen1Click(ctx));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcde", "abcdemnop", "next"}));
    EXPECT_EQ(CaretLine(), 0);
    EXPECT_EQ(CaretColumn(), 5);
}

TEST_F(Block, PasteReplacesTheCaretCharacterOnEachLineAndRepeats)
{
    const std::string staff = "|-------------|";
    Load({"Title", "E" + staff, "B" + staff, "G" + staff, "D" + staff, "A" + staff, "E" + staff, "end"});
    state.blok.blokregels = {"3-", "--", "4-", "--", "--", "0-", ""};
    state.blok.blokAantal = 6;
    Caret(1, 10);
    const int p = ed.CaretOffset();
    Verticaalplakken1Click(ctx);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Title", "E|--------3-----|", "B|--------------|",
                                                 "G|--------4-----|", "D|--------------|",
                                                 "A|--------------|", "E|--------0-----|", "end"}));
    EXPECT_EQ(ed.CaretOffset(), p);
    EXPECT_EQ(ed.SelectionLength(), 0);
    EXPECT_EQ(state.snapshot.undostart, 1);
    EXPECT_EQ(state.snapshot.undoeind, 6);
    EXPECT_TRUE(state.snapshot.undomogelijk);

    const std::string once = ed.Text();
    Verticaalplakken1Click(ctx);
    EXPECT_EQ(ed.GetLine(1), "E|--------3------|");
    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), once) << "undo takes back the last paste only";
}

TEST_F(Block, CopyThenPasteElsewhereMovesTheColumns)
{
    Load({"E|--3--5--|", "B|--1--0--|", "text"});
    Select(0, 3, 1, 5);
    VerticaalKopiren1Click(ctx);
    Caret(0, 9);
    Verticaalplakken1Click(ctx);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"E|--3--5--3|", "B|--1--0--1|", "text"}));
}

// A paste whose target lines are short or missing: every block line lands on
// its own line at the caret column (short lines padded with spaces, missing
// ones appended), and undo gives back exactly the text before.
struct PasteRow {
    const char* name;
    std::string text;
    int line;
    int column;
    std::vector<std::string> block;
    std::string after;
};

std::ostream& operator<<(std::ostream& os, const PasteRow& r) { return os << r.name; }

const PasteRow pasteRows[] = {
    {"ShortAndEmptyTargetLinesArePadded", "abcdefghijkl\r\nab\r\n\r\nabcdefghijkl\r\n", 0, 6,
     {"XY", "XY", "XY", "XY"}, "abcdefXYhijkl\r\nab    XY\r\n      XY\r\nabcdefXYhijkl\r\n"},
    {"CaretAtALineEndInsertsWithoutRemoving", "abc\r\nabc\r\nz", 0, 3, {"12", "34"}, "abc12\r\nabc34\r\nz"},
    {"PastTheEndAfterAFinalBreak", "abcdefgh\r\nabcdefgh\r\n", 1, 4, {"1", "2", "3"},
     "abcdefgh\r\nabcd1fgh\r\n    2\r\n    3"},
    {"PastTheEndWithoutAFinalBreak", "abcdefgh\r\nabcdefgh", 1, 4, {"1", "2", "3"},
     "abcdefgh\r\nabcd1fgh\r\n    2\r\n    3"},
    {"IntoAnEmptyDocument", "", 0, 0, {"E|--", "B|--"}, "E|--\r\nB|--"},
};

struct PasteTest : CommandFixture, ::testing::TestWithParam<PasteRow> {};

TEST_P(PasteTest, EveryBlockLineLandsOnItsOwnLineAndUndoIsExact)
{
    const PasteRow& row = GetParam();
    ed.SetText(row.text);
    state.blok.blokregels = row.block;
    state.blok.blokAantal = static_cast<int>(row.block.size());
    Caret(row.line, row.column);
    const int p = ed.CaretOffset();
    Verticaalplakken1Click(ctx);
    EXPECT_EQ(ed.Text(), row.after);
    EXPECT_EQ(ed.CaretOffset(), p);

    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), row.text);
    EXPECT_EQ(ed.CaretOffset(), p);
    EXPECT_FALSE(state.snapshot.undomogelijk);
}

INSTANTIATE_TEST_SUITE_P(Targets, PasteTest, ::testing::ValuesIn(pasteRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Block, SnapshotOfAColumnCommandNoLongerRemovesLinesAfterAPaste)
{
    // A later snapshot must not inherit the appended-lines count of a paste.
    ed.SetText("abc\r\nabc");
    state.blok.blokregels = {"1", "2", "3"};
    state.blok.blokAantal = 3;
    Caret(1, 1);
    Verticaalplakken1Click(ctx);
    Select(0, 0, 1, 2);
    VerticaalKnippen1Click(ctx);
    const std::string cut = ed.Text();
    EXPECT_EQ(cut, "c\r\nc\r\n 2\r\n 3");
    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), "abc\r\na1c\r\n 2\r\n 3");
}

} // namespace
} // namespace korvane
