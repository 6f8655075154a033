// The about box "Info" (TAboutBox): program title, author, the open
// document's name, the staff count of the last analysis and the figures of
// the drive the file browser shows. The texts come from AboutBoxTexts, a
// plain function, so every edge case is testable without a dialog.
#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;

namespace korvane {

class Prompter;

// The author line ("name year") and the address Label2 shows and mails to.
inline constexpr char kAuthorLine[] = "Korvane-team 2026";
inline constexpr char kAuthorAddress[] = "korvane@example.org";
// The mail's subject: the program name without version.
inline constexpr char kMailSubject[] = "Korvane";

struct DriveFigures {
    double size = 0; // bytes
    double free = 0; // bytes
};

// What the drive lines are made from. On Linux the mount point's device
// (or, for a device that is not a path, the mount point) stands where the
// drive letter stood; figures are absent for a drive that cannot be read.
struct DriveInfo {
    QString name;
    std::optional<DriveFigures> figures;
};

// The drive that holds path, read through QStorageInfo.
DriveInfo ReadDriveInfo(const QString& path);

struct AboutInput {
    QString programmatitel;
    QString bestandsnaam;
    int aantalbalken = 0;
    DriveInfo drive;
};

struct AboutTexts {
    QString Label1;      // the program title
    QString author;      // the author line
    QString Label2;      // the author's address
    QString Naamlabel;   // "Titel: " + name
    QString balklabel;   // "Aantal tab-balken: n" or empty
    QString DriveLabel;
    QString SizeLabel;
    QString UsedLabel;
    QString FreeLabel;
};

// The name part of a path as the about box shows it: whole up to 30
// characters, longer ones cut to 30 followed by "...".
QString AboutName(const QString& bestandsnaam);

// Numbers use the locale's decimal separator (as printf's %f does under the
// user's locale), never a group separator.
AboutTexts AboutBoxTexts(const AboutInput& input, const QLocale& locale = QLocale());

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    using InputSource = std::function<AboutInput()>;
    using MailSender = std::function<bool(const QString& address, const QString& subject,
                                          const QString& body)>;

    TAboutBox(Prompter& prompter, QWidget* parent = nullptr);

    // Where the texts come from each time the box is shown, and who sends
    // the mail; the main window sets both.
    void SetInputSource(InputSource source) { m_source = std::move(source); }
    void SetMailSender(MailSender sender) { m_sendMail = std::move(sender); }
    void SetLocale(const QLocale& locale) { m_locale = locale; }

    // Fills the labels from the input source; runs whenever the box is shown.
    void FormActivate();
    // Mails the address shown; a failure beeps and does nothing else.
    void Label2Click();

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* Label1;
    QLabel* AuthorLabel;
    QLabel* Label2;
    QLabel* Naamlabel;
    QLabel* balklabel;
    QLabel* DriveLabel;
    QLabel* SizeLabel;
    QLabel* UsedLabel;
    QLabel* FreeLabel;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompter& m_prompter;
    InputSource m_source;
    MailSender m_sendMail;
    QLocale m_locale;
};

} // namespace korvane
