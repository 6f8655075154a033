// The continuous-line conversion into the "Korvane" line-font codes and the
// conversion back to ASCII.
#include "commandfixture.h"

namespace korvane::test {
namespace {

struct LineRow {
    const char* name;
    Rij rij;
    std::string in, out;
};

std::ostream& operator<<(std::ostream& os, const LineRow& r) { return os << r.name; }

const LineRow lineRows[] = {
    {"MiddleLineLabelBarsAndDigit", Rij::Midden, "E|--3--|", "E\xFA\xFF\xFF" "3\xFF\xFF\xFB"},
    {"FirstLineThreeBars", Rij::Eerste, "|--|--|", "\xF6\xFF\xFF\xFC\xFF\xFF\xF7"},
    {"LastLineThreeBars", Rij::Laatste, "|--|--|", "\xF8\xFF\xFF\xFD\xFF\xFF\xF9"},
    {"LoneBarIsALeftEnd", Rij::Midden, "|", "\xFA"},
    {"BarAfterADigitIsALeftEnd", Rij::Midden, "-3|--", "\xFF" "3\xFA\xFF\xFF"},
    {"DigitOnTheRightCountsAsString", Rij::Midden, "--|3-", "\xFF\xFF\xFE" "3\xFF"},
    {"TwoBarsBetweenHyphensAreInner", Rij::Midden, "--||--", "\xFF\xFF\xFE\xFE\xFF\xFF"},
    {"TwoBarsAtTheStart", Rij::Midden, "||--", "\xFA\xFE\xFF\xFF"},
    {"DotLeftCountsOnAMiddleLine", Rij::Midden, "*|--", "\xF5\xFE\xFF\xFF"},
    {"DotLeftDoesNotCountOnAFirstLine", Rij::Eerste, "*|--", "\xF5\xF6\xFF\xFF"},
    {"DotRightDoesNotCountOnALastLine", Rij::Laatste, "--|.", "\xFF\xFF\xF9\xF5"},
    {"AllBarCharacters", Rij::Midden, "{-+-I-}", "\xFA\xFF\xFE\xFF\xFE\xFF\xFB"},
    {"TechniqueSignsAndSpacesStay", Rij::Eerste, "G |-5h7p5-\\7/(9)b^ x", "G \xF6\xFF" "5h7p5\xFF\\7/(9)b^ x"},
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
    std::string all;
    for (int c = 1; c <= 255; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(NaarAscii(all), all.substr(0, 244) + "*|||||||||-");
}

INSTANTIATE_TEST_SUITE_P(Conversion, CommandRows, ::testing::ValuesIn(conversionRows), RowName);

TEST(Conversion, NeedsTheKorvaneFontAndNeitherWayCountsAsAChange)
{
    CommandFixture f;
    f.Load(song);
    f.ed.InsertLine(0, "x");
    const std::string before = f.ed.Text();
    bool omgezet = false;
    doorlopendelijnenClick(f.ctx, false, omgezet);
    EXPECT_EQ(f.ed.Text(), before);
    EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{
        "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is."});
    EXPECT_EQ(f.dialogs.Count(Sound::Exclamation), 1);
    EXPECT_FALSE(omgezet);
    EXPECT_TRUE(f.state.analyse.analyseNodig);
    EXPECT_TRUE(f.ed.Modified());

    doorlopendelijnenClick(f.ctx, true, omgezet);
    EXPECT_TRUE(omgezet);
    EXPECT_FALSE(f.ed.Modified());
    f.ed.SetModified(true);
    KorvaneformaatnaarAscii1Click(f.ctx, omgezet);
    EXPECT_FALSE(omgezet);
    EXPECT_FALSE(f.ed.Modified());
    EXPECT_EQ(f.state.analyse.aantalbalken, 2);
    EXPECT_FALSE(f.state.analyse.analyseNodig);
}

// Refused for the font, with the line font at hand: the answer to the offer,
// whether switching succeeded, and whether the staffs were converted.
struct AanbodRij {
    const char* name;
    Answer antwoord;
    bool overgeschakeld;
    bool omgezet;
};

struct Aanbod : ::testing::TestWithParam<AanbodRij> {};

TEST_P(Aanbod, ARefusalOffersTheLineFontAndConvertsOnceSwitched)
{
    const AanbodRij& r = GetParam();
    CommandFixture f;
    f.Load(song);
    const std::string before = f.ed.Text();
    f.dialogs.answers = {r.antwoord};
    int gevraagd = 0;
    bool omgezet = false;
    doorlopendelijnenClick(f.ctx, false, omgezet, [&] { return ++gevraagd, r.overgeschakeld; });
    EXPECT_EQ(f.dialogs.questions, std::vector<std::string>{
        "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is.\r\n\r\n"
        "Overschakelen op het Korvane-font en de tablijnen nu omzetten ?"});
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.dialogs.beeps, std::vector<Sound>{Sound::Exclamation});
    EXPECT_EQ(gevraagd, r.antwoord == Answer::Yes ? 1 : 0);
    EXPECT_EQ(std::pair(omgezet, f.ed.Text() != before), std::pair(r.omgezet, r.omgezet));
}

INSTANTIATE_TEST_SUITE_P(Conversion, Aanbod,
                         ::testing::Values(AanbodRij{"Nee", Answer::No, true, false},
                                           AanbodRij{"Ja", Answer::Yes, true, true},
                                           AanbodRij{"JaMaarNietOvergeschakeld", Answer::Yes, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace korvane::test
