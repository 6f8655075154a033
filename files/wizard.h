// The new-tab wizard "Nieuwe tab" (TTabwizard): the dialog, the document it
// builds (header lines, then empty staffs through inserttab) and the small
// interface through which it hands its settings to the main window.
#pragma once

#include "core/tabstate.h"
#include "files/prompter.h"

#include <QDialog>
#include <QStringList>

#include <string>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace korvane {

// The rule line's length, which is also the width titles are centred in.
inline constexpr int wizardBreedte = 85;
inline constexpr std::string_view capoVoorvoegsel = "Capo: ";
// The wizard names the document with this title, not with the program's
// usual caption title.
inline constexpr std::string_view wizardProgrammatitel = "Korvane1.0";
// The items of "Maatsoort", in order; index 0 writes no time signature.
inline constexpr int aantalWizardMaatsoorten = 5;
extern const char* const wizardMaatsoorten[aantalWizardMaatsoorten];

// Everything the wizard's fields hold when "Ok" is pressed. Texts are
// characters, as in the document.
struct WizardKeuze {
    std::u32string titel;
    std::u32string artiest;
    int capo = 0;
    std::u32string stemming = std::u32string(standaardStemming);
    int maatsoort = 2;         // RadioGroup1: 0 "Geen", 1 "3/4", 2 "4/4", 3 "6/8", 4 "12/8"
    bool helePagina = true;    // Paginabox
    int aantalregels = 1;      // Aantalregels, used when helePagina is off
    int tabbreedte = 80;       // tabwidth
};

// Makes an editable tuning box keep what is typed: a tuning such as "EADG"
// or "eadgbe" is one of its own, not the start or another spelling of a list
// entry. Entries that begin with the typed text are offered in a popup.
void StemmingInvoer(QComboBox& box);

// A title or artist line: centred in wizardBreedte columns, one blank more
// than half the room left; no blanks when the text is too long.
std::u32string GecentreerdeRegel(std::u32string_view tekst);

// Replaces the document with the wizard's: title block, capo line,
// time-signature line and the staffs. Sets the staff settings in
// ctx.state.instellingen first, because inserttab reads them there. Leaves
// the document unmodified with the caret at its start.
void BouwNieuweTab(TabContext& ctx, const WizardKeuze& keuze);

// What the wizard changes outside the document: the main window's staff
// controls and the document's name. The main window implements it; tests
// implement it over an in-memory editor.
class WizardDoel {
public:
    virtual ~WizardDoel() = default;
    virtual TabContext Context() = 0;
    // SpinEdit2, the main window's staff width.
    virtual int Tabbreedte() const = 0;
    virtual void ZetTabbreedte(int waarde) = 0;
    // bestandsnaam := "naamloos.tab"; caption "Korvane1.0 - naamloos.tab".
    virtual void ZetNaamloos() = 0;
    // ComboBox1 takes `tekst`, then selects entry `index` (-1: none, and the
    // text stays as given).
    virtual void ZetStemming(const QString& tekst, int index) = 0;
    // Maatcombobox entry index - 1 with MaatcomboboxChange and maatsoortbutton
    // down for index 1..4; maatsoortbutton up for index 0.
    virtual void ZetMaatsoort(int index) = 0;
    // Before the document is replaced: the save-changes question; false keeps
    // the document and leaves the wizard open.
    virtual bool MagDocumentVervangen() { return true; }
    // After the build: ToonVeranderd(false), tablijnenOmgezet := false.
    virtual void DocumentKlaar() = 0;
};

class TTabwizard : public QDialog {
    Q_OBJECT
public:
    TTabwizard(WizardDoel& doel, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the wizard modally (through the prompter); true when a document
    // was built.
    bool newtab();

    // The main window's tuning list, copied in at start-up.
    void ZetStemmingen(const QStringList& items);

    // Handlers, named after their controls.
    void FormActivate();
    void RadioGroup1Click();
    void PaginaboxClick();
    void DefaultbuttonClick();
    void CancelbuttonClick();
    void OkbuttonClick();

    WizardKeuze Keuze() const;

    QLineEdit* Titelbox;
    QLineEdit* Artistbox;
    QSpinBox* Capobox;
    QComboBox* Tuningbox;
    QLabel* Label6;
    QSpinBox* tabwidth;
    QGroupBox* RadioGroup1;
    QButtonGroup* m_maatsoortKnoppen;
    QCheckBox* Paginabox;
    QLabel* Label5;
    QSpinBox* Aantalregels;
    QPushButton* Okbutton;
    QPushButton* Cancelbutton;
    QPushButton* Defaultbutton;

private:
    int MaatsoortIndex() const;

    WizardDoel& m_doel;
    Prompter& m_prompter;
};

} // namespace korvane
