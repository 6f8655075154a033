// Test entry for the Qt test programs: a QApplication exists for the whole
// run, because documents with fonts, the printer and the dialogs need one.
#include "files/usersettings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Headless unless the caller chose a platform; test discovery runs the
    // binary outside CTest's environment too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Per-user preferences go to a folder of the run's own, never the user's.
    QTemporaryDir instellingen;
    korvane::ZetGebruikersInstellingenMap(instellingen.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
