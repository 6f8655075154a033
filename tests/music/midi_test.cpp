// MIDI files written for small staffs, read back with a reader of our own:
// the notes, their channels and times, the pitch wheel, tempo and meter.
#include "core/utf8.h"
#include "music/midi.h"

#include "core/memoryeditor.h"
#include "music/editorbron.h"
#include "common/gelezenstuk.h"

#include <gtest/gtest.h>

#include <map>

namespace korvane {
namespace {

struct Gebeurtenis {
    std::int64_t tik = 0;
    int spoor = 0;
    int status = 0;     // 0x80.. or 0xFF for meta
    int a = 0, b = 0;
    int meta = -1;
    std::string data;
};

struct Bestand {
    int formaat = -1, sporen = 0, deling = 0;
    std::vector<Gebeurtenis> gebeurtenissen;
    std::string fout;
};

// A reader for what the writer may produce: channel messages without running
// status and meta events.
Bestand LeesMidi(const std::string& b)
{
    Bestand uit;
    auto u8 = [&](std::size_t i) { return static_cast<int>(static_cast<unsigned char>(b.at(i))); };
    auto be = [&](std::size_t i, int n) {
        std::uint32_t v = 0;
        for (int k = 0; k < n; ++k)
            v = v << 8 | static_cast<std::uint32_t>(u8(i + static_cast<std::size_t>(k)));
        return v;
    };
    try {
        if (b.compare(0, 4, "MThd") != 0 || be(4, 4) != 6)
            return uit.fout = "geen MThd", uit;
        uit.formaat = static_cast<int>(be(8, 2));
        uit.sporen = static_cast<int>(be(10, 2));
        uit.deling = static_cast<int>(be(12, 2));
        std::size_t p = 14;
        for (int s = 0; s < uit.sporen; ++s) {
            if (b.compare(p, 4, "MTrk") != 0)
                return uit.fout = "geen MTrk", uit;
            const std::size_t eind = p + 8 + be(p + 4, 4);
            p += 8;
            std::int64_t tik = 0;
            bool klaar = false;
            while (p < eind) {
                std::uint64_t delta = 0;
                int c;
                do {
                    c = u8(p++);
                    delta = delta << 7 | static_cast<std::uint64_t>(c & 0x7F);
                } while (c & 0x80);
                tik += static_cast<std::int64_t>(delta);
                Gebeurtenis g;
                g.tik = tik;
                g.spoor = s;
                g.status = u8(p++);
                if (g.status == 0xFF) {
                    g.meta = u8(p++);
                    const int lengte = u8(p++);
                    g.data = b.substr(p, static_cast<std::size_t>(lengte));
                    p += static_cast<std::size_t>(lengte);
                    klaar = g.meta == 0x2F;
                } else if ((g.status & 0xF0) == 0xC0) {
                    g.a = u8(p++);
                } else if (g.status & 0x80) {
                    g.a = u8(p++);
                    g.b = u8(p++);
                } else {
                    return uit.fout = "running status", uit;
                }
                uit.gebeurtenissen.push_back(g);
            }
            if (p != eind || !klaar)
                return uit.fout = "spoor loopt niet goed af", uit;
        }
    } catch (const std::out_of_range&) {
        uit.fout = "te kort";
    }
    return uit;
}

Bestand Schrijf(const std::string& document, double tempo = 100)
{
    const test::GelezenStuk s(document, tempo);
    return LeesMidi(SchrijfMidi(s.stuk, s.tijden, "Proef"));
}

// Notes as c<channel>:<pitch>@<on>-<off>/<velocity>, in order of onset.
std::string Noten(const Bestand& f)
{
    std::map<std::pair<int, int>, std::size_t> open;
    struct N {
        std::int64_t aan, uit = -1;
        int kanaal, toon, snelheid;
    };
    std::vector<N> noten;
    for (const Gebeurtenis& g : f.gebeurtenissen) {
        const int soort = g.status & 0xF0, kanaal = g.status & 0x0F;
        if (soort == 0x90 && g.b > 0) {
            open[{kanaal, g.a}] = noten.size();
            noten.push_back({g.tik, -1, kanaal, g.a, g.b});
        } else if (soort == 0x80 || (soort == 0x90 && g.b == 0)) {
            auto it = open.find({kanaal, g.a});
            if (it != open.end()) {
                noten[it->second].uit = g.tik;
                open.erase(it);
            }
        }
    }
    std::string s;
    for (const N& n : noten)
        s += (s.empty() ? "" : " ") + ("c" + std::to_string(n.kanaal)) + ":" + std::to_string(n.toon) + "@" +
             std::to_string(n.aan) + "-" + std::to_string(n.uit) + "/" + std::to_string(n.snelheid);
    return s;
}

// Where the pitch wheel of a channel stands at a tick, in semitones.
double Wiel(const Bestand& f, int kanaal, std::int64_t tik)
{
    int w = 8192;
    for (const Gebeurtenis& g : f.gebeurtenissen)
        if (g.status == (0xE0 | kanaal) && g.tik <= tik)
            w = g.a | g.b << 7;
    return (w - 8192) * static_cast<double>(kBuigBereik) / 8192.0;
}

std::string Staf(const std::string& e, const std::string& B = "", const std::string& G = "", const std::string& D = "")
{
    std::string leeg = e.substr(1);
    for (char& c : leeg)
        if (c != '|')
            c = '-';
    auto regel = [&](const char* naam, const std::string& inhoud) {
        return std::string(naam) + (inhoud.empty() ? leeg : inhoud) + "\r\n";
    };
    return regel("e", e.substr(1)) + regel("B", B) + regel("G", G) + regel("D", D) + regel("A", "") + regel("E", "");
}

struct Rij {
    const char* naam;
    std::string document;
    std::string noten;
    // channel, tick, semitones the wheel stands at
    std::vector<std::tuple<int, std::int64_t, double>> wiel;
};

class Midi : public testing::TestWithParam<Rij> {};

TEST_P(Midi, ReadsBackWithTheNotesAndWheelOfTheTab)
{
    const Bestand f = Schrijf(GetParam().document);
    ASSERT_EQ(f.fout, "");
    EXPECT_EQ(f.formaat, 1);
    EXPECT_EQ(f.deling, kTikkenPerKwart);
    EXPECT_EQ(Noten(f), GetParam().noten);
    for (const auto& [kanaal, tik, halveTonen] : GetParam().wiel)
        EXPECT_NEAR(Wiel(f, kanaal, tik), halveTonen, 0.01) << "kanaal " << kanaal << " tik " << tik;
}

INSTANTIATE_TEST_SUITE_P(
    Staffs, Midi,
    testing::Values(
        // One channel a string, highest string first.
        Rij{"ChordOnChannelsPerString", Staf("e|-0-------------|", "|-1-------------|", "|-0-------------|"),
            "c0:64@0-1920/96 c1:60@0-1920/96 c2:55@0-1920/96", {}},
        Rij{"HammerOnAndPullOffWithoutNewAttack", Staf("e|-----------------|", "", "|-5h7p5-----------|"),
            "c2:60@0-1920/96", {{2, 0, 0}, {2, 240, 2}, {2, 480, 0}}},
        Rij{"BendAndReleaseGlide", Staf("e|-----------------|", "", "|-7b9r7-----------|"),
            "c2:62@0-1920/96", {{2, 0, 0}, {2, 120, 1}, {2, 240, 2}, {2, 480, 0}}},
        Rij{"SlideGlidesToTheNextFret", Staf("e|-----------------|", "", "", "|-5/12------------|"),
            "c3:55@0-1920/96", {{3, 0, 0}, {3, 120, 3.5}, {3, 240, 7}}},
        Rij{"SlideFartherThanTheWheelLandsAnew", Staf("e|-0/25-----------|"), "c0:64@0-240/96 c0:89@240-1920/64",
            {{0, 239, 24}, {0, 240, 0}}},
        Rij{"MutedGhostAndPalmMute", "   PM----\r\n" + Staf("e|-x--(5)--7-------|"),
            "c0:64@0-60/64 c0:69@480-720/48 c0:71@960-1920/96", {}},
        Rij{"NaturalHarmonicAtItsPitch", Staf("e|-<7>-----------|"), "c0:83@0-1920/96", {}},
        // The slide out waits for a next note on its string that never
        // comes, while the other strings play on.
        Rij{"SlideOutReleasedAfterOtherStringsPlayedOn",
            Staf("e|-----------|-0---------|-0---------|", "", "", "|-5/--------|-----------|-----------|"),
            "c3:55@0-1920/96 c0:64@1920-3840/96 c0:64@3840-5760/96", {{3, 1680, 0}, {3, 1920, 5}}},
        Rij{"VibratoMovesTheWheel", Staf("e|-7~-------------|"), "c0:71@0-1920/96", {{0, 0, 0}, {0, 540, 0.3}}}),
    [](const testing::TestParamInfo<Rij>& info) { return std::string(info.param.naam); });

TEST(MidiBestand, TempoMeterAndProgramsPerGroup)
{
    const std::string bas = "G|-------------|\r\nD|-------------|\r\nA|-------------|\r\nE|-0-----------|\r\n";
    const Bestand f = Schrijf("Tempo: 96\r\n3/4\r\n\r\n" + Staf("e|-0-----------|") + "\r\n" + bas);
    ASSERT_EQ(f.fout, "");
    EXPECT_EQ(f.sporen, 3); // conductor, guitar, bass
    std::string meta;
    std::map<int, int> programma;
    for (const Gebeurtenis& g : f.gebeurtenissen) {
        if (g.meta == 0x51)
            meta += "tempo " + std::to_string((static_cast<unsigned char>(g.data[0]) << 16) |
                                              (static_cast<unsigned char>(g.data[1]) << 8) |
                                              static_cast<unsigned char>(g.data[2])) + " ";
        if (g.meta == 0x58)
            meta += "maat " + std::to_string(g.data[0]) + "/" + std::to_string(1 << g.data[1]) + " ";
        if ((g.status & 0xF0) == 0xC0)
            programma[g.status & 0x0F] = g.a;
    }
    EXPECT_EQ(meta, "tempo 625000 maat 3/4 ");
    // Guitar strings on channels 0-5, bass strings on 6-8 and, past the
    // percussion channel, 10.
    EXPECT_EQ(programma.size(), 10u);
    EXPECT_EQ(programma.count(9), 0u);
    EXPECT_EQ(programma[0], 25);
    EXPECT_EQ(programma[5], 25);
    EXPECT_EQ(programma[6], 33);
    EXPECT_EQ(programma[10], 33);
    EXPECT_EQ(Noten(f), "c0:64@0-1440/96 c10:28@0-1440/96");
}

TEST(MidiBestand, RepeatsArePlayedAgain)
{
    const Bestand f = Schrijf(Staf("e|-0------|:-2------:|  x3"));
    EXPECT_EQ(Noten(f), "c0:64@0-1920/96 c0:66@1920-3840/96 c0:66@3840-5760/96 c0:66@5760-7680/96");
}

} // namespace
} // namespace korvane
