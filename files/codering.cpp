// Recognising, reading and writing the encodings of plain-text documents.
#include "files/codering.h"
#include "core/vertaling.h"

#include "core/cp1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace korvane {
namespace {

struct Beschrijving {
    Codering codering;
    std::string_view naam;
    std::string_view titel;
    std::string_view bom;
};

constexpr std::array<Beschrijving, 5> kCoderingen = {{
    {Codering::Utf8, "utf-8", "UTF-8", ""},
    {Codering::Utf8Bom, "utf-8-bom", QT_TRANSLATE_NOOP("Bestanden", "UTF-8 met BOM"), "\xEF\xBB\xBF"},
    {Codering::Utf16LE, "utf-16le", "UTF-16 LE", "\xFF\xFE"},
    {Codering::Utf16BE, "utf-16be", "UTF-16 BE", "\xFE\xFF"},
    {Codering::Windows1252, "windows-1252", "Windows-1252", ""},
}};

const Beschrijving& Van(Codering codering)
{
    return kCoderingen[static_cast<std::size_t>(codering)];
}

// One UTF-8 sequence at `i`: its code point, and `lengte` set to its length;
// -1 for a sequence that is not valid (overlong, a surrogate, beyond U+10FFFF,
// cut short).
long Utf8Teken(std::string_view b, std::size_t i, std::size_t& lengte)
{
    const unsigned char c = static_cast<unsigned char>(b[i]);
    if (c < 0x80) {
        lengte = 1;
        return c;
    }
    std::size_t n = 0;
    char32_t waarde = 0;
    char32_t minimum = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        waarde = c & 0x1F;
        minimum = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        waarde = c & 0x0F;
        minimum = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        waarde = c & 0x07;
        minimum = 0x10000;
    } else {
        return -1;
    }
    if (i + n > b.size())
        return -1;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char v = static_cast<unsigned char>(b[i + k]);
        if ((v & 0xC0) != 0x80)
            return -1;
        waarde = (waarde << 6) | (v & 0x3F);
    }
    if (waarde < minimum || waarde > 0x10FFFF || (waarde >= 0xD800 && waarde <= 0xDFFF))
        return -1;
    lengte = n;
    return static_cast<long>(waarde);
}

// Eight bytes at a time: the byte tests below run over whole files.
std::uint64_t Woord(const unsigned char* p)
{
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

constexpr std::uint64_t kElk = 0x0101010101010101;
constexpr std::uint64_t kHoog = 0x8080808080808080;

// Whether one of the eight bytes is zero (exact as a yes or no).
bool HeeftNul(std::uint64_t w)
{
    return ((w - kElk) & ~w & kHoog) != 0;
}

bool IsAscii(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    // A block at a time, so that the loop inside can run wide.
    for (; i + 4096 <= n; i += 4096) {
        std::uint64_t of = 0;
        for (std::size_t k = 0; k < 4096; k += 8)
            of |= Woord(p + i + k);
        if (of & kHoog)
            return false;
    }
    for (; i < n; ++i)
        if (p[i] >= 0x80)
            return false;
    return true;
}

// The first CR or LF in [p, e), or e; `hoog` gathers the bytes before it.
const unsigned char* Regeleinde(const unsigned char* p, const unsigned char* e, unsigned char& hoog)
{
    std::uint64_t of = 0;
    for (; e - p >= 8; p += 8) {
        const std::uint64_t w = Woord(p);
        if (HeeftNul(w ^ (kElk * '\r')) || HeeftNul(w ^ (kElk * '\n')))
            break;
        of |= w;
    }
    hoog = (of & kHoog) ? 0x80 : 0;
    while (p < e && *p != '\r' && *p != '\n')
        hoog |= *p++;
    return p;
}

bool IsUtf16(Codering c)
{
    return c == Codering::Utf16LE || c == Codering::Utf16BE;
}

// Whether Decodeer would read `bytes`, without building the text: a large
// file is only checked here.
bool IsGeldig(std::string_view bytes, Codering codering)
{
    bytes.remove_prefix(BomLengte(bytes, codering));
    if (!IsUtf16(codering))
        return codering == Codering::Windows1252 || IsGeldigeUtf8(bytes);
    if (bytes.size() % 2 != 0)
        return false;
    const std::size_t hoog = codering == Codering::Utf16LE ? 1 : 0;
    const std::size_t n = bytes.size() / 2;
    for (std::size_t k = 0; k < n; ++k) {
        const unsigned char b = static_cast<unsigned char>(bytes[2 * k + hoog]);
        if (b < 0xD8 || b > 0xDF)
            continue;
        if (b >= 0xDC || k + 1 >= n)
            return false;
        const unsigned char volgende = static_cast<unsigned char>(bytes[2 * (k + 1) + hoog]);
        if (volgende < 0xDC || volgende > 0xDF)
            return false;
        ++k;
    }
    return true;
}

} // namespace

std::string_view CoderingNaam(Codering codering)
{
    return Van(codering).naam;
}

std::optional<Codering> CoderingUitNaam(std::string_view naam)
{
    for (const Beschrijving& b : kCoderingen) {
        if (b.naam.size() != naam.size())
            continue;
        bool gelijk = true;
        for (std::size_t i = 0; i < naam.size() && gelijk; ++i)
            gelijk = std::tolower(static_cast<unsigned char>(naam[i])) == b.naam[i];
        if (gelijk)
            return b.codering;
    }
    return std::nullopt;
}

std::string_view CoderingTitel(Codering codering)
{
    return Van(codering).titel;
}

std::string_view Bom(Codering codering)
{
    return Van(codering).bom;
}

std::size_t BomLengte(std::string_view bytes, Codering codering)
{
    const std::string_view bom = Bom(codering);
    return !bom.empty() && bytes.substr(0, bom.size()) == bom ? bom.size() : 0;
}

Codering MetEigenBom(std::string_view bytes, Codering gevraagd)
{
    if (gevraagd == Codering::Utf8 && BomLengte(bytes, Codering::Utf8Bom) > 0)
        return Codering::Utf8Bom;
    return gevraagd;
}

bool IsGeldigeUtf8(std::string_view bytes)
{
    std::size_t lengte = 0;
    for (std::size_t i = 0; i < bytes.size(); i += lengte) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            lengte = 1;
            continue;
        }
        if (Utf8Teken(bytes, i, lengte) < 0)
            return false;
    }
    return true;
}

Codering HerkenCodering(std::string_view bytes, Codering nieuw)
{
    for (Codering c : {Codering::Utf8Bom, Codering::Utf16LE, Codering::Utf16BE})
        if (BomLengte(bytes, c) > 0 && IsGeldig(bytes, c))
            return c;
    if (IsAscii(bytes))
        return nieuw;
    return IsGeldigeUtf8(bytes) ? Codering::Utf8 : Codering::Windows1252;
}

std::optional<std::u32string> Decodeer(std::string_view bytes, Codering codering)
{
    std::u32string uit;
    if (codering == Codering::Windows1252) {
        uit.resize(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            uit[i] = Cp1252ToUnicode(static_cast<unsigned char>(bytes[i]));
        return uit;
    }
    bytes.remove_prefix(BomLengte(bytes, codering));
    if (IsUtf16(codering)) {
        if (bytes.size() % 2 != 0)
            return std::nullopt;
        const bool le = codering == Codering::Utf16LE;
        auto eenheid = [&](std::size_t k) {
            const unsigned char a = static_cast<unsigned char>(bytes[2 * k]);
            const unsigned char b = static_cast<unsigned char>(bytes[2 * k + 1]);
            return static_cast<char32_t>(le ? a | (b << 8) : (a << 8) | b);
        };
        const std::size_t n = bytes.size() / 2;
        uit.reserve(n);
        for (std::size_t k = 0; k < n; ++k) {
            const char32_t u = eenheid(k);
            if (u >= 0xDC00 && u <= 0xDFFF)
                return std::nullopt;
            if (u >= 0xD800 && u <= 0xDBFF) {
                const char32_t v = k + 1 < n ? eenheid(k + 1) : 0;
                if (v < 0xDC00 || v > 0xDFFF)
                    return std::nullopt;
                uit += 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00);
                ++k;
                continue;
            }
            uit += u;
        }
        return uit;
    }
    uit.reserve(bytes.size());
    std::size_t lengte = 0;
    for (std::size_t i = 0; i < bytes.size(); i += lengte) {
        const long c = Utf8Teken(bytes, i, lengte);
        if (c < 0)
            return std::nullopt;
        uit += static_cast<char32_t>(c);
    }
    return uit;
}

namespace {

// Splits as the editor does, for the encodings read as a whole first.
void SplitsRegels(std::u32string_view tekst, Regeltekst& uit)
{
    std::size_t begin = 0;
    for (;;) {
        std::size_t eind = begin;
        while (eind < tekst.size() && tekst[eind] != U'\r' && tekst[eind] != U'\n')
            ++eind;
        uit.regels.emplace_back(tekst.substr(begin, eind - begin));
        if (eind == tekst.size())
            break;
        const bool crlf = tekst[eind] == U'\r' && eind + 1 < tekst.size() && tekst[eind + 1] == U'\n';
        if (uit.eersteEinde.empty())
            uit.eersteEinde = crlf ? U"\r\n" : tekst[eind] == U'\r' ? U"\r" : U"\n";
        begin = eind + (crlf ? 2 : 1);
    }
}

} // namespace

std::optional<Regeltekst> DecodeerRegels(std::string_view bytes, Codering codering)
{
    Regeltekst uit;
    if (IsUtf16(codering)) {
        const std::optional<std::u32string> tekst = Decodeer(bytes, codering);
        if (!tekst)
            return std::nullopt;
        SplitsRegels(*tekst, uit);
        return uit;
    }
    bytes.remove_prefix(BomLengte(bytes, codering));
    // In UTF-8 as in Windows-1252 a CR or LF byte is that character and
    // nothing else, so the lines are found in the bytes.
    const bool cp1252 = codering == Codering::Windows1252;
    static const std::array<char16_t, 256> kCp1252 = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = Cp1252ToUnicode(static_cast<unsigned char>(b));
        return t;
    }();
    uit.regels.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const e = p + bytes.size();
    for (;;) {
        unsigned char hoog = 0;
        const unsigned char* eind = Regeleinde(p, e, hoog);
        const std::size_t n = static_cast<std::size_t>(eind - p);
        std::u32string& regel = uit.regels.emplace_back();
        if (cp1252) {
            regel.resize(n);
            for (std::size_t k = 0; k < n; ++k)
                regel[k] = kCp1252[p[k]];
        } else if (hoog < 0x80) {
            regel.resize(n);
            for (std::size_t k = 0; k < n; ++k)
                regel[k] = p[k];
        } else {
            // Every character starts with a byte that does not continue one.
            std::size_t tekens = 0;
            for (std::size_t k = 0; k < n; ++k)
                tekens += (p[k] & 0xC0) != 0x80;
            regel.resize(tekens);
            const std::string_view stuk(reinterpret_cast<const char*>(p), n);
            std::size_t t = 0, lengte = 0;
            for (std::size_t k = 0; k < n; k += lengte) {
                const long c = Utf8Teken(stuk, k, lengte);
                if (c < 0)
                    return std::nullopt;
                regel[t++] = static_cast<char32_t>(c);
            }
        }
        if (eind == e)
            break;
        const bool crlf = *eind == '\r' && eind + 1 < e && eind[1] == '\n';
        if (uit.eersteEinde.empty())
            uit.eersteEinde = crlf ? U"\r\n" : *eind == '\r' ? U"\r" : U"\n";
        p = eind + (crlf ? 2 : 1);
    }
    return uit;
}

bool KanBevatten(Codering codering, char32_t teken)
{
    if (teken >= 0xD800 && teken <= 0xDFFF)
        return false;
    if (codering == Codering::Windows1252)
        return teken <= 0xFFFF && UnicodeToCp1252(static_cast<char16_t>(teken)) >= 0;
    return teken <= 0x10FFFF;
}

Gecodeerd Codeer(std::u32string_view tekst, Codering codering, bool metBom)
{
    Gecodeerd resultaat;
    std::string& uit = resultaat.bytes;
    uit.reserve(tekst.size() + 4);
    if (metBom)
        uit += Bom(codering);
    std::size_t regel = 1;
    std::size_t kolom = 0;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        const char32_t c = tekst[i];
        ++kolom;
        if (!KanBevatten(codering, c)) {
            uit.clear();
            resultaat.fout = Onbewaarbaar{regel, kolom, c};
            return resultaat;
        }
        if (c == U'\n' || (c == U'\r' && (i + 1 >= tekst.size() || tekst[i + 1] != U'\n'))) {
            ++regel;
            kolom = 0;
        }
        switch (codering) {
        case Codering::Windows1252:
            uit += static_cast<char>(c < 0x80 ? c : UnicodeToCp1252(static_cast<char16_t>(c)));
            break;
        case Codering::Utf8:
        case Codering::Utf8Bom:
            VoegUtf8Toe(uit, c);
            break;
        case Codering::Utf16LE:
        case Codering::Utf16BE: {
            auto eenheid = [&](char32_t u) {
                const char hoog = static_cast<char>(u >> 8);
                const char laag = static_cast<char>(u & 0xFF);
                uit += codering == Codering::Utf16LE ? laag : hoog;
                uit += codering == Codering::Utf16LE ? hoog : laag;
            };
            if (c >= 0x10000) {
                eenheid(0xD800 + ((c - 0x10000) >> 10));
                eenheid(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                eenheid(c);
            }
            break;
        }
        }
    }
    return resultaat;
}

} // namespace korvane

namespace korvane {

Gecodeerd CodeerRegels(std::span<const std::u32string> regels, std::u32string_view regeleinde, Codering codering,
                       bool metBom)
{
    if (IsUtf16(codering)) {
        std::u32string tekst;
        for (std::size_t i = 0; i < regels.size(); ++i) {
            if (i > 0)
                tekst += regeleinde;
            tekst += regels[i];
        }
        return Codeer(tekst, codering, metBom);
    }
    Gecodeerd resultaat;
    std::string& uit = resultaat.bytes;
    const std::size_t bom = metBom ? Bom(codering).size() : 0;
    std::size_t lengte = bom + (regels.empty() ? 0 : (regels.size() - 1) * regeleinde.size());
    for (const std::u32string& r : regels)
        lengte += r.size();
    const auto weiger = [&](std::size_t i, std::size_t k, char32_t c) {
        uit.clear();
        resultaat.fout = Onbewaarbaar{i + 1, k + 1, c};
    };
    if (codering == Codering::Windows1252) {
        // One byte a character: written in one pass, given up at the first
        // character the code page lacks.
        uit.resize(lengte);
        char* p = uit.data();
        for (std::size_t i = 0; i < regels.size(); ++i) {
            if (i > 0)
                for (const char32_t c : regeleinde)
                    *p++ = static_cast<char>(c);
            const std::u32string& r = regels[i];
            std::size_t k = 0;
#if defined(__SSE2__)
            // Eight characters at a time while all are Latin-1 outside the
            // range the code page fills otherwise: each is its own byte.
            const __m128i boven = _mm_set1_epi32(0xFF);
            const __m128i c1van = _mm_set1_epi32(0x7F), c1tot = _mm_set1_epi32(0xA0);
            for (; k + 8 <= r.size(); k += 8) {
                const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r.data() + k));
                const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r.data() + k + 4));
                const __m128i fout = _mm_or_si128(
                    _mm_or_si128(_mm_cmpgt_epi32(a, boven), _mm_cmpgt_epi32(b, boven)),
                    _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi32(a, c1van), _mm_cmplt_epi32(a, c1tot)),
                                 _mm_and_si128(_mm_cmpgt_epi32(b, c1van), _mm_cmplt_epi32(b, c1tot))));
                if (_mm_movemask_epi8(fout) != 0)
                    break;
                const __m128i woorden = _mm_packs_epi32(a, b);
                _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(woorden, woorden));
                p += 8;
            }
#endif
            for (; k < r.size(); ++k) {
                const char32_t c = r[k];
                // Latin-1 but for the range the code page fills otherwise.
                if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
                    *p++ = static_cast<char>(c);
                } else if (KanBevatten(codering, c)) {
                    *p++ = static_cast<char>(UnicodeToCp1252(static_cast<char16_t>(c)));
                } else {
                    weiger(i, k, c);
                    return resultaat;
                }
            }
        }
        return resultaat;
    }
    // UTF-8: the length first, which also finds a character that cannot be
    // held before anything is written.
    for (std::size_t i = 0; i < regels.size(); ++i) {
        const std::u32string& r = regels[i];
        for (std::size_t k = 0; k < r.size(); ++k) {
            const char32_t c = r[k];
            if (c < 0x80)
                continue;
            if (!KanBevatten(codering, c)) {
                weiger(i, k, c);
                return resultaat;
            }
            lengte += c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        }
    }
    uit.resize(lengte);
    char* p = uit.data();
    if (metBom)
        p = std::copy(Bom(codering).begin(), Bom(codering).end(), p);
    for (std::size_t i = 0; i < regels.size(); ++i) {
        if (i > 0)
            for (const char32_t c : regeleinde)
                *p++ = static_cast<char>(c);
        for (const char32_t c : regels[i])
            p = c < 0x80 ? (*p = static_cast<char>(c), p + 1) : SchrijfUtf8(p, c);
    }
    return resultaat;
}

} // namespace korvane
