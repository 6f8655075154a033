// Registration of the companion line font "Korvane" with Qt's font database,
// so that the editor can select it by name without a system-wide install.
#pragma once

#include <QString>
#include <QStringList>

// The face name the continuous-line form is drawn in.
inline constexpr char16_t kLineFontFamily[] = u"Korvane";
// The file name the build produces and installs.
inline constexpr char16_t kLineFontFileName[] = u"Korvane.ttf";

// Directories searched for the font, in order: the executable's directory,
// its sibling "font" directory (the build tree's layout) and the installed
// font directory.
QStringList LineFontSearchDirs();

// Registers the first "Korvane.ttf" in dirs that Qt reads as the family
// "Korvane" exactly; files that fail to load or carry another family are
// skipped.  Returns the registered file's path, or an empty string.
QString RegisterLineFontFrom(const QStringList& dirs);

// Start-up entry: registers the font from LineFontSearchDirs() once per run.
// Returns whether the family "Korvane" is available afterwards, which it
// also is when the font is installed in the system.  Needs a
// QGuiApplication.
bool RegisterLineFont();
