// "Hele pagina Tab": eight empty staffs in a new document, converted to
// continuous lines.
#include "core/fullpage.h"

#include "commandfixture.h"

namespace korvane::test {
namespace {

struct FullPage : CommandFixture, ::testing::Test {
    bool omgezet = false;
    bool doorgaan = true;

    void Run(bool korvaneFont)
    {
        dialogs.messages.clear();
        FullPageButtonClick(ctx, korvaneFont, omgezet, [this] { return doorgaan; }, [this] { ed.SetText(U""); });
    }
};

TEST_F(FullPage, EightStaffsOf63LinesConvertedOrLeftAsciiWhenTheFontIsWrong)
{
    Load(U"keep me\n");
    doorgaan = false;
    Run(true);
    EXPECT_EQ(ed.Text(), U"keep me\r\n") << "the save question was cancelled";
    EXPECT_FALSE(omgezet);
    doorgaan = true;
    for (bool font : {false, true}) {
        SCOPED_TRACE(font ? "converted" : "refused");
        Run(font);
        ASSERT_EQ(ed.LineCount(), 1 + 8 * 6 + 7 * 2);
        const std::u32string staff = U"|" + std::u32string(77, '-') + U"|";
        EXPECT_EQ(ed.GetLine(0), U"");
        for (int start = 1; start < 63; start += 8) {
            EXPECT_EQ(ed.GetLine(start), U"E" + (font ? NaarLijnen(staff, Rij::Eerste) : staff)) << start;
            EXPECT_EQ(ed.GetLine(start + 2), U"G" + (font ? NaarLijnen(staff, Rij::Midden) : staff));
            EXPECT_EQ(ed.GetLine(start + 5), U"E" + (font ? NaarLijnen(staff, Rij::Laatste) : staff));
            if (start + 6 < 63)
                EXPECT_EQ(ed.GetLine(start + 6) + ed.GetLine(start + 7), U"");
        }
        EXPECT_EQ(ed.Text().substr(ed.Text().size() - 2), U"\r\n") << "ends with the last staff line's break";
        EXPECT_EQ(omgezet, font);
        EXPECT_EQ(ed.Modified(), !font);
        EXPECT_EQ(dialogs.messages.size(), font ? 0u : 1u);
        EXPECT_FALSE(ed.Busy());
        EXPECT_FALSE(ed.PaintingLocked());
    }
}

TEST_F(FullPage, TimeSignaturesAddCountLinesAndAnEmptyTuningWarnsEightTimes)
{
    state.instellingen.maatsoorten = true;
    state.instellingen.maatsoort = 0; // 3/4
    Run(false);
    ASSERT_EQ(ed.LineCount(), 1 + 8 * 7 + 7 * 2);
    for (int start = 1; start < 70; start += 9)
        EXPECT_EQ(ed.GetLine(start).substr(0, 8), U"   |   |") << "count line at " << start;

    state.instellingen.stemming = U"";
    Run(true);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>(8, "Geen stemming geselecteerd"));
}

} // namespace
} // namespace korvane::test
