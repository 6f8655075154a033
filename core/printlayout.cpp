// Breaking lines into page rows and rows into pages.
#include "core/printlayout.h"

#include "core/analysis.h"

#include <algorithm>

namespace korvane {

namespace {

// Above a staff at most this many lines (count, chord names, timing) are
// taken to belong to it; a blank line or another staff ends them sooner.
constexpr int maxKopregels = 3;
// A string label is a few characters before the staff's first bar line.
constexpr std::size_t maxLabel = 4;

bool Blanco(const std::u32string& s)
{
    return s.find_first_not_of(U" \t") == std::u32string::npos;
}

int LabelVan(const std::u32string& s)
{
    const std::size_t bar = s.find(U'|');
    if (bar == std::u32string::npos || bar >= maxLabel)
        return 0;
    if (s.find(U'-') < bar)
        return 0;
    return static_cast<int>(bar) + 1;
}

int Lengte(const std::u32string& s)
{
    return static_cast<int>(s.size());
}

// One staff or one text line, laid out as blocks of rows that belong
// together: the pieces of a broken staff, or a whole text line.
struct Groep {
    std::vector<std::vector<UitvoerRegel>> blokken;
    bool balk = false;
    int Rijen() const
    {
        int n = 0;
        for (const auto& b : blokken)
            n += static_cast<int>(b.size());
        return n;
    }
};

// A staff of lines boven (above it, belonging to it) and s..e (its string
// lines), broken into pieces of at most `tekens` columns.
Groep BalkGroep(const std::vector<std::u32string>& regels, int eerste, int boven, int s, int e, int tekens,
                bool passend)
{
    Groep g;
    g.balk = true;
    int breedte = 0;
    int label = 0;
    for (int i = boven; i <= e; ++i)
        breedte = std::max(breedte, Lengte(regels[i]));
    for (int i = s; i <= e; ++i)
        label = std::max(label, LabelVan(regels[i]));
    // Labels are repeated only when they leave room for something else.
    if (label >= tekens)
        label = 0;
    const auto barOveral = [&](int kolom) {
        for (int i = s; i <= e; ++i) {
            const std::u32string& r = regels[i];
            if (kolom >= Lengte(r) || r[static_cast<std::size_t>(kolom)] != '|')
                return false;
        }
        return true;
    };
    int van = 0;
    while (true) {
        const int ruimte = van == 0 ? tekens : tekens - label;
        int tot = breedte;
        if (passend && breedte - van > ruimte) {
            tot = van + ruimte;
            // The last bar line that still fits ends the piece; a label's
            // own bar line is no place to break.
            for (int k = tot - 1; k >= std::max(van, label); --k) {
                if (barOveral(k)) {
                    tot = k + 1;
                    break;
                }
            }
        }
        std::vector<UitvoerRegel> blok;
        for (int i = boven; i <= e; ++i) {
            UitvoerRegel u{eerste + i, 0, 0, van, std::min(tot, Lengte(regels[i]))};
            if (van > 0) {
                const int eigen = i >= s ? LabelVan(regels[i]) : 0;
                u.label = std::min(eigen, label);
                u.inspring = label - u.label;
            }
            u.van = std::min(u.van, std::max(u.tot, 0));
            blok.push_back(u);
        }
        g.blokken.push_back(std::move(blok));
        if (tot >= breedte)
            break;
        van = tot;
    }
    return g;
}

// A text line, wrapped after the last space that fits.
Groep TekstGroep(const std::u32string& r, int bron, int tekens, bool passend)
{
    Groep g;
    std::vector<UitvoerRegel> blok;
    const int lengte = Lengte(r);
    int van = 0;
    while (passend && lengte - van > tekens) {
        int tot = van + tekens;
        for (int k = tot - 1; k > van; --k) {
            if (r[static_cast<std::size_t>(k)] == ' ') {
                tot = k + 1;
                break;
            }
        }
        blok.push_back({bron, 0, 0, van, tot});
        van = tot;
    }
    blok.push_back({bron, 0, 0, van, lengte});
    g.blokken.push_back(std::move(blok));
    return g;
}

class Paginering {
public:
    Paginering(int regelsPerPagina, bool balkenHeel) : m_perPagina(regelsPerPagina), m_heel(balkenHeel)
    {
        m_paginas.emplace_back();
    }

    void Plaats(const Groep& g)
    {
        if (m_heel && g.balk) {
            const int rijen = g.Rijen();
            if (rijen <= m_perPagina) {
                if (rijen > Ruimte())
                    NieuwePagina();
                for (const auto& blok : g.blokken)
                    Regels(blok);
                return;
            }
            for (const auto& blok : g.blokken) {
                const int n = static_cast<int>(blok.size());
                if (n <= m_perPagina ? n > Ruimte() : MinderBrekenOpNieuwePagina(n))
                    NieuwePagina();
                Regels(blok);
            }
            return;
        }
        for (const auto& blok : g.blokken)
            Regels(blok);
    }

    std::vector<AfdrukPagina> Klaar(bool extraPagina)
    {
        if (extraPagina && static_cast<int>(m_paginas.back().size()) >= m_perPagina)
            m_paginas.emplace_back();
        if (!extraPagina && m_paginas.size() > 1 && m_paginas.back().empty())
            m_paginas.pop_back();
        return std::move(m_paginas);
    }

private:
    // A block taller than a page is split anyway; it moves to a new page only
    // when that splits it fewer times than starting in the room left here.
    bool MinderBrekenOpNieuwePagina(int n) const
    {
        const int ruimte = Ruimte();
        if (ruimte <= 0)
            return false;
        const int hier = (n - ruimte + m_perPagina - 1) / m_perPagina;
        const int nieuw = (n + m_perPagina - 1) / m_perPagina - 1;
        return nieuw < hier;
    }
    int Ruimte() const { return m_perPagina - static_cast<int>(m_paginas.back().size()); }
    void NieuwePagina()
    {
        if (!m_paginas.back().empty())
            m_paginas.emplace_back();
    }
    // Row by row, onto a new page whenever one is full.
    void Regels(const std::vector<UitvoerRegel>& blok)
    {
        for (const UitvoerRegel& u : blok) {
            if (Ruimte() <= 0)
                m_paginas.emplace_back();
            m_paginas.back().push_back(u);
        }
    }

    int m_perPagina;
    bool m_heel;
    std::vector<AfdrukPagina> m_paginas;
};

} // namespace

std::u32string UitvoerRegel::Tekst(const std::u32string& regel) const
{
    std::u32string t;
    const std::size_t n = regel.size();
    const auto stuk = [&](int a, int b) {
        const std::size_t va = std::min(n, static_cast<std::size_t>(std::max(0, a)));
        const std::size_t tb = std::min(n, static_cast<std::size_t>(std::max(0, b)));
        if (tb > va)
            t.append(regel, va, tb - va);
    };
    stuk(0, label);
    t.append(static_cast<std::size_t>(std::max(0, inspring)), U' ');
    stuk(van, tot);
    return t;
}

int AfdrukIndeling::PaginaVanRegel(int bron) const
{
    int pagina = 1;
    for (int p = 0; p < AantalPaginas(); ++p) {
        const AfdrukPagina& blad = paginas[static_cast<std::size_t>(p)];
        if (blad.empty())
            continue;
        if (blad.front().bron > bron)
            break;
        pagina = p + 1;
    }
    return pagina;
}

int LangsteRegel(const std::vector<std::u32string>& regels)
{
    std::size_t langste = 0;
    for (const std::u32string& r : regels)
        langste = std::max(langste, r.size());
    return static_cast<int>(langste);
}

AfdrukIndeling DeelIn(const std::vector<std::u32string>& regels, int eerste, int tekensPerRegel,
                      int regelsPerPagina, IndelingOpties opties, bool extraPagina)
{
    const int tekens = std::max(1, tekensPerRegel);
    const int n = static_cast<int>(regels.size());
    // Staff lines as the tab analysis sees them: a lone one is none.
    std::vector<char> tab(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 0; i < n; ++i)
        tab[static_cast<std::size_t>(i)] = IsTabLijnTekst(regels[static_cast<std::size_t>(i)]);
    for (int i = 0; i < n; ++i)
        if (tab[i] && !(i > 0 && tab[i - 1]) && !tab[i + 1])
            tab[i] = 0;

    Paginering paginering(std::max(1, regelsPerPagina), opties.balkenHeel);
    // In order, each staff taking the lines above it that belong to it.
    int volgende = 0; // first line not laid out yet
    int i = 0;
    while (i < n) {
        if (!tab[i]) {
            ++i;
            continue;
        }
        int e = i;
        while (e + 1 < n && tab[e + 1])
            ++e;
        int boven = i;
        while (boven > volgende && i - boven < maxKopregels && !tab[boven - 1] &&
               !Blanco(regels[static_cast<std::size_t>(boven - 1)]))
            --boven;
        for (int t = volgende; t < boven; ++t)
            paginering.Plaats(TekstGroep(regels[static_cast<std::size_t>(t)], eerste + t, tekens, opties.passend));
        paginering.Plaats(BalkGroep(regels, eerste, boven, i, e, tekens, opties.passend));
        volgende = e + 1;
        i = e + 1;
    }
    for (int t = volgende; t < n; ++t)
        paginering.Plaats(TekstGroep(regels[static_cast<std::size_t>(t)], eerste + t, tekens, opties.passend));

    AfdrukIndeling indeling;
    indeling.paginas = paginering.Klaar(extraPagina);
    return indeling;
}

} // namespace korvane
