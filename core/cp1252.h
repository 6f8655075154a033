// Windows-1252 <-> Unicode: the table for files and texts kept in that code
// page. The document model itself holds characters.
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

// Windows-1252 bytes as a UTF-8 message text.
std::string Cp1252ToUtf8(std::string_view bytes);

} // namespace korvane
