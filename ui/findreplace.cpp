// Find and replace dialogs and their forward searches.
#include "ui/findreplace.h"

#include "core/editor.h"
#include "core/tabstate.h"
#include "ui/qteditor.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

std::u32string Gevouwen(std::u32string_view tekst)
{
    std::u32string uit(tekst);
    for (char32_t& c : uit)
        c = QChar::toCaseFolded(c);
    return uit;
}

// The searches over one text: case-insensitive ones on case-folded copies,
// so that accented letters match their other case too; folding maps one
// character onto one, so indexes stay offsets.
class Zoeker {
public:
    Zoeker(std::u32string_view tekst, std::u32string_view wat, bool hoofdletters)
        : m_tekst(tekst), m_wat(wat), m_hoofdletters(hoofdletters)
    {
        if (!hoofdletters) {
            m_gevouwen = Gevouwen(tekst);
            m_gevouwenWat = Gevouwen(wat);
        }
    }

    // The first occurrence at or after `vanaf`, or -1.
    int Volgende(int vanaf) const
    {
        if (m_wat.empty() || vanaf < 0 || vanaf > static_cast<int>(m_tekst.size()))
            return -1;
        for (int f = Vind(vanaf); f >= 0; f = Vind(f + 1)) {
            // Half a line break cannot be selected or replaced.
            if (!InBreuk(f) && !InBreuk(f + static_cast<int>(m_wat.size())))
                return f;
        }
        return -1;
    }

private:
    int Vind(int vanaf) const
    {
        const std::u32string_view tekst = m_hoofdletters ? m_tekst : std::u32string_view(m_gevouwen);
        const std::u32string_view wat = m_hoofdletters ? m_wat : std::u32string_view(m_gevouwenWat);
        const std::size_t f = tekst.find(wat, static_cast<std::size_t>(vanaf));
        return f == std::u32string_view::npos ? -1 : static_cast<int>(f);
    }
    bool InBreuk(int pos) const
    {
        return pos > 0 && pos < static_cast<int>(m_tekst.size()) && m_tekst[pos - 1] == '\r' &&
               m_tekst[pos] == '\n';
    }

    std::u32string_view m_tekst;
    std::u32string_view m_wat;
    bool m_hoofdletters;
    std::u32string m_gevouwen;
    std::u32string m_gevouwenWat;
};

// A line break typed or pasted into a field in any form stands for the
// document's line break.
std::u32string MetCrLf(std::u32string_view tekst)
{
    std::u32string uit;
    uit.reserve(tekst.size());
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\r' || tekst[i] == '\n') {
            if (tekst[i] == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n')
                ++i;
            uit += crlf;
        } else {
            uit += tekst[i];
        }
    }
    return uit;
}

// The snapshot was taken of lines undostart..undoeind before the change; the
// text after the last replacement now ends on line `nieuwLaatste`. Lines the
// replacement added are taken out again by the restore; lines it joined go
// back, with their breaks, into the last line that still exists.
void PasSnapshotAan(LineSnapshot& s, int nieuwLaatste)
{
    if (nieuwLaatste > s.undoeind) {
        s.toegevoegd = nieuwLaatste - s.undoeind;
        return;
    }
    if (nieuwLaatste == s.undoeind)
        return;
    const std::size_t blijft = static_cast<std::size_t>(nieuwLaatste - s.undostart);
    std::u32string samen = s.undoregels[blijft];
    for (std::size_t k = blijft + 1; k < s.undoregels.size(); ++k) {
        samen += crlf;
        samen += s.undoregels[k];
    }
    s.undoregels.resize(blijft + 1);
    s.undoregels.back() = std::move(samen);
    s.undoeind = nieuwLaatste;
}

} // namespace

int ZoekVanaf(const EditorOps& editor, std::u32string_view wat, int start, bool hoofdletters)
{
    const std::u32string tekst = editor.Text();
    return Zoeker(tekst, MetCrLf(wat), hoofdletters).Volgende(start);
}

std::vector<int> ZoekAlle(std::u32string_view tekst, std::u32string_view watIn, int start, bool hoofdletters)
{
    std::vector<int> gevonden;
    const std::u32string wat = MetCrLf(watIn);
    const Zoeker zoeker(tekst, wat, hoofdletters);
    for (int f = zoeker.Volgende(start); f >= 0; f = zoeker.Volgende(f + static_cast<int>(wat.size())))
        gevonden.push_back(f);
    return gevonden;
}

bool ZoekVolgende(EditorOps& editor, std::u32string_view watIn, bool hoofdletters)
{
    const std::u32string wat = MetCrLf(watIn);
    const int start = editor.SelectionLength() != 0 ? editor.CaretOffset() + editor.SelectionLength() : 0;
    const int f = ZoekVanaf(editor, wat, start, hoofdletters);
    if (f < 0)
        return false;
    editor.FocusEditor();
    editor.SetCaret(f);
    editor.SetSelectionLength(static_cast<int>(wat.size()));
    return true;
}

int Vervang(EditorOps& editor, LineSnapshot& snapshot, std::u32string_view watIn, std::u32string_view doorIn,
            bool hoofdletters, bool alles)
{
    const std::u32string wat = MetCrLf(watIn);
    const std::u32string door = MetCrLf(doorIn);
    const int start = editor.SelectionLength() != 0 ? editor.CaretOffset() + editor.SelectionLength()
                                                    : editor.CaretOffset();
    // All occurrences are found in the text as it is, in one pass: each
    // search goes on after the previous occurrence, which is where it would
    // go on after the replacement in the changed text. So this ends even when
    // the replacement holds the text to find, and never searches the text it
    // inserted.
    std::vector<int> gevonden;
    if (alles) {
        gevonden = ZoekAlle(editor.Text(), wat, start, hoofdletters);
    } else if (const int f = ZoekVanaf(editor, wat, start, hoofdletters); f >= 0) {
        gevonden.push_back(f);
    }
    if (gevonden.empty())
        return 0;

    const int lengte = static_cast<int>(wat.size());
    // The snapshot is built aside and installed after the edit: the change
    // notification at the unlock drops a snapshot whose line count no longer
    // matches, and a replacement may add or join lines.
    LineSnapshot nieuw;
    NeemSnapshot(editor, nieuw, editor.LineFromOffset(gevonden.front()),
                 editor.LineFromOffset(gevonden.back() + lengte));
    editor.FocusEditor();
    // One edit block, painted once at the end.
    editor.LockPainting();
    editor.ReplaceEach(gevonden, lengte, door);
    const int na = editor.CaretOffset();
    editor.UnlockPainting();
    // Scrolled into view, now that painting is on again.
    editor.SetCaret(na);
    editor.SetSelectionLength(0);
    editor.ClearUndo();
    PasSnapshotAan(nieuw, editor.LineFromOffset(na));
    nieuw.aantalRegels = editor.LineCount();
    snapshot = std::move(nieuw);
    return static_cast<int>(gevonden.size());
}

QString NietGevondenTekst(const QString& zoektekst)
{
    return QCoreApplication::translate("Zoeken", "\"%1\" niet gevonden").arg(zoektekst);
}

namespace {

QPushButton* Knop(const QString& tekst, QWidget* parent)
{
    auto* b = new QPushButton(tekst, parent);
    b->setAutoDefault(false);
    b->setEnabled(false);
    return b;
}

// The line that says a search found nothing: no box, so the focus stays where
// the user is typing.
QLabel* Melding(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("melding"));
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

ZoekDialoog::ZoekDialoog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QCoreApplication::translate("Zoeken", "Zoeken"));
    setModal(false);
    m_zoek = new QLineEdit(this);
    m_hoofdletters = new QCheckBox(QCoreApplication::translate("Zoeken", "&Hoofdlettergevoelig"), this);
    m_volgende = Knop(QCoreApplication::translate("Zoeken", "&Volgende zoeken"), this);
    m_volgende->setDefault(true);
    auto* sluiten = new QPushButton(QCoreApplication::translate("Zoeken", "Annuleren"), this);
    sluiten->setAutoDefault(false);

    auto* links = new QVBoxLayout;
    auto* rij = new QHBoxLayout;
    auto* label = new QLabel(QCoreApplication::translate("Zoeken", "&Zoeken naar:"), this);
    label->setBuddy(m_zoek);
    rij->addWidget(label);
    rij->addWidget(m_zoek);
    links->addLayout(rij);
    links->addWidget(m_hoofdletters);
    m_melding = Melding(this);
    links->addWidget(m_melding);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(m_volgende);
    rechts->addWidget(sluiten);
    rechts->addStretch();
    auto* alles = new QHBoxLayout(this);
    alles->addLayout(links);
    alles->addLayout(rechts);

    connect(m_zoek, &QLineEdit::textChanged, this, [this](const QString& t) {
        m_volgende->setEnabled(!t.isEmpty());
        m_melding->clear();
    });
    connect(m_volgende, &QPushButton::clicked, this, &ZoekDialoog::VolgendeZoeken);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::hide);
}

QString ZoekDialoog::zoektekst() const { return m_zoek->text(); }
bool ZoekDialoog::hoofdletters() const { return m_hoofdletters->isChecked(); }

void ZoekDialoog::ZoekResultaat(bool gevonden)
{
    m_melding->setText(gevonden ? QString() : NietGevondenTekst(zoektekst()));
}

VervangDialoog::VervangDialoog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(QCoreApplication::translate("Zoeken", "Vervangen"));
    setModal(false);
    m_zoek = new QLineEdit(this);
    m_door = new QLineEdit(this);
    m_hoofdletters = new QCheckBox(QCoreApplication::translate("Zoeken", "&Hoofdlettergevoelig"), this);
    m_volgende = Knop(QCoreApplication::translate("Zoeken", "&Volgende zoeken"), this);
    m_volgende->setDefault(true);
    m_vervang = Knop(QCoreApplication::translate("Zoeken", "&Vervangen"), this);
    m_alles = Knop(QCoreApplication::translate("Zoeken", "&Alles vervangen"), this);
    auto* sluiten = new QPushButton(QCoreApplication::translate("Zoeken", "Annuleren"), this);
    sluiten->setAutoDefault(false);

    auto* velden = new QFormLayout;
    velden->addRow(QCoreApplication::translate("Zoeken", "&Zoeken naar:"), m_zoek);
    velden->addRow(QCoreApplication::translate("Zoeken", "Vervangen &door:"), m_door);
    auto* links = new QVBoxLayout;
    links->addLayout(velden);
    links->addWidget(m_hoofdletters);
    m_melding = Melding(this);
    links->addWidget(m_melding);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(m_volgende);
    rechts->addWidget(m_vervang);
    rechts->addWidget(m_alles);
    rechts->addWidget(sluiten);
    rechts->addStretch();
    auto* alles = new QHBoxLayout(this);
    alles->addLayout(links);
    alles->addLayout(rechts);

    connect(m_zoek, &QLineEdit::textChanged, this, [this](const QString& t) {
        for (QPushButton* b : {m_volgende, m_vervang, m_alles})
            b->setEnabled(!t.isEmpty());
        m_melding->clear();
    });
    connect(m_vervang, &QPushButton::clicked, this, [this] { emit Vervang(false); });
    connect(m_alles, &QPushButton::clicked, this, [this] { emit Vervang(true); });
    // Find next has no handler of its own: it finds the next occurrence the
    // way find does, with this dialog's text and case choice.
    connect(m_volgende, &QPushButton::clicked, this, [this] { emit VolgendeZoeken(); });
    connect(sluiten, &QPushButton::clicked, this, &QDialog::hide);
}

QString VervangDialoog::zoektekst() const { return m_zoek->text(); }
QString VervangDialoog::vervangtekst() const { return m_door->text(); }
bool VervangDialoog::hoofdletters() const { return m_hoofdletters->isChecked(); }

void VervangDialoog::ZoekResultaat(bool gevonden)
{
    m_melding->setText(gevonden ? QString() : NietGevondenTekst(zoektekst()));
}

} // namespace korvane
