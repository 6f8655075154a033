// The tab analysis.
#include "core/analysis.h"

#include <algorithm>

namespace korvane {
namespace {

struct Telling {
    int streepjes = 0;
    int markeringen = 0;
    int spaties = 0;
};

Telling Tel(std::u32string_view s)
{
    Telling t;
    for (const char32_t c : s) {
        if (c == '-')
            ++t.streepjes;
        else if (c == '|' || c == '.' || c == ',' || c == '+')
            ++t.markeringen;
        else if (c == ' ')
            ++t.spaties;
    }
    return t;
}

} // namespace

bool IsTabLijnTekst(std::u32string_view line)
{
    return SoortVan(line).tab;
}

Regelsoort SoortVan(std::u32string_view line)
{
    const Telling t = Tel(line);
    const int lengte = static_cast<int>(line.size());
    return {lengte > 5 && lengte / 3 < t.streepjes, lengte / 2 < t.spaties && t.markeringen > 5};
}

bool TabAnalyse::IsTabLijn(int line) const
{
    return line >= 0 && line < static_cast<int>(tablijnen.size()) && tablijnen[line];
}

bool TabAnalyse::IsMarkeerLijn(int line) const
{
    return line >= 0 && line < static_cast<int>(markeerlijnen.size()) && markeerlijnen[line];
}

int TabAnalyse::BalkVan(int line) const
{
    const auto begin = tabbalken.begin();
    const auto end = begin + aantalbalken;
    const auto it = std::upper_bound(begin, end, line,
                                     [](int l, const TTabbalk& b) { return l < b.eerste; });
    if (it == begin)
        return -1;
    const auto& balk = *(it - 1);
    return line <= balk.laatste ? static_cast<int>(it - 1 - begin) : -1;
}

namespace {

void Begin(int n, TabAnalyse& a)
{
    a.aantalbalken = 0;
    a.tablijnen.assign(static_cast<std::size_t>(n) + 1, 0);
    a.markeerlijnen.assign(static_cast<std::size_t>(n) + 1, 0);
}

void EersteStap(int i, Regelsoort soort, TabAnalyse& a)
{
    a.tablijnen[i] = soort.tab;
    a.markeerlijnen[i] = soort.markeer;
}

// From the first pass's marks to the staffs.
void Afronden(int n, TabAnalyse& a)
{
    for (int i = 0; i < n; ++i) {
        if (!a.tablijnen[i])
            continue;
        const bool boven = i > 0 && a.tablijnen[i - 1];
        const bool onder = i + 1 < n && a.tablijnen[i + 1];
        a.tablijnen[i] = boven || onder;
    }

    a.tabbalken.assign(1, TTabbalk{});
    for (int i = 0; i < n; ++i) {
        if (!a.tablijnen[i] || (i > 0 && a.tablijnen[i - 1]))
            continue;
        int j = i + 1;
        while (a.tablijnen[j])
            ++j;
        ++a.aantalbalken;
        a.tabbalken.resize(static_cast<std::size_t>(a.aantalbalken) + 1);
        a.tabbalken[a.aantalbalken - 1] = TTabbalk{i, j - 1, j - i};
        i = j - 1;
    }
    a.analyseNodig = false;
    a.nieuweTekst = false;
}

} // namespace

void analyze(const EditorOps& editor, TabAnalyse& a)
{
    const int n = editor.LineCount();
    Begin(n, a);
    editor.VisitLines(0, n, [&a](int i, std::u32string_view s) { EersteStap(i, SoortVan(s), a); });
    Afronden(n, a);
}

void analyze(std::span<const std::u32string_view> regels, TabAnalyse& a)
{
    const int n = static_cast<int>(regels.size());
    Begin(n, a);
    for (int i = 0; i < n; ++i)
        EersteStap(i, SoortVan(regels[static_cast<std::size_t>(i)]), a);
    Afronden(n, a);
}

void analyze(std::span<const Regelsoort> soorten, TabAnalyse& a)
{
    const int n = static_cast<int>(soorten.size());
    Begin(n, a);
    for (int i = 0; i < n; ++i)
        EersteStap(i, soorten[static_cast<std::size_t>(i)], a);
    Afronden(n, a);
}

void RegelsVeranderd(const EditorOps& editor, TabAnalyse& a)
{
    const int regels = editor.LineCount();
    if (regels != a.vorigAantalRegels) {
        a.analyseNodig = true;
        a.vorigAantalRegels = regels;
    }
}

void AnalyseerIndienNodig(const EditorOps& editor, TabAnalyse& a)
{
    if (a.analyseNodig)
        analyze(editor, a);
}

void AnalyseerNaVervanging(const EditorOps& editor, TabAnalyse& a)
{
    if (a.nieuweTekst)
        analyze(editor, a);
}

} // namespace korvane
