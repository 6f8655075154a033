// A tab as a Standard MIDI File (type 1): a first track with the tempo and
// the time signatures, then one track per group of staffs. Each string has a
// channel of its own, so that a bend or a slide on one string bends nothing
// else; techniques sound as a guitarist plays them (see midi.cpp).
#pragma once

#include "music/timing.h"

#include <string>
#include <string_view>

namespace korvane {

// The pitch-bend range set on every channel, in semitones: a whole-step bend
// and slides of up to two octaves glide; longer slides glide that far and
// land with a new attack.
inline constexpr int kBuigBereik = 24;

// The bytes of the file. `titel` names the first track.
std::string SchrijfMidi(const Muziekstuk& stuk, const Tijdlijn& tijden, std::string_view titel);

} // namespace korvane
