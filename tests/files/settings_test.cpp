// The settings files on real files in a temporary directory: "Opties.txt"
// and "kvn.cfg" as read at start-up, and the choice of the first document.
#include "bestanden.h"
#include "files/bytenamen.h"
#include "files/documentfiles.h"
#include "files/settings.h"
#include "files/startup.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::Schrijf;

// Every setting on one line, so a failing row shows them all: the paths and
// fonts, then the Booleans editorvet, printervet, volledigscherm, richtext,
// reservekopie, alleenfixed, paginanummers as 0/1, then opstartmodus.
std::string Beschrijf(const Instellingen& in)
{
    QString vlaggen;
    for (bool b : {in.editorvet, in.printervet, in.volledigscherm, in.richtext, in.reservekopie, in.alleenfixed,
                   in.paginanummers})
        vlaggen += b ? u'1' : u'0';
    return QStringList{in.tabmap, in.mediamap, in.editorfont, QString::number(in.editorgrootte), in.printerfont,
                       QString::number(in.printergrootte), vlaggen, in.opstartmodus}
        .join(u'|')
        .toStdString();
}

std::string Beschrijf(const Configuratie& c)
{
    return QStringLiteral("%1x%2 %3 %4 %5")
        .arg(c.vensterbreedte).arg(c.vensterhoogte).arg(c.paneelbreedte).arg(c.boomhoogte).arg(c.bestandsnaam)
        .toStdString();
}

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString map = tmp.path() + u'/';
    Instellingen in;
};

// --- Opties.txt ----------------------------------------------------------------

const QStringList volledig = {"/tabs",      "/media",   "Lucida Console", "12",  "Bold",  "Arial",         "10",
                              "Normal",     "Fullscreen", "Richtext",     "Backup", "All", "No Pagenumbers", "Lastfile"};

QStringList Met(int regel, const QString& tekst, int lengte = 14)
{
    QStringList r = volledig.mid(0, lengte);
    if (regel > 0)
        r[regel - 1] = tekst;
    return r;
}

// No lines: no file at all. `verwacht` is Beschrijf() after reading.
struct OptiesGeval { const char* naam; QStringList regels; OptiesStatus status; int afgebrokenBij; const char* verwacht; };
class OptiesTest : public SettingsTest, public ::testing::WithParamInterface<OptiesGeval> {};

TEST_P(OptiesTest, ReadLineByLineStoppingAtABadLineWithSizesStillUsable)
{
    const OptiesGeval& g = GetParam();
    if (!g.regels.isEmpty())
        Schrijf(map + "OPTIES.TXT", (g.regels.join("\r\n") + "\r\n").toLatin1());
    in.laatstebestand = "behouden";
    const OptiesResultaat r = LeesOpties(map, in);
    EXPECT_EQ(r.status, g.status);
    EXPECT_EQ(r.afgebrokenBij, g.afgebrokenBij);
    EXPECT_EQ(Beschrijf(in), g.verwacht);
    EXPECT_EQ(in.laatstebestand, "behouden");
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, OptiesTest,
    ::testing::Values(
        OptiesGeval{"ontbreekt", {}, OptiesStatus::Ontbreekt, 0, "||courier new|9|courier new|9|1100011|Wizard"},
        OptiesGeval{"volledig", volledig, OptiesStatus::Gelezen, 0, "/tabs|/media|Lucida Console|12|Arial|10|1011100|Lastfile"},
        OptiesGeval{"bold_in_kleine_letters", Met(5, "bold"), OptiesStatus::Gelezen, 0, "/tabs|/media|Lucida Console|12|Arial|10|0011100|Lastfile"},
        OptiesGeval{"dertien_regels", Met(0, "", 13), OptiesStatus::Gelezen, 0, "/tabs|/media|Lucida Console|12|Arial|10|1011100|"},
        OptiesGeval{"leidende_spaties", Met(4, "  11"), OptiesStatus::Gelezen, 0, "/tabs|/media|Lucida Console|11|Arial|10|1011100|Lastfile"},
        OptiesGeval{"eenheid_achter_grootte", Met(4, "9pt"), OptiesStatus::Afgebroken, 4, "/tabs|/media|Lucida Console|9||9|0000000|"},
        OptiesGeval{"grootte_nul", Met(4, "0"), OptiesStatus::Afgebroken, 4, "/tabs|/media|Lucida Console|9||9|0000000|"},
        OptiesGeval{"printergrootte_fout", Met(7, "x"), OptiesStatus::Afgebroken, 7, "/tabs|/media|Lucida Console|12|Arial|9|1000000|"},
        OptiesGeval{"nul_in_tabmap", Met(1, QStringLiteral("/ta\u0000bs")), OptiesStatus::Gelezen, 0, "|/media|Lucida Console|12|Arial|10|1011100|Lastfile"},
        OptiesGeval{"reuzengrootte", Met(4, "999999999"), OptiesStatus::Gelezen, 0, "/tabs|/media|Lucida Console|9|Arial|10|1011100|Lastfile"},
        OptiesGeval{"te_kort", Met(0, "", 2), OptiesStatus::Afgebroken, 4, "/tabs|/media||9||9|0000000|"}),
    [](const ::testing::TestParamInfo<OptiesGeval>& i) { return std::string(i.param.naam); });

// --- kvn.cfg -------------------------------------------------------------------

struct ConfigGeval { const char* naam; const char* bytes; ConfigStatus status; const char* verwacht; };   // no bytes: no file
class ConfigTest : public SettingsTest, public ::testing::WithParamInterface<ConfigGeval> {};

TEST_P(ConfigTest, ReadsGeometryOrFallsBackTo800By600)
{
    if (GetParam().bytes)
        Schrijf(map + "KVN.cfg", GetParam().bytes);
    Configuratie c;
    EXPECT_EQ(LeesConfiguratie(map, c), GetParam().status);
    EXPECT_EQ(Beschrijf(c), GetParam().verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, ConfigTest,
    ::testing::Values(
        ConfigGeval{"ontbreekt", nullptr, ConfigStatus::Ontbreekt, "1024x741 235 313 "},
        ConfigGeval{"volledig", "900\r\n700\r\n300\r\n200\r\n/tabs/lied.tab\r\n", ConfigStatus::Gelezen, "900x700 300 200 /tabs/lied.tab"},
        ConfigGeval{"naam_met_blanco_en_e_accent", "9\r\n7\r\n3\r\n2\r\n/mijn tabs/caf\xe9.tab\r\n", ConfigStatus::Gelezen, "9x7 3 2 /mijn tabs/caf\u00e9.tab"},
        ConfigGeval{"naam_in_utf8", "9\r\n7\r\n3\r\n2\r\n/t/\xe5\x90\x8d.tab\r\n", ConfigStatus::Gelezen, "9x7 3 2 /t/\u540d.tab"},
        ConfigGeval{"regel_2_geen_getal", "900\r\nhoog\r\n300\r\n200\r\n/x.tab\r\n", ConfigStatus::Fout, "800x600 235 313 "},
        ConfigGeval{"drie_regels", "900\r\n700\r\n300\r\n", ConfigStatus::Fout, "800x600 235 313 "},
        ConfigGeval{"negatief", "-5\r\n700\r\n300\r\n200\r\n", ConfigStatus::Fout, "800x600 235 313 "}),
    [](const ::testing::TestParamInfo<ConfigGeval>& i) { return std::string(i.param.naam); });

// A document name written at shut-down and read at the next start: the same
// name, or none at all when it cannot be stored on one line.
struct NaamGeval { const char* naam; QString bestandsnaam; QString terug; };
class ConfigNaamTest : public SettingsTest, public ::testing::WithParamInterface<NaamGeval> {};

TEST_P(ConfigNaamTest, TheDocumentNameComesBackWholeOrNotAtAll)
{
    Configuratie c;
    c.bestandsnaam = GetParam().bestandsnaam;
    ASSERT_TRUE(SchrijfConfiguratie(map, c));
    Configuratie terug;
    ASSERT_EQ(LeesConfiguratie(map, terug), ConfigStatus::Gelezen);
    EXPECT_EQ(terug.bestandsnaam, GetParam().terug);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, ConfigNaamTest,
    ::testing::Values(NaamGeval{"gewoon", "/tabs/lied.tab", "/tabs/lied.tab"},
                      NaamGeval{"e_accent", "/tabs/caf\u00e9.tab", "/tabs/caf\u00e9.tab"},
                      NaamGeval{"chinees", "/tabs/\u540d.tab", "/tabs/\u540d.tab"},
                      NaamGeval{"regeleinde", "/tabs/names/with\nbreak.tab", ""},
                      NaamGeval{"wagenterugloop", "/tabs/met\rcr.tab", ""}),
    [](const ::testing::TestParamInfo<NaamGeval>& i) { return std::string(i.param.naam); });

// File names as bytes: every name comes back byte for byte, and a valid
// UTF-8 name reads as Qt would read it.
class ByteNaamTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ByteNaamTest, EveryFileNameSurvivesAsText)
{
    const QByteArray bytes(GetParam());
    const QString naam = NaamUitBytes(bytes);
    EXPECT_EQ(BytesVanNaam(naam).toHex(' ').toStdString(), bytes.toHex(' ').toStdString());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString alsUtf8 = utf8.decode(bytes);
    EXPECT_EQ(QtKentNaam(naam), !utf8.hasError());
    if (!utf8.hasError())
        EXPECT_EQ(naam, alsUtf8);
}

INSTANTIATE_TEST_SUITE_P(Gevallen, ByteNaamTest,
                         ::testing::Values("/tabs/lied.tab", "/tabs/caf\xc3\xa9.tab", "/t/\xf0\x9f\x8e\xb8.tab",
                                           "bad\xffname.tab", "afgekapt\xc3", "\xc0\xaf overlang",
                                           "\xed\xa0\x80 surrogaat", "latin1 caf\xe9.tab"));

// --- Where the settings live -----------------------------------------------------

// A file name beside the executable ("" for none) and where the settings go.
struct MapGeval { const char* naam; const char* naastProgramma; bool naastProgrammaVerwacht; };
class ProgrammaMapTest : public SettingsTest, public ::testing::WithParamInterface<MapGeval> {};

TEST_P(ProgrammaMapTest, PerUserFolderUnlessAPortableCopyKeepsItsOptionsBesideTheProgram)
{
    const QString exe = tmp.filePath("bin"), gebruiker = tmp.filePath("config/Korvane");
    ASSERT_TRUE(QDir().mkpath(exe));
    if (*GetParam().naastProgramma)
        Schrijf(exe + u'/' + GetParam().naastProgramma, "\r\n");
    const QString gekozen = ProgrammaMap(exe, gebruiker);
    EXPECT_EQ(gekozen, (GetParam().naastProgrammaVerwacht ? exe : gebruiker) + u'/');
    EXPECT_TRUE(QFileInfo(gekozen).isDir());
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, ProgrammaMapTest,
    ::testing::Values(MapGeval{"schrijfbare_programmamap", "", false},
                      MapGeval{"alleen_kvn_cfg", "kvn.cfg", false},
                      MapGeval{"draagbaar", "Opties.txt", true},
                      MapGeval{"draagbaar_hoofdletters", "OPTIES.TXT", true}),
    [](const ::testing::TestParamInfo<MapGeval>& i) { return std::string(i.param.naam); });

TEST_F(SettingsTest, AnInstalledProgramKeepsItsSettingsInTheUsersConfigurationFolder)
{
    // This test program's own folder can be written and holds no "Opties.txt".
    const bool was = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray oud = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", tmp.path().toUtf8());
    const QString gekozen = ProgrammaMap();
    if (was)
        qputenv("XDG_CONFIG_HOME", oud);
    else
        qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(gekozen.startsWith(tmp.path() + u'/')) << gekozen.toStdString();
}

// --- The first document ----------------------------------------------------------

TEST_F(SettingsTest, FirstDocumentFromTheCommandLineTheLastFileOrNone)
{
    ASSERT_TRUE(QDir().mkpath(map + "Mijn tabs"));
    Schrijf(map + "Mijn tabs/lied.tab", "x");
    in.tabmap = "/tabs";
    // "name loaded? tree-moves? tree-folder", with the temporary folder as "~/".
    const auto kies = [&](const QStringList& parameters, const QString& modus, const char* laatste) {
        in.opstartmodus = modus;
        in.laatstebestand = map + laatste;
        const EersteDocument e = KiesEersteDocument(parameters, in);
        return QStringLiteral("%1 %2 %3 %4")
            .arg(e.bestandsnaam, QString::number(e.laden), QString::number(e.boomVerplaatsen), e.boomMap)
            .replace(map, "~/")
            .toStdString();
    };
    // Parameters joined with blanks rebuild a path that has blanks in it.
    EXPECT_EQ(kies({map + "Mijn", "tabs/lied.tab"}, opstartLaatste, "weg.tab"), "~/Mijn tabs/lied.tab 1 0 ");
    EXPECT_EQ(kies({map + "weg.tab"}, opstartLaatste, "Mijn tabs/lied.tab"), "~/weg.tab 0 0 ");
    EXPECT_EQ(kies({}, opstartLaatste, "Mijn tabs/lied.tab"), "~/Mijn tabs/lied.tab 1 1 ~/Mijn tabs");
    EXPECT_EQ(kies({}, opstartLaatste, "weg.tab"), "naamloos.tab 0 1 /tabs");
    for (const QString& modus : {opstartLeeg, opstartWizard, QString(), QStringLiteral("lastfile")})
        EXPECT_EQ(kies({}, modus, "Mijn tabs/lied.tab"), "naamloos.tab 0 1 /tabs") << modus.toStdString();
}

} // namespace
} // namespace korvane
