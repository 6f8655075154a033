// Start-up and shut-down decisions that do not need the window: which
// document comes first, and what "kvn.cfg" gets at the end.
#pragma once

#include "files/settings.h"

#include <QString>
#include <QStringList>

namespace korvane {

struct EersteDocument {
    QString bestandsnaam;   // becomes bestandsnaam
    bool laden = false;     // read the file (as plain text) and run the analysis
    bool boomVerplaatsen = false;
    QString boomMap;        // where the directory tree moves when boomVerplaatsen
};

// The parameters are joined with single blanks, so a path with blanks that
// arrived in pieces is whole again.
QString OpdrachtregelNaam(const QStringList& parameters);

// The first document: the command-line file, the last file ("Lastfile"), or
// the untitled document.
EersteDocument KiesEersteDocument(const QStringList& parameters, const Instellingen& instellingen);

} // namespace korvane
