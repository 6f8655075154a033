// The state of one open document beside its text, in plain structs that carry
// the product's own names. The main window (or the command-line tool) owns one.
#pragma once

#include "core/analysis.h"
#include "core/dialogs.h"
#include "core/editor.h"
#include "core/tuning.h"

#include <string>
#include <vector>

namespace korvane {

// The one-step undo of column edits. While undomogelijk is true the command
// that made it kept the line count, so line undostart + k still matches
// undoregels[k].
struct LineSnapshot {
    std::vector<std::u32string> undoregels;
    int undostart = 0;
    int undoeind = 0;
    bool undomogelijk = false;
    // Lines a vertical paste appended after undoeind; Restore removes them
    // again, so undo gives back exactly the text before the paste.
    int toegevoegd = 0;
    // The line count the command left behind. Any other count means lines
    // have moved under the snapshot, and writing it back would land on the
    // wrong lines.
    int aantalRegels = 0;
};

// The vertical clipboard of block copy and paste.
struct BlokKlembord {
    std::vector<std::u32string> blokregels;
    int blokAantal = 0;
};

// The time signatures of the time-signature box, in its order.
inline constexpr int aantalMaatsoorten = 4;

// What the tool-bar controls hold when a staff command reads them.
struct TabInstellingen {
    std::u32string stemming = std::u32string(standaardStemming); // ComboBox1's text
    int tabbreedte = 80;                                   // SpinEdit2
    bool maatsoorten = false;                              // maatsoortbutton.Down
    int maatsoort = 1;                                     // Maatcombobox's entry, -1 for none
};

struct TabState {
    Stemming stemming;
    TabAnalyse analyse;
    LineSnapshot snapshot;
    BlokKlembord blok;
    TabInstellingen instellingen;
};

// What a command works on.
struct TabContext {
    EditorOps& editor;
    Dialogs& dialogs;
    TabState& state;
};

// The change notification's work on the state; every implementation of the
// editor calls it from its change handler.
inline void DocumentVeranderd(TabContext& ctx)
{
    RegelsVeranderd(ctx.editor, ctx.state.analyse);
    LineSnapshot& s = ctx.state.snapshot;
    if (s.undomogelijk && ctx.editor.LineCount() != s.aantalRegels)
        s.undomogelijk = false;
}

// The whole text was replaced (new, opened, loaded, generated): the snapshot
// holds lines of the old text, and the analysis describes it even when both
// texts have as many lines.
void DocumentVervangen(TabState& state);

// Restore: the widget's own undo first, else the line snapshot.
void Herstel(EditorOps& editor, LineSnapshot& snapshot);

// Takes a snapshot of lines first..last, read before any of them changes.
void NeemSnapshot(const EditorOps& editor, LineSnapshot& snapshot, int first, int last);

} // namespace korvane
