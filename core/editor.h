// The editor operations every tab command works through. The document is a
// sequence of lines of Unicode characters, one code point per column whatever
// the file's encoding; the widget and the in-memory buffer both implement
// this contract, and one typed test suite checks both.
//
// Contract:
//  - Line 0 is the first line; offsets are 0-based, count code points and
//    every line break as two characters (CR LF), whatever the implementation
//    stores.
//  - LineCount() does not count a last line that is empty: "" has 0 lines,
//    "a\r\nb" and "a\r\nb\r\n" both have 2.
//  - Every change of the text raises the change notification, synchronously,
//    except inside LockPainting()/UnlockPainting(), where an implementation
//    may raise it once when the lock ends.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr std::u32string_view crlf = U"\r\n";

class EditorOps {
public:
    virtual ~EditorOps() = default;

    virtual int CaretOffset() const = 0;
    virtual int SelectionLength() const = 0;
    // Empty selection at `offset`.
    virtual void SetCaret(int offset) = 0;
    // Keeps the selection start; the end becomes start + n.
    virtual void SetSelectionLength(int n) = 0;
    // Replaces the selection (inserts with an empty one); each CR LF in `text`
    // becomes a line break. The caret ends just after the inserted text and
    // the edit is kept out of the widget's own undo history.
    virtual void ReplaceSelection(std::u32string_view text) = 0;

    // The two characters of a line break belong to the line they end.
    virtual int LineFromOffset(int offset) const = 0;
    // -1 beyond the last line; the text length for the empty line after a
    // final line break.
    virtual int LineStart(int line) const = 0;
    virtual int LineCount() const = 0;
    // Text of line i without its break; i must be a valid line.
    virtual std::u32string GetLine(int i) const = 0;
    // Replaces the text of line i, not its break; leaves an empty selection at
    // the end of the new text. Overridable for speed, never for behaviour.
    virtual void PutLine(int i, std::u32string_view text);
    // Removes line i with its break (the last line: its text only).
    virtual void DeleteLine(int i);
    // Replaces the `length` characters at each of `offsets` by `text`, as
    // ReplaceSelection would one after the other. The offsets ascend, do not
    // overlap and all count in the text before the first replacement; the
    // caret ends just after the last replacement. Overridable for speed,
    // never for behaviour.
    virtual void ReplaceEach(const std::vector<int>& offsets, int length, std::u32string_view text);

    // Written once on top of the primitives so that all implementations agree.
    void InsertLine(int i, std::u32string_view text);
    void AddLine(std::u32string_view text);

    // Calls visit(i, text) for lines from..to-1 in order; the analysis reads
    // whole documents through it, so implementations make it cheap.
    virtual void VisitLines(int from, int to,
                            const std::function<void(int, std::u32string_view)>& visit) const;

    // Length of the whole text, line breaks counted as two.
    virtual int TextLength() const = 0;
    // The whole text with CR LF breaks.
    virtual std::u32string Text() const;

    // The widget's own undo of typing.
    virtual bool CanUndo() const = 0;
    virtual void UndoLastEdit() = 0;
    virtual void ClearUndo() = 0;

    virtual void SelectAll() = 0;
    virtual void FocusEditor() = 0;
    // Not nested: one lock at a time.
    virtual void LockPainting() = 0;
    virtual void UnlockPainting() = 0;
    virtual void SetBusyCursor(bool on) = 0;

    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;

    // One listener; the owner of the document state installs it.
    void SetChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }

protected:
    void NotifyChange()
    {
        if (m_changeHandler)
            m_changeHandler();
    }

private:
    std::function<void()> m_changeHandler;
};

} // namespace korvane
