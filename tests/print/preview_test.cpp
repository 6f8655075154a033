// The preview window driven headless: real key and mouse events on its
// controls, the page picture compared as drawn.
#include "print/preview.h"

#include "printtestutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace korvane {
namespace {

class PreviewTest : public ::testing::Test {
protected:
    void Open(int lines)
    {
        form.ZetLettertype(QStringLiteral("DejaVu Sans Mono"), 10, true, true);
        form.ZetAfdrukken([this] { ++afdrukken; });
        editor.SetText(VanUtf8(test::NumberedLines(lines)));
        form.Voorbereiden(editor, QStringLiteral("Korvane - Liedje.tab"), true, QStringLiteral("/m/Liedje.tab"));
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    EigenDrukker eigen;
    Drukker& drukker = eigen;
    const int regelsPerPagina = drukker.Recalc(test::Editorfont());
    MemoryEditor editor;
    Tpreviewform form{drukker};
    int afdrukken = 0;
};

// A key pressed on page `start` of four, scrolled to 100, and what follows:
// the page, the scroll position (-1: the bottom), whether the window stays
// open, how often it printed.
struct Toets {
    const char* naam;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int start, pagina, scroll = 100;
    bool open = true;
    int afdrukken = 0;
};

class PreviewKeyTest : public PreviewTest, public ::testing::WithParamInterface<Toets> {};

TEST_P(PreviewKeyTest, MovesThePageOrTheViewClosesOrPrints)
{
    const Toets g = GetParam();
    Open(3 * regelsPerPagina + 1);
    form.resize(1022, 400); // the page at full size is taller than the view
    QScrollBar* bar = form.ScrollBox1->verticalScrollBar();
    for (int p = 1; p < g.start; ++p)
        form.VolgendeClick();
    bar->setValue(100);
    QTest::keyClick(QApplication::focusWidget(), g.key, g.mods);

    EXPECT_EQ(form.isVisible(), g.open);
    EXPECT_EQ(afdrukken, g.afdrukken);
    EXPECT_EQ(form.huidigePagina(), g.pagina);
    // The measuring font is the printer's, so the pages break as in print.
    EXPECT_EQ(form.vanRegel(), (g.pagina - 1) * regelsPerPagina);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Pagina %1 van   4").arg(g.pagina, 3));
    EXPECT_EQ(form.Vorige->isEnabled(), g.pagina > 1);
    EXPECT_EQ(form.Volgende->isEnabled(), g.pagina < 4);
    EXPECT_EQ(bar->value(), g.scroll < 0 ? bar->maximum() : g.scroll);
}

constexpr Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
INSTANTIATE_TEST_SUITE_P(
    Toetsen, PreviewKeyTest,
    ::testing::Values(Toets{"PageDown", Qt::Key_PageDown, {}, 1, 2}, Toets{"PageUp", Qt::Key_PageUp, {}, 3, 2},
                      Toets{"PageUpOpDeEerste", Qt::Key_PageUp, {}, 1, 1},
                      Toets{"PageDownOpDeLaatste", Qt::Key_PageDown, {}, 4, 4},
                      Toets{"ShiftTeltNiet", Qt::Key_PageUp, Qt::ShiftModifier, 4, 3},
                      Toets{"CtrlPageDown", Qt::Key_PageDown, ctrl, 1, 4}, Toets{"CtrlPageUp", Qt::Key_PageUp, ctrl, 4, 1},
                      Toets{"Down", Qt::Key_Down, {}, 1, 1, 110}, Toets{"Up", Qt::Key_Up, {}, 1, 1, 90},
                      Toets{"End", Qt::Key_End, {}, 1, 1, 300}, Toets{"Home", Qt::Key_Home, {}, 1, 1, 0},
                      Toets{"CtrlEnd", Qt::Key_End, ctrl, 1, 1, -1}, Toets{"CtrlHome", Qt::Key_Home, ctrl, 1, 1, 0},
                      Toets{"Delete", Qt::Key_Delete, {}, 1, 1, 100, false},
                      Toets{"F2", Qt::Key_F2, {}, 1, 1, 100, false}, Toets{"P", Qt::Key_P, {}, 1, 1},
                      Toets{"CtrlP", Qt::Key_P, ctrl, 1, 1, 100, true, 1}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(PreviewTest, LeftClicksToggleFullSizeAndTheWholePageAndSetTheZoomButtons)
{
    Open(10);
    EXPECT_FALSE(form.Volgende->isEnabled()); // one page
    // Full size is the paper's physical size on screen.
    const QSize full = form.Image1->size();
    EXPECT_EQ(full.width(), std::lround(drukker.PaginaBreedte() * form.logicalDpiX() / double(drukker.Dpi())));
    const auto zoom = [&](QWidget* target, Qt::MouseButton button, int stand) {
        QTest::mouseClick(target, button);
        EXPECT_EQ(form.zoomstand(), stand);
        EXPECT_EQ(form.Zoomin->isEnabled(), stand < 2);
        EXPECT_EQ(form.Zoomout->isEnabled(), stand > 1);
        EXPECT_EQ(form.Image1->height(), stand == 2 ? full.height() : form.ScrollBox1->viewport()->height() - 12);
    };
    zoom(form.Image1, Qt::RightButton, 2);
    zoom(form.Image1, Qt::LeftButton, 1);
    zoom(form.Image1, Qt::LeftButton, 2);
    zoom(form.Zoomout, Qt::LeftButton, 1);
    zoom(form.Zoomin, Qt::LeftButton, 2);
}

TEST_F(PreviewTest, TheBodyFontControlsRedrawThePageButKeepThePageBreaks)
{
    Open(3 * regelsPerPagina + 1);
    form.VolgendeClick();
    const QImage mono = form.paginabeeld().copy();
    // Proportional fonts need the fixed-pitch filter off.
    QTest::mouseClick(form.Fixedbutton, Qt::LeftButton);
    form.pfontname->setCurrentIndex(form.pfontname->findText(QStringLiteral("DejaVu Serif")));
    const QImage serif = form.paginabeeld().copy();
    EXPECT_NE(serif, mono);
    EXPECT_EQ(form.vanRegel(), regelsPerPagina);
    EXPECT_EQ(form.totRegel(), 2 * regelsPerPagina - 1);

    // A size that is no whole number leaves the page as it was, and says so.
    QTest::keyClicks(form.spinedit1, QStringLiteral(",5"));
    EXPECT_EQ(form.Melding->text(), QStringLiteral("\"10,5\" is geen geldige lettergrootte (een geheel getal van 1 "
                                                   "tot en met 1000); de pagina blijft in 10 punten getekend."));
    EXPECT_EQ(form.paginabeeld(), serif);
    form.spinedit1->clearEditText();
    QTest::keyClicks(form.spinedit1, QStringLiteral("14"));
    EXPECT_EQ(form.Melding->text(), QString());
    EXPECT_NE(form.paginabeeld(), serif);
    EXPECT_EQ(form.totRegel(), 2 * regelsPerPagina - 1);
}

// "Passend maken" and "Notenbalken heel houden": both on at first; switched
// off, the pages are laid out again and the next preview starts that way.
TEST_F(PreviewTest, TheLayoutSwitchesChangeThePagesAndAreRemembered)
{
    form.ZetLettertype(QStringLiteral("DejaVu Sans Mono"), 10, true, true);
    editor.SetText(VanUtf8(test::TabTekst(test::Tab(40, 200))));
    form.Voorbereiden(editor, QStringLiteral("Korvane - tab"), true, QStringLiteral("/m/tab.tab"));
    ASSERT_TRUE(form.Passend->isChecked());
    ASSERT_TRUE(form.BalkenHeel->isChecked());
    const auto rijen = [&] {
        int n = 0;
        for (const AfdrukPagina& p : form.plan().indeling.paginas)
            n += static_cast<int>(p.size());
        return n;
    };
    const int gebroken = rijen();
    const QImage passend = form.paginabeeld().copy();
    // Nothing runs off the right edge of the page picture either.
    const double rechts = test::RechtsteInkt(passend);
    EXPECT_GT(rechts, 1.0 / passend.width());
    EXPECT_LT(rechts, (passend.width() - 1.0) / passend.width());
    form.EindClick();
    QTest::mouseClick(form.Passend, Qt::LeftButton);
    // Unbroken: one row a line, and the page is drawn again.
    EXPECT_EQ(rijen(), editor.LineCount());
    EXPECT_LE(form.huidigePagina(), form.paginas());
    EXPECT_GT(gebroken, rijen());
    form.BeginClick();
    EXPECT_NE(form.paginabeeld(), passend);
    QTest::mouseClick(form.BalkenHeel, Qt::LeftButton);
    // Without whole staffs every page but the last is full.
    for (int p = 0; p + 1 < form.paginas(); ++p)
        EXPECT_EQ(form.plan().indeling.paginas[p].size(), static_cast<std::size_t>(form.paginaRegels())) << p;

    const IndelingOpties bewaard = LeesIndelingOpties();
    EXPECT_EQ(std::pair(bewaard.passend, bewaard.balkenHeel), std::pair(false, false));
    Tpreviewform volgende{drukker};
    EXPECT_EQ(std::pair(volgende.Passend->isChecked(), volgende.BalkenHeel->isChecked()), std::pair(false, false));
    BewaarIndelingOpties({});
}

} // namespace
} // namespace korvane
