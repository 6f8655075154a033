// The media player (rules for CD elements, buttons by state, real playback
// of a generated WAV through Qt Multimedia and of a generated MIDI file
// through FluidSynth), the outside programs and the mail address, and the
// about box's texts and layout.
#include "ui/aboutbox.h"
#include "ui/externaltools.h"
#include "ui/mediaplayer.h"

#include "common/scriptedprompter.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrlQuery>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

using korvane::test::ScriptedPrompter;
namespace k = korvane;

std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }

namespace korvane {
std::ostream& operator<<(std::ostream& os, MediaState s)
{
    static const char* const names[] = {"NotOpen", "Stopped", "Playing", "Paused"};
    return os << names[static_cast<int>(s)];
}
} // namespace korvane

namespace {

// ---------------------------------------------------------------------------
// Generated media

// One second of a 440 Hz tone, 8 kHz mono 16-bit PCM.
void WriteWav(const QString& path, double seconds = 1.0)
{
    const int rate = 8000;
    const int frames = static_cast<int>(rate * seconds);
    QByteArray d(44 + frames * 2, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, d.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, d.data() + at); };
    memcpy(d.data(), "RIFF", 4);
    put32(4, 36 + frames * 2);
    memcpy(d.data() + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, rate);
    put32(28, rate * 2);
    put16(32, 2);
    put16(34, 16);
    memcpy(d.data() + 36, "data", 4);
    put32(40, frames * 2);
    for (int i = 0; i < frames; ++i)
        put16(44 + 2 * i, static_cast<quint16>(static_cast<qint16>(
                              8000 * std::sin(2 * M_PI * 440 * i / rate))));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(d);
}

// A format-0 MIDI file: piano, four quarter notes at 120 bpm (two seconds).
void WriteMidi(const QString& path)
{
    QByteArray track;
    track.append("\x00\xC0\x00", 3); // program change: acoustic grand
    for (char note : {60, 64, 67, 72}) {
        track.append('\x00').append('\x90').append(note).append('\x64');
        track.append("\x83\x60", 2).append('\x80').append(note).append('\x40'); // 480 ticks
    }
    track.append("\x00\xFF\x2F\x00", 4);
    QByteArray file("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14); // 480 per quarter
    file.append("MTrk");
    char len[4];
    qToBigEndian<quint32>(track.size(), len);
    file.append(len, 4).append(track);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(file);
}

bool WaitFor(const std::function<bool()>& condition, int ms)
{
    return QTest::qWaitFor(condition, ms);
}

// Largest absolute 16-bit sample of a WAV file after its 44-byte header.
int PeakOfWav(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray d = f.readAll();
    int peak = 0;
    for (qsizetype i = 44; i + 1 < d.size(); i += 2)
        peak = std::max(peak, std::abs(static_cast<int>(qFromLittleEndian<qint16>(d.data() + i))));
    return peak;
}

// ---------------------------------------------------------------------------
// Element rules

struct DeviceRow {
    const char* fileName;
    k::DeviceType expected;
};

class DeviceTypeRule : public ::testing::TestWithParam<DeviceRow> {};

TEST_P(DeviceTypeRule, CdAudioOnlyForExactCdaWholeDriveOrCdDevice)
{
    EXPECT_EQ(k::MediaDeviceType(QString::fromUtf8(GetParam().fileName)), GetParam().expected)
        << GetParam().fileName;
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeviceTypeRule,
    ::testing::Values(DeviceRow{"/media/cdrom/Track01.cda", k::DeviceType::CdAudio},
                      DeviceRow{"D:\\Track05.cda", k::DeviceType::CdAudio},
                      DeviceRow{"/media/cdrom/Track01.CDA", k::DeviceType::Automatic},
                      DeviceRow{"/media/cdrom/Track01.Cda", k::DeviceType::Automatic},
                      DeviceRow{"/muziek/track.cda.wav", k::DeviceType::Automatic},
                      DeviceRow{"/muziek/cda", k::DeviceType::Automatic},
                      DeviceRow{"D:", k::DeviceType::CdAudio},
                      DeviceRow{"d:", k::DeviceType::Automatic},
                      DeviceRow{"D:\\", k::DeviceType::Automatic},
                      DeviceRow{"/dev/sr0", k::DeviceType::CdAudio},
                      DeviceRow{"/dev/cdrom", k::DeviceType::CdAudio},
                      DeviceRow{"/dev/sda1", k::DeviceType::Automatic},
                      DeviceRow{"/muziek/liedje.mp3", k::DeviceType::Automatic}));

TEST(CdAudioUrl, TrackNumberComesFromTheCdaNameAndDevicesStartAtTrackOne)
{
    // The paths do not exist here, so the default drive stands in.
    EXPECT_EQ(k::CdAudioUrl("/media/cdrom/Track05.cda").toString(), "cdda:///dev/cdrom#5");
    EXPECT_EQ(k::CdAudioUrl("/media/cdrom/Track12.cda").toString(), "cdda:///dev/cdrom#12");
    EXPECT_EQ(k::CdAudioUrl("/media/cdrom/Rommel.cda").toString(), "cdda:///dev/cdrom#1");
    EXPECT_EQ(k::CdAudioUrl("D:").toString(), "cdda:///dev/cdrom#1");
    EXPECT_EQ(k::CdAudioUrl("/dev/sr0").toString(), "cdda:///dev/sr0#1");
}

TEST(MidiFiles, RecognisedByExtensionInAnyCase)
{
    EXPECT_TRUE(k::IsMidiFile("/m/song.mid"));
    EXPECT_TRUE(k::IsMidiFile("/m/SONG.MID"));
    EXPECT_TRUE(k::IsMidiFile("/m/song.midi"));
    EXPECT_FALSE(k::IsMidiFile("/m/song.wav"));
    EXPECT_FALSE(k::IsMidiFile("/m/mid"));
}

// ---------------------------------------------------------------------------
// The control over a recording backend

struct Recorder {
    std::vector<std::string> calls;
    bool openSucceeds = true;
    k::MediaPlayer::BackendKind kind{};
    int made = 0;
};

class FakeBackend : public k::MediaBackend {
public:
    explicit FakeBackend(Recorder& r) : m_r(r) {}
    bool Open(const QString& fileName, k::DeviceType device) override
    {
        m_r.calls.push_back("open " + fileName.toStdString()
                            + (device == k::DeviceType::CdAudio ? " cd" : ""));
        if (!m_r.openSucceeds) {
            m_error = "kapot";
            return false;
        }
        Set(k::MediaState::Stopped);
        return true;
    }
    void Play() override { Log("play", k::MediaState::Playing); }
    void Pause() override { Log("pause", k::MediaState::Paused); }
    void SeekToStart() override { m_r.calls.push_back("seek0"); }
    void Stop() override { Log("stop", k::MediaState::Stopped); }
    void Next() override { m_r.calls.push_back("next"); }
    void Previous() override { m_r.calls.push_back("prev"); }
    k::MediaState State() const override { return m_state; }
    qint64 Position() const override { return 0; }
    void Fail(const QString& text) { emit errorOccurred(text); }

private:
    void Log(const char* what, k::MediaState s)
    {
        m_r.calls.push_back(what);
        Set(s);
    }
    void Set(k::MediaState s)
    {
        m_state = s;
        emit stateChanged(s);
    }
    Recorder& m_r;
    k::MediaState m_state = k::MediaState::NotOpen;
};

struct FakePlayer {
    ScriptedPrompter prompter;
    Recorder rec;
    k::MediaPlayer player{prompter};
    FakeBackend* last = nullptr;

    FakePlayer()
    {
        player.SetBackendFactory([this](k::MediaPlayer::BackendKind kind) {
            rec.kind = kind;
            ++rec.made;
            auto b = std::make_unique<FakeBackend>(rec);
            last = b.get();
            return std::unique_ptr<k::MediaBackend>(std::move(b));
        });
        player.SetCdSourceCheck([] { return true; });
    }

    std::string Enabled() const
    {
        std::string s;
        const char* names[] = {"play", "pause", "stop", "next", "prev"};
        int i = 0;
        for (auto b : {k::MediaButton::Play, k::MediaButton::Pause, k::MediaButton::Stop,
                       k::MediaButton::Next, k::MediaButton::Prev}) {
            if (player.Button(b)->isEnabled())
                s += std::string(s.empty() ? "" : " ") + names[i];
            ++i;
        }
        return s;
    }
};

TEST(MediaPlayerControl, ButtonsFollowTheElementsState)
{
    FakePlayer f;
    EXPECT_EQ(f.Enabled(), "");
    EXPECT_EQ(f.player.size(), QSize(141, 23));
    EXPECT_EQ(f.player.toolTip(), "Mediaspeler");

    struct Step {
        k::MediaButton press;
        k::MediaState state;
        const char* enabled;
    };
    ASSERT_TRUE(f.player.Open("/m/a.wav"));
    EXPECT_EQ(f.Enabled(), "play next prev");
    const Step steps[] = {
        {k::MediaButton::Play, k::MediaState::Playing, "pause stop next prev"},
        {k::MediaButton::Pause, k::MediaState::Paused, "play stop next prev"},
        {k::MediaButton::Pause, k::MediaState::Playing, "pause stop next prev"}, // resumes
        {k::MediaButton::Stop, k::MediaState::Stopped, "play next prev"},
        {k::MediaButton::Play, k::MediaState::Playing, "pause stop next prev"},
        {k::MediaButton::Next, k::MediaState::Playing, "pause stop next prev"},
    };
    for (const Step& s : steps) {
        f.player.MediaPlayer1Click(s.press);
        EXPECT_EQ(f.player.State(), s.state);
        EXPECT_EQ(f.Enabled(), s.enabled);
    }
}

TEST(MediaPlayerControl, StopRewindsBeforeStopping)
{
    FakePlayer f;
    ASSERT_TRUE(f.player.Open("/m/a.wav"));
    f.player.Button(k::MediaButton::Play)->click();
    f.player.Button(k::MediaButton::Stop)->click();
    const std::vector<std::string> expected = {"open /m/a.wav", "play", "seek0", "stop"};
    EXPECT_EQ(f.rec.calls, expected);
}

TEST(MediaPlayerControl, StopWithNothingOpenSaysSoAndDoesNothingElse)
{
    FakePlayer f;
    f.player.MediaPlayer1Click(k::MediaButton::Stop);
    EXPECT_EQ(f.prompter.messages, std::vector<std::string>{"Er is geen mediabestand geopend."});
    EXPECT_EQ(f.rec.made, 0);
    EXPECT_TRUE(f.rec.calls.empty());
    EXPECT_EQ(f.player.State(), k::MediaState::NotOpen);
    EXPECT_TRUE(f.prompter.beeps.empty());
}

TEST(MediaPlayerControl, MidiGoesToTheMidiBackendAndCdaToTheMultimediaOne)
{
    FakePlayer f;
    ASSERT_TRUE(f.player.Open("/m/song.MID"));
    EXPECT_EQ(f.rec.kind, k::MediaPlayer::BackendKind::Midi);
    ASSERT_TRUE(f.player.Open("/media/cdrom/Track02.cda"));
    EXPECT_EQ(f.rec.kind, k::MediaPlayer::BackendKind::Multimedia);
    EXPECT_EQ(f.player.Device(), k::DeviceType::CdAudio);
    EXPECT_EQ(f.rec.calls.back(), "open /media/cdrom/Track02.cda cd");
    ASSERT_TRUE(f.player.Open("/media/cdrom/Track02.CDA"));
    EXPECT_EQ(f.player.Device(), k::DeviceType::Automatic);
    EXPECT_EQ(f.rec.calls.back(), "open /media/cdrom/Track02.CDA");
}

TEST(MediaPlayerControl, CdWithoutACdSourceGetsADutchMessageAndOpensNothing)
{
    FakePlayer f;
    f.player.SetCdSourceCheck([] { return false; });
    EXPECT_FALSE(f.player.Open("/media/cdrom/Track01.cda"));
    ASSERT_EQ(f.prompter.messages.size(), 1u);
    EXPECT_NE(f.prompter.messages[0].find("Audio-cd's kunnen hier niet worden afgespeeld"),
              std::string::npos);
    EXPECT_EQ(f.rec.made, 0);
    EXPECT_EQ(f.player.State(), k::MediaState::NotOpen);
}

TEST(MediaPlayerControl, OpenMediaClickUsesTheMediaDialogAndACancelChangesNothing)
{
    FakePlayer f;
    ASSERT_TRUE(f.player.Open("/m/first.wav"));
    f.prompter.fileNames.push_back(QString());
    f.player.OpenMediaClick("/home/gitaar/Muziek");
    ASSERT_EQ(f.prompter.fileRequests.size(), 1u);
    const k::FileDialogRequest& r = f.prompter.fileRequests[0];
    EXPECT_EQ(r.title, "Media bestand openen");
    EXPECT_EQ(r.directory, "/home/gitaar/Muziek");
    EXPECT_EQ(r.filters, (QStringList{"Geluidsbestand (*.wav *.mp3 *.wma *.mid *.cda)",
                                      "Alle bestanden (*)"}));
    EXPECT_EQ(f.player.FileName(), "/m/first.wav");
    EXPECT_EQ(f.player.State(), k::MediaState::Stopped);

    f.prompter.fileNames.push_back("/m/second.mp3");
    f.player.OpenMediaClick("/home/gitaar/Muziek");
    EXPECT_EQ(f.player.FileName(), "/m/second.mp3");
    EXPECT_EQ(f.rec.made, 2);
}

TEST(MediaPlayerControl, AnOpenThatFailsShowsThePlayersMessageAndLeavesNothingOpen)
{
    FakePlayer f;
    f.rec.openSucceeds = false;
    EXPECT_FALSE(f.player.Open("/m/kapot.wav"));
    ASSERT_EQ(f.prompter.messages.size(), 1u);
    EXPECT_EQ(f.prompter.messages[0],
              "Het mediabestand /m/kapot.wav kan niet worden afgespeeld:\nkapot");
    EXPECT_EQ(f.player.State(), k::MediaState::NotOpen);
    EXPECT_EQ(f.Enabled(), "");
}

TEST(MediaPlayerControl, ALaterPlayerErrorIsShownOnceAndClosesTheElement)
{
    FakePlayer f;
    ASSERT_TRUE(f.player.Open("/m/a.wav"));
    f.last->Fail("Internal data stream error.");
    EXPECT_EQ(f.prompter.messages,
              std::vector<std::string>{
                  "Het mediabestand /m/a.wav kan niet worden afgespeeld:\nInternal data stream error."});
    EXPECT_EQ(f.player.State(), k::MediaState::NotOpen);
    EXPECT_EQ(f.Enabled(), "");
}

// ---------------------------------------------------------------------------
// Real playback

TEST(QtMultimediaPlayback, AGeneratedWavPlaysPausesStopsAndSkips)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("toon.wav");
    WriteWav(wav, 1.0);
    ScriptedPrompter prompter;
    k::MediaPlayer player(prompter);
    ASSERT_TRUE(player.Open(wav));
    EXPECT_EQ(player.State(), k::MediaState::Stopped);

    player.MediaPlayer1Click(k::MediaButton::Play);
    const bool started = WaitFor([&] {
        return !prompter.messages.empty() || player.Backend()->Position() > 100;
    }, 5000);
    if (!prompter.messages.empty() && prompter.messages[0].find("plug-in") != std::string::npos)
        GTEST_SKIP() << "the multimedia backend cannot decode WAV here (GStreamer needs "
                        "gstreamer1.0-plugins-good): "
                     << prompter.messages[0];
    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages[0];
    ASSERT_TRUE(started) << "position stayed at " << player.Backend()->Position();
    EXPECT_EQ(player.State(), k::MediaState::Playing);

    player.MediaPlayer1Click(k::MediaButton::Pause);
    ASSERT_TRUE(WaitFor([&] { return player.State() == k::MediaState::Paused; }, 2000));
    const qint64 paused = player.Backend()->Position();
    QTest::qWait(300);
    EXPECT_LE(std::abs(player.Backend()->Position() - paused), 20);

    player.MediaPlayer1Click(k::MediaButton::Stop);
    ASSERT_TRUE(WaitFor([&] { return player.State() == k::MediaState::Stopped; }, 2000));
    EXPECT_EQ(player.Backend()->Position(), 0);

    // Skipped to the end the element stops by itself and stays open;
    // previous goes back to the start.
    player.MediaPlayer1Click(k::MediaButton::Play);
    ASSERT_TRUE(WaitFor([&] { return player.Backend()->Position() > 100; }, 2000));
    player.MediaPlayer1Click(k::MediaButton::Next);
    EXPECT_TRUE(WaitFor([&] { return player.State() == k::MediaState::Stopped; }, 800));
    EXPECT_EQ(player.FileName(), wav);
    player.MediaPlayer1Click(k::MediaButton::Prev);
    EXPECT_TRUE(WaitFor([&] { return player.Backend()->Position() == 0; }, 2000));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(QtMultimediaPlayback, AFileThatIsNoSoundGivesThePlayersMessage)
{
    QTemporaryDir dir;
    const QString fake = dir.filePath("geen-geluid.wav");
    {
        QFile f(fake);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4000, 'x'));
    }
    ScriptedPrompter prompter;
    k::MediaPlayer player(prompter);
    player.Open(fake);
    player.MediaPlayer1Click(k::MediaButton::Play);
    ASSERT_TRUE(WaitFor([&] { return !prompter.messages.empty(); }, 5000));
    QTest::qWait(200); // a follow-up error of the pipeline must not give a second box
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].rfind("Het mediabestand " + fake.toStdString()
                                             + " kan niet worden afgespeeld:\n",
                                         0),
              0u)
        << prompter.messages[0];
    EXPECT_EQ(player.State(), k::MediaState::NotOpen);
}

class MidiPlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (k::FindSoundFont().isEmpty())
            GTEST_SKIP() << "no General MIDI SoundFont installed (timgm6mb-soundfont)";
        ASSERT_TRUE(dir.isValid());
        midi = dir.filePath("vier.mid");
        WriteMidi(midi);
        // No sound card needed: FluidSynth's file driver renders in real time
        // into a WAV file, one per opened element.
        player.SetBackendFactory([this](k::MediaPlayer::BackendKind kind) {
            EXPECT_EQ(kind, k::MediaPlayer::BackendKind::Midi);
            rendered.push_back(dir.filePath(QStringLiteral("weergave%1.wav").arg(rendered.size())));
            return std::unique_ptr<k::MediaBackend>(std::make_unique<k::FluidSynthBackend>(
                k::FluidSynthOptions{QString(), {"file"}, rendered.back()}));
        });
    }

    QTemporaryDir dir;
    QString midi;
    QStringList rendered;
    ScriptedPrompter prompter;
    k::MediaPlayer player{prompter};
};

TEST_F(MidiPlayback, AGeneratedMidiFilePlaysPausesResumesStopsAndSounds)
{
    ASSERT_TRUE(player.Open(midi)) << (prompter.messages.empty() ? "" : prompter.messages[0]);
    EXPECT_EQ(player.State(), k::MediaState::Stopped);

    player.MediaPlayer1Click(k::MediaButton::Play);
    EXPECT_EQ(player.State(), k::MediaState::Playing);
    ASSERT_TRUE(WaitFor([&] { return player.Backend()->Position() > 100; }, 3000));

    player.MediaPlayer1Click(k::MediaButton::Pause);
    EXPECT_EQ(player.State(), k::MediaState::Paused);
    QTest::qWait(100);
    const qint64 paused = player.Backend()->Position();
    QTest::qWait(300);
    EXPECT_EQ(player.Backend()->Position(), paused);

    player.MediaPlayer1Click(k::MediaButton::Play);
    ASSERT_TRUE(WaitFor([&] { return player.Backend()->Position() > paused + 50; }, 3000));

    player.MediaPlayer1Click(k::MediaButton::Stop);
    EXPECT_EQ(player.State(), k::MediaState::Stopped);
    EXPECT_EQ(player.Backend()->Position(), 0);

    // From the start again, skipped to the end: it stops by itself.
    player.MediaPlayer1Click(k::MediaButton::Play);
    ASSERT_TRUE(WaitFor([&] { return player.Backend()->Position() > 50; }, 3000));
    player.MediaPlayer1Click(k::MediaButton::Next);
    EXPECT_TRUE(WaitFor([&] { return player.State() == k::MediaState::Stopped; }, 3000));
    EXPECT_TRUE(prompter.messages.empty());

    // Opening another element closes this one, which finishes its file.
    ASSERT_TRUE(player.Open(midi));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_GT(PeakOfWav(rendered.at(0)), 200) << "the rendered sound is silent";
}

TEST_F(MidiPlayback, PlayedToTheEndItStopsAndPlaysAgainFromTheStart)
{
    ASSERT_TRUE(player.Open(midi));
    player.MediaPlayer1Click(k::MediaButton::Play);
    ASSERT_TRUE(WaitFor([&] { return player.State() == k::MediaState::Stopped; }, 6000));
    EXPECT_EQ(player.Button(k::MediaButton::Play)->isEnabled(), true);
    player.MediaPlayer1Click(k::MediaButton::Play);
    EXPECT_EQ(player.State(), k::MediaState::Playing);
    // The synth takes the rewind over with its next block.
    EXPECT_TRUE(WaitFor([&] {
        const qint64 at = player.Backend()->Position();
        return at > 50 && at < 1000;
    }, 3000)) << player.Backend()->Position();
}

TEST_F(MidiPlayback, WithoutAnyAudioOutputTheMessageSaysSo)
{
    player.SetBackendFactory([](k::MediaPlayer::BackendKind) {
        return std::unique_ptr<k::MediaBackend>(std::make_unique<k::FluidSynthBackend>(
            k::FluidSynthOptions{QString(), {"geen-driver"}, QString()}));
    });
    EXPECT_FALSE(player.Open(midi));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("FluidSynth vindt geen geluidsuitvoer (geprobeerd: geen-driver)"),
              std::string::npos)
        << prompter.messages[0];
    EXPECT_EQ(player.State(), k::MediaState::NotOpen);
}

TEST_F(MidiPlayback, AFileThatIsNoMidiIsRefusedAtOnce)
{
    const QString fake = dir.filePath("nep.mid");
    QFile f(fake);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF but not MIDI");
    f.close();
    EXPECT_FALSE(player.Open(fake));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{"Het mediabestand " + fake.toStdString()
                                       + " kan niet worden afgespeeld:\nDit is geen geldig MIDI-bestand."});
    EXPECT_EQ(player.State(), k::MediaState::NotOpen);
}

// ---------------------------------------------------------------------------
// Outside programs and mail

struct MailRow {
    const char* address;
    const char* subject;
    const char* body;
    const char* encoded;
};

class MailtoAddress : public ::testing::TestWithParam<MailRow> {};

TEST_P(MailtoAddress, EveryPartReachesTheMailProgramWhole)
{
    const MailRow& r = GetParam();
    const QUrl url = k::BuildMailtoUrl(QString::fromUtf8(r.address), QString::fromUtf8(r.subject),
                                       QString::fromUtf8(r.body));
    ASSERT_TRUE(url.isValid()) << url.errorString();
    EXPECT_EQ(QString::fromLatin1(url.toEncoded()), QString::fromLatin1(r.encoded));
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(QUrl::FullyDecoded), QString::fromUtf8(r.address));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), QString::fromUtf8(r.subject));
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), QString::fromUtf8(r.body));
}

INSTANTIATE_TEST_SUITE_P(
    Parts, MailtoAddress,
    ::testing::Values(
        MailRow{"korvane@example.org", "Korvane", "", "mailto:korvane@example.org?subject=Korvane&body="},
        MailRow{"a@b.nl", "Rock & Roll tabs", "", "mailto:a@b.nl?subject=Rock%20%26%20Roll%20tabs&body="},
        MailRow{"a@b.nl", "vraag?", "regel 1\nregel 2 #3 = 50%",
                "mailto:a@b.nl?subject=vraag%3F&body=regel%201%0Aregel%202%20%233%20%3D%2050%25"},
        MailRow{"a@b.nl", "Café", "", "mailto:a@b.nl?subject=Caf%C3%A9&body="}));

struct ToolsFixture {
    ScriptedPrompter prompter;
    QStringList installed;
    std::vector<std::pair<QString, QStringList>> started;
    bool startWorks = true;
    std::vector<QUrl> opened;
    bool openWorks = true;
    k::ExternalTools tools{
        prompter,
        [this](const QString& p) { return installed.contains(p) ? "/usr/bin/" + p : QString(); },
        [this](const QString& path, const QStringList& args) {
            started.emplace_back(path, args);
            return startWorks;
        },
        [this](const QUrl& url) {
            opened.push_back(url);
            return openWorks;
        }};
};

TEST(OutsidePrograms, TheFirstInstalledVolumeControlStartsWithoutDocument)
{
    ToolsFixture t;
    t.installed = {"gnome-control-center", "pavucontrol-qt"};
    EXPECT_TRUE(t.tools.VolumeClick());
    ASSERT_EQ(t.started.size(), 1u);
    EXPECT_EQ(t.started[0].first, "/usr/bin/pavucontrol-qt");
    EXPECT_TRUE(t.started[0].second.isEmpty());
    EXPECT_TRUE(t.prompter.messages.empty());

    t.installed = {"gnome-control-center"};
    EXPECT_TRUE(t.tools.VolumeClick());
    EXPECT_EQ(t.started[1].first, "/usr/bin/gnome-control-center");
    EXPECT_EQ(t.started[1].second, QStringList{"sound"});
}

TEST(OutsidePrograms, TheBrowserStartsWithoutAnAddress)
{
    ToolsFixture t;
    t.installed = {"firefox-esr", "x-www-browser"};
    EXPECT_TRUE(t.tools.internetClick());
    ASSERT_EQ(t.started.size(), 1u);
    EXPECT_EQ(t.started[0].first, "/usr/bin/x-www-browser");
    EXPECT_TRUE(t.started[0].second.isEmpty());
}

TEST(OutsidePrograms, NoneFoundOrNotStartingIsSaidInDutch)
{
    ToolsFixture t;
    EXPECT_FALSE(t.tools.VolumeClick());
    EXPECT_FALSE(t.tools.internetClick());
    EXPECT_TRUE(t.started.empty());
    EXPECT_EQ(t.prompter.messages,
              (std::vector<std::string>{
                  "Er is geen volumeregeling gevonden. Installeer bijvoorbeeld pavucontrol.",
                  "Er is geen webbrowser gevonden. Installeer bijvoorbeeld firefox-esr."}));

    t.installed = {"firefox"};
    t.startWorks = false;
    EXPECT_FALSE(t.tools.internetClick());
    EXPECT_EQ(t.prompter.messages.back(), "De webbrowser /usr/bin/firefox kon niet worden gestart.");
}

TEST(OutsidePrograms, SendEMailHandsTheEncodedAddressToTheDesktop)
{
    ToolsFixture t;
    EXPECT_TRUE(t.tools.SendEMail("a@b.nl", "Rock & Roll", ""));
    ASSERT_EQ(t.opened.size(), 1u);
    EXPECT_EQ(t.opened[0].toEncoded(), "mailto:a@b.nl?subject=Rock%20%26%20Roll&body=");
    t.openWorks = false;
    EXPECT_FALSE(t.tools.SendEMail("a@b.nl", "x", ""));
    EXPECT_TRUE(t.prompter.messages.empty());
}

// ---------------------------------------------------------------------------
// About box

k::AboutInput Input(double size, double free, QString name = "naamloos.tab", int balken = 0)
{
    return k::AboutInput{"Korvane1.06", name, balken,
                         k::DriveInfo{"/dev/sda1", k::DriveFigures{size, free}}};
}

struct DriveRow {
    const char* what;
    double size, free;
    const char* locale;
    const char* sizeLine;
    const char* usedLine;
    const char* freeLine;
};

class AboutDriveLines : public ::testing::TestWithParam<DriveRow> {};

TEST_P(AboutDriveLines, CapacityUsedAndFree)
{
    const DriveRow& r = GetParam();
    const k::AboutTexts t = k::AboutBoxTexts(Input(r.size, r.free), QLocale(r.locale));
    EXPECT_EQ(t.SizeLabel, QString::fromUtf8(r.sizeLine)) << r.what;
    EXPECT_EQ(t.UsedLabel, QString::fromUtf8(r.usedLine)) << r.what;
    EXPECT_EQ(t.FreeLabel, QString::fromUtf8(r.freeLine)) << r.what;
    EXPECT_EQ(t.DriveLabel, "Drive       : /dev/sda1");
}

INSTANTIATE_TEST_SUITE_P(
    Drives, AboutDriveLines,
    ::testing::Values(
        DriveRow{"250 GB, 50 GB free", 250e9, 50e9, "C", "Capaciteit  : 232.831 GiB",
                 "Gebruikt    : 186.265 GiB = 80.00%", "Beschikbaar : 46.566 GiB = 20.00%"},
        DriveRow{"the same, Dutch separator", 250e9, 50e9, "nl_NL", "Capaciteit  : 232,831 GiB",
                 "Gebruikt    : 186,265 GiB = 80,00%", "Beschikbaar : 46,566 GiB = 20,00%"},
        DriveRow{"nothing used", 1073741824.0, 1073741824.0, "C", "Capaciteit  :  1.000 GiB",
                 "Gebruikt    :  0.000 GiB = 0.00%", "Beschikbaar :  1.000 GiB = 100.00%"},
        DriveRow{"nothing free", 1073741824.0, 0, "C", "Capaciteit  :  1.000 GiB",
                 "Gebruikt    :  1.000 GiB = 100.00%", "Beschikbaar :  0.000 GiB = 0.00%"},
        DriveRow{"empty pseudo file system", 0, 0, "C", "Capaciteit  :  0.000 GiB",
                 "Gebruikt    :  0.000 GiB = 0.00%", "Beschikbaar :  0.000 GiB = 0.00%"},
        DriveRow{"no group separator", 4e12, 1e12, "nl_NL", "Capaciteit  : 3725,290 GiB",
                 "Gebruikt    : 2793,968 GiB = 75,00%", "Beschikbaar : 931,323 GiB = 25,00%"}));

TEST(AboutTexts, ADriveThatCannotBeReadShowsOnbekend)
{
    k::AboutInput in = Input(0, 0);
    in.drive = k::DriveInfo{"/mnt/weg", std::nullopt};
    const k::AboutTexts t = k::AboutBoxTexts(in, QLocale::c());
    EXPECT_EQ(t.DriveLabel, "Drive       : /mnt/weg");
    EXPECT_EQ(t.SizeLabel, "Capaciteit  : onbekend");
    EXPECT_EQ(t.UsedLabel, "Gebruikt    : onbekend");
    EXPECT_EQ(t.FreeLabel, "Beschikbaar : onbekend");
}

struct NameRow {
    const char* bestandsnaam;
    const char* shown;
};

class AboutNameRule : public ::testing::TestWithParam<NameRow> {};

TEST_P(AboutNameRule, NameLine)
{
    const k::AboutTexts t = k::AboutBoxTexts(Input(1, 1, QString::fromUtf8(GetParam().bestandsnaam)));
    EXPECT_EQ(t.Naamlabel, QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Names, AboutNameRule,
    ::testing::Values(
        NameRow{"naamloos.tab", "Titel: naamloos.tab"},
        NameRow{"/home/gitaar/tabs/Blackbird.tab", "Titel: Blackbird.tab"},
        NameRow{"C:\\Tabs\\Oud.tab", "Titel: Oud.tab"},
        NameRow{"C:Oud.tab", "Titel: Oud.tab"},
        NameRow{"/t/twintig-tekens-x.tab", "Titel: twintig-tekens-x.tab"},               // 20
        NameRow{"/t/twintig-tekens-xy.tab", "Titel: twintig-tekens-xy.tab"},             // 21
        NameRow{"/t/dertig-tekens-precies-xyz1.tab", "Titel: dertig-tekens-precies-xyz1.tab"}, // 30
        NameRow{"/t/eenendertig-tekens-precies-.tab", "Titel: eenendertig-tekens-precies-.ta..."}, // 31
        NameRow{"/t/Stairway to Heaven - Led Zeppelin.tab",
                "Titel: Stairway to Heaven - Led Zeppe..."}));

TEST(AboutTexts, StaffLineOnlyWithStaffs)
{
    EXPECT_EQ(k::AboutBoxTexts(Input(1, 1, "a.tab", 0)).balklabel, "");
    EXPECT_EQ(k::AboutBoxTexts(Input(1, 1, "a.tab", 1)).balklabel, "Aantal tab-balken: 1");
    EXPECT_EQ(k::AboutBoxTexts(Input(1, 1, "a.tab", 12)).balklabel, "Aantal tab-balken: 12");
    const k::AboutTexts t = k::AboutBoxTexts(Input(1, 1));
    EXPECT_EQ(t.Label1, "Korvane1.06");
    EXPECT_EQ(t.author, "Korvane-team 2026");
    EXPECT_EQ(t.Label2, "korvane@example.org");
}

TEST(AboutDrive, TheFolderOfARealDirectoryIsReadable)
{
    QTemporaryDir dir;
    const k::DriveInfo info = k::ReadDriveInfo(dir.path());
    EXPECT_FALSE(info.name.isEmpty());
    ASSERT_TRUE(info.figures.has_value());
    EXPECT_GT(info.figures->size, 0);
    EXPECT_LE(info.figures->free, info.figures->size);
}

TEST(AboutBox, LayoutOfThePart)
{
    ScriptedPrompter prompter;
    k::TAboutBox box(prompter);
    EXPECT_EQ(box.windowTitle(), "Info");
    EXPECT_EQ(box.size(), QSize(353, 294));
    EXPECT_EQ(box.Panel1->geometry(), QRect(10, 8, 335, 241));
    struct Place {
        QLabel* label;
        QPoint at;
        int pixels;
        bool bold;
    };
    const Place places[] = {
        {box.ProgramIcon, {19, 12}, -1, false}, {box.Label1, {69, 14}, 16, false},
        {box.AuthorLabel, {188, 16}, 13, false}, {box.Label2, {70, 41}, 13, false},
        {box.Naamlabel, {21, 80}, 13, true},    {box.balklabel, {20, 107}, 13, true},
        {box.DriveLabel, {33, 152}, 13, true},  {box.SizeLabel, {33, 165}, 13, true},
        {box.UsedLabel, {33, 178}, 13, true},   {box.FreeLabel, {34, 191}, 13, true},
    };
    for (const Place& p : places) {
        EXPECT_EQ(p.label->parentWidget(), box.Panel1) << p.label->objectName();
        EXPECT_EQ(p.label->pos(), p.at) << p.label->objectName();
        if (p.pixels > 0) {
            EXPECT_EQ(p.label->font().pixelSize(), p.pixels) << p.label->objectName();
            EXPECT_EQ(p.label->font().bold(), p.bold) << p.label->objectName();
        }
    }
    EXPECT_EQ(box.ProgramIcon->size(), QSize(37, 31));
    EXPECT_FALSE(box.ProgramIcon->pixmap().isNull()) << "the program icon did not load";
    EXPECT_TRUE(QFontInfo(box.Naamlabel->font()).fixedPitch());
    EXPECT_TRUE(box.Label2->font().underline());
    EXPECT_EQ(box.Label2->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(box.Label2->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.OKButton->geometry(), QRect(139, 259, 75, 24));
    EXPECT_EQ(box.OKButton->text(), "OK");
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_EQ(box.Naamlabel->text(), "Naam:");
}

TEST(AboutBox, ShownModallyItFillsItsLabelsAndOkCloses)
{
    ScriptedPrompter prompter;
    k::TAboutBox box(prompter);
    int asked = 0;
    box.SetInputSource([&] {
        ++asked;
        return Input(250e9, 50e9, "/tabs/Blackbird.tab", 7);
    });
    box.SetLocale(QLocale::c());
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<k::TAboutBox*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        seen = shown->Naamlabel->text() + "|" + shown->balklabel->text() + "|"
               + shown->UsedLabel->text();
        shown->OKButton->click();
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_EQ(seen, "Titel: Blackbird.tab|Aantal tab-balken: 7|Gebruikt    : 186.265 GiB = 80.00%");
    EXPECT_EQ(asked, 1);
    // Recomputed each time it is shown.
    QTimer::singleShot(0, [&] { box.OKButton->click(); });
    box.exec();
    EXPECT_EQ(asked, 2);
}

TEST(AboutBox, ClickOnTheAddressMailsItAndAFailureOnlyBeeps)
{
    ScriptedPrompter prompter;
    k::TAboutBox box(prompter);
    box.SetInputSource([] { return Input(1, 1); });
    std::vector<QStringList> mails;
    bool works = true;
    box.SetMailSender([&](const QString& a, const QString& s, const QString& b) {
        mails.push_back({a, s, b});
        return works;
    });
    box.show();
    QTest::mouseClick(box.Label2, Qt::LeftButton);
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0], (QStringList{"korvane@example.org", "Korvane", ""}));
    EXPECT_TRUE(prompter.beeps.empty());
    works = false;
    QTest::mouseClick(box.Label2, Qt::LeftButton);
    EXPECT_EQ(prompter.beeps, std::vector<k::Sound>{k::Sound::Default});
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace

int main(int argc, char** argv)
{
    // Test discovery at build time runs this binary without CTest's
    // environment; headless either way.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
