// Entry point: registers the line font, creates the main window and runs the
// event loop.
#include "files/bytenamen.h"
#include "files/prompter.h"
#include "files/settings.h"
#include "files/taal.h"
#include "ui/linefont.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The language first: it is taken out of argv before Qt and the
    // document names read it.
    const std::optional<QString> taal = korvane::TaalOptie(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    // The installed desktop entry (desktop/): its icon on every window, and
    // the session ties the windows to the entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/korvane/korvane.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
    RegisterLineFont();

    // The program's texts and Qt's own dialogs (file, font, colour, print)
    // speak the chosen language, whatever the desktop's.
    korvane::InstalleerTaal(korvane::TaalVoorStart(taal));
    if (taal && taal->isEmpty())
        std::fprintf(stderr, "korvane: %s\n",
                     qPrintable(QCoreApplication::translate("korvane-cli", "--lang verwacht nl of en")));

    korvane::OpstartGegevens start;
    // QApplication took its own options out of argv; the rest are the
    // document's name, kept as the file system's bytes.
    start.parameters = korvane::ParametersUitArgv(argc, argv);
    // The per-user configuration folder, unless a portable copy keeps its
    // "Opties.txt" beside the executable.
    start.programmamap = korvane::ProgrammaMap();

    korvane::QtPrompter prompter;
    korvane::TForm1 Form1(prompter, start);
    prompter.SetParent(&Form1);
    Form1.show();
    return app.exec();
}
