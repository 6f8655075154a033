// "Exporteren…": the music of the staffs written as a MIDI, MusicXML or WAV
// file. The reading and writing is in music/ and audio/; here only the
// dialog and the file.
#include "ui/mainwindow.h"

#include "audio/weergave.h"
#include "files/tekens.h"
#include "music/editorbron.h"
#include "music/midi.h"
#include "music/musicxml.h"
#include "ui/qteditor.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace korvane {

void TForm1::Exporteren1Click()
{
    const QFileInfo bron(bestandsnaam);
    FileDialogRequest r;
    r.title = tr("Exporteren");
    r.directory = naamloos ? QDir::currentPath() : bron.absolutePath();
    r.fileName = bron.completeBaseName() + QStringLiteral(".mid");
    r.filters = {QStringLiteral("MIDI (*.mid *.midi)"), QStringLiteral("MusicXML (*.musicxml *.xml)"),
                 QStringLiteral("WAV (*.wav)")};
    r.defaultSuffix = QStringLiteral("mid");
    const QString gekozen = prompter.SaveFileName(r);
    if (gekozen.isEmpty())
        return;
    QString pad = QFileInfo(gekozen).absoluteFilePath();
    const QString ext = QFileInfo(pad).suffix().toLower();
    enum { Midi, MusicXml, Wav } soort = r.filterIndex == 1 ? MusicXml : r.filterIndex == 2 ? Wav : Midi;
    if (ext == QLatin1String("mid") || ext == QLatin1String("midi"))
        soort = Midi;
    else if (ext == QLatin1String("musicxml") || ext == QLatin1String("xml"))
        soort = MusicXml;
    else if (ext == QLatin1String("wav"))
        soort = Wav;
    else
        pad += soort == Midi       ? QStringLiteral(".mid")
               : soort == MusicXml ? QStringLiteral(".musicxml")
                                   : QStringLiteral(".wav");
    if (QFileInfo::exists(pad)) {
        prompter.Beep(Sound::Question);
        const QString vraag = tr("Het bestand %1 bestaat al.\r\n"
                                             "Wilt U het bestaande bestand vervangen ?")
                                  .arg(QDir::toNativeSeparators(pad));
        if (prompter.Ask(DialogKind::Warning, vraag.toStdString(), Buttons::YesNo) != Answer::Yes)
            return;
    }

    analyze(editor(), state.analyse);
    Stemming huidige;
    BerekenStemming(Tekens(ComboBox1->currentText()), huidige);
    // The lines a stretch at a time, for the model and the timing alike.
    EditorRegels regels(editor());
    const Muziekstuk stuk = LeesMuziek(regels, state.analyse, SnaarnamenVan(huidige));
    if (stuk.noten.empty()) {
        prompter.Beep(Sound::Exclamation);
        prompter.Message(tr("Er staan geen noten in een tabbalk: er is niets te exporteren").toStdString());
        return;
    }
    const Tijdlijn tijden = BerekenTijden(stuk, regels, {100, GekozenGitaar()});
    const std::string titel = TitelVan(regels, stuk, bron.completeBaseName().toStdString());
    std::string bytes = soort == MusicXml ? SchrijfMusicXml(stuk, tijden, titel) : SchrijfMidi(stuk, tijden, titel);
    if (soort == Wav) {
        std::string fout;
        bytes = RenderWav(bytes, Tempokaart(tijden), Speelduur(tijden), fout);
        if (!fout.empty()) {
            prompter.Beep(Sound::Exclamation);
            prompter.Message(fout);
            return;
        }
    }

    // Written beside the target and renamed over it, so that a failed write
    // leaves any earlier export whole.
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) ||
        bestand.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !bestand.commit()) {
        prompter.Beep(Sound::Exclamation);
        prompter.Message(tr("Kan bestand %1 niet schrijven: %2")
                             .arg(QDir::toNativeSeparators(pad), bestand.errorString())
                             .toStdString());
    }
}

} // namespace korvane
