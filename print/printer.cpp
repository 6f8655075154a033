// The shared printer's measurements.
#include "print/printer.h"

#include "core/pages.h"

#include <QFontMetrics>
#include <QPrinter>

namespace korvane {

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
    return QFontMetrics(font, m_printer).height();
}

int Drukker::RegelsPerPagina(const QFont& font) const
{
    return BerekenRegelsPerPagina(PaginaHoogte(), RegelHoogte(font));
}

int Drukker::Recalc(const QFont& basisfont) const
{
    *m_tekenfont = basisfont;
    return RegelsPerPagina(*m_tekenfont);
}

EigenDrukker::EigenDrukker()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_drukker(*m_printer, m_tekenfont)
{
}

EigenDrukker::~EigenDrukker() = default;

} // namespace korvane
