// The command line's PDF export: the document printed with the window's own
// page layout into a PDF file, without a display.
#pragma once

#include "core/editor.h"

#include <string>

namespace korvane {

// Writes `editor`'s pages to the PDF `uit` on paper `papier` ("A4" or
// "Letter"), with the fonts and page numbering of "Opties.txt" where there
// is one. `bestandsnaam` gives the title in the page headers. Returns an
// empty text, or why nothing could be written.
std::string ExporteerPdf(const EditorOps& editor, const std::string& bestandsnaam, const std::string& uit,
                         const std::string& papier);

} // namespace korvane
