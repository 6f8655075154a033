// Start-up, shut-down and the rich-text switch on the real main window, with
// real settings files and documents in a temporary program folder.
#include "bestanden.h"
#include "common/scriptedprompter.h"
#include "files/documentfiles.h"
#include "files/wizard.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace korvane {
namespace {

using namespace test;

class VensterTest : public ::testing::Test {
public:
    QTemporaryDir programma;
    QTemporaryDir documenten;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;

    QString programmamap = programma.path() + u'/';

    QString Map(const char* naam) const { return programmamap + naam; }
    void Opties(const char* tekstsoort, const char* opstartmodus)
    {
        Schrijf(Map("Opties.txt"), QByteArray("\r\n\r\ncourier new\r\n9\r\nNormal\r\ncourier new\r\n9\r\nNormal\r\n"
                                              "DirTree\r\n") + tekstsoort + "\r\nNo Backup\r\nFixed\r\nPagenumbers\r\n"
                                       + opstartmodus + "\r\n");
    }
    void Start(const QStringList& p = {}) { w = std::make_unique<TForm1>(prompter, OpstartGegevens{p, programmamap}); }
    void Trigger(const char* id) { w->action(QString::fromLatin1(id))->trigger(); }
    QString Tekst() const { return w->Editor->toPlainText(); }
};

TEST_F(VensterTest, RestartRestoresGeometryAndTheLastFile)
{
    Opties("Plaintext", "Lastfile");
    const QString lied = documenten.filePath("lied.tab");
    Schrijf(lied, "E|---0---|\nB|---1---|\n");
    Start();
    prompter.fileNames.push_back(lied);
    Trigger("Open1");
    w->resize(900, 650);
    QTest::keyClicks(w->Editor, "x");
    prompter.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(w->close());   // the question cancelled: the window stays
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(Lees(Map("kvn.cfg")).starts_with("900\r\n650\r\n"));
    EXPECT_TRUE(Lees(Map("kvn.cfg")).ends_with("\r\n" + lied.toStdString() + "\r\n"));

    Start();
    EXPECT_EQ(w->size(), QSize(900, 650));
    EXPECT_EQ(w->bestandsnaam, lied);
    EXPECT_EQ(w->windowTitle(), "Korvane1.06 - lied.tab");
    EXPECT_EQ(Tekst(), "E|---0---|\nB|---1---|\n");
    EXPECT_FALSE(w->editor().Modified());

    // The last file gone: the next start is untitled, and says so at the end.
    ASSERT_TRUE(w->close());
    ASSERT_TRUE(QFile::remove(lied));
    Start();
    EXPECT_EQ(w->bestandsnaam, naamloos);
    EXPECT_EQ(Tekst(), "");
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(Lees(Map("kvn.cfg")).ends_with("\r\nnaamloos.tab\r\n"));
}

TEST_F(VensterTest, RichTextToggleReloadsTheFileInTheNewMode)
{
    // At start-up a file is read as text, even in rich-text mode.
    Opties("Richtext", "Empty");
    const QString pad = documenten.filePath("lied.rtf");
    Schrijf(pad, "{\\rtf1 {\\b vet}\\par regel\\par}\r\n");
    Start({pad});
    EXPECT_EQ(Tekst(), "{\\rtf1 {\\b vet}\\par regel\\par}\n");
    Trigger("Richtext1");
    EXPECT_FALSE(w->instellingen.richtext);
    Trigger("Richtext1");
    EXPECT_EQ(w->statusPaneel(PaneelTekstsoort)->text(), "Rich text");
    EXPECT_TRUE(Tekst().startsWith("vet\nregel"));
    Trigger("Richtext1");
    EXPECT_EQ(w->statusPaneel(PaneelTekstsoort)->text(), "Ascii text");
    // Back in plain text the source is shown, and saved byte for byte.
    Trigger("Save1");
    EXPECT_EQ(Lees(pad), "{\\rtf1 {\\b vet}\\par regel\\par}\r\n");
}

// Without a media folder in the options the media dialog opens beside the
// document, not wherever Qt's dialogs were last.
TEST_F(VensterTest, MediaDialogWithoutAMediaFolderOpensInTheDocumentsFolder)
{
    Opties("Plaintext", "Empty");
    const QString lied = documenten.filePath("lied.tab");
    Schrijf(lied, "E|---0---|\r\n");
    Start({lied});
    prompter.fileNames = {QString()};
    Trigger("Mediabestandopenen1");
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].directory, documenten.path());
}

// Every command that replaces the document's text asks the save-changes
// question first; "Annuleren" keeps the text, its name and its mark.
struct Vervanging {
    const char* naam;
    std::function<void(VensterTest&)> doe;
};

class VervangTest : public VensterTest, public ::testing::WithParamInterface<Vervanging> {};

TEST_P(VervangTest, AsksBeforeTheEditsAreReplacedAndAnnulerenKeepsThem)
{
    Opties("Plaintext", "Empty");
    const QString lied = documenten.filePath("lied.tab");
    const QString ander = documenten.filePath("ander.tab");
    Schrijf(lied, "E|---0---|\r\n");
    Schrijf(ander, "B|---1---|\r\n");
    Start({lied});
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->Editor->setFocus();
    QTest::keyClicks(w->Editor, "x");

    prompter.answers = {Answer::Cancel};
    GetParam().doe(*this);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, "Veranderingen in lied.tab opslaan ?");
    EXPECT_EQ(Tekst(), "xE|---0---|\n");
    EXPECT_EQ(w->bestandsnaam, lied);
    EXPECT_TRUE(w->editor().Modified());
    EXPECT_FALSE(w->instellingen.richtext);

    // "Nee": the edits go, the command goes on.
    prompter.answers = {Answer::No};
    prompter.fileNames = {ander};
    GetParam().doe(*this);
    EXPECT_NE(Tekst(), "xE|---0---|\n");
    EXPECT_EQ(prompter.answers.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Commandos, VervangTest,
    ::testing::Values(
        Vervanging{"CtrlN", [](VensterTest& t) { QTest::keyClick(t.w->Editor, Qt::Key_N, Qt::ControlModifier); }},
        Vervanging{"CtrlO", [](VensterTest& t) { QTest::keyClick(t.w->Editor, Qt::Key_O, Qt::ControlModifier); }},
        Vervanging{"RichText", [](VensterTest& t) { t.Trigger("Richtext1"); }},
        Vervanging{"Bestandslijst", [](VensterTest& t) { t.w->FileListBox1Click(t.documenten.filePath("ander.tab")); }},
        Vervanging{"WizardOk", [](VensterTest& t) {
            t.prompter.dialogAnswers.push_back([](QDialog& d) {
                static_cast<TTabwizard&>(d).Okbutton->click();
                return d.result();
            });
            QTest::keyClick(t.w->Editor, Qt::Key_W, Qt::ControlModifier);
        }}),
    [](const auto& i) { return std::string(i.param.naam); });

// Mended: with "Wizard" at start-up the wizard stood over a file named on the
// command line.
struct OpstartGeval {
    const char* naam;
    bool metBestand;
};

class OpstartWizardTest : public VensterTest, public ::testing::WithParamInterface<OpstartGeval> {};

TEST_P(OpstartWizardTest, ShowsTheWizardOnlyWithoutAFileOnTheCommandLine)
{
    Opties("Plaintext", "Wizard");
    const QString lied = documenten.filePath("lied.tab");
    Schrijf(lied, "E|---0---|\r\n");
    Start(GetParam().metBestand ? QStringList{lied} : QStringList{});
    w->show();
    QTest::qWait(50);
    EXPECT_EQ(prompter.dialogs.size(), GetParam().metBestand ? 0u : 1u);
    EXPECT_EQ(Tekst(), GetParam().metBestand ? "E|---0---|\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Opstart, OpstartWizardTest,
                         ::testing::Values(OpstartGeval{"MetBestand", true}, OpstartGeval{"ZonderBestand", false}),
                         [](const auto& i) { return std::string(i.param.naam); });

} // namespace
} // namespace korvane
