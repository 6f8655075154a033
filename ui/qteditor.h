// The editor contract over the window's QPlainTextEdit. Offsets of the
// contract count a line break as two characters and a character outside the
// Basic Multilingual Plane as one; the widget's positions count a break as
// one and such a character as two UTF-16 units. Without any such character
// in the document, position = offset - line.
#pragma once

#include "core/editor.h"
#include "files/tekens.h"

#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>

#include <optional>
#include <vector>

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
    void ReplaceSelection(std::u32string_view text) override;
    int LineFromOffset(int offset) const override;
    int LineStart(int line) const override;
    int LineCount() const override;
    std::u32string GetLine(int i) const override;
    void PutLine(int i, std::u32string_view text) override;
    void ReplaceEach(const std::vector<int>& offsets, int length, std::u32string_view text) override;
    void VisitLines(int from, int to,
                    const std::function<void(int, std::u32string_view)>& visit) const override;
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
    // Surrogate pairs in the blocks before block `k` (0 <= k <= blockCount).
    int PairsBefore(int k) const;
    // The offset at which block k starts.
    int Start(int k) const;
    // Column <-> position within a block.
    int ColumnToUnit(const QTextBlock& block, int column) const;
    int UnitToColumn(const QTextBlock& block, int unit) const;
    // Length of a block's text in characters.
    int Columns(const QTextBlock& block) const;
    // Every edit reports the first block it touched and what it inserted.
    void Edited(int firstBlock, QStringView inserted, QStringView removed);
    // All pairs in the document.
    int Pairs() const;
    void OnDocumentChange(int position, int removed, int added);
    // Runs an edit that must not enter the widget's undo history.
    template <typename F> void EditOutsideHistory(F&& edit);
    void OnContentsChange();
    // While painting is locked the selection lives here and reaches the
    // widget once, at the unlock: moving the widget's own cursor makes it
    // lay out and scroll on every edit.
    QTextCursor Cursor() const;
    void SetCursor(const QTextCursor& cursor);

    QPlainTextEdit* m_widget;
    // Whether the document may hold a surrogate pair. Until it does, offsets
    // map onto positions by the line number alone; once one arrives it stays
    // set until the whole text is replaced, and the counts below are kept.
    bool m_pairs = false;
    // m_pairsBefore[k]: pairs in blocks 0..k-1, valid for k < m_validPairs.
    mutable std::vector<int> m_pairsBefore;
    mutable int m_validPairs = 0;
    // All pairs, kept through the contract's own edits so that the text
    // length needs no count to the end after each of them; -1 when unknown.
    mutable int m_allPairs = -1;
    bool m_ownEdit = false;
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
