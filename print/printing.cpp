// printtekst: the print dialog, then the pages or the selection on the printer.
#include "print/printing.h"

#include "print/pagelayout.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace korvane {

namespace {

// The texts of lines bereik.eerste..laatste, read in one pass.
std::vector<QString> LeesRegels(const EditorOps& editor, RegelBereik bereik)
{
    std::vector<QString> regels;
    if (bereik.Leeg())
        return regels;
    regels.reserve(static_cast<std::size_t>(bereik.laatste - bereik.eerste + 1));
    editor.VisitLines(bereik.eerste, bereik.laatste + 1,
                      [&](int, std::string_view tekst) { regels.push_back(RegelTekst(tekst)); });
    return regels;
}

bool BeginOpdracht(AfdrukContext& c, QPainter& painter)
{
    if (painter.begin(&c.drukker.printer()))
        return true;
    const QPrinter& printer = c.drukker.printer();
    const QString waar = printer.outputFileName().isEmpty() ? printer.printerName()
                                                            : printer.outputFileName();
    c.prompter.Message(QStringLiteral("Het afdrukken kon niet beginnen: de printer \"%1\" is niet "
                                      "beschikbaar.")
                           .arg(waar)
                           .toStdString());
    return false;
}

// The lines from the selection's first line to its last, under a top margin of
// four body lines and without a header. What does not fit on a page goes on
// the next one, with the same margin.
void DrukSelectie(AfdrukContext& c, QPainter& painter, QPrinter& printer, const QFont& body)
{
    EditorOps& ed = c.editor;
    const int first = ed.LineFromOffset(ed.CaretOffset());
    ed.SetCaret(ed.CaretOffset() + ed.SelectionLength());
    // The empty line after a final line break is no line of the document.
    const int last = std::min(ed.LineFromOffset(ed.CaretOffset()), ed.LineCount() - 1);

    const PaginaOpmaak opmaak(&printer, Kopfont(), body, Stapeling::Afdruk);
    const int hoogte = opmaak.BodyRegelHoogte();
    const int top = 4 * hoogte;
    const int perPagina = std::max(minRegelsPerPagina,
                                   hoogte > 0 ? (c.drukker.PaginaHoogte() - top) / hoogte : 0);
    const std::vector<QString> regels = LeesRegels(ed, {first, last});
    const auto regel = [&](int i) { return regels[static_cast<std::size_t>(i - first)]; };
    for (int van = first; van <= last; van += perPagina) {
        if (van > first)
            printer.newPage();
        opmaak.TekenRegels(painter, top, {van, std::min(last, van + perPagina - 1)}, regel);
    }
}

void DrukPaginas(AfdrukContext& c, QPainter& painter, QPrinter& printer, const QFont& body,
                 int vanPagina, int totPagina)
{
    const int regelCount = c.editor.LineCount();
    const PaginaStand& stand = c.stand;
    const PaginaOpmaak opmaak(&printer, Kopfont(), body, Stapeling::Afdruk);
    const QString titel = TitelVan(c.bestandsnaam);
    for (int p = vanPagina - 1; p <= totPagina - 1; ++p) {
        PaginaKop kop;
        if (stand.paginanummering) {
            kop.paginatekst = QString::fromStdString(PaginaTekst(p + 1, stand.aantalPaginas));
            if (p > 0)
                kop.titel = titel;
        }
        kop.onderstreept = p > 0 && c.instellingen.paginanummers;
        const RegelBereik bereik = RegelsVanPagina(p, stand.regelsPerPagina, regelCount);
        const std::vector<QString> regels = LeesRegels(c.editor, bereik);
        opmaak.TekenPagina(painter, kop, bereik, [&](int i) {
            return regels[static_cast<std::size_t>(i - bereik.eerste)];
        });
        if (p < totPagina - 1)
            printer.newPage();
    }
}

} // namespace

bool printtekst(AfdrukContext& c, bool vanKnop)
{
    EditorOps& ed = c.editor;
    c.stand.aantalPaginas = AantalPaginas(ed.LineCount(), c.stand.regelsPerPagina);

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

    const Instellingen& in = c.instellingen;
    const QFont body = Bodyfont(in.printerfont, in.printergrootte, in.printervet);
    const bool selectie = request.allowSelection && request.selectionOnly;
    int van = 1;
    int tot = c.stand.aantalPaginas;
    if (!selectie && request.fromPage > 0) {
        van = std::clamp(request.fromPage, 1, c.stand.aantalPaginas);
        tot = std::clamp(request.toPage, van, c.stand.aantalPaginas);
    }

    QPainter painter;
    if (!BeginOpdracht(c, painter))
        return false;
    if (selectie)
        DrukSelectie(c, painter, printer, body);
    else
        DrukPaginas(c, painter, printer, body, van, tot);
    painter.end();
    // The drawing font keeps the body font until the next font command.
    c.drukker.tekenfont() = body;
    return true;
}

void Printerinstelling1Click(Prompter& prompter, const Drukker& drukker)
{
    prompter.PrinterSetup(drukker.printer());
}

} // namespace korvane
