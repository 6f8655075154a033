// How a document's lines fall on printed pages once a page is known to hold
// so many characters per line and so many lines: which piece of which line
// goes on which row of which page. Printing, the preview, the status bar and
// the command line all take their pages from here, so they cannot disagree.
#pragma once

#include <string>
#include <vector>

namespace korvane {

// One printed row: columns van..tot-1 of source line `bron`, after the
// source's own columns 0..label-1 (a string label repeated in front of the
// rest of a staff that did not fit beside it) and `inspring` spaces.
struct UitvoerRegel {
    int bron = 0;
    int label = 0;
    int inspring = 0;
    int van = 0;
    int tot = 0;

    std::u32string Tekst(const std::u32string& regel) const;
    bool operator==(const UitvoerRegel&) const = default;
};

using AfdrukPagina = std::vector<UitvoerRegel>;

struct IndelingOpties {
    // Lines wider than a page row are broken: a staff at its last bar line
    // that fits, continuing below with its labels repeated; other text at a
    // space. Off: every line is one row, as wide as it is.
    bool passend = true;
    // A staff with the lines that belong to it above (count, chord-name and
    // timing lines) starts on a new page rather than be split, unless it
    // is taller than a page.
    bool balkenHeel = true;
};

struct AfdrukIndeling {
    std::vector<AfdrukPagina> paginas;

    int AantalPaginas() const { return static_cast<int>(paginas.size()); }
    // The 1-based page on which source line `bron` begins; a line that is on
    // no page counts to the page before the next line that is, or the last.
    int PaginaVanRegel(int bron) const;
};

// The rows and pages for `regels`, which are source lines eerste,
// eerste + 1, ... The document form (`extraPagina`) keeps the rule of the
// page arithmetic that a last page filled to the brim is followed by one
// holding only its header, and that an empty document has one page.
// tekensPerRegel and regelsPerPagina count at least 1.
AfdrukIndeling DeelIn(const std::vector<std::u32string>& regels, int eerste, int tekensPerRegel,
                      int regelsPerPagina, IndelingOpties opties, bool extraPagina);

// The widest of `regels`, in characters.
int LangsteRegel(const std::vector<std::u32string>& regels);

} // namespace korvane
