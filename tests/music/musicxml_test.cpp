// MusicXML written for small staffs: valid against the MusicXML 4.0 schema
// (the copy beside this file, read offline), with the notes, strings, frets,
// techniques, measures, repeats and chord names of the text, and read by
// MuseScore 3 into the same notes.
#include "core/utf8.h"
#include "music/musicxml.h"

#include "core/memoryeditor.h"
#include "music/editorbron.h"
#include "common/gelezenstuk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace korvane {
namespace {

namespace fs = std::filesystem;

std::string Schrijf(const std::string& document)
{
    const test::GelezenStuk s(document);
    return SchrijfMusicXml(s.stuk, s.tijden, TitelVan(s.regels.Regels(), s.stuk, "bestand"));
}

class TijdelijkeMap {
public:
    TijdelijkeMap()
    {
        std::string sjabloon = (fs::temp_directory_path() / "korvane-musicxml-XXXXXX").string();
        m_pad = ::mkdtemp(sjabloon.data()) ? sjabloon : "";
    }
    ~TijdelijkeMap()
    {
        std::error_code ec;
        if (!m_pad.empty())
            fs::remove_all(m_pad, ec);
    }
    fs::path Pad() const { return m_pad; }

private:
    std::string m_pad;
};

bool Heeft(const char* programma)
{
    return std::system((std::string("command -v ") + programma + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Lees(const fs::path& pad)
{
    std::ifstream in(pad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Each sounding note as "pitch string/fret"; sorted, as programs may order
// the notes of a chord differently.
std::vector<std::string> Noten(const std::string& xml)
{
    std::vector<std::string> uit;
    static const std::regex noot("<note[ >][\\s\\S]*?</note>");
    static const std::regex stap("<step>([A-G])</step>"), alter("<alter>(-?[0-9]+)</alter>"),
        octaaf("<octave>([0-9])</octave>"), snaar("<string>([0-9]+)</string>"), fret("<fret>([0-9]+)</fret>");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), noot); it != std::sregex_iterator(); ++it) {
        const std::string n = it->str();
        std::smatch m;
        if (!std::regex_search(n, m, stap))
            continue; // a rest
        std::string s = m[1];
        if (std::regex_search(n, m, alter) && m[1] != "0")
            s += m[1] == "1" ? "#" : "b";
        if (std::regex_search(n, m, octaaf))
            s += m[1];
        s += " ";
        s += std::regex_search(n, m, snaar) ? m[1].str() : "?";
        s += "/";
        s += std::regex_search(n, m, fret) ? m[1].str() : "?";
        uit.push_back(s);
    }
    std::sort(uit.begin(), uit.end());
    return uit;
}

std::string Samen(const std::vector<std::string>& v)
{
    std::string s;
    for (const std::string& x : v)
        s += (s.empty() ? "" : ", ") + x;
    return s;
}

int Telling(const std::string& xml, const std::string& wat)
{
    int n = 0;
    for (std::size_t p = xml.find(wat); p != std::string::npos; p = xml.find(wat, p + 1))
        ++n;
    return n;
}

std::string Staf(const std::string& e, const std::string& B = "", const std::string& G = "", const std::string& D = "",
                 const std::string& A = "", const std::string& E = "")
{
    std::string leeg = e.substr(1);
    for (char& c : leeg)
        if (c != '|' && c != ':')
            c = '-';
    auto regel = [&](const char* naam, const std::string& inhoud) {
        return std::string(naam) + (inhoud.empty() ? leeg : inhoud) + "\r\n";
    };
    return regel("e", e.substr(1)) + regel("B", B) + regel("G", G) + regel("D", D) + regel("A", A) + regel("E", E);
}

struct Rij {
    const char* naam;
    std::string document;
    std::string noten;                  // sorted "pitch string/fret"
    std::vector<std::string> bevat;     // pieces the file must hold
    // Whether every note stands where MuseScore 3 would put it itself, so
    // that strings and frets compare even with a MuseScore that places the
    // notes anew.
    bool eigenGreep = false;
};

class MusicXml : public testing::TestWithParam<Rij> {};

TEST_P(MusicXml, IsValidAndHoldsTheTab)
{
    const std::string xml = Schrijf(GetParam().document);
    EXPECT_EQ(Samen(Noten(xml)), GetParam().noten);
    for (const std::string& stuk : GetParam().bevat)
        EXPECT_NE(xml.find(stuk), std::string::npos) << stuk;

    if (!Heeft("xmllint"))
        GTEST_SKIP() << "xmllint (libxml2-utils) is niet geinstalleerd: schema niet gecontroleerd";
    TijdelijkeMap map;
    ASSERT_FALSE(map.Pad().empty());
    const fs::path bestand = map.Pad() / "stuk.musicxml";
    std::ofstream(bestand, std::ios::binary) << xml;
    const std::string schema = KORVANE_MUSICXML_SCHEMA;
    const std::string opdracht = "XML_CATALOG_FILES='" + schema + "/catalog.xml' xmllint --nonet --noout --schema '" +
                                 schema + "/musicxml.xsd' '" + bestand.string() + "' 2>'" +
                                 (map.Pad() / "fouten").string() + "'";
    EXPECT_EQ(std::system(opdracht.c_str()), 0) << Lees(map.Pad() / "fouten");
}

// `xml` as MuseScore 3 reads it and writes it out again, or "" with the
// reason in `fout`.
std::string DoorMuseScore(const std::string& xml, std::string& fout)
{
    TijdelijkeMap map;
    if (map.Pad().empty())
        return fout = "geen tijdelijke map", "";
    const fs::path in = map.Pad() / "in.musicxml", uit = map.Pad() / "uit.musicxml";
    std::ofstream(in, std::ios::binary) << xml;
    fs::create_directories(map.Pad() / "thuis");
    fs::create_directories(map.Pad() / "run");
    fs::permissions(map.Pad() / "run", fs::perms::owner_all);
    const std::string m = map.Pad().string();
    const std::string opdracht = "QT_QPA_PLATFORM=offscreen HOME='" + m + "/thuis' XDG_CONFIG_HOME='" + m +
                                 "/thuis' XDG_DATA_HOME='" + m + "/thuis' XDG_CACHE_HOME='" + m +
                                 "/thuis' XDG_RUNTIME_DIR='" + m + "/run' timeout 120 mscore3 -o '" + uit.string() +
                                 "' '" + in.string() + "' >'" + m + "/log' 2>&1";
    if (std::system(opdracht.c_str()) != 0)
        return fout = Lees(map.Pad() / "log"), "";
    return Lees(uit);
}

// Whether the installed MuseScore keeps the strings and frets a MusicXML
// file gives. The one in Debian 12 (3.2.3) does not: it places every note
// anew, at the lowest fret, even the notes of a file it wrote itself.
bool MuseScoreHoudtGrepen()
{
    static const bool houdt = [] {
        // A3 on the D string at the 7th fret; MuseScore itself would take
        // the G string.
        const std::string xml = Schrijf(Staf("e|-----------|", "", "", "|-7---------|"));
        std::string fout;
        const std::vector<std::string> terug = Noten(DoorMuseScore(xml, fout));
        return terug.size() == 1 && terug[0] == "A3 4/7";
    }();
    return houdt;
}

TEST_P(MusicXml, MuseScoreReadsTheSameNotes)
{
    if (!Heeft("mscore3"))
        GTEST_SKIP() << "mscore3 (musescore3) is niet geinstalleerd: geen controle met MuseScore";
    const std::string xml = Schrijf(GetParam().document);
    std::string fout;
    const std::string terugXml = DoorMuseScore(xml, fout);
    ASSERT_FALSE(terugXml.empty()) << fout;
    const std::vector<std::string> ons = Noten(xml), terug = Noten(terugXml);
    auto toonhoogtes = [](std::vector<std::string> v) {
        for (std::string& s : v)
            s.erase(s.find(' '));
        std::sort(v.begin(), v.end());
        return Samen(v);
    };
    EXPECT_EQ(toonhoogtes(terug), toonhoogtes(ons));
    if (GetParam().eigenGreep || MuseScoreHoudtGrepen())
        EXPECT_EQ(Samen(terug), Samen(ons));
    else
        GTEST_SKIP() << "deze MuseScore legt snaar en fret bij het inlezen zelf opnieuw vast: alleen de "
                        "toonhoogtes vergeleken";
}

INSTANTIATE_TEST_SUITE_P(
    Staffs, MusicXml,
    testing::Values(
        Rij{"TitleChordsRepeatsAndTimes",
            "Het Lied\r\n\r\n  C                 G\r\n" +
                Staf("e|-0---0---0---0---|:-3---------------:|  x3", "|-1---1---1---1---|:-0---------------:|",
                     "|-0---0---0---0---|:-0---------------:|"),
            "B3 2/0, C4 2/1, C4 2/1, C4 2/1, C4 2/1, E4 1/0, E4 1/0, E4 1/0, E4 1/0, G3 3/0, G3 3/0, G3 3/0, G3 3/0, "
            "G3 3/0, G4 1/3",
            {"<work-title>Het Lied</work-title>", "<root-step>C</root-step>", "<root-step>G</root-step>",
             "<repeat direction=\"forward\"/>", "<repeat direction=\"backward\" times=\"3\"/>",
             "<staff-lines>6</staff-lines>", "<sign>TAB</sign>",
             "<staff-tuning line=\"1\"><tuning-step>E</tuning-step><tuning-octave>2</tuning-octave></staff-tuning>"},
            true},
        Rij{"Techniques",
            Staf("e|-----------------|-----------------|", "|-----------------|-----------------|",
                 "|-5h7p5-----------|-7b9r7---<12>----|", "|-----------------|---------5/7-----|",
                 "|-----------------|-----------------|", "|-x---(3)---------|-----------------|"),
            "A3 4/7, C4 3/5, C4 3/5, D4 3/7, D4 3/7, E2 6/0, G2 6/3, G3 4/5, G4 3/12",
            {"<hammer-on type=\"start\">H</hammer-on>", "<hammer-on type=\"stop\"/>",
             "<pull-off type=\"start\">P</pull-off>", "<pull-off type=\"stop\"/>",
             "<slide type=\"start\" line-type=\"solid\"/>", "<slide type=\"stop\" line-type=\"solid\"/>",
             "<bend><bend-alter>2</bend-alter></bend><bend><bend-alter>-2</bend-alter><release/></bend>",
             "<harmonic><natural/><touching-pitch/></harmonic>", "<notehead>x</notehead>",
             "<notehead parentheses=\"yes\">normal</notehead>"}},
        Rij{"ThreeFourAndAStaffWithoutBarLines",
            "3/4\r\n" + Staf("e|-0---0---0---|") + "\r\n" + Staf("e-0-0-0-0-0-0-0-0-0-0-"),
            "E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0, E4 1/0",
            {"<beats>3</beats><beat-type>4</beat-type>", "<measure number=\"3\">"}, true},
        Rij{"GuitarAndBassAsTwoParts",
            Staf("e|-0---------------|") + "\r\nG|-----------------|\r\nD|-----------------|\r\nA|-----------------|\r\n"
                                           "E|-3---------------|\r\n",
            "E4 1/0, G1 4/3", {"<part id=\"P2\">", "<part-name>Basgitaar</part-name>", "<staff-lines>4</staff-lines>"},
            true}),
    [](const testing::TestParamInfo<Rij>& info) { return std::string(info.param.naam); });

TEST(MusicXmlTitel, FileNameWhenTheTextHasNone)
{
    const std::string xml = Schrijf("Capo 2\r\nTempo: 90\r\n\r\n" + Staf("e|-0-------|"));
    EXPECT_NE(xml.find("<work-title>bestand</work-title>"), std::string::npos);
    EXPECT_EQ(Telling(Schrijf("A & B <live>\r\n\r\n" + Staf("e|-0-------|")), "<work-title>A &amp; B &lt;live&gt;</work-title>"),
              1);
}

} // namespace
} // namespace korvane
