// Find and replace: the two modeless dialogs of the main window and the
// searches they run over the editor operations. Both search forward from a
// start point to the end of the text and never wrap around.
#pragma once

#include <QDialog>

#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane {

class EditorOps;
struct LineSnapshot;

// The offset of the first occurrence of `wat` at or after `start`, or -1.
// A line break in `wat`, in whatever form it was pasted, is the document's
// line break; an occurrence that would begin or end between the two
// characters of a line break is none.
int ZoekVanaf(const EditorOps& editor, std::u32string_view wat, int start, bool hoofdletters);

// The occurrences of `wat` in `tekst` from `start` on, each search going on
// after the previous occurrence, so they never overlap; one pass.
std::vector<int> ZoekAlle(std::u32string_view tekst, std::u32string_view wat, int start, bool hoofdletters);

// Find next: from just after a selection, or from the top when nothing is
// selected; the match is selected. Returns whether one was found.
bool ZoekVolgende(EditorOps& editor, std::u32string_view wat, bool hoofdletters);

// Replace: from just after a selection, or from the caret; the found text is
// replaced and the caret stands after the replacement. With `alles` it goes
// on until nothing more is found. The lines it changes go into `snapshot`, so
// one undo takes back the whole replacement. Returns the number replaced.
int Vervang(EditorOps& editor, LineSnapshot& snapshot, std::u32string_view wat, std::u32string_view door,
            bool hoofdletters, bool alles);

// The line under the fields of both dialogs that says a search found nothing.
QString NietGevondenTekst(const QString& zoektekst);

// FindDialog1: the text to find, match case, find next.
class ZoekDialoog : public QDialog {
    Q_OBJECT
public:
    explicit ZoekDialoog(QWidget* parent);
    QString zoektekst() const;
    bool hoofdletters() const;
    QLineEdit* zoekveld() const { return m_zoek; }
    QCheckBox* hoofdletterVak() const { return m_hoofdletters; }
    QPushButton* volgendeKnop() const { return m_volgende; }
    QLabel* melding() const { return m_melding; }
    // After a search: names the text that was not found, or clears the line.
    void ZoekResultaat(bool gevonden);

signals:
    void VolgendeZoeken();

private:
    QLineEdit* m_zoek;
    QCheckBox* m_hoofdletters;
    QPushButton* m_volgende;
    QLabel* m_melding;
};

// ReplaceDialog1: adds the replacement text, replace and replace all.
class VervangDialoog : public QDialog {
    Q_OBJECT
public:
    explicit VervangDialoog(QWidget* parent);
    QString zoektekst() const;
    QString vervangtekst() const;
    bool hoofdletters() const;
    QLineEdit* zoekveld() const { return m_zoek; }
    QLineEdit* vervangveld() const { return m_door; }
    QCheckBox* hoofdletterVak() const { return m_hoofdletters; }
    QPushButton* vervangKnop() const { return m_vervang; }
    QPushButton* allesKnop() const { return m_alles; }
    QPushButton* volgendeKnop() const { return m_volgende; }
    QLabel* melding() const { return m_melding; }
    void ZoekResultaat(bool gevonden);

signals:
    // `alles`: replace all was pressed.
    void Vervang(bool alles);
    void VolgendeZoeken();

private:
    QLineEdit* m_zoek;
    QLineEdit* m_door;
    QCheckBox* m_hoofdletters;
    QPushButton* m_volgende;
    QPushButton* m_vervang;
    QPushButton* m_alles;
    QLabel* m_melding;
};

} // namespace korvane
