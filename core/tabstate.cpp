// The line snapshot and its restore.
#include "core/tabstate.h"

namespace korvane {

void NeemSnapshot(const EditorOps& editor, LineSnapshot& s, int first, int last)
{
    s.undoregels.clear();
    for (int i = first; i <= last; ++i)
        s.undoregels.push_back(editor.GetLine(i));
    s.undostart = first;
    s.undoeind = last;
    s.undomogelijk = true;
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
    const int caret = editor.CaretOffset();
    const int count = static_cast<int>(s.undoregels.size());
    for (int k = 0; k <= s.undoeind - s.undostart && k < count; ++k)
        editor.PutLine(s.undostart + k, s.undoregels[k]);
    editor.SetCaret(caret);
    s.undomogelijk = false;
    editor.ClearUndo();
}

} // namespace korvane
