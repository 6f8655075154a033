// The editor contract as one typed test suite. Every implementation of
// EditorOps instantiates it with a fixture type that provides:
//   EditorOps& Make(std::u32string_view text);  // a fresh editor holding text
//   void Type(std::u32string_view text);        // the user's own typing
#pragma once

#include "core/editor.h"
#include "core/tabstate.h"
#include "contract/recordingdialogs.h"

#include <gtest/gtest.h>

#include <functional>
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

// Line 0 is the first line; a line break belongs to the line it ends, and a
// final break leaves an uncounted line that starts at the text's end.
TYPED_TEST_P(EditorContract, LinesAndOffsetsOfATextAndItsFinalBreak)
{
    EditorOps& leeg = this->Make(U"");
    EXPECT_EQ(std::tuple(leeg.LineCount(), leeg.LineFromOffset(0), leeg.LineStart(0), leeg.LineStart(1)),
              std::tuple(0, 0, 0, -1));
    EditorOps& slot = this->Make(U"ab\r\ncd\r\n");
    EXPECT_EQ(std::tuple(slot.LineCount(), slot.LineStart(2), slot.LineStart(3), slot.TextLength()),
              std::tuple(2, 8, -1, 8));
    slot.SelectAll();
    EXPECT_EQ(std::pair(slot.CaretOffset(), slot.SelectionLength()), std::pair(0, 8));
    EditorOps& ed = this->Make(U"ab\r\ncd\r\nef");
    for (const auto [offset, regel] : {std::pair{1, 0}, {2, 0}, {3, 0}, {4, 1}, {7, 1}, {8, 2}, {10, 2}})
        EXPECT_EQ(ed.LineFromOffset(offset), regel) << offset;
}

// One edit through the contract: the text, its line count and the caret
// afterwards (-1: not promised), with nothing left selected.
TYPED_TEST_P(EditorContract, EditsLeaveTheTextAndCaretTheyPromise)
{
    using Bewerk = std::function<void(EditorOps&)>;
    struct Geval {
        const char32_t* tekst;
        Bewerk bewerk;
        const char32_t* verwacht;
        int caret;
    };
    const auto selecteer = [](int van, int lengte, const char32_t* door) {
        return [=](EditorOps& ed) {
            ed.SetCaret(van);
            ed.SetSelectionLength(lengte);
            EXPECT_EQ(ed.SelectionLength(), lengte);
            ed.ReplaceSelection(door);
        };
    };
    const Geval gevallen[] = {
        {U"", [](EditorOps& ed) { ed.InsertLine(0, U""); }, U"\r\n", 2},
        {U"", [](EditorOps& ed) { ed.InsertLine(1, U"x"); }, U"", 0},  // beyond an empty last line: nothing
        {U"ab\r\ncd\r\n", [](EditorOps& ed) { ed.AddLine(U""); }, U"ab\r\ncd\r\n\r\n", 10},
        {U"ab\r\ncd", [](EditorOps& ed) { ed.AddLine(U"xy"); }, U"ab\r\ncd\r\nxy", 10},
        // The caret goes to the start of the line that moved down.
        {U"one\r\ntwo\r\nthree", [](EditorOps& ed) { ed.SetCaret(7), ed.InsertLine(1, U"new"); },
         U"one\r\nnew\r\ntwo\r\nthree", 10},
        {U"one\r\ntwo\r\nthree", [](EditorOps& ed) { ed.PutLine(1, U"second"); }, U"one\r\nsecond\r\nthree", 11},
        {U"one\r\nsecond\r\nthree", [](EditorOps& ed) { ed.PutLine(2, U""); }, U"one\r\nsecond\r\n", -1},
        // A deleted line takes its break along, except the last line.
        {U"a\r\nb\r\nc", [](EditorOps& ed) { ed.DeleteLine(1); }, U"a\r\nc", -1},
        {U"a\r\nc", [](EditorOps& ed) { ed.DeleteLine(1); }, U"a\r\n", -1},
        {U"abc\r\ndef\r\nghi", selecteer(1, 10, U"X\r\nY"), U"aX\r\nYhi", 5},
        {U"aX\r\nYhi", selecteer(0, 1, U""), U"X\r\nYhi", 0},
        // Edits in one column of two lines follow the calling order.
        {U"E|-----|\r\nB|-----|",
         [=](EditorOps& ed) { selecteer(4, 0, U"|")(ed), selecteer(ed.LineStart(1) + 4, 1, U"|")(ed); },
         U"E|--|---|\r\nB|--|--|", -1},
        // Replacements one after the other: occurrences that touch, apart, at a
        // line end, on several lines; growing, shrinking to nothing, adding
        // lines, and taking a break away.
        {U"a-b--c\r\n-\r\nd-", [](EditorOps& ed) { ed.ReplaceEach({1, 3, 4, 8, 12}, 1, U"=="); },
         U"a==b====c\r\n==\r\nd==", 18},
        {U"xAyAAz", [](EditorOps& ed) { ed.ReplaceEach({1, 3, 4}, 1, U""); }, U"xyz", 2},
        {U"a;b;c", [](EditorOps& ed) { ed.ReplaceEach({1, 3}, 1, U"\r\n"); }, U"a\r\nb\r\nc", 6},
        {U"ab\r\ncd\r\nef", [](EditorOps& ed) { ed.ReplaceEach({1, 5}, 3, U"-"); }, U"a-c-ef", 4},
    };
    for (const Geval& g : gevallen) {
        const std::u32string verwacht = g.verwacht;
        SCOPED_TRACE(::testing::PrintToString(std::u32string(g.tekst)) + " -> " + ::testing::PrintToString(verwacht));
        EditorOps& ed = this->Make(g.tekst);
        g.bewerk(ed);
        EXPECT_EQ(ed.Text(), verwacht);
        int regels = 0;
        for (std::size_t i = verwacht.find(U"\r\n"); i != std::u32string::npos; i = verwacht.find(U"\r\n", i + 2))
            ++regels;
        EXPECT_EQ(ed.LineCount(), regels + (verwacht.empty() || verwacht.ends_with(U"\r\n") ? 0 : 1));
        EXPECT_EQ(ed.SelectionLength(), 0);
        if (g.caret >= 0)
            EXPECT_EQ(ed.CaretOffset(), g.caret);
    }
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

    // The modified flag cleared inside the lock stays cleared.
    ed.LockPainting();
    ed.PutLine(0, U"p");
    ed.SetModified(false);
    ed.UnlockPainting();
    EXPECT_FALSE(ed.Modified());
    ed.LockPainting();
    ed.SetModified(false);
    ed.PutLine(1, U"q");
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

    // Restored lines can be shorter than the ones the caret stood in; the
    // caret never ends inside a line break.
    NeemSnapshot(ed, snapshot, 0, 0);
    ed.PutLine(0, U"changed--");
    ed.ClearUndo();
    ed.SetCaret(8);  // where the restored line has the LF of its break
    Herstel(ed, snapshot);
    EXPECT_EQ(ed.GetLine(0), U"changed");
    EXPECT_EQ(ed.CaretOffset(), 7);
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

REGISTER_TYPED_TEST_SUITE_P(EditorContract, LinesAndOffsetsOfATextAndItsFinalBreak,
                            EditsLeaveTheTextAndCaretTheyPromise, EveryNonBreakCharacterSurvivesPutAndGet,
                            OffsetsCountCharactersNotUnitsOrBytes, LengthAndLineStartsStayRightThroughMixedEdits,
                            EveryEditRaisesTheChangeNotificationAndSetsModified,
                            ChangeRuleMarksAnalysisOnlyWhenLineCountChanges,
                            OwnUndoComesFirstAndCommandEditsLeaveNoHistory,
                            RestorePutsBackSnapshotAndCaretOnce,
                            SnapshotGoesWhenLinesMoveOrTheDocumentIsReplaced);

} // namespace korvane::test
