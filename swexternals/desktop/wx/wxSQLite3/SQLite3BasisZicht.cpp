// Views: tested, dropped, and made from a table's columns or a select text.
// On a read-only database a view is made temporary instead of refused.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/intl.h>
#include <wx/wxcrt.h>

long long SQLite3Basis::telZichten(const wxString& bron, const wxString& naam)
{
    const wxString opdracht = "select count(*) from " + bron + " where type='view' and name==" + quotes(naam);
    DesktopFunkties::wxLogVeilig("sql kommando = " + opdracht);
    return executeSkalair(opdracht);
}

bool SQLite3Basis::bestaatZicht(const wxString& naam, bool tijdelijk, const wxString& database)
{
    if (tijdelijk)
    {
        const long long tijdelijke = telZichten("sqlite_temp_master", naam);
        if (tijdelijke != 0)
            return tijdelijke > 0;
    }
    const wxString bron = database.empty() ? wxString("sqlite_master") : naamQuotes(database) + ".sqlite_master";
    return telZichten(bron, naam) > 0;
}

int SQLite3Basis::verwijderZicht(const wxString& naam, bool alsBestaat)
{
    if (!alsBestaat && !bestaatZicht(naam, true, wxString()))
        return 0;
    const int resultaat = executeUpdate((alsBestaat ? "drop view if exists " : "drop view ") + tabelQuotes(naam), -1);
    dbVeranderd = true;
    return resultaat;
}

// The first step of both builders: drop the view when asked, unless that
// would alter a read-only file (refused and reported, and the builder goes
// on). 2 when the drop failed (reported).
int SQLite3Basis::verwijderZichtVooraf(const wxString& zicht, bool tijdelijk, bool eerstVerwijderen)
{
    if (!eerstVerwijderen)
        return 0;
    if (!tijdelijk && isAlleenLezenDB())
    {
        weigerAlleenLezen(_("is read-only and cannot be altered."));
        return 0;
    }
    return executeUpdate("drop view if exists " + tabelQuotes(zicht), -1);
}

wxString SQLite3Basis::maakZichtBegin(bool tijdelijk) const
{
    return tijdelijk || isAlleenLezenDB() ? "create temporary view if not exists " : "create view if not exists ";
}

int SQLite3Basis::maakStdZicht(const wxString& tabel, const wxString& zicht, const wxArrayString& kolommen,
                               const wxArrayString& toevoegingen, bool metEerste, bool tijdelijk, bool eerstVerwijderen)
{
    if (verwijderZichtVooraf(zicht, tijdelijk, eerstVerwijderen) != 0)
        return 2;
    if (bestaatZicht(zicht, true, wxString()))
    {
        const size_t vanaf = metEerste ? 0 : 1;
        const long long gevraagd = kolommen.size() > vanaf ? static_cast<long long>(kolommen.size() - vanaf) : 0;
        if (geefAantalKolommen(zicht, true) == gevraagd)
            return 0;
        if (isAlleenLezenDB())
        {
            weigerAlleenLezen(
                _("is read-only.") + DesktopAppBasis::vr +
                _("However, a view must be dropped and renewed before the database can be used without "
                  "errors.") +
                DesktopAppBasis::vr +
                _("Please close and reopen the database in read-write mode in order to accomplish this."));
            return 1;
        }
        if (executeUpdate("drop view " + tabelQuotes(zicht), -1) != 0)
            return 2;
    }
    wxString opdracht = maakZichtBegin(tijdelijk) + tabelQuotes(zicht) + " as select ";
    for (size_t i = metEerste ? 0 : 1; i < kolommen.size(); ++i)
        opdracht += (i > (metEerste ? 0u : 1u) ? "," : "") + naamQuotes(kolommen[i]);
    opdracht += " from " + tabelQuotes(tabel);
    for (const wxString& toevoeging : toevoegingen)
        opdracht += " " + toevoeging + " ";
    const int resultaat = executeUpdate(opdracht, -1);
    if (resultaat == 0 && !tijdelijk && !isAlleenLezenDB())
        dbVeranderd = true;
    return resultaat;
}

int SQLite3Basis::maakZicht(const wxString& zicht, const wxString& select, bool tijdelijk, bool eerstVerwijderen)
{
    if (verwijderZichtVooraf(zicht, tijdelijk, eerstVerwijderen) != 0)
        return 2;
    if (bestaatZicht(zicht, true, wxString()))
        return 0;
    const int resultaat = executeUpdate(maakZichtBegin(tijdelijk) + tabelQuotes(zicht) + " as " + select, -1);
    if (resultaat == 0 && !tijdelijk && !isAlleenLezenDB())
        dbVeranderd = true;
    return resultaat;
}

// The default of a column definition ("integer default -1", "text not null
// collate nocase default 'x'"): what follows its first "default"; null
// without one.
wxString SQLite3Basis::standaardWaarde(const wxString& type)
{
    const wxString klein = type.Lower();
    const size_t plaats = klein.find("default ");
    if (plaats == wxString::npos || (plaats > 0 && !wxIsspace(klein[plaats - 1])))
        return "null";
    const wxString waarde = type.Mid(plaats + 8).Strip(wxString::both);
    return waarde.empty() ? wxString("null") : waarde;
}

// The view's name comes before the table's in every statement that does
// not name the database; the table itself is read as "main".
int SQLite3Basis::maakVervangendZicht(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types)
{
    if (types.size() < namen.size())
    {
        DesktopFunkties::wxErrorVeilig(_("The definition of table") + DesktopFunkties::dubbeleQuotes(tabel, true) +
                                       _("holds fewer types than columns."));
        return 2;
    }
    const bool bestaat = bestaatTabel(tabel, "main");
    wxArrayString opgeslagen;
    if (bestaat && leesKolomNamen("main." + tabel, opgeslagen) != 0)
        return 2;
    wxArrayString kolommen;
    bool volledig = bestaat;
    for (size_t i = 0; i < namen.size(); ++i)
    {
        if (bestaat && opgeslagen.Index(namen[i], false) != wxNOT_FOUND)
        {
            kolommen.Add(naamQuotes(namen[i]));
            continue;
        }
        kolommen.Add(standaardWaarde(types[i]) + " as " + naamQuotes(namen[i]));
        volledig = false;
    }
    if (volledig)
        return 0;
    const wxString bron = bestaat ? " from main." + naamQuotes(tabel) : wxString(" where 0");
    return executeUpdate("create temporary view if not exists " + naamQuotes(tabel) + " as select " +
                             wxJoin(kolommen, ',', '\0') + bron,
                         -1);
}
