// The real main window, driven headless: shortcuts and menu actions through
// the command table, typed keys, the status bar, enabled states, the staff
// jumps, find and replace, undo and the formatting commands.
#include "common/scriptedprompter.h"
#include "files/bestanden.h"

#include "audio/klankbank.h"
#include "core/analysis.h"
#include "core/utf8.h"
#include "ui/editorwidget.h"
#include "ui/findreplace.h"
#include "ui/linefont.h"
#include "ui/geluidsuitgang.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include <QCompleter>
#include <QFile>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QDockWidget>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace korvane::test {

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
        // Settings in a fresh folder: a first start, whose wizard the prompter cancels.
        ASSERT_TRUE(dir.isValid());
        w = std::make_unique<TForm1>(prompter, OpstartGegevens{{}, dir.path() + u'/'});
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
    std::u32string Tekst() const { return w->editor().Text(); }
    QString Paneel(int i) const { return w->statusPaneel(i)->text(); }
    QAction* Actie(const char* id) const { return w->action(QString::fromLatin1(id)); }
    bool Aan(const char* id) const { return Actie(id)->isEnabled(); }
    bool Vinkje(const char* id) const { return Actie(id)->isChecked(); }
    void Trigger(const char* id) { Actie(id)->trigger(); }
    void Toets(int key, Qt::KeyboardModifiers mods = {}, QWidget* in = nullptr)
    {
        QTest::keyClick(in ? in : w->Editor, Qt::Key(key), mods);
    }
    int Op(int regel, int kolom) const { return w->editor().LineStart(regel) + kolom; }
    void Caret(int offset, int selectie = 0) { w->editor().SetCaret(offset), w->editor().SetSelectionLength(selectie); }
    std::pair<int, int> Selectie() const { return {w->editor().CaretOffset(), w->editor().SelectionLength()}; }
    // A file of `bytes` in the temporary folder, by its path.
    QString Bestand(const char* naam, const QByteArray& bytes) const
    {
        const QString pad = dir.filePath(QString::fromLatin1(naam));
        Schrijf(pad, bytes);
        return pad;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
};

TEST(CommandTable, EveryRowHasAHandlerAndEveryShortcutIsUsedOnce)
{
    QSet<QString> toetsen;
    for (const Commando& c : CommandoTabel()) {
        if (c.menuItem && QByteArray(c.menuItem) == "-")
            continue;
        const char* naam = c.menuItem ? c.menuItem : c.button;
        ASSERT_TRUE(naam);
        EXPECT_TRUE(c.handler) << naam;
        for (const char* toets : {c.shortcut, c.tweedeShortcut}) {
            const QString k = QKeySequence(QString::fromLatin1(toets), QKeySequence::PortableText)
                                  .toString(QKeySequence::PortableText);
            EXPECT_EQ(k.isEmpty(), !*toets) << naam << ": " << toets;
            EXPECT_TRUE(k.isEmpty() || !toetsen.contains(k)) << "shortcut used twice: " << toets;
            toetsen.insert(k);
        }
    }
}

TEST_F(Window, ASecondShortcutStandsBesideAltSpaceInTheMenu)
{
    // Desktops keep Alt+Space for their window menu, so it may never arrive.
    EXPECT_EQ(Actie("Spatieinvoegen1")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Alt+Space")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Space"))}));
    EXPECT_EQ(Actie("Spatieinvoegen1")->text(), QStringLiteral("Spatie\tAlt+Space; Ctrl+Shift+Space"));
}

// --- Shortcuts reach their commands from the editor and from tool-bar controls

struct AltToets {
    const char* naam;
    int key;              // with Alt, unless other modifiers are given
    bool vanuitWerkbalk;  // pressed with the focus in the tab-width box
    int regel;
    const char* verwacht;  // that line afterwards
    Qt::KeyboardModifiers mods = Qt::AltModifier;
};

class Shortcuts : public Window, public ::testing::WithParamInterface<AltToets> {};

TEST_P(Shortcuts, ChangeTheStaffAroundTheCaretAndMarkTheDocument)
{
    const AltToets s = GetParam();
    w->SpinEdit2->setValue(20);
    Zet(QString::fromLatin1(kStaff));
    Caret(Op(2, 5));
    if (s.vanuitWerkbalk)
        w->SpinEdit2->setFocus();
    Toets(s.key, s.mods, s.vanuitWerkbalk ? w->SpinEdit2 : nullptr);
    EXPECT_EQ(w->editor().GetLine(s.regel), VanUtf8(s.verwacht));
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
}

INSTANTIATE_TEST_SUITE_P(
    Window, Shortcuts,
    ::testing::Values(AltToets{"Maatstreep", Qt::Key_B, false, 0, "e|---|--------------|"},
                      AltToets{"MaatstreepVanuitWerkbalk", Qt::Key_B, true, 5, "E|---|--------------|"},
                      AltToets{"Spatie", Qt::Key_Space, false, 3, "D|------------------|"},
                      AltToets{"SpatieTweedeToets", Qt::Key_Space, true, 3, "D|------------------|",
                               Qt::ControlModifier | Qt::ShiftModifier},
                      AltToets{"Beginherhaling", Qt::Key_BracketLeft, false, 1, "B|---||*-------------|"},
                      AltToets{"Eindherhaling", Qt::Key_BracketRight, true, 1, "B|---*||-------------|"},
                      AltToets{"LegeRegelTab", Qt::Key_T, false, 3, "E|-----------------|"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Window, LineFontConversionBothWaysFromTheirKeysIsNoChangeOfItsOwn)
{
    w->Editor->setFont(QFont(QStringLiteral("Korvane")));
    Zet(QString::fromLatin1(kStaff));
    const std::u32string ascii = Tekst();
    Toets(Qt::Key_Minus, Qt::AltModifier | Qt::KeypadModifier);  // another key: nothing happens
    EXPECT_EQ(Tekst(), ascii);
    Toets(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_EQ(w->editor().GetLine(0), U"e\xF6" + std::u32string(17, U'\xFF') + U"\xF7");
    EXPECT_EQ(Paneel(PaneelVeranderd), QString());
    Toets(Qt::Key_Backslash, Qt::AltModifier);
    EXPECT_EQ(Tekst(), ascii);

    // Edits made before a conversion stay unsaved, both ways, so closing asks.
    w->Editor->moveCursor(QTextCursor::End);
    w->Editor->insertPlainText(QStringLiteral("\nla"));
    for (int key : {Qt::Key_Minus, Qt::Key_Backslash}) {
        Toets(key, Qt::AltModifier);
        EXPECT_TRUE(w->editor().Modified()) << key;
        EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
    }
}

// --- Typing, the status bar and enabled states

TEST_F(Window, TypingUpdatesStatusPanelsAndEnabledStates)
{
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   1   Kolom:   1"));
    for (const char* id : {"Knippen", "Kopiren1", "Zoeken1", "Vervangen1", "Undo", "Verticaalplakken1"})
        EXPECT_FALSE(Aan(id)) << id;
    const char* const tekstActies[] = {"Zoeken1", "Vervangen1", "Zoeken", "Vervangen", "preview",
                                       "Afdrukvoorbeeld1", "printbutton", "Afdrukken1"};
    QTest::keyClicks(w->Editor, QStringLiteral("abcd"));
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
    for (const char* id : tekstActies)
        EXPECT_TRUE(Aan(id)) << id;
    EXPECT_TRUE(Aan("Undo") && Aan("Ongedaanmaken1"));

    // Insert switches the editor to overwriting with one beep, and back.
    Caret(1);
    Toets(Qt::Key_Insert);
    EXPECT_EQ(Paneel(PaneelModus), QStringLiteral("Overschrijven"));
    QTest::keyClicks(w->Editor, QStringLiteral("X"));
    Toets(Qt::Key_Insert);
    QTest::keyClicks(w->Editor, QStringLiteral("Y"));
    EXPECT_EQ(std::pair(Tekst(), Paneel(PaneelModus)), std::pair(std::u32string(U"aXYcd"), QStringLiteral("Invoegen")));
    EXPECT_EQ(prompter.Beeps(Sound::Default), 1);

    Toets(Qt::Key_Return);
    QTest::keyClicks(w->Editor, QStringLiteral("de"));
    Toets(Qt::Key_Left);
    EXPECT_EQ(Paneel(PaneelPositie), QStringLiteral("  Regel:   2   Kolom:   2"));

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

// Insert, wherever it is pressed, switches the editor's typing as panel 3 says.
struct InsertToets {
    const char* naam;
    Qt::KeyboardModifiers mods;
    bool inWerkbalk;       // pressed with the focus in the tab-width box
    const char* paneel;    // panel 3 afterwards
    const char* getypt;    // the text after typing "X" at offset 1 of "abcd"
};

class InsertKeys : public Window, public ::testing::WithParamInterface<InsertToets> {};

TEST_P(InsertKeys, SwitchTheTypingModeThePanelShows)
{
    const InsertToets t = GetParam();
    Zet(QStringLiteral("abcd"));
    Caret(1);
    QWidget* doel = t.inWerkbalk ? static_cast<QWidget*>(w->SpinEdit2) : w->Editor;
    doel->setFocus();
    Toets(Qt::Key_Insert, t.mods, doel);
    w->Editor->setFocus();
    Caret(1);
    QTest::keyClicks(w->Editor, QStringLiteral("X"));
    EXPECT_EQ(std::pair(Paneel(PaneelModus), Tekst()), std::pair(QString::fromLatin1(t.paneel), VanUtf8(t.getypt)));
}

INSTANTIATE_TEST_SUITE_P(
    Window, InsertKeys,
    ::testing::Values(InsertToets{"Insert", {}, false, "Overschrijven", "aXcd"},
                      // The keypad's 0 with Num Lock off.
                      InsertToets{"KeypadInsert", Qt::KeypadModifier, false, "Overschrijven", "aXcd"},
                      InsertToets{"InDeTabbreedte", {}, true, "Overschrijven", "aXcd"},
                      // Shift+Insert pastes and Ctrl+Insert copies: no switch.
                      InsertToets{"ShiftInsert", Qt::ShiftModifier, false, "Invoegen", "aXbcd"},
                      InsertToets{"CtrlInsert", Qt::ControlModifier, false, "Invoegen", "aXbcd"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Window, TheWidthBoxClampsATypedWidth)
{
    const auto typ = [this](const char* breedte) {
        w->SpinEdit2->setFocus();
        w->SpinEdit2->selectAll();
        QTest::keyClicks(w->SpinEdit2, QString::fromLatin1(breedte));
    };
    typ("95");
    EXPECT_EQ(std::pair(w->SpinEdit2->text(), w->SpinEdit2->value()), std::pair(QStringLiteral("90"), 90));
    typ("5");
    w->Editor->setFocus();
    EXPECT_EQ(std::pair(w->SpinEdit2->text(), w->SpinEdit2->value()), std::pair(QStringLiteral("20"), 20));
    // A staff made while the box still holds too small a width is that of the box afterwards.
    typ("3");
    Toets(Qt::Key_T, Qt::AltModifier, w->SpinEdit2);
    EXPECT_EQ(w->editor().GetLine(1), U"E|-----------------|");
    EXPECT_EQ(w->SpinEdit2->value(), 20);
}

TEST_F(Window, TheTuningBoxKeepsWhatIsTypedAndEnterGoesBackToTheText)
{
    // The first start offers the common tunings.
    QStringList lijst;
    for (int i = 0; i < w->ComboBox1->count(); ++i)
        lijst << w->ComboBox1->itemText(i);
    EXPECT_EQ(lijst, (QStringList{"BEADG", "BEADGBE", "DADGAD", "DADGBE", "DGDGBD", "EADG", "EADGBE",
                                  "EbAbDbGbBbEb"}));
    // On the small test screen the tool bar would fold the box away.
    w->resize(1400, w->height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->ComboBox1->isVisible(); }));
    w->ComboBox1->setFocus();
    w->ComboBox1->lineEdit()->selectAll();
    QWidget* vak = QApplication::focusWidget();
    // "DADG" begins entries of the list, "eadgbe" is one in other letter case;
    // both are tunings of their own.
    for (const QString& getypt : {QStringLiteral("DADG"), QStringLiteral("eadgbe")}) {
        w->ComboBox1->lineEdit()->selectAll();
        QTest::keyClicks(vak, getypt);
        EXPECT_EQ(w->ComboBox1->currentText(), getypt);
    }
    Toets(Qt::Key_Return, {}, vak);
    EXPECT_EQ(QApplication::focusWidget(), w->Editor);
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("eadgbe"));

    // Enter while the suggestions for a typed "EADG" are open.
    w->ComboBox1->setFocus();
    w->ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(vak, QStringLiteral("EADG"));
    QWidget* voorstellen = w->ComboBox1->completer()->popup();
    ASSERT_TRUE(voorstellen->isVisible());
    Toets(Qt::Key_Return, {}, voorstellen);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->Editor);
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("EADG"));
    w->ComboBox1->setEditText(QStringLiteral("eadgbe"));
    Trigger("Legeregeltab1");
    EXPECT_EQ(w->editor().GetLine(2).substr(0, 3), U"gb|");  // e a d gb e: five strings
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

TEST_F(Window, StaffJumpUsesTheLastAnalysisAfterTheTextChanged)
{
    Zet(QStringLiteral("x\n") + QString::fromLatin1(kStaff));
    Toets(Qt::Key_Return);
    Toets(Qt::Key_Return);
    Caret(0);
    Toets(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Selectie(), (std::pair{Op(1, 0), 0}));
    w->Editor->clear();  // the remembered staff has gone with the text: nothing happens
    Toets(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Selectie(), (std::pair{0, 0}));
}

// --- Undo

TEST_F(Window, UndoRestoresAColumnCommandOrVerticalPasteOnceElseUsesTheWidget)
{
    Zet(QString::fromLatin1(kStaff));
    Caret(Op(2, 5));
    Toets(Qt::Key_Space, Qt::AltModifier);
    const std::u32string voor = Tekst();
    Toets(Qt::Key_BracketLeft, Qt::AltModifier);
    Caret(3);
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), voor);  // the lines of the last column command only
    EXPECT_EQ(Selectie(), (std::pair{3, 0}));

    Caret(Op(0, 3), Op(5, 5) - Op(0, 3));  // a block of two columns over all lines
    Toets(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(Aan("Verticaalplakken1"));
    Caret(10);
    Toets(Qt::Key_V, Qt::AltModifier);
    EXPECT_NE(Tekst(), voor);
    Caret(7);
    Trigger("Undo");
    EXPECT_EQ(Tekst(), voor);
    EXPECT_EQ(Selectie(), (std::pair{7, 0}));
    Trigger("Ongedaanmaken1");  // a second undo does nothing
    EXPECT_EQ(Tekst(), voor);

    // After typing the widget's own undo goes first and drops the snapshot.
    Trigger("Maatstreep");
    const std::u32string naBalk = Tekst();
    QTest::keyClicks(w->Editor, QStringLiteral("7"));
    Trigger("Ongedaanmaken1");
    EXPECT_EQ(Tekst(), naBalk);
    EXPECT_FALSE(w->state.snapshot.undomogelijk);
}

// A replaced document, or lines that moved after a column command, leave the
// snapshot nothing to write back; a loaded file is analysed before the next
// staff command or jump, also when it has as many lines as the old one.
enum class Weg { LegeRegelTab, Nieuw, Openen, Bestandslijst, HelePagina, EnterEnRichText };

class Vervangen : public Window, public ::testing::WithParamInterface<std::pair<const char*, Weg>> {};

TEST_P(Vervangen, UndoWritesNoLinesIntoMovedLinesOrAnotherDocument)
{
    const Weg weg = GetParam().second;
    const QString tekst = QStringLiteral("la la la\nla la la\nla la la\nla la la");
    // Eleven lines each: here the staff is at lines 1..6, in the other file
    // at lines 4..9, below lyrics where this one has its staff.
    Zet(QStringLiteral("titel\n%1\n%2").arg(QString::fromLatin1(kStaff), tekst));
    const QString ander = Bestand("ander.tab", (tekst + u'\n' + QString::fromLatin1(kStaff) + QStringLiteral("\nend")).toLatin1());

    Caret(Op(2, 5));
    Toets(Qt::Key_B, Qt::AltModifier);
    ASSERT_TRUE(w->state.snapshot.undomogelijk);
    w->editor().SetModified(false);  // no save question in the way
    switch (weg) {
    case Weg::LegeRegelTab:
        Caret(0);
        Toets(Qt::Key_T, Qt::AltModifier);
        break;
    case Weg::Nieuw:
        Toets(Qt::Key_N, Qt::ControlModifier);
        break;
    case Weg::Openen:
        prompter.fileNames.push_back(ander);
        Toets(Qt::Key_O, Qt::ControlModifier);
        break;
    case Weg::Bestandslijst:
        w->FileListBox1Click(ander);
        break;
    case Weg::HelePagina:
        prompter.answers.push_back(Answer::No);  // to the offer of the line font
        Trigger("FullPageButton");
        break;
    case Weg::EnterEnRichText:
        // Enter moves the staff down; the switch to rich text then empties
        // the widget's own undo, which would otherwise take the Enter back.
        Caret(0);
        Toets(Qt::Key_Return);
        Trigger("Richtext1");
        break;
    }
    EXPECT_FALSE(w->state.snapshot.undomogelijk);
    const std::u32string na = Tekst();
    Caret(1);
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), na);

    if (weg == Weg::Openen || weg == Weg::Bestandslijst) {
        ASSERT_EQ(w->editor().LineCount(), 11);
        Caret(Op(0, 2));
        Toets(Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(Selectie(), (std::pair{Op(4, 2), 0})) << "the first line of the new file's staff";
        Caret(Op(2, 3));
        Toets(Qt::Key_B, Qt::AltModifier);
        EXPECT_EQ(Tekst(), na) << "a lyric line of the new file is no staff line";
    }
}

INSTANTIATE_TEST_SUITE_P(Window, Vervangen,
                         ::testing::Values(std::pair{"LegeRegelTab", Weg::LegeRegelTab}, std::pair{"Nieuw", Weg::Nieuw},
                                           std::pair{"Openen", Weg::Openen},
                                           std::pair{"Bestandslijst", Weg::Bestandslijst},
                                           std::pair{"HelePagina", Weg::HelePagina},
                                           std::pair{"EnterEnRichText", Weg::EnterEnRichText}),
                         [](const auto& info) { return std::string(info.param.first); });

// One typed key is one undo step and one redo step, also when it overwrites.
class Typen : public Window, public ::testing::WithParamInterface<std::tuple<bool, const char*, const char*>> {};

TEST_P(Typen, EveryKeyIsOneUndoAndOneRedoStep)
{
    const auto [overschrijven, getypt, naEenUndo] = GetParam();
    Zet(QString::fromLatin1(kStaff));
    const std::u32string voor = w->editor().GetLine(0);
    if (overschrijven)
        Toets(Qt::Key_Insert);
    Caret(Op(0, 3));
    QTest::keyClicks(w->Editor, QStringLiteral("56"));
    EXPECT_EQ(w->editor().GetLine(0), VanUtf8(getypt));
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->editor().GetLine(0), VanUtf8(naEenUndo));
    w->Editor->undo();
    EXPECT_EQ(w->editor().GetLine(0), voor);
    w->Editor->redo();
    EXPECT_EQ(w->editor().GetLine(0), VanUtf8(naEenUndo));
    w->Editor->redo();
    EXPECT_EQ(w->editor().GetLine(0), VanUtf8(getypt));
}

INSTANTIATE_TEST_SUITE_P(Window, Typen,
                         ::testing::Values(std::tuple{false, "e|-56----------------|", "e|-5----------------|"},
                                           std::tuple{true, "e|-56--------------|", "e|-5---------------|"}),
                         [](const auto& info) { return std::get<0>(info.param) ? "Overschrijven" : "Invoegen"; });

// --- Find and replace

enum class Knop { Zoek, VervangZoek, Vervang, Alles };

struct ZoekGeval {
    Knop knop;
    const char* tekst;  // UTF-8
    int caret, selectie;
    const char *wat, *door;
    bool hoofdletters;
    int keer;              // presses
    const char* verwacht;  // the text afterwards, UTF-8
    int caretNa, selectieNa;
    const char* melding = "";  // the dialog's line after the last press
};

class FindReplace : public Window, public ::testing::WithParamInterface<ZoekGeval> {};

// One press that replaces is one undo step, taken back whole.
TEST_P(FindReplace, WalksForwardWithoutWrappingAlwaysEndsAndOneUndoTakesBackAReplacement)
{
    const ZoekGeval g = GetParam();
    Zet(QString::fromUtf8(g.tekst));
    const std::u32string voor = Tekst();
    Caret(g.caret, g.selectie);
    const bool zoek = g.knop == Knop::Zoek;
    Trigger(zoek ? "Zoeken1" : "Vervangen");
    ZoekDialoog* f = w->FindDialog1;
    VervangDialoog* r = w->ReplaceDialog1;
    QPushButton* volgende = zoek ? f->volgendeKnop() : r->volgendeKnop();
    EXPECT_TRUE((zoek ? f->isVisible() : r->isVisible()) && !volgende->isEnabled());
    (zoek ? f->zoekveld() : r->zoekveld())->setText(QString::fromUtf8(g.wat));
    (zoek ? f->hoofdletterVak() : r->hoofdletterVak())->setChecked(g.hoofdletters);
    r->vervangveld()->setText(QString::fromUtf8(g.door));
    QPushButton* knop = g.knop == Knop::Vervang ? r->vervangKnop() : g.knop == Knop::Alles ? r->allesKnop() : volgende;
    for (int i = 0; i < g.keer; ++i)
        knop->click();
    EXPECT_EQ(Tekst(), VanUtf8(g.verwacht));
    EXPECT_EQ(Selectie(), (std::pair{g.caretNa, g.selectieNa}));
    EXPECT_TRUE(prompter.beeps.empty() && prompter.messages.empty());
    EXPECT_EQ((zoek ? f->melding() : r->melding())->text(), QString::fromUtf8(g.melding));
    if (Tekst() == voor || g.keer > 1)
        return;
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
    Caret(1);
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), voor);
    EXPECT_EQ(Selectie(), (std::pair{1, 0}));
    Toets(Qt::Key_Z, Qt::ControlModifier);  // a second undo does nothing
    EXPECT_EQ(Tekst(), voor);
}

INSTANTIATE_TEST_SUITE_P(
    Window, FindReplace,
    ::testing::Values(
        // Find starts at the top, not at the caret, and then after the selection.
        ZoekGeval{Knop::Zoek, "ab ab", 4, 0, "ab", "", false, 1, "ab ab", 0, 2},
        ZoekGeval{Knop::Zoek, "ab ab", 4, 0, "ab", "", false, 2, "ab ab", 3, 2},
        // A search that finds nothing says so in the dialog and leaves the selection.
        ZoekGeval{Knop::Zoek, "ab ab", 4, 0, "ab", "", false, 3, "ab ab", 3, 2, "\"ab\" niet gevonden"},
        ZoekGeval{Knop::Zoek, "xx AB ab", 0, 0, "ab", "", false, 1, "xx AB ab", 3, 2},
        ZoekGeval{Knop::Zoek, "xx AB ab", 0, 0, "ab", "", true, 1, "xx AB ab", 6, 2},
        ZoekGeval{Knop::Zoek, "line\nÉté", 0, 0, "été", "", false, 1, "line\r\nÉté", 6, 3},
        // A character outside the Basic Multilingual Plane is one column,
        // also in front of a match found without regard to case.
        ZoekGeval{Knop::Zoek, "\U0001F3B8 Été", 0, 0, "été", "", false, 1, "\U0001F3B8 Été", 2, 3},
        ZoekGeval{Knop::Alles, "\U0001F3B8-\U0001F3B8-", 0, 0, "\U0001F3B8-", "\u4E2D", false, 1, "\u4E2D\u4E2D", 2, 0},
        // The replace dialog's find next searches the same way with its own text.
        ZoekGeval{Knop::VervangZoek, "ab ab ab", 5, 0, "ab", "X", false, 1, "ab ab ab", 0, 2},
        ZoekGeval{Knop::VervangZoek, "ab", 0, 0, "abc", "X", false, 1, "ab", 0, 0, "\"abc\" niet gevonden"},
        // Replace starts at the caret, or after the selection.
        ZoekGeval{Knop::Vervang, "x-y-z", 0, 0, "-", "+", false, 1, "x+y-z", 2, 0},
        ZoekGeval{Knop::Vervang, "x-y-z", 0, 0, "-", "+", false, 2, "x+y+z", 4, 0},
        ZoekGeval{Knop::Vervang, "ab ab ab", 0, 2, "ab", "X", false, 1, "ab X ab", 4, 0},
        ZoekGeval{Knop::Alles, "aaa", 0, 0, "a", "aa", false, 1, "aaaaaa", 6, 0},
        ZoekGeval{Knop::Alles, "A-a-A", 2, 0, "a", "b", true, 1, "A-b-A", 3, 0},
        ZoekGeval{Knop::Alles, "A-a-A", 3, 0, "a", "b", true, 1, "A-a-A", 3, 0, "\"a\" niet gevonden"},
        ZoekGeval{Knop::Vervang, "x-y", 0, 0, "+", "-", false, 1, "x-y", 0, 0, "\"+\" niet gevonden"},
        ZoekGeval{Knop::Vervang, "-x-", 0, 0, "-", "+", false, 1, "+x-", 1, 0},
        // Growing replacements that hold the text to find, on several lines.
        ZoekGeval{Knop::Alles, "aaa\nbab\n", 0, 0, "a", "aa", true, 1, "aaaaaa\r\nbaab\r\n", 11, 0},
        ZoekGeval{Knop::Alles, "e|--0--|\nB|-----|", 0, 0, "-", "==", true, 1, "e|====0====|\r\nB|==========|", 26, 0},
        ZoekGeval{Knop::Alles, "x-y\n--\nz", 0, 0, "-", "", true, 1, "xy\r\n\r\nz", 4, 0},
        ZoekGeval{Knop::Alles, "Ab ab\naB Été été", 0, 0, "été", "e", false, 1, "Ab ab\r\naB e e", 13, 0},
        ZoekGeval{Knop::Alles, "a a\na a", 2, 0, "a", "b", false, 1, "a b\r\nb b", 8, 0},
        // Line breaks pasted into the fields: lines come and go.
        ZoekGeval{Knop::Alles, "a;b;c\nd", 0, 0, ";", "\n", false, 1, "a\r\nb\r\nc\r\nd", 6, 0},
        ZoekGeval{Knop::Alles, "a\nb\nc", 0, 0, "\nb", "", false, 1, "a\r\nc", 1, 0},
        ZoekGeval{Knop::Alles, "a\nb\n", 0, 0, "\n", " ", false, 1, "a b ", 4, 0}));

TEST_F(Window, NotFoundIsSaidInTheDialogWithoutABoxAndGoesAtTheNextFind)
{
    Zet(QStringLiteral("noot maat noot"));
    Trigger("Zoeken1");
    ZoekDialoog* f = w->FindDialog1;
    f->activateWindow();
    // The dialog counts as active beside its owner at once; wait until it
    // really has the focus.
    ASSERT_TRUE(QTest::qWaitFor([f] { return QApplication::activeWindow() == f; }));
    f->zoekveld()->setFocus();
    QTest::keyClicks(f->zoekveld(), QStringLiteral("rust"));
    QTest::keyClick(f->zoekveld(), Qt::Key_Return);
    EXPECT_EQ(f->melding()->text(), QStringLiteral("\"rust\" niet gevonden"));
    // No box: the user types on in the field.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), f->zoekveld());
    EXPECT_TRUE(prompter.messages.empty() && prompter.beeps.empty());
    f->zoekveld()->selectAll();
    QTest::keyClicks(f->zoekveld(), QStringLiteral("noot"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(f->zoekveld(), Qt::Key_Return);
    EXPECT_EQ(f->melding()->text(), QStringLiteral("\"noot\" niet gevonden"));
    EXPECT_EQ(Selectie(), (std::pair{10, 4}));
    // Without a selection the next find starts at the top again and finds.
    Caret(0);
    QTest::keyClick(f->zoekveld(), Qt::Key_Return);
    EXPECT_EQ(Selectie(), (std::pair{0, 4}));
    EXPECT_EQ(f->melding()->text(), QString());
}

TEST_F(Window, UndoAfterAReplaceTakesBackTheReplaceNotAnEarlierColumnCommand)
{
    Zet(QString::fromLatin1(kStaff));
    Caret(Op(2, 5));
    Toets(Qt::Key_B, Qt::AltModifier);
    const std::u32string naBalk = Tekst();
    Trigger("Vervangen1");
    VervangDialoog* r = w->ReplaceDialog1;
    r->zoekveld()->setText(QStringLiteral("E|"));
    r->vervangveld()->setText(QStringLiteral("Q|"));
    r->hoofdletterVak()->setChecked(true);
    Caret(0);
    r->allesKnop()->click();
    ASSERT_EQ(w->editor().GetLine(5).substr(0, 2), U"Q|");
    Toets(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tekst(), naBalk);
}

// --- Formatting

TEST_F(Window, StylesApplyToTheWholeTextInAsciiModeAndToTheSelectionInRichText)
{
    Zet(QStringLiteral("one two three"));
    const bool vet = w->instellingen.editorvet;
    Caret(4, 3);
    Trigger("Bold1");
    EXPECT_EQ(Selectie(), (std::pair{4, 0}));
    const auto bold = [this] { return std::tuple(w->Editor->font().bold(), Vinkje("Bold1"), Vinkje("VetButton")); };
    EXPECT_EQ(bold(), std::tuple(!vet, !vet, !vet));
    Trigger("VetButton");
    EXPECT_EQ(bold(), std::tuple(vet, vet, vet));
    Toets(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(bold(), std::tuple(!vet, !vet, !vet));
    Trigger("italicbutton");
    EXPECT_TRUE(w->Editor->font().italic() && Vinkje("Italic1"));
    Trigger("Underline1");
    EXPECT_TRUE(w->Editor->font().underline() && Vinkje("Underlinebutton"));
    prompter.colors = {QColor(Qt::red), std::nullopt};
    Trigger("Kleur");
    Trigger("Kleur1");  // cancelled
    EXPECT_EQ(w->Editor->palette().color(QPalette::Text), QColor(Qt::red));

    Trigger("Richtext");
    Caret(4, 3);
    Trigger("Italic1");
    EXPECT_EQ(Selectie(), (std::pair{4, 3}));
    QTextCursor c(w->Editor->document());
    // Italic is now off in the selection only.
    const auto cursief = [&c](int at) { return c.setPosition(at), c.charFormat().font().italic(); };
    EXPECT_EQ(std::pair(cursief(2), cursief(6)), std::pair(true, false));
}

TEST_F(Window, FontDialogAndSizeBoxSetThePageCountButStylesDoNot)
{
    const QFont klein(QStringLiteral("DejaVu Sans Mono"), 9);
    const QFont groot(QStringLiteral("DejaVu Sans Mono"), 24, QFont::Bold);
    prompter.fonts = {klein, groot, std::nullopt};
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
    w->spinedit1->setEditText(QStringLiteral("9pt"));
    w->SpinEdit1Change();
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"'9pt' is geen geldig geheel getal"});
    EXPECT_EQ(w->Editor->font().pointSize(), 12);
}

// A selection of mixed formats: "GROOT" 24 pt bold, "kle" 10 pt.
struct GemengdGeval {
    const char* naam;
    std::function<void(TForm1&)> commando;
    // Afterwards, for "GROOT" and for "kle": size, bold, italic, underline, family.
    std::tuple<int, bool, bool, bool, QString> groot, klein;
};

class MixedSelection : public Window, public ::testing::WithParamInterface<GemengdGeval> {};

TEST_P(MixedSelection, AStyleOrFontNameChangesOnlyItsOwnAttribute)
{
    const GemengdGeval& g = GetParam();
    w->instellingen.editorvet = false;
    Trigger("Richtext");
    w->Editor->setPlainText(QStringLiteral("GROOTkle"));
    QTextCursor c(w->Editor->document());
    const auto zet = [&c](int van, int tot, int grootte, bool vet) {
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("DejaVu Sans")});
        f.setFontPointSize(grootte);
        f.setFontWeight(vet ? QFont::Bold : QFont::Normal);
        c.setPosition(van), c.setPosition(tot, QTextCursor::KeepAnchor), c.mergeCharFormat(f);
    };
    zet(0, 5, 24, true);
    zet(5, 8, 10, false);
    Caret(0, 8);
    g.commando(*w);
    const auto op = [&c](int i) {
        c.setPosition(i + 1);
        const QFont f = c.charFormat().font();
        return std::tuple(f.pointSize(), f.bold(), f.italic(), f.underline(), f.family());
    };
    EXPECT_EQ(op(1), g.groot);
    EXPECT_EQ(op(6), g.klein);
    EXPECT_EQ(Selectie(), (std::pair{0, 8}));
}

// The font box may offer fixed-pitch fonts only.
const QString sans = QStringLiteral("DejaVu Sans"), mono = QStringLiteral("DejaVu Sans Mono");
INSTANTIATE_TEST_SUITE_P(
    Window, MixedSelection,
    ::testing::Values(
        GemengdGeval{"Cursief", [](TForm1& w) { w.action("Italic1")->trigger(); },
                     {24, true, true, false, sans}, {10, false, true, false, sans}},
        GemengdGeval{"Onderstrepen", [](TForm1& w) { w.action("Underlinebutton")->trigger(); },
                     {24, true, false, true, sans}, {10, false, false, true, sans}},
        GemengdGeval{"Vet", [](TForm1& w) { w.action("VetButton")->trigger(); },
                     {24, true, false, false, sans}, {10, true, false, false, sans}},
        GemengdGeval{"Lettertype",
                     [](TForm1& w) {
                         w.Fontname->setCurrentIndex(w.Fontname->findText(mono));
                         w.FontNameChange();
                     },
                     {24, true, false, false, mono}, {10, false, false, false, mono}}),
    [](const auto& info) { return std::string(info.param.naam); });

// A file loaded from the browser takes the editor font of the settings.
struct LaadGeval {
    const char* naam;
    const char* editorfont;
    const char* fontvak;   // what the font box shows afterwards
    bool omgezet;          // "Doorlopende tablijnen" converts
};

class BrowserLoad : public Window, public ::testing::WithParamInterface<LaadGeval> {};

TEST_P(BrowserLoad, TheFontBoxShowsTheFontDrawnAndItsKorvaneConverts)
{
    const LaadGeval g = GetParam();
    const QString pad = Bestand("lied.tab", QByteArray(kStaff).replace("\n", "\r\n"));
    w->Fontname->setCurrentIndex(w->Fontname->findText(QStringLiteral("Korvane")));
    w->FontNameChange();
    ASSERT_EQ(w->Editor->font().family(), QStringLiteral("Korvane"));
    w->instellingen.editorfont = QString::fromLatin1(g.editorfont);
    w->FileListBox1Click(pad);
    ASSERT_EQ(w->bestandsnaam, pad);
    EXPECT_EQ(w->Fontname->currentText(), QString::fromLatin1(g.fontvak));
    prompter.answers = {Answer::No};  // to the offer of the line font
    Toets(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_EQ(w->editor().GetLine(0) != U"e|-----------------|", g.omgezet);
}

INSTANTIATE_TEST_SUITE_P(Window, BrowserLoad,
                         ::testing::Values(LaadGeval{"AnderFont", "DejaVu Sans Mono", "DejaVu Sans Mono", false},
                                           LaadGeval{"Korvane", "Korvane", "Korvane", true},
                                           LaadGeval{"KorvaneInKleineLetters", "korvane", "Korvane", true}),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Window, ARefusedConversionOffersTheLineFontAndConvertsOnYes)
{
    const QString mono = QStringLiteral("DejaVu Sans Mono");
    w->Fontname->setCurrentIndex(w->Fontname->findText(mono));
    w->FontNameChange();
    Zet(QString::fromLatin1(kStaff));
    const std::u32string ascii = Tekst();
    prompter.answers = {Answer::No, Answer::Yes};
    Toets(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_EQ(std::tuple(Tekst(), w->Editor->font().family(), w->Fontname->currentText(), w->tablijnenOmgezet),
              std::tuple(ascii, mono, mono, false));
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].kind, DialogKind::Confirmation);
    EXPECT_EQ(prompter.questions[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.questions[0].text,
              "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is.\r\n\r\n"
              "Overschakelen op het Korvane-font en de tablijnen nu omzetten ?");

    Toets(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_EQ(w->editor().GetLine(0), U"e\xF6" + std::u32string(17, U'\xFF') + U"\xF7");
    EXPECT_EQ(std::tuple(w->Editor->font().family(), w->Fontname->currentText(), w->tablijnenOmgezet, Paneel(PaneelVeranderd)),
              std::tuple(QStringLiteral("Korvane"), QStringLiteral("Korvane"), true, QString()));
    EXPECT_EQ(prompter.Beeps(Sound::Exclamation), 2);
    EXPECT_TRUE(prompter.messages.empty());
}

// Paint events of the editor's text area while nothing happens: the caret's
// blink is the only thing left that repaints, and each repaint of a caret on
// a very long line shapes that whole line again.
struct Stilstand { const char* naam; bool rich; int lengte; bool knippert; };
class IdleWindow : public Window, public ::testing::WithParamInterface<Stilstand> {};

struct VerfTeller : QObject {
    int keer = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        keer += e->type() == QEvent::Paint;
        return false;
    }
};

TEST_P(IdleWindow, NothingIsRedrawnWhileIdleOnAVeryLongLine)
{
    const Stilstand& g = GetParam();
    if (g.rich)
        Trigger("Richtext1");
    // A refused RTF shown as text: one line, word-wrapped in rich text.
    QString regel(g.lengte, u'x');
    for (qsizetype i = 0; i < regel.size(); i += 7)
        regel[i] = u' ';
    Zet(regel);
    w->Editor->setLineWrapMode(g.rich ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    Caret(g.lengte / 2);
    QTest::qWait(300);
    VerfTeller verf;
    w->Editor->viewport()->installEventFilter(&verf);
    QTest::qWait(1600);
    w->Editor->viewport()->removeEventFilter(&verf);
    if (g.knippert)
        EXPECT_GE(verf.keer, 2);
    else
        EXPECT_EQ(verf.keer, 0);
}

INSTANTIATE_TEST_SUITE_P(Gevallen, IdleWindow,
                         ::testing::Values(Stilstand{"platte_tekst", false, 400000, false},
                                           Stilstand{"rich_text", true, 400000, false},
                                           // An ordinary line keeps its blinking caret.
                                           Stilstand{"gewone_regel", false, 80, true}),
                         [](const auto& i) { return std::string(i.param.naam); });

// --- Staff doctor and chord names -------------------------------------------

// A staff with a bar out of step, a closing bar lost and an en dash (0x96
// in the document), in UTF-8.
const char* const kScheef = "Riff\ne|--0--|--3--|\nB|--1---|--0--\nG|--0-\u2013|--0--|";

struct MuziekCommando {
    const char* naam;
    const char* id;          // menu item
    const char* tekst;
    int regel, kolom;        // the caret
    const char* verwacht;    // the text afterwards, CR LF between lines
    const char* melding = nullptr;  // why nothing changed
};

void PrintTo(const MuziekCommando& m, std::ostream* os)
{
    *os << m.naam;
}

class MuziekCommandos : public Window, public ::testing::WithParamInterface<MuziekCommando> {};

TEST_P(MuziekCommandos, ChangeTheTextFromTheirMenuItemAndOneUndoTakesItBack)
{
    const MuziekCommando& m = GetParam();
    Zet(QString::fromUtf8(m.tekst));
    const std::u32string voor = Tekst();
    Caret(Op(m.regel, m.kolom));
    Trigger(m.id);
    EXPECT_EQ(Tekst(), VanUtf8(m.verwacht));
    EXPECT_EQ(prompter.messages, m.melding ? std::vector<std::string>{m.melding} : std::vector<std::string>{});
    Trigger("Ongedaanmaken1");
    EXPECT_EQ(Tekst(), voor);
}

INSTANTIATE_TEST_SUITE_P(
    Window, MuziekCommandos,
    ::testing::Values(
        MuziekCommando{"AllesHerstellen", "AllesHerstellen1", kScheef, 2, 3,
                       "Riff\r\ne|--0--|--3--|\r\nB|--1--|--0--|\r\nG|--0--|--0--|"},
        MuziekCommando{"AkkoordnaamMakesTheChordLine", "Akkoordnaam1",
                       "Intro\ne|--0---0--|\nB|--1---1--|\nG|--0---2--|\nD|--2---2--|\nA|--3---0--|\nE|---------|",
                       4, 8,
                       "Intro\r\n        Am\r\ne|--0---0--|\r\nB|--1---1--|\r\nG|--0---2--|\r\nD|--2---2--|\r\n"
                       "A|--3---0--|\r\nE|---------|"},
        MuziekCommando{"AkkoordnaamOnTheChordLineThere", "Akkoordnaam1",
                       "    G\ne|--0---0--|\nB|--1---1--|\nG|--0---2--|\nD|--2---2--|\nA|--3---0--|\nE|---------|",
                       3, 4,
                       "    C\r\ne|--0---0--|\r\nB|--1---1--|\r\nG|--0---2--|\r\nD|--2---2--|\r\nA|--3---0--|\r\n"
                       "E|---------|"},
        // Akkoordnaam says why when it names nothing.
        MuziekCommando{"AkkoordnaamNotOnAStaff", "Akkoordnaam1", "Titel\ne|--0--|\nB|--1--|", 0, 2,
                       "Titel\r\ne|--0--|\r\nB|--1--|", "De caret staat niet op een tablijn"},
        MuziekCommando{"AkkoordnaamNoNotes", "Akkoordnaam1", "Titel\ne|--0--|\nB|--1--|", 1, 1,
                       "Titel\r\ne|--0--|\r\nB|--1--|", "Geen noten in kolom 2 van deze balk"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Window, ThePanelListsTheFindingsADoubleClickGoesThereAndHerstellenMendsOne)
{
    Zet(QString::fromUtf8(kScheef));
    Trigger("Tabcontroleren1");
    ASSERT_TRUE(w->Bevindingen && w->Bevindingen->isVisible());
    QListWidget* lijst = w->BevindingenLijst;
    ASSERT_EQ(lijst->count(), 3);
    EXPECT_EQ(lijst->item(0)->text(), QStringLiteral("Regel 3, kolom 9: Maatstreep staat in kolom 9, op de andere "
                                                     "snaren in kolom 8"));
    EXPECT_EQ(lijst->item(2)->text(), QStringLiteral("Regel 4, kolom 7: Teken \u2018\u2013\u2019 (U+2013) lijkt op "
                                                     "\u2018-\u2019 maar is het niet; de kolommen lopen scheef"));

    lijst->scrollToItem(lijst->item(2));
    // As a mouse sends it: a click, then the double click.
    const QPoint punt = lijst->visualItemRect(lijst->item(2)).center();
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, punt);
    QTest::mouseDClick(lijst->viewport(), Qt::LeftButton, {}, punt);
    EXPECT_EQ(Selectie(), std::pair(Op(3, 6), 0));

    lijst->setCurrentRow(2);
    Trigger("Herstellen1");
    EXPECT_EQ(w->editor().GetLine(3), U"G|--0--|--0--|");
    EXPECT_EQ(w->editor().GetLine(2), U"B|--1---|--0--") << "the other findings stay";
    EXPECT_EQ(lijst->count(), 2);
    Trigger("Ongedaanmaken1");
    EXPECT_EQ(w->editor().GetLine(3), U"G|--0-\u2013|--0--|");

    Zet(QStringLiteral("e|--0--|\nB|--1--|"));
    Trigger("Tabcontroleren1");
    ASSERT_EQ(lijst->count(), 1);
    EXPECT_EQ(lijst->item(0)->text(), QStringLiteral("Geen fouten gevonden"));
    Trigger("Herstellen1");
    EXPECT_EQ(prompter.Beeps(Sound::Exclamation), 1);
    EXPECT_EQ(Tekst(), U"e|--0--|\r\nB|--1--|");
}

// A UTF-8 lyric line with accents and curly quotes above a staff: a bar
// inserted at a column of the staff stands under the same character of the
// lyric line on screen as in the text.
TEST_F(Window, ABarUnderAnAccentedLyricLineStandsInItsColumnOnScreen)
{
    w->FileListBox1Click(Bestand("lied.tab", (QStringLiteral("Caf\u00e9 na\u00efef \u201cwon\u2019t\u201d\n")
                                              + QString::fromLatin1(kStaff)).toUtf8()));
    Caret(Op(1, 16));
    Toets(Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(w->editor().GetLine(1).substr(15, 3), U"-|-");
    ASSERT_EQ(w->editor().GetLine(0).substr(15, 2), U"\u2019t");
    QTextCursor c(w->Editor->document());
    const auto x = [&](int regel, int kolom) {
        c.setPosition(w->Editor->document()->findBlockByNumber(regel).position() + kolom);
        return w->Editor->cursorRect(c).x();
    };
    EXPECT_EQ(x(0, 16), x(1, 16));
    EXPECT_EQ(x(0, 18), x(6, 18));
}

// --- Exporting the music

TEST_F(Window, ExportWritesTheFormatOfTheChosenNameAndAsksBeforeReplacing)
{
    Zet(QStringLiteral("e|-0---3-----------|\nB|-----------------|\nG|-5h7-------------|\n"
                       "D|-----------------|\nA|-----------------|\nE|-----------------|\n"));
    const QString xml = dir.filePath(QStringLiteral("lied.musicxml"));
    prompter.fileNames.push_back(xml);
    Trigger("Exporteren1");
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].title, QStringLiteral("Exporteren"));
    QFile f(xml);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhoud = f.readAll();
    f.close();
    EXPECT_TRUE(inhoud.contains("<score-partwise version=\"4.0\">"));
    EXPECT_TRUE(inhoud.contains("<string>3</string><fret>5</fret><hammer-on type=\"start\">H</hammer-on>"));

    // A name without a known extension gets the chosen filter's.
    prompter.fileNames.push_back(dir.filePath(QStringLiteral("lied")));
    Trigger("Exporteren1");
    QFile m(dir.filePath(QStringLiteral("lied.mid")));
    ASSERT_TRUE(m.open(QIODevice::ReadOnly));
    EXPECT_EQ(m.read(4), QByteArray("MThd"));
    m.close();

    // An existing file stays as it is when the user says no.
    prompter.fileNames.push_back(xml);
    prompter.answers.push_back(Answer::No);
    Zet(QStringLiteral("e|-7---------------|\nB|-----------------|\nG|-----------------|\n"
                       "D|-----------------|\nA|-----------------|\nE|-----------------|\n"));
    Trigger("Exporteren1");
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(prompter.questions[0].text.find("bestaat al") != std::string::npos);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), inhoud);
}

TEST_F(Window, ExportOfADocumentWithoutNotesSaysSoAndWritesNothing)
{
    Zet(QStringLiteral("Alleen tekst\n"));
    prompter.fileNames.push_back(dir.filePath(QStringLiteral("leeg.mid")));
    Trigger("Exporteren1");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("leeg.mid"))));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Er staan geen noten in een tabbalk: er is niets te exporteren");
}

TEST_F(Window, ExportToWavSoundsAndWithoutASoundFontSaysSoAndWritesNothing)
{
    Zet(QStringLiteral("e|-0---3-----------|\nB|-----------------|\nG|-5h7-------------|\n"
                       "D|-----------------|\nA|-----------------|\nE|-----------------|\n"));
    if (FindSoundFont().empty())
        GTEST_SKIP() << "geen General MIDI-klankbank geinstalleerd";
    prompter.fileNames.push_back(dir.filePath(QStringLiteral("lied.wav")));
    Trigger("Exporteren1");
    QFile f(dir.filePath(QStringLiteral("lied.wav")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(4), QByteArray("RIFF"));
    // One bar of 4/4 at 100 BPM: 2.4 seconds of 4-byte frames at least.
    EXPECT_GT(f.size(), 44 + 2.4 * 44100 * 4);

    qputenv("KORVANE_SOUNDFONT", dir.filePath(QStringLiteral("geen.sf2")).toUtf8());
    prompter.fileNames.push_back(dir.filePath(QStringLiteral("stil.wav")));
    Trigger("Exporteren1");
    qunsetenv("KORVANE_SOUNDFONT");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("stil.wav"))));
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages.back(), GeenKlankbankMelding());
}

// Transposing, retuning and the capo from their menu items, the dialog
// answered as the user would, each taken back by one undo.
struct OmzetGeval {
    const char* naam;
    const char* actie;
    const char* dialoog;                          // its object name
    std::function<int(QDialog&)> antwoord;
    const char* voor;
    int regel, kolom, selectieRegels;             // caret; lines selected from it
    const char* na;
    int meldingen;
};

void PrintTo(const OmzetGeval& g, std::ostream* os)
{
    *os << g.naam;
}

std::function<int(QDialog&)> Halvetonen(int n, int bereik)
{
    return [=](QDialog& d) {
        d.findChild<QSpinBox*>(QStringLiteral("Halvetonen"))->setValue(n);
        d.findChild<QComboBox*>(QStringLiteral("Bereik"))->setCurrentIndex(bereik);
        return int(QDialog::Accepted);
    };
}

const char* const tweeBalken = "  Am\n"
                               "e|--9--|\n"
                               "B|--1--|\n"
                               "\n"
                               "e|--5--|\n"
                               "B|--5--|\n";

const OmzetGeval omzetGevallen[] = {
    {"TransposeTheCaretsStaff", "Transponeren1", "Transponeren", Halvetonen(2, 0), tweeBalken, 4, 3, 0,
     "  Am\ne|--9--|\nB|--1--|\n\ne|--7--|\nB|--7--|\n", 0},
    {"TransposeTheWholeDocumentWidensTheColumn", "Transponeren1", "Transponeren", Halvetonen(1, 1), tweeBalken, 4, 3, 0,
     "  A#m\ne|--10--|\nB|--2---|\n\ne|--6--|\nB|--6--|\n", 0},
    {"TransposeTheSelectedStaffs", "Transponeren1", "Transponeren", Halvetonen(-1, 0), tweeBalken, 1, 0, 1,
     "  G#m\ne|--8--|\nB|--0--|\n\ne|--5--|\nB|--5--|\n", 0},
    {"ANoteWithoutPlaceIsToldAndStays", "Transponeren1", "Transponeren", Halvetonen(-2, 1), tweeBalken, 1, 0, 0,
     "  Gm\ne|--7--|\nB|--1--|\n\ne|--3--|\nB|--3--|\n", 1},
    {"RetuneTheDocument", "Stemmingwijzigen1", "StemmingWijzigen",
     [](QDialog& d) {
         d.findChild<QComboBox*>(QStringLiteral("Stemmingen"))->setCurrentText(QStringLiteral("DADGBE"));
         d.findChild<QComboBox*>(QStringLiteral("Bereik"))->setCurrentIndex(1);
         return int(QDialog::Accepted);
     },
     "e|--0--|\nB|--0--|\nG|--0--|\nD|--0--|\nA|--0--|\nE|--5--|\n", 0, 0, 0,
     "e|--0--|\nB|--0--|\nG|--0--|\nD|--0--|\nA|--0--|\nD|--7--|\n", 0},
    {"CapoAddsItsLine", "Capo1", "Capo",
     [](QDialog& d) {
         d.findChild<QSpinBox*>(QStringLiteral("Capofret"))->setValue(2);
         return int(QDialog::Accepted);
     },
     tweeBalken, 0, 0, 0, "Capo: 2\n  Am\ne|--7--|\nB|--1--|\n\ne|--3--|\nB|--3--|\n", 1},
    {"CancelledChangesNothing", "Transponeren1", "Transponeren", [](QDialog&) { return int(QDialog::Rejected); },
     tweeBalken, 1, 0, 0, tweeBalken, 0},
};

class Omzetten : public Window, public ::testing::WithParamInterface<OmzetGeval> {};

TEST_P(Omzetten, FromTheMenuThenOneUndo)
{
    const OmzetGeval& g = GetParam();
    w->ComboBox1->setCurrentText(QStringLiteral("DADGBE"));
    Trigger("PlusButton");
    w->ComboBox1->setCurrentText(QStringLiteral("EADGBE"));
    auto rn = [](QString t) { return t.replace(u'\n', QStringLiteral("\r\n")).toStdU32String(); };
    Zet(QString::fromLatin1(g.voor));
    Caret(Op(g.regel, g.kolom), g.selectieRegels ? Op(g.regel + g.selectieRegels, 0) - Op(g.regel, g.kolom) : 0);
    prompter.dialogAnswers.push_back(g.antwoord);
    const std::size_t dialogen = prompter.dialogs.size();
    const std::size_t berichten = prompter.messages.size();
    Trigger(g.actie);
    ASSERT_EQ(prompter.dialogs.size(), dialogen + 1);
    EXPECT_EQ(prompter.dialogs.back(), QString::fromLatin1(g.dialoog));
    EXPECT_EQ(Tekst(), rn(QString::fromLatin1(g.na)));
    EXPECT_EQ(static_cast<int>(prompter.messages.size() - berichten), g.meldingen);
    Trigger("Ongedaanmaken1");
    EXPECT_EQ(Tekst(), rn(QString::fromLatin1(g.voor)));
}

INSTANTIATE_TEST_SUITE_P(Menu, Omzetten, ::testing::ValuesIn(omzetGevallen),
                         [](const auto& info) { return std::string(info.param.naam); });

// --- Playing the tab, through a sound output whose clock the test moves

// Takes the samples as a sound card would, as fast as the test says time
// passes.
struct NepUitgang : Geluidsuitgang {
    QIODevice* bron = nullptr;
    qint64 us = 0;
    QString weiger;     // the reason Start gives, if any

    QString Start(QIODevice* b) override
    {
        if (!weiger.isEmpty())
            return weiger;
        bron = b;
        us = 0;
        return {};
    }
    void Stop() override { bron = nullptr; }
    qint64 GespeeldUs() const override { return us; }

    // Plays on until `seconden` after the start.
    void Speel(double seconden)
    {
        const qint64 tot = std::llround(seconden * 1e6);
        const qint64 bytes = (tot * 44100 / 1000000 - us * 44100 / 1000000) * 4;
        QByteArray data = bron ? bron->read(bytes) : QByteArray();
        us = tot;
        const bool leeg = data.size() < bytes;
        if (bijVoortgang)
            bijVoortgang();
        if (leeg && bijEinde)
            bijEinde();
    }
};

// A staff of two bars of eighths; at 100 BPM each lasts 0.3 seconds.
const QString kSpeelStaf = QStringLiteral(
    "e|-0-2-3-5-7-5-3-2-|-0-2-3-5-7-5-3-2-|\nB|-----------------|-----------------|\n"
    "G|-----------------|-----------------|\nD|-----------------|-----------------|\n"
    "A|-----------------|-----------------|\nE|-----------------|-----------------|\n");

class Afspelen : public Window {
protected:
    void SetUp() override
    {
        Window::SetUp();
        w->geluidsuitgang = nep;
    }
    // The lit column on the staff's lines, -1 when none is lit.
    int Licht(int eerste) const
    {
        const auto lichten = w->Editor->extraSelections();
        if (lichten.isEmpty())
            return -1;
        EXPECT_EQ(lichten.size(), 6);
        const QTextCursor& c = lichten.front().cursor;
        EXPECT_EQ(c.block().blockNumber(), eerste);
        // The staff that sounds is in view, top to bottom.
        const QRect zicht = w->Editor->viewport()->rect();
        EXPECT_TRUE(zicht.contains(w->Editor->cursorRect(c).center()));
        EXPECT_TRUE(zicht.contains(w->Editor->cursorRect(lichten.back().cursor).center()));
        return c.selectionStart() - c.block().position();
    }
    std::shared_ptr<NepUitgang> nep = std::make_shared<NepUitgang>();
};

struct SpeelGeval {
    const char* naam;
    std::string kop;        // lines above the staff
    int kolom;              // the caret on the staff's top line
    int selectie;           // characters selected from there
    std::vector<const char*> keuzes;    // menu items switched on first
    int tempo;              // put in the tempo box first; 0 leaves it
    int vak;                // the tempo box once playing
    std::vector<std::pair<double, int>> klok;   // seconds played, lit column
};

class Speelt : public Afspelen, public ::testing::WithParamInterface<SpeelGeval> {};

TEST_P(Speelt, TheHighlightFollowsTheSound)
{
    const SpeelGeval& g = GetParam();
    Zet(QString::fromStdString(g.kop) + kSpeelStaf);
    const int staf = static_cast<int>(std::count(g.kop.begin(), g.kop.end(), '\n'));
    for (const char* k : g.keuzes)
        Trigger(k);
    if (g.tempo)
        w->Tempovak->setValue(g.tempo);
    Caret(Op(staf, g.kolom), g.selectie);
    Trigger("TabAfspelen1");
    ASSERT_TRUE(nep->bron);
    EXPECT_TRUE(Vinkje("TabAfspelen"));
    EXPECT_EQ(w->Tempovak->value(), g.vak);
    for (const auto& [seconden, kolom] : g.klok) {
        nep->Speel(seconden);
        EXPECT_EQ(Licht(staf), kolom) << seconden << " s";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, Speelt,
    ::testing::Values(
        SpeelGeval{"FromTheCaretIntoTheNextBar", "", 11, 0, {}, 0, 100,
                   {{0.15, 11}, {0.45, 13}, {1.05, 17}, {1.35, 21}, {1.65, 23}}},
        SpeelGeval{"TheWrittenTempoSetsTheBox", "Tempo: 150\n", 3, 0, {}, 0, 150, {{0.1, 3}, {0.3, 5}, {0.5, 7}}},
        SpeelGeval{"TheTempoBoxWinsOnceChosen", "Tempo: 150\n", 3, 0, {}, 200, 200, {{0.1, 3}, {0.2, 5}, {0.35, 7}}},
        // One bar of four clicks at 0.6 seconds, then the first note.
        SpeelGeval{"TheCountInShiftsTheFirstNoteByABar", "", 0, 0, {"Aftellen1"}, 0, 100,
                   {{0.15, -1}, {2.3, -1}, {2.55, 3}, {2.85, 5}}},
        SpeelGeval{"TheLoopGoesBackToTheSelectionStart", "", 3, 6, {"Herhalen1"}, 0, 100,
                   {{0.15, 3}, {0.75, 7}, {1.05, 3}, {1.65, 7}, {1.95, 3}}},
        // Rounds of three eighths at 75, 80 and 85 BPM: 1.2, 1.125 and
        // 1.059 seconds; at one tempo the third round would be elsewhere.
        SpeelGeval{"PracticeRaisesTheTempoEachRound", "", 3, 6, {"Herhalen1", "Langzameroefenen1"}, 0, 100,
                   {{0.2, 3}, {1.0, 7}, {1.3, 3}, {1.675, 5}, {2.4, 3}, {3.175, 7}}},
        SpeelGeval{"ASelectionEndsWhereItEnds", "", 3, 6, {}, 0, 100, {{0.75, 7}, {1.2, 7}}},
        SpeelGeval{"AStaffFarDownComesIntoView", std::string(150, '\n'), 3, 0, {}, 0, 100, {{0.15, 3}, {2.55, 21}}}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Afspelen, StopLeavesTheCaretWhereTheSoundWasAndEscAndTheEndStopToo)
{
    Zet(kSpeelStaf);
    Caret(Op(0, 0));
    Trigger("TabAfspelen1");
    nep->Speel(1.0);
    EXPECT_EQ(Licht(0), 9);
    Trigger("TabAfspelen1");
    EXPECT_FALSE(w->SpeeltTab());
    EXPECT_FALSE(nep->bron);
    EXPECT_FALSE(Vinkje("TabAfspelen"));
    EXPECT_EQ(Licht(0), -1);
    EXPECT_EQ(Selectie(), std::make_pair(Op(0, 9), 0));

    // Again from there; Esc stops it.
    Trigger("TabAfspelen1");
    nep->Speel(0.4);
    EXPECT_EQ(Licht(0), 11);
    Toets(Qt::Key_Escape);
    EXPECT_FALSE(w->SpeeltTab());
    EXPECT_EQ(Selectie(), std::make_pair(Op(0, 11), 0));

    // Played to its end, the caret stands on the last column.
    Trigger("TabAfspelen1");
    nep->Speel(30);
    EXPECT_FALSE(w->SpeeltTab());
    EXPECT_FALSE(Vinkje("TabAfspelen"));
    EXPECT_EQ(Selectie(), std::make_pair(Op(0, 35), 0));
}

TEST_F(Afspelen, WithoutASoundOutputTheWindowSaysSoAndStaysUsable)
{
    Zet(kSpeelStaf);
    nep->weiger = QStringLiteral("Er is geen geluidsuitvoer op deze computer");
    Trigger("TabAfspelen1");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Er is geen geluidsuitvoer op deze computer");
    EXPECT_FALSE(w->SpeeltTab());
    EXPECT_FALSE(Vinkje("TabAfspelen"));
    // The next attempt asks again, and the text still takes typing.
    nep->weiger.clear();
    Trigger("TabAfspelen1");
    EXPECT_TRUE(w->SpeeltTab());
    // An output that fails while playing stops it, and says so.
    nep->Speel(0.4);
    nep->bijFout(QStringLiteral("De geluidsuitvoer is gestopt met een fout"));
    EXPECT_FALSE(w->SpeeltTab());
    EXPECT_FALSE(Vinkje("TabAfspelen"));
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1], "De geluidsuitvoer is gestopt met een fout");
    EXPECT_EQ(Selectie(), std::make_pair(Op(0, 5), 0));
    Caret(Op(6, 0));
    Toets(Qt::Key_X);
    EXPECT_EQ(w->editor().GetLine(6), U"x");
}

TEST_F(Window, OnAMachineWithoutSoundTheRealOutputSaysSo)
{
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "deze computer heeft een geluidsuitvoer";
    Zet(kSpeelStaf);
    Trigger("TabAfspelen1");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].rfind("Er is geen geluidsuitvoer op deze computer", 0), 0u) << prompter.messages[0];
    EXPECT_FALSE(w->SpeeltTab());
}

TEST_F(Afspelen, TheChosenGuitarIsKeptAndExported)
{
    Zet(kSpeelStaf);
    const int nylon = w->Instrumentkeuze->findData(24);
    ASSERT_GE(nylon, 0);
    w->Instrumentkeuze->setCurrentIndex(nylon);
    emit w->Instrumentkeuze->activated(nylon);
    TForm1 tweede(prompter, OpstartGegevens{{}, dir.path() + u'/'});
    EXPECT_EQ(tweede.Instrumentkeuze->currentData().toInt(), 24);

    const QString mid = dir.filePath(QStringLiteral("nylon.mid"));
    prompter.fileNames.push_back(mid);
    Trigger("Exporteren1");
    QFile f(mid);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // Program change to 24 on the first string's channel.
    EXPECT_TRUE(f.readAll().contains(QByteArray("\xC0\x18", 2)));
    w->Instrumentkeuze->setCurrentIndex(w->Instrumentkeuze->findData(25));
    emit w->Instrumentkeuze->activated(w->Instrumentkeuze->currentIndex());
}

} // namespace korvane::test
