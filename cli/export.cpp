// PDF export through the print layout, on Qt's offscreen platform when there
// is no display: fonts and a PDF printer need a GUI application, not a screen.
#include "cli/export.h"

#include "core/pages.h"
#include "audio/weergave.h"
#include "files/settings.h"
#include "files/taal.h"
#include "core/vertaling.h"
#include "music/editorbron.h"
#include "music/midi.h"
#include "music/musicxml.h"
#include "print/printer.h"
#include "print/printing.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace korvane {

std::string ExporteerPdf(const EditorOps& editor, const std::string& bestandsnaam, const std::string& uit,
                         const std::string& papier)
{
    QPageSize::PageSizeId maat = QPageSize::A4;
    if (papier == "Letter")
        maat = QPageSize::Letter;
    else if (papier != "A4")
        return Invul(Vertaal("korvane-cli", "onbekend papierformaat '%1' (A4 of Letter)"), {papier});

    // Only the export pays for a GUI application; the other steps stay
    // toolkit-free.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char naam[] = "korvane-cli";
        static char* argv[] = {naam, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
        // The language chosen before there was an application reaches the
        // texts Qt translates, too.
        if (HuidigeTaal() != QLatin1String("nl"))
            InstalleerTaal(HuidigeTaal());
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

Exportsoort ExportsoortVan(const std::string& uit)
{
    std::string ext = std::filesystem::path(uit).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".pdf")
        return Exportsoort::Pdf;
    if (ext == ".mid" || ext == ".midi")
        return Exportsoort::Midi;
    if (ext == ".musicxml" || ext == ".xml")
        return Exportsoort::MusicXml;
    if (ext == ".wav")
        return Exportsoort::Wav;
    return Exportsoort::Onbekend;
}

std::string MuziekExport(const EditorOps& editor, const std::u32string& stemming, const std::string& bestandsnaam,
                         Exportsoort soort, double tempo, std::string& fout)
{
    TabAnalyse analyse;
    analyze(editor, analyse);
    Stemming huidige;
    BerekenStemming(stemming, huidige);
    // The lines a stretch at a time, for the model and the timing alike.
    EditorRegels regels(editor);
    const Muziekstuk stuk = LeesMuziek(regels, analyse, SnaarnamenVan(huidige));
    const Tijdlijn tijden = BerekenTijden(stuk, regels, {tempo});
    const std::string naam = bestandsnaam == "-" ? "Tab" : std::filesystem::path(bestandsnaam).stem().string();
    const std::string titel = TitelVan(regels, stuk, naam);
    if (soort == Exportsoort::MusicXml)
        return SchrijfMusicXml(stuk, tijden, titel);
    std::string midi = SchrijfMidi(stuk, tijden, titel);
    if (soort == Exportsoort::Midi)
        return midi;
    return RenderWav(midi, Tempokaart(tijden), Speelduur(tijden), fout);
}

} // namespace korvane
