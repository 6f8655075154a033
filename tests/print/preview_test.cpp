// The preview window driven headless: real key and mouse events, the page
// picture inspected pixel by pixel.
#include "print/pagelayout.h"
#include "print/preview.h"
#include "print/printer.h"

#include "printtestutil.h"

#include <QApplication>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace korvane {
namespace {

using test::NumberedLines;

const QString bestand = QStringLiteral("/muziek/Liedje van mij.tab");

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFont editorfont(QStringLiteral("DejaVu Sans Mono"));
        editorfont.setPointSize(28);
        regelsPerPagina = drukker.Recalc(editorfont);
        form.ZetLettertype(QStringLiteral("DejaVu Sans Mono"), 10, true, true);
        form.ZetAfdrukken([this] { ++afdrukken; });
    }
    void TearDown() override { form.hide(); }

    void Open(int lines, bool paginanummers = true)
    {
        editor.SetText(NumberedLines(lines));
        form.Voorbereiden(editor, QStringLiteral("Korvane - Liedje van mij.tab"), paginanummers, bestand);
    }

    void Show()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyClick(target, key, mods);
    }

    int Scroll() const { return form.ScrollBox1->verticalScrollBar()->value(); }

    // A pixel row in rows [top, bottom) dark from x0 to x1.
    static bool DarkRow(const QImage& image, int top, int bottom, int x0, int x1)
    {
        for (int y = top; y < bottom; ++y) {
            bool dark = true;
            for (int x = x0; x <= x1 && dark; ++x)
                dark = qGray(image.pixel(x, y)) < 128;
            if (dark)
                return true;
        }
        return false;
    }
    static bool WhiteBelow(const QImage& image, int top)
    {
        for (int y = top; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    }

    EigenDrukker eigen;
    Drukker& drukker = eigen;
    int regelsPerPagina = 0;
    MemoryEditor editor;
    Tpreviewform form{drukker};
    int afdrukken = 0;
};

struct OpenGeval {
    const char* naam;
    int pages; // document length in whole pages plus a few lines
};

class PreviewOpenTest : public PreviewTest, public ::testing::WithParamInterface<OpenGeval> {};

TEST_P(PreviewOpenTest, OpensOnPageOneAtFullSizeWithTheButtonsThatCanAct)
{
    const int pages = GetParam().pages;
    Open(pages * regelsPerPagina + 3);
    // Measured in the same font as printing, the preview breaks pages alike.
    EXPECT_EQ(form.paginaRegels(), regelsPerPagina);
    EXPECT_EQ(form.paginas(), pages + 1);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Pagina   1 van %1").arg(pages + 1, 3));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Korvane - Liedje van mij.tab"));
    EXPECT_FALSE(form.Zoomin->isEnabled());
    EXPECT_TRUE(form.Zoomout->isEnabled());
    EXPECT_FALSE(form.Vorige->isEnabled());
    EXPECT_EQ(form.Volgende->isEnabled(), pages > 0);
    EXPECT_EQ(form.vanRegel(), 0);
    EXPECT_EQ(form.totRegel(), pages > 0 ? regelsPerPagina - 1 : 2);

    // The paper's physical size on screen.
    const double perScreenPixel = static_cast<double>(drukker.Dpi()) / form.logicalDpiX();
    const int width = static_cast<int>(std::nearbyint(drukker.PaginaBreedte() / perScreenPixel));
    EXPECT_EQ(form.Image1->width(), width);
    EXPECT_EQ(form.paginabeeld().width(), width);
    EXPECT_NEAR(form.Image1->height(), width * drukker.PaginaHoogte() / double(drukker.PaginaBreedte()), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Documenten, PreviewOpenTest,
                         ::testing::Values(OpenGeval{"een_pagina", 0}, OpenGeval{"drie_paginas", 2}),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(PreviewTest, PageKeysMoveThroughThePagesAndSetTheButtons)
{
    Open(3 * regelsPerPagina + 1); // four pages
    Show();
    Key(Qt::Key_PageUp); // nothing before page 1
    EXPECT_EQ(form.huidigePagina(), 1);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(form.huidigePagina(), 2);
    EXPECT_EQ(form.vanRegel(), regelsPerPagina);
    EXPECT_EQ(form.totRegel(), 2 * regelsPerPagina - 1);
    EXPECT_TRUE(form.Vorige->isEnabled());
    EXPECT_TRUE(form.Volgende->isEnabled());
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Pagina   2 van   4"));

    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(form.huidigePagina(), 4);
    EXPECT_FALSE(form.Volgende->isEnabled());
    EXPECT_TRUE(form.Vorige->isEnabled());
    Key(Qt::Key_PageDown); // nothing after the last page
    EXPECT_EQ(form.huidigePagina(), 4);

    // Shift is ignored: Shift+Page Up is Page Up.
    Key(Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(form.huidigePagina(), 3);
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form.huidigePagina(), 1);
    EXPECT_FALSE(form.Vorige->isEnabled());

    QTest::mouseClick(form.Volgende, Qt::LeftButton);
    EXPECT_EQ(form.huidigePagina(), 2);
    QTest::mouseClick(form.Vorige, Qt::LeftButton);
    EXPECT_EQ(form.huidigePagina(), 1);
}

TEST_F(PreviewTest, PagesAfterTheFirstHaveAnUnderlinedHeaderWithTheTitle)
{
    Open(2 * regelsPerPagina + 1);
    const QImage& page = form.paginabeeld();
    const int header = QFontMetrics(Kopfont(), &page).height();
    const int x0 = page.width() * 35 / 100;
    const int x1 = page.width() * 55 / 100;
    EXPECT_FALSE(DarkRow(page, 3 * header, 4 * header + 2, x0, x1));
    form.VolgendeClick();
    // The rule runs under the filler between title and page text.
    EXPECT_TRUE(DarkRow(page, 3 * header, 4 * header + 2, x0, x1));
}

TEST_F(PreviewTest, ADocumentOfWholePagesEndsWithAPageOfOnlyTheHeader)
{
    Open(2 * regelsPerPagina);
    EXPECT_EQ(form.paginas(), 3);
    const QImage& page = form.paginabeeld();
    const int header = QFontMetrics(Kopfont(), &page).height();
    form.VolgendeClick();
    EXPECT_FALSE(WhiteBelow(page, 5 * header));
    form.EindClick();
    EXPECT_EQ(form.huidigePagina(), 3);
    EXPECT_GT(form.vanRegel(), form.totRegel());
    EXPECT_TRUE(WhiteBelow(page, 5 * header));
    EXPECT_FALSE(WhiteBelow(page, 0)); // the header itself
}

TEST_F(PreviewTest, LeftClickTogglesBetweenFullSizeAndTheWholePage)
{
    Open(10);
    Show();
    const QSize full = form.Image1->size();
    QTest::mouseClick(form.Image1, Qt::RightButton);
    EXPECT_EQ(form.zoomstand(), 2);
    EXPECT_EQ(form.Image1->size(), full);

    QTest::mouseClick(form.Image1, Qt::LeftButton);
    EXPECT_EQ(form.zoomstand(), 1);
    EXPECT_EQ(form.Image1->height(), form.ScrollBox1->viewport()->height() - 12);
    EXPECT_TRUE(form.Zoomin->isEnabled());
    EXPECT_FALSE(form.Zoomout->isEnabled());
    // Centred in the view.
    EXPECT_NEAR(form.Image1->x(), (form.ScrollBox1->viewport()->width() - form.Image1->width()) / 2, 1);

    QTest::mouseClick(form.Image1, Qt::LeftButton);
    EXPECT_EQ(form.zoomstand(), 2);
    EXPECT_EQ(form.Image1->size(), full);

    QTest::mouseClick(form.Zoomout, Qt::LeftButton);
    EXPECT_EQ(form.zoomstand(), 1);
    QTest::mouseClick(form.Zoomin, Qt::LeftButton);
    EXPECT_EQ(form.zoomstand(), 2);
    EXPECT_FALSE(form.Zoomin->isEnabled());
}

TEST_F(PreviewTest, ScrollKeysAndTheWheelMoveThePage)
{
    Open(10);
    Show();
    form.resize(1022, 400); // the full page is taller than the view
    QApplication::processEvents();
    QScrollBar* bar = form.ScrollBox1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 400);
    Key(Qt::Key_Down);
    EXPECT_EQ(Scroll(), 10);
    Key(Qt::Key_End);
    EXPECT_EQ(Scroll(), 210);
    Key(Qt::Key_Up);
    EXPECT_EQ(Scroll(), 200);
    Key(Qt::Key_Home);
    EXPECT_EQ(Scroll(), 0);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Scroll(), bar->maximum());
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Scroll(), 0);

    QWidget* viewport = form.ScrollBox1->viewport();
    const QPointF at(50, 50);
    QWheelEvent down(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &down);
    EXPECT_EQ(Scroll(), 30);
    QWheelEvent up(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &up);
    EXPECT_EQ(Scroll(), 0);
}

TEST_F(PreviewTest, DeleteAndF2CloseTheWindow)
{
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_F2}) {
        Open(10);
        Show();
        Key(key);
        EXPECT_FALSE(form.isVisible()) << key;
    }
}

TEST_F(PreviewTest, CtrlPAndTheButtonPrintButPAloneDoesNot)
{
    Open(10);
    Show();
    Key(Qt::Key_P);
    EXPECT_EQ(afdrukken, 0);
    Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(afdrukken, 1);
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(afdrukken, 2);
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.Sluiten, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(PreviewTest, ChangingTheFontRedrawsTheBodyButKeepsThePageBreaks)
{
    Open(3 * regelsPerPagina + 1);
    form.VolgendeClick();
    const QImage before = form.paginabeeld().copy();
    const int pages = form.paginas();

    // Proportional fonts need the filter off.
    QTest::mouseClick(form.Fixedbutton, Qt::LeftButton);
    EXPECT_FALSE(form.Fixedbutton->isChecked());
    const int index = form.pfontname->findText(QStringLiteral("DejaVu Serif"));
    ASSERT_GE(index, 0);
    form.pfontname->setCurrentIndex(index);
    EXPECT_EQ(form.pfontname->currentFont().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_NE(form.paginabeeld(), before);
    EXPECT_EQ(form.paginas(), pages);
    EXPECT_EQ(form.huidigePagina(), 2);
    EXPECT_EQ(form.vanRegel(), regelsPerPagina);
    EXPECT_EQ(form.totRegel(), 2 * regelsPerPagina - 1);

    const QImage serif = form.paginabeeld().copy();
    QTest::mouseClick(form.BoldButton, Qt::LeftButton);
    EXPECT_FALSE(form.BoldButton->isChecked());
    EXPECT_NE(form.paginabeeld(), serif);
    EXPECT_EQ(form.paginas(), pages);
}

TEST_F(PreviewTest, ASizeThatIsNoWholeNumberKeepsTheLastSizeAndSaysSo)
{
    Open(20);
    const QImage at10 = form.paginabeeld().copy();
    EXPECT_EQ(form.bodyGrootte(), 10);
    EXPECT_TRUE(form.Melding->text().isEmpty());

    QLineEdit* edit = form.spinedit1->lineEdit();
    QTest::keyClicks(edit, QStringLiteral(",5"));
    EXPECT_EQ(form.spinedit1->currentText(), QStringLiteral("10,5"));
    EXPECT_TRUE(form.Melding->text().contains(QStringLiteral("geen geldige lettergrootte"))) << form.Melding->text().toStdString();
    EXPECT_EQ(form.bodyGrootte(), 10);
    // The whole page, body included, as drawn at the last valid size.
    EXPECT_EQ(form.paginabeeld(), at10);

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("14"));
    EXPECT_TRUE(form.Melding->text().isEmpty());
    EXPECT_EQ(form.bodyGrootte(), 14);
    EXPECT_NE(form.paginabeeld(), at10);
}

TEST_F(PreviewTest, AnEmptyDocumentHasOnePageWithOnlyTheHeader)
{
    Open(0, false);
    EXPECT_EQ(form.paginas(), 1);
    EXPECT_FALSE(form.Volgende->isEnabled());
    EXPECT_TRUE(WhiteBelow(form.paginabeeld(), 0)); // no page numbers, no title
}

} // namespace
} // namespace korvane
