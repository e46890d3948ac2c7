// Row counts, the user version of the file and column statistics.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/intl.h>
#include <wx/log.h>

long long SQLite3Basis::geefAantalRijen(const wxString& tabelNaam)
{
    const wxString opdracht = "select count(*) from " + tabelNaam;
    DesktopFunkties::wxLogVeilig("(SQLite3Basis::geefAantalRijen) sql commando = " + opdracht);
    return executeSkalair(opdracht);
}

int SQLite3Basis::zetUserVersion(int waarde)
{
    return executeUpdate(wxString::Format("pragma user_version=%d", waarde), -1);
}

int SQLite3Basis::geefUserVersion()
{
    wxSQLite3ResultSet resultaat = executeQuery("pragma user_version", true);
    if (!resultaat.IsOk())
        return 0;
    try
    {
        return resultaat.NextRow() ? DesktopFunkties::leesSignedInteger(resultaat.GetString(0, wxString())) : 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return 0;
    }
}

std::pair<int, int> SQLite3Basis::geefIntKolomBereik(const wxString& tabelNaam, const wxString& kolom)
{
    const wxString opdracht = "select min(" + kolom + "),max(" + kolom + ") from " + tabelNaam;
    DesktopFunkties::wxLogVeilig("(SQLite3Basis::geefIntKolomBereik) sql commando = " + opdracht);
    wxSQLite3ResultSet rij;
    if (executeQueryExternResultaat(opdracht, rij) != 0)
        return {-1, 1};
    try
    {
        if (rij.NextRow())
            return {rij.GetInt(0, 0), rij.GetInt(1, 0)};
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return {-1, 1};
    }
    DesktopFunkties::wxErrorVeilig(_("Error querying min and max values on") +
                                   DesktopFunkties::dubbeleQuotes(kolom, true) + _("of table") +
                                   DesktopFunkties::dubbeleQuotes(tabelNaam, true));
    return {-1, 0};
}

long long SQLite3Basis::geefKolomVeldLengte(const wxString& tabelNaam, const wxString& kolom,
                                            QueryStatistiek statistiek)
{
    static const wxString openingen[3] = {"min(", "max(", "avg("};
    if (statistiek > StatistiekGemiddelde)
        return -1;
    return executeSkalair("select " + openingen[statistiek] + "length(" + kolom + ")) from " + tabelNaam);
}
