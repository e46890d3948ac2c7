// A damaged file: once SQLite reports damage, nothing more is written into
// it, so what can still be read stays as it is. SQLite itself refuses the
// writes, whoever asks for them.
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <cstring>
#include <sqlite3.h>

namespace
{
bool isHoofdDatabase(const char* database)
{
    return database != nullptr && std::strcmp(database, "main") == 0;
}

// Pragmas that write into the file; the others set the connection, or read.
bool isSchrijvendePragma(const char* naam, const char* waarde)
{
    if (naam == nullptr)
        return false;
    if (sqlite3_stricmp(naam, "wal_checkpoint") == 0 || sqlite3_stricmp(naam, "incremental_vacuum") == 0)
        return true;
    static const char* const metWaarde[] = {"journal_mode", "user_version", "application_id",
                                            "page_size",    "auto_vacuum",  "schema_version"};
    if (waarde == nullptr)
        return false;
    for (const char* pragma : metWaarde)
        if (sqlite3_stricmp(naam, pragma) == 0)
            return true;
    return false;
}
} // namespace

int SQLite3Basis::magSchrijven(void* verbinding, int actie, const char* eerste, const char* tweede,
                               const char* database, const char*)
{
    if (!static_cast<const SQLite3Basis*>(verbinding)->beschadigd)
        return SQLITE_OK;
    switch (actie)
    {
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
        return isHoofdDatabase(database) ? SQLITE_DENY : SQLITE_OK;
    case SQLITE_ALTER_TABLE:
        return isHoofdDatabase(eerste) ? SQLITE_DENY : SQLITE_OK;
    case SQLITE_PRAGMA:
        return isSchrijvendePragma(eerste, tweede) ? SQLITE_DENY : SQLITE_OK;
    default:
        return SQLITE_OK;
    }
}

void SQLite3Basis::markeerBeschadigd()
{
    if (beschadigd || !IsOpen())
        return;
    beschadigd = true;
    sqlite3* verbinding = static_cast<sqlite3*>(GetDatabaseHandle());
    // The log holds committed changes; copying them into a damaged file
    // could spread the damage, so they stay in the log.
    sqlite3_wal_autocheckpoint(verbinding, 0);
    sqlite3_db_config(verbinding, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}
