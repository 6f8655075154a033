// TForm1: fonts, styles, colour, full screen, rich-text mode, select all and
// exit, and the completion of start-up when the window is first shown.
#include "ui/mainwindow.h"

#include "files/bytenamen.h"
#include "files/documentfiles.h"

#include "files/rtf.h"
#include "ui/editorwidget.h"
#include "ui/qteditor.h"

#include <QFontInfo>
#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace korvane {

namespace {

enum Stijl { Vet = 0, Cursief = 1, Onderstreept = 2 };

struct StijlRij {
    const char* menuItem;
    const char* knop;
};
const StijlRij stijlRijen[3] = {{"Bold1", "VetButton"}, {"Italic1", "italicbutton"},
                                {"Underline1", "Underlinebutton"}};

// Scalable fonts offer this list; bitmap fonts their own sizes.
const int schaalbareGroottes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

} // namespace

// --- Selection attributes ---------------------------------------------------------

QFont TForm1::SelectieFont() const
{
    if (!instellingen.richtext)
        return Editor->font();
    return Editor->textCursor().charFormat().font().resolve(Editor->font());
}

QColor TForm1::SelectieKleur() const
{
    if (instellingen.richtext) {
        const QTextCharFormat f = Editor->textCursor().charFormat();
        if (f.hasProperty(QTextFormat::ForegroundBrush))
            return f.foreground().color();
    }
    return Editor->palette().color(QPalette::Text);
}

namespace {

// Rich text: the selection and the typing position both take the format.
void MengInSelectie(QPlainTextEdit& editor, const QTextCharFormat& f)
{
    QTextCursor c = editor.textCursor();
    c.mergeCharFormat(f);
    editor.mergeCurrentCharFormat(f);
}

} // namespace

void TForm1::ZetSelectieFont(const QFont& font, uint alleen)
{
    if (!instellingen.richtext) {
        Editor->setFont(font);
        return;
    }
    QTextCharFormat f;
    if (alleen) {
        // Only the attribute the command is about: a selection of several
        // sizes, faces and styles keeps the others.
        QFont deel = font;
        deel.setResolveMask(alleen);
        f.setFont(deel, QTextCharFormat::FontPropertiesSpecifiedOnly);
    } else {
        f.setFont(font);
    }
    MengInSelectie(*Editor, f);
}

void TForm1::ZetSelectieKleur(const QColor& kleur)
{
    if (!instellingen.richtext) {
        QPalette p = Editor->palette();
        p.setColor(QPalette::Text, kleur);
        Editor->setPalette(p);
        return;
    }
    QTextCharFormat f;
    f.setForeground(kleur);
    MengInSelectie(*Editor, f);
}

void TForm1::Collapse()
{
    if (!instellingen.richtext)
        m_editor->SetSelectionLength(0);
}

void TForm1::Adopt()
{
    // In rich-text mode every character carries its own format (see
    // ZetTekstsoort), so the base font only shapes what has none.
    const QColor kleur = SelectieKleur();
    Editor->setFont(SelectieFont());
    QPalette p = Editor->palette();
    p.setColor(QPalette::Text, kleur);
    Editor->setPalette(p);
}

void TForm1::Recalc()
{
    printerLettertype = Editor->font();
    QPrinter& pr = printer();
    const QFontMetrics fm(printerLettertype, &pr);
    const int hoogte = pr.pageLayout().paintRectPixels(pr.resolution()).height();
    paginastand.regelsPerPagina = BerekenRegelsPerPagina(hoogte, fm.height());
    ToonCaretPositie();
}

void TForm1::ToonFontInBesturing()
{
    const QFont f = SelectieFont();
    const QSignalBlocker a(spinedit1);
    const QSignalBlocker b(Fontname);
    spinedit1->setEditText(QString::number(f.pointSize()));
    // The box names the font really drawn: a name this desktop lacks
    // ("Courier New") shows as its stand-in, and a name in other letter case
    // as the face it finds, which is what the line-font check goes by too.
    const QString getekend = QFontInfo(f).family();
    int i = Fontname->findText(getekend, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (i < 0)
        i = Fontname->findText(getekend, Qt::MatchFixedString);
    Fontname->setCurrentIndex(i);
}

void TForm1::VulLettergroottes()
{
    const QString familie = Editor->font().family();
    const QString tekst = spinedit1->currentText();
    const QSignalBlocker stil(spinedit1);
    spinedit1->clear();
    if (QFontDatabase::isSmoothlyScalable(familie) || QFontDatabase::pointSizes(familie).isEmpty()) {
        for (int g : schaalbareGroottes)
            spinedit1->addItem(QString::number(g));
    } else {
        for (int g : QFontDatabase::pointSizes(familie))
            spinedit1->addItem(QString::number(g));
    }
    spinedit1->setCurrentIndex(-1);
    spinedit1->setEditText(tekst);
}

// --- Font commands ---------------------------------------------------------------

void TForm1::Lettertype2Click()
{
    const bool alleenVast = action(QStringLiteral("FixedButton"))->isChecked();
    const std::optional<QFont> gekozen = prompter.ChooseFont(Editor->font(), alleenVast);
    if (!gekozen)
        return;
    Editor->setFont(*gekozen);
    printerLettertype = *gekozen;
    ToonFontInBesturing();
    instellingen.editorvet = SelectieFont().bold();
    SetChecked("VetButton", instellingen.editorvet);
    SetChecked("Bold1", instellingen.editorvet);
    Recalc();
}

void TForm1::FontNameChange()
{
    Collapse();
    QFont f = SelectieFont();
    f.setFamily(Fontname->currentIndex() >= 0 ? Fontname->currentText() : QString());
    ZetSelectieFont(f, QFont::FamilyResolved | QFont::FamiliesResolved);
    Adopt();
    Recalc();
    m_editor->FocusEditor();
}

void TForm1::SpinEdit1Change()
{
    Collapse();
    const QString tekst = spinedit1->currentText();
    bool ok = false;
    const int grootte = tekst.trimmed().toInt(&ok);
    if (!ok || grootte <= 0) {
        prompter.Message(tr("'%1' is geen geldig geheel getal").arg(tekst).toStdString());
        return;
    }
    QFont basis = Editor->font();
    basis.setPointSize(grootte);
    Editor->setFont(basis);
    if (!instellingen.richtext)
        Adopt();
    Recalc();
}

void TForm1::PasStijlToe(int stijl, bool aan)
{
    QFont f = SelectieFont();
    switch (stijl) {
    case Vet: f.setBold(aan); break;
    case Cursief: f.setItalic(aan); break;
    default: f.setUnderline(aan); break;
    }
    ZetSelectieFont(f, stijl == Vet ? QFont::WeightResolved : stijl == Cursief ? QFont::StyleResolved
                                                                                : QFont::UnderlineResolved);
}

void TForm1::WisselStijl(int stijl, bool vanMenu)
{
    bool& staat = stijl == Vet ? instellingen.editorvet : stijl == Cursief ? cursief : onderstreept;
    const StijlRij& rij = stijlRijen[stijl];
    if (!vanMenu)
        Collapse();
    staat = !staat;
    SetChecked(rij.menuItem, staat);
    SetChecked(rij.knop, staat);
    if (vanMenu)
        Collapse();
    PasStijlToe(stijl, action(QString::fromLatin1(rij.knop))->isChecked());
    Adopt();
}

void TForm1::Bold1Click() { WisselStijl(Vet, true); }
void TForm1::VetButtonClick() { WisselStijl(Vet, false); }
void TForm1::Italic1Click() { WisselStijl(Cursief, true); }
void TForm1::italicbuttonClick() { WisselStijl(Cursief, false); }
void TForm1::Underline1Click() { WisselStijl(Onderstreept, true); }
void TForm1::UnderlinebuttonClick() { WisselStijl(Onderstreept, false); }

void TForm1::FontColorClick()
{
    Collapse();
    if (const std::optional<QColor> kleur = prompter.ChooseColor(SelectieKleur()))
        ZetSelectieKleur(*kleur);
    Adopt();
}

void TForm1::FixedButtonClick()
{
    instellingen.alleenfixed = !instellingen.alleenfixed;
    SetChecked("FixedButton", instellingen.alleenfixed);
    const QSignalBlocker stil(Fontname);
    const QString naam = Fontname->currentIndex() >= 0 ? Fontname->currentText() : QString();
    Fontname->setFontFilters(instellingen.alleenfixed ? QFontComboBox::MonospacedFonts
                                                      : QFontComboBox::AllFonts);
    Fontname->setCurrentIndex(naam.isEmpty() ? -1 : Fontname->findText(naam, Qt::MatchFixedString));
}

// --- Modes ------------------------------------------------------------------------

void TForm1::Volledigscherm1Click()
{
    instellingen.volledigscherm = !instellingen.volledigscherm;
    m_browserPanel->setVisible(!instellingen.volledigscherm);
    SetChecked("Volledigscherm1", instellingen.volledigscherm);
    m_editor->FocusEditor();
}

void TForm1::ZetTekstsoort(bool rich)
{
    QTextDocument* doc = Editor->document();
    const bool veranderd = m_editor->Modified();
    const QTextCursor caret = Editor->textCursor();
    QTextCursor alles(doc);
    alles.select(QTextCursor::Document);
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    if (rich) {
        // Each character takes the current look explicitly, so that later
        // changes of the base font leave formatted text alone.
        QTextCharFormat f;
        f.setFont(Editor->font());
        f.setForeground(Editor->palette().color(QPalette::Text));
        alles.mergeCharFormat(f);
    } else {
        alles.setCharFormat(QTextCharFormat());
    }
    doc->setUndoRedoEnabled(undo);
    Editor->setTextCursor(caret);
    m_editor->SetModified(veranderd);
}

bool TForm1::LaadInEditor(const QString& pad)
{
    // The document loader keeps every byte and line break of a plain file.
    if (!bestanden().Laden(pad, instellingen.richtext))
        return false;
    if (bestanden().RtfGelezen())
        Editor->setFont(Editor->font());
    else if (instellingen.richtext)
        ZetTekstsoort(true);
    return true;
}

void TForm1::RichtextClick()
{
    // The switch reloads the file, replacing the text: unsaved edits are
    // offered for saving first, and Annuleren leaves mode and text alone.
    const bool herladen = IsGewoonBestand(bestandsnaam);
    if (herladen && !VraagOpslaan())
        return;
    instellingen.richtext = !instellingen.richtext;
    ZetTekstsoort(instellingen.richtext);
    SetChecked("Richtext1", instellingen.richtext);
    SetChecked("Richtext", instellingen.richtext);
    m_panelen[PaneelTekstsoort]->setText(ModusTekst(instellingen.richtext));
    if (herladen && LaadInEditor(bestandsnaam))
        bestanden().MarkeerOpgeslagen();
}

void TForm1::AllesSelecteren1Click()
{
    m_editor->SelectAll();
}

void TForm1::Exit1Click()
{
    close();
}

// --- Start-up ----------------------------------------------------------------------

void TForm1::FormActivate()
{
    const Instellingen& in = instellingen;
    QFont f = SelectieFont();
    f.setFamily(in.editorfont);
    if (in.editorgrootte > 0)
        f.setPointSize(in.editorgrootte);
    f.setBold(in.editorvet);
    ZetSelectieFont(f);
    QFont basis = Editor->font();
    if (in.editorvet)
        basis.setBold(true);
    Editor->setFont(basis);
    SetChecked("VetButton", in.editorvet);
    SetChecked("Bold1", in.editorvet);
    SetChecked("FixedButton", in.alleenfixed);
    Fontname->setFontFilters(in.alleenfixed ? QFontComboBox::MonospacedFonts : QFontComboBox::AllFonts);
    m_editor->SetSelectionLength(0);
    Adopt();
    ToonFontInBesturing();
    Adopt();
    m_editor->FocusEditor();
    if (in.volledigscherm) {
        instellingen.volledigscherm = false;
        Volledigscherm1Click();
    }
    // The start-up load was plain text, so only rich-text mode has work to do.
    if (in.richtext)
        ZetTekstsoort(true);
    SetChecked("Richtext1", in.richtext);
    SetChecked("Richtext", in.richtext);
    m_panelen[PaneelTekstsoort]->setText(ModusTekst(in.richtext));
    SetChecked("Paginanummering1", paginastand.paginanummering);
    Recalc();
    for (const char* naam : {"Knippen", "Kopieren", "Knippen1", "Kopiren1", "Zoeken1", "Vervangen1"})
        SetEnabled(naam, false);
    state.snapshot.undomogelijk = false;
    Maatcombobox->setCurrentIndex(1);
    emit Geactiveerd();
    m_editor->SetModified(false);
    ToonVeranderd(false);
    VulLettergroottes();
}

} // namespace korvane
