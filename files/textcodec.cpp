// Windows-1252 <-> QString.
#include "files/textcodec.h"

#include "core/cp1252.h"

namespace korvane {

QString BytesToQString(std::string_view bytes)
{
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* data = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        data[i] = QChar(Cp1252ToUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

namespace {

template <typename OnMissing> bool Convert(const QString& text, std::string& out, OnMissing onMissing)
{
    out.assign(static_cast<std::size_t>(text.size()), '\0');
    const QChar* data = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = data[i].unicode();
        int b = u < 0x80 ? u : UnicodeToCp1252(u);
        if (b < 0) {
            if (!onMissing())
                return false;
            b = '?';
        }
        out[static_cast<std::size_t>(i)] = static_cast<char>(b);
    }
    return true;
}

} // namespace

std::string QStringToBytes(const QString& text)
{
    std::string out;
    Convert(text, out, [] { return true; });
    return out;
}

std::optional<std::string> QStringToBytesExact(const QString& text)
{
    std::string out;
    if (!Convert(text, out, [] { return false; }))
        return std::nullopt;
    return out;
}

} // namespace korvane
