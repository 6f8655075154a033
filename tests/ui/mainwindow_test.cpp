// The real main window, driven headless: shortcuts and menu actions through
// the command table, typed keys, the status bar, enabled states, the staff
// jumps, find and replace, undo and the formatting commands.
#include "common/scriptedprompter.h"

#include "core/analysis.h"
#include "ui/commandtable.h"
#include "ui/editorwidget.h"
#include "ui/findreplace.h"
#include "ui/linefont.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace korvane::test {
namespace {

// Six-string staff lines of width 20, top string first.
const char* const kStaff = "e|-----------------|\nB|-----------------|\nG|-----------------|\n"
                           "D|-----------------|\nA|-----------------|\nE|-----------------|";

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The line font from the build tree, as the program finds it beside itself.
        static const QString font =
            RegisterLineFontFrom({QFileInfo(QStringLiteral(KORVANE_FONT_FILE)).absolutePath()});
        ASSERT_FALSE(font.isEmpty());
        ASSERT_TRUE(dir.isValid());
        // Known options, and no wizard at start-up.
        QFile opties(dir.filePath(QStringLiteral("Opties.txt")));
        const QByteArray map = dir.path().toUtf8();
        ASSERT_TRUE(opties.open(QIODevice::WriteOnly));
        opties.write(map + "\r\n" + map + "\r\nDejaVu Sans Mono\r\n9\r\nBold\r\nDejaVu Sans Mono\r\n9\r\n"
                     "Bold\r\nDirTree\r\nPlaintext\r\nNo Backup\r\nFixed\r\nPagenumbers\r\nEmpty\r\n");
        opties.close();
        OpstartGegevens start;
        start.programmamap = dir.path() + u'/';
        w = std::make_unique<TForm1>(prompter, start);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->Editor->setFocus();
    }

    // Replaces the document without leaving undo or a modified mark.
    void Zet(const QString& tekst)
    {
        w->Editor->setPlainText(tekst);
        w->editor().ClearUndo();
        w->editor().SetModified(false);
        analyze(w->editor(), w->state.analyse);
    }
    std::string Tekst() const { return w->editor().Text(); }
    QString Paneel(int i) const { return w->statusPaneel(i)->text(); }
    QAction* Actie(const char* id) const { return w->action(QString::fromLatin1(id)); }
    bool Aan(const char* id) const { return Actie(id)->isEnabled(); }
    bool Vinkje(const char* id) const { return Actie(id)->isChecked(); }
    void Trigger(const char* id) { Actie(id)->trigger(); }
    void Toets(int key, Qt::KeyboardModifiers mods = {}, QWidget* waar = nullptr)
    {
        QTest::keyClick(waar ? waar : w->Editor, static_cast<Qt::Key>(key), mods);
    }
    int Op(int regel, int kolom) const { return w->editor().LineStart(regel) + kolom; }
    void Caret(int offset, int selectie = 0)
    {
        w->editor().SetCaret(offset);
        w->editor().SetSelectionLength(selectie);
    }
    std::pair<int, int> Selectie() const { return {w->editor().CaretOffset(), w->editor().SelectionLength()}; }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
};

TEST(CommandTable, EveryRowHasAHandlerAndEveryShortcutIsUsedOnce)
{
    QSet<QString> namen, toetsen;
    for (const Commando& c : CommandoTabel()) {
        if (c.menuItem && QByteArray(c.menuItem) == "-")
            continue;
        for (const char* n : {c.menuItem, c.button})
            if (n) {
                EXPECT_FALSE(namen.contains(QString::fromLatin1(n))) << "name used twice: " << n;
                namen.insert(QString::fromLatin1(n));
            }
        const char* naam = c.menuItem ? c.menuItem : c.button;
        ASSERT_TRUE(naam);
        EXPECT_TRUE(c.handler) << naam;
        const QString k = QKeySequence(QString::fromLatin1(c.shortcut), QKeySequence::PortableText)
                              .toString(QKeySequence::PortableText);
        EXPECT_EQ(k.isEmpty(), !*c.shortcut) << naam << ": " << c.shortcut;
        EXPECT_TRUE(k.isEmpty() || !toetsen.contains(k)) << "shortcut used twice: " << c.shortcut;
        toetsen.insert(k);
    }
}

// --- Shortcuts reach their commands from the editor and from tool-bar controls

struct Sneltoets {
    const char* naam;
    int key;
    Qt::KeyboardModifiers mods;
    bool vanuitWerkbalk;  // pressed with the focus in the tab-width box
    int regel;
    const char* verwacht;  // that line afterwards
};

class Shortcuts : public Window, public ::testing::WithParamInterface<Sneltoets> {};

TEST_P(Shortcuts, ChangeTheStaffAroundTheCaretAndMarkTheDocument)
{
    const Sneltoets s = GetParam();
    w->SpinEdit2->setValue(20);
    Zet(QString::fromLatin1(kStaff));
    Caret(Op(2, 5));
    if (s.vanuitWerkbalk)
        w->SpinEdit2->setFocus();
    Toets(s.key, s.mods, s.vanuitWerkbalk ? w->SpinEdit2 : nullptr);
    EXPECT_EQ(w->editor().GetLine(s.regel), s.verwacht);
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
}

INSTANTIATE_TEST_SUITE_P(
    Window, Shortcuts,
    ::testing::Values(Sneltoets{"Maatstreep", Qt::Key_B, Qt::AltModifier, false, 0, "e|---|--------------|"},
                      Sneltoets{"MaatstreepVanuitWerkbalk", Qt::Key_B, Qt::AltModifier, true, 5,
                                "E|---|--------------|"},
                      Sneltoets{"Spatie", Qt::Key_Space, Qt::AltModifier, false, 3, "D|------------------|"},
                      Sneltoets{"Beginherhaling", Qt::Key_BracketLeft, Qt::AltModifier, false, 1,
                                "B|---||*-------------|"},
                      Sneltoets{"Eindherhaling", Qt::Key_BracketRight, Qt::AltModifier, true, 1,
                                "B|---*||-------------|"},
                      Sneltoets{"LegeRegelTab", Qt::Key_T, Qt::AltModifier, false, 3, "E|-----------------|"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Window, LineFontConversionBothWaysFromTheirKeysLeavesTheDocumentUnmodified)
{
    w->Editor->setFont(QFont(QStringLiteral("Korvane")));
    Zet(QString::fromLatin1(kStaff));
    Toets(Qt::Key_Minus, Qt::AltModifier | Qt::KeypadModifier);  // another key
    const std::string ascii = QString::fromLatin1(kStaff).replace(u'\n', QStringLiteral("\r\n")).toStdString();
    EXPECT_EQ(Tekst(), ascii);
    Toets(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_TRUE(w->tablijnenOmgezet);
    EXPECT_EQ(w->editor().GetLine(0), "e\xF6" + std::string(17, '\xFF') + "\xF7");
    EXPECT_EQ(Paneel(PaneelVeranderd), QString());
    Toets(Qt::Key_Backslash, Qt::AltModifier);
    EXPECT_FALSE(w->tablijnenOmgezet);
    EXPECT_EQ(Tekst(), ascii);
}

TEST_F(Window, EscWithOrWithoutModifiersReturnsToTheStartDirectory)
{
    QSignalSpy start(Actie("Startdirectory1"), &QAction::triggered);
    Toets(Qt::Key_Escape);
    Toets(Qt::Key_Escape, Qt::ShiftModifier);
    Toets(Qt::Key_Escape, Qt::ControlModifier, w->SpinEdit2);
    EXPECT_EQ(start.count(), 3);
}

// --- Typing, the status bar and enabled states

TEST_F(Window, TypingUpdatesPositionModifiedMarkAndEnabledStates)
{
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   1   Kolom:   1"));
    for (const char* id : {"Knippen", "Kopiren1", "Zoeken1", "Vervangen1", "Undo", "Verticaalplakken1"})
        EXPECT_FALSE(Aan(id)) << id;
    const char* const tekstActies[] = {"Zoeken1", "Vervangen1", "Zoeken", "Vervangen", "preview",
                                       "Afdrukvoorbeeld1", "printbutton", "Afdrukken1"};
    QTest::keyClicks(w->Editor, QStringLiteral("abc"));
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   1   Kolom:   4"));
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
    for (const char* id : tekstActies)
        EXPECT_TRUE(Aan(id)) << id;
    EXPECT_TRUE(Aan("Undo") && Aan("Ongedaanmaken1"));
    Toets(Qt::Key_Return);
    QTest::keyClicks(w->Editor, QStringLiteral("de"));
    Toets(Qt::Key_Left);
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   2   Kolom:   2"));
    EXPECT_TRUE(w->state.analyse.analyseNodig);

    // Selecting enables cut and copy; deleting everything disables the text
    // commands but leaves undo as it was.
    w->Editor->selectAll();
    EXPECT_TRUE(Aan("Knippen") && Aan("Kopiren1") && Aan("VerticaalKopiren1"));
    Toets(Qt::Key_Delete);
    EXPECT_FALSE(Aan("Knippen") || Aan("Kopiren1") || Aan("VerticaalKnippen1"));
    for (const char* id : tekstActies)
        EXPECT_FALSE(Aan(id)) << id;
    EXPECT_TRUE(Aan("Undo") && Aan("Ongedaanmaken1"));
}

class Pages : public Window, public ::testing::WithParamInterface<std::tuple<int, int, int, const char*>> {};

TEST_P(Pages, PagePanelFollowsTheCaretLine)
{
    const auto [regels, regelsPerPagina, caretRegel, verwacht] = GetParam();
    Zet(QStringLiteral("r\n").repeated(regels).chopped(1));
    w->paginastand.regelsPerPagina = regelsPerPagina;
    Caret(Op(caretRegel, 0));
    w->ToonCaretPositie();
    EXPECT_EQ(Paneel(PaneelPagina), QString::fromLatin1(verwacht));
}

// Lines, lines per page, caret line; no lines per page at all still counts pages.
INSTANTIATE_TEST_SUITE_P(Window, Pages,
                         ::testing::Values(std::tuple{60, 60, 59, "Pagina   1 van   2"},
                                           std::tuple{61, 60, 60, "Pagina   2 van   2"},
                                           std::tuple{1, 60, 0, "Pagina   1 van   1"},
                                           std::tuple{3, 0, 2, "Pagina   3 van   4"},
                                           std::tuple{3, -5, 1, "Pagina   2 van   4"}));

TEST_F(Window, InsertFlipsTheModeBeepsOnOverwriteAndTheEditorOverwrites)
{
    Zet(QStringLiteral("abcd"));
    Caret(1);
    Toets(Qt::Key_Insert);
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Overschrijven"));
    QTest::keyClicks(w->Editor, QStringLiteral("X"));
    Toets(Qt::Key_Insert);
    QTest::keyClicks(w->Editor, QStringLiteral("Y"));
    EXPECT_EQ(Tekst(), "aXYcd");
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Invoegen"));
    EXPECT_EQ(prompter.Beeps(Sound::Default), 1);
    // Insert in another control flips the indicator only.
    Toets(Qt::Key_Insert, {}, w->ComboBox1);
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Overschrijven"));
    EXPECT_EQ(prompter.Beeps(Sound::Default), 2);
}

// --- Staff jumps

class StaffJumps : public Window, public ::testing::WithParamInterface<std::tuple<int, int, int, int, int>> {};

TEST_P(StaffJumps, AltUpAndDownGoToTheFirstLineOfAStaff)
{
    // Staffs at lines 1..6 and 9..14; the second one's first line is short.
    const QString tweede = QString::fromLatin1(kStaff).replace(QStringLiteral("e|-----------------|"),
                                                               QStringLiteral("e|--------|"));
    Zet(QStringLiteral("titel\n%1\n\nlyrics\n%2\nend").arg(QString::fromLatin1(kStaff), tweede));
    ASSERT_EQ(w->state.analyse.aantalbalken, 2);
    const auto [key, vanRegel, vanKolom, naarRegel, naarKolom] = GetParam();
    Caret(Op(vanRegel, vanKolom));
    Toets(key, Qt::AltModifier);
    EXPECT_EQ(Selectie(), (std::pair{Op(naarRegel, naarKolom), 0}));
}

// Key, caret line and column before, and after.
INSTANTIATE_TEST_SUITE_P(Window, StaffJumps,
                         ::testing::Values(std::tuple{Qt::Key_Down, 0, 3, 1, 3},
                                           std::tuple{Qt::Key_Down, 3, 15, 9, 11},  // clipped to the line
                                           std::tuple{Qt::Key_Down, 10, 2, 10, 2},  // below the last top
                                           std::tuple{Qt::Key_Up, 12, 4, 9, 4},     // top of the same staff
                                           std::tuple{Qt::Key_Up, 9, 4, 1, 4},      // staff above
                                           std::tuple{Qt::Key_Up, 1, 2, 1, 2},      // first staff's top
                                           std::tuple{Qt::Key_Up, 15, 1, 9, 1}));

TEST_F(Window, StaffJumpUsesTheLastAnalysisUntilACommandReruns)
{
    Zet(QStringLiteral("x\n") + QString::fromLatin1(kStaff));
    Toets(Qt::Key_Return);
    Toets(Qt::Key_Return);
    Caret(0);
    Toets(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Selectie(), (std::pair{Op(1, 0), 0}));
    // The remembered staff has gone with the text: nothing happens.
    w->Editor->clear();
    Toets(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Selectie(), (std::pair{0, 0}));
}

// --- Undo and the clipboard

TEST_F(Window, UndoRestoresTheLinesOfTheLastColumnCommandOnce)
{
    Zet(QString::fromLatin1(kStaff));
    Caret(Op(2, 5));
    Toets(Qt::Key_Space, Qt::AltModifier);
    const std::string naSpatie = Tekst();
    Toets(Qt::Key_BracketLeft, Qt::AltModifier);
    Caret(3);
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), naSpatie);
    EXPECT_EQ(Selectie(), (std::pair{3, 0}));
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), naSpatie);
}

TEST_F(Window, UndoRestoresAVerticalPasteOnce)
{
    Zet(QString::fromLatin1(kStaff));
    // A block of two columns from the first line to the last.
    QTextCursor c = w->Editor->textCursor();
    c.setPosition(Op(0, 3));
    c.setPosition(w->Editor->document()->findBlockByNumber(5).position() + 5, QTextCursor::KeepAnchor);
    w->Editor->setTextCursor(c);
    Toets(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(Aan("Verticaalplakken1"));
    const std::string voor = Tekst();
    Caret(10);
    Toets(Qt::Key_V, Qt::AltModifier);
    EXPECT_NE(Tekst(), voor);
    Caret(7);
    Trigger("Undo");
    EXPECT_EQ(Tekst(), voor);
    EXPECT_EQ(Selectie(), (std::pair{7, 0}));
    Trigger("Ongedaanmaken1");
    EXPECT_EQ(Tekst(), voor);
}

TEST_F(Window, AfterTypingAndClipboardUndoUsesTheWidgetAndDropsTheSnapshot)
{
    Zet(QString::fromLatin1(kStaff));
    Caret(Op(1, 4));
    Trigger("Maatstreep");
    const std::string naBalk = Tekst();
    QTest::keyClicks(w->Editor, QStringLiteral("7"));
    Trigger("Undo");
    EXPECT_EQ(Tekst(), naBalk);
    EXPECT_FALSE(w->state.snapshot.undomogelijk);

    Zet(QStringLiteral("hello world"));
    Caret(0, 6);
    Toets(Qt::Key_X, Qt::ControlModifier);
    w->Editor->moveCursor(QTextCursor::End);
    Trigger("Plakken");
    EXPECT_EQ(Tekst(), "worldhello ");
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), "world");
}

// --- Find and replace

enum class Knop { Zoek, VervangZoek, Vervang, Alles };

struct ZoekGeval {
    Knop knop;
    const char* tekst;  // UTF-8
    int caret, selectie;
    const char* wat;
    const char* door;
    bool hoofdletters;
    int keer;              // presses
    const char* verwacht;  // the text afterwards, Windows-1252
    int caretNa, selectieNa;
};

class FindReplace : public Window, public ::testing::WithParamInterface<ZoekGeval> {};

TEST_P(FindReplace, WalksForwardWithoutWrappingAndAlwaysEnds)
{
    const ZoekGeval g = GetParam();
    Zet(QString::fromUtf8(g.tekst));
    Caret(g.caret, g.selectie);
    const bool zoek = g.knop == Knop::Zoek;
    Trigger(zoek ? "Zoeken1" : "Vervangen");
    QPushButton* knop = nullptr;
    const auto vul = [&](auto* dialoog) {
        EXPECT_TRUE(dialoog->isVisible());
        EXPECT_FALSE(dialoog->volgendeKnop()->isEnabled());
        dialoog->zoekveld()->setText(QString::fromUtf8(g.wat));
        dialoog->hoofdletterVak()->setChecked(g.hoofdletters);
        knop = dialoog->volgendeKnop();
    };
    zoek ? vul(w->FindDialog1) : vul(w->ReplaceDialog1);
    w->ReplaceDialog1->vervangveld()->setText(QString::fromUtf8(g.door));
    if (g.knop == Knop::Vervang || g.knop == Knop::Alles)
        knop = g.knop == Knop::Vervang ? w->ReplaceDialog1->vervangKnop() : w->ReplaceDialog1->allesKnop();
    for (int i = 0; i < g.keer; ++i)
        knop->click();
    EXPECT_EQ(Tekst(), g.verwacht);
    EXPECT_EQ(Selectie(), (std::pair{g.caretNa, g.selectieNa}));
    EXPECT_TRUE(prompter.beeps.empty() && prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Window, FindReplace,
    ::testing::Values(
        // Find starts at the top, not at the caret, and then after the selection.
        ZoekGeval{Knop::Zoek, "ab ab", 4, 0, "ab", "", false, 1, "ab ab", 0, 2},
        ZoekGeval{Knop::Zoek, "ab ab", 4, 0, "ab", "", false, 2, "ab ab", 3, 2},
        ZoekGeval{Knop::Zoek, "ab ab", 4, 0, "ab", "", false, 3, "ab ab", 3, 2},
        ZoekGeval{Knop::Zoek, "xx AB", 0, 0, "ab", "", false, 1, "xx AB", 3, 2},
        ZoekGeval{Knop::Zoek, "xx AB", 0, 0, "ab", "", true, 1, "xx AB", 0, 0},
        ZoekGeval{Knop::Zoek, "xx AB ab", 0, 0, "ab", "", true, 1, "xx AB ab", 6, 2},
        ZoekGeval{Knop::Zoek, "line\nÉté", 0, 0, "été", "", false, 1, "line\r\n\xC9t\xE9", 6, 3},
        // The replace dialog's find next searches the same way with its own text.
        ZoekGeval{Knop::VervangZoek, "ab ab ab", 5, 0, "ab", "X", false, 1, "ab ab ab", 0, 2},
        // Replace starts at the caret, or after the selection.
        ZoekGeval{Knop::Vervang, "x-y-z", 0, 0, "-", "+", false, 1, "x+y-z", 2, 0},
        ZoekGeval{Knop::Vervang, "x-y-z", 0, 0, "-", "+", false, 2, "x+y+z", 4, 0},
        ZoekGeval{Knop::Vervang, "ab ab ab", 0, 2, "ab", "X", false, 1, "ab X ab", 4, 0},
        ZoekGeval{Knop::Alles, "------", 0, 0, "-", "=", false, 1, "======", 6, 0},
        ZoekGeval{Knop::Alles, "aaa", 0, 0, "a", "aa", false, 1, "aaaaaa", 6, 0},
        ZoekGeval{Knop::Alles, "a-b-c", 2, 0, "-", "+", false, 1, "a-b+c", 4, 0},
        ZoekGeval{Knop::Alles, "A-a-A", 0, 0, "a", "b", false, 1, "b-b-b", 5, 0}));

// --- Formatting

TEST_F(Window, StylesApplyToTheWholeTextInAsciiModeAndMenuAndButtonAgree)
{
    Zet(QStringLiteral("one two three"));
    const bool vet = w->instellingen.editorvet;
    Caret(4, 3);
    Trigger("Bold1");
    EXPECT_EQ(Selectie(), (std::pair{4, 0}));
    static_cast<QToolButton*>(w->ToolBar1->widgetForAction(Actie("VetButton")))->click();
    EXPECT_EQ(std::tuple(w->Editor->font().bold(), Vinkje("Bold1"), Vinkje("VetButton")), std::tuple(vet, vet, vet));
    Toets(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(w->Editor->font().bold(), Vinkje("Bold1"), Vinkje("VetButton")), std::tuple(!vet, !vet, !vet));
    Trigger("italicbutton");
    EXPECT_TRUE(w->Editor->font().italic() && Vinkje("Italic1"));
    Trigger("Underline1");
    EXPECT_TRUE(w->Editor->font().underline() && Vinkje("Underlinebutton"));
    prompter.colors = {QColor(Qt::red), std::nullopt};
    Trigger("Kleur");
    Trigger("Kleur1");  // cancelled
    EXPECT_EQ(w->Editor->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(Window, StylesApplyToTheSelectionOnlyInRichTextMode)
{
    Zet(QStringLiteral("one two three"));
    Trigger("Richtext");
    EXPECT_EQ(Paneel(PaneelTekstsoort), QStringLiteral("Rich text"));
    Caret(4, 3);
    Trigger("Italic1");
    EXPECT_EQ(Selectie(), (std::pair{4, 3}));
    QTextCursor c(w->Editor->document());
    c.setPosition(6);
    EXPECT_TRUE(c.charFormat().font().italic());
    c.setPosition(2);
    EXPECT_FALSE(c.charFormat().font().italic());
}

TEST_F(Window, FontDialogAndSizeBoxSetThePageCountButStylesDoNot)
{
    QFont groot(QStringLiteral("DejaVu Sans Mono"), 24);
    groot.setBold(true);
    prompter.fonts = {QFont(QStringLiteral("DejaVu Sans Mono"), 9), groot, std::nullopt};
    Trigger("Lettertype2");
    const int veel = w->paginastand.regelsPerPagina;
    Trigger("Lettertype2");
    const int weinig = w->paginastand.regelsPerPagina;
    EXPECT_LT(weinig, veel);
    EXPECT_EQ(w->spinedit1->currentText(), QStringLiteral("24"));
    EXPECT_TRUE(Vinkje("VetButton") && Vinkje("Bold1") && !Vinkje("italicbutton"));
    Trigger("Lettertype2");  // cancelled
    Trigger("Italic1");
    Trigger("VetButton");
    EXPECT_EQ(std::pair(w->Editor->font().pointSize(), w->paginastand.regelsPerPagina), std::pair(24, weinig));

    w->spinedit1->setEditText(QStringLiteral("12"));
    w->SpinEdit1Change();
    EXPECT_GT(w->paginastand.regelsPerPagina, weinig);
    w->spinedit1->setEditText(QStringLiteral("9pt"));
    w->SpinEdit1Change();
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"'9pt' is not a valid integer value"});
    EXPECT_EQ(w->Editor->font().pointSize(), 12);
}

TEST_F(Window, FullScreenTwiceRestoresTheBrowserWithItsWidth)
{
    const int breedte = w->m_browserPanel->width();
    Toets(Qt::Key_F11);
    EXPECT_FALSE(w->m_browserPanel->isVisible());
    EXPECT_TRUE(Vinkje("Volledigscherm1"));
    Toets(Qt::Key_F11);
    EXPECT_TRUE(w->m_browserPanel->isVisible());
    EXPECT_EQ(w->m_browserPanel->width(), breedte);
}

} // namespace
} // namespace korvane::test
