// printtekst: the print dialog, then the pages or the selection on the printer.
#include "print/printing.h"

#include "print/pagelayout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace korvane {

namespace {

QFont BodyVan(const Instellingen& in)
{
    return Bodyfont(in.printerfont, in.printergrootte, in.printervet);
}

void MeldNietBegonnen(AfdrukContext& c)
{
    const QPrinter& printer = c.drukker.printer();
    const QString waar = printer.outputFileName().isEmpty() ? printer.printerName()
                                                            : printer.outputFileName();
    c.prompter.Message(QCoreApplication::translate("Afdrukken", "Het afdrukken kon niet beginnen: de printer \"%1\" is niet "
                                      "beschikbaar.")
                           .arg(waar)
                           .toStdString());
}

// The lines from the selection's first line to its last, under a top margin of
// four body lines and without a header, laid out as the pages are. What does
// not fit on a page goes on the next one, with the same margin.
bool DrukSelectie(AfdrukContext& c, QPrinter& printer, const QFont& body)
{
    EditorOps& ed = c.editor;
    const int first = ed.LineFromOffset(ed.CaretOffset());
    const int einde = ed.CaretOffset() + ed.SelectionLength();
    // The empty line after a final line break is no line of the document.
    const int last = std::min(ed.LineFromOffset(einde), ed.LineCount() - 1);

    const AfdrukPlan plan = MaakAfdrukPlan(&printer, c.drukker.PaginaBreedte(), c.drukker.PaginaHoogte(), body,
                                           c.stand.regelsPerPagina, LeesBronRegels(ed, first, last), first,
                                           c.opties, AfdrukSoort::Selectie);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The selection is dropped and the caret stands at its former end.
    ed.SetCaret(einde);
    const PaginaOpmaak opmaak(&printer, Kopfont(), plan.body, Stapeling::Afdruk);
    for (int p = 0; p < plan.AantalPaginas(); ++p) {
        if (p > 0)
            printer.newPage();
        opmaak.TekenRegels(painter, 4 * opmaak.BodyRegelHoogte(), plan.Rijen(p));
    }
    return true;
}

} // namespace

AfdrukPlan DocumentPlan(const Drukker& drukker, const Instellingen& in, int regelsPerPagina,
                        const EditorOps& editor, IndelingOpties opties)
{
    return MaakAfdrukPlan(&drukker.printer(), drukker.PaginaBreedte(), drukker.PaginaHoogte(), BodyVan(in),
                          regelsPerPagina, LeesBronRegels(editor, 0, editor.LineCount() - 1), 0, opties,
                          AfdrukSoort::Document);
}

bool DrukPlan(QPrinter& printer, const AfdrukPlan& plan, const QString& bestandsnaam, bool paginanummers,
              int vanPagina, int totPagina)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int aantal = plan.AantalPaginas();
    const bool nummering = Paginanummering(paginanummers, aantal);
    const PaginaOpmaak opmaak(&printer, Kopfont(), plan.body, Stapeling::Afdruk);
    const QString titel = TitelVan(bestandsnaam);
    for (int p = vanPagina - 1; p <= totPagina - 1; ++p) {
        PaginaKop kop;
        if (nummering) {
            kop.paginatekst = QString::fromStdString(PaginaTekst(p + 1, aantal));
            if (p > 0)
                kop.titel = titel;
        }
        kop.onderstreept = p > 0 && paginanummers;
        opmaak.TekenPagina(painter, kop, plan.Rijen(p));
        if (p < totPagina - 1)
            printer.newPage();
    }
    return true;
}

bool printtekst(AfdrukContext& c, bool vanKnop)
{
    EditorOps& ed = c.editor;
    const Instellingen& in = c.instellingen;
    // The pages are counted as they will be printed, font fitting included.
    const AfdrukPlan plan = DocumentPlan(c.drukker, in, c.stand.regelsPerPagina, ed, c.opties);
    c.stand.aantalPaginas = plan.AantalPaginas();

    PrintDialogRequest request;
    request.allowSelection = vanKnop && ed.SelectionLength() > 0;
    request.selectionOnly = false;
    request.fromPage = 0; // all pages
    request.toPage = 0;
    request.minPage = 1;
    request.maxPage = c.stand.aantalPaginas;
    QPrinter& printer = c.drukker.printer();
    if (!c.prompter.PrintDialog(printer, request))
        return false;

    const bool selectie = request.allowSelection && request.selectionOnly;
    int van = 1;
    int tot = c.stand.aantalPaginas;
    if (!selectie && request.fromPage > 0) {
        van = std::clamp(request.fromPage, 1, c.stand.aantalPaginas);
        tot = std::clamp(request.toPage, van, c.stand.aantalPaginas);
    }

    const bool begonnen = selectie ? DrukSelectie(c, printer, BodyVan(in))
                                   : DrukPlan(printer, plan, c.bestandsnaam, in.paginanummers, van, tot);
    if (!begonnen) {
        MeldNietBegonnen(c);
        return false;
    }
    // The drawing font keeps the body font until the next font command.
    c.drukker.tekenfont() = BodyVan(in);
    return true;
}

void Printerinstelling1Click(Prompter& prompter, const Drukker& drukker)
{
    prompter.PrinterSetup(drukker.printer());
}

} // namespace korvane
