// Transposing, retuning and the capo on the text of the staffs.
#include "music/transpose.h"
#include "core/vertaling.h"

#include "core/utf8.h"
#include "music/editorbron.h"

#include <algorithm>
#include <array>

namespace korvane {
namespace {

bool IsVuller(char32_t c)
{
    return c == U'-' || c == U' ';
}

std::u32string Getal(int n)
{
    std::u32string s;
    if (n < 0) {
        s += U'-';
        n = -n;
    }
    const std::string d = std::to_string(n);
    s.append(d.begin(), d.end());
    return s;
}

// One rewrite of characters on one line of a staff.
struct Bewerking {
    int lijn = 0; // index into the lines being rewritten
    int kolom = 0;
    int oud = 0; // characters replaced
    std::u32string tekst;
    char32_t vuller = U'-'; // what pads the line when its column is wider
};

// Columns [begin, begin + oud) became `nieuw` columns wide.
struct Kolomschuif {
    int begin = 0;
    int oud = 0;
    int nieuw = 0;
};

// Applies the edits to `lijnen` so that the staff stays aligned: edits whose
// columns overlap form one group; a group that needs more room widens on
// every line that reaches it, one that needs less gives up the columns at its
// end where every line holds a filler. `vullers` pads the lines without an
// edit in a group. Widening and narrowing both happen at a group's end, so
// that moving back by the same amount gives back the same text.
std::vector<Kolomschuif> Herschrijf(std::span<std::u32string*> lijnen, std::span<const char32_t> vullers,
                                    std::vector<Bewerking> bewerkingen)
{
    std::vector<Kolomschuif> schuiven;
    if (bewerkingen.empty())
        return schuiven;
    std::sort(bewerkingen.begin(), bewerkingen.end(), [](const Bewerking& a, const Bewerking& b) {
        return a.kolom != b.kolom ? a.kolom < b.kolom : a.lijn < b.lijn;
    });
    const std::size_t n = lijnen.size();
    std::vector<std::u32string> uit(n);
    std::vector<std::size_t> pos(n, 0);
    std::vector<std::u32string> stuk(n);
    std::vector<char> bewerkt(n), reikt(n);

    for (std::size_t g = 0; g < bewerkingen.size();) {
        const int s = bewerkingen[g].kolom;
        int e = s + bewerkingen[g].oud;
        std::size_t h = g + 1;
        while (h < bewerkingen.size() && (bewerkingen[h].kolom < e || bewerkingen[h].kolom == s)) {
            e = std::max(e, bewerkingen[h].kolom + bewerkingen[h].oud);
            ++h;
        }
        const int oud = e - s;
        for (std::size_t i = 0; i < n; ++i) {
            const std::u32string& l = *lijnen[i];
            const std::size_t van = std::min<std::size_t>(static_cast<std::size_t>(s), l.size());
            if (van > pos[i])
                uit[i].append(l, pos[i], van - pos[i]);
            pos[i] = std::max(pos[i], van);
            const std::size_t tot = std::min<std::size_t>(static_cast<std::size_t>(e), l.size());
            stuk[i].assign(l, pos[i], tot > pos[i] ? tot - pos[i] : 0);
            pos[i] = std::max(pos[i], tot);
            bewerkt[i] = 0;
            reikt[i] = l.size() >= static_cast<std::size_t>(e);
        }
        // Right to left, so that the offsets of the earlier edits hold.
        int breedst = oud;
        for (std::size_t k = h; k-- > g;) {
            const Bewerking& b = bewerkingen[k];
            std::u32string& t = stuk[static_cast<std::size_t>(b.lijn)];
            const std::size_t at = static_cast<std::size_t>(b.kolom - s);
            if (at > t.size())
                t.append(at - t.size(), b.vuller);
            t.replace(at, std::min<std::size_t>(static_cast<std::size_t>(b.oud), t.size() - at), b.tekst);
            bewerkt[static_cast<std::size_t>(b.lijn)] = 1;
        }
        std::vector<char32_t> lijnvuller(vullers.begin(), vullers.end());
        for (std::size_t k = g; k < h; ++k)
            lijnvuller[static_cast<std::size_t>(bewerkingen[k].lijn)] = bewerkingen[k].vuller;
        // The fillers after a rewritten word are room, not width it needs.
        int inhoud = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (!bewerkt[i])
                continue;
            std::size_t m = stuk[i].size();
            while (m > 0 && IsVuller(stuk[i][m - 1]))
                --m;
            inhoud = std::max(inhoud, static_cast<int>(m));
        }
        breedst = std::max(breedst, inhoud);
        int nieuw = breedst;
        for (std::size_t i = 0; i < n; ++i)
            if (bewerkt[i] || reikt[i])
                stuk[i].resize(static_cast<std::size_t>(breedst), lijnvuller[i]);
        if (breedst == oud) {
            // The narrowest the group can get: no edited line loses more
            // than the fillers after its new text.
            const int minst = std::max(1, inhoud);
            int weg = 0;
            for (int j = oud - 1; j >= minst; --j) {
                bool vrij = true;
                for (std::size_t i = 0; i < n && vrij; ++i)
                    if (stuk[i].size() > static_cast<std::size_t>(j) && !IsVuller(stuk[i][static_cast<std::size_t>(j)]))
                        vrij = false;
                if (!vrij)
                    break;
                ++weg;
            }
            if (weg > 0) {
                nieuw = oud - weg;
                for (std::size_t i = 0; i < n; ++i)
                    if (stuk[i].size() > static_cast<std::size_t>(nieuw))
                        stuk[i].resize(static_cast<std::size_t>(nieuw));
            }
        }
        for (std::size_t i = 0; i < n; ++i)
            uit[i] += stuk[i];
        if (nieuw != oud)
            schuiven.push_back({s, oud, nieuw});
        g = h;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::u32string& l = *lijnen[i];
        if (pos[i] < l.size())
            uit[i].append(l, pos[i], std::u32string::npos);
        *lijnen[i] = std::move(uit[i]);
    }
    return schuiven;
}

bool IsScheiding(char32_t c)
{
    return IsVuller(c) || c == U'|' || c == U'*' || c == U':';
}

// A note with the signs written against it ("5h7", "(5)", "12/14", "8~") is
// rewritten as one word: the signs after a number that gains a digit move
// with it, and move back when it loses one again.
void Samenvoegen(std::vector<Bewerking>& bewerkingen, std::span<std::u32string*> lijnen)
{
    std::sort(bewerkingen.begin(), bewerkingen.end(), [](const Bewerking& a, const Bewerking& b) {
        return a.lijn != b.lijn ? a.lijn < b.lijn : a.kolom < b.kolom;
    });
    std::vector<Bewerking> uit;
    for (std::size_t k = 0; k < bewerkingen.size();) {
        const Bewerking& eerste = bewerkingen[k];
        if (eerste.vuller != U'-') {
            uit.push_back(eerste);
            ++k;
            continue;
        }
        const std::u32string& l = *lijnen[static_cast<std::size_t>(eerste.lijn)];
        std::size_t a = static_cast<std::size_t>(eerste.kolom);
        while (a > 0 && !IsScheiding(l[a - 1]))
            --a;
        std::size_t b = static_cast<std::size_t>(eerste.kolom + eerste.oud);
        std::size_t h = k + 1;
        for (bool verder = true; verder;) {
            while (b < l.size() && !IsScheiding(l[b]))
                ++b;
            verder = h < bewerkingen.size() && bewerkingen[h].lijn == eerste.lijn && bewerkingen[h].vuller == U'-' &&
                     static_cast<std::size_t>(bewerkingen[h].kolom) < b;
            if (verder) {
                b = std::max(b, static_cast<std::size_t>(bewerkingen[h].kolom + bewerkingen[h].oud));
                ++h;
            }
        }
        Bewerking woord{eerste.lijn, static_cast<int>(a), static_cast<int>(b - a), l.substr(a, b - a), U'-'};
        for (std::size_t m = h; m-- > k;)
            woord.tekst.replace(static_cast<std::size_t>(bewerkingen[m].kolom) - a,
                                static_cast<std::size_t>(bewerkingen[m].oud), bewerkingen[m].tekst);
        uit.push_back(std::move(woord));
        k = h;
    }
    bewerkingen = std::move(uit);
}

// Where column `c` of the old line lies after the shifts.
int NieuweKolom(std::span<const Kolomschuif> schuiven, int c)
{
    int verschuiving = 0;
    for (const Kolomschuif& k : schuiven) {
        if (c >= k.begin + k.oud)
            verschuiving += k.nieuw - k.oud;
        else if (c >= k.begin)
            return k.begin + verschuiving + std::min(c - k.begin, std::max(k.nieuw - 1, 0));
        else
            break;
    }
    return c + verschuiving;
}

std::u32string Nootspelling(int toonklasse, bool mollen)
{
    static constexpr std::array<std::u32string_view, 12> kruisen = {U"C",  U"C#", U"D",  U"D#", U"E",  U"F",
                                                                    U"F#", U"G",  U"G#", U"A",  U"A#", U"B"};
    static constexpr std::array<std::u32string_view, 12> molnamen = {U"C",  U"Db", U"D",  U"Eb", U"E",  U"F",
                                                                     U"Gb", U"G",  U"Ab", U"A",  U"Bb", U"B"};
    const int k = ((toonklasse % 12) + 12) % 12;
    return std::u32string(mollen ? molnamen[static_cast<std::size_t>(k)] : kruisen[static_cast<std::size_t>(k)]);
}

// The name of a note moved by `halvetonen`, in the letter case of `oud`.
std::u32string Verplaatst(const Nootnaam& oud, int halvetonen, bool mollen)
{
    std::u32string naam =
        Nootspelling(oud.toonklasse + halvetonen, oud.verhoging < 0 || (oud.verhoging == 0 && mollen));
    if (oud.letter >= U'a' && oud.letter <= U'g')
        naam[0] = naam[0] - U'A' + U'a';
    return naam;
}

// The chord line rebuilt: each word at the column its old column moved to,
// chord names transposed, at least one space between words.
std::u32string HerschrijfAkkoordregel(std::u32string_view regel, std::span<const Akkoordnaam> akkoorden,
                                      std::span<const Kolomschuif> schuiven, int halvetonen, bool mollen)
{
    std::u32string uit;
    std::size_t i = 0;
    std::size_t eindeLaatste = 0;
    while (true) {
        while (i < regel.size() && regel[i] == U' ')
            ++i;
        if (i >= regel.size())
            break;
        std::size_t j = i;
        while (j < regel.size() && regel[j] != U' ')
            ++j;
        std::u32string woord(regel.substr(i, j - i));
        for (const Akkoordnaam& a : akkoorden)
            if (a.kolom == static_cast<int>(i) && a.lengte == static_cast<int>(woord.size()))
                woord = TransponeerAkkoord(a, halvetonen, mollen);
        std::size_t kolom = static_cast<std::size_t>(NieuweKolom(schuiven, static_cast<int>(i)));
        if (!uit.empty())
            kolom = std::max(kolom, uit.size() + 1);
        uit.append(kolom - uit.size(), U' ');
        uit += woord;
        eindeLaatste = j;
        i = j;
    }
    uit.append(regel.substr(std::min(eindeLaatste, regel.size()))); // trailing blanks as they were
    if (uit.empty())
        return std::u32string(regel);
    return uit;
}

std::u32string Snaarnaam(const Muziekstuk& stuk, const Muziekbalk& b, int snaar)
{
    const Snaar& s = stuk.Snaren(b)[static_cast<std::size_t>(snaar)];
    return s.naam.empty() ? VanUtf8(Invul(Vertaal("Melding", "snaar %1"), {std::to_string(snaar + 1)})) : s.naam;
}

// The block of lines [eerste, laatste] that a rewrite works in, widened to
// take in line `i`.
void Neem(std::span<const std::u32string_view> regels, Omgezet& o, int i)
{
    if (o.eerste < 0) {
        o.eerste = o.laatste = i;
        o.regels.emplace_back(regels[static_cast<std::size_t>(i)]);
        return;
    }
    if (i < o.eerste) {
        std::vector<std::u32string> ervoor;
        for (int k = i; k < o.eerste; ++k)
            ervoor.emplace_back(regels[static_cast<std::size_t>(k)]);
        o.regels.insert(o.regels.begin(), std::make_move_iterator(ervoor.begin()),
                        std::make_move_iterator(ervoor.end()));
        o.eerste = i;
    }
    for (int k = o.laatste + 1; k <= i; ++k)
        o.regels.emplace_back(regels[static_cast<std::size_t>(k)]);
    o.laatste = std::max(o.laatste, i);
}

void ZetOmBalk(const Muziekstuk& stuk, const Muziekbalk& b, const Omzetting& om, bool mollen, Omgezet& o)
{
    const auto snaren = stuk.Snaren(b);
    const int n = static_cast<int>(snaren.size());
    const int regel0 = b.bron.eerste;
    auto lijn = [&](int regel) -> std::u32string& { return o.regels[static_cast<std::size_t>(regel - o.eerste)]; };

    bool openBekend = true;
    for (const Snaar& s : snaren)
        openBekend = openBekend && s.open >= 0;
    std::vector<int> oudOpen(static_cast<std::size_t>(n)), nieuwOpen(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        oudOpen[static_cast<std::size_t>(i)] = nieuwOpen[static_cast<std::size_t>(i)] =
            snaren[static_cast<std::size_t>(i)].open;
    const bool herstem = !om.nieuweOpen.empty();
    if (herstem) {
        if (static_cast<int>(om.nieuweOpen.size()) != n) {
            o.gebleven.push_back({regel0, 0,
                                  Invul(Vertaal("Melding", "de tabbalk heeft %1 snaren, de stemming %2; hij is niet veranderd"),
                                      {std::to_string(n), std::to_string(om.nieuweOpen.size())})});
            return;
        }
        if (!openBekend) {
            o.gebleven.push_back({regel0, 0, Vertaal("Melding", "de stemming van de tabbalk is onbekend; hij is niet veranderd")});
            return;
        }
        for (int i = 0; i < n; ++i)
            nieuwOpen[static_cast<std::size_t>(i)] = om.nieuweOpen[static_cast<std::size_t>(n - 1 - i)];
    }
    const int oudCapo = b.capo;
    const int nieuwCapo = om.nieuweCapo >= 0 ? om.nieuweCapo : oudCapo;

    std::vector<Bewerking> bewerkingen;
    struct Bezet {
        int snaar, kolom, lengte;
    };
    std::vector<Bezet> bezet;
    for (const Noot& noot : stuk.Noten(b)) {
        if (noot.fret < 0)
            continue;
        const int s = noot.snaar;
        const int verschil =
            om.halvetonen + oudCapo - nieuwCapo +
            (herstem ? oudOpen[static_cast<std::size_t>(s)] - nieuwOpen[static_cast<std::size_t>(s)] : 0);
        const int fret = noot.fret + verschil;
        if (noot.aanslag == Aanslag::Flageolet && verschil != 0) {
            // A natural harmonic sounds at a node of the open string: at
            // another fret there is none, or another pitch.
            bewerkingen.push_back({s, noot.kolom, noot.lengte, Getal(noot.fret), U'-'});
            o.gebleven.push_back({noot.regel, noot.kolom,
                                  Invul(Vertaal("Melding", "de flageolet <%1> op %2 heeft op een andere fret niet dezelfde klank; ze is gebleven"),
                                      {std::to_string(noot.fret), Utf8(Snaarnaam(stuk, b, s))})});
            continue;
        }
        if (fret >= 0 && fret <= hoogsteFret) {
            // Unchanged notes too: a column that widens must not split them.
            bewerkingen.push_back({s, noot.kolom, noot.lengte, Getal(fret), U'-'});
            continue;
        }
        // Another string in the same column, nearest first, for a plain note
        // alone in its place: one joined to others by a technique would lose
        // its meaning elsewhere.
        bool geplaatst = false;
        const bool los = openBekend && noot.aanslag == Aanslag::Gewoon && noot.via == Techniek::Geen &&
                         noot.naar == Techniek::Geen && !noot.vibrato && noot.aangehoudenTot < 0;
        for (int d = 1; los && d < n && !geplaatst; ++d) {
            for (int t : {s - d, s + d}) {
                if (t < 0 || t >= n || geplaatst)
                    continue;
                const int f = noot.fret + oudOpen[static_cast<std::size_t>(s)] + oudCapo + om.halvetonen -
                              nieuwOpen[static_cast<std::size_t>(t)] - nieuwCapo;
                if (f < 0 || f > hoogsteFret)
                    continue;
                const std::u32string tekst = Getal(f);
                const int lengte = static_cast<int>(tekst.size());
                const std::u32string& doel = lijn(regel0 + t);
                // Free: fillers, and no sign or digit right beside it that
                // would read as part of it.
                bool vrij = static_cast<int>(doel.size()) >= noot.kolom + lengte;
                for (int k = 0; vrij && k < lengte; ++k)
                    vrij = doel[static_cast<std::size_t>(noot.kolom + k)] == U'-';
                if (vrij && noot.kolom > 0)
                    vrij = IsScheiding(doel[static_cast<std::size_t>(noot.kolom - 1)]);
                if (vrij && static_cast<std::size_t>(noot.kolom + lengte) < doel.size())
                    vrij = IsScheiding(doel[static_cast<std::size_t>(noot.kolom + lengte)]);
                for (const Bezet& z : bezet)
                    vrij = vrij && !(z.snaar == t && z.kolom < noot.kolom + lengte && noot.kolom < z.kolom + z.lengte);
                if (!vrij)
                    continue;
                bewerkingen.push_back(
                    {s, noot.kolom, noot.lengte, std::u32string(static_cast<std::size_t>(noot.lengte), U'-'), U'-'});
                bewerkingen.push_back({t, noot.kolom, lengte, tekst, U'-'});
                bezet.push_back({t, noot.kolom, lengte});
                geplaatst = true;
            }
        }
        if (!geplaatst) {
            bewerkingen.push_back({s, noot.kolom, noot.lengte, Getal(noot.fret), U'-'});
            o.gebleven.push_back({noot.regel, noot.kolom,
                                  Invul(Vertaal("Melding", "de noot %1 op %2 zou fret %3 worden en past niet op een vrije plaats van een andere snaar; ze is gebleven"),
                                      {std::to_string(noot.fret), Utf8(Snaarnaam(stuk, b, s)), std::to_string(fret)})});
        }
    }
    if (herstem && !om.nieuweNamen.empty()) {
        bool zonder = true;
        for (const Snaar& s : snaren)
            zonder = zonder && s.naam.empty();
        for (int i = 0; i < n; ++i) {
            const Snaar& s = snaren[static_cast<std::size_t>(i)];
            if (zonder) {
                // A staff without labels would be read in the tuning box's
                // tuning again: it gets labels of its new one.
                bewerkingen.push_back({i, 0, 0, om.nieuweNamen[static_cast<std::size_t>(n - 1 - i)], U' '});
                continue;
            }
            if (s.naam.empty() || s.naamKolom < 0)
                continue;
            std::u32string naam = om.nieuweNamen[static_cast<std::size_t>(n - 1 - i)];
            if (!naam.empty() && s.naam[0] >= U'a' && s.naam[0] <= U'g' && naam[0] >= U'A' && naam[0] <= U'G')
                naam[0] = naam[0] - U'A' + U'a';
            // Unchanged labels too, so that a wider one pads them with
            // spaces rather than dashes.
            bewerkingen.push_back({i, s.naamKolom, static_cast<int>(s.naam.size()), naam, U' '});
        }
    }

    std::vector<std::u32string*> lijnen;
    std::vector<char32_t> vullers;
    for (int i = 0; i < n; ++i) {
        lijnen.push_back(&lijn(regel0 + i));
        vullers.push_back(U'-');
    }
    Samenvoegen(bewerkingen, lijnen);
    for (int extra : {b.telregel, b.tijdregel})
        if (extra >= 0 && extra != b.akkoordregel && (extra < regel0 || extra > b.bron.laatste)) {
            lijnen.push_back(&lijn(extra));
            vullers.push_back(U' ');
        }
    const auto schuiven = Herschrijf(lijnen, vullers, std::move(bewerkingen));
    if (b.akkoordregel >= 0 && (!schuiven.empty() || om.halvetonen % 12 != 0)) {
        std::u32string& a = lijn(b.akkoordregel);
        a = HerschrijfAkkoordregel(a, stuk.Akkoorden(b), schuiven, om.halvetonen, mollen);
    }
}

// The span of the capo statement's fret number in `regel`, or {0, 0}.
std::pair<std::size_t, std::size_t> CapoGetal(std::u32string_view regel)
{
    for (std::size_t p = 0; p + 4 <= regel.size(); ++p) {
        auto klein = [&](std::size_t k) { return regel[k] | 0x20; };
        if (klein(p) != U'c' || klein(p + 1) != U'a' || klein(p + 2) != U'p' || klein(p + 3) != U'o')
            continue;
        std::size_t i = p + 4;
        while (i < regel.size() && (regel[i] == U' ' || regel[i] == U':' || regel[i] == U'=' || regel[i] == U'-'))
            ++i;
        std::size_t j = i;
        while (j < regel.size() && regel[j] >= U'0' && regel[j] <= U'9')
            ++j;
        if (j > i)
            return {i, j};
    }
    return {0, 0};
}

} // namespace

std::u32string TransponeerAkkoord(const Akkoordnaam& akkoord, int halvetonen, bool mollen)
{
    std::u32string naam = Verplaatst(akkoord.grondtoon, halvetonen, mollen);
    naam += akkoord.soort;
    if (akkoord.bas) {
        naam += U'/';
        naam += Verplaatst(*akkoord.bas, halvetonen, mollen);
    }
    return naam;
}

Omgezet ZetOm(std::span<const std::u32string_view> regels, const Muziekstuk& stuk, std::span<const int> balken,
              const Omzetting& omzetting)
{
    Omgezet o;
    // Chord lines of their own, found before anything is rewritten.
    std::vector<int> losse;
    std::vector<Akkoordnaam> akkoorden;
    std::vector<Woord> onbekend;
    bool mollen = false;
    if (omzetting.losseAkkoorden && omzetting.halvetonen % 12 != 0) {
        std::vector<char> bezet(regels.size(), 0);
        for (const Muziekbalk& b : stuk.balken) {
            for (int r = b.bron.eerste; r <= b.bron.laatste; ++r)
                bezet[static_cast<std::size_t>(r)] = 1;
            for (int r : {b.akkoordregel, b.telregel, b.tijdregel})
                if (r >= 0)
                    bezet[static_cast<std::size_t>(r)] = 1;
        }
        for (int r = 0; r < static_cast<int>(regels.size()); ++r) {
            if (bezet[static_cast<std::size_t>(r)] || !LeesAkkoordregel(regels[static_cast<std::size_t>(r)], akkoorden, onbekend))
                continue;
            losse.push_back(r);
            for (const Akkoordnaam& a : akkoorden)
                mollen = mollen || a.grondtoon.verhoging < 0 || (a.bas && a.bas->verhoging < 0);
        }
    }
    if (balken.empty() && losse.empty())
        return o;
    int van = static_cast<int>(regels.size());
    int tot = -1;
    for (int k : balken) {
        const Muziekbalk& b = stuk.balken[static_cast<std::size_t>(k)];
        van = std::min(van, b.bron.eerste);
        for (int r : {b.akkoordregel, b.telregel, b.tijdregel})
            if (r >= 0)
                van = std::min(van, r);
        tot = std::max(tot, b.bron.laatste);
        for (int r : {b.akkoordregel, b.telregel, b.tijdregel})
            tot = std::max(tot, r);
    }
    if (!losse.empty()) {
        van = std::min(van, losse.front());
        tot = std::max(tot, losse.back());
    }
    o.regels.reserve(static_cast<std::size_t>(tot - van + 1));
    Neem(regels, o, van);
    Neem(regels, o, tot);
    // A chord without a sharp or flat takes the document's style, so that
    // moving back spells it as it was.
    for (const Akkoordnaam& a : stuk.akkoorden)
        mollen = mollen || a.grondtoon.verhoging < 0 || (a.bas && a.bas->verhoging < 0);
    for (const Snaar& s : stuk.snaren)
        if (const auto n = LeesNootnaam(s.naam))
            mollen = mollen || n->verhoging < 0;
    for (int k : balken)
        ZetOmBalk(stuk, stuk.balken[static_cast<std::size_t>(k)], omzetting, mollen, o);
    for (int r : losse) {
        std::u32string& l = o.regels[static_cast<std::size_t>(r - o.eerste)];
        LeesAkkoordregel(l, akkoorden, onbekend);
        l = HerschrijfAkkoordregel(l, akkoorden, {}, omzetting.halvetonen, mollen);
    }
    return o;
}

void SchrijfCapo(std::span<const std::u32string_view> regels, int capo, Omgezet& o)
{
    // Each statement the model would read; the last one before a staff
    // counts, so every one of them gets the new fret.
    bool gevonden = false;
    std::vector<int> na; // lines after which a statement is added
    for (int r = 0; r < static_cast<int>(regels.size()); ++r) {
        const int c = LeesCapo(regels[static_cast<std::size_t>(r)]);
        if (c == -1)
            continue;
        gevonden = true;
        if (c == capo)
            continue;
        Neem(regels, o, r);
        std::u32string& l = o.regels[static_cast<std::size_t>(r - o.eerste)];
        const auto [i, j] = CapoGetal(l);
        if (j > i && c >= 0)
            l.replace(i, j - i, Getal(capo));
        else
            na.push_back(r); // "no capo", "Capo III": kept, and a statement after it
    }
    for (auto it = na.rbegin(); it != na.rend(); ++it) {
        o.regels.insert(o.regels.begin() + (*it - o.eerste) + 1, U"Capo: " + Getal(capo));
        o.toegevoegdNa.push_back(*it);
        ++o.toegevoegd;
    }
    if (!gevonden && capo > 0 && !regels.empty()) {
        Neem(regels, o, 0);
        o.regels.insert(o.regels.begin(), U"Capo: " + Getal(capo));
        o.toegevoegdNa.push_back(-1);
        ++o.toegevoegd;
    }
}

std::vector<int> BalkenIn(const EditorOps& editor, const Muziekstuk& stuk, Bereikkeuze keuze)
{
    std::vector<int> uit;
    int van = 0;
    int tot = editor.LineCount();
    if (keuze != Bereikkeuze::Document) {
        const int caret = editor.CaretOffset();
        van = editor.LineFromOffset(caret);
        tot = van;
        if (keuze == Bereikkeuze::Selectie && editor.SelectionLength() > 0) {
            const int eind = caret + editor.SelectionLength();
            tot = editor.LineFromOffset(eind);
            // A selection of whole lines ends at the start of the next one,
            // which the user did not mean to take in.
            if (tot > van && editor.LineStart(tot) == eind)
                --tot;
        }
    }
    for (int k = 0; k < static_cast<int>(stuk.balken.size()); ++k) {
        const TTabbalk& b = stuk.balken[static_cast<std::size_t>(k)].bron;
        if (b.laatste >= van && b.eerste <= tot)
            uit.push_back(k);
    }
    return uit;
}

namespace {

// Reads the document, rewrites it and puts the changed lines back as one
// edit and one undo step.
Uitkomst Voer(TabContext& ctx, Bereikkeuze keuze, const Omzetting& om, int capo)
{
    Uitkomst u;
    EditorOps& ed = ctx.editor;
    // The model needs an analysis of this very text, not one that is only
    // as fresh as the line count; it is made from the characters read here,
    // so that the editor is read once.
    Tekstregels tekst(ed);
    const auto regels = tekst.Regels();
    analyze(regels, ctx.state.analyse);
    Stemming huidige;
    BerekenStemming(ctx.state.instellingen.stemming, huidige);
    const Muziekstuk stuk = LeesMuziek(regels, ctx.state.analyse, SnaarnamenVan(huidige));
    const std::vector<int> balken = BalkenIn(ed, stuk, keuze);
    if (balken.empty() && capo < 0 && !om.losseAkkoorden) {
        u.geenBalk = true;
        return u;
    }
    Omgezet o = ZetOm(regels, stuk, balken, om);
    if (balken.empty() && capo < 0 && o.eerste < 0) {
        u.geenBalk = true;
        return u;
    }
    if (capo >= 0)
        SchrijfCapo(regels, capo, o);
    // Told by the lines as the user sees them after the edit.
    for (const Bevinding& b : o.gebleven) {
        const auto ervoor =
            std::count_if(o.toegevoegdNa.begin(), o.toegevoegdNa.end(), [&](int na) { return na < b.regel; });
        u.gebleven.push_back({b.regel + static_cast<int>(ervoor), b.kolom, b.bericht});
    }
    if (o.eerste < 0)
        return u;

    // Only the lines that differ go into the edit and the snapshot.
    std::size_t voor = 0;
    while (o.eerste + static_cast<int>(voor) < o.laatste && voor + 1 < o.regels.size() &&
           o.regels[voor] == regels[static_cast<std::size_t>(o.eerste) + voor])
        ++voor;
    std::size_t na = 0;
    while (o.laatste - static_cast<int>(na) > o.eerste + static_cast<int>(voor) &&
           o.regels.size() - voor - na > static_cast<std::size_t>(o.toegevoegd) + 1 &&
           o.regels[o.regels.size() - 1 - na] == regels[static_cast<std::size_t>(o.laatste) - na])
        ++na;
    const int eerste = o.eerste + static_cast<int>(voor);
    const int laatste = o.laatste - static_cast<int>(na);
    std::span<const std::u32string> nieuw(o.regels.data() + voor, o.regels.size() - voor - na);
    if (o.toegevoegd == 0 && nieuw.size() == 1 && nieuw[0] == regels[static_cast<std::size_t>(eerste)])
        return u;

    const int caret = ed.CaretOffset();
    const int caretRegel = ed.LineFromOffset(caret);
    const int caretKolom = caret - ed.LineStart(caretRegel);
    LineSnapshot& snap = ctx.state.snapshot;
    // The old lines are at hand already; reading them back from a widget
    // line by line would cost more than the edit.
    snap.undoregels.clear();
    snap.undoregels.reserve(static_cast<std::size_t>(laatste - eerste + 1));
    for (int r = eerste; r <= laatste; ++r)
        snap.undoregels.emplace_back(regels[static_cast<std::size_t>(r)]);
    snap.undostart = eerste;
    snap.undoeind = laatste;
    ed.SetBusyCursor(true);
    ed.LockPainting();
    SchrijfRegels(ed, eerste, laatste, nieuw);
    ed.UnlockPainting();
    ed.SetBusyCursor(false);
    // Set after the edit: its change notification drops a snapshot whose
    // line count no longer matches.
    snap.toegevoegd = o.toegevoegd;
    snap.aantalRegels = ed.LineCount();
    snap.undomogelijk = true;
    const int regel = std::min(caretRegel, std::max(ed.LineCount() - 1, 0));
    const int start = std::max(ed.LineStart(regel), 0);
    ed.SetCaret(start + std::min(caretKolom, regel < ed.LineCount() ? static_cast<int>(ed.GetLine(regel).size()) : 0));
    ed.ClearUndo();
    u.veranderd = true;
    return u;
}

} // namespace

Uitkomst Transponeer(TabContext& ctx, Bereikkeuze keuze, int halvetonen)
{
    Omzetting om;
    om.halvetonen = std::clamp(halvetonen, -12, 12);
    om.losseAkkoorden = keuze == Bereikkeuze::Document;
    return Voer(ctx, keuze, om, -1);
}

Uitkomst WijzigStemming(TabContext& ctx, Bereikkeuze keuze, const std::u32string& stemming)
{
    Stemming st;
    BerekenStemming(stemming, st);
    Omzetting om;
    om.nieuweNamen = SnaarnamenVan(st);
    om.nieuweOpen = StemmingVanNamen(om.nieuweNamen);
    if (om.nieuweOpen.empty()) {
        Uitkomst u;
        u.gebleven.push_back({-1, -1, Invul(Vertaal("Melding", "de stemming \"%1\" bestaat niet uit nootnamen"), {Utf8(stemming)})});
        return u;
    }
    return Voer(ctx, keuze, om, -1);
}

Uitkomst ZetCapo(TabContext& ctx, int capo)
{
    Omzetting om;
    om.nieuweCapo = std::clamp(capo, 0, hoogsteFret);
    return Voer(ctx, Bereikkeuze::Document, om, om.nieuweCapo);
}

std::string Meldtekst(const Uitkomst& uitkomst)
{
    if (uitkomst.geenBalk)
        return Vertaal("Melding", "Er staat geen tabbalk op de plaats van de caret of in de selectie.");
    const auto& gebleven = uitkomst.gebleven;
    if (gebleven.empty())
        return {};
    std::string tekst = Vertaal("Melding", "Niet alles kon worden omgezet:");
    const std::size_t toon = std::min<std::size_t>(gebleven.size(), 15);
    for (std::size_t i = 0; i < toon; ++i) {
        const Gebleven& b = gebleven[i];
        tekst += "\r\n";
        if (b.regel >= 0)
            tekst += Invul(Vertaal("Melding", "Regel %1, kolom %2: "), {std::to_string(b.regel + 1), std::to_string(b.kolom + 1)});
        tekst += b.bericht;
    }
    if (gebleven.size() > toon)
        tekst += "\r\n" + Invul(Vertaal("Melding", "... en nog %1"), {std::to_string(gebleven.size() - toon)});
    return tekst;
}

} // namespace korvane
