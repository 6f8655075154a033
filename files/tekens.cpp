// QString <-> code points.
#include "files/tekens.h"

namespace korvane {

void Tekens(QStringView tekst, std::u32string& uit)
{
    const qsizetype n = tekst.size();
    uit.resize(static_cast<std::size_t>(n));
    const char16_t* bron = tekst.utf16();
    std::size_t k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = bron[i];
        if (c < 0xD800 || c > 0xDFFF) {
            uit[k++] = c;
        } else if (c <= 0xDBFF && i + 1 < n && bron[i + 1] >= 0xDC00 && bron[i + 1] <= 0xDFFF) {
            uit[k++] = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (bron[i + 1] - 0xDC00);
            ++i;
        } else {
            uit[k++] = U'\uFFFD';
        }
    }
    uit.resize(k);
}

std::u32string Tekens(QStringView tekst)
{
    std::u32string uit;
    Tekens(tekst, uit);
    return uit;
}

QString QTekst(std::u32string_view tekens)
{
    return QString::fromUcs4(tekens.data(), static_cast<qsizetype>(tekens.size()));
}

bool HeeftSurrogaat(QStringView tekst)
{
    for (const QChar c : tekst)
        if (c.isSurrogate())
            return true;
    return false;
}

} // namespace korvane
