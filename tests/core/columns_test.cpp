// The staff-command rows on the in-memory buffer (the row check itself lives
// here, each command family instantiates its rows in its own file), and the
// column insertion's snapshot against off-staff carets and typing.
#include "commandfixture.h"

namespace korvane::test {
namespace {

TEST_P(CommandRows, GivesTheExpectedTextAndCaretAndAnExactUndo)
{
    const CommandRow& row = GetParam();
    MemoryEditor ed(Crlf(row.before));
    const Outcome r = Perform(ed, row);
    EXPECT_EQ(r.text, Crlf(row.after));
    EXPECT_EQ(r.line, row.line);
    EXPECT_EQ(r.column, row.column);
    EXPECT_EQ(r.selection, 0);
    EXPECT_EQ(r.undone, row.undo ? r.before : r.text);
    if (row.undo)
        EXPECT_EQ(r.undoneCaret, std::min<int>(1, r.undone.size())) << "the caret stays where the undo was chosen";
}

INSTANTIATE_TEST_SUITE_P(Columns, CommandRows, ::testing::ValuesIn(columnRows), RowName);

TEST(ColumnInsertion, OffStaffCaretChangesNothingAndKeepsThePreviousSnapshot)
{
    CommandFixture f;
    f.Load(staff4);
    const std::u32string before = f.ed.Text();
    f.Caret(3, 4);
    Maatstreepinvoegen1Click(f.ctx);
    const std::u32string text = f.ed.Text();
    for (int line : {0, 1, 6}) {
        f.Caret(line, 1);
        Maatstreepinvoegen1Click(f.ctx);
        Eindherhalinginvoegen1Click(f.ctx);
        EXPECT_EQ(f.ed.Text(), text) << "caret on line " << line;
        EXPECT_EQ(f.ed.CaretOffset(), f.ed.LineStart(line) + 1);
    }
    EXPECT_TRUE(f.dialogs.beeps.empty());
    Herstel(f.ed, f.state.snapshot);
    EXPECT_EQ(f.ed.Text(), before);
}

// The window's undo takes back typing first; a column command empties that
// history, so typing before it survives the command's undo.
TEST(ColumnInsertion, UndoTakesBackTypingFirstButNotTypingBeforeTheCommand)
{
    CommandFixture f;
    f.Load(staff4);
    f.Caret(6, 0);
    f.ed.Type(U"la ");
    f.Caret(3, 4);
    Maatstreepinvoegen1Click(f.ctx);
    Herstel(f.ed, f.state.snapshot);
    EXPECT_EQ(f.ed.Text(), Crlf(U"T\n | | | | | | \nE|-----|\nB|-----|\nG|-----|\nD|-----|\nla ly -- ric\n"));

    f.Caret(3, 4);
    Maatstreepinvoegen1Click(f.ctx);
    const std::u32string barred = f.ed.Text();
    f.Caret(0, 1);
    f.ed.Type(U"x");
    Herstel(f.ed, f.state.snapshot);
    EXPECT_EQ(f.ed.Text(), barred);
    Herstel(f.ed, f.state.snapshot);
    EXPECT_EQ(f.ed.Text(), barred) << "the typing undo dropped the snapshot";
}

} // namespace
} // namespace korvane::test
