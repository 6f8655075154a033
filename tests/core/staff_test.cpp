// The empty staff.
#include "core/memoryeditor.h"
#include "core/staff.h"

#include "contract/recordingdialogs.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct StaffFixture : ::testing::Test {
    MemoryEditor ed;
    test::RecordingDialogs dialogs;
    TabState state;
    TabContext ctx{ed, dialogs, state};

    StaffFixture()
    {
        ed.SetChangeHandler([this] { DocumentVeranderd(ctx); });
    }
    std::vector<std::u32string> Lines() const
    {
        std::vector<std::u32string> out;
        for (int i = 0; i < ed.LineCount(); ++i)
            out.push_back(ed.GetLine(i));
        return out;
    }
};

// Staff lines of `breedte` columns for `labels`, top string first, each with
// its line break.
std::u32string Balk(const std::u32string& labels, int breedte)
{
    std::u32string out;
    for (const char32_t label : labels)
        out += label + (U"|" + std::u32string(breedte - 3, '-') + U"|\r\n");
    return out;
}

// Text and caret before; tuning and width (0: the default); the text after.
struct StaffCase {
    const char* naam;
    std::u32string tekst;
    int caret;
    std::u32string stemming;
    int breedte;
    std::u32string verwacht;
};

class NewStaff : public StaffFixture, public ::testing::WithParamInterface<StaffCase> {};

// The staff goes in above the whole caret line, after a blank line, and is
// analysed at once; the caret stands after it.
TEST_P(NewStaff, GoesAboveTheCaretLineAfterABlankLine)
{
    const StaffCase& g = GetParam();
    ed.SetText(g.tekst);
    ed.SetCaret(g.caret);
    state.instellingen.stemming = g.stemming;
    if (g.breedte)
        state.instellingen.tabbreedte = g.breedte;
    inserttab(ctx);
    EXPECT_EQ(ed.Text(), g.verwacht);
    const int na = static_cast<int>(g.verwacht.rfind(U"|\r\n")) + 3;
    EXPECT_EQ(std::pair(ed.CaretOffset(), ed.SelectionLength()), std::pair(na, 0));
    // Analysed at once: as a fresh analysis of the text finds it.
    TabAnalyse vers;
    analyze(ed, vers);
    EXPECT_FALSE(state.analyse.analyseNodig);
    ASSERT_EQ(state.analyse.aantalbalken, vers.aantalbalken);
    if (vers.aantalbalken > 0)
        EXPECT_EQ(state.analyse.tabbalken[0].eerste, vers.tabbalken[0].eerste);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, NewStaff,
    ::testing::Values(StaffCase{"LeegDocument", U"", 0, U"EADGBE", 20, U"\r\n" + Balk(U"EBGDAE", 20)},
                      StaffCase{"RegelNietGesplitst", U"first\r\nlast line", 11, U"EADGBE", 20,
                                U"first\r\n\r\n" + Balk(U"EBGDAE", 20) + U"last line"},
                      StaffCase{"LaatsteRegelZonderEinde", U"a\r\nb", 4, U"EA", 0, U"a\r\n\r\n" + Balk(U"AE", 80) + U"b"},
                      // At most twenty strings; no width below three columns.
                      StaffCase{"SmalEnLang", U"", 0, std::u32string(25, 'E'), 3,
                                U"\r\n" + Balk(std::u32string(20, 'E'), 3)}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(StaffFixture, SharpsPadLabelsAndTheCountLine)
{
    state.instellingen.stemming = U"DADF#AD";
    state.instellingen.maatsoorten = true;
    state.instellingen.maatsoort = 0;
    inserttab(ctx);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 8u);
    std::u32string count = U" ";
    std::u32string body;
    for (int i = 0; i < 5; ++i) {
        count += U"   |   |   |  ";
        body += U"-------------|";
    }
    EXPECT_EQ(lines[1], count);
    EXPECT_EQ(lines[2], U"D |" + body);
    EXPECT_EQ(lines[4], U"F#|" + body);
    EXPECT_EQ(lines[7], U"D |" + body);
    EXPECT_TRUE(state.analyse.IsMarkeerLijn(1));
}

struct TimeCase {
    int maatsoort;
    std::size_t countLength;
    std::size_t staffLength;
};

class TimeSignatures : public StaffFixture, public ::testing::WithParamInterface<TimeCase> {};

TEST_P(TimeSignatures, RepeatThePiecesOfTheChosenSignature)
{
    state.instellingen.maatsoorten = true;
    state.instellingen.maatsoort = GetParam().maatsoort;
    inserttab(ctx);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1].size(), GetParam().countLength);
    EXPECT_EQ(lines[2].size(), GetParam().staffLength);
    EXPECT_EQ(lines[2].back(), '|');
}

INSTANTIATE_TEST_SUITE_P(Entries, TimeSignatures,
                         ::testing::Values(TimeCase{0, 70, 72}, TimeCase{1, 72, 74}, TimeCase{2, 70, 72},
                                           TimeCase{3, 78, 80}, TimeCase{-1, 0, 2}));

TEST_F(StaffFixture, EmptyTuningIsRefusedWithoutChange)
{
    ed.SetText(U"keep");
    state.instellingen.stemming.clear();
    inserttab(ctx);
    EXPECT_EQ(ed.Text(), U"keep");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Geen stemming geselecteerd"});
    EXPECT_EQ(dialogs.Count(Sound::Exclamation), 1);
}

} // namespace
} // namespace korvane
