// The editor contract as one typed test suite. Every implementation of
// EditorOps instantiates it with a fixture type that provides:
//   EditorOps& Make(std::u32string_view text);  // a fresh editor holding text
//   void Type(std::u32string_view text);        // the user's own typing
#pragma once

#include "core/editor.h"
#include "core/tabstate.h"
#include "contract/recordingdialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace korvane::test {

template <typename Fixture> class EditorContract : public ::testing::Test {
protected:
    Fixture fixture;
    EditorOps& Make(std::u32string_view text) { return fixture.Make(text); }
};

TYPED_TEST_SUITE_P(EditorContract);

TYPED_TEST_P(EditorContract, EmptyDocumentHasNoLinesButAStartAtZero)
{
    EditorOps& ed = this->Make(U"");
    EXPECT_EQ(ed.LineCount(), 0);
    EXPECT_EQ(ed.LineFromOffset(0), 0);
    EXPECT_EQ(ed.LineStart(0), 0);
    EXPECT_EQ(ed.LineStart(1), -1);
    ed.InsertLine(0, U"");
    EXPECT_EQ(ed.Text(), U"\r\n");
    EXPECT_EQ(ed.CaretOffset(), 2);
    EXPECT_EQ(ed.LineCount(), 1);
}

TYPED_TEST_P(EditorContract, FinalLineBreakLeavesAnUncountedLine)
{
    EditorOps& ed = this->Make(U"ab\r\ncd\r\n");
    EXPECT_EQ(ed.LineCount(), 2);
    EXPECT_EQ(ed.LineStart(2), 8);
    EXPECT_EQ(ed.LineStart(3), -1);
    EXPECT_EQ(ed.TextLength(), 8);
    ed.AddLine(U"");
    EXPECT_EQ(ed.Text(), U"ab\r\ncd\r\n\r\n");
    EXPECT_EQ(ed.CaretOffset(), 10);
}

TYPED_TEST_P(EditorContract, AddLineWithoutFinalBreakAppendsBreakAndText)
{
    EditorOps& ed = this->Make(U"ab\r\ncd");
    ed.AddLine(U"xy");
    EXPECT_EQ(ed.Text(), U"ab\r\ncd\r\nxy");
    EXPECT_EQ(ed.CaretOffset(), ed.TextLength());
}

TYPED_TEST_P(EditorContract, InsertLineBeyondAnEmptyLastLineDoesNothing)
{
    EditorOps& ed = this->Make(U"");
    ed.InsertLine(1, U"x");
    EXPECT_EQ(ed.Text(), U"");
}

TYPED_TEST_P(EditorContract, InsertLinePutsCaretAtStartOfTheLineThatMovedDown)
{
    EditorOps& ed = this->Make(U"one\r\ntwo\r\nthree");
    ed.SetCaret(7);
    ed.InsertLine(1, U"new");
    EXPECT_EQ(ed.Text(), U"one\r\nnew\r\ntwo\r\nthree");
    EXPECT_EQ(ed.CaretOffset(), 10);
    EXPECT_EQ(ed.LineFromOffset(ed.CaretOffset()), 2);
}

TYPED_TEST_P(EditorContract, LineBreakBelongsToTheLineItEnds)
{
    EditorOps& ed = this->Make(U"ab\r\ncd\r\nef");
    EXPECT_EQ(ed.LineFromOffset(1), 0);
    EXPECT_EQ(ed.LineFromOffset(2), 0);
    EXPECT_EQ(ed.LineFromOffset(3), 0);
    EXPECT_EQ(ed.LineFromOffset(4), 1);
    EXPECT_EQ(ed.LineFromOffset(7), 1);
    EXPECT_EQ(ed.LineFromOffset(8), 2);
    EXPECT_EQ(ed.LineFromOffset(10), 2);
}

TYPED_TEST_P(EditorContract, ReplaceSelectionAcrossLinesLeavesCaretAfterText)
{
    EditorOps& ed = this->Make(U"abc\r\ndef\r\nghi");
    ed.SetCaret(1);
    ed.SetSelectionLength(10); // U"bc\r\ndef\r\ng"
    EXPECT_EQ(ed.SelectionLength(), 10);
    ed.ReplaceSelection(U"X\r\nY");
    EXPECT_EQ(ed.Text(), U"aX\r\nYhi");
    EXPECT_EQ(ed.CaretOffset(), 5);
    EXPECT_EQ(ed.SelectionLength(), 0);
    ed.SetCaret(0);
    ed.SetSelectionLength(1);
    ed.ReplaceSelection(U"");
    EXPECT_EQ(ed.Text(), U"X\r\nYhi");
    EXPECT_EQ(ed.CaretOffset(), 0);
}

TYPED_TEST_P(EditorContract, ReplaceEachActsAsReplacementsOneAfterTheOther)
{
    struct Geval {
        const char32_t* tekst;
        std::vector<int> offsets;
        int lengte;
        const char32_t* door;
        const char32_t* verwacht;
        int caret;
    };
    const Geval gevallen[] = {
        // Occurrences that touch, apart, at a line end, on several lines; growing.
        {U"a-b--c\r\n-\r\nd-", {1, 3, 4, 8, 12}, 1, U"==", U"a==b====c\r\n==\r\nd==", 18},
        // Shrinking to nothing.
        {U"xAyAAz", {1, 3, 4}, 1, U"", U"xyz", 2},
        // Replacements that add lines, and occurrences that take a break away.
        {U"a;b;c", {1, 3}, 1, U"\r\n", U"a\r\nb\r\nc", 6},
        {U"ab\r\ncd\r\nef", {1, 5}, 3, U"-", U"a-c-ef", 4},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(::testing::PrintToString(std::u32string(g.tekst)));
        EditorOps& ed = this->Make(g.tekst);
        ed.ReplaceEach(g.offsets, g.lengte, g.door);
        EXPECT_EQ(ed.Text(), g.verwacht);
        EXPECT_EQ(std::pair(ed.CaretOffset(), ed.SelectionLength()), std::pair(g.caret, 0));
    }
}

TYPED_TEST_P(EditorContract, InColumnEditFollowsTheCallingOrder)
{
    EditorOps& ed = this->Make(U"E|-----|\r\nB|-----|");
    for (int k = 0; k < 2; ++k) {
        ed.SetCaret(ed.LineStart(k));
        ed.SetCaret(ed.CaretOffset() + 4);
        ed.SetSelectionLength(k == 0 ? 0 : 1);
        ed.ReplaceSelection(U"|");
    }
    EXPECT_EQ(ed.Text(), U"E|--|---|\r\nB|--|--|");
}

TYPED_TEST_P(EditorContract, PutLineLeavesCaretAtEndOfNewText)
{
    EditorOps& ed = this->Make(U"one\r\ntwo\r\nthree");
    ed.PutLine(1, U"second");
    EXPECT_EQ(ed.Text(), U"one\r\nsecond\r\nthree");
    EXPECT_EQ(ed.CaretOffset(), 11);
    ed.PutLine(2, U"");
    EXPECT_EQ(ed.Text(), U"one\r\nsecond\r\n");
    EXPECT_EQ(ed.LineCount(), 2);
}

TYPED_TEST_P(EditorContract, DeleteLineRemovesItsBreakExceptOnTheLastLine)
{
    EditorOps& ed = this->Make(U"a\r\nb\r\nc");
    ed.DeleteLine(1);
    EXPECT_EQ(ed.Text(), U"a\r\nc");
    ed.DeleteLine(1);
    EXPECT_EQ(ed.Text(), U"a\r\n");
}

TYPED_TEST_P(EditorContract, EveryNonBreakCharacterSurvivesPutAndGet)
{
    EditorOps& ed = this->Make(U"x\r\ny");
    std::u32string all = U"\u4E2D\u6587\U0001F3B8\U0001D11E\uFFFD";
    for (char32_t b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all += b;
    ed.PutLine(0, all);
    EXPECT_EQ(ed.GetLine(0), all);
    EXPECT_EQ(ed.LineStart(1), static_cast<int>(all.size()) + 2);
}

// Accented letters, CJK and characters outside the Basic Multilingual Plane
// are one column each, wherever they stand and however they got there.
TYPED_TEST_P(EditorContract, OffsetsCountCharactersNotUnitsOrBytes)
{
    const std::u32string gitaar = U"\U0001F3B8";
    EditorOps& ed = this->Make(U"a" + gitaar + U"b\r\n\u4E2D\u00E9" + gitaar + U"\r\nz");
    EXPECT_EQ(ed.TextLength(), 11);
    EXPECT_EQ(std::tuple(ed.LineStart(1), ed.LineStart(2), ed.LineFromOffset(9), ed.LineFromOffset(10)),
              std::tuple(5, 10, 1, 2));
    EXPECT_EQ(ed.GetLine(1), U"\u4E2D\u00E9" + gitaar);
    ed.SetCaret(6);
    ed.SetSelectionLength(2);
    EXPECT_EQ(std::pair(ed.CaretOffset(), ed.SelectionLength()), std::pair(6, 2));
    ed.ReplaceSelection(U"X");
    EXPECT_EQ(ed.Text(), U"a" + gitaar + U"b\r\n\u4E2DX\r\nz");
    EXPECT_EQ(ed.CaretOffset(), 7);
    ed.ReplaceEach({1, 9}, 1, gitaar + gitaar);
    EXPECT_EQ(ed.Text(), U"a" + gitaar + gitaar + U"b\r\n\u4E2DX\r\n" + gitaar + gitaar);
    EXPECT_EQ(std::pair(ed.CaretOffset(), ed.TextLength()), std::pair(12, 12));
    ed.PutLine(1, gitaar);
    EXPECT_EQ(std::pair(ed.LineStart(2), ed.CaretOffset()), std::pair(9, 7));

    // Typed by the user, not through the contract.
    EditorOps& getypt = this->Make(U"ab\r\ncd");
    getypt.SetCaret(1);
    this->fixture.Type(gitaar);
    EXPECT_EQ(std::tuple(getypt.CaretOffset(), getypt.LineStart(1), getypt.TextLength(), getypt.LineFromOffset(5)),
              std::tuple(2, 5, 7, 1));
    getypt.SetCaret(6);
    getypt.SetSelectionLength(1);
    getypt.ReplaceSelection(gitaar);
    EXPECT_EQ(getypt.Text(), U"a" + gitaar + U"b\r\nc" + gitaar);
}

// The counts an implementation keeps beside the text (line starts, pairs of
// UTF-16 units) stay right through edits that add and remove such characters.
TYPED_TEST_P(EditorContract, LengthAndLineStartsStayRightThroughMixedEdits)
{
    EditorOps& ed = this->Make(U"E|--\U0001F3B8--|\r\nB|-----|\r\n\u00E9\u4E2D\r\n");
    const std::u32string inserts[] = {U"x", U"\r\n", U"\U0001F3B8\r\n\U0001F3B5\U0001F3B5\r\n", U"", U"\u4E2D\U0001F3B8"};
    for (int step = 0; step < 40; ++step) {
        const int len = ed.TextLength();
        ed.SetCaret((step * 7) % (len + 1));
        ed.SetSelectionLength(step % 3);
        if (step % 4 == 3)
            ed.PutLine(ed.LineFromOffset(ed.CaretOffset()), step % 8 == 3 ? U"\U0001F3B8" : U"put");
        else if (step % 10 == 9)
            ed.ReplaceEach({0}, 1, U"\U0001F3B5");
        else
            ed.ReplaceSelection(inserts[step % 5]);
        const std::u32string text = ed.Text();
        ASSERT_EQ(ed.TextLength(), static_cast<int>(text.size())) << "step " << step;
        int offset = 0;
        for (int i = 0; i < ed.LineCount(); ++i) {
            ASSERT_EQ(ed.LineStart(i), offset) << "step " << step << " line " << i;
            ASSERT_EQ(ed.LineFromOffset(offset), i);
            offset += static_cast<int>(ed.GetLine(i).size()) + 2;
        }
    }
}

TYPED_TEST_P(EditorContract, EveryEditRaisesTheChangeNotificationAndSetsModified)
{
    EditorOps& ed = this->Make(U"a\r\nb");
    int changes = 0;
    ed.SetChangeHandler([&] { ++changes; });
    ed.SetModified(false);
    ed.PutLine(0, U"aa");
    EXPECT_GE(changes, 1);
    EXPECT_TRUE(ed.Modified());
    const int before = changes;
    ed.LockPainting();
    ed.PutLine(0, U"x");
    ed.PutLine(1, U"y");
    ed.UnlockPainting();
    EXPECT_EQ(changes, before + 1);
    EXPECT_EQ(ed.Text(), U"x\r\ny");
}

TYPED_TEST_P(EditorContract, ModifiedFlagClearedInsideTheLockStaysCleared)
{
    EditorOps& ed = this->Make(U"a\r\nb");
    ed.LockPainting();
    ed.PutLine(0, U"x");
    ed.SetModified(false);
    ed.UnlockPainting();
    EXPECT_FALSE(ed.Modified());
    ed.LockPainting();
    ed.SetModified(false);
    ed.PutLine(1, U"y");
    ed.UnlockPainting();
    EXPECT_TRUE(ed.Modified());
}

TYPED_TEST_P(EditorContract, ChangeRuleMarksAnalysisOnlyWhenLineCountChanges)
{
    EditorOps& ed = this->Make(U"E|-----|\r\nB|-----|\r\n");
    TabAnalyse analyse;
    ed.SetChangeHandler([&] { RegelsVeranderd(ed, analyse); });
    analyse.vorigAantalRegels = ed.LineCount();
    ed.SetCaret(3);
    ed.ReplaceSelection(U"7");
    EXPECT_FALSE(analyse.analyseNodig);
    ed.ReplaceSelection(U"\r\n");
    EXPECT_TRUE(analyse.analyseNodig);
    EXPECT_EQ(analyse.vorigAantalRegels, 3);
}

TYPED_TEST_P(EditorContract, OwnUndoComesFirstAndCommandEditsLeaveNoHistory)
{
    EditorOps& ed = this->Make(U"abc\r\ndef");
    ed.SetCaret(3);
    this->fixture.Type(U"X");
    EXPECT_TRUE(ed.CanUndo());
    LineSnapshot snapshot;
    NeemSnapshot(ed, snapshot, 0, 1);
    Herstel(ed, snapshot);
    EXPECT_EQ(ed.Text(), U"abc\r\ndef");
    EXPECT_FALSE(snapshot.undomogelijk);

    ed.SetCaret(3);
    this->fixture.Type(U"Y");
    ed.ReplaceSelection(U"Z");
    EXPECT_FALSE(ed.CanUndo()) << "a command's edit must not leave typing to be replayed";
}

TYPED_TEST_P(EditorContract, RestorePutsBackSnapshotAndCaretOnce)
{
    EditorOps& ed = this->Make(U"top\r\nE|---|\r\nB|---|\r\nend");
    LineSnapshot snapshot;
    NeemSnapshot(ed, snapshot, 1, 2);
    ed.PutLine(1, U"E|-|-|");
    ed.PutLine(2, U"B|-|-|");
    ed.ClearUndo();
    ed.SetCaret(2);
    Herstel(ed, snapshot);
    EXPECT_EQ(ed.Text(), U"top\r\nE|---|\r\nB|---|\r\nend");
    EXPECT_EQ(ed.CaretOffset(), 2);
    EXPECT_FALSE(snapshot.undomogelijk);
    ed.PutLine(0, U"changed");
    ed.SetCaret(0);
    Herstel(ed, snapshot);
    EXPECT_EQ(ed.GetLine(0), U"changed");
}

// Restored lines can be shorter than the ones the caret stood in.
TYPED_TEST_P(EditorContract, RestoreNeverLeavesTheCaretInsideALineBreak)
{
    EditorOps& ed = this->Make(U"top\r\nend");
    LineSnapshot snapshot;
    NeemSnapshot(ed, snapshot, 0, 0);
    ed.PutLine(0, U"top--");
    ed.ClearUndo();
    ed.SetCaret(4);  // where the restored line has the LF of its break
    Herstel(ed, snapshot);
    EXPECT_EQ(ed.Text(), U"top\r\nend");
    EXPECT_EQ(ed.CaretOffset(), 3);
}

TYPED_TEST_P(EditorContract, SnapshotGoesWhenLinesMoveOrTheDocumentIsReplaced)
{
    EditorOps& ed = this->Make(U"top\r\nE|---|\r\nB|---|\r\nend");
    RecordingDialogs dialogs;
    TabState state;
    TabContext ctx{ed, dialogs, state};
    ed.SetChangeHandler([&] { DocumentVeranderd(ctx); });
    const auto kolomCommando = [&] {
        NeemSnapshot(ed, state.snapshot, 1, 2);
        ed.PutLine(1, U"E|-|-|");
        ed.PutLine(2, U"B|-|-|");
        ed.ClearUndo();
    };
    kolomCommando();
    ed.InsertLine(0, U"new");
    ed.DeleteLine(4);  // back to four lines, all but the first moved
    const std::u32string verschoven = ed.Text();
    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), verschoven);

    kolomCommando();
    ed.SelectAll();
    ed.ReplaceSelection(U"another\r\nfile\r\nof four\r\nlines");
    DocumentVervangen(state);
    Herstel(ed, state.snapshot);
    EXPECT_EQ(ed.Text(), U"another\r\nfile\r\nof four\r\nlines");
    EXPECT_TRUE(state.analyse.analyseNodig) << "the analysis describes the old text";
    ed.SetChangeHandler({});
}

TYPED_TEST_P(EditorContract, SelectAllCoversTheWholeText)
{
    EditorOps& ed = this->Make(U"ab\r\ncd\r\n");
    ed.SelectAll();
    EXPECT_EQ(ed.CaretOffset(), 0);
    EXPECT_EQ(ed.SelectionLength(), 8);
}

REGISTER_TYPED_TEST_SUITE_P(EditorContract, EmptyDocumentHasNoLinesButAStartAtZero,
                            FinalLineBreakLeavesAnUncountedLine,
                            AddLineWithoutFinalBreakAppendsBreakAndText,
                            InsertLineBeyondAnEmptyLastLineDoesNothing,
                            InsertLinePutsCaretAtStartOfTheLineThatMovedDown,
                            LineBreakBelongsToTheLineItEnds,
                            ReplaceSelectionAcrossLinesLeavesCaretAfterText,
                            ReplaceEachActsAsReplacementsOneAfterTheOther,
                            InColumnEditFollowsTheCallingOrder, PutLineLeavesCaretAtEndOfNewText,
                            DeleteLineRemovesItsBreakExceptOnTheLastLine,
                            EveryNonBreakCharacterSurvivesPutAndGet, OffsetsCountCharactersNotUnitsOrBytes,
                            LengthAndLineStartsStayRightThroughMixedEdits,
                            EveryEditRaisesTheChangeNotificationAndSetsModified,
                            ModifiedFlagClearedInsideTheLockStaysCleared,
                            ChangeRuleMarksAnalysisOnlyWhenLineCountChanges,
                            OwnUndoComesFirstAndCommandEditsLeaveNoHistory,
                            RestorePutsBackSnapshotAndCaretOnce, RestoreNeverLeavesTheCaretInsideALineBreak,
                            SnapshotGoesWhenLinesMoveOrTheDocumentIsReplaced, SelectAllCoversTheWholeText);

} // namespace korvane::test
