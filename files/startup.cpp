// The start-up choice of the first document.
#include "files/startup.h"

#include "files/bytenamen.h"
#include "files/documentfiles.h"

#include <algorithm>

namespace korvane {

QString OpdrachtregelNaam(const QStringList& parameters)
{
    return parameters.join(u' ');
}

EersteDocument KiesEersteDocument(const QStringList& parameters, const Instellingen& inst)
{
    EersteDocument e;
    if (!parameters.isEmpty()) {
        // Made absolute so that "kvn.cfg" names the same file from any
        // working directory at the next start.
        e.bestandsnaam = AbsoluutPad(OpdrachtregelNaam(parameters));
        e.laden = IsGewoonBestand(e.bestandsnaam);
        return e;
    }
    if (inst.opstartmodus == opstartLaatste && !inst.laatstebestand.isEmpty()
        && IsGewoonBestand(inst.laatstebestand)) {
        e.bestandsnaam = inst.laatstebestand;
        e.laden = true;
        e.boomVerplaatsen = true;
        const QString pad = AbsoluutPad(inst.laatstebestand);
        e.boomMap = pad.left(std::max<qsizetype>(pad.lastIndexOf(u'/'), 1));
        return e;
    }
    e.bestandsnaam = naamloos;
    e.boomVerplaatsen = !inst.tabmap.isEmpty();
    e.boomMap = inst.tabmap;
    return e;
}

} // namespace korvane
