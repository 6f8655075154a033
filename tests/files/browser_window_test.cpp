// The browser, the options dialog and the wizard inside the real main
// window: its commands, its start-up and the settings of the next start.
#include "bestanden.h"
#include "common/scriptedprompter.h"

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
#include <QListWidget>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace korvane {
namespace {

using namespace test;

struct Venster : ::testing::Test {
    QTemporaryDir tmp;
    QString oudeMap = QDir::currentPath();
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
    QString programma = tmp.filePath("programma"), tabs = tmp.filePath("tabs");

    void TearDown() override { w.reset(), QDir::setCurrent(oudeMap); }

    // The window starts from an "Opties.txt" naming the tab folder.
    void SetUp() override
    {
        QDir().mkpath(programma), QDir().mkpath(tabs + "/rock");
        Schrijf(tabs + "/lied.tab", "E|--3--|\r\n");
        Schrijf(programma + "/Opties.txt", tabs.toUtf8() + "\r\n\r\ncourier new\r\n9\r\nNormal\r\ncourier new\r\n9\r\n"
                "Normal\r\nDirTree\r\nPlaintext\r\nNo Backup\r\nAll\r\nPagenumbers\r\nEmpty\r\n");
        w = std::make_unique<TForm1>(prompter, OpstartGegevens{.programmamap = programma + "/"});
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->Editor->setFocus();
    }
};

TEST_F(Venster, AClickOpensTheFileAndEscReturnsToTheTabFolder)
{
    QListWidget* lijst = w->Browser->FileListBox1;
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(0)).center());
    EXPECT_EQ(w->editor().Text(), U"E|--3--|\r\n");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.06 - lied.tab"));

    ASSERT_TRUE(w->Browser->ZetMap(tabs + "/rock"));
    QTest::keyClick(w->Editor, Qt::Key_Escape);
    EXPECT_EQ(w->Browser->Map(), QDir::cleanPath(tabs));
}

TEST_F(Venster, ARightClickOpensTheMenuForTheEntryUnderThePointerWithoutLoadingIt)
{
    Schrijf(tabs + "/ander.tab", "A|--5--|\r\n");
    w->Browser->Vernieuw();
    QListWidget* lijst = w->Browser->FileListBox1;
    ASSERT_EQ(lijst->item(1)->text(), QStringLiteral("lied.tab"));
    // Through the window, as the platform delivers it: the press and then
    // the context menu event.
    const QPoint punt = lijst->viewport()->mapTo(w.get(), lijst->visualItemRect(lijst->item(1)).center());
    QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, punt);
    EXPECT_EQ(w->editor().Text(), U"");
    EXPECT_TRUE(w->PopupMenu1->isVisible());
    // The menu's commands act on that entry.
    prompter.answers = {Answer::No};
    w->action(QStringLiteral("Bestandwissen1"))->trigger();
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, "lied.tab wissen ?");
    w->PopupMenu1->close();
}

TEST_F(Venster, CtrlWBuildsATabForATypedTuningAndItsStaffControlsStayInForce)
{
    prompter.dialogAnswers.push_back([](QDialog& d) {
        auto& wizard = static_cast<TTabwizard&>(d);
        d.show();
        wizard.Tuningbox->setCurrentText(QStringLiteral("CGCGCE"));
        wizard.m_maatsoortKnoppen->button(3)->click();
        wizard.Paginabox->click();
        wizard.Aantalregels->setValue(2);
        // Enter anywhere in the wizard is "Ok".
        QTest::keyClick(wizard.Titelbox, Qt::Key_Return);
        return d.result();
    });
    QTest::keyClick(w->Editor, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvane1.0 - naamloos.tab"));
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("CGCGCE"));
    EXPECT_EQ(w->Maatcombobox->currentIndex(), 2);
    EXPECT_EQ(w->editor().GetLine(9).substr(0, 2), U"C|");
    // The next empty staff is a 6/8 one for the same tuning: count line and six strings.
    const int regels = w->editor().LineCount();
    w->action(QStringLiteral("Legeregeltab1"))->trigger();
    EXPECT_EQ(w->editor().LineCount(), regels + 8);
}

TEST_F(Venster, OptionsSetTheTabFolderAtOnceAndTheRestAtTheNextStart)
{
    prompter.dialogAnswers.push_back([&](QDialog& d) {
        auto& opties = static_cast<TForm2&>(d);
        opties.Directory->setText(tabs + "/rock");
        opties.Backupbox->setChecked(true);
        opties.OKButton->click();
        return d.result();
    });
    w->action(QStringLiteral("Opties1"))->trigger();
    EXPECT_FALSE(w->instellingen.reservekopie);
    w->action(QStringLiteral("Startdirectory1"))->trigger();
    EXPECT_EQ(w->Browser->Map(), QDir::cleanPath(tabs + "/rock"));

    w.reset();
    TForm1 volgende(prompter, OpstartGegevens{.programmamap = programma + "/"});
    EXPECT_TRUE(volgende.instellingen.reservekopie);
    EXPECT_EQ(volgende.Browser->Map(), QDir::cleanPath(tabs + "/rock"));
}

} // namespace
} // namespace korvane
