// Test entry for the print/ tests: a QApplication for the whole run, since
// fonts, the printer and the preview window need one.
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
    // The print layout switches live in the per-user settings: never the
    // real user's during a test.
    QTemporaryDir instellingen;
    korvane::ZetGebruikersInstellingenMap(instellingen.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
