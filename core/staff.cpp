// The empty-staff command.
#include "core/staff.h"
#include "core/vertaling.h"

namespace korvane {

const MaatsoortInfo maatsoortTabel[aantalMaatsoorten] = {
    {QT_TRANSLATE_NOOP("Melding", "3/4   (5 maten per regel)"), 5, U"   |   |   |  ", U"-------------|"},
    {QT_TRANSLATE_NOOP("Melding", "4/4   (4 maten per regel)"), 4, U"   |   |   |   |  ", U"-----------------|"},
    {QT_TRANSLATE_NOOP("Melding", "6/8   (5 maten per regel)"), 5, U"   |.    |.   ", U"-------------|"},
    {QT_TRANSLATE_NOOP("Melding", "12/8 (3 maten per regel)"), 3, U"   |.    |.    |.    |.   ", U"-------------------------|"},
};

namespace {

std::u32string Herhaal(const char32_t* stuk, int keer)
{
    std::u32string out;
    for (int i = 0; i < keer; ++i)
        out += stuk;
    return out;
}

} // namespace

std::vector<std::u32string> LegeBalk(const Stemming& s, const TabInstellingen& in)
{
    const bool bekend = in.maatsoort >= 0 && in.maatsoort < aantalMaatsoorten;
    std::vector<std::u32string> regels;
    if (in.maatsoorten) {
        std::u32string tel = s.kruisofmol ? U" " : U"";
        if (bekend)
            tel += Herhaal(maatsoortTabel[in.maatsoort].telstuk, maatsoortTabel[in.maatsoort].herhalingen);
        regels.push_back(std::move(tel));
    }
    std::u32string lijf;
    if (in.maatsoorten) {
        if (bekend)
            lijf = Herhaal(maatsoortTabel[in.maatsoort].balkstuk, maatsoortTabel[in.maatsoort].herhalingen);
    } else {
        lijf = std::u32string(in.tabbreedte > 3 ? in.tabbreedte - 3 : 0, U'-') + U"|";
    }
    for (int j = 0; j < s.aantalsnaren; ++j) {
        const std::u32string& label = s.snaarnamen[s.aantalsnaren - 1 - j];
        std::u32string regel = label;
        regel += (s.kruisofmol && label.size() == 1) ? U" |" : U"|";
        regel += lijf;
        regels.push_back(std::move(regel));
    }
    return regels;
}

void inserttab(TabContext& ctx)
{
    EditorOps& ed = ctx.editor;
    if (ctx.state.instellingen.stemming.empty()) {
        ctx.dialogs.Beep(Sound::Exclamation);
        ctx.dialogs.Message(Vertaal("Melding", "Geen stemming geselecteerd"));
        return;
    }
    BerekenStemming(ctx.state.instellingen.stemming, ctx.state.stemming);
    const int regel = ed.LineFromOffset(ed.CaretOffset());
    ed.InsertLine(regel, U"");
    for (const std::u32string& r : LegeBalk(ctx.state.stemming, ctx.state.instellingen)) {
        std::u32string tekst = r;
        tekst += crlf;
        ed.ReplaceSelection(tekst);
    }
    analyze(ed, ctx.state.analyse);
}

} // namespace korvane
