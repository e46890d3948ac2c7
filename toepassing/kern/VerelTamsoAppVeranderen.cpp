// Changing a stored requirement: only the columns that differ are written,
// and the row is found by the title and number it had when it was read.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/ToonbareTekst.h"
#include "swexternals/desktop/wx/wxSQLite3/SavepointBewaker.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/SQLWaarde.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <climits>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// The assignments of every column in which the records differ, each
// followed by a comma; the signer and the sign-off date only count while
// the new record is signed off.
wxString maakVerschillen(const Requirement& oud, const Requirement& nieuw)
{
    wxString set;
    for (const RequirementVeld& veld : RequirementVeld::alle())
    {
        if (veld.alleenAfgetekend && nieuw.status != Requirement::StatusKlaar)
            continue;
        if (!veld.isGelijk(oud, nieuw))
            set += wxString(veld.kolom) + "=" + veld.alsSQL(nieuw) + ",";
    }
    return set;
}

// As the title column compares: without regard to the case of ASCII letters
// only.
bool isZelfdeTitel(const wxString& a, const wxString& b)
{
    if (a.length() != b.length())
        return false;
    const auto klein = [](wxUint32 teken) { return teken >= 'A' && teken <= 'Z' ? teken + ('a' - 'A') : teken; };
    for (size_t i = 0; i < a.length(); ++i)
        if (klein(a[i].GetValue()) != klein(b[i].GetValue()))
            return false;
    return true;
}
} // namespace

// A title that reads with a replacement character may be stored as bytes
// that are no UTF-8, which no literal matches: that row is found by its
// number alone, once controleerRij has compared the title as it reads.
wxString VerelTamsoApp::maakRijVoorwaarde(const Requirement& rek)
{
    const wxString nummer = "SR==" + SQLWaarde::geheel(rek.SR);
    if (rek.naam.find(ToonbareTekst::vervanging) != wxString::npos)
        return " where " + nummer;
    return " where naam==" + SQLWaarde::tekst(rek.naam) + " and " + nummer;
}

// The stored title is read and compared as the record was read.
int VerelTamsoApp::controleerRij(const Requirement& rek, const wxString& gevolg)
{
    wxSQLite3ResultSet rij;
    if (executeQueryExternResultaat("select naam from " + TamsoTabelNaam + " where SR==" + SQLWaarde::geheel(rek.SR),
                                    rij) != 0)
        return 2;
    try
    {
        if (rij.NextRow() && isZelfdeTitel(leesTekst(rij, 0), rek.naam))
            return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return 2;
    }
    DesktopFunkties::wxErrorVeilig(
        _("This requirement is no longer in the database as it was read; it was changed or removed meanwhile:") +
        DesktopFunkties::dubbeleQuotes(rek.naam, true) +
        DesktopFunkties::haken(_("I.D") + " " + DesktopFunkties::print(rek.SR), false) + DesktopAppBasis::vr + gevolg);
    return 2;
}

int VerelTamsoApp::verander(const Requirement& oud, const Requirement& nieuw, bool start)
{
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot modify this requirement, because the database is read-only."));
        return 1;
    }
    wxString set = maakVerschillen(oud, nieuw);
    if (set.empty())
        return 1;
    set.RemoveLast();
    // A stale record changes nothing, so it starts nothing either.
    if (controleerRij(oud, _("Nothing was changed.")) != 0)
        return 2;
    if (start && startTransaktie() != 0)
    {
        synchroniseerWindowMetDBTransaktieStatus();
        return 2;
    }
    const int resultaat = executeUpdate("update " + TamsoTabelNaam + " set " + set + maakRijVoorwaarde(oud), -1);
    synchroniseerWindowMetDBTransaktieStatus();
    return resultaat;
}

int VerelTamsoApp::verander(Requirement& rek, int nummer, bool start)
{
    if (rek.SR == nummer)
        return 1;
    Requirement kopie(rek);
    kopie.SR = nummer;
    const int resultaat = verander(rek, kopie, start);
    if (resultaat == 0)
        rek.SR = nummer;
    return resultaat;
}

// Through a free number, so that no two requirements share one between the
// statements; a swap that fails half-way is undone whole.
int VerelTamsoApp::verwisselSR(const Requirement& a, const Requirement& b, bool start)
{
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot modify this requirement, because the database is read-only."));
        return 1;
    }
    if (a.SR == b.SR)
        return 1;
    if (controleerRij(a, _("Nothing was changed.")) != 0 || controleerRij(b, _("Nothing was changed.")) != 0)
        return 2;
    // Above every number in use, and never below 1, so a failed read (-1)
    // cannot pass for a free number.
    const long long vrij = executeSkalair("select max(coalesce(max(SR),0),0)+1 from " + TamsoTabelNaam);
    if (vrij < 1)
        return 2;
    if (vrij > INT_MAX)
    {
        DesktopFunkties::wxErrorVeilig(_("Error changing the serial number of the requirement.") + DesktopAppBasis::vr +
                                       _("No free identification number is left."));
        return 2;
    }
    if (start && startTransaktie() != 0)
        return 2;
    const int tijdelijk = static_cast<int>(vrij);
    SavepointBewaker bewaker(*this, "VerelTamsoVerwissel");
    if (!bewaker.isGezet())
        return 2;
    Requirement aTijdelijk(a);
    aTijdelijk.SR = tijdelijk;
    int resultaat = verander(a, aTijdelijk, false);
    if (resultaat == 0)
    {
        Requirement bNieuw(b);
        bNieuw.SR = a.SR;
        resultaat = verander(b, bNieuw, false);
    }
    if (resultaat == 0)
    {
        Requirement aNieuw(a);
        aNieuw.SR = b.SR;
        resultaat = verander(aTijdelijk, aNieuw, false);
    }
    if (resultaat == 0)
        resultaat = bewaker.bewaar();
    synchroniseerWindowMetDBTransaktieStatus();
    return resultaat;
}
