// Start-up, shut-down and the rich-text switch on the real main window, with
// real settings files and documents in a temporary program folder.
#include "bestanden.h"
#include "common/scriptedprompter.h"
#include "files/bytenamen.h"
#include "files/documentfiles.h"
#include "files/wizard.h"
#include "files/filebrowser.h"
#include "files/options.h"
#include "files/usersettings.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
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
    // A document of `bytes` in the documents folder, by its path.
    QString Document(const char* naam, const QByteArray& bytes)
    {
        const QString pad = documenten.filePath(naam);
        Schrijf(pad, bytes);
        return pad;
    }
    // Plain text, opening the document `naam` of `bytes` from the command line.
    QString StartMet(const char* naam, const QByteArray& bytes, const char* opstartmodus = "Empty")
    {
        Opties("Plaintext", opstartmodus);
        const QString pad = Document(naam, bytes);
        Start({pad});
        return pad;
    }
    void Trigger(const char* id) { w->action(QString::fromLatin1(id))->trigger(); }
    QString Tekst() const { return w->Editor->toPlainText(); }
};

TEST_F(VensterTest, RestartRestoresGeometryAndTheLastFile)
{
    Opties("Plaintext", "Lastfile");
    const QString lied = Document("lied.tab", "E|---0---|\nB|---1---|\n");
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

// --- Encodings through the window's commands -----------------------------------

// Picks row `rij` in the encoding dialog, or cancels it for -1.
std::function<int(QDialog&)> KiesRij(int rij)
{
    return [rij](QDialog& d) {
        auto* lijst = d.findChild<QListWidget*>(QStringLiteral("Coderingen"));
        if (rij < 0 || !lijst)
            return int(QDialog::Rejected);
        lijst->setCurrentRow(rij);
        return int(QDialog::Accepted);
    };
}

struct CoderingRij {
    const char* naam;
    QByteArray bestand;
    const char* commando;
    int keuze;                      // row in the dialog: -1 cancels it
    bool bewerkt;                   // "x" typed at the start before the command
    std::vector<Answer> antwoorden;
    const char* paneelVoor;
    const char* tekst;              // UTF-8, the editor's text after the command
    const char* paneelNa;
    std::size_t meldingen;
    QByteArray naOpslaan;           // the file after a plain save
};

class CoderingCommandoTest : public VensterTest, public ::testing::WithParamInterface<CoderingRij> {};

TEST_P(CoderingCommandoTest, ReloadAndSaveWithAnEncodingDoWhatTheyOffer)
{
    const CoderingRij& r = GetParam();
    const QString pad = StartMet("lied.tab", r.bestand);
    EXPECT_EQ(w->statusPaneel(PaneelCodering)->text().toStdString(), r.paneelVoor);
    if (r.bewerkt)
        QTest::keyClicks(w->Editor, "x");
    prompter.dialogAnswers.push_back(KiesRij(r.keuze));
    prompter.answers.assign(r.antwoorden.begin(), r.antwoorden.end());
    Trigger(r.commando);
    EXPECT_EQ(prompter.dialogs, std::vector<QString>{QStringLiteral("CoderingKeuze")});
    EXPECT_EQ(prompter.questions.size(), r.antwoorden.size());
    EXPECT_EQ(Tekst().toStdString(), r.tekst);
    EXPECT_EQ(w->statusPaneel(PaneelCodering)->text().toStdString(), r.paneelNa);
    EXPECT_EQ(prompter.messages.size(), r.meldingen);
    Trigger("Save1");
    EXPECT_EQ(Lees(pad), r.naOpslaan.toStdString());
}

QByteArray B(const char* s, std::size_t n) { return QByteArray(s, static_cast<qsizetype>(n)); }

INSTANTIATE_TEST_SUITE_P(
    Commandos, CoderingCommandoTest,
    ::testing::Values(
        CoderingRij{"herlaad_als_1252", "caf\xC3\xA9\n", "Opnieuwladenmetcodering1", 1, false, {}, "UTF-8",
                    "caf\xC3\x83\xC2\xA9\n", "Windows-1252", 0, "caf\xC3\xA9\n"},
        CoderingRij{"herlaad_als_utf16_zonder_bom", B("a\0\xE9\0\r\0\n\0", 8), "Opnieuwladenmetcodering1", 2, false, {},
                    "Windows-1252", "a\xC3\xA9\n", "UTF-16 LE", 0, B("a\0\xE9\0\r\0\n\0", 8)},
        CoderingRij{"herlaad_kapotte_utf16_geweigerd", "abc", "Opnieuwladenmetcodering1", 2, false, {}, "UTF-8", "abc",
                    "UTF-8", 1, "abc"},
        CoderingRij{"herlaad_vraagt_eerst_bij_bewerking", "caf\xC3\xA9", "Opnieuwladenmetcodering1", 1, true,
                    {Answer::Cancel}, "UTF-8", "xcaf\xC3\xA9", "UTF-8", 0, "xcaf\xC3\xA9"},
        CoderingRij{"herlaad_geannuleerd", "caf\xC3\xA9", "Opnieuwladenmetcodering1", -1, false, {}, "UTF-8",
                    "caf\xC3\xA9", "UTF-8", 0, "caf\xC3\xA9"},
        CoderingRij{"opslaan_als_utf16be", "caf\xE9\r\n", "Opslaanmetcodering1", 3, false, {}, "Windows-1252",
                    "caf\xC3\xA9\n", "UTF-16 BE", 0, B("\xFE\xFF\0c\0a\0f\0\xE9\0\r\0\n", 14)},
        CoderingRij{"opslaan_als_utf8_bom", "caf\xE9", "Opslaanmetcodering1", 1, false, {}, "Windows-1252",
                    "caf\xC3\xA9", "UTF-8 met BOM", 0, "\xEF\xBB\xBF" "caf\xC3\xA9"},
        CoderingRij{"opslaan_als_1252_vraagt", "\xE2\x9C\x93", "Opslaanmetcodering1", 4, false, {Answer::Cancel},
                    "UTF-8", "\xE2\x9C\x93", "UTF-8", 0, "\xE2\x9C\x93"}),
    [](const ::testing::TestParamInfo<CoderingRij>& i) { return std::string(i.param.naam); });

// The encoding for new documents, chosen in the options dialog, reaches a new
// document's panel and its saved bytes.
TEST_F(VensterTest, OptionsDialogChoosesTheEncodingOfNewDocuments)
{
    Opties("Plaintext", "Empty");
    Start();
    EXPECT_EQ(w->statusPaneel(PaneelCodering)->text(), "UTF-8");
    prompter.dialogAnswers.push_back([](QDialog& d) {
        auto* box = d.findChild<QComboBox*>(QStringLiteral("Coderingbox"));
        if (!box)
            return int(QDialog::Rejected);
        box->setCurrentIndex(1);
        static_cast<TForm2&>(d).OKButtonClick();
        return d.result();
    });
    Trigger("Opties1");
    EXPECT_EQ(w->statusPaneel(PaneelCodering)->text(), "Windows-1252");
    QKeyEvent toets(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(w->Editor, &toets);
    const QString pad = documenten.filePath("nieuw.tab");
    prompter.fileNames.push_back(pad);
    Trigger("Save1");
    ZetNieuweCodering(Codering::Utf8);
    EXPECT_EQ(Lees(pad), "\xE9");
    Trigger("New1");
    EXPECT_EQ(w->statusPaneel(PaneelCodering)->text(), "UTF-8");
}

// The wizard's new document leaves the encoding of the file before it.
TEST_F(VensterTest, WizardsNewDocumentHasTheEncodingForNewDocuments)
{
    StartMet("lied.tab", "caf\xE9");
    EXPECT_EQ(w->statusPaneel(PaneelCodering)->text(), "Windows-1252");
    prompter.dialogAnswers.push_back([](QDialog& d) {
        static_cast<TTabwizard&>(d).Okbutton->click();
        return d.result();
    });
    QTest::keyClick(w->Editor, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(w->statusPaneel(PaneelCodering)->text(), "UTF-8");
}

// A UTF-8 song sheet shows its curly quotes and accents: the window draws
// exactly what it draws for the right characters, and not what it draws for
// the bytes read one by one.
TEST_F(VensterTest, Utf8SongSheetShowsItsOwnCharacters)
{
    // The source is UTF-8, and so are these literals.
    const QByteArray bytes = "“Déjà vu” – Françoise\r\nMañana, ‘über’\r\n";
    StartMet("lied.txt", bytes);
    w->show();
    w->Editor->setCursorWidth(0);
    auto beeld = [&] {
        QApplication::processEvents();
        return w->Editor->viewport()->grab().toImage();
    };
    const QImage geopend = beeld();
    w->Editor->setPlainText(QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(geopend == beeld());
    w->Editor->setPlainText(QString::fromLatin1(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_FALSE(geopend == beeld());
}

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
    const QString pad = Document("lied.rtf", "{\\rtf1 {\\b vet}\\par regel\\par}\r\n");
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
    StartMet("lied.tab", "E|---0---|\r\n");
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
    const QString ander = Document("ander.tab", "B|---1---|\r\n");
    const QString lied = StartMet("lied.tab", "E|---0---|\r\n");
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
class OpstartWizardTest : public VensterTest, public ::testing::WithParamInterface<bool> {};

TEST_P(OpstartWizardTest, ShowsTheWizardOnlyWithoutAFileOnTheCommandLine)
{
    const bool metBestand = GetParam();
    Opties("Plaintext", "Wizard");
    const QString lied = Document("lied.tab", "E|---0---|\r\n");
    Start(metBestand ? QStringList{lied} : QStringList{});
    w->show();
    QTest::qWait(50);
    EXPECT_EQ(prompter.dialogs.size(), metBestand ? 0u : 1u);
    EXPECT_EQ(Tekst(), metBestand ? "E|---0---|\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Opstart, OpstartWizardTest, ::testing::Bool(),
                         [](const auto& i) { return i.param ? "MetBestand" : "ZonderBestand"; });

} // namespace
} // namespace korvane
