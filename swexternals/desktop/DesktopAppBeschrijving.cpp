#include "swexternals/desktop/DesktopAppBeschrijving.h"

#include <wx/intl.h>

DesktopAppBeschrijving::DesktopAppBeschrijving()
    : DesktopAppBeschrijving(
          "VerelTamso", DesktopVersieNummer(),
          _("Verel Tamso is the dull but indispensable partner you will need to complete your engineering project "
            "from start to finish.\nVerel Tamso assists in keeping track of requirements, from their initial "
            "elicitation to checking traceability.\nVerel Tamso is not a complicated or hard-to-grasp tool!\nUsing it "
            "is easy and rewarding; you will never miss a customer requirement again.\nVerel Tamso aids in building "
            "mature and complete products that will satisfy your customers."))
{
}

DesktopAppBeschrijving::DesktopAppBeschrijving(const wxString& naam, const wxString& versie,
                                               const wxString& beschrijving)
    : DesktopAppBeschrijving(naam, DesktopVersieNummer(versie), beschrijving)
{
}

DesktopAppBeschrijving::DesktopAppBeschrijving(const wxString& naam, const DesktopVersieNummer& versie,
                                               const wxString& beschrijving)
    : TrivaneAppBeschrijving(TrivaneString(naam), versie.geefTrivaneVersieNummer(), TrivaneString(beschrijving))
{
}

wxString DesktopAppBeschrijving::geefNaam() const
{
    return TrivaneString(naam, naamGrootte, '\0', false).wxConvert();
}

DesktopVersieNummer DesktopAppBeschrijving::geefVersieNummer() const
{
    return DesktopVersieNummer(versie);
}

wxString DesktopAppBeschrijving::geefBeschrijving() const
{
    return TrivaneString(beschrijving, beschrijvingGrootte, '\0', false).wxConvert();
}
