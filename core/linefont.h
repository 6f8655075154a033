// The continuous-line form of a document: staff lines rewritten into the codes
// U+00F5..U+00FF of the "Korvane" line font, and back to ASCII.
#pragma once

#include "core/tabstate.h"

#include <functional>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr std::u32string_view maatstreeptekens = U"|+I{}";
inline constexpr std::u32string_view stiptekens = U"*o.";
inline constexpr std::u32string_view tabtekens = U"0123456789hp\\/()b^";

// The line-font codes: the characters a ".kvn" document holds, the same
// numbers as its Windows-1252 bytes ("õ" to "ÿ"), so the font draws them
// whatever encoding the file is saved in.
namespace lijncode {
inline constexpr char32_t snaar = 0xFF;
inline constexpr char32_t stip = 0xF5;
inline constexpr char32_t eersteLinks = 0xF6, eersteRechts = 0xF7, eersteBinnen = 0xFC;
inline constexpr char32_t middenLinks = 0xFA, middenRechts = 0xFB, middenKruis = 0xFE;
inline constexpr char32_t laatsteLinks = 0xF8, laatsteRechts = 0xF9, laatsteBinnen = 0xFD;
} // namespace lijncode

enum class Rij { Eerste, Midden, Laatste };

// One staff line in the line-font codes; the length never changes.
std::u32string NaarLijnen(std::u32string_view regel, Rij rij);
// A line code mapped back: junctions to "|", string to "-", dot to "*";
// any other character as it is.
char32_t AsciiVan(char32_t c);

// "Doorlopende tablijnen". The window tells whether its editor draws the
// font "Korvane"; with another font the command refuses with the exclamation
// sound and its message. When the window can switch to the line font it
// passes `naarKorvane`: the refusal then asks whether to switch and convert
// at once, and on "Ja" converts when `naarKorvane` returns true (switched).
// Sets tablijnenOmgezet when it converts. Neither conversion counts as a
// change: the modified flag is what it was before, so earlier unsaved edits
// still make closing ask.
void doorlopendelijnenClick(TabContext& ctx, bool korvaneFont, bool& tablijnenOmgezet,
                            const std::function<bool()>& naarKorvane = {});

// "Kvn formaat naar Ascii". Only lines that form a staff once mapped back are
// rewritten, so lyrics with letters such as "ü" or "ÿ" stay as they are.
void KorvaneformaatnaarAscii1Click(TabContext& ctx, bool& tablijnenOmgezet);

} // namespace korvane
