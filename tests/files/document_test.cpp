// Documents on real files in a temporary directory: byte-exact round trips,
// line breaks of new documents, characters a plain-text file cannot hold,
// backups, save failures, the save-changes question, rich text.
#include "files/documentfiles.h"
#include "files/usersettings.h"
#include "bestanden.h"
#include "common/scriptedprompter.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace korvane {
namespace {

using namespace test;

// Root ignores file permissions. While one of these lives, the test thread
// runs without that power, so permission failures happen as for any user.
struct ZonderRootRechten {
    __user_cap_header_struct kop{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct oud[2] = {};
    bool ok = geteuid() != 0, gezet = false;
    ZonderRootRechten()
    {
        if (ok || syscall(SYS_capget, &kop, oud) != 0)
            return;
        __user_cap_data_struct nieuw[2] = {oud[0], oud[1]};
        nieuw[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ok = gezet = syscall(SYS_capset, &kop, nieuw) == 0;
    }
    ~ZonderRootRechten() { if (gezet) syscall(SYS_capset, &kop, oud); }
};

class DocumentTest : public ::testing::Test {
protected:
    QTemporaryDir map;
    QPlainTextEdit editor;
    ScriptedPrompter prompter;
    Instellingen instellingen;
    QString bestandsnaam = naamloos;
    bool omgezet = false;
    DocumentFiles files{editor, prompter, instellingen, {bestandsnaam, omgezet}};

    QString Pad(const char* naam) const { return map.filePath(QString::fromUtf8(naam)); }
    // Writes the file and opens it through the open command.
    QString Open(const char* naam, const QByteArray& bytes)
    {
        const QString pad = Pad(naam);
        Schrijf(pad, bytes);
        prompter.fileNames.push_back(pad);
        files.Open1Click();
        return pad;
    }
    // Typed key by key, "\n" as the Return key; text beyond ASCII arrives as
    // a paste would.
    void Typ(const QString& tekst)
    {
        if (std::any_of(tekst.begin(), tekst.end(), [](QChar c) { return c.unicode() >= 0x80; }))
            return editor.insertPlainText(tekst);
        for (QChar c : tekst)
            c == u'\n' ? QTest::keyClick(&editor, Qt::Key_Return) : QTest::keyClick(&editor, c.toLatin1());
    }
    void Vervang(const QString& tekst) { editor.selectAll(); Typ(tekst); }
    bool Veranderd() const { return editor.document()->isModified(); }
    std::string Bytes() const { return PlatteTekstBytes(*editor.document()).bytes.toStdString(); }
};

// --- Byte-exact round trips --------------------------------------------------

struct Corpus {
    const char* naam;
    QByteArray bytes;
    Codering codering = Codering::Utf8;   // pure ASCII takes the default for new documents
};

QByteArray ElkeByte(const QByteArray& naElke)
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b += static_cast<char>(i) + naElke;
    return b;
}

class RondgangTest : public DocumentTest, public ::testing::WithParamInterface<Corpus> {};

TEST_P(RondgangTest, OpenAndSaveThroughTheEditorLeavesTheFileByteIdentical)
{
    const QString pad = Open("lied.tab", GetParam().bytes);
    EXPECT_FALSE(Veranderd());
    EXPECT_EQ(CoderingNaam(DocumentCodering(*editor.document())), CoderingNaam(GetParam().codering));
    EXPECT_TRUE(files.Save1Click());   // a failed open would ask for a name here, and fail
    EXPECT_EQ(Lees(pad), GetParam().bytes.toStdString());
}

QByteArray B(const char* s, std::size_t n) { return QByteArray(s, static_cast<qsizetype>(n)); }

INSTANTIATE_TEST_SUITE_P(
    Corpus, RondgangTest,
    ::testing::Values(Corpus{"crlf", "E|---0---|\r\nB|---1---|\r\n"}, Corpus{"lf", "E|---0---|\nB|---1---|\n"},
                      Corpus{"losse_cr", "een\rtwee\r"}, Corpus{"gemengd", "a\r\nb\nc\rd\r\n\n\r\r\nx\r\r\ny"},
                      Corpus{"zonder_slotregeleinde", "a\r\nb"}, Corpus{"leeg", ""},
                      Corpus{"nul_bytes", QByteArray("a\0b\0\r\n\0", 8)},
                      Corpus{"alle_bytes", ElkeByte(""), Codering::Windows1252},
                      Corpus{"elke_byte_een_regel", ElkeByte("x\r\n"), Codering::Windows1252},
                      Corpus{"utf8", "Caf\xC3\xA9\r\n\xE2\x80\x9Cja\xE2\x80\x9D\n\xF0\x9F\x8E\xB8\r"},
                      Corpus{"utf8_bom", "\xEF\xBB\xBFx\xC3\xA9\ny\r\n", Codering::Utf8Bom},
                      Corpus{"utf8_bom_ascii", "\xEF\xBB\xBF" "abc\r", Codering::Utf8Bom},
                      Corpus{"utf8_bom_kapot", "\xEF\xBB\xBF\xC3(", Codering::Windows1252},
                      Corpus{"utf8_overlang", "\xC0\xAF\xE0\x80\xAF", Codering::Windows1252},
                      Corpus{"utf16le", B("\xFF\xFE" "a\0\r\0\n\0\xE9\0\r\0=\xD8\xB8\xDF\n\0", 18), Codering::Utf16LE},
                      Corpus{"utf16be", B("\xFE\xFF\0a\0\n\0\r\0\r\0\n\x27\x13", 14), Codering::Utf16BE},
                      Corpus{"utf16_oneven", B("\xFF\xFE" "a\0b", 5), Codering::Windows1252},
                      Corpus{"utf16_losse_surrogaat", B("\xFF\xFE\0\xD8" "a\0", 6), Codering::Windows1252}),
    [](const ::testing::TestParamInfo<Corpus>& i) { return std::string(i.param.naam); });

// --- Line breaks in new text --------------------------------------------------

TEST_F(DocumentTest, NewOrEmptiedDocumentUsesCrLf)
{
    Open("lied.tab", "a\nb\n");
    Typ("x");
    omgezet = true;
    files.New1Click();   // no question, whatever the changes
    EXPECT_EQ(bestandsnaam, naamloos);
    EXPECT_FALSE(omgezet);
    EXPECT_FALSE(Veranderd());
    Typ("x\ny");
    EXPECT_EQ(Bytes(), "x\r\ny");

    LaadPlatteTekst(editor, "a\nb\n");
    editor.selectAll();
    QTest::keyClick(&editor, Qt::Key_Delete);
    editor.insertPlainText("x\ny");
    EXPECT_EQ(Bytes(), "x\r\ny");
}

// --- Characters Windows-1252 cannot hold ---------------------------------------

// Sets the encoding for new documents for one test.
struct NieuweCoderingVoorTest {
    explicit NieuweCoderingVoorTest(Codering c) { ZetNieuweCodering(c); }
    ~NieuweCoderingVoorTest() { ZetNieuweCodering(Codering::Utf8); }
};

// One character typed as the keyboard delivers it.
void TypTeken(QPlainTextEdit& editor, const QString& teken)
{
    QKeyEvent in(QEvent::KeyPress, 0, Qt::NoModifier, teken);
    QApplication::sendEvent(&editor, &in);
    QKeyEvent uit(QEvent::KeyRelease, 0, Qt::NoModifier, teken);
    QApplication::sendEvent(&editor, &uit);
}

struct TypRij {
    const char* naam;
    Codering nieuw;         // the encoding for new documents
    QByteArray bestand;     // empty: a new document
    const char* teken;      // UTF-8, typed at the end
    std::vector<Answer> antwoorden;
    bool opgeslagen;
    QByteArray verwacht;    // the file afterwards
    Codering codering;      // the document's encoding afterwards
};

class TypEnSlaOpTest : public DocumentTest, public ::testing::WithParamInterface<TypRij> {};

TEST_P(TypEnSlaOpTest, TypedCharacterIsSavedInTheDocumentsEncodingOrAsTheAnswerSays)
{
    const TypRij& r = GetParam();
    NieuweCoderingVoorTest nieuw(r.nieuw);
    QString pad = Pad("lied.tab");
    if (r.bestand.isEmpty()) {
        files.New1Click();
        prompter.fileNames.push_back(pad);
    } else {
        Open("lied.tab", r.bestand);
    }
    editor.moveCursor(QTextCursor::End);
    TypTeken(editor, QString::fromUtf8(r.teken));
    prompter.answers.assign(r.antwoorden.begin(), r.antwoorden.end());
    EXPECT_EQ(files.Save1Click(), r.opgeslagen);
    EXPECT_EQ(prompter.questions.size(), r.antwoorden.size());
    if (!r.antwoorden.empty() && !prompter.questions.empty()) {
        const std::string& vraag = prompter.questions[0].text;
        EXPECT_NE(vraag.find(r.teken), std::string::npos) << vraag;
        EXPECT_NE(vraag.find("Windows-1252"), std::string::npos) << vraag;
    }
    EXPECT_EQ(Lees(pad), r.verwacht.toStdString());
    EXPECT_EQ(Veranderd(), !r.opgeslagen);
    EXPECT_EQ(CoderingNaam(DocumentCodering(*editor.document())), CoderingNaam(r.codering));
}

INSTANTIATE_TEST_SUITE_P(
    Tekens, TypEnSlaOpTest,
    ::testing::Values(
        TypRij{"utf8_bestand", Codering::Windows1252, "x\xC3\xA9", "\xC3\xA9", {}, true, "x\xC3\xA9\xC3\xA9", Codering::Utf8},
        TypRij{"ascii_standaard", Codering::Utf8, "abc", "\xC3\xA9", {}, true, "abc\xC3\xA9", Codering::Utf8},
        TypRij{"ascii_instelling_1252", Codering::Windows1252, "abc", "\xC3\xA9", {}, true, "abc\xE9", Codering::Windows1252},
        TypRij{"nieuw_instelling_1252", Codering::Windows1252, "", "\xC3\xA9", {}, true, "\xE9", Codering::Windows1252},
        TypRij{"utf16le_bestand", Codering::Utf8, B("\xFF\xFEx\0", 4), "\xE2\x9C\x93", {}, true,
               B("\xFF\xFEx\0\x13\x27", 6), Codering::Utf16LE},
        TypRij{"vinkje_ja_wordt_utf8", Codering::Utf8, "caf\xE9", "\xE2\x9C\x93", {Answer::Yes}, true,
               "caf\xC3\xA9\xE2\x9C\x93", Codering::Utf8},
        TypRij{"vinkje_nee_vraagteken", Codering::Utf8, "caf\xE9", "\xE2\x9C\x93", {Answer::No}, true, "caf\xE9?",
               Codering::Windows1252},
        TypRij{"vinkje_annuleren", Codering::Utf8, "caf\xE9", "\xE2\x9C\x93", {Answer::Cancel}, false, "caf\xE9",
               Codering::Windows1252},
        TypRij{"buiten_basisvlak_een_vraagteken", Codering::Utf8, "caf\xE9", "\xF0\x9F\x8E\xB8", {Answer::No}, true,
               "caf\xE9?", Codering::Windows1252}),
    [](const ::testing::TestParamInfo<TypRij>& i) { return std::string(i.param.naam); });

// --- Backups -------------------------------------------------------------------

TEST(DocumentNamen, BackupInsertsTildeInTheExtension)
{
    const std::pair<const char*, const char*> namen[] = {
        {"/tabs/lied.tab", "/tabs/lied.~tab"}, {"lied.tab.txt", "lied.tab.~txt"}, {"/tabs/lied", "/tabs/lied~"},
        {"/my.tabs/lied", "/my.tabs/lied~"},   {"/tabs/lied.", "/tabs/lied.~"}};
    for (const auto& [bestand, backup] : namen)
        EXPECT_EQ(BackupNaam(QString::fromUtf8(bestand)).toStdString(), backup);
}

TEST_F(DocumentTest, UntitledSaveTakesTheNameAndLaterSavesKeepOnePreviousVersion)
{
    instellingen.reservekopie = true;
    Typ("versie 1");
    prompter.fileNames = {QString(), Pad("lied.tab")};
    EXPECT_FALSE(files.Save1Click());   // cancelled: nothing changes
    EXPECT_EQ(bestandsnaam, naamloos);
    ASSERT_TRUE(files.Save1Click());   // nothing to back up yet: the file is just created
    EXPECT_EQ(bestandsnaam, Pad("lied.tab"));
    EXPECT_FALSE(QFileInfo::exists(Pad("lied.~tab")));
    for (const char* versie : {"versie 2", "versie 3"}) {
        const std::string vorige = Lees(Pad("lied.tab"));
        Vervang(versie);
        ASSERT_TRUE(files.Save1Click());
        EXPECT_EQ(Lees(Pad("lied.tab")), versie);
        EXPECT_EQ(Lees(Pad("lied.~tab")), vorige);
    }
}

// --- Save failures --------------------------------------------------------------

enum class Fout { AlleenLezenMap, AlleenLezenBestand, MapInDeWeg, VolApparaat, Pijp };
// The message names the file and says in Dutch what went wrong.
struct FoutGeval { const char* naam; Fout fout; const char* meldingBegin; const char* meldingEind; };

class SaveFoutTest : public DocumentTest, public ::testing::WithParamInterface<FoutGeval> {};

TEST_P(SaveFoutTest, FailedSaveKeepsOldFileAndModifiedDocument)
{
    const Fout fout = GetParam().fout;
    instellingen.reservekopie = fout != Fout::VolApparaat;
    const QString doelmap = Pad("tabs");
    ASSERT_TRUE(QDir().mkpath(doelmap));
    QString pad = Pad("tabs/lied.tab");
    // A save that waits for a reader of the pipe gets one after a while, so
    // that the failure shows instead of a hanging test.
    std::thread lezer;
    std::atomic<bool> klaar = false;
    if (fout == Fout::VolApparaat) {
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), pad));
        bestandsnaam = pad;
    } else if (fout == Fout::Pijp) {
        ASSERT_EQ(mkfifo(QFile::encodeName(pad).constData(), 0644), 0);
        bestandsnaam = pad;
        lezer = std::thread([&klaar, naam = QFile::encodeName(pad)] {
            for (int i = 0; i < 50 && !klaar; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (klaar)
                return;
            const int fd = ::open(naam.constData(), O_RDONLY);
            char buffer[4096];
            while (fd >= 0 && ::read(fd, buffer, sizeof buffer) > 0) {
            }
            ::close(fd);
        });
    } else {
        Open("tabs/lied.tab", "oude inhoud\r\n");
    }
    Vervang("nieuwe inhoud");
    if (fout == Fout::MapInDeWeg) {   // the untitled document saved under a directory's name
        files.New1Click();
        Typ("nieuw");
        prompter.fileNames.push_back(pad = doelmap);
    }

    ZonderRootRechten rechten;
    ASSERT_TRUE(rechten.ok);
    if (fout == Fout::AlleenLezenMap)
        QFile::setPermissions(doelmap, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (fout == Fout::AlleenLezenBestand)
        QFile::setPermissions(pad, QFileDevice::ReadOwner);
    const bool opgeslagen = files.Save1Click();
    klaar = true;
    if (lezer.joinable())
        lezer.join();
    QFile::setPermissions(doelmap, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_FALSE(opgeslagen);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], GetParam().meldingBegin + pad.toStdString() + GetParam().meldingEind);
    EXPECT_TRUE(Veranderd());
    if (fout == Fout::MapInDeWeg) {
        EXPECT_EQ(bestandsnaam, naamloos);
        EXPECT_TRUE(QFileInfo(pad).isDir());
    } else if (fout == Fout::Pijp) {
        EXPECT_FALSE(QFileInfo(pad).isFile());
        EXPECT_TRUE(QFileInfo(pad).exists());
    } else if (fout != Fout::VolApparaat) {
        EXPECT_EQ(Lees(pad), "oude inhoud\r\n");
        EXPECT_EQ(bestandsnaam, pad);
    }
    // Nothing half-written is left behind in the folder.
    for (const QString& n : QDir(doelmap).entryList(QDir::Files | QDir::Hidden | QDir::System))
        EXPECT_TRUE(n == "lied.tab" || n == "lied.~tab") << n.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, SaveFoutTest,
    ::testing::Values(FoutGeval{"alleen_lezen_map", Fout::AlleenLezenMap, "Kan bestand ", " niet aanmaken"},
                      FoutGeval{"alleen_lezen_bestand", Fout::AlleenLezenBestand, "Kan bestand ", " niet aanmaken"},
                      FoutGeval{"map_in_de_weg", Fout::MapInDeWeg, "Kan bestand ", " niet aanmaken"},
                      FoutGeval{"vol_apparaat", Fout::VolApparaat, "", " is geen gewoon bestand; er is niets opgeslagen."},
                      FoutGeval{"pijp", Fout::Pijp, "", " is geen gewoon bestand; er is niets opgeslagen."}),
    [](const ::testing::TestParamInfo<FoutGeval>& i) { return std::string(i.param.naam); });

TEST_F(DocumentTest, SaveKeepsPermissionsAndWritesThroughASymbolicLink)
{
    const QString doel = Pad("echt.tab");
    ASSERT_TRUE(QFile::link(doel, Pad("link.tab")));
    Open("link.tab", "oud");
    const auto rechten = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(doel, rechten);
    Vervang("nieuw");
    ASSERT_TRUE(files.Save1Click());
    EXPECT_TRUE(QFileInfo(Pad("link.tab")).isSymLink());
    EXPECT_EQ(Lees(doel), "nieuw");
    EXPECT_EQ(QFile::permissions(doel) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), rechten);
}

// --- The save-changes question ---------------------------------------------------

TEST_F(DocumentTest, ConvertedDocumentIsOfferedTheKvnName)
{
    Open("lied.tab", "E|---|");
    Schrijf(Pad("lied.kvn"), "ander lied");
    omgezet = true;
    // An existing .kvn file is replaced only after a second Ja.
    prompter.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::Yes};
    EXPECT_FALSE(files.Save1Click());
    EXPECT_EQ(Lees(Pad("lied.kvn")), "ander lied");
    EXPECT_EQ(bestandsnaam, Pad("lied.tab"));
    ASSERT_TRUE(files.Save1Click());
    ASSERT_EQ(prompter.questions.size(), 4u);
    EXPECT_EQ(prompter.questions[0].text, "De tablijnen in lied.tab zijn aangepast,         \r\n"
                                          "normaal bewerken is niet meer mogelijk,\r\n"
                                          "bestand opslaan als Korvane (.kvn) bestand ?");
    EXPECT_EQ(prompter.questions[1].text, Pad("lied.kvn").toStdString() + " bestaat al.\r\nWilt u het vervangen?");
    EXPECT_EQ(bestandsnaam, Pad("lied.kvn"));
    EXPECT_EQ(Lees(Pad("lied.kvn")), "E|---|");
    EXPECT_EQ(Lees(Pad("lied.tab")), "E|---|");
}

// Mended: the document used to be cleared and renamed before the read
// failed, so a later Save wrote an empty file over the unreadable one.
TEST_F(DocumentTest, FileThatCannotBeReadLeavesTheDocumentAsItWas)
{
    const QString pad = Open("lied.tab", "inhoud");
    const QString onleesbaar = Pad("geheim.tab");
    Schrijf(onleesbaar, "geheim");
    QFile::setPermissions(onleesbaar, QFileDevice::WriteOwner);
    {
        ZonderRootRechten rechten;
        ASSERT_TRUE(rechten.ok);
        prompter.fileNames.push_back(onleesbaar);
        files.Open1Click();
    }
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Kan bestand " + onleesbaar.toStdString() + " niet openen");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud"));
    EXPECT_EQ(bestandsnaam, pad);
}

TEST_F(DocumentTest, EditsAfterTheLineConversionAreNotThrownAwaySilently)
{
    Open("lied.tab", "E|---|");
    // The conversion leaves the document unmodified: no question then.
    omgezet = true;
    EXPECT_TRUE(files.VraagOpslaan());
    Typ("x");
    prompter.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(files.FormCloseQuery());
    EXPECT_TRUE(files.FormCloseQuery());
    ASSERT_EQ(prompter.questions.size(), 2u);
    EXPECT_EQ(prompter.questions[0].text, "Veranderingen in lied.tab opslaan ?");
}

TEST_F(DocumentTest, YesFollowedByACancelledOrFailedSaveKeepsTheDocumentAndStopsTheCaller)
{
    const QString pad = Open("lied.tab", "oud");
    Typ("x");
    prompter.answers = {Answer::Yes};
    prompter.fileNames = {QString()};   // the save dialog cancelled; no open dialog may follow
    files.Open1Click();
    EXPECT_EQ(editor.toPlainText(), "xoud");
    EXPECT_EQ(bestandsnaam, pad);

    prompter.answers = {Answer::Yes, Answer::Yes};   // save, and replace what is there
    prompter.fileNames = {map.path()};               // a folder: the save fails
    EXPECT_FALSE(files.FormCloseQuery());
    EXPECT_TRUE(Veranderd());

    prompter.answers = {Answer::Yes};
    prompter.fileNames = {Pad("kopie.tab")};
    EXPECT_TRUE(files.VraagOpslaan());
    EXPECT_EQ(Lees(Pad("kopie.tab")), "xoud");
}

// --- Where the file dialogs open, and replacing a file -------------------------------

struct DialoogGeval {
    const char* naam;
    const char* bestand;   // the open document; nullptr: untitled
    int filter;            // the save dialog's filter entry that shows it
};

class DialoogTest : public DocumentTest, public ::testing::WithParamInterface<DialoogGeval> {};

// Mended: the question's "Ja" opened the save dialog in the working folder
// with the "*.tab" filter, and Enter wrote a copy there.
TEST_P(DialoogTest, SaveQuestionsYesSavesTheDocumentInPlaceAndDialogsOpenInItsFolder)
{
    const QString browser = Pad("browser");
    ASSERT_TRUE(QDir().mkpath(browser));
    files.SetHooks({.browserMap = [&] { return browser; }});
    const char* bestand = GetParam().bestand;
    if (bestand)
        Open(bestand, "oud");
    const QString doelmap = bestand ? map.path() : browser;
    const QString naam = bestand ? QString::fromUtf8(bestand) : naamloos;
    Typ("x");

    prompter.answers = {Answer::Yes, Answer::Yes};   // save, and replace the file itself
    prompter.fileNames = {QDir(doelmap).filePath(naam)};   // Enter on the proposal
    EXPECT_TRUE(files.VraagOpslaan());
    const FileDialogRequest& opslaan = prompter.fileRequests.back();
    EXPECT_EQ(opslaan.directory, doelmap);
    EXPECT_EQ(opslaan.fileName, naam);
    EXPECT_EQ(opslaan.filterIndex, GetParam().filter);
    EXPECT_EQ(Lees(QDir(doelmap).filePath(naam)), bestand ? "xoud" : "x");
    EXPECT_EQ(prompter.questions.size(), bestand ? 2u : 1u);   // only an existing file is replaced
    EXPECT_FALSE(Veranderd());

    prompter.fileNames = {QString()};
    files.Open1Click();
    EXPECT_EQ(prompter.fileRequests.back().directory, doelmap);
}

INSTANTIATE_TEST_SUITE_P(Gevallen, DialoogTest,
                         ::testing::Values(DialoogGeval{"tab", "lied.tab", 0}, DialoogGeval{"txt", "song.txt", 1},
                                           DialoogGeval{"chopro", "lied.chopro", 2},
                                           DialoogGeval{"naamloos", nullptr, 0}),
                         [](const auto& i) { return std::string(i.param.naam); });

// Mended: saving the untitled document replaced an existing file silently.
TEST_F(DocumentTest, UntitledSaveOntoAnExistingFileAsksFirst)
{
    const QString pad = Pad("lied.tab");
    Schrijf(pad, "van iemand anders");
    Typ("nieuw");
    prompter.answers = {Answer::No, Answer::Yes};
    prompter.fileNames = {pad, pad};
    EXPECT_FALSE(files.Save1Click());
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].kind, DialogKind::Confirmation);
    EXPECT_EQ(prompter.questions[0].text, pad.toStdString() + " bestaat al.\r\nWilt u het vervangen?");
    EXPECT_EQ(Lees(pad), "van iemand anders");
    EXPECT_EQ(bestandsnaam, naamloos);
    EXPECT_TRUE(Veranderd());

    EXPECT_TRUE(files.Save1Click());
    EXPECT_EQ(Lees(pad), "nieuw");
    EXPECT_EQ(bestandsnaam, pad);
}

// --- Rich text ---------------------------------------------------------------------------

TEST_F(DocumentTest, RichTextSurvivesSaveAndReloadAndDamagedRtfIsReadAsText)
{
    instellingen.richtext = true;
    const QString pad = Open("lied.rtf", "{\\rtf1\\ansi {\\b vet} en gewoon\\par tweede \\'e9}");
    ASSERT_EQ(editor.toPlainText(), "vet en gewoon\ntweede \u00e9");
    editor.moveCursor(QTextCursor::Start);
    Typ(QStringLiteral("\u0105"));   // fits RTF, not Windows-1252: no question
    ASSERT_TRUE(files.Save1Click());
    EXPECT_TRUE(Lees(pad).starts_with("{\\rtf"));

    editor.clear();
    ASSERT_TRUE(files.Herladen());
    EXPECT_EQ(editor.toPlainText(), "\u0105vet en gewoon\ntweede \u00e9");
    QTextCursor c(editor.document());
    c.setPosition(2);
    EXPECT_TRUE(c.charFormat().font().bold());

    // RTF the reader refuses is read as plain text.
    const QByteArray kapot = "{\\rtf1" + QByteArray(300, '{') + "x";
    Schrijf(pad, kapot);
    ASSERT_TRUE(files.Herladen());
    EXPECT_EQ(Bytes(), kapot.toStdString());
    EXPECT_TRUE(prompter.messages.empty());
}

// Mended: after switching to rich text, Ctrl+S wrote RTF markup into a ".txt".
struct RtfGeval {
    const char* naam;
    const char* bestand;
    std::optional<Answer> antwoord;   // none: no question
    const char* begin;                // what the file starts with afterwards
};

class RtfOpslaanTest : public DocumentTest, public ::testing::WithParamInterface<RtfGeval> {};

TEST_P(RtfOpslaanTest, RichTextGoesOnlyIntoAFileChosenAsRtf)
{
    const QString pad = Open(GetParam().bestand, "oud");
    instellingen.richtext = true;
    Typ("nieuw ");
    if (GetParam().antwoord)
        prompter.answers = {*GetParam().antwoord};
    EXPECT_EQ(files.Save1Click(), GetParam().antwoord != Answer::Cancel);
    EXPECT_EQ(prompter.questions.size(), GetParam().antwoord ? 1u : 0u);
    EXPECT_TRUE(Lees(pad).starts_with(GetParam().begin)) << Lees(pad);
    EXPECT_EQ(Veranderd(), GetParam().antwoord == Answer::Cancel);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, RtfOpslaanTest,
    ::testing::Values(RtfGeval{"txt_annuleren", "song.txt", Answer::Cancel, "oud"},
                      RtfGeval{"txt_als_tekst", "song.txt", Answer::No, "nieuw oud"},
                      RtfGeval{"txt_toch_rtf", "song.txt", Answer::Yes, "{\\rtf1"},
                      RtfGeval{"rtf", "lied.RTF", std::nullopt, "{\\rtf1"}),
    [](const auto& i) { return std::string(i.param.naam); });

// Mended: a reload replaced unsaved edits without a question.
TEST_F(DocumentTest, ReloadAsksFirstAndAnnulerenKeepsTheEdits)
{
    Open("lied.tab", "oud");
    Typ("x");
    prompter.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(files.Herladen());
    EXPECT_EQ(editor.toPlainText(), "xoud");
    EXPECT_TRUE(Veranderd());
    EXPECT_TRUE(files.Herladen());
    EXPECT_EQ(editor.toPlainText(), "oud");
    EXPECT_FALSE(Veranderd());
}

} // namespace
} // namespace korvane
