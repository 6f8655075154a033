// TForm1's printing commands: "Afdrukken" (menu, Ctrl+P, printbutton and the
// preview's print button), "Printer-instelling", "Paginanummering" and
// "Afdrukvoorbeeld" with the preview window it owns.
#include "ui/mainwindow.h"

#include "files/documentfiles.h"
#include "print/preview.h"
#include "print/printing.h"
#include "ui/qteditor.h"

#include <QAction>

namespace korvane {

namespace {

Drukker DrukkerVan(TForm1& venster)
{
    return Drukker(venster.printer(), venster.printerLettertype);
}

void Druk(TForm1& venster, bool vanKnop)
{
    AfdrukContext context{venster.editor(), venster.prompter, DrukkerVan(venster), venster.paginastand,
                          venster.instellingen, venster.bestandsnaam};
    printtekst(context, vanKnop);
}

} // namespace

void TForm1::BouwAfdrukken()
{
    previewform = new Tpreviewform(DrukkerVan(*this), this);
    previewform->ZetAfdrukken([this] { Druk(*this, false); });
    // The preview's font controls start from the printer settings once the
    // settings are in; after that they keep the user's choice for the run.
    connect(this, &TForm1::Geactiveerd, previewform, [this] {
        previewform->ZetLettertype(instellingen.printerfont, instellingen.printergrootte,
                                   instellingen.printervet, instellingen.alleenfixed);
    });
}

void TForm1::printtekst()
{
    // Only the tool button offers the selection; the menu item and Ctrl+P
    // do not.
    const bool vanKnop = afzender() && afzender()->objectName() == QLatin1String("printbutton");
    Druk(*this, vanKnop);
}

void TForm1::Printerinstelling1Click()
{
    korvane::Printerinstelling1Click(prompter, DrukkerVan(*this));
}

void TForm1::Paginanummering1Click()
{
    const bool aan = WisselPaginanummering(paginastand, instellingen.paginanummers);
    if (QAction* item = action(QStringLiteral("Paginanummering1")))
        item->setChecked(aan);
}

void TForm1::PrintPreview()
{
    previewform->ToonVoorbeeld(editor(), VensterTitel(bestandsnaam), paginastand.paginanummering,
                               bestandsnaam);
}

} // namespace korvane
