#include "swexternals/desktop/wx/wxSQLite3/SQLite3DB.h"

SQLite3DB::SQLite3DB(const wxFileName& bestand, bool alleenLezen, const wxString& sleutel)
    : SQLite3Basis(bestand, alleenLezen, sleutel)
{
}
