// The one boundary between the document's Windows-1252 bytes and Qt's
// UTF-16 text, through core's 256-entry table.
#pragma once

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

} // namespace korvane
