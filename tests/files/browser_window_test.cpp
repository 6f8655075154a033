// The browser, the options dialog and the wizard inside the real main
// window: its commands, its start-up and the settings of the next start.
#include "common/scriptedprompter.h"
#include "qstringprinter.h"

#include "files/filebrowser.h"
#include "files/options.h"
#include "files/wizard.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

void Schrijf(const QString& pad, const QByteArray& inhoud)
{
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
}

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return "<ontbreekt>";
    return f.readAll();
}

// The options file the dialog would write, with the given start-up choice.
QByteArray Opties(const QString& tabmap, const char* opstart)
{
    return tabmap.toUtf8() + "\r\n\r\ncourier new\r\n9\r\nNormal\r\ncourier new\r\n9\r\nNormal\r\nDirTree\r\n"
           "Plaintext\r\nNo Backup\r\nAll\r\nPagenumbers\r\n" + QByteArray(opstart) + "\r\n";
}

class Venster : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString oudeMap = QDir::currentPath();
    test::ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
    QString programma, tabs;

    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        programma = tmp.filePath("programma");
        tabs = tmp.filePath("tabs");
        QDir().mkpath(programma);
        QDir().mkpath(tabs + "/rock");
        Schrijf(tabs + "/lied.tab", "E|--3--|\r\n");
        Schrijf(tabs + "/ander.txt", "tekst\r\n");
        Schrijf(tabs + "/geluid.mp3", "ID3");
    }
    void TearDown() override
    {
        w.reset();
        QDir::setCurrent(oudeMap);
    }

    void Start(const char* opstart = "Empty")
    {
        Schrijf(programma + "/Opties.txt", Opties(tabs, opstart));
        OpstartGegevens start;
        start.programmamap = programma + "/";
        w = std::make_unique<TForm1>(prompter, start);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->Editor->setFocus();
    }
    QListWidget* lijst() const { return w->Browser->FileListBox1; }
    void Klik(const QString& naam)
    {
        const auto items = lijst()->findItems(naam, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << naam.toStdString();
        QTest::mouseClick(lijst()->viewport(), Qt::LeftButton, {}, lijst()->visualItemRect(items[0]).center());
    }
};

TEST_F(Venster, TheBrowserFillsTheLeftPanelAtTheTabFolder)
{
    Start();
    EXPECT_TRUE(w->m_browserPanel->isAncestorOf(w->Browser));
    EXPECT_EQ(w->Browser->Map(), QDir::cleanPath(tabs));
    QStringList namen;
    for (int i = 0; i < lijst()->count(); ++i)
        namen << lijst()->item(i)->text();
    EXPECT_EQ(namen, (QStringList{"ander.txt", "lied.tab"}));
    // Both the list and the editor offer the two file commands.
    EXPECT_EQ(lijst()->contextMenuPolicy(), Qt::CustomContextMenu);
    QStringList items;
    for (QAction* a : w->PopupMenu1->actions())
        items << a->text();
    EXPECT_EQ(items, (QStringList{"Naam wijzigen", "Bestand wissen"}));
}

TEST_F(Venster, AClickOpensTheFileAndEscReturnsToTheTabFolder)
{
    Start();
    Klik("lied.tab");
    EXPECT_EQ(w->editor().Text(), "E|--3--|\r\n");
    EXPECT_EQ(w->bestandsnaam, QDir(tabs).filePath("lied.tab"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - lied.tab"));
    EXPECT_FALSE(w->naamloos);

    ASSERT_TRUE(w->Browser->ZetMap(tabs + "/rock"));
    w->Editor->setFocus();
    QTest::keyClick(w->Editor, Qt::Key_Escape);
    EXPECT_EQ(w->Browser->Map(), QDir::cleanPath(tabs));
    ASSERT_TRUE(w->Browser->ZetMap(tabs + "/rock"));
    w->action(QStringLiteral("Startbutton"))->trigger();
    EXPECT_EQ(w->Browser->Map(), QDir::cleanPath(tabs));
}

TEST_F(Venster, RenamingTheOpenFileRenamesTheDocument)
{
    Start();
    Klik("lied.tab");
    prompter.texts = {QStringLiteral("blues.tab")};
    w->action(QStringLiteral("Naamwijzigen1"))->trigger();
    EXPECT_EQ(w->bestandsnaam, QDir(tabs).filePath("blues.tab"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - blues.tab"));
    EXPECT_EQ(Lees(tabs + "/blues.tab"), QByteArray("E|--3--|\r\n"));
    EXPECT_FALSE(QFile::exists(tabs + "/lied.tab"));
}

TEST_F(Venster, CtrlWBuildsANewTabAndSetsTheStaffControls)
{
    Start();
    w->ComboBox1->addItem(QStringLiteral("DADGAD"));
    prompter.dialogAnswers.push_back([](QDialog& d) {
        auto& wizard = static_cast<TTabwizard&>(d);
        wizard.Titelbox->setText(QStringLiteral("Lied"));
        wizard.Capobox->setValue(2);
        wizard.m_maatsoortKnoppen->button(3)->click();
        wizard.Paginabox->click();
        wizard.Aantalregels->setValue(2);
        wizard.Okbutton->click();
        return d.result();
    });
    w->Editor->setFocus();
    QTest::keyClick(w->Editor, Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(prompter.dialogs, std::vector<QString>{QStringLiteral("TTabwizard")});
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.0 - naamloos.tab"));
    EXPECT_EQ(w->bestandsnaam, QStringLiteral("naamloos.tab"));
    EXPECT_EQ(w->Maatcombobox->currentIndex(), 2);
    EXPECT_TRUE(w->action(QStringLiteral("maatsoortbutton"))->isChecked());
    EXPECT_EQ(w->editor().GetLine(1), GecentreerdeRegel("Lied"));
    EXPECT_EQ(w->editor().GetLine(3), "Capo: 2");
    EXPECT_EQ(w->editor().GetLine(4), "6/8");
    EXPECT_EQ(w->state.analyse.aantalbalken, 2);
    EXPECT_FALSE(w->editor().Modified());
    EXPECT_EQ(w->editor().CaretOffset(), 0);

    // The staff controls stay in force: the next empty staff is a 6/8 one.
    const int regels = w->editor().LineCount();
    w->action(QStringLiteral("Legeregeltab1"))->trigger();
    EXPECT_EQ(w->editor().LineCount(), regels + 8);
}

TEST_F(Venster, ATypedTuningReachesTheMainTuningBoxAsTyped)
{
    Start();
    prompter.dialogAnswers.push_back([](QDialog& d) {
        auto& wizard = static_cast<TTabwizard&>(d);
        d.show();
        wizard.Tuningbox->setCurrentText(QStringLiteral("CGCGCE"));
        wizard.Paginabox->click();
        // Enter anywhere in the wizard is "Ok".
        QTest::keyClick(wizard.Titelbox, Qt::Key_Return);
        return d.result();
    });
    w->action(QStringLiteral("Wizardnieuwetab1"))->trigger();
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("CGCGCE"));
    EXPECT_EQ(w->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(w->editor().GetLine(4).substr(0, 2), "E|");
    EXPECT_EQ(w->editor().GetLine(9).substr(0, 2), "C|");
}

TEST_F(Venster, TheWizardsTuningListFollowsTheMainOne)
{
    Start();
    auto lijst = [this] {
        QStringList r;
        for (int i = 0; i < w->Tabwizard->Tuningbox->count(); ++i)
            r << w->Tabwizard->Tuningbox->itemText(i);
        return r;
    };
    EXPECT_EQ(lijst(), QStringList{"EADGBE"});
    w->ComboBox1->setEditText(QStringLiteral("DADGAD"));
    w->action(QStringLiteral("PlusButton"))->trigger();
    EXPECT_EQ(lijst(), (QStringList{"DADGAD", "EADGBE"}));
    w->ComboBox1->setCurrentIndex(0);
    prompter.answers = {Answer::Yes};
    w->action(QStringLiteral("Minbutton"))->trigger();
    EXPECT_EQ(lijst(), QStringList{"EADGBE"});
}

TEST_F(Venster, TheWizardAppearsOnceAtStartUpWhenChosen)
{
    int getoond = 0;
    prompter.dialogAnswers.push_back([&getoond](QDialog& d) {
        ++getoond;
        static_cast<TTabwizard&>(d).Okbutton->click();
        return d.result();
    });
    Start("Wizard");
    QTRY_COMPARE(getoond, 1);
    EXPECT_EQ(prompter.dialogs, std::vector<QString>{QStringLiteral("TTabwizard")});
    EXPECT_EQ(w->editor().LineCount(), 2 + 8 * 8);
    EXPECT_FALSE(w->editor().Modified());
    // Activating the window again does not bring it back.
    w->hide();
    w->show();
    QTest::qWait(20);
    EXPECT_EQ(prompter.dialogs.size(), 1u);
}

TEST_F(Venster, OptionsAreSavedAndTheNextStartUsesThem)
{
    Start();
    const QString nieuweTabs = tabs + "/rock";
    prompter.dialogAnswers.push_back([&](QDialog& d) {
        auto& opties = static_cast<TForm2&>(d);
        opties.Directory->setText(nieuweTabs);
        opties.Backupbox->setChecked(true);
        opties.m_opstartKnoppen->button(2)->click();
        opties.OKButton->click();
        return d.result();
    });
    w->action(QStringLiteral("Opties1"))->trigger();
    ASSERT_EQ(prompter.dialogs, std::vector<QString>{QStringLiteral("TForm2")});
    ASSERT_TRUE(QFile::exists(programma + "/Opties.txt"));
    // The tab folder takes effect at once, the rest at the next start.
    EXPECT_EQ(w->instellingen.tabmap, nieuweTabs);
    EXPECT_FALSE(w->instellingen.reservekopie);
    w->action(QStringLiteral("Startdirectory1"))->trigger();
    EXPECT_EQ(w->Browser->Map(), QDir::cleanPath(nieuweTabs));

    w.reset();
    OpstartGegevens start;
    start.programmamap = programma + "/";
    TForm1 volgende(prompter, start);
    EXPECT_EQ(volgende.instellingen.tabmap, nieuweTabs);
    EXPECT_TRUE(volgende.instellingen.reservekopie);
    EXPECT_EQ(volgende.instellingen.opstartmodus, opstartLaatste);
    EXPECT_EQ(volgende.Browser->Map(), QDir::cleanPath(nieuweTabs));
}

} // namespace
} // namespace korvane
