// The media player control and its two backends: Qt Multimedia for sound
// files and audio CDs, FluidSynth for MIDI files.
#include "ui/mediaplayer.h"

#include "files/prompter.h"

#include <QCoreApplication>
#include <QAudioOutput>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QMediaPlayer>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <fluidsynth.h>

#include <mutex>

namespace korvane {

// ---------------------------------------------------------------------------
// Element rules

DeviceType MediaDeviceType(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && fileName.mid(dot) == QLatin1String(".cda"))
        return DeviceType::CdAudio;
    if (fileName == QLatin1String("D:"))
        return DeviceType::CdAudio;
    // The Linux counterpart of a whole drive: the CD drive's device node.
    static const QRegularExpression cdNode(QStringLiteral("^/dev/(cdrom\\d*|dvd\\d*|sr\\d+)$"));
    if (cdNode.match(fileName).hasMatch())
        return DeviceType::CdAudio;
    return DeviceType::Automatic;
}

bool IsMidiFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.compare(QLatin1String("mid"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("midi"), Qt::CaseInsensitive) == 0;
}

QUrl CdAudioUrl(const QString& fileName)
{
    // Always "cdda://<device>#<track>": a bare "cdda://5" would be read by
    // QUrl as a host name and become "0.0.0.5".
    if (fileName.startsWith(QLatin1String("/dev/")))
        return QUrl(QStringLiteral("cdda://%1#1").arg(fileName));
    QString device = QStringLiteral("/dev/cdrom");
    int track = 1;
    if (fileName.endsWith(QLatin1String(".cda"))) {
        // The track files of a mounted audio CD name their drive.
        const QFileInfo info(fileName);
        if (info.exists()) {
            const QString node = QString::fromLocal8Bit(QStorageInfo(info.absolutePath()).device());
            if (node.startsWith(QLatin1String("/dev/")))
                device = node;
        }
        static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
        const QRegularExpressionMatch m = digits.match(info.completeBaseName());
        if (m.hasMatch())
            track = std::max(1, m.captured(1).toInt());
    }
    return QUrl(QStringLiteral("cdda://%1#%2").arg(device).arg(track));
}

bool MultimediaHasCdSource()
{
    // Qt 6.4 picks GStreamer on Linux unless told otherwise; later versions
    // pick FFmpeg, which reads no CDs.
    QString backend = qEnvironmentVariable("QT_MEDIA_BACKEND");
    if (backend.isEmpty())
        backend = QT_VERSION < QT_VERSION_CHECK(6, 5, 0) ? QStringLiteral("gstreamer")
                                                         : QStringLiteral("ffmpeg");
    if (backend != QLatin1String("gstreamer"))
        return false;
    const QString qtPlugin = QLibraryInfo::path(QLibraryInfo::PluginsPath)
                             + QStringLiteral("/multimedia/libgstreamermediaplugin.so");
    if (!QFileInfo::exists(qtPlugin))
        return false;
    QStringList dirs;
    for (const char* var : {"GST_PLUGIN_SYSTEM_PATH_1_0", "GST_PLUGIN_SYSTEM_PATH",
                            "GST_PLUGIN_PATH_1_0", "GST_PLUGIN_PATH"})
        dirs += qEnvironmentVariable(var).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    dirs << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/gstreamer-1.0")
         << QStringLiteral("/usr/lib/gstreamer-1.0") << QStringLiteral("/usr/local/lib/gstreamer-1.0");
    for (const QString& dir : dirs)
        if (QFileInfo::exists(dir + QStringLiteral("/libgstcdparanoia.so")))
            return true;
    return false;
}

QStringList MediaFileFilters()
{
    // Qt separates the patterns of a filter by blanks, not semicolons.
    return {QCoreApplication::translate("Media", "Geluidsbestand (*.wav *.mp3 *.wma *.mid *.cda)"),
            QCoreApplication::translate("Media", "Alle bestanden (*)")};
}

// ---------------------------------------------------------------------------
// Qt Multimedia

struct QtMediaBackend::Impl {
    // The output outlives the player that renders into it.
    QAudioOutput output;
    QMediaPlayer player;
    bool cd = false;
    int track = 1;
    QString cdDevice;
    bool failed = false;

    QUrl TrackUrl() const
    {
        return QUrl(QStringLiteral("cdda://%1#%2").arg(cdDevice).arg(track));
    }
};

QString MultimediaFoutTekst(QMediaPlayer::Error fout)
{
    // A decoder the backend lacks shows as a format or resource error, so
    // both name the plug-in the user may have to install.
    switch (fout) {
    case QMediaPlayer::ResourceError:
        return QCoreApplication::translate("Media", "Het bestand kan niet worden gelezen of gedecodeerd "
                              "(ontbreekt er een plug-in van de multimedia-backend?).");
    case QMediaPlayer::FormatError:
        return QCoreApplication::translate("Media", "Dit formaat wordt niet ondersteund "
                              "(ontbreekt er een plug-in van de multimedia-backend?).");
    case QMediaPlayer::NetworkError:
        return QCoreApplication::translate("Media", "Er is een netwerkfout opgetreden.");
    case QMediaPlayer::AccessDeniedError:
        return QCoreApplication::translate("Media", "U hebt geen toegang tot dit bestand.");
    default:
        return QCoreApplication::translate("Media", "De multimedia-backend kan dit bestand niet afspelen.");
    }
}

QtMediaBackend::QtMediaBackend() : d(std::make_unique<Impl>())
{
    // Without an audio output the GStreamer pipeline has no sink at all;
    // with one on a machine without sound it falls back to a null sink and
    // the element still plays (silently).
    d->player.setAudioOutput(&d->output);
    connect(&d->player, &QMediaPlayer::playbackStateChanged, this,
            [this] { emit stateChanged(State()); });
    connect(&d->player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error fout) {
                // The pipeline often reports a follow-up error; one message.
                if (d->failed)
                    return;
                d->failed = true;
                m_error = MultimediaFoutTekst(fout);
                emit errorOccurred(m_error);
            });
}

QtMediaBackend::~QtMediaBackend()
{
    d->player.disconnect(this);
    d->player.stop();
}

bool QtMediaBackend::Open(const QString& fileName, DeviceType device)
{
    d->failed = false;
    d->cd = device == DeviceType::CdAudio;
    if (d->cd) {
        const QUrl url = CdAudioUrl(fileName);
        d->cdDevice = url.path();
        d->track = url.fragment().toInt();
        d->player.setSource(url);
        return true;
    }
    if (!QFileInfo(fileName).isFile()) {
        m_error = QCoreApplication::translate("Media", "Het bestand bestaat niet.");
        return false;
    }
    d->player.setSource(QUrl::fromLocalFile(fileName));
    return true;
}

void QtMediaBackend::Play() { d->player.play(); }
void QtMediaBackend::Pause() { d->player.pause(); }

void QtMediaBackend::SeekToStart()
{
    d->player.setPosition(0);
}

void QtMediaBackend::Stop() { d->player.stop(); }

void QtMediaBackend::Next()
{
    if (d->cd) {
        const bool playing = d->player.playbackState() == QMediaPlayer::PlayingState;
        ++d->track;
        d->player.setSource(d->TrackUrl());
        if (playing)
            d->player.play();
        return;
    }
    if (d->player.duration() > 0)
        d->player.setPosition(d->player.duration());
}

void QtMediaBackend::Previous()
{
    if (d->cd && d->track > 1) {
        const bool playing = d->player.playbackState() == QMediaPlayer::PlayingState;
        --d->track;
        d->player.setSource(d->TrackUrl());
        if (playing)
            d->player.play();
        return;
    }
    d->player.setPosition(0);
}

MediaState QtMediaBackend::State() const
{
    if (d->player.source().isEmpty())
        return MediaState::NotOpen;
    switch (d->player.playbackState()) {
    case QMediaPlayer::PlayingState: return MediaState::Playing;
    case QMediaPlayer::PausedState: return MediaState::Paused;
    case QMediaPlayer::StoppedState: break;
    }
    return MediaState::Stopped;
}

qint64 QtMediaBackend::Position() const { return d->player.position(); }

// ---------------------------------------------------------------------------
// FluidSynth

namespace {

// FluidSynth reports its errors through a log function, also from its
// audio thread; the last one is the player's message when something fails.
std::mutex g_fluidErrorLock;
QString g_fluidError;

QString LastFluidError()
{
    std::lock_guard lock(g_fluidErrorLock);
    return g_fluidError;
}

void ClearFluidError()
{
    std::lock_guard lock(g_fluidErrorLock);
    g_fluidError.clear();
}

void FluidLog(int level, const char* message, void*)
{
    if (level > FLUID_ERR)
        return;
    std::lock_guard lock(g_fluidErrorLock);
    g_fluidError = QString::fromLocal8Bit(message);
}

void InstallFluidLog()
{
    static const bool done = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, FluidLog, nullptr);
        return true;
    }();
    (void)done;
}

} // namespace

struct FluidSynthBackend::Fluid {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    ~Fluid()
    {
        // The driver's thread renders the synth: it goes first.
        if (driver)
            delete_fluid_audio_driver(driver);
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

FluidSynthBackend::FluidSynthBackend(FluidSynthOptions options)
    : m_options(std::move(options)), m_poll(new QTimer(this))
{
    InstallFluidLog();
    m_poll->setInterval(50);
    connect(m_poll, &QTimer::timeout, this, &FluidSynthBackend::Poll);
}

FluidSynthBackend::~FluidSynthBackend() = default;

void FluidSynthBackend::Close()
{
    m_poll->stop();
    f.reset();
    m_pendingSeek = -1;
    m_state = MediaState::NotOpen;
}

bool FluidSynthBackend::Open(const QString& fileName, DeviceType)
{
    Close();
    ClearFluidError();
    const QByteArray path = QFile::encodeName(fileName);
    if (!QFileInfo(fileName).isFile()) {
        m_error = QCoreApplication::translate("Media", "Het bestand bestaat niet.");
        return false;
    }
    if (!fluid_is_midifile(path.constData())) {
        m_error = QCoreApplication::translate("Media", "Dit is geen geldig MIDI-bestand.");
        return false;
    }
    const QString soundFont =
        m_options.soundFont.isEmpty() ? QString::fromStdString(FindSoundFont()) : m_options.soundFont;
    if (soundFont.isEmpty()) {
        m_error = QCoreApplication::translate("Media", "Er is geen General MIDI-klankbank (SoundFont) gevonden; "
                                 "installeer bijvoorbeeld het pakket timgm6mb-soundfont.");
        return false;
    }

    auto fluid = std::make_unique<Fluid>();
    fluid->settings = new_fluid_settings();
    if (!m_options.outputFile.isEmpty()) {
        fluid_settings_setstr(fluid->settings, "audio.file.name",
                              QFile::encodeName(m_options.outputFile).constData());
        fluid_settings_setstr(fluid->settings, "audio.file.type", "wav");
    }
    fluid->synth = new_fluid_synth(fluid->settings);
    if (!fluid->synth
        || fluid_synth_sfload(fluid->synth, QFile::encodeName(soundFont).constData(), 1)
               == FLUID_FAILED) {
        m_error = QCoreApplication::translate("Media", "De klankbank %1 kan niet worden geladen. %2")
                      .arg(soundFont, LastFluidError());
        return false;
    }

    QStringList drivers = m_options.drivers;
    if (drivers.isEmpty()) {
        char* preferred = nullptr;
        // JACK is left out: its client may start a server of its own.
        if (fluid_settings_dupstr(fluid->settings, "audio.driver", &preferred) == FLUID_OK
            && preferred) {
            if (QLatin1String(preferred) != QLatin1String("jack"))
                drivers << QString::fromLatin1(preferred);
            fluid_free(preferred);
        }
        for (const char* d : {"pulseaudio", "alsa", "sdl2"})
            if (!drivers.contains(QLatin1String(d)))
                drivers << QLatin1String(d);
    }
    for (const QString& d : drivers) {
        fluid_settings_setstr(fluid->settings, "audio.driver", d.toLatin1().constData());
        fluid->driver = new_fluid_audio_driver(fluid->settings, fluid->synth);
        if (fluid->driver)
            break;
    }
    if (!fluid->driver) {
        m_error = QCoreApplication::translate("Media", "FluidSynth vindt geen geluidsuitvoer (geprobeerd: %1). %2")
                      .arg(drivers.join(QStringLiteral(", ")), LastFluidError());
        return false;
    }

    fluid->player = new_fluid_player(fluid->synth);
    if (!fluid->player || fluid_player_add(fluid->player, path.constData()) != FLUID_OK) {
        m_error = QCoreApplication::translate("Media", "Het MIDI-bestand kan niet worden geladen. %1").arg(LastFluidError());
        return false;
    }
    f = std::move(fluid);
    m_pendingSeek = 0;
    SetState(MediaState::Stopped);
    return true;
}

void FluidSynthBackend::SetState(MediaState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void FluidSynthBackend::Play()
{
    if (!f || m_state == MediaState::Playing)
        return;
    if (m_pendingSeek >= 0)
        fluid_player_seek(f->player, m_pendingSeek);
    m_pendingSeek = -1;
    fluid_player_play(f->player);
    m_poll->start();
    SetState(MediaState::Playing);
}

void FluidSynthBackend::Pause()
{
    if (!f || m_state != MediaState::Playing)
        return;
    // Stopping FluidSynth's player keeps its position; the sounding notes
    // are cut so the pause is silent at once.
    fluid_player_stop(f->player);
    fluid_synth_all_sounds_off(f->synth, -1);
    m_poll->stop();
    SetState(MediaState::Paused);
}

void FluidSynthBackend::SeekToStart()
{
    if (!f)
        return;
    if (m_state != MediaState::Playing) {
        m_pendingSeek = 0;
        return;
    }
    // A seek while playing is taken over by the synth's next block; wait
    // until it is (a previous seek still pending makes the call fail).
    QElapsedTimer timer;
    timer.start();
    while (fluid_player_seek(f->player, 0) != FLUID_OK && timer.elapsed() < 500)
        QThread::msleep(2);
}

void FluidSynthBackend::Stop()
{
    if (!f)
        return;
    fluid_player_stop(f->player);
    fluid_synth_all_sounds_off(f->synth, -1);
    m_poll->stop();
    // fluid_player_stop keeps the position it stopped at; a stop rewinds.
    m_pendingSeek = 0;
    SetState(MediaState::Stopped);
}

void FluidSynthBackend::Next()
{
    if (!f)
        return;
    if (m_state == MediaState::Playing) {
        // To the end: the player finishes and Poll sees it.
        fluid_player_seek(f->player, fluid_player_get_total_ticks(f->player));
        return;
    }
    fluid_player_stop(f->player);
    m_poll->stop();
    m_pendingSeek = 0;
    SetState(MediaState::Stopped);
}

void FluidSynthBackend::Previous()
{
    if (!f)
        return;
    if (m_state == MediaState::Playing)
        fluid_player_seek(f->player, 0);
    else
        m_pendingSeek = 0;
}

MediaState FluidSynthBackend::State() const { return m_state; }

qint64 FluidSynthBackend::Position() const
{
    if (!f)
        return 0;
    if (m_state != MediaState::Playing && m_pendingSeek >= 0)
        return m_pendingSeek;
    return fluid_player_get_current_tick(f->player);
}

void FluidSynthBackend::Poll()
{
    if (!f || m_state != MediaState::Playing)
        return;
    // FluidSynth itself reports the end only once the last notes have died
    // away, seconds later; the element ends with its last event, and the
    // release of the sounding notes may ring on.
    const int total = fluid_player_get_total_ticks(f->player);
    const bool done = fluid_player_get_status(f->player) == FLUID_PLAYER_DONE
                      || (total > 0 && fluid_player_get_current_tick(f->player) >= total);
    if (!done)
        return;
    m_poll->stop();
    fluid_player_stop(f->player);
    m_pendingSeek = 0;
    SetState(MediaState::Stopped);
}

// ---------------------------------------------------------------------------
// The control

namespace {

// The coloured button faces: green play, yellow pause, red stop, blue
// skips; Qt greys them itself when a button is disabled.
QIcon ButtonIcon(MediaButton button)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    auto triangle = [&](double x0, double x1, QColor colour) {
        QPainterPath path;
        path.moveTo(x0, 3);
        path.lineTo(x1, 8);
        path.lineTo(x0, 13);
        path.closeSubpath();
        p.setBrush(colour);
        p.drawPath(path);
    };
    const QColor green(0, 170, 0), yellow(235, 200, 0), red(210, 0, 0), blue(0, 80, 220);
    switch (button) {
    case MediaButton::Play:
        triangle(4, 13, green);
        break;
    case MediaButton::Pause:
        p.setBrush(yellow);
        p.drawRect(QRectF(3.5, 3.5, 3, 9));
        p.drawRect(QRectF(9.5, 3.5, 3, 9));
        break;
    case MediaButton::Stop:
        p.setBrush(red);
        p.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    case MediaButton::Next:
        triangle(2, 8, blue);
        triangle(7, 13, blue);
        p.setBrush(blue);
        p.drawRect(QRectF(12.5, 3.5, 1.5, 9));
        break;
    case MediaButton::Prev: {
        p.setBrush(blue);
        p.drawRect(QRectF(2, 3.5, 1.5, 9));
        for (double x1 : {3.0, 8.0}) {
            QPainterPath path;
            path.moveTo(x1 + 6, 3);
            path.lineTo(x1, 8);
            path.lineTo(x1 + 6, 13);
            path.closeSubpath();
            p.drawPath(path);
        }
        break;
    }
    }
    return QIcon(pixmap);
}

constexpr MediaButton kButtons[5] = {MediaButton::Play, MediaButton::Pause, MediaButton::Stop,
                                     MediaButton::Next, MediaButton::Prev};

} // namespace

MediaPlayer::MediaPlayer(Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_prompter(prompter)
{
    qRegisterMetaType<korvane::MediaState>();
    setObjectName(QStringLiteral("MediaPlayer1"));
    setToolTip(QCoreApplication::translate("Media", "Mediaspeler"));
    setFixedSize(141, 23);
    m_factory = [](BackendKind kind) -> std::unique_ptr<MediaBackend> {
        if (kind == BackendKind::Midi)
            return std::make_unique<FluidSynthBackend>();
        return std::make_unique<QtMediaBackend>();
    };
    m_hasCdSource = MultimediaHasCdSource;

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    static const char* const names[5] = {"Play", "Pause", "Stop", "Next", "Prev"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(names[i]));
        b->setIcon(ButtonIcon(kButtons[i]));
        b->setFixedSize(i == 0 ? 29 : 28, 23);
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { MediaPlayer1Click(kButtons[i]); });
        layout->addWidget(b);
        m_buttons[i] = b;
    }
    UpdateButtons();
}

MediaPlayer::~MediaPlayer() = default;

QToolButton* MediaPlayer::Button(MediaButton button) const
{
    return m_buttons[static_cast<int>(button)];
}

MediaState MediaPlayer::State() const
{
    return m_backend ? m_backend->State() : MediaState::NotOpen;
}

void MediaPlayer::UpdateButtons()
{
    const MediaState s = State();
    const bool open = s != MediaState::NotOpen;
    Button(MediaButton::Play)->setEnabled(open && s != MediaState::Playing);
    Button(MediaButton::Pause)->setEnabled(s == MediaState::Playing);
    Button(MediaButton::Stop)->setEnabled(s == MediaState::Playing || s == MediaState::Paused);
    Button(MediaButton::Next)->setEnabled(open);
    Button(MediaButton::Prev)->setEnabled(open);
}

void MediaPlayer::Close()
{
    if (!m_backend)
        return;
    // The backend may be the sender of the signal that got us here.
    m_backend->disconnect(this);
    m_backend.release()->deleteLater();
    m_fileName.clear();
    m_device = DeviceType::Automatic;
    UpdateButtons();
    emit stateChanged(MediaState::NotOpen);
}

void MediaPlayer::ShowError(const QString& text)
{
    const QString name = m_fileName;
    Close();
    m_prompter.Message(QCoreApplication::translate("Media", "Het mediabestand %1 kan niet worden afgespeeld:\n%2")
                           .arg(name, text)
                           .toStdString());
}

void MediaPlayer::OpenMediaClick(const QString& mediamap)
{
    FileDialogRequest request;
    request.title = QCoreApplication::translate("Commando", kMediaDialogTitle);
    request.directory = mediamap;
    request.filters = MediaFileFilters();
    const QString fileName = m_prompter.OpenFileName(request);
    if (fileName.isEmpty())
        return;
    Open(fileName);
}

bool MediaPlayer::Open(const QString& fileName)
{
    Close();
    const DeviceType device = MediaDeviceType(fileName);
    if (device == DeviceType::CdAudio && !m_hasCdSource()) {
        m_prompter.Message(
            QCoreApplication::translate("Media",
                                        "Audio-cd's kunnen hier niet worden afgespeeld: de multimedia-backend van Qt heeft "
                                        "op dit systeem geen cd-bron (nodig: de GStreamer-backend met de cdparanoia-plugin).")
                .toStdString());
        return false;
    }
    const BackendKind kind = device == DeviceType::Automatic && IsMidiFile(fileName)
                                 ? BackendKind::Midi
                                 : BackendKind::Multimedia;
    std::unique_ptr<MediaBackend> backend = m_factory(kind);
    m_fileName = fileName;
    m_device = device;
    if (!backend->Open(fileName, device)) {
        const QString text = backend->ErrorText();
        m_fileName.clear();
        m_device = DeviceType::Automatic;
        m_prompter.Message(QCoreApplication::translate("Media", "Het mediabestand %1 kan niet worden afgespeeld:\n%2")
                               .arg(fileName, text)
                               .toStdString());
        return false;
    }
    m_backend = std::move(backend);
    connect(m_backend.get(), &MediaBackend::stateChanged, this, [this](MediaState s) {
        UpdateButtons();
        emit stateChanged(s);
    });
    connect(m_backend.get(), &MediaBackend::errorOccurred, this, &MediaPlayer::ShowError);
    UpdateButtons();
    emit stateChanged(State());
    return true;
}

void MediaPlayer::MediaPlayer1Click(MediaButton button)
{
    if (!m_backend) {
        m_prompter.Message(QCoreApplication::translate("Media", "Er is geen mediabestand geopend.").toStdString());
        return;
    }
    switch (button) {
    case MediaButton::Play:
        m_backend->Play();
        break;
    case MediaButton::Pause:
        // As on the original control, pause on a paused element resumes.
        if (m_backend->State() == MediaState::Paused)
            m_backend->Play();
        else
            m_backend->Pause();
        break;
    case MediaButton::Stop:
        m_backend->SeekToStart();
        m_backend->Stop();
        break;
    case MediaButton::Next:
        m_backend->Next();
        break;
    case MediaButton::Prev:
        m_backend->Previous();
        break;
    }
    UpdateButtons();
}

} // namespace korvane
