// The file browser on real folders in a temporary directory: what the list
// shows, loading by click and keyboard, delete, rename, and folders that
// cannot be read.
#include "files/filebrowser.h"

#include "bestanden.h"
#include "common/scriptedprompter.h"
#include "files/documentfiles.h"

#include <QDir>
#include <QFileSystemModel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <sys/inotify.h>
#include <unistd.h>

namespace korvane {
namespace {

using namespace test;

struct Browser : ::testing::Test {
    QTemporaryDir tmp;
    QString oudeMap = QDir::currentPath(), tabs = tmp.filePath("tabs");
    ScriptedPrompter prompter;
    Instellingen instellingen;
    // The document a click loads into, through the document's own load.
    QPlainTextEdit editor;
    QString bestandsnaam = naamloos;
    bool tablijnenOmgezet = false;
    DocumentIdentiteit document{bestandsnaam, tablijnenOmgezet};
    DocumentFiles files{editor, prompter, instellingen, document};
    FileBrowser browser{prompter, instellingen};

    void SetUp() override
    {
        QDir().mkpath(tabs + "/blues");
        for (const char* n : {"lied.TAB", "a.txt", "b.chopro", "c.crd", "d.htm", "e.html", "f.rtf", "g.kvn",
                              "h.dat", "lied.mid", "noot", "x.tab.bak"})
            Schrijf(tabs + "/" + n, QByteArray("inhoud van ") + n);
        instellingen.tabmap = tabs;
        browser.resize(235, 600);
        browser.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
        QObject::connect(&browser, &FileBrowser::FileListBox1Click,
                         [this](const QString& pad) { files.LaadUitLijst(pad); });
        ASSERT_TRUE(browser.ZetMap(tabs));
    }
    void TearDown() override { QDir::setCurrent(oudeMap); }

    QListWidget* lijst() { return browser.FileListBox1; }
    QFileSystemModel* model() { return qobject_cast<QFileSystemModel*>(browser.Directorylistbox1->model()); }
    QStringList Namen()
    {
        QStringList r;
        for (int i = 0; i < lijst()->count(); ++i)
            r << lijst()->item(i)->text();
        return r;
    }
    void Klik(const QString& naam, Qt::MouseButton knop = Qt::LeftButton)
    {
        const auto items = lijst()->findItems(naam, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << naam.toStdString();
        QTest::mouseClick(lijst()->viewport(), knop, {}, lijst()->visualItemRect(items[0]).center());
    }
};

TEST_F(Browser, ListsTabDocumentsWhateverTheirCaseAndFollowsTheTree)
{
    EXPECT_EQ(Namen(), (QStringList{"a.txt", "b.chopro", "c.crd", "d.htm", "e.html", "f.rtf", "g.kvn", "h.dat",
                                    "lied.TAB"}));
    browser.Directorylistbox1->setCurrentIndex(model()->index(tabs + "/blues"));
    EXPECT_EQ(Namen(), QStringList());
    EXPECT_EQ(QDir::currentPath(), QDir::cleanPath(tabs + "/blues"));
}

TEST_F(Browser, AFolderThatCannotBeReadIsNamedAndTheBrowserReturnsToTheTabFolder)
{
    const QString weg = tmp.filePath("usb");
    QDir().mkpath(weg);
    ASSERT_TRUE(browser.ZetMap(weg));
    ASSERT_TRUE(browser.ZetMap(tabs + "/blues"));
    // The volume goes away while the tree still shows it.
    QDir(weg).removeRecursively();
    browser.Directorylistbox1->setCurrentIndex(model()->index(weg));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{("Geen toegang tot " + weg + ",\nHet apparaat is niet klaar.").toStdString()});
    EXPECT_EQ(model()->filePath(browser.Directorylistbox1->currentIndex()), QDir::cleanPath(tabs));
}

TEST_F(Browser, AClickOrAKeyLoadsAfterTheSaveQuestionAndAClickOnTheSelectedEntryReloads)
{
    editor.setPlainText("gewijzigd");
    editor.document()->setModified(true);
    prompter.answers = {Answer::No};
    Klik("a.txt");
    EXPECT_EQ(prompter.questions.at(0).text, "Veranderingen in naamloos.tab opslaan ?");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van a.txt"));
    lijst()->setFocus();
    QTest::keyClick(lijst(), Qt::Key_Down);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van b.chopro"));
    // The file changed on disk; clicking the entry already selected reloads.
    Schrijf(tabs + "/b.chopro", "nieuw");
    Klik("b.chopro");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("nieuw"));
}

TEST_F(Browser, ARightClickSelectsTheEntryForTheMenuWithoutLoadingIt)
{
    Klik("a.txt");
    Klik("c.crd", Qt::RightButton);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van a.txt"));
    EXPECT_EQ(bestandsnaam, tabs + "/a.txt");
    EXPECT_EQ(browser.GeselecteerdBestand(), tabs + "/c.crd");
    EXPECT_TRUE(prompter.questions.empty());
    // A left click on it, or a key after the menu, loads as before.
    Klik("c.crd");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van c.crd"));
    Klik("e.html", Qt::RightButton);
    lijst()->setFocus();
    QTest::keyClick(lijst(), Qt::Key_Up);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van d.htm"));
}

// A file whose content blocks a reader (/proc/kmsg) would hold the window:
// browsing a folder opens none of its files, for icons or anything else.
TEST_F(Browser, BrowsingAFolderOpensNoneOfItsFiles)
{
    const QString map = tmp.filePath("onbekend");
    QDir().mkpath(map);
    // Names without an extension, whose type only their content could tell.
    for (const char* n : {"noot", "partituur", "kmsg"})
        Schrijf(map + "/" + n, "%PDF-1.4\n");
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_GE(inotify_add_watch(fd, QFile::encodeName(map).constData(), IN_OPEN), 0);
    bool geladen = false;
    QObject::connect(model(), &QFileSystemModel::directoryLoaded, [&](const QString& p) { geladen |= p == map; });
    ASSERT_TRUE(browser.ZetMap(map));
    browser.Directorylistbox1->expand(model()->index(map));
    EXPECT_TRUE(QTest::qWaitFor([&] { return geladen; }, 5000));
    QTest::qWait(200);

    QStringList geopend;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        for (char* p = buffer; p < buffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->len > 0 && !(e->mask & IN_ISDIR))
                geopend << QString::fromUtf8(e->name);
            p += sizeof(inotify_event) + e->len;
        }
    ::close(fd);
    EXPECT_EQ(geopend, QStringList());
}

// --- Delete: lied.TAB is the document -----------------------------------------

struct WisGeval {
    const char* naam;
    bool reservekopie, versperd;   // versperd: a folder stands where the backup would go
    Answer antwoord;
    std::string lied, backup;      // lied.TAB and lied.~TAB afterwards
};

class Wissen : public Browser, public ::testing::WithParamInterface<WisGeval> {};

TEST_P(Wissen, AsksThenDeletesKeepingABackupWhenSwitchedOnAndLeavesTheDocumentAlone)
{
    const WisGeval& g = GetParam();
    instellingen.reservekopie = g.reservekopie;
    if (g.versperd)
        QDir().mkpath(tabs + "/lied.~TAB/bezet");
    else
        Schrijf(tabs + "/lied.~TAB", "oudere backup");
    Klik("lied.TAB");
    prompter.answers = {g.antwoord};
    browser.Wissen();
    EXPECT_EQ(prompter.questions.at(0).text, "lied.TAB wissen ?");
    EXPECT_EQ(Lees(tabs + "/lied.TAB"), g.lied);
    EXPECT_EQ(Lees(tabs + "/lied.~TAB"), g.backup);
    EXPECT_EQ(Namen().contains("lied.TAB"), g.lied != "<onleesbaar>");
    // The editor keeps the text and the name; a save writes the file again.
    EXPECT_EQ(bestandsnaam, tabs + "/lied.TAB");
    instellingen.reservekopie = false;
    ASSERT_TRUE(files.Save1Click());
    EXPECT_EQ(Lees(tabs + "/lied.TAB"), "inhoud van lied.TAB");
}

const std::string lied = "inhoud van lied.TAB", oud = "oudere backup", weg = "<onleesbaar>";
INSTANTIATE_TEST_SUITE_P(Gevallen, Wissen,
                         ::testing::Values(WisGeval{"zonder_backup", false, false, Answer::Yes, weg, oud},
                                           WisGeval{"met_backup", true, false, Answer::Yes, weg, lied},
                                           WisGeval{"nee", true, false, Answer::No, lied, oud},
                                           // The copy the user asked for cannot be made: the file stays.
                                           WisGeval{"backupnaam_bezet", true, true, Answer::Yes, lied, weg}),
                         [](const auto& i) { return std::string(i.param.naam); });

// --- Rename: a.txt is selected; the document is a.txt or b.chopro ------------

struct NaamGeval {
    const char* naam;
    std::optional<QString> invoer;
    const char* waar;           // where a.txt's bytes are afterwards
    bool huidig, nieuweNaam;    // a.txt is the document; it takes the new name
};

class Hernoemen : public Browser, public ::testing::WithParamInterface<NaamGeval> {};

TEST_P(Hernoemen, RenamesTheSelectedFileAndNamesTheDocumentOnlyWhenItWasThatFile)
{
    const NaamGeval& g = GetParam();
    ASSERT_TRUE(browser.SelecteerBestand("a.txt"));
    prompter.texts = {g.invoer};
    const auto nieuw = browser.Naamwijzigen1Click(tabs + (g.huidig ? "/a.txt" : "/b.chopro"));
    EXPECT_EQ(nieuw, g.nieuweNaam ? std::optional(tabs + "/" + g.waar) : std::nullopt);
    EXPECT_EQ(Lees(tabs + "/" + g.waar), "inhoud van a.txt");
    EXPECT_EQ(Namen().contains("a.txt"), QString(g.waar) == "a.txt");
    EXPECT_EQ(Lees(tabs + "/b.chopro"), "inhoud van b.chopro");
}

INSTANTIATE_TEST_SUITE_P(Gevallen, Hernoemen,
                         ::testing::Values(NaamGeval{"huidig", "blues/a2.tab", "blues/a2.tab", true, true},
                                           // A bare name lands in the folder the list shows.
                                           NaamGeval{"ander_bestand", "z.tab", "z.tab", false, false},
                                           NaamGeval{"geannuleerd", std::nullopt, "a.txt", true, false},
                                           NaamGeval{"op_bestaand_bestand", "b.chopro", "a.txt", true, false}),
                         [](const auto& i) { return std::string(i.param.naam); });

} // namespace
} // namespace korvane
