// The print command and its two menu companions: the printer set-up and the
// page-numbering switch. Printing lays the document's lines out on pages
// (print/printplan.h) after the print dialog.
#pragma once

#include "core/editor.h"
#include "core/pages.h"
#include "files/prompter.h"
#include "files/settings.h"
#include "print/printer.h"
#include "print/printplan.h"

#include <QString>

namespace korvane {

// What printtekst reads and writes of the main window.
struct AfdrukContext {
    EditorOps& editor;
    Prompter& prompter;
    Drukker drukker;
    PaginaStand& stand;              // aantalPaginas is refreshed
    const Instellingen& instellingen; // printerfont, printergrootte, printervet, paginanummers
    QString bestandsnaam;
    IndelingOpties opties{};
};

// The pages the whole document prints on, as printing, the preview and the
// status bar count them.
AfdrukPlan DocumentPlan(const Drukker& drukker, const Instellingen& instellingen, int regelsPerPagina,
                        const EditorOps& editor, IndelingOpties opties);

// The print command. The print dialog offers all pages or a page range, and
// the selection too when `vanKnop` (the tool button, not the menu, Ctrl+P or
// the preview) and there is a selection. Returns false when nothing was
// printed (dialog cancelled, or the printer could not start; then a message
// says so).
bool printtekst(AfdrukContext& context, bool vanKnop);

// Draws pages van..tot (1-based) of a document plan on the printer, which
// must be free to begin a job; false when it cannot begin.
bool DrukPlan(QPrinter& printer, const AfdrukPlan& plan, const QString& bestandsnaam, bool paginanummers,
              int vanPagina, int totPagina);

// The printer set-up dialog on the shared printer; nothing else.
void Printerinstelling1Click(Prompter& prompter, const Drukker& drukker);

} // namespace korvane
