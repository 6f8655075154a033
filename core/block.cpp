// Vertical copy, cut and paste.
#include "core/block.h"

#include <algorithm>
#include <string>

namespace korvane {

bool VerticaalKopiren(TabContext& ctx, bool cut)
{
    EditorOps& ed = ctx.editor;
    BlokKlembord& blok = ctx.state.blok;

    int blokStartRegel = ed.LineFromOffset(ed.CaretOffset());
    const int c0 = ed.CaretOffset() - ed.LineStart(blokStartRegel);
    ed.SetCaret(ed.CaretOffset() + ed.SelectionLength());
    int blokEindRegel = ed.LineFromOffset(ed.CaretOffset());
    const int e0 = ed.CaretOffset() - ed.LineStart(blokEindRegel);

    int aantal = blokEindRegel - blokStartRegel + 1;
    const int blokStartKolom = c0 + 1;
    int blokEindKolom = e0;
    if (e0 <= c0) {
        int breedste = e0;
        for (int i = blokStartRegel; i <= blokEindRegel; ++i)
            breedste = std::max(breedste, static_cast<int>(ed.GetLine(i).size()));
        blokEindKolom = breedste;
        --blokEindRegel;
        --aantal;
        if (cut) {
            ctx.dialogs.Beep(Sound::Exclamation);
            return false;
        }
    }

    blok.blokAantal = aantal;
    blok.blokregels.assign(static_cast<std::size_t>(std::max(aantal, 0)) + 1, std::u32string());
    std::vector<int> genomen(static_cast<std::size_t>(std::max(aantal, 0)), 0);
    for (int i = blokStartRegel, k = 0; i <= blokEindRegel; ++i, ++k) {
        const std::u32string s = ed.GetLine(i);
        const int van = blokStartKolom - 1;
        const int tot = std::min(blokEindKolom, static_cast<int>(s.size()));
        if (tot > van)
            blok.blokregels[k] = s.substr(static_cast<std::size_t>(van), static_cast<std::size_t>(tot - van));
        genomen[k] = static_cast<int>(blok.blokregels[k].size());
    }

    if (cut) {
        LineSnapshot& snap = ctx.state.snapshot;
        snap.undoregels.clear();
        snap.undostart = blokStartRegel;
        snap.undoeind = blokEindRegel;
        snap.toegevoegd = 0;
        snap.aantalRegels = ed.LineCount();
        snap.undomogelijk = true;
        for (int i = blokStartRegel, k = 0; i <= blokEindRegel; ++i, ++k) {
            snap.undoregels.push_back(ed.GetLine(i));
            if (genomen[k] == 0)
                continue; // the line ends before the block: nothing of it goes
            ed.SetCaret(ed.LineStart(i));
            ed.SetCaret(ed.CaretOffset() + blokStartKolom - 1);
            ed.SetSelectionLength(genomen[k]);
            ed.ReplaceSelection(U"");
        }
        // One right of the block's left edge, but never past the end of the
        // first line, which the cut may have left shorter than that.
        const int lengte = static_cast<int>(ed.GetLine(blokStartRegel).size());
        ed.SetCaret(ed.LineStart(blokStartRegel) + std::min(blokStartKolom, lengte));
        ed.ClearUndo();
    }
    return true;
}

bool VerticaalKnippen1Click(TabContext& ctx)
{
    return VerticaalKopiren(ctx, true);
}

bool VerticaalKopiren1Click(TabContext& ctx)
{
    return VerticaalKopiren(ctx, false);
}

void Verticaalplakken1Click(TabContext& ctx)
{
    EditorOps& ed = ctx.editor;
    const BlokKlembord& blok = ctx.state.blok;
    LineSnapshot& snap = ctx.state.snapshot;

    const int p = ed.CaretOffset();
    const int r = ed.LineFromOffset(p);
    const int k = p - ed.LineStart(r);
    // The control's last line, the empty one after a final break included.
    const int laatste = ed.LineFromOffset(ed.TextLength());
    const int eind = r + blok.blokAantal - 1;

    snap.undoregels.assign(static_cast<std::size_t>(std::max(blok.blokAantal, 0)) + 1, std::u32string());
    snap.undostart = r;
    snap.undoeind = std::min(eind, laatste);
    snap.toegevoegd = std::max(0, eind - laatste);

    for (int i = 0; i < blok.blokAantal; ++i) {
        const int t = r + i;
        if (t > laatste) {
            // Past the end: a new line, so no block line has to be dropped.
            ed.SetCaret(ed.TextLength());
            ed.ReplaceSelection(crlf);
        } else {
            snap.undoregels[i] = ed.GetLine(t);
        }
        const std::u32string& tekst = blok.blokregels[i];
        const int lengte = static_cast<int>(ed.GetLine(t).size());
        if (k <= lengte) {
            ed.SetCaret(ed.LineStart(t));
            ed.SetCaret(ed.CaretOffset() + k);
            ed.SetSelectionLength(k < lengte ? 1 : 0);
            ed.ReplaceSelection(tekst);
        } else {
            ed.SetCaret(ed.LineStart(t) + lengte);
            ed.ReplaceSelection(std::u32string(static_cast<std::size_t>(k - lengte), ' ') + tekst);
        }
    }
    if (snap.undoeind < snap.undostart)
        snap.undoregels.clear();
    ed.SetCaret(p);
    snap.aantalRegels = ed.LineCount();
    snap.undomogelijk = true;
    ed.ClearUndo();
}

} // namespace korvane
