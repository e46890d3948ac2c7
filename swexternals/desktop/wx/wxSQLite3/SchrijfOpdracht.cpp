#include "swexternals/desktop/wx/wxSQLite3/SchrijfOpdracht.h"

#include <initializer_list>
#include <sqlite3.h>

namespace
{
enum class Doel
{
    Niets,
    Bestand,
    Anders
};

bool isEenVan(const char* naam, std::initializer_list<const char*> namen)
{
    if (naam == nullptr)
        return false;
    for (const char* kandidaat : namen)
        if (sqlite3_stricmp(naam, kandidaat) == 0)
            return true;
    return false;
}

// A change names the database it changes; without a name it is the file's.
Doel geefDatabaseDoel(const char* database)
{
    return database != nullptr && sqlite3_stricmp(database, "main") != 0 ? Doel::Anders : Doel::Bestand;
}

// Only pragmas known to leave the file alone; any other one may write into
// it, directly or through a statement of its own.
Doel geefPragmaDoel(const char* naam, const char* waarde)
{
    // They read, or set this connection only, whatever they are given.
    if (isEenVan(naam, {"cache_size", "cache_spill", "data_version", "freelist_count", "index_info", "index_list",
                        "index_xinfo", "integrity_check", "page_count", "quick_check", "synchronous", "table_info",
                        "table_xinfo", "wal_checkpoint"}))
        return Doel::Anders;
    // They read when they are given nothing.
    if (waarde == nullptr && isEenVan(naam, {"application_id", "journal_mode", "page_size", "user_version"}))
        return Doel::Anders;
    return Doel::Bestand;
}

// A pragma is the one statement that SQLite may call read-only while it
// writes; its text begins with the word. A comment before it is not
// skipped here: such a text may be one.
bool magPragmaZijn(const char* tekst)
{
    while (*tekst == ' ' || *tekst == '\t' || *tekst == '\n' || *tekst == '\r' || *tekst == '\f')
        ++tekst;
    return *tekst == '-' || *tekst == '/' || sqlite3_strnicmp(tekst, "pragma", 6) == 0;
}

Doel geefDoel(int actie, const char* eerste, const char* tweede, const char* database)
{
    switch (actie)
    {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
    case SQLITE_TRANSACTION:
    case SQLITE_SAVEPOINT:
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
        return Doel::Niets;
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_TRIGGER:
    case SQLITE_CREATE_TEMP_VIEW:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_DROP_TEMP_VIEW:
        return Doel::Anders;
    // SQLite asks leave to change its schema table when it declares a
    // table of its own, such as those of the pragma functions, in a
    // statement it calls read-only; a real change of it never is.
    case SQLITE_UPDATE:
        if (isEenVan(eerste, {"sqlite_master", "sqlite_schema"}))
            return Doel::Niets;
        return geefDatabaseDoel(database);
    case SQLITE_INSERT:
    case SQLITE_DELETE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_ANALYZE:
    case SQLITE_REINDEX:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_VTABLE:
        return geefDatabaseDoel(database);
    case SQLITE_ALTER_TABLE:
        return geefDatabaseDoel(eerste);
    case SQLITE_PRAGMA:
        return geefPragmaDoel(eerste, tweede);
    default:
        return Doel::Bestand;
    }
}
} // namespace

void SchrijfOpdracht::neemWaar(int actie, const char* eerste, const char* tweede, const char* database)
{
    if (!waarnemend)
        return;
    switch (geefDoel(actie, eerste, tweede, database))
    {
    case Doel::Bestand:
        raaktBestand = true;
        break;
    case Doel::Anders:
        raaktAnders = true;
        break;
    case Doel::Niets:
        break;
    }
}

bool SchrijfOpdracht::isSchrijvend(sqlite3* db, sqlite3_stmt* opdracht)
{
    if (opdracht == nullptr)
        return false;
    const char* tekst = sqlite3_sql(opdracht);
    if (tekst == nullptr)
        return true;
    // The list's reads pass at the cost of a test, not of a prepare.
    if (sqlite3_stmt_readonly(opdracht) && !magPragmaZijn(tekst))
        return false;
    return isSchrijvend(db, tekst);
}

bool SchrijfOpdracht::isSchrijvend(sqlite3* db, const char* tekst)
{
    const char* rest = tekst;
    while (rest != nullptr && *rest != '\0')
    {
        sqlite3_stmt* opdracht = nullptr;
        const char* staart = nullptr;
        raaktBestand = false;
        raaktAnders = false;
        waarnemend = true;
        const int kode = sqlite3_prepare_v2(db, rest, -1, &opdracht, &staart);
        waarnemend = false;
        const bool schrijvend = kode != SQLITE_OK || raaktBestand ||
                                (opdracht != nullptr && !sqlite3_stmt_readonly(opdracht) && !raaktAnders);
        sqlite3_finalize(opdracht);
        if (schrijvend)
            return true;
        rest = staart;
    }
    return false;
}
