// The command line's exports: the document printed with the window's own
// page layout into a PDF file, without a display, or its music as a MIDI,
// MusicXML or WAV file.
#pragma once

#include "core/editor.h"

#include <string>
#include <string_view>

namespace korvane {

// Writes `editor`'s pages to the PDF `uit` on paper `papier` ("A4" or
// "Letter"), with the fonts and page numbering of "Opties.txt" where there
// is one. `bestandsnaam` gives the title in the page headers. Returns an
// empty text, or why nothing could be written.
std::string ExporteerPdf(const EditorOps& editor, const std::string& bestandsnaam, const std::string& uit,
                         const std::string& papier);

// Writes all of `bytes` to `fd`, through interrupted and partial writes.
bool SchrijfAlles(int fd, std::string_view bytes);

enum class Exportsoort { Pdf, Midi, MusicXml, Wav, Onbekend };

// By the extension of `uit`, in any letter case.
Exportsoort ExportsoortVan(const std::string& uit);

// The bytes of a MIDI, MusicXML or WAV file of `editor`'s staffs, read with
// `stemming` (the tuning text) for staffs without labels; `tempo` where the
// text names none. The title is the document's own, else `bestandsnaam`'s.
// Where the sound cannot be made (no SoundFont), nothing, and why in `fout`.
std::string MuziekExport(const EditorOps& editor, const std::u32string& stemming, const std::string& bestandsnaam,
                         Exportsoort soort, double tempo, std::string& fout);

} // namespace korvane
