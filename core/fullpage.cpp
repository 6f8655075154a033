// The full page of staffs.
#include "core/fullpage.h"

#include "core/linefont.h"
#include "core/staff.h"

namespace korvane {

void FullPageButtonClick(TabContext& ctx, bool korvaneFont, bool& tablijnenOmgezet,
                         const std::function<bool()>& VraagOpslaan,
                         const std::function<void()>& New1Click,
                         const std::function<bool()>& naarKorvane)
{
    EditorOps& ed = ctx.editor;
    if (!VraagOpslaan())
        return;
    ed.SetBusyCursor(true);
    ed.LockPainting();
    New1Click();
    for (int i = 0; i < 8; ++i) {
        inserttab(ctx);
        if (i < 7)
            ed.AddLine("");
    }
    ed.UnlockPainting();
    doorlopendelijnenClick(ctx, korvaneFont, tablijnenOmgezet, naarKorvane);
    ed.SetBusyCursor(false);
}

} // namespace korvane
