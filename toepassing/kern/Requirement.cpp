#include "toepassing/kern/Requirement.h"

#include <wx/filename.h>

Requirement::Requirement()
    : versie("1.0.0"), afgetekendDatum(wxDateTime::Today() + wxDateSpan::Year()), datum(wxDateTime::Today())
{
}

Requirement::Requirement(const wxFileName& bestand) : Requirement()
{
    // A file that cannot be read leaves the default record; the callers
    // that must know read with leesVanDisk.
    static_cast<void>(leesVanDisk(bestand));
}
