// Transposing a 60,000-line document through the real window's menu item
// (dialog answered by the scripted prompter) against one setPlainText of the
// result on a bare QPlainTextEdit, in the same run. Prints the ratio; the
// target is at most 3x. Every result is checked: up and down again gives the
// text back.
#include "timing.h"
#include "venster.h"

#include "core/utf8.h"
#include "files/textcodec.h"
#include "ui/editorwidget.h"
#include "ui/mainwindow.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korvane;

namespace {

// Staffs as they come in collections: chord names, a count line, techniques
// and two-digit frets, lyrics in between.
std::string Document(int lines)
{
    static const char* const block[] = {
        "  C                 G                 Am                F",
        "   |   |   |   |     |   |   |   |     |   |   |   |     |   |   |   |  ",
        "e|-------------------|-----0-----------|-----------------|-----5h7p5-------|",
        "B|------1------------|---------1-------|-----3-----------|---(6)-----------|",
        "G|--------9----------|-------2---------|---------2-------|-----7b9r7-------|",
        "D|------2------------|-----------2-----|-----0-----------|---12/14---------|",
        "A|----3--------------|---0-------------|-----------------|-----x-x---------|",
        "E|-------------------|-----------------|---3-------------|-----0---10------|",
        "Over de heuvels gaat de weg, en ik zing een lied voor jou",
        "",
    };
    return bench::Herhaal(block, lines);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    bench::BenchVenster bv;
    if (!bv.Start())
        return 1;
    TForm1& venster = *bv;
    test::ScriptedPrompter& prompter = bv.prompter();
    const std::string origineel = Document(60000);
    venster.Editor->setPlainText(BytesToQString(origineel));
    const std::u32string origineelTekens = VanUtf8(origineel);
    venster.editor().ClearUndo();

    QPlainTextEdit kaal;
    kaal.resize(venster.Editor->size());
    kaal.setFont(venster.Editor->font());
    kaal.setLineWrapMode(QPlainTextEdit::NoWrap);
    kaal.show();
    if (!QTest::qWaitForWindowExposed(&kaal))
        return 1;

    auto transponeer = [&](int n) {
        prompter.dialogAnswers.push_back([n](QDialog& d) {
            d.findChild<QSpinBox*>(QStringLiteral("Halvetonen"))->setValue(n);
            auto* bereik = d.findChild<QComboBox*>(QStringLiteral("Bereik"));
            bereik->setCurrentIndex(bereik->count() - 1); // the whole document
            return int(QDialog::Accepted);
        });
        venster.action(QStringLiteral("Transponeren1"))->trigger();
    };

    // Up by one (9 -> 10 widens columns), then down again; alternated with
    // the baseline so that neither gets the warmer caches.
    std::vector<double> omhoog, omlaag, basis, verhoudingen;
    bool juist = true;
    std::size_t noten = 0;
    for (int r = 0; r < 7; ++r) {
        omhoog.push_back(bench::MedianMs(1, nullptr, [&] { transponeer(1); }));
        const QString resultaat = venster.Editor->toPlainText();
        basis.push_back(bench::MedianMs(1, nullptr, [&] { kaal.setPlainText(resultaat); }));
        verhoudingen.push_back(omhoog.back() / basis.back());
        noten = static_cast<std::size_t>(resultaat.count(u'-'));
        omlaag.push_back(bench::MedianMs(1, nullptr, [&] { transponeer(-1); }));
        juist = juist && venster.editor().Text() == origineelTekens;
    }
    // The one undo step that takes a whole transposition back.
    transponeer(1);
    const double undo = bench::MedianMs(1, nullptr, [&] { venster.action(QStringLiteral("Ongedaanmaken1"))->trigger(); });
    juist = juist && venster.editor().Text() == origineelTekens;
    auto mediaan = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("document: 60000 lines (%zu dashes after transposing)\n", noten);
    std::printf("transpose +1 through the menu: %.1f ms, back by -1: %.1f ms\n", mediaan(omhoog), mediaan(omlaag));
    std::printf("one setPlainText of the result on a bare QPlainTextEdit: %.1f ms\n", mediaan(basis));
    std::printf("transpose / setPlainText: %.2fx (target <= 3x)\n", mediaan(verhoudingen));
    std::printf("undo of the whole transposition: %.1f ms\n", undo);
    std::printf("up and down, and undo, give the text back: %s\n", juist ? "yes" : "NO");
    return juist && prompter.messages.empty() ? 0 : 1;
}
