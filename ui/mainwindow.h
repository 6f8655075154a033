// TForm1, the main window: the text area `Editor`, the menus and tool bars
// built from the command table, the file-browser panel, the status bar, and
// the document state of the whole run. Handlers are members named after the
// control and event; they delegate to core/ and to the other components.
// Member definitions live in several files: mainwindow.cpp (construction,
// status bar, keyboard), mainwindow_format.cpp (fonts, styles, modes),
// mainwindow_edit.cpp (find, replace, undo, clipboard, tab commands) and the
// companions' own mainwindow_*.cpp files.
#pragma once

#include "core/pages.h"
#include "core/printlayout.h"
#include "core/tabstate.h"
#include "core/tuning.h"
#include "files/prompter.h"
#include "files/settings.h"
#include "ui/commandtable.h"
#include "ui/tabafspeler.h"
#include "ui/statusbar.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QDockWidget;
class QListWidget;
class QFontComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QSpinBox;
class QSplitter;
class QToolBar;
class QToolButton;

class QTimer;

namespace korvane {

class DocumentFiles;
class EditorWidget;
class FileBrowser;
class ExternalTools;
class MediaPlayer;
class TAboutBox;
class QtEditor;
class TForm2;
class Tpreviewform;
class TTabwizard;
class ZoekDialoog;
class VervangDialoog;

// What the program was started with.
struct OpstartGegevens {
    QStringList parameters;  // command-line parameters, without the program
    QString programmamap;    // the executable's directory, ends in "/"
};

// Status bar panel indexes.
enum StatusPaneel {
    PaneelPositie = 0,
    PaneelPagina = 1,
    PaneelVeranderd = 2,
    PaneelModus = 3,
    PaneelTekstsoort = 4,
    PaneelVrij1 = 5,
    PaneelVrij2 = 6,
    PaneelCodering = 7,
    aantalPanelen = 8
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Prompter& prompter, OpstartGegevens start, QWidget* parent = nullptr);
    ~TForm1() override;

    // A menu item or tool button by its object name ("New1", "VetButton").
    QAction* action(const QString& id) const;
    StatusVak* statusPaneel(int index) const { return m_panelen[index]; }
    QStringList statusTeksten() const;

    // --- Document state of the run -----------------------------------------
    Prompter& prompter;
    OpstartGegevens opstart;
    Instellingen instellingen;
    Configuratie configuratie;
    TabState state;
    StemmingLijst stemmingLijst;
    QString bestandsnaam = QStringLiteral("naamloos.tab");
    bool naamloos = true;
    bool tablijnenOmgezet = false;

    bool cursief = false;
    bool onderstreept = false;
    int invoegmodus = 1;
    // regelsPerPagina, aantalPaginas, paginanummering.
    PaginaStand paginastand;
    // The pages the document prints on, as the status bar counts them; laid
    // out again shortly after the text or the print settings change, so that
    // typing in a long document does not wait for it.
    const AfdrukIndeling& afdrukindeling() const { return m_afdrukindeling; }
    void BerekenAfdrukindeling();

    // --- Controls --------------------------------------------------------
    EditorWidget* Editor = nullptr;
    QtEditor& editor() const { return *m_editor; }
    TabContext& ctx() { return *m_ctx; }
    QWidget* m_browserPanel = nullptr;   // Panel1; the file browser fills it
    QWidget* m_mediaPanel = nullptr;     // MediaPlayer1's place on ToolBar2
    QSplitter* Splitter1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QComboBox* ComboBox1 = nullptr;      // tuning
    QSpinBox* SpinEdit2 = nullptr;       // tab width
    QComboBox* Maatcombobox = nullptr;   // time signature
    QFontComboBox* Fontname = nullptr;
    QComboBox* spinedit1 = nullptr;      // font size
    QMenu* PopupMenu1 = nullptr;
    QMenu* menu(Menu m) const { return m == Menu::Popup ? PopupMenu1 : m_menus[static_cast<int>(m)]; }
    // The action whose handler is running (menu item or tool button), for
    // handlers that act differently per control.
    const QAction* afzender() const { return m_afzender; }

    // The printer the page arithmetic and printing use, and its font.
    QPrinter& printer();
    QFont printerLettertype;

    // --- Status (keyboard handling and caret status) -------------------------
    void ToonCaretPositie();
    void ToonVeranderd(bool veranderd);
    void EditorChange();
    void EditorSelectionChange();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    // Completion of start-up when the window is first shown.
    void FormActivate();

    // Copies the tool-bar controls into state.instellingen for a staff command.
    void VulInstellingen();
    // The tuning box's list follows stemmingLijst.
    void ToonStemmingLijst();
    // "snaren.txt" in the program's directory.
    QString SnarenBestand() const;

    // --- Handlers of the command table ---------------------------------------
    void Exit1Click();
    void AllesSelecteren1Click();
    // Formatting
    void Lettertype2Click();
    void Bold1Click();
    void VetButtonClick();
    void Italic1Click();
    void italicbuttonClick();
    void Underline1Click();
    void UnderlinebuttonClick();
    void FontColorClick();
    void Volledigscherm1Click();
    void RichtextClick();
    void FixedButtonClick();
    void FontNameChange();
    void SpinEdit1Change();
    // Find, replace, undo, clipboard
    void Zoeken1Click();
    void Vervangen1Click();
    void FindDialog1Find();
    void ReplaceDialog1Replace(bool alles);
    void UndoClick();
    void KnippenClick();
    void KopierenClick();
    void PlakkenClick();
    // Tab commands
    void inserttab();
    void Maatstreepinvoegen1Click();
    void Spatieinvoegen1Click();
    void Beginherhalinginvoegen1Click();
    void Eindherhalinginvoegen1Click();
    void endclosebuttonClick();
    void Stemmimg1Click();
    void LinksUitlijnen1Click();
    void Transponeren1Click();
    void Stemmingwijzigen1Click();
    void Capo1Click();
    void VerticaalKnippen1Click();
    void VerticaalKopiren1Click();
    void Verticaalplakken1Click();
    void doorlopendelijnenClick();
    void KorvaneformaatnaarAscii1Click();
    void FullPageButtonClick();
    // Whether the editor draws the line font "Korvane".
    bool KorvaneFont() const;
    // What a refused line-font conversion offers: switch the editor to the
    // line font; true when it draws it then. Empty when the font is missing.
    std::function<bool()> NaarKorvaneFont();
    // Tuning list and staff shape
    void PlusButtonClick();
    void MinbuttonClick();
    void savelistbuttonClick();
    void maatsoortbuttonClick();
    void MaatcomboboxChange();

    ZoekDialoog* FindDialog1 = nullptr;
    VervangDialoog* ReplaceDialog1 = nullptr;

    // --- Staff doctor and chord names (mainwindow_muziek.cpp) ----------------
    QDockWidget* Bevindingen = nullptr;     // the findings panel, made on first use
    QListWidget* BevindingenLijst = nullptr;
    void TabControleren1Click();
    // The finding selected in the panel / all of them, as one undo step.
    void Herstellen1Click();
    void AllesHerstellen1Click();
    // The chord at the caret's column, on the chord line above the staff.
    void Akkoordnaam1Click();
    // Checks the text again and lists what it finds; shows the panel.
    void ToonBevindingen();

    // --- File browser, options and new-tab wizard (mainwindow_browser.cpp) ---
    FileBrowser* Browser = nullptr;      // fills Panel1
    TForm2* Form2 = nullptr;             // "Opties"
    TTabwizard* Tabwizard = nullptr;     // "Nieuwe tab"
    void BouwBrowser();
    void FileListBox1Click(const QString& pad);
    void Wissen();
    void Naamwijzigen1Click();
    void StartbuttonClick();
    void Opties1Click();
    void Wizardnieuwetab1Click();

    // --- Printing and preview (mainwindow_print.cpp) -------------------------
    Tpreviewform* previewform = nullptr; // "Afdrukvoorbeeld"
    void BouwAfdrukken();
    void printtekst();                   // the selection only from printbutton
    void Printerinstelling1Click();
    void Paginanummering1Click();
    void PrintPreview();

    // --- Export of the music (mainwindow_export.cpp) --------------------------
    // "Exporteren…": the staffs as a MIDI or MusicXML file, named in a save
    // dialog.
    void Exporteren1Click();

    // --- Playing the tab (mainwindow_afspelen.cpp) ----------------------------
    QSpinBox* Tempovak = nullptr;           // beats a minute for "Tab afspelen"
    QComboBox* Instrumentkeuze = nullptr;   // the guitar sound of playing and export
    // Where the sound goes; made on first use, tests put a fake in.
    std::shared_ptr<Geluidsuitgang> geluidsuitgang;
    // "Tab afspelen": from the caret or the selection, again to stop.
    void TabAfspelen1Click();
    // "Herhalen", "Aftellen", "Langzamer oefenen" were switched.
    void SpeelkeuzeClick();
    bool SpeeltTab() const;
    // Stops playing and puts the caret on the column that sounded last.
    void StopTab();
    // The General MIDI program of the chosen guitar.
    int GekozenGitaar() const;

    // --- Media player, outside programs and about box (mainwindow_media.cpp) ---
    MediaPlayer* MediaPlayer1 = nullptr; // in m_mediaPanel on ToolBar2
    TAboutBox* AboutBox = nullptr;       // "Info"
    // Volume control, browser and mail handler; tests put fakes in.
    std::shared_ptr<ExternalTools> externeProgrammas;
    void BouwMedia();
    void OpenMediaClick();
    void VolumeClick();
    void internetClick();
    // Whether the desktop took the mailto address.
    bool SendEMail(const QString& adres, const QString& onderwerp, const QString& tekst);
    void Info1Click();

    // --- Documents on disk, settings, start-up and shut-down (mainwindow_files.cpp) ---
    // The file commands on this window's editor and document identity.
    DocumentFiles& bestanden();
    // Asks the save-changes question, then starts the untitled document.
    void New1Click();
    // The untitled document without a question, for callers that asked.
    void NieuwDocument();
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    // Save converted to an encoding the user picks; read the file again in one.
    void Opslaanmetcodering1Click();
    void Opnieuwladenmetcodering1Click();
    void Reservekopie1Click();
    // True: the document may be abandoned.
    bool VraagOpslaan();
    bool FormCloseQuery();
    // Reads "Opties.txt" and "kvn.cfg", chooses the first document, fills the
    // tuning list; the constructor's last step.
    void FormCreate();
    // Writes "kvn.cfg".
    void FormClose();

signals:
    // The tuning list gained an entry at `index` / lost the entry at `index`;
    // the wizard's copy follows.
    void StemmingToegevoegd(int index, const QString& tekst);
    void StemmingVerwijderd(int index);
    // FormActivate has applied the window's settings; the companions (preview,
    // wizard, dialogs) apply theirs now, before the document is marked clean.
    void Geactiveerd();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // FormCloseQuery, then FormClose.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BouwMenus();
    void BouwAfspelen();
    void ToonSpeelpunt(int punt);
    TabAfspeler::Opties SpeelOpties() const;
    void OnthoudActies();
    void BouwToolBars();
    void BouwStatusBalk();
    void BouwWerkgebied();
    void BouwBesturing();
    QWidget* BesturingVoor(const QString& naam) const;
    void VoerUit(Handler handler);
    void SetEnabled(const char* naam, bool aan);
    void SetChecked(const char* naam, bool aan);
    // Formatting steps shared by the style commands.
    void Collapse();
    void Adopt();
    void Recalc();
    void PasStijlToe(int stijl, bool aan);
    // After a line-font conversion: the modified flag as it was before it
    // (`veranderd`), shown in the status bar.
    void NaOmzetting(bool omgezet, bool veranderd);
    void WisselStijl(int stijl, bool vanMenu);
    // The selection's attributes; in Ascii mode those of the whole text.
    QFont SelectieFont() const;
    QColor SelectieKleur() const;
    // `alleen`: the QFont::ResolveProperties to change in rich-text mode; 0: all.
    void ZetSelectieFont(const QFont& font, uint alleen = 0);
    void ZetSelectieKleur(const QColor& kleur);
    // Rich-text mode on or off for the widget, keeping the text.
    void ZetTekstsoort(bool rich);
    void VulLettergroottes();
    void ToonFontInBesturing();
    // Reads the file `pad` into the editor in the current mode.
    bool LaadInEditor(const QString& pad);

    QtEditor* m_editor = nullptr;
    std::unique_ptr<DocumentFiles> m_bestanden;
    std::unique_ptr<TabContext> m_ctx;
    std::unique_ptr<QPrinter> m_printer;
    AfdrukIndeling m_afdrukindeling;
    QString m_indelingSleutel;      // the print settings it was laid out for
    bool m_indelingVers = false;    // no text change since
    QTimer* m_indelingTimer = nullptr;
    IndelingOpties m_indelingOpties;
    QString IndelingSleutel();
    QHash<QString, QAction*> m_actions;
    QMenu* m_menus[aantalMenus] = {};
    StatusVak* m_panelen[aantalPanelen] = {};
    const QAction* m_afzender = nullptr;
    bool m_geactiveerd = false;
    // Key preview: the event last handled and where, so that its propagation
    // to parent widgets is not seen twice.
    const QEvent* m_laatsteToets = nullptr;
    QPointer<QWidget> m_laatsteOntvanger;
    // The menu items' shortcut keys.
    QHash<QKeyCombination, QAction*> m_commandoToetsen;
    // What the change and selection notifications enable.
    std::vector<QAction*> m_tekstActies;
    std::vector<QAction*> m_undoActies;
    std::vector<QAction*> m_selectieActies;
    QAction* m_paginanummering = nullptr;
    // Playing the tab: the player, the lines of the staffs it plays, and
    // whether the tempo box holds the user's own choice rather than the text's.
    std::unique_ptr<TabAfspeler> m_afspeler;
    std::vector<TTabbalk> m_speelbalken;
    bool m_tempoGekozen = false;
    bool m_tempoZetten = false;
};

} // namespace korvane
