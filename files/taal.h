// The language of the program's texts. Dutch is the source of every text;
// other languages come from the catalogues built into the program
// (":/i18n/korvane_<code>.qm"). Qt's own dialogs follow the same choice.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvane {

// The choice in the options dialog, kept in the per-user settings.
enum class Taalkeuze { Systeem, Nederlands, Engels };

Taalkeuze OpgeslagenTaalkeuze();
void ZetTaalkeuze(Taalkeuze keuze);

// "nl" or "en": English for an English locale, Dutch for a Dutch one and for
// the C/POSIX locale, English for any other language.
QString TaalVanLocale(const QLocale& locale);
// The language a choice stands for on this system.
QString TaalVan(Taalkeuze keuze, const QLocale& systeem = QLocale::system());

// Takes "--lang CODE" or "--lang=CODE" out of argv (argv[0] is the program),
// so that the rest reads as before. nullopt without the option; an empty code
// when CODE is neither "nl" nor "en", for the caller's message.
std::optional<QString> TaalOptie(int& argc, char** argv);

// The language of this run: `optie` when it names one, else the stored choice.
QString TaalVoorStart(const std::optional<QString>& optie);

// Makes `code` ("nl" or "en") the language of every text from now on: the
// program's catalogue, Qt's own translation, and the lookup behind core's
// messages. Replaces what an earlier call installed. Texts already on screen
// keep their words; windows are built after this call.
void InstalleerTaal(const QString& code);
// The language installed last ("nl" before any call).
QString HuidigeTaal();

} // namespace korvane
