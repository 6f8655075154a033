// The options dialog: fields filled from the running program, the folder and
// font choosers, and "Opties.txt" as written and as read at the next start.
#include "files/options.h"

#include "common/scriptedprompter.h"
#include "qstringprinter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return "<ontbreekt>";
    return f.readAll();
}

QList<QByteArray> Regels(const QString& pad)
{
    QList<QByteArray> r = Lees(pad).split('\n');
    for (QByteArray& l : r)
        l.chop(l.endsWith('\r') ? 1 : 0);
    if (!r.isEmpty() && r.last().isEmpty())
        r.removeLast();
    return r;
}

struct Opties : ::testing::Test {
    QTemporaryDir tmp;
    test::ScriptedPrompter prompter;
    Instellingen instellingen;
    TForm2 dialoog{prompter};
    QFont editorFont{QStringLiteral("DejaVu Sans Mono"), 11};

    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        instellingen.programmamap = tmp.path() + "/";
        instellingen.tabmap = QStringLiteral("/muziek/tabs");
        instellingen.mediamap = QStringLiteral("/muziek/mp3");
        instellingen.printerfont = QStringLiteral("courier new");
        instellingen.printergrootte = 10;
        instellingen.opstartmodus = opstartLaatste;
    }
    QString OptiesPad() const { return tmp.filePath("Opties.txt"); }

    // Shows the dialog modally and runs `doe` inside it.
    bool Toon(std::function<void()> doe)
    {
        // Shown through the prompter, as the window shows it; on screen, so
        // that keys reach its default button.
        prompter.dialogAnswers.push_back([doe](QDialog& d) {
            d.show();
            doe();
            if (d.isVisible())
                d.reject();
            return d.result();
        });
        return dialoog.Toon(instellingen, editorFont);
    }
};

TEST_F(Opties, FieldsComeFromTheRunningProgramAndTheEditorsFont)
{
    instellingen.reservekopie = true;
    instellingen.alleenfixed = false;
    instellingen.editorfont = QStringLiteral("courier new");
    dialoog.FormActivate(instellingen, editorFont);
    EXPECT_EQ(dialoog.Editorfont->text(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(dialoog.size->text(), QStringLiteral("11"));
    EXPECT_EQ(dialoog.Printersize->text(), QStringLiteral("10"));
    EXPECT_TRUE(dialoog.Backupbox->isChecked());
    EXPECT_FALSE(dialoog.Fixedbox->isChecked());
}

struct StartKeuze {
    const char* opstartmodus;
    int index;
};

class Opstarten : public Opties, public ::testing::WithParamInterface<StartKeuze> {};

TEST_P(Opstarten, StartUpChoiceSelectsItsButtonAndAnyOtherTextMeansLastFile)
{
    instellingen.opstartmodus = QString::fromLatin1(GetParam().opstartmodus);
    dialoog.FormActivate(instellingen, editorFont);
    EXPECT_EQ(dialoog.m_opstartKnoppen->checkedId(), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Keuzes, Opstarten,
                         ::testing::Values(StartKeuze{"Empty", 0}, StartKeuze{"Wizard", 1},
                                           StartKeuze{"Lastfile", 2}, StartKeuze{"wizard", 2},
                                           StartKeuze{"", 2}));

TEST_F(Opties, SavingUntouchedWritesNormalAndPlaintextAndSetsTheTabFolderAtOnce)
{
    // The bold lines come from fonts picked in the dialog, never from the
    // settings.
    instellingen.editorvet = true;
    instellingen.printervet = true;
    const bool opgeslagen = Toon([this] {
        dialoog.Directory->setText(QStringLiteral("/elders/tabs"));
        QTest::mouseClick(dialoog.OKButton, Qt::LeftButton);
    });
    EXPECT_TRUE(opgeslagen);
    EXPECT_EQ(instellingen.tabmap, QStringLiteral("/elders/tabs"));
    EXPECT_EQ(Regels(OptiesPad()),
              (QList<QByteArray>{"/elders/tabs", "/muziek/mp3", "DejaVu Sans Mono", "11", "Normal", "courier new",
                                 "10", "Normal", "DirTree", "Plaintext", "No Backup", "Fixed", "Pagenumbers",
                                 "Lastfile"}));
    EXPECT_TRUE(Lees(OptiesPad()).endsWith("Lastfile\r\n"));
    EXPECT_EQ(Lees(OptiesPad()).count("\r\n"), 14);
}

TEST_F(Opties, CancelWritesNothingAndKeepsTheTabFolderButTheFieldsKeepTheEdits)
{
    const bool opgeslagen = Toon([this] {
        dialoog.Directory->setText(QStringLiteral("/elders"));
        dialoog.richbox->setChecked(true);
        dialoog.Backupbox->setChecked(true);
        QTest::mouseClick(dialoog.CancelButton, Qt::LeftButton);
    });
    EXPECT_FALSE(opgeslagen);
    EXPECT_FALSE(QFile::exists(OptiesPad()));
    EXPECT_EQ(instellingen.tabmap, QStringLiteral("/muziek/tabs"));
    EXPECT_EQ(dialoog.Directory->text(), QStringLiteral("/elders"));
    // Showing again refills everything but the rich-text box.
    dialoog.FormActivate(instellingen, editorFont);
    EXPECT_EQ(dialoog.Directory->text(), QStringLiteral("/muziek/tabs"));
    EXPECT_FALSE(dialoog.Backupbox->isChecked());
    EXPECT_TRUE(dialoog.richbox->isChecked());
}

TEST_F(Opties, ABoldFontThenARegularOneWritesNormalAgain)
{
    QFont vet(QStringLiteral("Liberation Mono"), 14);
    vet.setBold(true);
    QFont gewoon(QStringLiteral("Liberation Mono"), 12);
    prompter.fonts = {vet};
    dialoog.FormActivate(instellingen, editorFont);
    dialoog.Editbutton->click();
    EXPECT_TRUE(dialoog.dialoogEditorVet);
    EXPECT_EQ(dialoog.Editorfont->text(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(dialoog.size->text(), QStringLiteral("14"));
    EXPECT_EQ(dialoog.OptiesRegels().at(4), QStringLiteral("Bold"));

    prompter.fonts = {gewoon};
    dialoog.Editbutton->click();
    EXPECT_FALSE(dialoog.dialoogEditorVet);
    EXPECT_EQ(dialoog.OptiesRegels().at(3), QStringLiteral("12"));
    EXPECT_EQ(dialoog.OptiesRegels().at(4), QStringLiteral("Normal"));

    // A cancelled font dialog changes nothing.
    prompter.fonts = {std::nullopt};
    dialoog.Printerbutton->click();
    EXPECT_EQ(dialoog.Printerfont->text(), QStringLiteral("courier new"));
    EXPECT_FALSE(dialoog.dialoogPrinterVet);
}

TEST_F(Opties, FolderChooserStartsAtHomeAndReplacesOnlyWithAFolder)
{
    dialoog.FormActivate(instellingen, editorFont);
    prompter.fileNames = {QString(), tmp.path()};
    dialoog.Button1->click();
    EXPECT_EQ(dialoog.Directory->text(), QStringLiteral("/muziek/tabs"));
    dialoog.MediadirButton->click();
    EXPECT_EQ(dialoog.Mediadirectory->text(), tmp.path());
    ASSERT_EQ(prompter.fileRequests.size(), 2u);
    EXPECT_EQ(prompter.fileRequests[0].directory, QDir::homePath());
    EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(Opties, ATypedFolderThatDoesNotExistIsCreatedAfterAQuestion)
{
    dialoog.FormActivate(instellingen, editorFont);
    const QString nieuw = tmp.filePath("nieuw/tabs");
    prompter.fileNames = {nieuw, nieuw};
    prompter.answers = {Answer::No, Answer::Yes};
    dialoog.Button1->click();
    EXPECT_EQ(dialoog.Directory->text(), QStringLiteral("/muziek/tabs"));
    EXPECT_FALSE(QDir(nieuw).exists());
    dialoog.Button1->click();
    EXPECT_EQ(dialoog.Directory->text(), nieuw);
    EXPECT_TRUE(QDir(nieuw).exists());
    ASSERT_EQ(prompter.questions.size(), 2u);
    EXPECT_EQ(prompter.questions[0].kind, DialogKind::Confirmation);
    EXPECT_EQ(prompter.Beeps(Sound::Question), 2);
}

// What the next start-up reads from the file the dialog wrote.
TEST_F(Opties, RoundTripFromTheDialogToTheNextStartUpsSettings)
{
    dialoog.FormActivate(instellingen, editorFont);
    QFont vet(QStringLiteral("Liberation Mono"), 13);
    vet.setBold(true);
    prompter.fonts = {vet};
    dialoog.Editbutton->click();
    dialoog.Directory->setText(QStringLiteral("/tabs/\u00e9t\u00e9"));
    dialoog.Printersize->setText(QStringLiteral("12"));
    dialoog.fullscr->setChecked(true);
    dialoog.richbox->setChecked(true);
    dialoog.Backupbox->setChecked(true);
    dialoog.Fixedbox->setChecked(false);
    dialoog.Pagenumbox->setChecked(false);
    dialoog.m_opstartKnoppen->button(1)->click();
    dialoog.OKButton->click();

    Instellingen volgende;
    volgende.programmamap = instellingen.programmamap;
    const OptiesResultaat r = LeesOpties(volgende.programmamap, volgende);
    EXPECT_EQ(r.status, OptiesStatus::Gelezen);
    EXPECT_EQ(volgende.tabmap, QStringLiteral("/tabs/\u00e9t\u00e9"));
    EXPECT_EQ(volgende.mediamap, QStringLiteral("/muziek/mp3"));
    EXPECT_EQ(volgende.editorfont, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(volgende.editorgrootte, 13);
    EXPECT_TRUE(volgende.editorvet);
    EXPECT_EQ(volgende.printerfont, QStringLiteral("courier new"));
    EXPECT_EQ(volgende.printergrootte, 12);
    EXPECT_FALSE(volgende.printervet);
    EXPECT_TRUE(volgende.volledigscherm);
    EXPECT_TRUE(volgende.richtext);
    EXPECT_TRUE(volgende.reservekopie);
    EXPECT_FALSE(volgende.alleenfixed);
    EXPECT_FALSE(volgende.paginanummers);
    EXPECT_EQ(volgende.opstartmodus, opstartWizard);
    // The file is single-byte: é is one byte.
    EXPECT_EQ(Regels(OptiesPad()).at(0), QByteArray("/tabs/\xe9t\xe9"));
}

TEST_F(Opties, ASizeWithAUnitIsWrittenAsTypedAndStopsTheNextReadingThere)
{
    dialoog.FormActivate(instellingen, editorFont);
    dialoog.size->setText(QStringLiteral("9pt"));
    dialoog.OKButton->click();
    EXPECT_EQ(Regels(OptiesPad()).at(3), QByteArray("9pt"));
    Instellingen volgende;
    volgende.programmamap = instellingen.programmamap;
    const OptiesResultaat r = LeesOpties(volgende.programmamap, volgende);
    EXPECT_EQ(r.status, OptiesStatus::Afgebroken);
    EXPECT_EQ(r.afgebrokenBij, 4);
    EXPECT_EQ(volgende.tabmap, QStringLiteral("/muziek/tabs"));
    EXPECT_FALSE(volgende.editorvet);
    EXPECT_EQ(volgende.printerfont, QString());
}

TEST_F(Opties, AProgramFolderThatCannotBeWrittenIsNotReported)
{
    instellingen.programmamap = tmp.filePath("bestaat-niet") + "/";
    const bool opgeslagen = Toon([this] { dialoog.OKButton->click(); });
    EXPECT_TRUE(opgeslagen);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(instellingen.tabmap, QStringLiteral("/muziek/tabs"));
}

TEST(OptiesSchrijven, NoStartUpChoiceMeansNoFourteenthLine)
{
    test::ScriptedPrompter prompter;
    TForm2 dialoog{prompter};
    // The group starts with nothing chosen until the dialog is first filled.
    EXPECT_EQ(dialoog.m_opstartKnoppen->checkedId(), -1);
    EXPECT_EQ(dialoog.OptiesRegels().size(), 13);
}

} // namespace
} // namespace korvane
