// The line snapshot and its restore.
#include "core/tabstate.h"

#include <algorithm>

namespace korvane {

void NeemSnapshot(const EditorOps& editor, LineSnapshot& s, int first, int last)
{
    s.undoregels.clear();
    for (int i = first; i <= last; ++i)
        s.undoregels.push_back(editor.GetLine(i));
    s.undostart = first;
    s.undoeind = last;
    s.toegevoegd = 0;
    s.aantalRegels = editor.LineCount();
    s.undomogelijk = true;
}

void DocumentVervangen(TabState& state)
{
    state.snapshot.undomogelijk = false;
    state.snapshot.toegevoegd = 0;
    state.analyse.analyseNodig = true;
    state.analyse.nieuweTekst = true;
}

void Herstel(EditorOps& editor, LineSnapshot& s)
{
    if (editor.CanUndo()) {
        editor.UndoLastEdit();
        s.undomogelijk = false;
        return;
    }
    if (!s.undomogelijk)
        return;
    if (editor.LineCount() != s.aantalRegels) {
        // Lines moved without a change notification reaching the snapshot.
        s.undomogelijk = false;
        return;
    }
    const int caret = editor.CaretOffset();
    // A snapshot may span the whole document (a replace all): one edit block,
    // painted and notified once.
    editor.LockPainting();
    const int count = static_cast<int>(s.undoregels.size());
    for (int k = 0; k <= s.undoeind - s.undostart && k < count; ++k)
        editor.PutLine(s.undostart + k, s.undoregels[k]);
    if (s.toegevoegd > 0) {
        // Take out the appended lines with their breaks, from the end of the
        // last restored line to the end of the last appended one.
        const int laatste = s.undoeind + s.toegevoegd;
        const int van = editor.LineStart(s.undoeind) + static_cast<int>(editor.GetLine(s.undoeind).size());
        const int tot = editor.LineStart(laatste) + static_cast<int>(editor.GetLine(laatste).size());
        if (editor.LineStart(laatste) >= 0 && tot > van) {
            editor.SetCaret(van);
            editor.SetSelectionLength(tot - van);
            editor.ReplaceSelection({});
        }
        s.toegevoegd = 0;
    }
    editor.UnlockPainting();
    // The restored lines may be shorter than the ones the caret stood in: an
    // offset that now falls between CR and LF goes to the end of its line,
    // where the widget would show it.
    const int regel = editor.LineFromOffset(caret);
    const int eind = editor.LineStart(regel) + static_cast<int>(editor.GetLine(regel).size());
    editor.SetCaret(std::min(caret, eind));
    s.undomogelijk = false;
    editor.ClearUndo();
}

} // namespace korvane
