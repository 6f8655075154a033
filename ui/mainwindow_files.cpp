// TForm1's documents on disk, settings files, start-up and shut-down: the
// file commands, the save-changes question on closing, FormCreate and
// FormClose. The work is in files/documentfiles, files/settings and
// files/startup; this file ties it to the window's controls.
#include "ui/mainwindow.h"

#include "ui/editorwidget.h"
#include "ui/qteditor.h"

#include "core/analysis.h"
#include "files/documentfiles.h"
#include "files/filebrowser.h"
#include "files/settings.h"
#include "files/startup.h"

#include <QCoreApplication>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>

namespace korvane {

DocumentFiles& TForm1::bestanden()
{
    if (!m_bestanden) {
        DocumentHooks h;
        h.titel = [this](const QString& t) { setWindowTitle(t); };
        h.toonVeranderd = [this](bool v) { ToonVeranderd(v); };
        h.modus = [this](bool rich) {
            ZetTekstsoort(rich);
            SetChecked("Richtext1", rich);
            SetChecked("Richtext", rich);
            m_panelen[PaneelTekstsoort]->setText(ModusTekst(rich));
        };
        h.bestandslijstVernieuwen = [this] {
            if (Browser)
                Browser->Vernieuw();
        };
        h.naarMap = [this](const QString& map) {
            if (Browser)
                Browser->ZetMap(map);
        };
        h.browserMap = [this] { return Browser ? Browser->Map() : QString(); };
        h.caretStatus = [this] { ToonCaretPositie(); };
        h.undoUit = [this] {
            SetEnabled("Ongedaanmaken1", false);
            SetEnabled("Undo", false);
        };
        h.reservekopieVinkje = [this](bool aan) { SetChecked("Reservekopie1", aan); };
        h.vetIngedrukt = [this] {
            const QAction* vet = action(QStringLiteral("VetButton"));
            return vet && vet->isChecked();
        };
        h.analyse = [this] { analyze(*m_editor, state.analyse); };
        h.vervangen = [this] { DocumentVervangen(state); };
        h.codering = [this](Codering c) { m_panelen[PaneelCodering]->setText(
            QCoreApplication::translate("Bestanden", CoderingTitel(c).data())); };
        m_bestanden = std::make_unique<DocumentFiles>(*Editor, prompter, instellingen,
                                                      DocumentIdentiteit{bestandsnaam, tablijnenOmgezet},
                                                      std::move(h));
    }
    return *m_bestanden;
}

void TForm1::New1Click()
{
    if (VraagOpslaan())
        NieuwDocument();
}

void TForm1::NieuwDocument()
{
    bestanden().New1Click();
    naamloos = true;
}

void TForm1::Open1Click()
{
    bestanden().Open1Click();
    naamloos = bestandsnaam == korvane::naamloos;
}

void TForm1::Save1Click()
{
    bestanden().Save1Click();
    naamloos = bestandsnaam == korvane::naamloos;
}

void TForm1::Saveas1Click()
{
    bestanden().Saveas1Click();
}

void TForm1::Opslaanmetcodering1Click()
{
    bestanden().OpslaanMetKeuze();
    naamloos = bestandsnaam == korvane::naamloos;
}

void TForm1::Opnieuwladenmetcodering1Click()
{
    bestanden().HerladenMetKeuze();
}

void TForm1::Reservekopie1Click()
{
    bestanden().Reservekopie1Click();
}

bool TForm1::VraagOpslaan()
{
    return bestanden().VraagOpslaan();
}

bool TForm1::FormCloseQuery()
{
    return bestanden().FormCloseQuery();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::FormCreate()
{
    if (instellingen.programmamap.isEmpty())
        instellingen.programmamap = ProgrammaMap();
    const QString map = instellingen.programmamap;

    const OptiesResultaat opties = LeesOpties(map, instellingen);
    // Trouble with the settings is told in one status line, never in a box
    // before the window has even appeared.
    QString melding = opties.onbruikbaar > 0 ? OptiesOnbruikbaarTekst() : QString();
    QFont font = Editor->font();
    if (!instellingen.editorfont.isEmpty())
        font.setFamily(instellingen.editorfont);
    if (instellingen.editorgrootte > 0)
        font.setPointSize(instellingen.editorgrootte);
    Editor->setFont(font);

    // Sizes beyond the screen (a damaged or hand-edited file) would cost a
    // window of gigabytes at every start: the screen's free area is the limit.
    const QRect scherm = screen()->availableGeometry();
    move(scherm.topLeft());
    LeesConfiguratie(map, configuratie);
    BegrensConfiguratie(configuratie, scherm.width(), scherm.height());
    resize(configuratie.vensterbreedte, configuratie.vensterhoogte);
    Splitter1->setSizes({configuratie.paneelbreedte,
                         std::max(100, configuratie.vensterbreedte - configuratie.paneelbreedte)});
    if (Browser)
        Browser->ZetBoomHoogte(configuratie.boomhoogte);
    instellingen.laatstebestand = configuratie.bestandsnaam;

    SetChecked("Reservekopie1", instellingen.reservekopie);

    const EersteDocument eerste = KiesEersteDocument(opstart.parameters, instellingen);
    bestandsnaam = eerste.bestandsnaam;
    naamloos = bestandsnaam == korvane::naamloos;
    if (eerste.boomVerplaatsen && Browser && !eerste.boomMap.isEmpty()) {
        // A tab folder that is gone (an unplugged drive) leaves the browser
        // where it is.
        const QFileInfo boom(eerste.boomMap);
        if (boom.isDir() && QDir(eerste.boomMap).isReadable())
            Browser->ZetMap(eerste.boomMap);
        else if (melding.isEmpty())
            melding = tr("Map %1 niet gevonden.").arg(QDir::toNativeSeparators(eerste.boomMap));
    }
    if (eerste.laden) {
        // The editor is still in plain-text handling here, whatever richtext says.
        if (bestanden().Laden(bestandsnaam, false)) {
            m_editor->SetModified(false);
            analyze(*m_editor, state.analyse);
        }
    } else {
        Editor->clear();
    }
    setWindowTitle(VensterTitel(bestandsnaam));

    if (!melding.isEmpty())
        statusBar()->showMessage(melding, 30000);

    const std::optional<std::vector<std::u32string>> snaren = LeesSnarenBestand(map);
    VulStemmingLijst(stemmingLijst, snaren ? &*snaren : nullptr);
    ToonStemmingLijst();
    ComboBox1->setEditText(QTekst(standaardStemming));
    bestanden().ToonCodering();
}

void TForm1::FormClose()
{
    configuratie.vensterbreedte = width();
    configuratie.vensterhoogte = height();
    const QList<int> maten = Splitter1->sizes();
    if (!maten.isEmpty() && m_browserPanel->isVisible())
        configuratie.paneelbreedte = maten.first();
    if (Browser)
        configuratie.boomhoogte = Browser->BoomHoogte();
    configuratie.bestandsnaam = bestandsnaam;
    const QRect scherm = screen()->availableGeometry();
    BegrensConfiguratie(configuratie, scherm.width(), scherm.height());
    if (!SchrijfConfiguratie(instellingen.programmamap, configuratie)) {
        prompter.Beep(Sound::Default);
        prompter.Message(ConfigFoutTekst(instellingen.programmamap).toStdString());
    }
}

} // namespace korvane
