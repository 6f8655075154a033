// The musical model of a 60,000-line document against the tab analysis of the
// same document, measured in the same run. Prints the ratio; the target is at
// most 3x. The model reads from the analysis the editor already keeps, so its
// time is the model's own; the analysis plus the model is printed beside it.
#include "muziekdocument.h"
#include "timing.h"

#include "core/memoryeditor.h"
#include "music/editorbron.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korvane;
using korvane::bench::MedianMs;
using korvane::bench::MuziekDocument;

int main()
{
    const int regels = 60000;
    const std::string bytes = MuziekDocument(regels);
    MemoryEditor editor(std::u32string(bytes.begin(), bytes.end()));
    TabAnalyse analyse;
    Stemming stemming;
    BerekenStemming(U"EADGBE", stemming);
    Muziekstuk stuk;

    // Taking turns, so that a busy machine slows both alike; the ratio is
    // the median of the ratios of neighbouring runs, which a burst of load
    // on the shared cores disturbs least.
    std::vector<double> analyses, modellen, samen, verhoudingen;
    for (int i = 0; i < 21; ++i) {
        analyses.push_back(MedianMs(1, nullptr, [&] { analyze(editor, analyse); }));
        modellen.push_back(MedianMs(1, nullptr, [&] { stuk = LeesMuziek(editor, analyse, stemming); }));
        verhoudingen.push_back(modellen.back() / analyses.back());
        samen.push_back(MedianMs(1, nullptr, [&] {
            analyze(editor, analyse);
            stuk = LeesMuziek(editor, analyse, stemming);
        }));
    }
    auto mediaan = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double a = mediaan(analyses);
    const double m = mediaan(modellen);
    const double s = mediaan(samen);
    const double verhouding = mediaan(verhoudingen);
    const std::size_t noten = stuk.noten.size();
    std::printf("document: %d lines, %d staffs, %zu notes, %zu findings\n", regels, analyse.aantalbalken, noten,
                stuk.bevindingen.size());
    std::printf("tab analysis: %.2f ms\n", a);
    std::printf("musical model, editor bytes converted included: %.2f ms\n", m);
    std::printf("model / analysis: %.2fx (target <= 3x)\n", verhouding);
    std::printf("analysis and model together: %.2f ms (%.2fx the analysis)\n", s, s / a);
    const bool gelezen = analyse.aantalbalken > 0 && stuk.balken.size() == static_cast<std::size_t>(analyse.aantalbalken) &&
                         stuk.bevindingen.empty();
    std::printf("every staff read without findings: %s\n", gelezen ? "yes" : "NO");
    return gelezen && verhouding <= 3.0 ? 0 : 1;
}
