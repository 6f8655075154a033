// The options dialog: "Opties.txt" as written from the fields and as read at
// the next start, and cancel.
#include "files/options.h"
#include "files/taal.h"

#include "bestanden.h"
#include "common/scriptedprompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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


TEST_F(Opties, TheLanguageIsKeptInTheUserSettingsBesideTheLinesOfOptiesTxt)
{
    ZetTaalkeuze(Taalkeuze::Systeem);
    dialoog.FormActivate(instellingen, editorFont);
    EXPECT_EQ(dialoog.Taalbox->currentText(), QStringLiteral("Systeem"));
    dialoog.Taalbox->setCurrentIndex(2);
    dialoog.OKButton->click();
    EXPECT_EQ(OpgeslagenTaalkeuze(), Taalkeuze::Engels);
    EXPECT_EQ(Geschreven().size(), 15);
    EXPECT_FALSE(Geschreven().contains(QStringLiteral("en")));

    dialoog.FormActivate(instellingen, editorFont);
    EXPECT_EQ(dialoog.Taalbox->currentText(), QStringLiteral("English"));
    dialoog.Taalbox->setCurrentIndex(1);
    dialoog.OKButton->click();
    EXPECT_EQ(OpgeslagenTaalkeuze(), Taalkeuze::Nederlands);
    dialoog.FormActivate(instellingen, editorFont);
    dialoog.Taalbox->setCurrentIndex(0);
    dialoog.OKButton->click();
    EXPECT_EQ(OpgeslagenTaalkeuze(), Taalkeuze::Systeem);
}

// "Systeem" as a locale decides it.
struct LocaleRij {
    const char* locale;
    const char* taal;
};

class SysteemTaal : public ::testing::TestWithParam<LocaleRij> {};

TEST_P(SysteemTaal, EnglishForEnglishDutchForDutchAndCAndEnglishForTheRest)
{
    EXPECT_EQ(TaalVan(Taalkeuze::Systeem, QLocale(QString::fromLatin1(GetParam().locale))),
              QString::fromLatin1(GetParam().taal))
        << GetParam().locale;
    EXPECT_EQ(TaalVan(Taalkeuze::Nederlands, QLocale(QString::fromLatin1(GetParam().locale))), QStringLiteral("nl"));
    EXPECT_EQ(TaalVan(Taalkeuze::Engels, QLocale(QString::fromLatin1(GetParam().locale))), QStringLiteral("en"));
}

INSTANTIATE_TEST_SUITE_P(Locales, SysteemTaal,
                         ::testing::Values(LocaleRij{"en_US", "en"}, LocaleRij{"en_GB", "en"},
                                           LocaleRij{"nl_NL", "nl"}, LocaleRij{"nl_BE", "nl"},
                                           LocaleRij{"C", "nl"}, LocaleRij{"POSIX", "nl"},
                                           LocaleRij{"de_DE", "en"}, LocaleRij{"fr_FR", "en"}));

// --lang is taken out of the command line; the rest stays in order.
struct OptieRij {
    std::vector<const char*> argv;
    std::optional<QString> taal;
    std::vector<const char*> rest;
};

class TaalOptieRij : public ::testing::TestWithParam<OptieRij> {};

TEST_P(TaalOptieRij, TakesTheOptionOutOfArgv)
{
    std::vector<char*> argv;
    std::vector<QByteArray> opslag;
    for (const char* a : GetParam().argv)
        opslag.emplace_back(a);
    for (QByteArray& a : opslag)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(opslag.size());
    EXPECT_EQ(TaalOptie(argc, argv.data()), GetParam().taal);
    std::vector<std::string> rest(argv.begin(), argv.begin() + argc);
    EXPECT_EQ(rest, std::vector<std::string>(GetParam().rest.begin(), GetParam().rest.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Argumenten, TaalOptieRij,
    ::testing::Values(OptieRij{{"korvane", "--lang", "en", "a.tab"}, QStringLiteral("en"), {"korvane", "a.tab"}},
                      OptieRij{{"korvane", "a.tab", "--lang=nl"}, QStringLiteral("nl"), {"korvane", "a.tab"}},
                      OptieRij{{"korvane", "--lang", "de"}, QString(), {"korvane"}},
                      OptieRij{{"korvane", "--lang"}, QString(), {"korvane"}},
                      OptieRij{{"korvane", "a.tab"}, std::nullopt, {"korvane", "a.tab"}}));

} // namespace
} // namespace korvane
