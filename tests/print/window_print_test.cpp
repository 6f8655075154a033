// Printing from the real main window: which of the print commands offer the
// selection.
#include "common/scriptedprompter.h"
#include "printtestutil.h"

#include "print/preview.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(WindowPrint, OnlyThePrintButtonOffersTheSelection)
{
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    TForm1 w(prompter, OpstartGegevens{{}, dir.path() + u'/'}); // settings in the temporary directory
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.Editor->setPlainText(QString::fromStdString(test::NumberedLines(20)).remove(u'\r'));
    w.editor().SetCaret(w.editor().LineStart(2));
    w.editor().SetSelectionLength(30);
    std::vector<bool> offered;
    const auto answer = [&](QPrinter&, PrintDialogRequest& r) { offered.push_back(r.allowSelection); return false; };
    prompter.printAnswers = {answer, answer};
    QTest::keyClick(w.Editor, Qt::Key_P, Qt::ControlModifier); // the menu's shortcut
    w.action(QStringLiteral("printbutton"))->trigger();
    EXPECT_EQ(offered, (std::vector<bool>{false, true}));
}

// With the program's own settings the preview shows the pages the printer
// prints: same breaks, same header and page numbers.
TEST(WindowPrint, PrintedPagesMatchThePreview)
{
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    TForm1 w(prompter, OpstartGegevens{{}, dir.path() + u'/'});
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const int rpp = w.paginastand.regelsPerPagina;
    ASSERT_GT(rpp, 1);
    w.Editor->setPlainText(QString::fromStdString(test::NumberedLines(2 * rpp + 5)).remove(u'\r'));
    w.bestandsnaam = dir.filePath(QStringLiteral("Mijn lied.tab"));
    const QString pdf = dir.filePath(QStringLiteral("venster.pdf"));
    prompter.printAnswers = {[&](QPrinter& printer, PrintDialogRequest&) {
        printer.setOutputFileName(pdf);
        return true;
    }};
    w.action(QStringLiteral("Afdrukken1"))->trigger();
    const QStringList pages = test::PdfPages(pdf);
    ASSERT_EQ(pages.size(), 3);

    std::vector<QString> labels;
    std::vector<std::string> lines;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<Tpreviewform*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        for (int p = 1; p <= form->paginas(); ++p) {
            labels.push_back(form->Label1->text());
            lines.push_back(test::Regels(pages.value(p - 1)));
            EXPECT_EQ(test::Line(form->vanRegel()).toStdString() + "\r\n", lines.back().substr(0, 12)) << p;
            EXPECT_NE(lines.back().find(test::Line(form->totRegel()).toStdString()), std::string::npos) << p;
            form->Volgende->click();
        }
        form->reject();
    });
    QTest::keyClick(w.Editor, Qt::Key_F2);
    ASSERT_EQ(labels.size(), 3u);
    for (int p = 0; p < 3; ++p)
        EXPECT_TRUE(pages[p].contains(labels[p])) << labels[p].toStdString();
}

} // namespace
} // namespace korvane
