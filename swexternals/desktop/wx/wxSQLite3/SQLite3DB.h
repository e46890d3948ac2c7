#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3DB_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3DB_H

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

// A connection to one given database file, without a configuration.
class SQLite3DB : public SQLite3Basis
{
public:
    SQLite3DB(const wxFileName& bestand, bool alleenLezen, const wxString& sleutel);
};

#endif
