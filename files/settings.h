// The program's settings: the options file "Opties.txt", the configuration
// file "kvn.cfg" (window geometry and the last document) and where both live.
// The window owns one Instellingen and one Configuratie for the whole run.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

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

// The settings files' own names; on disk they are found in any letter case.
inline const QString optiesNaam = QStringLiteral("Opties.txt");
inline const QString configNaam = QStringLiteral("kvn.cfg");
inline const QString snarenNaam = QStringLiteral("snaren.txt");

// Where the settings files live: the per-user configuration directory,
// created when needed; only a portable copy, an executable's directory that
// already holds "Opties.txt" (in any letter case), keeps them beside the
// executable. Ends in "/".
QString ProgrammaMap();
// The same choice for a given executable's directory and per-user directory.
QString ProgrammaMap(const QString& exeMap, const QString& gebruikersMap);

// The path of `naam` in `map`, matching the name without regard to case; the
// name as given when no such file exists.
QString BestandInMap(const QString& map, const QString& naam);
// Whether a file of that name (in any letter case) exists in `map`.
bool BestaatInMap(const QString& map, const QString& naam);

// Single-byte lines (CR LF, LF or a lone CR end a line) as text.
QStringList LeesRegels(const QByteArray& bytes);

enum class OptiesStatus { Ontbreekt, Gelezen, Afgebroken };
struct OptiesResultaat {
    OptiesStatus status = OptiesStatus::Ontbreekt;
    int afgebrokenBij = 0;   // the 1-based line that stopped the reading
    // Lines that could not be used (control characters, a name longer than
    // any path, a size beyond any font) and got their default instead.
    int onbruikbaar = 0;
};
// The one status-bar line that says "Opties.txt" was partly unusable.
QString OptiesOnbruikbaarTekst();
// Reads "Opties.txt" from `programmamap` into `instellingen` (programmamap
// and laatstebestand are left alone). Missing file: the defaults. Malformed:
// the values before the bad line, empty/0/false after it, and font sizes that
// were not read keep the default size, so the editor stays usable. A folder,
// font or size that no system could use (binary content) takes its default
// and reading goes on.
OptiesResultaat LeesOpties(const QString& programmamap, Instellingen& instellingen);
// The 14 lines the options dialog writes (line 14 left out when
// opstartmodus is empty).
QByteArray OptiesBytes(const Instellingen& instellingen);
// Writes "Opties.txt"; the error message, empty on success.
QString SchrijfOpties(const QString& programmamap, const Instellingen& instellingen);

enum class ConfigStatus { Ontbreekt, Gelezen, Fout };
// Reads "kvn.cfg". Missing: the designed geometry and no file name.
// Malformed (fewer than four numbers, or one that is not a positive decimal
// integer): 800 x 600 with the designed panel sizes and no file name.
ConfigStatus LeesConfiguratie(const QString& programmamap, Configuratie& configuratie);
// Keeps the window within `breedte` x `hoogte` (the screen's free area) and
// the panel and the tree within the window.
void BegrensConfiguratie(Configuratie& configuratie, int breedte, int hoogte);
QByteArray ConfiguratieBytes(const Configuratie& configuratie);
// Writes "kvn.cfg"; false on any error.
bool SchrijfConfiguratie(const QString& programmamap, const Configuratie& configuratie);
// The message FormClose shows when "kvn.cfg" cannot be written.
QString ConfigFoutTekst(const QString& programmamap);

// The entries of "snaren.txt", or nullopt when the file is missing.
std::optional<std::vector<std::u32string>> LeesSnarenBestand(const QString& programmamap);
// Where the tuning list is saved.
QString SnarenPad(const QString& programmamap);

} // namespace korvane
