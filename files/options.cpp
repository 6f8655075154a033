// The options dialog and its writing of "Opties.txt".
#include "files/options.h"
#include "files/textcodec.h"
#include "files/taal.h"
#include "files/usersettings.h"

#include "core/cp1252.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

const char* const opstartItems[3] = {QT_TRANSLATE_NOOP("korvane::TForm2", "Leeg scherm"),
                                     QT_TRANSLATE_NOOP("korvane::TForm2", "Wizard nieuwe tab"),
                                     QT_TRANSLATE_NOOP("korvane::TForm2", "Laatste file")};

int Punten(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

} // namespace

bool SchrijfRegels(const QString& pad, const QStringList& regels)
{
    QFile f(pad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const QString& regel : regels) {
        const QByteArray bytes = QByteArray::fromStdString(QStringToBytes(regel)) + "\r\n";
        // Unbuffered in effect: a line that fails leaves the earlier ones.
        if (f.write(bytes) != bytes.size() || !f.flush())
            return false;
    }
    return true;
}

TForm2::TForm2(Prompter& prompter, QWidget* parent) : QDialog(parent), m_prompter(prompter)
{
    setWindowTitle(tr("Opties"));
    setObjectName(QStringLiteral("TForm2"));
    // A fixed border with only a close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto knop = [this] { return new QPushButton(tr("Selecteren"), this); };
    Directory = new QLineEdit(this);
    Button1 = knop();
    Mediadirectory = new QLineEdit(this);
    MediadirButton = knop();
    Editorfont = new QLineEdit(this);
    size = new QLineEdit(this);
    Editbutton = knop();
    Printerfont = new QLineEdit(this);
    Printersize = new QLineEdit(this);
    Printerbutton = knop();
    size->setMaximumWidth(50);
    Printersize->setMaximumWidth(50);

    Fixedbox = new QCheckBox(tr("Alleen fixed-fonts"), this);
    richbox = new QCheckBox(tr("Rich text"), this);
    fullscr = new QCheckBox(tr("Opstarten met volledig scherm"), this);
    Backupbox = new QCheckBox(tr("Reservekopie maken bij opslaan en wissen"), this);
    Pagenumbox = new QCheckBox(tr("Paginanummering"), this);

    Coderingbox = new QComboBox(this);
    Coderingbox->setObjectName(QStringLiteral("Coderingbox"));
    Coderingbox->addItem(QStringLiteral("UTF-8"));
    Coderingbox->addItem(QStringLiteral("Windows-1252"));
    // The language of the texts; "English" and "Nederlands" are written in
    // their own language, so that a user who cannot read the current one
    // still finds theirs.
    Taalbox = new QComboBox(this);
    Taalbox->setObjectName(QStringLiteral("Taalbox"));
    Taalbox->addItem(tr("Systeem"));
    Taalbox->addItem(QStringLiteral("Nederlands"));
    Taalbox->addItem(QStringLiteral("English"));

    RadioGroup1 = new QGroupBox(tr("Opstarten met"), this);
    m_opstartKnoppen = new QButtonGroup(this);
    auto* radio = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(tr(opstartItems[i]), RadioGroup1);
        m_opstartKnoppen->addButton(r, i);
        radio->addWidget(r);
    }

    OKButton = new QPushButton(tr("Opslaan"), this);
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Annuleren"), this);

    auto* velden = new QGridLayout;
    int rij = 0;
    auto regel = [&](const char* label, QWidget* a, QWidget* b, QPushButton* k) {
        velden->addWidget(new QLabel(tr(label), this), rij, 0);
        if (b) {
            velden->addWidget(a, rij, 1);
            velden->addWidget(b, rij, 2);
        } else {
            velden->addWidget(a, rij, 1, 1, 2);
        }
        velden->addWidget(k, rij++, 3);
    };
    regel(QT_TR_NOOP("Tab-directory:"), Directory, nullptr, Button1);
    regel(QT_TR_NOOP("Media-directory:"), Mediadirectory, nullptr, MediadirButton);
    regel(QT_TR_NOOP("Editor-font:"), Editorfont, size, Editbutton);
    regel(QT_TR_NOOP("Printer-font:"), Printerfont, Printersize, Printerbutton);
    velden->addWidget(new QLabel(tr("Codering nieuwe documenten:"), this), rij, 0);
    velden->addWidget(Coderingbox, rij++, 1, 1, 2);
    velden->addWidget(new QLabel(tr("Taal:"), this), rij, 0);
    velden->addWidget(Taalbox, rij++, 1, 1, 2);

    auto* vinkjes = new QVBoxLayout;
    for (QCheckBox* c : {Fixedbox, richbox, fullscr, Backupbox, Pagenumbox})
        vinkjes->addWidget(c);
    vinkjes->addStretch();
    auto* midden = new QHBoxLayout;
    midden->addLayout(vinkjes, 1);
    midden->addWidget(RadioGroup1);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addLayout(midden);
    hoofd->addStretch();
    hoofd->addLayout(knoppen);
    // A fixed border: the designed size, or larger where the labels need it.
    setFixedSize(sizeHint().expandedTo(QSize(457, 353)));

    connect(Button1, &QPushButton::clicked, this, [this] { DirButtonClick(); });
    connect(MediadirButton, &QPushButton::clicked, this, [this] { MediadirButtonClick(); });
    connect(Editbutton, &QPushButton::clicked, this, [this] { EditbuttonClick(); });
    connect(Printerbutton, &QPushButton::clicked, this, [this] { PrinterbuttonClick(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
}

bool TForm2::Toon(Instellingen& instellingen, const QFont& editorFont)
{
    FormActivate(instellingen, editorFont);
    return m_prompter.ExecDialog(*this) == QDialog::Accepted;
}

void TForm2::FormActivate(Instellingen& instellingen, const QFont& editorFont)
{
    m_instellingen = &instellingen;
    Directory->setText(instellingen.tabmap);
    Mediadirectory->setText(instellingen.mediamap);
    Editorfont->setText(editorFont.family());
    size->setText(QString::number(Punten(editorFont)));
    m_fontDialog1 = editorFont;
    Printerfont->setText(instellingen.printerfont);
    Printersize->setText(QString::number(instellingen.printergrootte));
    m_fontDialog2 = QFont(instellingen.printerfont);
    if (instellingen.printergrootte > 0)
        m_fontDialog2.setPointSize(instellingen.printergrootte);
    m_fontDialog2.setBold(dialoogPrinterVet);
    fullscr->setChecked(instellingen.volledigscherm);
    Backupbox->setChecked(instellingen.reservekopie);
    Fixedbox->setChecked(instellingen.alleenfixed);
    Pagenumbox->setChecked(instellingen.paginanummers);
    int keuze = 2;
    if (instellingen.opstartmodus == opstartLeeg)
        keuze = 0;
    else if (instellingen.opstartmodus == opstartWizard)
        keuze = 1;
    m_opstartKnoppen->button(keuze)->setChecked(true);
    Coderingbox->setCurrentIndex(NieuweCodering() == Codering::Windows1252 ? 1 : 0);
    Taalbox->setCurrentIndex(static_cast<int>(OpgeslagenTaalkeuze()));
    // richbox keeps whatever it showed when the dialog last closed.
}

QString TForm2::KiesMap()
{
    // Where there is no "C:\" to start from, the user's home folder is the
    // nearest common root of a tab collection.
    QString map = m_prompter.ExistingDirectory(tr("Map selecteren"), QDir::homePath());
    if (map.isEmpty())
        return {};
    if (!QFileInfo(map).isDir()) {
        m_prompter.Beep(Sound::Question);
        const QString vraag = tr("De map %1 bestaat niet.\r\nWilt U deze map aanmaken ?")
                                  .arg(QDir::toNativeSeparators(map));
        if (!m_prompter.Confirm(vraag.toStdString()))
            return {};
        if (!QDir().mkpath(map)) {
            m_prompter.Beep(Sound::Exclamation);
            m_prompter.Message(tr("De map %1 kan niet worden aangemaakt.")
                                   .arg(QDir::toNativeSeparators(map))
                                   .toStdString());
            return {};
        }
    }
    return map;
}

void TForm2::DirButtonClick()
{
    const QString map = KiesMap();
    if (!map.isEmpty())
        Directory->setText(map);
}

void TForm2::MediadirButtonClick()
{
    const QString map = KiesMap();
    if (!map.isEmpty())
        Mediadirectory->setText(map);
}

bool TForm2::KiesFont(QFont& start, QLineEdit* naam, QLineEdit* grootte, bool& vet)
{
    const std::optional<QFont> gekozen = m_prompter.ChooseFont(start, false);
    if (!gekozen)
        return false;
    start = *gekozen;
    naam->setText(gekozen->family());
    grootte->setText(QString::number(Punten(*gekozen)));
    vet = gekozen->bold();
    return true;
}

void TForm2::EditbuttonClick()
{
    KiesFont(m_fontDialog1, Editorfont, size, dialoogEditorVet);
}

void TForm2::PrinterbuttonClick()
{
    KiesFont(m_fontDialog2, Printerfont, Printersize, dialoogPrinterVet);
}

QStringList TForm2::OptiesRegels() const
{
    QStringList r;
    r << Directory->text() << Mediadirectory->text() << Editorfont->text() << size->text()
      << (dialoogEditorVet ? QStringLiteral("Bold") : QStringLiteral("Normal")) << Printerfont->text()
      << Printersize->text() << (dialoogPrinterVet ? QStringLiteral("Bold") : QStringLiteral("Normal"))
      << (fullscr->isChecked() ? QStringLiteral("Fullscreen") : QStringLiteral("DirTree"))
      << (richbox->isChecked() ? QStringLiteral("Richtext") : QStringLiteral("Plaintext"))
      << (Backupbox->isChecked() ? QStringLiteral("Backup") : QStringLiteral("No Backup"))
      << (Fixedbox->isChecked() ? QStringLiteral("Fixed") : QStringLiteral("All"))
      << (Pagenumbox->isChecked() ? QStringLiteral("Pagenumbers") : QStringLiteral("No Pagenumbers"));
    switch (m_opstartKnoppen->checkedId()) {
    case 0: r << opstartLeeg; break;
    case 1: r << opstartWizard; break;
    case 2: r << opstartLaatste; break;
    default: break;   // nothing chosen: no fourteenth line
    }
    return r;
}

void TForm2::OKButtonClick()
{
    if (m_instellingen) {
        m_instellingen->tabmap = Directory->text();
        // A program directory that cannot be written to is not reported: the
        // dialog closes as after a success.
        SchrijfRegels(BestandInMap(m_instellingen->programmamap, optiesNaam), OptiesRegels());
    }
    ZetNieuweCodering(Coderingbox->currentIndex() == 1 ? Codering::Windows1252 : Codering::Utf8);
    ZetTaalkeuze(static_cast<Taalkeuze>(std::clamp(Taalbox->currentIndex(), 0, 2)));
    accept();
}

void TForm2::CancelButtonClick()
{
    reject();
}

} // namespace korvane
