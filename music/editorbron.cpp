// The editor's characters for the musical model.
#include "music/editorbron.h"

#include <algorithm>

namespace korvane {

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

void EditorRegels::Bereid(int van, int tot)
{
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

Muziekstuk LeesMuziek(const EditorOps& editor, const TabAnalyse& analyse, const Stemming& huidige)
{
    EditorRegels regels(editor);
    return LeesMuziek(regels, analyse, SnaarnamenVan(huidige));
}

} // namespace korvane
