// Start-up, shut-down and the rich-text switch on the real main window, with
// real settings files and documents in a temporary program folder.
#include "bestanden.h"
#include "common/scriptedprompter.h"
#include "files/bytenamen.h"
#include "files/documentfiles.h"
#include "files/wizard.h"
#include "files/filebrowser.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

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
    w->resize(700, 550);
    QTest::keyClicks(w->Editor, "x");
    prompter.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(w->close());   // the question cancelled: the window stays
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(Lees(Map("kvn.cfg")).starts_with("700\r\n550\r\n"));
    EXPECT_TRUE(Lees(Map("kvn.cfg")).ends_with("\r\n" + lied.toStdString() + "\r\n"));

    Start();
    EXPECT_EQ(w->size(), QSize(700, 550));
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

// A "kvn.cfg" with sizes beyond any screen.
class ReuzenmaatTest : public VensterTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReuzenmaatTest, SizesStayWithinTheScreenWhenReadAndWhenWrittenBack)
{
    Schrijf(Map("kvn.cfg"), GetParam());
    Start();
    const QSize scherm = w->screen()->availableGeometry().size();
    EXPECT_LE(w->width(), scherm.width());
    EXPECT_LE(w->height(), scherm.height());
    ASSERT_TRUE(w->close());
    const QList<QByteArray> regels = QByteArray::fromStdString(Lees(Map("kvn.cfg"))).split('\n');
    ASSERT_GE(regels.size(), 4);
    const int grens[4] = {scherm.width(), scherm.height(), scherm.width(), scherm.height()};
    for (int i = 0; i < 4; ++i)
        EXPECT_LE(regels[i].trimmed().toLongLong(), grens[i]) << "regel " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Gevallen, ReuzenmaatTest,
                         ::testing::Values("999999999\r\n999999999\r\n999999999\r\n999999999\r\n\r\n",
                                           "700\r\n500\r\n999999999\r\n999999999\r\n\r\n",
                                           "100000\r\n500\r\n235\r\n313\r\n\r\n"));

// An "Opties.txt" the program cannot use; the window comes up without a box.
struct OptiesSchade { const char* naam; QByteArray bytes; };
class OptiesSchadeTest : public VensterTest, public ::testing::WithParamInterface<OptiesSchade> {};

QByteArray Ruis(int n)
{
    QByteArray b(n, Qt::Uninitialized);
    quint32 x = 12345;
    for (char& c : b)
        c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    return b;
}

TEST_P(OptiesSchadeTest, FallsBackQuietlyWithAtMostOneStatusLine)
{
    Schrijf(Map("Opties.txt"), GetParam().bytes);
    Start();
    EXPECT_EQ(prompter.messages.size(), 0u) << prompter.messages.front().substr(0, 60);
    const QString regel = w->statusBar()->currentMessage();
    EXPECT_FALSE(regel.contains(u'\n') || regel.contains(QChar(0))) << regel.toStdString();
    EXPECT_LT(regel.size(), 200);
    for (const QString& naam : {w->instellingen.tabmap, w->instellingen.editorfont, w->instellingen.printerfont})
        EXPECT_FALSE(naam.contains(QChar(0)) || naam.size() > 4096) << naam.size();
    EXPECT_LE(w->Editor->font().pointSize(), 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, OptiesSchadeTest,
    ::testing::Values(OptiesSchade{"nullen", QByteArray(100000, '\0')},
                      OptiesSchade{"binair", Ruis(20000)},
                      OptiesSchade{"reuzenlettertype", "\r\n\r\ncourier new\r\n999999999\r\nBold\r\n"},
                      OptiesSchade{"map_bestaat_niet", "/bestaat/niet\r\n\r\ncourier new\r\n9\r\nNormal\r\n"
                                                      "courier new\r\n9\r\nNormal\r\nDirTree\r\nPlaintext\r\n"
                                                      "No Backup\r\nFixed\r\nPagenumbers\r\nEmpty\r\n"}),
    [](const ::testing::TestParamInfo<OptiesSchade>& i) { return std::string(i.param.naam); });

// A file whose name is not valid UTF-8, named on the command line: it opens,
// saves in place, is the last file at the next start and is listed.
TEST_F(VensterTest, AFileNameThatIsNoTextOpensAndSavesInPlace)
{
    Opties("Plaintext", "Lastfile");
    const QByteArray pad = QFile::encodeName(documenten.path()) + "/bad\xffname.tab";
    {
        const int fd = ::open(pad.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "E|---|\r\n", 8), 8);
        ::close(fd);
    }
    const char* argv[] = {"korvane", pad.constData()};
    Start(ParametersUitArgv(2, argv));
    EXPECT_EQ(Tekst(), "E|---|\n");
    QTest::keyClicks(w->Editor, "x");
    Trigger("Save1");
    EXPECT_EQ(prompter.messages, std::vector<std::string>{});
    const auto inhoud = LeesGewoonBestand(NaamUitBytes(pad));
    EXPECT_EQ(inhoud.value_or("<geen>").toStdString(), "xE|---|\r\n");
    // No second file beside it.
    EXPECT_EQ(GewoneBestanden(documenten.path(), {QString()}), QStringList{NaamUitBytes("bad\xffname.tab")});
    ASSERT_TRUE(w->close());

    Start();
    EXPECT_EQ(BytesVanNaam(w->bestandsnaam), pad);
    EXPECT_EQ(Tekst(), "xE|---|\n");
    // The rich-text switch reads the file again.
    ASSERT_TRUE(SchrijfViaBytes(NaamUitBytes(pad), "B|---|\r\n"));
    Trigger("Richtext1");
    EXPECT_EQ(Tekst(), "B|---|\n");
    ASSERT_TRUE(w->Browser->ZetMap(documenten.path()));
    EXPECT_EQ(BrowserBestanden(documenten.path()), QStringList{NaamUitBytes("bad\xffname.tab")});
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
