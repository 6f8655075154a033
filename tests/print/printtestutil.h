// What the print tests share: documents of numbered lines, the editor font
// that measures the lines per page, and a PDF read back as text, one string
// per page.
#pragma once

#include "core/memoryeditor.h"
#include "core/utf8.h"

#include <QFont>
#include <QImage>
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

// The rightmost column of ink in `beeld`, as a fraction of its width.
inline double RechtsteInkt(const QImage& beeld)
{
    int rechts = -1;
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = beeld.width() - 1; x > rechts; --x)
            if (qGray(beeld.pixel(x, y)) < 128)
                rechts = x;
    return double(rechts + 1) / beeld.width();
}

// The same on page `pagina` (1-based) of a PDF rendered at `dpi`; -1 when it
// cannot be rendered.
inline double RechtsteInkt(const QString& pdf, int pagina, int dpi = 40)
{
    QProcess ppm;
    const QString p = QString::number(pagina);
    ppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                           QStringLiteral("-f"), p, QStringLiteral("-l"), p, pdf});
    if (!ppm.waitForFinished(60000) || ppm.exitCode() != 0)
        return -1;
    const QImage beeld = QImage::fromData(ppm.readAllStandardOutput(), "PGM");
    return beeld.isNull() ? -1 : RechtsteInkt(beeld);
}

} // namespace korvane::test
