// The empty-staff command.
#include "core/staff.h"

namespace korvane {

const MaatsoortInfo maatsoortTabel[aantalMaatsoorten] = {
    {"3/4   (5 maten per regel)", 5, "   |   |   |  ", "-------------|"},
    {"4/4   (4 maten per regel)", 4, "   |   |   |   |  ", "-----------------|"},
    {"6/8   (5 maten per regel)", 5, "   |.    |.   ", "-------------|"},
    {"12/8 (3 maten per regel)", 3, "   |.    |.    |.    |.   ", "-------------------------|"},
};

namespace {

std::string Herhaal(const char* stuk, int keer)
{
    std::string out;
    for (int i = 0; i < keer; ++i)
        out += stuk;
    return out;
}

} // namespace

std::vector<std::string> LegeBalk(const Stemming& s, const TabInstellingen& in)
{
    const bool bekend = in.maatsoort >= 0 && in.maatsoort < aantalMaatsoorten;
    std::vector<std::string> regels;
    if (in.maatsoorten) {
        std::string tel = s.kruisofmol ? " " : "";
        if (bekend)
            tel += Herhaal(maatsoortTabel[in.maatsoort].telstuk, maatsoortTabel[in.maatsoort].herhalingen);
        regels.push_back(std::move(tel));
    }
    std::string lijf;
    if (in.maatsoorten) {
        if (bekend)
            lijf = Herhaal(maatsoortTabel[in.maatsoort].balkstuk, maatsoortTabel[in.maatsoort].herhalingen);
    } else {
        lijf = std::string(in.tabbreedte > 3 ? in.tabbreedte - 3 : 0, '-') + "|";
    }
    for (int j = 0; j < s.aantalsnaren; ++j) {
        const std::string& label = s.snaarnamen[s.aantalsnaren - 1 - j];
        std::string regel = label;
        regel += (s.kruisofmol && label.size() == 1) ? " |" : "|";
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
        ctx.dialogs.Message("Geen stemming geselecteerd");
        return;
    }
    BerekenStemming(ctx.state.instellingen.stemming, ctx.state.stemming);
    const int regel = ed.LineFromOffset(ed.CaretOffset());
    ed.InsertLine(regel, "");
    for (const std::string& r : LegeBalk(ctx.state.stemming, ctx.state.instellingen)) {
        std::string tekst = r;
        tekst += crlf;
        ed.ReplaceSelection(tekst);
    }
    analyze(ed, ctx.state.analyse);
}

} // namespace korvane
