// The about box: its texts, its fixed layout and the mail link.
#include "ui/aboutbox.h"

#include "files/prompter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>

namespace korvane {

namespace {

constexpr double kGiB = 1048576.0 * 1024.0;

// printf's "%w.pf" under a locale: the locale's decimal separator, no
// grouping, right-aligned in a field of at least `width` characters.
QString Fixed(double value, int width, int precision, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("%1").arg(locale.toString(value, 'f', precision), width);
}

// 100 / (size / part) without the division by zero of an empty or full
// drive: nothing used or nothing free is 0 %.
double Percentage(double part, double size)
{
    if (part <= 0 || size <= 0)
        return 0;
    return 100.0 / (size / part);
}

QFont LabelFont(QStringList families, int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The Windows faces of the layout, each followed by the look-alike a Debian
// desktop has.
QFont CourierBold() { return LabelFont({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, 13, true); }

} // namespace

DriveInfo ReadDriveInfo(const QString& path)
{
    DriveInfo info;
    const QStorageInfo storage(path);
    if (!storage.isValid()) {
        info.name = path;
        return info;
    }
    const QString device = QString::fromLocal8Bit(storage.device());
    info.name = device.startsWith(QLatin1Char('/')) ? device : storage.rootPath();
    if (storage.isReady() && storage.bytesTotal() >= 0 && storage.bytesAvailable() >= 0)
        info.figures = DriveFigures{static_cast<double>(storage.bytesTotal()),
                                    static_cast<double>(storage.bytesAvailable())};
    return info;
}

QString AboutName(const QString& bestandsnaam)
{
    // A Windows path or a Linux one: the name is what follows the last
    // separator of either kind.
    qsizetype cut = -1;
    for (QChar sep : {QLatin1Char('\\'), QLatin1Char(':'), QLatin1Char('/')})
        cut = std::max(cut, bestandsnaam.lastIndexOf(sep));
    const QString name = bestandsnaam.mid(cut + 1);
    if (name.size() > 30)
        return name.left(30) + QStringLiteral("...");
    return name;
}

AboutTexts AboutBoxTexts(const AboutInput& input, const QLocale& locale)
{
    AboutTexts t;
    t.Label1 = input.programmatitel;
    t.author = QString::fromUtf8(kAuthorLine);
    t.Label2 = QString::fromUtf8(kAuthorAddress);
    t.Naamlabel = QCoreApplication::translate("Info", "Titel: ") + AboutName(input.bestandsnaam);
    if (input.aantalbalken >= 1)
        t.balklabel = QCoreApplication::translate("Info", "Aantal tab-balken: %1").arg(input.aantalbalken);
    t.DriveLabel = QCoreApplication::translate("Info", "Drive       : ") + input.drive.name;
    if (!input.drive.figures) {
        t.SizeLabel = QCoreApplication::translate("Info", "Capaciteit  : onbekend");
        t.UsedLabel = QCoreApplication::translate("Info", "Gebruikt    : onbekend");
        t.FreeLabel = QCoreApplication::translate("Info", "Beschikbaar : onbekend");
        return t;
    }
    const double size = input.drive.figures->size;
    const double free = input.drive.figures->free;
    const double used = size - free;
    t.SizeLabel = QCoreApplication::translate("Info", "Capaciteit  : ") + Fixed(size / kGiB, 6, 3, locale)
                  + QStringLiteral(" GiB");
    t.UsedLabel = QCoreApplication::translate("Info", "Gebruikt    : ") + Fixed(used / kGiB, 6, 3, locale)
                  + QStringLiteral(" GiB = ") + Fixed(Percentage(used, size), 2, 2, locale)
                  + QStringLiteral("%");
    t.FreeLabel = QCoreApplication::translate("Info", "Beschikbaar : ") + Fixed(free / kGiB, 6, 3, locale)
                  + QStringLiteral(" GiB = ") + Fixed(Percentage(free, size), 2, 2, locale)
                  + QStringLiteral("%");
    return t;
}

TAboutBox::TAboutBox(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QCoreApplication::translate("Info", "Info"));
    setModal(true);
    setFixedSize(353, 294);
    // A fixed dialog frame: no resizing, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    // The raised inner bevel sits one pixel inside the lowered outer one.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(10, 8, 335, 241);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(white);
    auto* inner = new QFrame(Panel1);
    inner->setGeometry(1, 1, 333, 239);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    inner->setLineWidth(1);
    inner->lower();

    auto label = [this](const char* name, int x, int y, const QFont& font) {
        auto* l = new QLabel(Panel1);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->setFont(font);
        return l;
    };

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(19, 12, 37, 31);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(QIcon(QStringLiteral(":/korvane/korvane.svg")).pixmap(QSize(74, 62)));

    Label1 = label("Label1", 69, 14, LabelFont({"Tahoma", "DejaVu Sans"}, 16));
    AuthorLabel = label("AuthorLabel", 188, 16, LabelFont({"Verdana", "DejaVu Sans"}, 13));
    Label2 = label("Label2", 70, 41, LabelFont({"Arial", "Liberation Sans", "DejaVu Sans"}, 13));
    QFont link = Label2->font();
    link.setUnderline(true);
    Label2->setFont(link);
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label2->setPalette(blue);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);

    Naamlabel = label("Naamlabel", 21, 80, CourierBold());
    balklabel = label("balklabel", 20, 107, CourierBold());
    DriveLabel = label("DriveLabel", 33, 152, CourierBold());
    SizeLabel = label("SizeLabel", 33, 165, CourierBold());
    UsedLabel = label("UsedLabel", 33, 178, CourierBold());
    FreeLabel = label("FreeLabel", 34, 191, CourierBold());
    // Design-time captions, replaced whenever the box is shown.
    Naamlabel->setText(QCoreApplication::translate("Info", "Naam:"));
    balklabel->setText(QCoreApplication::translate("Info", "Aantal tab-balken:"));
    for (QLabel* l : {DriveLabel, SizeLabel, UsedLabel, FreeLabel})
        l->setText(l->objectName());

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(139, 259, 75, 24);
    OKButton->setFont(LabelFont({"MS Sans Serif", "DejaVu Sans"}, 13, true));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    for (QLabel* l : Panel1->findChildren<QLabel*>())
        if (l != ProgramIcon)
            l->adjustSize();
}

void TAboutBox::FormActivate()
{
    if (!m_source)
        return;
    const AboutTexts t = AboutBoxTexts(m_source(), m_locale);
    const std::pair<QLabel*, const QString*> fill[] = {
        {Label1, &t.Label1},       {AuthorLabel, &t.author}, {Label2, &t.Label2},
        {Naamlabel, &t.Naamlabel}, {balklabel, &t.balklabel}, {DriveLabel, &t.DriveLabel},
        {SizeLabel, &t.SizeLabel}, {UsedLabel, &t.UsedLabel}, {FreeLabel, &t.FreeLabel},
    };
    for (const auto& [l, text] : fill) {
        l->setText(*text);
        l->adjustSize();
    }
}

void TAboutBox::Label2Click()
{
    const bool sent = m_sendMail
                      && m_sendMail(Label2->text(), QString::fromUtf8(kMailSubject), QString());
    if (!sent)
        m_prompter.Beep(Sound::Default);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    FormActivate();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvane
