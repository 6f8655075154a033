// The continuous-line conversion into the "Korvane" line-font codes and the
// conversion back to ASCII.
#include "core/linefont.h"

#include "commandfixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::CommandFixture;

struct LineRow {
    const char* name;
    Rij rij;
    std::string in;
    std::string out;
};

std::ostream& operator<<(std::ostream& os, const LineRow& r) { return os << r.name; }

const LineRow lineRows[] = {
    {"MiddleLineLabelBarsAndDigit", Rij::Midden, "E|--3--|", "E\xFA\xFF\xFF" "3\xFF\xFF\xFB"},
    {"FirstLineThreeBars", Rij::Eerste, "|--|--|", "\xF6\xFF\xFF\xFC\xFF\xFF\xF7"},
    {"LastLineThreeBars", Rij::Laatste, "|--|--|", "\xF8\xFF\xFF\xFD\xFF\xFF\xF9"},
    {"LoneBarIsALeftEnd", Rij::Midden, "|", "\xFA"},
    {"BarAtLineEndIsARightEnd", Rij::Eerste, "---|", "\xFF\xFF\xFF\xF7"},
    {"BarAfterADigitIsALeftEnd", Rij::Midden, "-3|--", "\xFF" "3\xFA\xFF\xFF"},
    {"DigitOnTheRightCountsAsString", Rij::Midden, "--|3-", "\xFF\xFF\xFE" "3\xFF"},
    {"TwoBarsBetweenHyphensAreInner", Rij::Midden, "--||--", "\xFF\xFF\xFE\xFE\xFF\xFF"},
    {"TwoBarsAtTheStart", Rij::Midden, "||--", "\xFA\xFE\xFF\xFF"},
    {"DotLeftCountsOnAMiddleLine", Rij::Midden, "*|--", "\xF5\xFE\xFF\xFF"},
    {"DotLeftDoesNotCountOnAFirstLine", Rij::Eerste, "*|--", "\xF5\xF6\xFF\xFF"},
    {"DotRightCountsOnAMiddleLine", Rij::Midden, "--|o", "\xFF\xFF\xFE\xF5"},
    {"DotRightDoesNotCountOnALastLine", Rij::Laatste, "--|.", "\xFF\xFF\xF9\xF5"},
    {"AllBarCharacters", Rij::Midden, "{-+-I-}", "\xFA\xFF\xFE\xFF\xFE\xFF\xFB"},
    {"TechniqueSignsAndSpacesStay", Rij::Eerste, "G |-5h7p5-\\7/(9)b^ x", "G \xF6\xFF" "5h7p5\xFF\\7/(9)b^ x"},
    {"LineCodesStay", Rij::Eerste, "\xF6\xFF\xFC", "\xF6\xFF\xFC"},
};

struct LineTest : ::testing::TestWithParam<LineRow> {};

TEST_P(LineTest, MapsEachCharacterByRowAndNeighbours)
{
    EXPECT_EQ(NaarLijnen(GetParam().in, GetParam().rij), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Characters, LineTest, ::testing::ValuesIn(lineRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NaarAscii, MapsTheElevenCodesAndNothingElse)
{
    std::string codes;
    for (int c = 245; c <= 255; ++c)
        codes += static_cast<char>(c);
    EXPECT_EQ(NaarAscii(codes), "*|||||||||-");
    std::string others;
    for (int c = 1; c < 245; ++c)
        others += static_cast<char>(c);
    EXPECT_EQ(NaarAscii(others), others);
}

const std::string wrongFontMessage = "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is.";

// Cp1252: ü 0xFC, ö 0xF6, ß 0xDF; ù 0xF9, ÿ 0xFF, é 0xE9.
const std::string german = "\xDC" "ber die Br\xFC" "cke, sch\xF6ne Gr\xFC\xDF" "e";
const std::string french = "O\xF9 es-tu, L'Ha\xFF-les-Roses, d\xE9j\xE0";

std::vector<std::string> Song()
{
    return {
        "Song - Artist",
        "   |   |   |   |   |   |",
        "E|-----------|--3--|",
        "B|--o----+---|-----|",
        "G|--.----I---{-----}",
        "D|-----------|-----|",
        "A|--*--------|-----|",
        "E|-----------|--0--|",
        german,
        french,
        "A|--3--|",
        "E|--0--|",
        "la - la - la | la",
    };
}

struct Conversion : CommandFixture, ::testing::Test {
    bool omgezet = false;
};

TEST_F(Conversion, WrongFontIsRefusedAndNothingChanges)
{
    Load(Song());
    ed.SetCaret(0);
    ed.Type("x\r\n");
    ASSERT_TRUE(state.analyse.analyseNodig);
    const std::string before = ed.Text();
    const int caret = ed.CaretOffset();
    doorlopendelijnenClick(ctx, false, omgezet);
    EXPECT_EQ(ed.Text(), before);
    EXPECT_EQ(ed.CaretOffset(), caret);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{wrongFontMessage});
    EXPECT_EQ(dialogs.Count(Sound::Exclamation), 1);
    EXPECT_FALSE(omgezet);
    EXPECT_TRUE(state.analyse.analyseNodig);
    EXPECT_TRUE(ed.Modified());
}

TEST_F(Conversion, ConvertsStaffLinesOnlyAndLeavesTheDocumentUnmodified)
{
    Load(Song());
    ed.PutLine(0, "Song - Artist!");
    Caret(3, 5);
    const int caret = ed.CaretOffset();
    doorlopendelijnenClick(ctx, true, omgezet);

    const auto lines = Lines();
    const auto before = Song();
    ASSERT_EQ(lines.size(), before.size());
    EXPECT_EQ(lines[0], "Song - Artist!");
    for (int i : {1, 8, 9, 12})
        EXPECT_EQ(lines[i], before[i]) << "line " << i << " is not a staff line";
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), i == 0 ? before[0].size() + 1 : before[i].size());
    EXPECT_EQ(lines[2], "E\xF6\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFC\xFF\xFF" "3\xFF\xFF\xF7");
    EXPECT_EQ(lines[3], "B\xFA\xFF\xFF\xF5\xFF\xFF\xFF\xFF\xFE\xFF\xFF\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFB");
    EXPECT_EQ(lines[7], "E\xF8\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFD\xFF\xFF" "0\xFF\xFF\xF9");
    EXPECT_EQ(lines[10], "A\xF6\xFF\xFF" "3\xFF\xFF\xF7");
    EXPECT_EQ(lines[11], "E\xF8\xFF\xFF" "0\xFF\xFF\xF9");
    EXPECT_TRUE(omgezet);
    EXPECT_FALSE(ed.Modified());
    EXPECT_EQ(ed.CaretOffset(), caret);
    EXPECT_EQ(ed.SelectionLength(), 0);
    EXPECT_FALSE(ed.PaintingLocked());
    EXPECT_FALSE(ed.Busy());

    const std::string once = ed.Text();
    doorlopendelijnenClick(ctx, true, omgezet);
    EXPECT_EQ(ed.Text(), once) << "a converted document converts to itself";
}

TEST_F(Conversion, BackToAsciiRestoresStaffsAndLeavesLyricsAlone)
{
    Load(Song());
    doorlopendelijnenClick(ctx, true, omgezet);
    Caret(5, 3);
    ed.SetModified(true);
    KorvaneformaatnaarAscii1Click(ctx, omgezet);

    std::vector<std::string> expected = Song();
    expected[3] = "B|--*----|---|-----|";
    expected[4] = "G|--*----|---|-----|";
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(Lines()[8], german);
    EXPECT_EQ(Lines()[9], french);
    EXPECT_FALSE(omgezet);
    EXPECT_FALSE(ed.Modified());
    EXPECT_EQ(ed.CaretOffset(), 0);
    EXPECT_EQ(state.analyse.aantalbalken, 2);
    EXPECT_FALSE(state.analyse.analyseNodig);
}

TEST_F(Conversion, LoadedKvnDocumentGetsItsStaffsBack)
{
    // A saved ".kvn" has no hyphens: the analysis sees no staff until the
    // conversion back has run.
    Load(Song());
    doorlopendelijnenClick(ctx, true, omgezet);
    const std::string kvn = ed.Text();
    CommandFixture loaded;
    loaded.ed.SetText(kvn);
    analyze(loaded.ed, loaded.state.analyse);
    ASSERT_EQ(loaded.state.analyse.aantalbalken, 0);
    bool flag = true;
    KorvaneformaatnaarAscii1Click(loaded.ctx, flag);
    EXPECT_EQ(loaded.state.analyse.aantalbalken, 2);
    EXPECT_EQ(loaded.ed.GetLine(2), Song()[2]);
    EXPECT_EQ(loaded.ed.GetLine(8), german);
    EXPECT_EQ(loaded.ed.GetLine(9), french);
    EXPECT_FALSE(flag);
}

TEST_F(Conversion, BackToAsciiLeavesAPlainDocumentAsItWas)
{
    Load({"plain text", "E|-----|", "B|-----|", "caf\xE9 \xFC" "ber"});
    const std::string before = ed.Text();
    KorvaneformaatnaarAscii1Click(ctx, omgezet);
    EXPECT_EQ(ed.Text(), before);
    EXPECT_FALSE(ed.Modified());
}

TEST_F(Conversion, RefreshesAStaleAnalysisBeforeConverting)
{
    Load({"text", "E|-----|", "B|-----|"});
    ed.SetCaret(0);
    ed.Type("new\r\n");
    doorlopendelijnenClick(ctx, true, omgezet);
    EXPECT_EQ(ed.GetLine(1), "text");
    EXPECT_EQ(ed.GetLine(2), "E\xF6\xFF\xFF\xFF\xFF\xFF\xF7");
}

} // namespace
} // namespace korvane
