#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SCHRIJFOPDRACHT_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SCHRIJFOPDRACHT_H

struct sqlite3;
struct sqlite3_stmt;

// Whether a statement writes into the connection's own database file: it
// opens a write transaction on it, sets its journal mode, or vacuums it, as
// SQLite's program for the statement says. A statement that writes only
// the connection's temporary objects, or an attached file, does not; nor
// does a checkpoint, which copies into the file only what was committed.
class SchrijfOpdracht
{
public:
    static bool isSchrijvend(sqlite3* db, sqlite3_stmt* opdracht);
    // Any of the statements of the text. One that cannot be prepared counts
    // as writing: it may stand on what an earlier one of the text makes.
    static bool isSchrijvend(sqlite3* db, const char* tekst);
};

#endif
