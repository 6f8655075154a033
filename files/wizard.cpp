// The new-tab wizard: its dialog and the document it builds.
#include "files/wizard.h"
#include "files/tekens.h"

#include "core/utf8.h"
#include "core/staff.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace korvane {

const char* const wizardMaatsoorten[aantalWizardMaatsoorten] = {QT_TRANSLATE_NOOP("korvane::TTabwizard", "Geen"), "3/4", "4/4", "6/8", "12/8"};

namespace {


} // namespace

void StemmingInvoer(QComboBox& box)
{
    auto* aanvulling = new QCompleter(box.model(), &box);
    aanvulling->setCompletionMode(QCompleter::PopupCompletion);
    // Also makes Enter in the box look for an entry in this letter case only.
    aanvulling->setCaseSensitivity(Qt::CaseSensitive);
    box.setCompleter(aanvulling);
}

std::u32string GecentreerdeRegel(std::u32string_view tekst)
{
    // Integer division truncates toward zero, so 86 characters still get
    // (85 - 86) / 2 = 0, that is one blank.
    const int k = (wizardBreedte - static_cast<int>(tekst.size())) / 2;
    if (k < 0)
        return std::u32string(tekst);
    return std::u32string(static_cast<size_t>(k) + 1, U' ') + std::u32string(tekst);
}

void BouwNieuweTab(TabContext& ctx, const WizardKeuze& keuze)
{
    EditorOps& ed = ctx.editor;
    TabInstellingen& in = ctx.state.instellingen;
    const bool metMaatsoort = keuze.maatsoort >= 1 && keuze.maatsoort < aantalWizardMaatsoorten;
    in.tabbreedte = keuze.tabbreedte;
    in.stemming = keuze.stemming;
    in.maatsoorten = metMaatsoort;
    if (metMaatsoort)
        in.maatsoort = keuze.maatsoort - 1;

    ed.LockPainting();
    ed.SelectAll();
    ed.ReplaceSelection({});

    if (!keuze.titel.empty() || !keuze.artiest.empty()) {
        const std::u32string regel(wizardBreedte, U'=');
        ed.AddLine(regel);
        if (!keuze.titel.empty())
            ed.AddLine(GecentreerdeRegel(keuze.titel));
        if (!keuze.artiest.empty())
            ed.AddLine(GecentreerdeRegel(keuze.artiest));
        ed.AddLine(regel);
    }
    ed.AddLine(keuze.capo > 0 ? VanUtf8(std::string(capoVoorvoegsel) + std::to_string(keuze.capo)) : std::u32string());
    ed.AddLine(metMaatsoort ? VanUtf8(wizardMaatsoorten[keuze.maatsoort]) : std::u32string());

    const int n = keuze.helePagina ? 8 : keuze.aantalregels;
    for (int i = 0; i < n; ++i) {
        inserttab(ctx);
        // Without a tuning inserttab refuses with a message; once is enough.
        if (in.stemming.empty())
            break;
        if (!metMaatsoort)
            ed.ReplaceSelection(crlf);
    }
    ed.UnlockPainting();

    // The line snapshot and the widget's undo belong to the document that
    // was just replaced; undoing them here would write its lines into this one.
    DocumentVervangen(ctx.state);
    ed.ClearUndo();
    ed.SetModified(false);
    ed.SetCaret(0);
}

TTabwizard::TTabwizard(WizardDoel& doel, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_doel(doel), m_prompter(prompter)
{
    setWindowTitle(tr("Nieuwe tab"));
    setObjectName(QStringLiteral("TTabwizard"));

    Titelbox = new QLineEdit(this);
    Artistbox = new QLineEdit(this);
    Capobox = new QSpinBox(this);
    Capobox->setRange(0, 10);
    Capobox->setValue(0);
    Tuningbox = new QComboBox(this);
    Tuningbox->setEditable(true);
    Tuningbox->setInsertPolicy(QComboBox::NoInsert);
    StemmingInvoer(*Tuningbox);
    Tuningbox->setCurrentText(QTekst(standaardStemming));
    Label6 = new QLabel(tr("Tabbreedte:"), this);
    tabwidth = new QSpinBox(this);
    tabwidth->setRange(10, 85);
    tabwidth->setSingleStep(10);
    tabwidth->setValue(80);
    Label6->setBuddy(tabwidth);

    RadioGroup1 = new QGroupBox(tr("Maatsoort"), this);
    m_maatsoortKnoppen = new QButtonGroup(this);
    auto* radioLayout = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < aantalWizardMaatsoorten; ++i) {
        auto* knop = new QRadioButton(tr(wizardMaatsoorten[i]), RadioGroup1);
        m_maatsoortKnoppen->addButton(knop, i);
        radioLayout->addWidget(knop);
    }
    m_maatsoortKnoppen->button(2)->setChecked(true);

    Paginabox = new QCheckBox(tr("Hele pagina"), this);
    Paginabox->setChecked(true);
    Label5 = new QLabel(tr("Aantal balken"), this);
    Aantalregels = new QSpinBox(this);
    Aantalregels->setRange(1, 100);
    Aantalregels->setValue(1);
    Label5->setBuddy(Aantalregels);

    Okbutton = new QPushButton(QStringLiteral("Ok"), this);
    Okbutton->setDefault(true);
    Okbutton->setAutoDefault(true);
    Cancelbutton = new QPushButton(tr("Annuleren"), this);
    Cancelbutton->setAutoDefault(false);
    Defaultbutton = new QPushButton(tr("Standaard instellingen"), this);
    Defaultbutton->setAutoDefault(false);

    auto* velden = new QGridLayout;
    int rij = 0;
    velden->addWidget(new QLabel(tr("Titel:"), this), rij, 0);
    velden->addWidget(Titelbox, rij++, 1, 1, 3);
    velden->addWidget(new QLabel(tr("Artiest:"), this), rij, 0);
    velden->addWidget(Artistbox, rij++, 1, 1, 3);
    velden->addWidget(new QLabel(tr("Capo:"), this), rij, 0);
    velden->addWidget(Capobox, rij, 1);
    velden->addWidget(new QLabel(tr("Stemming:"), this), rij, 2);
    velden->addWidget(Tuningbox, rij++, 3);
    velden->addWidget(Label6, rij, 0);
    velden->addWidget(tabwidth, rij++, 1);
    velden->addWidget(RadioGroup1, rij, 0, 3, 2);
    velden->addWidget(Paginabox, rij++, 2, 1, 2);
    velden->addWidget(Label5, rij, 2);
    velden->addWidget(Aantalregels, rij++, 3);

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(Defaultbutton);
    knoppen->addStretch();
    knoppen->addWidget(Okbutton);
    knoppen->addWidget(Cancelbutton);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addStretch();
    hoofd->addLayout(knoppen);

    connect(m_maatsoortKnoppen, &QButtonGroup::idClicked, this, [this](int) { RadioGroup1Click(); });
    connect(Paginabox, &QCheckBox::clicked, this, [this](bool) { PaginaboxClick(); });
    connect(Okbutton, &QPushButton::clicked, this, [this] { OkbuttonClick(); });
    connect(Cancelbutton, &QPushButton::clicked, this, [this] { CancelbuttonClick(); });
    connect(Defaultbutton, &QPushButton::clicked, this, [this] { DefaultbuttonClick(); });

    RadioGroup1Click();
    PaginaboxClick();
}

bool TTabwizard::newtab()
{
    FormActivate();
    return m_prompter.ExecDialog(*this) == QDialog::Accepted;
}

void TTabwizard::ZetStemmingen(const QStringList& items)
{
    Tuningbox->clear();
    Tuningbox->addItems(items);
    Tuningbox->setCurrentText(QTekst(standaardStemming));
}

void TTabwizard::FormActivate()
{
    Tuningbox->setCurrentText(QTekst(standaardStemming));
    // The field clips the main window's width to its own range.
    tabwidth->setValue(m_doel.Tabbreedte());
}

int TTabwizard::MaatsoortIndex() const
{
    return m_maatsoortKnoppen->checkedId();
}

void TTabwizard::RadioGroup1Click()
{
    const bool geen = MaatsoortIndex() == 0;
    tabwidth->setEnabled(geen);
    Label6->setEnabled(geen);
}

void TTabwizard::PaginaboxClick()
{
    const bool los = !Paginabox->isChecked();
    Aantalregels->setEnabled(los);
    Label5->setEnabled(los);
}

void TTabwizard::DefaultbuttonClick()
{
    Titelbox->clear();
    Artistbox->clear();
    m_maatsoortKnoppen->button(2)->setChecked(true);
    Paginabox->setChecked(true);
    Aantalregels->setValue(1);
    Capobox->setValue(0);
    tabwidth->setValue(m_doel.Tabbreedte());
    RadioGroup1Click();
    PaginaboxClick();
}

void TTabwizard::CancelbuttonClick()
{
    reject();
}

WizardKeuze TTabwizard::Keuze() const
{
    WizardKeuze k;
    k.titel = Tekens(Titelbox->text());
    k.artiest = Tekens(Artistbox->text());
    k.capo = Capobox->value();
    k.stemming = Tekens(Tuningbox->currentText());
    k.maatsoort = MaatsoortIndex();
    k.helePagina = Paginabox->isChecked();
    k.aantalregels = Aantalregels->value();
    k.tabbreedte = tabwidth->value();
    return k;
}

void TTabwizard::OkbuttonClick()
{
    if (!m_doel.MagDocumentVervangen())
        return;
    // A value typed but not yet confirmed in a spin box counts as well.
    Capobox->interpretText();
    tabwidth->interpretText();
    Aantalregels->interpretText();
    WizardKeuze keuze = Keuze();

    m_doel.ZetTabbreedte(keuze.tabbreedte);
    // The main window's box keeps its own range (a width of 10 becomes 20
    // there); the staffs take the width it shows, as later ones will.
    keuze.tabbreedte = m_doel.Tabbreedte();
    m_doel.ZetNaamloos();
    // The two lists hold the same entries in the same order, so the typed
    // text's place in this list is its place in the main window's list; a
    // typed tuning that is in neither has no place and stays as typed.
    const QString tekst = Tuningbox->currentText();
    m_doel.ZetStemming(tekst, Tuningbox->findText(tekst, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_doel.ZetMaatsoort(keuze.maatsoort);

    TabContext ctx = m_doel.Context();
    BouwNieuweTab(ctx, keuze);
    m_doel.DocumentKlaar();
    accept();
}

} // namespace korvane
