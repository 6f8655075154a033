// The real main window, driven headless: shortcuts and menu actions through
// the command table, typed keys, the status bar, enabled states, the staff
// jumps, find and replace, undo and the formatting commands.
#include "common/scriptedprompter.h"

#include "core/analysis.h"
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
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

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
    std::string Tekst() const { return w->editor().Text(); }
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
        const QString k = QKeySequence(QString::fromLatin1(c.shortcut), QKeySequence::PortableText)
                              .toString(QKeySequence::PortableText);
        EXPECT_EQ(k.isEmpty(), !*c.shortcut) << naam << ": " << c.shortcut;
        EXPECT_TRUE(k.isEmpty() || !toetsen.contains(k)) << "shortcut used twice: " << c.shortcut;
        toetsen.insert(k);
    }
}

// --- Shortcuts reach their commands from the editor and from tool-bar controls

struct AltToets {
    const char* naam;
    int key;              // with Alt
    bool vanuitWerkbalk;  // pressed with the focus in the tab-width box
    int regel;
    const char* verwacht;  // that line afterwards
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
    Toets(s.key, Qt::AltModifier, s.vanuitWerkbalk ? w->SpinEdit2 : nullptr);
    EXPECT_EQ(w->editor().GetLine(s.regel), s.verwacht);
    EXPECT_EQ(Paneel(PaneelVeranderd), QStringLiteral("Veranderd"));
}

INSTANTIATE_TEST_SUITE_P(
    Window, Shortcuts,
    ::testing::Values(AltToets{"Maatstreep", Qt::Key_B, false, 0, "e|---|--------------|"},
                      AltToets{"MaatstreepVanuitWerkbalk", Qt::Key_B, true, 5, "E|---|--------------|"},
                      AltToets{"Spatie", Qt::Key_Space, false, 3, "D|------------------|"},
                      AltToets{"Beginherhaling", Qt::Key_BracketLeft, false, 1, "B|---||*-------------|"},
                      AltToets{"Eindherhaling", Qt::Key_BracketRight, true, 1, "B|---*||-------------|"},
                      AltToets{"LegeRegelTab", Qt::Key_T, false, 3, "E|-----------------|"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Window, LineFontConversionBothWaysFromTheirKeysLeavesTheDocumentUnmodified)
{
    w->Editor->setFont(QFont(QStringLiteral("Korvane")));
    Zet(QString::fromLatin1(kStaff));
    const std::string ascii = Tekst();
    Toets(Qt::Key_Minus, Qt::AltModifier | Qt::KeypadModifier);  // another key: nothing happens
    EXPECT_EQ(Tekst(), ascii);
    Toets(Qt::Key_Minus, Qt::AltModifier);
    EXPECT_EQ(w->editor().GetLine(0), "e\xF6" + std::string(17, '\xFF') + "\xF7");
    EXPECT_EQ(Paneel(PaneelVeranderd), QString());
    Toets(Qt::Key_Backslash, Qt::AltModifier);
    EXPECT_EQ(Tekst(), ascii);
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
    EXPECT_EQ(std::pair(Tekst(), Paneel(PaneelModus)), std::pair(std::string("aXYcd"), QStringLiteral("Invoegen")));
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
    const std::string voor = Tekst();
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
    const std::string naBalk = Tekst();
    QTest::keyClicks(w->Editor, QStringLiteral("7"));
    Trigger("Ongedaanmaken1");
    EXPECT_EQ(Tekst(), naBalk);
    EXPECT_FALSE(w->state.snapshot.undomogelijk);
}

// --- Find and replace

enum class Knop { Zoek, VervangZoek, Vervang, Alles };

struct ZoekGeval {
    Knop knop;
    const char* tekst;  // UTF-8
    int caret, selectie;
    const char *wat, *door;
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
        ZoekGeval{Knop::Zoek, "xx AB ab", 0, 0, "ab", "", false, 1, "xx AB ab", 3, 2},
        ZoekGeval{Knop::Zoek, "xx AB ab", 0, 0, "ab", "", true, 1, "xx AB ab", 6, 2},
        ZoekGeval{Knop::Zoek, "line\nÉté", 0, 0, "été", "", false, 1, "line\r\n\xC9t\xE9", 6, 3},
        // The replace dialog's find next searches the same way with its own text.
        ZoekGeval{Knop::VervangZoek, "ab ab ab", 5, 0, "ab", "X", false, 1, "ab ab ab", 0, 2},
        // Replace starts at the caret, or after the selection.
        ZoekGeval{Knop::Vervang, "x-y-z", 0, 0, "-", "+", false, 1, "x+y-z", 2, 0},
        ZoekGeval{Knop::Vervang, "x-y-z", 0, 0, "-", "+", false, 2, "x+y+z", 4, 0},
        ZoekGeval{Knop::Vervang, "ab ab ab", 0, 2, "ab", "X", false, 1, "ab X ab", 4, 0},
        ZoekGeval{Knop::Alles, "aaa", 0, 0, "a", "aa", false, 1, "aaaaaa", 6, 0},
        ZoekGeval{Knop::Alles, "A-a-A", 2, 0, "a", "b", true, 1, "A-b-A", 3, 0}));

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
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"'9pt' is not a valid integer value"});
    EXPECT_EQ(w->Editor->font().pointSize(), 12);
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

} // namespace korvane::test
