// The staff commands on the widget must give what they give on the in-memory
// buffer: the same text, caret and snapshot after the command and after the
// undo. The widget counts a line break as one position where the commands
// count two, so every edge case of the commands' offset arithmetic (short
// lines, line ends, appended lines) is run on both.
#include "core/block.h"
#include "core/columns.h"
#include "core/linefont.h"
#include "core/memoryeditor.h"
#include "core/tidy.h"
#include "ui/qteditor.h"

#include "contract/recordingdialogs.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <functional>

namespace korvane {
namespace {

struct Scenario {
    const char* name;
    std::string text;
    std::function<void(TabContext&)> command;
};

std::ostream& operator<<(std::ostream& os, const Scenario& s) { return os << s.name; }

void Caret(EditorOps& ed, int line, int column) { ed.SetCaret(ed.LineStart(line) + column); }

void Select(EditorOps& ed, int l1, int c1, int l2, int c2)
{
    const int a = ed.LineStart(l1) + c1;
    ed.SetCaret(a);
    ed.SetSelectionLength(ed.LineStart(l2) + c2 - a);
}

const std::string staff = "x\r\n | | | | | | \r\nE|----------|\r\nB|----\r\nG|----------|\r\nD|---\r\nlyric\r\n";

const Scenario scenarios[] = {
    {"BarPastShortLines", staff, [](TabContext& c) { Caret(c.editor, 2, 9); Maatstreepinvoegen1Click(c); }},
    {"BeginRepeatPastShortLines", staff, [](TabContext& c) { Caret(c.editor, 2, 9); Beginherhalinginvoegen1Click(c); }},
    {"EndRepeatAtTheCaretLineEnd", staff, [](TabContext& c) { Caret(c.editor, 2, 12); Eindherhalinginvoegen1Click(c); }},
    {"BeginRepeatOnTheLastCharacter", "E|------||\r\nB|------||\r\n",
     [](TabContext& c) { Caret(c.editor, 0, 9); Beginherhalinginvoegen1Click(c); }},
    {"CutOverShortLines", staff, [](TabContext& c) { Select(c.editor, 2, 5, 5, 11); VerticaalKnippen1Click(c); }},
    {"PastePastShortAndMissingLines", "abcdefgh\r\nab\r\n\r\nabcdefgh\r\n",
     [](TabContext& c) {
         Select(c.editor, 0, 1, 3, 4);
         VerticaalKopiren1Click(c);
         Caret(c.editor, 1, 2);
         Verticaalplakken1Click(c);
     }},
    {"PastePastTheEndWithoutFinalBreak", "abcdefgh\r\nabcdefgh",
     [](TabContext& c) {
         Select(c.editor, 0, 2, 1, 5);
         VerticaalKopiren1Click(c);
         Caret(c.editor, 1, 7);
         Verticaalplakken1Click(c);
     }},
    {"TidyAll", "  |---\r\n  |---\r\n\r\n------\r\n3-----\r\n",
     [](TabContext& c) {
         Linksuitlijnen(c);
         Stemmimg1Click(c);
         endclosebuttonClick(c);
     }},
    {"LinesAndBack", staff + "A|--o--|\r\nE|--*--|\r\n\xFC\xF6\xFF\r\n",
     [](TabContext& c) {
         bool omgezet = false;
         Caret(c.editor, 3, 2);
         doorlopendelijnenClick(c, true, omgezet);
         KorvaneformaatnaarAscii1Click(c, omgezet);
     }},
};

struct Uitkomst {
    std::string text;
    int caret = 0;
    int selection = 0;
    std::vector<std::string> undoregels;
    int undostart = 0;
    int undoeind = 0;
    std::string undone;
    int undoneCaret = 0;
};

Uitkomst Perform(EditorOps& ed, const Scenario& s)
{
    test::RecordingDialogs dialogs;
    TabState state;
    TabContext ctx{ed, dialogs, state};
    ed.SetChangeHandler([&] { DocumentVeranderd(ctx); });
    DocumentVeranderd(ctx);
    analyze(ed, state.analyse);
    s.command(ctx);
    Uitkomst r{ed.Text(), ed.CaretOffset(), ed.SelectionLength(), state.snapshot.undoregels,
          state.snapshot.undostart, state.snapshot.undoeind, {}, 0};
    if (state.snapshot.undomogelijk) {
        ed.SetCaret(1);
        Herstel(ed, state.snapshot);
    }
    r.undone = ed.Text();
    r.undoneCaret = ed.CaretOffset();
    ed.SetChangeHandler({});
    return r;
}

struct OnTheWidget : ::testing::TestWithParam<Scenario> {};

TEST_P(OnTheWidget, GivesWhatTheMemoryBufferGives)
{
    const Scenario& s = GetParam();
    MemoryEditor memory(s.text);
    const Uitkomst want = Perform(memory, s);

    QPlainTextEdit widget;
    widget.setPlainText(BytesToQString(s.text));
    QtEditor qt(&widget);
    qt.ClearUndo();
    const Uitkomst got = Perform(qt, s);

    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.caret, want.caret);
    EXPECT_EQ(got.selection, want.selection);
    EXPECT_EQ(got.undoregels, want.undoregels);
    EXPECT_EQ(got.undostart, want.undostart);
    EXPECT_EQ(got.undoeind, want.undoeind);
    EXPECT_EQ(got.undone, want.undone);
    EXPECT_EQ(got.undoneCaret, want.undoneCaret);
}

INSTANTIATE_TEST_SUITE_P(Commands, OnTheWidget, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace korvane

int main(int argc, char** argv)
{
    // Test discovery runs the binary outside CTest's environment too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
