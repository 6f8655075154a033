// The exports of the command line. The PDF is printed and the WAV rendered
// by helper programs beside this one: printing needs Qt's GUI libraries and
// sound needs FluidSynth with its audio stack, and loading those took longer
// than the other steps take on a large file, so only those exports pay for
// them.
#include "cli/export.h"

#include "cli/catalogus.h"
#include "core/utf8.h"
#include "core/vertaling.h"
#include "music/editorbron.h"
#include "music/midi.h"
#include "music/musicxml.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace korvane {

namespace {

// A helper program: next to this one, in the build tree as after an install.
std::string Hulpprogramma(const char* naam)
{
    std::error_code ec;
    const std::filesystem::path zelf = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : (zelf.parent_path() / naam).string();
}


// Runs helper `naam` with `args` in this run's language, hands it `invoer`
// on its standard input and collects its standard output in `antwoord`.
// The helpers read all their input before they answer, so writing first and
// reading after cannot block. Returns the exit status, or -1 with why the
// helper could not run in `fout`.
int RoepHulp(const char* naam, std::vector<std::string> args, std::string_view invoer, std::string& antwoord,
             std::string& fout)
{
    const std::string pad = Hulpprogramma(naam);
    if (pad.empty() || ::access(pad.c_str(), X_OK) != 0) {
        fout = Invul(Vertaal("korvane-cli", "het hulpprogramma %1 ontbreekt naast korvane-cli"), {naam});
        return -1;
    }
    int naar[2], van[2];
    if (::pipe2(naar, O_CLOEXEC) != 0) {
        fout = Invul(Vertaal("korvane-cli", "%1 start niet"), {naam});
        return -1;
    }
    if (::pipe2(van, O_CLOEXEC) != 0) {
        ::close(naar[0]);
        ::close(naar[1]);
        fout = Invul(Vertaal("korvane-cli", "%1 start niet"), {naam});
        return -1;
    }
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_adddup2(&acties, naar[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&acties, van[1], STDOUT_FILENO);
    args.insert(args.begin(), {naam, "--lang=" + HuidigeCliTaal()});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int gestart = ::posix_spawn(&pid, pad.c_str(), &acties, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    ::close(naar[0]);
    ::close(van[1]);
    if (gestart != 0) {
        ::close(naar[1]);
        ::close(van[0]);
        fout = Invul(Vertaal("korvane-cli", "%1 start niet"), {naam});
        return -1;
    }

    // A helper that stops early must not take this program down with it.
    struct sigaction negeer {}, oud {};
    negeer.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &negeer, &oud);
    SchrijfAlles(naar[1], invoer);
    ::close(naar[1]);
    ::sigaction(SIGPIPE, &oud, nullptr);

    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(van[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        antwoord.append(buf, static_cast<std::size_t>(n));
    }
    ::close(van[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

} // namespace

bool SchrijfAlles(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string ExporteerPdf(const EditorOps& editor, const std::string& bestandsnaam, const std::string& uit,
                         const std::string& papier)
{
    if (papier != "A4" && papier != "Letter")
        return Invul(Vertaal("korvane-cli", "onbekend papierformaat '%1' (A4 of Letter)"), {papier});
    std::string tekst;
    const int regels = editor.LineCount();
    editor.VisitLines(0, regels, [&tekst](int i, std::u32string_view s) {
        if (i > 0)
            tekst += '\n';
        for (const char32_t c : s)
            VoegUtf8Toe(tekst, c);
    });
    // An empty line after the last line break is no line of its own to
    // the editor, but it is part of the text.
    std::size_t lengte = 0;
    editor.VisitLines(0, regels, [&lengte](int, std::u32string_view s) { lengte += s.size(); });
    if (static_cast<std::size_t>(editor.TextLength()) > lengte + 2 * static_cast<std::size_t>(std::max(regels - 1, 0)))
        tekst += '\n';

    std::string antwoord, fout;
    const int status = RoepHulp("korvane-pdf", {bestandsnaam, uit, papier}, tekst, antwoord, fout);
    if (status == 0)
        return {};
    const std::string kanNiet = Invul(Vertaal("korvane-cli", "kan PDF %1 niet schrijven"), {uit});
    if (status < 0)
        return kanNiet + ": " + fout;
    return antwoord.empty() ? kanNiet : antwoord;
}

Exportsoort ExportsoortVan(const std::string& uit)
{
    std::string ext = std::filesystem::path(uit).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".pdf")
        return Exportsoort::Pdf;
    if (ext == ".mid" || ext == ".midi")
        return Exportsoort::Midi;
    if (ext == ".musicxml" || ext == ".xml")
        return Exportsoort::MusicXml;
    if (ext == ".wav")
        return Exportsoort::Wav;
    return Exportsoort::Onbekend;
}

std::string MuziekExport(const EditorOps& editor, const std::u32string& stemming, const std::string& bestandsnaam,
                         Exportsoort soort, double tempo, std::string& fout)
{
    TabAnalyse analyse;
    analyze(editor, analyse);
    Stemming huidige;
    BerekenStemming(stemming, huidige);
    // The lines a stretch at a time, for the model and the timing alike.
    EditorRegels regels(editor);
    const Muziekstuk stuk = LeesMuziek(regels, analyse, SnaarnamenVan(huidige));
    const Tijdlijn tijden = BerekenTijden(stuk, regels, {tempo});
    const std::string naam = bestandsnaam == "-" ? "Tab" : std::filesystem::path(bestandsnaam).stem().string();
    const std::string titel = TitelVan(regels, stuk, naam);
    if (soort == Exportsoort::MusicXml)
        return SchrijfMusicXml(stuk, tijden, titel);
    std::string midi = SchrijfMidi(stuk, tijden, titel);
    if (soort == Exportsoort::Midi)
        return midi;
    // The sound is made by korvane-wav from the MIDI bytes, the tempo map
    // (tick:bpm,...) and the length in ticks.
    std::string tempi;
    for (const Tempowissel& t : Tempokaart(tijden))
        tempi += (tempi.empty() ? "" : ",") + std::to_string(t.tik) + ":" + std::to_string(t.bpm);
    std::string wav;
    const int status = RoepHulp("korvane-wav", {std::to_string(Speelduur(tijden)), tempi}, midi, wav, fout);
    if (status == 0)
        return wav;
    if (status > 0)
        fout = wav.empty() ? Invul(Vertaal("korvane-cli", "%1 maakte geen geluid"), {"korvane-wav"}) : wav;
    return {};
}

} // namespace korvane
