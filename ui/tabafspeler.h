// Playing the tab: a Weergever read as a device of bytes for the sound
// output, and the player that queues the count-in and the rounds and turns
// the output's played time into the column under the sound.
#pragma once

#include "audio/afspeelplan.h"
#include "audio/weergave.h"
#include "ui/geluidsuitgang.h"

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace korvane {

// A Weergever read as a device of bytes.
class Pcmbron : public QIODevice {
    Q_OBJECT
public:
    explicit Pcmbron(Weergever& weergever, QObject* parent = nullptr);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // Read up to the end of the queue.
    bool Leeg() const { return m_leeg; }

protected:
    qint64 readData(char* data, qint64 max) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    Weergever& m_weergever;
    bool m_leeg = false;
};

// Plays an Afspeelplan: an optional count-in, then its ticks once or over
// and over, each round faster while practising; says which of the plan's
// points is sounding.
class TabAfspeler {
public:
    struct Opties {
        double bpm = 100;           // the tempo asked for
        bool herhalen = false;
        bool aftellen = false;
        bool oefenen = false;       // start slower, faster each round
    };
    // The tempo of round `ronde` (0 first) while practising towards `bpm`.
    static double OefenTempo(double bpm, int ronde);

    explicit TabAfspeler(Geluidsuitgang& uitgang);
    ~TabAfspeler();
    // An empty text, or why nothing sounds.
    QString Start(std::string_view midi, std::vector<Tempowissel> tempi, Afspeelplan plan, Opties opties);
    void Stop();
    bool Speelt() const { return m_speelt; }
    // Read at the end of every round.
    void ZetOpties(const Opties& opties) { m_opties = opties; }

    const Afspeelplan& Plan() const { return m_plan; }
    // The point under the sound, -1 during the count-in and before it.
    int Punt() const { return m_punt; }
    // The tick under the sound, -1 outside the rounds.
    double Tik() const;

    std::function<void(int punt)> bijPunt;
    // Played to its end (not after Stop).
    std::function<void()> bijEinde;
    std::function<void(const QString&)> bijFout;

private:
    void Volgende(Weergever& w);
    std::int64_t Frame() const;
    void Voortgang();

    Geluidsuitgang& m_uitgang;
    std::unique_ptr<Weergever> m_weergever;
    std::unique_ptr<Pcmbron> m_bron;
    Afspeelplan m_plan;
    Opties m_opties;
    double m_tekstBpm = 100;        // the written tempo where playing starts
    int m_rondes = 0;
    bool m_uitklinken = false;
    bool m_speelt = false;
    int m_punt = -1;
};

} // namespace korvane
