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

TEST_F(StaffFixture, EmptyDocumentGetsBlankLineThenStaffAndCaretAtEnd)
{
    state.instellingen.tabbreedte = 20;
    inserttab(ctx);
    const std::u32string dashes(17, '-');
    EXPECT_EQ(Lines(), (std::vector<std::u32string>{U"", U"E|" + dashes + U"|", U"B|" + dashes + U"|",
                                                 U"G|" + dashes + U"|", U"D|" + dashes + U"|",
                                                 U"A|" + dashes + U"|", U"E|" + dashes + U"|"}));
    EXPECT_EQ(ed.CaretOffset(), ed.TextLength());
    EXPECT_EQ(ed.Text().substr(ed.Text().size() - 2), U"\r\n");
    EXPECT_EQ(state.analyse.aantalbalken, 1);
    EXPECT_FALSE(state.analyse.analyseNodig);
}

TEST_F(StaffFixture, InsertsAboveTheWholeCaretLineWithoutSplittingIt)
{
    ed.SetText(U"first\r\nlast line");
    ed.SetCaret(ed.LineStart(1) + 4);
    state.instellingen.tabbreedte = 20;
    inserttab(ctx);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], U"first");
    EXPECT_EQ(lines[1], U"");
    EXPECT_EQ(lines[8], U"last line");
    EXPECT_EQ(ed.CaretOffset(), ed.LineStart(8));
    EXPECT_EQ(ed.SelectionLength(), 0);
    EXPECT_EQ(state.analyse.tabbalken[0].eerste, 2);
}

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

TEST_F(StaffFixture, NarrowWidthsAndLongTunings)
{
    state.instellingen.tabbreedte = 3;
    state.instellingen.stemming = std::u32string(25, 'E');
    inserttab(ctx);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[1], U"E||");
}

TEST_F(StaffFixture, EmptyTuningIsRefusedWithoutChange)
{
    ed.SetText(U"keep");
    state.instellingen.stemming.clear();
    inserttab(ctx);
    EXPECT_EQ(ed.Text(), U"keep");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Geen stemming geselecteerd"});
    EXPECT_EQ(dialogs.Count(Sound::Exclamation), 1);
}

TEST_F(StaffFixture, CaretOnALastLineWithoutBreakKeepsItLast)
{
    ed.SetText(U"a\r\nb");
    ed.SetCaret(4);
    state.instellingen.stemming = U"EA";
    inserttab(ctx);
    EXPECT_EQ(ed.Text(), U"a\r\n\r\nA|" + std::u32string(77, '-') + U"|\r\nE|" + std::u32string(77, '-') + U"|\r\nb");
}

} // namespace
} // namespace korvane
