// The questions asked before a requirement is added, duplicated, dropped or
// renumbered: is the title or the number taken, and which number is next;
// and, when a project is opened, whether a number is taken more than once.
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

// The table's own unique index of the I.D numbers keeps them apart; a table
// of another tool may have none. The numbers taken more than once are
// looked for then, in the order of the numbers: the first few are named.
void VerelTamsoApp::controleerHerhaaldeNummers()
{
    static const wxString tabel = "main." + TamsoTabelNaam;
    if (!bestaatTabel(TamsoTabelNaam, "main") || geefKolomNamen(tabel, true).Index("SR", false) == wxNOT_FOUND)
        return;
    static const wxString uniek = "select count(*) from main.pragma_index_list(" + quotes(TamsoTabelNaam) +
                                  ") as l where l.\"unique\" and (select group_concat(name) from "
                                  "main.pragma_index_info(l.name))=='SR' collate nocase";
    if (executeSkalair(uniek) > 0)
        return;
    const size_t genoemd = 5;
    const wxArrayString nummers = executeStringKolomQuery(
        wxString::Format("select SR from %s where SR is not null group by SR having count(*)>1 order by SR limit %zu",
                         tabel, genoemd + 1),
        false);
    if (nummers.empty())
        return;
    wxString lijst;
    for (size_t i = 0; i < nummers.size() && i < genoemd; ++i)
        lijst += (i == 0 ? "" : ", ") + nummers[i];
    if (nummers.size() > genoemd)
        lijst += ", " + wxString::FromUTF8("\xE2\x80\xA6");
    meldBeschadigd(_("these I.D numbers are used more than once:") + DesktopAppBasis::sp + lijst);
}
