// The file browser of the main window's left panel: a folder tree over the
// file-system model, linked to a list of the tab files in the chosen folder,
// with the delete, rename and start-folder commands on the selected file.
// The process's current folder follows the folder the list shows.
#pragma once

#include "files/prompter.h"
#include "files/settings.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QFileSystemModel;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QTreeView;

namespace korvane {

// The document types the list shows, matched without regard to case.
inline const QStringList browserPatronen = {
    QStringLiteral("*.tab"), QStringLiteral("*.txt"), QStringLiteral("*.chopro"),
    QStringLiteral("*.crd"), QStringLiteral("*.htm"), QStringLiteral("*.html"),
    QStringLiteral("*.rtf"), QStringLiteral("*.kvn"), QStringLiteral("*.dat")};

// The files of `map` that match browserPatronen, sorted by name.
QStringList BrowserBestanden(const QString& map);

class FileBrowser : public QWidget {
    Q_OBJECT
public:
    // Reads tabmap and reservekopie from `instellingen` when it needs them.
    FileBrowser(Prompter& prompter, const Instellingen& instellingen, QWidget* parent = nullptr);

    QTreeView* Directorylistbox1;
    QSplitter* Splitter2;
    QListWidget* FileListBox1;

    // The folder the list shows (absolute, "/" separators).
    QString Map() const { return m_map; }
    // Moves the tree and the list to `map`. A folder that cannot be read
    // gets the message and the browser returns to tabmap; false then.
    bool ZetMap(const QString& map);
    // The list reads its folder again; the selection stays on the same name.
    void Vernieuw();
    // The selected file as a full path; empty when nothing is selected.
    QString GeselecteerdBestand() const;
    // Selects the entry `naam` (a name in the list's folder); false if absent.
    bool SelecteerBestand(const QString& naam);

    int BoomHoogte() const;
    void ZetBoomHoogte(int hoogte);

    // --- Handlers ------------------------------------------------------------
    // The tree returns to tabmap, and the list with it.
    void StartbuttonClick();
    // Deletes the selected file after a question; with reservekopie it
    // survives under its backup name. The document is not touched.
    void Wissen();
    // Renames the selected file to a path the user types. Returns the new
    // name when the renamed file was `bestandsnaam` and the rename succeeded.
    std::optional<QString> Naamwijzigen1Click(const QString& bestandsnaam);
    // The tree's folder is on another mounted volume than the list's.
    void Directorylistbox1DriveChange(const QString& map);

signals:
    // The user clicked an entry, or moved to one with the keyboard.
    void FileListBox1Click(const QString& pad);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BoomGewijzigd(const QString& map);
    // Shows the folder's message and moves the tree back to tabmap.
    void GeenToegang(const QString& map);
    bool LijstNaar(const QString& map);
    void ZetBoom(const QString& map);
    bool GeenSelectie();
    void PasBoomHoogteToe();

    Prompter& m_prompter;
    const Instellingen& m_instellingen;
    QFileSystemModel* m_model;
    QString m_map;
    // While the widgets are moved by the program their signals are not the
    // user's.
    bool m_programma = false;
    // The row that was current when the mouse went down: a click on it is a
    // click on the entry already selected, which loads it again.
    int m_rijBijDruk = -1;
    // The last press on the list was not the left button: the entry it
    // selected is not loaded.
    bool m_nietLaden = false;
    // A tree height set before the panel had its size; applied on resize.
    int m_boomHoogteWacht = -1;
};

} // namespace korvane
