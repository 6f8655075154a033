// Where the General MIDI SoundFont is, for the media player, the playback of
// the tab and the WAV export alike.
#pragma once

#include <string>

namespace korvane {

// The SoundFont named by KORVANE_SOUNDFONT when that is set (empty when it
// names no file), else the first General MIDI bank of the system; an empty
// text when there is none.
std::string FindSoundFont();

// What the user is told when FindSoundFont() finds nothing (UTF-8).
std::string GeenKlankbankMelding();

} // namespace korvane
