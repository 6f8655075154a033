// libFuzzer entry for the RTF reader. Besides surviving any input, whatever
// the reader accepts must survive a write and a second read unchanged: the
// writer's output is always readable and keeps the text.
#include "files/rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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
    if (!r.ok || again.toRawText() != doc.toRawText()) {
        std::fprintf(stderr, "written RTF does not read back (%s):\n%s\n", qPrintable(r.error),
                     written.constData());
        std::abort();
    }
    return 0;
}
