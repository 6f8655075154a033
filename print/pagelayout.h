// The layout of one printed page, drawn on any paint device: the printer for
// printing, the preview's page picture for the preview. A page is a header
// block of five header-font lines (three empty, the header line, one empty)
// and below it the body lines, each drawn as kantlijn + the line at x = 10.
#pragma once

#include "core/pages.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <string_view>

class QPainter;
class QPaintDevice;

namespace korvane {

inline constexpr int linkerMarge = 10;     // x of every text, device pixels
inline constexpr int kopregelBreedte = 85; // characters of the header line

// "Courier New", 9 points, bold.
QFont Kopfont();

// The body font: name, size in points, bold or not; nothing else carries
// over (black, no italic or underline).
QFont Bodyfont(const QString& naam, int grootte, bool vet);

// A document line as text to draw.
QString RegelTekst(std::u32string_view tekst);

// The file-name part of `bestandsnaam` without its extension (from the last
// "." on).
QString TitelVan(const QString& bestandsnaam);

// Title, filler and page text, 85 characters when there is room: the page
// text ends in column 85. Without room the page text follows the title.
QString Kopregel(const QString& titel, const QString& paginatekst);

// Where the body lines go. Afdruk, used by printing and by the preview that
// shows the printed page, stacks them directly under the five header-font
// lines; Voorbeeld puts body line k on row 5 + k of the body font's line
// height.
enum class Stapeling { Afdruk, Voorbeeld };

struct PaginaKop {
    QString titel;
    QString paginatekst;
    bool onderstreept = false;
};

class PaginaOpmaak {
public:
    // Fonts are measured on `device`, which must stay alive while drawing.
    PaginaOpmaak(QPaintDevice* device, const QFont& kopfont, const QFont& bodyfont,
                 Stapeling stapeling);

    // Draws the header block and the body rows, with the painter's origin at
    // the top-left of the page.
    void TekenPagina(QPainter& painter, const PaginaKop& kop, const QStringList& rijen) const;

    // Body rows only, from y = `y`, one body line height apart, each after
    // kantlijn; returns the y below the last row.
    int TekenRegels(QPainter& painter, int y, const QStringList& rijen) const;

    int KopRegelHoogte() const { return m_kopHoogte; }
    int BodyRegelHoogte() const { return m_bodyHoogte; }
    // y of the first body line.
    int BodyBegin() const;

private:
    QFont m_kopfont;
    QFont m_bodyfont;
    Stapeling m_stapeling;
    int m_kopHoogte;
    int m_kopAscent;
    int m_bodyHoogte;
    int m_bodyAscent;
    int m_kantlijnBreedte; // in the header font
};

} // namespace korvane
