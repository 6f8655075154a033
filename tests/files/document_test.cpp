// Documents on real files in a temporary directory: byte-exact round trips,
// line breaks after edits, characters a plain-text file cannot hold, backups,
// save failures, the save commands and the save-changes question, RTF.
#include "files/documentfiles.h"
#include "common/scriptedprompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <csignal>
#include <unistd.h>

namespace korvane {
namespace {

using test::ScriptedPrompter;

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<onleesbaar>");
    return f.readAll();
}

void Schrijf(const QString& pad, const QByteArray& bytes)
{
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pad.toStdString();
    f.write(bytes);
}

std::string Tekst(const QByteArray& b)
{
    return b.toStdString();
}

// Root ignores file permissions. While one of these lives, the test thread
// runs without that power, so permission failures happen as for any user.
class ZonderRootRechten {
public:
    ZonderRootRechten()
    {
        if (geteuid() != 0) {
            m_ok = true;
            return;
        }
        __user_cap_header_struct kop{_LINUX_CAPABILITY_VERSION_3, 0};
        if (syscall(SYS_capget, &kop, m_oud) != 0)
            return;
        __user_cap_data_struct nieuw[2] = {m_oud[0], m_oud[1]};
        nieuw[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_ok = m_gezet = syscall(SYS_capset, &kop, nieuw) == 0;
    }
    ~ZonderRootRechten()
    {
        if (m_gezet) {
            __user_cap_header_struct kop{_LINUX_CAPABILITY_VERSION_3, 0};
            syscall(SYS_capset, &kop, m_oud);
        }
    }
    bool ok() const { return m_ok; }

private:
    __user_cap_data_struct m_oud[2] = {};
    bool m_ok = false;
    bool m_gezet = false;
};

class DocumentTest : public ::testing::Test {
protected:
    QTemporaryDir map;
    QPlainTextEdit editor;
    ScriptedPrompter prompter;
    Instellingen instellingen;
    QString bestandsnaam = naamloos;
    bool omgezet = false;
    QStringList titels;
    QList<bool> modi;
    int lijstVernieuwd = 0;
    DocumentFiles files{editor, prompter, instellingen, {bestandsnaam, omgezet}, Hooks()};

    DocumentHooks Hooks()
    {
        DocumentHooks h;
        h.titel = [this](const QString& t) { titels << t; };
        h.modus = [this](bool r) { modi << r; };
        h.bestandslijstVernieuwen = [this] { ++lijstVernieuwd; };
        return h;
    }
    QString Pad(const QString& naam) const { return map.filePath(naam); }
    // A named document holding `bytes`, opened through the open command.
    void Open(const QString& pad)
    {
        prompter.fileNames.push_back(pad);
        files.Open1Click();
    }
    // Typed key by key; text beyond ASCII arrives as a paste would.
    void Typ(const QString& tekst)
    {
        for (QChar c : tekst)
            if (c.unicode() >= 0x80) {
                editor.insertPlainText(tekst);
                return;
            }
        QTest::keyClicks(&editor, tekst);
    }
    void NaarEinde()
    {
        QTextCursor c = editor.textCursor();
        c.movePosition(QTextCursor::End);
        editor.setTextCursor(c);
    }
    bool Veranderd() const { return editor.document()->isModified(); }
};

// --- Byte-exact round trips --------------------------------------------------

struct Corpus {
    const char* naam;
    QByteArray bytes;
};

QByteArray AlleBytes()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b += static_cast<char>(i);
    return b;
}

QByteArray ElkeByteEenRegel()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b += QByteArray(1, static_cast<char>(i)) + "x\r\n";
    return b;
}

class RondgangTest : public DocumentTest, public ::testing::WithParamInterface<Corpus> {};

TEST_P(RondgangTest, WidgetGivesBackTheLoadedBytes)
{
    LaadPlatteTekst(editor, GetParam().bytes);
    const PlatteTekst uit = PlatteTekstBytes(*editor.document());
    EXPECT_EQ(Tekst(uit.bytes), Tekst(GetParam().bytes));
    EXPECT_TRUE(uit.onopslaanbaar.isEmpty());
}

TEST_P(RondgangTest, OpenAndSaveLeavesTheFileByteIdentical)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, GetParam().bytes);
    Open(pad);
    ASSERT_EQ(bestandsnaam, pad);
    EXPECT_FALSE(Veranderd());
    EXPECT_TRUE(files.Save1Click());
    EXPECT_EQ(Tekst(Lees(pad)), Tekst(GetParam().bytes));
    EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, RondgangTest,
    ::testing::Values(
        Corpus{"crlf", "E|---0---|\r\nB|---1---|\r\n"},
        Corpus{"lf", "E|---0---|\nB|---1---|\n"},
        Corpus{"losse_cr", "een\rtwee\r"},
        Corpus{"gemengd", "a\r\nb\nc\rd\r\n\n\r\r\ne"},
        Corpus{"zonder_slotregeleinde", "a\r\nb"},
        Corpus{"leeg", ""},
        Corpus{"alleen_regeleinden", "\r\n\r\n\r\n"},
        Corpus{"cr_voor_crlf", "x\r\r\ny"},
        Corpus{"lf_dan_cr", "x\n\ry\n\r"},
        Corpus{"nul_bytes", QByteArray("a\0b\0\r\n\0", 8)},
        Corpus{"alle_bytes", AlleBytes()},
        Corpus{"elke_byte_een_regel", ElkeByteEenRegel()},
        Corpus{"lijntekens_en_c1", "\xf5\xf6\xff\xa0\x0c\x81\x8d\x8f\x90\x9d\x80\r\n"},
        Corpus{"lange_regel", QByteArray(20000, '-') + "\r\n"}),
    [](const ::testing::TestParamInfo<Corpus>& i) { return std::string(i.param.naam); });

// --- Line breaks once the user edits -----------------------------------------

TEST_F(DocumentTest, NewLineInMixedDocumentGetsItsMostCommonBreakAndOthersKeepTheirs)
{
    LaadPlatteTekst(editor, "one\r\ntwo\nthree\r\n");
    QTextCursor c(editor.document()->firstBlock());
    c.movePosition(QTextCursor::EndOfBlock);
    editor.setTextCursor(c);
    QTest::keyClick(&editor, Qt::Key_Return);
    Typ(QStringLiteral("new"));
    EXPECT_EQ(Tekst(PlatteTekstBytes(*editor.document()).bytes), "one\r\nnew\r\ntwo\nthree\r\n");
}

TEST_F(DocumentTest, LineTypedInUnixDocumentEndsInLf)
{
    LaadPlatteTekst(editor, "a\nb\n");
    NaarEinde();
    Typ(QStringLiteral("c"));
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(Tekst(PlatteTekstBytes(*editor.document()).bytes), "a\nb\nc\n");
}

TEST_F(DocumentTest, NewDocumentUsesCrLf)
{
    LaadPlatteTekst(editor, "a\nb\n");
    files.New1Click();
    Typ(QStringLiteral("x"));
    QTest::keyClick(&editor, Qt::Key_Return);
    Typ(QStringLiteral("y"));
    EXPECT_EQ(Tekst(PlatteTekstBytes(*editor.document()).bytes), "x\r\ny");
}

TEST_F(DocumentTest, DocumentEmptiedByAnEditStartsAgainWithCrLf)
{
    LaadPlatteTekst(editor, "a\nb\n");
    editor.selectAll();
    QTest::keyClick(&editor, Qt::Key_Delete);
    editor.insertPlainText(QStringLiteral("x\ny"));
    EXPECT_EQ(Tekst(PlatteTekstBytes(*editor.document()).bytes), "x\r\ny");
}

// --- Characters Windows-1252 cannot hold ---------------------------------------

TEST_F(DocumentTest, UnstorableCharactersAreNamedAndTheSaveCanBeRefused)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "oud");
    Open(pad);
    editor.selectAll();
    Typ(QStringLiteral("a\u0105\u2713\u20ac\u0105"));
    prompter.answers.push_back(Answer::No);
    EXPECT_FALSE(files.Save1Click());
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].kind, DialogKind::Warning);
    EXPECT_NE(prompter.questions[0].text.find("\u0105\u2713"), std::string::npos)
        << prompter.questions[0].text;
    EXPECT_EQ(Tekst(Lees(pad)), "oud");
    EXPECT_TRUE(Veranderd());

    prompter.answers.push_back(Answer::Yes);
    EXPECT_TRUE(files.Save1Click());
    EXPECT_EQ(Tekst(Lees(pad)), "a??\x80?");
    EXPECT_FALSE(Veranderd());
}

TEST_F(DocumentTest, CharacterOutsideTheBasicPlaneBecomesOneQuestionMark)
{
    editor.setPlainText(QStringLiteral("x\U0001F3B8y"));
    const PlatteTekst uit = PlatteTekstBytes(*editor.document());
    EXPECT_EQ(Tekst(uit.bytes), "x?y");
    EXPECT_EQ(uit.onopslaanbaar, QStringLiteral("\U0001F3B8"));
}

// --- Names and backups ---------------------------------------------------------

struct NaamGeval {
    const char* bestand;
    const char* backup;
};
class BackupNaamTest : public ::testing::TestWithParam<NaamGeval> {};

TEST_P(BackupNaamTest, InsertsTildeInTheExtension)
{
    EXPECT_EQ(BackupNaam(QString::fromUtf8(GetParam().bestand)).toStdString(), GetParam().backup);
}

INSTANTIATE_TEST_SUITE_P(Namen, BackupNaamTest,
                         ::testing::Values(NaamGeval{"/tabs/lied.tab", "/tabs/lied.~tab"},
                                           NaamGeval{"lied.tab.txt", "lied.tab.~txt"},
                                           NaamGeval{"/tabs/lied", "/tabs/lied~"},
                                           NaamGeval{"/my.tabs/lied", "/my.tabs/lied~"},
                                           NaamGeval{"/tabs/lied.", "/tabs/lied.~"},
                                           NaamGeval{"naamloos.tab", "naamloos.~tab"}));

TEST(DocumentNamen, CaptionShowsTheNamePart)
{
    EXPECT_EQ(VensterTitel(naamloos), QStringLiteral("Korvane1.06 - naamloos.tab"));
    EXPECT_EQ(VensterTitel(QStringLiteral("/home/x/my.tabs/lied.kvn")), QStringLiteral("Korvane1.06 - lied.kvn"));
    EXPECT_EQ(Extensie(QStringLiteral("/my.tabs/lied")), QString());
    EXPECT_EQ(VervangExtensie(QStringLiteral("/t/lied.tab"), QStringLiteral(".kvn")), QStringLiteral("/t/lied.kvn"));
}

TEST_F(DocumentTest, BackupKeepsExactlyThePreviousVersion)
{
    instellingen.reservekopie = true;
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "versie 1");
    Open(pad);
    editor.selectAll();
    Typ(QStringLiteral("versie 2"));
    ASSERT_TRUE(files.Save1Click());
    EXPECT_EQ(Tekst(Lees(pad)), "versie 2");
    EXPECT_EQ(Tekst(Lees(Pad(QStringLiteral("lied.~tab")))), "versie 1");
    editor.selectAll();
    Typ(QStringLiteral("versie 3"));
    ASSERT_TRUE(files.Save1Click());
    EXPECT_EQ(Tekst(Lees(pad)), "versie 3");
    EXPECT_EQ(Tekst(Lees(Pad(QStringLiteral("lied.~tab")))), "versie 2");
}

TEST_F(DocumentTest, BackupOfFileThatDoesNotExistYetIsSkippedAndTheFileCreated)
{
    instellingen.reservekopie = true;
    Typ(QStringLiteral("nieuw"));
    prompter.fileNames.push_back(Pad(QStringLiteral("lied.tab")));
    ASSERT_TRUE(files.Save1Click());
    EXPECT_EQ(Tekst(Lees(Pad(QStringLiteral("lied.tab")))), "nieuw");
    EXPECT_FALSE(QFileInfo::exists(Pad(QStringLiteral("lied.~tab"))));
}

TEST_F(DocumentTest, Reservekopie1ClickTogglesForThisRun)
{
    bool vinkje = false;
    DocumentHooks h = Hooks();
    h.reservekopieVinkje = [&](bool v) { vinkje = v; };
    files.SetHooks(h);
    files.Reservekopie1Click();
    EXPECT_TRUE(instellingen.reservekopie);
    EXPECT_TRUE(vinkje);
    files.Reservekopie1Click();
    EXPECT_FALSE(instellingen.reservekopie);
    EXPECT_FALSE(vinkje);
}

// --- Save failures --------------------------------------------------------------

enum class Fout { AlleenLezenMap, AlleenLezenBestand, MapInDeWeg, VolApparaat, BestandsgrootteLimiet };
struct FoutGeval {
    const char* naam;
    Fout fout;
    const char* melding;   // how the message starts
};

class SaveFoutTest : public DocumentTest, public ::testing::WithParamInterface<FoutGeval> {};

TEST_P(SaveFoutTest, FailedSaveKeepsOldFileAndModifiedDocument)
{
    const Fout fout = GetParam().fout;
    instellingen.reservekopie = fout != Fout::VolApparaat;
    QString doelmap = Pad(QStringLiteral("tabs"));
    ASSERT_TRUE(QDir().mkpath(doelmap));
    QString pad = doelmap + QStringLiteral("/lied.tab");
    const QByteArray oud = "oude inhoud\r\n";
    if (fout == Fout::VolApparaat) {
        if (!QFileInfo(QStringLiteral("/dev/full")).exists())
            GTEST_SKIP() << "no /dev/full here";
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), pad));
        bestandsnaam = pad;
    } else {
        Schrijf(pad, oud);
        Open(pad);
    }
    ASSERT_EQ(bestandsnaam, pad);
    editor.selectAll();
    Typ(QString(3000, u'x'));
    if (fout == Fout::MapInDeWeg) {
        // The untitled document saved under the name of a directory.
        files.New1Click();
        Typ(QStringLiteral("nieuw"));
        pad = doelmap;
        prompter.fileNames.push_back(pad);
    }

    ZonderRootRechten rechten;
    ASSERT_TRUE(rechten.ok());
    rlimit oudeLimiet{};
    getrlimit(RLIMIT_FSIZE, &oudeLimiet);
    if (fout == Fout::AlleenLezenMap)
        QFile::setPermissions(doelmap, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (fout == Fout::AlleenLezenBestand)
        QFile::setPermissions(pad, QFileDevice::ReadOwner);
    if (fout == Fout::BestandsgrootteLimiet) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit klein = oudeLimiet;
        klein.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &klein);
    }
    const bool opgeslagen = files.Save1Click();
    setrlimit(RLIMIT_FSIZE, &oudeLimiet);
    QFile::setPermissions(doelmap, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_FALSE(opgeslagen);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].rfind(GetParam().melding, 0), 0u) << prompter.messages[0];
    EXPECT_TRUE(Veranderd());
    if (fout != Fout::VolApparaat && fout != Fout::MapInDeWeg) {
        EXPECT_EQ(Tekst(Lees(doelmap + QStringLiteral("/lied.tab"))), Tekst(oud));
        EXPECT_EQ(bestandsnaam, pad);
    }
    if (fout == Fout::MapInDeWeg) {
        EXPECT_EQ(bestandsnaam, naamloos);
        EXPECT_TRUE(QFileInfo(pad).isDir());
    }
    // Nothing half-written is left behind in the folder.
    const QStringList overig = QDir(doelmap).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : overig)
        EXPECT_TRUE(n == QStringLiteral("lied.tab") || n == QStringLiteral("lied.~tab")) << n.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, SaveFoutTest,
    ::testing::Values(FoutGeval{"alleen_lezen_map", Fout::AlleenLezenMap, "Cannot create file "},
                      FoutGeval{"alleen_lezen_bestand", Fout::AlleenLezenBestand, "Cannot create file "},
                      FoutGeval{"map_in_de_weg", Fout::MapInDeWeg, "Cannot create file "},
                      FoutGeval{"vol_apparaat", Fout::VolApparaat, "Fout bij het schrijven van "},
                      FoutGeval{"bestandsgrootte_limiet", Fout::BestandsgrootteLimiet, "Fout bij het schrijven van "}),
    [](const ::testing::TestParamInfo<FoutGeval>& i) { return std::string(i.param.naam); });

TEST_F(DocumentTest, SaveKeepsPermissionsAndWritesThroughASymbolicLink)
{
    const QString doel = Pad(QStringLiteral("echt.tab"));
    const QString link = Pad(QStringLiteral("link.tab"));
    Schrijf(doel, "oud");
    const auto rechten = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(doel, rechten);
    ASSERT_TRUE(QFile::link(doel, link));
    Open(link);
    editor.selectAll();
    Typ(QStringLiteral("nieuw"));
    ASSERT_TRUE(files.Save1Click());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Tekst(Lees(doel)), "nieuw");
    EXPECT_EQ(QFile::permissions(doel) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), rechten);
}

// --- Save, Save as ---------------------------------------------------------------

TEST_F(DocumentTest, UntitledSaveAsksForANameAndTakesIt)
{
    Typ(QStringLiteral("E|---|"));
    prompter.fileNames.push_back(Pad(QStringLiteral("lied.tab")));
    ASSERT_TRUE(files.Save1Click());
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    const FileDialogRequest& r = prompter.fileRequests[0];
    EXPECT_EQ(r.fileName, QStringLiteral("naamloos.tab"));
    EXPECT_EQ(r.defaultSuffix, QStringLiteral("tab"));
    ASSERT_EQ(r.filters.size(), 3);
    EXPECT_TRUE(r.filters[0].startsWith(QStringLiteral("tabbestand(*.tab)")));
    EXPECT_TRUE(r.filters[1].startsWith(QStringLiteral("tekstbestand(*.txt)")));
    EXPECT_TRUE(r.filters[2].startsWith(QStringLiteral("alle bestanden(*.*)")));
    EXPECT_EQ(bestandsnaam, Pad(QStringLiteral("lied.tab")));
    EXPECT_EQ(Tekst(Lees(bestandsnaam)), "E|---|");
    EXPECT_EQ(titels.value(titels.size() - 1), QStringLiteral("Korvane1.06 - lied.tab"));
    EXPECT_FALSE(Veranderd());
    EXPECT_EQ(lijstVernieuwd, 1);
}

TEST_F(DocumentTest, CancelledUntitledSaveChangesNothing)
{
    Typ(QStringLiteral("x"));
    prompter.fileNames.push_back(QString());
    EXPECT_FALSE(files.Save1Click());
    EXPECT_EQ(bestandsnaam, naamloos);
    EXPECT_TRUE(Veranderd());
}

TEST_F(DocumentTest, FileNamedNaamloosInAFolderIsSavedInPlace)
{
    const QString pad = Pad(QStringLiteral("naamloos.tab"));
    Schrijf(pad, "oud");
    Open(pad);
    Typ(QStringLiteral("!"));
    ASSERT_TRUE(files.Save1Click());   // no dialog is scripted: none may open
    EXPECT_EQ(Tekst(Lees(pad)), "!oud");
    EXPECT_EQ(prompter.Beeps(Sound::Default), 1);
}

TEST_F(DocumentTest, ConvertedDocumentIsOfferedTheKvnName)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "E|---|");
    Open(pad);
    omgezet = true;
    prompter.answers.push_back(Answer::Yes);
    ASSERT_TRUE(files.Save1Click());
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].kind, DialogKind::Confirmation);
    EXPECT_EQ(prompter.questions[0].text,
              "De tablijnen in lied.tab zijn aangepast,         \r\n"
              "normaal bewerken is niet meer mogelijk,\r\n"
              "bestand opslaan als Korvane (.kvn) bestand ?");
    EXPECT_EQ(bestandsnaam, Pad(QStringLiteral("lied.kvn")));
    EXPECT_EQ(Tekst(Lees(Pad(QStringLiteral("lied.kvn")))), "E|---|");
    EXPECT_EQ(titels.value(titels.size() - 1), QStringLiteral("Korvane1.06 - lied.kvn"));

    prompter.answers.push_back(Answer::No);
    Typ(QStringLiteral("x"));
    EXPECT_FALSE(files.Save1Click());
    EXPECT_EQ(Tekst(Lees(Pad(QStringLiteral("lied.kvn")))), "E|---|");
    EXPECT_TRUE(Veranderd());
}

TEST_F(DocumentTest, SaveAsWritesACopyAndKeepsTheName)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "oud");
    Open(pad);
    const int titelsVoor = titels.size();
    editor.selectAll();
    Typ(QStringLiteral("kopie"));
    prompter.fileNames.push_back(Pad(QStringLiteral("kopie.tab")));
    ASSERT_TRUE(files.Saveas1Click());
    EXPECT_EQ(prompter.fileRequests.back().fileName, QStringLiteral("lied.tab"));
    EXPECT_EQ(Tekst(Lees(Pad(QStringLiteral("kopie.tab")))), "kopie");
    EXPECT_EQ(bestandsnaam, pad);
    EXPECT_EQ(titels.size(), titelsVoor);
    Typ(QStringLiteral("!"));
    ASSERT_TRUE(files.Save1Click());
    EXPECT_EQ(Tekst(Lees(pad)), "kopie!");
}

TEST_F(DocumentTest, SaveAsOverAnExistingFileAsksFirst)
{
    const QString ander = Pad(QStringLiteral("ander.tab"));
    Schrijf(ander, "blijft");
    Typ(QStringLiteral("nieuw"));
    prompter.fileNames.push_back(ander);
    prompter.answers.push_back(Answer::No);
    EXPECT_FALSE(files.Saveas1Click());
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].kind, DialogKind::Warning);
    EXPECT_EQ(prompter.questions[0].text, ("Het bestand " + ander.toStdString()
                                           + " bestaat al.\r\nWilt U het bestaande bestand vervangen ?"));
    EXPECT_EQ(prompter.Beeps(Sound::Question), 1);
    EXPECT_EQ(Tekst(Lees(ander)), "blijft");

    prompter.fileNames.push_back(ander);
    prompter.answers.push_back(Answer::Yes);
    EXPECT_TRUE(files.Saveas1Click());
    EXPECT_EQ(Tekst(Lees(ander)), "nieuw");
}

// --- The save-changes question ---------------------------------------------------

TEST_F(DocumentTest, UnmodifiedDocumentIsLeftWithoutAQuestion)
{
    EXPECT_TRUE(files.VraagOpslaan());
    EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(DocumentTest, QuestionNamesTheDocumentAndHonoursEachAnswer)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "oud");
    Open(pad);
    Typ(QStringLiteral("x"));
    prompter.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(files.VraagOpslaan());
    EXPECT_TRUE(files.VraagOpslaan());
    ASSERT_EQ(prompter.questions.size(), 2u);
    EXPECT_EQ(prompter.questions[0].text, "Veranderingen in lied.tab opslaan ?");
    EXPECT_EQ(prompter.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompter.Beeps(Sound::Question), 2);
}

TEST_F(DocumentTest, EditsAfterTheLineConversionAreNotThrownAwaySilently)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "E|---|");
    Open(pad);
    // The conversion leaves the document unmodified: no question then.
    omgezet = true;
    EXPECT_TRUE(files.VraagOpslaan());
    EXPECT_TRUE(prompter.questions.empty());
    Typ(QStringLiteral("x"));
    prompter.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(files.FormCloseQuery());
    EXPECT_EQ(prompter.questions.size(), 1u);
}

TEST_F(DocumentTest, YesFollowedByACancelledOrFailedSaveKeepsTheDocument)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "oud");
    Open(pad);
    Typ(QStringLiteral("x"));
    prompter.answers.push_back(Answer::Yes);
    prompter.fileNames.push_back(QString());
    EXPECT_FALSE(files.VraagOpslaan());

    prompter.answers = {Answer::Yes, Answer::Yes};   // save, and replace what is there
    prompter.fileNames.push_back(map.path());       // a folder: the save fails
    EXPECT_FALSE(files.VraagOpslaan());
    EXPECT_TRUE(Veranderd());

    const QString kopie = Pad(QStringLiteral("kopie.tab"));
    prompter.answers.push_back(Answer::Yes);
    prompter.fileNames.push_back(kopie);
    EXPECT_TRUE(files.VraagOpslaan());
    EXPECT_EQ(Tekst(Lees(kopie)), "xoud");
}

// --- New, Open, the file list ----------------------------------------------------------

TEST_F(DocumentTest, NewDiscardsWithoutAQuestion)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "oud");
    Open(pad);
    Typ(QStringLiteral("x"));
    omgezet = true;
    files.New1Click();
    EXPECT_EQ(editor.toPlainText(), QString());
    EXPECT_EQ(bestandsnaam, naamloos);
    EXPECT_FALSE(omgezet);
    EXPECT_FALSE(Veranderd());
    EXPECT_EQ(titels.value(titels.size() - 1), QStringLiteral("Korvane1.06 - naamloos.tab"));
}

TEST_F(DocumentTest, OpenDialogHasItsTitleFiltersAndTabFolder)
{
    instellingen.tabmap = map.path();
    omgezet = true;
    prompter.fileNames.push_back(QString());
    files.Open1Click();
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    const FileDialogRequest& r = prompter.fileRequests[0];
    EXPECT_EQ(r.title, QStringLiteral("Tab bestand openen"));
    EXPECT_EQ(r.directory, map.path());
    ASSERT_EQ(r.filters.size(), 3);
    EXPECT_TRUE(r.filters[0].startsWith(
        QStringLiteral("tabbestand (*.tab;*.txt;*.chopro;*.kvn;*.crd;*.htm;*.html;*.dat)")));
    EXPECT_TRUE(r.filters[1].startsWith(QStringLiteral("Rich text bestand(*.rtf);")));
    EXPECT_TRUE(r.filters[2].startsWith(QStringLiteral("alle bestanden(*.*);")));
    // Even a cancelled open ends the converted state and refreshes the list.
    EXPECT_FALSE(omgezet);
    EXPECT_EQ(lijstVernieuwd, 1);
}

TEST_F(DocumentTest, FileThatCannotBeReadLeavesTheDocumentAsItWas)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "inhoud");
    Open(pad);
    const QString onleesbaar = Pad(QStringLiteral("geheim.tab"));
    Schrijf(onleesbaar, "geheim");
    QFile::setPermissions(onleesbaar, QFileDevice::WriteOwner);
    {
        ZonderRootRechten rechten;
        ASSERT_TRUE(rechten.ok());
        Open(onleesbaar);
    }
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Kan bestand " + onleesbaar.toStdString() + " niet openen");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud"));
    EXPECT_EQ(bestandsnaam, pad);
}

TEST_F(DocumentTest, OpenInPlainModeShowsRtfSource)
{
    const QString pad = Pad(QStringLiteral("lied.rtf"));
    Schrijf(pad, "{\\rtf1 {\\b vet}}");
    Open(pad);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("{\\rtf1 {\\b vet}}"));
}

TEST_F(DocumentTest, BrowserLoadChoosesRichTextOnlyForLowerCaseRtf)
{
    Schrijf(Pad(QStringLiteral("LIED.RTF")), "{\\rtf1 hallo}");
    Schrijf(Pad(QStringLiteral("lied.rtf")), "{\\rtf1 {\\b vet} hallo}");
    ASSERT_TRUE(files.LaadUitLijst(Pad(QStringLiteral("LIED.RTF"))));
    EXPECT_FALSE(instellingen.richtext);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("{\\rtf1 hallo}"));
    EXPECT_EQ(editor.lineWrapMode(), QPlainTextEdit::NoWrap);

    ASSERT_TRUE(files.LaadUitLijst(Pad(QStringLiteral("lied.rtf"))));
    EXPECT_TRUE(instellingen.richtext);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("vet hallo"));
    EXPECT_EQ(editor.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(modi, (QList<bool>{false, true}));
    EXPECT_EQ(bestandsnaam, Pad(QStringLiteral("lied.rtf")));
    EXPECT_FALSE(Veranderd());
}

// --- Rich text ---------------------------------------------------------------------------

TEST_F(DocumentTest, RichTextSurvivesSaveAndReload)
{
    instellingen.richtext = true;
    const QString pad = Pad(QStringLiteral("lied.rtf"));
    Schrijf(pad, "{\\rtf1\\ansi {\\b vet} en gewoon\\par tweede \\'e9}");
    Open(pad);
    ASSERT_EQ(editor.toPlainText(), QStringLiteral("vet en gewoon\ntweede \u00e9"));
    editor.moveCursor(QTextCursor::Start);
    Typ(QStringLiteral("\u0105"));   // fits RTF, not Windows-1252
    ASSERT_TRUE(files.Save1Click());
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_TRUE(Lees(pad).startsWith("{\\rtf"));

    editor.clear();
    ASSERT_TRUE(files.Herladen());
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("\u0105vet en gewoon\ntweede \u00e9"));
    QTextCursor c(editor.document());
    c.setPosition(2);
    EXPECT_TRUE(c.charFormat().font().bold());
    c.setPosition(8);
    EXPECT_FALSE(c.charFormat().font().bold());
}

TEST_F(DocumentTest, DamagedRtfIsReadAsPlainText)
{
    instellingen.richtext = true;
    const QString pad = Pad(QStringLiteral("kapot.rtf"));
    const QByteArray kapot = "{\\rtf1" + QByteArray(300, '{') + "x";
    Schrijf(pad, kapot);
    Open(pad);
    EXPECT_EQ(Tekst(PlatteTekstBytes(*editor.document()).bytes), Tekst(kapot));
    Schrijf(pad, "geen rtf\r\n");
    ASSERT_TRUE(files.Herladen());
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("geen rtf\n"));
}

TEST_F(DocumentTest, ReloadKeepsTheModifiedFlag)
{
    const QString pad = Pad(QStringLiteral("lied.tab"));
    Schrijf(pad, "a");
    Open(pad);
    Typ(QStringLiteral("x"));
    ASSERT_TRUE(files.Herladen());
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("a"));
    EXPECT_TRUE(Veranderd());
    bestandsnaam = naamloos;   // no such file in the working directory
    EXPECT_FALSE(files.Herladen());
}

} // namespace
} // namespace korvane
