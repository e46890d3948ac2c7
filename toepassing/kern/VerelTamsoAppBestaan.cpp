// The questions asked before a requirement is added, duplicated, dropped or
// renumbered: is the title or the number taken, and which number is next.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <limits>
#include <wx/intl.h>

bool VerelTamsoApp::rekBestaat(const wxString& naam)
{
    return executeSkalair("select count(*) from " + TamsoTabelNaam + " where naam==" + quotes(naam)) != 0;
}

bool VerelTamsoApp::rekBestaat(const Requirement& rek)
{
    return executeSkalair("select count(*) from " + TamsoTabelNaam + " where naam==" + quotes(rek.naam) +
                          wxString::Format(" or SR==%d", rek.SR)) != 0;
}

int VerelTamsoApp::bestaatRequirement(int SR)
{
    return executeSkalair(wxString::Format("select count(*) from %s where SR==%d", TamsoTabelZicht, SR)) == 0 ? 1 : 0;
}

int VerelTamsoApp::geefEerstvolgendeSRNummer()
{
    const long long volgende = executeSkalair("select max(SR) from " + TamsoTabelNaam) + 1;
    if (volgende > std::numeric_limits<int>::max())
    {
        DesktopFunkties::wxErrorVeilig(_("The highest I.D number is in use: there is no next number.") +
                                       DesktopAppBasis::vr + _("Please renumber the requirements first."));
        return 0;
    }
    return static_cast<int>(volgende);
}
