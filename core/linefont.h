// The continuous-line form of a document: staff lines rewritten into the codes
// 245..255 of the "Korvane" line font, and back to ASCII.
#pragma once

#include "core/tabstate.h"

#include <functional>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr std::string_view maatstreeptekens = "|+I{}";
inline constexpr std::string_view stiptekens = "*o.";
inline constexpr std::string_view tabtekens = "0123456789hp\\/()b^";

// The line-font codes, as the bytes a ".kvn" document holds.
namespace lijncode {
inline constexpr unsigned char snaar = 255;
inline constexpr unsigned char stip = 245;
inline constexpr unsigned char eersteLinks = 246, eersteRechts = 247, eersteBinnen = 252;
inline constexpr unsigned char middenLinks = 250, middenRechts = 251, middenKruis = 254;
inline constexpr unsigned char laatsteLinks = 248, laatsteRechts = 249, laatsteBinnen = 253;
} // namespace lijncode

enum class Rij { Eerste, Midden, Laatste };

// One staff line in the line-font codes; the length never changes.
std::string NaarLijnen(std::string_view regel, Rij rij);
// Every line code mapped back: junctions to "|", string to "-", dot to "*".
std::string NaarAscii(std::string_view regel);

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
