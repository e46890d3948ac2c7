// Renumbering many requirements at once, set-based: a few statements
// whatever the number of requirements, and only the numbers are read.
//
// SQLite checks the unique constraint on SR row by row, in an order of its
// own choosing, so numbers are never moved straight onto numbers that may
// still be in use: the moving rows first go to a free stretch above every
// number in use and every new number, then to their new numbers. Both moves
// run under a savepoint of their own, so a renumbering happens whole or not
// at all.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SavepointBewaker.h"
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
wxString getal(long long waarde)
{
    return wxString::Format("%lld", waarde);
}

void meldHernummerFout(const wxString& reden)
{
    DesktopFunkties::wxErrorVeilig(_("Error changing the serial number of the requirement.") + DesktopAppBasis::vr +
                                   reden);
}
} // namespace

int VerelTamsoApp::hernummerViaVrijeNummers(const wxString& naarVrij, const wxString& naarNieuw)
{
    SavepointBewaker bewaker(*this, "VerelTamsoHernummer");
    if (!bewaker.isGezet())
        return 2;
    if (executeUpdate(naarVrij, -1) != 0)
        return 2;
    LangWerk::meld(*this);
    if (executeUpdate(naarNieuw, -1) != 0)
        return 2;
    return bewaker.bewaar();
}

// Everything is checked before the transaction starts: a shift that moves
// nothing keeps the user's open change.
int VerelTamsoApp::schuifRekNummersOp(const BegrensdBereik<unsigned int>& bereik, int offset, bool start)
{
    if (bereik.min > bereik.max)
        return 5;
    const LangWerk werk(*this, _("Moving requirements..."));
    const wxString tabel = TamsoTabelNaam;
    const wxString laag = getal(bereik.min);
    const wxString hoog = getal(bereik.max);
    const wxString inBereik = "SR between " + laag + " and " + hoog;
    const long long aanwezig = executeSkalair("select count(*) from " + tabel + " where " + inBereik);
    if (aanwezig < 0)
        return 2;
    if (aanwezig == 0)
        return 1;
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot modify this requirement, because the database is read-only."));
        return 1;
    }
    if (offset == 0)
        return 1;
    // One number at a time, the walk would end at the lower bound going up
    // and at the upper bound going down; that number decides the result.
    const long long laatste = offset > 0 ? bereik.min : bereik.max;
    const long long laatsteAanwezig = executeSkalair("select count(*) from " + tabel + " where SR==" + getal(laatste));
    if (laatsteAanwezig < 0)
        return 2;

    const wxString verschuiving = getal(offset);
    const long long buitenBereik = executeSkalair("select count(*) from " + tabel + " where " + inBereik + " and SR+" +
                                                  verschuiving + " not between -2147483648 and 2147483647");
    if (buitenBereik != 0)
    {
        if (buitenBereik > 0)
            meldHernummerFout(_("The new numbers would lie outside the range of identification numbers."));
        return 2;
    }
    // Numbers outside the range that a moved requirement would take.
    const wxString bezetVan = " from " + tabel + " a join " + tabel + " b on b.SR=a.SR+" + verschuiving + " where a." +
                              inBereik + " and b.SR not between " + laag + " and " + hoog;
    const long long bezet = executeSkalair("select count(*)" + bezetVan);
    if (bezet != 0)
    {
        if (bezet > 0)
            meldHernummerFout(_("An existing requirement has this identification number:") + " " +
                              getal(executeSkalair("select min(b.SR)" + bezetVan)));
        return 2;
    }
    // The range holds numbers of 0 or more, so a failed read (-1) shows.
    const long long hoogste = executeSkalair("select max(SR) from " + tabel);
    if (hoogste < 0)
        return 2;
    if (start && startTransaktie() != 0)
        return 2;
    const wxString boven = getal(hoogste + std::max(offset, 0));
    const int resultaat = hernummerViaVrijeNummers(
        "update " + tabel + " set SR=SR-" + laag + "+1+" + boven + " where " + inBereik,
        "update " + tabel + " set SR=SR-" + boven + "-1+" + laag + "+" + verschuiving + " where SR>" + boven);
    synchroniseerWindowMetDBTransaktieStatus();
    if (resultaat != 0)
        return resultaat;
    return laatsteAanwezig > 0 ? 0 : 1;
}

int VerelTamsoApp::srStrakTrekken()
{
    // Its counts alone read the whole project.
    const LangWerk werk(*this, _("Reassigning the I.D numbers of the requirements..."));
    const wxString tabel = TamsoTabelNaam;
    const long long aantal = executeSkalair("select count(*) from " + tabel);
    if (aantal < 0)
        return 2;
    if (aantal == 0)
        return 1;
    // Every requirement's place in number order: its new number.
    const wxString plaatsen = "(select id as rij,row_number() over (order by SR) as nieuw from " + tabel + ")";
    const long long teVeranderen =
        executeSkalair("select count(*) from " + plaatsen + " join " + tabel + " on id=rij where SR<>nieuw");
    if (teVeranderen < 0)
        return 2;
    if (teVeranderen == 0)
        return 1;
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot modify this requirement, because the database is read-only."));
        return 1;
    }
    // Only now, with gaps to close: closing none keeps the user's open change.
    if (startTransaktie() != 0)
        return 2;
    // A failed read (-1) gives too low a stretch: the unique constraint then
    // refuses the move, and the savepoint takes it back.
    const long long hoogste = executeSkalair("select max(SR) from " + tabel);
    const wxString boven = getal(std::max(hoogste, aantal));
    const int resultaat = hernummerViaVrijeNummers("update " + tabel + " set SR=nieuw+" + boven + " from " + plaatsen +
                                                       " where id=rij and SR<>nieuw",
                                                   "update " + tabel + " set SR=SR-" + boven + " where SR>" + boven);
    synchroniseerWindowMetDBTransaktieStatus();
    return resultaat;
}
