// Tunings, the tuning list and its file.
#include "core/tuning.h"

#include "contract/recordingdialogs.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct TuningCase {
    const char* text;
    std::vector<std::string> labels;
    bool kruisofmol;
};

class TuningText : public ::testing::TestWithParam<TuningCase> {};

TEST_P(TuningText, GivesLabelsLowestStringFirst)
{
    Stemming s;
    BerekenStemming(GetParam().text, s);
    ASSERT_EQ(s.aantalsnaren, static_cast<int>(GetParam().labels.size()));
    for (int i = 0; i < s.aantalsnaren; ++i)
        EXPECT_EQ(s.snaarnamen[i], GetParam().labels[i]) << "label " << i;
    EXPECT_EQ(s.kruisofmol, GetParam().kruisofmol);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TuningText,
    ::testing::Values(TuningCase{"EADGBE", {"E", "A", "D", "G", "B", "E"}, false},
                      TuningCase{"DADF#AD", {"D", "A", "D", "F#", "A", "D"}, true},
                      TuningCase{"EbAbDbGbBbEb", {"Eb", "Ab", "Db", "Gb", "Bb", "Eb"}, true},
                      TuningCase{"eadgbe", {"e", "a", "d", "gb", "e"}, true},
                      TuningCase{"EADGBF#", {"E", "A", "D", "G", "B", "F#"}, true},
                      TuningCase{"#E b", {"#", "E", " b"}, true},
                      TuningCase{"ABCDEFGHIJKLMNOPQRSTUVWXY",
                                 {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
                                  "O", "P", "Q", "R", "S", "T"},
                                 false},
                      TuningCase{"ABCDEFGHIJKLMNOPQRST#", {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K",
                                                          "L", "M", "N", "O", "P", "Q", "R", "S", "T#"},
                                 true},
                      TuningCase{"", {}, false}));

TEST(StemmingLijst, SortsIgnoringCaseAndKeepsDuplicatesFromTheFile)
{
    StemmingLijst lijst;
    const std::vector<std::string> file = LeesSnaren("EADGBE\r\ndadgad\nDADGAD\rCGCFCE\r\n\r\nEADGBE");
    EXPECT_EQ(file.size(), 6u);
    VulStemmingLijst(lijst, &file);
    EXPECT_EQ(lijst.Items(),
              (std::vector<std::string>{"", "CGCFCE", "dadgad", "DADGAD", "EADGBE", "EADGBE"}));
    EXPECT_EQ(SchrijfSnaren(lijst), "\r\nCGCFCE\r\ndadgad\r\nDADGAD\r\nEADGBE\r\nEADGBE\r\n");
}

TEST(StemmingLijst, ReadingStopsAtNulAndWithoutFileHoldsTheCommonTunings)
{
    EXPECT_EQ(LeesSnaren(std::string("EADGBE\r\nDAD\0GAD\r\nX", 19)), (std::vector<std::string>{"EADGBE", "DAD"}));
    StemmingLijst lijst;
    VulStemmingLijst(lijst, nullptr);
    // Bass tunings too, sorted as the box keeps them.
    EXPECT_EQ(lijst.Items(), (std::vector<std::string>{"BEADG", "BEADGBE", "DADGAD", "DADGBE", "DGDGBD", "EADG",
                                                       "EADGBE", "EbAbDbGbBbEb"}));
}

TEST(TuningButtons, AddingADuplicateWarnsOncePerMatchingEntry)
{
    StemmingLijst lijst;
    const std::vector<std::string> file{"DADGAD", "DADGAD", "EADGBE"};
    VulStemmingLijst(lijst, &file);
    test::RecordingDialogs d;
    EXPECT_EQ(PlusButtonClick(lijst, "DADGAD", d), -1);
    EXPECT_EQ(d.messages, (std::vector<std::string>{"DADGAD komt al voor in de lijst",
                                                    "DADGAD komt al voor in de lijst"}));
    EXPECT_EQ(d.Count(Sound::Exclamation), 2);
    EXPECT_EQ(PlusButtonClick(lijst, "dadgad", d), 2);
    EXPECT_EQ(PlusButtonClick(lijst, "", d), 0);
    EXPECT_EQ(lijst.Count(), 5);
}

TEST(TuningButtons, TheStandardTuningCannotBeRemovedWhateverIsSelected)
{
    StemmingLijst lijst;
    const std::vector<std::string> file{"DADGAD", "EADGBE"};
    VulStemmingLijst(lijst, &file);
    test::RecordingDialogs d;
    EXPECT_EQ(MinbuttonClick(lijst, "EADGBE", 0, d), -1);
    EXPECT_EQ(d.messages, std::vector<std::string>{"Standaard stemming (EADGBE) kan niet worden gewist."});
    EXPECT_EQ(d.beeps, (std::vector<Sound>{Sound::Question, Sound::Exclamation}));
    EXPECT_EQ(lijst.Count(), 2);
}

TEST(TuningButtons, RemovingAsksAndDeletesOnlyASelectedEntry)
{
    StemmingLijst lijst;
    const std::vector<std::string> file{"DADGAD", "EADGBE"};
    VulStemmingLijst(lijst, &file);
    test::RecordingDialogs d;
    d.answers = {Answer::No, Answer::Yes, Answer::Yes};
    EXPECT_EQ(MinbuttonClick(lijst, "DADGAD", 0, d), -1);
    EXPECT_EQ(MinbuttonClick(lijst, "DADGAD", -1, d), -1);
    EXPECT_EQ(lijst.Count(), 2);
    EXPECT_EQ(MinbuttonClick(lijst, "DADGAD", 0, d), 0);
    EXPECT_EQ(lijst.Items(), std::vector<std::string>{"EADGBE"});
    ASSERT_EQ(d.questions.size(), 3u);
    EXPECT_EQ(d.questions[0], "DADGAD wissen ?");
}

TEST(TuningButtons, SavingAsksFirst)
{
    test::RecordingDialogs d;
    d.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(savelistbuttonClick(d));
    EXPECT_TRUE(savelistbuttonClick(d));
    EXPECT_EQ(d.questions[0], "Lijst met stemmingen opslaan ?");
}

} // namespace
} // namespace korvane
