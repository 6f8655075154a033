// The check, repair and chord steps over the editor adapter.
#include "cli/muziek.h"
#include "core/vertaling.h"

#include "music/akkoorden.h"
#include "music/doctor.h"
#include "music/editorbron.h"

namespace korvane {

bool ControleerStap(const EditorOps& editor, const std::string& naam, std::ostream& uit)
{
    const Tekstregels tekst(editor);
    const auto gevonden = Controleer(tekst.Regels());
    for (const Diagnose& g : gevonden)
        uit << naam << ':' << g.regel + 1 << ':' << g.kolom + 1 << ": " << g.bericht << '\n';
    return !gevonden.empty();
}

void HerstelStap(TabContext& ctx)
{
    const Tekstregels tekst(ctx.editor);
    const Regelvervanging v = HerstelAlles(tekst.Regels());
    if (v.van < v.tot && !SchrijfRegels(ctx.editor, ctx.state.snapshot, v))
        ctx.dialogs.Message(Vertaal("Melding", "Herstellen kan niet: een teken past niet in de tekenset van het document"));
}

void AkkoordenStap(TabContext& ctx)
{
    // The staffs as they are now, whatever the analysis the column commands
    // keep says.
    TabAnalyse analyse;
    analyze(ctx.editor, analyse);
    Stemming stemming;
    BerekenStemming(ctx.state.instellingen.stemming, stemming);
    const Tekstregels tekst(ctx.editor);
    const Muziekstuk stuk = LeesMuziek(tekst.Regels(), analyse, SnaarnamenVan(stemming));
    std::vector<Bevinding> overgeslagen;
    const Regelvervanging v = BenoemAlles(tekst.Regels(), stuk, overgeslagen);
    if (v.van < v.tot && !SchrijfRegels(ctx.editor, ctx.state.snapshot, v))
        ctx.dialogs.Message(
            Vertaal("Melding", "Akkoordnamen schrijven kan niet: een teken past niet in de tekenset van het document"));
    for (const Bevinding& b : overgeslagen)
        ctx.dialogs.Message(Invul(Vertaal("korvane-cli", "regel %1, kolom %2: %3"),
                                {std::to_string(b.regel + 1), std::to_string(b.kolom + 1), b.bericht}));
}

} // namespace korvane
