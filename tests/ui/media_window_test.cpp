// The media player, outside programs and about box as the main window hosts
// them: reached through the command table, shortcuts and tool buttons.
#include "ui/aboutbox.h"
#include "ui/externaltools.h"
#include "ui/mainwindow.h"
#include "ui/mediaplayer.h"

#include "common/scriptedprompter.h"
#include "core/analysis.h"
#include "ui/editorwidget.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtEndian>

#include <gtest/gtest.h>

std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }

namespace korvane::test {
namespace {

const char* const kTwoStaffs = "e|-----|\nB|-----|\nG|-----|\nD|-----|\nA|-----|\nE|-----|\n"
                               "\n"
                               "e|-----|\nB|-----|\nG|-----|\nD|-----|\nA|-----|\nE|-----|";

class MediaWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("media"));
        mediamap = dir.filePath("media");
        QFile opties(dir.filePath(QStringLiteral("Opties.txt")));
        ASSERT_TRUE(opties.open(QIODevice::WriteOnly));
        opties.write(dir.path().toUtf8() + "\r\n" + mediamap.toUtf8()
                     + "\r\nDejaVu Sans Mono\r\n9\r\nBold\r\nDejaVu Sans Mono\r\n9\r\n"
                       "Bold\r\nDirTree\r\nPlaintext\r\nNo Backup\r\nFixed\r\nPagenumbers\r\nEmpty\r\n");
        opties.close();
        OpstartGegevens start;
        start.programmamap = dir.path() + u'/';
        w = std::make_unique<TForm1>(prompter, start);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        w->externeProgrammas = std::make_shared<ExternalTools>(
            prompter,
            [this](const QString& p) { return installed.contains(p) ? "/opt/" + p : QString(); },
            [this](const QString& path, const QStringList& args) {
                started << path + (args.isEmpty() ? "" : " " + args.join(' '));
                return true;
            },
            [this](const QUrl& url) {
                opened << QString::fromLatin1(url.toEncoded());
                return true;
            });
    }

    void TearDown() override { w.reset(); }

    QString WriteWav()
    {
        const QString path = dir.filePath("media/toon.wav");
        const int frames = 8000;
        QByteArray d(44 + frames * 2, '\0');
        auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, d.data() + at); };
        auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, d.data() + at); };
        memcpy(d.data(), "RIFF", 4);
        put32(4, 36 + frames * 2);
        memcpy(d.data() + 8, "WAVEfmt ", 8);
        put32(16, 16);
        put16(20, 1);
        put16(22, 1);
        put32(24, 8000);
        put32(28, 16000);
        put16(32, 2);
        put16(34, 16);
        memcpy(d.data() + 36, "data", 4);
        put32(40, frames * 2);
        for (int i = 0; i < frames; ++i)
            put16(44 + 2 * i, static_cast<quint16>((i % 40 < 20) ? 6000 : -6000));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(d);
        return path;
    }

    // Runs the modal about box through Info1 and returns its labels.
    QStringList AboutLabels()
    {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QLabel* l : {box->Label1, box->Naamlabel, box->balklabel, box->DriveLabel,
                              box->SizeLabel})
                seen << l->text();
            QTest::mouseClick(box->Label2, Qt::LeftButton);
            box->OKButton->click();
        });
        w->action("Info1")->trigger();
        return seen;
    }

    QTemporaryDir dir;
    QString mediamap;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> w;
    QStringList installed, started, opened;
};

TEST_F(MediaWindow, ThePlayerSitsOnTheSecondToolBarBetweenOpenMediaAndVolume)
{
    ASSERT_NE(w->MediaPlayer1, nullptr);
    EXPECT_TRUE(w->MediaPlayer1->isVisible());
    EXPECT_TRUE(w->ToolBar2->isAncestorOf(w->MediaPlayer1));
    const int x = w->MediaPlayer1->mapTo(w->ToolBar2, QPoint(0, 0)).x();
    auto* open = w->ToolBar2->widgetForAction(w->action("OpenMedia"));
    auto* volume = w->ToolBar2->widgetForAction(w->action("Volume"));
    ASSERT_TRUE(open && volume);
    EXPECT_LT(open->x(), x);
    EXPECT_GT(volume->x(), x);
    EXPECT_EQ(w->MediaPlayer1->State(), MediaState::NotOpen);
}

TEST_F(MediaWindow, OpenMediaOpensTheChosenFileFromTheMediaFolderAndItPlays)
{
    const QString wav = WriteWav();
    prompter.fileNames.push_back(wav);
    w->action("Mediabestandopenen1")->trigger();
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].directory, mediamap);
    EXPECT_EQ(prompter.fileRequests[0].title, "Media bestand openen");
    EXPECT_EQ(w->MediaPlayer1->FileName(), wav);
    EXPECT_EQ(w->MediaPlayer1->State(), MediaState::Stopped);

    QTest::mouseClick(w->MediaPlayer1->Button(MediaButton::Play), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->MediaPlayer1->State() == MediaState::Playing; }, 3000));
    QTest::mouseClick(w->MediaPlayer1->Button(MediaButton::Stop), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->MediaPlayer1->State() == MediaState::Stopped; }, 3000));
    EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front();
}

TEST_F(MediaWindow, CtrlMShowsTheMediaDialogAndACancelLeavesThePlayerAlone)
{
    prompter.fileNames.push_back(QString());
    w->Editor->setFocus();
    QTest::keyClick(w->Editor, Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].title, "Media bestand openen");
    EXPECT_EQ(w->MediaPlayer1->State(), MediaState::NotOpen);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MediaWindow, VolumeAndInternetButtonsStartTheDesktopsPrograms)
{
    installed = {"pavucontrol", "x-www-browser"};
    w->ToolBar2->widgetForAction(w->action("Volume"))->setFocus();
    qobject_cast<QToolButton*>(w->ToolBar2->widgetForAction(w->action("Volume")))->click();
    qobject_cast<QToolButton*>(w->ToolBar2->widgetForAction(w->action("Internet")))->click();
    EXPECT_EQ(started, (QStringList{"/opt/pavucontrol", "/opt/x-www-browser"}));

    installed.clear();
    w->action("Volume")->trigger();
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{
                  "Er is geen volumeregeling gevonden. Installeer bijvoorbeeld pavucontrol."});
}

TEST_F(MediaWindow, InfoShowsTheDocumentTheStaffCountAndTheDriveAndMailsTheAuthor)
{
    QStringList labels = AboutLabels();
    ASSERT_EQ(labels.size(), 5);
    EXPECT_EQ(labels[0], "Korvane1.06");
    EXPECT_EQ(labels[1], "Titel: naamloos.tab");
    EXPECT_EQ(labels[2], "");
    EXPECT_TRUE(labels[3].startsWith("Drive       : /")) << labels[3];
    EXPECT_TRUE(labels[4].startsWith("Capaciteit  : ")) << labels[4];
    EXPECT_TRUE(labels[4].endsWith(" GiB")) << labels[4];
    EXPECT_EQ(opened, QStringList{"mailto:korvane@example.org?subject=Korvane&body="});

    w->Editor->setPlainText(QString::fromLatin1(kTwoStaffs));
    analyze(w->editor(), w->state.analyse);
    w->bestandsnaam = dir.filePath("Een hele lange naam van een liedje.tab");
    labels = AboutLabels();
    ASSERT_EQ(labels.size(), 5);
    EXPECT_EQ(labels[1], "Titel: Een hele lange naam van een li...");
    EXPECT_EQ(labels[2], "Aantal tab-balken: 2");
}

} // namespace
} // namespace korvane::test

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
