#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3TABEL_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3TABEL_H

#include <wx/string.h>
#include <wx/wxsqlite3.h>

class SQLite3Basis;

// An empty result table; the connection and the table name are not used.
class SQLite3Tabel : public wxSQLite3Table
{
public:
    SQLite3Tabel(const SQLite3Basis& db, const wxString& tabelNaam);
    ~SQLite3Tabel() override;
};

#endif
