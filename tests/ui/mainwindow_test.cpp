// The real main window, driven headless: shortcuts and menu actions through
// the command table, typed keys, the status bar, enabled states, the staff
// jumps, find and replace, undo, formatting and the tuning buttons.
#include "common/scriptedprompter.h"

#include "core/analysis.h"
#include "ui/commandtable.h"
#include "ui/editorwidget.h"
#include "ui/findreplace.h"
#include "ui/linefont.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QSplitter>
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
const char* const kStaff = "e|-----------------|\n"
                           "B|-----------------|\n"
                           "G|-----------------|\n"
                           "D|-----------------|\n"
                           "A|-----------------|\n"
                           "E|-----------------|";

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Known options, and no wizard at start-up.
        QFile opties(dir.filePath(QStringLiteral("Opties.txt")));
        ASSERT_TRUE(opties.open(QIODevice::WriteOnly));
        const QByteArray map = dir.path().toUtf8();
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

    void TearDown() override { w.reset(); }

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
    bool Aan(const char* id) const { return w->action(QString::fromLatin1(id))->isEnabled(); }
    bool Vinkje(const char* id) const { return w->action(QString::fromLatin1(id))->isChecked(); }
    void Trigger(const char* id) { w->action(QString::fromLatin1(id))->trigger(); }
    void Toets(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, QWidget* waar = nullptr)
    {
        QTest::keyClick(waar ? waar : w->Editor, static_cast<Qt::Key>(key), mods);
    }
    void Caret(int offset) { w->editor().SetCaret(offset); }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
};

// --- The command table itself ------------------------------------------------------

TEST(CommandTable, EveryRowHasAHandlerAndEveryShortcutIsUsedOnce)
{
    QSet<QString> toetsen;
    QSet<QString> namen;
    QStringList zonderHandler;
    for (const Commando& c : CommandoTabel()) {
        if (c.menuItem && QByteArray(c.menuItem) == "-")
            continue;
        const QString naam = QString::fromLatin1(c.menuItem ? c.menuItem : c.button);
        if (!c.handler)
            zonderHandler << naam;
        for (const char* n : {c.menuItem, c.button})
            if (n) {
                EXPECT_FALSE(namen.contains(QString::fromLatin1(n))) << n;
                namen.insert(QString::fromLatin1(n));
            }
        if (*c.shortcut) {
            const QString k = QKeySequence(QString::fromLatin1(c.shortcut), QKeySequence::PortableText)
                                  .toString(QKeySequence::PortableText);
            EXPECT_FALSE(k.isEmpty()) << c.shortcut;
            EXPECT_FALSE(toetsen.contains(k)) << "shortcut used twice: " << c.shortcut;
            toetsen.insert(k);
        }
        EXPECT_TRUE(c.menuItem || c.button) << naam.toStdString();
        EXPECT_EQ(c.menuItem != nullptr, c.menu != Menu::Geen) << naam.toStdString();
    }
    EXPECT_TRUE(zonderHandler.isEmpty()) << "rows without a handler: "
                                         << zonderHandler.join(u", ").toStdString();
}

TEST_F(Window, ToolBarsHoldTheirControlsInOrder)
{
    auto namen = [](QToolBar* bar) {
        QStringList out;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator())
                out << QStringLiteral("|");
            else if (QWidget* b = bar->widgetForAction(a))
                out << b->objectName();
        }
        return out;
    };
    auto verwacht = [](std::span<const char* const> v) {
        QStringList out;
        for (const char* n : v)
            out << QString::fromLatin1(n);
        return out;
    };
    EXPECT_EQ(namen(w->ToolBar1), verwacht(ToolBar1Volgorde()));
    EXPECT_EQ(namen(w->ToolBar2), verwacht(ToolBar2Volgorde()));
    EXPECT_EQ(w->ToolBar1->widgetForAction(w->action(QStringLiteral("newButton")))->size(), QSize(24, 26));
    EXPECT_EQ(w->ToolBar2->widgetForAction(w->action(QStringLiteral("Info")))->size(), QSize(24, 23));
    EXPECT_EQ(w->action(QStringLiteral("printbutton"))->toolTip(), QStringLiteral("Afdrukken (Ctrl+P)"));
    EXPECT_EQ(w->action(QStringLiteral("printbutton"))->statusTip(),
              QStringLiteral("Bestand afdrukken (Ctrl+P)"));
    EXPECT_FALSE(w->action(QStringLiteral("Undo"))->icon().isNull());
    EXPECT_FALSE(w->action(QStringLiteral("Beginherhaling"))->icon().isNull());
}

TEST_F(Window, MenusAndStatusBarAsBuilt)
{
    QStringList titels;
    for (int i = 0; i < aantalMenus; ++i)
        titels << w->menu(static_cast<Menu>(i))->title();
    EXPECT_EQ(titels, (QStringList{"&Bestand", "Bewerken", "Invoegen", "Opmaak", "&Info"}));
    EXPECT_EQ(w->action(QStringLiteral("Kopiren1"))->text(), QString::fromUtf8("Kopiëren"));
    EXPECT_EQ(w->action(QStringLiteral("Beginherhalinginvoegen1"))->shortcut(),
              QKeySequence(Qt::ALT | Qt::Key_BracketLeft));
    const int breedtes[] = {200, 150, 100, 100, 100, 150, 50};
    for (int i = 0; i < aantalPanelen; ++i)
        EXPECT_EQ(w->statusPaneel(i)->width(), breedtes[i]) << i;
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Invoegen"));
    EXPECT_EQ(Paneel(PaneelTekstsoort), QStringLiteral("Ascii text"));
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   1   Kolom:   1"));
    // Activation disables cut, copy, find and replace until text and selection say otherwise.
    for (const char* id : {"Knippen", "Kopieren", "Knippen1", "Kopiren1", "Zoeken1", "Vervangen1",
                           "Ongedaanmaken1", "Undo", "VerticaalKnippen1", "Verticaalplakken1"})
        EXPECT_FALSE(Aan(id)) << id;
}

TEST_F(Window, AHintReplacesThePanelsUntilItIsEmptyAgain)
{
    QWidget* knop = w->ToolBar1->widgetForAction(w->action(QStringLiteral("printbutton")));
    QStatusTipEvent hint(w->action(QStringLiteral("printbutton"))->statusTip());
    QApplication::sendEvent(knop, &hint);
    EXPECT_EQ(w->statusBar()->currentMessage(), QStringLiteral("Bestand afdrukken (Ctrl+P)"));
    EXPECT_FALSE(w->statusPaneel(PaneelPositie)->isVisible());
    QStatusTipEvent leeg{QString()};
    QApplication::sendEvent(knop, &leeg);
    EXPECT_TRUE(w->statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(w->statusPaneel(PaneelPositie)->isVisible());
}

// --- Typing and the status bar ---------------------------------------------------------

TEST_F(Window, TypingUpdatesPositionModifiedMarkAndEnabledStates)
{
    QTest::keyClicks(w->Editor, QStringLiteral("abc"));
    EXPECT_EQ(Tekst(), "abc");
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   1   Kolom:   4"));
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
    for (const char* id : {"Zoeken1", "Vervangen1", "Zoeken", "Vervangen", "preview", "Afdrukvoorbeeld1",
                           "printbutton", "Afdrukken1", "Undo", "Ongedaanmaken1"})
        EXPECT_TRUE(Aan(id)) << id;
    Toets(Qt::Key_Return);
    QTest::keyClicks(w->Editor, QStringLiteral("de"));
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   2   Kolom:   3"));
    EXPECT_TRUE(w->state.analyse.analyseNodig);

    // Deleting everything disables find, replace, preview and print, not undo.
    w->Editor->selectAll();
    EXPECT_TRUE(Aan("Knippen"));
    EXPECT_TRUE(Aan("VerticaalKopiren1"));
    Toets(Qt::Key_Delete);
    EXPECT_EQ(Tekst(), "");
    EXPECT_FALSE(Aan("Knippen"));
    EXPECT_FALSE(Aan("VerticaalKnippen1"));
    for (const char* id : {"Zoeken1", "Vervangen1", "Zoeken", "Vervangen", "preview", "Afdrukvoorbeeld1",
                           "printbutton", "Afdrukken1"})
        EXPECT_FALSE(Aan(id)) << id;
    EXPECT_TRUE(Aan("Undo"));
    EXPECT_TRUE(Aan("Ongedaanmaken1"));
}

struct PaginaGeval {
    int regels;
    int regelsPerPagina;
    int caretRegel;
    const char* verwacht;
};

class Pages : public Window, public ::testing::WithParamInterface<PaginaGeval> {};

TEST_P(Pages, PagePanelFollowsTheCaretLine)
{
    const PaginaGeval g = GetParam();
    QStringList regels;
    for (int i = 0; i < g.regels; ++i)
        regels << QStringLiteral("r%1").arg(i);
    Zet(regels.join(u'\n'));
    w->paginastand.regelsPerPagina = g.regelsPerPagina;
    Caret(w->editor().LineStart(g.caretRegel));
    w->ToonCaretPositie();
    EXPECT_EQ(Paneel(PaneelPagina), QString::fromLatin1(g.verwacht));
}

INSTANTIATE_TEST_SUITE_P(Window, Pages,
                         ::testing::Values(PaginaGeval{60, 60, 59, "Pagina   1 van   2"},
                                           PaginaGeval{61, 60, 60, "Pagina   2 van   2"},
                                           PaginaGeval{1, 60, 0, "Pagina   1 van   1"},
                                           // No lines per page at all: still a page count.
                                           PaginaGeval{3, 0, 2, "Pagina   3 van   4"},
                                           PaginaGeval{3, -5, 1, "Pagina   2 van   4"}));

TEST_F(Window, LargerFontGivesFewerLinesPerPageAndStylesDoNot)
{
    QFont klein = w->Editor->font();
    klein.setPointSize(9);
    prompter.fonts.push_back(klein);
    Trigger("Lettertype2");
    const int veel = w->paginastand.regelsPerPagina;
    EXPECT_GT(veel, 20);
    QFont groot = klein;
    groot.setPointSize(24);
    prompter.fonts.push_back(groot);
    Trigger("Lettertype2");
    const int weinig = w->paginastand.regelsPerPagina;
    EXPECT_LT(weinig, veel);
    EXPECT_EQ(w->spinedit1->currentText(), QStringLiteral("24"));
    Trigger("Italic1");
    Trigger("VetButton");
    EXPECT_EQ(w->paginastand.regelsPerPagina, weinig);
}

// --- Keyboard ------------------------------------------------------------------------------

TEST_F(Window, InsertFlipsTheModeBeepsOnOverwriteAndTheEditorOverwrites)
{
    Zet(QStringLiteral("abcd"));
    Caret(1);
    Toets(Qt::Key_Insert);
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Overschrijven"));
    EXPECT_EQ(prompter.Beeps(Sound::Default), 1);
    QTest::keyClicks(w->Editor, QStringLiteral("X"));
    EXPECT_EQ(Tekst(), "aXcd");
    Toets(Qt::Key_Insert);
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Invoegen"));
    EXPECT_EQ(prompter.Beeps(Sound::Default), 1);
    QTest::keyClicks(w->Editor, QStringLiteral("Y"));
    EXPECT_EQ(Tekst(), "aXYcd");
    // Insert in another control flips the indicator only.
    Toets(Qt::Key_Insert, Qt::NoModifier, w->ComboBox1);
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Overschrijven"));
    EXPECT_EQ(prompter.Beeps(Sound::Default), 2);
}

TEST_F(Window, EscAndModifiedF2ReachTheirCommands)
{
    QSignalSpy start(w->action(QStringLiteral("Startdirectory1")), &QAction::triggered);
    Toets(Qt::Key_Escape);
    EXPECT_EQ(start.count(), 1);
    Toets(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(start.count(), 2);
    Toets(Qt::Key_Escape, Qt::ControlModifier, w->SpinEdit2);
    EXPECT_EQ(start.count(), 3);
}

struct Sprong {
    int key;
    int vanRegel;
    int vanKolom;
    int naarRegel;  // -1: the caret stays
    int naarKolom;
};

class StaffJumps : public Window, public ::testing::WithParamInterface<Sprong> {};

TEST_P(StaffJumps, AltUpAndDownGoToTheFirstLineOfAStaff)
{
    // Staffs at lines 1..6 and 9..14; the second one's first line is short.
    const QString tweede = QString::fromLatin1(kStaff).replace(QStringLiteral("e|-----------------|"),
                                                               QStringLiteral("e|--------|"));
    Zet(QStringLiteral("titel\n") + QString::fromLatin1(kStaff) + QStringLiteral("\n\nlyrics\n") + tweede
        + QStringLiteral("\nend"));
    ASSERT_EQ(w->state.analyse.aantalbalken, 2);
    const Sprong s = GetParam();
    Caret(w->editor().LineStart(s.vanRegel) + s.vanKolom);
    Toets(s.key, Qt::AltModifier);
    const int caret = w->editor().CaretOffset();
    const int regel = w->editor().LineFromOffset(caret);
    if (s.naarRegel < 0) {
        EXPECT_EQ(regel, s.vanRegel);
        EXPECT_EQ(caret - w->editor().LineStart(regel), s.vanKolom);
    } else {
        EXPECT_EQ(regel, s.naarRegel);
        EXPECT_EQ(caret - w->editor().LineStart(regel), s.naarKolom);
    }
    EXPECT_EQ(w->editor().SelectionLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Window, StaffJumps,
                         ::testing::Values(Sprong{Qt::Key_Down, 0, 3, 1, 3},
                                           Sprong{Qt::Key_Down, 3, 15, 9, 11},  // clipped to the line's 11
                                           Sprong{Qt::Key_Down, 10, 2, -1, 0},  // below the last staff's top
                                           Sprong{Qt::Key_Up, 12, 4, 9, 4},     // top of the same staff
                                           Sprong{Qt::Key_Up, 9, 4, 1, 4},      // staff above
                                           Sprong{Qt::Key_Up, 1, 2, -1, 0},     // first line of the first staff
                                           Sprong{Qt::Key_Up, 15, 1, 9, 1}));

TEST_F(Window, StaffJumpUsesTheLastAnalysisUntilACommandReruns)
{
    Zet(QStringLiteral("x\n") + QString::fromLatin1(kStaff));
    Caret(0);
    w->Editor->moveCursor(QTextCursor::Start);
    QTest::keyClicks(w->Editor, QStringLiteral("a"));
    Toets(Qt::Key_Return);
    Toets(Qt::Key_Return);
    Caret(0);
    Toets(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(w->editor().LineFromOffset(w->editor().CaretOffset()), 1);
}

// --- Shortcuts reach the commands from anywhere in the window ------------------------------

TEST_F(Window, ColumnCommandsFromShortcutsAndUndoRestores)
{
    Zet(QString::fromLatin1(kStaff));
    Caret(w->editor().LineStart(2) + 5);
    Toets(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(w->editor().GetLine(0), "e|---|--------------|");
    EXPECT_EQ(w->editor().GetLine(5), "E|---|--------------|");
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
    Toets(Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(w->editor().GetLine(3), "D|----|--------------|");
    Toets(Qt::Key_BracketLeft, Qt::AltModifier);
    EXPECT_EQ(w->editor().GetLine(3), "D|---||-|--------------|");
    EXPECT_EQ(w->editor().GetLine(1), "B|---||*|--------------|");
    // Undo restores the lines of the last column command only.
    Caret(3);
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->editor().GetLine(3), "D|----|--------------|");
    EXPECT_EQ(w->editor().GetLine(1), "B|----|--------------|");
    EXPECT_EQ(w->editor().CaretOffset(), 3);
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->editor().GetLine(3), "D|----|--------------|");
}

TEST_F(Window, ShortcutsWorkWithTheFocusInAToolBarControl)
{
    Zet(QString::fromLatin1(kStaff));
    Caret(w->editor().LineStart(0) + 4);
    w->SpinEdit2->setFocus();
    Toets(Qt::Key_BracketRight, Qt::AltModifier, w->SpinEdit2);
    EXPECT_EQ(w->editor().GetLine(0), "e|---||--------------|");
    EXPECT_EQ(w->editor().GetLine(1), "B|--*||--------------|");
}

TEST_F(Window, EmptyTuningRefusesTheEmptyStaffWithMessageAndBeep)
{
    w->ComboBox1->setEditText(QString());
    Toets(Qt::Key_T, Qt::AltModifier);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Geen stemming geselecteerd");
    EXPECT_EQ(prompter.Beeps(Sound::Exclamation), 1);
    EXPECT_EQ(Tekst(), "");
}

TEST_F(Window, EmptyStaffFollowsTheToolBarControls)
{
    w->ComboBox1->setEditText(QStringLiteral("EADGBE"));
    w->SpinEdit2->setValue(20);
    Trigger("insertbutton");
    EXPECT_EQ(w->editor().LineCount(), 7);
    EXPECT_EQ(w->editor().GetLine(1), "E|-----------------|");
    Trigger("maatsoortbutton");
    EXPECT_TRUE(Vinkje("maatsoortbutton"));
    w->Maatcombobox->setCurrentIndex(0);
    w->Editor->moveCursor(QTextCursor::End);
    Trigger("Legeregeltab1");
    std::string tel;
    for (int i = 0; i < 5; ++i)
        tel += "   |   |   |  ";
    EXPECT_EQ(w->editor().GetLine(8), tel);
    EXPECT_EQ(w->editor().GetLine(9), "E|-------------|-------------|-------------|-------------|-------------|");
}

TEST_F(Window, LineFontConversionBothWaysFromTheirShortcuts)
{
    w->Editor->setFont(QFont(QStringLiteral("Korvane")));
    Zet(QString::fromLatin1(kStaff));
    Toets(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_TRUE(w->tablijnenOmgezet);
    EXPECT_EQ(static_cast<unsigned char>(w->editor().GetLine(0)[1]), 246);
    EXPECT_EQ(static_cast<unsigned char>(w->editor().GetLine(2)[5]), 255);
    EXPECT_EQ(Paneel(PaneelVeranderd), QString());
    // The keypad minus is another key.
    Toets(Qt::Key_Minus, Qt::AltModifier | Qt::KeypadModifier);
    Toets(Qt::Key_Backslash, Qt::AltModifier);
    EXPECT_FALSE(w->tablijnenOmgezet);
    EXPECT_EQ(Tekst(), QString::fromLatin1(kStaff).replace(u'\n', QStringLiteral("\r\n")).toStdString());
}

TEST_F(Window, LineFontConversionRefusedInAnotherFont)
{
    w->Editor->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    Zet(QString::fromLatin1(kStaff));
    Trigger("Doorlopendetablijnen1");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0],
              "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is.");
    EXPECT_EQ(prompter.Beeps(Sound::Exclamation), 1);
    EXPECT_FALSE(w->tablijnenOmgezet);
}

struct VolleBladzijde {
    const char* font;
    bool omgezet;
};

class FullPage : public Window, public ::testing::WithParamInterface<VolleBladzijde> {};

TEST_P(FullPage, EightStaffsInANewDocument)
{
    w->Editor->setFont(QFont(QString::fromLatin1(GetParam().font)));
    Zet(QString());
    Trigger("FullPageButton");
    EXPECT_EQ(w->editor().LineCount(), 1 + 8 * 6 + 7 * 2);
    EXPECT_EQ(w->tablijnenOmgezet, GetParam().omgezet);
    EXPECT_EQ(w->editor().Modified(), !GetParam().omgezet);
    EXPECT_EQ(Paneel(PaneelVeranderd), GetParam().omgezet ? QString() : QStringLiteral("Veranderd"));
    EXPECT_EQ(w->bestandsnaam, QStringLiteral("naamloos.tab"));
}

INSTANTIATE_TEST_SUITE_P(Window, FullPage,
                         ::testing::Values(VolleBladzijde{"Korvane", true},
                                           VolleBladzijde{"DejaVu Sans Mono", false}));

// --- Vertical block and undo --------------------------------------------------------------

TEST_F(Window, VerticalCopyEnablesPasteAndUndoRestoresAPaste)
{
    Zet(QString::fromLatin1(kStaff));
    EXPECT_FALSE(Aan("Verticaalplakken1"));
    // Select a block of two columns from the first line to the last line.
    QTextCursor c = w->Editor->textCursor();
    c.setPosition(w->Editor->document()->findBlockByNumber(0).position() + 3);
    c.setPosition(w->Editor->document()->findBlockByNumber(5).position() + 5, QTextCursor::KeepAnchor);
    w->Editor->setTextCursor(c);
    EXPECT_TRUE(Aan("VerticaalKopiren1"));
    Toets(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(Aan("Verticaalplakken1"));
    const std::string voor = Tekst();
    Caret(w->editor().LineStart(0) + 10);
    Toets(Qt::Key_V, Qt::AltModifier);
    EXPECT_NE(Tekst(), voor);
    Caret(7);
    Trigger("Undo");
    EXPECT_EQ(Tekst(), voor);
    EXPECT_EQ(w->editor().CaretOffset(), 7);
    Trigger("Ongedaanmaken1");
    EXPECT_EQ(Tekst(), voor);
}

TEST_F(Window, UndoAfterTypingUsesTheWidgetAndDropsTheSnapshot)
{
    Zet(QString::fromLatin1(kStaff));
    Caret(w->editor().LineStart(1) + 4);
    Trigger("Maatstreep");
    const std::string naBalk = Tekst();
    QTest::keyClicks(w->Editor, QStringLiteral("7"));
    Trigger("Undo");
    EXPECT_EQ(Tekst(), naBalk);
    EXPECT_FALSE(w->state.snapshot.undomogelijk);
    Trigger("Undo");
    EXPECT_EQ(Tekst(), naBalk);
}

// --- Find and replace --------------------------------------------------------------------

TEST_F(Window, FindWalksForwardFromTheTopOrAfterTheSelection)
{
    Zet(QStringLiteral("ab ab"));
    Caret(4);
    Trigger("Zoeken1");
    EXPECT_TRUE(w->FindDialog1->isVisible());
    EXPECT_FALSE(w->FindDialog1->volgendeKnop()->isEnabled());
    w->FindDialog1->zoekveld()->setText(QStringLiteral("ab"));
    ASSERT_TRUE(w->FindDialog1->volgendeKnop()->isEnabled());
    auto selectie = [this] {
        return std::pair{w->editor().CaretOffset(), w->editor().SelectionLength()};
    };
    w->FindDialog1->volgendeKnop()->click();
    EXPECT_EQ(selectie(), (std::pair{0, 2}));
    w->FindDialog1->volgendeKnop()->click();
    EXPECT_EQ(selectie(), (std::pair{3, 2}));
    w->FindDialog1->volgendeKnop()->click();
    EXPECT_EQ(selectie(), (std::pair{3, 2}));
    EXPECT_TRUE(w->FindDialog1->isVisible());
    EXPECT_TRUE(prompter.beeps.empty());
    EXPECT_TRUE(prompter.messages.empty());
}

struct ZoekGeval {
    const char* tekst;
    const char* wat;
    bool hoofdletters;
    int gevonden;
};

class FindCase : public Window, public ::testing::WithParamInterface<ZoekGeval> {};

TEST_P(FindCase, MatchCaseDecides)
{
    const ZoekGeval g = GetParam();
    Zet(QString::fromUtf8(g.tekst));
    Caret(0);
    w->FindDialog1->zoekveld()->setText(QString::fromUtf8(g.wat));
    w->FindDialog1->hoofdletterVak()->setChecked(g.hoofdletters);
    w->FindDialog1Find();
    EXPECT_EQ(w->editor().SelectionLength() ? w->editor().CaretOffset() : -1, g.gevonden);
}

INSTANTIATE_TEST_SUITE_P(Window, FindCase,
                         ::testing::Values(ZoekGeval{"xx AB", "ab", false, 3},
                                           ZoekGeval{"xx AB", "ab", true, -1},
                                           ZoekGeval{"xx AB ab", "ab", true, 6},
                                           ZoekGeval{"line\nÉté", "été", false, 6},
                                           ZoekGeval{"line\nnext", "next", true, 6}));

struct VervangGeval {
    const char* tekst;
    int caret;
    const char* wat;
    const char* door;
    bool alles;
    int keer;  // presses
    const char* verwacht;
};

class Replace : public Window, public ::testing::WithParamInterface<VervangGeval> {};

TEST_P(Replace, FromTheCaretOnAndAlwaysEnds)
{
    const VervangGeval g = GetParam();
    Zet(QString::fromLatin1(g.tekst));
    Caret(g.caret);
    Trigger("Vervangen");
    EXPECT_TRUE(w->ReplaceDialog1->isVisible());
    w->ReplaceDialog1->zoekveld()->setText(QString::fromLatin1(g.wat));
    w->ReplaceDialog1->vervangveld()->setText(QString::fromLatin1(g.door));
    for (int i = 0; i < g.keer; ++i)
        (g.alles ? w->ReplaceDialog1->allesKnop() : w->ReplaceDialog1->vervangKnop())->click();
    EXPECT_EQ(Tekst(), g.verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Replace,
    ::testing::Values(VervangGeval{"------", 0, "-", "=", true, 1, "======"},
                      VervangGeval{"aaa", 0, "a", "aa", true, 1, "aaaaaa"},
                      VervangGeval{"x-y-z", 0, "-", "+", false, 1, "x+y-z"},
                      VervangGeval{"x-y-z", 0, "-", "+", false, 2, "x+y+z"},
                      VervangGeval{"a-b-c", 2, "-", "+", true, 1, "a-b+c"},   // from the caret
                      VervangGeval{"A-a-A", 0, "a", "b", true, 1, "b-b-b"}));

TEST_F(Window, ReplaceSkipsTheSelectedOccurrence)
{
    Zet(QStringLiteral("ab ab ab"));
    Caret(0);
    w->editor().SetSelectionLength(2);
    w->ReplaceDialog1->zoekveld()->setText(QStringLiteral("ab"));
    w->ReplaceDialog1->vervangveld()->setText(QStringLiteral("X"));
    w->ReplaceDialog1->vervangKnop()->click();
    EXPECT_EQ(Tekst(), "ab X ab");
    EXPECT_EQ(w->editor().CaretOffset(), 4);
    EXPECT_EQ(w->editor().SelectionLength(), 0);
}

TEST_F(Window, ReplaceDialogFindsNextThenReplacesTheFollowingOne)
{
    Zet(QStringLiteral("ab ab ab"));
    Caret(5);
    w->ReplaceDialog1->zoekveld()->setText(QStringLiteral("ab"));
    w->ReplaceDialog1->vervangveld()->setText(QStringLiteral("X"));
    w->ReplaceDialog1->volgendeKnop()->click();
    EXPECT_EQ(w->editor().CaretOffset(), 0);
    EXPECT_EQ(w->editor().SelectionLength(), 2);
    w->ReplaceDialog1->vervangKnop()->click();
    EXPECT_EQ(Tekst(), "ab X ab");
}

TEST_F(Window, RichTextToggleReloadsASavedDocumentFromItsFile)
{
    const QString pad = dir.filePath(QStringLiteral("lied.tab"));
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("E|---3---|\r\n");
    f.close();
    w->bestandsnaam = pad;
    Zet(QStringLiteral("changed since"));
    QTest::keyClicks(w->Editor, QStringLiteral("!"));
    Trigger("Richtext1");
    EXPECT_EQ(Tekst(), "E|---3---|\r\n");
    EXPECT_EQ(Paneel(PaneelTekstsoort), QStringLiteral("Rich text"));
    Trigger("Richtext");
    EXPECT_EQ(Paneel(PaneelTekstsoort), QStringLiteral("Ascii text"));
    EXPECT_EQ(Tekst(), "E|---3---|\r\n");
}

// --- Clipboard ------------------------------------------------------------------------

TEST_F(Window, CutAndPasteThroughTheClipboardThenUndo)
{
    Zet(QStringLiteral("hello world"));
    Caret(0);
    w->editor().SetSelectionLength(6);
    Toets(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), "world");
    w->Editor->moveCursor(QTextCursor::End);
    Trigger("Plakken");
    EXPECT_EQ(Tekst(), "worldhello ");
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), "world");
}

// --- Formatting -------------------------------------------------------------------------

TEST_F(Window, StylesApplyToTheWholeTextInAsciiModeAndMenuAndButtonAgree)
{
    Zet(QStringLiteral("one two three"));
    const bool vet = w->instellingen.editorvet;
    Caret(4);
    w->editor().SetSelectionLength(3);
    Trigger("Bold1");
    EXPECT_EQ(w->Editor->font().bold(), !vet);
    EXPECT_EQ(w->editor().CaretOffset(), 4);
    EXPECT_EQ(w->editor().SelectionLength(), 0);
    EXPECT_EQ(Vinkje("Bold1"), !vet);
    EXPECT_EQ(Vinkje("VetButton"), !vet);
    w->ToolBar1->widgetForAction(w->action(QStringLiteral("VetButton")))->setFocus();
    static_cast<QToolButton*>(w->ToolBar1->widgetForAction(w->action(QStringLiteral("VetButton"))))->click();
    EXPECT_EQ(w->Editor->font().bold(), vet);
    EXPECT_EQ(Vinkje("Bold1"), vet);
    EXPECT_EQ(Vinkje("VetButton"), vet);
    Toets(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(w->Editor->font().bold(), !vet);
    EXPECT_EQ(Vinkje("VetButton"), !vet);

    Trigger("italicbutton");
    EXPECT_TRUE(w->Editor->font().italic());
    EXPECT_TRUE(Vinkje("Italic1"));
    Trigger("Underline1");
    EXPECT_TRUE(w->Editor->font().underline());
    EXPECT_TRUE(Vinkje("Underlinebutton"));

    prompter.colors.push_back(QColor(Qt::red));
    Trigger("Kleur");
    EXPECT_EQ(w->Editor->palette().color(QPalette::Text), QColor(Qt::red));
    prompter.colors.push_back(std::nullopt);
    Trigger("Kleur1");
    EXPECT_EQ(w->Editor->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(Window, StylesApplyToTheSelectionOnlyInRichTextMode)
{
    Zet(QStringLiteral("one two three"));
    Trigger("Richtext");
    EXPECT_EQ(Paneel(PaneelTekstsoort), QStringLiteral("Rich text"));
    EXPECT_TRUE(Vinkje("Richtext1"));
    EXPECT_EQ(Tekst(), "one two three");
    Caret(4);
    w->editor().SetSelectionLength(3);
    Trigger("Italic1");
    EXPECT_EQ(w->editor().SelectionLength(), 3);
    QTextCursor c(w->Editor->document());
    c.setPosition(6);
    EXPECT_TRUE(c.charFormat().font().italic());
    c.setPosition(2);
    EXPECT_FALSE(c.charFormat().font().italic());
    Trigger("Richtext1");
    EXPECT_EQ(Paneel(PaneelTekstsoort), QStringLiteral("Ascii text"));
    EXPECT_FALSE(Vinkje("Richtext"));
}

TEST_F(Window, FontDialogUpdatesBoxesAndBoldButNotItalic)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPointSize(14);
    f.setBold(true);
    prompter.fonts.push_back(f);
    Trigger("Lettertype2");
    EXPECT_EQ(w->spinedit1->currentText(), QStringLiteral("14"));
    EXPECT_TRUE(Vinkje("VetButton"));
    EXPECT_TRUE(Vinkje("Bold1"));
    EXPECT_FALSE(Vinkje("italicbutton"));
    EXPECT_EQ(w->Editor->font().pointSize(), 14);
    // Cancelling changes nothing.
    prompter.fonts.push_back(std::nullopt);
    Trigger("Lettertype2");
    EXPECT_EQ(w->Editor->font().pointSize(), 14);
}

TEST_F(Window, SizeBoxRejectsTextThatIsNotANumber)
{
    w->spinedit1->setEditText(QStringLiteral("12"));
    w->SpinEdit1Change();
    EXPECT_EQ(w->Editor->font().pointSize(), 12);
    w->spinedit1->setEditText(QStringLiteral("9pt"));
    w->SpinEdit1Change();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "'9pt' is not a valid integer value");
    EXPECT_EQ(w->Editor->font().pointSize(), 12);
}

TEST_F(Window, FixedFilterListsTheLineFontAndFullScreenTwiceRestoresTheBrowser)
{
    w->instellingen.alleenfixed = false;
    Trigger("FixedButton");
    EXPECT_TRUE(Vinkje("FixedButton"));
    EXPECT_EQ(w->Fontname->fontFilters(), QFontComboBox::MonospacedFonts);
    EXPECT_GE(w->Fontname->findText(QStringLiteral("Korvane"), Qt::MatchExactly), 0);
    Trigger("FixedButton");
    EXPECT_EQ(w->Fontname->fontFilters(), QFontComboBox::AllFonts);

    const int breedte = w->m_browserPanel->width();
    Toets(Qt::Key_F11);
    EXPECT_FALSE(w->m_browserPanel->isVisible());
    EXPECT_TRUE(Vinkje("Volledigscherm1"));
    Toets(Qt::Key_F11);
    EXPECT_TRUE(w->m_browserPanel->isVisible());
    EXPECT_EQ(w->m_browserPanel->width(), breedte);
}

TEST_F(Window, SelectAllFromTheMenu)
{
    Zet(QStringLiteral("abc\ndef"));
    Trigger("AllesSelecteren1");
    EXPECT_EQ(w->editor().SelectionLength(), 8);
    EXPECT_TRUE(Aan("Kopieren"));
}

// --- Tuning list -----------------------------------------------------------------------

TEST_F(Window, TuningButtonsKeepTheListAndSaveIt)
{
    QSignalSpy erbij(w.get(), &TForm1::StemmingToegevoegd);
    w->ComboBox1->setEditText(QStringLiteral("DADGAD"));
    Trigger("PlusButton");
    ASSERT_EQ(erbij.count(), 1);
    EXPECT_EQ(w->ComboBox1->count(), 2);
    EXPECT_EQ(w->ComboBox1->itemText(erbij[0][0].toInt()), QStringLiteral("DADGAD"));
    Trigger("PlusButton");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "DADGAD komt al voor in de lijst");
    EXPECT_EQ(w->ComboBox1->count(), 2);

    prompter.answers.push_back(Answer::Yes);
    Trigger("savelistbutton");
    QFile f(dir.filePath(QStringLiteral("snaren.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("DADGAD\r\nEADGBE\r\n"));

    QSignalSpy weg(w.get(), &TForm1::StemmingVerwijderd);
    w->ComboBox1->setCurrentIndex(0);
    prompter.answers.push_back(Answer::Yes);
    Trigger("Minbutton");
    ASSERT_EQ(weg.count(), 1);
    EXPECT_EQ(w->ComboBox1->count(), 1);
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("EADGBE"));
}

TEST_F(Window, TuningListThatCannotBeWrittenIsReportedAndKept)
{
    // A folder where the file should be: nothing can be created there.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("snaren.txt")));
    w->ComboBox1->setEditText(QStringLiteral("DADGAD"));
    Trigger("PlusButton");
    prompter.answers.push_back(Answer::Yes);
    Trigger("savelistbutton");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Cannot create file " + w->SnarenBestand().toStdString());
    EXPECT_EQ(w->ComboBox1->count(), 2);
}

TEST_F(Window, EnterInTheTuningBoxGoesBackToTheText)
{
    w->ComboBox1->setFocus();
    w->ComboBox1->setEditText(QStringLiteral("DADGAD"));
    Toets(Qt::Key_Return, Qt::NoModifier, w->ComboBox1->lineEdit());
    EXPECT_TRUE(w->Editor->hasFocus());
    EXPECT_EQ(w->ComboBox1->count(), 1);
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("DADGAD"));
}

TEST_F(Window, TimeSignatureChoiceChangesTheButtonImageNotTheMode)
{
    const qint64 voor = w->action(QStringLiteral("maatsoortbutton"))->icon().cacheKey();
    w->Maatcombobox->setCurrentIndex(3);
    w->MaatcomboboxChange();
    EXPECT_NE(w->action(QStringLiteral("maatsoortbutton"))->icon().cacheKey(), voor);
    EXPECT_FALSE(Vinkje("maatsoortbutton"));
    EXPECT_TRUE(w->Editor->hasFocus());
}

} // namespace
} // namespace korvane::test

int main(int argc, char** argv)
{
    // Also when run by hand or listed at build time: no display needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The line font from the build tree, as the program finds it beside itself.
    RegisterLineFontFrom({QFileInfo(QStringLiteral(KORVANE_FONT_FILE)).absolutePath()});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
