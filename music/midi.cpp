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

namespace korvane {
namespace {

constexpr int kSnelheid = 96;
constexpr int kZacht = 48;      // (n)
constexpr int kGedempt = 72;    // PM
constexpr int kDood = 64;       // x
constexpr int kLegato = 64;     // a pull-off or hammer-on too far to glide

struct Gebeurtenis {
    // The tick times four plus the order at one tick: 0 note off, 1 wheel
    // and controllers, 2 note on.
    std::uint64_t sleutel = 0;
    std::uint8_t data[3] = {};
    std::uint8_t lengte = 0;
    std::int64_t Tik() const { return static_cast<std::int64_t>(sleutel >> 2); }
};

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

class Spoor {
public:
    // Events go into lists, one per channel, each written nearly in time
    // order, so that writing them is a merge rather than a sort.
    int NieuweLijst()
    {
        m_lijsten.emplace_back();
        m_ongesorteerd.push_back(false);
        return static_cast<int>(m_lijsten.size()) - 1;
    }
    void Kort(int lijst, std::int64_t tik, int volgorde, int a, int b, int c = -1)
    {
        auto& doel = m_lijsten[static_cast<std::size_t>(lijst)];
        Gebeurtenis g;
        g.sleutel = static_cast<std::uint64_t>(std::max<std::int64_t>(tik, 0)) << 2 | static_cast<std::uint64_t>(volgorde);
        g.data[0] = static_cast<std::uint8_t>(a);
        g.data[1] = static_cast<std::uint8_t>(b);
        g.lengte = 2;
        if (c >= 0) {
            g.data[2] = static_cast<std::uint8_t>(c);
            g.lengte = 3;
        }
        // Kept as the events come, so that writing need not look again.
        if (!doel.empty() && g.sleutel < doel.back().sleutel)
            m_ongesorteerd[static_cast<std::size_t>(lijst)] = true;
        doel.push_back(g);
    }
    // Megabytes of events for a long tab.
    void Ruimte(int lijst, std::size_t n) { RuimteInGrotePaginas(m_lijsten[static_cast<std::size_t>(lijst)], n); }
    // A meta event: written at once, the meta events come first at a tick.
    void Meta(std::int64_t tik, int soort, std::string_view data) { m_meta.push_back({tik, soort, std::string(data)}); }

    // Appends the track, "MTrk" and its length first, to `uit`.
    void Schrijf(std::string& uit, std::int64_t eind)
    {
        const auto voor = [](const Gebeurtenis& x, const Gebeurtenis& y) { return x.sleutel < y.sleutel; };
        // Where each list stands in the merge.
        struct Kop {
            const Gebeurtenis* nu;
            const Gebeurtenis* eind;
        };
        std::vector<Kop> koppen;
        std::size_t aantal = 0;
        for (std::size_t l = 0; l < m_lijsten.size(); ++l) {
            auto& lijst = m_lijsten[l];
            if (m_ongesorteerd[l])
                std::stable_sort(lijst.begin(), lijst.end(), voor);
            if (!lijst.empty())
                koppen.push_back({lijst.data(), lijst.data() + lijst.size()});
            aantal += lijst.size();
        }
        std::stable_sort(m_meta.begin(), m_meta.end(), [](const MetaG& x, const MetaG& y) { return x.tik < y.tik; });
        const std::size_t begin = uit.size();
        RuimteInGrotePaginas(uit, begin + aantal * 5 + 64);
        uit.append(8, '\0');
        // The bytes gather in a small buffer that goes into the track a few
        // thousand at a time, rather than being appended one by one.
        char buf[4096];
        char* p = buf;
        const auto spoel = [&] {
            uit.append(buf, static_cast<std::size_t>(p - buf));
            p = buf;
        };
        const auto vlq = [&p](std::uint64_t v) {
            if (v < 0x80) {
                *p++ = static_cast<char>(v);
                return;
            }
            char cijfers[10];
            int n = 0;
            cijfers[n++] = static_cast<char>(v & 0x7F);
            while (v >>= 7)
                cijfers[n++] = static_cast<char>(0x80 | (v & 0x7F));
            while (n > 0)
                *p++ = cijfers[--n];
        };
        std::int64_t nu = 0;
        std::size_t m = 0;
        // The heads' keys side by side, a list that has run out at the
        // highest key, so that finding the earliest is a plain scan.
        constexpr std::uint64_t kOp = ~std::uint64_t{0};
        std::vector<std::uint64_t> sleutels(koppen.size());
        for (std::size_t l = 0; l < koppen.size(); ++l)
            sleutels[l] = koppen[l].nu->sleutel;
        for (;;) {
            // The earliest head among the lists; the first list wins a tie.
            std::size_t waar = 0;
            std::uint64_t beste = kOp;
            for (std::size_t l = 0; l < sleutels.size(); ++l) {
                const bool eerder = sleutels[l] < beste;
                beste = eerder ? sleutels[l] : beste;
                waar = eerder ? l : waar;
            }
            if (p > buf + sizeof buf - 32)
                spoel();
            if (m < m_meta.size() && (beste == kOp || m_meta[m].tik <= static_cast<std::int64_t>(beste >> 2))) {
                const MetaG& g = m_meta[m++];
                vlq(static_cast<std::uint64_t>(g.tik - nu));
                nu = g.tik;
                *p++ = '\xFF';
                *p++ = static_cast<char>(g.soort);
                vlq(g.data.size());
                spoel();
                uit += g.data;
                continue;
            }
            if (beste == kOp)
                break;
            Kop& kop = koppen[waar];
            const Gebeurtenis& g = *kop.nu++;
            sleutels[waar] = kop.nu == kop.eind ? kOp : kop.nu->sleutel;
            vlq(static_cast<std::uint64_t>(g.Tik() - nu));
            nu = g.Tik();
            for (int k = 0; k < g.lengte; ++k)
                *p++ = static_cast<char>(g.data[k]);
        }
        vlq(static_cast<std::uint64_t>(std::max<std::int64_t>(0, eind - nu)));
        *p++ = '\xFF';
        *p++ = '\x2F';
        *p++ = '\0';
        spoel();
        const std::size_t lengte = uit.size() - begin - 8;
        std::string kop = "MTrk";
        Be32(kop, static_cast<std::uint32_t>(lengte));
        std::copy(kop.begin(), kop.end(), uit.begin() + static_cast<std::ptrdiff_t>(begin));
    }

private:
    struct MetaG {
        std::int64_t tik;
        int soort;
        std::string data;
    };
    std::vector<std::vector<Gebeurtenis>> m_lijsten;
    std::vector<bool> m_ongesorteerd;   // per list: an event came before the one pushed ahead of it
    std::vector<MetaG> m_meta;
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
    Snaarkanaal(Spoor& spoor, int kanaal) : m_spoor(spoor), m_kanaal(kanaal), m_lijst(spoor.NieuweLijst()) {}
    int Lijst() const { return m_lijst; }

    void Wiel(std::int64_t tik, double halveTonen)
    {
        const int w = std::clamp(static_cast<int>(Afgerond(8192 + halveTonen * 8192.0 / kBuigBereik)), 0, 16383);
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
        for (std::int64_t t = van + stap; t < tot; t += stap)
            Wiel(t, begin + (naar - begin) * static_cast<double>(t - van) / static_cast<double>(tot - van));
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

void SpeelSnaar(const Muziekstuk& stuk, const std::vector<const Speelnoot*>& noten, Snaarkanaal& kanaal)
{
    std::int64_t eind = 0;  // when the sounding note stops
    for (std::size_t i = 0; i < noten.size(); ++i) {
        const Speelnoot& sp = *noten[i];
        const Noot& n = stuk.noten[static_cast<std::size_t>(sp.noot)];
        const Muziekbalk& b = stuk.balken[static_cast<std::size_t>(sp.balk)];
        int toon = n.toonhoogte;
        if (n.aanslag == Aanslag::Gedempt) {
            const Snaar& s = stuk.Snaren(b)[static_cast<std::size_t>(n.snaar)];
            toon = s.open >= 0 ? s.open + b.capo : -1;
        }
        if (toon < 0)
            continue;
        const Speelnoot* vorige = i > 0 ? noten[i - 1] : nullptr;
        const Noot* vn = vorige ? &stuk.noten[static_cast<std::size_t>(vorige->noot)] : nullptr;
        // The sign joins this note to the one before it only where that one
        // is its neighbour in the text too (not the end of a repeat).
        const bool verbonden = vorige && kanaal.Toon() >= 0 && Verbindt(n.via) && vn->naar == n.via &&
                               vn->regel == n.regel && vn->kolom < n.kolom && sp.begin <= eind &&
                               n.aanslag != Aanslag::Gedempt;
        const double doel = toon - kanaal.Toon();
        std::int64_t lengte = sp.lengte;
        if (verbonden && std::abs(doel) <= kBuigBereik) {
            if (IsGlij(n.via) || n.via == Techniek::Buig || n.via == Techniek::Terug)
                kanaal.Glij(std::max(vorige->begin, sp.begin - kTikkenPerKwart / 2), sp.begin, doel);
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
                    kanaal.Glij(std::max(vorige->begin, sp.begin - kTikkenPerKwart / 2), sp.begin - 1,
                                doel > 0 ? kBuigBereik : -kBuigBereik);
                snelheid = kLegato;
            }
            kanaal.Uit(std::min(eind, sp.begin));
            kanaal.Aan(sp.begin, toon, snelheid);
            // A slide into the note from nowhere starts a few frets off.
            if (!verbonden && (n.via == Techniek::GlijOp || n.via == Techniek::GlijAf)) {
                kanaal.Wiel(sp.begin, n.via == Techniek::GlijOp ? -3 : 3);
                kanaal.Glij(sp.begin, sp.begin + std::min<std::int64_t>(kTikkenPerKwart / 4, lengte), 0);
            }
        }
        eind = sp.begin + lengte;

        const Speelnoot* volgende = i + 1 < noten.size() ? noten[i + 1] : nullptr;
        const Noot* nn = volgende ? &stuk.noten[static_cast<std::size_t>(volgende->noot)] : nullptr;
        const bool doorgaan = nn && Verbindt(n.naar) && nn->via == n.naar && nn->regel == n.regel &&
                              nn->kolom > n.kolom;
        if (n.vibrato)
            kanaal.Vibrato(sp.begin + lengte / 4, eind);
        if (!doorgaan) {
            // A slide out or a bend with nothing written after it.
            const std::int64_t helft = std::min<std::int64_t>(lengte / 2, kTikkenPerKwart / 2);
            if (n.naar == Techniek::GlijAf || n.naar == Techniek::GlijOp)
                kanaal.Glij(eind - helft, eind, kanaal.Buiging() + (n.naar == Techniek::GlijAf ? -5 : 5));
            else if (n.naar == Techniek::Buig)
                kanaal.Glij(sp.begin, sp.begin + helft, kanaal.Buiging() + 2);
            kanaal.Uit(eind);
        }
    }
}

std::string Tekst(std::string_view s)
{
    return std::string(s);
}

} // namespace

std::string SchrijfMidi(const Muziekstuk& stuk, const Tijdlijn& tijden, std::string_view titel)
{
    // The tracks are written straight after the header, each as it is done.
    std::string uit;
    uit += "MThd";
    Be32(uit, 6);
    Be16(uit, 1);
    Be16(uit, static_cast<int>(tijden.groepen.size()) + 1);
    Be16(uit, kTikkenPerKwart);
    const std::int64_t langste = Speelduur(tijden);

    // The conductor: tempo from every group, time signatures as the first
    // group plays them.
    {
        Spoor dirigent;
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
        dirigent.Schrijf(uit, langste);
    }

    int volgendKanaal = 0;
    for (std::size_t gi = 0; gi < tijden.groepen.size(); ++gi) {
        const Speelgroep& g = tijden.groepen[gi];
        Spoor spoor;
        spoor.Meta(0, 0x03, Tekst(g.bas ? "Basgitaar" : "Gitaar"));
        std::vector<Snaarkanaal> kanalen;
        for (int s = 0; s < g.snaren; ++s) {
            if (volgendKanaal == 9) // the percussion channel
                ++volgendKanaal;
            const int k = volgendKanaal % 16;
            volgendKanaal = (volgendKanaal + 1) % 16;
            kanalen.emplace_back(spoor, k);
            const int l = kanalen.back().Lijst();
            spoor.Kort(l, 0, 1, 0xC0 | k, g.programma);
            // Pitch-bend range: registered parameter 0, then closed again.
            spoor.Kort(l, 0, 1, 0xB0 | k, 101, 0);
            spoor.Kort(l, 0, 1, 0xB0 | k, 100, 0);
            spoor.Kort(l, 0, 1, 0xB0 | k, 6, kBuigBereik);
            spoor.Kort(l, 0, 1, 0xB0 | k, 38, 0);
            spoor.Kort(l, 0, 1, 0xB0 | k, 101, 127);
            spoor.Kort(l, 0, 1, 0xB0 | k, 100, 127);
            spoor.Kort(l, 0, 1, 0xE0 | k, 0, 64);
        }
        const std::vector<Speelnoot> noten = Speelnoten(stuk, tijden, static_cast<int>(gi));
        std::vector<std::vector<const Speelnoot*>> perSnaar(static_cast<std::size_t>(g.snaren));
        for (auto& lijst : perSnaar)
            lijst.reserve(noten.size() / static_cast<std::size_t>(std::max(g.snaren, 1)) * 2);
        for (const Speelnoot& sp : noten) {
            const int s = stuk.noten[static_cast<std::size_t>(sp.noot)].snaar;
            if (s >= 0 && s < g.snaren)
                perSnaar[static_cast<std::size_t>(s)].push_back(&sp);
        }
        // A note gives its on and off and, gliding or bending, a row of
        // wheel steps: room for eight events a note, so that a list is not
        // copied to a larger one halfway (room never written costs nothing).
        for (int s = 0; s < g.snaren; ++s)
            spoor.Ruimte(kanalen[static_cast<std::size_t>(s)].Lijst(), perSnaar[static_cast<std::size_t>(s)].size() * 8 + 16);
        for (int s = 0; s < g.snaren; ++s)
            SpeelSnaar(stuk, perSnaar[static_cast<std::size_t>(s)], kanalen[static_cast<std::size_t>(s)]);
        spoor.Schrijf(uit, g.lengte);
    }
    return uit;
}

} // namespace korvane
