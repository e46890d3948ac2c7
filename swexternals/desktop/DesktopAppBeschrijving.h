#ifndef SWEXTERNALS_DESKTOP_DESKTOPAPPBESCHRIJVING_H
#define SWEXTERNALS_DESKTOP_DESKTOPAPPBESCHRIJVING_H

#include "base/TrivaneAppBeschrijving.h"
#include "swexternals/desktop/DesktopVersieNummer.h"

#include <wx/string.h>

// The application description with wxString texts: the name (at most 19
// characters) and the description (at most 99) are kept in the base
// library's ASCII form, other characters replaced.
class DesktopAppBeschrijving : public TrivaneAppBeschrijving
{
public:
    // This program: "VerelTamso", 1.4.0.a and its translated description.
    DesktopAppBeschrijving();
    DesktopAppBeschrijving(const wxString& naam, const wxString& versie, const wxString& beschrijving);
    DesktopAppBeschrijving(const wxString& naam, const DesktopVersieNummer& versie, const wxString& beschrijving);

    // Translated where the catalogues know the text.
    wxString geefNaam() const;
    DesktopVersieNummer geefVersieNummer() const;
    wxString geefBeschrijving() const;
};

#endif
