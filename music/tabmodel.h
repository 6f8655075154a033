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
    KunstFlageolet, // [n]: pitch as fretted; the sounding octave depends on
                    // the technique the writer meant
};

// Kept small: a long document holds hundreds of thousands of them.
struct Noot {
    int regel = 0;
    int kolom = 0;                  // first digit of the fret (or the x)
    int aangehoudenTot = -1;        // last column of an "=" run after it
    int maat = -1;                  // index into the staff's bars
    std::int16_t snaar = 0;         // 0 = the top line of the staff
    std::int16_t toonhoogte = -1;   // sounding MIDI number, capo included; -1 unknown or muted
    std::int8_t fret = -1;          // -1 for a muted string
    std::int8_t lengte = 1;         // characters of the fret number
    Aanslag aanslag = Aanslag::Gewoon;
    Techniek via = Techniek::Geen;  // sign just before the note
    Techniek naar = Techniek::Geen; // sign just after it
    bool vibrato = false;           // ~ after it
    bool palmMute = false;
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
    int eersteNoot = 0;     // index into the staff's notes
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

// Where a staff's items lie in the flat tables of its Muziekstuk.
struct Bereik {
    int begin = 0;
    int aantal = 0;
};

struct Muziekbalk {
    TTabbalk bron;                      // the staff as the analysis found it
    Bereik snaren;                      // top line first, highest string first
    Bereik maatstrepen;
    Bereik maten;
    Bereik noten;                       // by column, then by string
    Bereik klanken;
    Bereik akkoorden;                   // columns are document columns
    Bereik tijden;
    Bereik palmMutes;
    bool stemmingUitNamen = false;      // tuning read from the labels
    int capo = 0;
    int akkoordregel = -1;
    int tijdregel = -1;
    int telregel = -1;                  // a count line such as "1  |   .   |"
    int keer = 1;                       // "x3" after the staff: how often the
                                        // last repeat (or the staff) is played
};

struct Bevinding {
    int regel = 0;
    int kolom = 0;
    std::string bericht;                // Dutch, UTF-8
};

// The staffs keep their items in shared tables rather than vectors of their
// own: a long document has thousands of staffs, and a handful of tables keep
// building and dropping the model cheap. Indexes inside a staff's items
// (Klank::eersteNoot, Noot::maat, Noot::snaar) count from the staff's own
// first item.
struct Muziekstuk {
    std::vector<Muziekbalk> balken;
    std::vector<Bevinding> bevindingen; // in document order

    std::vector<Snaar> snaren;
    std::vector<Maatstreep> maatstrepen;
    std::vector<Maat> maten;
    std::vector<Noot> noten;
    std::vector<Klank> klanken;
    std::vector<Akkoordnaam> akkoorden;
    std::vector<Tijdteken> tijden;
    std::vector<PalmMute> palmMutes;

    std::span<const Snaar> Snaren(const Muziekbalk& b) const { return Deel(snaren, b.snaren); }
    std::span<const Maatstreep> Maatstrepen(const Muziekbalk& b) const { return Deel(maatstrepen, b.maatstrepen); }
    std::span<const Maat> Maten(const Muziekbalk& b) const { return Deel(maten, b.maten); }
    std::span<const Noot> Noten(const Muziekbalk& b) const { return Deel(noten, b.noten); }
    std::span<const Klank> Klanken(const Muziekbalk& b) const { return Deel(klanken, b.klanken); }
    std::span<const Akkoordnaam> Akkoorden(const Muziekbalk& b) const { return Deel(akkoorden, b.akkoorden); }
    std::span<const Tijdteken> Tijden(const Muziekbalk& b) const { return Deel(tijden, b.tijden); }
    std::span<const PalmMute> PalmMutes(const Muziekbalk& b) const { return Deel(palmMutes, b.palmMutes); }

private:
    template <typename T>
    static std::span<const T> Deel(const std::vector<T>& v, Bereik r)
    {
        return std::span<const T>(v).subspan(static_cast<std::size_t>(r.begin), static_cast<std::size_t>(r.aantal));
    }
};

// The document's lines as characters, handed out a stretch at a time so that
// a source that has to convert them can do so into a small buffer that stays
// in the cache.
class Regelbron {
public:
    virtual ~Regelbron() = default;
    virtual int Aantal() const = 0;
    // Makes lines [van, tot) readable; what Regel returned before may go.
    virtual void Bereid(int van, int tot) = 0;
    virtual std::u32string_view Regel(int i) const = 0;
};

// Lines that are all at hand already.
class Regelspan : public Regelbron {
public:
    explicit Regelspan(std::span<const std::u32string_view> regels) : m_regels(regels) {}
    int Aantal() const override { return static_cast<int>(m_regels.size()); }
    void Bereid(int, int) override {}
    std::u32string_view Regel(int i) const override { return m_regels[static_cast<std::size_t>(i)]; }

private:
    std::span<const std::u32string_view> m_regels;
};

// Reads every staff of `analyse` (which must be fresh for the lines).
// `terugval` is the current tuning, labels lowest first, used for staffs
// without labels. Nothing in the result points into the lines.
Muziekstuk LeesMuziek(Regelbron& regels, const TabAnalyse& analyse, const std::vector<std::u32string>& terugval);
Muziekstuk LeesMuziek(std::span<const std::u32string_view> regels, const TabAnalyse& analyse,
                      const std::vector<std::u32string>& terugval);

// A "capo N" / "Capo: N" statement in a line: the fret, 0 for "no capo",
// -1 when the line holds none, -2 when it names a capo but no readable fret.
int LeesCapo(std::u32string_view regel);

// A timing-letter line: W H Q E S T with dots, at their columns.
bool LeesTijdregel(std::u32string_view regel, std::vector<Tijdteken>& tijden);

} // namespace korvane
