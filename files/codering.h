// The encodings a plain-text document can have on disk, how a file's own one
// is recognised, and the conversion between its bytes and characters. Plain
// C++, so that the command-line tool and the window share one rule.
#pragma once

#include "core/utf8.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

enum class Codering { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

// "utf-8", "utf-8-bom", "utf-16le", "utf-16be", "windows-1252".
std::string_view CoderingNaam(Codering codering);
// Accepts the names above in any case; nullopt for anything else.
std::optional<Codering> CoderingUitNaam(std::string_view naam);
// What the user reads: "UTF-8", "UTF-8 met BOM", "UTF-16 LE", "UTF-16 BE",
// "Windows-1252".
std::string_view CoderingTitel(Codering codering);

bool IsGeldigeUtf8(std::string_view bytes);

// The encoding a file's bytes are read in. A byte-order mark wins when what
// follows it is valid in its encoding; else valid UTF-8 with at least one
// multi-byte sequence is UTF-8; else pure ASCII takes `nieuw` (the encoding
// for new documents); else Windows-1252, which reads every byte. So any file
// gets an encoding that reads it without loss.
Codering HerkenCodering(std::string_view bytes, Codering nieuw);

// The bytes of a byte-order mark the encoding writes; empty for none.
std::string_view Bom(Codering codering);
// The length of `codering`'s byte-order mark at the start of `bytes`, 0
// when there is none.
std::size_t BomLengte(std::string_view bytes, Codering codering);

// UTF-8 asked for a file that starts with its byte-order mark is UTF-8 with
// that mark, so that the mark is kept; any other request stays as it is.
Codering MetEigenBom(std::string_view bytes, Codering gevraagd);

// The characters of `bytes` read in `codering` (its byte-order mark, when
// present, is not part of the text); nullopt when the bytes are not valid
// there: broken UTF-8, UTF-16 of odd length or with an unpaired surrogate.
std::optional<std::u32string> Decodeer(std::string_view bytes, Codering codering);

// The same characters split into lines as the editor splits them (CR LF, a
// lone CR and a lone LF each end a line; a text ending in a line break ends
// in an empty line), read straight from the bytes a line at a time: a large
// file never stands in memory as one text of characters besides its lines.
struct Regeltekst {
    std::vector<std::u32string> regels;  // at least one; none holds a line break
    std::u32string_view eersteEinde;     // the first line break, U"\r\n", U"\n" or U"\r"; empty without one
};
std::optional<Regeltekst> DecodeerRegels(std::string_view bytes, Codering codering);

// Whether `codering` can hold the character.
bool KanBevatten(Codering codering, char32_t teken);

// The first character an encoding could not hold, counted in characters from
// 1; CR LF, LF and a lone CR each end a line.
struct Onbewaarbaar {
    std::size_t regel = 0;
    std::size_t kolom = 0;
    char32_t teken = 0;
};

struct Gecodeerd {
    std::string bytes;                    // empty when `fout` is set
    std::optional<Onbewaarbaar> fout;
};
// `tekst` as the bytes of a file in `codering`, with the encoding's
// byte-order mark unless `metBom` is false (UTF-16 read without one).
Gecodeerd Codeer(std::u32string_view tekst, Codering codering, bool metBom = true);
// The same for lines that hold no line break, joined by `regeleinde` (CR LF,
// LF or CR), written from the lines themselves.
Gecodeerd CodeerRegels(std::span<const std::u32string> regels, std::u32string_view regeleinde, Codering codering,
                       bool metBom = true);

} // namespace korvane
