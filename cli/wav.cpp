// korvane-wav: the command line's WAV export, in a program of its own so
// that korvane-cli loads FluidSynth and its audio libraries only when sound
// is asked for. korvane-cli starts it with the length in ticks and the tempo
// map (tick:bpm,...), and the MIDI file on standard input; it answers on
// standard output with the WAV file, or with why there is none (exit 1).
#include "audio/weergave.h"
#include "cli/catalogus.h"
#include "core/vertaling.h"

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace korvane {
namespace {

bool LeesTempi(std::string_view tekst, std::vector<Tempowissel>& tempi)
{
    while (!tekst.empty()) {
        const std::size_t komma = tekst.find(',');
        const std::string_view stuk = tekst.substr(0, komma);
        const std::size_t dubbel = stuk.find(':');
        if (dubbel == std::string_view::npos)
            return false;
        Tempowissel t;
        const auto [p, e] = std::from_chars(stuk.data(), stuk.data() + dubbel, t.tik);
        if (e != std::errc() || p != stuk.data() + dubbel)
            return false;
        const std::string bpm(stuk.substr(dubbel + 1));
        char* eind = nullptr;
        t.bpm = std::strtod(bpm.c_str(), &eind);
        if (eind == bpm.c_str() || *eind != '\0' || !(t.bpm > 0))
            return false;
        tempi.push_back(t);
        tekst = komma == std::string_view::npos ? std::string_view() : tekst.substr(komma + 1);
    }
    return true;
}

} // namespace
} // namespace korvane

int main(int argc, char** argv)
{
    using namespace korvane;
    const std::optional<std::string> taal = NeemTaalOptie(argc, argv);
    InstalleerCliTaal(taal && !taal->empty() ? *taal : TaalVanOmgeving());
    std::int64_t eind = 0;
    std::vector<Tempowissel> tempi;
    if (argc != 3 || std::from_chars(argv[1], argv[1] + std::char_traits<char>::length(argv[1]), eind).ec != std::errc() ||
        eind < 0 || !LeesTempi(argv[2], tempi)) {
        std::cout << Vertaal("korvane-cli", "korvane-wav wordt door korvane-cli gestart: korvane-wav TIKKEN TEMPI, "
                                            "met het MIDI-bestand op de standaardinvoer");
        return 2;
    }
    const std::string midi{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::string fout;
    const std::string wav = RenderWav(midi, tempi, eind, fout);
    if (wav.empty()) {
        std::cout << (fout.empty() ? Vertaal("korvane-cli", "er is geen geluid gemaakt") : fout);
        return 1;
    }
    std::cout.write(wav.data(), static_cast<std::streamsize>(wav.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
}
