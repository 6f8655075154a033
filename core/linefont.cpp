// Conversions between ASCII staffs and the line-font codes.
#include "core/linefont.h"

#include <vector>

namespace korvane {
namespace {

bool In(std::string_view klasse, int c)
{
    return c >= 0 && klasse.find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::string NaarLijnen(std::string_view s, Rij rij)
{
    std::string uit(s);
    const int n = static_cast<int>(s.size());
    // -1 stands for a neighbour outside the line: a member of no class.
    auto teken = [&](int j) { return j >= 0 && j < n ? static_cast<unsigned char>(s[j]) : -1; };
    const bool midden = rij == Rij::Midden;
    for (int j = 0; j < n; ++j) {
        const int c = teken(j);
        if (c == '-') {
            uit[j] = static_cast<char>(lijncode::snaar);
        } else if (In(stiptekens, c)) {
            uit[j] = static_cast<char>(lijncode::stip);
        } else if (In(maatstreeptekens, c)) {
            const int l = teken(j - 1);
            const int r = teken(j + 1);
            const bool linksEinde = l != '-' && !In(maatstreeptekens, l) && !(midden && In(stiptekens, l));
            const bool rechtsEinde = r != '-' && !In(maatstreeptekens, r) && !In(tabtekens, r)
                && !(midden && In(stiptekens, r));
            unsigned char code;
            switch (rij) {
            case Rij::Eerste:
                code = linksEinde ? lijncode::eersteLinks : rechtsEinde ? lijncode::eersteRechts : lijncode::eersteBinnen;
                break;
            case Rij::Midden:
                code = linksEinde ? lijncode::middenLinks : rechtsEinde ? lijncode::middenRechts : lijncode::middenKruis;
                break;
            default:
                code = linksEinde ? lijncode::laatsteLinks : rechtsEinde ? lijncode::laatsteRechts : lijncode::laatsteBinnen;
                break;
            }
            uit[j] = static_cast<char>(code);
        }
    }
    return uit;
}

std::string NaarAscii(std::string_view s)
{
    std::string uit(s);
    for (char& ch : uit) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 246 && c <= 254)
            ch = '|';
        else if (c == lijncode::snaar)
            ch = '-';
        else if (c == lijncode::stip)
            ch = '*';
    }
    return uit;
}

void doorlopendelijnenClick(TabContext& ctx, bool korvaneFont, bool& tablijnenOmgezet,
                            const std::function<bool()>& naarKorvane)
{
    EditorOps& ed = ctx.editor;
    TabAnalyse& a = ctx.state.analyse;
    if (!korvaneFont) {
        const std::string weigering =
            "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is.";
        ctx.dialogs.Beep(Sound::Exclamation);
        if (!naarKorvane) {
            ctx.dialogs.Message(weigering);
            return;
        }
        if (!ctx.dialogs.Confirm(weigering + "\r\n\r\nOverschakelen op het Korvane-font en de tablijnen nu omzetten ?")
            || !naarKorvane())
            return;
    }
    AnalyseerIndienNodig(ed, a);

    // The conversion is no change of its own, but edits made before it are
    // still unsaved and must keep the document marked.
    const bool veranderd = ed.Modified();
    ed.SetBusyCursor(true);
    ed.LockPainting();
    tablijnenOmgezet = true;
    const int caret = ed.CaretOffset();

    const int n = ed.LineCount();
    std::vector<std::pair<int, std::string>> nieuw;
    ed.VisitLines(0, n, [&](int i, std::string_view s) {
        if (!a.IsTabLijn(i))
            return;
        const Rij rij = !a.IsTabLijn(i - 1) ? Rij::Eerste : !a.IsTabLijn(i + 1) ? Rij::Laatste : Rij::Midden;
        std::string omgezet = NaarLijnen(s, rij);
        if (omgezet != s)
            nieuw.emplace_back(i, std::move(omgezet));
    });
    for (const auto& [i, tekst] : nieuw)
        ed.PutLine(i, tekst);

    ed.SetSelectionLength(0);
    ed.SetModified(veranderd);
    ed.UnlockPainting();
    ed.SetBusyCursor(false);
    ed.SetCaret(caret);
}

void KorvaneformaatnaarAscii1Click(TabContext& ctx, bool& tablijnenOmgezet)
{
    EditorOps& ed = ctx.editor;
    const bool bewerkt = ed.Modified();
    ed.SetBusyCursor(true);
    ed.LockPainting();

    // Map every line, then keep only the mapped lines that the analysis would
    // count as staff lines: a ".kvn" staff has no hyphens until it is mapped,
    // while a lyric line's "ü" or "ö" must not turn into a bar.
    const int n = ed.LineCount();
    std::vector<std::string> omgezet(static_cast<std::size_t>(n));
    std::vector<char> veranderd(static_cast<std::size_t>(n), 0);
    std::vector<char> balk(static_cast<std::size_t>(n) + 1, 0);
    ed.VisitLines(0, n, [&](int i, std::string_view s) {
        omgezet[i] = NaarAscii(s);
        veranderd[i] = omgezet[i] != s;
        balk[i] = IsTabLijnTekst(omgezet[i]);
    });
    // The analysis drops a staff-like line that has no staff-like neighbour.
    for (int i = 0; i < n; ++i)
        if (balk[i])
            balk[i] = (i > 0 && balk[i - 1]) || balk[i + 1];
    for (int i = 0; i < n; ++i)
        if (veranderd[i] && balk[i])
            ed.PutLine(i, omgezet[i]);

    ed.UnlockPainting();
    ed.SetBusyCursor(false);
    tablijnenOmgezet = false;
    ed.SetCaret(0);
    // No change of its own; unsaved edits from before stay unsaved.
    ed.SetModified(bewerkt);
    analyze(ed, ctx.state.analyse);
}

} // namespace korvane
