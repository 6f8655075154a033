// Recognising staffs in plain text by counting characters: which lines are
// staff lines, which are count lines, and where each staff begins and ends.
#pragma once

#include "core/editor.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr std::u32string_view markeertekens = U"|.,+";

struct TTabbalk {
    std::int32_t eerste = 0;
    std::int32_t laatste = 0;
    std::int32_t aantal = 0;
};

struct TabAnalyse {
    // One entry per line plus a trailing false one.
    std::vector<char> tablijnen = std::vector<char>(1, 0);
    std::vector<char> markeerlijnen = std::vector<char>(1, 0);
    // Holds at least one entry more than aantalbalken.
    std::vector<TTabbalk> tabbalken = std::vector<TTabbalk>(1);
    std::int32_t aantalbalken = 0;
    bool analyseNodig = false;
    std::int32_t vorigAantalRegels = 0;
    // The text was replaced as a whole since the last analysis. The staff
    // jumps otherwise use whatever the last analysis left; staffs of another
    // file are of no use to them.
    bool nieuweTekst = false;

    // Index -1 and anything past the tables count as false, as consumers that
    // walk off either end of a staff expect.
    bool IsTabLijn(int line) const;
    bool IsMarkeerLijn(int line) const;
    // The staff holding `line`, or -1.
    int BalkVan(int line) const;
};

// The first pass on one line.
bool IsTabLijnTekst(std::u32string_view line);
struct Regelsoort {
    bool tab = false;
    bool markeer = false;
};
Regelsoort SoortVan(std::u32string_view line);

void analyze(const EditorOps& editor, TabAnalyse& analyse);
// The same of lines already read from the editor, all of them: a command that
// needs the characters anyway need not have the editor read twice.
void analyze(std::span<const std::u32string_view> regels, TabAnalyse& analyse);
// The same from the first pass's marks of every line, for a command that has
// just looked at each line itself.
void analyze(std::span<const Regelsoort> soorten, TabAnalyse& analyse);

// The rule of the change notification: only a change in the line count marks
// the analysis out of date. Constant time: it runs on every keystroke.
void RegelsVeranderd(const EditorOps& editor, TabAnalyse& analyse);

// Reruns the analysis when it is out of date; the first step of most commands.
void AnalyseerIndienNodig(const EditorOps& editor, TabAnalyse& analyse);

// Reruns it only when the text was replaced; the first step of the jumps.
void AnalyseerNaVervanging(const EditorOps& editor, TabAnalyse& analyse);

} // namespace korvane
