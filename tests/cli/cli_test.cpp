// korvane-cli as a user runs it: real files in a fresh temporary directory,
// exit status, standard output and standard error.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Cli : ::testing::Test {
    fs::path dir;
    std::string out, err; // of the last run

    Cli()
    {
        std::string name = (fs::temp_directory_path() / "korvane-cli-XXXXXX").string();
        dir = ::mkdtemp(name.data());
    }
    ~Cli() override { fs::remove_all(dir); }

    std::string P(const std::string& name) const { return (dir / name).string(); }
    void Write(const std::string& name, const std::string& bytes) { std::ofstream(dir / name, std::ios::binary) << bytes; }

    // The exit status. Arguments are single-quoted for the shell; none of
    // them holds a quote.
    int Run(const std::vector<std::string>& args, const std::string& input = "")
    {
        std::string cmd = std::string("'") + KORVANE_CLI + "'";
        for (const auto& a : args)
            cmd += " '" + a + "'";
        if (!input.empty())
            cmd += " < '" + P(input) + "'";
        const int raw = std::system((cmd + " > '" + P(".out") + "' 2> '" + P(".err") + "'").c_str());
        out = Read(P(".out"));
        err = Read(P(".err"));
        fs::remove(P(".out"));
        fs::remove(P(".err"));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
};

// Windows-1252 lyrics between the staffs: u-umlaut 0xFC, o-umlaut 0xF6,
// u-grave 0xF9, y-diaeresis 0xFF, the bytes of line codes.
const std::string song = "Song\n\n   |   |   |   |   |   |\nE|-----------|--3--|\nB|--*--------|-----|\n"
                         "G|-----------|-----|\nGr\xFC\xDF" "e aus K\xF6ln\nO\xF9 est L'Ha\xFF-les-Roses\n"
                         "E|--3--|--5--|\nB|--1--|--0--|\nla - la - la\n";

TEST_F(Cli, LinesToAKvnFileThenAsciiGivesTheSongBack)
{
    Write("song.tab", song);
    ASSERT_EQ(Run({P("song.tab"), "-o", P("out.kvn"), "lines"}), 0) << err;
    const std::string kvn = Read(P("out.kvn"));
    EXPECT_EQ(kvn.find("E|-"), std::string::npos) << "staff lines hold line codes";
    ASSERT_EQ(Run({P("out.kvn"), "ascii"}), 0) << err;
    EXPECT_EQ(out, song);
}

// Standard input through the steps to standard output.
struct RunRow {
    const char* name;
    std::string in;
    std::vector<std::string> args;
    std::string out;
};

std::ostream& operator<<(std::ostream& os, const RunRow& r) { return os << r.name; }

const std::string block = "E|--3--5--|\nB|--1--0--|\nend\n";

const RunRow runRows[] = {
    {"CrLf", "x\r\nE|-----|\r\nB|-----|\r\n", {"-", "caret=1,4", "bar"}, "x\r\nE|--|---|\r\nB|--|---|\r\n"},
    {"Lf", "x\nE|-----|\nB|-----|\n", {"-", "caret=1,4", "bar"}, "x\nE|--|---|\nB|--|---|\n"},
    {"LoneCr", "x\rE|-----|\rB|-----|", {"-", "caret=1,4", "bar"}, "x\rE|--|---|\rB|--|---|"},
    {"MixedTakesTheFirst", "x\nE|-----|\r\nB|-----|\r", {"-", "caret=1,4", "bar"}, "x\nE|--|---|\nB|--|---|\n"},
    {"NoBreakGetsCrLf", "hello", {"-", "type=a\\nb"}, "a\r\nbhello"},
    {"OtherBytesPassThrough", std::string("t\x00\x81\xFC\t\n", 6) + "E|-----|\nB|-----|\n", {"-", "caret=1,4", "space"},
     std::string("t\x00\x81\xFC\t\n", 6) + "E|------|\nB|------|\n"},
    {"VerticalCopyKeepsTheBlockForThePaste", block, {"-", "select=1,5,0,3", "vcopy", "caret=0,9", "vpaste"},
     "E|--3--5--3|\nB|--1--0--1|\nend\n"},
    // The typed UTF-8 becomes one Windows-1252 byte; undo takes it back first
    // and drops the cut's snapshot with it.
    {"UndoTakesBackTypingFirst", block, {"-", "select=0,3,1,5", "vcut", "caret=2,0", "type=\xC3\xBC", "undo", "undo"},
     "E|---5--|\nB|---0--|\nend\n"},
};

struct Runs : Cli, ::testing::WithParamInterface<RunRow> {};

TEST_P(Runs, GiveTheExpectedOutputInTheFilesOwnBreaks)
{
    Write("in.tab", GetParam().in);
    ASSERT_EQ(Run(GetParam().args, "in.tab"), 0) << err;
    EXPECT_EQ(out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Files, Runs, ::testing::ValuesIn(runRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The full page replaces the document: an undo after it has no lines of the
// old one to write into the page.
TEST_F(Cli, UndoAfterAFullPageLeavesThePage)
{
    Write("in.tab", block);
    ASSERT_EQ(Run({"-", "full-page"}, "in.tab"), 0) << err;
    const std::string page = out;
    ASSERT_EQ(Run({"-", "caret=0,3", "bar", "full-page", "undo"}, "in.tab"), 0) << err;
    EXPECT_EQ(out, page);
}

TEST_F(Cli, InPlaceThroughALinkRewritesTheTargetKeepingLinkAndPermissions)
{
    Write("real.tab", "  E|-----\n  B|-----\n");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(P("real.tab"), perms);
    fs::create_symlink(P("real.tab"), P("link.tab"));
    ASSERT_EQ(Run({P("link.tab"), "-i", "left-align", "line-ends"}), 0) << err;
    EXPECT_EQ(Read(P("real.tab")), "E|-----|\nB|-----|\n");
    EXPECT_TRUE(fs::is_symlink(P("link.tab")));
    EXPECT_EQ(fs::status(P("real.tab")).permissions() & fs::perms::all, perms);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "no temporary left behind";
}

struct BadStep : Cli, ::testing::WithParamInterface<const char*> {};

TEST_P(BadStep, ExitsWithTwoAndWritesNothing)
{
    const std::string original = "E|-----|\nB|-----|\n";
    Write("in.tab", original);
    EXPECT_EQ(Run({P("in.tab"), "-o", P("out.tab"), "bar", GetParam()}), 2);
    EXPECT_EQ(err.rfind("korvane-cli: ", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_FALSE(fs::exists(P("out.tab")));
    EXPECT_EQ(Run({P("in.tab"), "-i", "caret=0,3", "bar", GetParam()}), 2);
    EXPECT_EQ(Read(P("in.tab")), original);
}

INSTANTIATE_TEST_SUITE_P(Steps, BadStep,
                         ::testing::Values("frobnicate", "caret=1", "caret=a,b", "caret=-1,0", "select=0,0,1",
                                           "width=100", "time=5/4", "bar=1", "caret=9,0", "caret=0,20", "type=\xFF"));

TEST_F(Cli, UnreadableInputOrUnwritableOutputExitsWithTwo)
{
    EXPECT_EQ(Run({P("missing.tab"), "bar"}), 2);
    EXPECT_NE(err.find("missing.tab"), std::string::npos) << err;
    Write("in.tab", "x\n");
    EXPECT_EQ(Run({P("in.tab"), "-o", P("nodir/out.tab")}), 2);
}

TEST_F(Cli, StateLineAndMessagesGoToStandardError)
{
    Write("in.tab", "x\nE|-----|\nB|-----|\n");
    Run({P("in.tab"), "--state", "caret=2,6", "bar"});
    EXPECT_EQ(err, "caret=20 line=2 column=6 selection=0 staffs=1 modified=1\n");
    EXPECT_EQ(Run({P("in.tab"), "tuning=", "staff"}), 0);
    EXPECT_EQ(err, "korvane: Geen stemming geselecteerd\n");
    // The page's lines make the analysis stale; the conversion must see them.
    Run({P("in.tab"), "--state", "full-page"});
    EXPECT_EQ(out.find('-'), std::string::npos) << "the page is converted";
    EXPECT_NE(err.find("modified=0"), std::string::npos) << err;
}

} // namespace
