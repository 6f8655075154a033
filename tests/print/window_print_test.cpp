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
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

// The main window with its settings in a temporary folder, shown.
class WindowPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    // The print command answered into the PDF `naam`; its pages.
    QStringList Afdrukken(const QString& naam)
    {
        const QString pdf = dir.filePath(naam);
        prompter.printAnswers = {[=](QPrinter& printer, PrintDialogRequest&) {
            printer.setOutputFileName(pdf);
            return true;
        }};
        w.action(QStringLiteral("Afdrukken1"))->trigger();
        return test::PdfPages(pdf);
    }

    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    TForm1 w{prompter, OpstartGegevens{{}, dir.path() + u'/'}};
};

TEST_F(WindowPrint, OnlyThePrintButtonOffersTheSelection)
{
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
TEST_F(WindowPrint, PrintedPagesMatchThePreview)
{
    const int rpp = w.paginastand.regelsPerPagina;
    ASSERT_GT(rpp, 1);
    w.Editor->setPlainText(QString::fromStdString(test::NumberedLines(2 * rpp + 5)).remove(u'\r'));
    w.bestandsnaam = dir.filePath(QStringLiteral("Mijn lied.tab"));
    const QStringList pages = Afdrukken(QStringLiteral("venster.pdf"));
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

// A file of `bytes` in `dir`, by its path.
QString Bestand(const QTemporaryDir& dir, const char* naam, const std::string& bytes)
{
    QFile f(dir.filePath(QString::fromLatin1(naam)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_EQ(f.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
    return f.fileName();
}

// korvane-cli with its per-user preferences in `dir`; the exit code, and the
// standard error in `fout`.
int Cli(const QTemporaryDir& dir, const QStringList& args, QString* fout = nullptr)
{
    QProcess cli;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    cli.setProcessEnvironment(omgeving);
    cli.start(QStringLiteral(KORVANE_CLI), args);
    if (!cli.waitForFinished(60000))
        return -1;
    if (fout)
        *fout = QString::fromUtf8(cli.readAllStandardError());
    return cli.exitCode();
}

TEST(CliExport, AnUnknownPaperOrAnUnwritablePdfExitsWithTwoAndWritesNothing)
{
    QTemporaryDir dir;
    const QString tab = Bestand(dir, "lied.tab", "E|-----|\r\nB|-----|\r\n");
    const QString pdf = dir.filePath(QStringLiteral("uit.pdf"));
    QString fout;
    EXPECT_EQ(Cli(dir, {tab, QStringLiteral("--export"), pdf, QStringLiteral("--page-size"), QStringLiteral("A5")},
                  &fout),
              2);
    EXPECT_EQ(fout, QStringLiteral("korvane-cli: onbekend papierformaat 'A5' (A4 of Letter)\n"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(Cli(dir, {tab, QStringLiteral("--export"), dir.filePath(QStringLiteral("geen/uit.pdf"))}, &fout), 2);
    EXPECT_TRUE(fout.endsWith(QStringLiteral("korvane-cli: kan PDF ") + dir.filePath(QStringLiteral("geen/uit.pdf")) +
                              QStringLiteral(" niet schrijven\n")))
        << fout.toStdString();
    // Only the PDF was asked for: nothing on standard output, the staff on paper.
    EXPECT_EQ(Cli(dir, {tab, QStringLiteral("--export"), pdf}), 0);
    EXPECT_TRUE(test::PdfPages(pdf).value(0).contains(QStringLiteral("E|-----|")));
}

// Wide tabs: the status bar counts the pages the window prints, and the
// command line's PDF export prints the same pages.
class WindowTabPrint : public WindowPrint, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(WindowTabPrint, StatusBarAndCommandLineAgreeWithThePrintedPages)
{
    const auto [balken, kolommen] = GetParam();
    const std::string tekst = test::TabTekst(test::Tab(balken, kolommen));
    const QString tab = Bestand(dir, "lied.tab", tekst);
    w.Editor->setPlainText(QString::fromStdString(tekst).remove(u'\r'));
    w.bestandsnaam = tab;
    // The caret on the last line: its page is the last page.
    w.editor().SetCaret(w.editor().LineStart(w.editor().LineCount() - 1));
    QTest::qWait(400); // the layout follows the typing shortly
    const QString status = w.statusPaneel(PaneelPagina)->text();
    const QStringList pages = Afdrukken(QStringLiteral("venster.pdf"));
    ASSERT_GT(pages.size(), 1);
    EXPECT_EQ(status, QStringLiteral("Pagina %1 van %2").arg(pages.size(), 3).arg(pages.size(), 3));

    // The export reads no "Opties.txt" beside it in the build tree, so the
    // window runs with the defaults as well.
    const bool letter = w.printer().pageLayout().pageSize().id() == QPageSize::Letter;
    const QString cliPdf = dir.filePath(QStringLiteral("cli.pdf"));
    EXPECT_EQ(Cli(dir, {tab, QStringLiteral("--export"), cliPdf, QStringLiteral("--page-size"),
                        letter ? QStringLiteral("Letter") : QStringLiteral("A4")}),
              0);
    EXPECT_EQ(test::PdfPages(cliPdf), pages);
}

INSTANTIATE_TEST_SUITE_P(Tabs, WindowTabPrint,
                         ::testing::Values(std::pair{30, 102}, std::pair{12, 200}),
                         [](const auto& info) { return std::to_string(info.param.second) + "kolommen"; });

} // namespace
} // namespace korvane
