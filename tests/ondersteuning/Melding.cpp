#include "tests/ondersteuning/Melding.h"

#include "swexternals/desktop/DesktopLogMelder.h"
#include "tests/ondersteuning/LogVanger.h"

wxString meldingKop()
{
    wxArrayString berichten;
    wxArrayInt niveaus;
    for (const LogVanger::Regel& regel : logVanger().geefRegels())
        // What the box shows: neither the status bar's nor the debugging
        // messages.
        if (regel.niveau <= wxLOG_Message)
        {
            berichten.Add(regel.tekst);
            niveaus.Add(static_cast<int>(regel.niveau));
        }
    return DesktopLogMelder::ordenBerichten(berichten, niveaus).kop;
}
