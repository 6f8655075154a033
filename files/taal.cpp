// Choosing and installing the language of the program's texts.
#include "files/taal.h"
#include "files/usersettings.h"

#include "core/vertaling.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace korvane {

namespace {

const QString kTaal = QStringLiteral("weergave/taal");

struct Geinstalleerd {
    QString code = QStringLiteral("nl");
    std::unique_ptr<QTranslator> eigen;
    std::unique_ptr<QTranslator> qt;
};

Geinstalleerd& geinstalleerd()
{
    static Geinstalleerd g;
    return g;
}

// Core's messages go through the same catalogue. Without an application
// object (the command-line tool in Dutch) the translator is asked directly.
std::string VertaalVoorCore(const char* context, const char* tekst)
{
    const Geinstalleerd& g = geinstalleerd();
    if (!g.eigen)
        return tekst;
    const QString vertaald = g.eigen->translate(context, tekst);
    return vertaald.isEmpty() ? std::string(tekst) : vertaald.toStdString();
}

} // namespace

Taalkeuze OpgeslagenTaalkeuze()
{
    // Read only: the command-line tool asks too, and must not create the
    // user's configuration folder by asking.
    const QString bestand = GebruikersInstellingenBestand();
    if (!QFileInfo::exists(bestand))
        return Taalkeuze::Systeem;
    const QString waarde = QSettings(bestand, QSettings::IniFormat).value(kTaal).toString();
    if (waarde == QLatin1String("nl"))
        return Taalkeuze::Nederlands;
    if (waarde == QLatin1String("en"))
        return Taalkeuze::Engels;
    return Taalkeuze::Systeem;
}

void ZetTaalkeuze(Taalkeuze keuze)
{
    auto instellingen = GebruikersInstellingen();
    if (keuze == Taalkeuze::Systeem)
        instellingen->remove(kTaal);
    else
        instellingen->setValue(kTaal, keuze == Taalkeuze::Engels ? QStringLiteral("en") : QStringLiteral("nl"));
}

QString TaalVanLocale(const QLocale& locale)
{
    const QLocale::Language taal = locale.language();
    if (taal == QLocale::Dutch || taal == QLocale::C)
        return QStringLiteral("nl");
    return QStringLiteral("en");
}

QString TaalVan(Taalkeuze keuze, const QLocale& systeem)
{
    switch (keuze) {
    case Taalkeuze::Nederlands: return QStringLiteral("nl");
    case Taalkeuze::Engels: return QStringLiteral("en");
    case Taalkeuze::Systeem: break;
    }
    return TaalVanLocale(systeem);
}

std::optional<QString> TaalOptie(int& argc, char** argv)
{
    const std::optional<std::string> code = NeemTaalOptie(argc, argv);
    if (!code)
        return std::nullopt;
    return QString::fromStdString(*code);
}

QString TaalVoorStart(const std::optional<QString>& optie)
{
    if (optie && !optie->isEmpty())
        return *optie;
    return TaalVan(OpgeslagenTaalkeuze());
}

void InstalleerTaal(const QString& code)
{
    Geinstalleerd& g = geinstalleerd();
    for (auto* oud : {g.eigen.get(), g.qt.get()})
        if (oud)
            QCoreApplication::removeTranslator(oud);
    g.eigen.reset();
    g.qt.reset();
    g.code = code == QLatin1String("en") ? code : QStringLiteral("nl");

    // Dutch is the source language: only the other languages need a catalogue.
    if (g.code != QLatin1String("nl")) {
        auto eigen = std::make_unique<QTranslator>();
        if (eigen->load(QStringLiteral(":/i18n/korvane_%1.qm").arg(g.code)))
            g.eigen = std::move(eigen);
    }
    // Qt's own dialogs (file, font, colour, print) speak the same language
    // as the program, whatever the desktop's.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + g.code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        g.qt = std::move(qt);

    if (QCoreApplication::instance()) {
        for (auto* nieuw : {g.eigen.get(), g.qt.get()})
            if (nieuw)
                QCoreApplication::installTranslator(nieuw);
    }
    ZetVertaler(g.eigen ? &VertaalVoorCore : nullptr);
}

QString HuidigeTaal()
{
    return geinstalleerd().code;
}

} // namespace korvane
