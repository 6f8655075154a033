// The exports of the command line. The PDF is printed by a helper program
// beside this one: printing needs Qt's GUI libraries, and loading those
// took longer than the other steps take on a large file, so only a PDF
// export pays for them.
#include "cli/export.h"

#include "core/utf8.h"
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

extern char** environ;

namespace korvane {

namespace {

// The helper that prints: next to this program, in the build tree as after
// an install.
std::string PdfHelper()
{
    std::error_code ec;
    const std::filesystem::path zelf = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : (zelf.parent_path() / "korvane-pdf").string();
}

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

} // namespace

std::string ExporteerPdf(const EditorOps& editor, const std::string& bestandsnaam, const std::string& uit,
                         const std::string& papier)
{
    if (papier != "A4" && papier != "Letter")
        return "onbekend papierformaat '" + papier + "' (A4 of Letter)";
    const std::string helper = PdfHelper();
    if (helper.empty() || ::access(helper.c_str(), X_OK) != 0)
        return "kan PDF " + uit + " niet schrijven: het hulpprogramma korvane-pdf ontbreekt naast korvane-cli";

    // The document goes to the helper as UTF-8 on its standard input, its
    // answer (empty, or why nothing could be written) comes back on its
    // standard output.
    int naar[2], van[2];
    if (::pipe2(naar, O_CLOEXEC) != 0)
        return "kan PDF " + uit + " niet schrijven";
    if (::pipe2(van, O_CLOEXEC) != 0) {
        ::close(naar[0]);
        ::close(naar[1]);
        return "kan PDF " + uit + " niet schrijven";
    }
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_adddup2(&acties, naar[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&acties, van[1], STDOUT_FILENO);
    std::string a0 = "korvane-pdf", a1 = bestandsnaam, a2 = uit, a3 = papier;
    char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data(), nullptr};
    pid_t pid = 0;
    const int gestart = ::posix_spawn(&pid, helper.c_str(), &acties, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&acties);
    ::close(naar[0]);
    ::close(van[1]);
    if (gestart != 0) {
        ::close(naar[1]);
        ::close(van[0]);
        return "kan PDF " + uit + " niet schrijven: korvane-pdf start niet";
    }

    // A helper that stops early must not take this program down with it.
    struct sigaction negeer {}, oud {};
    negeer.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &negeer, &oud);
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
    SchrijfAlles(naar[1], tekst);
    ::close(naar[1]);
    ::sigaction(SIGPIPE, &oud, nullptr);

    std::string antwoord;
    char buf[4096];
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
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return {};
    return antwoord.empty() ? "kan PDF " + uit + " niet schrijven" : antwoord;
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
    return Exportsoort::Onbekend;
}

std::string MuziekExport(const EditorOps& editor, const std::u32string& stemming, const std::string& bestandsnaam,
                         Exportsoort soort, double tempo)
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
    return soort == Exportsoort::Midi ? SchrijfMidi(stuk, tijden, titel) : SchrijfMusicXml(stuk, tijden, titel);
}

} // namespace korvane
