// Find and replace dialogs and their forward searches.
#include "ui/findreplace.h"

#include "core/editor.h"
#include "ui/qteditor.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

int ZoekVanaf(const EditorOps& editor, std::string_view wat, int start, bool hoofdletters)
{
    if (wat.empty())
        return -1;
    const std::string tekst = editor.Text();
    if (start < 0 || start > static_cast<int>(tekst.size()))
        return -1;
    if (hoofdletters) {
        const std::size_t f = tekst.find(wat, static_cast<std::size_t>(start));
        return f == std::string::npos ? -1 : static_cast<int>(f);
    }
    // Through the code page, so that accented letters match their other case
    // too; the mapping is one character per byte, so indexes are offsets.
    return static_cast<int>(BytesToQString(tekst).indexOf(BytesToQString(wat), start, Qt::CaseInsensitive));
}

bool ZoekVolgende(EditorOps& editor, std::string_view wat, bool hoofdletters)
{
    const int start = editor.SelectionLength() != 0 ? editor.CaretOffset() + editor.SelectionLength() : 0;
    const int f = ZoekVanaf(editor, wat, start, hoofdletters);
    if (f < 0)
        return false;
    editor.FocusEditor();
    editor.SetCaret(f);
    editor.SetSelectionLength(static_cast<int>(wat.size()));
    return true;
}

int Vervang(EditorOps& editor, std::string_view wat, std::string_view door, bool hoofdletters, bool alles)
{
    int aantal = 0;
    do {
        const int start = editor.SelectionLength() != 0 ? editor.CaretOffset() + editor.SelectionLength()
                                                        : editor.CaretOffset();
        const int f = ZoekVanaf(editor, wat, start, hoofdletters);
        if (f < 0)
            break;
        editor.FocusEditor();
        editor.SetCaret(f);
        editor.SetSelectionLength(static_cast<int>(wat.size()));
        editor.ReplaceSelection(door);
        ++aantal;
        // Each search starts after the text just inserted, so this ends even
        // when the replacement holds the text to find.
    } while (alles);
    return aantal;
}

namespace {

QPushButton* Knop(const QString& tekst, QWidget* parent)
{
    auto* b = new QPushButton(tekst, parent);
    b->setAutoDefault(false);
    b->setEnabled(false);
    return b;
}

} // namespace

ZoekDialoog::ZoekDialoog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Zoeken"));
    setModal(false);
    m_zoek = new QLineEdit(this);
    m_hoofdletters = new QCheckBox(QStringLiteral("&Hoofdlettergevoelig"), this);
    m_volgende = Knop(QStringLiteral("&Volgende zoeken"), this);
    m_volgende->setDefault(true);
    auto* sluiten = new QPushButton(QStringLiteral("Annuleren"), this);
    sluiten->setAutoDefault(false);

    auto* links = new QVBoxLayout;
    auto* rij = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Zoeken naar:"), this);
    label->setBuddy(m_zoek);
    rij->addWidget(label);
    rij->addWidget(m_zoek);
    links->addLayout(rij);
    links->addWidget(m_hoofdletters);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(m_volgende);
    rechts->addWidget(sluiten);
    rechts->addStretch();
    auto* alles = new QHBoxLayout(this);
    alles->addLayout(links);
    alles->addLayout(rechts);

    connect(m_zoek, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_volgende->setEnabled(!t.isEmpty()); });
    connect(m_volgende, &QPushButton::clicked, this, &ZoekDialoog::VolgendeZoeken);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::hide);
}

QString ZoekDialoog::zoektekst() const { return m_zoek->text(); }
bool ZoekDialoog::hoofdletters() const { return m_hoofdletters->isChecked(); }

VervangDialoog::VervangDialoog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(QStringLiteral("Vervangen"));
    setModal(false);
    m_zoek = new QLineEdit(this);
    m_door = new QLineEdit(this);
    m_hoofdletters = new QCheckBox(QStringLiteral("&Hoofdlettergevoelig"), this);
    m_volgende = Knop(QStringLiteral("&Volgende zoeken"), this);
    m_volgende->setDefault(true);
    m_vervang = Knop(QStringLiteral("&Vervangen"), this);
    m_alles = Knop(QStringLiteral("&Alles vervangen"), this);
    auto* sluiten = new QPushButton(QStringLiteral("Annuleren"), this);
    sluiten->setAutoDefault(false);

    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("&Zoeken naar:"), m_zoek);
    velden->addRow(QStringLiteral("Vervangen &door:"), m_door);
    auto* links = new QVBoxLayout;
    links->addLayout(velden);
    links->addWidget(m_hoofdletters);
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

} // namespace korvane
