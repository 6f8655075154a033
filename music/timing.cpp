// Onsets and lengths of the notes of a tab, and the order bars are played in.
#include "music/timing.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace korvane {
namespace {

constexpr int kZestiende = kTikkenPerKwart / 4;
constexpr int kTriool = kTikkenPerKwart / 3;

bool IsCijfer(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool IsLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

char32_t Klein(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c + 32 : c;
}

// Whether `woord` stands in `regel`, in any letter case, as a word start.
bool BevatWoord(std::u32string_view regel, std::u32string_view woord)
{
    if (regel.size() < woord.size())
        return false;
    for (std::size_t i = 0; i + woord.size() <= regel.size(); ++i) {
        if (i > 0 && IsLetter(regel[i - 1]))
            continue;
        std::size_t k = 0;
        while (k < woord.size() && Klein(regel[i + k]) == woord[k])
            ++k;
        if (k == woord.size())
            return true;
    }
    return false;
}

// The General MIDI guitar a line names, or -1.
int GitaarUitTekst(std::u32string_view regel)
{
    if (BevatWoord(regel, U"nylon") || BevatWoord(regel, U"classical") || BevatWoord(regel, U"klassiek"))
        return 24;
    if (BevatWoord(regel, U"distortion") || BevatWoord(regel, U"distorted") || BevatWoord(regel, U"vervorm"))
        return 30;
    if (BevatWoord(regel, U"overdrive") || BevatWoord(regel, U"crunch"))
        return 29;
    if (BevatWoord(regel, U"clean"))
        return 27;
    if (BevatWoord(regel, U"steel") || BevatWoord(regel, U"acoustic") || BevatWoord(regel, U"akoestisch"))
        return 25;
    return -1;
}

// Nearest sixteenth or triplet eighth, whichever is closer.
int Kwantiseer(double tik)
{
    const double z = Afgerond(tik / kZestiende) * kZestiende;
    const double t = Afgerond(tik / kTriool) * kTriool;
    return static_cast<int>(std::abs(t - tik) < std::abs(z - tik) ? t : z);
}

int LetterTikken(int noemer, int punten)
{
    int tikken = 4 * kTikkenPerKwart / std::max(noemer, 1);
    int erbij = tikken;
    for (int p = 0; p < punten; ++p) {
        erbij /= 2;
        tikken += erbij;
    }
    return tikken;
}

// The time signature a count line shows for a staff of `maten` bars: the
// highest count ("1 & 2 & 3 &"), or the beat marks per bar, "|." marking a
// dotted beat as the staff command writes them for 6/8 and 12/8.
Maatsoort UitTelregel(std::u32string_view regel, int maten)
{
    int hoogste = 0, strepen = 0, gestipt = 0;
    for (std::size_t i = 0; i < regel.size(); ++i) {
        const char32_t c = regel[i];
        if (IsCijfer(c)) {
            int n = static_cast<int>(c - U'0');
            if (i + 1 < regel.size() && IsCijfer(regel[i + 1]))
                n = n * 10 + static_cast<int>(regel[++i] - U'0');
            hoogste = std::max(hoogste, n);
        } else if (c == U'|') {
            ++strepen;
            gestipt += i + 1 < regel.size() && regel[i + 1] == U'.';
        }
    }
    if (hoogste >= 2 && hoogste <= 12)
        return {hoogste, 4};
    if (maten < 1 || strepen < maten)
        return {0, 4};
    const int perMaat = (strepen + maten / 2) / maten;
    if (perMaat < 2 || perMaat > 12)
        return {0, 4};
    if (gestipt * 2 >= strepen)
        return {perMaat * 3, 8};
    return {perMaat, 4};
}

class Rekenaar {
public:
    Rekenaar(const Muziekstuk& stuk, Tijdlijn& uit) : m_stuk(stuk), m_uit(uit) {}

    void Balk(int bi, Maatsoort soort);

private:
    const Muziekstuk& m_stuk;
    Tijdlijn& m_uit;
    // Room for one staff at a time, kept from staff to staff.
    std::vector<Bereik> m_bereik;
    std::vector<Maat> m_binnen;
    std::vector<int> m_gewoon;      // per klank: its tick in the plain count of columns
};

void Rekenaar::Balk(int bi, Maatsoort soort)
{
    const Muziekbalk& b = m_stuk.balken[static_cast<std::size_t>(bi)];
    const auto maten = m_stuk.Maten(b);
    const auto klanken = m_stuk.Klanken(b);
    const auto noten = m_stuk.Noten(b);
    const auto strepen = m_stuk.Maatstrepen(b);
    const int D = soort.Tikken();

    // The bars' ranges of klanken: from the first klank in each bar, as
    // many as are in it.
    m_bereik.assign(maten.size(), Bereik{-1, 0});
    for (std::size_t k = 0; k < klanken.size(); ++k) {
        const int m = noten[static_cast<std::size_t>(klanken[k].eersteNoot)].maat;
        if (m < 0 || m >= static_cast<int>(maten.size()))
            continue;
        Bereik& r = m_bereik[static_cast<std::size_t>(m)];
        if (r.begin < 0)
            r.begin = b.klanken.begin + static_cast<int>(k);
        ++r.aantal;
    }
    for (std::size_t m = 0; m < maten.size(); ++m) {
        const int gm = b.maten.begin + static_cast<int>(m);
        Bereik r = m_bereik[m];
        if (r.begin < 0)
            r.begin = b.klanken.begin;
        m_uit.maatKlanken[static_cast<std::size_t>(gm)] = r;
        m_uit.maatSoort[static_cast<std::size_t>(gm)] = soort;
    }

    const bool vast = maten.size() == 1 && std::none_of(strepen.begin(), strepen.end(), [&](const Maatstreep& s) {
                          return s.kolom >= maten[0].eind;
                      });
    m_uit.vasteStap[static_cast<std::size_t>(bi)] = vast;
    const bool letters = b.tijdregel >= 0 && b.tijden.aantal > 0;

    // The dots of a repeat sign belong to its bar line, not to the bar.
    std::vector<Maat>& binnen = m_binnen;
    binnen.assign(maten.begin(), maten.end());
    for (Maat& m : binnen)
        for (const Maatstreep& s : strepen) {
            if (s.herhaalBegin && s.kolom + s.breedte == m.begin && m.begin + 1 < m.eind)
                ++m.begin;
            if (s.herhaalEind && s.kolom == m.eind && m.eind - 1 > m.begin)
                --m.eind;
        }

    // The margin writers leave before a bar's first note, taken over the
    // whole staff: one bar may begin with a rest, most will not.
    int voor = 3;
    bool ergens = false;
    for (std::size_t m = 0; m < binnen.size(); ++m) {
        const Bereik r = m_uit.maatKlanken[static_cast<std::size_t>(b.maten.begin) + m];
        if (r.aantal == 0)
            continue;
        ergens = true;
        voor = std::min(voor, m_stuk.klanken[static_cast<std::size_t>(r.begin)].kolom - binnen[m].begin);
    }
    voor = ergens ? std::max(voor, 0) : 1;

    // How many columns a measure takes: the bar's columns less the one a
    // note character takes, give or take the margins a writer leaves at the
    // bar's end. The count that puts the staff's notes nearest the grid wins,
    // the plain one on a tie.
    int correctie = 0;
    m_gewoon.resize(klanken.size());
    if (!letters && !vast) {
        double minste = -1;
        for (int c : {0, -1, 1, -2, -3}) {
            // Nothing beats a staff already on the grid; a count whose
            // error has reached the best so far cannot win any more.
            if (minste == 0)
                break;
            double fout = 0;
            for (std::size_t m = 0; m < binnen.size() && (minste < 0 || fout < minste - 1e-6); ++m) {
                const Bereik r = m_uit.maatKlanken[static_cast<std::size_t>(b.maten.begin) + m];
                const double kolommen = std::max(1, binnen[m].eind - binnen[m].begin - 1 + c);
                for (int k = r.begin; k < r.begin + r.aantal; ++k) {
                    const int x = std::max(0, m_stuk.klanken[static_cast<std::size_t>(k)].kolom - binnen[m].begin - voor);
                    const double tik = x * D / kolommen;
                    const int gekwantiseerd = Kwantiseer(tik);
                    // The plain count is tried first and in full: most
                    // staffs keep it, and then its ticks are the ones used.
                    if (c == 0)
                        m_gewoon[static_cast<std::size_t>(k - b.klanken.begin)] = gekwantiseerd;
                    fout += std::abs(gekwantiseerd - tik);
                }
            }
            if (minste < 0 || fout < minste - 1e-6) {
                minste = fout;
                correctie = c;
            }
        }
    }

    for (std::size_t m = 0; m < maten.size(); ++m) {
        const std::size_t gm = static_cast<std::size_t>(b.maten.begin) + m;
        const Maat& maat = binnen[m];
        const Bereik r = m_uit.maatKlanken[gm];
        const double kolommen = std::max(1, maat.eind - maat.begin - 1 + correctie);
        const int marge = vast ? std::min(voor, 1) : voor;
        auto tikVan = [&](int kolom) {
            const int x = std::max(0, kolom - maat.begin - marge);
            if (vast)
                return x * kTikkenPerKwart / 4;
            return Kwantiseer(x * D / kolommen);
        };
        int lengte = D;
        int vorige = -1;
        if (letters) {
            // Letters at columns without a note are rests.
            const auto tijden = m_stuk.Tijden(b);
            std::size_t t = 0;
            while (t < tijden.size() && tijden[t].kolom < maat.begin)
                ++t;
            int plaats = 0;
            int duur = kTikkenPerKwart / 2;
            int k = r.begin;
            while (k < r.begin + r.aantal || (t < tijden.size() && tijden[t].kolom < maat.eind)) {
                const int kk = k < r.begin + r.aantal ? m_stuk.klanken[static_cast<std::size_t>(k)].kolom : maat.eind;
                const int tk = t < tijden.size() && tijden[t].kolom < maat.eind ? tijden[t].kolom : maat.eind;
                if (tk <= kk) {
                    duur = LetterTikken(tijden[t].noemer, tijden[t].punten);
                    ++t;
                    if (tk < kk) {
                        plaats += duur;
                        continue;
                    }
                }
                m_uit.klankBegin[static_cast<std::size_t>(k)] = plaats;
                m_uit.klankLengte[static_cast<std::size_t>(k)] = duur;
                plaats += duur;
                ++k;
            }
            lengte = std::max(D, plaats);
        } else {
            for (int k = r.begin; k < r.begin + r.aantal; ++k) {
                int tik = !vast && correctie == 0 ? m_gewoon[static_cast<std::size_t>(k - b.klanken.begin)]
                                                  : tikVan(m_stuk.klanken[static_cast<std::size_t>(k)].kolom);
                // Two columns that land on one tick still sound one after
                // the other.
                if (tik <= vorige)
                    tik = vorige + kZestiende;
                m_uit.klankBegin[static_cast<std::size_t>(k)] = tik;
                vorige = tik;
            }
            if (vast) {
                const int eind = tikVan(maat.eind + 1);
                lengte = std::max(vorige + kTikkenPerKwart / 2, eind);
                lengte = (lengte + D - 1) / D * D;
            } else {
                lengte = std::max(D, vorige + kZestiende);
            }
            for (int k = r.begin; k < r.begin + r.aantal; ++k) {
                const int volgende = k + 1 < r.begin + r.aantal ? m_uit.klankBegin[static_cast<std::size_t>(k) + 1]
                                                                : lengte;
                m_uit.klankLengte[static_cast<std::size_t>(k)] = volgende - m_uit.klankBegin[static_cast<std::size_t>(k)];
            }
        }
        m_uit.maatLengte[gm] = lengte;
        for (int k = r.begin; k < r.begin + r.aantal; ++k) {
            const Klank& klank = m_stuk.klanken[static_cast<std::size_t>(k)];
            const int begin = m_uit.klankBegin[static_cast<std::size_t>(k)];
            for (int n = klank.eersteNoot; n < klank.eersteNoot + klank.aantalNoten; ++n) {
                const std::size_t gn = static_cast<std::size_t>(b.noten.begin + n);
                int duur = m_uit.klankLengte[static_cast<std::size_t>(k)];
                const Noot& noot = m_stuk.noten[gn];
                if (!letters && noot.aangehoudenTot >= 0)
                    duur = std::clamp(tikVan(noot.aangehoudenTot + 1) - begin, duur, lengte - begin);
                m_uit.nootLengte[gn] = duur;
            }
        }
    }
}

// The bars of a group in playing order: ":|" goes back to the last "|:"
// (or the start, or the end of the repeat before), once or as often as an
// "x3" beside the staff says.
void Volgorde(const Muziekstuk& stuk, const Tijdlijn& tijden, Speelgroep& g)
{
    struct Lijnmaat {
        int balk, maat;
        bool begin = false;
        int keer = 0; // times played when it ends a repeat; 0 when it does not
    };
    std::vector<Lijnmaat> lijn;
    for (int bi : g.balken) {
        const Muziekbalk& b = stuk.balken[static_cast<std::size_t>(bi)];
        const auto maten = stuk.Maten(b);
        const auto strepen = stuk.Maatstrepen(b);
        const std::size_t eerste = lijn.size();
        int laatsteEind = -1;
        for (std::size_t m = 0; m < maten.size(); ++m) {
            Lijnmaat l{bi, b.maten.begin + static_cast<int>(m)};
            for (const Maatstreep& s : strepen) {
                if (s.herhaalBegin && s.kolom + s.breedte == maten[m].begin)
                    l.begin = true;
                if (s.herhaalEind && s.kolom == maten[m].eind)
                    l.keer = 2;
            }
            if (l.keer)
                laatsteEind = static_cast<int>(lijn.size());
            lijn.push_back(l);
        }
        if (b.keer > 1 && lijn.size() > eerste) {
            if (laatsteEind >= 0) {
                lijn[static_cast<std::size_t>(laatsteEind)].keer = b.keer;
            } else {
                lijn[eerste].begin = true;
                lijn.back().keer = b.keer;
            }
        }
    }
    std::vector<int> gespeeld(lijn.size(), 0);
    std::size_t start = 0;
    std::int64_t tik = 0;
    for (std::size_t i = 0; i < lijn.size();) {
        const Lijnmaat& l = lijn[i];
        if (l.begin)
            start = i;
        g.volgorde.push_back({l.balk, l.maat, tik});
        tik += tijden.maatLengte[static_cast<std::size_t>(l.maat)];
        if (l.keer > 0 && ++gespeeld[i] < l.keer) {
            i = start;
            continue;
        }
        if (l.keer > 0) {
            gespeeld[i] = 0;
            start = i + 1;
        }
        ++i;
    }
    g.lengte = tik;
}

} // namespace

double LeesTempo(std::u32string_view regel)
{
    auto getalNa = [&](std::size_t i) -> double {
        while (i < regel.size() && (regel[i] == U' ' || regel[i] == U':' || regel[i] == U'=' || regel[i] == U'\t'))
            ++i;
        int n = 0, cijfers = 0;
        while (i < regel.size() && IsCijfer(regel[i]) && cijfers < 4) {
            n = n * 10 + static_cast<int>(regel[i++] - U'0');
            ++cijfers;
        }
        if (cijfers == 0 || (i < regel.size() && IsCijfer(regel[i])))
            return 0;
        return n >= 20 && n <= 400 ? n : 0;
    };
    for (std::size_t i = 0; i < regel.size(); ++i) {
        const char32_t c = regel[i];
        // "♩ = 96", also with the eighth and the quarter of the music block.
        if (c == U'♩' || c == U'♪' || c == U'\U0001D15F') {
            if (const double t = getalNa(i + 1))
                return t;
        } else if (Klein(c) == U't' && (i == 0 || !IsLetter(regel[i - 1])) && BevatWoord(regel.substr(i, 5), U"tempo") &&
                   (i + 5 >= regel.size() || !IsLetter(regel[i + 5]))) {
            if (const double t = getalNa(i + 5))
                return t;
        } else if (Klein(c) == U'b' && (i == 0 || !IsLetter(regel[i - 1])) && BevatWoord(regel.substr(i, 3), U"bpm")) {
            // "96 bpm", "96bpm", or "BPM: 96".
            std::size_t j = i;
            while (j > 0 && regel[j - 1] == U' ')
                --j;
            std::size_t k = j;
            while (k > 0 && IsCijfer(regel[k - 1]))
                --k;
            if (k < j && (k == 0 || !IsLetter(regel[k - 1])))
                if (const double t = getalNa(k))
                    return t;
            if (const double t = getalNa(i + 3))
                return t;
        }
    }
    return 0;
}

Maatsoort LeesMaatsoort(std::u32string_view regel)
{
    for (std::size_t i = 0; i < regel.size(); ++i) {
        if (regel[i] != U'/' || i == 0 || i + 1 >= regel.size())
            continue;
        std::size_t a = i;
        while (a > 0 && IsCijfer(regel[a - 1]))
            --a;
        std::size_t e = i + 1;
        while (e < regel.size() && IsCijfer(regel[e]))
            ++e;
        if (a == i || e == i + 1 || i - a > 2 || e - i - 1 > 2)
            continue;
        // Part of a word ("D6/9") or of a longer number ("1/2/3") it is not.
        if (a > 0 && (IsLetter(regel[a - 1]) || regel[a - 1] == U'/' || regel[a - 1] == U'#'))
            continue;
        if (e < regel.size() && (IsLetter(regel[e]) || regel[e] == U'/'))
            continue;
        int teller = 0, noemer = 0;
        for (std::size_t k = a; k < i; ++k)
            teller = teller * 10 + static_cast<int>(regel[k] - U'0');
        for (std::size_t k = i + 1; k < e; ++k)
            noemer = noemer * 10 + static_cast<int>(regel[k] - U'0');
        if (teller >= 1 && teller <= 16 && (noemer == 2 || noemer == 4 || noemer == 8 || noemer == 16))
            return {teller, noemer};
    }
    return {0, 4};
}

Tijdlijn BerekenTijden(const Muziekstuk& stuk, std::span<const std::u32string_view> regels, const TijdOpties& opties)
{
    Regelspan bron(regels);
    return BerekenTijden(stuk, bron, opties);
}

Tijdlijn BerekenTijden(const Muziekstuk& stuk, Regelbron& regels, const TijdOpties& opties)
{
    Tijdlijn uit;
    uit.klankBegin.assign(stuk.klanken.size(), 0);
    uit.klankLengte.assign(stuk.klanken.size(), 0);
    uit.nootLengte.assign(stuk.noten.size(), 0);
    uit.maatLengte.assign(stuk.maten.size(), 0);
    uit.maatSoort.assign(stuk.maten.size(), Maatsoort{});
    uit.maatKlanken.assign(stuk.maten.size(), Bereik{});
    uit.vasteStap.assign(stuk.balken.size(), false);

    auto regel = [&](int r) { return r >= 0 && r < regels.Aantal() ? regels.Regel(r) : std::u32string_view(); };
    Rekenaar rekenaar(stuk, uit);
    std::vector<double> tempoVoor(stuk.balken.size(), 0);
    int gitaar = -1;
    Maatsoort geldend;
    int vanaf = 0;
    for (std::size_t bi = 0; bi < stuk.balken.size(); ++bi) {
        const Muziekbalk& b = stuk.balken[bi];
        // What stands between the previous staff and this one.
        regels.Bereid(vanaf, std::min(regels.Aantal(), std::max(b.bron.eerste, b.telregel + 1)));
        for (int r = vanaf; r < b.bron.eerste; ++r) {
            const std::u32string_view s = regel(r);
            if (s.empty() || r == b.telregel)
                continue;
            // The sound is named in the header, above the first staff.
            if (gitaar < 0 && bi == 0)
                gitaar = GitaarUitTekst(s);
            // Both need a number; most lines between staffs are words.
            if (std::none_of(s.begin(), s.end(), IsCijfer))
                continue;
            if (const double t = LeesTempo(s))
                tempoVoor[bi] = t;
            if (const Maatsoort m = LeesMaatsoort(s); m.teller > 0 && r != b.akkoordregel)
                geldend = m;
        }
        vanaf = b.bron.laatste + 1;
        // The most recent statement holds until the next one.
        if (tempoVoor[bi] == 0 && bi > 0)
            tempoVoor[bi] = tempoVoor[bi - 1];
        Maatsoort soort = geldend;
        if (b.telregel >= 0) {
            const Maatsoort t = UitTelregel(regel(b.telregel), b.maten.aantal);
            if (t.teller > 0)
                soort = t;
        }
        // The lines up to the next staff are read next; asked for now,
        // they arrive while this staff's times are worked out.
        if (bi + 1 < stuk.balken.size())
            for (int r = b.bron.laatste + 1; r < stuk.balken[bi + 1].bron.eerste && r < regels.Aantal(); ++r) {
                const std::u32string_view s = regels.Regel(r);
                for (std::size_t k = 0; k < s.size(); k += 16)
                    __builtin_prefetch(s.data() + k);
            }
        rekenaar.Balk(static_cast<int>(bi), soort);
    }

    // Groups by instrument, in the order they first appear.
    std::map<std::pair<int, bool>, int> groepVan;
    for (std::size_t bi = 0; bi < stuk.balken.size(); ++bi) {
        const Muziekbalk& b = stuk.balken[bi];
        const auto snaren = stuk.Snaren(b);
        int laagste = 1000;
        bool bekend = !snaren.empty();
        for (const Snaar& s : snaren) {
            bekend = bekend && s.open >= 0;
            laagste = std::min(laagste, s.open);
        }
        const int n = static_cast<int>(snaren.size());
        const bool bas = bekend ? laagste < 34 : (n == 4 || n == 5);
        const auto sleutel = std::make_pair(n, bas);
        auto [it, nieuw] = groepVan.try_emplace(sleutel, static_cast<int>(uit.groepen.size()));
        if (nieuw) {
            Speelgroep g;
            g.snaren = n;
            g.bas = bas;
            g.programma = bas ? 33 : (gitaar >= 0 ? gitaar : opties.gitaar);
            uit.groepen.push_back(std::move(g));
        }
        uit.groepen[static_cast<std::size_t>(it->second)].balken.push_back(static_cast<int>(bi));
    }
    for (Speelgroep& g : uit.groepen) {
        Volgorde(stuk, uit, g);
        g.tempi.push_back({0, opties.tempo});
        int vorigeBalk = -1;
        for (const Speelmaat& m : g.volgorde) {
            if (m.balk == vorigeBalk)
                continue;
            vorigeBalk = m.balk;
            const double t = tempoVoor[static_cast<std::size_t>(m.balk)];
            if (t > 0 && t != g.tempi.back().bpm) {
                if (g.tempi.back().tik == m.begin)
                    g.tempi.back().bpm = t;
                else
                    g.tempi.push_back({m.begin, t});
            }
        }
    }
    return uit;
}

std::size_t AantalSpeelnoten(const Muziekstuk& stuk, const Tijdlijn& tijden, int groep)
{
    std::size_t aantal = 0;
    for (const Speelmaat& m : tijden.groepen[static_cast<std::size_t>(groep)].volgorde) {
        const Bereik r = tijden.maatKlanken[static_cast<std::size_t>(m.maat)];
        if (r.aantal > 0) {
            const Klank& eerste = stuk.klanken[static_cast<std::size_t>(r.begin)];
            const Klank& laatste = stuk.klanken[static_cast<std::size_t>(r.begin + r.aantal - 1)];
            aantal += static_cast<std::size_t>(laatste.eersteNoot + laatste.aantalNoten - eerste.eersteNoot);
        }
    }
    return aantal;
}

std::vector<Tempowissel> Tempokaart(const Tijdlijn& tijden)
{
    std::vector<Tempowissel> tempi;
    for (const Speelgroep& g : tijden.groepen)
        for (const Tempowissel& t : g.tempi)
            if (std::none_of(tempi.begin(), tempi.end(), [&](const Tempowissel& x) { return x.tik == t.tik; }))
                tempi.push_back(t);
    std::stable_sort(tempi.begin(), tempi.end(), [](const Tempowissel& a, const Tempowissel& b) { return a.tik < b.tik; });
    if (tempi.empty() || tempi.front().tik > 0)
        tempi.insert(tempi.begin(), {0, tempi.empty() ? 100.0 : tempi.front().bpm});
    return tempi;
}

double TikNaarSeconden(const std::vector<Tempowissel>& tempi, std::int64_t tik)
{
    double s = 0;
    for (std::size_t i = 0; i < tempi.size() && tempi[i].tik < tik; ++i) {
        const std::int64_t tot = i + 1 < tempi.size() ? std::min(tik, tempi[i + 1].tik) : tik;
        s += static_cast<double>(tot - tempi[i].tik) * 60.0 / (tempi[i].bpm * kTikkenPerKwart);
    }
    return s;
}

double SecondenNaarTik(const std::vector<Tempowissel>& tempi, double seconden)
{
    double s = 0;
    for (std::size_t i = 0; i < tempi.size(); ++i) {
        const double perTik = 60.0 / (tempi[i].bpm * kTikkenPerKwart);
        if (i + 1 < tempi.size()) {
            const double stuk = static_cast<double>(tempi[i + 1].tik - tempi[i].tik) * perTik;
            if (s + stuk <= seconden) {
                s += stuk;
                continue;
            }
        }
        return static_cast<double>(tempi[i].tik) + (seconden - s) / perTik;
    }
    return seconden * 100.0 * kTikkenPerKwart / 60.0;
}

std::int64_t Speelduur(const Tijdlijn& tijden)
{
    std::int64_t langste = 0;
    for (const Speelgroep& g : tijden.groepen)
        langste = std::max(langste, g.lengte);
    return langste;
}

} // namespace korvane
