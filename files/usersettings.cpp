// The per-user preferences file.
#include "files/usersettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvane {

namespace {
QString& overschrevenMap()
{
    static QString map;
    return map;
}
} // namespace

void ZetGebruikersInstellingenMap(const QString& map)
{
    overschrevenMap() = map;
}

QString GebruikersInstellingenBestand()
{
    QString map = overschrevenMap();
    if (map.isEmpty())
        map = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(map).filePath(QStringLiteral("korvane.ini"));
}

std::unique_ptr<QSettings> GebruikersInstellingen()
{
    const QString bestand = GebruikersInstellingenBestand();
    QDir().mkpath(QFileInfo(bestand).path());
    return std::make_unique<QSettings>(bestand, QSettings::IniFormat);
}

namespace {
const QString kNieuweCodering = QStringLiteral("documenten/nieuwecodering");
} // namespace

Codering NieuweCodering()
{
    const QString naam = GebruikersInstellingen()->value(kNieuweCodering).toString();
    return naam == QLatin1StringView(CoderingNaam(Codering::Windows1252)) ? Codering::Windows1252
                                                                          : Codering::Utf8;
}

void ZetNieuweCodering(Codering codering)
{
    if (codering != Codering::Windows1252)
        codering = Codering::Utf8;
    const std::string_view naam = CoderingNaam(codering);
    GebruikersInstellingen()->setValue(kNieuweCodering,
                                       QString::fromLatin1(naam.data(), static_cast<qsizetype>(naam.size())));
}

} // namespace korvane
