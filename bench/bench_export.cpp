// MIDI and MusicXML export of a 60,000-line document against one tab
// analysis plus one musical model of it, measured in the same run. The
// export is timed whole, as the command line runs it: analysis, model,
// timing and writing the bytes. Prints the ratios; the target is at most 3x.
#include "muziekdocument.h"
#include "timing.h"

#include "core/memoryeditor.h"
#include "core/utf8.h"
#include "music/editorbron.h"
#include "music/midi.h"
#include "music/musicxml.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korvane;
using korvane::bench::MedianMs;
using korvane::bench::MuziekDocument;

namespace {

std::string Exporteer(const MemoryEditor& editor, const Stemming& stemming, bool midi)
{
    TabAnalyse analyse;
    analyze(editor, analyse);
    // The lines a stretch at a time, for the model and the timing alike.
    EditorRegels regels(editor);
    const Muziekstuk stuk = LeesMuziek(regels, analyse, SnaarnamenVan(stemming));
    const Tijdlijn tijden = BerekenTijden(stuk, regels, {});
    return midi ? SchrijfMidi(stuk, tijden, "bench") : SchrijfMusicXml(stuk, tijden, "bench");
}

} // namespace

int main()
{
    const int regels = 60000;
    MemoryEditor editor(VanUtf8(MuziekDocument(regels)));
    Stemming stemming;
    BerekenStemming(U"EADGBE", stemming);
    TabAnalyse analyse;
    Muziekstuk stuk;
    std::string midi, xml;

    // Taking turns, so that a busy machine slows all alike; each ratio is
    // the median of the ratios of neighbouring runs.
    std::vector<double> basis, midiTijden, xmlTijden, midiVerh, xmlVerh;
    for (int i = 0; i < 21; ++i) {
        basis.push_back(MedianMs(1, nullptr, [&] {
            analyze(editor, analyse);
            stuk = LeesMuziek(editor, analyse, stemming);
        }));
        midiTijden.push_back(MedianMs(1, nullptr, [&] { midi = Exporteer(editor, stemming, true); }));
        xmlTijden.push_back(MedianMs(1, nullptr, [&] { xml = Exporteer(editor, stemming, false); }));
        midiVerh.push_back(midiTijden.back() / basis.back());
        xmlVerh.push_back(xmlTijden.back() / basis.back());
    }
    auto mediaan = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double m = mediaan(midiVerh), x = mediaan(xmlVerh);
    std::printf("document: %d lines, %zu staffs, %zu notes\n", regels, stuk.balken.size(), stuk.noten.size());
    std::printf("tab analysis plus model: %.2f ms\n", mediaan(basis));
    std::printf("MIDI export: %.2f ms, %zu bytes, %.2fx (target <= 3x)\n", mediaan(midiTijden), midi.size(), m);
    std::printf("MusicXML export: %.2f ms, %zu bytes, %.2fx (target <= 3x)\n", mediaan(xmlTijden), xml.size(), x);
    return m <= 3.0 && x <= 3.0 && !midi.empty() && !xml.empty() ? 0 : 1;
}
