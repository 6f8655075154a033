// Whole-document tidying of staffs typed or pasted by hand: the tuning column
// (string labels in front of unlabelled staff lines), the line ends (a closing
// bar on every staff line) and the left alignment (indentation removed). None
// of them changes the number of lines or takes a line snapshot.
#pragma once

#include "core/tabstate.h"

namespace korvane {

void Stemmimg1Click(TabContext& ctx);
void endclosebuttonClick(TabContext& ctx);
void Linksuitlijnen(TabContext& ctx);
void LinksUitlijnen1Click(TabContext& ctx);

} // namespace korvane
