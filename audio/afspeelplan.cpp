// Text places compared as (staff, column): staffs stand in document order, so
// a place outside every staff counts as the start of the next one (or the end
// of the last one before it, for the end of a selection).
#include "audio/afspeelplan.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace korvane {

namespace {

using Sleutel = std::pair<int, int>;

// The staff holding line `regel` with the column, else the next staff from
// its start (`naar` false) or the staff before it to its end (`naar` true).
Sleutel SleutelVan(const Muziekstuk& stuk, Tekstplek p, bool naar)
{
    const int n = static_cast<int>(stuk.balken.size());
    for (int b = 0; b < n; ++b) {
        const TTabbalk& t = stuk.balken[static_cast<std::size_t>(b)].bron;
        if (p.regel < t.eerste)
            return naar ? Sleutel{b - 1, INT_MAX} : Sleutel{b, INT_MIN};
        if (p.regel <= t.laatste)
            return {b, p.kolom};
    }
    return naar ? Sleutel{n - 1, INT_MAX} : Sleutel{n, INT_MIN};
}

} // namespace

Afspeelplan MaakAfspeelplan(const Muziekstuk& stuk, const Tijdlijn& tijden, Tekstplek begin, const Tekstplek* eind)
{
    Afspeelplan plan;
    if (stuk.balken.empty() || tijden.groepen.empty())
        return plan;
    Sleutel van = SleutelVan(stuk, begin, false);
    const Sleutel tot = eind ? SleutelVan(stuk, *eind, true) : Sleutel{INT_MAX, INT_MAX};
    // The instrument of the staff playing starts in.
    const int balk = std::min(van.first, static_cast<int>(stuk.balken.size()) - 1);
    for (std::size_t g = 0; g < tijden.groepen.size() && plan.groep < 0; ++g) {
        const auto& b = tijden.groepen[g].balken;
        if (std::find(b.begin(), b.end(), balk) != b.end())
            plan.groep = static_cast<int>(g);
    }
    if (plan.groep < 0)
        return plan;
    const Speelgroep& g = tijden.groepen[static_cast<std::size_t>(plan.groep)];
    for (int poging = 0; poging < 2 && plan.punten.empty(); ++poging) {
        if (poging == 1) {
            if (eind)
                break;
            van = {INT_MIN, INT_MIN};
        }
        bool bezig = false;
        for (const Speelmaat& m : g.volgorde) {
            const Bereik r = tijden.maatKlanken[static_cast<std::size_t>(m.maat)];
            const Muziekbalk& mb = stuk.balken[static_cast<std::size_t>(m.balk)];
            bool klaar = false;
            for (int k = r.begin; k < r.begin + r.aantal && !klaar; ++k) {
                const Klank& klank = stuk.klanken[static_cast<std::size_t>(k)];
                const Sleutel s{m.balk, klank.kolom};
                // Without a selection everything after the start plays,
                // also a repeat that goes back before it.
                const bool binnen = (bezig && !eind) || (s >= van && s < tot);
                if (!binnen) {
                    // A selection is played once through, up to where the
                    // playing order leaves it.
                    klaar = bezig && eind;
                    continue;
                }
                if (!bezig) {
                    bezig = true;
                    plan.van = m.begin + tijden.klankBegin[static_cast<std::size_t>(k)];
                    plan.maat = tijden.maatSoort[static_cast<std::size_t>(m.maat)];
                }
                Speelpunt p;
                p.tik = m.begin + tijden.klankBegin[static_cast<std::size_t>(k)];
                p.balk = m.balk;
                p.kolom = klank.kolom;
                for (int n = klank.eersteNoot; n < klank.eersteNoot + klank.aantalNoten; ++n)
                    p.breedte =
                        std::max<int>(p.breedte, stuk.noten[static_cast<std::size_t>(mb.noten.begin + n)].lengte);
                plan.punten.push_back(p);
                plan.tot = p.tik + tijden.klankLengte[static_cast<std::size_t>(k)];
            }
            if (klaar)
                break;
        }
    }
    if (plan.punten.empty()) {
        plan.groep = -1;
        return plan;
    }
    if (!eind)
        plan.tot = std::max(plan.tot, g.lengte);
    return plan;
}

int PuntOp(const Afspeelplan& plan, double tik)
{
    const auto na = std::upper_bound(plan.punten.begin(), plan.punten.end(), tik,
                                     [](double t, const Speelpunt& p) { return t < static_cast<double>(p.tik); });
    return static_cast<int>(na - plan.punten.begin()) - 1;
}

} // namespace korvane
