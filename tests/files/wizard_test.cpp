// The new-tab wizard driven through its dialog over an in-memory document:
// the documents it builds for each choice, and cancel.
#include "files/wizard.h"

#include "common/scriptedprompter.h"
#include "core/memoryeditor.h"
#include "core/utf8.h"
#include "core/staff.h"
#include "qstringprinter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane {
namespace {

// The main window as the wizard sees it.
struct Venster : WizardDoel {
    MemoryEditor editor;
    test::ScriptedPrompter prompter;
    TabState state;
    int spinEdit2 = 80;
    QString bestandsnaam = QStringLiteral("oud.tab");

    TabContext Context() override { return {editor, prompter, state}; }
    int Tabbreedte() const override { return spinEdit2; }
    // The main window's width box holds 20..90.
    void ZetTabbreedte(int w) override { spinEdit2 = std::clamp(w, 20, 90); }
    void ZetNaamloos() override { bestandsnaam = QStringLiteral("naamloos.tab"); }
    void ZetStemming(const QString&, int) override {}
    void ZetMaatsoort(int) override {}
    void DocumentKlaar() override {}
};

std::string Blanks(int n) { return std::string(n, ' '); }
const std::string regel(85, '='), T85(85, 'T');

struct Geval {
    const char* naam;
    std::string titel, artiest, stemming;
    int capo, maatsoort, aantal, breedte;
    bool helePagina, ok;
    std::vector<std::string> kop;   // the lines above the staffs
    int staven;
    int balkbreedte = 0;            // the staffs' width, when not `breedte`
};

struct Documenten : ::testing::TestWithParam<Geval> {
    Venster v;
    TTabwizard wizard{v, v.prompter};
};

TEST_P(Documenten, HeaderLinesThenTheStaffsForTheChosenTuningAndTimeSignature)
{
    const Geval& g = GetParam();
    v.editor.SetText(U"mijn tab\r\n");
    v.editor.SetModified(true);
    // A line snapshot of the old document must not be undone into the new one.
    v.state.snapshot.undomogelijk = true;
    wizard.ZetStemmingen({QStringLiteral("DADGAD"), QStringLiteral("EADGBE")});
    // Shown modally through the prompter, which runs this inside it.
    v.prompter.dialogAnswers.push_back([&](QDialog& d) {
        wizard.Titelbox->setText(QString::fromStdString(g.titel));
        wizard.Artistbox->setText(QString::fromStdString(g.artiest));
        wizard.Capobox->setValue(g.capo);
        wizard.m_maatsoortKnoppen->button(g.maatsoort)->click();
        wizard.Paginabox->setChecked(g.helePagina);
        wizard.Aantalregels->setValue(g.aantal);
        wizard.tabwidth->setValue(g.breedte);
        // Typed, as the user does; the list holds longer tunings that begin alike.
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        wizard.Tuningbox->setFocus();
        wizard.Tuningbox->clearEditText();
        QTest::keyClicks(wizard.Tuningbox, QString::fromStdString(g.stemming));
        (g.ok ? wizard.Okbutton : wizard.Cancelbutton)->click();
        return d.result();
    });
    EXPECT_EQ(wizard.newtab(), g.ok);

    Stemming s;
    BerekenStemming(VanUtf8(g.stemming), s);
    const int breedte = g.balkbreedte ? g.balkbreedte : g.breedte;
    TabInstellingen in{.tabbreedte = breedte, .maatsoorten = g.maatsoort > 0, .maatsoort = g.maatsoort - 1};
    std::vector<std::string> verwacht = g.kop;
    for (int i = 0; i < g.staven; ++i) {
        verwacht.push_back("");
        for (const std::u32string& l : LegeBalk(s, in))
            verwacht.push_back(Utf8(l));
        if (g.maatsoort == 0)
            verwacht.push_back("");
    }
    std::vector<std::string> regels;
    for (int i = 0; i < v.editor.LineCount(); ++i)
        regels.push_back(Utf8(v.editor.GetLine(i)));
    EXPECT_EQ(regels, verwacht);
    EXPECT_EQ(v.state.analyse.aantalbalken, g.staven);
    EXPECT_EQ(v.prompter.messages.size(), g.ok && g.stemming.empty() ? 1u : 0u);
    EXPECT_EQ(v.editor.Modified(), !g.ok);
    EXPECT_EQ(v.state.snapshot.undomogelijk, !g.ok);
    EXPECT_EQ(v.bestandsnaam, g.ok ? QStringLiteral("naamloos.tab") : QStringLiteral("oud.tab"));
    EXPECT_EQ(v.spinEdit2, g.ok ? breedte : 80);
    EXPECT_EQ(v.editor.CaretOffset(), 0);
}

const std::string E = "EADGBE";
INSTANTIATE_TEST_SUITE_P(
    Gevallen, Documenten,
    ::testing::Values(
        Geval{"titel_1", "T", "", E, 0, 2, 1, 80, false, true, {regel, Blanks(43) + "T", regel, "", "4/4"}, 1},
        Geval{"titel_85", T85, "", E, 0, 2, 1, 80, false, true, {regel, " " + T85, regel, "", "4/4"}, 1},
        Geval{"titel_86", T85 + "T", "", E, 0, 2, 1, 80, false, true, {regel, " " + T85 + "T", regel, "", "4/4"}, 1},
        Geval{"titel_87", T85 + "TT", "", E, 0, 2, 1, 80, false, true, {regel, T85 + "TT", regel, "", "4/4"}, 1},
        // Centred by characters: nine, not the seventeen bytes of their UTF-8.
        Geval{"titel_tekens", "Caf\u00E9 \u6771\u4EAC \U0001F3B8", "", E, 0, 2, 1, 80, false, true,
              {regel, Blanks(39) + "Caf\u00E9 \u6771\u4EAC \U0001F3B8", regel, "", "4/4"}, 1},
        Geval{"hele_pagina", "Lied", "Artiest", E, 2, 2, 1, 80, true, true,
              {regel, Blanks(41) + "Lied", Blanks(40) + "Artiest", regel, "Capo: 2", "4/4"}, 8},
        Geval{"capo_0_geen", "", "", E, 0, 0, 2, 30, false, true, {"", ""}, 2},
        // Narrower than the main window's box allows: the staffs are as wide as the box then says.
        Geval{"breedte_10", "", "", E, 0, 0, 1, 10, false, true, {"", ""}, 1, 20},
        // Not in the tuning list: the typed text is the tuning.
        Geval{"een_balk_12_8", "", "", "DADF#AD", 0, 4, 1, 80, false, true, {"", "12/8"}, 1},
        // The start of a list entry is a tuning of its own: four bass strings.
        Geval{"bas", "", "", "EADG", 0, 2, 1, 80, false, true, {"", "4/4"}, 1},
        // inserttab refuses an empty tuning once, not once per staff.
        Geval{"geen_stemming", "", "", "", 0, 2, 1, 80, true, true, {"", "4/4"}, 0},
        Geval{"annuleren", "x", "", E, 3, 0, 2, 30, false, false, {"mijn tab"}, 0}),
    [](const auto& i) { return std::string(i.param.naam); });

} // namespace
} // namespace korvane
