// Writing a Standard MIDI File from the timed notes of a tab.
//
// How techniques sound: h, p and t continue the sounding note with a jump of
// the pitch wheel, so there is no new attack; slides and bends glide the
// wheel; ~ wobbles it; x is a short soft note at the open string; (n) is
// softer; palm-muted notes are short and soft; <n> sounds at the harmonic's
// pitch, which the model already gives.
#include "music/midi.h"

#include "music/grotepaginas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace korvane {
namespace {

constexpr int kSnelheid = 96;
constexpr int kZacht = 48;      // (n)
constexpr int kGedempt = 72;    // PM
constexpr int kDood = 64;       // x
constexpr int kLegato = 64;     // a pull-off or hammer-on too far to glide

struct Gebeurtenis {
    // The tick, the order at one tick (0 note off, 1 wheel and controllers,
    // 2 note on) and the string it belongs to (the lower goes first), as one
    // number to sort by.
    std::uint64_t sleutel = 0;
    std::uint8_t data[3] = {};
    std::uint8_t lengte = 0;
    std::int64_t Tik() const { return static_cast<std::int64_t>(sleutel >> 10); }
};

// Far beyond any tab, and low enough for the tick to fit in a key.
constexpr std::int64_t kLaatsteTik = std::int64_t{1} << 53;

void Be32(std::string& uit, std::uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        uit += static_cast<char>((v >> s) & 0xFF);
}

void Be16(std::string& uit, int v)
{
    uit += static_cast<char>((v >> 8) & 0xFF);
    uit += static_cast<char>(v & 0xFF);
}

// One track, written into the file as it is played. The strings' events
// come a note at a time and a little out of order: a note's release and
// its vibrato lie ahead of the notes that follow it, a glide into a note
// starts a little before it. They wait in two small buffers, each kept in
// order as it grows: what lies ahead of the notes played so far, and the
// rest, which mostly comes in order. Once the player says no later event
// can come before a tick, the two are merged up to it. A long tab thus
// never holds more than a few bars of events, which keeps them in the cache.
class Spoor {
public:
    explicit Spoor(std::string& uit) : m_uit(uit), m_begin(uit.size())
    {
        m_uit.append(8, '\0');  // "MTrk" and the length, once it is known
        m_wacht.reserve(256);
        m_later.reserve(256);
    }

    // The onset of the latest note played.
    void Nu(std::int64_t tik) { m_tik = std::max(m_tik, tik); }

    void Kort(int lijst, std::int64_t tik, int volgorde, int a, int b, int c = -1)
    {
        Gebeurtenis g;
        g.sleutel = static_cast<std::uint64_t>(std::clamp<std::int64_t>(tik, 0, kLaatsteTik)) << 10 |
                    static_cast<std::uint64_t>(volgorde) << 8 | static_cast<std::uint64_t>(lijst & 0xFF);
        g.data[0] = static_cast<std::uint8_t>(a);
        g.data[1] = static_cast<std::uint8_t>(b);
        g.data[2] = static_cast<std::uint8_t>(c);
        g.lengte = c >= 0 ? 3 : 2;
        Voeg(tik > m_tik ? m_later : m_wacht, g);
    }
    // A meta event; all of them are given before the first Schrijf. At one
    // tick they come before the other events.
    void Meta(std::int64_t tik, int soort, std::string_view data) { m_meta.push_back({tik, soort, std::string(data)}); }

    // Writes every waiting event before tick `grens`.
    void Schrijf(std::int64_t grens)
    {
        if (!m_metaGesorteerd) {
            std::stable_sort(m_meta.begin(), m_meta.end(), [](const MetaG& x, const MetaG& y) { return x.tik < y.tik; });
            m_metaGesorteerd = true;
        }
        const std::uint64_t tot = static_cast<std::uint64_t>(std::clamp<std::int64_t>(grens, 0, kLaatsteTik + 1)) << 10;
        std::size_t w = 0, l = 0;
        for (;;) {
            // At one key the event ahead came first: it was put in when
            // the notes had not yet reached its tick.
            const bool uitLater = l < m_later.size() && (w == m_wacht.size() || m_later[l].sleutel <= m_wacht[w].sleutel);
            const Gebeurtenis* g = uitLater ? &m_later[l] : (w < m_wacht.size() ? &m_wacht[w] : nullptr);
            if (!g || g->sleutel >= tot)
                break;
            (uitLater ? l : w)++;
            const std::int64_t tik = g->Tik();
            if (m_m < m_meta.size() && m_meta[m_m].tik <= tik)
                SchrijfMetaTot(tik);
            Ruimte(16);
            Vlq(static_cast<std::uint64_t>(tik - m_nu));
            m_nu = tik;
            std::memcpy(m_p, g->data, 3);
            m_p += g->lengte;
        }
        m_wacht.erase(m_wacht.begin(), m_wacht.begin() + static_cast<std::ptrdiff_t>(w));
        m_later.erase(m_later.begin(), m_later.begin() + static_cast<std::ptrdiff_t>(l));
    }

    // Writes what is left and the end of the track at tick `eind`, and
    // fills in the track's length.
    void Sluit(std::int64_t eind)
    {
        Schrijf(kLaatsteTik + 1);
        SchrijfMetaTot(std::numeric_limits<std::int64_t>::max());
        Ruimte(16);
        Vlq(static_cast<std::uint64_t>(std::max<std::int64_t>(0, eind - m_nu)));
        *m_p++ = '\xFF';
        *m_p++ = '\x2F';
        *m_p++ = '\0';
        Spoel();
        const std::size_t lengte = m_uit.size() - m_begin - 8;
        std::string kop = "MTrk";
        Be32(kop, static_cast<std::uint32_t>(lengte));
        std::copy(kop.begin(), kop.end(), m_uit.begin() + static_cast<std::ptrdiff_t>(m_begin));
    }

private:
    struct MetaG {
        std::int64_t tik;
        int soort;
        std::string data;
    };

    void SchrijfMetaTot(std::int64_t tik)
    {
        for (; m_m < m_meta.size() && m_meta[m_m].tik <= tik; ++m_m) {
            const MetaG& g = m_meta[m_m];
            Ruimte(32);
            Vlq(static_cast<std::uint64_t>(g.tik - m_nu));
            m_nu = g.tik;
            *m_p++ = '\xFF';
            *m_p++ = static_cast<char>(g.soort);
            Vlq(g.data.size());
            Spoel();
            m_uit += g.data;
        }
    }

    // Puts `g` in its place, after the equal ones that came before it.
    static void Voeg(std::vector<Gebeurtenis>& rij, const Gebeurtenis& g)
    {
        rij.push_back(g);
        std::size_t j = rij.size() - 1;
        while (j > 0 && g.sleutel < rij[j - 1].sleutel) {
            rij[j] = rij[j - 1];
            --j;
        }
        rij[j] = g;
    }

    // The bytes gather in a small buffer that goes into the file a few
    // thousand at a time, rather than being appended one by one.
    void Ruimte(std::size_t n)
    {
        if (m_p + n > m_buf + sizeof m_buf)
            Spoel();
    }
    void Spoel()
    {
        m_uit.append(m_buf, static_cast<std::size_t>(m_p - m_buf));
        m_p = m_buf;
    }
    void Vlq(std::uint64_t v)
    {
        if (v < 0x80) {
            *m_p++ = static_cast<char>(v);
            return;
        }
        char cijfers[10];
        int n = 0;
        cijfers[n++] = static_cast<char>(v & 0x7F);
        while (v >>= 7)
            cijfers[n++] = static_cast<char>(0x80 | (v & 0x7F));
        while (n > 0)
            *m_p++ = cijfers[--n];
    }

    std::string& m_uit;
    std::size_t m_begin;
    std::vector<Gebeurtenis> m_wacht;   // at or before m_tik when they came
    std::vector<Gebeurtenis> m_later;   // after it
    std::int64_t m_tik = -1;
    std::vector<MetaG> m_meta;
    bool m_metaGesorteerd = false;
    std::size_t m_m = 0;            // the next meta event to write
    std::int64_t m_nu = 0;          // the tick of the last event written
    char m_buf[4096];
    char* m_p = m_buf;
};

bool Verbindt(Techniek t)
{
    return t != Techniek::Geen;
}

bool IsGlij(Techniek t)
{
    return t == Techniek::Glij || t == Techniek::GlijOp || t == Techniek::GlijAf;
}

// One string's channel: its sounding note and where its wheel stands.
class Snaarkanaal {
public:
    Snaarkanaal(Spoor& spoor, int kanaal, int lijst) : m_spoor(spoor), m_kanaal(kanaal), m_lijst(lijst) {}

    void Wiel(std::int64_t tik, double halveTonen)
    {
        const int w = std::clamp(static_cast<int>(Afgerond(8192 + halveTonen * (8192.0 / kBuigBereik))), 0, 16383);
        if (w == m_wiel)
            return;
        m_wiel = w;
        m_buiging = halveTonen;
        m_spoor.Kort(m_lijst, tik, 1, 0xE0 | m_kanaal, w & 0x7F, w >> 7);
    }

    // A glide of the wheel from where it stands to `naar` over [van, tot).
    void Glij(std::int64_t van, std::int64_t tot, double naar)
    {
        const double begin = m_buiging;
        const std::int64_t stap = 30;
        const double perTik = (naar - begin) / static_cast<double>(tot - van);
        for (std::int64_t t = van + stap; t < tot; t += stap)
            Wiel(t, begin + perTik * static_cast<double>(t - van));
        Wiel(tot, naar);
    }

    void Vibrato(std::int64_t van, std::int64_t tot)
    {
        const double midden = m_buiging;
        constexpr double kPi = 3.14159265358979;
        for (std::int64_t t = van; t < tot; t += 30)
            Wiel(t, midden + 0.3 * std::sin(2 * kPi * static_cast<double>(t - van) / kTikkenPerKwart * 4 / 2));
        Wiel(tot, midden);
    }

    void Aan(std::int64_t tik, int toon, int snelheid)
    {
        if (m_buiging != 0)
            Wiel(tik, 0);
        m_toon = std::clamp(toon, 0, 127);
        m_spoor.Kort(m_lijst, tik, 2, 0x90 | m_kanaal, m_toon, snelheid);
    }

    void Uit(std::int64_t tik)
    {
        if (m_toon < 0)
            return;
        m_spoor.Kort(m_lijst, tik, 0, 0x80 | m_kanaal, m_toon, 0);
        m_toon = -1;
    }

    int Toon() const { return m_toon; }
    double Buiging() const { return m_buiging; }

private:
    Spoor& m_spoor;
    int m_kanaal;
    int m_lijst;
    int m_toon = -1;
    int m_wiel = 8192;
    double m_buiging = 0;
};

// A string as it is played, a note at a time: its channel, and the note
// before on it.
struct Snaarspel {
    Snaarkanaal kanaal;
    const Noot* vorige = nullptr;
    std::int64_t vorigeBegin = 0;
    std::int64_t eind = 0;  // when the sounding note stops
    // A note with a sign after it waits for the next note on the string:
    // whether it is released depends on whether that one goes on from it.
    bool wacht = false;
    Speelnoot wachtend;
};

// Lower than the first tick the string can still write for notes from
// `begin` on, a waiting note included: a glide into a note starts up to
// half a quarter before it, and a note still sounding stops at its end at
// the earliest.
std::int64_t VroegsteVoor(const Snaarspel& s, std::int64_t begin)
{
    const std::int64_t grens = (s.wacht ? std::min(begin, s.wachtend.begin) : begin) - kTikkenPerKwart / 2 - 1;
    return s.kanaal.Toon() >= 0 ? std::min(grens, s.eind) : grens;
}

// `doorgaan`: the next note on the string goes on from this one (a hammer-on,
// slide or bend written into it), so this one is not released.
void Speel(const Muziekstuk& stuk, const Speelnoot& sp, bool doorgaan, Snaarspel& s)
{
    Snaarkanaal& kanaal = s.kanaal;
    const Noot& n = stuk.noten[static_cast<std::size_t>(sp.noot)];
    const Noot* vn = s.vorige;
    const std::int64_t vorigeBegin = s.vorigeBegin;
    s.vorige = &n;
    s.vorigeBegin = sp.begin;
    const Muziekbalk& b = stuk.balken[static_cast<std::size_t>(sp.balk)];
    int toon = n.toonhoogte;
    if (n.aanslag == Aanslag::Gedempt) {
        const Snaar& snaar = stuk.Snaren(b)[static_cast<std::size_t>(n.snaar)];
        toon = snaar.open >= 0 ? snaar.open + b.capo : -1;
    }
    if (toon < 0)
        return;
    // The sign joins this note to the one before it only where that one
    // is its neighbour in the text too (not the end of a repeat).
    const bool verbonden = vn && kanaal.Toon() >= 0 && Verbindt(n.via) && vn->naar == n.via &&
                           vn->regel == n.regel && vn->kolom < n.kolom && sp.begin <= s.eind &&
                           n.aanslag != Aanslag::Gedempt;
    const double doel = toon - kanaal.Toon();
    std::int64_t lengte = sp.lengte;
    if (verbonden && std::abs(doel) <= kBuigBereik) {
        if (IsGlij(n.via) || n.via == Techniek::Buig || n.via == Techniek::Terug)
            kanaal.Glij(std::max(vorigeBegin, sp.begin - kTikkenPerKwart / 2), sp.begin, doel);
        else
            kanaal.Wiel(sp.begin, doel);
    } else {
        int snelheid = kSnelheid;
        if (n.aanslag == Aanslag::Spook)
            snelheid = kZacht;
        if (n.palmMute) {
            snelheid = std::min(snelheid, kGedempt);
            lengte = std::clamp<std::int64_t>(lengte / 2, std::min<std::int64_t>(lengte, 60), kTikkenPerKwart / 2);
        }
        if (n.aanslag == Aanslag::Gedempt) {
            snelheid = kDood;
            lengte = std::min<std::int64_t>(lengte, 60);
        }
        if (verbonden) {
            // Farther than the wheel reaches: glide as far as it goes,
            // then land softly.
            if (IsGlij(n.via))
                kanaal.Glij(std::max(vorigeBegin, sp.begin - kTikkenPerKwart / 2), sp.begin - 1,
                            doel > 0 ? kBuigBereik : -kBuigBereik);
            snelheid = kLegato;
        }
        kanaal.Uit(std::min(s.eind, sp.begin));
        kanaal.Aan(sp.begin, toon, snelheid);
        // A slide into the note from nowhere starts a few frets off.
        if (!verbonden && (n.via == Techniek::GlijOp || n.via == Techniek::GlijAf)) {
            kanaal.Wiel(sp.begin, n.via == Techniek::GlijOp ? -3 : 3);
            kanaal.Glij(sp.begin, sp.begin + std::min<std::int64_t>(kTikkenPerKwart / 4, lengte), 0);
        }
    }
    s.eind = sp.begin + lengte;

    if (n.vibrato)
        kanaal.Vibrato(sp.begin + lengte / 4, s.eind);
    if (!doorgaan) {
        // A slide out or a bend with nothing written after it.
        const std::int64_t helft = std::min<std::int64_t>(lengte / 2, kTikkenPerKwart / 2);
        if (n.naar == Techniek::GlijAf || n.naar == Techniek::GlijOp)
            kanaal.Glij(s.eind - helft, s.eind, kanaal.Buiging() + (n.naar == Techniek::GlijAf ? -5 : 5));
        else if (n.naar == Techniek::Buig)
            kanaal.Glij(sp.begin, sp.begin + helft, kanaal.Buiging() + 2);
        kanaal.Uit(s.eind);
    }
}

// Plays the notes of a string as they come, each one that waits for the
// next (see Snaarspel) once that one is known.
void Volgende(const Muziekstuk& stuk, const Speelnoot& sp, const Noot& n, Snaarspel& s)
{
    if (s.wacht) {
        const Noot& w = stuk.noten[static_cast<std::size_t>(s.wachtend.noot)];
        s.wacht = false;
        Speel(stuk, s.wachtend, n.via == w.naar && n.regel == w.regel && n.kolom > w.kolom, s);
    }
    if (Verbindt(n.naar)) {
        s.wacht = true;
        s.wachtend = sp;
    } else {
        Speel(stuk, sp, false, s);
    }
}

std::string Tekst(std::string_view s)
{
    return std::string(s);
}

} // namespace

std::string SchrijfMidi(const Muziekstuk& stuk, const Tijdlijn& tijden, std::string_view titel)
{
    // The tracks are written straight after the header, each as it is
    // played; room for all of them at once, so that the file is not copied
    // to a larger one halfway (room never written costs nothing).
    std::string uit;
    std::size_t noten = 0;
    for (std::size_t gi = 0; gi < tijden.groepen.size(); ++gi)
        noten += AantalSpeelnoten(stuk, tijden, static_cast<int>(gi));
    RuimteInGrotePaginas(uit, noten * 24 + 4096);
    uit += "MThd";
    Be32(uit, 6);
    Be16(uit, 1);
    Be16(uit, static_cast<int>(tijden.groepen.size()) + 1);
    Be16(uit, kTikkenPerKwart);
    const std::int64_t langste = Speelduur(tijden);

    // The conductor: tempo from every group, time signatures as the first
    // group plays them.
    {
        Spoor dirigent(uit);
        dirigent.Meta(0, 0x03, titel);
        for (const Tempowissel& t : Tempokaart(tijden)) {
            const auto us = static_cast<std::uint32_t>(std::lround(60'000'000.0 / t.bpm));
            std::string d;
            d += static_cast<char>((us >> 16) & 0xFF);
            d += static_cast<char>((us >> 8) & 0xFF);
            d += static_cast<char>(us & 0xFF);
            dirigent.Meta(t.tik, 0x51, d);
        }
        Maatsoort vorige{0, 0};
        if (!tijden.groepen.empty())
            for (const Speelmaat& m : tijden.groepen[0].volgorde) {
                const Maatsoort s = tijden.maatSoort[static_cast<std::size_t>(m.maat)];
                if (s == vorige)
                    continue;
                vorige = s;
                int macht = 0;
                while ((1 << macht) < s.noemer)
                    ++macht;
                std::string d;
                d += static_cast<char>(s.teller);
                d += static_cast<char>(macht);
                d += static_cast<char>(24);
                d += static_cast<char>(8);
                dirigent.Meta(m.begin, 0x58, d);
            }
        dirigent.Sluit(langste);
    }

    int volgendKanaal = 0;
    for (std::size_t gi = 0; gi < tijden.groepen.size(); ++gi) {
        const Speelgroep& g = tijden.groepen[gi];
        Spoor spoor(uit);
        spoor.Meta(0, 0x03, Tekst(g.bas ? "Basgitaar" : "Gitaar"));
        std::vector<Snaarspel> snaren;
        snaren.reserve(static_cast<std::size_t>(g.snaren));
        for (int s = 0; s < g.snaren; ++s) {
            if (volgendKanaal == 9) // the percussion channel
                ++volgendKanaal;
            const int k = volgendKanaal % 16;
            volgendKanaal = (volgendKanaal + 1) % 16;
            snaren.push_back({Snaarkanaal(spoor, k, s), nullptr, 0, 0, false, {}});
            spoor.Kort(s, 0, 1, 0xC0 | k, g.programma);
            // Pitch-bend range: registered parameter 0, then closed again.
            spoor.Kort(s, 0, 1, 0xB0 | k, 101, 0);
            spoor.Kort(s, 0, 1, 0xB0 | k, 100, 0);
            spoor.Kort(s, 0, 1, 0xB0 | k, 6, kBuigBereik);
            spoor.Kort(s, 0, 1, 0xB0 | k, 38, 0);
            spoor.Kort(s, 0, 1, 0xB0 | k, 101, 127);
            spoor.Kort(s, 0, 1, 0xB0 | k, 100, 127);
            spoor.Kort(s, 0, 1, 0xE0 | k, 0, 64);
        }
        VoorElkeSpeelnoot(
            stuk, tijden, static_cast<int>(gi),
            [&](const Speelnoot& sp) {
                const Noot& n = stuk.noten[static_cast<std::size_t>(sp.noot)];
                spoor.Nu(sp.begin);
                if (n.snaar >= 0 && n.snaar < g.snaren)
                    Volgende(stuk, sp, n, snaren[static_cast<std::size_t>(n.snaar)]);
            },
            [&](std::int64_t volgendeMaat) {
                std::int64_t grens = volgendeMaat;
                for (const Snaarspel& s : snaren)
                    grens = std::min(grens, VroegsteVoor(s, volgendeMaat));
                spoor.Schrijf(grens);
            });
        // The last note of a string has none to go on into.
        for (Snaarspel& s : snaren)
            if (s.wacht) {
                s.wacht = false;
                Speel(stuk, s.wachtend, false, s);
            }
        spoor.Sluit(g.lengte);
    }
    return uit;
}

} // namespace korvane
