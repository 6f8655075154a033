// "Hele pagina Tab": a fresh document of eight empty staffs, converted to
// continuous lines, ready to be filled in and printed.
#pragma once

#include "core/tabstate.h"

#include <functional>

namespace korvane {

// Chains the document commands of the window: `VraagOpslaan` (false = the
// user cancelled) and `New1Click` (clears the document and its identity,
// including tablijnenOmgezet). `korvaneFont` and `naarKorvane` as for
// doorlopendelijnenClick.
void FullPageButtonClick(TabContext& ctx, bool korvaneFont, bool& tablijnenOmgezet,
                         const std::function<bool()>& VraagOpslaan,
                         const std::function<void()>& New1Click,
                         const std::function<bool()>& naarKorvane = {});

} // namespace korvane
