// Editor bytes to characters for the musical model.
#include "music/editorbron.h"

#include "core/cp1252.h"

namespace korvane {
namespace {

std::u32string Tekens(std::string_view bytes)
{
    std::u32string uit(bytes.size(), U'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        uit[i] = Cp1252ToUnicode(static_cast<unsigned char>(bytes[i]));
    return uit;
}

} // namespace

Tekstregels::Tekstregels(const EditorOps& editor)
{
    const int n = editor.LineCount();
    std::vector<std::size_t> begin;
    begin.reserve(static_cast<std::size_t>(n) + 1);
    editor.VisitLines(0, n, [this, &begin](int, std::string_view s) {
        begin.push_back(m_tekens.size());
        const std::size_t start = m_tekens.size();
        m_tekens.resize(start + s.size());
        char32_t* doel = m_tekens.data() + start;
        for (unsigned char b : s)
            *doel++ = b < 0x80 ? b : Cp1252ToUnicode(b);
    });
    begin.push_back(m_tekens.size());
    // Views only once the buffer has stopped growing.
    m_regels.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        m_regels.emplace_back(m_tekens.data() + begin[i], begin[i + 1] - begin[i]);
}

std::vector<std::u32string> SnaarnamenVan(const Stemming& stemming)
{
    std::vector<std::u32string> namen;
    for (int i = 0; i < stemming.aantalsnaren; ++i)
        namen.push_back(Tekens(stemming.snaarnamen[i]));
    return namen;
}

Muziekstuk LeesMuziek(const EditorOps& editor, const TabAnalyse& analyse, const Stemming& huidige)
{
    const Tekstregels tekst(editor);
    return LeesMuziek(tekst.Regels(), analyse, SnaarnamenVan(huidige));
}

} // namespace korvane
