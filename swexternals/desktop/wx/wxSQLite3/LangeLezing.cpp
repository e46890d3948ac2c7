#include "swexternals/desktop/wx/wxSQLite3/LangeLezing.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

LangeLezing::LangeLezing(SQLite3Basis& db_, bool meteen) : db(db_), actief(db.beginLangeLezing(meteen)) {}

LangeLezing::~LangeLezing()
{
    if (actief)
        db.eindigLangeLezing();
}
