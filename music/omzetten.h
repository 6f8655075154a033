// Transposing, retuning and the capo as commands on the editor's document,
// for the window and the command-line tool. Kept apart from the model's
// header, whose names would clash with the column commands' kinds in a file
// that uses both.
#pragma once

#include "core/tabstate.h"

#include <string>
#include <vector>

namespace korvane {

// A note or staff left as it was, with a Dutch reason (UTF-8).
struct Gebleven {
    int regel = 0;
    int kolom = 0;
    std::string bericht;
};

// Which staffs a command works on.
enum class Bereikkeuze { Selectie, Tabbalk, Document };

// The three commands on the editor: each one edit of the changed lines and
// one undo step. They return what could not be changed (line, column and a
// Dutch message); `geenBalk` is set when the range holds no staff at all.
struct Uitkomst {
    bool geenBalk = false;
    bool veranderd = false;
    std::vector<Gebleven> gebleven;
};
Uitkomst Transponeer(TabContext& ctx, Bereikkeuze keuze, int halvetonen);
// `stemming`: the tuning text as the tuning list holds it ("DADGBE").
Uitkomst WijzigStemming(TabContext& ctx, Bereikkeuze keuze, const std::u32string& stemming);
Uitkomst ZetCapo(TabContext& ctx, int capo);

// What the user is told after a command, UTF-8; empty when all went well.
std::string Meldtekst(const Uitkomst& uitkomst);

} // namespace korvane
