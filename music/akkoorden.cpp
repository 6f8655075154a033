// Chord names from sounding pitches, and their place on the chord line.
#include "music/akkoorden.h"
#include "core/vertaling.h"

#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <tuple>

namespace korvane {
namespace {

struct Sjabloon {
    std::u32string_view soort;
    std::array<int, 5> intervallen;
    int aantal;
    // May sound without its fifth, as guitar voicings of sevenths and ninths
    // do; a sixth without it is an inverted triad.
    bool zonderKwint;
};

// Simplest first: with equal standing the earlier one is the better name.
constexpr Sjabloon kSjablonen[] = {
    {U"", {0, 4, 7}, 3, false},          {U"m", {0, 3, 7}, 3, false},
    {U"5", {0, 7}, 2, false},            {U"7", {0, 4, 7, 10}, 4, true},
    {U"m7", {0, 3, 7, 10}, 4, true},     {U"maj7", {0, 4, 7, 11}, 4, true},
    {U"6", {0, 4, 7, 9}, 4, false},      {U"m6", {0, 3, 7, 9}, 4, false},
    {U"sus4", {0, 5, 7}, 3, false},      {U"sus2", {0, 2, 7}, 3, false},
    {U"dim", {0, 3, 6}, 3, false},       {U"aug", {0, 4, 8}, 3, false},
    {U"add9", {0, 2, 4, 7}, 4, true},    {U"9", {0, 2, 4, 7, 10}, 5, true},
};

int Masker(const Sjabloon& s, bool kwint)
{
    int m = 0;
    for (int i = 0; i < s.aantal; ++i)
        if (kwint || s.intervallen[i] != 7)
            m |= 1 << s.intervallen[i];
    return m;
}

bool IsSpatie(char32_t c)
{
    return c == U' ' || c == U'\t';
}

// Writes `naam` at column `kolom` of a chord line, over blanks only: the
// name a chord already has there is blanked first. False, with the line
// unchanged, when the name would touch or push the names around it.
bool ZetNaam(std::u32string& regel, int kolom, std::u32string_view naam, int oud)
{
    std::u32string s = regel;
    const auto c = static_cast<std::size_t>(kolom);
    if (s.size() < c)
        s.append(c - s.size(), U' ');
    for (std::size_t i = c; i < std::min(s.size(), c + static_cast<std::size_t>(oud)); ++i)
        s[i] = U' ';
    if (c > 0 && !IsSpatie(s[c - 1]))
        return false;
    std::size_t vrij = 0;
    while (c + vrij < s.size() && s[c + vrij] == U' ')
        ++vrij;
    const bool einde = c + vrij >= s.size();
    if (!einde && vrij < naam.size() + 1)
        return false;
    s.replace(c, std::min(vrij, naam.size()), naam);
    // Blanks a shorter name left at the end of the line go.
    while (!s.empty() && s.back() == U' ')
        s.pop_back();
    regel = std::move(s);
    return true;
}

// The staff one of whose string lines is `regel`; -1 when none.
int BalkVanRegel(const Muziekstuk& stuk, int regel)
{
    for (int k = 0; k < static_cast<int>(stuk.balken.size()); ++k)
        for (const Snaar& s : stuk.Snaren(stuk.balken[k]))
            if (s.regel == regel)
                return k;
    return -1;
}

std::vector<int> Toonhoogtes(const Muziekstuk& stuk, const Muziekbalk& b, const Klank& k)
{
    std::vector<int> uit;
    const auto noten = stuk.Noten(b);
    for (int i = k.eersteNoot; i < k.eersteNoot + k.aantalNoten; ++i)
        if (noten[i].toonhoogte >= 0)
            uit.push_back(noten[i].toonhoogte);
    return uit;
}

// The first line of what stands above a staff as its own: a chord line
// goes above the count and timing lines.
int Bovenkant(const Muziekbalk& b)
{
    int top = b.bron.eerste;
    if (b.telregel >= 0)
        top = std::min(top, b.telregel);
    if (b.tijdregel >= 0)
        top = std::min(top, b.tijdregel);
    return top;
}

std::string Aangehaald(std::u32string_view s)
{
    return "\u2018" + Utf8(s) + "\u2019";
}

} // namespace

std::u32string Toonnaam(int klasse)
{
    static constexpr std::u32string_view kNamen[12] = {U"C", U"C#", U"D",  U"Eb", U"E",  U"F",
                                                         U"F#", U"G", U"G#", U"A",  U"Bb", U"B"};
    return std::u32string(kNamen[((klasse % 12) + 12) % 12]);
}

std::vector<AkkoordKeuze> BenoemAkkoord(std::span<const int> toonhoogtes)
{
    std::vector<AkkoordKeuze> uit;
    if (toonhoogtes.empty())
        return uit;
    int klassen = 0;
    for (int t : toonhoogtes)
        klassen |= 1 << (((t % 12) + 12) % 12);
    if (std::popcount(static_cast<unsigned>(klassen)) < 2)
        return uit;
    const int bas = *std::min_element(toonhoogtes.begin(), toonhoogtes.end()) % 12;

    // (fifth left out, slash chord, template) ranks the candidates: E G B
    // over G is Em/G before a G6 that lacks its fifth.
    std::vector<std::tuple<int, int, int, int>> kandidaten; // rank parts, then root
    for (int grond = 0; grond < 12; ++grond) {
        if (!(klassen & (1 << grond)))
            continue;
        const int relatief = ((klassen >> grond) | (klassen << (12 - grond))) & 0xFFF;
        for (int s = 0; s < static_cast<int>(std::size(kSjablonen)); ++s) {
            const Sjabloon& sj = kSjablonen[s];
            int zonder = -1;
            if (relatief == Masker(sj, true))
                zonder = 0;
            else if (sj.zonderKwint && relatief == Masker(sj, false))
                zonder = 1;
            if (zonder < 0)
                continue;
            kandidaten.emplace_back(zonder, grond == bas ? 0 : 1, s, grond);
        }
    }
    std::sort(kandidaten.begin(), kandidaten.end());
    for (const auto& [zonder, slash, s, grond] : kandidaten) {
        AkkoordKeuze k;
        k.grondtoon = grond;
        k.soort = std::u32string(kSjablonen[s].soort);
        k.naam = Toonnaam(grond) + k.soort;
        if (slash) {
            k.bas = bas;
            k.naam += U"/" + Toonnaam(bas);
        }
        if (std::none_of(uit.begin(), uit.end(), [&](const AkkoordKeuze& x) { return x.naam == k.naam; }))
            uit.push_back(std::move(k));
    }
    return uit;
}

Benoeming BenoemOpKolom(std::span<const std::u32string_view> regels, const Muziekstuk& stuk, int regel, int kolom)
{
    Benoeming uit;
    const int k = BalkVanRegel(stuk, regel);
    if (k < 0) {
        uit.fout = Vertaal("Melding", "De caret staat niet op een tablijn");
        return uit;
    }
    const Muziekbalk& b = stuk.balken[k];
    const auto noten = stuk.Noten(b);
    // The column a note covers, also its second digit, or the one the caret
    // stands just behind.
    const Klank* klank = nullptr;
    for (int c : {kolom, kolom - 1}) {
        for (const Klank& kl : stuk.Klanken(b)) {
            int breed = 1;
            for (int i = kl.eersteNoot; i < kl.eersteNoot + kl.aantalNoten; ++i)
                breed = std::max<int>(breed, noten[i].lengte);
            if (kl.kolom <= c && c < kl.kolom + breed)
                klank = &kl;
        }
        if (klank)
            break;
    }
    if (!klank) {
        uit.fout = Invul(Vertaal("Melding", "Geen noten in kolom %1 van deze balk"), {std::to_string(kolom + 1)});
        return uit;
    }
    const std::vector<int> hoogtes = Toonhoogtes(stuk, b, *klank);
    if (hoogtes.empty()) {
        uit.fout = Vertaal("Melding", "De toonhoogtes in deze kolom zijn onbekend: de stemming van de balk is niet te lezen");
        return uit;
    }
    uit.keuzes = BenoemAkkoord(hoogtes);
    if (uit.keuzes.empty()) {
        uit.fout = Invul(Vertaal("Melding", "Geen akkoord herkend in kolom %1"), {std::to_string(klank->kolom + 1)});
        return uit;
    }
    const std::u32string& naam = uit.keuzes.front().naam;
    uit.kolom = klank->kolom;
    if (b.akkoordregel >= 0) {
        std::u32string lijn(regels[b.akkoordregel]);
        int oud = 0;
        for (const Akkoordnaam& a : stuk.Akkoorden(b)) {
            if (a.kolom == klank->kolom)
                oud = a.lengte;
            else if (a.kolom < klank->kolom && klank->kolom < a.kolom + a.lengte)
                oud = -1;
        }
        if (oud < 0 || !ZetNaam(lijn, klank->kolom, naam, oud)) {
            uit.fout = Invul(Vertaal("Melding", "Geen ruimte op de akkoordregel voor %1 in kolom %2"),
                           {Aangehaald(naam), std::to_string(klank->kolom + 1)});
            return uit;
        }
        uit.regel = b.akkoordregel;
        uit.vervanging = {b.akkoordregel, b.akkoordregel + 1, {std::move(lijn)}};
        return uit;
    }
    const int top = Bovenkant(b);
    std::u32string lijn;
    ZetNaam(lijn, klank->kolom, naam, 0);
    uit.regel = top;
    uit.vervanging = {top, top + 1, {std::move(lijn), std::u32string(regels[top])}};
    return uit;
}

Regelvervanging BenoemAlles(std::span<const std::u32string_view> regels, const Muziekstuk& stuk,
                            std::vector<Bevinding>& overgeslagen)
{
    // Per line of the document: the chord line it becomes, and a chord line
    // to put above it.
    struct Nieuw {
        int regel;
        bool ervoor;
        std::u32string tekst;
    };
    std::vector<Nieuw> nieuw;
    int erbij = 0; // chord lines made so far, for the places reported
    for (const Muziekbalk& b : stuk.balken) {
        const bool heeft = b.akkoordregel >= 0;
        std::u32string lijn = heeft ? std::u32string(regels[b.akkoordregel]) : std::u32string();
        const auto bestaand = stuk.Akkoorden(b);
        bool geschreven = false;
        const int verschuiving = erbij + (heeft ? 0 : 1);
        for (const Klank& kl : stuk.Klanken(b)) {
            const std::vector<int> hoogtes = Toonhoogtes(stuk, b, kl);
            if (hoogtes.size() < 3)
                continue;
            const auto keuzes = BenoemAkkoord(hoogtes);
            const int plaats = stuk.Noten(b)[kl.eersteNoot].regel + verschuiving;
            if (keuzes.empty()) {
                overgeslagen.push_back({plaats, kl.kolom, Vertaal("Melding", "Geen akkoord herkend in deze kolom")});
                continue;
            }
            int oud = 0;
            for (const Akkoordnaam& a : bestaand) {
                if (a.kolom == kl.kolom)
                    oud = a.lengte;
                else if (a.kolom < kl.kolom && kl.kolom < a.kolom + a.lengte)
                    oud = -1;
            }
            if (oud < 0 || !ZetNaam(lijn, kl.kolom, keuzes.front().naam, oud)) {
                overgeslagen.push_back({plaats, kl.kolom,
                                        Invul(Vertaal("Melding", "Geen ruimte op de akkoordregel voor %1"),
                                            {Aangehaald(keuzes.front().naam)})});
                continue;
            }
            geschreven = true;
        }
        if (!geschreven)
            continue;
        if (heeft) {
            nieuw.push_back({b.akkoordregel, false, std::move(lijn)});
        } else {
            nieuw.push_back({Bovenkant(b), true, std::move(lijn)});
            ++erbij;
        }
    }
    Regelvervanging uit;
    if (nieuw.empty())
        return uit;
    uit.van = nieuw.front().regel;
    uit.tot = nieuw.back().regel + 1;
    std::size_t n = 0;
    for (int r = uit.van; r < uit.tot; ++r) {
        bool vervangen = false;
        for (; n < nieuw.size() && nieuw[n].regel == r; ++n) {
            uit.nieuw.push_back(nieuw[n].tekst);
            vervangen = vervangen || !nieuw[n].ervoor;
        }
        if (!vervangen)
            uit.nieuw.emplace_back(regels[r]);
    }
    return uit;
}

} // namespace korvane
