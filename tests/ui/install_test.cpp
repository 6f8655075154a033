// Installing for real: "cmake --install" of this build into a fresh prefix
// must give both programs, the font, a valid desktop entry with its icon
// and the document types a file manager uses to open ".tab" and ".kvn" in
// Korvane.
#include <QDirIterator>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>


std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// The exit code (-1 when it did not start, crashed or hung) and all output.
std::pair<int, QString> RunProgram(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool done = p.waitForFinished(300000) && p.exitStatus() == QProcess::NormalExit;
    return {done ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll()) + (done ? "" : p.errorString())};
}

// Every file an install puts in place, relative to the prefix, sorted.
const QStringList kFiles = {"bin/korvane", "bin/korvane-cli", "bin/korvane-pdf", "bin/korvane-wav",
                            "share/applications/korvane.desktop",
                            "share/fonts/truetype/korvane/Korvane.ttf",
                            "share/icons/hicolor/scalable/apps/korvane.svg", "share/mime/packages/korvane.xml"};

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = std::make_unique<QTemporaryDir>();
        install = RunProgram(KORVANE_CMAKE, {"--install", KORVANE_BUILD_DIR, "--prefix", prefix->path()});
    }
    void SetUp() override { ASSERT_EQ(install.first, 0) << install.second; }
    static QString Path(const QString& relative) { return prefix->filePath(relative); }

    static inline std::unique_ptr<QTemporaryDir> prefix;
    static inline std::pair<int, QString> install;
};

TEST_F(Installed, EveryFileIsInPlaceNothingElseAndEachIsWhatItsNameSays)
{
    QStringList found;
    for (QDirIterator it(prefix->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = QDir(prefix->path()).relativeFilePath(it.next());
        // Not the caches that update-mime-database and update-desktop-database build from ours.
        if (!QRegularExpression("^share/mime/(?!packages/)|/mimeinfo\\.cache$").match(file).hasMatch())
            found << file;
    }
    found.sort();
    EXPECT_EQ(found, kFiles);

    for (const QString& program : kFiles.mid(0, 4)) {
        QFile f(Path(program));
        EXPECT_TRUE(QFileInfo(f).isExecutable() && f.open(QIODevice::ReadOnly) && f.read(4) == "\x7F" "ELF") << program;
    }
    const int font = QFontDatabase::addApplicationFont(Path(kFiles[5]));
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(font), QStringList{"Korvane"});
    EXPECT_EQ(QSvgRenderer(Path(kFiles[6])).defaultSize(), QSize(64, 64));
}

TEST_F(Installed, TheDesktopEntryIsValidAndAFileManagerOpensBothDocumentTypesWithIt)
{
    QFile f(Path(kFiles[4]));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(f.readAll());
    const auto key = [&](const QString& name) {
        return QRegularExpression("^" + name + "=(.*)$", QRegularExpression::MultilineOption).match(entry).captured(1);
    };
    EXPECT_EQ(key("Exec"), QFileInfo(kFiles[0]).fileName() + " %f");
    EXPECT_EQ(key("Icon") + ".svg", QFileInfo(kFiles[6]).fileName());
    EXPECT_EQ(key("MimeType"), "text/x-korvane-tab;application/x-korvane-kvn;");

    // A desktop session that searches only the prefix and the system: its
    // MIME database (read at first use) says what a file is.
    QTemporaryDir home;
    qputenv("XDG_DATA_DIRS", Path("share").toLocal8Bit() + ":/usr/share");
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QStringList types;
    for (const char* name : {"Blackbird.tab", "Blackbird.kvn", "Blackbird.txt"})
        types << QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).name();
    EXPECT_EQ(types, (QStringList{"text/x-korvane-tab", "application/x-korvane-kvn", "text/plain"}));

    const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
    if (validate.isEmpty())
        GTEST_SKIP() << "desktop-file-utils is not installed: no desktop-file-validate, no mimeinfo.cache";
    EXPECT_EQ(RunProgram(validate, {Path(kFiles[4])}), std::pair(0, QString())) << "no hints or warnings either";
    // The cache by which a file manager picks the program for a type.
    QFile cache(Path("share/applications/mimeinfo.cache"));
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    const QRegularExpression opens("^(text/x-korvane-tab|application/x-korvane-kvn)=korvane.desktop;$",
                                   QRegularExpression::MultilineOption);
    EXPECT_EQ(QString::fromUtf8(cache.readAll()).count(opens), 2);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
