// Page arithmetic shared by printing, the preview and the status bar.
#include "core/pages.h"
#include "core/vertaling.h"

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
    // Three places wide, as the status bar and the page headings line them up.
    char getal[2][16];
    std::snprintf(getal[0], sizeof getal[0], "%3d", pagina);
    std::snprintf(getal[1], sizeof getal[1], "%3d", aantalPaginas);
    return Invul(Vertaal("Melding", "Pagina %1 van %2"), {getal[0], getal[1]});
}

bool WisselPaginanummering(PaginaStand& stand, bool& paginanummers)
{
    stand.paginanummering = !stand.paginanummering;
    paginanummers = stand.paginanummering;
    return stand.paginanummering;
}

} // namespace korvane
