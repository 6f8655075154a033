// The media player (the ".cda" rule, buttons by state, real playback of a
// generated WAV through Qt Multimedia and of a generated MIDI file through
// FluidSynth), the outside programs and the mail address, the about box's
// texts, and all of them as the main window hosts them.
#include "ui/aboutbox.h"
#include "ui/externaltools.h"
#include "ui/mainwindow.h"
#include "ui/mediaplayer.h"

#include "common/scriptedprompter.h"
#include "files/qstringprinter.h"
#include "core/analysis.h"
#include "ui/editorwidget.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QApplication>
#include <QDataStream>
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

#include <cmath>

using korvane::test::ScriptedPrompter;
namespace k = korvane;

std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }

namespace {

constexpr auto kCd = k::DeviceType::CdAudio;
constexpr auto kAuto = k::DeviceType::Automatic;

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
    f.write(data);
}

// One second of a 440 Hz tone, 8 kHz mono 16-bit PCM.
QByteArray Wav()
{
    QByteArray d;
    QDataStream out(&d, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 16000);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(16000);
    for (int i = 0; i < 8000; ++i)
        out << qint16(8000 * std::sin(2 * M_PI * 440 * i / 8000));
    return d;
}

// A format-0 MIDI file: piano, four quarter notes at 120 bpm (two seconds).
QByteArray Midi()
{
    QByteArray track("\x00\xC0\x00", 3);
    for (char note : {60, 64, 67, 72})
        track += QByteArray("\x00\x90", 2) + note + "\x64\x83\x60\x80" + note + '\x40';
    track.append("\x00\xFF\x2F\x00", 4);
    return QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0MTrk\x00\x00\x00", 21) + char(track.size()) + track;
}

// Largest absolute 16-bit sample of a WAV file after its 44-byte header.
int PeakOfWav(const QString& path)
{
    QFile f(path);
    const QByteArray d = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    int peak = 0;
    for (qsizetype i = 44; i + 1 < d.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(d.data() + i))));
    return peak;
}

// ---------------------------------------------------------------------------
// Element rules

// File name, device type, and for CD audio the multimedia backend's URL.
using DeviceRow = std::tuple<const char*, k::DeviceType, const char*>;
class CdaRule : public ::testing::TestWithParam<DeviceRow> {};

TEST_P(CdaRule, CdAudioOnlyForExactCdaWholeDriveOrCdDevice)
{
    const auto& [fileName, device, cdUrl] = GetParam();
    EXPECT_EQ(k::MediaDeviceType(fileName), device) << fileName;
    if (device == kCd) // the paths do not exist here: the default drive stands in
        EXPECT_EQ(k::CdAudioUrl(fileName).toString(), cdUrl);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CdaRule,
    ::testing::Values(DeviceRow{"/media/cdrom/Track05.cda", kCd, "cdda:///dev/cdrom#5"},
                      DeviceRow{"/media/cdrom/Track12.cda", kCd, "cdda:///dev/cdrom#12"},
                      DeviceRow{"/media/cdrom/Rommel.cda", kCd, "cdda:///dev/cdrom#1"},
                      DeviceRow{"D:", kCd, "cdda:///dev/cdrom#1"}, DeviceRow{"/dev/sr0", kCd, "cdda:///dev/sr0#1"},
                      DeviceRow{"/media/cdrom/Track01.CDA", kAuto, ""}, DeviceRow{"/muziek/track.cda.wav", kAuto, ""},
                      DeviceRow{"/muziek/cda", kAuto, ""}, DeviceRow{"d:", kAuto, ""}, DeviceRow{"D:\\", kAuto, ""},
                      DeviceRow{"/dev/sda1", kAuto, ""}, DeviceRow{"/muziek/liedje.mp3", kAuto, ""}));

// ---------------------------------------------------------------------------
// Real playback

// A WAV through Qt Multimedia and a MIDI file through FluidSynth, put
// through the same presses.
class Playback : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        WriteFile(file, midi ? Midi() : Wav());
        if (midi && k::FindSoundFont().empty())
            GTEST_SKIP() << "no General MIDI SoundFont installed (timgm6mb-soundfont)";
        // No sound card needed: FluidSynth's file driver renders in real time
        // into a WAV file, one per opened element.
        if (midi)
            player.SetBackendFactory([this](k::MediaPlayer::BackendKind kind) {
                EXPECT_EQ(kind, k::MediaPlayer::BackendKind::Midi);
                rendered.push_back(dir.filePath(QStringLiteral("weergave%1.wav").arg(rendered.size())));
                return std::unique_ptr<k::MediaBackend>(std::make_unique<k::FluidSynthBackend>(
                    k::FluidSynthOptions{QString(), {driver}, rendered.back()}));
            });
    }
    qint64 Position() const { return player.Backend()->Position(); }
    // Waits for the state, then the enabled buttons must match it.
    void Reaches(k::MediaState state, int ms = 3000)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.State() == state; }, ms)) << int(player.State());
        static const char* const enabled[] = {"", "play next prev", "pause stop next prev", "play stop next prev"};
        QStringList buttons;
        for (int b = 0; b < 5; ++b)
            if (player.Button(k::MediaButton(b))->isEnabled())
                buttons << QStringList{"play", "pause", "stop", "next", "prev"}[b];
        EXPECT_EQ(buttons.join(' '), enabled[int(state)]) << int(state);
    }

    QTemporaryDir dir;
    const bool midi = QByteArray(GetParam()).endsWith(".MID");
    const QString file = dir.filePath(GetParam());
    QString driver = "file";
    QStringList rendered;
    ScriptedPrompter prompter;
    k::MediaPlayer player{prompter};
};

TEST_P(Playback, AGeneratedElementPlaysPausesResumesStopsAndSkips)
{
    ASSERT_TRUE(player.Open(file)) << (prompter.messages.empty() ? "" : prompter.messages[0]);
    Reaches(k::MediaState::Stopped);
    player.MediaPlayer1Click(k::MediaButton::Play);
    const bool started = QTest::qWaitFor([&] { return !prompter.messages.empty() || Position() > 100; }, 5000);
    // A machine without a sound card still plays into GStreamer's null sink;
    // only a missing decoder stops the test.
    if (!prompter.messages.empty() && prompter.messages[0].find("plug-in") != std::string::npos)
        GTEST_SKIP() << "the multimedia backend cannot decode WAV here (GStreamer needs "
                        "gstreamer1.0-plugins-good): " << prompter.messages[0];
    ASSERT_TRUE(started) << "position stayed at " << Position();
    Reaches(k::MediaState::Playing);

    player.MediaPlayer1Click(k::MediaButton::Pause);
    Reaches(k::MediaState::Paused);
    QTest::qWait(100);
    const qint64 paused = Position();
    QTest::qWait(300);
    EXPECT_LE(std::abs(Position() - paused), 20);
    player.MediaPlayer1Click(k::MediaButton::Pause); // a second pause resumes
    Reaches(k::MediaState::Playing);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Position() > paused + 50; }, 3000));

    player.MediaPlayer1Click(k::MediaButton::Stop); // rewinds first
    Reaches(k::MediaState::Stopped);
    EXPECT_EQ(Position(), 0);

    // Skipped to the end the element stops by itself and stays open;
    // previous goes back to the start, and it plays again from there.
    player.MediaPlayer1Click(k::MediaButton::Play);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Position() > 50; }, 3000));
    player.MediaPlayer1Click(k::MediaButton::Next);
    Reaches(k::MediaState::Stopped);
    player.MediaPlayer1Click(k::MediaButton::Prev);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Position() == 0; }, 2000)) << Position();
    player.MediaPlayer1Click(k::MediaButton::Play);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Position() > 50 && Position() < 1000; }, 3000)) << Position();
    EXPECT_TRUE(prompter.messages.empty()) << prompter.messages[0];

    // Opening another element closes this one, which finishes its file.
    ASSERT_TRUE(player.Open(file));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (midi)
        EXPECT_GT(PeakOfWav(rendered.at(0)), 200) << "the rendered sound is silent";
}

TEST_P(Playback, AFileThatIsNoSoundGivesThePlayersMessageOnceAndLeavesNothingOpen)
{
    player.MediaPlayer1Click(k::MediaButton::Stop);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Er is geen mediabestand geopend."});
    prompter.messages.clear();
    WriteFile(file, QByteArray(4000, 'x'));
    if (player.Open(file)) // Qt Multimedia finds out only when it plays
        player.MediaPlayer1Click(k::MediaButton::Play);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompter.messages.empty(); }, 5000));
    QTest::qWait(200); // a follow-up error of the pipeline must not give a second box
    ASSERT_EQ(prompter.messages.size(), 1u);
    const std::string start = "Het mediabestand " + file.toStdString() + " kan niet worden afgespeeld:\n";
    EXPECT_EQ(prompter.messages[0].substr(0, start.size()), start);
    if (!midi) {   // the reason in Dutch, not Qt Multimedia's English text
        const QString reden = QString::fromStdString(prompter.messages[0].substr(start.size()));
        EXPECT_TRUE(reden == k::MultimediaFoutTekst(QMediaPlayer::FormatError)
                    || reden == k::MultimediaFoutTekst(QMediaPlayer::ResourceError))
            << prompter.messages[0];
    }
    Reaches(k::MediaState::NotOpen);
    if (midi) {
        WriteFile(file, Midi());
        driver = "geen-driver";
        EXPECT_FALSE(player.Open(file));
        EXPECT_NE(prompter.messages.back().find("FluidSynth vindt geen geluidsuitvoer (geprobeerd: geen-driver)"),
                  std::string::npos) << prompter.messages.back();
    }
}

// A MIDI file is known by its extension in any case.
INSTANTIATE_TEST_SUITE_P(Elements, Playback, ::testing::Values("toon.wav", "vier.MID"));

// ---------------------------------------------------------------------------
// Mail address and about box

// Subject, body, and the address handed to the mail program.
using MailRow = std::tuple<const char*, const char*, const char*>;
class MailtoAddress : public ::testing::TestWithParam<MailRow> {};

TEST_P(MailtoAddress, EveryPartReachesTheMailProgramWhole)
{
    const auto& [subject, body, encoded] = GetParam();
    const QUrl url = k::BuildMailtoUrl("a@b.nl", QString::fromUtf8(subject), QString::fromUtf8(body));
    EXPECT_EQ(QString::fromLatin1(url.toEncoded()), QString::fromLatin1(encoded));
}

INSTANTIATE_TEST_SUITE_P(
    Parts, MailtoAddress,
    ::testing::Values(MailRow{"Korvane", "", "mailto:a@b.nl?subject=Korvane&body="},
                      MailRow{"Rock & Roll tabs", "", "mailto:a@b.nl?subject=Rock%20%26%20Roll%20tabs&body="},
                      MailRow{"vraag?", "regel 1\nregel 2 #3 = 50%",
                              "mailto:a@b.nl?subject=vraag%3F&body=regel%201%0Aregel%202%20%233%20%3D%2050%25"},
                      MailRow{"Café", "a&body=b", "mailto:a@b.nl?subject=Caf%C3%A9&body=a%26body%3Db"}));

// size < 0: a drive that cannot be read.
k::AboutInput Input(double size, double free, QString name = "naamloos.tab", int balken = 0)
{
    return k::AboutInput{"Korvane1.06", name, balken,
                         k::DriveInfo{"/dev/sda1", size < 0 ? std::nullopt
                                                            : std::optional(k::DriveFigures{size, free})}};
}

// Size, free, locale, and the capacity, used and free lines after their captions.
using DriveRow = std::tuple<double, double, const char*, const char*>;
class AboutDriveLines : public ::testing::TestWithParam<DriveRow> {};

TEST_P(AboutDriveLines, CapacityUsedAndFree)
{
    const auto& [size, free, locale, lines] = GetParam();
    const k::AboutTexts t = k::AboutBoxTexts(Input(size, free), QLocale(locale));
    const QStringList parts = QString(lines).split('|');
    EXPECT_EQ(QStringList({t.SizeLabel, t.UsedLabel, t.FreeLabel}),
              QStringList({"Capaciteit  : " + parts[0], "Gebruikt    : " + parts[1], "Beschikbaar : " + parts[2]}));
}

const double kGiB = 1073741824.0;
INSTANTIATE_TEST_SUITE_P(
    Drives, AboutDriveLines,
    ::testing::Values(DriveRow{250e9, 50e9, "C", "232.831 GiB|186.265 GiB = 80.00%|46.566 GiB = 20.00%"},
                      DriveRow{250e9, 50e9, "nl_NL", "232,831 GiB|186,265 GiB = 80,00%|46,566 GiB = 20,00%"},
                      DriveRow{kGiB, kGiB, "C", " 1.000 GiB| 0.000 GiB = 0.00%| 1.000 GiB = 100.00%"},
                      DriveRow{kGiB, 0, "C", " 1.000 GiB| 1.000 GiB = 100.00%| 0.000 GiB = 0.00%"},
                      DriveRow{4e12, 1e12, "nl_NL", "3725,290 GiB|2793,968 GiB = 75,00%|931,323 GiB = 25,00%"},
                      DriveRow{-1, 0, "C", "onbekend|onbekend|onbekend"}));

// bestandsnaam and the name line shown for it.
using NameRow = std::tuple<const char*, const char*>;
class AboutNameRule : public ::testing::TestWithParam<NameRow> {};

TEST_P(AboutNameRule, NameLine)
{
    EXPECT_EQ(k::AboutBoxTexts(Input(1, 1, std::get<0>(GetParam()))).Naamlabel, std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Names, AboutNameRule,
    ::testing::Values(NameRow{"naamloos.tab", "Titel: naamloos.tab"}, NameRow{"C:Oud.tab", "Titel: Oud.tab"},
                      NameRow{"C:\\Tabs\\Oud.tab", "Titel: Oud.tab"},
                      NameRow{"/t/twintig-tekens-x.tab", "Titel: twintig-tekens-x.tab"},       // 20
                      NameRow{"/t/twintig-tekens-xy.tab", "Titel: twintig-tekens-xy.tab"},     // 21
                      NameRow{"/t/dertig-tekens-precies-xyz1.tab", "Titel: dertig-tekens-precies-xyz1.tab"},
                      NameRow{"/t/eenendertig-tekens-precies-.tab", "Titel: eenendertig-tekens-precies-.ta..."}));

// ---------------------------------------------------------------------------
// In the main window

class MediaWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        w = std::make_unique<k::TForm1>(prompter, k::OpstartGegevens{{}, dir.path() + u'/'});
        w->instellingen.mediamap = dir.path();
        w->externeProgrammas = std::make_shared<k::ExternalTools>(
            prompter, [this](const QString& p) { return installed.contains(p) ? "/opt/" + p : QString(); },
            [this](const QString& path, const QStringList& args) { return started << (QStringList{path} + args).join(' '), true; },
            [this](const QUrl& url) { return opened << QString::fromLatin1(url.toEncoded()), mailWorks; });
    }

    // Runs the modal about box through Info1, clicks the address and
    // returns the labels.
    QStringList AboutLabels()
    {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<k::TAboutBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QLabel* l : {box->Label1, box->Naamlabel, box->balklabel, box->DriveLabel, box->SizeLabel})
                seen << l->text();
            QTest::mouseClick(box->Label2, Qt::LeftButton);
            box->OKButton->click();
        });
        w->action("Info1")->trigger();
        return seen;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<k::TForm1> w;
    QStringList installed, started, opened;
    bool mailWorks = true;
};

TEST_F(MediaWindow, OpenMediaOpensFromTheMediaFolderACancelChangesNothingAndACdNeedsACdSource)
{
    const QString wav = dir.filePath("toon.wav");
    WriteFile(wav, Wav());
    prompter.fileNames = {QString(), wav, "/media/cdrom/Track01.cda"};
    w->show();
    w->Editor->setFocus();
    QTest::keyClick(w->Editor, Qt::Key_M, Qt::ControlModifier); // cancelled
    EXPECT_EQ(w->MediaPlayer1->State(), k::MediaState::NotOpen);
    w->action("OpenMedia")->trigger();
    ASSERT_EQ(prompter.fileRequests.size(), 2u);
    EXPECT_EQ(prompter.fileRequests[1].directory, dir.path());
    EXPECT_EQ(prompter.fileRequests[1].filters,
              (QStringList{"Geluidsbestand (*.wav *.mp3 *.wma *.mid *.cda)", "Alle bestanden (*)"}));
    EXPECT_EQ(w->MediaPlayer1->State(), k::MediaState::Stopped);

    // Without a CD source an audio CD is refused in Dutch and nothing stays open.
    w->MediaPlayer1->SetCdSourceCheck([] { return false; });
    w->action("OpenMedia")->trigger();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("Audio-cd's kunnen hier niet worden afgespeeld"), std::string::npos);
    EXPECT_EQ(w->MediaPlayer1->State(), k::MediaState::NotOpen);
}

TEST_F(MediaWindow, VolumeAndInternetStartTheFirstInstalledProgramWithoutDocument)
{
    installed = {"gnome-control-center", "pavucontrol-qt", "firefox-esr", "x-www-browser"};
    qobject_cast<QToolButton*>(w->ToolBar2->widgetForAction(w->action("Volume")))->click();
    qobject_cast<QToolButton*>(w->ToolBar2->widgetForAction(w->action("Internet")))->click();
    installed = {"gnome-control-center"};
    w->action("Volume")->trigger();
    installed.clear();
    w->action("Volume")->trigger();
    w->action("Internet")->trigger();
    EXPECT_EQ(started, (QStringList{"/opt/pavucontrol-qt", "/opt/x-www-browser", "/opt/gnome-control-center sound"}));
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{"Er is geen volumeregeling gevonden. Installeer bijvoorbeeld pavucontrol.",
                        "Er is geen webbrowser gevonden. Installeer bijvoorbeeld firefox-esr."}));
}

TEST_F(MediaWindow, InfoShowsTheDocumentTheStaffCountAndTheDriveAndMailsTheAuthor)
{
    QStringList labels = AboutLabels();
    ASSERT_EQ(labels.size(), 5);
    EXPECT_EQ(labels.mid(0, 3), (QStringList{"Korvane1.06", "Titel: naamloos.tab", ""}));
    // The real drive of the current folder, read.
    EXPECT_TRUE(labels[3].startsWith("Drive       : /")) << labels[3];
    EXPECT_TRUE(labels[4].startsWith("Capaciteit  : ") && labels[4].endsWith(" GiB")) << labels[4];
    EXPECT_FALSE(w->AboutBox->ProgramIcon->pixmap().isNull()) << "the program icon did not load";

    // Filled anew each time it is shown; a mail program that fails only beeps.
    const QString staff = "e|-----|\nB|-----|\nG|-----|\nD|-----|\nA|-----|\nE|-----|\n";
    w->Editor->setPlainText(staff + "\n" + staff);
    k::analyze(w->editor(), w->state.analyse);
    w->bestandsnaam = dir.filePath("Een hele lange naam van een liedje.tab");
    mailWorks = false;
    EXPECT_EQ(AboutLabels().mid(1, 2), (QStringList{"Titel: Een hele lange naam van een li...", "Aantal tab-balken: 2"}));
    EXPECT_EQ(opened, QStringList(2, "mailto:korvane@example.org?subject=Korvane&body="));
    EXPECT_EQ(prompter.beeps, std::vector<k::Sound>{k::Sound::Default});
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
