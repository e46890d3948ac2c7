#include "toepassing/kern/ProjektBestandsNaam.h"

#include "swexternals/desktop/DesktopFunkties.h"

wxString ProjektBestandsNaam::maakVoorstel(const wxString& projektNaam)
{
    wxString naam = DesktopFunkties::maakSchoonPadNaam(projektNaam);
    naam.Replace("/", "_");
    return naam;
}

wxFileName ProjektBestandsNaam::metExtensie(const wxString& pad, const wxString& extensie)
{
    const wxFileName bestand(pad);
    if (bestand.GetExt() == extensie)
        return bestand;
    return wxFileName(pad + "." + extensie);
}
