// The outside programs the tool bar and the about box start: the desktop's
// volume control, its web browser and the mail handler for a "mailto:"
// address. Looking programs up and starting them are injectable so tests
// need neither the programs nor a desktop.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <vector>

namespace korvane {

class Prompter;

// One program that may take a role, with the fixed arguments it needs to
// open the right view (none for most).
struct ProgramCandidate {
    QString program;
    QStringList arguments;
};

// Volume controls of the common Linux desktops, most specific first.
const std::vector<ProgramCandidate>& VolumeControlCandidates();
// Web browsers: Debian's alternatives first (they follow the user's choice),
// then browsers by name.
const std::vector<ProgramCandidate>& WebBrowserCandidates();

// "mailto:%s?subject=%s&body=%s" with every part percent-encoded, so that a
// blank, "&", "?" or "#" in a part cannot end it early.
QUrl BuildMailtoUrl(const QString& address, const QString& subject, const QString& body);

class ExternalTools {
public:
    // Returns the full path of an executable, or an empty string.
    using Locator = std::function<QString(const QString& program)>;
    // Starts a program detached; false when it could not be started.
    using Launcher = std::function<bool(const QString& path, const QStringList& arguments)>;
    // Hands a URL to the desktop; false when nothing took it.
    using UrlOpener = std::function<bool(const QUrl& url)>;

    // Real look-up on PATH, QProcess::startDetached and QDesktopServices.
    explicit ExternalTools(Prompter& prompter);
    ExternalTools(Prompter& prompter, Locator locator, Launcher launcher, UrlOpener opener);

    // The first candidate found, or nullptr.
    const ProgramCandidate* Find(const std::vector<ProgramCandidate>& candidates) const;

    // Start the volume control / web browser without a document; when none
    // is found or it does not start, the user is told in Dutch.
    bool VolumeClick();
    bool internetClick();

    // Opens the mail handler on the mailto address; returns whether the
    // desktop accepted it. Says nothing itself: callers decide.
    bool SendEMail(const QString& address, const QString& subject, const QString& body);

private:
    bool Start(const std::vector<ProgramCandidate>& candidates, const char* notFound,
               const char* failed);

    Prompter& m_prompter;
    Locator m_locator;
    Launcher m_launcher;
    UrlOpener m_opener;
};

} // namespace korvane
