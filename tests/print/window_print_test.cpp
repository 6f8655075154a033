// Printing from the real main window: which of the print commands offer the
// selection.
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

} // namespace
} // namespace korvane
