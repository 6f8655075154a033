// Finds the generated line font beside the program and registers it.
#include "ui/linefont.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

namespace {

QString lineFontFamily()
{
    return QString::fromUtf16(kLineFontFamily);
}

bool familyAvailable()
{
    // Compared exactly: the conversion refuses a face whose name differs
    // only in letter case, so such a face must not count as present here.
    return QFontDatabase::families().contains(lineFontFamily(), Qt::CaseSensitive);
}

} // namespace

QStringList LineFontSearchDirs()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    QStringList dirs{exeDir, QDir::cleanPath(exeDir + QStringLiteral("/../font"))};
#ifdef KORVANE_FONT_INSTALL_DIR
    dirs << QStringLiteral(KORVANE_FONT_INSTALL_DIR);
#endif
    return dirs;
}

QString RegisterLineFontFrom(const QStringList& dirs)
{
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(QString::fromUtf16(kLineFontFileName));
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
            continue;
        // Registered from memory: Qt would otherwise go on reading the file
        // for the whole run, and a rebuild replacing it would garble text.
        const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
        if (id < 0)
            continue;
        if (QFontDatabase::applicationFontFamilies(id) == QStringList{lineFontFamily()})
            return path;
        QFontDatabase::removeApplicationFont(id);
    }
    return {};
}

bool RegisterLineFont()
{
    static bool registered = false;
    if (!registered)
        registered = !RegisterLineFontFrom(LineFontSearchDirs()).isEmpty();
    return registered || familyAvailable();
}
