// Starting the volume control, the web browser and the mail handler.
#include "ui/externaltools.h"

#include "files/prompter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace korvane {

const std::vector<ProgramCandidate>& VolumeControlCandidates()
{
    // The GNOME panel needs the name of its page; every other one is a
    // program of its own that opens on the mixer.
    static const std::vector<ProgramCandidate> list = {
        {QStringLiteral("pavucontrol"), {}},
        {QStringLiteral("pavucontrol-qt"), {}},
        {QStringLiteral("pwvucontrol"), {}},
        {QStringLiteral("mate-volume-control"), {}},
        {QStringLiteral("xfce4-mixer"), {}},
        {QStringLiteral("kmix"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}},
    };
    return list;
}

const std::vector<ProgramCandidate>& WebBrowserCandidates()
{
    // sensible-browser is left out on purpose: it exists without any
    // browser installed and then fails where nobody sees it.
    static const std::vector<ProgramCandidate> list = {
        {QStringLiteral("x-www-browser"), {}},
        {QStringLiteral("gnome-www-browser"), {}},
        {QStringLiteral("firefox"), {}},
        {QStringLiteral("firefox-esr"), {}},
        {QStringLiteral("chromium"), {}},
        {QStringLiteral("google-chrome"), {}},
        {QStringLiteral("epiphany-browser"), {}},
        {QStringLiteral("konqueror"), {}},
        {QStringLiteral("falkon"), {}},
    };
    return list;
}

QUrl BuildMailtoUrl(const QString& address, const QString& subject, const QString& body)
{
    // "@" stays readable in the address; everything else that means
    // something in a URL is encoded.
    const QString text = QStringLiteral("mailto:%1?subject=%2&body=%3")
                             .arg(QString::fromLatin1(QUrl::toPercentEncoding(address, "@")),
                                  QString::fromLatin1(QUrl::toPercentEncoding(subject)),
                                  QString::fromLatin1(QUrl::toPercentEncoding(body)));
    return QUrl(text, QUrl::StrictMode);
}

ExternalTools::ExternalTools(Prompter& prompter)
    : ExternalTools(
          prompter, [](const QString& p) { return QStandardPaths::findExecutable(p); },
          [](const QString& path, const QStringList& args) {
              return QProcess::startDetached(path, args);
          },
          [](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
}

ExternalTools::ExternalTools(Prompter& prompter, Locator locator, Launcher launcher,
                             UrlOpener opener)
    : m_prompter(prompter),
      m_locator(std::move(locator)),
      m_launcher(std::move(launcher)),
      m_opener(std::move(opener))
{
}

const ProgramCandidate* ExternalTools::Find(const std::vector<ProgramCandidate>& candidates) const
{
    for (const ProgramCandidate& c : candidates)
        if (!m_locator(c.program).isEmpty())
            return &c;
    return nullptr;
}

bool ExternalTools::Start(const std::vector<ProgramCandidate>& candidates, const char* notFound,
                          const char* failed)
{
    const ProgramCandidate* found = Find(candidates);
    if (!found) {
        m_prompter.Message(QCoreApplication::translate("Programmas", notFound).toStdString());
        return false;
    }
    const QString path = m_locator(found->program);
    if (!m_launcher(path, found->arguments)) {
        m_prompter.Message(QCoreApplication::translate("Programmas", failed).arg(path).toStdString());
        return false;
    }
    return true;
}

bool ExternalTools::VolumeClick()
{
    return Start(VolumeControlCandidates(),
                 QT_TRANSLATE_NOOP("Programmas", "Er is geen volumeregeling gevonden. Installeer bijvoorbeeld pavucontrol."),
                 QT_TRANSLATE_NOOP("Programmas", "De volumeregeling %1 kon niet worden gestart."));
}

bool ExternalTools::internetClick()
{
    return Start(WebBrowserCandidates(),
                 QT_TRANSLATE_NOOP("Programmas", "Er is geen webbrowser gevonden. Installeer bijvoorbeeld firefox-esr."),
                 QT_TRANSLATE_NOOP("Programmas", "De webbrowser %1 kon niet worden gestart."));
}

bool ExternalTools::SendEMail(const QString& address, const QString& subject,
                              const QString& body)
{
    const QUrl url = BuildMailtoUrl(address, subject, body);
    return url.isValid() && m_opener(url);
}

} // namespace korvane
