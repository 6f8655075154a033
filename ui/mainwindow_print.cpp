// TForm1's printing commands: "Afdrukken" (menu, Ctrl+P, printbutton and the
// preview's print button), "Printer-instelling", "Paginanummering" and
// "Afdrukvoorbeeld" with the preview window it owns.
#include "ui/mainwindow.h"

#include "files/documentfiles.h"
#include "print/pagelayout.h"
#include "print/preview.h"
#include "print/printing.h"
#include "ui/qteditor.h"

#include <QAction>
#include <QPrinter>
#include <QTimer>

namespace korvane {

namespace {

Drukker DrukkerVan(TForm1& venster)
{
    return Drukker(venster.printer(), venster.printerLettertype);
}

QFont AfdrukBody(const Instellingen& in)
{
    return Bodyfont(in.printerfont, in.printergrootte, in.printervet);
}

void Druk(TForm1& venster, bool vanKnop)
{
    AfdrukContext context{venster.editor(), venster.prompter, DrukkerVan(venster), venster.paginastand,
                          venster.instellingen, venster.bestandsnaam, LeesIndelingOpties()};
    printtekst(context, vanKnop);
}

} // namespace

void TForm1::BouwAfdrukken()
{
    m_indelingOpties = LeesIndelingOpties();
    m_indelingTimer = new QTimer(this);
    m_indelingTimer->setSingleShot(true);
    m_indelingTimer->setInterval(250);
    connect(m_indelingTimer, &QTimer::timeout, this, &TForm1::BerekenAfdrukindeling);
    previewform = new Tpreviewform(DrukkerVan(*this), this);
    previewform->ZetAfdrukken([this] { Druk(*this, false); });
    // The preview's font controls start from the printer settings once the
    // settings are in; after that they keep the user's choice for the run.
    connect(this, &TForm1::Geactiveerd, previewform, [this] {
        previewform->ZetLettertype(instellingen.printerfont, instellingen.printergrootte,
                                   instellingen.printervet, instellingen.alleenfixed);
    });
}

QString TForm1::IndelingSleutel()
{
    const Instellingen& in = instellingen;
    const IndelingOpties o = m_indelingOpties;
    const Drukker drukker = DrukkerVan(*this);
    return QStringLiteral("%1|%2|%3|%4|%5x%6|%7%8")
        .arg(in.printerfont)
        .arg(in.printergrootte)
        .arg(in.printervet)
        .arg(paginastand.regelsPerPagina)
        .arg(drukker.PaginaBreedte())
        .arg(drukker.PaginaHoogte())
        .arg(o.passend)
        .arg(o.balkenHeel);
}

void TForm1::BerekenAfdrukindeling()
{
    m_indelingTimer->stop();
    m_afdrukindeling = DocumentPlan(DrukkerVan(*this), instellingen, paginastand.regelsPerPagina, editor(),
                                    m_indelingOpties)
                           .indeling;
    m_indelingSleutel = IndelingSleutel();
    m_indelingVers = true;
    ToonCaretPositie();
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
    // The preview lays out its pages as printing does.
    previewform->ZetAfdruk(AfdrukBody(instellingen), paginastand.regelsPerPagina);
    BerekenAfdrukindeling();
    previewform->ToonVoorbeeld(editor(), VensterTitel(bestandsnaam), paginastand.paginanummering,
                               bestandsnaam);
    // Its layout switches may have changed.
    m_indelingOpties = LeesIndelingOpties();
    BerekenAfdrukindeling();
}

} // namespace korvane
