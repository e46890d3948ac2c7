// Changing a stored requirement: only the columns that differ are written,
// and the row is found by the title and number it had when it was read.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/SQLWaarde.h"
#include "toepassing/kern/SavepointBewaker.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <climits>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
void voegToeAlsAnders(wxString& set, const wxString& kolom, const wxString& oud, const wxString& nieuw)
{
    if (oud != nieuw)
        set += kolom + "=" + SQLWaarde::tekst(nieuw) + ",";
}

template <typename Getal> void voegToeAlsAnders(wxString& set, const wxString& kolom, Getal oud, Getal nieuw)
{
    if (oud != nieuw)
        set += kolom + "=" + SQLWaarde::geheel(nieuw) + ",";
}

void voegToeAlsAndereDag(wxString& set, const wxString& kolom, const wxDateTime& oud, const wxDateTime& nieuw)
{
    if (!SQLWaarde::zelfdeDag(oud, nieuw))
        set += kolom + "=" + SQLWaarde::datum(nieuw) + ",";
}

// The assignments of every column in which the records differ, each
// followed by a comma; the signer and the sign-off date only count while
// the new record is signed off.
wxString maakVerschillen(const Requirement& oud, const Requirement& nieuw)
{
    wxString set;
    voegToeAlsAnders(set, "naam", oud.naam, nieuw.naam);
    voegToeAlsAndereDag(set, "datum", oud.datum, nieuw.datum);
    voegToeAlsAnders(set, "auteur", oud.auteur, nieuw.auteur);
    voegToeAlsAnders(set, "SR", oud.SR, nieuw.SR);
    voegToeAlsAnders(set, "versie", oud.versie, nieuw.versie);
    voegToeAlsAnders(set, "prioriteit", oud.prioriteit, nieuw.prioriteit);
    voegToeAlsAnders(set, "totaleKosten", oud.totaleKosten, nieuw.totaleKosten);
    voegToeAlsAnders(set, "beschrijving", oud.beschrijving, nieuw.beschrijving);
    voegToeAlsAnders(set, "implementatie", oud.implementatie, nieuw.implementatie);
    voegToeAlsAnders(set, "implementatieIngenieur", oud.implementatieIngenieur, nieuw.implementatieIngenieur);
    voegToeAlsAnders(set, "validatie_test", oud.validatie_test, nieuw.validatie_test);
    voegToeAlsAnders(set, "testLogboek", oud.testLogboek, nieuw.testLogboek);
    voegToeAlsAnders(set, "testIngenieur", oud.testIngenieur, nieuw.testIngenieur);
    voegToeAlsAnders(set, "externeRef", oud.externeRef, nieuw.externeRef);
    voegToeAlsAnders(set, "kommentaar", oud.kommentaar, nieuw.kommentaar);
    if (nieuw.status == Requirement::StatusKlaar)
    {
        voegToeAlsAnders(set, "aftekenaar", oud.aftekenaar, nieuw.aftekenaar);
        voegToeAlsAndereDag(set, "afgetekendDatum", oud.afgetekendDatum, nieuw.afgetekendDatum);
    }
    voegToeAlsAnders(set, "SR_ouder", oud.SR_ouder, nieuw.SR_ouder);
    voegToeAlsAnders(set, "SR_gerelateerd", oud.SR_gerelateerd, nieuw.SR_gerelateerd);
    voegToeAlsAnders(set, "status", static_cast<int>(oud.status), static_cast<int>(nieuw.status));
    voegToeAlsAnders(set, "type", static_cast<int>(oud.type), static_cast<int>(nieuw.type));
    voegToeAlsAnders(set, "funkType", static_cast<int>(oud.funkType), static_cast<int>(nieuw.funkType));
    return set;
}
} // namespace

wxString VerelTamsoApp::maakRijVoorwaarde(const Requirement& rek)
{
    return " where naam==" + SQLWaarde::tekst(rek.naam) + " and SR==" + SQLWaarde::geheel(rek.SR);
}

bool VerelTamsoApp::heeftRijGeraakt(const Requirement& rek, const wxString& gevolg)
{
    const long long aantal = executeSkalair("select changes()");
    if (aantal > 0)
        return true;
    if (aantal == 0)
        DesktopFunkties::wxErrorVeilig(
            _("This requirement is no longer in the database as it was read; it was changed or removed meanwhile:") +
            DesktopFunkties::dubbeleQuotes(rek.naam, true) +
            DesktopFunkties::haken(_("I.D") + " " + DesktopFunkties::print(rek.SR), false) + DesktopAppBasis::vr +
            gevolg);
    return false;
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
    if (start && startTransaktie() != 0)
    {
        synchroniseerWindowMetDBTransaktieStatus();
        return 2;
    }
    int resultaat = executeUpdate("update " + TamsoTabelNaam + " set " + set + maakRijVoorwaarde(oud), -1);
    if (resultaat == 0 && !heeftRijGeraakt(oud, _("Nothing was changed.")))
        resultaat = 2;
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
    if (start && startTransaktie() != 0)
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
