// What the print tests share: documents of numbered lines, the editor font
// that measures the lines per page, and a PDF read back as text, one string
// per page.
#pragma once

#include "core/memoryeditor.h"

#include <QFont>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

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

} // namespace korvane::test
