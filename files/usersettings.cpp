// The per-user preferences file.
#include "files/usersettings.h"

#include <QDir>
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

std::unique_ptr<QSettings> GebruikersInstellingen()
{
    QString map = overschrevenMap();
    if (map.isEmpty())
        map = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(map);
    return std::make_unique<QSettings>(QDir(map).filePath(QStringLiteral("korvane.ini")),
                                       QSettings::IniFormat);
}

} // namespace korvane
