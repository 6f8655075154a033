// The staff doctor: faults that break a staff's columns (lines of unequal
// length, missing closing bars, bar lines out of step, tab characters and
// characters that only look like "-", "|" or a space), labels and string
// counts that disagree with the staffs around, and frets no guitar has.
// Each finding lies at the line and column of the fault, says in Dutch what
// is wrong, and carries the edit that mends it where one exists. A mend
// never moves a note to another string, past another note of its string or
// into another bar, and never changes a fret.
#pragma once

#include "music/noten.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Characters [kolom, kolom + lengte) of line `regel` become `tekst`.
struct Wijziging {
    int regel = 0;
    int kolom = 0;
    int lengte = 0;
    std::u32string tekst;
};

enum class Kwaal {
    Lengte,       // a staff line shorter than the others
    Slotstreep,   // the closing bar missing on some lines
    Maatstreep,   // a bar line out of step with the other strings
    Tabteken,     // a tab character in a staff line
    Lijkteken,    // a look-alike of "-", "|" or a space
    Snaarnaam,    // a label the staffs around write otherwise
    Snaaraantal,  // more or fewer strings than the staffs around
    Fret,         // a fret above 24
};

struct Diagnose {
    int regel = 0;
    int kolom = 0;
    Kwaal kwaal = Kwaal::Lengte;
    std::string bericht;             // Dutch, UTF-8
    std::vector<Wijziging> herstel;  // empty: no mend known
};

// Lines [van, tot) of a document become `nieuw`, which may hold more lines
// than it replaces (a chord line added above a staff).
struct Regelvervanging {
    int van = 0;
    int tot = 0;
    std::vector<std::u32string> nieuw;
};

// The faults of every staff, in document order. Staffs drawn with look-alike
// characters or tab characters are found as the analysis would find them
// once those are mended.
std::vector<Diagnose> Controleer(std::span<const std::u32string_view> regels);

// The mends of the findings together as one replacement of the lines they
// touch. A mend that overlaps one taken earlier in the list is left out
// whole. Empty (van == tot) when there is nothing to mend.
Regelvervanging Samen(std::span<const std::u32string_view> regels, std::span<const Diagnose> diagnoses);

// Every mend, checked again until nothing more can be mended.
Regelvervanging HerstelAlles(std::span<const std::u32string_view> regels);

} // namespace korvane
