// The editor's characters for the musical model.
#include "music/editorbron.h"

#include "core/memoryeditor.h"

#include <algorithm>

namespace korvane {

namespace {

// The lines of the in-memory editor, which views may point into for as long
// as the editor is not changed; null for any other editor.
const std::vector<std::u32string>* EigenRegels(const EditorOps& editor)
{
    const auto* geheugen = dynamic_cast<const MemoryEditor*>(&editor);
    return geheugen ? &geheugen->Lines() : nullptr;
}

} // namespace

Tekstregels::Tekstregels(const EditorOps& editor)
{
    const int n = editor.LineCount();
    // One buffer for all lines, never grown: the text length bounds it, and
    // leaving it uninitialised saves writing it twice.
    m_tekens = std::make_unique_for_overwrite<char32_t[]>(static_cast<std::size_t>(editor.TextLength()) + 1);
    m_regels.reserve(static_cast<std::size_t>(n));
    char32_t* doel = m_tekens.get();
    editor.VisitLines(0, n, [this, &doel](int, std::u32string_view s) {
        char32_t* begin = doel;
        doel = std::copy(s.begin(), s.end(), doel);
        m_regels.emplace_back(begin, s.size());
    });
}

EditorRegels::EditorRegels(const EditorOps& editor)
    : m_editor(editor), m_eigen(EigenRegels(editor)), m_aantal(editor.LineCount())
{
}

void EditorRegels::Bereid(int van, int tot)
{
    if (m_eigen)
        return;
    m_van = van;
    m_begin.clear();
    std::size_t lengte = 0;
    m_editor.VisitLines(van, tot, [this, &lengte](int, std::u32string_view s) {
        m_begin.push_back(lengte);
        if (lengte + s.size() > m_capaciteit) {
            const std::size_t nieuw = std::max(2 * m_capaciteit, lengte + s.size() + 4096);
            auto groter = std::make_unique_for_overwrite<char32_t[]>(nieuw);
            std::copy(m_tekens.get(), m_tekens.get() + lengte, groter.get());
            m_tekens = std::move(groter);
            m_capaciteit = nieuw;
        }
        std::copy(s.begin(), s.end(), m_tekens.get() + lengte);
        lengte += s.size();
    });
    m_begin.push_back(lengte);
}
std::u32string_view EditorRegels::Regel(int i) const
{
    if (m_eigen) {
        if (i < 0 || i >= m_aantal)
            return {};
        return (*m_eigen)[static_cast<std::size_t>(i)];
    }
    if (i < m_van || i + 1 >= m_van + static_cast<int>(m_begin.size()))
        return {};
    const std::size_t k = static_cast<std::size_t>(i - m_van);
    return std::u32string_view(m_tekens.get() + m_begin[k], m_begin[k + 1] - m_begin[k]);
}

std::vector<std::u32string> SnaarnamenVan(const Stemming& stemming)
{
    std::vector<std::u32string> namen;
    for (int i = 0; i < stemming.aantalsnaren; ++i)
        namen.push_back(stemming.snaarnamen[i]);
    return namen;
}

void SchrijfRegels(EditorOps& editor, int van, int tot, std::span<const std::u32string> regels)
{
    std::u32string tekst;
    std::size_t lengte = 0;
    for (const auto& r : regels)
        lengte += r.size() + 2;
    tekst.reserve(lengte);
    for (std::size_t i = 0; i < regels.size(); ++i) {
        if (i > 0)
            tekst += crlf;
        tekst += regels[i];
    }
    const int begin = editor.LineStart(van);
    const int eind = editor.LineStart(tot) + static_cast<int>(editor.GetLine(tot).size());
    editor.SetCaret(begin);
    editor.SetSelectionLength(eind - begin);
    editor.ReplaceSelection(tekst);
}

Muziekstuk LeesMuziek(const EditorOps& editor, const TabAnalyse& analyse, const Stemming& huidige)
{
    EditorRegels regels(editor);
    return LeesMuziek(regels, analyse, SnaarnamenVan(huidige));
}

bool SchrijfRegels(EditorOps& editor, LineSnapshot& snapshot, const Regelvervanging& v)
{
    const int oud = v.tot - v.van;
    const int erbij = static_cast<int>(v.nieuw.size()) - oud;
    if (oud <= 0 || erbij < 0 || v.van < 0 || v.tot > editor.LineCount())
        return false;
    const std::vector<std::u32string>& nieuw = v.nieuw;
    std::vector<std::u32string> vorige;
    for (int r = v.van; r < v.tot; ++r)
        vorige.push_back(editor.GetLine(r));
    editor.LockPainting();
    // New lines go in at the top of the stretch, where a line always
    // follows, so the insertion never depends on what ends the document.
    for (int k = 0; k < erbij; ++k)
        editor.InsertLine(v.van, {});
    for (int k = 0; k < static_cast<int>(nieuw.size()); ++k)
        if (nieuw[k] != (k < erbij ? std::u32string() : vorige[k - erbij]))
            editor.PutLine(v.van + k, nieuw[k]);
    editor.UnlockPainting();
    editor.ClearUndo();
    // Restoring writes the old lines over the top of the stretch and removes
    // the lines added below them.
    snapshot.undoregels = std::move(vorige);
    snapshot.undostart = v.van;
    snapshot.undoeind = v.tot - 1;
    snapshot.toegevoegd = erbij;
    snapshot.aantalRegels = editor.LineCount();
    snapshot.undomogelijk = true;
    return true;
}

} // namespace korvane
