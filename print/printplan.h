// The print layout measured on the printer: the body font shrunk, when asked,
// until the widest line fits the paper (not below 6 points), the characters
// per row and rows per page that follow from it, and the pages of the
// toolkit-free layout (core/printlayout.h). Printing, the preview, the status
// bar and the command line's PDF export all draw or count from one plan.
#pragma once

#include "core/printlayout.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QPaintDevice;

namespace korvane {

class EditorOps;

// The smallest size the body font is shrunk to; wider lines are broken.
inline constexpr int kleinsteAfdrukGrootte = 6;

enum class AfdrukSoort {
    Document, // pages under the header block, the extra last page kept
    Selectie, // pages under a margin of four body lines, no header
};

struct AfdrukPlan {
    QFont body;                // the body font at the size it is drawn in
    int tekensPerRegel = 1;    // characters after kantlijn that fit a row
    int regelsPerPagina = 1;   // body rows a page holds
    int eerste = 0;            // source line of regels[0]
    std::vector<std::u32string> regels;
    AfdrukIndeling indeling;

    int AantalPaginas() const { return indeling.AantalPaginas(); }
    // The text of a row, without kantlijn.
    QString Rij(const UitvoerRegel& rij) const;
    // The rows of 0-based page `pagina`; none past the last page.
    QStringList Rijen(int pagina) const;
};

// Source lines eerste..laatste of the editor, as bytes.
std::vector<std::u32string> LeesBronRegels(const EditorOps& editor, int eerste, int laatste);

// The plan for `regels` on `apparaat` (the printer) with a printable area of
// breedte x hoogte device pixels. `gewenst` is the body font as set;
// `regelsPerPagina` the page arithmetic's lines per page (document form),
// never exceeded, and lowered when the body rows would not fit the paper.
AfdrukPlan MaakAfdrukPlan(QPaintDevice* apparaat, int breedte, int hoogte, const QFont& gewenst,
                          int regelsPerPagina, std::vector<std::u32string> regels, int eerste,
                          IndelingOpties opties, AfdrukSoort soort);

// The two switches of the print layout, kept in the per-user settings; both
// on when never set.
IndelingOpties LeesIndelingOpties();
void BewaarIndelingOpties(IndelingOpties opties);

} // namespace korvane
