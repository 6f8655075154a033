// The shared printer and its measurements.
#include "print/printer.h"

#include "core/pages.h"

#include <QFontMetrics>
#include <QPrinter>

namespace korvane {

Drukker::Drukker()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    // Without a printer Qt falls back to its PDF printer with the default
    // paper, so there is always a page to measure.
}

Drukker::~Drukker() = default;

int Drukker::PaginaBreedte() const
{
    return m_printer->width();
}

int Drukker::PaginaHoogte() const
{
    return m_printer->height();
}

int Drukker::Dpi() const
{
    return m_printer->logicalDpiX();
}

int Drukker::RegelHoogte(const QFont& font) const
{
    return QFontMetrics(font, m_printer.get()).height();
}

int Drukker::RegelsPerPagina(const QFont& font) const
{
    return BerekenRegelsPerPagina(PaginaHoogte(), RegelHoogte(font));
}

int Drukker::Recalc(const QFont& basisfont)
{
    tekenfont = basisfont;
    return RegelsPerPagina(tekenfont);
}

} // namespace korvane
