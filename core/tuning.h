// Tunings: a text such as "EADGBE" turned into string labels, and the list of
// known tunings kept in "snaren.txt".
#pragma once

#include "core/dialogs.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr std::u32string_view standaardStemming = U"EADGBE";

struct Stemming {
    // Index 0 is the first label of the text: the lowest string.
    std::array<std::u32string, 21> snaarnamen;
    int aantalsnaren = 0;
    bool kruisofmol = false;
};

// An empty text gives no labels at all.
void BerekenStemming(std::u32string_view tekst, Stemming& stemming);

// The entries of the tuning box, kept sorted without regard to case; entries
// themselves compare exactly.
class StemmingLijst {
public:
    const std::vector<std::u32string>& Items() const { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }
    // Inserts at the sorted place and returns that index.
    int Add(std::u32string item);
    void Delete(int index);
    void Clear() { m_items.clear(); }

private:
    std::vector<std::u32string> m_items;
};

// "snaren.txt": lines end at CR LF, lone CR or lone LF, reading stops at NUL.
// Windows-1252, unless the file is UTF-8 throughout.
std::vector<std::u32string> LeesSnaren(std::string_view bytes);
// Every entry followed by CR LF; Windows-1252 as long as it holds every
// character, else UTF-8, so no tuning is lost and older files stay readable.
std::string SchrijfSnaren(const StemmingLijst& lijst);
// The tunings a first start offers, before any "snaren.txt" was saved.
inline constexpr std::u32string_view gangbareStemmingen[] = {U"EADGBE", U"DADGBE", U"DADGAD", U"DGDGBD",
                                                             U"EbAbDbGbBbEb", U"BEADGBE", U"EADG", U"BEADG"};

// The list at start-up: the file's entries, or without one the common tunings.
void VulStemmingLijst(StemmingLijst& lijst, const std::vector<std::u32string>* bestand);

// The three tuning buttons. They return the index the change touched in the
// list (for the wizard's copy) or -1, and show their messages through dialogs.
int PlusButtonClick(StemmingLijst& lijst, const std::u32string& tekst, Dialogs& dialogs);
// Returns the deleted index, or -1 when nothing was deleted.
int MinbuttonClick(StemmingLijst& lijst, const std::u32string& tekst, int geselecteerd, Dialogs& dialogs);
// True when the user chose to save; the caller writes the file.
bool savelistbuttonClick(Dialogs& dialogs);

} // namespace korvane
