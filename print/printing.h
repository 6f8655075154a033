// The print command and its two menu companions: the printer set-up and the
// page-numbering switch. Printing lays the document's lines out on pages of
// regelsPerPagina lines (print/pagelayout.h) after the print dialog.
#pragma once

#include "core/editor.h"
#include "core/pages.h"
#include "files/prompter.h"
#include "files/settings.h"
#include "print/printer.h"

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
};

// The print command. The print dialog offers all pages or a page range, and
// the selection too when `vanKnop` (the tool button, not the menu, Ctrl+P or
// the preview) and there is a selection. Returns false when nothing was
// printed (dialog cancelled, or the printer could not start; then a message
// says so).
bool printtekst(AfdrukContext& context, bool vanKnop);

// The printer set-up dialog on the shared printer; nothing else.
void Printerinstelling1Click(Prompter& prompter, const Drukker& drukker);

} // namespace korvane
