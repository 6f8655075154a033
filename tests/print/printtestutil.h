// What the print tests share: documents of numbered lines, a printer that
// prints into a PDF file of a temporary directory, and the PDF read back as
// text, one string per page.
#pragma once

#include "core/memoryeditor.h"

#include <QPrinter>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

namespace korvane::test {

// "regel 0000" .. : every line can be found in the printed text.
inline std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "regel %04d\r\n", i);
        text += line;
    }
    return text;
}

inline QString Line(int i)
{
    return QStringLiteral("regel %1").arg(i, 4, 10, QLatin1Char('0'));
}

// The pages of a PDF as text (pdftotext -layout); empty when it cannot be read.
inline QStringList PdfPages(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                   QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    // pdftotext ends every page, a blank one too, with a form feed.
    if (!text.endsWith(QLatin1Char('\f')))
        return {};
    text.chop(1);
    return text.split(QLatin1Char('\f'));
}

} // namespace korvane::test
