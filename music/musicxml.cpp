// Writing MusicXML from the model and its times. Notation wants note values
// it can name, so a length the columns gave that has no single value is the
// largest value that fits followed by rests; a bend's target and release,
// written as numbers of their own in tabs, become the bend of the note they
// continue.
#include "music/musicxml.h"

#include "core/utf8.h"
#include "music/grotepaginas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace korvane {
namespace {


std::string Xml(std::string_view s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default:
            // Control characters have no place in XML 1.0.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out += c;
        }
    }
    return out;
}

void Getal(std::string& uit, int n)
{
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    uit.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

struct Waarde {
    int tikken;
    const char* soort;
    int punten;
    bool triool;
};

// Largest first.
constexpr std::array<Waarde, 14> kWaarden = {{
    {2880, "whole", 1, false},
    {1920, "whole", 0, false},
    {1440, "half", 1, false},
    {960, "half", 0, false},
    {720, "quarter", 1, false},
    {480, "quarter", 0, false},
    {360, "eighth", 1, false},
    {320, "quarter", 0, true},
    {240, "eighth", 0, false},
    {180, "16th", 1, false},
    {160, "eighth", 0, true},
    {120, "16th", 0, false},
    {80, "16th", 0, true},
    {60, "32nd", 0, false},
}};

const Waarde* Past(int tikken)
{
    for (const Waarde& w : kWaarden)
        if (w.tikken <= tikken)
            return &w;
    return nullptr;
}

// As a note's pitch, or with `voor` = "tuning-" as a string's tuning.
void ToonhoogteTekst(std::string& uit, int midi, const std::string& voor);

// A long tab writes the same few dozen pitches over and over.
std::string_view ToonhoogteTekstVan(int midi)
{
    static const std::array<std::string, 128> tabel = [] {
        std::array<std::string, 128> t;
        for (int m = 0; m < 128; ++m)
            ToonhoogteTekst(t[static_cast<std::size_t>(m)], m, {});
        return t;
    }();
    return midi >= 0 && midi < 128 ? std::string_view(tabel[static_cast<std::size_t>(midi)]) : std::string_view();
}

void Toonhoogte(std::string& uit, int midi)
{
    if (midi >= 0 && midi < 128)
        uit += ToonhoogteTekstVan(midi);
    else
        ToonhoogteTekst(uit, midi, {});
}

void Toonhoogte(std::string& uit, int midi, const std::string& voor)
{
    ToonhoogteTekst(uit, midi, voor);
}

void ToonhoogteTekst(std::string& uit, int midi, const std::string& voor)
{
    static constexpr const char* kStap[12] = {"C", "C", "D", "D", "E", "F", "F", "G", "G", "A", "A", "B"};
    static constexpr int kVerhoging[12] = {0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0};
    const int klasse = ((midi % 12) + 12) % 12;
    if (voor.empty())
        uit += "<pitch>";
    uit += "<" + voor + "step>" + kStap[klasse] + "</" + voor + "step>";
    if (kVerhoging[klasse])
        uit += "<" + voor + "alter>1</" + voor + "alter>";
    uit += "<" + voor + "octave>" + std::to_string(midi / 12 - 1) + "</" + voor + "octave>";
    if (voor.empty())
        uit += "</pitch>";
}

void WaardetekstMaak(std::string& uit, const Waarde& w);

std::string_view WaardetekstVan(const Waarde& w)
{
    static const std::array<std::string, kWaarden.size()> tabel = [] {
        std::array<std::string, kWaarden.size()> t;
        for (std::size_t i = 0; i < kWaarden.size(); ++i)
            WaardetekstMaak(t[i], kWaarden[i]);
        return t;
    }();
    return tabel[static_cast<std::size_t>(&w - kWaarden.data())];
}

void Waardetekst(std::string& uit, const Waarde& w)
{
    uit += WaardetekstVan(w);
}

// A note's text gathers in a small buffer that goes into the output in one
// append: a long document writes hundreds of thousands of notes of some
// twenty pieces each, and appending each piece checks and grows the output.
class Notitie {
public:
    explicit Notitie(std::string& uit) : m_uit(uit) {}
    Notitie(const Notitie&) = delete;
    Notitie& operator=(const Notitie&) = delete;
    ~Notitie() { Spoel(); }

    template <std::size_t N>
    Notitie& operator<<(const char (&s)[N])
    {
        return Zet(s, N - 1);
    }
    Notitie& operator<<(std::string_view s) { return Zet(s.data(), s.size()); }
    Notitie& operator<<(int n)
    {
        if (m_eind - m_p < 16)
            Spoel();
        m_p = std::to_chars(m_p, m_eind, n).ptr;
        return *this;
    }
    void Spoel()
    {
        m_uit.append(m_buf, static_cast<std::size_t>(m_p - m_buf));
        m_p = m_buf;
    }

private:
    Notitie& Zet(const char* s, std::size_t n)
    {
        if (n > static_cast<std::size_t>(m_eind - m_p)) {
            Spoel();
            if (n > sizeof m_buf) {
                m_uit.append(s, n);
                return *this;
            }
        }
        std::memcpy(m_p, s, n);
        m_p += n;
        return *this;
    }

    std::string& m_uit;
    char m_buf[1024];
    char* m_p = m_buf;
    char* const m_eind = m_buf + sizeof m_buf;
};

void WaardetekstMaak(std::string& uit, const Waarde& w)
{
    uit += "<type>";
    uit += w.soort;
    uit += "</type>";
    for (int p = 0; p < w.punten; ++p)
        uit += "<dot/>";
    if (w.triool)
        uit += "<time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification>";
}

// Rests filling `tikken`, largest values first.
void Rusten(std::string& uit, int tikken)
{
    while (tikken > 0) {
        const Waarde* w = Past(tikken);
        if (!w) {
            // Below a thirty-second: only a duration, which readers accept.
            uit += "<note><rest/><duration>";
            Getal(uit, tikken);
            uit += "</duration><voice>1</voice></note>";
            return;
        }
        uit += "<note><rest/><duration>";
        Getal(uit, w->tikken);
        uit += "</duration><voice>1</voice>";
        Waardetekst(uit, *w);
        uit += "</note>";
        tikken -= w->tikken;
    }
}

struct Soortnaam {
    std::u32string_view tekst;
    const char* kind;
};

// The chord kinds MusicXML names, by the spelling tabs use; anything else is
// "other" with the text as written.
const char* Akkoordsoort(std::u32string_view s)
{
    static constexpr Soortnaam kSoorten[] = {
        {U"", "major"},          {U"maj", "major"},           {U"m", "minor"},
        {U"min", "minor"},       {U"-", "minor"},             {U"7", "dominant"},
        {U"maj7", "major-seventh"}, {U"M7", "major-seventh"}, {U"m7", "minor-seventh"},
        {U"min7", "minor-seventh"}, {U"dim", "diminished"},   {U"dim7", "diminished-seventh"},
        {U"aug", "augmented"},   {U"+", "augmented"},         {U"m7b5", "half-diminished"},
        {U"sus2", "suspended-second"}, {U"sus4", "suspended-fourth"}, {U"sus", "suspended-fourth"},
        {U"6", "major-sixth"},   {U"m6", "minor-sixth"},      {U"9", "dominant-ninth"},
        {U"maj9", "major-ninth"}, {U"m9", "minor-ninth"},     {U"11", "dominant-11th"},
        {U"13", "dominant-13th"}, {U"5", "power"},            {U"mmaj7", "major-minor"},
    };
    for (const Soortnaam& k : kSoorten)
        if (k.tekst == s)
            return k.kind;
    return "other";
}

void Stapnaam(Notitie& t, std::string_view element, const Nootnaam& n)
{
    static constexpr std::string_view kLetters = "CDEFGAB";
    char32_t letter = n.letter >= U'a' && n.letter <= U'z' ? n.letter - 32 : n.letter;
    for (std::size_t i = 0; i < kLetters.size(); ++i)
        if (static_cast<char32_t>(kLetters[i]) == letter) {
            t << "<" << element << "-step>" << kLetters.substr(i, 1) << "</" << element << "-step>";
            if (n.verhoging)
                t << "<" << element << "-alter>" << n.verhoging << "</" << element << "-alter>";
        }
}

void Harmonie(std::string& uit, const Akkoordnaam& a)
{
    Notitie t(uit);
    t << "<harmony><root>";
    Stapnaam(t, "root", a.grondtoon);
    t << "</root><kind text=\"" << Xml(Utf8(a.soort)) << "\">" << std::string_view(Akkoordsoort(a.soort)) << "</kind>";
    if (a.bas) {
        t << "<bass>";
        Stapnaam(t, "bass", *a.bas);
        t << "</bass>";
    }
    t << "</harmony>";
}

class Schrijver {
public:
    Schrijver(const Muziekstuk& stuk, const Tijdlijn& tijden) : m_stuk(stuk), m_tijden(tijden) {}
    void Deel(const Speelgroep& g, std::string& uit);

private:
    void Balk(int bi, std::string& uit);
    void Akkoord(const Muziekbalk& b, int k, int duur, std::string& uit);

    const Muziekstuk& m_stuk;
    const Tijdlijn& m_tijden;
    int m_maatnummer = 0;
    Maatsoort m_soort{0, 0};
    std::vector<int> m_stemming;
    std::vector<int> m_volgende;    // per note of the staff: the next note on its string, or -1
    std::vector<bool> m_opgevouwen; // per klank of the staff: a bend's target only
    // Room for one staff at a time, kept from staff to staff.
    std::vector<int> m_laatste;
    std::vector<int> m_balkStemming;
};

void Schrijver::Deel(const Speelgroep& g, std::string& uit)
{
    m_maatnummer = 0;
    m_soort = {0, 0};
    m_stemming.clear();
    for (int bi : g.balken)
        Balk(bi, uit);
}

void Schrijver::Balk(int bi, std::string& uit)
{
    const Muziekbalk& b = m_stuk.balken[static_cast<std::size_t>(bi)];
    const auto snaren = m_stuk.Snaren(b);
    const auto noten = m_stuk.Noten(b);
    const auto klanken = m_stuk.Klanken(b);
    const auto maten = m_stuk.Maten(b);
    const auto strepen = m_stuk.Maatstrepen(b);
    const auto akkoorden = m_stuk.Akkoorden(b);

    m_volgende.assign(noten.size(), -1);
    {
        std::vector<int>& laatste = m_laatste;
        laatste.assign(snaren.size(), -1);
        for (std::size_t i = 0; i < noten.size(); ++i) {
            const auto s = static_cast<std::size_t>(noten[i].snaar);
            if (s >= laatste.size())
                continue;
            if (laatste[s] >= 0)
                m_volgende[static_cast<std::size_t>(laatste[s])] = static_cast<int>(i);
            laatste[s] = static_cast<int>(i);
        }
    }
    auto isVervolg = [&](const Noot& n) { return n.via == Techniek::Buig || n.via == Techniek::Terug; };
    m_opgevouwen.assign(klanken.size(), false);
    for (std::size_t k = 1; k < klanken.size(); ++k) {
        bool alle = true;
        for (int n = klanken[k].eersteNoot; n < klanken[k].eersteNoot + klanken[k].aantalNoten; ++n)
            alle = alle && isVervolg(noten[static_cast<std::size_t>(n)]);
        m_opgevouwen[k] = alle;
    }

    std::vector<int>& stemming = m_balkStemming;
    stemming.clear();
    for (auto it = snaren.rbegin(); it != snaren.rend(); ++it)
        stemming.push_back(it->open);

    std::size_t akkoord = 0;
    for (std::size_t m = 0; m < maten.size(); ++m) {
        const std::size_t gm = static_cast<std::size_t>(b.maten.begin) + m;
        const Maatsoort soort = m_tijden.maatSoort[gm];
        const int maatTikken = soort.Tikken();
        const int lengte = m_tijden.maatLengte[gm];
        const Bereik r = m_tijden.maatKlanken[gm];
        bool herhaalBegin = false, herhaalEind = false;
        for (const Maatstreep& s : strepen) {
            herhaalBegin = herhaalBegin || (s.herhaalBegin && s.kolom + s.breedte == maten[m].begin);
            herhaalEind = herhaalEind || (s.herhaalEind && s.kolom == maten[m].eind);
        }
        const bool laatsteMaat = m + 1 == maten.size();
        int keer = 2;
        if (b.keer > 1) {
            const bool ergensEind = std::any_of(strepen.begin(), strepen.end(), [](const Maatstreep& s) {
                return s.herhaalEind;
            });
            if (!ergensEind) {
                herhaalBegin = herhaalBegin || m == 0;
                herhaalEind = herhaalEind || laatsteMaat;
            }
            // The count belongs to the staff's last repeat.
            if (herhaalEind && std::none_of(strepen.begin(), strepen.end(), [&](const Maatstreep& s) {
                    return s.herhaalEind && s.kolom > maten[m].eind;
                }))
                keer = b.keer;
        }
        int k = r.begin - b.klanken.begin;
        const int kEind = k + r.aantal;
        // A staff without bar lines, or a bar that the letters made longer,
        // fills several measures.
        for (int van = 0; van < lengte; van += maatTikken) {
            const int tot = std::min(lengte, van + maatTikken);
            ++m_maatnummer;
            uit += "<measure number=\"";
            Getal(uit, m_maatnummer);
            uit += "\">";
            const bool nieuweSoort = !(soort == m_soort);
            const bool nieuweStemming = stemming != m_stemming;
            if (nieuweSoort || nieuweStemming) {
                uit += "<attributes>";
                if (m_maatnummer == 1)
                    uit += "<divisions>" + std::to_string(kTikkenPerKwart) + "</divisions><key><fifths>0</fifths></key>";
                if (nieuweSoort)
                    uit += "<time><beats>" + std::to_string(soort.teller) + "</beats><beat-type>" +
                           std::to_string(soort.noemer) + "</beat-type></time>";
                if (nieuweStemming) {
                    uit += "<clef><sign>TAB</sign><line>5</line></clef><staff-details><staff-lines>" +
                           std::to_string(stemming.size()) + "</staff-lines>";
                    for (std::size_t s = 0; s < stemming.size(); ++s) {
                        if (stemming[s] < 0)
                            continue;
                        uit += "<staff-tuning line=\"" + std::to_string(s + 1) + "\">";
                        Toonhoogte(uit, stemming[s], "tuning-");
                        uit += "</staff-tuning>";
                    }
                    uit += "</staff-details>";
                }
                uit += "</attributes>";
                m_soort = soort;
                m_stemming = stemming;
            }
            if (van == 0 && herhaalBegin)
                uit += "<barline location=\"left\"><bar-style>heavy-light</bar-style><repeat direction=\"forward\"/></barline>";

            int plaats = van;
            while (k < kEind) {
                const int begin = m_tijden.klankBegin[static_cast<std::size_t>(b.klanken.begin + k)];
                if (begin >= tot)
                    break;
                const Klank& klank = klanken[static_cast<std::size_t>(k)];
                if (m_opgevouwen[static_cast<std::size_t>(k)] && plaats > van) {
                    ++k;
                    continue;
                }
                // Chord names standing at or before this column.
                while (akkoord < akkoorden.size() && akkoorden[akkoord].kolom <= klank.kolom)
                    Harmonie(uit, akkoorden[akkoord++]);
                if (begin > plaats)
                    Rusten(uit, begin - plaats);
                int duur = m_tijden.klankLengte[static_cast<std::size_t>(b.klanken.begin + k)];
                int volgende = k + 1;
                while (volgende < kEind && m_opgevouwen[static_cast<std::size_t>(volgende)]) {
                    duur += m_tijden.klankLengte[static_cast<std::size_t>(b.klanken.begin + volgende)];
                    ++volgende;
                }
                duur = std::min(duur, tot - begin);
                Akkoord(b, k, duur, uit);
                plaats = begin + duur;
                k = volgende;
            }
            // Chord names over the rest of the bar.
            if (tot == lengte)
                while (akkoord < akkoorden.size() && akkoorden[akkoord].kolom < maten[m].eind)
                    Harmonie(uit, akkoorden[akkoord++]);
            if (tot > plaats)
                Rusten(uit, tot - plaats);
            if (tot == lengte && herhaalEind) {
                uit += "<barline location=\"right\"><bar-style>light-heavy</bar-style><repeat direction=\"backward\"";
                if (keer != 2)
                    uit += " times=\"" + std::to_string(keer) + "\"";
                uit += "/></barline>";
            }
            uit += "</measure>\n";
        }
    }
}

void Schrijver::Akkoord(const Muziekbalk& b, int k, int duur, std::string& uit)
{
    const auto noten = m_stuk.Noten(b);
    const auto snaren = m_stuk.Snaren(b);
    const Klank& klank = m_stuk.Klanken(b)[static_cast<std::size_t>(k)];
    const Waarde* w = Past(duur);
    bool eerste = true;
    for (int i = klank.eersteNoot; i < klank.eersteNoot + klank.aantalNoten; ++i) {
        const Noot& n = noten[static_cast<std::size_t>(i)];
        const int open = snaren[static_cast<std::size_t>(n.snaar)].open;
        int toon = n.aanslag == Aanslag::Gedempt ? (open >= 0 ? open + b.capo : -1)
                   : n.aanslag == Aanslag::Flageolet && open >= 0 ? open + b.capo + n.fret
                                                                    : n.toonhoogte;
        if (toon < 0 || !w)
            continue;
        Notitie t(uit);
        t << "<note>";
        if (!eerste)
            t << "<chord/>";
        eerste = false;
        if (toon < 128)
            t << ToonhoogteTekstVan(toon);
        else {
            t.Spoel();
            Toonhoogte(uit, toon);
        }
        t << "<duration>" << w->tikken << "</duration><voice>1</voice>" << WaardetekstVan(*w);
        if (n.aanslag == Aanslag::Gedempt)
            t << "<notehead>x</notehead>";
        else if (n.aanslag == Aanslag::Spook)
            t << "<notehead parentheses=\"yes\">normal</notehead>";
        t << "<notations>";
        const int volgende = m_volgende[static_cast<std::size_t>(i)];
        const Noot* nn = volgende >= 0 ? &noten[static_cast<std::size_t>(volgende)] : nullptr;
        const bool naarVerbonden = nn && n.naar != Techniek::Geen && nn->via == n.naar;
        const bool slideIn = n.via == Techniek::Glij || n.via == Techniek::GlijOp || n.via == Techniek::GlijAf;
        const bool slideUit = n.naar == Techniek::Glij || n.naar == Techniek::GlijOp || n.naar == Techniek::GlijAf;
        // The partner before: was its sign written after it too?
        bool vanVerbonden = false;
        for (int p = i - 1; n.via != Techniek::Geen && p >= 0; --p)
            if (noten[static_cast<std::size_t>(p)].snaar == n.snaar) {
                vanVerbonden = m_volgende[static_cast<std::size_t>(p)] == i && noten[static_cast<std::size_t>(p)].naar == n.via &&
                               n.via != Techniek::Geen;
                break;
            }
        // Slides are notations of their own, before the technical ones.
        if (vanVerbonden && slideIn)
            t << "<slide type=\"stop\" line-type=\"solid\"/>";
        if (naarVerbonden && slideUit)
            t << "<slide type=\"start\" line-type=\"solid\"/>";
        t << "<technical><string>" << n.snaar + 1 << "</string><fret>" << std::max<int>(n.fret, 0) << "</fret>";
        if (vanVerbonden && n.via == Techniek::Hamer)
            t << "<hammer-on type=\"stop\"/>";
        if (vanVerbonden && n.via == Techniek::Aftrek)
            t << "<pull-off type=\"stop\"/>";
        if (naarVerbonden && n.naar == Techniek::Hamer)
            t << "<hammer-on type=\"start\">H</hammer-on>";
        if (naarVerbonden && n.naar == Techniek::Aftrek)
            t << "<pull-off type=\"start\">P</pull-off>";
        if (n.via == Techniek::Tik)
            t << "<tap/>";
        if (n.aanslag == Aanslag::Flageolet)
            t << "<harmonic><natural/><touching-pitch/></harmonic>";
        else if (n.aanslag == Aanslag::KunstFlageolet)
            t << "<harmonic><artificial/><touching-pitch/></harmonic>";
        // A bend and its release, from the numbers written after the note.
        if (n.naar == Techniek::Buig) {
            int vorigeToon = n.toonhoogte;
            const Noot* huidig = &n;
            int j = i;
            while (huidig->naar == Techniek::Buig || huidig->naar == Techniek::Terug) {
                const int v = m_volgende[static_cast<std::size_t>(j)];
                if (v < 0 || noten[static_cast<std::size_t>(v)].via != huidig->naar)
                    break;
                const Noot& doel = noten[static_cast<std::size_t>(v)];
                if (doel.toonhoogte >= 0 && vorigeToon >= 0) {
                    t << "<bend><bend-alter>" << doel.toonhoogte - vorigeToon << "</bend-alter>";
                    if (huidig->naar == Techniek::Terug)
                        t << "<release/>";
                    t << "</bend>";
                }
                vorigeToon = doel.toonhoogte;
                huidig = &doel;
                j = v;
            }
            if (j == i)
                t << "<bend><bend-alter>2</bend-alter></bend>";
        }
        t << "</technical></notations>";
        if (n.palmMute)
            t << "<play><mute>palm</mute></play>";
        t << "</note>";
    }
    if (eerste)
        Rusten(uit, w ? w->tikken : duur);
    if (w && duur > w->tikken)
        Rusten(uit, duur - w->tikken);
}

} // namespace

std::string SchrijfMusicXml(const Muziekstuk& stuk, const Tijdlijn& tijden, std::string_view titel)
{
    std::string uit;
    // Tens of megabytes for a long document.
    RuimteInGrotePaginas(uit, stuk.noten.size() * 340 + 4096);
    uit += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
           "\"http://www.musicxml.org/dtds/partwise.dtd\">\n"
           "<score-partwise version=\"4.0\">\n";
    uit += "<work><work-title>" + Xml(titel) + "</work-title></work>\n";
    uit += "<identification><encoding><software>Korvane</software></encoding></identification>\n";
    uit += "<part-list>\n";
    for (std::size_t g = 0; g < tijden.groepen.size(); ++g) {
        const Speelgroep& groep = tijden.groepen[g];
        const std::string id = "P" + std::to_string(g + 1);
        const char* naam = groep.bas ? "Basgitaar" : "Gitaar";
        uit += "<score-part id=\"" + id + "\"><part-name>" + naam + "</part-name><score-instrument id=\"" + id +
               "-I1\"><instrument-name>" + naam + "</instrument-name></score-instrument><midi-instrument id=\"" + id +
               "-I1\"><midi-channel>" + std::to_string(g + 1 >= 10 ? g + 2 : g + 1) + "</midi-channel><midi-program>" +
               std::to_string(groep.programma + 1) + "</midi-program></midi-instrument></score-part>\n";
    }
    uit += "</part-list>\n";
    Schrijver schrijver(stuk, tijden);
    for (std::size_t g = 0; g < tijden.groepen.size(); ++g) {
        uit += "<part id=\"P" + std::to_string(g + 1) + "\">\n";
        schrijver.Deel(tijden.groepen[g], uit);
        uit += "</part>\n";
    }
    uit += "</score-partwise>\n";
    return uit;
}

std::string TitelVan(std::span<const std::u32string_view> regels, const Muziekstuk& stuk, std::string_view terugval)
{
    const int tot = stuk.balken.empty() ? static_cast<int>(regels.size()) : stuk.balken[0].bron.eerste;
    const Muziekbalk* eerste = stuk.balken.empty() ? nullptr : &stuk.balken[0];
    for (int r = 0; r < tot && r < static_cast<int>(regels.size()); ++r) {
        std::u32string_view s = regels[static_cast<std::size_t>(r)];
        while (!s.empty() && (s.front() == U' ' || s.front() == U'\t'))
            s.remove_prefix(1);
        while (!s.empty() && (s.back() == U' ' || s.back() == U'\t'))
            s.remove_suffix(1);
        if (s.empty())
            continue;
        if (eerste && (r == eerste->akkoordregel || r == eerste->telregel || r == eerste->tijdregel))
            continue;
        if (LeesCapo(s) != -1 || LeesTempo(s) > 0 || LeesMaatsoort(s).teller > 0)
            continue;
        return Utf8(s);
    }
    return std::string(terugval);
}

std::string TitelVan(Regelbron& regels, const Muziekstuk& stuk, std::string_view terugval)
{
    const int tot = stuk.balken.empty() ? regels.Aantal() : stuk.balken[0].bron.eerste;
    regels.Bereid(0, tot);
    std::vector<std::u32string_view> boven;
    for (int r = 0; r < tot; ++r)
        boven.push_back(regels.Regel(r));
    return TitelVan(boven, stuk, terugval);
}

} // namespace korvane
