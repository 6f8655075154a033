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

std::optional<QString> DecodeerQString(const QByteArray& bytes, Codering codering)
{
    const std::string_view alles(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::string_view b = alles.substr(BomLengte(alles, codering));
    switch (codering) {
    case Codering::Windows1252:
        return BytesToQString(b);
    case Codering::Utf8:
    case Codering::Utf8Bom:
        if (!IsGeldigeUtf8(b))
            return std::nullopt;
        return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    case Codering::Utf16LE:
    case Codering::Utf16BE:
        break;
    }
    if (b.size() % 2 != 0)
        return std::nullopt;
    const bool le = codering == Codering::Utf16LE;
    const qsizetype n = static_cast<qsizetype>(b.size() / 2);
    QString uit(n, Qt::Uninitialized);
    char16_t* p = reinterpret_cast<char16_t*>(uit.data());
    const unsigned char* in = reinterpret_cast<const unsigned char*>(b.data());
    for (qsizetype k = 0; k < n; ++k) {
        const unsigned char x = in[2 * k];
        const unsigned char y = in[2 * k + 1];
        p[k] = static_cast<char16_t>(le ? x | (y << 8) : (x << 8) | y);
    }
    // An unpaired surrogate would not survive a save unchanged.
    for (qsizetype k = 0; k < n; ++k) {
        if (QChar::isHighSurrogate(p[k]) && k + 1 < n && QChar::isLowSurrogate(p[k + 1]))
            ++k;
        else if (QChar::isSurrogate(p[k]))
            return std::nullopt;
    }
    return uit;
}

QStringGecodeerd CodeerQString(const QString& tekst, Codering codering, bool metBom)
{
    QStringGecodeerd resultaat;
    QByteArray& uit = resultaat.bytes;
    const std::string_view bom = metBom ? Bom(codering) : std::string_view();
    const QChar* c = tekst.constData();
    const qsizetype n = tekst.size();
    const int breedte = codering == Codering::Windows1252 ? 1 : codering == Codering::Utf8 || codering == Codering::Utf8Bom ? 3 : 2;
    uit.reserve(static_cast<qsizetype>(bom.size()) + n * breedte);
    uit.append(bom.data(), static_cast<qsizetype>(bom.size()));
    auto onbewaarbaar = [&](const QString& teken) {
        if (!resultaat.onbewaarbaar.contains(teken))
            resultaat.onbewaarbaar += teken;
        uit += '?';
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = c[i].unicode();
        if (u < 0x80) {
            if (codering == Codering::Utf16BE)
                uit += '\0';
            uit += static_cast<char>(u);
            if (codering == Codering::Utf16LE)
                uit += '\0';
            continue;
        }
        char32_t teken = u;
        qsizetype eenheden = 1;
        if (QChar::isHighSurrogate(u) && i + 1 < n && c[i + 1].isLowSurrogate()) {
            teken = QChar::surrogateToUcs4(u, c[i + 1].unicode());
            eenheden = 2;
        }
        if (!KanBevatten(codering, teken)) {
            onbewaarbaar(QString(c + i, eenheden));
            i += eenheden - 1;
            continue;
        }
        switch (codering) {
        case Codering::Windows1252:
            uit += static_cast<char>(UnicodeToCp1252(u));
            break;
        case Codering::Utf8:
        case Codering::Utf8Bom: {
            char buf[4];
            qsizetype k = 0;
            if (teken < 0x800) {
                buf[k++] = static_cast<char>(0xC0 | (teken >> 6));
            } else if (teken < 0x10000) {
                buf[k++] = static_cast<char>(0xE0 | (teken >> 12));
                buf[k++] = static_cast<char>(0x80 | ((teken >> 6) & 0x3F));
            } else {
                buf[k++] = static_cast<char>(0xF0 | (teken >> 18));
                buf[k++] = static_cast<char>(0x80 | ((teken >> 12) & 0x3F));
                buf[k++] = static_cast<char>(0x80 | ((teken >> 6) & 0x3F));
            }
            buf[k++] = static_cast<char>(0x80 | (teken & 0x3F));
            uit.append(buf, k);
            break;
        }
        case Codering::Utf16LE:
        case Codering::Utf16BE:
            for (qsizetype k = 0; k < eenheden; ++k) {
                const char16_t e = c[i + k].unicode();
                const char hoog = static_cast<char>(e >> 8);
                const char laag = static_cast<char>(e & 0xFF);
                uit += codering == Codering::Utf16LE ? laag : hoog;
                uit += codering == Codering::Utf16LE ? hoog : laag;
            }
            break;
        }
        i += eenheden - 1;
    }
    return resultaat;
}

std::optional<std::string> QStringToBytesExact(const QString& text)
{
    std::string out;
    if (!Convert(text, out, [] { return false; }))
        return std::nullopt;
    return out;
}

} // namespace korvane
