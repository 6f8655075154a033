// The editor contract over the window's QPlainTextEdit. Offsets of the
// contract count a line break as two characters, the widget's positions as
// one: position = offset - line.
#pragma once

#include "core/editor.h"
#include "files/textcodec.h"

#include <QObject>
#include <QPointer>
#include <QTextCursor>

#include <optional>

class QPlainTextEdit;
class QWidget;

namespace korvane {

class QtEditor : public QObject, public EditorOps {
    Q_OBJECT
public:
    // `paintRoot` is the window whose painting LockPainting suspends (the
    // editor itself when null).
    explicit QtEditor(QPlainTextEdit* widget, QWidget* paintRoot = nullptr);

    int CaretOffset() const override;
    int SelectionLength() const override;
    void SetCaret(int offset) override;
    void SetSelectionLength(int n) override;
    void ReplaceSelection(std::string_view text) override;
    int LineFromOffset(int offset) const override;
    int LineStart(int line) const override;
    int LineCount() const override;
    std::string GetLine(int i) const override;
    void PutLine(int i, std::string_view text) override;
    void ReplaceEach(const std::vector<int>& offsets, int length, std::string_view text) override;
    void VisitLines(int from, int to,
                    const std::function<void(int, std::string_view)>& visit) const override;
    int TextLength() const override;

    bool CanUndo() const override;
    void UndoLastEdit() override;
    void ClearUndo() override;
    void SelectAll() override;
    void FocusEditor() override;
    void LockPainting() override;
    void UnlockPainting() override;
    void SetBusyCursor(bool on) override;
    bool Modified() const override;
    void SetModified(bool modified) override;

    QPlainTextEdit* widget() const { return m_widget; }

private:
    int OffsetOfPosition(int position) const;
    int PositionOfOffset(int offset) const;
    // Runs an edit that must not enter the widget's undo history.
    template <typename F> void EditOutsideHistory(F&& edit);
    void OnContentsChange();
    // While painting is locked the selection lives here and reaches the
    // widget once, at the unlock: moving the widget's own cursor makes it
    // lay out and scroll on every edit.
    QTextCursor Cursor() const;
    void SetCursor(const QTextCursor& cursor);

    QPlainTextEdit* m_widget;
    QPointer<QWidget> m_paintRoot;
    bool m_locked = false;
    bool m_pendingChange = false;
    bool m_updatesWereEnabled = true;
    QTextCursor m_blockCursor;
    QTextCursor m_lockedCursor;
    // The modified flag as the locked edits leave it: closing the edit block
    // at the unlock would otherwise set it again after SetModified(false).
    std::optional<bool> m_lockedModified;
};

} // namespace korvane
