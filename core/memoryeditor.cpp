// In-memory implementation of the editor contract.
#include "core/memoryeditor.h"

#include <algorithm>

namespace korvane {
namespace {

// Splits on CR LF, lone CR and lone LF, as the widget does on insertion.
std::vector<std::u32string> SplitLines(std::u32string_view text)
{
    // A whole line at a time: appending one character after another makes
    // loading a large document spend most of its time growing strings.
    std::vector<std::u32string> pieces;
    std::size_t begin = 0;
    for (;;) {
        std::size_t end = begin;
        while (end < text.size() && text[end] != U'\r' && text[end] != U'\n')
            ++end;
        pieces.emplace_back(text.substr(begin, end - begin));
        if (end == text.size())
            break;
        begin = end + (text[end] == U'\r' && end + 1 < text.size() && text[end + 1] == U'\n' ? 2 : 1);
    }
    return pieces;
}

} // namespace

MemoryEditor::MemoryEditor()
    : m_lines(1)
{
}

MemoryEditor::MemoryEditor(std::u32string_view text)
    : m_lines(SplitLines(text))
{
    Recount();
}

void MemoryEditor::SetText(std::u32string_view text)
{
    SetLines(SplitLines(text));
}

void MemoryEditor::SetLines(std::vector<std::u32string> lines)
{
    m_lines = std::move(lines);
    if (m_lines.empty())
        m_lines.emplace_back();
    Recount();
    m_validStarts = 0;
    m_selStart = 0;
    m_selLength = 0;
    m_undo = {};
    m_modified = false;
    if (m_locked)
        m_pendingChange = true;
    else
        NotifyChange();
}

void MemoryEditor::EnsureStarts(int upToLine) const
{
    if (upToLine < m_validStarts)
        return;
    if (m_starts.size() < m_lines.size())
        m_starts.resize(m_lines.size());
    int i = m_validStarts;
    int offset = i == 0 ? 0 : m_starts[i - 1] + static_cast<int>(m_lines[i - 1].size()) + 2;
    for (; i <= upToLine; ++i) {
        m_starts[i] = offset;
        offset += static_cast<int>(m_lines[i].size()) + 2;
    }
    m_validStarts = upToLine + 1;
}

int MemoryEditor::TextLength() const
{
    return m_length;
}

void MemoryEditor::Recount()
{
    m_length = 2 * (static_cast<int>(m_lines.size()) - 1);
    for (const auto& line : m_lines)
        m_length += static_cast<int>(line.size());
}

int MemoryEditor::LineStart(int line) const
{
    if (line < 0 || line >= static_cast<int>(m_lines.size()))
        return -1;
    EnsureStarts(line);
    return m_starts[line];
}

int MemoryEditor::LineCount() const
{
    const int n = static_cast<int>(m_lines.size());
    return m_lines.back().empty() ? n - 1 : n;
}

std::u32string MemoryEditor::GetLine(int i) const
{
    if (i < 0 || i >= static_cast<int>(m_lines.size()))
        return {};
    return m_lines[i];
}

int MemoryEditor::LineFromOffset(int offset) const
{
    const int last = static_cast<int>(m_lines.size()) - 1;
    if (offset <= 0)
        return 0;
    // Extend the known starts only until one lies past the offset: commands
    // walk down the document, and recomputing to its end after every edit
    // would make a line-by-line command quadratic.
    EnsureStarts(0);
    while (m_validStarts <= last && m_starts[m_validStarts - 1] <= offset)
        EnsureStarts(m_validStarts);
    const auto begin = m_starts.begin();
    const auto it = std::upper_bound(begin, begin + m_validStarts, offset);
    return static_cast<int>(it - begin) - 1;
}

MemoryEditor::Position MemoryEditor::PositionOf(int offset) const
{
    const int line = LineFromOffset(offset);
    const int column = std::clamp(offset - LineStart(line), 0, static_cast<int>(m_lines[line].size()));
    return {line, column};
}

void MemoryEditor::VisitLines(int from, int to,
                              const std::function<void(int, std::u32string_view)>& visit) const
{
    to = std::min(to, static_cast<int>(m_lines.size()));
    for (int i = std::max(from, 0); i < to; ++i)
        visit(i, m_lines[i]);
}

void MemoryEditor::SetCaret(int offset)
{
    m_selStart = std::clamp(offset, 0, TextLength());
    m_selLength = 0;
}

void MemoryEditor::SetSelectionLength(int n)
{
    m_selLength = std::clamp(n, 0, TextLength() - m_selStart);
}

void MemoryEditor::SelectAll()
{
    m_selStart = 0;
    m_selLength = TextLength();
}

void MemoryEditor::Changed(int firstLine)
{
    m_validStarts = std::min(m_validStarts, firstLine + 1);
    m_modified = true;
    if (m_locked)
        m_pendingChange = true;
    else
        NotifyChange();
}

void MemoryEditor::Edit(std::u32string_view text)
{
    const Position from = PositionOf(m_selStart);
    const Position to = PositionOf(m_selStart + m_selLength);
    std::vector<std::u32string> pieces = SplitLines(text);
    const std::size_t lastColumn = pieces.back().size();
    pieces.front().insert(0, m_lines[from.line], 0, from.column);
    pieces.back() += std::u32string_view(m_lines[to.line]).substr(to.column);

    const auto first = m_lines.begin() + from.line;
    const std::size_t replaced = static_cast<std::size_t>(to.line - from.line + 1);
    for (std::size_t k = 0; k < replaced; ++k)
        m_length -= static_cast<int>(first[k].size()) + 2;
    for (const auto& piece : pieces)
        m_length += static_cast<int>(piece.size()) + 2;
    const std::size_t common = std::min(replaced, pieces.size());
    std::move(pieces.begin(), pieces.begin() + common, first);
    if (pieces.size() > replaced)
        m_lines.insert(first + common, std::make_move_iterator(pieces.begin() + common),
                       std::make_move_iterator(pieces.end()));
    else
        m_lines.erase(first + common, first + replaced);

    const int caretLine = from.line + static_cast<int>(pieces.size()) - 1;
    m_validStarts = std::min(m_validStarts, from.line + 1);
    const int caretColumn = static_cast<int>(lastColumn) + (pieces.size() == 1 ? from.column : 0);
    m_selStart = LineStart(caretLine) + caretColumn;
    m_selLength = 0;
    Changed(from.line);
}

void MemoryEditor::ReplaceSelection(std::u32string_view text)
{
    m_undo = {};
    Edit(text);
}

void MemoryEditor::Type(std::u32string_view text)
{
    m_undo.has_value = true;
    m_undo.lines = m_lines;
    m_undo.selStart = m_selStart;
    Edit(text);
}

void MemoryEditor::UndoLastEdit()
{
    if (!m_undo.has_value)
        return;
    m_lines = std::move(m_undo.lines);
    Recount();
    const int caret = m_undo.selStart;
    m_undo = {};
    m_validStarts = 0;
    SetCaret(caret);
    Changed(0);
}

void MemoryEditor::PutLine(int i, std::u32string_view text)
{
    if (i < 0 || i >= static_cast<int>(m_lines.size()))
        return;
    // A plain loop: find_first_of over char32_t tests every character
    // against the set one call at a time.
    if (std::any_of(text.begin(), text.end(), [](char32_t c) { return c == U'\r' || c == U'\n'; })) {
        EditorOps::PutLine(i, text);
        return;
    }
    m_undo = {};
    m_length += static_cast<int>(text.size()) - static_cast<int>(m_lines[i].size());
    m_lines[i].assign(text);
    m_validStarts = std::min(m_validStarts, i + 1);
    m_selStart = LineStart(i) + static_cast<int>(text.size());
    m_selLength = 0;
    Changed(i);
}

void MemoryEditor::LockPainting()
{
    m_locked = true;
}

void MemoryEditor::UnlockPainting()
{
    m_locked = false;
    if (m_pendingChange) {
        m_pendingChange = false;
        NotifyChange();
    }
}

} // namespace korvane
