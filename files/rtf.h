// Reading and writing Rich Text Format over a QTextDocument: fonts, sizes,
// bold, italic, underline, colours, paragraphs and line breaks, with text in
// Windows-1252 (\'hh) and Unicode (\uN) escapes.
//
// The reader is built for hostile input: group depth, control-word length,
// numeric parameters and the font and colour tables are bounded, \binN never
// skips past the end, and every step consumes input, so any byte sequence
// either reads or is refused in time linear in its length.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace korvane {

// Limits of the reader; exceeding one refuses the input.
inline constexpr int kRtfMaxGroupDepth = 256;
inline constexpr int kRtfMaxControlWordLength = 32;
// A numeric parameter may have at most this many digits; its value is then
// clamped to the int32 range.
inline constexpr int kRtfMaxParameterDigits = 10;
inline constexpr int kRtfMaxFonts = 1024;
inline constexpr int kRtfMaxColours = 1024;

struct RtfReadResult {
    bool ok = false;
    // Why the input was refused (English, for logs and tests); empty when ok.
    QString error;
};

// True when the bytes start (after optional blanks and line breaks) with the
// RTF signature "{\rtf".
bool LooksLikeRtf(const QByteArray& bytes);

// Replaces the content of `doc` with the RTF in `bytes`. When the input is
// not RTF or is too damaged to read, returns ok = false and leaves `doc`
// untouched, so the caller can read the file as plain text instead.
// A missing closing brace at the end (a truncated file) is accepted: the text
// up to the end is kept. Anything after the closing brace of the outer group
// is ignored.
RtfReadResult ReadRtf(const QByteArray& bytes, QTextDocument& doc);

// The document as RTF: one \par between blocks, \line for
// QChar::LineSeparator, \tab for tabs, characters above 127 as \'hh when
// Windows-1252 holds them and as \uN? otherwise. Formats not set on a
// fragment fall back to the document's default font.
QByteArray WriteRtf(const QTextDocument& doc);

} // namespace korvane
