// What the tab commands may ask of the user: sounds, messages and questions.
// The window implements it with real dialogs, the command-line tool on
// standard error, and tests with scripted answers.
#pragma once

#include <string>

namespace korvane {

enum class Sound { Default, Exclamation, Question };

enum class DialogKind { Confirmation, Warning, Error, Information };

enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };

enum class Answer { Ok, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void Beep(Sound sound) = 0;
    // A plain message box: the program's title and one "OK" button. UTF-8.
    virtual void Message(const std::string& text) = 0;
    // A typed dialog ("Bevestigen", "Waarschuwing", "Fout", "Informatie").
    virtual Answer Ask(DialogKind kind, const std::string& text, Buttons buttons) = 0;

    // "Bevestigen" with "&Ja" and "&Nee".
    bool Confirm(const std::string& text)
    {
        return Ask(DialogKind::Confirmation, text, Buttons::YesNo) == Answer::Yes;
    }
};

} // namespace korvane
