// The options dialog "Opties" (TForm2): the settings the program reads from
// "Opties.txt" at start-up, edited in fields and written back line by line.
// Only the tab directory takes effect at once; the rest at the next start.
#pragma once

#include "files/prompter.h"
#include "files/settings.h"

#include <QDialog>
#include <QFont>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace korvane {

// Writes `regels` as Windows-1252 lines, each ending in CR LF, over `pad`.
// Stops at the first failure, leaving the lines written before it; false then.
bool SchrijfRegels(const QString& pad, const QStringList& regels);

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Prompter& prompter, QWidget* parent = nullptr);

    // Fills the fields from the running program and shows the dialog modally.
    // "Opslaan" writes "Opties.txt" and sets instellingen.tabmap; true then.
    bool Toon(Instellingen& instellingen, const QFont& editorFont);

    // Handlers, named after their controls.
    void FormActivate(Instellingen& instellingen, const QFont& editorFont);
    void DirButtonClick();
    void MediadirButtonClick();
    void EditbuttonClick();
    void PrinterbuttonClick();
    void OKButtonClick();
    void CancelButtonClick();

    // The lines "Opslaan" writes, from the fields as they stand.
    QStringList OptiesRegels() const;

    // The bold state of the two fonts as last picked in this run; not taken
    // from the settings.
    bool dialoogEditorVet = false;
    bool dialoogPrinterVet = false;

    QLineEdit* Directory;
    QPushButton* Button1;
    QLineEdit* Mediadirectory;
    QPushButton* MediadirButton;
    QLineEdit* Editorfont;
    QLineEdit* size;
    QPushButton* Editbutton;
    QLineEdit* Printerfont;
    QLineEdit* Printersize;
    QPushButton* Printerbutton;
    QCheckBox* Fixedbox;
    QCheckBox* richbox;
    QCheckBox* fullscr;
    QCheckBox* Backupbox;
    QCheckBox* Pagenumbox;
    // The encoding of new documents and pure-ASCII files ("UTF-8" or
    // "Windows-1252"), kept in the per-user settings, not in "Opties.txt".
    QComboBox* Coderingbox;
    // "Systeem", "Nederlands" or "English", kept in the per-user settings;
    // takes effect at the next start.
    QComboBox* Taalbox;
    QGroupBox* RadioGroup1;
    QButtonGroup* m_opstartKnoppen;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private:
    // Asks for a folder; a typed folder that does not exist yet is created
    // after a question. Empty when nothing was chosen.
    QString KiesMap();
    // Runs a font dialog from `start`; on confirmation fills the name and
    // size fields and returns whether the choice is bold.
    bool KiesFont(QFont& start, QLineEdit* naam, QLineEdit* grootte, bool& vet);

    Prompter& m_prompter;
    Instellingen* m_instellingen = nullptr;
    QFont m_fontDialog1;
    QFont m_fontDialog2;
};

} // namespace korvane
