// Reading tables, column values and rows: the SELECT text is built here from
// a table, columns, a condition and a sort order.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/ToonbareTekst.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <functional>
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
                                     DesktopFunkties::dubbeleQuotes(opdracht, false));
        // The wrapper's GetTable loses SQLite's message when the statement
        // fails; a statement that does not prepare fails here instead.
        PrepareStatement(opdracht).Finalize();
        wxSQLite3Table gelezen = GetTable(opdracht);
        tabel = gelezen;
        if (tabel.IsOk())
            return 0;
        wxLogError("%s", _("Database Table Error"));
        foutUitgelegd = false;
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
        meldFout(_("SQLite3 errorcode: %d"), fout);
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

wxString SQLite3Basis::leesTekst(wxSQLite3ResultSet& rij, int kolom, const wxString& leeg)
{
    if (rij.IsNull(kolom))
        return leeg;
    // The bytes as stored: the wrapper's own reading gives an empty text for
    // bytes that are no UTF-8, and lets a code point beyond Unicode through.
    int lengte = 0;
    const unsigned char* bytes = rij.GetBlob(kolom, lengte);
    return bytes == nullptr ? wxString() : ToonbareTekst::uitUTF8(reinterpret_cast<const char*>(bytes), lengte);
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
        const wxString waarde = ToonbareTekst::maak(tabel.GetString(0, wxString()));
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

bool SQLite3Basis::leesWaarden(const wxString& opdracht, bool heleEersteRij,
                               const std::function<void(wxSQLite3ResultSet&, int)>& neem)
{
    wxSQLite3ResultSet rijen;
    if (executeQueryExternResultaat(opdracht, rijen) != 0)
        return false;
    try
    {
        if (!heleEersteRij)
            while (rijen.NextRow())
                neem(rijen, 0);
        else if (rijen.NextRow()) // no row: nothing to read, an empty list
            for (int kolom = 0; kolom < rijen.GetColumnCount(); ++kolom)
                neem(rijen, kolom);
        return true;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return false;
    }
}

wxArrayString SQLite3Basis::leesKolomStrings(const wxString& tabelNaam, const wxString& kolom,
                                             const wxString& voorwaarde, Sortering sortering, bool uniek)
{
    wxArrayString waarden;
    if (!leesWaarden(kolomOpdracht(tabelNaam, kolom, voorwaardeDeel(voorwaarde), sortering, uniek), false,
                     [&](wxSQLite3ResultSet& rij, int k) { waarden.Add(leesTekst(rij, k)); }))
        waarden.clear();
    return waarden;
}

wxArrayInt SQLite3Basis::leesKolomIntegers(const wxString& tabelNaam, const wxString& kolom, const wxString& voorwaarde,
                                           Sortering sortering, bool uniek)
{
    wxArrayInt waarden;
    if (!leesWaarden(kolomOpdracht(tabelNaam, kolom, voorwaardeDeel(voorwaarde), sortering, uniek), false,
                     [&](wxSQLite3ResultSet& rij, int k) { waarden.Add(rij.GetInt(k, 0)); }))
        waarden.clear();
    return waarden;
}

wxArrayString SQLite3Basis::leesRijStrings(const wxString& tabelNaam, const wxString& kolomTekst,
                                           const wxString& voorwaarde)
{
    wxArrayString waarden;
    if (!leesWaarden("select " + kolomTekst + " from " + tabelNaam + voorwaardeDeel(voorwaarde), true,
                     [&](wxSQLite3ResultSet& rij, int k) { waarden.Add(leesTekst(rij, k)); }))
        waarden.clear();
    return waarden;
}

wxArrayInt SQLite3Basis::leesRijIntegers(const wxString& tabelNaam, const wxString& kolomTekst,
                                         const wxString& voorwaarde)
{
    wxArrayInt waarden;
    if (!leesWaarden("select " + kolomTekst + " from " + tabelNaam + voorwaardeDeel(voorwaarde), true,
                     [&](wxSQLite3ResultSet& rij, int k) { waarden.Add(rij.GetInt(k, 0)); }))
        waarden.clear();
    return waarden;
}
