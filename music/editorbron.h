// The editor's lines and the tuning box's labels for the musical model: the
// same characters, so columns agree with the editor's, copied into buffers
// the model can keep views into.
#pragma once

#include "core/analysis.h"
#include "core/editor.h"
#include "core/tabstate.h"
#include "core/tuning.h"
#include "music/doctor.h"
#include "music/tabmodel.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The lines of a document as characters, in one buffer.
class Tekstregels {
public:
    explicit Tekstregels(const EditorOps& editor);
    std::span<const std::u32string_view> Regels() const { return m_regels; }

private:
    std::unique_ptr<char32_t[]> m_tekens;
    std::vector<std::u32string_view> m_regels;
};

// The editor's lines converted a stretch at a time, as the model asks for
// them, into one small buffer that is reused. The in-memory editor already
// holds its lines as characters: those are read where they are, uncopied.
class EditorRegels : public Regelbron {
public:
    explicit EditorRegels(const EditorOps& editor);
    int Aantal() const override { return m_aantal; }
    void Bereid(int van, int tot) override;
    // Empty for a line outside the prepared stretch.
    std::u32string_view Regel(int i) const override;

private:
    const EditorOps& m_editor;
    // The in-memory editor's own lines, or null.
    const std::vector<std::u32string>* m_eigen = nullptr;
    int m_aantal;
    int m_van = 0;
    // Grown by hand so that nothing is written twice.
    std::unique_ptr<char32_t[]> m_tekens;
    std::size_t m_capaciteit = 0;
    std::vector<std::size_t> m_begin; // per line of the stretch, and its end
};

// The tuning box's labels, lowest string first.
std::vector<std::u32string> SnaarnamenVan(const Stemming& stemming);


// Replaces lines [van, tot] by `regels` (as many or more) in one edit, so
// that a rewrite of the whole document costs about one setting of its text.
void SchrijfRegels(EditorOps& editor, int van, int tot, std::span<const std::u32string> regels);

// The musical model of the editor's document; `analyse` must be fresh.
Muziekstuk LeesMuziek(const EditorOps& editor, const TabAnalyse& analyse, const Stemming& huidige);

// Lines [v.van, v.tot) of the editor become v.nieuw, as one step that the
// line snapshot takes back, also when lines were added. False, with nothing
// written, when the replacement would take lines away.
bool SchrijfRegels(EditorOps& editor, LineSnapshot& snapshot, const Regelvervanging& v);

} // namespace korvane
