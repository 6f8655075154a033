// The byte boundary on Qt's side: Windows-1252 bytes of the tab commands and
// Qt's UTF-16 text, through core's 256-entry table, and a document file's
// bytes in any of its encodings (see files/codering.h) and QString.
#pragma once

#include "files/codering.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

QString BytesToQString(std::string_view bytes);
// A character the code page cannot hold becomes '?': for the tab commands,
// which only look at ASCII, and for texts the user was already warned about.
std::string QStringToBytes(const QString& text);
// nullopt when any character cannot be held.
std::optional<std::string> QStringToBytesExact(const QString& text);

// A file's text in `codering`, its byte-order mark left out; nullopt when
// the bytes are not valid there. The window's fast road; it reads exactly
// what Decodeer reads.
std::optional<QString> DecodeerQString(const QByteArray& bytes, Codering codering);

struct QStringGecodeerd {
    QByteArray bytes;
    // The distinct characters `codering` cannot hold, in order of first
    // appearance; each was written as "?".
    QString onbewaarbaar;
};
// `tekst` as a file in `codering`, with the encoding's byte-order mark unless
// `metBom` is false.
QStringGecodeerd CodeerQString(const QString& tekst, Codering codering, bool metBom = true);

} // namespace korvane
