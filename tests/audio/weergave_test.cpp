// The sound of a staff whose first bar is empty, rendered from the file's
// start or later, at another tempo, with a count-in, looped: the first
// sound and the second round come where the ticks and the tempo put them.
#include "audio/klankbank.h"
#include "audio/weergave.h"

#include "core/memoryeditor.h"
#include "core/utf8.h"
#include "music/editorbron.h"
#include "common/gelezenstuk.h"
#include "music/midi.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvane {
namespace {

struct Bestand {
    std::string midi;
    std::vector<Tempowissel> tempi;
};

// 4/4 at 100 BPM: a bar lasts 2.4 seconds.
Bestand Maak()
{
    const std::string e = "|---------|-0-2-3-5-|\r\n";
    const test::GelezenStuk s("e" + e + "B" + e + "G" + e + "D" + e + "A" + e + "E" + e);
    return {SchrijfMidi(s.stuk, s.tijden, "Proef"), Tempokaart(s.tijden)};
}

// Seconds to the first sample louder than a whisper, -1 for none.
double EersteKlank(const std::vector<std::int16_t>& stereo)
{
    for (std::size_t i = 0; i < stereo.size(); ++i)
        if (std::abs(stereo[i]) > 300)
            return static_cast<double>(i / 2) / kMonsterfrequentie;
    return -1;
}

struct Geval {
    const char* naam;
    std::int64_t van;
    double factor;
    int tellen;         // clicks of 0.6 seconds before
    double klank;       // seconds to the first sound
};

class Weergave : public testing::TestWithParam<Geval> {};

TEST_P(Weergave, TheFirstSoundComesWhereTicksAndTempoPutIt)
{
    if (FindSoundFont().empty())
        GTEST_SKIP() << "geen General MIDI-klankbank geinstalleerd (timgm6mb-soundfont)";
    const Bestand b = Maak();
    Weergever w;
    ASSERT_EQ(w.Open(b.midi, b.tempi), "");
    if (GetParam().tellen)
        w.Aftellen(GetParam().tellen, 0.6);
    w.Ronde(GetParam().van, 2 * 1920, GetParam().factor);
    std::vector<std::int16_t> stereo(2 * 6 * kMonsterfrequentie);
    stereo.resize(2 * w.Lees(stereo));
    EXPECT_NEAR(EersteKlank(stereo), GetParam().klank, 0.03);
    // The file's ticks at the frames they sound at.
    const std::int64_t ronde = w.Stukken().back().beginFrame;
    EXPECT_NEAR(w.TikOp(ronde + kMonsterfrequentie * 3 / 10), GetParam().van + 240 * GetParam().factor, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Staf, Weergave,
    testing::Values(Geval{"FromTheStartTheEmptyBarIsSilent", 0, 1, 0, 2.4},
                    Geval{"FromTheSecondBarAtOnce", 1920, 1, 0, 0},
                    Geval{"TwiceAsFastHalfTheWait", 0, 2, 0, 1.2},
                    Geval{"TheCountInClicksInTheSilence", 0, 1, 4, 0}),
    [](const testing::TestParamInfo<Geval>& info) { return std::string(info.param.naam); });

TEST(Weergave, ALoopStartsItsSecondRoundAfterTheFirstAndEndsWithTheQueue)
{
    if (FindSoundFont().empty())
        GTEST_SKIP() << "geen General MIDI-klankbank geinstalleerd (timgm6mb-soundfont)";
    const Bestand b = Maak();
    Weergever w;
    ASSERT_EQ(w.Open(b.midi, b.tempi), "");
    // Asked for whenever the queue is empty, the first time too.
    int rondes = 0;
    w.bijEinde = [&rondes](Weergever& x) {
        if (++rondes <= 2)
            x.Ronde(1920 - 240, 1920 + 240);
    };
    // Two rounds of a quarter note at 100 BPM, 0.6 seconds each: an eighth
    // of the empty bar, then the first note.
    const std::int64_t kwart = kMonsterfrequentie * 6 / 10;
    std::vector<std::int16_t> stereo(2 * 4 * kMonsterfrequentie);
    const std::size_t frames = w.Lees(stereo);
    EXPECT_EQ(frames, static_cast<std::size_t>(2 * kwart));
    ASSERT_EQ(w.Stukken().size(), 2u);
    EXPECT_EQ(w.Stukken()[1].beginFrame, kwart);
    // The second round starts again in the silence, the first round's
    // note cut off (what a cut leaves dies within a few hundredths).
    const std::int64_t tiende = kMonsterfrequentie / 10;
    const std::vector<std::int16_t> tweede(stereo.begin() + 2 * (kwart + tiende), stereo.begin() + 4 * kwart);
    EXPECT_NEAR(EersteKlank(tweede), 0.2, 0.03);
}

TEST(Weergave, WithoutASoundFontItSaysSo)
{
    Weergever w;
    EXPECT_EQ(w.Open("", {}, "/geen/klankbank.sf2"), "De klankbank /geen/klankbank.sf2 kan niet worden gelezen");
    ::setenv("KORVANE_SOUNDFONT", "/geen/klankbank.sf2", 1);
    EXPECT_EQ(w.Open("", {}), GeenKlankbankMelding());
    ::unsetenv("KORVANE_SOUNDFONT");
}

} // namespace
} // namespace korvane
