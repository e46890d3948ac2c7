#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_GEHEUGENLEZING_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_GEHEUGENLEZING_H

class SQLite3Basis;

// A read of a whole table: while it lives, SQLite reads the database file
// mapped into memory rather than copying every page it looks at. A search
// that finds its text in the first columns of a row touches a few bytes of
// each page instead of the page whole, and takes a fraction of the time. Only
// for the read: an I/O error on a mapped file ends the program (SIGBUS)
// instead of failing the statement, so the mapping goes with the read.
// Where SQLite was built without it, the read is as before.
class GeheugenLezing
{
public:
    explicit GeheugenLezing(SQLite3Basis& db);
    ~GeheugenLezing();

    GeheugenLezing(const GeheugenLezing&) = delete;
    GeheugenLezing& operator=(const GeheugenLezing&) = delete;

private:
    SQLite3Basis& db;
    bool actief = false;

    bool zet(bool aan);
};

#endif
