// The media player of the second tool bar (MediaPlayer1): five coloured
// buttons (play, pause, stop, next, previous) over one media element at a
// time. Sound files and audio CDs play through Qt Multimedia; MIDI files,
// which its backends cannot play, through FluidSynth with a General MIDI
// SoundFont. Both sit behind MediaBackend so the button logic is the same
// and testable with any backend.
#pragma once

#include "audio/klankbank.h"

#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class QToolButton;
class QTimer;

namespace korvane {

class Prompter;

enum class MediaState { NotOpen, Stopped, Playing, Paused };
enum class MediaButton { Play, Pause, Stop, Next, Prev };
// How an element is opened: the platform chooses from the file, or it is a
// track (or the whole disc) of an audio CD.
enum class DeviceType { Automatic, CdAudio };

// ".cda" exactly (case-sensitive, from the last "."), a whole-drive name
// ("D:") or a CD device node ("/dev/cdrom", "/dev/sr0") is CD audio.
DeviceType MediaDeviceType(const QString& fileName);
// ".mid" / ".midi" in any case.
bool IsMidiFile(const QString& fileName);
// The multimedia backend's URL of a CD element, "cdda://<device>#<track>":
// a ".cda" track file gives its number ("Track05.cda" is track 5) and, when
// it lies on a mounted CD, that drive; a device node gives track 1 of that
// drive; otherwise track 1 of /dev/cdrom.
QUrl CdAudioUrl(const QString& fileName);
// Whether the multimedia backend in use has a CD source (GStreamer with its
// cdparanoia plugin); the FFmpeg backend has none.
bool MultimediaHasCdSource();
// Why Qt Multimedia could not play a file, in Dutch: its own texts are English.
QString MultimediaFoutTekst(QMediaPlayer::Error fout);

// The file filters and title of the media open dialog.
QStringList MediaFileFilters();
// Translated as the menu item of the same words.
inline constexpr char kMediaDialogTitle[] = "Media bestand openen";

// One opened element. Errors that show up after Open (the multimedia
// backends load asynchronously) arrive through errorOccurred.
class MediaBackend : public QObject {
    Q_OBJECT
public:
    // False with ErrorText() set when the element cannot be opened at once.
    virtual bool Open(const QString& fileName, DeviceType device) = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    // Waits until the position is the start.
    virtual void SeekToStart() = 0;
    virtual void Stop() = 0;
    // Next and previous track on a CD; end and start of a file.
    virtual void Next() = 0;
    virtual void Previous() = 0;
    virtual MediaState State() const = 0;
    // In the backend's own unit (milliseconds, MIDI ticks): for comparing
    // positions of one element only.
    virtual qint64 Position() const = 0;
    QString ErrorText() const { return m_error; }

signals:
    void stateChanged(korvane::MediaState state);
    void errorOccurred(const QString& text);

protected:
    QString m_error;
};

// QMediaPlayer with an audio output on the default device.
class QtMediaBackend : public MediaBackend {
    Q_OBJECT
public:
    QtMediaBackend();
    ~QtMediaBackend() override;
    bool Open(const QString& fileName, DeviceType device) override;
    void Play() override;
    void Pause() override;
    void SeekToStart() override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    MediaState State() const override;
    qint64 Position() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

struct FluidSynthOptions {
    QString soundFont;       // empty: FindSoundFont()
    QStringList drivers;     // audio drivers to try in order; empty: the desktop's
    QString outputFile;      // for the "file" driver: a WAV file to render into
};

// A MIDI file through FluidSynth's own player and audio driver.
class FluidSynthBackend : public MediaBackend {
    Q_OBJECT
public:
    explicit FluidSynthBackend(FluidSynthOptions options = {});
    ~FluidSynthBackend() override;
    bool Open(const QString& fileName, DeviceType device) override;
    void Play() override;
    void Pause() override;
    void SeekToStart() override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    MediaState State() const override;
    qint64 Position() const override;

private:
    void Close();
    void SetState(MediaState state);
    void Poll();

    FluidSynthOptions m_options;
    struct Fluid;
    std::unique_ptr<Fluid> f;
    MediaState m_state = MediaState::NotOpen;
    int m_pendingSeek = -1;
    QTimer* m_poll;
};

// The player control. Buttons are enabled by the element's state: nothing
// open, none; stopped, play/next/previous; playing, pause/stop/next/
// previous; paused, play/stop/next/previous.
class MediaPlayer : public QWidget {
    Q_OBJECT
public:
    enum class BackendKind { Multimedia, Midi };
    using BackendFactory = std::function<std::unique_ptr<MediaBackend>(BackendKind)>;

    explicit MediaPlayer(Prompter& prompter, QWidget* parent = nullptr);
    ~MediaPlayer() override;

    // Tests put their own backends (or ones writing to a file) here.
    void SetBackendFactory(BackendFactory factory) { m_factory = std::move(factory); }
    void SetCdSourceCheck(std::function<bool()> check) { m_hasCdSource = std::move(check); }

    // The media open dialog (title, filters, start directory mediamap); a
    // cancel changes nothing.
    void OpenMediaClick(const QString& mediamap);
    // Closes the current element and opens fileName; a failure is shown in
    // a message box and leaves nothing open.
    bool Open(const QString& fileName);
    // A press of one of the buttons; stop rewinds first.
    void MediaPlayer1Click(MediaButton button);

    MediaState State() const;
    QString FileName() const { return m_fileName; }
    DeviceType Device() const { return m_device; }
    MediaBackend* Backend() const { return m_backend.get(); }
    QToolButton* Button(MediaButton button) const;

signals:
    void stateChanged(korvane::MediaState state);

private:
    void Close();
    void UpdateButtons();
    void ShowError(const QString& text);

    Prompter& m_prompter;
    BackendFactory m_factory;
    std::function<bool()> m_hasCdSource;
    std::unique_ptr<MediaBackend> m_backend;
    QString m_fileName;
    DeviceType m_device = DeviceType::Automatic;
    QToolButton* m_buttons[5];
};

} // namespace korvane

Q_DECLARE_METATYPE(korvane::MediaState)
