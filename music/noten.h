// Note names as tab files write them: string labels, the octaves a tuning's
// strings sound in, and chord names with their spelling kept for rewriting.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The highest fret of a guitar neck: what the staff doctor lets pass and
// where a transposed note has to move to another string.
inline constexpr int hoogsteFret = 24;

// A written note name. The spelling is kept so that a rewrite can keep the
// writer's letter case and sharp or flat style.
struct Nootnaam {
    char32_t letter = 0;   // 'A'..'G' or 'a'..'g', as written
    int verhoging = 0;     // +1 sharp, -1 flat, 0 none
    int toonklasse = 0;    // 0 = C .. 11 = B, the accidental applied
    int lengte = 0;        // characters taken: 1 or 2
};

// A note name at the start of `tekst`: a letter A-G in either case, then
// optionally "#", "b", "♯" or "♭".
std::optional<Nootnaam> LeesNootnaam(std::u32string_view tekst);

// The open strings, lowest first, of the usual instrument with `aantal`
// strings: guitar (6), guitar with a low B (7), bass (4, 5). Empty for other
// counts, which have no usual tuning to fall back on.
std::vector<int> StandaardStemming(int aantal);

// MIDI numbers for pitch classes given lowest string first. With 4 to 7
// strings each string takes the octave nearest the same string of the usual
// instrument, so drop and lowered tunings land where they are played; other
// counts start near E2 (a fourth lower per string beyond six) and climb.
// Fewer than six strings named exactly as a guitar's top strings are those.
std::vector<int> Octaveer(const std::vector<int>& toonklassen);

// The labels of a tuning, lowest first, made into open-string pitches; empty
// when a label is not a note name.
std::vector<int> StemmingVanNamen(const std::vector<std::u32string>& namen);

struct Akkoordnaam {
    int kolom = 0;              // column of the root letter
    int lengte = 0;             // characters of the whole name
    Nootnaam grondtoon;
    std::u32string soort;       // what follows the root, as written: "m7", "sus4", ""
    std::optional<Nootnaam> bas;
    int basKolom = -1;          // column of the bass letter after "/"
};

// One word as a chord name ("Am7", "F#m7b5", "C/G", "Bbmaj7", "D6/9"); the
// columns count from the word's start.
std::optional<Akkoordnaam> LeesAkkoord(std::u32string_view woord);

// A line of chord names over a staff. It is one when its chord names
// outnumber its other words (so a lyric that happens to start with "A" is not
// one); the other words are returned in `onbekend` as {column, length}.
struct Woord {
    int kolom = 0;
    int lengte = 0;
};
bool LeesAkkoordregel(std::u32string_view regel, std::vector<Akkoordnaam>& akkoorden,
                      std::vector<Woord>& onbekend);

} // namespace korvane
