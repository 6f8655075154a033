// Dialogs for core tests: records what the user would see and hear, answers
// from a script, and fails loudly on a question nobody expected.
#pragma once

#include "core/dialogs.h"

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvane::test {

class RecordingDialogs : public Dialogs {
public:
    std::vector<Sound> beeps;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<Answer> answers;

    int Count(Sound s) const { return static_cast<int>(std::count(beeps.begin(), beeps.end(), s)); }
    void Beep(Sound sound) override { beeps.push_back(sound); }
    void Message(const std::string& text) override { messages.push_back(text); }
    Answer Ask(DialogKind, const std::string& text, Buttons) override
    {
        questions.push_back(text);
        if (answers.empty())
            throw std::logic_error("unexpected question: " + text);
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace korvane::test
