// Measuring the print layout on the printer.
#include "print/printplan.h"

#include "core/editor.h"
#include "core/pages.h"
#include "files/usersettings.h"
#include "print/pagelayout.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

const QString passendSleutel = QStringLiteral("afdrukken/passend");
const QString heelSleutel = QStringLiteral("afdrukken/balkenheel");

// The widest advance among the characters a tab is written in: for a
// fixed-pitch font the one advance, for another a width no row exceeds.
double TekenBreedte(const QFont& font, QPaintDevice* apparaat)
{
    const QFontMetricsF fm(QFont(font, apparaat), apparaat);
    double breedste = 0;
    for (char c = ' '; c <= '~'; ++c)
        breedste = std::max(breedste, fm.horizontalAdvance(QLatin1Char(c)));
    return breedste;
}

int TekensPerRegel(const QFont& font, QPaintDevice* apparaat, int breedte)
{
    const double teken = TekenBreedte(font, apparaat);
    if (teken <= 0)
        return 1;
    const int passen = static_cast<int>(std::floor((breedte - linkerMarge) / teken));
    return std::max(1, passen - static_cast<int>(kantlijn.size()));
}

} // namespace

QString AfdrukPlan::Rij(const UitvoerRegel& rij) const
{
    const std::size_t i = static_cast<std::size_t>(rij.bron - eerste);
    return i < regels.size() ? RegelTekst(rij.Tekst(regels[i])) : QString();
}

QStringList AfdrukPlan::Rijen(int pagina) const
{
    QStringList rijen;
    if (pagina < 0 || pagina >= AantalPaginas())
        return rijen;
    const AfdrukPagina& blad = indeling.paginas[static_cast<std::size_t>(pagina)];
    rijen.reserve(static_cast<qsizetype>(blad.size()));
    for (const UitvoerRegel& rij : blad)
        rijen.append(Rij(rij));
    return rijen;
}

std::vector<std::u32string> LeesBronRegels(const EditorOps& editor, int eerste, int laatste)
{
    std::vector<std::u32string> regels;
    if (laatste < eerste)
        return regels;
    regels.reserve(static_cast<std::size_t>(laatste - eerste + 1));
    editor.VisitLines(eerste, laatste + 1, [&](int, std::u32string_view tekst) { regels.emplace_back(tekst); });
    return regels;
}

AfdrukPlan MaakAfdrukPlan(QPaintDevice* apparaat, int breedte, int hoogte, const QFont& gewenst,
                          int regelsPerPagina, std::vector<std::u32string> regels, int eerste,
                          IndelingOpties opties, AfdrukSoort soort)
{
    AfdrukPlan plan;
    plan.eerste = eerste;
    plan.regels = std::move(regels);
    plan.body = gewenst;
    int tekens = TekensPerRegel(plan.body, apparaat, breedte);
    if (opties.passend) {
        // One size for the whole job: the largest that fits the widest line.
        const int langste = LangsteRegel(plan.regels);
        for (int grootte = gewenst.pointSize() - 1; tekens < langste && grootte >= kleinsteAfdrukGrootte;
             --grootte) {
            plan.body.setPointSize(grootte);
            tekens = TekensPerRegel(plan.body, apparaat, breedte);
        }
    }
    plan.tekensPerRegel = tekens;

    const int body = std::max(1, QFontMetrics(QFont(plan.body, apparaat), apparaat).height());
    if (soort == AfdrukSoort::Document) {
        const int kop = QFontMetrics(QFont(Kopfont(), apparaat), apparaat).height();
        // Rows that would run off the bottom of the paper are never planned.
        const int passen = (hoogte - 5 * kop) / body;
        plan.regelsPerPagina = std::max(minRegelsPerPagina, std::min(regelsPerPagina, passen));
    } else {
        plan.regelsPerPagina = std::max(minRegelsPerPagina, (hoogte - 4 * body) / body);
    }
    plan.indeling = DeelIn(plan.regels, eerste, plan.tekensPerRegel, plan.regelsPerPagina, opties,
                           soort == AfdrukSoort::Document);
    return plan;
}

IndelingOpties LeesIndelingOpties()
{
    const auto s = GebruikersInstellingen();
    IndelingOpties o;
    o.passend = s->value(passendSleutel, true).toBool();
    o.balkenHeel = s->value(heelSleutel, true).toBool();
    return o;
}

void BewaarIndelingOpties(IndelingOpties opties)
{
    const auto s = GebruikersInstellingen();
    s->setValue(passendSleutel, opties.passend);
    s->setValue(heelSleutel, opties.balkenHeel);
}

} // namespace korvane
