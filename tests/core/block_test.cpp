// Vertical copy, cut and paste: the rows, and what a copy holds.
#include "commandfixture.h"

namespace korvane::test {
namespace {

INSTANTIATE_TEST_SUITE_P(Block, CommandRows, ::testing::ValuesIn(blockRows), RowName);

std::vector<std::u32string> Held(const TabState& s)
{
    return {s.blok.blokregels.begin(), s.blok.blokregels.begin() + s.blok.blokAantal};
}

TEST(VerticalCopy, HoldsTheRectangleOrWholeLinesWhichCannotBeCut)
{
    CommandFixture f;
    f.Load(blockDoc);
    const std::u32string before = f.ed.Text();
    f.Caret(0, 5);
    f.ed.SetSelectionLength(f.ed.LineStart(4) + 12 - f.ed.CaretOffset());
    EXPECT_TRUE(VerticaalKopiren1Click(f.ctx));
    EXPECT_EQ(Held(f.state), (std::vector<std::u32string>{U"<0abcd>", U"<1abcd>", U"", U"<3a", U"<4abcd>"}));
    EXPECT_EQ(f.ed.Text(), before);
    EXPECT_EQ(f.ed.CaretOffset(), f.ed.LineStart(4) + 12) << "the caret stands at the selection end";
    EXPECT_EQ(f.ed.SelectionLength(), 0);
    EXPECT_FALSE(f.state.snapshot.undomogelijk) << "a copy takes no snapshot";

    f.Caret(1, 0);
    f.ed.SetSelectionLength(f.ed.LineStart(4) - f.ed.CaretOffset());
    EXPECT_TRUE(VerticaalKopiren1Click(f.ctx));
    EXPECT_EQ(Held(f.state), (std::vector<std::u32string>{U"bbbbb<1abcd>tail", U"ccc", U"ddddd<3a"}));

    f.Caret(0, 0);
    f.ed.SetSelectionLength(f.ed.LineStart(2));
    EXPECT_FALSE(VerticaalKnippen1Click(f.ctx));
    EXPECT_EQ(f.dialogs.Count(Sound::Exclamation), 1);
    EXPECT_EQ(f.ed.Text(), before);
    EXPECT_EQ(f.ed.CaretOffset(), f.ed.LineStart(2));
    EXPECT_EQ(Held(f.state)[0], U"bbbbb<1abcd>tail") << "a refused cut keeps the held block";
    EXPECT_FALSE(f.state.snapshot.undomogelijk);
}

} // namespace
} // namespace korvane::test
