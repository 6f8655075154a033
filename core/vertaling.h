// The texts core shows the user are Dutch and marked for the translation
// tools. A program with a toolkit installs the function that looks up the
// chosen language's words; without one every text stays Dutch.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// lupdate collects the texts marked this way; the marker itself leaves the
// text as it is. Spelled exactly as the toolkit spells it, so that a file
// that sees both definitions compiles.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace korvane {

// Looks up a marked text; returns it unchanged when there is no translation.
using Vertaler = std::string (*)(const char* context, const char* tekst);
void ZetVertaler(Vertaler vertaler);

// The text in the chosen language.
std::string Vertaal(const char* context, const char* tekst);

// `patroon` with %1 ... %9 replaced by the arguments, in one pass, so that an
// argument holding "%2" stays as it is. Names and numbers go in this way so
// that a translation can put them where its own sentence needs them.
std::string Invul(std::string_view patroon, std::initializer_list<std::string_view> args);

// Takes "--lang CODE" or "--lang=CODE" out of argv (argv[0] is the program),
// so that the rest reads as before. nullopt without the option; an empty code
// when CODE is neither "nl" nor "en", for the caller's message.
std::optional<std::string> NeemTaalOptie(int& argc, char** argv);

// A message marked QT_TRANSLATE_NOOP("Melding", ...), in the chosen language.
inline std::string Melding(const char* tekst) { return Vertaal("Melding", tekst); }

} // namespace korvane
