// "Hele pagina Tab": eight empty staffs in a new document, converted to
// continuous lines.
#include "core/fullpage.h"

#include "core/linefont.h"

#include "commandfixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::CommandFixture;

struct FullPage : CommandFixture, ::testing::Test {
    bool omgezet = false;
    int vragen = 0;
    int nieuw = 0;
    bool doorgaan = true;

    void Run(bool korvaneFont)
    {
        FullPageButtonClick(
            ctx, korvaneFont, omgezet,
            [this] {
                ++vragen;
                return doorgaan;
            },
            [this] {
                ++nieuw;
                ed.SetText("");
                omgezet = false;
            });
    }

    // The staffs' first lines: one blank line, then a staff every 8 lines.
    static std::vector<int> Starts(int staffLines)
    {
        std::vector<int> s;
        for (int k = 0; k < 8; ++k)
            s.push_back(1 + k * (staffLines + 2));
        return s;
    }
};

TEST_F(FullPage, RefusedConversionLeavesEightAsciiStaffsOf63Lines)
{
    Load({"old text"});
    Run(false);
    ASSERT_EQ(ed.LineCount(), 1 + 8 * 6 + 7 * 2);
    const std::string staffLine = "E|" + std::string(77, '-') + "|";
    EXPECT_EQ(ed.GetLine(0), "");
    for (int start : Starts(6)) {
        EXPECT_EQ(ed.GetLine(start), staffLine) << "staff at " << start;
        EXPECT_EQ(ed.GetLine(start + 5), staffLine);
        if (start + 6 < ed.LineCount()) {
            EXPECT_EQ(ed.GetLine(start + 6), "");
            EXPECT_EQ(ed.GetLine(start + 7), "");
        }
    }
    EXPECT_EQ(ed.Text().substr(ed.Text().size() - 2), "\r\n") << "ends with the last staff line's break";
    EXPECT_EQ(ed.LineStart(ed.LineCount()), ed.TextLength());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(omgezet);
    EXPECT_TRUE(ed.Modified());
    EXPECT_FALSE(ed.Busy());
    EXPECT_FALSE(ed.PaintingLocked());
    EXPECT_EQ(vragen, 1);
    EXPECT_EQ(nieuw, 1);
}

TEST_F(FullPage, ConvertedPageKeepsItsLineCountAndIsUnmodified)
{
    Load({"old text"});
    Run(true);
    ASSERT_EQ(ed.LineCount(), 63);
    EXPECT_TRUE(omgezet);
    EXPECT_FALSE(ed.Modified());
    EXPECT_FALSE(ed.Busy());
    EXPECT_TRUE(dialogs.messages.empty());
    for (int start : Starts(6)) {
        EXPECT_EQ(ed.GetLine(start), "E" + NaarLijnen("|" + std::string(77, '-') + "|", Rij::Eerste));
        EXPECT_EQ(ed.GetLine(start + 2), "G" + NaarLijnen("|" + std::string(77, '-') + "|", Rij::Midden));
        EXPECT_EQ(ed.GetLine(start + 5), "E" + NaarLijnen("|" + std::string(77, '-') + "|", Rij::Laatste));
    }
    EXPECT_EQ(ed.GetLine(1).substr(0, 3), "E\xF6\xFF");
}

TEST_F(FullPage, CancelledSaveQuestionChangesNothing)
{
    Load({"keep me"});
    ed.SetModified(true);
    doorgaan = false;
    Run(true);
    EXPECT_EQ(ed.Text(), "keep me\r\n");
    EXPECT_EQ(nieuw, 0);
    EXPECT_FALSE(omgezet);
    EXPECT_FALSE(ed.Busy());
}

TEST_F(FullPage, TimeSignaturesGiveEachStaffItsCountLine)
{
    state.instellingen.maatsoorten = true;
    state.instellingen.maatsoort = 0; // 3/4
    Run(false);
    ASSERT_EQ(ed.LineCount(), 1 + 8 * 7 + 7 * 2);
    for (int start : Starts(7))
        EXPECT_EQ(ed.GetLine(start).substr(0, 8), "   |   |") << "count line at " << start;
}

TEST_F(FullPage, EmptyTuningShowsItsMessageEightTimes)
{
    state.instellingen.stemming = "";
    Run(true);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>(8, "Geen stemming geselecteerd"));
    EXPECT_FALSE(ed.Busy());
}

} // namespace
} // namespace korvane
