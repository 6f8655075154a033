// The staff commands as rows of (document, command, expected document and
// caret), shared by the in-memory tests and the widget comparison, and a
// fixture holding a document as the window holds one. In the texts "\n"
// stands for the document's CR LF.
#pragma once

#include "core/analysis.h"
#include "core/block.h"
#include "core/columns.h"
#include "core/linefont.h"
#include "core/memoryeditor.h"
#include "core/tabstate.h"
#include "core/tidy.h"

#include "contract/recordingdialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvane::test {

inline std::u32string Crlf(const std::u32string& text)
{
    std::u32string out;
    for (const char32_t c : text)
        out += c == '\n' ? std::u32string(U"\r\n") : std::u32string(1, c);
    return out;
}

// A loaded and analysed document with the change notification installed.
struct CommandFixture {
    MemoryEditor ed;
    RecordingDialogs dialogs;
    TabState state;
    TabContext ctx{ed, dialogs, state};

    CommandFixture() { ed.SetChangeHandler([this] { DocumentVeranderd(ctx); }); }
    void Load(const std::u32string& text)
    {
        ed.SetText(Crlf(text));
        analyze(ed, state.analyse);
    }
    void Caret(int line, int column) { ed.SetCaret(ed.LineStart(line) + column); }
};

using Command = std::function<void(TabContext&)>;

inline Command At(Command f, int line, int column)
{
    return [=](TabContext& c) {
        c.editor.SetCaret(c.editor.LineStart(line) + column);
        f(c);
    };
}

inline Command Select(Command f, int l1, int c1, int l2, int c2)
{
    return [=](TabContext& c) {
        const int a = c.editor.LineStart(l1) + c1;
        c.editor.SetCaret(a);
        c.editor.SetSelectionLength(c.editor.LineStart(l2) + c2 - a);
        f(c);
    };
}

inline Command Paste(std::vector<std::u32string> blok, int line, int column)
{
    return At([=](TabContext& c) {
        c.state.blok = {blok, static_cast<int>(blok.size())};
        Verticaalplakken1Click(c);
    }, line, column);
}

inline Command Tuning(std::u32string stemming)
{
    return [=](TabContext& c) {
        c.state.instellingen.stemming = stemming;
        Stemmimg1Click(c);
    };
}

// The window's converted flag; the rows look at the text only.
inline bool omgezet = false;
inline void Lines(TabContext& c) { doorlopendelijnenClick(c, true, omgezet); }
inline void Ascii(TabContext& c) { KorvaneformaatnaarAscii1Click(c, omgezet); }
inline void MakeStale(TabContext& c) { c.editor.InsertLine(0, U"new"); }

struct CommandRow {
    const char* name;
    std::u32string before;
    Command command;
    std::u32string after;
    int line = 0; // the caret afterwards
    int column = 0;
    bool undo = false; // the undo right after gives back the text before the command
    Command prepare = {}; // runs first, outside the command's undo
};

inline std::ostream& operator<<(std::ostream& os, const CommandRow& r) { return os << r.name; }
inline std::string RowName(const ::testing::TestParamInfo<CommandRow>& info) { return info.param.name; }

struct Outcome {
    std::u32string before, text;
    int line = 0, column = 0, selection = 0;
    std::vector<std::u32string> undoregels;
    int undostart = 0, undoeind = 0;
    std::u32string undone;
    int undoneCaret = 0;
};

inline Outcome Perform(EditorOps& ed, const CommandRow& row)
{
    RecordingDialogs dialogs;
    TabState state;
    TabContext ctx{ed, dialogs, state};
    ed.SetChangeHandler([&] { DocumentVeranderd(ctx); });
    DocumentVeranderd(ctx);
    analyze(ed, state.analyse);
    if (row.prepare)
        row.prepare(ctx);
    Outcome r;
    r.before = ed.Text();
    row.command(ctx);
    r.text = ed.Text();
    r.line = ed.LineFromOffset(ed.CaretOffset());
    r.column = ed.CaretOffset() - ed.LineStart(r.line);
    r.selection = ed.SelectionLength();
    r.undoregels = state.snapshot.undoregels;
    r.undostart = state.snapshot.undostart;
    r.undoeind = state.snapshot.undoeind;
    ed.SetCaret(1);
    Herstel(ed, state.snapshot);
    r.undone = ed.Text();
    r.undoneCaret = ed.CaretOffset();
    ed.SetChangeHandler({});
    return r;
}

// A count line, a four-line staff and a lyric line.
inline const std::u32string staff4 = U"T\n | | | | | | \nE|-----|\nB|-----|\nG|-----|\nD|-----|\nly -- ric\n";
// The same with short staff lines; the tail differs per row.
inline const std::u32string shortLines = U"h\n | | | | | | \nE|---------|\nB|----\nG|---------|\nD|----";

inline const std::vector<CommandRow> columnRows = {
    {"BarOnTheBottomLineChangesTheWholeStaff", staff4, At(Maatstreepinvoegen1Click, 5, 4),
     U"T\n | |  | | | | \nE|--|---|\nB|--|---|\nG|--|---|\nD|--|---|\nly -- ric\n", 5, 4, true},
    {"BeginRepeatAfterABarAddsOneBar", staff4, At(Beginherhalinginvoegen1Click, 3, 2),
     U"T\n |  | | | | | \nE||-----|\nB||*----|\nG||*----|\nD||-----|\nly -- ric\n", 3, 5, true},
    {"BeginRepeatInsideAddsTwoBars", staff4, At(Beginherhalinginvoegen1Click, 4, 4),
     U"T\n | |   | | | | \nE|--||---|\nB|--||*--|\nG|--||*--|\nD|--||---|\nly -- ric\n", 4, 7, true},
    {"EndRepeatBeforeABarAddsOneBar", staff4, At(Eindherhalinginvoegen1Click, 2, 6),
     U"T\n | | |  | | | \nE|-----||\nB|----*||\nG|----*||\nD|-----||\nly -- ric\n", 2, 9, true},
    {"EndRepeatInsideAddsTwoBars", staff4, At(Eindherhalinginvoegen1Click, 5, 4),
     U"T\n | |   | | | | \nE|---||--|\nB|--*||--|\nG|--*||--|\nD|---||--|\nly -- ric\n", 5, 7, true},
    {"TwoBarsGiveADoubleBarAndUndoTakesBackTheSecond", staff4, Maatstreepinvoegen1Click,
     U"T\n | |   | | | | \nE|--||---|\nB|--||---|\nG|--||---|\nD|--||---|\nly -- ric\n", 4, 4, true,
     At(Maatstreepinvoegen1Click, 4, 4)},
    {"ColumnZeroOfATopStaffPutsTheBarBeforeTheLabel", U"E|-----|\nB|-----|\n\nx\n", At(Maatstreepinvoegen1Click, 1, 0),
     U"|E|-----|\n|B|-----|\n\nx\n", 1, 0, true},
    {"ThreeLinesDotTheMiddle", U"x\nG|-----|\nD|-----|\nA|-----|\n", At(Beginherhalinginvoegen1Click, 1, 4),
     U"x\nG|--||---|\nD|--||*--|\nA|--||---|\n", 1, 7, true},
    {"TwoLinesDotBoth", U"x\nG|-----|\nD|-----|\n", At(Eindherhalinginvoegen1Click, 2, 4),
     U"x\nG|--*||--|\nD|--*||--|\n", 2, 7, true},
    {"RepeatOnTheLastCharacterKeepsTheCaretOnItsLine", U"E|------||\nB|------||\nnext\n",
     At(Beginherhalinginvoegen1Click, 1, 9), U"E|------||*\nB|------||*\nnext\n", 1, 11, true},
    {"CountLineShorterThanTheCaretColumnStays", U"x\n | | | | | | \nE|------------------|\nB|------------------|\n",
     At(Maatstreepinvoegen1Click, 3, 16), U"x\n | | | | | | \nE|--------------|----|\nB|--------------|----|\n", 3, 16,
     true},
    // Staff lines that end before the caret column are padded to it.
    {"ShortLinesBar", shortLines + U"\nafter\n", At(Maatstreepinvoegen1Click, 2, 8),
     U"h\n | | | |  | | \nE|------|---|\nB|----  |\nG|------|---|\nD|----  |\nafter\n", 2, 8, true},
    {"ShortLinesSpaceAtTheDocumentEnd", shortLines, At(Spatieinvoegen1Click, 2, 8),
     U"h\n | | | |  | | \nE|----------|\nB|----  -\nG|----------|\nD|----  -", 2, 8, true},
    {"ShortLinesBeginRepeat", shortLines + U"\n", At(Beginherhalinginvoegen1Click, 2, 8),
     U"h\n | | | |   | | \nE|------||---|\nB|----  ||*\nG|------||*--|\nD|----  ||-\n", 2, 11, true},
    {"ShortLinesEndRepeat", shortLines + U"\n", At(Eindherhalinginvoegen1Click, 4, 8),
     U"h\n | | | |   | | \nE|-------||--|\nB|----  *||\nG|------*||--|\nD|----  -||\n", 4, 11, true},
    // A guitar emoji (outside the Basic Multilingual Plane), an accented
    // letter and a CJK character are one column each, as are the labels.
    {"MultiByteLabelsAreOneColumnEach", U"T\n | | | | | | \n\U0001F3B8|-----|\n\u00E9|-----|\n\u4E2D|-----|\nD|-----|\n",
     At(Beginherhalinginvoegen1Click, 2, 4),
     U"T\n | |   | | | | \n\U0001F3B8|--||---|\n\u00E9|--||*--|\n\u4E2D|--||*--|\nD|--||---|\n", 2, 7, true},
    {"RerunsAStaleAnalysis", staff4, At(Maatstreepinvoegen1Click, 3, 4),
     U"new\nT\n | |  | | | | \nE|--|---|\nB|--|---|\nG|--|---|\nD|--|---|\nly -- ric\n", 3, 4, true, MakeStale},
    // A line inserted after the command moves the staff away from the lines
    // the snapshot holds: undo must not write them over other lines.
    {"LinesMovedAfterTheCommandLeaveNothingToUndo", staff4,
     [](TabContext& c) {
         At(Maatstreepinvoegen1Click, 3, 4)(c);
         MakeStale(c);
     },
     U"new\nT\n | |  | | | | \nE|--|---|\nB|--|---|\nG|--|---|\nD|--|---|\nly -- ric\n", 1, 0, false},
    {"KeepsTheAnalysisWhileTheLineCountStays", U"abcdefghij\nabcdefghij\nend\n", At(Maatstreepinvoegen1Click, 0, 3),
     U"|---------\n|---------\nend\n", 0, 3, false,
     [](TabContext& c) {
         c.editor.PutLine(0, U"|---------");
         c.editor.PutLine(1, U"|---------");
     }},
};

inline const std::vector<CommandRow> tidyRows = {
    {"TuningColumnLabelsWhatHasNoLabel",
     U"S\n | | | | | | \ne|-----|\nB|-----|\n\n | | | | | | \n|-----|\n|-----|\n|-----|\n|-----|\n\n"
     U" | | | | | | \ne|-----\n------\n3-----\n",
     At(Tuning(U"EADGBE"), 7, 2),
     U"S\n | | | | | | \ne|-----|\nB|-----|\n\n  | | | | | | \nG|-----|\nD|-----|\nA|-----|\nE|-----|\n\n"
     U"   | | | | | | \ne|-----\nA|------\nE|3-----\n"},
    {"TuningColumnWithASharp",
     U" | | | | | | \n|-----|\n|-----|\n|-----|\n|-----|\n\n | | | | | | \n------\n------\n------\n------\n",
     Tuning(U"DADF#AD"),
     U"   | | | | | | \nF#|-----|\nD |-----|\nA |-----|\nD |-----|\n\n"
     U"    | | | | | | \nF#|------\nD |------\nA |------\nD |------\n"},
    // Lines above the tuning's strings get a blank label, not one left over
    // from an earlier, longer tuning.
    {"TuningColumnTallerThanTheTuning", U"------\n------\n------\n------\n------\n", Tuning(U"EAD"),
     U" |------\n |------\nD|------\nA|------\nE|------\n", 0, 0, false,
     [](TabContext& c) { BerekenStemming(U"BEADGBE", c.state.stemming); }},
    {"TuningColumnTallerThanASharpTuning", U"|-----\n|-----\n|-----\n|-----\n", Tuning(U"DF#A"),
     U"  |-----\nA |-----\nF#|-----\nD |-----\n"},
    {"LineEndsCloseStaffLinesOnly",
     U"  |   |   |   |   |   |\nE|------\nB|----|\nG|-----3-\nD|---|\na - b - c\n---------\n\ntext\n",
     At(endclosebuttonClick, 1, 2),
     U"  |   |   |   |   |   |\nE|------|\nB|----|\nG|-----3-|\nD|---|\na - b - c\n---------\n\ntext\n"},
    {"LineEndsRerunAStaleAnalysis", U"E|-----\nB|-----\n", At(endclosebuttonClick, 1, 3), U"new\nE|-----|\nB|-----|\n", 0,
     0, false, MakeStale},
    {"AlignmentRemovesEachLinesIndentationAndTheCountLinesStart",
     U"Title\n       |   |   |   |   |   |\n    E|-----\n  B|-----\n      G|-----\n    lyrics\n\n"
     U"|   |   |   |   |   |   |   |\n  E|-----\n  B|-----\n",
     At(LinksUitlijnen1Click, 2, 1),
     U"Title\n   |   |   |   |   |   |\nE|-----\nB|-----\nG|-----\n    lyrics\n\n"
     U"  |   |   |   |   |   |   |\nE|-----\nB|-----\n"},
    {"AlignmentKeepsTheBreakOfAShortCountLine",
     U"top\n | | | | | | \n" + std::u32string(16, ' ') + U"E|--------------------\n" + std::u32string(16, ' ')
         + U"B|--------------------\nend\n",
     LinksUitlijnen1Click, U"top\n\nE|--------------------\nB|--------------------\nend\n"},
    {"TuningColumnWithMultiByteLabels", U"\u00E9\u00E9\n|-----\n|-----\n|-----\n", Tuning(U"\U0001F3B8\u4E2D\u00E9"),
     U"\u00E9\u00E9\n\u00E9|-----\n\u4E2D|-----\n\U0001F3B8|-----\n"},
    {"AlignmentWithoutStaffsMovesTheCaretOnly", U"just\ntext\n", At(LinksUitlijnen1Click, 1, 3), U"just\ntext\n"},
};

// Line i is five letters, "<i" and "abcd>tail"; lines 2 and 3 are short.
inline const std::u32string blockDoc = U"aaaaa<0abcd>tail\nbbbbb<1abcd>tail\nccc\nddddd<3a\neeeee<4abcd>tail\n";

inline const std::vector<CommandRow> blockRows = {
    {"CutTakesOnlyTheBlockCharacters", blockDoc, Select(VerticaalKnippen1Click, 0, 5, 4, 12),
     U"aaaaatail\nbbbbbtail\nccc\nddddd\neeeeetail\n", 0, 6, true},
    {"CutLeavingTheFirstLineShort", U"abcdefg\nabcdefghijklmnop\nnext\n", Select(VerticaalKnippen1Click, 0, 5, 1, 12),
     U"abcde\nabcdemnop\nnext\n", 0, 5, true},
    {"CopyThenPasteElsewhere", U"E|--3--5--|\nB|--1--0--|\ntext\n",
     [](TabContext& c) {
         Select(VerticaalKopiren1Click, 0, 3, 1, 5)(c);
         At(Verticaalplakken1Click, 0, 9)(c);
     },
     U"E|--3--5--3|\nB|--1--0--1|\ntext\n", 0, 9, true},
    {"PasteAgainAndUndoTakesBackTheSecond", U"E|--------|\nB|--------|\n", At(Verticaalplakken1Click, 0, 4),
     U"E|--3-------|\nB|--1-------|\n", 0, 4, true, Paste({U"3-", U"1-"}, 0, 4)},
    {"PastePadsShortAndEmptyLines", U"abcdefghijkl\nab\n\nabcdefghijkl\n", Paste({U"XY", U"XY", U"XY", U"XY"}, 0, 6),
     U"abcdefXYhijkl\nab    XY\n      XY\nabcdefXYhijkl\n", 0, 6, true},
    {"PasteAtLineEndsRemovesNoBreak", U"abc\nabc\nz", Paste({U"12", U"34"}, 0, 3), U"abc12\nabc34\nz", 0, 3, true},
    {"PastePastTheEndAfterAFinalBreak", U"abcdefgh\nabcdefgh\n", Paste({U"1", U"2", U"3"}, 1, 4),
     U"abcdefgh\nabcd1fgh\n    2\n    3", 1, 4, true},
    {"PastePastTheEndWithoutAFinalBreak", U"abcdefgh\nabcdefgh", Paste({U"1", U"2", U"3"}, 1, 4),
     U"abcdefgh\nabcd1fgh\n    2\n    3", 1, 4, true},
    {"PasteIntoAnEmptyDocument", U"", Paste({U"E|--", U"B|--"}, 0, 0), U"E|--\nB|--", 0, 0, true},
    {"CutCountsCharacters", U"a\U0001F3B8cdef\n\u4E2D\u00E9xyzw\n", Select(VerticaalKnippen1Click, 0, 1, 1, 3),
     U"adef\n\u4E2Dyzw\n", 0, 2, true},
    {"PasteCountsCharacters", U"\u4E2D\u6587abc\n\U0001F3B8\n", Paste({U"\U0001F3B8", U"\u00E9"}, 0, 2),
     U"\u4E2D\u6587\U0001F3B8bc\n\U0001F3B8 \u00E9\n", 0, 2, true},
    // The cut's snapshot must not inherit the lines the paste appended.
    {"CutAfterAPasteAppendedLines", U"abc\nabc", Select(VerticaalKnippen1Click, 0, 0, 1, 2), U"c\nc\n 2\n 3", 0, 1, true,
     Paste({U"1", U"2", U"3"}, 1, 1)},
};

// Cp1252 lyrics between two staffs: U-umlaut, u-umlaut, o-umlaut, sharp s;
// u-grave, y-diaeresis, e-acute, a-grave.
inline const std::u32string lyrics = U"\xDC" U"ber die Br\xFC" U"cke, sch\xF6ne Gr\xFC\xDF" U"e\n"
                                  U"O\xF9 es-tu, L'Ha\xFF-les-Roses, d\xE9j\xE0\n";
inline const std::u32string song =
    U" | | | | | | \nE|--3---|---|\nB|-o+-I-----|\nG|-.-{-----}\n" + lyrics + U"A|-----|\nE|--0--|\nla - la | la\n";
inline const std::u32string songKvn = U" | | | | | | \nE\xF6\xFF\xFF" U"3\xFF\xFF\xFF\xFC\xFF\xFF\xFF\xF7\n"
                                   U"B\xFA\xFF\xF5\xFE\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFB\n"
                                   U"G\xF8\xFF\xF5\xFF\xFD\xFF\xFF\xFF\xFF\xFF\xF9\n" + lyrics
                                 + U"A\xF6\xFF\xFF\xFF\xFF\xFF\xF7\nE\xF8\xFF\xFF" U"0\xFF\xFF\xF9\nla - la | la\n";
inline const std::u32string songAscii =
    U" | | | | | | \nE|--3---|---|\nB|-*|-|-----|\nG|-*-|-----|\n" + lyrics + U"A|-----|\nE|--0--|\nla - la | la\n";

inline const std::vector<CommandRow> conversionRows = {
    {"LinesConvertStaffLinesOnlyAfterAFreshAnalysis", song, At(Lines, 3, 2), U"new\n" + songKvn, 3, 2, false, MakeStale},
    {"LinesTwiceConvertOnce", song, Lines, songKvn, 0, 0, false, Lines},
    {"AsciiAfterLinesLeavesTheLyrics", song, At(Ascii, 3, 2), songAscii, 0, 0, false, Lines},
    {"AsciiOfALoadedKvnDocument", songKvn, Ascii, songAscii},
    {"LinesKeepMultiByteLabels", U"x\n\U0001F3B8|---|\n\u4E2D|---|\n\u00E9|---|\n", Lines,
     U"x\n\U0001F3B8\xF6\xFF\xFF\xFF\xF7\n\u4E2D\xFA\xFF\xFF\xFF\xFB\n\u00E9\xF8\xFF\xFF\xFF\xF9\n"},
    {"AsciiOfMultiByteLabels", U"x\n\U0001F3B8\xF6\xFF\xFF\xFF\xF7\n\u4E2D\xFA\xFF\xFF\xFF\xFB\n\u00E9\xF8\xFF\xFF\xFF\xF9\n", Ascii,
     U"x\n\U0001F3B8|---|\n\u4E2D|---|\n\u00E9|---|\n"},
    {"AsciiOfAPlainDocumentChangesNothing", songAscii, At(Ascii, 1, 1), songAscii},
};

struct CommandRows : ::testing::TestWithParam<CommandRow> {};

} // namespace korvane::test
