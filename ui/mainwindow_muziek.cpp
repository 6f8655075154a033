// TForm1: the staff doctor's panel and commands, and the chord name at the
// caret. The work is in music/; these handlers read the editor through its
// adapter, write back through it and keep the panel current.
#include "ui/mainwindow.h"

#include "core/vertaling.h"
#include "music/akkoorden.h"
#include "music/doctor.h"
#include "music/editorbron.h"
#include "ui/editorwidget.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane {
namespace {

// What a list entry keeps of its finding, to find it again in a fresh check.
enum Rol { RolRegel = Qt::UserRole, RolKolom, RolKwaal };

// The caret at (regel, kolom), clamped to the text that is there.
void ZetCaret(QtEditor& editor, int regel, int kolom)
{
    if (editor.LineCount() == 0)
        return;
    regel = std::clamp(regel, 0, editor.LineCount() - 1);
    kolom = std::clamp(kolom, 0, static_cast<int>(editor.GetLine(regel).size()));
    editor.SetCaret(editor.LineStart(regel) + kolom);
}

} // namespace

void TForm1::ToonBevindingen()
{
    if (!Bevindingen) {
        Bevindingen = new QDockWidget(tr("Bevindingen"), this);
        Bevindingen->setObjectName(QStringLiteral("Bevindingen"));
        auto* inhoud = new QWidget(Bevindingen);
        auto* kolom = new QVBoxLayout(inhoud);
        kolom->setContentsMargins(2, 2, 2, 2);
        BevindingenLijst = new QListWidget(inhoud);
        BevindingenLijst->setObjectName(QStringLiteral("BevindingenLijst"));
        kolom->addWidget(BevindingenLijst);
        auto* knoppen = new QHBoxLayout;
        // The panel's buttons are the command table's own actions.
        for (const char* id : {"Herstellen1", "AllesHerstellen1"}) {
            auto* knop = new QToolButton(inhoud);
            knop->setDefaultAction(action(QString::fromLatin1(id)));
            knop->setToolButtonStyle(Qt::ToolButtonTextOnly);
            knoppen->addWidget(knop);
        }
        knoppen->addStretch();
        kolom->addLayout(knoppen);
        Bevindingen->setWidget(inhoud);
        addDockWidget(Qt::BottomDockWidgetArea, Bevindingen);
        auto gaNaar = [this](QListWidgetItem* item) {
            if (!item->data(RolRegel).isValid())
                return;
            ZetCaret(*m_editor, item->data(RolRegel).toInt(), item->data(RolKolom).toInt());
            m_editor->FocusEditor();
        };
        // A double click whatever the style makes of it, and Enter.
        connect(BevindingenLijst, &QListWidget::itemDoubleClicked, this, gaNaar);
        connect(BevindingenLijst, &QListWidget::itemActivated, this, gaNaar);
    }
    const Tekstregels tekst(*m_editor);
    const auto gevonden = Controleer(tekst.Regels());
    BevindingenLijst->clear();
    for (const Diagnose& d : gevonden) {
        auto* item = new QListWidgetItem(tr("Regel %1, kolom %2: %3")
                                             .arg(d.regel + 1)
                                             .arg(d.kolom + 1)
                                             .arg(QString::fromStdString(d.bericht)),
                                         BevindingenLijst);
        item->setData(RolRegel, d.regel);
        item->setData(RolKolom, d.kolom);
        item->setData(RolKwaal, static_cast<int>(d.kwaal));
        if (d.herstel.empty())
            item->setToolTip(tr("Niet automatisch te herstellen"));
    }
    if (gevonden.empty())
        new QListWidgetItem(tr("Geen fouten gevonden"), BevindingenLijst);
    else
        BevindingenLijst->setCurrentRow(0);
    Bevindingen->show();
}

void TForm1::TabControleren1Click()
{
    ToonBevindingen();
}

void TForm1::Herstellen1Click()
{
    QListWidgetItem* item = BevindingenLijst ? BevindingenLijst->currentItem() : nullptr;
    if (!item || !item->data(RolRegel).isValid()) {
        prompter.Beep(Sound::Exclamation);
        return;
    }
    const int regel = item->data(RolRegel).toInt();
    const int kolom = item->data(RolKolom).toInt();
    const int kwaal = item->data(RolKwaal).toInt();
    // The text may have changed since the list was made: the finding is
    // looked up again, and only a mend that still fits is written.
    const Tekstregels tekst(*m_editor);
    const auto gevonden = Controleer(tekst.Regels());
    const auto d = std::find_if(gevonden.begin(), gevonden.end(), [&](const Diagnose& x) {
        return x.regel == regel && x.kolom == kolom && static_cast<int>(x.kwaal) == kwaal;
    });
    if (d == gevonden.end() || d->herstel.empty()) {
        prompter.Beep(Sound::Exclamation);
        ToonBevindingen();
        return;
    }
    const Regelvervanging v = Samen(tekst.Regels(), std::span<const Diagnose>(&*d, 1));
    if (!SchrijfRegels(*m_editor, state.snapshot, v))
        prompter.Message(Vertaal("Melding", "Herstellen kan niet: een teken past niet in de tekenset van het document"));
    ZetCaret(*m_editor, regel, kolom);
    ToonBevindingen();
}

void TForm1::AllesHerstellen1Click()
{
    const int caret = m_editor->CaretOffset();
    const Tekstregels tekst(*m_editor);
    const Regelvervanging v = HerstelAlles(tekst.Regels());
    if (v.van == v.tot) {
        prompter.Beep(Sound::Exclamation);
    } else if (!SchrijfRegels(*m_editor, state.snapshot, v)) {
        prompter.Message(Vertaal("Melding", "Herstellen kan niet: een teken past niet in de tekenset van het document"));
    } else {
        const int regel = m_editor->LineFromOffset(std::min(caret, m_editor->TextLength()));
        ZetCaret(*m_editor, regel, caret - m_editor->LineStart(regel));
    }
    ToonBevindingen();
}

void TForm1::Akkoordnaam1Click()
{
    VulInstellingen();
    Stemming stemming;
    BerekenStemming(state.instellingen.stemming, stemming);
    // The staffs as they are now: the column commands' analysis may be
    // older than the last edit that kept the line count.
    TabAnalyse analyse;
    analyze(*m_editor, analyse);
    const Tekstregels tekst(*m_editor);
    const Muziekstuk stuk = LeesMuziek(tekst.Regels(), analyse, SnaarnamenVan(stemming));
    const int caret = m_editor->CaretOffset();
    const int regel = m_editor->LineFromOffset(caret);
    const int kolom = caret - m_editor->LineStart(regel);
    const Benoeming b = BenoemOpKolom(tekst.Regels(), stuk, regel, kolom);
    if (!b.fout.empty()) {
        prompter.Message(b.fout);
        return;
    }
    if (!SchrijfRegels(*m_editor, state.snapshot, b.vervanging)) {
        prompter.Message(Vertaal("Melding", "De akkoordnaam past niet in de tekenset van het document"));
        return;
    }
    const int erbij = static_cast<int>(b.vervanging.nieuw.size()) - (b.vervanging.tot - b.vervanging.van);
    ZetCaret(*m_editor, regel + erbij, kolom);
    if (b.keuzes.size() > 1) {
        QString anders;
        for (std::size_t i = 1; i < b.keuzes.size(); ++i)
            anders += (i > 1 ? QStringLiteral(", ") : QString()) + QString::fromStdU32String(b.keuzes[i].naam);
        statusBar()->showMessage(tr("Ook mogelijk: %1").arg(anders), 10000);
    }
}

} // namespace korvane
