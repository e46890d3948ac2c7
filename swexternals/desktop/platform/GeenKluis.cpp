#include "swexternals/desktop/platform/GeenKluis.h"

#include <wx/intl.h>

WachtwoordKluis::Staat GeenKluis::geefStaat()
{
    return Staat::ontbreekt;
}

wxString GeenKluis::geefFout() const
{
    return _("this program was built without a password store");
}

bool GeenKluis::bewaar(const wxString&, const wxString&, const wxString&)
{
    return false;
}

bool GeenKluis::laad(const wxString&, wxString&)
{
    return false;
}

bool GeenKluis::verwijder(const wxString&)
{
    return false;
}
