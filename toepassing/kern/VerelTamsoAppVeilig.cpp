// Safe operation: every change collects under one savepoint until the user
// keeps all of them or drops all of them.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/datetime.h>
#include <wx/intl.h>
#include <wx/log.h>

int VerelTamsoApp::schakelSafePoint(Stand stand)
{
    if (stand == StandAan)
    {
        // A second savepoint of the same name would be the one a rollback
        // goes back to, and the changes before it would stay.
        if (isSavePointBezig())
            return 0;
        const int resultaat = schakelHandmatigeTransaktie(StandAan, safepointNaam);
        if (resultaat == 2)
            return 2;
        wxLogMessage("%s", _("safe mode was enabled on:") + " " + wxDateTime::Now().FormatISOCombined(' ') + ".");
        return resultaat;
    }
    if (schakelHandmatigeTransaktie(StandUit, safepointNaam) == 2)
        return 2;
    return schakelHandmatigeTransaktie(StandAan, wxString());
}

int VerelTamsoApp::rollTerugNaarSafePoint()
{
    const int resultaat = rolTerugTransaktie(safepointNaam);
    if (resultaat != 0)
        DesktopFunkties::wxErrorVeilig(
            _("Error in database safe mode rollback. Please save and exit the database now."));
    return resultaat;
}
