// The start-up choice of the first document.
#include "files/startup.h"

#include "files/documentfiles.h"

#include <QFileInfo>

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
        e.bestandsnaam = QFileInfo(OpdrachtregelNaam(parameters)).absoluteFilePath();
        e.laden = QFileInfo(e.bestandsnaam).isFile();
        return e;
    }
    if (inst.opstartmodus == opstartLaatste && !inst.laatstebestand.isEmpty()
        && QFileInfo(inst.laatstebestand).isFile()) {
        e.bestandsnaam = inst.laatstebestand;
        e.laden = true;
        e.boomVerplaatsen = true;
        e.boomMap = QFileInfo(inst.laatstebestand).absolutePath();
        return e;
    }
    e.bestandsnaam = naamloos;
    e.boomVerplaatsen = !inst.tabmap.isEmpty();
    e.boomMap = inst.tabmap;
    return e;
}

} // namespace korvane
