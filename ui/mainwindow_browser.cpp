// TForm1's file browser panel, options dialog and new-tab wizard: building
// them into the window and the handlers of their commands.
#include "ui/mainwindow.h"

#include "ui/editorwidget.h"
#include "ui/qteditor.h"

#include "files/documentfiles.h"
#include "files/filebrowser.h"
#include "files/options.h"
#include "files/wizard.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>

namespace korvane {

namespace {

// The main window's staff controls and document as the wizard changes them.
class VensterWizardDoel : public QObject, public WizardDoel {
public:
    explicit VensterWizardDoel(TForm1& venster) : QObject(&venster), m_venster(venster) {}

    TabContext Context() override { return m_venster.ctx(); }
    int Tabbreedte() const override { return m_venster.SpinEdit2->value(); }
    void ZetTabbreedte(int waarde) override { m_venster.SpinEdit2->setValue(waarde); }
    void ZetNaamloos() override
    {
        m_venster.bestandsnaam = korvane::naamloos;
        m_venster.naamloos = true;
        m_venster.bestanden().CoderingVanNieuwDocument();
        m_venster.setWindowTitle(QStringLiteral("%1 - %2")
                                     .arg(QString::fromLatin1(wizardProgrammatitel.data(),
                                                              static_cast<qsizetype>(wizardProgrammatitel.size())),
                                          NaamDeel(korvane::naamloos)));
    }
    void ZetStemming(const QString& tekst, int index) override
    {
        QComboBox* box = m_venster.ComboBox1;
        if (index >= 0 && index < box->count()) {
            box->setCurrentIndex(index);
            return;
        }
        // A typed tuning: no entry selected, and the text stays as typed,
        // because the staff command reads the tuning from the text.
        box->setCurrentIndex(-1);
        box->setEditText(tekst);
    }
    void ZetMaatsoort(int index) override
    {
        const bool aan = index >= 1 && index < aantalWizardMaatsoorten;
        if (aan) {
            m_venster.Maatcombobox->setCurrentIndex(index - 1);
            m_venster.MaatcomboboxChange();
        }
        m_venster.state.instellingen.maatsoorten = aan;
        if (QAction* knop = m_venster.action(QStringLiteral("maatsoortbutton")))
            knop->setChecked(aan);
    }
    bool MagDocumentVervangen() override { return m_venster.VraagOpslaan(); }
    void DocumentKlaar() override
    {
        m_venster.ToonVeranderd(false);
        m_venster.tablijnenOmgezet = false;
    }

private:
    TForm1& m_venster;
};

} // namespace

void TForm1::BouwBrowser()
{
    Browser = new FileBrowser(prompter, instellingen, m_browserPanel);
    m_browserPanel->layout()->addWidget(Browser);
    QListWidget* lijst = Browser->FileListBox1;
    connect(lijst, &QWidget::customContextMenuRequested, this,
            [this, lijst](const QPoint& p) { PopupMenu1->popup(lijst->viewport()->mapToGlobal(p)); });
    connect(Browser, &FileBrowser::FileListBox1Click, this, &TForm1::FileListBox1Click);

    Form2 = new TForm2(prompter, this);
    Tabwizard = new TTabwizard(*new VensterWizardDoel(*this), prompter, this);

    // The wizard's tuning box is a copy of ComboBox1's list and follows it.
    connect(this, &TForm1::StemmingToegevoegd, Tabwizard,
            [this](int index, const QString& tekst) { Tabwizard->Tuningbox->insertItem(index, tekst); });
    connect(this, &TForm1::StemmingVerwijderd, Tabwizard,
            [this](int index) { Tabwizard->Tuningbox->removeItem(index); });
    connect(this, &TForm1::Geactiveerd, this, [this] {
        QStringList items;
        for (int i = 0; i < ComboBox1->count(); ++i)
            items << ComboBox1->itemText(i);
        Tabwizard->ZetStemmingen(items);
        // Once the window is on the screen, so that the wizard stands over it.
        // A file named on the command line is what the user asked to see.
        if (instellingen.opstartmodus == opstartWizard && opstart.parameters.isEmpty())
            QTimer::singleShot(0, this, [this] { Wizardnieuwetab1Click(); });
    });
}

void TForm1::FileListBox1Click(const QString& pad)
{
    if (bestanden().LaadUitLijst(pad))
        naamloos = bestandsnaam == korvane::naamloos;
}

void TForm1::Wissen()
{
    Browser->Wissen();
}

void TForm1::Naamwijzigen1Click()
{
    if (const std::optional<QString> nieuw = Browser->Naamwijzigen1Click(bestandsnaam)) {
        bestandsnaam = *nieuw;
        naamloos = false;
        setWindowTitle(VensterTitel(bestandsnaam));
    }
}

void TForm1::StartbuttonClick()
{
    // Esc, its key, stops the tab while it plays.
    if (SpeeltTab() && afzender() == action(QStringLiteral("Startdirectory1"))) {
        StopTab();
        return;
    }
    Browser->StartbuttonClick();
}

void TForm1::Opties1Click()
{
    Form2->Toon(instellingen, Editor->font());
    // A new document follows the encoding chosen there.
    bestanden().ToonCodering();
}

void TForm1::Wizardnieuwetab1Click()
{
    Tabwizard->newtab();
}

} // namespace korvane
