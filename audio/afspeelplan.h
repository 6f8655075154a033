// What "Tab afspelen" plays: from the caret, or the selection, to ticks of
// the timed tab, with the columns the sound passes in playing order, so that
// a highlight can follow the sound and a stop can leave the caret where the
// sound was.
#pragma once

#include "music/timing.h"

#include <cstdint>
#include <vector>

namespace korvane {

// A place in the text: 0-based line and column.
struct Tekstplek {
    int regel = 0;
    int kolom = 0;
};

// One column of notes as it sounds.
struct Speelpunt {
    std::int64_t tik = 0;
    int balk = 0;               // index into Muziekstuk::balken
    int kolom = 0;
    int breedte = 1;            // characters of the widest fret in it
};

struct Afspeelplan {
    int groep = -1;             // -1: nothing to play
    std::int64_t van = 0, tot = 0;
    std::vector<Speelpunt> punten;  // in playing order, ticks in [van, tot)
    Maatsoort maat;                 // of the bar playing starts in
};

// From `begin` to the end of the tab, or with `eind` (a selection, `eind`
// after `begin`) the columns between them: the first column at or after
// `begin` to the last before `eind`, as the playing order passes them. A
// caret past the last note plays from the start.
Afspeelplan MaakAfspeelplan(const Muziekstuk& stuk, const Tijdlijn& tijden, Tekstplek begin,
                            const Tekstplek* eind = nullptr);

// The index of the point sounding at `tik`, -1 before the first.
int PuntOp(const Afspeelplan& plan, double tik);

} // namespace korvane
