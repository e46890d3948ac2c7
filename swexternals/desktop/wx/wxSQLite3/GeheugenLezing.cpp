#include "swexternals/desktop/wx/wxSQLite3/GeheugenLezing.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <sqlite3.h>

// SQLite maps no more than its own limit (2 GiB as Debian builds it), and
// no more than the file. Run past the layer: the setting is no change of
// what the database holds.
bool GeheugenLezing::zet(bool aan)
{
    const char* opdracht = aan ? "pragma main.mmap_size=2147418112" : "pragma main.mmap_size=0";
    return sqlite3_exec(static_cast<sqlite3*>(db.GetDatabaseHandle()), opdracht, nullptr, nullptr, nullptr) ==
           SQLITE_OK;
}

GeheugenLezing::GeheugenLezing(SQLite3Basis& db_) : db(db_)
{
    actief = db.IsOpen() && zet(true);
}

GeheugenLezing::~GeheugenLezing()
{
    // Without a connection there is no mapping left.
    if (actief && db.IsOpen())
        static_cast<void>(zet(false));
}
