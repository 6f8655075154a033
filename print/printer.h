// The program's printer as printing and the preview see it: the one QPrinter
// that the print dialog, the printer set-up, printing and the preview share,
// and its drawing font, which keeps the last font it was given between
// commands (the editor's base font after a font command, the body font after
// printing). Drukker is a view over both; the main window owns them.
#pragma once

#include <QFont>

#include <memory>

class QPrinter;

namespace korvane {

class Drukker {
public:
    Drukker(QPrinter& printer, QFont& tekenfont) : m_printer(&printer), m_tekenfont(&tekenfont) {}

    QPrinter& printer() const { return *m_printer; }
    QFont& tekenfont() const { return *m_tekenfont; }

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
    int Recalc(const QFont& basisfont) const;

private:
    QPrinter* m_printer;
    QFont* m_tekenfont;
};

// A printer of its own with its drawing font, for a caller without a main
// window (the tests and the benchmark). Without an installed printer Qt falls
// back to its PDF printer with the default paper, so there is always a page
// to measure.
class EigenDrukker {
public:
    EigenDrukker();
    ~EigenDrukker();
    EigenDrukker(const EigenDrukker&) = delete;
    EigenDrukker& operator=(const EigenDrukker&) = delete;
    operator Drukker&() { return m_drukker; }

private:
    std::unique_ptr<QPrinter> m_printer;
    QFont m_tekenfont;
    Drukker m_drukker;
};

} // namespace korvane
