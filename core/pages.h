// The page arithmetic that printing, the print preview and the status bar
// share: lines per page, page count, the page of a line and the page text.
// Pure integer arithmetic, so every caller divides by the same safe divisor.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Put before every printed line.
inline constexpr std::string_view kantlijn = "         ";

// Lines below the measured page height that the header block and the bottom
// margin take away.
inline constexpr int kopRegels = 10;

// The fewest lines a page holds. A font taller than a page, or a printer that
// reports no page height, would otherwise give zero or negative lines per page
// and a division by zero in the page count; with one line per page every line
// still gets printed (cut off by the paper if it does not fit).
inline constexpr int minRegelsPerPagina = 1;

// (page height) div (height of "^_") - 10, never below minRegelsPerPagina.
// A line height of 0 or less (no font metrics) gives the minimum as well.
int BerekenRegelsPerPagina(int paginaHoogte, int regelHoogte);

// LineCount div regelsPerPagina + 1: not a ceiling, so an empty document has
// one page and a document of exactly n pages of lines gets an extra one.
// A regelsPerPagina below the minimum counts as the minimum.
int AantalPaginas(int regelCount, int regelsPerPagina);

// Page numbers are in effect when wanted and there is more than one page.
inline bool Paginanummering(bool paginanummers, int aantalPaginas)
{
    return paginanummers && aantalPaginas > 1;
}

// The 1-based page that holds line `regel` (0-based).
int PaginaVanRegel(int regel, int regelsPerPagina);

// The lines of 0-based page `pagina`; empty (laatste < eerste) for a page past
// the end, such as the extra last page.
struct RegelBereik {
    int eerste = 0;
    int laatste = -1;
    bool Leeg() const { return laatste < eerste; }
};
RegelBereik RegelsVanPagina(int pagina, int regelsPerPagina, int regelCount);

// "Pagina %3d van %3d".
std::string PaginaTekst(int pagina, int aantalPaginas);

// The page state the main window keeps beside the document.
struct PaginaStand {
    int regelsPerPagina = minRegelsPerPagina;
    int aantalPaginas = 1;
    bool paginanummering = false;
};

// The menu's page-numbering switch: flips the numbering in effect and makes
// the setting follow it; returns the new check mark.
bool WisselPaginanummering(PaginaStand& stand, bool& paginanummers);

} // namespace korvane
