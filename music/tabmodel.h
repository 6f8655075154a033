// The musical reading of a tab document: each staff the tab analysis finds
// becomes strings with a tuning, bars, and notes in columns, together with
// what stands around it (chord names, a timing line, a count line, palm-mute
// marks, a capo, a repeat count). What cannot be read is listed as findings
// with line, column and a Dutch message, never guessed at silently.
//
// Text is Unicode characters, one character one column; columns are 0-based
// document columns and lines are the document's own line indexes.
#pragma once

#include "core/analysis.h"
#include "music/noten.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The sign that joins a note to the one before it on the same string (or
// leads into or out of it when there is none).
enum class Techniek : std::uint8_t {
    Geen,
    Hamer,      // h
    Aftrek,     // p
    Buig,       // b: the next number is the pitch bent to, not a new attack
    Terug,      // r: release of a bend
    GlijOp,     // /
    GlijAf,     // backslash
    Glij,       // s
    Tik,        // t: the next number is tapped
};

enum class Aanslag : std::uint8_t {
    Gewoon,
    Gedempt,        // x: a muted string, no pitch
    Spook,          // (n)
    Flageolet,      // <n>: natural harmonic, sounding at the node's pitch
    KunstFlageolet, // [n]
};

struct Noot {
    int snaar = 0;          // 0 = the top line of the staff
    int regel = 0;
    int kolom = 0;          // first digit of the fret (or the x)
    int lengte = 1;         // characters of the fret number
    int fret = -1;          // -1 for a muted string
    int toonhoogte = -1;    // sounding MIDI number, capo included; -1 unknown or muted
    Aanslag aanslag = Aanslag::Gewoon;
    Techniek via = Techniek::Geen;  // sign just before the note
    Techniek naar = Techniek::Geen; // sign just after it
    bool vibrato = false;           // ~ after it
    bool palmMute = false;
    int aangehoudenTot = -1;        // last column of an "=" run after it
    int maat = -1;                  // index into Muziekbalk::maten
};

struct Snaar {
    int regel = 0;
    std::u32string naam;    // label as written ("e", "F#"); empty without one
    int naamKolom = -1;
    int begin = 0;          // first column after the label and its ":"
    int open = -1;          // MIDI number of the open string, capo excluded; -1 unknown
};

struct Maatstreep {
    int kolom = 0;
    int breedte = 1;        // 2 for "||"
    bool herhaalBegin = false; // "|:" or "|*"
    bool herhaalEind = false;  // ":|" or "*|"
};

// Columns [begin, eind) between two bar lines (or a staff's open end).
struct Maat {
    int begin = 0;
    int eind = 0;
};

// The notes struck together: one column of the staff.
struct Klank {
    int kolom = 0;
    int eersteNoot = 0;     // index into Muziekbalk::noten
    int aantalNoten = 0;
    int noemer = 0;         // from a timing line: 1 whole .. 32, 0 when none
    int punten = 0;
};

struct Tijdteken {
    int kolom = 0;
    char32_t letter = 0;    // W H Q E S T
    int noemer = 0;         // 1, 2, 4, 8, 16, 32
    int punten = 0;
};

struct PalmMute {
    int begin = 0;          // column of the P
    int eind = 0;           // one past the last column of its extent
};

struct Muziekbalk {
    TTabbalk bron;                      // the staff as the analysis found it
    std::vector<Snaar> snaren;          // top line first, highest string first
    bool stemmingUitNamen = false;      // tuning read from the labels
    int capo = 0;
    std::vector<Maatstreep> maatstrepen;
    std::vector<Maat> maten;
    std::vector<Noot> noten;            // by column, then by string
    std::vector<Klank> klanken;
    int akkoordregel = -1;
    std::vector<Akkoordnaam> akkoorden; // columns are document columns
    int tijdregel = -1;
    std::vector<Tijdteken> tijden;
    int telregel = -1;                  // a count line such as "1  |   .   |"
    std::vector<PalmMute> palmMutes;
    int keer = 1;                       // "x3" after the staff: how often the
                                        // last repeat (or the staff) is played
};

struct Bevinding {
    int regel = 0;
    int kolom = 0;
    std::string bericht;                // Dutch, UTF-8
};

struct Muziekstuk {
    std::vector<Muziekbalk> balken;
    std::vector<Bevinding> bevindingen; // in document order
};

// Reads every staff of `analyse` (which must be fresh for `regels`).
// `terugval` is the current tuning, labels lowest first, used for staffs
// without labels.
Muziekstuk LeesMuziek(std::span<const std::u32string_view> regels, const TabAnalyse& analyse,
                      const std::vector<std::u32string>& terugval);

// A "capo N" / "Capo: N" statement in a line: the fret, 0 for "no capo",
// -1 when the line holds none, -2 when it names a capo but no readable fret.
int LeesCapo(std::u32string_view regel);

// A timing-letter line: W H Q E S T with dots, at their columns.
bool LeesTijdregel(std::u32string_view regel, std::vector<Tijdteken>& tijden);

} // namespace korvane
