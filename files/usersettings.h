// Per-user preferences that the fixed lines of "Opties.txt" and "kvn.cfg"
// have no place for (print fitting, the encoding of new documents, the
// language). Older settings files stay exactly as they are.
#pragma once

#include "files/codering.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace korvane {

// "korvane.ini" in the per-user configuration folder, or in the folder set by
// ZetGebruikersInstellingenMap. Each call opens the file afresh, so a value
// written by one window is seen by the next reader.
std::unique_ptr<QSettings> GebruikersInstellingen();
// The path of that file, without creating its folder: for readers that must
// leave no trace when the user never saved a setting.
QString GebruikersInstellingenBestand();

// Points the per-user settings at another folder; tests use a temporary one so
// that nothing they do reaches the user's own configuration. Empty restores
// the per-user configuration folder.
void ZetGebruikersInstellingenMap(const QString& map);

// The encoding of new documents and of files that are pure ASCII: UTF-8
// unless the user chose Windows-1252.
Codering NieuweCodering();
// Only UTF-8 and Windows-1252 are kept; any other choice is UTF-8.
void ZetNieuweCodering(Codering codering);

} // namespace korvane
