#include "toepassing/eigenschappen/BestandsVoorstel.h"

#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"

#include <wx/intl.h>

namespace
{
// Marks that belong to the character before them.
bool isCombinerend(wxUniChar teken)
{
    const unsigned long kode = teken.GetValue();
    return (kode >= 0x0300 && kode <= 0x036F) || (kode >= 0x1AB0 && kode <= 0x1AFF) ||
           (kode >= 0x1DC0 && kode <= 0x1DFF) || (kode >= 0x20D0 && kode <= 0x20FF) ||
           (kode >= 0xFE20 && kode <= 0xFE2F);
}
} // namespace

wxString BestandsVoorstel::maakNaam(const wxString& titel)
{
    wxString naam = DesktopFunkties::maakSchoonPadNaam(titel);
    naam.Replace("/", "_");
    naam.Replace("\\", "_");
    if (naam.length() <= maxLengte)
        return naam;
    size_t lengte = maxLengte;
    while (lengte > 0 && isCombinerend(naam[lengte]))
        --lengte;
    return naam.Left(lengte);
}

wxFileName BestandsVoorstel::metExtensie(const wxString& pad, const wxString& extensie)
{
    wxFileName bestand(pad);
    if (bestand.GetExt() != extensie)
        bestand.SetFullName(bestand.GetFullName() + "." + extensie);
    return bestand;
}

bool BestandsVoorstel::magSchrijven(const wxFileName& bestand, wxWindow* ouder)
{
    if (!bestand.FileExists())
        return true;
    return DesktopVraag::geef().stelVraag(
               DesktopFunkties::dubbeleQuotes(bestand.GetFullPath(), false) + " " + _("already exists.") +
                   DesktopAppBasis::vr + _("Do you want to replace it?"),
               _("The file already exists"), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING, ouder) == wxYES;
}
