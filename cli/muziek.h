// The steps of korvane-cli that read the music: the staff check, its
// repair and the chord names. Apart from main.cpp, whose column commands
// name their constants as the musical model names its types.
#pragma once

#include "core/tabstate.h"

#include <ostream>
#include <string>

namespace korvane {

// Each finding as "naam:line:column: message", counted from 1; true when
// there was any.
bool ControleerStap(const EditorOps& editor, const std::string& naam, std::ostream& uit);
// Every mend the check knows, as one undo step.
void HerstelStap(TabContext& ctx);
// Every column of three or more notes named on its chord line, as one undo
// step; columns left unnamed are told through the dialogs.
void AkkoordenStap(TabContext& ctx);

} // namespace korvane
