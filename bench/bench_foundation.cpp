// The foundation's figures: analysis speed and linearity, a whole-document
// rewrite through the widget against one setPlainText, and the cost of the
// change notification for one typed character.
#include "timing.h"

#include "core/analysis.h"
#include "core/memoryeditor.h"
#include "core/tabstate.h"
#include "ui/qteditor.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <cstdio>

using namespace korvane;
using korvane::bench::MedianMs;
using korvane::bench::TabDocument;
using korvane::bench::TabTekens;

namespace {

double AnalyzeMs(EditorOps& ed)
{
    TabAnalyse a;
    return MedianMs(7, nullptr, [&] { analyze(ed, a); });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    // 1. analyze
    MemoryEditor mem60(TabTekens(60000));
    MemoryEditor mem120(TabTekens(120000));
    const double a60 = AnalyzeMs(mem60);
    const double a120 = AnalyzeMs(mem120);
    QPlainTextEdit widget60;
    widget60.setPlainText(QTekst(TabTekens(60000)));
    QtEditor qt60(&widget60);
    const double aq60 = AnalyzeMs(qt60);
    std::printf("analyze 60000 lines: memory %.2f ms, widget %.2f ms (target < 30 ms)\n", a60, aq60);
    std::printf("analyze 120000/60000 lines (memory): %.2fx (target <= 2.2x)\n", a120 / a60);

    // 2. rewrite every staff line through PutLine inside the painting lock,
    // against one setPlainText of the same final text.
    const std::u32string original = TabTekens(60000);
    std::u32string finalText;
    {
        MemoryEditor m(original);
        TabAnalyse a;
        analyze(m, a);
        for (int i = 0; i < m.LineCount(); ++i)
            if (a.IsTabLijn(i))
                m.PutLine(i, m.GetLine(i) + U"|");
        finalText = m.Text();
    }
    QPlainTextEdit rewriteWidget;
    rewriteWidget.resize(800, 600);
    rewriteWidget.show();
    QtEditor rewriteEd(&rewriteWidget);
    TabAnalyse rewriteAnalyse;
    const double rewrite = MedianMs(
        3,
        [&] {
            rewriteWidget.setPlainText(QTekst(original));
            analyze(rewriteEd, rewriteAnalyse);
            QApplication::processEvents();
        },
        [&] {
            rewriteEd.LockPainting();
            for (int i = 0; i < rewriteEd.LineCount(); ++i)
                if (rewriteAnalyse.IsTabLijn(i))
                    rewriteEd.PutLine(i, rewriteEd.GetLine(i) + U"|");
            rewriteEd.UnlockPainting();
            QApplication::processEvents();
        });
    if (rewriteEd.Text() != finalText)
        std::printf("rewrite produced the wrong text!\n");
    const QString finalQ = QTekst(finalText);
    const double floor = MedianMs(
        3, [&] { rewriteWidget.clear(); QApplication::processEvents(); },
        [&] {
            rewriteWidget.setPlainText(finalQ);
            QApplication::processEvents();
        });
    std::printf("rewrite staff lines via PutLine: %.1f ms, setPlainText floor %.1f ms: %.2fx (target <= 3x)\n",
                rewrite, floor, rewrite / floor);

    // 3. the change notification for one typed character near the top.
    for (int lines : {6000, 60000}) {
        QPlainTextEdit w;
        w.setPlainText(QTekst(TabTekens(lines)));
        QtEditor ed(&w);
        TabAnalyse a;
        a.vorigAantalRegels = ed.LineCount();
        double notify = 0;
        ed.SetChangeHandler([&] {
            const auto start = std::chrono::steady_clock::now();
            RegelsVeranderd(ed, a);
            notify += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        });
        const int n = 200;
        for (int i = 0; i < n; ++i) {
            QTextCursor c = w.textCursor();
            c.setPosition(5 + i % 20);
            w.setTextCursor(c);
            w.insertPlainText(QStringLiteral("x"));
        }
        std::printf("change notification, %d lines: %.4f ms per keystroke (target < 0.5 ms)\n", lines,
                    notify / n);
    }
    return 0;
}
