// The settings files on real files in a temporary directory: "Opties.txt",
// "kvn.cfg", "snaren.txt", and the start-up choice of the first document.
#include "files/documentfiles.h"
#include "files/settings.h"
#include "files/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvane {
namespace {

void Schrijf(const QString& pad, const QByteArray& bytes)
{
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<onleesbaar>");
}

QByteArray Opties(const QStringList& regels)
{
    QByteArray b;
    for (const QString& r : regels)
        b += r.toLatin1() + "\r\n";
    return b;
}

const QStringList volledig = {
    "/tabs", "/media", "Lucida Console", "12", "Normal", "Arial", "10", "Bold", "Fullscreen",
    "Richtext", "Backup", "All", "No Pagenumbers", "Lastfile"};

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString map = tmp.path() + u'/';
    Instellingen in;
};

TEST_F(SettingsTest, MissingOptionsFileGivesTheDefaults)
{
    in.laatstebestand = QStringLiteral("behouden");
    const OptiesResultaat r = LeesOpties(map, in);
    EXPECT_EQ(r.status, OptiesStatus::Ontbreekt);
    EXPECT_EQ(in.tabmap, QString());
    EXPECT_EQ(in.editorfont, QStringLiteral("courier new"));
    EXPECT_EQ(in.editorgrootte, 9);
    EXPECT_TRUE(in.editorvet);
    EXPECT_EQ(in.printerfont, QStringLiteral("courier new"));
    EXPECT_EQ(in.printergrootte, 9);
    EXPECT_TRUE(in.printervet);
    EXPECT_FALSE(in.volledigscherm);
    EXPECT_FALSE(in.richtext);
    EXPECT_FALSE(in.reservekopie);
    EXPECT_TRUE(in.alleenfixed);
    EXPECT_TRUE(in.paginanummers);
    EXPECT_EQ(in.opstartmodus, QStringLiteral("Wizard"));
    EXPECT_EQ(in.laatstebestand, QStringLiteral("behouden"));
}

TEST_F(SettingsTest, FullOptionsFileIsReadLineByLineAndFoundInAnyCase)
{
    Schrijf(map + QStringLiteral("OPTIES.TXT"), Opties(volledig));
    const OptiesResultaat r = LeesOpties(map, in);
    EXPECT_EQ(r.status, OptiesStatus::Gelezen);
    EXPECT_EQ(in.tabmap, QStringLiteral("/tabs"));
    EXPECT_EQ(in.mediamap, QStringLiteral("/media"));
    EXPECT_EQ(in.editorfont, QStringLiteral("Lucida Console"));
    EXPECT_EQ(in.editorgrootte, 12);
    EXPECT_FALSE(in.editorvet);
    EXPECT_EQ(in.printerfont, QStringLiteral("Arial"));
    EXPECT_EQ(in.printergrootte, 10);
    EXPECT_TRUE(in.printervet);
    EXPECT_TRUE(in.volledigscherm);
    EXPECT_TRUE(in.richtext);
    EXPECT_TRUE(in.reservekopie);
    EXPECT_FALSE(in.alleenfixed);
    EXPECT_FALSE(in.paginanummers);
    EXPECT_EQ(in.opstartmodus, QStringLiteral("Lastfile"));
}

TEST_F(SettingsTest, OptionsWrittenAreReadBackUnchanged)
{
    Instellingen uit;
    uit.tabmap = QStringLiteral("/mijn tabs/\u00e9t\u00e9");
    uit.editorgrootte = 14;
    uit.reservekopie = true;
    uit.opstartmodus = QStringLiteral("Empty");
    ASSERT_EQ(SchrijfOpties(map, uit), QString());
    EXPECT_EQ(Lees(map + QStringLiteral("Opties.txt")).count("\r\n"), 14);
    EXPECT_TRUE(Lees(map + QStringLiteral("Opties.txt")).startsWith("/mijn tabs/\xe9t\xe9\r\n"));
    LeesOpties(map, in);
    EXPECT_EQ(in.tabmap, uit.tabmap);
    EXPECT_EQ(in.editorgrootte, 14);
    EXPECT_TRUE(in.reservekopie);
    EXPECT_TRUE(in.editorvet);
    EXPECT_EQ(in.opstartmodus, QStringLiteral("Empty"));

    uit.opstartmodus.clear();
    ASSERT_EQ(SchrijfOpties(map, uit), QString());
    EXPECT_EQ(Lees(map + QStringLiteral("Opties.txt")).count("\r\n"), 13);
}

// Malformed options files: the rows say which line breaks the reading and
// what the settings look like afterwards.
struct Misvormd {
    const char* naam;
    QStringList regels;
    OptiesStatus status;
    int afgebrokenBij;
    int editorgrootte;
    bool editorvet;
    QString printerfont;
    int printergrootte;
    bool paginanummers;
    QString opstartmodus;
};

class MisvormdTest : public SettingsTest, public ::testing::WithParamInterface<Misvormd> {};

TEST_P(MisvormdTest, ReadingStopsAtTheBadLineAndSizesStayUsable)
{
    const Misvormd& m = GetParam();
    Schrijf(map + QStringLiteral("Opties.txt"), Opties(m.regels));
    const OptiesResultaat r = LeesOpties(map, in);
    EXPECT_EQ(r.status, m.status);
    EXPECT_EQ(r.afgebrokenBij, m.afgebrokenBij);
    EXPECT_EQ(in.editorgrootte, m.editorgrootte);
    EXPECT_EQ(in.editorvet, m.editorvet);
    EXPECT_EQ(in.printerfont, m.printerfont);
    EXPECT_EQ(in.printergrootte, m.printergrootte);
    EXPECT_EQ(in.paginanummers, m.paginanummers);
    EXPECT_EQ(in.opstartmodus, m.opstartmodus);
}

QStringList Met(int regel, const QString& tekst, int lengte = 14)
{
    QStringList r = volledig.mid(0, lengte);
    if (regel > 0)
        r[regel - 1] = tekst;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, MisvormdTest,
    ::testing::Values(
        Misvormd{"bold_in_kleine_letters", Met(5, "bold"), OptiesStatus::Gelezen, 0, 12, false, "Arial", 10, false, "Lastfile"},
        Misvormd{"dertien_regels", Met(0, "", 13), OptiesStatus::Gelezen, 0, 12, false, "Arial", 10, false, ""},
        Misvormd{"eenheid_achter_grootte", Met(4, "9pt"), OptiesStatus::Afgebroken, 4, 9, false, "", 9, false, ""},
        Misvormd{"lege_grootte", Met(4, ""), OptiesStatus::Afgebroken, 4, 9, false, "", 9, false, ""},
        Misvormd{"grootte_nul", Met(4, "0"), OptiesStatus::Afgebroken, 4, 9, false, "", 9, false, ""},
        Misvormd{"printergrootte_fout", Met(7, "x"), OptiesStatus::Afgebroken, 7, 12, false, "Arial", 9, false, ""},
        Misvormd{"te_kort", Met(0, "", 2), OptiesStatus::Afgebroken, 4, 9, false, "", 9, false, ""},
        Misvormd{"leidende_spaties", Met(4, "  11"), OptiesStatus::Gelezen, 0, 11, false, "Arial", 10, false, "Lastfile"}),
    [](const ::testing::TestParamInfo<Misvormd>& i) { return std::string(i.param.naam); });

// --- kvn.cfg ----------------------------------------------------------------

TEST_F(SettingsTest, MissingConfigurationKeepsTheDesignedWindow)
{
    Configuratie c;
    EXPECT_EQ(LeesConfiguratie(map, c), ConfigStatus::Ontbreekt);
    EXPECT_EQ(c.vensterbreedte, 1024);
    EXPECT_EQ(c.vensterhoogte, 741);
    EXPECT_EQ(c.paneelbreedte, 235);
    EXPECT_EQ(c.boomhoogte, 313);
    EXPECT_EQ(c.bestandsnaam, QString());
}

struct ConfigGeval {
    const char* naam;
    QByteArray bytes;
    ConfigStatus status;
    int breedte, hoogte, paneel, boom;
    QString bestand;
};
class ConfigTest : public SettingsTest, public ::testing::WithParamInterface<ConfigGeval> {};

TEST_P(ConfigTest, ReadsGeometryOrFallsBackTo800By600)
{
    const ConfigGeval& g = GetParam();
    Schrijf(map + QStringLiteral("KVN.cfg"), g.bytes);
    Configuratie c;
    EXPECT_EQ(LeesConfiguratie(map, c), g.status);
    EXPECT_EQ(c.vensterbreedte, g.breedte);
    EXPECT_EQ(c.vensterhoogte, g.hoogte);
    EXPECT_EQ(c.paneelbreedte, g.paneel);
    EXPECT_EQ(c.boomhoogte, g.boom);
    EXPECT_EQ(c.bestandsnaam, g.bestand);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, ConfigTest,
    ::testing::Values(
        ConfigGeval{"volledig", "900\r\n700\r\n300\r\n200\r\n/tabs/lied.tab\r\n", ConfigStatus::Gelezen, 900, 700, 300, 200, "/tabs/lied.tab"},
        ConfigGeval{"naam_met_blanco_en_e_accent", "900\r\n700\r\n300\r\n200\r\n/mijn tabs/caf\xe9.tab\r\n", ConfigStatus::Gelezen, 900, 700, 300, 200, QStringLiteral("/mijn tabs/caf\u00e9.tab")},
        ConfigGeval{"naam_in_utf8", "900\r\n700\r\n300\r\n200\r\n/t/\xe5\x90\x8d.tab\r\n", ConfigStatus::Gelezen, 900, 700, 300, 200, QStringLiteral("/t/\u540d.tab")},
        ConfigGeval{"geen_naamregel", "900\r\n700\r\n300\r\n200\r\n", ConfigStatus::Gelezen, 900, 700, 300, 200, ""},
        ConfigGeval{"regel_2_geen_getal", "900\r\nhoog\r\n300\r\n200\r\n/x.tab\r\n", ConfigStatus::Fout, 800, 600, 235, 313, ""},
        ConfigGeval{"drie_regels", "900\r\n700\r\n300\r\n", ConfigStatus::Fout, 800, 600, 235, 313, ""},
        ConfigGeval{"leeg", "", ConfigStatus::Fout, 800, 600, 235, 313, ""},
        ConfigGeval{"negatief", "-5\r\n700\r\n300\r\n200\r\n", ConfigStatus::Fout, 800, 600, 235, 313, ""}),
    [](const ::testing::TestParamInfo<ConfigGeval>& i) { return std::string(i.param.naam); });

TEST_F(SettingsTest, ConfigurationWrittenIsReadBack)
{
    for (const QString& naam : {QStringLiteral("/tabs/naamloos.tab"), QStringLiteral("/t/\u540d \u00e9.tab"), naamloos}) {
        Configuratie uit{1100, 650, 250, 280, naam};
        ASSERT_TRUE(SchrijfConfiguratie(map, uit));
        Configuratie in;
        ASSERT_EQ(LeesConfiguratie(map, in), ConfigStatus::Gelezen);
        EXPECT_EQ(in.vensterbreedte, 1100);
        EXPECT_EQ(in.boomhoogte, 280);
        EXPECT_EQ(in.bestandsnaam, naam);
    }
    EXPECT_EQ(Lees(map + QStringLiteral("kvn.cfg")), QByteArray("1100\r\n650\r\n250\r\n280\r\nnaamloos.tab\r\n"));
}

TEST_F(SettingsTest, UnwritableConfigurationIsReported)
{
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("kvn.cfg")));   // a folder in the way
    EXPECT_FALSE(SchrijfConfiguratie(map, Configuratie{}));
    EXPECT_EQ(ConfigFoutTekst(QStringLiteral("/opt/korvane/")), QStringLiteral("Fout bij het schrijven van /opt/korvane/Kvn.cfg"));
}

// --- snaren.txt --------------------------------------------------------------

TEST_F(SettingsTest, TuningFileIsOptionalAndFoundInAnyCase)
{
    EXPECT_FALSE(LeesSnarenBestand(map).has_value());
    Schrijf(map + QStringLiteral("Snaren.TXT"), "EADGBE\r\nDADGAD\nDropD");
    const auto lijst = LeesSnarenBestand(map);
    ASSERT_TRUE(lijst.has_value());
    EXPECT_EQ(*lijst, (std::vector<std::string>{"EADGBE", "DADGAD", "DropD"}));
    EXPECT_EQ(SnarenPad(map), map + QStringLiteral("Snaren.TXT"));
}

// --- The first document ---------------------------------------------------------

TEST_F(SettingsTest, CommandLineParametersAreJoinedWithBlanks)
{
    ASSERT_TRUE(QDir().mkpath(map + QStringLiteral("Mijn tabs")));
    const QString lied = map + QStringLiteral("Mijn tabs/lied.tab");
    Schrijf(lied, "x");
    const EersteDocument e = KiesEersteDocument({map + QStringLiteral("Mijn"), QStringLiteral("tabs/lied.tab")}, in);
    EXPECT_EQ(e.bestandsnaam, lied);
    EXPECT_TRUE(e.laden);
    EXPECT_FALSE(e.boomVerplaatsen);
}

TEST_F(SettingsTest, CommandLineFileThatDoesNotExistKeepsItsName)
{
    in.opstartmodus = opstartLaatste;
    in.laatstebestand = map + QStringLiteral("ander.tab");
    Schrijf(in.laatstebestand, "x");
    const EersteDocument e = KiesEersteDocument({map + QStringLiteral("weg.tab")}, in);
    EXPECT_EQ(e.bestandsnaam, map + QStringLiteral("weg.tab"));
    EXPECT_FALSE(e.laden);
}

TEST_F(SettingsTest, LastFileIsLoadedWhenItExists)
{
    in.opstartmodus = opstartLaatste;
    in.tabmap = QStringLiteral("/tabs");
    in.laatstebestand = map + QStringLiteral("lied.tab");
    Schrijf(in.laatstebestand, "x");
    EersteDocument e = KiesEersteDocument({}, in);
    EXPECT_EQ(e.bestandsnaam, in.laatstebestand);
    EXPECT_TRUE(e.laden);
    EXPECT_TRUE(e.boomVerplaatsen);
    EXPECT_EQ(e.boomMap, tmp.path());

    QFile::remove(in.laatstebestand);
    e = KiesEersteDocument({}, in);
    EXPECT_EQ(e.bestandsnaam, naamloos);
    EXPECT_FALSE(e.laden);
    EXPECT_EQ(e.boomMap, QStringLiteral("/tabs"));
}

TEST_F(SettingsTest, OtherStartModesGiveTheUntitledDocument)
{
    in.laatstebestand = map + QStringLiteral("lied.tab");
    Schrijf(in.laatstebestand, "x");
    for (const QString& modus : {opstartLeeg, opstartWizard, QString(), QStringLiteral("lastfile")}) {
        in.opstartmodus = modus;
        const EersteDocument e = KiesEersteDocument({}, in);
        EXPECT_EQ(e.bestandsnaam, naamloos) << modus.toStdString();
        EXPECT_FALSE(e.laden);
    }
}

} // namespace
} // namespace korvane
