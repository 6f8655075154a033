// Column insertion: a bar line, a space, a begin repeat or an end repeat put
// into every line of the staff under the caret at the caret column, with the
// count line above widened to match. One line snapshot makes it undoable.
#pragma once

#include "core/tabstate.h"

namespace korvane {

enum InvoegSoort { Maatstreep = 1, Spatie = 2, Beginherhaling = 3, Eindherhaling = 4 };

// `kolom` is the 0-based caret column on line `regel`. Does nothing unless the
// line is a staff line.
void invoegen(TabContext& ctx, int soort, int kolom, int regel);

// The four command handlers: each takes the caret's line and column.
void Maatstreepinvoegen1Click(TabContext& ctx);
void Spatieinvoegen1Click(TabContext& ctx);
void Beginherhalinginvoegen1Click(TabContext& ctx);
void Eindherhalinginvoegen1Click(TabContext& ctx);

} // namespace korvane
