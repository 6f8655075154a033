// The tab as sound: the bytes of a MIDI file (SchrijfMidi) played through
// FluidSynth and a SoundFont into 16-bit stereo samples at 44.1 kHz, as fast
// as they are asked for. What is played is a queue of pieces, a count-in of
// clicks, stretches of the file at a tempo, a ringing-out, so that a loop can
// go on without a gap, and so that a played sample can be traced back to the
// tick it sounds: the window's highlight follows the sound by that.
#pragma once

#include "music/timing.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr int kMonsterfrequentie = 44100;

class Weergever {
public:
    struct Stuk {
        enum Soort { Aftel, Ronde, Naklank } soort = Ronde;
        std::int64_t beginFrame = 0;    // frames from the first one read
        std::int64_t frames = 0;
        // Ronde: ticks [van, tot) at the file's tempo times `factor`.
        std::int64_t van = 0, tot = 0;
        double factor = 1;
        // Aftel: `tellen` clicks `tussen` seconds apart.
        int tellen = 0;
        double tussen = 0;
    };

    Weergever();
    ~Weergever();
    Weergever(const Weergever&) = delete;
    Weergever& operator=(const Weergever&) = delete;

    // Loads the SoundFont (empty: FindSoundFont()) and keeps the file.
    // `tempi` are the file's own (Tempokaart). An empty text, or why it
    // cannot sound (Dutch, UTF-8).
    std::string Open(std::string_view midi, std::vector<Tempowissel> tempi, const std::string& klankbank = {});

    // Queued after what is queued already.
    void Aftellen(int tellen, double tussen);
    void Ronde(std::int64_t van, std::int64_t tot, double factor = 1);
    void Naklank(double seconden);
    // Called when everything queued has been read; may queue more.
    std::function<void(Weergever&)> bijEinde;

    // Fills `stereo` (left, right, left...) with up to stereo.size() / 2
    // frames; fewer only at the end of the queue, 0 after it.
    std::size_t Lees(std::span<std::int16_t> stereo);

    // Every piece queued so far, with the frame it begins at.
    const std::vector<Stuk>& Stukken() const { return m_stukken; }
    std::int64_t Gelezen() const { return m_gelezen; }
    // The tick of the file sounding at `frame` (fractional), or -1 where
    // no stretch of the file is playing; `stuk` gets the piece's index, -1
    // past the queue.
    double TikOp(std::int64_t frame, int* stuk = nullptr) const;
    // Seconds of the file's ticks [van, tot) at `factor`.
    double Seconden(std::int64_t van, std::int64_t tot, double factor = 1) const;

private:
    void Begin(const Stuk& s);

    struct Fluid;
    std::unique_ptr<Fluid> m_fluid;
    std::string m_midi;
    std::vector<Tempowissel> m_tempi;
    std::vector<Stuk> m_stukken;
    std::size_t m_huidig = 0;           // the piece being read
    std::int64_t m_gelezen = 0;
    bool m_begonnen = false;            // m_huidig has been started
};

// The whole file from tick 0 to `eind`, rung out briefly, as the bytes of a
// WAV file; an empty text or why not in `fout`.
std::string RenderWav(std::string_view midi, const std::vector<Tempowissel>& tempi, std::int64_t eind,
                      std::string& fout, const std::string& klankbank = {});

// A RIFF WAVE file of 16-bit stereo samples at kMonsterfrequentie.
std::string WavBytes(std::span<const std::int16_t> stereo);

} // namespace korvane
