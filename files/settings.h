// The program's settings: the options file "Opties.txt", the configuration
// file "kvn.cfg" (window geometry and the last document) and where both live.
// The window owns one Instellingen and one Configuratie for the whole run.
#pragma once

#include <QString>

namespace korvane {

// Start-up choices of the options file's last line.
inline const QString opstartLeeg = QStringLiteral("Empty");
inline const QString opstartWizard = QStringLiteral("Wizard");
inline const QString opstartLaatste = QStringLiteral("Lastfile");

// Values used when "Opties.txt" is missing (and for a font size that could
// not be read).
inline const QString standaardFont = QStringLiteral("courier new");
inline constexpr int standaardGrootte = 9;

// The settings. Member initialisers are the values used when "Opties.txt" is
// missing; a malformed file starts from Instellingen::Leeg() instead.
struct Instellingen {
    QString programmamap;          // where the three settings files live, ends in "/"
    QString tabmap;                // line 1: file browser start, open dialog directory
    QString mediamap;              // line 2: media open dialog directory
    QString editorfont = standaardFont;        // line 3
    int editorgrootte = standaardGrootte;      // line 4, points
    bool editorvet = true;                     // line 5 "Bold" / "Normal"
    QString printerfont = standaardFont;       // line 6
    int printergrootte = standaardGrootte;     // line 7, points
    bool printervet = true;                    // line 8 "Bold" / "Normal"
    bool volledigscherm = false;               // line 9 "Fullscreen" / "DirTree"
    bool richtext = false;                     // line 10 "Richtext" / "Plaintext"
    bool reservekopie = false;                 // line 11 "Backup" / "No Backup"
    bool alleenfixed = true;                   // line 12 "Fixed" / "All"
    bool paginanummers = true;                 // line 13 "Pagenumbers" / "No Pagenumbers"
    QString opstartmodus = opstartWizard;      // line 14 "Empty" / "Wizard" / "Lastfile"
    QString laatstebestand;        // line 5 of "kvn.cfg"

    // Everything empty, 0 or false, as before any file was read; the font
    // sizes keep their usable default.
    static Instellingen Leeg();
};

// The window geometry of "kvn.cfg". Member initialisers are the designed
// sizes, used when the file is missing.
struct Configuratie {
    int vensterbreedte = 1024;     // line 1: main window width
    int vensterhoogte = 741;       // line 2: main window height
    int paneelbreedte = 235;       // line 3: width of the file browser panel (Panel1)
    int boomhoogte = 313;          // line 4: height of the directory tree
    QString bestandsnaam;          // line 5: the document's name (laatstebestand)
};

// Sizes a malformed "kvn.cfg" leaves the window with.
inline constexpr int foutVensterbreedte = 800;
inline constexpr int foutVensterhoogte = 600;

} // namespace korvane
