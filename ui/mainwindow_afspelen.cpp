// "Tab afspelen": the staffs read as music (as the export reads them), played
// from the caret or the selection through the sound output, with the column
// under the sound lit in the editor. The timing and the sound are in music/
// and audio/; here the controls, the highlight and the caret.
#include "ui/mainwindow.h"

#include "files/tekens.h"
#include "files/usersettings.h"
#include "music/editorbron.h"
#include "music/midi.h"
#include "ui/editorwidget.h"
#include "ui/qteditor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// The guitars of General MIDI that the window offers.
struct Gitaar {
    const char* naam;
    int programma;
};
const Gitaar gitaren[] = {
    {QT_TRANSLATE_NOOP("Korvane", "Nylonsnarige gitaar"), 24},
    {QT_TRANSLATE_NOOP("Korvane", "Staalsnarige gitaar"), 25},
    {QT_TRANSLATE_NOOP("Korvane", "Elektrische gitaar, clean"), 27},
    {QT_TRANSLATE_NOOP("Korvane", "Gitaar met overdrive"), 29},
    {QT_TRANSLATE_NOOP("Korvane", "Vervormde gitaar"), 30},
};

const QString kInstrumentSleutel = QStringLiteral("afspelen/gitaar");

} // namespace

void TForm1::BouwAfspelen()
{
    Tempovak = new QSpinBox(this);
    Tempovak->setObjectName(QStringLiteral("Tempovak"));
    Tempovak->setRange(40, 240);
    Tempovak->setValue(100);
    Tempovak->setSuffix(QStringLiteral(" BPM"));
    Tempovak->setToolTip(tr("Tempo van Tab afspelen"));
    Tempovak->setStatusTip(tr("Tempo van Tab afspelen, in tellen per minuut"));
    connect(Tempovak, &QSpinBox::valueChanged, this, [this] {
        if (m_tempoZetten)
            return;
        // From now on the box, not the text, gives the tempo.
        m_tempoGekozen = true;
        if (m_afspeler)
            m_afspeler->ZetOpties(SpeelOpties());
    });

    Instrumentkeuze = new QComboBox(this);
    Instrumentkeuze->setObjectName(QStringLiteral("Instrumentkeuze"));
    Instrumentkeuze->setToolTip(tr("Gitaarklank van afspelen en exporteren"));
    Instrumentkeuze->setStatusTip(tr("Gitaarklank van afspelen en exporteren; basstemmingen klinken als bas"));
    for (const Gitaar& g : gitaren)
        Instrumentkeuze->addItem(QCoreApplication::translate("Korvane", g.naam), g.programma);
    const int bewaard = GebruikersInstellingen()->value(kInstrumentSleutel, 25).toInt();
    Instrumentkeuze->setCurrentIndex(std::max(0, Instrumentkeuze->findData(bewaard)));
    connect(Instrumentkeuze, &QComboBox::activated, this, [this] {
        GebruikersInstellingen()->setValue(kInstrumentSleutel, GekozenGitaar());
    });
}

int TForm1::GekozenGitaar() const
{
    return Instrumentkeuze ? Instrumentkeuze->currentData().toInt() : 25;
}

bool TForm1::SpeeltTab() const { return m_afspeler && m_afspeler->Speelt(); }

TabAfspeler::Opties TForm1::SpeelOpties() const
{
    TabAfspeler::Opties o;
    o.bpm = Tempovak->value();
    const auto aan = [this](const char* id) {
        const QAction* a = action(QString::fromLatin1(id));
        return a && a->isChecked();
    };
    o.herhalen = aan("Herhalen1");
    o.aftellen = aan("Aftellen1");
    o.oefenen = aan("Langzameroefenen1");
    return o;
}

void TForm1::TabAfspelen1Click()
{
    if (SpeeltTab()) {
        StopTab();
        return;
    }
    SetChecked("TabAfspelen", false);
    analyze(editor(), state.analyse);
    Stemming huidige;
    BerekenStemming(Tekens(ComboBox1->currentText()), huidige);
    EditorRegels regels(editor());
    const Muziekstuk stuk = LeesMuziek(regels, state.analyse, SnaarnamenVan(huidige));
    const auto melding = [this](const QString& tekst) {
        prompter.Beep(Sound::Exclamation);
        prompter.Message(tekst.toStdString());
    };
    if (stuk.noten.empty()) {
        melding(tr("Er staan geen noten in een tabbalk: er is niets af te spelen"));
        return;
    }
    const Tijdlijn tijden = BerekenTijden(stuk, regels, {100, GekozenGitaar()});

    const auto plek = [this](int offset) {
        const int regel = editor().LineFromOffset(offset);
        return Tekstplek{regel, offset - editor().LineStart(regel)};
    };
    const int caret = editor().CaretOffset();
    const int selectie = editor().SelectionLength();
    const Tekstplek begin = plek(caret);
    const Tekstplek eind = plek(caret + selectie);
    Afspeelplan plan = MaakAfspeelplan(stuk, tijden, begin, selectie > 0 ? &eind : nullptr);
    if (plan.groep < 0) {
        melding(tr("In de selectie staan geen noten om af te spelen"));
        return;
    }
    std::vector<Tempowissel> tempi = Tempokaart(tijden);
    if (!m_tempoGekozen) {
        // The box shows the written tempo where playing starts.
        double bpm = tempi.front().bpm;
        for (const Tempowissel& t : tempi)
            if (t.tik <= plan.van)
                bpm = t.bpm;
        m_tempoZetten = true;
        Tempovak->setValue(static_cast<int>(std::lround(bpm)));
        m_tempoZetten = false;
    }

    m_speelbalken.clear();
    for (const Muziekbalk& b : stuk.balken)
        m_speelbalken.push_back(b.bron);
    if (!geluidsuitgang)
        geluidsuitgang = std::make_shared<QtGeluidsuitgang>();
    m_afspeler = std::make_unique<TabAfspeler>(*geluidsuitgang);
    m_afspeler->bijPunt = [this](int punt) { ToonSpeelpunt(punt); };
    m_afspeler->bijEinde = [this] { StopTab(); };
    m_afspeler->bijFout = [this, melding](const QString& fout) {
        StopTab();
        melding(fout);
    };
    const QString fout =
        m_afspeler->Start(SchrijfMidi(stuk, tijden, "Tab"), std::move(tempi), std::move(plan), SpeelOpties());
    if (!fout.isEmpty()) {
        m_afspeler.reset();
        melding(fout);
        return;
    }
    SetChecked("TabAfspelen", true);
}

void TForm1::StopTab()
{
    if (!m_afspeler)
        return;
    const Afspeelplan& plan = m_afspeler->Plan();
    const int punt = m_afspeler->Punt();
    m_afspeler->Stop();
    ToonSpeelpunt(-1);
    SetChecked("TabAfspelen", false);
    // Stopped in the count-in, the caret goes where playing would begin.
    const int i = std::max(punt, 0);
    if (static_cast<std::size_t>(i) < plan.punten.size()) {
        const Speelpunt& p = plan.punten[static_cast<std::size_t>(i)];
        const int regel = m_speelbalken[static_cast<std::size_t>(p.balk)].eerste;
        // The text may have changed while it played.
        if (regel < editor().LineCount())
            editor().SetCaret(editor().LineStart(regel) +
                              std::min(p.kolom, static_cast<int>(editor().GetLine(regel).size())));
    }
    m_editor->FocusEditor();
}

void TForm1::ToonSpeelpunt(int punt)
{
    QList<QTextEdit::ExtraSelection> lichten;
    if (punt >= 0 && m_afspeler) {
        const Speelpunt& p = m_afspeler->Plan().punten[static_cast<std::size_t>(punt)];
        const TTabbalk& balk = m_speelbalken[static_cast<std::size_t>(p.balk)];
        QTextCharFormat kleur;
        kleur.setBackground(QColor(255, 196, 64));
        QTextDocument* doc = Editor->document();
        for (int r = balk.eerste; r <= balk.laatste; ++r) {
            const QTextBlock blok = doc->findBlockByNumber(r);
            if (!blok.isValid() || p.kolom >= blok.length() - 1)
                continue;
            QTextEdit::ExtraSelection licht;
            licht.format = kleur;
            licht.cursor = QTextCursor(blok);
            licht.cursor.setPosition(blok.position() + p.kolom);
            licht.cursor.setPosition(blok.position() + std::min(p.kolom + p.breedte, blok.length() - 1),
                                     QTextCursor::KeepAnchor);
            lichten.append(licht);
        }
        // The staff that sounds stays in view, its column too.
        if (!lichten.isEmpty()) {
            const QRect boven = Editor->cursorRect(lichten.front().cursor);
            const QRect onder = Editor->cursorRect(lichten.back().cursor);
            const QRect zicht = Editor->viewport()->rect();
            if (boven.top() < 0 || onder.bottom() > zicht.height())
                Editor->verticalScrollBar()->setValue(lichten.front().cursor.block().firstLineNumber());
            if (boven.left() < 0 || boven.right() > zicht.width())
                Editor->horizontalScrollBar()->setValue(Editor->horizontalScrollBar()->value() + boven.left()
                                                        - zicht.width() / 3);
        }
    }
    Editor->setExtraSelections(lichten);
}

void TForm1::SpeelkeuzeClick()
{
    // A running player takes loop and practice at its next round; the
    // count-in is for the next start.
    if (m_afspeler)
        m_afspeler->ZetOpties(SpeelOpties());
}

} // namespace korvane
