// The languages of korvane-cli. The English words are compiled into the tool
// from the same translation file as the window's, so that it speaks English
// without loading Qt.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace korvane {

struct CatalogusRij {
    const char* context;
    const char* bron;           // the Dutch source text
    const char* vertaling;
};

// "nl" or "en" for the locale of the environment (LC_ALL, else LC_MESSAGES,
// else LANG): English for an English locale, Dutch for a Dutch one and for
// the C/POSIX locale, English for any other language.
std::string TaalVanOmgeving();

// Makes `code` the language of every text from now on; "nl" keeps the
// Dutch source texts.
void InstalleerCliTaal(const std::string& code);
// The language installed last ("nl" before any call).
const std::string& HuidigeCliTaal();

} // namespace korvane
