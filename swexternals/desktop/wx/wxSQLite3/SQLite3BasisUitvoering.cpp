// Running statements and queries: the place where the wrapper's exceptions
// end and become a result code and one error line in the log.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <sqlite3.h>
#include <wx/intl.h>
#include <wx/log.h>

void SQLite3Basis::meldFout(const wxSQLite3Exception& fout) const
{
    wxString tekst = _("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(fout.GetMessage(), true);
    const int kode = fout.GetErrorCode();
    if (kode == SQLITE_BUSY || kode == SQLITE_LOCKED)
        tekst += DesktopAppBasis::vr + _("The database is locked by another program. Close it there and try again.");
    DesktopFunkties::wxLogVeilig(tekst);
    DesktopFunkties::wxErrorVeilig(tekst);
}

void SQLite3Basis::meldFout(const wxString& formaat, FoutMelding fout)
{
    const wxString tekst = wxString::Format(formaat, static_cast<int>(fout));
    DesktopFunkties::wxLogVeilig(tekst);
    DesktopFunkties::wxErrorVeilig(tekst);
    dbStatus = DBStatusFout;
}

int SQLite3Basis::executeUpdate(const wxString& opdracht, long long verwacht)
{
    if (wijzigingGeblokkeerd)
    {
        DesktopFunkties::wxErrorVeilig(_("The previous change could not be committed, so this change was not made.") +
                                       DesktopAppBasis::vr + _("Commit or undo the previous change first."));
        return 2;
    }
    return voerUit(opdracht, verwacht);
}

int SQLite3Basis::voerUit(const wxString& opdracht, long long verwacht)
{
    try
    {
        const long long veranderd = ExecuteUpdate(opdracht);
        if (verwacht != -1 && veranderd != verwacht)
        {
            const wxString tekst = _("Database Execute Error");
            DesktopFunkties::wxLogVeilig(tekst);
            DesktopFunkties::wxErrorVeilig(tekst);
            return 2;
        }
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return 2;
    }
    catch (FoutMelding fout)
    {
        meldFout(_("SQLite3 errorcode :%d"), fout);
        return 2;
    }
}

wxSQLite3ResultSet SQLite3Basis::executeQuery(const wxString& opdracht, bool loggen)
{
    wxSQLite3ResultSet resultaat;
    try
    {
        if (loggen)
            DesktopFunkties::wxLogVeilig("(SQLite3Basis::executeQuery) sql commando = " + opdracht);
        resultaat = ExecuteQuery(opdracht);
        if (!resultaat.IsOk())
        {
            const wxString tekst = _("Database Query Error");
            DesktopFunkties::wxLogVeilig(tekst);
            DesktopFunkties::wxErrorVeilig(tekst);
        }
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        resultaat = wxSQLite3ResultSet();
    }
    catch (FoutMelding fout)
    {
        meldFout(_("SQLite3 errorcode : %d"), fout);
        resultaat = wxSQLite3ResultSet();
    }
    return resultaat;
}

int SQLite3Basis::executeQueryExternResultaat(const wxString& opdracht, wxSQLite3ResultSet& resultaat)
{
    try
    {
        DesktopFunkties::wxLogVeilig(
            "(SQLite3Basis::executeQueryExternResultaat) sql commando = " +
            DesktopFunkties::dubbeleQuotes(DesktopFunkties::maakSchoonPrintNaam(opdracht), false));
        wxSQLite3ResultSet nieuw = ExecuteQuery(opdracht);
        resultaat = nieuw;
        if (resultaat.IsOk())
            return 0;
        const wxString tekst = _("Database Query Error");
        DesktopFunkties::wxLogVeilig(tekst);
        DesktopFunkties::wxErrorVeilig(tekst);
        return 2;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return 2;
    }
}

// Not the wrapper's ExecuteScalar: that one reads 32 bits, and counts and
// sums can grow past them.
long long SQLite3Basis::executeSkalair(const wxString& opdracht)
{
    try
    {
        wxSQLite3ResultSet resultaat = ExecuteQuery(opdracht);
        if (!resultaat.NextRow())
        {
            const wxString tekst =
                _("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(_("The query yielded no value."), true);
            DesktopFunkties::wxLogVeilig(tekst);
            DesktopFunkties::wxErrorVeilig(tekst);
            dbStatus = DBStatusFout;
            return -1;
        }
        return resultaat.GetInt64(0).GetValue();
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return -1;
    }
}

wxArrayString SQLite3Basis::executeStringKolomQuery(const wxString& opdracht, bool loggen)
{
    wxArrayString waarden;
    wxSQLite3ResultSet resultaat = executeQuery(opdracht, loggen);
    if (!resultaat.IsOk())
        return waarden;
    try
    {
        while (resultaat.NextRow())
            waarden.Add(resultaat.GetString(0, wxString()));
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        waarden.clear();
    }
    return waarden;
}
