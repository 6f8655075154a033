// Printing for real: the print command writes a PDF through Qt's printer into
// a temporary directory, and the PDF is read back with pdftotext.
#include "print/pagelayout.h"
#include "print/preview.h"
#include "print/printing.h"

#include "common/scriptedprompter.h"
#include "printtestutil.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <map>

#include <gtest/gtest.h>

namespace korvane {
namespace {

// A dot in a folder name is no extension.
const QString bestand = QStringLiteral("/muziek/tabs.v2/Liedje van mij.tab");
const QString titel = QStringLiteral("Liedje van mij");

class PrintTest : public ::testing::Test {
protected:
    // Prints, as from the tool button when `fromButton`, through a dialog
    // answered into the PDF `name` with the range that `choose` sets.
    QStringList Print(const QString& name, std::function<void(PrintDialogRequest&)> choose = [](auto&) {},
                      bool fromButton = false)
    {
        const QString file = dir.filePath(name);
        prompter.printAnswers.push_back([=, this](QPrinter& printer, PrintDialogRequest& r) {
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
    editor.SetText(VanUtf8(test::NumberedLines(count)));
    // As the status bar works it out; the print command counts the pages again.
    stand.paginanummering = Paginanummering(g.nummers, g.paginas);
    const QStringList pages = Print(QStringLiteral("uit.pdf"), [&](PrintDialogRequest& r) {
        EXPECT_EQ(r.maxPage, g.paginas);
        r.fromPage = g.van;
        r.toPage = g.tot;
    });
    const int eerste = g.van > 0 ? g.van : 1;
    ASSERT_EQ(pages.size(), (g.tot > 0 ? g.tot : g.paginas) - eerste + 1);
    for (int p = eerste; p < eerste + pages.size(); ++p) {
        SCOPED_TRACE(p);
        const QString& page = pages[p - eerste];
        // Numbers only on more than one page; the title left of them from page 2 on.
        const bool genummerd = g.nummers && g.paginas > 1;
        const QString paginatekst = QStringLiteral("Pagina %1 van %2").arg(p, 3).arg(g.paginas, 3);
        EXPECT_EQ(page.count(QLatin1String("Pagina")), genummerd ? 1 : 0) << page.toStdString();
        EXPECT_EQ(page.contains(paginatekst), genummerd);
        EXPECT_EQ(page.contains(titel), g.nummers && p > 1);
        EXPECT_EQ(page.contains(QRegularExpression(titel + QLatin1String(" +") + paginatekst)), g.nummers && p > 1);
        // None on the extra last page.
        const int first = (p - 1) * rpp;
        EXPECT_EQ(test::Regels(page), test::NumberedLines(std::min(rpp, count - first), first));
        if (genummerd && first < count)
            EXPECT_LT(page.indexOf(paginatekst), page.indexOf(test::Line(first))); // the header first
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
    // Ending just after a line break takes the next line too.
    const int first = 2, last = 6 * stand.regelsPerPagina + 5;
    editor.SetText(VanUtf8(test::NumberedLines(last + 5)));
    editor.SetCaret(editor.LineStart(first));
    editor.SetSelectionLength(editor.LineStart(last) - editor.LineStart(first));
    const QStringList pages = Print(QStringLiteral("selectie.pdf"),
                                    [](PrintDialogRequest& r) { r.selectionOnly = true; }, true);
    EXPECT_GE(pages.size(), 2);
    const QString all = pages.join(QLatin1Char('\n'));
    EXPECT_EQ(test::Regels(all), test::NumberedLines(last - first + 1, first));
    EXPECT_FALSE(all.contains(QLatin1String("Pagina")));
    EXPECT_EQ(editor.SelectionLength(), 0);
    EXPECT_EQ(editor.CaretOffset(), editor.LineStart(last));
}

// A tab printed whole or as a selection of its staffs.
struct TabGeval {
    const char* naam;
    int balken, kolommen;
    bool selectie;
    bool heel; // every line fits beside its label once the font is shrunk
};

class TabPrintTest : public PrintTest, public ::testing::WithParamInterface<TabGeval> {};

TEST_P(TabPrintTest, EveryCharacterReachesThePaperAndNoStaffIsSplit)
{
    const TabGeval g = GetParam();
    const std::vector<std::string> tab = test::Tab(g.balken, g.kolommen);
    editor.SetText(VanUtf8(test::TabTekst(tab)));
    // The selection runs from the first staff's chord line to the end.
    const int eerste = g.selectie ? 2 : 0;
    if (g.selectie) {
        editor.SetCaret(editor.LineStart(eerste));
        editor.SetSelectionLength(editor.TextLength() - editor.LineStart(eerste));
    }
    int bereik = 0;
    const QStringList pages = Print(
        QStringLiteral("tab.pdf"),
        [&](PrintDialogRequest& r) {
            bereik = r.maxPage;
            r.selectionOnly = g.selectie;
        },
        g.selectie);
    ASSERT_FALSE(pages.isEmpty());
    // The dialog offers the pages that are printed.
    if (!g.selectie)
        EXPECT_EQ(bereik, pages.size());
    const QString pdf = dir.filePath(QStringLiteral("tab.pdf"));
    const QPageLayout blad = drukker.printer().pageLayout();
    const double rand = blad.paintRect(QPageLayout::Point).right() / blad.fullRect(QPageLayout::Point).width();

    const QString snaren = QStringLiteral("eBGDAE");
    std::map<char, std::vector<std::string>> stukken; // each string's printed pieces, in order
    for (int p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        QString labels;
        for (const QString& rij : test::Rijen(pages[p])) {
            if (rij.size() > 1 && rij[1] == u'|' && snaren.contains(rij[0])) {
                labels += rij[0];
                stukken[rij[0].toLatin1()].push_back(rij.toStdString());
            }
        }
        // Whole staffs only: on every page the strings come in complete sets.
        EXPECT_EQ(labels, snaren.repeated(labels.size() / 6));
        const double inkt = test::RechtsteInkt(pdf, p + 1);
        EXPECT_GT(inkt, 0);
        EXPECT_LE(inkt, rand + 0.01);
    }
    for (const QChar snaar : snaren) {
        SCOPED_TRACE(snaar.toLatin1());
        const std::vector<std::string>& delen = stukken[snaar.toLatin1()];
        std::size_t i = 0;
        for (int r = eerste; r < static_cast<int>(tab.size()); ++r) {
            const std::string& bron = tab[static_cast<std::size_t>(r)];
            if (bron.empty() || bron[0] != snaar.toLatin1() || i >= delen.size())
                continue;
            // A piece ends after a bar line; the next one repeats the label.
            std::string lijn = delen[i++];
            while (lijn.size() < bron.size() && i < delen.size()) {
                EXPECT_EQ(lijn.back(), '|') << lijn;
                EXPECT_EQ(delen[i].substr(0, 2), bron.substr(0, 2));
                lijn += delen[i++].substr(2);
            }
            EXPECT_EQ(lijn, bron);
        }
        EXPECT_EQ(i, delen.size());
        if (g.heel)
            EXPECT_EQ(delen.size(), static_cast<std::size_t>(g.balken));
        else
            EXPECT_GT(delen.size(), static_cast<std::size_t>(g.balken));
    }
    if (g.selectie)
        return;
    // The preview has the same pages, row for row.
    Tpreviewform form{drukker};
    form.ZetAfdruk(Bodyfont(instellingen.printerfont, instellingen.printergrootte, instellingen.printervet),
                   stand.regelsPerPagina);
    form.Voorbereiden(editor, QStringLiteral("Korvane - tab"), true, bestand);
    ASSERT_EQ(form.paginas(), pages.size());
    for (int p = 0; p < pages.size(); ++p) {
        QStringList rijen;
        for (const QString& rij : form.plan().Rijen(p))
            if (!rij.trimmed().isEmpty())
                rijen.append(rij.trimmed());
        EXPECT_EQ(rijen, test::Rijen(pages[p]))
            << p + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Tabs, TabPrintTest,
                         ::testing::Values(TabGeval{"kolommen102", 30, 102, false, true},
                                           TabGeval{"kolommen200", 12, 200, false, false},
                                           TabGeval{"selectie200", 12, 200, true, false}),
                         [](const auto& info) { return std::string(info.param.naam); });

// A staff taller than a page: printed from where it stands when moving it
// to a new page would not save a break, else from the top of a new page.
TEST_F(PrintTest, AStaffTallerThanAPageIsSplitOnlyWhereItMust)
{
    stand.regelsPerPagina = 6;
    editor.SetText(VanUtf8(test::TabTekst(test::Tab(2, 40))));
    QStringList labels;
    for (const QString& page : Print(QStringLiteral("hoog.pdf"))) {
        labels.append(QString());
        for (const QString& rij : test::Rijen(page))
            if (rij.size() > 1 && rij[1] == u'|')
                labels.back() += rij[0];
    }
    EXPECT_EQ(labels, (QStringList{QStringLiteral("eB"), QStringLiteral("GDAE"), QStringLiteral("eBGD"),
                                   QStringLiteral("AE")}));
}

TEST_F(PrintTest, APrinterThatCannotStartIsReportedInDutch)
{
    EXPECT_TRUE(Print(QStringLiteral("niet/uit.pdf")).isEmpty());
    const std::string message = "Het afdrukken kon niet beginnen: de printer \"" +
                                dir.filePath(QStringLiteral("niet/uit.pdf")).toStdString() + "\" is niet beschikbaar.";
    EXPECT_EQ(prompter.messages, std::vector<std::string>{message});
}

TEST(Kopregel, PageTextEndsInColumn85UnlessTheTitleLeavesNoRoom)
{
    // 83 + 1 = 84 characters leave one space; 84 + 1 = 85 leave none.
    EXPECT_EQ(Kopregel(QString(83, u'x'), QStringLiteral("p")), QString(83, u'x') + QStringLiteral(" p"));
    EXPECT_EQ(Kopregel(QString(84, u'x'), QStringLiteral("p")), QString(84, u'x') + u'p');
}

} // namespace
} // namespace korvane
