// The one place that knows the editor still holds Windows-1252 bytes: it
// turns the editor's lines and the tuning box's labels into characters for
// the musical model, one byte one character, so columns agree with the
// editor's. When the editor holds characters itself this shrinks to a view.
#pragma once

#include "core/analysis.h"
#include "core/editor.h"
#include "core/tuning.h"
#include "music/tabmodel.h"

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
    std::u32string m_tekens;
    std::vector<std::u32string_view> m_regels;
};

// The tuning box's labels, lowest string first.
std::vector<std::u32string> SnaarnamenVan(const Stemming& stemming);

// The musical model of the editor's document; `analyse` must be fresh.
Muziekstuk LeesMuziek(const EditorOps& editor, const TabAnalyse& analyse, const Stemming& huidige);

} // namespace korvane
