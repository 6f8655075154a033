// Printing from the real main window: which of the print commands offer the
// selection, and the page-numbering switch's check mark.
#include "common/scriptedprompter.h"
#include "printtestutil.h"

#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(WindowPrint, OnlyThePrintButtonOffersTheSelectionAndTheNumberingSwitchIsChecked)
{
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    OpstartGegevens start;
    start.programmamap = dir.path() + u'/';
    TForm1 w(prompter, start);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.Editor->setPlainText(QString::fromStdString(test::NumberedLines(20)).remove(u'\r'));
    w.editor().SetCaret(w.editor().LineStart(2));
    w.editor().SetSelectionLength(30);
    std::vector<bool> offered;
    for (int i = 0; i < 2; ++i)
        prompter.printAnswers.push_back([&](QPrinter&, PrintDialogRequest& r) {
            offered.push_back(r.allowSelection);
            return false;
        });
    QTest::keyClick(w.Editor, Qt::Key_P, Qt::ControlModifier); // the menu's shortcut
    w.action(QStringLiteral("printbutton"))->trigger();
    EXPECT_EQ(offered, (std::vector<bool>{false, true}));

    // The switch flips the numbering in effect; the setting and the check
    // mark follow it.
    QAction* item = w.action(QStringLiteral("Paginanummering1"));
    const bool aan = w.paginastand.paginanummering;
    item->trigger();
    EXPECT_EQ(item->isChecked(), !aan);
    EXPECT_EQ(w.instellingen.paginanummers, !aan);
}

} // namespace
} // namespace korvane
