// Every modal interaction of the program goes through a Prompter: message
// boxes, questions, sounds and the common dialogs. The window gets the real
// one; tests script the answers and count the beeps.
#pragma once

#include "core/dialogs.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace korvane {

struct FileDialogRequest {
    QString title;
    QString directory;
    QString fileName;      // proposed name (save dialogs)
    QStringList filters;   // "Tab (*.tab)" style entries, in order
    int filterIndex = 0;   // chosen entry, also on return
    QString defaultSuffix;
};

struct PrintDialogRequest {
    bool allowSelection = false;
    bool selectionOnly = false;
    int fromPage = 0;      // 0: all pages
    int toPage = 0;
    int minPage = 1;
    int maxPage = 1;
};

class Prompter : public Dialogs {
public:
    // An empty string when cancelled.
    virtual QString OpenFileName(FileDialogRequest& request) = 0;
    virtual QString SaveFileName(FileDialogRequest& request) = 0;
    virtual QString ExistingDirectory(const QString& title, const QString& start) = 0;
    // One-line input; nullopt when cancelled.
    virtual std::optional<QString> GetText(const QString& title, const QString& label,
                                           const QString& text) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial, bool fixedPitchOnly) = 0;
    virtual std::optional<QColor> ChooseColor(const QColor& initial) = 0;
    // Shows the print dialog on `printer`; false when cancelled. The request
    // carries the range chosen back.
    virtual bool PrintDialog(QPrinter& printer, PrintDialogRequest& request) = 0;
    virtual bool PrinterSetup(QPrinter& printer) = 0;
    // Shows one of the program's own modal dialogs (options, wizard) and
    // returns its QDialog result. The real prompter runs exec().
    virtual int ExecDialog(QDialog& dialog);
};

// The real dialogs of the desktop.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void Beep(Sound sound) override;
    void Message(const std::string& text) override;
    Answer Ask(DialogKind kind, const std::string& text, Buttons buttons) override;
    QString OpenFileName(FileDialogRequest& request) override;
    QString SaveFileName(FileDialogRequest& request) override;
    QString ExistingDirectory(const QString& title, const QString& start) override;
    std::optional<QString> GetText(const QString& title, const QString& label,
                                   const QString& text) override;
    std::optional<QFont> ChooseFont(const QFont& initial, bool fixedPitchOnly) override;
    std::optional<QColor> ChooseColor(const QColor& initial) override;
    bool PrintDialog(QPrinter& printer, PrintDialogRequest& request) override;
    bool PrinterSetup(QPrinter& printer) override;

private:
    QWidget* m_parent;
};

} // namespace korvane
