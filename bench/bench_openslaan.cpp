// Opening and saving a 10 MB UTF-8 tab file (staffs with accented lyrics and
// curly quotes) through the document code, against the floor of reading the
// same file, QString::fromUtf8 and one setPlainText, measured in the same run.
// Prints the ratios; the target is at most 1.5x.
#include "timing.h"

#include "common/scriptedprompter.h"

#include "files/documentfiles.h"
#include "files/usersettings.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korvane;
using korvane::bench::MedianMs;
using korvane::bench::TabDocument;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir map;
    ZetGebruikersInstellingenMap(map.filePath(QStringLiteral("instellingen")));
    const QString pad = map.filePath(QStringLiteral("groot.tab"));
    std::string inhoud;
    for (int regels = 120000; inhoud.size() < 10u * 1024 * 1024; regels += 10000) {
        const std::string tab = TabDocument(regels);
        inhoud.clear();
        std::size_t begin = 0;
        for (int n = 0; begin < tab.size(); ++n) {
            const std::size_t eind = tab.find('\n', begin);
            const std::size_t tot = eind == std::string::npos ? tab.size() : eind + 1;
            inhoud.append(tab, begin, tot - begin);
            if (n % 7 == 6)
                inhoud += "\xE2\x80\x9C" "D\xC3\xA9j\xC3\xA0 vu\xE2\x80\x9D \xE2\x80\x93 Fran\xC3\xA7oise, ma\xC3\xB1" "ana\r\n";
            begin = tot;
        }
    }
    {
        QFile f(pad);
        f.open(QIODevice::WriteOnly);
        f.write(inhoud.data(), static_cast<qint64>(inhoud.size()));
    }

    QPlainTextEdit editor;
    editor.resize(800, 600);
    // Nothing here may ask the user anything: a question throws, a message is reported.
    test::ScriptedPrompter prompter;
    Instellingen instellingen;
    QString bestandsnaam = pad;
    bool omgezet = false;
    DocumentFiles files(editor, prompter, instellingen, {bestandsnaam, omgezet});
    // The floor and the document code take turns, so that a busy machine
    // slows both alike; medians of the runs.
    const int runs = 9;
    std::vector<double> vloeren, openingen, opslagen, omzettingen, schrijvingen;
    QByteArray bytes;
    for (int i = 0; i < runs; ++i) {
        vloeren.push_back(MedianMs(1, [&] { editor.clear(); }, [&] {
            QFile f(pad);
            f.open(QIODevice::ReadOnly);
            const QByteArray gelezen = f.readAll();
            editor.setPlainText(QString::fromUtf8(gelezen));
        }));
        openingen.push_back(MedianMs(1, [&] { editor.clear(); }, [&] { files.Laden(pad, false); }));
        opslagen.push_back(MedianMs(1, nullptr, [&] { files.Opslaan(pad); }));
        omzettingen.push_back(MedianMs(1, nullptr, [&] { bytes = PlatteTekstBytes(*editor.document()).bytes; }));
        schrijvingen.push_back(MedianMs(1, nullptr, [&] { SchrijfBestand(pad, bytes); }));
    }
    auto mediaan = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double vloer = mediaan(vloeren);
    const double openen = mediaan(openingen);
    const double opslaan = mediaan(opslagen);
    const double omzetten = mediaan(omzettingen);
    const double schrijven = mediaan(schrijvingen);

    QFile terug(pad);
    terug.open(QIODevice::ReadOnly);
    const bool gelijk = terug.readAll() == QByteArray::fromStdString(inhoud);

    std::printf("file: %.1f MB, %d lines\n", static_cast<double>(inhoud.size()) / (1024.0 * 1024.0),
                editor.document()->blockCount() - 1);
    std::printf("floor (read + setPlainText): %.1f ms\n", vloer);
    std::printf("open: %.1f ms (%.2fx the floor)\n", openen, openen / vloer);
    std::printf("save: %.1f ms (%.2fx the floor)\n", opslaan, opslaan / vloer);
    std::printf("  of which text to bytes %.1f ms, atomic write with sync %.1f ms\n", omzetten, schrijven);
    std::printf("open + save: %.2fx the floor (target <= 1.5x)\n", (openen + opslaan) / vloer);
    std::printf("read as %s\n", CoderingTitel(DocumentCodering(*editor.document())).data());
    std::printf("saved file byte-identical: %s\n", gelijk ? "yes" : "NO");
    for (const std::string& melding : prompter.messages)
        std::printf("unexpected message: %s\n", melding.c_str());
    return gelijk && prompter.messages.empty() ? 0 : 1;
}
