// The sound card through QAudioSink in pull mode.
#include "ui/geluidsuitgang.h"

#include "audio/weergave.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

namespace korvane {

namespace {

constexpr int kFrameBytes = 4;      // 16-bit stereo

QAudioFormat Formaat()
{
    QAudioFormat f;
    f.setSampleRate(kMonsterfrequentie);
    f.setChannelCount(2);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

} // namespace

// ---------------------------------------------------------------------------
// QtGeluidsuitgang

QtGeluidsuitgang::QtGeluidsuitgang()
{
    m_klok = new QTimer(this);
    m_klok->setInterval(30);
    connect(m_klok, &QTimer::timeout, this, [this] {
        if (bijVoortgang)
            bijVoortgang();
    });
}

QtGeluidsuitgang::~QtGeluidsuitgang() { Stop(); }

QString QtGeluidsuitgang::Start(QIODevice* bron)
{
    Stop();
    const QAudioDevice apparaat = QMediaDevices::defaultAudioOutput();
    if (apparaat.isNull())
        return QCoreApplication::translate("Korvane", "Er is geen geluidsuitvoer op deze computer: de tab kan niet "
                                                      "worden afgespeeld. Exporteren naar WAV kan wel.");
    if (!apparaat.isFormatSupported(Formaat()))
        return QCoreApplication::translate("Korvane", "De geluidsuitvoer %1 kan geen 16-bit stereo op 44,1 kHz "
                                                      "afspelen: de tab kan niet worden afgespeeld.")
            .arg(apparaat.description());
    m_sink = std::make_unique<QAudioSink>(apparaat, Formaat());
    // A short buffer keeps the highlight close to what is heard.
    m_sink->setBufferSize(kMonsterfrequentie * kFrameBytes / 8);
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State s) {
        if (!m_sink)
            return;
        if (m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError) {
            const QString fout = QCoreApplication::translate("Korvane", "De geluidsuitvoer is gestopt met een fout: "
                                                                        "het afspelen is afgebroken.");
            QTimer::singleShot(0, this, [this, fout] {
                Stop();
                if (bijFout)
                    bijFout(fout);
            });
        } else if (s == QAudio::IdleState) {
            // The source ran dry: everything it gave has been played.
            QTimer::singleShot(0, this, [this] {
                if (bijEinde)
                    bijEinde();
            });
        }
    });
    m_sink->start(bron);
    if (m_sink->error() != QAudio::NoError) {
        m_sink.reset();
        return QCoreApplication::translate("Korvane", "De geluidsuitvoer kan niet worden geopend: de tab kan niet "
                                                      "worden afgespeeld.");
    }
    m_klok->start();
    return {};
}

void QtGeluidsuitgang::Stop()
{
    m_klok->stop();
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
}

qint64 QtGeluidsuitgang::GespeeldUs() const { return m_sink ? m_sink->processedUSecs() : 0; }

} // namespace korvane
