// Printing for real: the print command writes a PDF through Qt's printer into
// a temporary directory, and the PDF is read back with pdftotext.
#include "print/pagelayout.h"
#include "print/printing.h"

#include "common/scriptedprompter.h"
#include "printtestutil.h"

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::Line;
using test::NumberedLines;
using test::PdfPages;

// The title shown from page 2 on.
const QString bestand = QStringLiteral("/muziek/tabs/Liedje van mij.tab");
const QString titel = QStringLiteral("Liedje van mij");

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // A large editor font gives few lines per page and short documents.
        QFont editorfont(QStringLiteral("DejaVu Sans Mono"));
        editorfont.setPointSize(28);
        stand.regelsPerPagina = drukker.Recalc(editorfont);
        instellingen.printerfont = QStringLiteral("DejaVu Sans Mono");
        instellingen.printergrootte = 10;
        instellingen.printervet = true;
        instellingen.paginanummers = true;
    }

    // What the status bar would have worked out for the current text.
    void ToonCaretPositie()
    {
        stand.aantalPaginas = AantalPaginas(editor.LineCount(), stand.regelsPerPagina);
        stand.paginanummering = Paginanummering(instellingen.paginanummers, stand.aantalPaginas);
    }

    // Answers the next print dialog: into `file`, with the range the
    // function chooses; the request as the dialog saw it is kept.
    QString AnswerPrintDialog(const QString& name,
                              std::function<void(PrintDialogRequest&)> choose = {})
    {
        const QString file = dir.filePath(name);
        prompter.printAnswers.push_back([this, file, choose](QPrinter& printer, PrintDialogRequest& r) {
            seen = r;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            if (choose)
                choose(r);
            return true;
        });
        return file;
    }

    bool Print(bool fromButton = false)
    {
        AfdrukContext context{editor, prompter, drukker, stand, instellingen, bestand};
        return printtekst(context, fromButton);
    }

    void Select(int firstLine, int lastLine)
    {
        editor.SetCaret(editor.LineStart(firstLine));
        editor.SetSelectionLength(editor.LineStart(lastLine) + 5 - editor.LineStart(firstLine));
    }

    QTemporaryDir dir;
    EigenDrukker eigen;
    Drukker& drukker = eigen;
    PaginaStand stand;
    Instellingen instellingen;
    MemoryEditor editor;
    test::ScriptedPrompter prompter;
    PrintDialogRequest seen;
};

TEST_F(PrintTest, EveryPageHasItsLinesAndANumberedHeaderWithTheTitleFromPageTwo)
{
    const int rpp = stand.regelsPerPagina;
    ASSERT_GE(rpp, 3);
    editor.SetText(NumberedLines(2 * rpp + 3));
    ToonCaretPositie();
    const QString file = AnswerPrintDialog(QStringLiteral("alles.pdf"));
    ASSERT_TRUE(Print());

    const QStringList pages = PdfPages(file);
    ASSERT_EQ(pages.size(), 3);
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        const QString& page = pages[p];
        EXPECT_TRUE(page.contains(QStringLiteral("Pagina   %1 van   3").arg(p + 1))) << page.toStdString();
        EXPECT_EQ(page.contains(titel), p > 0) << page.toStdString();
        EXPECT_TRUE(page.contains(Line(p * rpp)));
        EXPECT_FALSE(page.contains(Line(p * rpp - 1)));
        const int last = std::min(p * rpp + rpp - 1, 2 * rpp + 2);
        EXPECT_TRUE(page.contains(Line(last)));
        EXPECT_FALSE(page.contains(Line(last + 1)));
    }
    // Title left, page text right, on one header line, above the body.
    const QStringList rows = pages[1].split(QLatin1Char('\n'));
    const auto header = std::find_if(rows.begin(), rows.end(),
                                     [](const QString& r) { return r.contains(QLatin1String("Pagina")); });
    ASSERT_NE(header, rows.end());
    EXPECT_LT(header->indexOf(titel), header->indexOf(QLatin1String("Pagina   2 van   3")));
    EXPECT_LT(pages[1].indexOf(QLatin1String("Pagina")), pages[1].indexOf(Line(rpp)));
}

TEST_F(PrintTest, ADocumentOfWholePagesGetsALastPageWithOnlyItsHeader)
{
    const int rpp = stand.regelsPerPagina;
    editor.SetText(NumberedLines(2 * rpp));
    ToonCaretPositie();
    const QString file = AnswerPrintDialog(QStringLiteral("heel.pdf"));
    ASSERT_TRUE(Print());

    EXPECT_EQ(seen.maxPage, 3);
    const QStringList pages = PdfPages(file);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[2].contains(QLatin1String("Pagina   3 van   3")));
    EXPECT_TRUE(pages[2].contains(titel));
    EXPECT_FALSE(pages[2].contains(QLatin1String("regel")));
}

TEST_F(PrintTest, WithoutPageNumberingTheHeaderIsEmpty)
{
    instellingen.paginanummers = false;
    editor.SetText(NumberedLines(stand.regelsPerPagina + 2));
    ToonCaretPositie();
    const QString file = AnswerPrintDialog(QStringLiteral("zonder.pdf"));
    ASSERT_TRUE(Print());

    const QStringList pages = PdfPages(file);
    ASSERT_EQ(pages.size(), 2);
    for (const QString& page : pages) {
        EXPECT_FALSE(page.contains(QLatin1String("Pagina")));
        EXPECT_FALSE(page.contains(titel));
    }
}

TEST_F(PrintTest, APageRangePrintsOnlyThosePagesWithTheirOwnNumbers)
{
    const int rpp = stand.regelsPerPagina;
    editor.SetText(NumberedLines(3 * rpp + 1));
    ToonCaretPositie();
    const QString file = AnswerPrintDialog(QStringLiteral("bereik.pdf"), [](PrintDialogRequest& r) {
        r.fromPage = 2;
        r.toPage = 3;
    });
    ASSERT_TRUE(Print());

    const QStringList pages = PdfPages(file);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QLatin1String("Pagina   2 van   4")));
    EXPECT_TRUE(pages[0].contains(Line(rpp)));
    EXPECT_TRUE(pages[1].contains(QLatin1String("Pagina   3 van   4")));
    EXPECT_TRUE(pages[1].contains(Line(3 * rpp - 1)));
    EXPECT_FALSE(pages[1].contains(Line(3 * rpp)));
}

TEST_F(PrintTest, ASelectionLongerThanAPageContinuesOnFurtherPagesWithoutHeader)
{
    const int rpp = stand.regelsPerPagina;
    editor.SetText(NumberedLines(6 * rpp + 10));
    ToonCaretPositie();
    // Far more lines than one page holds in the printer font.
    const int first = 2;
    const int last = 6 * rpp + 5;
    Select(first, last);
    const int end = editor.CaretOffset() + editor.SelectionLength();
    const QString file = AnswerPrintDialog(QStringLiteral("selectie.pdf"),
                                           [](PrintDialogRequest& r) { r.selectionOnly = true; });
    ASSERT_TRUE(Print(true));

    const QStringList pages = PdfPages(file);
    ASSERT_GE(pages.size(), 2);
    const QString all = pages.join(QLatin1Char('\n'));
    for (int i = first; i <= last; ++i)
        EXPECT_EQ(all.count(Line(i)), 1) << i;
    EXPECT_FALSE(all.contains(Line(first - 1)));
    EXPECT_FALSE(all.contains(Line(last + 1)));
    EXPECT_FALSE(all.contains(QLatin1String("Pagina")));
    // Pages fill in order: each page starts with the line after the last of
    // the page before.
    for (int p = 1; p < pages.size(); ++p) {
        const QStringList before = pages[p - 1].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList here = pages[p].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const int lastBefore = before.last().trimmed().mid(6).toInt();
        EXPECT_EQ(here.first().trimmed(), Line(lastBefore + 1));
    }
    EXPECT_EQ(editor.SelectionLength(), 0);
    EXPECT_EQ(editor.CaretOffset(), end);
}

TEST_F(PrintTest, ASelectionEndingAfterALineBreakTakesTheNextLineToo)
{
    editor.SetText(NumberedLines(8));
    editor.SetCaret(editor.LineStart(2));
    editor.SetSelectionLength(editor.LineStart(4) - editor.LineStart(2));
    const QString file = AnswerPrintDialog(QStringLiteral("regeleinde.pdf"),
                                           [](PrintDialogRequest& r) { r.selectionOnly = true; });
    ASSERT_TRUE(Print(true));
    const QString all = PdfPages(file).join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(Line(2)));
    EXPECT_TRUE(all.contains(Line(4)));
    EXPECT_FALSE(all.contains(Line(5)));
}

TEST_F(PrintTest, AFontTallerThanThePageStillPrintsEveryLineOnePerPage)
{
    QFont huge(QStringLiteral("DejaVu Sans Mono"));
    huge.setPointSize(400);
    stand.regelsPerPagina = drukker.Recalc(huge);
    EXPECT_EQ(stand.regelsPerPagina, 1);
    editor.SetText(NumberedLines(3));
    ToonCaretPositie();
    const QString file = AnswerPrintDialog(QStringLiteral("reus.pdf"));
    ASSERT_TRUE(Print());

    const QStringList pages = PdfPages(file);
    ASSERT_EQ(pages.size(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(pages[i].contains(Line(i))) << pages[i].toStdString();
}

TEST_F(PrintTest, APrinterThatCannotStartIsReportedInDutch)
{
    editor.SetText(NumberedLines(3));
    ToonCaretPositie();
    AnswerPrintDialog(QStringLiteral("bestaat/niet/uit.pdf"));
    EXPECT_FALSE(Print());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("Het afdrukken kon niet beginnen"), std::string::npos);
    EXPECT_NE(prompter.messages[0].find("bestaat/niet/uit.pdf"), std::string::npos);
}

TEST(Kopregel, PageTextEndsInColumn85WhenThereIsRoom)
{
    const QString pagina = QStringLiteral("Pagina   2 van   3");
    EXPECT_EQ(Kopregel({}, {}), QString(85, u' '));
    EXPECT_EQ(Kopregel(QStringLiteral("Liedje"), pagina), QStringLiteral("Liedje") + QString(61, u' ') + pagina);
    // 66 + 18 = 84 characters leave one space; 67 + 18 = 85 leave none.
    EXPECT_EQ(Kopregel(QString(66, u'x'), pagina), QString(66, u'x') + u' ' + pagina);
    EXPECT_EQ(Kopregel(QString(67, u'x'), pagina), QString(67, u'x') + pagina);
}

TEST(TitelVan, FileNameWithoutTheLastExtension)
{
    EXPECT_EQ(TitelVan(QStringLiteral("/a/b/lied.tab")), QStringLiteral("lied"));
    EXPECT_EQ(TitelVan(QStringLiteral("/a/b.c/lied.v2.kvn")), QStringLiteral("lied.v2"));
    EXPECT_EQ(TitelVan(QStringLiteral("/a/b.c/lied")), QStringLiteral("lied"));
    EXPECT_EQ(TitelVan(QStringLiteral("Naamloos")), QStringLiteral("Naamloos"));
}

TEST(RegelTekst, WindowsBytesBecomeTheirCharacters)
{
    EXPECT_EQ(RegelTekst("caf\xe9 \x80"), QString::fromUtf8("café €"));
}

// The desktop's own print dialog, driven while it is open.
struct EchtGeval {
    const char* naam;
    bool fromButton;
    bool accept;
};

class RealPrintDialogTest : public PrintTest, public ::testing::WithParamInterface<EchtGeval> {};

TEST_P(RealPrintDialogTest, OffersThePresetRangesAndPrintsWhatItAccepts)
{
    const EchtGeval g = GetParam();
    editor.SetText(NumberedLines(2 * stand.regelsPerPagina + 1));
    editor.SetCaret(editor.LineStart(1));
    editor.SetSelectionLength(12);
    const QString file = dir.filePath(QStringLiteral("echt.pdf"));
    drukker.printer().setOutputFileName(file);
    stand.aantalPaginas = 99; // stale: the command counts again

    QtPrompter echt;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_EQ(dialog->testOption(QAbstractPrintDialog::PrintSelection), g.fromButton);
        EXPECT_EQ(dialog->printRange(), QAbstractPrintDialog::AllPages);
        EXPECT_EQ(dialog->minPage(), 1);
        EXPECT_EQ(dialog->maxPage(), 3);
        if (g.accept)
            dialog->accept();
        else
            dialog->reject();
    });
    AfdrukContext context{editor, echt, drukker, stand, instellingen, bestand};
    EXPECT_EQ(printtekst(context, g.fromButton), g.accept);
    EXPECT_TRUE(seen);
    EXPECT_EQ(stand.aantalPaginas, 3);
    EXPECT_EQ(PdfPages(file).size(), g.accept ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(Dialogen, RealPrintDialogTest,
                         ::testing::Values(EchtGeval{"menu_afdrukken", false, true},
                                           EchtGeval{"knop_afdrukken", true, true},
                                           EchtGeval{"annuleren", false, false}),
                         [](const auto& info) { return std::string(info.param.naam); });

} // namespace
} // namespace korvane
