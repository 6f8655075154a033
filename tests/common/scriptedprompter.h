// A Prompter for tests: answers come from a script, every beep and message is
// recorded, and an unexpected question fails loudly instead of blocking.
#pragma once

#include "files/prompter.h"

#include <QDialog>

#include <algorithm>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvane::test {

class ScriptedPrompter : public Prompter {
public:
    struct Question {
        DialogKind kind;
        std::string text;
        Buttons buttons;
    };

    std::vector<Sound> beeps;
    std::vector<std::string> messages;
    std::vector<Question> questions;
    std::deque<Answer> answers;
    std::deque<QString> fileNames;                 // open, save and folder dialogs
    std::deque<std::optional<QString>> texts;
    struct TextRequest {
        QString title, label, text;
    };
    std::vector<TextRequest> textRequests;
    std::deque<std::optional<QFont>> fonts;
    std::deque<std::optional<QColor>> colors;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::function<bool(QPrinter&, PrintDialogRequest&)>> printAnswers;
    int printerSetups = 0;
    // The program's own modal dialogs: each scripted function acts on the
    // dialog (fills fields, clicks a button) and returns its result. A dialog
    // nobody scripted is recorded and cancelled, so that a dialog a window
    // shows by itself (the start-up wizard) can never block a test.
    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    std::vector<QString> dialogs;   // object names, in order

    int Beeps(Sound s) const { return static_cast<int>(std::count(beeps.begin(), beeps.end(), s)); }

    void Beep(Sound sound) override { beeps.push_back(sound); }
    void Message(const std::string& text) override { messages.push_back(text); }
    Answer Ask(DialogKind kind, const std::string& text, Buttons buttons) override
    {
        questions.push_back({kind, text, buttons});
        return Next(answers, ("question: " + text).c_str());
    }
    QString OpenFileName(FileDialogRequest& r) override { return NextFile(r); }
    QString SaveFileName(FileDialogRequest& r) override { return NextFile(r); }
    QString ExistingDirectory(const QString& title, const QString& start) override
    {
        FileDialogRequest r;
        r.title = title;
        r.directory = start;
        return NextFile(r);
    }
    std::optional<QString> GetText(const QString& title, const QString& label, const QString& text) override
    {
        textRequests.push_back({title, label, text});
        return Next(texts, "text input");
    }
    std::optional<QFont> ChooseFont(const QFont&, bool) override { return Next(fonts, "font dialog"); }
    std::optional<QColor> ChooseColor(const QColor&) override { return Next(colors, "colour dialog"); }
    bool PrintDialog(QPrinter& printer, PrintDialogRequest& request) override
    {
        return Next(printAnswers, "print dialog")(printer, request);
    }
    bool PrinterSetup(QPrinter&) override
    {
        ++printerSetups;
        return true;
    }
    int ExecDialog(QDialog& dialog) override
    {
        dialogs.push_back(dialog.objectName());
        return dialogAnswers.empty() ? int(QDialog::Rejected) : Next(dialogAnswers, "dialog")(dialog);
    }

private:
    QString NextFile(FileDialogRequest& r)
    {
        fileRequests.push_back(r);
        return Next(fileNames, "file dialog");
    }
    template <typename T> static T Next(std::deque<T>& queue, const char* what)
    {
        if (queue.empty())
            throw std::logic_error(std::string("unexpected ") + what);
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

} // namespace korvane::test
