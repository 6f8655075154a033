// korvane-cli as a user runs it: real files in a fresh temporary directory,
// exit status, standard output and standard error.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
    // The last line of standard error.
    std::string LastErrLine() const
    {
        std::string s = err;
        if (!s.empty() && s.back() == '\n')
            s.pop_back();
        const auto p = s.rfind('\n');
        return p == std::string::npos ? s : s.substr(p + 1);
    }
};

std::string Quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

std::string Read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const fs::path& p, const std::string& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

struct Cli : ::testing::Test {
    fs::path dir;

    Cli()
    {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("korvane-cli-test-" + std::to_string(rd()) + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    ~Cli() override { fs::remove_all(dir); }

    fs::path P(const std::string& name) const { return dir / name; }

    Result Run(const std::vector<std::string>& args, const std::string& stdinFile = "")
    {
        std::string cmd = Quote(KORVANE_CLI);
        for (const auto& a : args)
            cmd += " " + Quote(a);
        if (!stdinFile.empty())
            cmd += " < " + Quote(P(stdinFile).string());
        cmd += " > " + Quote(P("stdout.txt").string()) + " 2> " + Quote(P("stderr.txt").string());
        Result r;
        const int raw = std::system(cmd.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = Read(P("stdout.txt"));
        r.err = Read(P("stderr.txt"));
        fs::remove(P("stdout.txt"));
        fs::remove(P("stderr.txt"));
        return r;
    }
};

// Windows-1252 lyrics: ü 0xFC, ö 0xF6, ù 0xF9, ÿ 0xFF.
const std::string song =
    "Song - Artist\n"
    "\n"
    "   |   |   |   |   |   |\n"
    "E|-----------|--3--|\n"
    "B|--*--------|-----|\n"
    "G|-----------|-----|\n"
    "D|-----------|-----|\n"
    "A|--*--------|-----|\n"
    "E|-----------|--0--|\n"
    "Gr\xFC\xDF" "e aus K\xF6ln, sch\xF6n\n"
    "O\xF9 est L'Ha\xFF-les-Roses\n"
    "E|--3--|--5--|\n"
    "B|--1--|--0--|\n"
    "la - la - la\n";

TEST_F(Cli, LinesThenAsciiGivesBackTheStaffsAndLeavesLyrics)
{
    Write(P("song.tab"), song);
    Result a = Run({P("song.tab").string(), "-o", P("out.kvn").string(), "lines"});
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, "");
    const std::string kvn = Read(P("out.kvn"));
    EXPECT_EQ(kvn.size(), song.size());
    EXPECT_EQ(kvn.find("E|-"), std::string::npos) << "staff lines hold line codes";
    EXPECT_NE(kvn.find("E\xF6\xFF\xFF"), std::string::npos);

    Result b = Run({P("out.kvn").string(), "ascii"});
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(b.out, song);
}

struct BreakRow {
    const char* name;
    std::string in;
    std::vector<std::string> steps;
    std::string out;
};

std::ostream& operator<<(std::ostream& os, const BreakRow& r) { return os << r.name; }

const BreakRow breakRows[] = {
    {"CrLf", "x\r\nE|-----|\r\nB|-----|\r\n", {"caret=1,4", "bar"}, "x\r\nE|--|---|\r\nB|--|---|\r\n"},
    {"Lf", "x\nE|-----|\nB|-----|\n", {"caret=1,4", "bar"}, "x\nE|--|---|\nB|--|---|\n"},
    {"LoneCr", "x\rE|-----|\rB|-----|", {"caret=1,4", "bar"}, "x\rE|--|---|\rB|--|---|"},
    {"MixedTakesTheFirst", "x\nE|-----|\r\nB|-----|\r", {"caret=1,4", "bar"}, "x\nE|--|---|\nB|--|---|\n"},
    {"NoBreakGetsCrLf", "hello", {"type=a\\nb"}, "a\r\nbhello"},
    {"OtherBytesPassThrough", std::string("t\x00\x81\xFC\t\n", 6) + "E|-----|\nB|-----|\n", {"caret=1,4", "space"},
     std::string("t\x00\x81\xFC\t\n", 6) + "E|------|\nB|------|\n"},
};

struct Breaks : Cli, ::testing::WithParamInterface<BreakRow> {};

TEST_P(Breaks, KeepTheFilesOwnStyle)
{
    const BreakRow& row = GetParam();
    Write(P("in.tab"), row.in);
    std::vector<std::string> args{P("in.tab").string()};
    args.insert(args.end(), row.steps.begin(), row.steps.end());
    Result r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, row.out);
}

INSTANTIATE_TEST_SUITE_P(Files, Breaks, ::testing::ValuesIn(breakRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Cli, InPlaceReplacesTheFileAndLeavesNoTemporaryBehind)
{
    Write(P("tab.txt"), "  E|-----\n  B|-----\n");
    fs::permissions(P("tab.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Result r = Run({P("tab.txt").string(), "-i", "left-align", "line-ends"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Read(P("tab.txt")), "E|-----|\nB|-----|\n");
    EXPECT_EQ(fs::status(P("tab.txt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(Cli, InPlaceThroughASymbolicLinkKeepsTheLink)
{
    Write(P("real.tab"), "E|-----\nB|-----\n");
    fs::create_symlink(P("real.tab"), P("link.tab"));
    Result r = Run({P("link.tab").string(), "-i", "line-ends"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(P("link.tab")));
    EXPECT_EQ(Read(P("real.tab")), "E|-----|\nB|-----|\n");
}

struct BadStep : Cli, ::testing::WithParamInterface<const char*> {};

TEST_P(BadStep, ExitsWithTwoAndWritesNothing)
{
    const std::string original = "E|-----|\nB|-----|\n";
    Write(P("in.tab"), original);
    Result r = Run({P("in.tab").string(), "-o", P("out.tab").string(), "bar", GetParam()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("korvane-cli: ", 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_FALSE(fs::exists(P("out.tab")));

    Result i = Run({P("in.tab").string(), "-i", "caret=0,3", "bar", GetParam()});
    EXPECT_EQ(i.status, 2);
    EXPECT_EQ(Read(P("in.tab")), original);
}

INSTANTIATE_TEST_SUITE_P(Steps, BadStep,
                         ::testing::Values("frobnicate", "caret=1", "caret=a,b", "caret=-1,0", "select=0,0,1",
                                           "width=100", "width=x", "time=5/4", "bar=1", "caret=9,0", "caret=0,20",
                                           "type=\xFF"));

TEST_F(Cli, UnreadableFileAndUnwritableOutputExitWithTwo)
{
    Result missing = Run({P("missing.tab").string(), "bar"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing.tab"), std::string::npos);
    EXPECT_EQ(missing.out, "");

    Write(P("in.tab"), "x\n");
    Result noDir = Run({P("in.tab").string(), "-o", P("nodir/out.tab").string()});
    EXPECT_EQ(noDir.status, 2);
    EXPECT_FALSE(fs::exists(P("nodir")));

    Result isDir = Run({dir.string()});
    EXPECT_EQ(isDir.status, 2);
}

TEST_F(Cli, StateLineReportsCaretSelectionStaffsAndModified)
{
    Write(P("in.tab"), "x\nE|-----|\nB|-----|\n");
    Result r = Run({P("in.tab").string(), "--state", "caret=2,6", "bar"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.LastErrLine(), "caret=20 line=2 column=6 selection=0 staffs=1 modified=1");

    Result s = Run({P("in.tab").string(), "select=2,3,1,1", "--state"});
    EXPECT_EQ(s.LastErrLine(), "caret=4 line=1 column=1 selection=12 staffs=1 modified=0");
}

TEST_F(Cli, MessagesGoToStandardError)
{
    Write(P("in.tab"), "x\n");
    Result r = Run({P("in.tab").string(), "tuning=", "staff"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "korvane: Geen stemming geselecteerd\n");
    EXPECT_EQ(r.out, "x\n");
}

TEST_F(Cli, AnalysisGoesStaleOnlyWhenTheLineCountChanges)
{
    Write(P("in.tab"), "abcdefghij\nabcdefghij\nend\n");
    const std::vector<std::string> typeStaff{P("in.tab").string(), "select=0,0,0,10", "type=|---------",
                                             "select=1,0,1,10", "type=|---------", "caret=0,3"};
    auto stale = typeStaff;
    stale.push_back("bar");
    Result r = Run(stale);
    EXPECT_EQ(r.out, "|---------\n|---------\nend\n") << "the start-up analysis saw no staff";

    auto fresh = typeStaff;
    fresh.insert(fresh.end(), {"analyze", "bar"});
    EXPECT_EQ(Run(fresh).out, "|--|-------\n|--|-------\nend\n");

    auto grown = typeStaff;
    grown.insert(grown.end(), {"caret=2,3", "type=\\n", "caret=0,3", "bar"});
    EXPECT_EQ(Run(grown).out, "|--|-------\n|--|-------\nend\n\n") << "a new line makes the analysis stale";
}

TEST_F(Cli, StandardInputAndVerticalBlockWithUndo)
{
    Write(P("in.tab"), "E|--3--5--|\nB|--1--0--|\nend\n");
    Result r = Run({"-", "select=1,5,0,3", "vcopy", "caret=0,9", "vpaste"}, "in.tab");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "E|--3--5--3|\nB|--1--0--1|\nend\n");

    Result u = Run({"-", "caret=1,2", "vpaste", "select=0,3,2,1", "vcopy", "caret=2,3", "vpaste", "undo"}, "in.tab");
    EXPECT_EQ(u.out, "E|--3--5--|\nB|--1--0--|\nend\n") << "vpaste before a copy does nothing; undo restores";

    Result cut = Run({"-", "select=0,3,1,5", "vcut", "undo", "undo"}, "in.tab");
    EXPECT_EQ(cut.out, "E|--3--5--|\nB|--1--0--|\nend\n");
}

TEST_F(Cli, TypedTextIsUndoneBeforeTheSnapshot)
{
    Write(P("in.tab"), "E|-----|\nB|-----|\nlyric\n");
    Result r = Run({P("in.tab").string(), "caret=0,4", "bar", "caret=2,0", "type=\xC3\xBC", "undo"});
    EXPECT_EQ(r.out, "E|--|---|\nB|--|---|\nlyric\n");
    Result twice = Run({P("in.tab").string(), "caret=0,4", "bar", "caret=2,0", "type=\xC3\xBC", "undo", "undo"});
    EXPECT_EQ(twice.out, "E|--|---|\nB|--|---|\nlyric\n") << "the typing undo drops the snapshot";
    Result typed = Run({P("in.tab").string(), "caret=2,0", "type=\xC3\xBC"});
    EXPECT_EQ(typed.out, "E|-----|\nB|-----|\n\xFClyric\n") << "UTF-8 arguments become Windows-1252";
}

TEST_F(Cli, SettingsStepsShapeTheEmptyStaffAndTheFullPage)
{
    Write(P("empty.tab"), "");
    Result r = Run({P("empty.tab").string(), "tuning=DADGAD", "width=20", "time=off", "staff"});
    const std::string line = std::string(17, '-') + "|";
    EXPECT_EQ(r.out, "\r\nD|" + line + "\r\nA|" + line + "\r\nG|" + line + "\r\nD|" + line + "\r\nA|" + line + "\r\nD|"
                         + line + "\r\n");

    Result page = Run({P("empty.tab").string(), "--state", "full-page"});
    ASSERT_EQ(page.status, 0) << page.err;
    EXPECT_EQ(std::count(page.out.begin(), page.out.end(), '\n'), 63);
    EXPECT_EQ(page.out.find('-'), std::string::npos);
    EXPECT_NE(page.LastErrLine().find("modified=0"), std::string::npos) << page.LastErrLine();
}

TEST_F(Cli, HelpNamesTheStepsAndTheYesAnswer)
{
    Result r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("repeat-begin"), std::string::npos);
    EXPECT_NE(r.out.find("met ja beantwoord"), std::string::npos);
}

} // namespace
