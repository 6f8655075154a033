// Installing for real: "cmake --install" of this build into a fresh prefix
// must give both programs, the font, a valid desktop entry with its icon
// and the document types a file manager uses to open ".tab" and ".kvn" in
// Korvane; the Debian package built by CPack must carry the same files.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QGuiApplication>
#include <QFontDatabase>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }

namespace {

struct Ran {
    int exitCode = -1;
    QString output;
};

Ran RunProgram(const QString& program, const QStringList& args, int timeoutMs,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Ran r;
    if (!p.waitForStarted(10000)) {
        r.output = p.errorString();
        return r;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.output = QStringLiteral("timed out: ") + QString::fromLocal8Bit(p.readAll());
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = QString::fromLocal8Bit(p.readAll());
    return r;
}

// The files the install puts in place, relative to the prefix.
const char* const kBin = "bin/korvane";
const char* const kCli = "bin/korvane-cli";
const char* const kEntry = "share/applications/korvane.desktop";
const char* const kIcon = "share/icons/hicolor/scalable/apps/korvane.svg";
const char* const kMime = "share/mime/packages/korvane.xml";
const char* const kFont = "share/fonts/truetype/korvane/Korvane.ttf";

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        install = RunProgram(QStringLiteral(KORVANE_CMAKE),
                             {"--install", QStringLiteral(KORVANE_BUILD_DIR), "--prefix",
                              prefix->path()},
                             120000);
    }
    static void TearDownTestSuite()
    {
        delete prefix;
        prefix = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(prefix->isValid());
        ASSERT_EQ(install.exitCode, 0) << install.output;
    }
    static QString Path(const char* relative) { return prefix->filePath(QString::fromLatin1(relative)); }

    static QTemporaryDir* prefix;
    static Ran install;
};

QTemporaryDir* Installed::prefix = nullptr;
Ran Installed::install;

// The keys of a desktop entry's main group, read as the specification
// says: "key=value" lines, no quoting.
QHash<QString, QString> DesktopEntry(const QString& file)
{
    QHash<QString, QString> keys;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool main = false;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        if (line.startsWith('['))
            main = line == "[Desktop Entry]";
        else if (main && line.contains('='))
            keys.insert(line.section('=', 0, 0), line.section('=', 1));
    }
    return keys;
}

// Types and globs declared in a shared-mime-info file.
std::map<QString, QStringList> MimeTypesIn(const QString& file)
{
    std::map<QString, QStringList> types;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return types;
    QXmlStreamReader xml(&f);
    QString current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("mime-type")) {
            current = xml.attributes().value("type").toString();
            types[current];
        } else if (xml.name() == QLatin1String("glob")) {
            types[current] << xml.attributes().value("pattern").toString();
        }
    }
    if (xml.hasError())
        types.clear();
    return types;
}

TEST_F(Installed, EveryFileIsInPlaceAndNothingElse)
{
    std::set<QString> expected = {kBin, kCli, kEntry, kIcon, kMime, kFont};
    std::set<QString> found;
    QDirIterator it(prefix->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(prefix->path()).relativeFilePath(it.next());
        // The caches built from our files by update-mime-database and
        // update-desktop-database.
        if ((rel.startsWith("share/mime/") && !rel.startsWith("share/mime/packages/"))
            || rel == "share/applications/mimeinfo.cache")
            continue;
        found.insert(rel);
    }
    EXPECT_EQ(found, expected);
}

TEST_F(Installed, ProgramsAreExecutable)
{
    for (const char* p : {kBin, kCli}) {
        const QFileInfo info(Path(p));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << p;
        QFile f(Path(p));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << p;
        EXPECT_EQ(f.read(4), QByteArray("\x7F" "ELF")) << p;
    }
}

TEST_F(Installed, TheFontIsTheKorvaneFace)
{
    const int id = QFontDatabase::addApplicationFont(Path(kFont));
    ASSERT_GE(id, 0);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{"Korvane"});
}

TEST_F(Installed, TheIconIsAValidSvg)
{
    QSvgRenderer svg(Path(kIcon));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(64, 64));
}

TEST_F(Installed, TheDesktopEntryPassesDesktopFileValidate)
{
    const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
    if (validate.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
    const Ran r = RunProgram(validate, {Path(kEntry)}, 30000);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.output.trimmed(), "") << "hints or warnings";
}

TEST_F(Installed, TheEntryStartsTheInstalledProgramWithItsIconForBothDocumentTypes)
{
    const QHash<QString, QString> entry = DesktopEntry(Path(kEntry));
    const QStringList exec = entry.value("Exec").split(' ');
    EXPECT_EQ(exec, (QStringList{"korvane", "%f"}));
    EXPECT_TRUE(QFileInfo(prefix->filePath("bin/" + exec.value(0))).isExecutable());
    EXPECT_EQ(entry.value("Icon") + ".svg", QFileInfo(Path(kIcon)).fileName());
    EXPECT_EQ(entry.value("Name"), "Korvane");

    QStringList entryTypes = entry.value("MimeType").split(';', Qt::SkipEmptyParts);
    const auto declared = MimeTypesIn(Path(kMime));
    QStringList declaredTypes;
    for (const auto& [type, globs] : declared)
        declaredTypes << type;
    entryTypes.sort();
    EXPECT_EQ(entryTypes, declaredTypes);
    EXPECT_EQ(declared.at("text/x-korvane-tab"), QStringList{"*.tab"});
    EXPECT_EQ(declared.at("application/x-korvane-kvn"), QStringList{"*.kvn"});
}

TEST_F(Installed, AFileManagerSeesTheTypesAndOpensThemInKorvane)
{
    // A desktop session that searches the prefix: the MIME database says
    // what a file is, the desktop-entry cache which program opens it.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_DIRS", prefix->filePath("share") + ":/usr/share");
    env.insert("XDG_DATA_HOME", home.path());
    const Ran r = RunProgram(QCoreApplication::applicationFilePath(),
                             {"--mime-of", "Blackbird.tab", "Blackbird.kvn", "Blackbird.txt"},
                             30000, env);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.output.trimmed().split('\n'),
              (QStringList{"text/x-korvane-tab", "application/x-korvane-kvn", "text/plain"}));

    QFile cache(prefix->filePath("share/applications/mimeinfo.cache"));
    if (QStandardPaths::findExecutable("update-desktop-database").isEmpty())
        GTEST_SKIP() << "update-desktop-database is not installed (desktop-file-utils)";
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(cache.readAll());
    EXPECT_TRUE(text.contains("text/x-korvane-tab=korvane.desktop;")) << text;
    EXPECT_TRUE(text.contains("application/x-korvane-kvn=korvane.desktop;")) << text;
}

TEST(DebianPackage, CarriesTheInstalledFilesUnderUsrAndDeclaresItsDependencies)
{
    const QString dpkgDeb = QStandardPaths::findExecutable("dpkg-deb");
    if (dpkgDeb.isEmpty())
        GTEST_SKIP() << "dpkg-deb is not installed";
    QTemporaryDir out;
    const Ran pack = RunProgram(QStringLiteral(KORVANE_CPACK),
                                {"-G", "DEB", "--config",
                                 QStringLiteral(KORVANE_BUILD_DIR "/CPackConfig.cmake"), "-B",
                                 out.path()},
                                600000);
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    const QStringList debs = QDir(out.path()).entryList({"korvane_*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << pack.output;
    const QString deb = out.filePath(debs[0]);

    const Ran list = RunProgram(dpkgDeb, {"-c", deb}, 30000);
    ASSERT_EQ(list.exitCode, 0) << list.output;
    std::set<QString> files;
    for (const QString& line : list.output.split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('d'))
            files.insert(line.section(' ', -1).mid(2)); // "./usr/..." -> "usr/..."
    const std::set<QString> expected = {
        "usr/" + QString(kBin),  "usr/" + QString(kCli),  "usr/" + QString(kEntry),
        "usr/" + QString(kIcon), "usr/" + QString(kMime), "usr/" + QString(kFont)};
    EXPECT_EQ(files, expected) << "no caches of the system may be in the package";

    const Ran depends = RunProgram(dpkgDeb, {"-f", deb, "Depends"}, 30000);
    ASSERT_EQ(depends.exitCode, 0) << depends.output;
    for (const char* need : {"libfluidsynth3", "libqt6multimedia6", "libqt6widgets6",
                             "timgm6mb-soundfont", "gstreamer1.0-plugins-good", "qt6-qpa-plugins"})
        EXPECT_TRUE(depends.output.contains(QLatin1String(need))) << need << " in " << depends.output;
}

} // namespace

int main(int argc, char** argv)
{
    // Child mode for the file-manager check: print the MIME type of each
    // name as this desktop session sees it.
    if (argc > 1 && QByteArray(argv[1]) == "--mime-of") {
        QCoreApplication app(argc, argv);
        QMimeDatabase db;
        for (int i = 2; i < argc; ++i)
            std::printf("%s\n", qPrintable(db.mimeTypeForFile(QString::fromLocal8Bit(argv[i]),
                                                              QMimeDatabase::MatchExtension)
                                               .name()));
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
