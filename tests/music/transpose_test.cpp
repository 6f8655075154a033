// Transposing, retuning and the capo on documents shaped like real tab files:
// the staffs stay aligned, every column sounds what it should (read back with
// the model), transposing back gives the text back, and undo is one step.
#include "music/editorbron.h"
#include "music/transpose.h"

#include "core/utf8.h"

#include "core/commandfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace korvane {
namespace {

using test::CommandFixture;
using test::Crlf;

// Per staff, per column, the sounding pitches, lowest first.
std::vector<std::vector<std::vector<int>>> Klanken(const MemoryEditor& ed)
{
    TabAnalyse a;
    analyze(ed, a);
    Stemming st;
    BerekenStemming(U"EADGBE", st);
    const Muziekstuk stuk = LeesMuziek(ed, a, st);
    std::vector<std::vector<std::vector<int>>> uit;
    for (const Muziekbalk& b : stuk.balken) {
        auto& balk = uit.emplace_back();
        const auto noten = stuk.Noten(b);
        for (const Klank& k : stuk.Klanken(b)) {
            auto& klank = balk.emplace_back();
            for (int i = k.eersteNoot; i < k.eersteNoot + k.aantalNoten; ++i)
                if (noten[i].toonhoogte >= 0)
                    klank.push_back(noten[i].toonhoogte);
            std::sort(klank.begin(), klank.end());
        }
    }
    return uit;
}

auto Verschoven(std::vector<std::vector<std::vector<int>>> k, int n)
{
    for (auto& balk : k)
        for (auto& klank : balk)
            for (int& p : klank)
                p += n;
    return k;
}

// Every staff: all lines equally long and bar lines in the same columns.
std::string Scheef(const MemoryEditor& ed)
{
    TabAnalyse a;
    analyze(ed, a);
    for (int k = 0; k < a.aantalbalken; ++k) {
        const TTabbalk& b = a.tabbalken[k];
        const std::u32string eerste = ed.GetLine(b.eerste);
        for (int r = b.eerste + 1; r <= b.laatste; ++r) {
            const std::u32string l = ed.GetLine(r);
            if (l.size() != eerste.size())
                return "regel " + std::to_string(r) + " is " + std::to_string(l.size()) + " lang, niet " +
                       std::to_string(eerste.size());
            for (std::size_t c = 0; c < l.size(); ++c)
                if ((l[c] == '|') != (eerste[c] == '|'))
                    return "maatstreep in kolom " + std::to_string(c) + " van regel " + std::to_string(r);
        }
    }
    return "";
}

struct Stuk {
    const char* naam;
    std::string tekst;
    std::vector<std::string> stemmingen; // other tunings for its instrument
    bool capoPast = false;               // no fret lower than 3
};

void PrintTo(const Stuk& s, std::ostream* os)
{
    *os << s.naam;
}

// Documents as they come in collections: titles, chord names with sharps or
// flats and slash chords, count lines, lyrics, labels of several styles,
// techniques, two-digit frets, a bass and a seven-string.
const Stuk stukken[] = {
    {"gitaar met akkoorden en technieken",
     "Lied van de weg - De Wandelaars\n"
     "Stemming: standaard\n"
     "\n"
     "    Am        F#m7/C#   G         C\n"
     "   |   .   .   |   .   .   |   .   .   |   .   .   \n"
     "e|--0-----------|----------------|--3--------------|--0--------------|\n"
     "B|--1-----5h7---|--2-----7b9-----|--0------10------|--1-----7/9------|\n"
     "G|--2-----------|--2-------------|--0--------------|--0--------------|\n"
     "D|--2-----------|--4-----9-------|--0--------------|--2-----11-------|\n"
     "A|--0-----------|--4-------------|--2--------------|--3--------------|\n"
     "E|--------------|--2-------------|--3--------------|-----------------|\n"
     "Over de heuvels gaat de weg\n"
     "\n"
     "Am        C/G       F#m7b5\n"
     "Am I wrong to walk this road\n"
     "\n"
     "    Dm7       E7sus4\n"
     "e|--1-----8~--|--0-----------|\n"
     "B|--1---------|--3-----(5)---|\n"
     "G|--2-----9p7-|--1-----------|\n"
     "D|--0---------|--2-----x-----|\n"
     "A|------------|--2-----------|\n"
     "E|------------|--0-----------|\n",
     {"DADGBE", "DGDGBD"}},
    {"mollen, dubbele labels en een dubbelpunt",
     "Capo 1\n"
     "  Bb          Eb/G        Ab\n"
     "Eb:---1---3---|---6-----8---|---10---|\n"
     "Bb:---3---3---|---8-----8---|---11---|\n"
     "Gb:---3---4---|---8-----9---|---12---|\n"
     "Db:---3---5---|---8-----10--|---12---|\n"
     "Ab:---1---5---|---6-----10--|---10---|\n"
     "Eb:-----------|-------------|--------|\n",
     {"DADGBE", "EADGBE"}},
    {"zonder labels, ruimte tussen de tekens",
     "Intro (x2)\n"
     "||-----0-----2-----|-----3-----5-----||\n"
     "||---1-----1-----1-|---0-----0-----0-||\n"
     "||-2---------------|-0---------------||\n"
     "||-----------------|-----------------||\n"
     "||-----------------|-----------------||\n"
     "||-----------------|-----------------||\n",
     {"DADGBE", "DGDGBD"}},
    {"bas met herhaling",
     "Bas:\n"
     "G|*----------------*|\n"
     "D|*-----7---9---10-*|\n"
     "A|--5-7---7---------|\n"
     "E|--------------8---|\n",
     {"DADG", "BEAD"}},
    {"zevensnarige met hoge frets",
     "e|--12---10--8---|\n"
     "B|--12---10--8---|\n"
     "G|--12---11--9---|\n"
     "D|--12---12--10--|\n"
     "A|--10---12--10--|\n"
     "E|--10---10--8---|\n"
     "B|--10---10--8---|\n",
     {"AEADGBE", "BEADGBE"},
     true},
};

class Heen : public testing::TestWithParam<Stuk> {};

// Up by N and down by N: aligned, every column N higher, then the same text
// again; undo takes the first step back at once.
TEST_P(Heen, TransponerenEnTerugGeeftDeTekstTerugEnElkeKlankSchuiftMee)
{
    const std::u32string origineel = Crlf(VanUtf8(GetParam().tekst));
    for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE("N = " + std::to_string(n));
        CommandFixture f;
        f.Load(VanUtf8(GetParam().tekst));
        const auto voor = Klanken(f.ed);
        ASSERT_FALSE(voor.empty());
        const Uitkomst op = Transponeer(f.ctx, Bereikkeuze::Document, n);
        ASSERT_TRUE(op.veranderd);
        EXPECT_TRUE(op.gebleven.empty()) << Meldtekst(op);
        EXPECT_EQ(Scheef(f.ed), "");
        EXPECT_EQ(Klanken(f.ed), Verschoven(voor, n)) << Utf8(f.ed.Text());

        const std::u32string omhoog = f.ed.Text();
        Herstel(f.ed, f.state.snapshot);
        EXPECT_EQ(f.ed.Text(), origineel);
        f.ed.SetText(omhoog);

        const Uitkomst neer = Transponeer(f.ctx, Bereikkeuze::Document, -n);
        EXPECT_TRUE(neer.gebleven.empty()) << Meldtekst(neer);
        EXPECT_EQ(f.ed.Text(), origineel) << "na +" << n << ":\n" << Utf8(omhoog);
    }
}

// Retuning and a capo keep every pitch; the staff stays aligned.
TEST_P(Heen, StemmingEnCapoHoudenElkeToonhoogte)
{
    struct Stap {
        std::string wat;
        std::function<Uitkomst(TabContext&)> doe;
        bool moetPassen;
    };
    std::vector<Stap> stappen = {
        {"capo 3", [](TabContext& c) { return ZetCapo(c, 3); }, GetParam().capoPast},
        {"geen capo", [](TabContext& c) { return ZetCapo(c, 0); }, true},
    };
    for (const std::string& t : GetParam().stemmingen)
        stappen.push_back({t, [t](TabContext& c) { return WijzigStemming(c, Bereikkeuze::Document, VanUtf8(t)); }, true});
    for (const Stap& s : stappen) {
        SCOPED_TRACE(s.wat);
        CommandFixture f;
        f.Load(VanUtf8(GetParam().tekst));
        const auto voor = Klanken(f.ed);
        const Uitkomst u = s.doe(f.ctx);
        EXPECT_EQ(Scheef(f.ed), "");
        if (!s.moetPassen && !u.gebleven.empty())
            continue; // open strings under a capo: told, not checked
        EXPECT_TRUE(u.gebleven.empty()) << Meldtekst(u);
        EXPECT_EQ(Klanken(f.ed), voor) << Utf8(f.ed.Text());
        Herstel(f.ed, f.state.snapshot);
        EXPECT_EQ(f.ed.Text(), Crlf(VanUtf8(GetParam().tekst)));
    }
}

INSTANTIATE_TEST_SUITE_P(Stukken, Heen, testing::ValuesIn(stukken));

struct Rij {
    const char* naam;
    std::string voor;
    std::function<Uitkomst(TabContext&)> doe;
    std::string na;
    int gebleven = 0;
};

void PrintTo(const Rij& r, std::ostream* os)
{
    *os << r.naam;
}

class Precies : public testing::TestWithParam<Rij> {};

TEST_P(Precies, GeeftDezeTekst)
{
    CommandFixture f;
    f.Load(VanUtf8(GetParam().voor));
    f.Caret(0, 0);
    const Uitkomst u = GetParam().doe(f.ctx);
    EXPECT_EQ(f.ed.Text(), Crlf(VanUtf8(GetParam().na)));
    EXPECT_EQ(static_cast<int>(u.gebleven.size()), GetParam().gebleven) << Meldtekst(u);
    // Each finding points at its note in the text as it is now.
    for (const Gebleven& g : u.gebleven)
        if (g.regel >= 0 && g.kolom > 0)
            EXPECT_TRUE(
                std::isdigit(static_cast<unsigned char>(f.ed.GetLine(g.regel).at(static_cast<std::size_t>(g.kolom)))))
                << g.regel << ":" << g.kolom << " " << g.bericht;
    Herstel(f.ed, f.state.snapshot);
    EXPECT_EQ(f.ed.Text(), Crlf(VanUtf8(GetParam().voor)));
}

Uitkomst Op(TabContext& c, int n)
{
    return Transponeer(c, Bereikkeuze::Document, n);
}

const Rij rijen[] = {
    {"een cijfer erbij verbreedt de kolom op elke regel en de tellijn",
     "  |   .   |   \n"
     "e|--9--|--5--|\n"
     "B|-----|-----|\n"
     "G|-----|-----|\n",
     [](TabContext& c) { return Op(c, 1); },
     "  |    .   |   \n"
     "e|--10--|--6--|\n"
     "B|------|-----|\n"
     "G|------|-----|\n"},
    {"een cijfer minder versmalt alleen waar elke regel vulsel heeft",
     "e|--10--|--10--|\n"
     "B|--5h7-|------|\n"
     "G|------|------|\n",
     [](TabContext& c) { return Op(c, -1); },
     "e|--9---|--9--|\n"
     "B|--4h6-|-----|\n"
     "G|------|-----|\n"},
    {"een noot die niet meer past gaat naar de dichtste vrije snaar",
     "e|--------|\n"
     "B|--23----|\n"
     "G|--------|\n",
     [](TabContext& c) { return Op(c, 2); },
     "e|--20----|\n"
     "B|--------|\n"
     "G|--------|\n"},
    {"een noot zonder vrije plaats blijft staan en wordt gemeld",
     "e|--22----|\n"
     "B|--23----|\n"
     "G|--------|\n",
     [](TabContext& c) { return Op(c, 3); },
     "e|--22----|\n"
     "B|--23----|\n"
     "G|--------|\n",
     2},
    {"een flageolet blijft staan en wordt gemeld",
     "e|--<12>--5--|\n"
     "B|--------5--|\n",
     [](TabContext& c) { return Op(c, 2); },
     "e|--<12>--7--|\n"
     "B|--------7--|\n",
     1},
    {"onder de nul naar een lagere snaar",
     "B|--0-----|\n"
     "G|--------|\n"
     "D|--------|\n",
     [](TabContext& c) { return Op(c, -1); },
     "B|--------|\n"
     "G|--3-----|\n"
     "D|--------|\n"},
    {"akkoorden houden hun kolom en hun kruis of mol",
     "Am    F#m7/C#  Bb\n"
     "e|--0-----2------1--|\n"
     "B|--1-----2------3--|\n",
     [](TabContext& c) { return Op(c, 2); },
     "Bm    G#m7/D#  C\n"
     "e|--2-----4------3--|\n"
     "B|--3-----4------5--|\n"},
    {"akkoorden boven de tekst gaan mee met het hele document, de tekst niet",
     "Am      C/G   F\n"
     "Am I wrong to walk this road\n"
     "e|--0--|\n"
     "B|--1--|\n",
     [](TabContext& c) { return Op(c, 2); },
     "Bm      D/A   G\n"
     "Am I wrong to walk this road\n"
     "e|--2--|\n"
     "B|--3--|\n"},
    {"alleen akkoorden en tekst, zonder tabbalk",
     "  Db    Ab\n"
     "Zing een lied\n",
     [](TabContext& c) { return Op(c, -1); },
     "  C     G\n"
     "Zing een lied\n"},
    {"alleen de tabbalk onder de caret",
     "e|--1--|\n"
     "B|--1--|\n"
     "\n"
     "e|--1--|\n"
     "B|--1--|\n",
     [](TabContext& c) { return Transponeer(c, Bereikkeuze::Tabbalk, 1); },
     "e|--2--|\n"
     "B|--2--|\n"
     "\n"
     "e|--1--|\n"
     "B|--1--|\n"},
    {"een selectie van hele regels neemt de volgende tabbalk niet mee",
     "e|--1--|\n"
     "B|--1--|\n"
     "\n"
     "e|--1--|\n"
     "B|--1--|\n",
     [](TabContext& c) {
         c.editor.SetCaret(0);
         c.editor.SetSelectionLength(c.editor.LineStart(3));
         return Transponeer(c, Bereikkeuze::Selectie, -1);
     },
     "e|--0--|\n"
     "B|--0--|\n"
     "\n"
     "e|--1--|\n"
     "B|--1--|\n"},
    {"buiten een tabbalk verandert niets",
     "titel\n"
     "e|--1--|\n"
     "B|--1--|\n",
     [](TabContext& c) { return Transponeer(c, Bereikkeuze::Tabbalk, 1); },
     "titel\n"
     "e|--1--|\n"
     "B|--1--|\n"},
    {"andere stemming: de lage snaar twee frets hoger, label herschreven",
     "e|--0--3--|\n"
     "B|--0--3--|\n"
     "G|--0--3--|\n"
     "D|--0--3--|\n"
     "A|--0--3--|\n"
     "E|--0--9--|\n",
     [](TabContext& c) { return WijzigStemming(c, Bereikkeuze::Document, U"DADGBE"); },
     "e|--0--3---|\n"
     "B|--0--3---|\n"
     "G|--0--3---|\n"
     "D|--0--3---|\n"
     "A|--0--3---|\n"
     "D|--2--11--|\n"},
    {"een label met een kruis verbreedt de labelkolom",
     "e|--5--|\n"
     "B|--5--|\n"
     "G|--5--|\n"
     "D|--5--|\n"
     "A|--5--|\n"
     "E|--5--|\n",
     [](TabContext& c) { return WijzigStemming(c, Bereikkeuze::Document, U"EADF#BE"); },
     "e |--5--|\n"
     "B |--5--|\n"
     "F#|--6--|\n"
     "D |--5--|\n"
     "A |--5--|\n"
     "E |--5--|\n"},
    {"capo zetten schrijft de capo-regel en verlaagt de frets",
     "e|--5--|\n"
     "B|--7--|\n",
     [](TabContext& c) { return ZetCapo(c, 2); },
     "Capo: 2\n"
     "e|--3--|\n"
     "B|--5--|\n"},
    {"capo zetten meldt een open snaar op de regel waar die nu staat",
     "e|--0--|\n"
     "B|--7--|\n",
     [](TabContext& c) { return ZetCapo(c, 2); },
     "Capo: 2\n"
     "e|--0--|\n"
     "B|--5--|\n",
     1},
    {"capo weghalen werkt de capo-regel bij",
     "Capo 3 (origineel)\n"
     "e|--0--|\n"
     "B|--9--|\n",
     [](TabContext& c) { return ZetCapo(c, 0); },
     "Capo 0 (origineel)\n"
     "e|--3---|\n"
     "B|--12--|\n"},
};

INSTANTIATE_TEST_SUITE_P(Rijen, Precies, testing::ValuesIn(rijen));

struct AkkoordRij {
    const char* voor;
    int halvetonen;
    bool mollen;
    const char* na;
};

class Akkoord : public testing::TestWithParam<AkkoordRij> {};

TEST_P(Akkoord, HoudtSoortEnSpelling)
{
    const std::u32string woord(GetParam().voor, GetParam().voor + std::strlen(GetParam().voor));
    const auto a = LeesAkkoord(woord);
    ASSERT_TRUE(a);
    const std::u32string na = TransponeerAkkoord(*a, GetParam().halvetonen, GetParam().mollen);
    EXPECT_EQ(std::string(na.begin(), na.end()), GetParam().na);
}

INSTANTIATE_TEST_SUITE_P(Namen, Akkoord,
                         testing::Values(AkkoordRij{"Am", 2, false, "Bm"}, AkkoordRij{"F#m7/C#", 2, false, "G#m7/D#"},
                                         AkkoordRij{"Bb", 1, false, "B"}, AkkoordRij{"Eb", 2, false, "F"},
                                         AkkoordRij{"Ebmaj7", 1, false, "Emaj7"}, AkkoordRij{"Db", -1, true, "C"},
                                         AkkoordRij{"C", 1, false, "C#"}, AkkoordRij{"C", 1, true, "Db"},
                                         AkkoordRij{"Bbm", -3, false, "Gm"}, AkkoordRij{"G/B", -12, false, "G/B"},
                                         AkkoordRij{"Gsus4", 5, false, "Csus4"}));

} // namespace
} // namespace korvane
