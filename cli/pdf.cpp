// korvane-pdf: the command line's PDF export, in a program of its own so
// that korvane-cli loads Qt's GUI libraries only when a PDF is asked for.
// korvane-cli starts it with the file name (for the page headers), the PDF
// to write and the paper, and the document as UTF-8 on standard input; it
// answers on standard output with why nothing could be written, if so.
#include "cli/catalogus.h"
#include "core/memoryeditor.h"
#include "core/pages.h"
#include "core/utf8.h"
#include "core/vertaling.h"
#include "files/settings.h"
#include "print/printer.h"
#include "print/printing.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>

#include <iostream>
#include <iterator>
#include <memory>
#include <string>

namespace korvane {
namespace {

// The print layout on Qt's offscreen platform when there is no display:
// fonts and a PDF printer need a GUI application, not a screen.
std::string SchrijfPdf(const EditorOps& editor, const std::string& bestandsnaam, const std::string& uit,
                       const std::string& papier)
{
    QPageSize::PageSizeId maat = QPageSize::A4;
    if (papier == "Letter")
        maat = QPageSize::Letter;
    else if (papier != "A4")
        return Invul(Vertaal("korvane-cli", "onbekend papierformaat '%1' (A4 of Letter)"), {papier});

    // The name is korvane-cli's, so that settings are looked up where the
    // command line's own are.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char naam[] = "korvane-cli";
        static char* argv[] = {naam, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    Instellingen in;
    LeesOpties(ProgrammaMap(), in);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(uit));
    printer.setPageSize(QPageSize(maat));

    // Lines per page as the window's Recalc measures them, in the editor font.
    QFont editorfont(in.editorfont);
    if (in.editorgrootte > 0)
        editorfont.setPointSize(in.editorgrootte);
    editorfont.setBold(in.editorvet);
    QFont tekenfont;
    const Drukker drukker(printer, tekenfont);
    const int regelsPerPagina = drukker.Recalc(editorfont);

    const AfdrukPlan plan = DocumentPlan(drukker, in, regelsPerPagina, editor, LeesIndelingOpties());
    if (!DrukPlan(printer, plan, QString::fromStdString(bestandsnaam), in.paginanummers, 1, plan.AantalPaginas()))
        return Invul(Vertaal("korvane-cli", "kan PDF %1 niet schrijven"), {uit});
    return {};
}

} // namespace
} // namespace korvane

int main(int argc, char** argv)
{
    const std::optional<std::string> taal = korvane::NeemTaalOptie(argc, argv);
    korvane::InstalleerCliTaal(taal && !taal->empty() ? *taal : korvane::TaalVanOmgeving());
    if (argc != 4) {
        std::cout << korvane::Vertaal("korvane-cli", "korvane-pdf wordt door korvane-cli gestart: korvane-pdf "
                                                     "BESTANDSNAAM PDF PAPIER, met de tekst op de standaardinvoer");
        return 2;
    }
    const std::string bytes{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const korvane::MemoryEditor editor(korvane::VanUtf8(bytes));
    const std::string fout = korvane::SchrijfPdf(editor, argv[1], argv[2], argv[3]);
    if (!fout.empty()) {
        std::cout << fout;
        return 1;
    }
    return 0;
}
