// UTF-8 <-> code points, for the texts core shares with the outside world:
// messages (always UTF-8) and arguments given on a command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

std::string Utf8(std::u32string_view tekst);
// Appends one code point as UTF-8.
void VoegUtf8Toe(std::string& uit, char32_t teken);
// Writes the UTF-8 bytes of `c` at `doel` (room for four), returning the
// position after them.
char* SchrijfUtf8(char* doel, char32_t c);
// Every byte that does not start a well-formed sequence becomes U+FFFD.
std::u32string VanUtf8(std::string_view bytes);
// nullopt unless `bytes` is well-formed UTF-8 throughout.
std::optional<std::u32string> VanUtf8Exact(std::string_view bytes);

} // namespace korvane
