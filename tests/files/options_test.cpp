// The options dialog: "Opties.txt" as written from the fields and as read at
// the next start, and cancel.
#include "files/options.h"

#include "bestanden.h"
#include "common/scriptedprompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace korvane {
namespace {

using namespace test;

struct Opties : ::testing::Test {
    QTemporaryDir tmp;
    ScriptedPrompter prompter;
    Instellingen instellingen;
    TForm2 dialoog{prompter};
    QFont editorFont{QStringLiteral("DejaVu Sans Mono"), 11};

    void SetUp() override
    {
        instellingen.programmamap = tmp.path() + "/";
        instellingen.tabmap = QStringLiteral("/muziek/tabs");
        // editorvet and printervet are on here, yet the bold lines come only
        // from fonts picked in the dialog.
        dialoog.FormActivate(instellingen, editorFont);
    }
    QStringList Geschreven() const { return QString::fromStdString(Lees(tmp.filePath("Opties.txt"))).split("\r\n"); }
};

TEST_F(Opties, CancelWritesNothingAndOpslaanWritesTheFieldsWithBoldOnlyFromAPickedFont)
{
    // A folder chooser that returns nothing leaves the typed text.
    prompter.fileNames = {QString()};
    dialoog.Directory->setText(QStringLiteral("/elders"));
    dialoog.Button1->click();
    EXPECT_EQ(dialoog.Directory->text(), QStringLiteral("/elders"));
    dialoog.richbox->setChecked(true);
    dialoog.Backupbox->setChecked(true);
    dialoog.CancelButton->click();
    EXPECT_EQ(Geschreven(), QStringList{"<onleesbaar>"});
    EXPECT_EQ(instellingen.tabmap, QStringLiteral("/muziek/tabs"));

    // Shown again: all is refilled but the rich-text box. Any start-up text
    // but "Empty" and "Wizard" selects "Laatste file".
    instellingen.opstartmodus = QStringLiteral("wizard");
    dialoog.FormActivate(instellingen, editorFont);
    QFont vet(QStringLiteral("Liberation Mono"), 14), gewoon(QStringLiteral("Liberation Mono"), 13);
    vet.setBold(true);
    // Bold, then regular again; a cancelled printer font changes nothing.
    prompter.fonts = {vet, gewoon, std::nullopt};
    dialoog.Editbutton->click();
    dialoog.Editbutton->click();
    dialoog.Printerbutton->click();
    dialoog.OKButton->click();
    EXPECT_EQ(Geschreven(), (QStringList{"/muziek/tabs", "", "Liberation Mono", "13", "Normal",
                                         "courier new", "9", "Normal", "DirTree", "Richtext", "No Backup", "Fixed",
                                         "Pagenumbers", "Lastfile", ""}));
}

TEST_F(Opties, RoundTripFromTheDialogToTheNextStartUpsSettings)
{
    dialoog.Directory->setText(QStringLiteral("/tabs/\u00e9t\u00e9"));
    dialoog.Printersize->setText(QStringLiteral("12"));
    for (QCheckBox* c : {dialoog.fullscr, dialoog.richbox, dialoog.Backupbox, dialoog.Fixedbox, dialoog.Pagenumbox})
        c->toggle();
    dialoog.m_opstartKnoppen->button(0)->click();
    // A chosen folder that does not exist yet is made after a question.
    const QString media = tmp.filePath("nieuw/media");
    prompter.fileNames = {media};
    prompter.answers = {Answer::Yes};
    dialoog.MediadirButton->click();
    EXPECT_TRUE(QDir(media).exists());
    dialoog.OKButton->click();
    EXPECT_EQ(instellingen.tabmap, QStringLiteral("/tabs/\u00e9t\u00e9"));
    EXPECT_TRUE(Lees(tmp.filePath("Opties.txt")).starts_with("/tabs/\xe9t\xe9\r\n"));

    Instellingen volgende;
    ASSERT_EQ(LeesOpties(instellingen.programmamap, volgende).status, OptiesStatus::Gelezen);
    EXPECT_EQ(volgende.tabmap, QStringLiteral("/tabs/\u00e9t\u00e9"));
    EXPECT_EQ(volgende.opstartmodus, opstartLeeg);
    // Written again by the program, the settings read give the same file.
    QTemporaryDir ander;
    ASSERT_EQ(SchrijfOpties(ander.path() + "/", volgende), QString());
    EXPECT_EQ(Lees(ander.filePath("Opties.txt")), Lees(tmp.filePath("Opties.txt")));
}

} // namespace
} // namespace korvane
