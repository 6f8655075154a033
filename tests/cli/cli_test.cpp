// korvane-cli as a user runs it: real files in a fresh temporary directory,
// exit status, standard output and standard error.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
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
    int Run(const std::vector<std::string>& args, const std::string& input = "", const std::string& locale = "")
    {
        std::string cmd = (locale.empty() ? std::string() : "LC_ALL='" + locale + "' ") + "'" + KORVANE_CLI + "'";
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

    // "@name" stands for that file in the folder.
    std::string At(const std::string& s) const { return s.rfind('@', 0) == 0 ? P(s.substr(1)) : s; }

    // A run the shell cannot set up. Like a shell, the status of a program
    // killed by a signal is 128 plus the signal, so an abort shows as 134.
    struct Launch {
        std::vector<std::string> args;
        std::string input; // "@name", a path, "closed", "endless" (a pipe that never ends); none: /dev/null
        std::string limit; // the lowered input limit, if any
        bool ordinaryUser = false; // as the folder's owner; root drops to nobody for it
        rlim_t memory = rlim_t(256) << 20;
    };

    int Start(const Launch& l)
    {
        std::vector<std::string> args{KORVANE_CLI};
        for (const auto& a : l.args)
            args.push_back(At(a));
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string outPath = P(".out"), errPath = P(".err"), input = At(l.input);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            if (input == "closed") {
                ::close(0);
            } else if (input == "endless") {
                int p[2];
                if (::pipe(p) != 0)
                    ::_exit(125);
                if (::fork() == 0) {
                    ::close(p[0]);
                    const std::string x(1 << 16, 'x');
                    while (::write(p[1], x.data(), x.size()) > 0) {
                    }
                    ::_exit(0);
                }
                ::dup2(p[0], 0);
                ::close(p[0]);
                ::close(p[1]);
            } else {
                ::dup2(::open(input.empty() ? "/dev/null" : input.c_str(), O_RDONLY), 0);
            }
            if (!l.limit.empty())
                ::setenv("KORVANE_CLI_MAX_INVOER", l.limit.c_str(), 1);
            // A run that eats memory or never ends fails the test, never hangs it.
            const rlimit memory{l.memory, l.memory}, cpu{20, 20};
            ::setrlimit(RLIMIT_AS, &memory);
            ::setrlimit(RLIMIT_CPU, &cpu);
            if (l.ordinaryUser && ::geteuid() == 0
                && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody().second) != 0 || ::setuid(Nobody().first) != 0))
                ::_exit(126);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        out = Read(outPath);
        err = Read(errPath);
        fs::remove(outPath);
        fs::remove(errPath);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    static std::pair<uid_t, gid_t> Nobody()
    {
        const passwd* pw = ::getpwnam("nobody");
        return pw ? std::pair(pw->pw_uid, pw->pw_gid) : std::pair(uid_t(65534), gid_t(65534));
    }

    // The folder and what is in it go to the user an ordinary run runs as.
    void GiveToOrdinaryUser()
    {
        if (::geteuid() != 0)
            return;
        const auto [uid, gid] = Nobody();
        ASSERT_EQ(::lchown(dir.c_str(), uid, gid), 0);
        for (const auto& e : fs::directory_iterator(dir))
            ASSERT_EQ(::lchown(e.path().c_str(), uid, gid), 0);
    }

    std::size_t Entries() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
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
    {"TransposeWidensTheColumnThenBackGivesTheText", "  Am\ne|--9--|\nB|--7--|\n", {"-", "transpose=+1", "undo", "transpose=3", "transpose=-3"},
     "  Am\ne|--9--|\nB|--7--|\n"},
    {"TransposeOnlyTheSelectedStaff", "e|--9--|\nB|--7--|\n\ne|--1--|\nB|--1--|\n", {"-", "select=0,0,1,2", "transpose=1"},
     "e|--10--|\nB|--8---|\n\ne|--1--|\nB|--1--|\n"},
    {"RetuneKeepsThePitch", "e|--0--|\nB|--0--|\nG|--0--|\nD|--0--|\nA|--0--|\nE|--5--|\n", {"-", "retune=DADGBE"},
     "e|--0--|\nB|--0--|\nG|--0--|\nD|--0--|\nA|--0--|\nD|--7--|\n"},
    {"CapoOnAnEmptyDocumentLeavesItEmpty", "", {"-", "capo=2", "transpose=1", "retune=DADGBE"}, ""},
    {"CapoWritesItsLine", "e|--5--|\nB|--7--|\n", {"-", "capo=2"}, "Capo: 2\ne|--3--|\nB|--5--|\n"},
    // Each file is written back in its own encoding; columns count characters.
    {"AsciiIsUtf8", "ab\n", {"-", "caret=0,1", "type=\xC3\xBC"}, "a\xC3\xBC" "b\n"},
    {"Utf8", "\xC3\xA9" "a\r\n", {"-", "caret=0,1", "type=\xE2\x82\xAC"}, "\xC3\xA9\xE2\x82\xAC" "a\r\n"},
    {"Utf8WithBom", "\xEF\xBB\xBF" "ab\n", {"-", "caret=0,1", "type=x"}, "\xEF\xBB\xBF" "axb\n"},
    {"Utf16LeWithBom", std::string("\xFF\xFE" "a\0b\0\r\0", 8), {"-", "caret=0,1", "type=\xC3\xA9"},
     std::string("\xFF\xFE" "a\0\xE9\0" "b\0\r\0", 10)},
    {"Utf16BeWithBom", std::string("\xFE\xFF\0a\0\n", 6), {"-", "type=x"}, std::string("\xFE\xFF\0x\0a\0\n", 8)},
    {"Windows1252", "\xE9" "a\n", {"-", "caret=0,1", "type=\xC3\xBC"}, "\xE9\xFC" "a\n"},
    {"BrokenUtf16IsReadByteForByte", std::string("\xFF\xFE" "a\0b", 5), {"-"}, std::string("\xFF\xFE" "a\0b", 5)},
    {"FromForcesTheReading", "\xC3\xA9\n", {"-", "--from", "windows-1252", "--to", "utf-8"}, "\xC3\x83\xC2\xA9\n"},
    {"FromUtf16WithoutBomWritesNone", std::string("a\0\n\0", 4), {"-", "--from", "UTF-16LE"}, std::string("a\0\n\0", 4)},
    {"ToConverts", "\xE9\r\n", {"-", "--to", "utf-16be"}, std::string("\xFE\xFF\0\xE9\0\r\0\n", 8)},
    {"ToUtf8WithBom", "ab", {"-", "--to", "utf-8-bom"}, "\xEF\xBB\xBF" "ab"},
    // Continuous lines and back: a UTF-8 song sheet comes out byte for byte.
    {"LinesAndBackKeepAUtf8SongSheet",
     "Caf\xC3\xA9 \xE2\x80\x9Cwon\xE2\x80\x99t\xE2\x80\x9D \xE2\x9C\x93\ne|--0--|\nB|--1--|\nna\xC3\xAF" "ef \xF0\x9F\x8E\xB8\n",
     {"-", "lines", "ascii"},
     "Caf\xC3\xA9 \xE2\x80\x9Cwon\xE2\x80\x99t\xE2\x80\x9D \xE2\x9C\x93\ne|--0--|\nB|--1--|\nna\xC3\xAF" "ef \xF0\x9F\x8E\xB8\n"},
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

// A staff with a bar out of step, a closing bar missing and an en dash
// (0x96) in Windows-1252.
const std::string crooked = "Riff\ne|--0--|--3--|\nB|--1---|--0--\nG|--0-\x96|--0--|\n";

TEST_F(Cli, CheckPrintsEachFindingAsCompilersDoAndExitsWithOne)
{
    Write("riff.tab", crooked);
    EXPECT_EQ(Run({P("riff.tab"), "check"}), 1) << err;
    const std::string naam = P("riff.tab");
    EXPECT_EQ(out, naam + ":3:9: Maatstreep staat in kolom 9, op de andere snaren in kolom 8\n" + naam +
                       ":3:15: Slotstreep ontbreekt: de andere snaren van de balk eindigen op een maatstreep\n" + naam +
                       ":4:7: Teken \u2018\u2013\u2019 (U+2013) lijkt op \u2018-\u2019 maar is het niet; de kolommen "
                       "lopen scheef\n");
    EXPECT_EQ(err, "");
}

TEST_F(Cli, RepairThenCheckFindsNothingAndUndoGivesTheStaffBack)
{
    Write("riff.tab", crooked);
    EXPECT_EQ(Run({P("riff.tab"), "-o", P("out.tab"), "repair", "check"}), 0) << err;
    EXPECT_EQ(out, "");
    EXPECT_EQ(Read(P("out.tab")), "Riff\ne|--0--|--3--|\nB|--1--|--0--|\nG|--0--|--0--|\n");
    EXPECT_EQ(Run({P("riff.tab"), "-o", P("out.tab"), "repair", "undo", "check"}), 1) << err;
    EXPECT_EQ(Read(P("out.tab")), crooked);
}

TEST_F(Cli, ChordsNameEveryColumnOfThreeNotesOnANewChordLineAndUndoTakesItAway)
{
    Write("in.tab", "Intro\ne|--0---0--|\nB|--1---1--|\nG|--0---2--|\nD|--2---2--|\nA|--3---0--|\nE|----3----|\n");
    ASSERT_EQ(Run({"-", "chords"}, "in.tab"), 0) << err;
    EXPECT_EQ(out, "Intro\n    C   Am\ne|--0---0--|\nB|--1---1--|\nG|--0---2--|\nD|--2---2--|\nA|--3---0--|\n"
                   "E|----3----|\n");
    // Unlabeled strings take the tuning step's labels.
    Write("drop.tab", "|--2--|\n|--3--|\n|--2--|\n|--0--|\n|-----|\n|--0--|\n");
    ASSERT_EQ(Run({"-", "tuning=DADGBE", "chords"}, "drop.tab"), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')), "   D");
    ASSERT_EQ(Run({"-", "chords", "undo"}, "in.tab"), 0) << err;
    EXPECT_EQ(out, Read(P("in.tab")));
}

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
    EXPECT_EQ(Run({P("in.tab"), "-i", "caret=0,4", "bar", GetParam()}), 2);
    EXPECT_EQ(Read(P("in.tab")), original);
}

INSTANTIATE_TEST_SUITE_P(Steps, BadStep,
                         ::testing::Values("frobnicate", "caret=1", "caret=a,b", "caret=-1,0", "select=0,0,1",
                                           "width=100", "time=5/4", "bar=1", "caret=9,0", "caret=0,20", "type=\xFF",
                                           "transpose=13", "transpose=x", "capo=-1", "retune="));

TEST_F(Cli, UnreadableInputOrUnwritableOutputExitsWithTwo)
{
    EXPECT_EQ(Run({P("missing.tab"), "bar"}), 2);
    EXPECT_NE(err.find("missing.tab"), std::string::npos) << err;
    Write("in.tab", "x\n");
    EXPECT_EQ(Run({P("in.tab"), "-o", P("nodir/out.tab")}), 2);
}

TEST_F(Cli, ExportPicksTheFormatByExtensionAndRefusesUnknownOnes)
{
    Write("in.tab", "Tempo: 90\ne|-0---2---3---5---|\nB|-----------------|\nG|-----------------|\n"
                    "D|-----------------|\nA|-----------------|\nE|-----------------|\n");
    ASSERT_EQ(Run({P("in.tab"), "--export", P("uit.MID"), "--tempo", "120"}), 0) << err;
    const std::string midi = Read(P("uit.MID"));
    EXPECT_EQ(midi.substr(0, 4), "MThd");
    // The text's own tempo wins over --tempo: 60,000,000 / 90 microseconds.
    EXPECT_NE(midi.find(std::string("\xFF\x51\x03\x0A\x2C\x2B", 6)), std::string::npos);
    EXPECT_EQ(out, ""); // the text goes nowhere with only an export asked for

    ASSERT_EQ(Run({P("in.tab"), "--export", P("uit.musicxml")}), 0) << err;
    EXPECT_NE(Read(P("uit.musicxml")).find("<fret>3</fret>"), std::string::npos);

    EXPECT_EQ(Run({P("in.tab"), "--export", P("uit.ogg")}), 2);
    EXPECT_NE(err.find("onbekend exportformaat"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(P("uit.ogg")));
    EXPECT_EQ(Run({P("in.tab"), "--export", P("t.mid"), "--tempo", "5"}), 2);
    EXPECT_FALSE(fs::exists(P("t.mid")));
}

// WAV export: the staff sounds for as long as its bars last at the tempo
// that applies, plus a short ring-out.
struct WavGeval {
    const char* naam;
    std::string document;
    const char* tempo;
    double seconden;
};

class WavExport : public Cli, public ::testing::WithParamInterface<WavGeval> {};

const std::string kWavStaf = "e|-0-2-3-5-|-7-5-3-2-|-0---3---|-5-------|\nB|---------|---------|---------|---------|\n"
                             "G|---------|---------|---------|---------|\nD|---------|---------|---------|---------|\n"
                             "A|---------|---------|---------|---------|\nE|---------|---------|---------|---------|\n";

TEST_P(WavExport, SoundsForTheTimeOfItsBars)
{
    Write("in.tab", GetParam().document);
    const int status = Run({P("in.tab"), "--export", P("uit.wav"), "--tempo", GetParam().tempo});
    if (status == 2 && err.find("klankbank") != std::string::npos)
        GTEST_SKIP() << "geen General MIDI-klankbank geinstalleerd: " << err;
    ASSERT_EQ(status, 0) << err;
    const std::string wav = Read(P("uit.wav"));
    ASSERT_GT(wav.size(), 44u);
    auto le = [&](std::size_t i, int n) {
        std::uint32_t v = 0;
        for (int k = n - 1; k >= 0; --k)
            v = v << 8 | static_cast<unsigned char>(wav[i + static_cast<std::size_t>(k)]);
        return v;
    };
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(le(22, 2), 2u);     // stereo
    EXPECT_EQ(le(24, 4), 44100u);
    EXPECT_EQ(le(34, 2), 16u);
    ASSERT_EQ(wav.substr(36, 4), "data");
    ASSERT_EQ(le(40, 4), wav.size() - 44);
    const double frames = (wav.size() - 44) / 4.0;
    EXPECT_NEAR(frames / 44100.0, GetParam().seconden, GetParam().seconden * 0.05);
    double som = 0;
    for (std::size_t i = 44; i + 1 < wav.size(); i += 2) {
        const double m = static_cast<std::int16_t>(le(i, 2));
        som += m * m;
    }
    EXPECT_GT(std::sqrt(som / (frames * 2)), 100.0) << "te stil";
}

INSTANTIATE_TEST_SUITE_P(
    Cli, WavExport,
    ::testing::Values(WavGeval{"FourBarsAtTheTempoGiven", kWavStaf, "120", 8.0},
                      WavGeval{"TheTextsTempoWins", "Tempo: 60\n" + kWavStaf, "120", 16.0},
                      WavGeval{"ThreeFourBars", "3/4\n" + kWavStaf, "100", 7.2}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Cli, WavExportWithoutASoundFontSaysSoAndWritesNothing)
{
    Write("in.tab", kWavStaf);
    ::setenv("KORVANE_SOUNDFONT", P("geen.sf2").c_str(), 1);
    const int status = Run({P("in.tab"), "--export", P("uit.wav")});
    ::unsetenv("KORVANE_SOUNDFONT");
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("Er is geen General MIDI-klankbank (SoundFont) gevonden"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(P("uit.wav")));
    // The sound is made by a helper program; it speaks the tool's language.
    ::setenv("KORVANE_SOUNDFONT", P("geen.sf2").c_str(), 1);
    EXPECT_EQ(Run({"--lang", "en", P("in.tab"), "--export", P("uit.wav")}), 2);
    ::unsetenv("KORVANE_SOUNDFONT");
    EXPECT_NE(err.find("No General MIDI SoundFont was found"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(P("uit.wav")));
}

TEST_F(Cli, StateLineAndMessagesGoToStandardError)
{
    Write("in.tab", "x\nE|-----|\nB|-----|\n");
    Run({P("in.tab"), "--state", "caret=2,6", "bar"});
    EXPECT_EQ(err, "caret=20 line=2 column=6 selection=0 staffs=1 modified=1\n");
    // Offsets and columns count characters, whatever their bytes in the file.
    Write("uni.tab", "\xE2\x80\x9C" "a\xC3\xA9\n");
    Run({P("uni.tab"), "--state", "caret=0,2", "type=\xE2\x82\xAC\xC3\xA9"});
    EXPECT_EQ(err, "caret=4 line=0 column=4 selection=0 staffs=0 modified=1\n");
    EXPECT_EQ(Run({P("in.tab"), "tuning=", "staff"}), 0);
    EXPECT_EQ(err, "korvane: Geen stemming geselecteerd\n");
    // The page's lines make the analysis stale; the conversion must see them.
    Run({P("in.tab"), "--state", "full-page"});
    EXPECT_EQ(out.find('-'), std::string::npos) << "the page is converted";
    EXPECT_NE(err.find("modified=0"), std::string::npos) << err;
}

// Faults of input and output: the exit status, the message and the target's
// bytes before and after (nullopt: no such file). Owner and mode of a target
// that exists afterwards are those it had before.
// The language: --lang, else the locale; Dutch for the C locale.
struct LangRow {
    std::vector<std::string> args;
    std::string locale;
    int exit;
    std::string out; // the start of standard output
    std::string err; // a part of standard error
};

struct Languages : Cli, ::testing::WithParamInterface<LangRow> {};

TEST_P(Languages, SpeakTheChosenOne)
{
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args)
        args.push_back(At(a));
    EXPECT_EQ(Run(args, "", GetParam().locale), GetParam().exit) << err;
    EXPECT_EQ(out.substr(0, GetParam().out.size()), GetParam().out);
    EXPECT_NE(err.find(GetParam().err), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Languages,
    ::testing::Values(
        LangRow{{"--lang", "en", "--help"}, "C", 0, "Usage: korvane-cli FILE [-o OUT | -i] [--state] STEP...\n", ""},
        LangRow{{"--help"}, "C", 0, "Gebruik: korvane-cli BESTAND [-o UIT | -i] [--state] STAP...\n", ""},
        LangRow{{"--lang=nl", "--help"}, "en_GB.UTF-8", 0, "Gebruik: korvane-cli BESTAND", ""},
        LangRow{{"--help"}, "en_US.UTF-8", 0, "Usage: korvane-cli FILE", ""},
        LangRow{{"--help"}, "nl_NL.UTF-8", 0, "Gebruik: korvane-cli BESTAND", ""},
        LangRow{{"@missing.tab", "--lang", "en", "bar"}, "C", 2, "", "cannot open file "},
        LangRow{{"@missing.tab", "bar"}, "C", 2, "", "kan bestand "},
        LangRow{{"--lang", "en", "-", "bogus"}, "C", 2, "", "korvane-cli: unknown step 'bogus' (see --help)\n"},
        LangRow{{"--lang", "de", "--help"}, "C", 2, "", "korvane-cli: --lang verwacht nl of en\n"}));

TEST_F(Cli, TheDutchHelpIsTheSameWithAndWithoutLangNl)
{
    ASSERT_EQ(Run({"--help"}, "", "C"), 0);
    const std::string gewoon = out;
    ASSERT_EQ(Run({"--lang", "nl", "--help"}, "", "en_US.UTF-8"), 0);
    EXPECT_EQ(out, gewoon);
    ASSERT_EQ(Run({"--lang", "en", "--help"}, "", "C"), 0);
    EXPECT_EQ(out.find("Gebruik"), std::string::npos);
}

struct FaultRow {
    const char* name;
    std::vector<std::string> args;
    std::string input; // as for Launch
    std::string limit;
    int exit;
    std::string message; // a part of standard error
    const char* target;
    std::optional<std::string> before, after;
    bool ordinaryUser = false;
    mode_t mode = 0644;
    enum Owner { Runner, Root, Nobody } owner = Runner; // of the target
    void (*prepare)(const fs::path& dir) = nullptr;
    const char* link = nullptr; // still a symbolic link afterwards
};

std::ostream& operator<<(std::ostream& os, const FaultRow& r) { return os << r.name; }

const std::string tab = "E|-----|\nB|-----|\n";
const std::string barred = "E|--|---|\nB|--|---|\n";
const std::string uni = "E|-----|\nB|\xE2\x9C\x93----|\n";
void SchrijfUni(const fs::path& dir) { std::ofstream(dir / "uni.tab", std::ios::binary) << uni; }

const FaultRow faultRows[] = {
    {"StandardInputThatIsAFolder", {"-", "-o", "@song.tab"}, "@", "", 2, "kan de standaardinvoer niet lezen: het is een map",
     "song.tab", tab, tab},
    {"StandardInputThatIsClosed", {"-", "-o", "@song.tab"}, "closed", "", 2, "kan de standaardinvoer niet lezen",
     "song.tab", tab, tab},
    {"ReadErrorHalfway", {"/proc/self/mem", "-o", "@song.tab"}, "", "", 2, "kan bestand /proc/self/mem niet lezen",
     "song.tab", tab, tab},
    {"EndlessDeviceStopsAtTheLimit", {"/dev/zero", "-o", "@song.tab"}, "", "1048576", 2, "groter dan 1 MiB",
     "song.tab", tab, tab},
    {"EndlessPipeStopsAtTheLimit", {"-", "-o", "@song.tab"}, "endless", "1048576", 2, "groter dan 1 MiB", "song.tab",
     tab, tab},
    {"EndlessDeviceBeyondTheMemory", {"/dev/zero", "-o", "@song.tab"}, "", "", 2, "onvoldoende geheugen", "song.tab",
     tab, tab},
    // Sparse: a gigabyte the disk does not hold and the program must not read.
    {"FileOverTheLimitIsNotRead", {"@big.tab", "-o", "@song.tab"}, "", "", 2, "groter dan 1 GiB", "song.tab", tab, tab,
     false, 0644,
     FaultRow::Runner, [](const fs::path& d) {
         std::ofstream(d / "big.tab").flush();
         fs::resize_file(d / "big.tab", (std::uintmax_t(1) << 30) + 1);
     }},
    {"FileAtTheLimitIsRead", {"@in.tab", "-i", "caret=0,4", "bar"}, "", std::to_string(tab.size()), 0, "", "in.tab",
     tab, barred},
    {"FileOneOverTheLimit", {"@in.tab", "-i", "caret=0,4", "bar"}, "", std::to_string(tab.size() - 1), 2,
     "groter dan " + std::to_string(tab.size() - 1) + " bytes", "in.tab", tab, tab},
    {"WriteProtectedFileInPlace", {"@in.tab", "-i", "caret=0,4", "bar"}, "", "", 2, "schrijfbeveiligd", "in.tab", tab,
     tab, true, 0444},
    {"WriteProtectedOutput", {"@in.tab", "-o", "@out.tab", "caret=0,4", "bar"}, "", "", 2, "schrijfbeveiligd",
     "out.tab", "old", "old", true, 0444},
    {"SomeoneElsesFileInPlace", {"@in.tab", "-i", "caret=0,4", "bar"}, "", "", 2, "eigenaar", "in.tab", tab, tab,
     true, 0666, FaultRow::Root},
    {"InPlaceKeepsAnotherOwnersFileTheirs", {"@in.tab", "-i", "caret=0,4", "bar"}, "", "", 0, "", "in.tab", tab,
     barred, false, 0640, FaultRow::Nobody},
    {"DanglingLinkGetsItsTarget", {"@in.tab", "-o", "@out.tab", "caret=0,4", "bar"}, "", "", 0, "", "new.tab",
     std::nullopt, barred, false, 0644, FaultRow::Runner,
     [](const fs::path& d) { fs::create_symlink("new.tab", d / "out.tab"); }, "out.tab"},
    {"LinkLoop", {"@in.tab", "-o", "@a.tab"}, "", "", 2, "kring", "a.tab", std::nullopt, std::nullopt, false, 0644,
     FaultRow::Runner,
     [](const fs::path& d) {
         fs::create_symlink("b.tab", d / "a.tab");
         fs::create_symlink("a.tab", d / "b.tab");
     },
     "a.tab"},
    {"OverlongNulIsNoUtf8", {"@in.tab", "-o", "@out.tab", "type=\xC0\x80"}, "", "", 2, "geen geldige UTF-8", "out.tab",
     std::nullopt, std::nullopt},
    {"SurrogateIsNoUtf8", {"@in.tab", "-o", "@out.tab", "type=\xED\xA0\x80"}, "", "", 2, "geen geldige UTF-8",
     "out.tab", std::nullopt, std::nullopt},
    {"CharacterOutsideTheDocumentsCharacterSet",
     {"@in.tab", "-o", "@out.tab", "--to", "windows-1252", "type=\xF0\x9F\x8E\xB8"}, "", "", 2,
     "het teken U+1F3B8", "out.tab", std::nullopt, std::nullopt},
    {"EuroSignIsItsWindows1252Byte", {"@in.tab", "-o", "@out.tab", "--to", "windows-1252", "type=\xE2\x82\xAC"}, "", "",
     0, "", "out.tab", std::nullopt, "\x80" + tab},
    {"EuroSignInAnAsciiFileIsUtf8", {"@in.tab", "-o", "@out.tab", "type=\xE2\x82\xAC"}, "", "", 0, "", "out.tab",
     std::nullopt, "\xE2\x82\xAC" + tab},
    // A character the target encoding cannot hold: the line and column of the
    // first, and nothing written, in place or not.
    {"RefusedConversion", {"@uni.tab", "-o", "@out.tab", "--to", "windows-1252"}, "", "", 2, "regel 2, kolom 3",
     "out.tab", std::nullopt, std::nullopt, false, 0644, FaultRow::Runner, &SchrijfUni},
    {"RefusedConversionInPlace", {"@uni.tab", "-i", "--to", "windows-1252"}, "", "", 2, "regel 2, kolom 3", "uni.tab",
     uni, uni},
    {"UnknownEncoding", {"@in.tab", "-o", "@out.tab", "--to", "latin-9"}, "", "", 2, "onbekende codering \"latin-9\"",
     "out.tab", std::nullopt, std::nullopt},
    {"InputNotValidInTheAskedEncoding", {"@in.tab", "-o", "@out.tab", "--from", "utf-16be"}, "", "", 2,
     "de invoer is geen geldige utf-16be-tekst", "out.tab", std::nullopt, std::nullopt, false, 0644, FaultRow::Runner,
     [](const fs::path& dir) { std::ofstream(dir / "in.tab", std::ios::binary) << "abc"; }},
};

struct Faults : Cli, ::testing::WithParamInterface<FaultRow> {};

TEST_P(Faults, ExitWithTheirMessageAndLeaveTheTargetAsExpected)
{
    const FaultRow& r = GetParam();
    if (r.owner != FaultRow::Runner && ::geteuid() != 0) {
        GTEST_SKIP() << "files of two users need root";
    }
    Write("in.tab", tab);
    if (r.before)
        Write(r.target, *r.before);
    if (r.prepare)
        r.prepare(dir);
    if (r.ordinaryUser)
        GiveToOrdinaryUser();
    if (r.owner == FaultRow::Root) {
        ASSERT_EQ(::lchown(P(r.target).c_str(), 0, 0), 0);
    } else if (r.owner == FaultRow::Nobody) {
        ASSERT_EQ(::lchown(P(r.target).c_str(), Nobody().first, Nobody().second), 0);
    }
    struct stat before {};
    if (r.before) {
        ASSERT_EQ(::chmod(P(r.target).c_str(), r.mode), 0);
    }
    ::stat(P(r.target).c_str(), &before);

    EXPECT_EQ(Start({r.args, r.input, r.limit, r.ordinaryUser}), r.exit) << err;
    if (r.exit != 0) {
        EXPECT_EQ(err.rfind("korvane-cli: ", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_NE(err.find(r.message), std::string::npos) << err;
    if (r.after) {
        EXPECT_EQ(Read(P(r.target)), *r.after);
        struct stat after {};
        ASSERT_EQ(::stat(P(r.target).c_str(), &after), 0);
        if (r.before) {
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(after.st_uid, before.st_uid);
            EXPECT_EQ(after.st_gid, before.st_gid);
        }
    } else {
        std::error_code loop;
        EXPECT_FALSE(fs::exists(P(r.target), loop));
    }
    if (r.link) {
        EXPECT_TRUE(fs::is_symlink(P(r.link)));
    }
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename().string().find(".korvane-"), std::string::npos) << "temporary left behind";
}

INSTANTIATE_TEST_SUITE_P(Cli, Faults, ::testing::ValuesIn(faultRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Every step on input that cannot be read, never ends or is too big: exit 2,
// nothing written, no abort.
struct BadInput {
    const char* name;
    const char* file;
    const char* input;
    const char* limit;
};

std::ostream& operator<<(std::ostream& os, const BadInput& b) { return os << b.name; }

const BadInput badInputs[] = {
    {"StandardInputFolder", "-", "@", ""},
    {"StandardInputClosed", "-", "closed", ""},
    {"Folder", "@", "", ""},
    {"Missing", "@missing.tab", "", ""},
    {"ReadError", "/proc/self/mem", "", ""},
    {"EndlessDevice", "/dev/zero", "", "65536"},
    {"EndlessPipe", "-", "endless", "65536"},
    {"Oversized", "@big.tab", "", ""},
};

const char* const everyStep[] = {
    "caret=0,0", "select=0,0,0,0", "type=x", "tuning=EADGBE", "width=40", "time=4/4", "staff", "bar",
    "space", "repeat-begin", "repeat-end", "tuning-column", "line-ends", "left-align", "vcopy", "vcut",
    "vpaste", "undo", "lines", "ascii", "full-page", "analyze", "check", "repair", "chords",
};

struct StepOnBadInput : Cli, ::testing::WithParamInterface<std::tuple<const char*, BadInput>> {};

TEST_P(StepOnBadInput, ExitsWithTwoAndWritesNothing)
{
    const auto& [step, bad] = GetParam();
    Write("out.tab", "old");
    Write("big.tab", "");
    fs::resize_file(P("big.tab"), (std::uintmax_t(1) << 30) + 1);
    const std::size_t entries = Entries();
    EXPECT_EQ(Start({{bad.file, "-o", "@out.tab", step}, bad.input, bad.limit}), 2) << err;
    EXPECT_EQ(err.rfind("korvane-cli: ", 0), 0u) << err;
    EXPECT_EQ(Read(P("out.tab")), "old");
    EXPECT_EQ(Entries(), entries);
}

INSTANTIATE_TEST_SUITE_P(Cli, StepOnBadInput, ::testing::Combine(::testing::ValuesIn(everyStep), ::testing::ValuesIn(badInputs)),
                         [](const auto& info) {
                             std::string name = std::string(std::get<1>(info.param).name) + "_";
                             for (const char c : std::string(std::get<0>(info.param)))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace
