// The document on disk: loading and saving the editor's text as a plain-text
// file in its own encoding or as RTF, the backup copy, the atomic save, and the
// file commands of the main window (New, Open, Save, Save as, the
// save-changes question, the load from the file browser).
//
// Line breaks: a plain-text file may mix CR LF, LF and lone CR. The load
// notes the file's most common break as the document's own and marks every
// line that follows a different one in its QTextBlock::userState, so a file
// opened and saved unchanged is written back byte for byte, and lines the
// user adds get the document's break. A new document, or one emptied
// completely, uses CR LF. Nothing else may use the editor's block user states.
//
// Encoding: decided once, at load (see HerkenCodering), and kept with the
// document; a save writes it again, byte-order mark included. Characters the
// encoding cannot hold (typed or pasted) are named to the user before a
// plain-text save, who may save as UTF-8 instead, have each written as "?",
// or cancel.
#pragma once

#include "files/codering.h"
#include "files/prompter.h"
#include "files/settings.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QPlainTextEdit;
class QTextDocument;

namespace korvane {

inline const QString naamloos = QStringLiteral("naamloos.tab");
inline const QString programmatitel = QStringLiteral("Korvane1.06");

// Who the document is, beside its text: the window's own variables.
struct DocumentIdentiteit {
    QString& bestandsnaam;
    bool& tablijnenOmgezet;
};

enum class RegelEinde { CrLf = 0, Lf = 1, Cr = 2 };

// The line break a document uses for lines without a recorded one.
RegelEinde DocumentRegelEinde(const QTextDocument& doc);

// The document's encoding: the one it was loaded in or last saved in; a new
// document has the encoding for new documents.
Codering DocumentCodering(const QTextDocument& doc);
void ZetDocumentCodering(QTextDocument& doc, Codering codering);

// Replaces the editor's text by the plain-text file `bytes`, in one
// setPlainText, read in `codering` or, without one, in the encoding the
// bytes themselves show. False, with the editor left as it was, when the
// bytes are not valid in the asked encoding.
bool LaadPlatteTekst(QPlainTextEdit& editor, const QByteArray& bytes,
                     std::optional<Codering> codering = std::nullopt);

struct PlatteTekst {
    QByteArray bytes;
    // The distinct characters the encoding cannot hold, in order of first
    // appearance; each was written as "?".
    QString onopslaanbaar;
};
// The editor's text as the bytes of a plain-text file in `codering`, by
// default the document's own.
PlatteTekst PlatteTekstBytes(const QTextDocument& doc, std::optional<Codering> codering = std::nullopt);

// Name part of a path: everything after the last directory separator.
QString NaamDeel(const QString& pad);
// From the last "." of the name part, "." included; empty without one.
QString Extensie(const QString& pad);
// The path with its extension replaced (or `extensie` appended).
QString VervangExtensie(const QString& pad, const QString& extensie);
// lied.tab gives lied.~tab, lied gives lied~.
QString BackupNaam(const QString& bestandsnaam);
// Copies an existing regular file to its backup name, replacing an older
// backup. Reports nothing: the save that follows goes on regardless.
void Backup(const QString& bestandsnaam);
// Writes `bytes` to `pad` without ever leaving a half-written file under that
// name: a temporary file beside the target is renamed over it, keeping the
// target's permissions and following a symbolic link to its target. A target
// that is not a regular file (a pipe, a device) is refused. Returns the
// user's error message, empty on success.
QString SchrijfBestand(const QString& pad, const QByteArray& bytes);

// Format("%s - %s", programmatitel, name part).
QString VensterTitel(const QString& bestandsnaam);
QString ModusTekst(bool richtext);   // status panel 4

// What the file commands ask of the window around them. Every hook may be
// left empty.
struct DocumentHooks {
    std::function<void(const QString&)> titel;          // window caption
    std::function<void(bool)> toonVeranderd;            // status panel 2
    std::function<void(bool)> modus;                    // panel 4, Richtext1 check, tool button
    std::function<void()> bestandslijstVernieuwen;      // FileListBox1 reads its folder again
    std::function<void(const QString&)> naarMap;        // the browser moves to a folder
    std::function<QString()> browserMap;                // the folder the browser shows
    std::function<void()> caretStatus;                  // ToonCaretPositie
    std::function<void()> undoUit;                      // disable the undo command
    std::function<void(bool)> reservekopieVinkje;       // Reservekopie1 check mark
    std::function<bool()> vetIngedrukt;                 // VetButton is down
    std::function<void()> analyse;                      // run the tab analysis
    std::function<void()> vervangen;                    // the whole text was replaced
    std::function<void(Codering)> codering;             // the encoding panel
};

class DocumentFiles {
public:
    DocumentFiles(QPlainTextEdit& editor, Prompter& prompter, Instellingen& instellingen,
                  DocumentIdentiteit document, DocumentHooks hooks = {});

    void SetHooks(DocumentHooks hooks) { m_hooks = std::move(hooks); }

    void New1Click();
    void Open1Click();
    // True when the document was written.
    bool Save1Click();
    bool Saveas1Click();
    void Reservekopie1Click();
    // True: the caller may abandon the document.
    bool VraagOpslaan();
    bool FormCloseQuery() { return VraagOpslaan(); }
    // The load of a file picked in the browser; false when nothing was loaded.
    bool LaadUitLijst(const QString& pad);
    // Reloads the named file in the current mode, after the save-changes
    // question; false when there was no file, the user cancelled or it could
    // not be read.
    bool Herladen();
    // Reads the named file again as plain text in `codering` (UTF-16 LE or
    // BE: the file's byte-order mark decides, without one LE), after the
    // save-changes question. False, after a message when the bytes are not
    // valid there, when nothing was loaded.
    bool HerladenMet(Codering codering);
    // Save with the document converted to `codering`; the document keeps the
    // new encoding only when the save succeeded.
    bool OpslaanMet(Codering codering);
    // The two above with the encoding picked in the "CoderingKeuze" dialog
    // (its list "Coderingen"); false when the user cancelled it.
    bool HerladenMetKeuze();
    bool OpslaanMetKeuze();
    // The document becomes a new one for its encoding: the encoding for new
    // documents, no byte-order mark kept from a file. New does this itself;
    // the wizard's new document calls it.
    void CoderingVanNieuwDocument();
    // Shows the document's encoding through the hook.
    void ToonCodering();

    // Loads `pad` into the editor (RTF when `richtext`, falling back to plain
    // text). A file that cannot be read leaves the editor as it was and shows
    // "Kan bestand %s niet openen".
    bool Laden(const QString& pad, bool richtext, std::optional<Codering> codering = std::nullopt);
    // Whether the last successful Laden read the file as RTF.
    bool RtfGelezen() const { return m_rtfGelezen; }
    // Writes the editor to `pad` in the current mode; asks first when the
    // text holds characters a plain-text file cannot store, and in rich-text
    // mode when `pad` is no ".rtf" file (Ja: RTF, Nee: plain text). False,
    // after a message, when nothing was written. With `metBackup` and
    // reservekopie on, the previous file is first copied to its backup name.
    bool Opslaan(const QString& pad, bool metBackup = false);

    void MarkeerOpgeslagen();
    void WerkTitelBij();

    static FileDialogRequest OpenDialoog(const QString& map);
    // Proposes the document's own name in `map`, with the filter that shows it.
    static FileDialogRequest SaveDialoog(const QString& bestandsnaam, const QString& map);
    // Where the file dialogs open: the document's folder, else the browser's.
    QString DialoogMap() const;
    // True when `pad` does not exist or the user agrees to replace it.
    bool MagVervangen(const QString& pad);

private:
    void Meld(const QString& tekst);

    QPlainTextEdit& m_editor;
    Prompter& m_prompter;
    Instellingen& m_instellingen;
    DocumentIdentiteit m_document;
    DocumentHooks m_hooks;
    bool m_rtfGelezen = false;
    std::optional<Codering> m_opslaanAls;
};

} // namespace korvane
