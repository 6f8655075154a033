// UTF-8 coding and decoding.
#include "core/utf8.h"

namespace korvane {
namespace {

// The code point at bytes[i], advancing i; -1 for a malformed sequence
// (overlong forms, surrogates and values past U+10FFFF included), of which
// only the first byte is consumed.
long Volgende(std::string_view bytes, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1, c = b0 & 0x1F, minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2, c = b0 & 0x0F, minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3, c = b0 & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return -1;
    }
    if (bytes.size() - i <= static_cast<std::size_t>(extra)) {
        ++i;
        return -1;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return static_cast<long>(c);
}

} // namespace

char* SchrijfUtf8(char* doel, char32_t c)
{
    if (c < 0x80) {
        *doel++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *doel++ = static_cast<char>(0xC0 | (c >> 6));
        *doel++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *doel++ = static_cast<char>(0xE0 | (c >> 12));
        *doel++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *doel++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *doel++ = static_cast<char>(0xF0 | (c >> 18));
        *doel++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *doel++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *doel++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return doel;
}

void VoegUtf8Toe(std::string& uit, char32_t c)
{
    if (c < 0x80) {
        uit += static_cast<char>(c);
        return;
    }
    char bytes[4];
    uit.append(bytes, static_cast<std::size_t>(SchrijfUtf8(bytes, c) - bytes));
}

std::string Utf8(std::u32string_view tekst)
{
    std::string uit;
    uit.reserve(tekst.size());
    for (const char32_t c : tekst)
        VoegUtf8Toe(uit, c);
    return uit;
}

std::u32string VanUtf8(std::string_view bytes)
{
    std::u32string uit;
    uit.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const long c = Volgende(bytes, i);
        uit += c < 0 ? U'\uFFFD' : static_cast<char32_t>(c);
    }
    return uit;
}

std::optional<std::u32string> VanUtf8Exact(std::string_view bytes)
{
    std::u32string uit;
    uit.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const long c = Volgende(bytes, i);
        if (c < 0)
            return std::nullopt;
        uit += static_cast<char32_t>(c);
    }
    return uit;
}

} // namespace korvane
