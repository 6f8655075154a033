// Column insertion at the caret column of a staff.
#include "core/columns.h"

#include <algorithm>
#include <string>

namespace korvane {
namespace {

// Puts `text` at 0-based column `kolom` of `regel`, replacing up to `vervang`
// characters there. A line that ends before the column is first padded with
// spaces, so the construct still lands in the staff's column and the offset
// arithmetic never reaches into the line break or the next line.
void ZetOpKolom(EditorOps& ed, int regel, int lengte, int kolom, int vervang, const std::u32string& text)
{
    if (kolom <= lengte) {
        ed.SetCaret(ed.LineStart(regel));
        ed.SetCaret(ed.CaretOffset() + kolom);
        ed.SetSelectionLength(std::min(vervang, lengte - kolom));
        ed.ReplaceSelection(text);
        return;
    }
    ed.SetCaret(ed.LineStart(regel) + lengte);
    ed.ReplaceSelection(std::u32string(static_cast<std::size_t>(kolom - lengte), ' ') + text);
}

} // namespace

void invoegen(TabContext& ctx, int soort, int kolom, int regel)
{
    EditorOps& ed = ctx.editor;
    TabAnalyse& a = ctx.state.analyse;
    LineSnapshot& snap = ctx.state.snapshot;

    const int c = kolom + 1;
    AnalyseerIndienNodig(ed, a);
    if (!a.IsTabLijn(regel))
        return;

    const std::u32string huidige = ed.GetLine(regel);
    const bool links = c - 1 >= 1 && c - 2 < static_cast<int>(huidige.size()) && huidige[c - 2] == '|';
    const bool rechts = c < static_cast<int>(huidige.size()) && huidige[c] == '|';

    int eerste = regel;
    while (a.IsTabLijn(eerste - 1))
        --eerste;
    int laatste = regel;
    while (a.IsTabLijn(laatste + 1))
        ++laatste;

    snap.undoregels.clear();
    snap.undostart = eerste;
    snap.undoeind = laatste;
    snap.toegevoegd = 0;
    snap.aantalRegels = ed.LineCount();
    snap.undomogelijk = true;

    if (eerste >= 1 && a.IsMarkeerLijn(eerste - 1)) {
        const std::u32string tel = ed.GetLine(eerste - 1);
        snap.undoregels.push_back(tel);
        if (static_cast<int>(tel.size()) >= c) {
            ed.SetCaret(ed.LineStart(eerste - 1));
            ed.SetCaret(ed.CaretOffset() + c - 1);
            ed.SetSelectionLength(0);
            const bool smal = (soort == Beginherhaling && links) || (soort == Eindherhaling && rechts);
            ed.ReplaceSelection(soort <= Spatie || smal ? U" " : U"  ");
        }
        snap.undostart = eerste - 1;
    }

    int nieuweLengte = 0;
    for (int s = eerste; s <= laatste; ++s) {
        const std::u32string oud = ed.GetLine(s);
        snap.undoregels.push_back(oud);
        const bool stippen = s == eerste + 1 || s == laatste - 1;
        std::u32string tekst;
        int vervang = 1;
        switch (soort) {
        case Maatstreep:
            tekst = U"|";
            vervang = 0;
            break;
        case Spatie:
            tekst = U"-";
            vervang = 0;
            break;
        case Beginherhaling:
            tekst = stippen ? (links ? U"|*" : U"||*") : (links ? U"|-" : U"||-");
            break;
        default:
            tekst = stippen ? (rechts ? U"*|" : U"*||") : (rechts ? U"-|" : U"-||");
            break;
        }
        const int lengte = static_cast<int>(oud.size());
        ZetOpKolom(ed, s, lengte, c - 1, vervang, tekst);
        if (s == regel)
            nieuweLengte = static_cast<int>(ed.GetLine(s).size());
    }

    if (soort <= Spatie)
        ed.SetCaret(ed.LineStart(regel) + c - 1);
    else
        // Kept within the caret line: with the caret on the last character a
        // two-character repeat leaves the line shorter than c + 2.
        ed.SetCaret(ed.LineStart(regel) + std::min(c + 2, nieuweLengte));
    ed.ClearUndo();
}

namespace {

void MetCaret(TabContext& ctx, int soort)
{
    EditorOps& ed = ctx.editor;
    const int regel = ed.LineFromOffset(ed.CaretOffset());
    const int kolom = ed.CaretOffset() - ed.LineStart(regel);
    invoegen(ctx, soort, kolom, regel);
}

} // namespace

void Maatstreepinvoegen1Click(TabContext& ctx) { MetCaret(ctx, Maatstreep); }
void Spatieinvoegen1Click(TabContext& ctx) { MetCaret(ctx, Spatie); }
void Beginherhalinginvoegen1Click(TabContext& ctx) { MetCaret(ctx, Beginherhaling); }
void Eindherhalinginvoegen1Click(TabContext& ctx) { MetCaret(ctx, Eindherhaling); }

} // namespace korvane
