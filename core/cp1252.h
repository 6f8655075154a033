// Windows-1252 <-> Unicode: the single boundary between the byte-oriented
// document model and everything that speaks UTF-16 or UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Every byte has a code point; the five bytes Windows-1252 leaves undefined
// map to their C1 control (U+0081, U+008D, U+008F, U+0090, U+009D), so that
// any file survives a load and a save unchanged.
char16_t Cp1252ToUnicode(unsigned char byte);
// The byte for a code point, or -1 when Windows-1252 cannot hold it.
int UnicodeToCp1252(char16_t codePoint);

// Conversions for messages: core keeps messages in UTF-8, documents in bytes.
std::string Cp1252ToUtf8(std::string_view bytes);

} // namespace korvane
