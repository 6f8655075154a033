// Qt's UTF-16 text <-> the characters of the document model, one code point
// each: a surrogate pair is one character, as it is one column.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace korvane {

// A lone surrogate, which no file can hold, becomes U+FFFD.
std::u32string Tekens(QStringView tekst);
// Into `uit`, reusing its storage: for readers that visit every line.
void Tekens(QStringView tekst, std::u32string& uit);
QString QTekst(std::u32string_view tekens);

// Whether `tekst` holds a surrogate, i.e. a character outside the Basic
// Multilingual Plane, for which UTF-16 positions and columns differ.
bool HeeftSurrogaat(QStringView tekst);

} // namespace korvane
