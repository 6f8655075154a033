// FluidSynth without an audio driver: the file player is timed by the
// samples the synthesizer writes ("player.timing-source" = "sample"), so the
// sound comes out as fast as it is read, and a tick maps to a frame by the
// tempo alone. Each stretch of the file gets a player of its own, sought to
// its first tick, on one synthesizer, so that a loop starts again cleanly
// while what rang before it fades.
#include "audio/weergave.h"
#include "core/vertaling.h"

#include "audio/klankbank.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// General MIDI percussion: a high wood block on the first beat, a low one
// on the others.
constexpr int kSlagwerkKanaal = 9;
constexpr int kEersteTel = 76;
constexpr int kAndereTel = 77;

} // namespace

struct Weergever::Fluid {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    ~Fluid()
    {
        StopSpeler();
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
    void StopSpeler()
    {
        if (!player)
            return;
        fluid_player_stop(player);
        delete_fluid_player(player);
        player = nullptr;
    }
};

Weergever::Weergever() = default;
Weergever::~Weergever() = default;

std::string Weergever::Open(std::string_view midi, std::vector<Tempowissel> tempi, const std::string& klankbank)
{
    const std::string bank = klankbank.empty() ? FindSoundFont() : klankbank;
    if (bank.empty())
        return GeenKlankbankMelding();
    auto f = std::make_unique<Fluid>();
    f->settings = new_fluid_settings();
    if (!f->settings)
        return Vertaal("Melding", "FluidSynth kan niet starten");
    fluid_settings_setnum(f->settings, "synth.sample-rate", kMonsterfrequentie);
    fluid_settings_setnum(f->settings, "synth.gain", 0.5);
    fluid_settings_setstr(f->settings, "player.timing-source", "sample");
    f->synth = new_fluid_synth(f->settings);
    if (!f->synth)
        return Vertaal("Melding", "FluidSynth kan niet starten");
    if (fluid_synth_sfload(f->synth, bank.c_str(), 1) == FLUID_FAILED)
        return Invul(Vertaal("Melding", "De klankbank %1 kan niet worden gelezen"), {bank});
    m_fluid = std::move(f);
    m_midi.assign(midi);
    m_tempi = tempi.empty() ? std::vector<Tempowissel>{{0, 100}} : std::move(tempi);
    m_stukken.clear();
    m_huidig = 0;
    m_gelezen = 0;
    m_begonnen = false;
    return {};
}

namespace {

std::int64_t Frames(double seconden)
{
    return std::max<std::int64_t>(0, std::llround(seconden * kMonsterfrequentie));
}

} // namespace

double Weergever::Seconden(std::int64_t van, std::int64_t tot, double factor) const
{
    return (TikNaarSeconden(m_tempi, tot) - TikNaarSeconden(m_tempi, van)) / std::max(factor, 0.01);
}

void Weergever::Aftellen(int tellen, double tussen)
{
    Stuk s;
    s.soort = Stuk::Aftel;
    s.beginFrame = m_stukken.empty() ? 0 : m_stukken.back().beginFrame + m_stukken.back().frames;
    s.tellen = tellen;
    s.tussen = tussen;
    s.frames = Frames(tellen * tussen);
    m_stukken.push_back(s);
}

void Weergever::Ronde(std::int64_t van, std::int64_t tot, double factor)
{
    Stuk s;
    s.soort = Stuk::Ronde;
    s.beginFrame = m_stukken.empty() ? 0 : m_stukken.back().beginFrame + m_stukken.back().frames;
    s.van = van;
    s.tot = std::max(van, tot);
    s.factor = std::max(factor, 0.01);
    s.frames = Frames(Seconden(s.van, s.tot, s.factor));
    m_stukken.push_back(s);
}

void Weergever::Naklank(double seconden)
{
    Stuk s;
    s.soort = Stuk::Naklank;
    s.beginFrame = m_stukken.empty() ? 0 : m_stukken.back().beginFrame + m_stukken.back().frames;
    s.frames = Frames(seconden);
    m_stukken.push_back(s);
}

void Weergever::Begin(const Stuk& s)
{
    Fluid& f = *m_fluid;
    f.StopSpeler();
    if (s.soort == Stuk::Naklank) {
        // The notes are let go, so that they fade as strings do.
        fluid_synth_all_notes_off(f.synth, -1);
        return;
    }
    if (s.soort == Stuk::Aftel) {
        fluid_synth_all_notes_off(f.synth, -1);
        return;
    }
    // A round starts clean: a loop's next round does not ring on in the
    // last one's notes.
    fluid_synth_all_sounds_off(f.synth, -1);
    f.player = new_fluid_player(f.synth);
    if (!f.player)
        return;
    fluid_player_add_mem(f.player, m_midi.data(), m_midi.size());
    fluid_player_set_tempo(f.player, FLUID_PLAYER_TEMPO_INTERNAL, s.factor);
    if (s.van > 0)
        fluid_player_seek(f.player, static_cast<int>(std::min<std::int64_t>(s.van, 0x7FFFFFFF)));
    fluid_player_play(f.player);
}

std::size_t Weergever::Lees(std::span<std::int16_t> stereo)
{
    if (!m_fluid)
        return 0;
    const std::size_t gevraagd = stereo.size() / 2;
    std::size_t klaar = 0;
    while (klaar < gevraagd) {
        if (m_huidig >= m_stukken.size() && bijEinde)
            bijEinde(*this);
        if (m_huidig >= m_stukken.size())
            break;
        const Stuk& s = m_stukken[m_huidig];
        if (!m_begonnen) {
            Begin(s);
            m_begonnen = true;
        }
        const std::int64_t binnen = m_gelezen - s.beginFrame;
        if (binnen >= s.frames) {
            ++m_huidig;
            m_begonnen = false;
            continue;
        }
        std::int64_t n = std::min<std::int64_t>(s.frames - binnen, static_cast<std::int64_t>(gevraagd - klaar));
        if (s.soort == Stuk::Aftel) {
            // Up to the next click, which is struck when it is reached.
            const std::int64_t stap = std::max<std::int64_t>(1, Frames(s.tussen));
            const std::int64_t tel = binnen / stap;
            if (binnen % stap == 0 && tel < s.tellen) {
                const int toon = tel == 0 ? kEersteTel : kAndereTel;
                fluid_synth_noteoff(m_fluid->synth, kSlagwerkKanaal, kEersteTel);
                fluid_synth_noteoff(m_fluid->synth, kSlagwerkKanaal, kAndereTel);
                fluid_synth_noteon(m_fluid->synth, kSlagwerkKanaal, toon, tel == 0 ? 120 : 90);
            }
            n = std::min(n, (tel + 1) * stap - binnen);
        }
        std::int16_t* uit = stereo.data() + 2 * klaar;
        fluid_synth_write_s16(m_fluid->synth, static_cast<int>(n), uit, 0, 2, uit, 1, 2);
        if (s.soort == Stuk::Naklank && s.frames > 0) {
            // Faded to nothing, so the file does not end in a click.
            for (std::int64_t i = 0; i < n; ++i) {
                const double g = 1.0 - static_cast<double>(binnen + i) / static_cast<double>(s.frames);
                uit[2 * i] = static_cast<std::int16_t>(uit[2 * i] * g);
                uit[2 * i + 1] = static_cast<std::int16_t>(uit[2 * i + 1] * g);
            }
        }
        klaar += static_cast<std::size_t>(n);
        m_gelezen += n;
    }
    return klaar;
}

double Weergever::TikOp(std::int64_t frame, int* stuk) const
{
    const auto na = std::upper_bound(m_stukken.begin(), m_stukken.end(), frame,
                                     [](std::int64_t f, const Stuk& s) { return f < s.beginFrame; });
    if (na == m_stukken.begin()) {
        if (stuk)
            *stuk = -1;
        return -1;
    }
    const Stuk& s = *(na - 1);
    const bool binnen = frame < s.beginFrame + s.frames;
    if (stuk)
        *stuk = binnen ? static_cast<int>(na - 1 - m_stukken.begin()) : -1;
    if (!binnen || s.soort != Stuk::Ronde)
        return -1;
    const double seconden = static_cast<double>(frame - s.beginFrame) / kMonsterfrequentie * s.factor;
    return SecondenNaarTik(m_tempi, TikNaarSeconden(m_tempi, s.van) + seconden);
}

std::string RenderWav(std::string_view midi, const std::vector<Tempowissel>& tempi, std::int64_t eind,
                      std::string& fout, const std::string& klankbank)
{
    Weergever w;
    fout = w.Open(midi, tempi, klankbank);
    if (!fout.empty())
        return {};
    w.Ronde(0, eind);
    w.Naklank(0.25);
    const std::int64_t totaal = w.Stukken().back().beginFrame + w.Stukken().back().frames;
    // The sizes in a WAV header count to 4 GiB.
    if (totaal * 4 > 0xFFFFFFFFLL - 36) {
        fout = Vertaal("Melding", "Het stuk duurt te lang voor een WAV-bestand");
        return {};
    }
    std::vector<std::int16_t> monsters(static_cast<std::size_t>(totaal) * 2);
    const std::size_t gelezen = w.Lees(monsters);
    monsters.resize(gelezen * 2);
    return WavBytes(monsters);
}

std::string WavBytes(std::span<const std::int16_t> stereo)
{
    std::string uit;
    const auto le = [&uit](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            uit += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const auto data = static_cast<std::uint32_t>(stereo.size() * 2);
    uit.reserve(44 + data);
    uit += "RIFF";
    le(36 + data, 4);
    uit += "WAVEfmt ";
    le(16, 4);
    le(1, 2);                       // PCM
    le(2, 2);                       // stereo
    le(kMonsterfrequentie, 4);
    le(kMonsterfrequentie * 4, 4);  // bytes a second
    le(4, 2);                       // bytes a frame
    le(16, 2);
    uit += "data";
    le(data, 4);
    for (const std::int16_t m : stereo)
        le(static_cast<std::uint16_t>(m), 2);
    return uit;
}

} // namespace korvane
