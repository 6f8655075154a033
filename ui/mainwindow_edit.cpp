// TForm1: find, replace, undo, clipboard, the tab commands of core/ and the
// tuning list's buttons.
#include "ui/mainwindow.h"

#include "core/block.h"
#include "core/columns.h"
#include "core/fullpage.h"
#include "core/linefont.h"
#include "core/staff.h"
#include "core/tidy.h"
#include "files/documentfiles.h"
#include "ui/editorwidget.h"
#include "ui/findreplace.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTextCharFormat>
#include <QTextCursor>

namespace korvane {

// --- Find, replace, undo, clipboard ------------------------------------------

void TForm1::Zoeken1Click()
{
    FindDialog1->show();
    FindDialog1->raise();
}

void TForm1::Vervangen1Click()
{
    ReplaceDialog1->show();
    ReplaceDialog1->raise();
}

void TForm1::FindDialog1Find()
{
    FindDialog1->ZoekResultaat(
        ZoekVolgende(*m_editor, Tekens(FindDialog1->zoektekst()), FindDialog1->hoofdletters()));
}

void TForm1::ReplaceDialog1Replace(bool alles)
{
    const int aantal = Vervang(*m_editor, state.snapshot, Tekens(ReplaceDialog1->zoektekst()),
                               Tekens(ReplaceDialog1->vervangtekst()), ReplaceDialog1->hoofdletters(), alles);
    ReplaceDialog1->ZoekResultaat(aantal > 0);
}

void TForm1::UndoClick()
{
    Herstel(*m_editor, state.snapshot);
}

void TForm1::KnippenClick()
{
    Editor->cut();
}

void TForm1::KopierenClick()
{
    Editor->copy();
}

void TForm1::PlakkenClick()
{
    Editor->paste();
}

// --- Tab commands ---------------------------------------------------------------

void TForm1::inserttab()
{
    VulInstellingen();
    korvane::inserttab(*m_ctx);
}

void TForm1::Maatstreepinvoegen1Click()
{
    korvane::Maatstreepinvoegen1Click(*m_ctx);
}

void TForm1::Spatieinvoegen1Click()
{
    korvane::Spatieinvoegen1Click(*m_ctx);
}

void TForm1::Beginherhalinginvoegen1Click()
{
    korvane::Beginherhalinginvoegen1Click(*m_ctx);
}

void TForm1::Eindherhalinginvoegen1Click()
{
    korvane::Eindherhalinginvoegen1Click(*m_ctx);
}

void TForm1::endclosebuttonClick()
{
    korvane::endclosebuttonClick(*m_ctx);
}

void TForm1::Stemmimg1Click()
{
    VulInstellingen();
    korvane::Stemmimg1Click(*m_ctx);
}

void TForm1::LinksUitlijnen1Click()
{
    korvane::LinksUitlijnen1Click(*m_ctx);
}

void TForm1::VerticaalKnippen1Click()
{
    if (korvane::VerticaalKnippen1Click(*m_ctx))
        SetEnabled("Verticaalplakken1", true);
}

void TForm1::VerticaalKopiren1Click()
{
    if (korvane::VerticaalKopiren1Click(*m_ctx))
        SetEnabled("Verticaalplakken1", true);
}

void TForm1::Verticaalplakken1Click()
{
    korvane::Verticaalplakken1Click(*m_ctx);
}

bool TForm1::KorvaneFont() const
{
    // The face drawn, as the font box shows it: a name in other letter case
    // that finds the line font draws the staffs as well.
    return QFontInfo(Editor->font()).family() == QStringLiteral("Korvane");
}

void TForm1::doorlopendelijnenClick()
{
    const bool veranderd = m_editor->Modified();
    korvane::doorlopendelijnenClick(*m_ctx, KorvaneFont(), tablijnenOmgezet, NaarKorvaneFont());
    // Converted exactly when the line font is drawn now, from the start or
    // after the switch the refusal offered.
    NaOmzetting(KorvaneFont(), veranderd);
}

std::function<bool()> TForm1::NaarKorvaneFont()
{
    // Only a font that is there can be offered.
    if (!QFontDatabase::families().contains(QStringLiteral("Korvane"), Qt::CaseSensitive))
        return {};
    return [this] {
        QFont f = Editor->font();
        f.setFamily(QStringLiteral("Korvane"));
        // In rich text every character carries its own face: all of them
        // switch, so that every staff draws in the line font.
        if (instellingen.richtext) {
            QTextCursor alles(Editor->document());
            alles.select(QTextCursor::Document);
            QFont familie = f;
            familie.setResolveMask(QFont::FamilyResolved | QFont::FamiliesResolved);
            QTextCharFormat opmaak;
            opmaak.setFont(familie, QTextCharFormat::FontPropertiesSpecifiedOnly);
            alles.mergeCharFormat(opmaak);
        }
        Editor->setFont(f);
        Recalc();
        return KorvaneFont();
    };
}

void TForm1::NaOmzetting(bool omgezet, bool veranderd)
{
    // The conversion is no change of the document, but edits from before it
    // stay unsaved. QTextDocument marks the text modified again when the
    // painting lock's edit block closes, so the window sets the flag once more.
    if (omgezet)
        m_editor->SetModified(veranderd);
    ToonVeranderd(m_editor->Modified());
}

void TForm1::KorvaneformaatnaarAscii1Click()
{
    korvane::KorvaneformaatnaarAscii1Click(*m_ctx, tablijnenOmgezet);
    ToonVeranderd(m_editor->Modified());
}

void TForm1::FullPageButtonClick()
{
    VulInstellingen();
    korvane::FullPageButtonClick(
        *m_ctx, KorvaneFont(), tablijnenOmgezet, [this] { return VraagOpslaan(); },
        [this] { NieuwDocument(); }, NaarKorvaneFont());
    NaOmzetting(KorvaneFont() && tablijnenOmgezet, false);
}

// --- Tuning list ------------------------------------------------------------------

void TForm1::PlusButtonClick()
{
    const std::u32string tekst = Tekens(ComboBox1->currentText());
    const int index = korvane::PlusButtonClick(stemmingLijst, tekst, prompter);
    if (index < 0)
        return;
    ToonStemmingLijst();
    emit StemmingToegevoegd(index, QTekst(tekst));
}

void TForm1::MinbuttonClick()
{
    const QString tekst = ComboBox1->currentText();
    // An entry is selected only while the box shows it unchanged.
    int gekozen = ComboBox1->currentIndex();
    if (gekozen >= 0 && ComboBox1->itemText(gekozen) != tekst)
        gekozen = -1;
    const int index = korvane::MinbuttonClick(stemmingLijst, Tekens(tekst), gekozen, prompter);
    if (index < 0)
        return;
    ToonStemmingLijst();
    emit StemmingVerwijderd(index);
    if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
    else
        ComboBox1->setEditText(QString());
}

void TForm1::savelistbuttonClick()
{
    if (!korvane::savelistbuttonClick(prompter))
        return;
    const std::string bytes = SchrijfSnaren(stemmingLijst);
    const QString pad = SnarenBestand();
    const QString fout = SchrijfBestand(pad, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!fout.isEmpty())
        prompter.Message(fout.toStdString());
}

} // namespace korvane
