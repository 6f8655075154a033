// Where the tab's sound goes: an output that pulls 16-bit stereo samples at
// 44.1 kHz from a device and tells how much of it has been played. The window
// uses the sound card through Qt Multimedia; tests put in one whose clock
// they move themselves.
#pragma once

#include <QIODevice>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAudioSink;
class QTimer;

namespace korvane {

class Geluidsuitgang {
public:
    virtual ~Geluidsuitgang() = default;
    // Starts pulling from `bron`; an empty text, or why nothing can sound.
    virtual QString Start(QIODevice* bron) = 0;
    virtual void Stop() = 0;
    // Microseconds of sound played since Start.
    virtual qint64 GespeeldUs() const = 0;

    // Set by whoever plays: the played time moved, the source ran dry and
    // all of it has sounded, the output failed while playing.
    std::function<void()> bijVoortgang;
    std::function<void()> bijEinde;
    std::function<void(const QString&)> bijFout;
};

// The system's default sound output.
class QtGeluidsuitgang : public QObject, public Geluidsuitgang {
    Q_OBJECT
public:
    QtGeluidsuitgang();
    ~QtGeluidsuitgang() override;
    QString Start(QIODevice* bron) override;
    void Stop() override;
    qint64 GespeeldUs() const override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QTimer* m_klok = nullptr;
};

} // namespace korvane
