// libFuzzer entry for the RTF reader. Besides surviving any input, whatever
// the reader accepts must survive a write and a second read with the same
// text and the same formats: the writer's output is always readable.
#include "files/rtf.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Each stretch of text with its font, size, styles and colour, resolved
// against the document's default font the way the writer resolves them.
QString Describe(const QTextDocument& doc)
{
    const QFont base = doc.defaultFont();
    QString out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString previous;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QStringList families = f.fontFamilies().toStringList();
            const QString family = families.isEmpty() || families.first().isEmpty() ? base.family()
                                                                                    : families.first();
            const double size = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
            const QString attrs = QStringLiteral("{%1|%2|%3%4%5|%6}")
                                      .arg(family)
                                      .arg(size)
                                      .arg(f.fontWeight() > QFont::Medium)
                                      .arg(f.fontItalic())
                                      .arg(f.fontUnderline())
                                      .arg(f.foreground().style() == Qt::NoBrush ? QString()
                                                                                 : f.foreground().color().name());
            if (attrs != previous)
                out += attrs;
            previous = attrs;
            out += it.fragment().text();
        }
        out += QChar::ParagraphSeparator;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Documents with fonts want a GUI application; it lives for the whole run.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     static_cast<qsizetype>(size));
    QTextDocument doc;
    if (!korvane::ReadRtf(input, doc).ok)
        return 0;
    const QByteArray written = korvane::WriteRtf(doc);
    QTextDocument again;
    const korvane::RtfReadResult r = korvane::ReadRtf(written, again);
    if (!r.ok || Describe(again) != Describe(doc)) {
        std::fprintf(stderr, "written RTF does not read back the same (%s):\n%s\nfirst:  %s\nsecond: %s\n",
                     qPrintable(r.error), written.constData(), qPrintable(Describe(doc)),
                     qPrintable(Describe(again)));
        std::abort();
    }
    return 0;
}
