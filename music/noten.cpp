// Note names, tunings and chord names.
#include "music/noten.h"

#include <algorithm>
#include <array>
#include <string>

namespace korvane {
namespace {

bool IsSpatie(char32_t c)
{
    return c == U' ' || c == U'\t';
}

bool IsCijfer(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// Nearest pitch of class `klasse` to `ref`; a tie (a tritone) goes down,
// since tunings are lowered far more often than raised.
int Dichtstbij(int klasse, int ref)
{
    const int omhoog = ((klasse - ref) % 12 + 12) % 12;
    return ref + (omhoog <= 5 ? omhoog : omhoog - 12);
}

// The chord-quality fragments, longest first so that "maj" is not read as
// "m" followed by garbage.
constexpr std::array<std::u32string_view, 23> kSoortDelen = {
    U"maj", U"Maj", U"MAJ", U"min", U"dim", U"aug", U"sus", U"add", U"alt", U"ma", U"mi",
    U"m",   U"M",   U"°",   U"ø",   U"Δ",   U"+",   U"-",   U"(",   U")",   U",",  U"#", U"♯",
};

bool IsAkkoordGetal(int n)
{
    return n == 2 || n == 4 || n == 5 || n == 6 || n == 7 || n == 9 || n == 11 || n == 13;
}

// Reads the quality from `s`; returns where it stopped (at "/" + letter or
// the end), or npos when something else stands there.
std::size_t LeesSoort(std::u32string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const char32_t c = s[i];
        if (IsCijfer(c)) {
            int n = 0;
            std::size_t j = i;
            while (j < s.size() && IsCijfer(s[j]) && j - i < 3)
                n = n * 10 + static_cast<int>(s[j++] - U'0');
            if (!IsAkkoordGetal(n))
                return std::u32string_view::npos;
            i = j;
            continue;
        }
        if (c == U'/') {
            if (i + 1 < s.size() && IsCijfer(s[i + 1])) { // 6/9
                ++i;
                continue;
            }
            return i;
        }
        // A flat in the quality only ever alters a degree: "b5", "b9".
        if ((c == U'b' || c == U'♭') && i + 1 < s.size() && IsCijfer(s[i + 1])) {
            ++i;
            continue;
        }
        bool gevonden = false;
        for (const auto deel : kSoortDelen) {
            if (s.substr(i, deel.size()) == deel) {
                i += deel.size();
                gevonden = true;
                break;
            }
        }
        if (!gevonden)
            return std::u32string_view::npos;
    }
    return i;
}

bool IsNeutraalWoord(std::u32string_view w)
{
    if (w.empty() || w.back() == U':')
        return true;
    if (w == U"N.C." || w == U"NC" || w == U"N.C" || w == U"n.c." || w == U"%")
        return true;
    bool alleenTekens = true;
    for (char32_t c : w)
        if (c != U'|' && c != U'/' && c != U'-' && c != U'.' && c != U'(' && c != U')')
            alleenTekens = false;
    if (alleenTekens)
        return true;
    // Repeat counts: "x2", "2x", "(x2)" has lost its brackets already.
    const std::size_t x = w.find_first_of(U"xX");
    if (x == 0 || x == w.size() - 1) {
        const auto rest = x == 0 ? w.substr(1) : w.substr(0, w.size() - 1);
        bool cijfers = !rest.empty();
        for (char32_t c : rest)
            cijfers = cijfers && IsCijfer(c);
        return cijfers;
    }
    return false;
}

} // namespace

std::optional<Nootnaam> LeesNootnaam(std::u32string_view t)
{
    if (t.empty())
        return std::nullopt;
    static constexpr std::array<int, 7> kKlasse = {9, 11, 0, 2, 4, 5, 7}; // A..G
    const char32_t l = t[0];
    int klasse;
    if (l >= U'A' && l <= U'G')
        klasse = kKlasse[l - U'A'];
    else if (l >= U'a' && l <= U'g')
        klasse = kKlasse[l - U'a'];
    else
        return std::nullopt;
    Nootnaam n{l, 0, klasse, 1};
    if (t.size() > 1) {
        if (t[1] == U'#' || t[1] == U'♯')
            n.verhoging = 1;
        else if (t[1] == U'b' || t[1] == U'♭')
            n.verhoging = -1;
        if (n.verhoging != 0) {
            n.lengte = 2;
            n.toonklasse = (klasse + n.verhoging + 12) % 12;
        }
    }
    return n;
}

std::vector<int> StandaardStemming(int aantal)
{
    switch (aantal) {
    case 4: return {28, 33, 38, 43};
    case 5: return {23, 28, 33, 38, 43};
    case 6: return {40, 45, 50, 55, 59, 64};
    case 7: return {35, 40, 45, 50, 55, 59, 64};
    default: return {};
    }
}

std::vector<int> Octaveer(const std::vector<int>& toonklassen)
{
    const int n = static_cast<int>(toonklassen.size());
    std::vector<int> uit(toonklassen.size());
    std::vector<int> ref = StandaardStemming(n);
    // Fewer lines than a guitar that name exactly its top strings are an
    // excerpt of a guitar staff, not a bass.
    if (n < 6) {
        const std::vector<int> gitaar = StandaardStemming(6);
        const std::vector<int> top(gitaar.end() - n, gitaar.end());
        bool gelijk = true;
        for (int i = 0; i < n; ++i)
            gelijk = gelijk && top[i] % 12 == toonklassen[i];
        if (gelijk)
            ref = top;
    }
    if (!ref.empty()) {
        for (int i = 0; i < n; ++i)
            uit[i] = Dichtstbij(toonklassen[i], ref[i]);
        return uit;
    }
    for (int i = 0; i < n; ++i) {
        if (i == 0) {
            uit[i] = Dichtstbij(toonklassen[i], 40 - 5 * std::max(0, n - 6));
        } else {
            const int vorige = uit[i - 1];
            uit[i] = vorige + ((toonklassen[i] - vorige - 1) % 12 + 12) % 12 + 1;
        }
    }
    return uit;
}

std::vector<int> StemmingVanNamen(const std::vector<std::u32string>& namen)
{
    std::vector<int> klassen;
    for (const auto& naam : namen) {
        const auto n = LeesNootnaam(naam);
        if (!n || static_cast<std::size_t>(n->lengte) != naam.size())
            return {};
        klassen.push_back(n->toonklasse);
    }
    return Octaveer(klassen);
}

std::optional<Akkoordnaam> LeesAkkoord(std::u32string_view w)
{
    if (w.empty() || w[0] < U'A' || w[0] > U'G')
        return std::nullopt;
    const auto grond = LeesNootnaam(w);
    Akkoordnaam a;
    a.grondtoon = *grond;
    a.lengte = static_cast<int>(w.size());
    const auto rest = w.substr(grond->lengte);
    const std::size_t eind = LeesSoort(rest);
    if (eind == std::u32string_view::npos)
        return std::nullopt;
    a.soort = std::u32string(rest.substr(0, eind));
    if (eind < rest.size()) { // "/" and a bass note
        const auto basTekst = rest.substr(eind + 1);
        if (basTekst.empty() || basTekst[0] < U'A' || basTekst[0] > U'G')
            return std::nullopt;
        const auto bas = LeesNootnaam(basTekst);
        if (static_cast<std::size_t>(bas->lengte) != basTekst.size())
            return std::nullopt;
        a.bas = bas;
        a.basKolom = grond->lengte + static_cast<int>(eind) + 1;
    }
    return a;
}

bool LeesAkkoordregel(std::u32string_view regel, std::vector<Akkoordnaam>& akkoorden,
                      std::vector<Woord>& onbekend)
{
    akkoorden.clear();
    onbekend.clear();
    std::size_t i = 0;
    while (i < regel.size()) {
        while (i < regel.size() && IsSpatie(regel[i]))
            ++i;
        std::size_t eind = i;
        while (eind < regel.size() && !IsSpatie(regel[eind]))
            ++eind;
        if (eind == i)
            break;
        // Brackets and bar signs hugging a name: "(Am)", "[C]", "|G".
        std::size_t b = i, e = eind;
        auto omhulling = [](char32_t c) { return c == U'(' || c == U')' || c == U'[' || c == U']' || c == U'|'; };
        while (b < e && omhulling(regel[b]))
            ++b;
        while (e > b && omhulling(regel[e - 1]))
            --e;
        const auto woord = regel.substr(b, e - b);
        if (auto a = LeesAkkoord(woord)) {
            a->kolom = static_cast<int>(b);
            if (a->bas)
                a->basKolom += static_cast<int>(b);
            akkoorden.push_back(std::move(*a));
        } else if (!IsNeutraalWoord(woord)) {
            onbekend.push_back({static_cast<int>(i), static_cast<int>(eind - i)});
        }
        i = eind;
    }
    return akkoorden.size() > onbekend.size();
}

} // namespace korvane
