// What the print tests share: documents of numbered lines, the editor font
// that measures the lines per page, and a PDF read back as text, one string
// per page.
#pragma once

#include "core/memoryeditor.h"
#include "core/utf8.h"

#include <QFont>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <string>
#include <vector>

namespace korvane::test {

// "regel 0000" ..: every line can be found in the printed text.
inline QString Line(int i) { return QStringLiteral("regel %1").arg(i, 4, 10, QLatin1Char('0')); }

inline std::string NumberedLines(int count, int from = 0)
{
    std::string text;
    for (int i = from; i < from + count; ++i)
        text += Line(i).toStdString() + "\r\n";
    return text;
}

// The numbered lines in `text`, in order, as NumberedLines writes them.
inline std::string Regels(const QString& text)
{
    std::string regels;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("regel \\d{4}")).globalMatch(text))
        regels += m.captured().toStdString() + "\r\n";
    return regels;
}

// Large by default, so that short documents span several pages.
inline QFont Editorfont(int punten = 28) { return QFont(QStringLiteral("DejaVu Sans Mono"), punten); }

// The pages of a PDF as text; none when it cannot be read.
inline QStringList PdfPages(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeLast(); // what follows the form feed that ends the last page
    return pages;
}

// A tab of `balken` staffs, `kolommen` columns wide, under a title line: each
// staff a chord-name line, a count line and six strings labelled e B G D A E
// with a bar line every 16 columns. The frets carry the staff's number, so
// that no two lines are alike.
inline std::vector<std::string> Tab(int balken, int kolommen)
{
    std::vector<std::string> regels{"Liedje om te oefenen"};
    const std::string snaren = "eBGDAE";
    for (int b = 0; b < balken; ++b) {
        regels.emplace_back();
        std::string akkoorden(static_cast<std::size_t>(kolommen), ' ');
        std::string tellen(static_cast<std::size_t>(kolommen), ' ');
        for (int k = 3; k + 4 < kolommen; k += 16)
            akkoorden.replace(static_cast<std::size_t>(k), 4, "Am" + std::to_string(b % 10) + "/");
        for (int k = 2; k < kolommen; k += 2)
            tellen[static_cast<std::size_t>(k)] = '.';
        regels.push_back(akkoorden);
        regels.push_back(tellen);
        for (std::size_t s = 0; s < snaren.size(); ++s) {
            std::string lijn(static_cast<std::size_t>(kolommen), '-');
            lijn[0] = snaren[s];
            for (int k = 1; k < kolommen; k += 16)
                lijn[static_cast<std::size_t>(k)] = '|';
            for (int k = 4; k + 1 < kolommen; k += 16)
                lijn[static_cast<std::size_t>(k)] = static_cast<char>('0' + (b + k / 16 + static_cast<int>(s)) % 10);
            lijn.back() = '|';
            regels.push_back(lijn);
        }
    }
    return regels;
}

inline std::string TabTekst(const std::vector<std::string>& regels)
{
    std::string tekst;
    for (const std::string& r : regels)
        tekst += r + "\r\n";
    return tekst;
}

// The printed rows of a page as pdftotext lays it out, without the header
// line and blank rows, each without the spaces on its left and right.
inline QStringList Rijen(const QString& pagina)
{
    QStringList rijen;
    for (const QString& r : pagina.split(QLatin1Char('\n'))) {
        const QString t = r.trimmed();
        if (!t.isEmpty() && !t.contains(QLatin1String("Pagina")))
            rijen.append(t);
    }
    return rijen;
}

// The rightmost column of ink on page `pagina` (1-based) of a PDF rendered at
// `dpi`, as a fraction of the page width; -1 when it cannot be rendered.
inline double RechtsteInkt(const QString& pdf, int pagina, int dpi = 40)
{
    QProcess ppm;
    const QString p = QString::number(pagina);
    ppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                           QStringLiteral("-f"), p, QStringLiteral("-l"), p, pdf});
    if (!ppm.waitForFinished(60000) || ppm.exitCode() != 0)
        return -1;
    const QByteArray beeld = ppm.readAllStandardOutput();
    // "P5\n<w> <h>\n255\n" then one byte a pixel.
    const QList<QByteArray> kop = beeld.left(64).split('\n');
    if (kop.size() < 4 || kop[0] != "P5")
        return -1;
    const QList<QByteArray> maat = kop[1].split(' ');
    const int w = maat.value(0).toInt(), h = maat.value(1).toInt();
    const qsizetype begin = kop[0].size() + kop[1].size() + kop[2].size() + 3;
    if (w <= 0 || beeld.size() < begin + qsizetype(w) * h)
        return -1;
    int rechts = -1;
    for (int y = 0; y < h; ++y)
        for (int x = w - 1; x > rechts; --x)
            if (static_cast<unsigned char>(beeld[begin + qsizetype(y) * w + x]) < 128)
                rechts = x;
    return double(rechts + 1) / w;
}

} // namespace korvane::test
