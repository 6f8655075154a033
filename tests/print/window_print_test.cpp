// Printing and the preview from the real main window: the command table's
// rows, the print dialog answered by the scripted prompter into a PDF, and
// the modal preview driven while it is open.
#include "common/scriptedprompter.h"
#include "printtestutil.h"

#include "print/preview.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

using test::Line;
using test::NumberedLines;
using test::PdfPages;

class WindowPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        OpstartGegevens start;
        start.programmamap = dir.path() + u'/';
        w = std::make_unique<TForm1>(prompter, start);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->Editor->setFocus();
    }
    void TearDown() override { w.reset(); }

    void Zet(int lines)
    {
        w->Editor->setPlainText(QString::fromLatin1(NumberedLines(lines)).replace(QLatin1String("\r\n"),
                                                                                    QLatin1String("\n")));
        w->bestandsnaam = dir.filePath(QStringLiteral("Mijn lied.tab"));
        w->ToonCaretPositie();
    }

    QString AnswerPrintDialog(const QString& name)
    {
        const QString file = dir.filePath(name);
        prompter.printAnswers.push_back([this, file](QPrinter& printer, PrintDialogRequest& r) {
            seen = r;
            printer.setOutputFileName(file);
            return true;
        });
        return file;
    }

    // Runs `inside` while the preview is open, then closes it with `sluit`.
    void MetVoorbeeld(const std::function<void(Tpreviewform&)>& inside, Qt::Key sluit = Qt::Key_F2)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<Tpreviewform*>(QApplication::activeModalWidget());
            EXPECT_NE(form, nullptr);
            if (!form)
                return;
            ran = true;
            // The offscreen platform leaves the main window active under a
            // modal child; a desktop activates the preview by itself.
            QApplication::setActiveWindow(form);
            inside(*form);
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : form;
            QTest::keyClick(focus, sluit);
            EXPECT_FALSE(form->isVisible());
            if (form->isVisible())
                form->reject();
        });
        QTest::keyClick(w->Editor, Qt::Key_F2);
        EXPECT_TRUE(ran);
    }

    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
    PrintDialogRequest seen;
};

TEST_F(WindowPrint, PrintedPagesMatchThePreviewPageForPage)
{
    const int rpp = w->paginastand.regelsPerPagina;
    ASSERT_GT(rpp, 1);
    Zet(2 * rpp + 5);
    ASSERT_EQ(w->paginastand.aantalPaginas, 3);
    ASSERT_TRUE(w->paginastand.paginanummering);
    const QString file = AnswerPrintDialog(QStringLiteral("venster.pdf"));
    w->action(QStringLiteral("Afdrukken1"))->trigger();
    const QStringList pages = PdfPages(file);
    ASSERT_EQ(pages.size(), 3);

    MetVoorbeeld([&](Tpreviewform& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Korvane1.06 - Mijn lied.tab"));
        EXPECT_EQ(form.paginas(), 3);
        for (int p = 1; p <= 3; ++p) {
            SCOPED_TRACE(p);
            EXPECT_EQ(form.huidigePagina(), p);
            EXPECT_TRUE(pages[p - 1].contains(form.Label1->text())) << form.Label1->text().toStdString();
            EXPECT_TRUE(pages[p - 1].contains(Line(form.vanRegel())));
            EXPECT_TRUE(pages[p - 1].contains(Line(form.totRegel())));
            EXPECT_FALSE(pages[p - 1].contains(Line(form.totRegel() + 1)));
            EXPECT_EQ(pages[p - 1].contains(QLatin1String("Mijn lied")), p > 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        }
    });
}

TEST_F(WindowPrint, OnlyThePrintButtonOffersTheSelection)
{
    Zet(20);
    w->editor().SetCaret(w->editor().LineStart(2));
    w->editor().SetSelectionLength(30);
    AnswerPrintDialog(QStringLiteral("menu.pdf"));
    QTest::keyClick(w->Editor, Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(seen.allowSelection);
    ASSERT_TRUE(prompter.printAnswers.empty());

    w->editor().SetCaret(w->editor().LineStart(2));
    w->editor().SetSelectionLength(30);
    AnswerPrintDialog(QStringLiteral("knop.pdf"));
    w->action(QStringLiteral("printbutton"))->trigger();
    EXPECT_TRUE(seen.allowSelection);
    EXPECT_EQ(seen.maxPage, w->paginastand.aantalPaginas);
}

TEST_F(WindowPrint, CtrlPInThePreviewPrintsWithoutTheSelectionAndDeleteCloses)
{
    Zet(30);
    w->editor().SetCaret(w->editor().LineStart(2));
    w->editor().SetSelectionLength(30);
    const QString file = AnswerPrintDialog(QStringLiteral("voorbeeld.pdf"));
    MetVoorbeeld(
        [&](Tpreviewform&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier); },
        Qt::Key_Delete);
    EXPECT_FALSE(seen.allowSelection);
    EXPECT_FALSE(PdfPages(file).isEmpty());
}

TEST_F(WindowPrint, PageNumberingSwitchFlipsTheCheckAndTheSetting)
{
    Zet(3 * w->paginastand.regelsPerPagina);
    QAction* item = w->action(QStringLiteral("Paginanummering1"));
    ASSERT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(w->instellingen.paginanummers);
    EXPECT_FALSE(w->paginastand.paginanummering);
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(w->instellingen.paginanummers);
}

TEST_F(WindowPrint, PrinterSetupShowsItsDialog)
{
    w->action(QStringLiteral("Printerinstelling1"))->trigger();
    EXPECT_EQ(prompter.printerSetups, 1);
}

} // namespace
} // namespace korvane
