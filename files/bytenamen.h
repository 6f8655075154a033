// File names as the file system's bytes. Qt decodes a name that is not valid
// UTF-8 with replacement characters, after which the file cannot be found
// again. Here every byte that is not part of a valid UTF-8 sequence becomes
// the lone surrogate U+DC80 + byte, so a name survives the round trip, and
// such names are read, written and listed through the bytes themselves.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvane {

QString NaamUitBytes(const QByteArray& bytes);
QByteArray BytesVanNaam(const QString& naam);
// Whether Qt's own file classes reach the file of this name (no escaped byte).
bool QtKentNaam(const QString& naam);

// An absolute, cleaned path, computed on the text so escaped bytes stay.
QString AbsoluutPad(const QString& pad);
// The command-line parameters after the program's name, by their bytes.
QStringList ParametersUitArgv(int argc, const char* const* argv);

// A regular file (following symbolic links).
bool IsGewoonBestand(const QString& pad);
// The content of a regular file; nullopt for anything else (a pipe, a
// device, a folder) or a read error. Never waits for a writer.
std::optional<QByteArray> LeesGewoonBestand(const QString& pad);
// Writes a file whose name Qt cannot reach: a temporary file beside it,
// renamed over it, keeping the target's permissions. False on any error.
bool SchrijfViaBytes(const QString& pad, const QByteArray& bytes);
// The regular files of `map`, hidden ones left out, whose names end in one of `extensies`
// (".tab", compared without regard to case), sorted without regard to case.
QStringList GewoneBestanden(const QString& map, const QStringList& extensies);

} // namespace korvane
