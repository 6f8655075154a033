// The continuous-line conversion into the "Korvane" line-font codes and the
// conversion back to ASCII.
#include "commandfixture.h"

namespace korvane::test {
namespace {

struct LineRow {
    const char* name;
    Rij rij;
    std::u32string in, out;
};

std::ostream& operator<<(std::ostream& os, const LineRow& r) { return os << r.name; }

const LineRow lineRows[] = {
    {"MiddleLineLabelBarsAndDigit", Rij::Midden, U"E|--3--|", U"E\xFA\xFF\xFF" U"3\xFF\xFF\xFB"},
    {"FirstLineThreeBars", Rij::Eerste, U"|--|--|", U"\xF6\xFF\xFF\xFC\xFF\xFF\xF7"},
    {"LastLineThreeBars", Rij::Laatste, U"|--|--|", U"\xF8\xFF\xFF\xFD\xFF\xFF\xF9"},
    {"LoneBarIsALeftEnd", Rij::Midden, U"|", U"\xFA"},
    {"BarAfterADigitIsALeftEnd", Rij::Midden, U"-3|--", U"\xFF" U"3\xFA\xFF\xFF"},
    {"DigitOnTheRightCountsAsString", Rij::Midden, U"--|3-", U"\xFF\xFF\xFE" U"3\xFF"},
    {"TwoBarsBetweenHyphensAreInner", Rij::Midden, U"--||--", U"\xFF\xFF\xFE\xFE\xFF\xFF"},
    {"TwoBarsAtTheStart", Rij::Midden, U"||--", U"\xFA\xFE\xFF\xFF"},
    {"DotLeftCountsOnAMiddleLine", Rij::Midden, U"*|--", U"\xF5\xFE\xFF\xFF"},
    {"DotLeftDoesNotCountOnAFirstLine", Rij::Eerste, U"*|--", U"\xF5\xF6\xFF\xFF"},
    {"DotRightDoesNotCountOnALastLine", Rij::Laatste, U"--|.", U"\xFF\xFF\xF9\xF5"},
    {"AllBarCharacters", Rij::Midden, U"{-+-I-}", U"\xFA\xFF\xFE\xFF\xFE\xFF\xFB"},
    {"TechniqueSignsAndSpacesStay", Rij::Eerste, U"G |-5h7p5-\\7/(9)b^ x", U"G \xF6\xFF" U"5h7p5\xFF\\7/(9)b^ x"},
};

struct LineTest : ::testing::TestWithParam<LineRow> {};

TEST_P(LineTest, MapsEachCharacterByRowAndNeighbours)
{
    EXPECT_EQ(NaarLijnen(GetParam().in, GetParam().rij), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Characters, LineTest, ::testing::ValuesIn(lineRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AsciiVan, MapsTheElevenCodesAndNothingElse)
{
    std::u32string all, terug;
    for (int c = 1; c <= 255; ++c)
        all += static_cast<char32_t>(c);
    for (const char32_t c : all)
        terug += AsciiVan(c);
    EXPECT_EQ(terug, all.substr(0, 244) + U"*|||||||||-");
}

INSTANTIATE_TEST_SUITE_P(Conversion, CommandRows, ::testing::ValuesIn(conversionRows), RowName);

TEST(Conversion, NeedsTheKorvaneFont)
{
    CommandFixture f;
    f.Load(song);
    f.ed.InsertLine(0, U"x");
    const std::u32string before = f.ed.Text();
    bool omgezet = false;
    doorlopendelijnenClick(f.ctx, false, omgezet);
    EXPECT_EQ(f.ed.Text(), before);
    EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{
        "Deze functie werkt alleen met het Korvane-font.\r\nControleer of dit geinstalleerd is."});
    EXPECT_EQ(f.dialogs.Count(Sound::Exclamation), 1);
    EXPECT_FALSE(omgezet);
    EXPECT_TRUE(f.state.analyse.analyseNodig);
    EXPECT_TRUE(f.ed.Modified());
}

// Neither conversion is a change of its own, but unsaved edits from before
// it stay unsaved: the flag must still make closing ask.
// The conversion back to ASCII or not, and unsaved edits before it or not.
struct ConversionFlag : ::testing::TestWithParam<std::tuple<bool, bool>> {};

TEST_P(ConversionFlag, KeepsTheModifiedFlagItFound)
{
    const auto [terug, veranderd] = GetParam();
    CommandFixture f;
    f.Load(song);
    bool omgezet = false;
    if (terug)
        doorlopendelijnenClick(f.ctx, true, omgezet);
    f.ed.SetModified(veranderd);
    if (terug)
        KorvaneformaatnaarAscii1Click(f.ctx, omgezet);
    else
        doorlopendelijnenClick(f.ctx, true, omgezet);
    EXPECT_EQ(omgezet, !terug);
    EXPECT_EQ(f.ed.Modified(), veranderd);
    if (terug) { // the staffs are found again at once, as a fresh look at the text finds them
        EXPECT_EQ(f.state.analyse.aantalbalken, 2);
        TabAnalyse vers;
        analyze(f.ed, vers);
        EXPECT_EQ(f.state.analyse.tablijnen, vers.tablijnen);
        EXPECT_EQ(f.state.analyse.markeerlijnen, vers.markeerlijnen);
        EXPECT_FALSE(f.state.analyse.analyseNodig);
    }
}

INSTANTIATE_TEST_SUITE_P(Conversion, ConversionFlag, ::testing::Combine(::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "Back" : "ToLines")
                                 + (std::get<1>(info.param) ? "AfterEdits" : "Unchanged");
                         });

// A line that only looks like a count line once mapped ("ö" stands for a
// bar) is not a staff line: it stays as written, and the analysis describes
// it as written.
TEST(Conversion, BackLeavesALineOfUmlautsAndAnalysesItAsWritten)
{
    CommandFixture f;
    const std::u32string umlauten = U"\xF6  \xF6  \xF6  \xF6  \xF6  \xF6";
    f.Load(songKvn + umlauten + U"\n");
    bool omgezet = true;
    KorvaneformaatnaarAscii1Click(f.ctx, omgezet);
    EXPECT_EQ(f.ed.Text(), Crlf(songAscii + umlauten + U"\n"));
    TabAnalyse vers;
    analyze(f.ed, vers);
    EXPECT_EQ(f.state.analyse.markeerlijnen, vers.markeerlijnen);
    EXPECT_EQ(f.state.analyse.tablijnen, vers.tablijnen);
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
    const std::u32string before = f.ed.Text();
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
