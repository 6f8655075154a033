// Naming the chord a staff sounds in one column, and writing names on the
// chord line above the staff.
#pragma once

#include "music/doctor.h"
#include "music/tabmodel.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct AkkoordKeuze {
    int grondtoon = 0;      // pitch class, 0 = C
    int bas = -1;           // pitch class after "/", -1 when the root is the bass
    std::u32string soort;   // "", "m", "7", "sus4" ...
    std::u32string naam;    // "Am7", "C/G"
};

// The names the sounding pitches (MIDI numbers, any order) can carry, best
// first: all chord tones before a missing fifth, then a root in the bass
// before a slash chord, then a simpler chord before a fuller one. Empty when
// no name fits or fewer than two pitch classes sound.
std::vector<AkkoordKeuze> BenoemAkkoord(std::span<const int> toonhoogtes);

// The spelling of a pitch class in chord names: C C# D Eb E F F# G G# A Bb B.
std::u32string Toonnaam(int klasse);

struct Benoeming {
    std::string fout;                   // Dutch, UTF-8; empty when it worked
    std::vector<AkkoordKeuze> keuzes;   // ranked; the first is written
    Regelvervanging vervanging;         // the chord line (and perhaps a new one)
    int regel = 0;                      // where the name stands afterwards
    int kolom = 0;
};

// The chord sounded at (`regel`, `kolom`), a place on a staff line, written
// on the chord line above the staff; the line is made when there is none.
// `stuk` is the model of `regels`.
Benoeming BenoemOpKolom(std::span<const std::u32string_view> regels, const Muziekstuk& stuk, int regel, int kolom);

// Every column of three or more sounding notes named on its staff's chord
// line. A column whose name would run into a name already there is left
// unnamed and listed in `overgeslagen` with a Dutch reason.
Regelvervanging BenoemAlles(std::span<const std::u32string_view> regels, const Muziekstuk& stuk,
                            std::vector<Bevinding>& overgeslagen);

} // namespace korvane
