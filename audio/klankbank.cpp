// The SoundFont search along the XDG data folders.
#include "audio/klankbank.h"
#include "core/vertaling.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace korvane {

std::string FindSoundFont()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (const char* eigen = std::getenv("KORVANE_SOUNDFONT"); eigen && *eigen)
        return fs::is_regular_file(eigen, ec) ? fs::canonical(eigen, ec).string() : std::string();

    // Debian's alternatives link first (it follows the administrator's
    // choice), then the packaged General MIDI banks by name.
    static const char* const namen[] = {
        "sounds/sf2/default-GM.sf2", "sounds/sf3/default-GM.sf3", "sounds/sf2/TimGM6mb.sf2",
        "sounds/sf2/FluidR3_GM.sf2", "sounds/sf3/MuseScore_General.sf3",
        "soundfonts/default.sf2",    "soundfonts/FluidR3_GM.sf2",
    };
    std::vector<std::string> mappen;
    const char* thuis = std::getenv("XDG_DATA_HOME");
    if (thuis && *thuis)
        mappen.emplace_back(thuis);
    else if (const char* home = std::getenv("HOME"); home && *home)
        mappen.push_back(std::string(home) + "/.local/share");
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::string rest = dirs && *dirs ? dirs : "/usr/local/share:/usr/share";
    for (std::size_t begin = 0; begin <= rest.size();) {
        const std::size_t eind = std::min(rest.find(':', begin), rest.size());
        if (eind > begin)
            mappen.push_back(rest.substr(begin, eind - begin));
        begin = eind + 1;
    }
    mappen.emplace_back("/usr/share");
    mappen.emplace_back("/usr/local/share");
    for (const char* naam : namen)
        for (const std::string& map : mappen) {
            const fs::path pad = fs::path(map) / naam;
            if (fs::is_regular_file(pad, ec))
                return fs::canonical(pad, ec).string();
        }
    return {};
}

std::string GeenKlankbankMelding()
{
    return Vertaal("Melding", "Er is geen General MIDI-klankbank (SoundFont) gevonden; installeer bijvoorbeeld het pakket "
                              "timgm6mb-soundfont");
}

} // namespace korvane
