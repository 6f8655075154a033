// Operations of the editor contract that are the same on every implementation.
#include "core/editor.h"

namespace korvane {

void EditorOps::PutLine(int i, std::u32string_view text)
{
    SetCaret(LineStart(i));
    SetSelectionLength(static_cast<int>(GetLine(i).size()));
    ReplaceSelection(text);
}

void EditorOps::DeleteLine(int i)
{
    const int start = LineStart(i);
    if (start < 0)
        return;
    const int next = LineStart(i + 1);
    SetCaret(start);
    if (next >= 0)
        SetSelectionLength(next - start);
    else
        SetSelectionLength(static_cast<int>(GetLine(i).size()));
    ReplaceSelection({});
}

void EditorOps::ReplaceEach(const std::vector<int>& offsets, int length, std::u32string_view text)
{
    const int groei = static_cast<int>(text.size()) - length;
    int verschuiving = 0;
    for (const int offset : offsets) {
        SetCaret(offset + verschuiving);
        SetSelectionLength(length);
        ReplaceSelection(text);
        verschuiving += groei;
    }
}

void EditorOps::InsertLine(int i, std::u32string_view text)
{
    if (LineStart(i) >= 0) {
        SetCaret(LineStart(i));
        std::u32string line(text);
        line += crlf;
        ReplaceSelection(line);
        return;
    }
    if (i - 1 >= 0 && LineStart(i - 1) >= 0) {
        const std::u32string above = GetLine(i - 1);
        if (above.empty())
            return;
        SetCaret(LineStart(i - 1) + static_cast<int>(above.size()));
        std::u32string line(crlf);
        line += text;
        ReplaceSelection(line);
    }
}

void EditorOps::AddLine(std::u32string_view text)
{
    InsertLine(LineCount(), text);
}

void EditorOps::VisitLines(int from, int to,
                           const std::function<void(int, std::u32string_view)>& visit) const
{
    for (int i = from; i < to; ++i)
        visit(i, GetLine(i));
}

std::u32string EditorOps::Text() const
{
    std::u32string out;
    out.reserve(static_cast<std::size_t>(TextLength()));
    const int n = LineCount();
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            out += crlf;
        out += GetLine(i);
    }
    // A final line break leaves an empty, uncounted last line behind it.
    if (n > 0 && LineStart(n) >= 0)
        out += crlf;
    return out;
}

} // namespace korvane
