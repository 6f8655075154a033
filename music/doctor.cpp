// The staff doctor's checks and mends.
#include "music/doctor.h"
#include "core/vertaling.h"

#include "core/utf8.h"

#include "core/analysis.h"
#include "core/memoryeditor.h"
#include "music/tabmodel.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

namespace korvane {
namespace {

using Regel = std::u32string_view;

bool IsSpatie(char32_t c)
{
    return c == U' ' || c == U'\t';
}

std::string Aangehaald(std::u32string_view s)
{
    return "\u2018" + Utf8(s) + "\u2019";
}

// What a character that is drawn like a string, a bar or a blank stands in
// for; 0 for any other character. They come from word processors and web
// pages, and each is one column here but often another width on screen,
// and none counts as string or bar for the analysis.
char32_t Bedoeld(char32_t c)
{
    switch (c) {
    case 0x00A0: case 0x2007: case 0x2008: case 0x2009: case 0x200A: case 0x202F: case 0x205F: case 0x3000:
    case 0x2000: case 0x2001: case 0x2002: case 0x2003: case 0x2004: case 0x2005: case 0x2006:
        return U' ';
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212: case 0xFE58:
    case 0xFE63: case 0xFF0D: case 0x23AF: case 0x2500: case 0x2501: case 0x2504: case 0x2505: case 0x2508:
    case 0x2509: case 0x254C: case 0x254D: case 0x2550: case 0x2574: case 0x2576: case 0x2578: case 0x257A:
        return U'-';
    case 0x00A6: case 0x01C0: case 0x2223: case 0x2758: case 0x23D0: case 0xFF5C: case 0xFFE8: case 0x2502:
    case 0x2503: case 0x2506: case 0x2507: case 0x250A: case 0x250B: case 0x254E: case 0x254F: case 0x2551:
    case 0x251C: case 0x2524: case 0x252C: case 0x2534: case 0x253C: case 0x2560: case 0x2563: case 0x256A:
    case 0x256B: case 0x256C: case 0x2575: case 0x2577:
        return U'|';
    default:
        return 0;
    }
}

std::string Codepunt(char32_t c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

// A staff line cut into what the columns are made of: the part before the
// first bar line (indent and label), then each run of bar lines with the
// stretch after it, and beside the staff a remark such as "x3".
struct Lijn {
    int regel = 0;
    std::u32string voor;
    std::vector<int> strepen;             // width of each run of '|'
    std::vector<std::u32string> stukken;  // the stretch after each run
    std::u32string staart;                // from the body's end to the line's end
    bool slotErbij = false;               // closing bar added by the mend

    int Breedte(int eenheid) const
    {
        return static_cast<int>(eenheid == 0 ? voor.size() : stukken[eenheid - 1].size());
    }
    // Column of bar run k.
    int Streep(int k) const
    {
        int c = static_cast<int>(voor.size());
        for (int m = 0; m < k; ++m)
            c += strepen[m] + static_cast<int>(stukken[m].size());
        return c;
    }
    int Lengte() const { return Streep(static_cast<int>(strepen.size())); }
    bool Gesloten() const { return !stukken.empty() && stukken.back().empty(); }
    std::u32string Tekst() const
    {
        std::u32string s = voor;
        for (std::size_t k = 0; k < strepen.size(); ++k)
            s += std::u32string(strepen[k], U'|') + stukken[k];
        return s + staart;
    }
};

Lijn Ontleed(int regel, Regel s)
{
    Lijn l;
    l.regel = regel;
    int eind = static_cast<int>(s.size());
    while (eind > 0 && IsSpatie(s[eind - 1]))
        --eind;
    int laatste = eind - 1;
    while (laatste >= 0 && s[laatste] != U'-' && s[laatste] != U'|')
        --laatste;
    // As the model reads it: text after a blank behind the last string or
    // bar sign is a remark beside the staff.
    int body = eind;
    if (laatste >= 0 && laatste + 1 < eind && IsSpatie(s[laatste + 1]))
        body = laatste + 1;
    l.staart = std::u32string(s.substr(body));
    const Regel b = s.substr(0, body);
    std::size_t i = b.find(U'|');
    l.voor = std::u32string(b.substr(0, std::min(i, b.size())));
    while (i < b.size()) {
        std::size_t j = i;
        while (j < b.size() && b[j] == U'|')
            ++j;
        l.strepen.push_back(static_cast<int>(j - i));
        std::size_t k = j;
        while (k < b.size() && b[k] != U'|')
            ++k;
        l.stukken.emplace_back(b.substr(j, k - j));
        i = k;
    }
    return l;
}

// Indent, a string name and perhaps a ":" and blanks: what a mend may pad
// with blanks.
bool IsLabel(std::u32string_view v)
{
    std::size_t b = 0, e = v.size();
    while (b < e && v[b] == U' ')
        ++b;
    while (e > b && (v[e - 1] == U' ' || v[e - 1] == U':'))
        --e;
    if (e - b > 3)
        return false;
    for (std::size_t i = b; i < e; ++i) {
        const char32_t c = v[i];
        if (!((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'#' || c == U'\u266D' || c == U'\u266F'))
            return false;
    }
    return true;
}

// Removes `n` columns that hold no note from a part; false when it has
// too few of them.
bool Krimp(std::u32string& deel, int n, bool voor)
{
    if (voor && IsLabel(deel)) {
        std::u32string s = deel;
        while (n > 0 && !s.empty() && s.front() == U' ')
            s.erase(0, 1), --n;
        while (n > 0 && !s.empty() && s.back() == U' ')
            s.pop_back(), --n;
        if (n > 0)
            return false;
        deel = s;
        return true;
    }
    // Only string at the end of a bar goes: a note keeps its place in it.
    int weg = 0;
    while (weg < n && weg < static_cast<int>(deel.size()) && deel[deel.size() - 1 - weg] == U'-')
        ++weg;
    if (weg < n)
        return false;
    deel.resize(deel.size() - n);
    return true;
}

bool KanKrimpen(std::u32string deel, int n, bool voor)
{
    return Krimp(deel, n, voor);
}

void Vul(std::u32string& deel, int n, bool voor)
{
    // Labels line up on their bar, so an indent or a short name gets its
    // blanks in front.
    if (voor && IsLabel(deel)) {
        deel.insert(0, static_cast<std::size_t>(n), U' ');
        return;
    }
    const char32_t teken = !voor && !deel.empty() && deel.back() == U' ' ? U' ' : U'-';
    deel.append(static_cast<std::size_t>(n), teken);
}

// The most frequent of the values; a tie goes to the larger.
int Meest(const std::vector<int>& v)
{
    std::map<int, int> tel;
    for (int x : v)
        ++tel[x];
    int beste = v.empty() ? 0 : v[0], keer = 0;
    for (const auto& [x, n] : tel)
        if (n >= keer)
            beste = x, keer = n;
    return beste;
}

class Dokter {
public:
    explicit Dokter(std::span<const std::u32string_view> regels) : m_regels(regels) {}
    std::vector<Diagnose> Onderzoek();

private:
    void Meld(int regel, int kolom, Kwaal k, std::string bericht, std::vector<Wijziging> herstel = {})
    {
        m_uit.push_back({regel, kolom, k, std::move(bericht), std::move(herstel)});
    }
    void Tekens(const Muziekstuk& stuk, const Muziekbalk& b, bool& tabs);
    void Buren(const Muziekstuk& stuk, int k);
    void Uitlijning(const Muziekstuk& stuk, const Muziekbalk& b);

    std::span<const std::u32string_view> m_regels;
    std::vector<std::u32string> m_schoon;  // look-alikes replaced, tabs as blanks
    std::vector<Diagnose> m_uit;
};

std::vector<Diagnose> Dokter::Onderzoek()
{
    // The staffs as they are meant: a staff drawn with en dashes or indented
    // with tabs is still a staff to be mended.
    std::u32string tekst;
    m_schoon.reserve(m_regels.size());
    for (std::size_t r = 0; r < m_regels.size(); ++r) {
        std::u32string s(m_regels[r]);
        for (char32_t& c : s) {
            if (c == U'\t')
                c = U' ';
            else if (const char32_t b = Bedoeld(c))
                c = b;
            tekst += c < 0x80 ? c : U'x';
        }
        tekst += U"\r\n";
        m_schoon.push_back(std::move(s));
    }
    MemoryEditor editor(tekst);
    TabAnalyse analyse;
    analyze(editor, analyse);
    std::vector<std::u32string_view> schoon(m_schoon.begin(), m_schoon.end());
    const Muziekstuk stuk = LeesMuziek(std::span<const std::u32string_view>(schoon), analyse, {});

    for (int k = 0; k < static_cast<int>(stuk.balken.size()); ++k) {
        const Muziekbalk& b = stuk.balken[k];
        bool tabs = false;
        Tekens(stuk, b, tabs);
        Buren(stuk, k);
        for (const Noot& n : stuk.Noten(b))
            if (n.fret > hoogsteFret)
                Meld(n.regel, n.kolom, Kwaal::Fret,
                     Invul(Vertaal("Melding", "Fret %1 ligt boven de %2"),
                         {std::to_string(n.fret), std::to_string(hoogsteFret)}));
        // Columns behind a tab are not what they seem: the alignment is
        // judged once the tabs are mended.
        if (!tabs)
            Uitlijning(stuk, b);
    }
    std::stable_sort(m_uit.begin(), m_uit.end(), [](const Diagnose& x, const Diagnose& y) {
        return x.regel != y.regel ? x.regel < y.regel : x.kolom < y.kolom;
    });
    return std::move(m_uit);
}

void Dokter::Tekens(const Muziekstuk& stuk, const Muziekbalk& b, bool& tabs)
{
    for (const Snaar& snaar : stuk.Snaren(b)) {
        const Regel s = m_regels[snaar.regel];
        bool inhoud = false;
        for (int i = 0; i < static_cast<int>(s.size()); ++i) {
            const char32_t c = s[i];
            if (c == U'\t') {
                tabs = true;
                // One column for one column: blank in the indent, string
                // inside the staff. Expanding to the tab stop would make an
                // indented line too long to count as a staff line; the
                // alignment is mended once the tabs are gone.
                const char32_t vul = !inhoud || s[i - 1] == U' ' ? U' ' : U'-';
                Meld(snaar.regel, i, Kwaal::Tabteken,
                     Vertaal("Melding", "Tabteken in de tablijn: het springt naar een tabstop, zodat de kolommen van de snaren niet "
                                        "gelijk lopen"),
                     {{snaar.regel, i, 1, std::u32string(1, vul)}});
                continue;
            }
            if (c != U' ')
                inhoud = true;
            if (const char32_t bedoeld = Bedoeld(c))
                Meld(snaar.regel, i, Kwaal::Lijkteken,
                     Invul(Vertaal("Melding", "Teken %1 (%2) lijkt op %3 maar is het niet; de kolommen lopen scheef"),
                         {Aangehaald(std::u32string(1, c)), Codepunt(c), Aangehaald(std::u32string(1, bedoeld))}),
                     {{snaar.regel, i, 1, std::u32string(1, bedoeld)}});
        }
    }
}

void Dokter::Buren(const Muziekstuk& stuk, int k)
{
    const int n = static_cast<int>(stuk.balken.size());
    int a, c;
    if (k > 0 && k + 1 < n)
        a = k - 1, c = k + 1;
    else if (k == 0 && n >= 3)
        a = 1, c = 2;
    else if (k == n - 1 && n >= 3)
        a = n - 2, c = n - 3;
    else
        return;
    const auto eigen = stuk.Snaren(stuk.balken[k]);
    const auto x = stuk.Snaren(stuk.balken[a]);
    const auto y = stuk.Snaren(stuk.balken[c]);
    const std::string waar = k > 0 && k + 1 < n ? Vertaal("Melding", "de balken ervoor en erna")
                             : k == 0           ? Vertaal("Melding", "de twee balken erna")
                                                : Vertaal("Melding", "de twee balken ervoor");
    if (x.size() == y.size() && eigen.size() != x.size()) {
        Meld(eigen[0].regel, 0, Kwaal::Snaaraantal,
             Invul(Vertaal("Melding", "Balk heeft %1 snaren, %2 hebben er %3"),
                 {std::to_string(eigen.size()), waar, std::to_string(x.size())}));
        return;
    }
    if (x.size() != eigen.size() || y.size() != eigen.size())
        return;
    auto benoemd = [](std::span<const Snaar> s) {
        return std::all_of(s.begin(), s.end(), [](const Snaar& z) { return !z.naam.empty(); });
    };
    if (!benoemd(eigen) || !benoemd(x) || !benoemd(y))
        return;
    for (std::size_t i = 0; i < eigen.size(); ++i) {
        if (x[i].naam != y[i].naam || eigen[i].naam == x[i].naam)
            continue;
        Meld(eigen[i].regel, eigen[i].naamKolom, Kwaal::Snaarnaam,
             Invul(Vertaal("Melding", "Snaarnaam %1 wijkt af van %2, die hier %3 schrijven"),
                 {Aangehaald(eigen[i].naam), waar, Aangehaald(x[i].naam)}),
             {{eigen[i].regel, eigen[i].naamKolom, static_cast<int>(eigen[i].naam.size()), x[i].naam}});
    }
}

void Dokter::Uitlijning(const Muziekstuk& stuk, const Muziekbalk& b)
{
    const auto snaren = stuk.Snaren(b);
    std::vector<Lijn> lijnen;
    for (const Snaar& s : snaren)
        lijnen.push_back(Ontleed(s.regel, m_schoon[s.regel]));
    if (lijnen.size() < 2)
        return;

    std::size_t meeste = 0;
    bool gesloten = false;
    for (const Lijn& l : lijnen)
        meeste = std::max(meeste, l.strepen.size());
    for (const Lijn& l : lijnen)
        gesloten = gesloten || (l.strepen.size() == meeste && l.Gesloten());
    std::vector<Diagnose> slot;
    if (gesloten) {
        for (Lijn& l : lijnen) {
            if (l.strepen.size() + 1 != meeste || l.Gesloten())
                continue;
            slot.push_back({l.regel, l.Lengte(), Kwaal::Slotstreep,
                            Vertaal("Melding", "Slotstreep ontbreekt: de andere snaren van de balk eindigen op een maatstreep"),
                            {}});
            const Lijn& ander = *std::find_if(lijnen.begin(), lijnen.end(),
                                              [&](const Lijn& x) { return x.strepen.size() == meeste; });
            l.strepen.push_back(ander.strepen.back());
            l.stukken.emplace_back();
            l.slotErbij = true;
        }
    }
    const Lijn* voorbeeld = nullptr;
    for (const Lijn& l : lijnen)
        if (l.strepen.size() == meeste)
            voorbeeld = &l;
    // Bars missing in the middle of a line, or double bars beside single
    // ones: which columns belong together is a guess, so no mend.
    bool raadsel = false;
    for (const Lijn& l : lijnen) {
        if (l.strepen == voorbeeld->strepen)
            continue;
        raadsel = true;
        int kolom = l.Lengte();
        for (std::size_t k = 0; k < voorbeeld->strepen.size(); ++k) {
            const int c = voorbeeld->Streep(static_cast<int>(k));
            const Regel s = m_schoon[l.regel];
            if (c >= static_cast<int>(s.size()) || s[c] != U'|' ||
                (k < l.strepen.size() && l.strepen[k] != voorbeeld->strepen[k])) {
                kolom = std::min(c, static_cast<int>(s.size()));
                break;
            }
        }
        Meld(l.regel, kolom, Kwaal::Maatstreep,
             l.strepen.size() == voorbeeld->strepen.size()
                 ? Vertaal("Melding", "Maatstreep is niet even breed als op de andere snaren van de balk")
                 : Invul(Vertaal("Melding", "Deze snaar heeft %1 maatstrepen, de langste snaar %2; niet automatisch te herstellen"),
                       {std::to_string(l.strepen.size()), std::to_string(voorbeeld->strepen.size())}));
    }
    if (raadsel) {
        for (Diagnose& d : slot)
            m_uit.push_back(std::move(d));
        return;
    }

    // The mend: every part as wide as most lines have it, or as the widest
    // when a line cannot give up the columns without losing a note.
    const int delen = static_cast<int>(meeste) + 1;
    std::vector<Lijn> doel = lijnen;
    for (int j = 0; j < delen; ++j) {
        std::vector<int> breedtes;
        for (const Lijn& l : lijnen)
            breedtes.push_back(l.Breedte(j));
        // The end of the staff is padded to the longest line, as its finding
        // names the short ones.
        int t = j + 1 == delen ? *std::max_element(breedtes.begin(), breedtes.end()) : Meest(breedtes);
        for (const Lijn& l : lijnen) {
            const int w = l.Breedte(j);
            if (w > t && !KanKrimpen(j == 0 ? l.voor : l.stukken[j - 1], w - t, j == 0))
                t = *std::max_element(breedtes.begin(), breedtes.end());
        }
        for (Lijn& l : doel) {
            std::u32string& deel = j == 0 ? l.voor : l.stukken[j - 1];
            const int w = static_cast<int>(deel.size());
            if (w > t)
                Krimp(deel, w - t, j == 0);
            else if (w < t)
                Vul(deel, t - w, j == 0);
        }
    }
    std::vector<Wijziging> herstel;
    for (const Lijn& l : doel) {
        const std::u32string tekst = l.Tekst();
        if (tekst != m_regels[l.regel])
            herstel.push_back({l.regel, 0, static_cast<int>(m_regels[l.regel].size()), tekst});
    }
    for (Diagnose& d : slot) {
        d.herstel = herstel;
        m_uit.push_back(std::move(d));
    }

    std::vector<int> kolommen;
    int langste = 0;
    for (const Lijn& l : lijnen)
        langste = std::max(langste, l.Lengte());
    std::vector<bool> gemeld(lijnen.size(), false);
    for (int k = 0; k < static_cast<int>(meeste); ++k) {
        kolommen.clear();
        for (const Lijn& l : lijnen)
            kolommen.push_back(l.Streep(k));
        const int gewoon = Meest(kolommen);
        for (std::size_t i = 0; i < lijnen.size(); ++i) {
            const Lijn& l = lijnen[i];
            if (gemeld[i] || kolommen[i] == gewoon || (l.slotErbij && k + 1 == static_cast<int>(meeste)))
                continue;
            gemeld[i] = true;
            Meld(l.regel, kolommen[i], Kwaal::Maatstreep,
                 Invul(Vertaal("Melding", "Maatstreep staat in kolom %1, op de andere snaren in kolom %2"),
                     {std::to_string(kolommen[i] + 1), std::to_string(gewoon + 1)}),
                 herstel);
        }
    }
    // A bar out of step makes its line longer or shorter than the others;
    // the bar is the fault to show.
    const bool streepGemeld = std::find(gemeld.begin(), gemeld.end(), true) != gemeld.end();
    for (std::size_t i = 0; i < lijnen.size(); ++i) {
        const Lijn& l = lijnen[i];
        if (streepGemeld || l.slotErbij || l.Lengte() >= langste)
            continue;
        Meld(l.regel, l.Lengte(), Kwaal::Lengte,
             Invul(langste - l.Lengte() == 1 ? Vertaal("Melding", "Tablijn is %1 teken korter dan de langste snaar van de balk")
                                           : Vertaal("Melding", "Tablijn is %1 tekens korter dan de langste snaar van de balk"),
                 {std::to_string(langste - l.Lengte())}),
             herstel);
    }
}

bool Overlapt(const Wijziging& a, const Wijziging& b)
{
    if (a.regel != b.regel)
        return false;
    return a.kolom < b.kolom + std::max(b.lengte, 1) && b.kolom < a.kolom + std::max(a.lengte, 1);
}

} // namespace

std::vector<Diagnose> Controleer(std::span<const std::u32string_view> regels)
{
    return Dokter(regels).Onderzoek();
}

Regelvervanging Samen(std::span<const std::u32string_view> regels, std::span<const Diagnose> diagnoses)
{
    // A mend is taken whole or not at all: half a realigned staff is worse
    // than none.
    std::vector<Wijziging> genomen;
    for (const Diagnose& d : diagnoses) {
        bool vrij = !d.herstel.empty();
        for (const Wijziging& w : d.herstel)
            for (const Wijziging& g : genomen)
                vrij = vrij && !Overlapt(w, g);
        if (vrij)
            genomen.insert(genomen.end(), d.herstel.begin(), d.herstel.end());
    }
    Regelvervanging uit;
    if (genomen.empty())
        return uit;
    std::sort(genomen.begin(), genomen.end(), [](const Wijziging& x, const Wijziging& y) {
        return x.regel != y.regel ? x.regel < y.regel : x.kolom > y.kolom;
    });
    uit.van = genomen.front().regel;
    uit.tot = genomen.back().regel + 1;
    for (int r = uit.van; r < uit.tot; ++r)
        uit.nieuw.emplace_back(regels[r]);
    // Right to left within a line, so that earlier columns still hold.
    for (const Wijziging& w : genomen)
        uit.nieuw[w.regel - uit.van].replace(w.kolom, w.lengte, w.tekst);
    return uit;
}

Regelvervanging HerstelAlles(std::span<const std::u32string_view> regels)
{
    std::vector<std::u32string> nu(regels.begin(), regels.end());
    // A mend can show the next fault (a tab expanded puts bars out of step);
    // a few rounds settle every staff, and a bound keeps a surprise finite.
    for (int ronde = 0; ronde < 8; ++ronde) {
        const std::vector<std::u32string_view> zicht(nu.begin(), nu.end());
        const auto d = Controleer(zicht);
        Regelvervanging v = Samen(zicht, d);
        if (v.van == v.tot)
            break;
        for (std::size_t i = 0; i < v.nieuw.size(); ++i)
            nu[v.van + i] = std::move(v.nieuw[i]);
    }
    Regelvervanging uit;
    int van = 0, tot = static_cast<int>(nu.size());
    while (van < tot && nu[van] == regels[van])
        ++van;
    while (tot > van && nu[tot - 1] == regels[tot - 1])
        --tot;
    uit.van = van;
    uit.tot = tot;
    uit.nieuw.assign(nu.begin() + van, nu.begin() + tot);
    return uit;
}

} // namespace korvane
