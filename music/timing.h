// When each note of a tab sounds and for how long, read from the text a user
// writes: bars last one measure of the time signature and notes sit in them
// by their column; a timing-letter line overrides the columns; a staff
// without bar lines moves in a fixed step. The staffs of one instrument form
// a group that is played in order, repeats expanded; the groups of a
// document (a guitar and a bass staff written in turns) sound together.
//
// Ticks count kTikkenPerKwart to the quarter note, a resolution that holds
// sixteenths and triplet eighths alike.
#pragma once

#include "music/tabmodel.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr int kTikkenPerKwart = 480;

// std::round (halves away from zero) without a call into the maths library:
// timing and MIDI round hundreds of thousands of values. Exact for every
// value a 64-bit integer holds.
inline double Afgerond(double x)
{
    if (x < 0)
        return -Afgerond(-x);
    const double heel = static_cast<double>(static_cast<std::int64_t>(x));
    return x - heel >= 0.5 ? heel + 1 : heel;
}

struct Maatsoort {
    int teller = 4;
    int noemer = 4;
    int Tikken() const { return teller * 4 * kTikkenPerKwart / noemer; }
    bool operator==(const Maatsoort&) const = default;
};

// One bar in playing order.
struct Speelmaat {
    int balk = 0;               // index into Muziekstuk::balken
    int maat = 0;               // index into Muziekstuk::maten
    std::int64_t begin = 0;     // ticks from the start of the group
};

struct Tempowissel {
    std::int64_t tik = 0;
    double bpm = 100;
};

// The staffs of one instrument: same number of strings, and bass or not.
struct Speelgroep {
    std::vector<int> balken;            // in document order
    int snaren = 0;
    bool bas = false;
    int programma = 25;                 // General MIDI program, 0-based
    std::vector<Speelmaat> volgorde;    // repeats expanded
    std::int64_t lengte = 0;            // ticks
    std::vector<Tempowissel> tempi;     // first at tick 0
};

// The times of a Muziekstuk, in tables beside its own.
struct Tijdlijn {
    // Per klank: ticks from its bar's start, and until the next klank of
    // the staff (or the bar's end).
    std::vector<std::int32_t> klankBegin;
    std::vector<std::int32_t> klankLengte;
    // Per note: how long it sounds, "=" holds included.
    std::vector<std::int32_t> nootLengte;
    // Per bar: its length in ticks and the time signature it is in. A
    // staff without bar lines is one bar that may span several measures.
    std::vector<std::int32_t> maatLengte;
    std::vector<Maatsoort> maatSoort;
    std::vector<Bereik> maatKlanken;    // per bar: its klanken (global indexes)
    std::vector<bool> vasteStap;        // per staff: read two columns an eighth
    std::vector<Speelgroep> groepen;
};

struct TijdOpties {
    double tempo = 100;                 // when the text names none
    int gitaar = 25;                    // General MIDI program of a guitar the text names none for
};

// `regels` are the lines the model was read from: count lines, "3/4" marks,
// tempo statements and instrument words are read from them.
Tijdlijn BerekenTijden(const Muziekstuk& stuk, std::span<const std::u32string_view> regels,
                       const TijdOpties& opties = {});
// The same from lines handed out a stretch at a time, as the model reads them.
Tijdlijn BerekenTijden(const Muziekstuk& stuk, Regelbron& regels, const TijdOpties& opties = {});

// A note as it is played.
struct Speelnoot {
    std::int64_t begin = 0;
    std::int32_t lengte = 0;
    int balk = 0;               // index into Muziekstuk::balken
    int noot = 0;               // index into Muziekstuk::noten
};

// The notes of one group in playing order (by onset, then string), repeats
// expanded, as a player or a file writer walks through them: `noot` gets
// each Speelnoot in turn, and `maatKlaar` the tick the next bar begins at
// (the group's length after the last) once a bar's notes are all given. No
// later note begins before it.
template <typename NootFn, typename MaatFn>
void VoorElkeSpeelnoot(const Muziekstuk& stuk, const Tijdlijn& tijden, int groep, NootFn&& noot, MaatFn&& maatKlaar)
{
    const Speelgroep& g = tijden.groepen[static_cast<std::size_t>(groep)];
    for (std::size_t i = 0; i < g.volgorde.size(); ++i) {
        const Speelmaat& m = g.volgorde[i];
        const Bereik r = tijden.maatKlanken[static_cast<std::size_t>(m.maat)];
        const Muziekbalk& b = stuk.balken[static_cast<std::size_t>(m.balk)];
        for (int k = r.begin; k < r.begin + r.aantal; ++k) {
            const Klank& klank = stuk.klanken[static_cast<std::size_t>(k)];
            const std::int64_t begin = m.begin + tijden.klankBegin[static_cast<std::size_t>(k)];
            for (int n = klank.eersteNoot; n < klank.eersteNoot + klank.aantalNoten; ++n) {
                const int gn = b.noten.begin + n;
                const std::int32_t lengte = tijden.nootLengte[static_cast<std::size_t>(gn)];
                if (lengte > 0)
                    noot(Speelnoot{begin, lengte, m.balk, gn});
            }
        }
        maatKlaar(i + 1 < g.volgorde.size() ? g.volgorde[i + 1].begin : g.lengte);
    }
}

// At least as many as the notes that walk gives: the room a writer reserves.
std::size_t AantalSpeelnoten(const Muziekstuk& stuk, const Tijdlijn& tijden, int groep);

// The tempo changes of all groups in tick order, as the file's conductor
// holds them; at least one, at tick 0.
std::vector<Tempowissel> Tempokaart(const Tijdlijn& tijden);

// Seconds from tick 0 to `tik` under `tempi` (Tempokaart's order).
double TikNaarSeconden(const std::vector<Tempowissel>& tempi, std::int64_t tik);
// The tick sounding `seconden` after tick 0; the inverse of the above.
double SecondenNaarTik(const std::vector<Tempowissel>& tempi, double seconden);

// The length of the longest group, in ticks.
std::int64_t Speelduur(const Tijdlijn& tijden);

// A tempo statement in a line ("Tempo: 96", "♩ = 96", "96 bpm"), or 0.
double LeesTempo(std::u32string_view regel);

// A time signature written as "3/4" in a line (not part of a chord name);
// teller 0 when there is none.
Maatsoort LeesMaatsoort(std::u32string_view regel);

} // namespace korvane
