// The player of the tab: FluidSynth renders as fast as the output asks.
#include "ui/tabafspeler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace korvane {

namespace {

constexpr int kFrameBytes = 4;      // 16-bit stereo

} // namespace

// ---------------------------------------------------------------------------
// Pcmbron

Pcmbron::Pcmbron(Weergever& weergever, QObject* parent) : QIODevice(parent), m_weergever(weergever)
{
    open(QIODevice::ReadOnly);
}

qint64 Pcmbron::bytesAvailable() const
{
    // Made on demand: as much as a read may ask for, until the end.
    return (m_leeg ? 0 : kMonsterfrequentie * kFrameBytes) + QIODevice::bytesAvailable();
}

qint64 Pcmbron::readData(char* data, qint64 max)
{
    const std::size_t frames = static_cast<std::size_t>(std::max<qint64>(0, max / kFrameBytes));
    if (frames == 0 || m_leeg)
        return 0;
    // 16-bit samples in the machine's order, which is what the sink takes.
    std::vector<std::int16_t> buf(frames * 2);
    const std::size_t n = m_weergever.Lees(buf);
    if (n < frames)
        m_leeg = true;
    std::memcpy(data, buf.data(), n * kFrameBytes);
    return static_cast<qint64>(n * kFrameBytes);
}

// ---------------------------------------------------------------------------
// TabAfspeler

double TabAfspeler::OefenTempo(double bpm, int ronde)
{
    // A quarter slower to begin with, five beats a minute more each round.
    const double begin = std::max(40.0, std::round(bpm * 0.75));
    return std::min(bpm, begin + 5.0 * ronde);
}

TabAfspeler::TabAfspeler(Geluidsuitgang& uitgang) : m_uitgang(uitgang) {}

TabAfspeler::~TabAfspeler()
{
    Stop();
    m_uitgang.bijVoortgang = nullptr;
    m_uitgang.bijEinde = nullptr;
    m_uitgang.bijFout = nullptr;
}

QString TabAfspeler::Start(std::string_view midi, std::vector<Tempowissel> tempi, Afspeelplan plan, Opties opties)
{
    Stop();
    m_plan = std::move(plan);
    m_opties = opties;
    m_tekstBpm = 100;
    for (const Tempowissel& t : tempi)
        if (t.tik <= m_plan.van)
            m_tekstBpm = t.bpm;
    m_weergever = std::make_unique<Weergever>();
    const std::string fout = m_weergever->Open(midi, std::move(tempi));
    if (!fout.empty()) {
        m_weergever.reset();
        return QString::fromStdString(fout);
    }
    m_rondes = 0;
    m_uitklinken = false;
    m_punt = -1;
    if (m_opties.aftellen && m_plan.maat.teller > 0) {
        const double bpm = m_opties.oefenen ? OefenTempo(m_opties.bpm, 0) : m_opties.bpm;
        m_weergever->Aftellen(m_plan.maat.teller, 60.0 / bpm * 4.0 / m_plan.maat.noemer);
    }
    m_weergever->bijEinde = [this](Weergever& w) { Volgende(w); };
    Volgende(*m_weergever);
    m_bron = std::make_unique<Pcmbron>(*m_weergever);
    m_uitgang.bijVoortgang = [this] { Voortgang(); };
    // The output's callbacks stay set until the next start: Stop runs
    // inside them.
    m_uitgang.bijEinde = [this] {
        if (!m_speelt || !m_bron || !m_bron->Leeg())
            return;
        Stop();
        if (bijEinde)
            bijEinde();
    };
    m_uitgang.bijFout = [this](const QString& f) {
        if (!m_speelt)
            return;
        Stop();
        if (bijFout)
            bijFout(f);
    };
    m_speelt = true;
    const QString uitgangFout = m_uitgang.Start(m_bron.get());
    if (!uitgangFout.isEmpty()) {
        m_speelt = false;
        m_uitgang.bijVoortgang = nullptr;
        m_uitgang.bijEinde = nullptr;
        m_uitgang.bijFout = nullptr;
        m_bron.reset();
        m_weergever.reset();
        return uitgangFout;
    }
    return {};
}

void TabAfspeler::Volgende(Weergever& w)
{
    if (m_uitklinken)
        return;
    if (m_rondes == 0 || m_opties.herhalen) {
        const double bpm = m_opties.oefenen ? OefenTempo(m_opties.bpm, m_rondes) : m_opties.bpm;
        w.Ronde(m_plan.van, m_plan.tot, bpm / m_tekstBpm);
        ++m_rondes;
        return;
    }
    m_uitklinken = true;
    w.Naklank(0.3);
}

void TabAfspeler::Stop()
{
    if (!m_speelt)
        return;
    m_speelt = false;
    m_uitgang.Stop();
    m_bron.reset();
    // The weergever stays for Tik and Ronde until the next start.
}

std::int64_t TabAfspeler::Frame() const
{
    return m_uitgang.GespeeldUs() * kMonsterfrequentie / 1'000'000;
}

double TabAfspeler::Tik() const
{
    return m_weergever && m_speelt ? m_weergever->TikOp(Frame()) : -1;
}

void TabAfspeler::Voortgang()
{
    if (!m_speelt)
        return;
    const double tik = Tik();
    int stuk = -1;
    m_weergever->TikOp(Frame(), &stuk);
    // During the count-in no column sounds; after the last round (ringing
    // out, or past it) the last one has.
    int punt = static_cast<int>(m_plan.punten.size()) - 1;
    if (tik >= 0)
        punt = PuntOp(m_plan, tik);
    else if (stuk >= 0 && m_weergever->Stukken()[static_cast<std::size_t>(stuk)].soort == Weergever::Stuk::Aftel)
        punt = -1;
    if (punt != m_punt) {
        m_punt = punt;
        if (bijPunt)
            bijPunt(punt);
    }
}

} // namespace korvane
