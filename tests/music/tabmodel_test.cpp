// Staffs shaped like those in real tab files, read into strings, bars and
// notes. Each row is a small document and what the model must make of it.
#include "music/editorbron.h"

#include "core/cp1252.h"
#include "core/memoryeditor.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// The rows keep their documents as the Windows-1252 bytes files held.
std::u32string Tekst(std::string_view bytes)
{
    std::u32string uit;
    for (const char b : bytes)
        uit += Cp1252ToUnicode(static_cast<unsigned char>(b));
    return uit;
}

std::string Ascii(std::u32string_view s)
{
    std::string out;
    for (char32_t c : s)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

Muziekstuk Lees(const std::string& document, const std::string& huidigeStemming = "EADGBE")
{
    MemoryEditor editor(Tekst(document));
    TabAnalyse analyse;
    analyze(editor, analyse);
    Stemming stemming;
    BerekenStemming(Tekst(huidigeStemming), stemming);
    return LeesMuziek(editor, analyse, stemming);
}

// "e64 B59 ..." top line first; "?" for an unlabeled string, capo after "+".
std::string Snaren(const Muziekstuk& m, const Muziekbalk& b)
{
    std::string s;
    for (const Snaar& snaar : m.Snaren(b))
        s += (snaar.naam.empty() ? "?" : Ascii(snaar.naam)) + std::to_string(snaar.open) + " ";
    if (b.capo)
        s += "+" + std::to_string(b.capo);
    return s;
}

// Bar lines as their column, "d" double, "b"/"e" repeat begin/end; then the
// bars as begin-end; then "xN" when played N times.
std::string Maten(const Muziekstuk& stuk, const Muziekbalk& b)
{
    std::string s;
    for (const Maatstreep& m : stuk.Maatstrepen(b))
        s += std::to_string(m.kolom) + (m.breedte == 2 ? "d" : "") + (m.herhaalBegin ? "b" : "") +
             (m.herhaalEind ? "e" : "") + " ";
    s += "/";
    for (const Maat& m : stuk.Maten(b))
        s += " " + std::to_string(m.begin) + "-" + std::to_string(m.eind);
    if (b.keer != 1)
        s += " x" + std::to_string(b.keer);
    return s;
}

char TechniekTeken(Techniek t)
{
    return "-hpbr/\\st"[static_cast<int>(t)];
}

// Each note as kolom/snaar:fret@pitch, the fret framed as written ((5) <12>
// [7] x), the sign before it in front, then ~ vibrato, =N held to column N,
// "pm", and the bar it is in after "m". Notes of one column are joined by ",".
std::string Noten(const Muziekstuk& m, const Muziekbalk& b)
{
    const auto noten = m.Noten(b);
    std::string s;
    for (const Klank& k : m.Klanken(b)) {
        s += s.empty() ? "" : " ";
        for (int i = k.eersteNoot; i < k.eersteNoot + k.aantalNoten; ++i) {
            const Noot& n = noten[i];
            if (i > k.eersteNoot)
                s += ",";
            s += std::to_string(n.kolom) + "/" + std::to_string(n.snaar) + ":";
            if (n.via != Techniek::Geen)
                s += TechniekTeken(n.via);
            const std::string fret = n.fret < 0 ? "x" : std::to_string(n.fret);
            switch (n.aanslag) {
            case Aanslag::Spook: s += "(" + fret + ")"; break;
            case Aanslag::Flageolet: s += "<" + fret + ">"; break;
            case Aanslag::KunstFlageolet: s += "[" + fret + "]"; break;
            default: s += fret;
            }
            if (n.toonhoogte >= 0)
                s += "@" + std::to_string(n.toonhoogte);
            if (n.vibrato)
                s += "~";
            if (n.aangehoudenTot >= 0)
                s += "=" + std::to_string(n.aangehoudenTot);
            if (n.palmMute)
                s += "pm";
            s += "m" + std::to_string(n.maat);
        }
        if (k.noemer)
            s += "/" + std::to_string(k.noemer) + std::string(k.punten, '.');
    }
    return s;
}

// Chord names as kolom:root/soort(/bass), plus the count and timing lines.
std::string Omgeving(const Muziekstuk& m, const Muziekbalk& b)
{
    std::string s;
    for (const Akkoordnaam& a : m.Akkoorden(b))
        s += std::to_string(a.kolom) + ":" + std::to_string(a.grondtoon.toonklasse) + Ascii(a.soort) +
             (a.bas ? "/" + std::to_string(a.bas->toonklasse) : "") + " ";
    if (b.telregel >= 0)
        s += "tel" + std::to_string(b.telregel) + " ";
    if (b.tijdregel >= 0)
        s += "tijd" + std::to_string(b.tijdregel) + " ";
    for (const PalmMute& p : m.PalmMutes(b))
        s += "pm" + std::to_string(p.begin) + "-" + std::to_string(p.eind) + " ";
    return s;
}

std::string Bevindingen(const Muziekstuk& m)
{
    std::string s;
    for (const Bevinding& b : m.bevindingen)
        s += std::to_string(b.regel) + ":" + std::to_string(b.kolom) + " " + b.bericht + "\n";
    return s;
}

struct BalkRij {
    const char* naam;
    std::string document;
    std::string stemming; // the tuning box
    std::string snaren;
    std::string maten;
    std::string noten;
    std::string omgeving;
    std::string bevindingen;
};

// A failing row shows its name, not its bytes.
void PrintTo(const BalkRij& r, std::ostream* os)
{
    *os << r.naam;
}

class Balken : public ::testing::TestWithParam<BalkRij> {};

// Every row holds one staff; the summaries above say what it must become.
TEST_P(Balken, ReadAsWritten)
{
    const BalkRij& r = GetParam();
    const Muziekstuk m = Lees(r.document, r.stemming);
    EXPECT_EQ(Bevindingen(m), r.bevindingen);
    ASSERT_EQ(m.balken.size(), 1u);
    const Muziekbalk& b = m.balken[0];
    EXPECT_EQ(Snaren(m, b), r.snaren);
    EXPECT_EQ(Maten(m, b), r.maten);
    EXPECT_EQ(Noten(m, b), r.noten);
    EXPECT_EQ(Omgeving(m, b), r.omgeving);
}

const char* const kUit = "\r\n";

std::string Doc(std::initializer_list<const char*> regels)
{
    std::string s;
    for (const char* r : regels)
        s += std::string(r) + kUit;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Documenten, Balken,
    ::testing::Values(
        BalkRij{"LowerCaseTopWithChordsAndLyrics",
                Doc({"Titel - Artiest", "", "   C       G", "e|-0-------3---|", "B|-1-------0---|",
                     "G|-0-------0---|", "D|-2-------0---|", "A|-3-------2---|", "E|---------3---|",
                     "  Daar gaat ze"}),
                "EADGBE", "e64 B59 G55 D50 A45 E40 ", "1 15 / 2-15",
                "3/0:0@64m0,3/1:1@60m0,3/2:0@55m0,3/3:2@52m0,3/4:3@48m0 "
                "11/0:3@67m0,11/1:0@59m0,11/2:0@55m0,11/3:0@50m0,11/4:2@47m0,11/5:3@43m0",
                "3:0 11:7 ", ""},
        BalkRij{"CapitalTopDoubleBarsAndColons",
                Doc({"E:||--5--|--7--||", "B:||--5--|--8--||", "G:||--6--|--7--||", "D:||--7--|--9--||",
                     "A:||--7--|-----||", "E:||--5--|-----||"}),
                "EADGBE", "E64 B59 G55 D50 A45 E40 ", "2d 9 15d / 4-9 10-15",
                "6/0:5@69m0,6/1:5@64m0,6/2:6@61m0,6/3:7@57m0,6/4:7@52m0,6/5:5@45m0 "
                "12/0:7@71m1,12/1:8@67m1,12/2:7@62m1,12/3:9@59m1",
                "", ""},
        BalkRij{"DashLabelsAndSpacedLabels",
                Doc({"e --0--", "B --1--", "G --0--", "D --2--", "A --3--", "E -----"}), "EADGBE",
                "e64 B59 G55 D50 A45 E40 ", "/ 2-7", "4/0:0@64m0,4/1:1@60m0,4/2:0@55m0,4/3:2@52m0,4/4:3@48m0",
                "", ""},
        BalkRij{"SevenString",
                Doc({"e|-----|", "B|-----|", "G|-----|", "D|-----|", "A|-----|", "E|--0--|", "B|--2--|"}),
                "EADGBE", "e64 B59 G55 D50 A45 E40 B35 ", "1 7 / 2-7", "4/5:0@40m0,4/6:2@37m0", "", ""},
        BalkRij{"FourStringBass",
                Doc({"G|-----------|", "D|-----------|", "A|-----3--5--|", "E|--0--------|"}), "EADGBE",
                "G43 D38 A33 E28 ", "1 13 / 2-13", "4/3:0@28m0 7/2:3@36m0 10/2:5@38m0", "", ""},
        BalkRij{"FiveStringBass",
                Doc({"G|----|", "D|----|", "A|----|", "E|----|", "B|--0-|"}), "EADGBE", "G43 D38 A33 E28 B23 ",
                "1 6 / 2-6", "4/4:0@23m0", "", ""},
        BalkRij{"HalfStepDownWithFlats",
                Doc({"eb|--0--|", "Bb|--0--|", "Gb|--0--|", "Db|--0--|", "Ab|--0--|", "Eb|--0--|"}), "EADGBE",
                "eb63 Bb58 Gb54 Db49 Ab44 Eb39 ", "2 8 / 3-8",
                "5/0:0@63m0,5/1:0@58m0,5/2:0@54m0,5/3:0@49m0,5/4:0@44m0,5/5:0@39m0", "", ""},
        BalkRij{"DropDAllLowerCase",
                Doc({"e|----|", "b|----|", "g|----|", "d|----|", "a|----|", "d|--0-|"}), "EADGBE",
                "e64 b59 g55 d50 a45 d38 ", "1 6 / 2-6", "4/5:0@38m0", "", ""},
        BalkRij{"NoLabelsTakeTheTuningBoxAndCapo",
                Doc({"Capo: 2", "", "|--0--|", "|--2--|", "|--2--|", "|--0--|", "|-----|", "|-----|"}),
                "DADGAD", "?62 ?57 ?55 ?50 ?45 ?38 +2", "0 6 / 1-6",
                "3/0:0@64m0,3/1:2@61m0,3/2:2@59m0,3/3:0@52m0", "", ""},
        BalkRij{"UnlabeledBassWithAGuitarInTheTuningBox",
                Doc({"|-----|", "|--3--|", "|-----|", "|--0--|"}), "EADGBE", "?43 ?38 ?33 ?28 ", "0 6 / 1-6",
                "3/1:3@41m0,3/3:0@28m0", "",
                "0:0 Balk van 4 snaren zonder namen, maar de huidige stemming \u2018EADGBE\u2019 heeft er 6; "
                "de gewone stemming voor 4 snaren gebruikt\n"},
        BalkRij{"RepeatsWithStarsAndCountBeside",
                Doc({"e||*---0---*||", "B||----1----||", "G||*---0---*|| x3", "D||----2----||", "A||---------||",
                     "E||---------||"}),
                "EADGBE", "e64 B59 G55 D50 A45 E40 ", "1db 12de / 3-12 x3",
                "7/0:0@64m0,7/1:1@60m0,7/2:0@55m0,7/3:2@52m0", "", ""},
        BalkRij{"ColonRepeatsAndCountBelow",
                Doc({"e|:--0--:|", "B|:--1--:|", "G|:--0--:|", "D|:--2--:|", "A|:-----:|",
                     "E|:-----:|", "   (x4)"}),
                "EADGBE", "e64 B59 G55 D50 A45 E40 ", "1b 9e / 2-9 x4",
                "5/0:0@64m0,5/1:1@60m0,5/2:0@55m0,5/3:2@52m0", "", ""},
        BalkRij{"TechniquesAndMarks",
                Doc({"e|-5h7p5-7b9r7-/5-7\\5-5s7-7~~-t12p5-----------|",
                     "B|-(5)-<12>-<7>-[7]-x-3===-5------------------|",
                     "G|--------------------------------------------|"}),
                "EADGBE", "e64 B59 G55 ", "1 46 / 2-46",
                "3/0:5@69m0 4/1:(5)@64m0 5/0:h7@71m0 7/0:p5@69m0 8/1:<12>@71m0 9/0:7@71m0 11/0:b9@73m0 "
                "13/0:r7@71m0,13/1:<7>@78m0 16/0:/5@69m0 17/1:[7]@66m0 18/0:7@71m0 20/0:\\5@69m0,20/1:xm0 "
                "22/0:5@69m0,22/1:3@62=25m0 24/0:s7@71m0 26/0:7@71~m0 27/1:5@64m0 31/0:t12@76m0 34/0:p5@69m0",
                "", ""},
        BalkRij{"CountTimingAndPalmMute",
                Doc({"    C5", "   PM-  P.M.", "1  |  .  |", "    Q  E  E  H.", "e|--------------|",
                     "B|--------------|", "G|--------------|", "D|--5--5--5--5--|", "A|--3--3--3--3--|",
                     "E|--------------|"}),
                "EADGBE", "e64 B59 G55 D50 A45 E40 ", "1 16 / 2-16",
                "4/3:5@55pmm0,4/4:3@48pmm0/4 7/3:5@55m0,7/4:3@48m0/8 10/3:5@55pmm0,10/4:3@48pmm0/8 "
                "13/3:5@55m0,13/4:3@48m0/2.",
                "4:05 tel2 tijd3 pm3-6 pm8-12 ", ""},
        BalkRij{"HeldNotesWithCountLine",
                Doc({"1   |   .   |   .", "e|-0=======-------|", "B|-----1===-------|", "G|--------------0-|"}),
                "EADGBE", "e64 B59 G55 ", "1 18 / 2-18", "3/0:0@64=10m0 7/1:1@60=10m0 16/2:0@55m0", "tel0 ", ""},
        BalkRij{"PalmMuteLineTheAnalysisCountsAsAString",
                Doc({"PM----------|", "e|---0-0-0--|", "B|----------|", "G|----------|", "D|----------|",
                     "A|----------|", "E|----------|"}),
                "EADGBE", "e64 B59 G55 D50 A45 E40 ", "1 12 / 2-12", "5/0:0@64pmm0 7/0:0@64pmm0 9/0:0@64pmm0",
                "pm0-13 ", ""},
        BalkRij{"PartialLabelsAreIgnored",
                Doc({"e|--0--|", " |--1--|", " |--0--|", " |--2--|", " |--3--|", " |-----|"}), "EADGBE",
                "e64 ?59 ?55 ?50 ?45 ?40 ", "1 7 / 2-7", "4/0:0@64m0,4/1:1@60m0,4/2:0@55m0,4/3:2@52m0,4/4:3@48m0",
                "", "0:0 Niet alle snaren van de balk hebben een naam; de namen worden genegeerd\n"},
        BalkRij{"UnequalLabelWidthsAreReportedNotAligned",
                Doc({"D|--0--|", "A|--0--|", "F#|--0--|", "D|--0--|", "A|--0--|", "D|--0--|"}), "EADGBE",
                "D62 A57 F#54 D50 A45 D38 ", "/ 1-9", "4/0:0@62m0,4/1:0@57m0,4/3:0@50m0,4/4:0@45m0,4/5:0@38m0 5/2:0@54m0",
                "", "0:1 Snaarnamen zijn niet even breed: de kolommen van de snaren lopen niet gelijk\n"},
        BalkRij{"TwoStaffsWithoutABlankLineGetNoPitches",
                Doc({"e|----|", "B|----|", "G|----|", "D|----|", "A|----|", "E|-0--|", "e|----|", "B|----|", "G|----|",
                     "D|----|", "A|----|", "E|----|"}),
                "EADGBE", "e-1 B-1 G-1 D-1 A-1 E-1 e-1 B-1 G-1 D-1 A-1 E-1 ", "1 6 / 2-6", "3/5:0m0", "",
                "0:0 Balk van 12 snaren: toonhoogtes niet bepaald (twee balken zonder lege regel ertussen?)\n"},
        BalkRij{"WhatItCannotRead",
                Doc({"Capo: zie video", "e|--0--q--123----------|  ring", "B|--(5---|----ring-----|",
                     "G|--~------------------|", "D|---------------------|"}),
                "EADGBE", "e64 B59 G55 D50 ", "1 23 / 2-23", "4/0:0@64m0 5/1:5@64m0", "",
                "0:0 Capo-aanduiding \u2018Capo: zie video\u2019 niet begrepen\n"
                "1:7 Teken \u2018q\u2019 in de tablijn niet begrepen\n"
                "1:10 Getal \u2018123\u2019 is geen fret (meer dan twee cijfers)\n"
                "1:26 Tekst naast de balk niet begrepen: \u2018ring\u2019\n"
                "2:4 Teken \u2018(\u2019 zonder fret en sluitteken erachter niet begrepen\n"
                "2:9 Maatstreep staat niet op alle snaren\n"
                "2:14 Tekst \u2018ring\u2019 in de tablijn niet begrepen\n"
                "3:4 Teken \u2018~\u2019 zonder noot ervoor\n"}),
    [](const auto& info) { return std::string(info.param.naam); });

// A document as collections have them: a header with a capo, chords over
// lyrics (which are not the staff's), a bass staff with chord names over it,
// a Windows-1252 byte in a staff and lyrics, an unlabeled staff after a
// "no capo". Read through the editor a stretch at a time and from all lines
// at once, it must come out the same.
TEST(Document, StaffsAmongLyricsAndChordsReadTheSameByStretchOrWhole)
{
    const std::string document = Doc({
        "Lied - Iemand", "Capo 3", "", "C        G", "Zing maar mee", "e|--0--|--3--|", "B|--1--|--0--|",
        "G|--0--|--0--|", "D|--2--|--0--|", "A|--3--|--2--|", "E|-----|--3--|", "", "Capo: geen", "   Am   Dm   Riff",
        "G|-----|-----|", "D|--2\x96-|-----|", "A|--0--|--3--|", "E|-----|-----|", "  caf\xE9 la la", "",
        "|--0--|", "|--1--|", "|--0--|", "|--2--|", "|--3--|", "|-----|"});
    MemoryEditor editor(Tekst(document));
    TabAnalyse analyse;
    analyze(editor, analyse);
    Stemming stemming;
    BerekenStemming(U"EADGBE", stemming);
    const Muziekstuk perStuk = LeesMuziek(editor, analyse, stemming);
    const Tekstregels tekst(editor);
    const Muziekstuk ineens = LeesMuziek(tekst.Regels(), analyse, SnaarnamenVan(stemming));

    for (const Muziekstuk* m : {&perStuk, &ineens}) {
        ASSERT_EQ(m->balken.size(), 3u);
        std::vector<std::string> uit;
        for (const Muziekbalk& b : m->balken)
            uit.push_back(Snaren(*m, b) + "| " + Maten(*m, b) + " | " + Noten(*m, b) + " | " + Omgeving(*m, b));
        EXPECT_EQ(uit, (std::vector<std::string>{
                           "e64 B59 G55 D50 A45 E40 +3| 1 7 13 / 2-7 8-13 | 4/0:0@67m0,4/1:1@63m0,4/2:0@58m0,"
                           "4/3:2@55m0,4/4:3@51m0 10/0:3@70m1,10/1:0@62m1,10/2:0@58m1,10/3:0@53m1,10/4:2@50m1,"
                           "10/5:3@46m1 | ",
                           "G43 D38 A33 E28 | 1 7 13 / 2-7 8-13 | 4/1:2@40m0,4/2:0@33m0 10/2:3@36m1 | 3:9m 8:2m ",
                           "?64 ?59 ?55 ?50 ?45 ?40 | 0 6 / 1-6 | 3/0:0@64m0,3/1:1@60m0,3/2:0@55m0,3/3:2@52m0,"
                           "3/4:3@48m0 | "}));
        EXPECT_EQ(Bevindingen(*m), "13:13 Woord \u2018Riff\u2019 op de akkoordregel is geen akkoord\n"
                                   "15:5 Teken \u2018\u2013\u2019 in de tablijn niet begrepen\n");
    }
}

} // namespace
} // namespace korvane
