// What "Tab afspelen" plays for a caret or a selection in a staff with a
// repeat: the columns in playing order with their ticks, and the stretch.
#include "audio/afspeelplan.h"

#include "core/memoryeditor.h"
#include "core/utf8.h"
#include "music/editorbron.h"
#include "common/gelezenstuk.h"

#include <gtest/gtest.h>

#include <optional>

namespace korvane {
namespace {

// Notes in columns 3, 13 (repeated) and 23; a bar is 1920 ticks.
const std::string kTop = "e|-0------|:-2------:|-5------|";

struct Geval {
    const char* naam;
    Tekstplek begin;
    std::optional<Tekstplek> eind;
    std::string punten;     // column@tick in playing order
    std::int64_t van, tot;
};

class Plan : public testing::TestWithParam<Geval> {};

TEST_P(Plan, PlaysTheColumnsTheTextPlaceGives)
{
    std::string rest = kTop.substr(1);
    for (char& c : rest)
        if (c != '|' && c != ':')
            c = '-';
    std::string doc = "Titel\r\n" + kTop + "\r\n";
    for (const char* s : {"B", "G", "D", "A", "E"})
        doc += s + rest + "\r\n";
    const test::GelezenStuk s(doc);
    const Geval& g = GetParam();
    const Afspeelplan plan = MaakAfspeelplan(s.stuk, s.tijden, g.begin, g.eind ? &*g.eind : nullptr);
    std::string punten;
    for (const Speelpunt& p : plan.punten)
        punten += (punten.empty() ? "" : " ") + std::to_string(p.kolom) + "@" + std::to_string(p.tik);
    EXPECT_EQ(punten, g.punten);
    EXPECT_EQ(plan.van, g.van);
    EXPECT_EQ(plan.tot, g.tot);
    EXPECT_EQ(PuntOp(plan, static_cast<double>(g.van) - 1), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Staf, Plan,
    testing::Values(
        Geval{"AboveTheStaffFromItsFirstNote", {0, 0}, {}, "3@0 13@1920 13@3840 23@5760", 0, 7680},
        Geval{"InTheRepeatItSoundsTwice", {1, 13}, {}, "13@1920 13@3840 23@5760", 1920, 7680},
        Geval{"AfterTheRepeatOnlyWhatFollows", {3, 21}, {}, "23@5760", 5760, 7680},
        Geval{"PastTheLastNoteFromTheStart", {1, 25}, {}, "3@0 13@1920 13@3840 23@5760", 0, 7680},
        Geval{"ASelectionInARepeatAsItIsPlayed", {1, 11}, Tekstplek{6, 19}, "13@1920 13@3840", 1920, 5760},
        Geval{"ASelectionEndsBeforeItsEndColumn", {0, 0}, Tekstplek{1, 13}, "3@0", 0, 1920},
        Geval{"ASelectionPastTheStaffTakesItsRest", {1, 14}, Tekstplek{8, 0}, "23@5760", 5760, 7680},
        Geval{"ASelectionWithoutNotesPlaysNothing", {1, 4}, Tekstplek{1, 8}, "", 0, 0}),
    [](const testing::TestParamInfo<Geval>& info) { return std::string(info.param.naam); });

} // namespace
} // namespace korvane
