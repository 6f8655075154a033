// A tab as MusicXML 4.0 (partwise): one part per group of staffs, each on a
// TAB staff with its strings' tuning, every note with its pitch, string and
// fret, the techniques as notations, measures from the bar lines, repeats,
// and the chord names above the staffs as harmonies.
#pragma once

#include "music/timing.h"

#include <span>
#include <string>
#include <string_view>

namespace korvane {

// The document as MusicXML, UTF-8. `titel` becomes the work title.
std::string SchrijfMusicXml(const Muziekstuk& stuk, const Tijdlijn& tijden, std::string_view titel);

// The title a document gives itself: its first written line above the first
// staff that is no statement (capo, tempo, time signature), chord line or
// count line; `terugval` (the file's name) when there is none. UTF-8.
std::string TitelVan(std::span<const std::u32string_view> regels, const Muziekstuk& stuk, std::string_view terugval);
std::string TitelVan(Regelbron& regels, const Muziekstuk& stuk, std::string_view terugval);

} // namespace korvane
