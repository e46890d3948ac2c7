// Reading tables, column values and rows: the SELECT text is built here from
// a table, columns, a condition and a sort order.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// Each name followed by ",", the last character cut off: an empty list gives
// an empty column part.
wxString kolomDeel(const wxArrayString& kolommen)
{
    wxString deel;
    for (const wxString& kolom : kolommen)
        deel += kolom + ",";
    if (!deel.empty())
        deel.RemoveLast();
    return deel;
}
} // namespace

wxString SQLite3Basis::voorwaardeDeel(const wxString& voorwaarde)
{
    return voorwaarde.empty() ? wxString() : " where " + voorwaarde;
}

int SQLite3Basis::leesTabelMetQuery(const wxString& opdracht, wxSQLite3Table& tabel)
{
    try
    {
        DesktopFunkties::wxLogVeilig("(SQLite3Basis::leesTabelMetQuery) sql kommando = " +
                                     DesktopAppBasis::dubbeleQuotes(opdracht, false));
        // The wrapper's GetTable loses SQLite's message when the statement
        // fails; a statement that does not prepare fails here instead.
        PrepareStatement(opdracht).Finalize();
        wxSQLite3Table gelezen = GetTable(opdracht);
        tabel = gelezen;
        if (tabel.IsOk())
            return 0;
        wxLogError("%s", _("Database Table Error"));
        return 2;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return 3;
    }
    catch (FoutMelding fout)
    {
        meldFout(_("SQLite3 errorcode :%d"), fout);
        return 3;
    }
}

int SQLite3Basis::leesTabelMetQuery(const wxString& tabelNaam, const wxString& voorwaarde, Sortering sortering,
                                    const wxString& sorteerKolom, wxSQLite3Table& tabel)
{
    return leesTabelMetQuery(
        "select * from " + tabelNaam + voorwaardeDeel(voorwaarde) + sorteer(sorteerKolom, sortering), tabel);
}

int SQLite3Basis::leesTabelMetQuery(const wxString& tabelNaam, const wxArrayString& kolommen,
                                    const wxString& voorwaarde, Sortering sortering, const wxString& sorteerKolom,
                                    wxSQLite3Table& tabel)
{
    return leesTabelMetQuery(wxString(), tabelNaam, kolommen, voorwaarde, sortering, sorteerKolom, tabel);
}

int SQLite3Basis::leesTabelMetQuery(const wxString& voorloop, const wxString& tabelNaam, const wxArrayString& kolommen,
                                    const wxString& voorwaarde, Sortering sortering, const wxString& sorteerKolom,
                                    wxSQLite3Table& tabel)
{
    return leesTabelMetQuery(voorloop + "select " + kolomDeel(kolommen) + " from " + tabelNaam +
                                 voorwaardeDeel(voorwaarde) + sorteer(sorteerKolom, sortering),
                             tabel);
}

int SQLite3Basis::leesTabelMetQuery(const wxString& kolomTekst, const wxString& tabelNaam, const wxString& voorwaarde,
                                    Sortering sortering, const wxString& sorteerKolom, wxSQLite3ResultSet& resultaat,
                                    const wxString& dbNaam)
{
    const wxString bron = dbNaam.empty() ? tabelNaam : dbNaam + "." + tabelNaam;
    return executeQueryExternResultaat("select " + kolomTekst + " from " + bron + voorwaardeDeel(voorwaarde) +
                                           sorteer(sorteerKolom, sortering),
                                       resultaat);
}

wxString SQLite3Basis::leesKolomWaarde(const wxString& tabelNaam, const wxString& kolom, const wxString& voorwaarde,
                                       Sortering sortering, const wxString& sorteerKolom)
{
    wxSQLite3Table tabel;
    if (leesTabelMetQuery(tabelNaam, wxArrayString(1, &kolom), voorwaarde, sortering, sorteerKolom, tabel) != 0)
        return wxString();
    try
    {
        tabel.SetRow(0);
        const wxString waarde = tabel.GetString(0, wxString());
        tabel.Finalize();
        return waarde;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return wxString();
    }
}

namespace
{
wxString kolomOpdracht(const wxString& tabelNaam, const wxString& kolom, const wxString& voorwaardeDeel,
                       Sortering sortering, bool uniek)
{
    return (uniek ? "select distinct " : "select ") + kolom + " from " + tabelNaam + voorwaardeDeel +
           SQLite3Basis::sorteer(kolom, sortering);
}
} // namespace

wxArrayString SQLite3Basis::leesKolomStrings(const wxString& tabelNaam, const wxString& kolom,
                                             const wxString& voorwaarde, Sortering sortering, bool uniek)
{
    wxArrayString waarden;
    wxSQLite3ResultSet rijen;
    if (executeQueryExternResultaat(kolomOpdracht(tabelNaam, kolom, voorwaardeDeel(voorwaarde), sortering, uniek),
                                    rijen) != 0)
        return waarden;
    try
    {
        while (rijen.NextRow())
            waarden.Add(rijen.GetString(0, wxString()));
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        waarden.clear();
    }
    return waarden;
}

wxArrayInt SQLite3Basis::leesKolomIntegers(const wxString& tabelNaam, const wxString& kolom, const wxString& voorwaarde,
                                           Sortering sortering, bool uniek)
{
    wxArrayInt waarden;
    wxSQLite3ResultSet rijen;
    if (executeQueryExternResultaat(kolomOpdracht(tabelNaam, kolom, voorwaardeDeel(voorwaarde), sortering, uniek),
                                    rijen) != 0)
        return waarden;
    try
    {
        while (rijen.NextRow())
            waarden.Add(rijen.GetInt(0, 0));
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        waarden.clear();
    }
    return waarden;
}

wxArrayString SQLite3Basis::leesRijStrings(const wxString& tabelNaam, const wxString& kolomTekst,
                                           const wxString& voorwaarde)
{
    wxArrayString waarden;
    wxSQLite3ResultSet rij;
    if (executeQueryExternResultaat("select " + kolomTekst + " from " + tabelNaam + voorwaardeDeel(voorwaarde), rij) !=
        0)
        return waarden;
    try
    {
        // No row: nothing to read, an empty list.
        if (rij.NextRow())
            for (int kolom = 0; kolom < rij.GetColumnCount(); ++kolom)
                waarden.Add(rij.GetString(kolom, wxString()));
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        waarden.clear();
    }
    return waarden;
}

wxArrayInt SQLite3Basis::leesRijIntegers(const wxString& tabelNaam, const wxString& kolomTekst,
                                         const wxString& voorwaarde)
{
    wxArrayInt waarden;
    wxSQLite3ResultSet rij;
    if (executeQueryExternResultaat("select " + kolomTekst + " from " + tabelNaam + voorwaardeDeel(voorwaarde), rij) !=
        0)
        return waarden;
    try
    {
        if (rij.NextRow())
            for (int kolom = 0; kolom < rij.GetColumnCount(); ++kolom)
                waarden.Add(rij.GetInt(kolom, 0));
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        waarden.clear();
    }
    return waarden;
}
