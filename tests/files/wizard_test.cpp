// The new-tab wizard: the documents it builds for each choice, its enabling
// rules and what it hands to the main window, on an in-memory document.
#include "files/wizard.h"

#include "common/scriptedprompter.h"
#include "core/memoryeditor.h"
#include "core/staff.h"
#include "qstringprinter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

// The main window as the wizard sees it: its staff controls recorded, the
// document in memory.
struct Venster : WizardDoel {
    MemoryEditor editor;
    test::ScriptedPrompter prompter;
    TabState state;
    int spinEdit2 = 80;
    QString bestandsnaam = QStringLiteral("C:/tabs/oud.tab");
    QString caption;
    QString comboText = QStringLiteral("EADGBE");
    int comboIndex = 0;
    int maatsoortIndex = -1;
    bool klaar = false;

    TabContext Context() override { return {editor, prompter, state}; }
    int Tabbreedte() const override { return spinEdit2; }
    void ZetTabbreedte(int w) override { spinEdit2 = w; }
    void ZetNaamloos() override
    {
        bestandsnaam = QStringLiteral("naamloos.tab");
        caption = QStringLiteral("Korvane1.0 - naamloos.tab");
    }
    void ZetStemming(const QString& tekst, int index) override
    {
        comboText = tekst;
        comboIndex = index;
    }
    void ZetMaatsoort(int index) override { maatsoortIndex = index; }
    void DocumentKlaar() override { klaar = true; }
};

std::vector<std::string> Regels(const EditorOps& ed)
{
    std::vector<std::string> r;
    for (int i = 0; i < ed.LineCount(); ++i)
        r.push_back(ed.GetLine(i));
    return r;
}

std::vector<std::string> Staf(const std::string& stemming, int maatsoort, int breedte)
{
    Stemming s;
    BerekenStemming(stemming, s);
    TabInstellingen in;
    in.maatsoorten = maatsoort > 0;
    in.maatsoort = maatsoort - 1;
    in.tabbreedte = breedte;
    std::vector<std::string> r{""};
    for (auto& l : LegeBalk(s, in))
        r.push_back(l);
    return r;
}

struct CentreerGeval {
    int lengte;
    int blanks;
};

class Centreren : public ::testing::TestWithParam<CentreerGeval> {};

TEST_P(Centreren, TitleStandsCentredInEightyFiveColumns)
{
    Venster v;
    WizardKeuze k;
    k.titel = std::string(GetParam().lengte, 'T');
    k.helePagina = false;
    TabContext ctx = v.Context();
    BouwNieuweTab(ctx, k);
    ASSERT_GE(v.editor.LineCount(), 3);
    EXPECT_EQ(v.editor.GetLine(0), std::string(85, '='));
    EXPECT_EQ(v.editor.GetLine(1), std::string(GetParam().blanks, ' ') + k.titel);
    EXPECT_EQ(v.editor.GetLine(2), std::string(85, '='));
}

INSTANTIATE_TEST_SUITE_P(Lengtes, Centreren,
                         ::testing::Values(CentreerGeval{1, 43}, CentreerGeval{2, 42}, CentreerGeval{84, 1},
                                           CentreerGeval{85, 1}, CentreerGeval{86, 1}, CentreerGeval{87, 0},
                                           CentreerGeval{120, 0}));

TEST(WizardDocument, TitleArtistCapoAndFourFourFillAWholePage)
{
    Venster v;
    v.editor.SetText("oude tekst\r\nmet twee regels");
    WizardKeuze k;
    k.titel = "Lied";
    k.artiest = "Artiest";
    k.capo = 2;
    k.maatsoort = 2;
    TabContext ctx = v.Context();
    BouwNieuweTab(ctx, k);

    std::vector<std::string> verwacht{std::string(85, '='), GecentreerdeRegel("Lied"), GecentreerdeRegel("Artiest"),
                                      std::string(85, '='), "Capo: 2", "4/4"};
    for (int i = 0; i < 8; ++i)
        for (auto& l : Staf("EADGBE", 2, 80))
            verwacht.push_back(l);
    EXPECT_EQ(Regels(v.editor), verwacht);
    EXPECT_EQ(v.editor.Text().substr(v.editor.Text().size() - 2), "\r\n");
    EXPECT_EQ(v.editor.CaretOffset(), 0);
    EXPECT_FALSE(v.editor.Modified());
    // inserttab analysed the document: all eight staffs are known.
    EXPECT_EQ(v.state.analyse.aantalbalken, 8);
}

TEST(WizardDocument, CapoZeroAndGeenGiveEmptyLinesAndAnExtraBreakAfterEachStaff)
{
    Venster v;
    WizardKeuze k;
    k.maatsoort = 0;
    k.helePagina = false;
    k.aantalregels = 2;
    k.tabbreedte = 30;
    TabContext ctx = v.Context();
    BouwNieuweTab(ctx, k);

    std::vector<std::string> verwacht{"", ""};
    for (int i = 0; i < 2; ++i) {
        for (auto& l : Staf("EADGBE", 0, 30))
            verwacht.push_back(l);
        verwacht.push_back("");
    }
    EXPECT_EQ(Regels(v.editor), verwacht);
    EXPECT_EQ(v.editor.GetLine(3).size(), 30u);
    EXPECT_FALSE(v.state.instellingen.maatsoorten);
}

TEST(WizardDocument, WholePageOffWithOneStaffGivesExactlyOneStaff)
{
    Venster v;
    WizardKeuze k;
    k.maatsoort = 4;
    k.helePagina = false;
    k.aantalregels = 1;
    k.stemming = "DADF#AD";
    TabContext ctx = v.Context();
    BouwNieuweTab(ctx, k);

    std::vector<std::string> verwacht{"", "12/8"};
    for (auto& l : Staf("DADF#AD", 4, 80))
        verwacht.push_back(l);
    EXPECT_EQ(Regels(v.editor), verwacht);
    EXPECT_EQ(v.state.analyse.aantalbalken, 1);
    EXPECT_EQ(v.state.instellingen.maatsoort, 3);
}

TEST(WizardDocument, EmptyTuningRefusesOnceInsteadOfOncePerStaff)
{
    Venster v;
    WizardKeuze k;
    k.stemming.clear();
    TabContext ctx = v.Context();
    BouwNieuweTab(ctx, k);
    EXPECT_EQ(v.prompter.messages, std::vector<std::string>{"Geen stemming geselecteerd"});
    EXPECT_EQ(Regels(v.editor), (std::vector<std::string>{"", "4/4"}));
}

TEST(WizardDocument, AnOldLineSnapshotCannotBeUndoneIntoTheNewDocument)
{
    Venster v;
    v.editor.SetText("a\r\nb\r\n");
    NeemSnapshot(v.editor, v.state.snapshot, 0, 1);
    v.state.snapshot.undomogelijk = true;
    WizardKeuze k;
    TabContext ctx = v.Context();
    BouwNieuweTab(ctx, k);
    EXPECT_FALSE(v.state.snapshot.undomogelijk);
}

// --- The dialog -----------------------------------------------------------

struct Dialoog : ::testing::Test {
    Venster v;
    TTabwizard wizard{v, v.prompter};

    // Shows the wizard modally and runs `doe` inside it.
    bool Toon(std::function<void()> doe)
    {
        // Shown through the prompter, as the window shows it; on screen, so
        // that keys reach its default button.
        v.prompter.dialogAnswers.push_back([doe](QDialog& d) {
            d.show();
            doe();
            if (d.isVisible())
                d.reject();
            return d.result();
        });
        return wizard.newtab();
    }
};

TEST_F(Dialoog, EnablingRulesFollowMaatsoortAndHelePagina)
{
    // As created: "4/4" and "Hele pagina", so both number fields are off.
    EXPECT_FALSE(wizard.Aantalregels->isEnabled());
    EXPECT_FALSE(wizard.Label5->isEnabled());
    EXPECT_FALSE(wizard.tabwidth->isEnabled());
    EXPECT_FALSE(wizard.Label6->isEnabled());

    wizard.m_maatsoortKnoppen->button(0)->click();
    EXPECT_TRUE(wizard.tabwidth->isEnabled());
    EXPECT_TRUE(wizard.Label6->isEnabled());
    wizard.m_maatsoortKnoppen->button(3)->click();
    EXPECT_FALSE(wizard.tabwidth->isEnabled());

    wizard.Paginabox->click();
    EXPECT_TRUE(wizard.Aantalregels->isEnabled());
    EXPECT_TRUE(wizard.Label5->isEnabled());
}

TEST_F(Dialoog, ShowingResetsTuningTextAndClipsTheMainWindowsWidth)
{
    wizard.ZetStemmingen({"DADGAD", "EADGBE"});
    v.spinEdit2 = 90;
    Toon([this] {
        EXPECT_EQ(wizard.Tuningbox->currentText(), QStringLiteral("EADGBE"));
        EXPECT_EQ(wizard.tabwidth->value(), 85);
        wizard.Tuningbox->setCurrentText(QStringLiteral("DADGAD"));
    });
    v.spinEdit2 = 40;
    Toon([this] {
        EXPECT_EQ(wizard.Tuningbox->currentText(), QStringLiteral("EADGBE"));
        EXPECT_EQ(wizard.tabwidth->value(), 40);
    });
}

TEST_F(Dialoog, StandaardInstellingenResetsFieldsButKeepsTheTuning)
{
    wizard.ZetStemmingen({"DADGAD", "EADGBE"});
    wizard.FormActivate();
    wizard.Titelbox->setText(QStringLiteral("t"));
    wizard.Artistbox->setText(QStringLiteral("a"));
    wizard.Capobox->setValue(5);
    wizard.m_maatsoortKnoppen->button(0)->click();
    wizard.Paginabox->click();
    wizard.Aantalregels->setValue(7);
    wizard.Tuningbox->setCurrentText(QStringLiteral("DADGAD"));
    v.spinEdit2 = 50;
    wizard.tabwidth->setValue(20);

    wizard.Defaultbutton->click();
    EXPECT_EQ(wizard.Titelbox->text(), QString());
    EXPECT_EQ(wizard.Artistbox->text(), QString());
    EXPECT_EQ(wizard.Capobox->value(), 0);
    EXPECT_EQ(wizard.m_maatsoortKnoppen->checkedId(), 2);
    EXPECT_TRUE(wizard.Paginabox->isChecked());
    EXPECT_EQ(wizard.Aantalregels->value(), 1);
    EXPECT_EQ(wizard.tabwidth->value(), 50);
    EXPECT_FALSE(wizard.Aantalregels->isEnabled());
    EXPECT_FALSE(wizard.tabwidth->isEnabled());
    EXPECT_EQ(wizard.Tuningbox->currentText(), QStringLiteral("DADGAD"));
}

TEST_F(Dialoog, CancelLeavesDocumentNameAndStaffSettingsAlone)
{
    v.editor.SetText("mijn tab\r\n");
    v.editor.SetModified(true);
    v.state.instellingen.tabbreedte = 60;
    const bool gebouwd = Toon([this] {
        wizard.Titelbox->setText(QStringLiteral("x"));
        QTest::mouseClick(wizard.Cancelbutton, Qt::LeftButton);
    });
    EXPECT_FALSE(gebouwd);
    EXPECT_EQ(v.editor.Text(), "mijn tab\r\n");
    EXPECT_TRUE(v.editor.Modified());
    EXPECT_EQ(v.bestandsnaam, QStringLiteral("C:/tabs/oud.tab"));
    EXPECT_EQ(v.spinEdit2, 80);
    EXPECT_EQ(v.maatsoortIndex, -1);
    EXPECT_EQ(v.state.instellingen.tabbreedte, 60);
    EXPECT_FALSE(v.klaar);
    // The fields keep what was entered for the next showing.
    EXPECT_EQ(wizard.Titelbox->text(), QStringLiteral("x"));
}

} // namespace
} // namespace korvane
