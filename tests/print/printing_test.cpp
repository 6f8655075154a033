// Printing for real: the print command writes a PDF through Qt's printer into
// a temporary directory, and the PDF is read back with pdftotext.
#include "print/pagelayout.h"
#include "print/printing.h"

#include "common/scriptedprompter.h"
#include "printtestutil.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::Line;

// A dot in a folder name is no extension.
const QString bestand = QStringLiteral("/muziek/tabs.v2/Liedje van mij.tab");
const QString titel = QStringLiteral("Liedje van mij");

class PrintTest : public ::testing::Test {
protected:
    // The text, with the page count the status bar would show for it.
    void Zet(int lines)
    {
        editor.SetText(test::NumberedLines(lines));
        stand.aantalPaginas = AantalPaginas(editor.LineCount(), stand.regelsPerPagina);
        stand.paginanummering = Paginanummering(instellingen.paginanummers, stand.aantalPaginas);
    }

    // Prints through a dialog answered into the PDF `name` with the range
    // that `choose` sets; the request as the dialog saw it is kept.
    QStringList Print(const QString& name, std::function<void(PrintDialogRequest&)> choose = [](auto&) {},
                      bool fromButton = false)
    {
        const QString file = dir.filePath(name);
        prompter.printAnswers.push_back([=, this](QPrinter& printer, PrintDialogRequest& r) {
            seen = r;
            printer.setOutputFileName(file);
            choose(r);
            return true;
        });
        AfdrukContext context{editor, prompter, drukker, stand, instellingen, bestand};
        printtekst(context, fromButton);
        return test::PdfPages(file);
    }

    QTemporaryDir dir;
    EigenDrukker eigen;
    Drukker& drukker = eigen;
    PaginaStand stand{drukker.Recalc(test::Editorfont())};
    Instellingen instellingen;
    MemoryEditor editor;
    test::ScriptedPrompter prompter;
    PrintDialogRequest seen;
};

// A document of `vol` pages of lines plus `extra` lines, with the lines per
// page measured in an editor font of `punten`, printed from page `van` to
// `tot` (0: all pages) of `paginas`.
struct AfdrukGeval {
    const char* naam;
    int punten, vol, extra;
    bool nummers;
    int van, tot, paginas;
};

class PrintPagesTest : public PrintTest, public ::testing::WithParamInterface<AfdrukGeval> {};

TEST_P(PrintPagesTest, EachPageHoldsItsLinesUnderItsHeader)
{
    const AfdrukGeval g = GetParam();
    const int rpp = stand.regelsPerPagina = drukker.Recalc(test::Editorfont(g.punten));
    const int count = g.vol * rpp + g.extra;
    instellingen.paginanummers = g.nummers;
    Zet(count);
    const QStringList pages = Print(QStringLiteral("uit.pdf"), [&](PrintDialogRequest& r) {
        r.fromPage = g.van;
        r.toPage = g.tot;
    });
    EXPECT_EQ(seen.maxPage, g.paginas);
    const int eerste = g.van > 0 ? g.van : 1;
    ASSERT_EQ(pages.size(), (g.tot > 0 ? g.tot : g.paginas) - eerste + 1);
    for (int p = eerste; p < eerste + pages.size(); ++p) {
        SCOPED_TRACE(p);
        const QString& page = pages[p - eerste];
        // Numbers only on more than one page; the title left of them from page 2 on.
        const QString paginatekst = QStringLiteral("Pagina %1 van %2").arg(p, 3).arg(g.paginas, 3);
        EXPECT_EQ(page.contains(QLatin1String("Pagina")), g.nummers && g.paginas > 1) << page.toStdString();
        EXPECT_EQ(page.contains(paginatekst), g.nummers && g.paginas > 1);
        EXPECT_EQ(page.contains(titel), g.nummers && p > 1);
        EXPECT_EQ(page.contains(QRegularExpression(titel + QLatin1String(" +") + paginatekst)), g.nummers && p > 1);
        const int first = (p - 1) * rpp;
        const int last = std::min(first + rpp, count) - 1; // before first on the extra last page
        EXPECT_EQ(page.count(QLatin1String("regel")), last - first + 1);
        if (first <= last) {
            EXPECT_TRUE(page.contains(Line(first)));
            EXPECT_TRUE(page.contains(Line(last)));
            EXPECT_LT(page.indexOf(QLatin1String("Pagina")), page.indexOf(Line(first))); // header first
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Documenten, PrintPagesTest,
                         ::testing::Values(AfdrukGeval{"een_pagina", 28, 0, 3, true, 0, 0, 1},
                                           AfdrukGeval{"drie_paginas", 28, 2, 3, true, 0, 0, 3},
                                           AfdrukGeval{"hele_paginas_en_een_kop", 28, 2, 0, true, 0, 0, 3},
                                           AfdrukGeval{"zonder_nummers", 28, 1, 2, false, 0, 0, 2},
                                           AfdrukGeval{"paginabereik", 28, 3, 1, true, 2, 3, 4},
                                           // Not even eleven lines fit: one line a page.
                                           AfdrukGeval{"reuzenletter", 400, 3, 0, true, 0, 0, 4}),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(PrintTest, ASelectionLongerThanAPageGoesOnOverFurtherPagesWithoutHeader)
{
    const int rpp = stand.regelsPerPagina;
    Zet(6 * rpp + 10);
    // Ending just after a line break takes the next line too.
    const int first = 2;
    const int last = 6 * rpp + 5;
    editor.SetCaret(editor.LineStart(first));
    editor.SetSelectionLength(editor.LineStart(last) - editor.LineStart(first));
    const QStringList pages = Print(QStringLiteral("selectie.pdf"),
                                    [](PrintDialogRequest& r) { r.selectionOnly = true; }, true);
    ASSERT_GE(pages.size(), 2);
    const QString all = pages.join(QLatin1Char('\n'));
    for (int i = first - 1; i <= last + 1; ++i)
        EXPECT_EQ(all.count(Line(i)), i >= first && i <= last ? 1 : 0) << i;
    EXPECT_FALSE(all.contains(QLatin1String("Pagina")));
    // Each page goes on with the line after the last of the page before.
    for (int p = 1; p < pages.size(); ++p)
        EXPECT_EQ(pages[p].trimmed().left(10), Line(pages[p - 1].trimmed().right(4).toInt() + 1));
    EXPECT_EQ(editor.SelectionLength(), 0);
    EXPECT_EQ(editor.CaretOffset(), editor.LineStart(last));
}

TEST_F(PrintTest, APrinterThatCannotStartIsReportedInDutch)
{
    Zet(3);
    EXPECT_TRUE(Print(QStringLiteral("niet/uit.pdf")).isEmpty());
    const std::string message = "Het afdrukken kon niet beginnen: de printer \"" +
                                dir.filePath(QStringLiteral("niet/uit.pdf")).toStdString() + "\" is niet beschikbaar.";
    EXPECT_EQ(prompter.messages, std::vector<std::string>{message});
}

TEST(Kopregel, PageTextEndsInColumn85UnlessTheTitleLeavesNoRoom)
{
    const QString pagina = QStringLiteral("Pagina   2 van   3");
    // 66 + 18 = 84 characters leave one space; 67 + 18 = 85 leave none.
    EXPECT_EQ(Kopregel(QString(66, u'x'), pagina), QString(66, u'x') + u' ' + pagina);
    EXPECT_EQ(Kopregel(QString(67, u'x'), pagina), QString(67, u'x') + pagina);
}

} // namespace
} // namespace korvane
