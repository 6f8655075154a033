// Reading staffs into strings, bars and notes.
#include "music/tabmodel.h"
#include "core/vertaling.h"

#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <iterator>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace korvane {
namespace {

using Regel = std::u32string_view;

bool IsCijfer(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool IsSpatie(char32_t c)
{
    return c == U' ' || c == U'\t';
}

bool IsLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

char32_t Klein(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c + 32 : c;
}

std::string Aangehaald(std::u32string_view s)
{
    return "\u2018" + Utf8(s) + "\u2019";
}

// The first position from `i` on in [i, eind) that holds no '-'. Most of a
// staff is string, so this runs over most of the characters of a document:
// four at a time where the processor can compare them so.
int NaStreepjes(const char32_t* s, int i, int eind)
{
#if defined(__SSE2__)
    const __m128i streepje = _mm_set1_epi32(U'-');
    for (; i + 4 <= eind; i += 4) {
        const __m128i vier = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const int gelijk = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(vier, streepje)));
        if (gelijk != 0xF)
            return i + __builtin_ctz(~gelijk & 0xF);
    }
#endif
    while (i < eind && s[i] == U'-')
        ++i;
    return i;
}

Regel Trim(Regel s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && IsSpatie(s[b]))
        ++b;
    while (e > b && IsSpatie(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool IsLeeg(Regel s)
{
    return Trim(s).empty();
}

// "x3", "3x", "x 3", "(x3)", "×3": how often something is played; -1 if not.
int LeesKeer(Regel s)
{
    s = Trim(s);
    if (s.size() >= 2 && s.front() == U'(' && s.back() == U')')
        s = Trim(s.substr(1, s.size() - 2));
    auto isX = [](char32_t c) { return c == U'x' || c == U'X' || c == U'×'; };
    Regel getal;
    if (!s.empty() && isX(s.front()))
        getal = Trim(s.substr(1));
    else if (!s.empty() && isX(s.back()))
        getal = Trim(s.substr(0, s.size() - 1));
    else
        return -1;
    if (getal.empty() || getal.size() > 2)
        return -1;
    int n = 0;
    for (char32_t c : getal) {
        if (!IsCijfer(c))
            return -1;
        n = n * 10 + static_cast<int>(c - U'0');
    }
    return n;
}

// Palm-mute marks: "PM----", "P.M. - - -|", several to a line. Empty when the
// line holds anything else.
std::vector<PalmMute> LeesPmRegel(Regel s)
{
    std::vector<PalmMute> uit;
    std::size_t i = 0;
    auto bereik = [](char32_t c) { return c == U'-' || c == U'.' || c == U'_' || c == U'|' || c == U'\''; };
    while (i < s.size()) {
        if (IsSpatie(s[i])) {
            ++i;
            continue;
        }
        std::size_t lengte = 0;
        if (i + 1 < s.size() && Klein(s[i]) == U'p' && Klein(s[i + 1]) == U'm')
            lengte = 2;
        else if (i + 3 < s.size() && Klein(s[i]) == U'p' && s[i + 1] == U'.' && Klein(s[i + 2]) == U'm')
            lengte = s[i + 3] == U'.' ? 4 : 3;
        if (lengte == 0)
            return {};
        PalmMute pm{static_cast<int>(i), static_cast<int>(i + lengte)};
        std::size_t j = i + lengte;
        while (j < s.size()) {
            if (bereik(s[j])) {
                pm.eind = static_cast<int>(j) + 1;
                ++j;
            } else if (IsSpatie(s[j]) && j + 1 < s.size() && bereik(s[j + 1])) {
                ++j;
            } else {
                break;
            }
        }
        uit.push_back(pm);
        i = j;
    }
    return uit;
}

bool IsTelregel(Regel s)
{
    int tekens = 0;
    for (char32_t c : s) {
        if (IsSpatie(c))
            continue;
        if (!IsCijfer(c) && c != U'|' && c != U'.' && c != U',' && c != U'+' && c != U'&')
            return false;
        ++tekens;
    }
    return tekens >= 3;
}

// The sounding pitch above the open string of a natural harmonic at a fret.
int FlageoletInterval(int fret)
{
    switch (fret) {
    case 12: return 12;
    case 7: case 19: return 19;
    case 5: case 24: return 24;
    case 4: case 9: case 16: return 28;
    case 3: return 31;
    default: return -1;
    }
}

Techniek TechniekVan(char32_t c)
{
    switch (c) {
    case U'h': return Techniek::Hamer;
    case U'p': return Techniek::Aftrek;
    case U'b': return Techniek::Buig;
    case U'r': return Techniek::Terug;
    case U'/': return Techniek::GlijOp;
    case U'\\': return Techniek::GlijAf;
    case U's': return Techniek::Glij;
    case U't': return Techniek::Tik;
    default: return Techniek::Geen;
    }
}

struct Label {
    std::u32string naam;
    int naamKolom = -1;
    int begin = 0;
};

Label LeesLabel(Regel s)
{
    Label l;
    std::size_t i = 0;
    while (i < s.size() && IsSpatie(s[i]))
        ++i;
    l.begin = static_cast<int>(i);
    const auto n = LeesNootnaam(s.substr(i));
    if (!n)
        return l;
    std::size_t k = i + n->lengte;
    while (k < s.size() && IsSpatie(s[k]))
        ++k;
    if (k >= s.size() || (s[k] != U'|' && s[k] != U':' && s[k] != U'-'))
        return l;
    l.naam = std::u32string(s.substr(i, n->lengte));
    l.naamKolom = static_cast<int>(i);
    l.begin = static_cast<int>(s[k] == U':' ? k + 1 : k);
    return l;
}

// A staff's share of one of the Muziekstuk's tables while the staff is
// read: its items go straight to the table's end, so that keeping them
// when the staff is done costs nothing. Pointers into it last until the
// table grows, as with a vector of its own.
template <typename T>
class Tabeldeel {
public:
    explicit Tabeldeel(std::vector<T>& tabel) : m_tabel(tabel) {}
    // A new staff's share starts empty at the table's end.
    void clear() { m_begin = m_tabel.size(); }
    std::size_t size() const { return m_tabel.size() - m_begin; }
    bool empty() const { return size() == 0; }
    T& operator[](std::size_t i) { return m_tabel[m_begin + i]; }
    const T& operator[](std::size_t i) const { return m_tabel[m_begin + i]; }
    T* data() { return m_tabel.data() + m_begin; }
    T* begin() { return data(); }
    T* end() { return m_tabel.data() + m_tabel.size(); }
    const T* begin() const { return m_tabel.data() + m_begin; }
    const T* end() const { return m_tabel.data() + m_tabel.size(); }
    std::reverse_iterator<T*> rbegin() { return std::reverse_iterator<T*>(end()); }
    std::reverse_iterator<T*> rend() { return std::reverse_iterator<T*>(begin()); }
    T& back() { return m_tabel.back(); }
    void push_back(T item) { m_tabel.push_back(std::move(item)); }
    // Only at the end, where a share grows.
    template <typename It>
    void insert(const T*, It van, It tot)
    {
        m_tabel.insert(m_tabel.end(), van, tot);
    }
    template <typename It>
    void assign(It van, It tot)
    {
        m_tabel.erase(m_tabel.begin() + static_cast<std::ptrdiff_t>(m_begin), m_tabel.end());
        m_tabel.insert(m_tabel.end(), van, tot);
    }
    Bereik Deel() const { return {static_cast<int>(m_begin), static_cast<int>(size())}; }

private:
    std::vector<T>& m_tabel;
    std::size_t m_begin = 0;
};

// A staff while it is read, its items straight in the tables, so that
// reading allocates only while the tables grow.
struct Werkbalk {
    explicit Werkbalk(Muziekstuk& uit)
        : snaren(uit.snaren), maatstrepen(uit.maatstrepen), maten(uit.maten), noten(uit.noten),
          klanken(uit.klanken), akkoorden(uit.akkoorden), tijden(uit.tijden), palmMutes(uit.palmMutes)
    {
    }
    TTabbalk bron;
    Tabeldeel<Snaar> snaren;
    bool stemmingUitNamen = false;
    int capo = 0;
    Tabeldeel<Maatstreep> maatstrepen;
    Tabeldeel<Maat> maten;
    std::vector<Noot>& noten;
    std::size_t eersteNoot = 0;
    std::vector<Klank>& klanken;
    std::size_t eersteKlank = 0;
    int akkoordregel = -1;
    Tabeldeel<Akkoordnaam> akkoorden;
    int tijdregel = -1;
    Tabeldeel<Tijdteken> tijden;
    int telregel = -1;
    Tabeldeel<PalmMute> palmMutes;
    int keer = 1;

    void Begin(const TTabbalk& b, int c)
    {
        bron = b;
        capo = c;
        stemmingUitNamen = false;
        akkoordregel = tijdregel = telregel = -1;
        keer = 1;
        snaren.clear();
        maatstrepen.clear();
        maten.clear();
        eersteNoot = noten.size();
        eersteKlank = klanken.size();
        akkoorden.clear();
        tijden.clear();
        palmMutes.clear();
    }
};


// A ':' or '*' beside bar lines, resolved once the bar lines are known.
struct Punt {
    int regel;
    int kolom;
};

class BalkLezer {
public:
    BalkLezer(Regelbron& bron, const TabAnalyse& analyse, const std::vector<std::u32string>& terugval,
              Muziekstuk& uit)
        : m_bron(bron), m_analyse(analyse), m_terugval(terugval), m_uit(uit), m_werk(uit)
    {
    }

    // Makes lines [van, tot) readable, as Regelbron::Bereid, and keeps them
    // at hand for the staff that ends there.
    void Bereid(int van, int tot);
    // A line as the source gives it; those of the prepared stretch without
    // asking it again.
    Regel Lijn(int i) const
    {
        const auto k = static_cast<std::size_t>(i - m_van);
        return k < m_lijnen.size() ? m_lijnen[k] : m_bron.Regel(i);
    }
    void Lees(const TTabbalk& bron, int capo);
    void Bewaar(Werkbalk& b);

private:
    void Meld(int regel, int kolom, std::string bericht)
    {
        m_uit.bevindingen.push_back({regel, kolom, std::move(bericht)});
    }
    void Stemming(Werkbalk& b);
    void Omgeving(Werkbalk& b, int eersteSnaarRegel);
    void LeesSnaar(Werkbalk& b, int snaar);
    void Maatstrepen(Werkbalk& b);
    void Afronden(Werkbalk& b);

    Regelbron& m_bron;
    int m_van = 0;
    std::vector<Regel> m_lijnen;        // the prepared stretch, from m_van on
    const TabAnalyse& m_analyse;
    const std::vector<std::u32string>& m_terugval;
    Muziekstuk& m_uit;

    // Per staff, reused.
    std::vector<int> m_streepRegels;    // per '|' in a body: its line
    std::vector<int> m_streepKolommen;
    std::vector<Punt> m_punten;
    std::vector<int> m_eind;            // per string: end of its body
    bool m_openingApart = false;        // labels of unequal width
    std::vector<int> m_strepen, m_kandidaten;
    std::vector<Akkoordnaam> m_akkoorden;
    std::vector<Woord> m_onbekend;
    std::vector<Tijdteken> m_tijden;
    // Consecutive staffs nearly always share their labels.
    std::vector<std::u32string> m_namen;
    std::vector<int> m_open;
    Werkbalk m_werk;
    std::vector<int> m_telling;
    std::vector<Noot> m_sorteer;
};

void BalkLezer::Bereid(int van, int tot)
{
    m_bron.Bereid(van, tot);
    m_van = van;
    m_lijnen.clear();
    // Asked for all at once, the stretch's characters come from memory
    // side by side, rather than one line's wait after another's.
    for (int i = van; i < tot; ++i) {
        const Regel s = m_bron.Regel(i);
        m_lijnen.push_back(s);
        for (std::size_t o = 0; o < s.size(); o += 16)
            __builtin_prefetch(s.data() + o);
    }
}

void BalkLezer::Lees(const TTabbalk& bron, int capo)
{
    Werkbalk& b = m_werk;
    b.Begin(bron, capo);
    int eerste = bron.eerste;
    // A palm-mute line drawn with hyphens counts as a staff line to the
    // analysis; musically it belongs above the staff.
    while (eerste < bron.laatste) {
        auto pm = LeesPmRegel(Lijn(eerste));
        if (pm.empty())
            break;
        b.palmMutes.insert(b.palmMutes.end(), pm.begin(), pm.end());
        ++eerste;
    }
    for (int r = eerste; r <= bron.laatste; ++r) {
        Label l = LeesLabel(Lijn(r));
        b.snaren.push_back({r, std::move(l.naam), l.naamKolom, l.begin, -1});
    }
    Stemming(b);
    Omgeving(b, eerste);

    m_streepRegels.clear();
    m_streepKolommen.clear();
    m_punten.clear();
    m_eind.assign(b.snaren.size(), 0);
    m_openingApart = std::any_of(b.snaren.begin(), b.snaren.end(),
                                 [&](const Snaar& s) { return s.begin != b.snaren[0].begin; });
    if (m_openingApart)
        Meld(eerste, b.snaren[0].begin,
             Vertaal("Melding", "Snaarnamen zijn niet even breed: de kolommen van de snaren lopen niet gelijk"));
    for (int s = 0; s < static_cast<int>(b.snaren.size()); ++s)
        LeesSnaar(b, s);

    const int onder = bron.laatste + 1;
    if (onder < m_bron.Aantal()) {
        const int keer = LeesKeer(Lijn(onder));
        if (keer > 0)
            b.keer = std::max(b.keer, keer);
    }
    Maatstrepen(b);
    Afronden(b);
    Bewaar(b);
}

void BalkLezer::Bewaar(Werkbalk& b)
{
    Muziekbalk m;
    m.bron = b.bron;
    m.snaren = b.snaren.Deel();
    m.maatstrepen = b.maatstrepen.Deel();
    m.maten = b.maten.Deel();
    m.noten = {static_cast<int>(b.eersteNoot), static_cast<int>(b.noten.size() - b.eersteNoot)};
    m.klanken = {static_cast<int>(b.eersteKlank), static_cast<int>(b.klanken.size() - b.eersteKlank)};
    m.akkoorden = b.akkoorden.Deel();
    m.tijden = b.tijden.Deel();
    m.palmMutes = b.palmMutes.Deel();
    m.stemmingUitNamen = b.stemmingUitNamen;
    m.capo = b.capo;
    m.akkoordregel = b.akkoordregel;
    m.tijdregel = b.tijdregel;
    m.telregel = b.telregel;
    m.keer = b.keer;
    m_uit.balken.push_back(m);
}

void BalkLezer::Stemming(Werkbalk& b)
{
    const int n = static_cast<int>(b.snaren.size());
    const int metNaam = static_cast<int>(
        std::count_if(b.snaren.begin(), b.snaren.end(), [](const Snaar& s) { return !s.naam.empty(); }));
    // Consecutive staffs nearly always share their labels: their tuning is
    // used where it is kept, not copied for each staff.
    std::vector<int> eigen;
    const std::vector<int>* open = &eigen;
    if (n > 8) {
        // More strings than any tab instrument: most likely two staffs
        // written without a blank line between them, which the analysis
        // takes as one. Better no pitches than wrong ones.
        Meld(b.snaren[0].regel, 0,
             Invul(Vertaal("Melding", "Balk van %1 snaren: toonhoogtes niet bepaald (twee balken zonder lege regel ertussen?)"),
                 {std::to_string(n)}));
    } else if (metNaam == n) {
        bool zelfde = static_cast<int>(m_namen.size()) == n;
        for (int i = 0; zelfde && i < n; ++i)
            zelfde = m_namen[i] == b.snaren[n - 1 - i].naam;
        if (!zelfde) {
            m_namen.clear();
            for (auto it = b.snaren.rbegin(); it != b.snaren.rend(); ++it)
                m_namen.push_back(it->naam);
            m_open = StemmingVanNamen(m_namen);
        }
        open = &m_open;
        b.stemmingUitNamen = true;
    } else {
        if (metNaam > 0)
            Meld(b.snaren[0].regel, 0, Vertaal("Melding", "Niet alle snaren van de balk hebben een naam; de namen worden genegeerd"));
        std::u32string tekst;
        for (const auto& naam : m_terugval)
            tekst += naam;
        if (static_cast<int>(m_terugval.size()) == n) {
            eigen = StemmingVanNamen(m_terugval);
            if (eigen.empty())
                Meld(b.snaren[0].regel, 0,
                     Invul(Vertaal("Melding", "De huidige stemming %1 bestaat niet uit nootnamen; toonhoogtes onbekend"),
                         {Aangehaald(tekst)}));
        } else {
            eigen = StandaardStemming(n);
            std::string bericht =
                eigen.empty()
                    ? Invul(Vertaal("Melding", "Balk van %1 snaren zonder namen, maar de huidige stemming %2 heeft er %3; "
                                             "toonhoogtes onbekend"),
                          {std::to_string(n), Aangehaald(tekst), std::to_string(m_terugval.size())})
                    : Invul(Vertaal("Melding", "Balk van %1 snaren zonder namen, maar de huidige stemming %2 heeft er %3; "
                                             "de gewone stemming voor %1 snaren gebruikt"),
                          {std::to_string(n), Aangehaald(tekst), std::to_string(m_terugval.size())});
            Meld(b.snaren[0].regel, 0, std::move(bericht));
        }
    }
    if (static_cast<int>(open->size()) == n)
        for (int i = 0; i < n; ++i)
            b.snaren[i].open = (*open)[n - 1 - i];
}

bool LeesTijdregelIn(Regel s, std::vector<Tijdteken>& tijden);

void BalkLezer::Omgeving(Werkbalk& b, int eersteSnaarRegel)
{
    auto& akkoorden = m_akkoorden;
    auto& onbekend = m_onbekend;
    auto& tijden = m_tijden;
    for (int r = eersteSnaarRegel - 1; r >= 0 && r >= eersteSnaarRegel - 4; --r) {
        if (m_analyse.IsTabLijn(r) && r < b.bron.eerste)
            break;
        const Regel s = Lijn(r);
        if (IsLeeg(s))
            break;
        if (r >= b.bron.eerste) // a palm-mute line the analysis counted in
            continue;
        if (b.tijdregel < 0 && LeesTijdregelIn(s, tijden)) {
            b.tijdregel = r;
            b.tijden.assign(tijden.begin(), tijden.end());
        } else if (b.telregel < 0 && (m_analyse.IsMarkeerLijn(r) || IsTelregel(s))) {
            b.telregel = r;
        } else if (auto pm = LeesPmRegel(s); !pm.empty()) {
            b.palmMutes.insert(b.palmMutes.end(), pm.begin(), pm.end());
        } else if (b.akkoordregel < 0 && LeesAkkoordregel(s, akkoorden, onbekend)) {
            b.akkoordregel = r;
            b.akkoorden.assign(std::make_move_iterator(akkoorden.begin()), std::make_move_iterator(akkoorden.end()));
            for (const Woord& w : onbekend)
                Meld(r, w.kolom, Invul(Vertaal("Melding", "Woord %1 op de akkoordregel is geen akkoord"),
                                     {Aangehaald(s.substr(w.kolom, w.lengte))}));
        } else {
            break;
        }
    }
}

void BalkLezer::LeesSnaar(Werkbalk& b, int si)
{
    const Snaar& snaar = b.snaren[si];
    const Regel s = Lijn(snaar.regel);
    const int open = snaar.open >= 0 ? snaar.open + b.capo : -1;

    // The body ends at its last '-' or '|'; text after a space there is a
    // remark beside the staff, read only for a repeat count.
    int eind = static_cast<int>(s.size());
    while (eind > snaar.begin && IsSpatie(s[eind - 1]))
        --eind;
    int laatste = eind - 1;
    while (laatste >= snaar.begin && s[laatste] != U'-' && s[laatste] != U'|')
        --laatste;
    if (laatste >= snaar.begin && laatste + 1 < eind && IsSpatie(s[laatste + 1])) {
        const Regel staart = Trim(s.substr(laatste + 1, eind - laatste - 1));
        const int keer = LeesKeer(staart);
        if (keer > 0)
            b.keer = std::max(b.keer, keer);
        else
            Meld(snaar.regel, static_cast<int>(staart.data() - s.data()),
                 Invul(Vertaal("Melding", "Tekst naast de balk niet begrepen: %1"), {Aangehaald(staart)}));
        eind = laatste + 1;
    }
    m_eind[si] = eind;

    int vorige = -1;          // index of the last note on this string
    int naVorige = -1;        // column just after it (and its ~ or =)
    Techniek wacht = Techniek::Geen;
    auto nieuweNoot = [&](int kolom, int lengte, int fret, Aanslag aanslag) {
        Noot n;
        n.snaar = static_cast<std::int16_t>(si);
        n.regel = snaar.regel;
        n.kolom = kolom;
        n.lengte = static_cast<std::int8_t>(lengte);
        n.fret = static_cast<std::int8_t>(fret);
        n.aanslag = aanslag;
        n.via = wacht;
        if (fret >= 0 && open >= 0) {
            if (aanslag == Aanslag::Flageolet) {
                const int interval = FlageoletInterval(fret);
                if (interval < 0)
                    Meld(snaar.regel, kolom, Invul(Vertaal("Melding", "Flageolet op fret %1 heeft geen bekende toonhoogte"),
                                                 {std::to_string(fret)}));
                else
                    n.toonhoogte = static_cast<std::int16_t>(open + interval);
            } else {
                n.toonhoogte = static_cast<std::int16_t>(open + fret);
            }
        }
        wacht = Techniek::Geen;
        vorige = static_cast<int>(b.noten.size());
        b.noten.push_back(n);
    };
    // Reads one or two digits at i; a longer run is no fret.
    auto leesFret = [&](int i, int& lengte) {
        int j = i;
        while (j < eind && IsCijfer(s[j]))
            ++j;
        lengte = j - i;
        if (lengte > 2 || lengte == 0)
            return -1;
        return lengte == 1 ? static_cast<int>(s[i] - U'0')
                           : static_cast<int>((s[i] - U'0') * 10 + (s[i + 1] - U'0'));
    };

    for (int i = snaar.begin; i < eind;) {
        const char32_t c = s[i];
        if (c == U'-') {
            i = NaStreepjes(s.data(), i + 1, eind);
            wacht = Techniek::Geen;
        } else if (IsSpatie(c)) {
            wacht = Techniek::Geen;
            ++i;
        } else if (c == U'|') {
            if (!(m_openingApart && i == snaar.begin)) {
                m_streepRegels.push_back(snaar.regel);
                m_streepKolommen.push_back(i);
            }
            wacht = Techniek::Geen;
            vorige = -1;
            ++i;
        } else if (IsCijfer(c)) {
            int lengte = 0;
            const int fret = leesFret(i, lengte);
            if (fret < 0) {
                Meld(snaar.regel, i, Invul(Vertaal("Melding", "Getal %1 is geen fret (meer dan twee cijfers)"),
                                         {Aangehaald(s.substr(i, lengte))}));
            } else {
                nieuweNoot(i, lengte, fret, Aanslag::Gewoon);
                naVorige = i + lengte;
            }
            i += lengte;
        } else if (c == U'x' || c == U'X') {
            nieuweNoot(i, 1, -1, Aanslag::Gedempt);
            naVorige = ++i;
        } else if (c == U'(' || c == U'<' || c == U'[') {
            const char32_t sluit = c == U'(' ? U')' : c == U'<' ? U'>' : U']';
            int lengte = 0;
            const int fret = i + 1 < eind && IsCijfer(s[i + 1]) ? leesFret(i + 1, lengte) : -1;
            if (fret < 0 || i + 1 + lengte >= eind || s[i + 1 + lengte] != sluit) {
                Meld(snaar.regel, i, Invul(Vertaal("Melding", "Teken %1 zonder fret en sluitteken erachter niet begrepen"),
                                         {Aangehaald(s.substr(i, 1))}));
                ++i;
                continue;
            }
            nieuweNoot(i + 1, lengte, fret,
                       c == U'(' ? Aanslag::Spook : c == U'<' ? Aanslag::Flageolet : Aanslag::KunstFlageolet);
            i += lengte + 2;
            naVorige = i;
        } else if (const Techniek t = TechniekVan(c);
                   // A technique letter followed by another letter is part of
                   // a word, read as such below.
                   t != Techniek::Geen && !(IsLetter(c) && i + 1 < eind && IsLetter(s[i + 1]))) {
            if (vorige >= 0 && naVorige == i)
                b.noten[vorige].naar = t;
            wacht = t;
            ++i;
        } else if (c == U'~' || c == U'=') {
            if (vorige < 0 || naVorige != i) {
                Meld(snaar.regel, i, Invul(Vertaal("Melding", "Teken %1 zonder noot ervoor"), {Aangehaald(s.substr(i, 1))}));
            } else if (c == U'~') {
                b.noten[vorige].vibrato = true;
                naVorige = i + 1;
            } else {
                b.noten[vorige].aangehoudenTot = i;
                naVorige = i + 1;
            }
            ++i;
        } else if (c == U':' || c == U'*') {
            m_punten.push_back({snaar.regel, i});
            ++i;
        } else {
            // A word written into the string ("let ring") is one finding,
            // not one per letter.
            int j = i + 1;
            while (j < eind && s[j] != U'-' && s[j] != U'|' && !IsSpatie(s[j]) && !IsCijfer(s[j]))
                ++j;
            Meld(snaar.regel, i,
                 Invul(j - i == 1 ? Vertaal("Melding", "Teken %1 in de tablijn niet begrepen")
                                : Vertaal("Melding", "Tekst %1 in de tablijn niet begrepen"),
                     {Aangehaald(s.substr(i, j - i))}));
            wacht = Techniek::Geen;
            i = j;
        }
    }
}

void BalkLezer::Maatstrepen(Werkbalk& b)
{
    const int n = static_cast<int>(b.snaren.size());
    int breedte = 0;
    int minBegin = b.snaren.empty() ? 0 : b.snaren[0].begin;
    for (int s = 0; s < n; ++s) {
        breedte = std::max(breedte, m_eind[s]);
        minBegin = std::min(minBegin, b.snaren[s].begin);
    }
    // A column is a bar line when every string whose body reaches it has a
    // '|' there; ragged line ends do not break a bar line. Only columns that
    // hold a '|' somewhere are looked at.
    auto& strepen = m_strepen;
    strepen.assign(breedte + 2, 0);
    m_kandidaten.clear();
    for (int k : m_streepKolommen)
        if (strepen[k]++ == 0)
            m_kandidaten.push_back(k);
    std::sort(m_kandidaten.begin(), m_kandidaten.end());
    constexpr int kStreep = -1, kGeenStreep = -2;
    for (int c : m_kandidaten) {
        int dekking = 0;
        for (int s = 0; s < n; ++s)
            dekking += b.snaren[s].begin <= c && c < m_eind[s];
        const bool streep = strepen[c] >= std::min(2, n) && strepen[c] == dekking;
        strepen[c] = streep ? kStreep : kGeenStreep;
        if (!streep)
            continue;
        if (c > 0 && strepen[c - 1] == kStreep)
            ++b.maatstrepen.back().breedte;
        else
            b.maatstrepen.push_back({c, 1, false, false});
    }
    // With labels of unequal width the one finding about that says it all.
    for (std::size_t k = 0; k < m_streepKolommen.size() && !m_openingApart; ++k)
        if (strepen[m_streepKolommen[k]] == kGeenStreep)
            Meld(m_streepRegels[k], m_streepKolommen[k], Vertaal("Melding", "Maatstreep staat niet op alle snaren"));

    for (const Punt& p : m_punten) {
        bool naast = false;
        for (Maatstreep& m : b.maatstrepen) {
            if (m.kolom + m.breedte == p.kolom) {
                m.herhaalBegin = naast = true;
                break;
            }
            if (m.kolom == p.kolom + 1) {
                m.herhaalEind = naast = true;
                break;
            }
        }
        if (!naast)
            Meld(p.regel, p.kolom, Invul(Vertaal("Melding", "Herhaalteken %1 staat niet naast een maatstreep"),
                                       {Aangehaald(Lijn(p.regel).substr(p.kolom, 1))}));
    }

    // Bars lie between bar lines; the stretches before the first and after
    // the last count only when something is written there.
    auto heeftInhoud = [&](int van, int tot) {
        for (int s = 0; s < n; ++s) {
            const Regel r = Lijn(b.snaren[s].regel);
            for (int c = std::max(van, b.snaren[s].begin); c < std::min(tot, m_eind[s]); ++c)
                if (!IsSpatie(r[c]))
                    return true;
        }
        return false;
    };
    int van = minBegin;
    bool open = true;
    for (const Maatstreep& m : b.maatstrepen) {
        if (m.kolom > van && (!open || heeftInhoud(van, m.kolom)))
            b.maten.push_back({van, m.kolom});
        van = m.kolom + m.breedte;
        open = false;
    }
    if (breedte > van && heeftInhoud(van, breedte))
        b.maten.push_back({van, breedte});
}

void BalkLezer::Afronden(Werkbalk& b)
{
    // Each string's notes arrive in column order; a counting sort on the
    // column, taking the strings in order, gives column then string order
    // without comparing.
    {
        const auto begin = b.noten.begin() + static_cast<std::ptrdiff_t>(b.eersteNoot);
        int breedte = 0;
        for (auto it = begin; it != b.noten.end(); ++it)
            breedte = std::max(breedte, it->kolom + 1);
        m_telling.assign(static_cast<std::size_t>(breedte) + 1, 0);
        for (auto it = begin; it != b.noten.end(); ++it)
            ++m_telling[static_cast<std::size_t>(it->kolom) + 1];
        for (int c = 1; c <= breedte; ++c)
            m_telling[c] += m_telling[c - 1];
        m_sorteer.resize(static_cast<std::size_t>(b.noten.end() - begin));
        for (auto it = begin; it != b.noten.end(); ++it)
            m_sorteer[static_cast<std::size_t>(m_telling[it->kolom]++)] = *it;
    }
    std::sort(b.palmMutes.begin(), b.palmMutes.end(),
              [](const PalmMute& x, const PalmMute& y) { return x.begin < y.begin; });
    // The sorted notes go back in place with their bar and palm mute, a
    // column of them at a time; locals, because the compiler cannot tell
    // that writing a note leaves the tables' sizes alone.
    const std::size_t aantal = m_sorteer.size();
    const Noot* bron = m_sorteer.data();
    Noot* doel = b.noten.data() + b.eersteNoot;
    const Maat* maten = b.maten.data();
    const std::size_t aantalMaten = b.maten.size();
    const PalmMute* pms = b.palmMutes.data();
    const std::size_t aantalPms = b.palmMutes.size();
    std::size_t maat = 0, pm = 0, tijd = 0;
    for (std::size_t i = 0; i < aantal;) {
        const int kolom = bron[i].kolom;
        while (maat < aantalMaten && maten[maat].eind <= kolom)
            ++maat;
        const int inMaat = maat < aantalMaten && maten[maat].begin <= kolom ? static_cast<int>(maat) : -1;
        while (pm < aantalPms && pms[pm].eind <= kolom)
            ++pm;
        const bool gedempt = pm < aantalPms && pms[pm].begin <= kolom;
        std::size_t j = i;
        for (; j < aantal && bron[j].kolom == kolom; ++j) {
            doel[j] = bron[j];
            if (inMaat >= 0)
                doel[j].maat = inMaat;
            doel[j].palmMute = gedempt;
        }
        int noemer = 0, punten = 0;
        while (tijd < b.tijden.size() && b.tijden[tijd].kolom < kolom)
            ++tijd;
        if (tijd < b.tijden.size() && b.tijden[tijd].kolom == kolom) {
            noemer = b.tijden[tijd].noemer;
            punten = b.tijden[tijd].punten;
        }
        b.klanken.emplace_back(kolom, static_cast<int>(i), static_cast<int>(j - i), noemer, punten);
        i = j;
    }
}

bool LeesTijdregelIn(Regel s, std::vector<Tijdteken>& tijden)
{
    tijden.clear();
    bool nietE = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (IsSpatie(c) || c == U'|')
            continue;
        int noemer = 0;
        switch (c) {
        case U'W': noemer = 1; break;
        case U'H': noemer = 2; break;
        case U'Q': noemer = 4; break;
        case U'E': noemer = 8; break;
        case U'S': noemer = 16; break;
        case U'T': noemer = 32; break;
        default: return false;
        }
        nietE = nietE || c != U'E';
        Tijdteken t{static_cast<int>(i), c, noemer, 0};
        while (i + 1 < s.size() && s[i + 1] == U'.') {
            ++t.punten;
            ++i;
        }
        tijden.push_back(t);
    }
    // A line of E's alone reads as well as chord names: leave it to those.
    return nietE && !tijden.empty();
}

} // namespace

bool LeesTijdregel(std::u32string_view regel, std::vector<Tijdteken>& tijden)
{
    return LeesTijdregelIn(regel, tijden);
}

int LeesCapo(std::u32string_view s)
{
    std::size_t p = std::u32string_view::npos;
    // Or-ing 0x20 folds exactly the ASCII capitals onto these four letters.
    // Every line outside a staff passes here, so the search looks at the
    // fourth letter first and skips ahead as far as it safely can.
    for (std::size_t i = 0; i + 4 <= s.size();) {
        const char32_t vierde = s[i + 3] | 0x20;
        if (vierde != U'o') {
            i += vierde == U'p' ? 1 : vierde == U'a' ? 2 : vierde == U'c' ? 3 : 4;
            continue;
        }
        if ((s[i] | 0x20) == U'c' && (s[i + 1] | 0x20) == U'a' && (s[i + 2] | 0x20) == U'p' &&
            (i == 0 || !IsLetter(s[i - 1]))) {
            p = i;
            break;
        }
        ++i;
    }
    if (p == std::u32string_view::npos)
        return -1;
    // "no capo", "geen capo", "zonder capo"
    const Regel ervoor = Trim(s.substr(0, p));
    auto eindigtOp = [&](std::u32string_view w) {
        if (ervoor.size() < w.size())
            return false;
        for (std::size_t k = 0; k < w.size(); ++k)
            if (Klein(ervoor[ervoor.size() - w.size() + k]) != w[k])
                return false;
        return true;
    };
    if (eindigtOp(U"no") || eindigtOp(U"geen") || eindigtOp(U"zonder") || eindigtOp(U"without"))
        return 0;
    std::size_t i = p + 4;
    auto slaOver = [&](std::u32string_view w) {
        for (std::size_t k = 0; k < w.size(); ++k)
            if (i + k >= s.size() || Klein(s[i + k]) != w[k])
                return false;
        i += w.size();
        return true;
    };
    for (bool verder = true; verder;) {
        verder = false;
        while (i < s.size() && (IsSpatie(s[i]) || s[i] == U':' || s[i] == U'=' || s[i] == U'-')) {
            ++i;
            verder = true;
        }
        for (std::u32string_view w : {U"on ", U"at ", U"op ", U"fret "})
            verder = slaOver(w) || verder;
    }
    if (slaOver(U"none") || slaOver(U"geen") || slaOver(U"no"))
        return 0;
    if (i < s.size() && IsCijfer(s[i])) {
        int n = 0;
        for (int k = 0; i < s.size() && IsCijfer(s[i]) && k < 2; ++k)
            n = n * 10 + static_cast<int>(s[i++] - U'0');
        return i < s.size() && IsCijfer(s[i]) ? -2 : n;
    }
    // Roman numerals, as fret markers are often written.
    static constexpr std::array<std::u32string_view, 12> kRomeins = {
        U"xii", U"xi", U"x", U"ix", U"viii", U"vii", U"vi", U"v", U"iv", U"iii", U"ii", U"i"};
    static constexpr std::array<int, 12> kWaarde = {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    for (std::size_t r = 0; r < kRomeins.size(); ++r) {
        const std::size_t begin = i;
        if (slaOver(kRomeins[r]) && (i >= s.size() || !IsLetter(s[i])))
            return kWaarde[r];
        i = begin;
    }
    return -2;
}

Muziekstuk LeesMuziek(Regelbron& regels, const TabAnalyse& analyse, const std::vector<std::u32string>& terugval)
{
    Muziekstuk uit;
    BalkLezer lezer(regels, analyse, terugval, uit);
    // Room the tables will not outgrow in ordinary documents: pages never
    // written cost nothing, regrowing would copy everything.
    std::size_t lijnen = 0;
    for (int k = 0; k < analyse.aantalbalken; ++k)
        lijnen += static_cast<std::size_t>(analyse.tabbalken[k].aantal);
    uit.balken.reserve(static_cast<std::size_t>(std::max(analyse.aantalbalken, 0)));
    uit.snaren.reserve(lijnen);
    uit.noten.reserve(lijnen * 16);
    uit.klanken.reserve(lijnen * 8);
    uit.maatstrepen.reserve(lijnen * 2);
    uit.maten.reserve(lijnen * 2);
    uit.akkoorden.reserve(static_cast<std::size_t>(std::max(analyse.aantalbalken, 0)) * 4);
    const int n = regels.Aantal();
    int capo = 0;
    int r = 0;
    for (int k = 0; k < analyse.aantalbalken; ++k) {
        const TTabbalk& bron = analyse.tabbalken[k];
        if (bron.laatste >= n)
            break;
        // Everything one staff needs: the text since the previous staff (a
        // capo, the lines above) and the line below it.
        lezer.Bereid(r, std::min(n, bron.laatste + 2));
        for (; r < bron.eerste; ++r) {
            const int c = LeesCapo(lezer.Lijn(r));
            if (c >= 0)
                capo = c;
            else if (c == -2)
                uit.bevindingen.push_back(
                    {r, 0, Invul(Vertaal("Melding", "Capo-aanduiding %1 niet begrepen"), {Aangehaald(Trim(lezer.Lijn(r)))})});
        }
        lezer.Lees(bron, capo);
        r = bron.laatste + 1;
    }
    std::stable_sort(uit.bevindingen.begin(), uit.bevindingen.end(), [](const Bevinding& x, const Bevinding& y) {
        return x.regel != y.regel ? x.regel < y.regel : x.kolom < y.kolom;
    });
    return uit;
}

Muziekstuk LeesMuziek(std::span<const std::u32string_view> regels, const TabAnalyse& analyse,
                      const std::vector<std::u32string>& terugval)
{
    Regelspan bron(regels);
    return LeesMuziek(bron, analyse, terugval);
}

} // namespace korvane
