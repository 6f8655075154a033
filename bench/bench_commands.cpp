// The staff commands' figures: the continuous-line conversion and the
// conversion back on a 60,000-line document, on the in-memory buffer and on
// the widget, each against one load of the final text (SetText /
// setPlainText) measured in the same run; and the command-line tool on such
// files, end to end: the tidying, and the conversion against a plain byte
// map of the same file.
#include "timing.h"

#include "core/linefont.h"
#include "core/memoryeditor.h"
#include "core/tabstate.h"
#include "core/tidy.h"
#include "ui/qteditor.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace korvane;
using korvane::bench::MedianMs;
using korvane::bench::TabDocument;
using korvane::bench::TabTekens;

namespace {

class StilleDialogs : public Dialogs {
public:
    void Beep(Sound) override {}
    void Message(const std::string&) override {}
    Answer Ask(DialogKind, const std::string&, Buttons) override { return Answer::Yes; }
};

struct Staat {
    StilleDialogs dialogs;
    TabState state;
    bool omgezet = false;
};

void Verslag(const char* wat, double werk, double vloer)
{
    std::printf("%-44s %8.1f ms, floor %7.1f ms: %5.2fx (target <= 3x)\n", wat, werk, vloer, werk / vloer);
}

// Staffs as typed by hand: every other one unlabelled and open at the end,
// the others indented, so that each tidy command has work on every staff.
std::string RuweDocument(int lines)
{
    const std::string bron = TabDocument(lines);
    std::string out;
    std::size_t begin = 0;
    int blok = 0;
    while (begin < bron.size()) {
        const std::size_t eind = bron.find("\r\n", begin);
        std::string regel = bron.substr(begin, eind - begin);
        begin = eind + 2;
        if (regel == "Verse")
            ++blok;
        if (regel.size() > 2 && regel[1] == '|' && regel.find("---") != std::string::npos) {
            if (blok % 2 == 0)
                regel = regel.substr(2, regel.size() - 3);
            else
                regel = "  " + regel;
        }
        out += regel;
        out += '\n';
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int n = 60000;
    const std::u32string ascii = TabTekens(n);

    // The expected texts, once.
    std::u32string kvn;
    {
        MemoryEditor m(ascii);
        Staat s;
        TabContext ctx{m, s.dialogs, s.state};
        analyze(m, s.state.analyse);
        doorlopendelijnenClick(ctx, true, s.omgezet);
        kvn = m.Text();
    }

    // In memory.
    {
        MemoryEditor m;
        Staat s;
        TabContext ctx{m, s.dialogs, s.state};
        m.SetChangeHandler([&] { DocumentVeranderd(ctx); });
        const double lijnen = MedianMs(
            5, [&] { m.SetText(ascii); analyze(m, s.state.analyse); },
            [&] { doorlopendelijnenClick(ctx, true, s.omgezet); });
        if (m.Text() != kvn)
            std::printf("memory: conversion gave the wrong text!\n");
        const double vloerKvn = MedianMs(5, [&] { m.SetText(U""); }, [&] { m.SetText(kvn); });
        Verslag("memory: continuous lines, 60000 lines", lijnen, vloerKvn);

        const double terug = MedianMs(5, [&] { m.SetText(kvn); }, [&] { KorvaneformaatnaarAscii1Click(ctx, s.omgezet); });
        if (m.Text() != ascii)
            std::printf("memory: conversion back gave the wrong text!\n");
        const double vloerAscii = MedianMs(5, [&] { m.SetText(U""); }, [&] { m.SetText(ascii); });
        Verslag("memory: back to ASCII, 60000 lines", terug, vloerAscii);
    }

    // On the widget, shown, as the window has it.
    {
        QPlainTextEdit widget;
        widget.resize(800, 600);
        widget.show();
        QtEditor ed(&widget);
        Staat s;
        TabContext ctx{ed, s.dialogs, s.state};
        ed.SetChangeHandler([&] { DocumentVeranderd(ctx); });
        const QString asciiQ = QTekst(ascii);
        const QString kvnQ = QTekst(kvn);
        auto laad = [&](const QString& t) {
            widget.setPlainText(t);
            analyze(ed, s.state.analyse);
            QApplication::processEvents();
        };
        // The command on `voor`, checked against `na`, and loading `na` itself.
        auto meet = [&](const QString& voor, auto commando, const std::u32string& na, const char* wat) {
            const double werk = MedianMs(3, [&] { laad(voor); }, [&] {
                commando(ctx, s.omgezet);
                QApplication::processEvents();
            });
            if (ed.Text() != na)
                std::printf("%s gave the wrong text!\n", wat);
            const QString naQ = QTekst(na);
            const double vloer = MedianMs(3, [&] { widget.clear(); QApplication::processEvents(); }, [&] {
                widget.setPlainText(naQ);
                QApplication::processEvents();
            });
            Verslag(wat, werk, vloer);
        };
        const auto lijnen = [](TabContext& c, bool& omgezet) { doorlopendelijnenClick(c, true, omgezet); };
        meet(asciiQ, lijnen, kvn, "widget: continuous lines, 60000 lines");
        meet(kvnQ, KorvaneformaatnaarAscii1Click, ascii, "widget: back to ASCII, 60000 lines");
        // A character outside the Basic Multilingual Plane in the title: from
        // there on, offsets and positions differ by the pairs before them.
        meet(QStringLiteral("\U0001F3B8 ") + asciiQ, lijnen, U"\U0001F3B8 " + kvn,
             "widget: continuous lines after an emoji");
    }

    // The command-line tool, end to end: start, read, tidy, write.
    {
        namespace fs = std::filesystem;
        const fs::path dir = fs::temp_directory_path() / ("korvane-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const fs::path in = dir / "collection.tab";
        const fs::path out = dir / "tidy.tab";
        {
            std::ofstream f(in, std::ios::binary);
            f << RuweDocument(n);
        }
        const std::string cmd = std::string("'") + KORVANE_CLI + "' '" + in.string() + "' -o '" + out.string()
            + "' tuning-column line-ends left-align";
        int status = 0;
        const double cli = MedianMs(5, nullptr, [&] { status = std::system(cmd.c_str()); });
        const std::string uit = [&] {
            std::ifstream f(out, std::ios::binary);
            return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        }();
        const bool getemd = status == 0 && uit.find("\nE|-----------------|") != std::string::npos
            && uit.find("\n  e|") == std::string::npos;
        std::printf("%-44s %8.1f ms (target < 500 ms)%s\n", "cli: tuning-column line-ends left-align", cli,
                    getemd ? "" : "  -- the output is not tidied!");

        // About 4.7 MB: the staff lines widened to some 105 characters.
        const fs::path breed = dir / "wide.tab";
        {
            std::ofstream f(breed, std::ios::binary);
            const std::string bron = TabDocument(n);
            for (std::size_t begin = 0; begin < bron.size();) {
                const std::size_t eind = bron.find("\r\n", begin);
                std::string regel = bron.substr(begin, eind - begin);
                begin = eind + 2;
                if (regel.size() > 2 && regel[1] == '|')
                    regel += regel.substr(2, 31);
                f << regel << "\r\n";
            }
        }
        // The file is pure ASCII, which is read as UTF-8; the classic ".kvn"
        // form, one byte a line code as tr writes it, is Windows-1252.
        const std::string lijnen = std::string("'") + KORVANE_CLI + "' '" + breed.string() + "' -o '"
            + out.string() + "' --to windows-1252 lines";
        const std::string tr = "tr -- '-|' '\\377\\372' < '" + breed.string() + "' > '" + out.string() + "'";
        int lijnenStatus = 0;
        const double cliLijnen = MedianMs(5, nullptr, [&] { lijnenStatus = std::system(lijnen.c_str()); });
        const std::uintmax_t uitGrootte = fs::file_size(out);
        const double vloer = MedianMs(5, nullptr, [&] { (void)std::system(tr.c_str()); });
        std::printf("%-44s %8.1f ms, floor (tr) %7.1f ms: %5.2fx (target <= 3x), %.1f MB%s\n",
                    "cli: lines, 60000 lines", cliLijnen, vloer, cliLijnen / vloer,
                    static_cast<double>(fs::file_size(breed)) / 1e6,
                    lijnenStatus == 0 && uitGrootte == fs::file_size(breed) ? "" : "  -- the output is wrong!");
        fs::remove_all(dir);
    }
    return 0;
}
