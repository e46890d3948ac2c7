#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3LEZING_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3LEZING_H

#include <cstddef>
#include <wx/string.h>

class SQLite3Basis;
struct sqlite3_stmt;

// One run of a query through SQLite's own interface: for reads of many rows,
// where the wrapper's checks and conversions per value would cost more than
// the values themselves. A statement with parameters that many runs share is
// prepared once per connection and kept by the layer until the connection
// closes; any other lives for this run alone. The run ends with the object:
// the statement is reset then, so it holds no read transaction afterwards.
// Every failure is reported as the layer reports it (a damaged file, a lock).
class SQLite3Lezing
{
public:
    // The kind of a value, as SQLite stores it.
    enum Soort
    {
        SoortGeheel = 1,
        SoortReeel = 2,
        SoortTekst = 3,
        SoortBlob = 4,
        SoortNull = 5
    };

    // `bewaren`: prepared once and kept for the next runs of the same text.
    SQLite3Lezing(SQLite3Basis& db, const wxString& opdracht, bool bewaren);
    ~SQLite3Lezing();

    SQLite3Lezing(const SQLite3Lezing&) = delete;
    SQLite3Lezing& operator=(const SQLite3Lezing&) = delete;

    // False when the statement could not be prepared (reported).
    bool isOk() const { return opdracht != nullptr; }
    // Parameters count from 1.
    void bind(int plaats, long long waarde);
    void bindNull(int plaats);
    // The next row. False at the end, or after a failure (reported), which
    // isMislukt tells apart.
    bool volgende();
    bool isMislukt() const { return mislukt; }

    int geefAantalKolommen() const;
    wxString geefKolomNaam(int kolom) const;
    // The values of the row the run stands on, converted as SQLite converts.
    Soort geefSoort(int kolom) const;
    bool isNull(int kolom) const { return geefSoort(kolom) == SoortNull; }
    long long geefGeheel(int kolom) const;
    double geefReeel(int kolom) const;
    // The bytes of a text or blob as stored; of a number, its text.
    const unsigned char* geefBytes(int kolom, size_t& lengte) const;
    // A text as the program can show and store it again (ToonbareTekst);
    // `leeg` for NULL.
    wxString geefTekst(int kolom, const wxString& leeg = wxString()) const;

private:
    SQLite3Basis& db;
    sqlite3_stmt* opdracht;
    bool bewaard;
    bool mislukt;

    void meld(int kode);
};

#endif
