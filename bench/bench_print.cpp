// Printing and preview of a 60,000-line document against the floor of
// drawing the same lines with one QPainter on the same device: the printer
// writing a PDF, and a page-sized picture at screen resolution.
#include "timing.h"

#include "core/memoryeditor.h"
#include "print/pagelayout.h"
#include "print/preview.h"
#include "print/printer.h"
#include "print/printing.h"
#include "files/usersettings.h"

#include "common/scriptedprompter.h"

#include <QApplication>
#include <QFontComboBox>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

using namespace korvane;
using korvane::bench::MedianMs;
using korvane::bench::TabDocument;

namespace {

constexpr int regels = 60000;
constexpr int runs = 3;

// The rows of the print layout as drawn, page by page: kantlijn and the
// row's text.
std::vector<QStringList> Getekend(const AfdrukPlan& plan)
{
    const QString marge = QString::fromLatin1(kantlijn.data(), static_cast<qsizetype>(kantlijn.size()));
    std::vector<QStringList> paginas;
    for (int p = 0; p < plan.AantalPaginas(); ++p) {
        paginas.emplace_back();
        for (const QString& rij : plan.Rijen(p))
            paginas.back().append(marge + rij);
    }
    return paginas;
}

// One painter, the rows at their places, a new page for every page; the
// layout itself comes for free.
void Vloer(QPainter& painter, const std::vector<QStringList>& paginas, const QFont& font, int top,
           const std::function<void()>& nieuwePagina)
{
    painter.setFont(font);
    const QFontMetrics fm = painter.fontMetrics();
    for (std::size_t p = 0; p < paginas.size(); ++p) {
        if (p > 0)
            nieuwePagina();
        int y = top;
        for (const QString& rij : paginas[p]) {
            painter.drawText(QPoint(linkerMarge, y + fm.ascent()), rij);
            y += fm.height();
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ZetGebruikersInstellingenMap(dir.path());

    MemoryEditor editor(korvane::bench::TabTekens(regels));
    EigenDrukker eigen;
    Drukker& drukker = eigen;
    Instellingen instellingen;
    PaginaStand stand;
    stand.regelsPerPagina = drukker.Recalc(Bodyfont(instellingen.editorfont, instellingen.editorgrootte, true));
    stand.aantalPaginas = AantalPaginas(editor.LineCount(), stand.regelsPerPagina);
    stand.paginanummering = Paginanummering(true, stand.aantalPaginas);
    // The floor draws the same rows in the same (possibly shrunk) font.
    const AfdrukPlan plan = DocumentPlan(drukker, instellingen, stand.regelsPerPagina, editor, {});
    const QFont body = plan.body;
    // What the status bar pays after a pause in typing.
    const double indeling = MedianMs(runs, nullptr, [&] {
        DocumentPlan(drukker, instellingen, stand.regelsPerPagina, editor, {});
    });
    const std::vector<QStringList> lijnen = Getekend(plan);

    // Printing through the print command, dialog answered at once.
    test::ScriptedPrompter prompter;
    const QString afdruk = dir.filePath(QStringLiteral("afdruk.pdf"));
    const double print = MedianMs(
        runs,
        [&] {
            prompter.printAnswers.push_back([&](QPrinter& p, PrintDialogRequest&) {
                p.setOutputFileName(afdruk);
                return true;
            });
        },
        [&] {
            AfdrukContext context{editor, prompter, drukker, stand, instellingen, QStringLiteral("lied.tab")};
            printtekst(context, false);
        });
    const int bodyTop = PaginaOpmaak(&drukker.printer(), Kopfont(), body, Stapeling::Afdruk).BodyBegin();
    const double printVloer = MedianMs(runs, nullptr, [&] {
        QPrinter& printer = drukker.printer();
        printer.setOutputFileName(dir.filePath(QStringLiteral("vloer.pdf")));
        QPainter painter(&printer);
        Vloer(painter, lijnen, body, bodyTop, [&] { printer.newPage(); });
    });

    // The preview: open it and draw every page.
    drukker.Recalc(Bodyfont(instellingen.editorfont, instellingen.editorgrootte, true));
    Tpreviewform form(drukker);
    form.ZetLettertype(instellingen.printerfont, instellingen.printergrootte, instellingen.printervet, true);
    form.ZetAfdruk(Bodyfont(instellingen.printerfont, instellingen.printergrootte, instellingen.printervet),
                   stand.regelsPerPagina);
    int paginas = 0;
    const double voorbeeld = MedianMs(runs, nullptr, [&] {
        form.Voorbereiden(editor, QStringLiteral("Korvane - lied.tab"), true, QStringLiteral("lied.tab"));
        while (form.huidigePagina() < form.paginas())
            form.VolgendeClick();
        paginas = form.paginas();
    });
    QImage beeld = form.paginabeeld().copy();
    const QFont schermBody = Bodyfont(form.pfontname->currentFont().family(), form.plan().body.pointSize(),
                                      instellingen.printervet);
    const double voorbeeldVloer = MedianMs(runs, nullptr, [&] {
        QPainter painter(&beeld);
        const int top = 5 * QFontMetrics(Kopfont(), &beeld).height();
        Vloer(painter, lijnen, schermBody, top, [] {});
    });

    std::printf("Document: %d lines, %d printed pages of %d rows in %d points, %d preview pages\n", regels,
                stand.aantalPaginas, plan.regelsPerPagina, plan.body.pointSize(), paginas);
    std::printf("Layout alone:   %8.1f ms\n", indeling);
    std::printf("Print to PDF:   %8.1f ms, floor %8.1f ms, ratio %.2f (target <= 1.5)\n", print, printVloer,
                print / printVloer);
    std::printf("Preview pages:  %8.1f ms, floor %8.1f ms, ratio %.2f (target <= 1.5)\n", voorbeeld,
                voorbeeldVloer, voorbeeld / voorbeeldVloer);
    std::printf("Both together:  %8.1f ms, floor %8.1f ms, ratio %.2f (target <= 1.5)\n", print + voorbeeld,
                printVloer + voorbeeldVloer, (print + voorbeeld) / (printVloer + voorbeeldVloer));
    return 0;
}
