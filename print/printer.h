// The program's one printer: the QPrinter that the print dialog, the printer
// set-up, printing and the preview all share, and its drawing font, which
// keeps the last font it was given between commands (the editor's base font
// after a font command, the body font after printing).
#pragma once

#include <QFont>

#include <memory>

class QPrinter;

namespace korvane {

class Drukker {
public:
    Drukker();
    ~Drukker();
    Drukker(const Drukker&) = delete;
    Drukker& operator=(const Drukker&) = delete;

    QPrinter& printer() { return *m_printer; }
    const QPrinter& printer() const { return *m_printer; }

    // The printable area in device pixels and the horizontal resolution.
    int PaginaBreedte() const;
    int PaginaHoogte() const;
    int Dpi() const;

    // Height in device pixels of a text in `font` on the printer: the font's
    // full line height, the same for every text.
    int RegelHoogte(const QFont& font) const;

    // Lines per page measured in `font`: page height div height of "^_",
    // minus ten, at least one line.
    int RegelsPerPagina(const QFont& font) const;

    // The font commands' Recalc: the drawing font becomes a copy of the
    // editor's base font; returns regelsPerPagina measured in it.
    int Recalc(const QFont& basisfont);

    QFont tekenfont;

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace korvane
