// Tuning column, line ends and left alignment: the rows, and when the tuning
// column refuses.
#include "commandfixture.h"

namespace korvane::test {
namespace {

INSTANTIATE_TEST_SUITE_P(Tidy, CommandRows, ::testing::ValuesIn(tidyRows), RowName);

TEST(TuningColumn, RefusesWithoutAStaffInTheLastAnalysisOrWithoutATuning)
{
    CommandFixture f;
    f.Load(U"text\nmore\n");
    f.ed.InsertLine(0, U"------");
    f.ed.InsertLine(0, U"------");
    const std::u32string unlabelled = f.ed.Text();
    Stemmimg1Click(f.ctx);
    EXPECT_EQ(f.ed.Text(), unlabelled) << "the staff count of the last analysis is 0";
    EXPECT_TRUE(f.dialogs.messages.empty());

    analyze(f.ed, f.state.analyse);
    f.state.instellingen.stemming = U"";
    Stemmimg1Click(f.ctx);
    EXPECT_EQ(f.ed.Text(), unlabelled);
    EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{"Geen stemming geselecteerd"});
    EXPECT_EQ(f.dialogs.Count(Sound::Exclamation), 1);
}

} // namespace
} // namespace korvane::test
