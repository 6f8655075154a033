// The tuning column, line ends and left alignment.
#include "core/tidy.h"
#include "core/vertaling.h"

#include "core/linefont.h"

#include <algorithm>
#include <string>

namespace korvane {

void Stemmimg1Click(TabContext& ctx)
{
    EditorOps& ed = ctx.editor;
    TabAnalyse& a = ctx.state.analyse;
    Stemming& st = ctx.state.stemming;

    if (a.aantalbalken == 0)
        return;
    BerekenStemming(ctx.state.instellingen.stemming, st);
    if (st.aantalsnaren == 0) {
        // Without a tuning there is nothing to label with; the same refusal as
        // the empty-staff command gives.
        ctx.dialogs.Beep(Sound::Exclamation);
        ctx.dialogs.Message(Vertaal("Melding", "Geen stemming geselecteerd"));
        return;
    }
    AnalyseerIndienNodig(ed, a);

    ed.SetBusyCursor(true);
    ed.LockPainting();
    for (int b = 0; b < a.aantalbalken; ++b) {
        const TTabbalk balk = a.tabbalken[b];
        int laatsteBreedte = -1;
        for (int j = 0; j < balk.aantal; ++j) {
            const int i = balk.eerste + j;
            const std::u32string s = ed.GetLine(i);
            if (s.empty())
                continue;
            const char32_t f = s[0];
            if (f != '-' && f != '|' && tabtekens.find(f) == std::u32string_view::npos)
                continue;
            std::u32string scheiding = f == U'|' ? U"" : U"|";
            const int index = balk.aantal - 1 - j;
            // A staff taller than the tuning: its extra top lines get a blank
            // as wide as a one-letter label, so the staff body stays in line
            // with the labelled lines below.
            const std::u32string label = index < st.aantalsnaren ? st.snaarnamen[index] : std::u32string(U" ");
            if (st.kruisofmol && label.size() < 2)
                scheiding.insert(0, U" ");
            const std::u32string voor = label + scheiding;
            ed.PutLine(i, voor + s);
            laatsteBreedte = static_cast<int>(voor.size());
        }
        if (laatsteBreedte >= 0 && balk.eerste >= 1 && a.IsMarkeerLijn(balk.eerste - 1)) {
            const int tel = balk.eerste - 1;
            ed.PutLine(tel, std::u32string(static_cast<std::size_t>(laatsteBreedte), ' ') + ed.GetLine(tel));
        }
    }
    ed.SetBusyCursor(false);
    ed.UnlockPainting();
    ed.SetCaret(0);
}

void endclosebuttonClick(TabContext& ctx)
{
    EditorOps& ed = ctx.editor;
    TabAnalyse& a = ctx.state.analyse;
    AnalyseerIndienNodig(ed, a);
    ed.SetBusyCursor(true);
    ed.LockPainting();
    const int n = ed.LineCount();
    for (int i = 0; i < n; ++i) {
        if (!a.IsTabLijn(i))
            continue;
        const std::u32string s = ed.GetLine(i);
        if (s.empty() || s.back() != '|')
            ed.PutLine(i, s + U"|");
    }
    ed.UnlockPainting();
    ed.SetBusyCursor(false);
    ed.SetCaret(0);
}

void Linksuitlijnen(TabContext& ctx)
{
    EditorOps& ed = ctx.editor;
    TabAnalyse& a = ctx.state.analyse;
    AnalyseerIndienNodig(ed, a);
    ed.LockPainting();
    const int n = ed.LineCount();
    for (int i = 0; i < n; ++i) {
        if (!a.IsTabLijn(i))
            continue;
        const std::u32string s = ed.GetLine(i);
        const int spaties = static_cast<int>(std::min(s.find_first_not_of(U' '), s.size()));
        if (spaties == 0)
            continue; // nothing to remove, and no change to report
        // Whole-line rewrites rather than a selection per line: the same text,
        // and on a long document it stays linear where an offset-based
        // selection has to locate its line every time.
        ed.PutLine(i, std::u32string_view(s).substr(static_cast<std::size_t>(spaties)));
        if (i >= 1 && a.IsMarkeerLijn(i - 1)) {
            // A count line shorter than the indentation loses all it has, but
            // never its line break.
            const std::u32string tel = ed.GetLine(i - 1);
            const std::size_t weg = std::min(static_cast<std::size_t>(spaties), tel.size());
            if (weg > 0)
                ed.PutLine(i - 1, std::u32string_view(tel).substr(weg));
        }
    }
    ed.UnlockPainting();
    ed.SetSelectionLength(0);
    ed.SetCaret(0);
}

void LinksUitlijnen1Click(TabContext& ctx)
{
    Linksuitlijnen(ctx);
}

} // namespace korvane
