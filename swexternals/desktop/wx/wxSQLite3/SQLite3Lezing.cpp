#include "swexternals/desktop/wx/wxSQLite3/SQLite3Lezing.h"

#include "swexternals/desktop/ToonbareTekst.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <sqlite3.h>

SQLite3Lezing::SQLite3Lezing(SQLite3Basis& db_, const wxString& tekst, bool bewaren)
    : db(db_), opdracht(nullptr), bewaard(bewaren), mislukt(false)
{
    opdracht = bewaren ? db.geefBewaardeOpdracht(tekst) : db.bereidRuwVoor(tekst);
    // A kept statement passes the gate before writes at every run.
    mislukt = opdracht == nullptr || db.wachtVoorSchrijven(opdracht) != 0;
}

SQLite3Lezing::~SQLite3Lezing()
{
    if (opdracht == nullptr)
        return;
    if (!bewaard)
    {
        sqlite3_finalize(opdracht);
        return;
    }
    // Kept for the next run: no read transaction stays open, no value of
    // this run stays bound.
    sqlite3_reset(opdracht);
    sqlite3_clear_bindings(opdracht);
}

void SQLite3Lezing::bind(int plaats, long long waarde)
{
    if (opdracht == nullptr || mislukt)
        return;
    const int kode = sqlite3_bind_int64(opdracht, plaats, waarde);
    if (kode != SQLITE_OK)
        meld(kode);
}

void SQLite3Lezing::bindNull(int plaats)
{
    if (opdracht == nullptr || mislukt)
        return;
    const int kode = sqlite3_bind_null(opdracht, plaats);
    if (kode != SQLITE_OK)
        meld(kode);
}

bool SQLite3Lezing::volgende()
{
    if (opdracht == nullptr || mislukt)
        return false;
    const int kode = sqlite3_step(opdracht);
    if (kode == SQLITE_ROW)
        return true;
    if (kode != SQLITE_DONE)
        meld(sqlite3_extended_errcode(sqlite3_db_handle(opdracht)));
    return false;
}

void SQLite3Lezing::meld(int kode)
{
    mislukt = true;
    db.meldFout(wxSQLite3Exception(kode, wxString::FromUTF8(sqlite3_errmsg(sqlite3_db_handle(opdracht)))));
}

int SQLite3Lezing::geefAantalKolommen() const
{
    return opdracht == nullptr ? 0 : sqlite3_column_count(opdracht);
}

wxString SQLite3Lezing::geefKolomNaam(int kolom) const
{
    const char* naam = sqlite3_column_name(opdracht, kolom);
    return naam == nullptr ? wxString() : wxString::FromUTF8(naam);
}

SQLite3Lezing::Soort SQLite3Lezing::geefSoort(int kolom) const
{
    return static_cast<Soort>(sqlite3_column_type(opdracht, kolom));
}

long long SQLite3Lezing::geefGeheel(int kolom) const
{
    return sqlite3_column_int64(opdracht, kolom);
}

double SQLite3Lezing::geefReeel(int kolom) const
{
    return sqlite3_column_double(opdracht, kolom);
}

const unsigned char* SQLite3Lezing::geefBytes(int kolom, size_t& lengte) const
{
    // The blob form converts nothing: a text's bytes stay as stored.
    const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(opdracht, kolom));
    lengte = static_cast<size_t>(sqlite3_column_bytes(opdracht, kolom));
    return bytes;
}

wxString SQLite3Lezing::geefTekst(int kolom, const wxString& leeg) const
{
    if (isNull(kolom))
        return leeg;
    size_t lengte = 0;
    const unsigned char* bytes = geefBytes(kolom, lengte);
    return bytes == nullptr ? wxString() : ToonbareTekst::uitUTF8(reinterpret_cast<const char*>(bytes), lengte);
}
