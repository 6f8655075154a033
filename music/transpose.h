// Transposing, retuning and setting a capo on the text itself: every note gets
// the fret that gives the pitch asked for, columns widen and narrow with the
// number of digits on every line of the staff so that it stays aligned, and
// chord names and string labels above and in front of it follow.
#pragma once

#include "core/tabstate.h"
#include "music/noten.h"
#include "music/omzetten.h"
#include "music/tabmodel.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// What happens to every note of the staffs it is applied to.
struct Omzetting {
    int halvetonen = 0;                       // the sounding pitch moves by this
    // Open strings afterwards, lowest first; empty keeps the staff's own.
    std::vector<int> nieuweOpen;
    std::vector<std::u32string> nieuweNamen;  // their labels, lowest first
    int nieuweCapo = -1;                      // -1 keeps each staff's capo
    // Chord lines away from the staffs (over lyrics) move by `halvetonen`
    // too: the whole song is transposed.
    bool losseAkkoorden = false;
};

// The new text of lines [eerste, laatste] of the old document, as
// `regels` (more of them when `toegevoegd` lines were added).
struct Omgezet {
    int eerste = -1;                          // -1: nothing changed
    int laatste = -1;
    std::vector<std::u32string> regels;
    int toegevoegd = 0;
    std::vector<int> toegevoegdNa;            // old line each added line follows; -1: the top
    std::vector<Bevinding> gebleven;          // notes and staffs left as they were, old lines
};

// Applies `omzetting` to the staffs `balken` (indexes into stuk.balken, in
// document order) of the document `regels` that `stuk` was read from.
Omgezet ZetOm(std::span<const std::u32string_view> regels, const Muziekstuk& stuk, std::span<const int> balken,
              const Omzetting& omzetting);

// The capo statements of a document made to say `capo` (0: none): a fret
// number is rewritten in place; a statement in words ("no capo", "Capo III")
// is kept and followed by a line "Capo: N". Without any statement a set
// capo gets that line at the top.
void SchrijfCapo(std::span<const std::u32string_view> regels, int capo, Omgezet& omgezet);

// A chord name moved by `halvetonen`, spelled with sharps unless it or
// `mollen` says flats; its kind and letter case are kept.
std::u32string TransponeerAkkoord(const Akkoordnaam& akkoord, int halvetonen, bool mollen);

// The staffs of the document, of the caret's staff or of those the selection
// touches; empty when the caret or selection holds none.
std::vector<int> BalkenIn(const EditorOps& editor, const Muziekstuk& stuk, Bereikkeuze keuze);

} // namespace korvane
