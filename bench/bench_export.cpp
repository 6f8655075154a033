// MIDI and MusicXML export of a 60,000-line document against one tab
// analysis plus one musical model of it, measured in the same run. The
// export is timed whole, as the command line runs it: analysis, model,
// timing and writing the bytes. Prints the ratios; the target is at most 3x.
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

namespace {

// Staffs as they come in collections: chord names, a count line, techniques,
// repeats and a repeat count, lyrics in between.
std::string MuziekDocument(int lines)
{
    static const char* const block[] = {
        "Capo 2",
        "  C                 G                 Am                F",
        "   |   |   |   |     |   |   |   |     |   |   |   |     |   |   |   |  ",
        "e||*-------------|-----0-----------|-----------------|-----5h7p5----*||  x2",
        "B||*----1--------|---------1-------|-----3-----------|---(6)--------*||",
        "G||-------2------|-------2---------|---------2-------|-----7b9r7-----||",
        "D||-----2--------|-----------2-----|-----0-----------|---<12>--------||",
        "A||---3----------|---0-------------|-----------------|-----x-x-------||",
        "E||--------------|-----------------|---3=======------|-----0/5\\3-----||",
        "Over de heuvels gaat de weg, en ik zing een lied voor jou",
        "",
    };
    std::string out;
    for (int i = 0; i < lines; ++i) {
        out += block[i % 11];
        out += "\r\n";
    }
    return out;
}

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
    for (int i = 0; i < 11; ++i) {
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
