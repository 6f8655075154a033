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
    DocumentVervangen(ctx.state);
    for (int i = 0; i < 8; ++i) {
        inserttab(ctx);
        if (i < 7)
            ed.AddLine(U"");
    }
    ed.UnlockPainting();
    doorlopendelijnenClick(ctx, korvaneFont, tablijnenOmgezet, naarKorvane);
    // The fresh sheet holds nothing the user wrote: once converted it counts
    // as unchanged. Refused, the ASCII staffs stay marked.
    if (tablijnenOmgezet)
        ed.SetModified(false);
    ed.SetBusyCursor(false);
}

} // namespace korvane
