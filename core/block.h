// Vertical block editing: rectangles of columns copied, cut and pasted through
// the program's own vertical clipboard (not the system clipboard).
#pragma once

#include "core/tabstate.h"

namespace korvane {

// Copies (and with `cut` removes) the rectangle spanned by the selection's
// corners. Returns true when the paste command becomes available, false for
// a refused cut.
bool VerticaalKopiren(TabContext& ctx, bool cut);
bool VerticaalKnippen1Click(TabContext& ctx);
bool VerticaalKopiren1Click(TabContext& ctx);

// Pastes the held block at the caret column on consecutive lines. Target
// lines shorter than the caret column are padded with spaces; lines missing
// past the end of the document are appended (and removed again by Restore).
void Verticaalplakken1Click(TabContext& ctx);

} // namespace korvane
