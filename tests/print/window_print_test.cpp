// Printing from the real main window: which of the print commands offer the
// selection, and the page-numbering switch's check mark.
#include "common/scriptedprompter.h"
#include "printtestutil.h"

#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(WindowPrint, OnlyThePrintButtonOffersTheSelectionAndPrintsIt)
{
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    OpstartGegevens start;
    start.programmamap = dir.path() + u'/';
    TForm1 w(prompter, start);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.Editor->setPlainText(QString::fromStdString(test::NumberedLines(20)).remove(u'\r'));
    PrintDialogRequest seen;
    for (const char* knop : {"", "printbutton"}) {
        w.editor().SetCaret(w.editor().LineStart(2));
        w.editor().SetSelectionLength(30);
        prompter.printAnswers.push_back([&](QPrinter& printer, PrintDialogRequest& r) {
            seen = r;
            r.selectionOnly = r.allowSelection;
            printer.setOutputFileName(dir.filePath(QLatin1String(knop) + QLatin1String(".pdf")));
            return true;
        });
        if (*knop)
            w.action(QLatin1String(knop))->trigger();
        else
            QTest::keyClick(w.Editor, Qt::Key_P, Qt::ControlModifier); // the menu's shortcut
        EXPECT_EQ(seen.allowSelection, *knop != 0) << knop;
        EXPECT_EQ(test::PdfPages(dir.filePath(QLatin1String(knop) + QLatin1String(".pdf"))).join(u'\n').count(QLatin1String("regel")),
                  *knop ? 3 : 20) << knop;
    }
    // The page-numbering switch flips the numbering in effect; the setting and
    // the check mark follow it.
    QAction* item = w.action(QStringLiteral("Paginanummering1"));
    const bool aan = w.paginastand.paginanummering; // in effect, not the setting
    item->trigger();
    EXPECT_EQ(item->isChecked(), !aan);
    EXPECT_EQ(w.instellingen.paginanummers, !aan);
}

} // namespace
} // namespace korvane
