// The staff commands on the widget must give what they give on the in-memory
// buffer: the same text, caret and snapshot after the command and after the
// undo. The widget counts a line break as one position where the commands
// count two, so every row of the in-memory tests (short lines, line ends,
// appended lines) is run on both.
#include "core/commandfixture.h"

#include "ui/qteditor.h"

#include <QPlainTextEdit>

#include <tuple>

namespace korvane::test {
namespace {

TEST_P(CommandRows, GivesOnTheWidgetWhatTheMemoryBufferGives)
{
    const CommandRow& row = GetParam();
    MemoryEditor memory(Crlf(row.before));
    const Outcome want = Perform(memory, row);

    QPlainTextEdit widget;
    widget.setPlainText(QTekst(Crlf(row.before)));
    QtEditor qt(&widget);
    qt.ClearUndo();
    const Outcome got = Perform(qt, row);

    // Compared whole, so that a failure shows every field of both.
    const auto all = [](const Outcome& o) {
        return std::tie(o.text, o.line, o.column, o.selection, o.undoregels, o.undostart, o.undoeind, o.undone,
                        o.undoneCaret);
    };
    EXPECT_EQ(all(got), all(want));
}

INSTANTIATE_TEST_SUITE_P(Columns, CommandRows, ::testing::ValuesIn(columnRows), RowName);
INSTANTIATE_TEST_SUITE_P(Tidy, CommandRows, ::testing::ValuesIn(tidyRows), RowName);
INSTANTIATE_TEST_SUITE_P(Block, CommandRows, ::testing::ValuesIn(blockRows), RowName);
INSTANTIATE_TEST_SUITE_P(Conversion, CommandRows, ::testing::ValuesIn(conversionRows), RowName);

} // namespace
} // namespace korvane::test
