// The empty staff: one dashed line per string of the current tuning, with an
// optional count line of beats above it.
#pragma once

#include "core/tabstate.h"

#include <string>
#include <vector>

namespace korvane {

struct MaatsoortInfo {
    const char* tekst;      // the entry of the time-signature box
    int herhalingen;        // how often the pieces repeat on a line
    const char32_t* telstuk;    // count piece
    const char32_t* balkstuk;   // staff piece
};

extern const MaatsoortInfo maatsoortTabel[aantalMaatsoorten];

// The lines inserttab writes (count line first when time signatures are on),
// for an already computed tuning.
std::vector<std::u32string> LegeBalk(const Stemming& stemming, const TabInstellingen& instellingen);

// Inserts an empty staff above the caret line. Refuses an empty tuning.
void inserttab(TabContext& ctx);

} // namespace korvane
