// The settings files: "Opties.txt", "kvn.cfg", "snaren.txt" and where they
// live.
#include "files/settings.h"

#include "core/cp1252.h"
#include "core/tuning.h"
#include "files/bytenamen.h"
#include "files/documentfiles.h"

#include <QCoreApplication>
#include "files/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace korvane {
namespace {

QByteArray Cp1252BytesOfVraagteken(const QString& tekst)
{
    return QByteArray::fromStdString(QStringToBytes(tekst));
}

std::optional<QByteArray> LeesBestand(const QString& pad)
{
    if (!QFileInfo(pad).isFile())
        return std::nullopt;
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// A decimal integer, optionally preceded by blanks; a size or a length must
// also be positive to be of any use.
std::optional<int> PositiefGetal(const QString& regel)
{
    qsizetype i = 0;
    while (i < regel.size() && regel[i] == u' ')
        ++i;
    const QString cijfers = regel.mid(i);
    if (cijfers.isEmpty() || cijfers.size() > 9)
        return std::nullopt;
    for (QChar c : cijfers)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int n = cijfers.toInt();
    if (n <= 0)
        return std::nullopt;
    return n;
}

// Font sizes beyond this are damage, not a choice.
constexpr int grootsteLettergrootte = 1000;
// Longer than any folder or font name.
constexpr qsizetype langsteNaam = 4096;

// A folder or font name as a person could have typed it.
bool BruikbareNaam(const QString& tekst)
{
    if (tekst.size() > langsteNaam)
        return false;
    for (QChar c : tekst)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

// The lines of a single-byte file: CR LF, LF or a lone CR ends a line.
QList<QByteArray> RuweRegels(const QByteArray& bytes)
{
    QList<QByteArray> regels;
    qsizetype begin = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        regels << bytes.mid(begin, i - begin);
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        begin = i + 1;
    }
    if (begin < n)
        regels << bytes.mid(begin);
    return regels;
}

QByteArray Regels(const QStringList& regels)
{
    QByteArray uit;
    for (const QString& r : regels) {
        uit += Cp1252BytesOfVraagteken(r);
        uit += "\r\n";
    }
    return uit;
}

} // namespace

Instellingen Instellingen::Leeg()
{
    Instellingen i;
    i.editorfont.clear();
    i.editorvet = false;
    i.printerfont.clear();
    i.printervet = false;
    i.alleenfixed = false;
    i.paginanummers = false;
    i.opstartmodus.clear();
    return i;
}

QString ProgrammaMap()
{
    return ProgrammaMap(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString ProgrammaMap(const QString& exeMap, const QString& gebruikersMap)
{
    // A writable program folder alone says nothing: an install into ~/.local
    // would fill ~/.local/bin with settings files.
    QString map;
    if (!exeMap.isEmpty() && BestaatInMap(exeMap, optiesNaam)) {
        map = exeMap;
    } else {
        map = gebruikersMap;
        QDir().mkpath(map);
    }
    return map.endsWith(u'/') ? map : map + u'/';
}

QString BestandInMap(const QString& map, const QString& naam)
{
    const QDir dir(map);
    if (QFileInfo::exists(dir.filePath(naam)))
        return dir.filePath(naam);
    const QStringList namen = dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System
                                            | QDir::NoDotAndDotDot);
    for (const QString& n : namen)
        if (n.compare(naam, Qt::CaseInsensitive) == 0)
            return dir.filePath(n);
    return dir.filePath(naam);
}

bool BestaatInMap(const QString& map, const QString& naam)
{
    return QFileInfo(BestandInMap(map, naam)).isFile();
}

QStringList LeesRegels(const QByteArray& bytes)
{
    QStringList regels;
    for (const QByteArray& r : RuweRegels(bytes))
        regels << BytesToQString(std::string_view(r.constData(), static_cast<std::size_t>(r.size())));
    return regels;
}

OptiesResultaat LeesOpties(const QString& programmamap, Instellingen& inst)
{
    const QString map = inst.programmamap;
    const QString laatste = inst.laatstebestand;
    OptiesResultaat resultaat;
    const QString pad = BestandInMap(programmamap, optiesNaam);
    if (!QFileInfo::exists(pad)) {
        inst = Instellingen{};
        inst.programmamap = map;
        inst.laatstebestand = laatste;
        return resultaat;
    }
    inst = Instellingen::Leeg();
    inst.programmamap = map;
    inst.laatstebestand = laatste;
    const std::optional<QByteArray> bytes = LeesBestand(pad);
    if (!bytes) {
        resultaat.status = OptiesStatus::Afgebroken;
        resultaat.afgebrokenBij = 1;
        return resultaat;
    }
    const QStringList regels = LeesRegels(*bytes);
    // Reading past the last line yields empty lines.
    auto regel = [&](int nr) { return nr <= regels.size() ? regels[nr - 1] : QString(); };
    auto naam = [&](int nr, const QString& standaard) {
        const QString r = regel(nr);
        if (BruikbareNaam(r))
            return r;
        ++resultaat.onbruikbaar;
        return standaard;
    };
    // False when the line stops the reading; a size no font has counts as
    // unusable and keeps the default.
    auto grootte = [&](int nr, int& doel) {
        const std::optional<int> g = PositiefGetal(regel(nr));
        if (!g) {
            resultaat.status = OptiesStatus::Afgebroken;
            resultaat.afgebrokenBij = nr;
            return false;
        }
        if (*g > grootsteLettergrootte)
            ++resultaat.onbruikbaar;
        else
            doel = *g;
        return true;
    };

    inst.tabmap = naam(1, QString());
    inst.mediamap = naam(2, QString());
    inst.editorfont = naam(3, standaardFont);
    if (!grootte(4, inst.editorgrootte))
        return resultaat;
    inst.editorvet = regel(5) == QStringLiteral("Bold");
    inst.printerfont = naam(6, standaardFont);
    if (!grootte(7, inst.printergrootte))
        return resultaat;
    inst.printervet = regel(8) == QStringLiteral("Bold");
    inst.volledigscherm = regel(9) == QStringLiteral("Fullscreen");
    inst.richtext = regel(10) == QStringLiteral("Richtext");
    inst.reservekopie = regel(11) == QStringLiteral("Backup");
    inst.alleenfixed = regel(12) == QStringLiteral("Fixed");
    inst.paginanummers = regel(13) == QStringLiteral("Pagenumbers");
    inst.opstartmodus = regel(14);
    resultaat.status = OptiesStatus::Gelezen;
    return resultaat;
}

QString OptiesOnbruikbaarTekst()
{
    return QCoreApplication::translate("Instellingen", "Opties.txt is deels onbruikbaar; daar gelden de standaardinstellingen.");
}

QByteArray OptiesBytes(const Instellingen& i)
{
    QStringList regels{
        i.tabmap,
        i.mediamap,
        i.editorfont,
        QString::number(i.editorgrootte),
        i.editorvet ? QStringLiteral("Bold") : QStringLiteral("Normal"),
        i.printerfont,
        QString::number(i.printergrootte),
        i.printervet ? QStringLiteral("Bold") : QStringLiteral("Normal"),
        i.volledigscherm ? QStringLiteral("Fullscreen") : QStringLiteral("DirTree"),
        i.richtext ? QStringLiteral("Richtext") : QStringLiteral("Plaintext"),
        i.reservekopie ? QStringLiteral("Backup") : QStringLiteral("No Backup"),
        i.alleenfixed ? QStringLiteral("Fixed") : QStringLiteral("All"),
        i.paginanummers ? QStringLiteral("Pagenumbers") : QStringLiteral("No Pagenumbers"),
    };
    if (!i.opstartmodus.isEmpty())
        regels << i.opstartmodus;
    return Regels(regels);
}

QString SchrijfOpties(const QString& programmamap, const Instellingen& instellingen)
{
    return SchrijfBestand(BestandInMap(programmamap, optiesNaam), OptiesBytes(instellingen));
}

ConfigStatus LeesConfiguratie(const QString& programmamap, Configuratie& cfg)
{
    const QString pad = BestandInMap(programmamap, configNaam);
    cfg = Configuratie{};
    if (!QFileInfo::exists(pad))
        return ConfigStatus::Ontbreekt;
    const std::optional<QByteArray> bytes = LeesBestand(pad);
    const QList<QByteArray> ruweRegels = bytes ? RuweRegels(*bytes) : QList<QByteArray>{};
    const QStringList regels = LeesRegels(bytes.value_or(QByteArray()));
    std::optional<int> getallen[4];
    for (int k = 0; k < 4; ++k)
        getallen[k] = k < regels.size() ? PositiefGetal(regels[k]) : std::nullopt;
    if (!getallen[0] || !getallen[1] || !getallen[2] || !getallen[3]) {
        cfg.vensterbreedte = foutVensterbreedte;
        cfg.vensterhoogte = foutVensterhoogte;
        return ConfigStatus::Fout;
    }
    cfg.vensterbreedte = *getallen[0];
    cfg.vensterhoogte = *getallen[1];
    cfg.paneelbreedte = *getallen[2];
    cfg.boomhoogte = *getallen[3];
    if (ruweRegels.size() > 4) {
        // A name Windows-1252 could not hold was written as UTF-8.
        const QByteArray ruw = ruweRegels[4];
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString alsUtf8 = utf8.decode(ruw);
        bool hoog = false;
        for (char c : ruw)
            hoog = hoog || static_cast<unsigned char>(c) >= 0x80;
        cfg.bestandsnaam = hoog && !utf8.hasError() ? alsUtf8 : BytesToQString(std::string_view(ruw.constData(), static_cast<std::size_t>(ruw.size())));
        // Bytes that are no UTF-8 are either an older Windows-1252 name or a
        // name that is no text at all; the file that exists decides.
        if (hoog && utf8.hasError() && IsGewoonBestand(NaamUitBytes(ruw)))
            cfg.bestandsnaam = NaamUitBytes(ruw);
    }
    return ConfigStatus::Gelezen;
}

void BegrensConfiguratie(Configuratie& cfg, int breedte, int hoogte)
{
    cfg.vensterbreedte = std::clamp(cfg.vensterbreedte, 1, std::max(1, breedte));
    cfg.vensterhoogte = std::clamp(cfg.vensterhoogte, 1, std::max(1, hoogte));
    cfg.paneelbreedte = std::clamp(cfg.paneelbreedte, 1, cfg.vensterbreedte);
    cfg.boomhoogte = std::clamp(cfg.boomhoogte, 1, cfg.vensterhoogte);
}

QByteArray ConfiguratieBytes(const Configuratie& cfg)
{
    QByteArray uit;
    for (int n : {cfg.vensterbreedte, cfg.vensterhoogte, cfg.paneelbreedte, cfg.boomhoogte})
        uit += QByteArray::number(n) + "\r\n";
    // A name with a line break would come back cut in two, naming another
    // file that a save would then overwrite: such a name is not kept.
    const bool eenRegel = !cfg.bestandsnaam.contains(u'\r') && !cfg.bestandsnaam.contains(u'\n');
    const std::optional<std::string> naam = QStringToBytesExact(cfg.bestandsnaam);
    if (eenRegel)
        uit += naam ? QByteArray::fromStdString(*naam) : BytesVanNaam(cfg.bestandsnaam);
    uit += "\r\n";
    return uit;
}

bool SchrijfConfiguratie(const QString& programmamap, const Configuratie& cfg)
{
    return SchrijfBestand(BestandInMap(programmamap, configNaam), ConfiguratieBytes(cfg)).isEmpty();
}

QString ConfigFoutTekst(const QString& programmamap)
{
    return QCoreApplication::translate("Instellingen", "Fout bij het schrijven van %1")
        .arg(QDir::toNativeSeparators(programmamap) + QStringLiteral("Kvn.cfg"));
}

std::optional<std::vector<std::u32string>> LeesSnarenBestand(const QString& programmamap)
{
    const std::optional<QByteArray> bytes = LeesBestand(BestandInMap(programmamap, snarenNaam));
    if (!bytes)
        return std::nullopt;
    return LeesSnaren(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

QString SnarenPad(const QString& programmamap)
{
    return BestandInMap(programmamap, snarenNaam);
}

} // namespace korvane
