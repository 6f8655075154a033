// Conversions between ASCII staffs and the line-font codes.
#include "core/linefont.h"
#include "core/vertaling.h"

#include <algorithm>
#include <vector>

namespace korvane {
namespace {

bool In(std::u32string_view klasse, char32_t c)
{
    return klasse.find(c) != std::u32string_view::npos;
}

} // namespace

std::u32string NaarLijnen(std::u32string_view s, Rij rij)
{
    std::u32string uit(s);
    const int n = static_cast<int>(s.size());
    // A NUL stands for a neighbour outside the line: a member of no class.
    auto teken = [&](int j) { return j >= 0 && j < n ? s[j] : U'\0'; };
    const bool midden = rij == Rij::Midden;
    for (int j = 0; j < n; ++j) {
        const char32_t c = teken(j);
        if (c == '-') {
            uit[j] = lijncode::snaar;
        } else if (In(stiptekens, c)) {
            uit[j] = lijncode::stip;
        } else if (In(maatstreeptekens, c)) {
            const char32_t l = teken(j - 1);
            const char32_t r = teken(j + 1);
            const bool linksEinde = l != '-' && !In(maatstreeptekens, l) && !(midden && In(stiptekens, l));
            const bool rechtsEinde = r != '-' && !In(maatstreeptekens, r) && !In(tabtekens, r)
                && !(midden && In(stiptekens, r));
            char32_t code;
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
            uit[j] = code;
        }
    }
    return uit;
}

char32_t AsciiVan(char32_t c)
{
    if (c >= lijncode::eersteLinks && c <= lijncode::middenKruis)
        return '|';
    if (c == lijncode::snaar)
        return '-';
    if (c == lijncode::stip)
        return '*';
    return c;
}

void doorlopendelijnenClick(TabContext& ctx, bool korvaneFont, bool& tablijnenOmgezet,
                            const std::function<bool()>& naarKorvane)
{
    EditorOps& ed = ctx.editor;
    TabAnalyse& a = ctx.state.analyse;
    if (!korvaneFont) {
        const std::string weigering = Vertaal(
            "Melding", "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is.");
        ctx.dialogs.Beep(Sound::Exclamation);
        if (!naarKorvane) {
            ctx.dialogs.Message(weigering);
            return;
        }
        if (!ctx.dialogs.Confirm(weigering + "\r\n\r\n"
                                 + Vertaal("Melding", "Overschakelen op het Korvane-font en de tablijnen nu omzetten ?"))
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
    // A stretch of lines at a time: the converted lines are put back while
    // they are still in the cache, and a long document never holds a second
    // copy of all its staffs.
    constexpr int kStuk = 512;
    std::vector<std::pair<int, std::u32string>> nieuw;
    for (int van = 0; van < n; van += kStuk) {
        nieuw.clear();
        ed.VisitLines(van, std::min(n, van + kStuk), [&](int i, std::u32string_view s) {
            if (!a.IsTabLijn(i))
                return;
            const Rij rij = !a.IsTabLijn(i - 1) ? Rij::Eerste : !a.IsTabLijn(i + 1) ? Rij::Laatste : Rij::Midden;
            std::u32string omgezet = NaarLijnen(s, rij);
            if (omgezet != s)
                nieuw.emplace_back(i, std::move(omgezet));
        });
        for (const auto& [i, tekst] : nieuw)
            ed.PutLine(i, tekst);
    }

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
    // while a lyric line's "ü" or "ö" must not turn into a bar. The mapped
    // lines stand side by side in one buffer, not in a string each, and the
    // marks the analysis needs are taken on the way, of the text each line
    // ends up with.
    const int n = ed.LineCount();
    std::u32string omgezet;
    omgezet.reserve(static_cast<std::size_t>(std::max(ed.TextLength(), 0)));
    struct Plek {
        std::size_t van = 0, lengte = 0;
        bool veranderd = false;
    };
    std::vector<Plek> plek(static_cast<std::size_t>(n));
    std::vector<Regelsoort> soort(static_cast<std::size_t>(n));
    std::vector<char> balk(static_cast<std::size_t>(n) + 1, 0);
    ed.VisitLines(0, n, [&](int i, std::u32string_view s) {
        const auto k = static_cast<std::size_t>(i);
        // Most lines hold no line code at all: no copy for them.
        if (std::any_of(s.begin(), s.end(), [](char32_t c) { return c >= lijncode::stip && c <= lijncode::snaar; })) {
            plek[k] = {omgezet.size(), s.size(), true};
            omgezet.append(s);
            for (std::size_t j = plek[k].van; j < omgezet.size(); ++j)
                omgezet[j] = AsciiVan(omgezet[j]);
            soort[k] = SoortVan(std::u32string_view(omgezet).substr(plek[k].van, plek[k].lengte));
        } else {
            soort[k] = SoortVan(s);
        }
        balk[k] = soort[k].tab;
    });
    // The analysis drops a staff-like line that has no staff-like neighbour.
    for (int i = 0; i < n; ++i)
        if (balk[i])
            balk[i] = (i > 0 && balk[i - 1]) || balk[i + 1];
    for (int i = 0; i < n; ++i) {
        const Plek& p = plek[static_cast<std::size_t>(i)];
        if (!p.veranderd)
            continue;
        if (balk[i])
            ed.PutLine(i, std::u32string_view(omgezet).substr(p.van, p.lengte));
        else // left as it was: its marks are those of its own text
            soort[static_cast<std::size_t>(i)] = SoortVan(ed.GetLine(i));
    }

    ed.UnlockPainting();
    ed.SetBusyCursor(false);
    tablijnenOmgezet = false;
    ed.SetCaret(0);
    // No change of its own; unsaved edits from before stay unsaved.
    ed.SetModified(bewerkt);
    analyze(std::span<const Regelsoort>(soort), ctx.state.analyse);
}

} // namespace korvane
