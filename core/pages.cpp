// Page arithmetic shared by printing, the preview and the status bar.
#include "core/pages.h"

#include <algorithm>
#include <cstdio>

namespace korvane {

int BerekenRegelsPerPagina(int paginaHoogte, int regelHoogte)
{
    if (regelHoogte <= 0 || paginaHoogte <= 0)
        return minRegelsPerPagina;
    return std::max(minRegelsPerPagina, paginaHoogte / regelHoogte - kopRegels);
}

int AantalPaginas(int regelCount, int regelsPerPagina)
{
    const int perPagina = std::max(minRegelsPerPagina, regelsPerPagina);
    return std::max(0, regelCount) / perPagina + 1;
}

int PaginaVanRegel(int regel, int regelsPerPagina)
{
    const int perPagina = std::max(minRegelsPerPagina, regelsPerPagina);
    return std::max(0, regel) / perPagina + 1;
}

RegelBereik RegelsVanPagina(int pagina, int regelsPerPagina, int regelCount)
{
    const int perPagina = std::max(minRegelsPerPagina, regelsPerPagina);
    RegelBereik r;
    // Page indexes large enough to overflow lie past any document anyway.
    const long long eerste = static_cast<long long>(std::max(0, pagina)) * perPagina;
    if (eerste >= regelCount)
        return {regelCount, regelCount - 1};
    r.eerste = static_cast<int>(eerste);
    r.laatste = static_cast<int>(std::min<long long>(eerste + perPagina - 1, regelCount - 1));
    return r;
}

std::string PaginaTekst(int pagina, int aantalPaginas)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "Pagina %3d van %3d", pagina, aantalPaginas);
    return buffer;
}

bool WisselPaginanummering(PaginaStand& stand, bool& paginanummers)
{
    stand.paginanummering = !stand.paginanummering;
    paginanummers = stand.paginanummering;
    return stand.paginanummering;
}

} // namespace korvane
