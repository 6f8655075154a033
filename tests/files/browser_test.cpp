// The file browser on real folders in a temporary directory: what the list
// shows, loading by click and keyboard, delete, rename, the start folder and
// folders that cannot be read.
#include "files/filebrowser.h"

#include "common/scriptedprompter.h"
#include "files/documentfiles.h"
#include "qstringprinter.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

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

QStringList Lijst(const QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

struct Browser : ::testing::Test {
    QTemporaryDir tmp;
    QString oudeMap = QDir::currentPath();
    test::ScriptedPrompter prompter;
    Instellingen instellingen;
    std::unique_ptr<FileBrowser> browser;
    QString tabs;

    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        tabs = tmp.filePath("tabs");
        QDir().mkpath(tabs + "/blues");
        for (const char* n : {"lied.TAB", "a.txt", "b.chopro", "c.crd", "d.htm", "e.html", "f.rtf", "g.kvn",
                              "h.dat", "lied.mid", "noot", "x.tab.bak"})
            Schrijf(tabs + "/" + n, QByteArray("inhoud van ") + n);
        Schrijf(tabs + "/blues/boom.tab", "E|---|\r\n");
        instellingen.tabmap = tabs;
        browser = std::make_unique<FileBrowser>(prompter, instellingen);
        browser->resize(235, 600);
        browser->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(browser.get()));
        ASSERT_TRUE(browser->ZetMap(tabs));
    }
    void TearDown() override { QDir::setCurrent(oudeMap); }

    QListWidget* lijst() { return browser->FileListBox1; }
    void Klik(const QString& naam)
    {
        const auto items = lijst()->findItems(naam, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << naam.toStdString();
        QTest::mouseClick(lijst()->viewport(), Qt::LeftButton, {}, lijst()->visualItemRect(items[0]).center());
    }
};

TEST_F(Browser, ListsTabDocumentsWhateverTheirCaseAndNothingElse)
{
    EXPECT_EQ(Lijst(lijst()), (QStringList{"a.txt", "b.chopro", "c.crd", "d.htm", "e.html", "f.rtf", "g.kvn",
                                           "h.dat", "lied.TAB"}));
    EXPECT_EQ(browser->Map(), QDir::cleanPath(tabs));
    EXPECT_EQ(QDir::currentPath(), QDir::cleanPath(tabs));
}

TEST_F(Browser, ChoosingAFolderInTheTreeMovesTheListAndTheCurrentFolder)
{
    QTreeView* boom = browser->Directorylistbox1;
    auto* model = qobject_cast<QFileSystemModel*>(boom->model());
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->filePath(boom->currentIndex()), QDir::cleanPath(tabs));
    boom->setCurrentIndex(model->index(tabs + "/blues"));
    EXPECT_EQ(Lijst(lijst()), QStringList{"boom.tab"});
    EXPECT_EQ(QDir::currentPath(), QDir::cleanPath(tabs + "/blues"));
    EXPECT_TRUE(boom->isExpanded(model->index(tabs + "/blues")));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Browser, AFolderThatCannotBeReadIsNamedAndTheBrowserReturnsToTheTabFolder)
{
    const QString weg = tmp.filePath("usb");
    QDir().mkpath(weg);
    ASSERT_TRUE(browser->ZetMap(weg));
    ASSERT_TRUE(browser->ZetMap(tabs + "/blues"));
    // The volume goes away while the tree still shows it.
    QDir(weg).removeRecursively();
    auto* model = qobject_cast<QFileSystemModel*>(browser->Directorylistbox1->model());
    const QModelIndex idx = model->index(weg);
    ASSERT_TRUE(idx.isValid());
    browser->Directorylistbox1->setCurrentIndex(idx);

    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{("Geen toegang tot " + weg + ",\nHet apparaat is niet klaar.").toStdString()});
    EXPECT_EQ(prompter.Beeps(Sound::Exclamation), 1);
    EXPECT_EQ(browser->Map(), QDir::cleanPath(tabs));
    EXPECT_EQ(model->filePath(browser->Directorylistbox1->currentIndex()), QDir::cleanPath(tabs));
}

TEST_F(Browser, AnEmptyTabFolderMovesNothing)
{
    instellingen.tabmap.clear();
    ASSERT_TRUE(browser->ZetMap(tabs + "/blues"));
    browser->StartbuttonClick();
    EXPECT_EQ(browser->Map(), QDir::cleanPath(tabs + "/blues"));
    EXPECT_TRUE(prompter.messages.empty());
}

// --- Loading through the document's own load ---------------------------------

struct Laden : Browser {
    QPlainTextEdit editor;
    QString bestandsnaam = naamloos;
    bool tablijnenOmgezet = false;
    DocumentIdentiteit document{bestandsnaam, tablijnenOmgezet};
    std::unique_ptr<DocumentFiles> files;
    int geladen = 0;

    void SetUp() override
    {
        Browser::SetUp();
        files = std::make_unique<DocumentFiles>(editor, prompter, instellingen, document);
        QObject::connect(browser.get(), &FileBrowser::FileListBox1Click, [this](const QString& pad) {
            if (files->LaadUitLijst(pad))
                ++geladen;
        });
    }
};

TEST_F(Laden, AClickLoadsTheFileAfterTheSaveQuestion)
{
    editor.setPlainText("gewijzigd");
    editor.document()->setModified(true);
    prompter.answers = {Answer::No};
    Klik("a.txt");
    EXPECT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, "Veranderingen in naamloos.tab opslaan ?");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van a.txt"));
    EXPECT_EQ(document.bestandsnaam, QDir(tabs).filePath("a.txt"));
    EXPECT_EQ(geladen, 1);
    EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front();
}

TEST_F(Laden, CancellingTheSaveQuestionKeepsTheDocument)
{
    editor.setPlainText("mijn werk");
    editor.document()->setModified(true);
    prompter.answers = {Answer::Cancel};
    Klik("b.chopro");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("mijn werk"));
    EXPECT_EQ(document.bestandsnaam, naamloos);
    EXPECT_EQ(geladen, 0);
}

TEST_F(Laden, KeyboardMovesLoadAndAClickOnTheSelectedEntryLoadsItAgain)
{
    Klik("a.txt");
    ASSERT_EQ(geladen, 1);
    lijst()->setFocus();
    QTest::keyClick(lijst(), Qt::Key_Down);
    EXPECT_EQ(geladen, 2);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van b.chopro"));
    // The file changed on disk; clicking the entry already selected reloads.
    Schrijf(tabs + "/b.chopro", "nieuw");
    Klik("b.chopro");
    EXPECT_EQ(geladen, 3);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("nieuw"));
}

// --- Delete ---------------------------------------------------------------

struct WisGeval {
    bool reservekopie;
    Answer antwoord;
    bool blijft;       // the file is still there under its name
    bool backup;       // lied.~TAB exists afterwards
};

class Wissen : public Browser, public ::testing::WithParamInterface<WisGeval> {};

TEST_P(Wissen, AsksThenDeletesKeepingABackupWhenSwitchedOn)
{
    instellingen.reservekopie = GetParam().reservekopie;
    Schrijf(tabs + "/lied.~TAB", "oudere backup");
    ASSERT_TRUE(browser->SelecteerBestand("lied.TAB"));
    prompter.answers = {GetParam().antwoord};
    browser->Wissen();
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, "lied.TAB wissen ?");
    EXPECT_EQ(prompter.questions[0].kind, DialogKind::Confirmation);
    EXPECT_EQ(prompter.questions[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.Beeps(Sound::Question), 1);
    EXPECT_EQ(QFile::exists(tabs + "/lied.TAB"), GetParam().blijft);
    EXPECT_EQ(Lijst(lijst()).contains("lied.TAB"), GetParam().blijft);
    EXPECT_EQ(Lees(tabs + "/lied.~TAB"), GetParam().backup ? QByteArray("inhoud van lied.TAB")
                                                           : QByteArray("oudere backup"));
}

INSTANTIATE_TEST_SUITE_P(Gevallen, Wissen,
                         ::testing::Values(WisGeval{false, Answer::Yes, false, false},
                                           WisGeval{true, Answer::Yes, false, true},
                                           WisGeval{true, Answer::No, true, false},
                                           WisGeval{false, Answer::No, true, false}));

TEST_F(Browser, AFileThatCannotGetItsBackupNameIsNotDeleted)
{
    instellingen.reservekopie = true;
    // A folder in the way of the backup name.
    QDir().mkpath(tabs + "/a.~txt/bezet");
    ASSERT_TRUE(browser->SelecteerBestand("a.txt"));
    prompter.answers = {Answer::Yes};
    browser->Wissen();
    EXPECT_EQ(Lees(tabs + "/a.txt"), QByteArray("inhoud van a.txt"));
    EXPECT_TRUE(Lijst(lijst()).contains("a.txt"));
}

TEST_F(Browser, DeleteAndRenameWithoutASelectionOnlyComplain)
{
    lijst()->setCurrentRow(-1);
    browser->Wissen();
    EXPECT_FALSE(browser->Naamwijzigen1Click(QStringLiteral("naamloos.tab")).has_value());
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"Geen bestand geselecteerd.", "Geen bestand geselecteerd."}));
    EXPECT_EQ(prompter.Beeps(Sound::Exclamation), 2);
    EXPECT_EQ(Lijst(lijst()).size(), 9);
}

TEST_F(Laden, DeletingTheCurrentDocumentKeepsItsTextAndNameAndASaveWritesItAgain)
{
    instellingen.reservekopie = true;
    Klik("lied.TAB");
    ASSERT_EQ(document.bestandsnaam, tabs + "/lied.TAB");
    prompter.answers = {Answer::Yes};
    browser->Wissen();
    EXPECT_FALSE(QFile::exists(tabs + "/lied.TAB"));
    EXPECT_EQ(Lees(tabs + "/lied.~TAB"), QByteArray("inhoud van lied.TAB"));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("inhoud van lied.TAB"));
    EXPECT_EQ(document.bestandsnaam, tabs + "/lied.TAB");
    instellingen.reservekopie = false;
    ASSERT_TRUE(files->Save1Click());
    EXPECT_EQ(Lees(tabs + "/lied.TAB"), QByteArray("inhoud van lied.TAB"));
}

// --- Rename ---------------------------------------------------------------

TEST_F(Browser, RenamingTheCurrentDocumentGivesItsNewName)
{
    ASSERT_TRUE(browser->SelecteerBestand("a.txt"));
    prompter.texts = {tabs + "/blues/a2.tab"};
    const auto nieuw = browser->Naamwijzigen1Click(tabs + "/a.txt");
    ASSERT_EQ(prompter.textRequests.size(), 1u);
    EXPECT_EQ(prompter.textRequests[0].title, QStringLiteral("Naam wijzigen"));
    EXPECT_EQ(prompter.textRequests[0].label, QString());
    EXPECT_EQ(prompter.textRequests[0].text, tabs + "/a.txt");
    ASSERT_TRUE(nieuw.has_value());
    EXPECT_EQ(*nieuw, tabs + "/blues/a2.tab");
    EXPECT_EQ(Lees(tabs + "/blues/a2.tab"), QByteArray("inhoud van a.txt"));
    EXPECT_FALSE(Lijst(lijst()).contains("a.txt"));
}

TEST_F(Browser, RenamingAnotherFileLeavesTheDocumentsNameAlone)
{
    ASSERT_TRUE(browser->SelecteerBestand("a.txt"));
    // A bare name lands in the folder the list shows.
    prompter.texts = {QStringLiteral("z.tab")};
    EXPECT_FALSE(browser->Naamwijzigen1Click(tabs + "/b.chopro").has_value());
    EXPECT_EQ(Lees(tabs + "/z.tab"), QByteArray("inhoud van a.txt"));
    EXPECT_TRUE(Lijst(lijst()).contains("z.tab"));
    EXPECT_FALSE(Lijst(lijst()).contains("a.txt"));
}

TEST_F(Browser, RenameCancelledOrOntoAnExistingFileChangesNothing)
{
    ASSERT_TRUE(browser->SelecteerBestand("a.txt"));
    prompter.texts = {std::nullopt, tabs + "/b.chopro"};
    EXPECT_FALSE(browser->Naamwijzigen1Click(tabs + "/a.txt").has_value());
    EXPECT_FALSE(browser->Naamwijzigen1Click(tabs + "/a.txt").has_value());
    EXPECT_EQ(Lees(tabs + "/a.txt"), QByteArray("inhoud van a.txt"));
    EXPECT_EQ(Lees(tabs + "/b.chopro"), QByteArray("inhoud van b.chopro"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Browser, TreeHeightIsKeptForTheConfigurationFile)
{
    browser->ZetBoomHoogte(200);
    EXPECT_EQ(browser->BoomHoogte(), 200);
    EXPECT_EQ(browser->Directorylistbox1->height(), 200);
    FileBrowser later(prompter, instellingen);
    later.ZetBoomHoogte(313);
    later.resize(235, 700);
    later.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&later));
    EXPECT_EQ(later.BoomHoogte(), 313);
    EXPECT_EQ(later.Directorylistbox1->height(), 313);
}

} // namespace
} // namespace korvane
