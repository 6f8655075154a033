// The editor contract over lines of code points in memory: the command-line
// tool's document and the reference the widget is tested against.
#pragma once

#include "core/editor.h"

#include <string>
#include <vector>

namespace korvane {

class MemoryEditor : public EditorOps {
public:
    MemoryEditor();
    // CR LF, lone LF and lone CR each end a line.
    explicit MemoryEditor(std::u32string_view text);
    void SetText(std::u32string_view text);
    // The same for text already split into lines, none holding a line
    // break: a loader that reads a file a line at a time hands them over
    // without the text ever standing whole in memory.
    void SetLines(std::vector<std::u32string> lines);

    int CaretOffset() const override { return m_selStart; }
    int SelectionLength() const override { return m_selLength; }
    void SetCaret(int offset) override;
    void SetSelectionLength(int n) override;
    void ReplaceSelection(std::u32string_view text) override;
    int LineFromOffset(int offset) const override;
    int LineStart(int line) const override;
    int LineCount() const override;
    std::u32string GetLine(int i) const override;
    void PutLine(int i, std::u32string_view text) override;
    int TextLength() const override;
    void VisitLines(int from, int to,
                    const std::function<void(int, std::u32string_view)>& visit) const override;

    bool CanUndo() const override { return m_undo.has_value; }
    void UndoLastEdit() override;
    void ClearUndo() override { m_undo = {}; }
    void SelectAll() override;
    void FocusEditor() override {}
    void LockPainting() override;
    void UnlockPainting() override;
    void SetBusyCursor(bool on) override { m_busy = on; }
    bool Modified() const override { return m_modified; }
    void SetModified(bool modified) override { m_modified = modified; }

    // Replaces the selection as a user's typing does: unlike ReplaceSelection,
    // the widget's own undo can take it back.
    void Type(std::u32string_view text);
    bool PaintingLocked() const { return m_locked; }
    bool Busy() const { return m_busy; }
    // The lines the control holds, the uncounted empty last one included.
    const std::vector<std::u32string>& Lines() const { return m_lines; }

private:
    struct Position {
        int line;
        int column;
    };
    Position PositionOf(int offset) const;
    void Edit(std::u32string_view text);
    void Changed(int firstLine);
    void EnsureStarts(int upToLine) const;
    void Recount();

    std::vector<std::u32string> m_lines;
    // Offsets of line starts, valid for the first m_validStarts lines.
    mutable std::vector<int> m_starts;
    mutable int m_validStarts = 0;
    int m_length = 0;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_modified = false;
    bool m_locked = false;
    bool m_pendingChange = false;
    bool m_busy = false;
    struct {
        bool has_value = false;
        std::vector<std::u32string> lines;
        int selStart = 0;
    } m_undo;
};

} // namespace korvane
