#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SCHRIJFOPDRACHT_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SCHRIJFOPDRACHT_H

struct sqlite3;
struct sqlite3_stmt;

// Whether a statement may write into the connection's own database file,
// told from what SQLite promises to keep from one release to the next: what
// its authorizer is asked while the statement is prepared (the action, the
// object, the database), and sqlite3_stmt_readonly. The program that SQLite
// compiles a statement into is no such promise: its steps may be renamed
// by an update of the library under an unchanged program.
//
// A statement writes when the authorizer is asked for any change of the
// file (or for anything it does not know), or when SQLite calls it not
// read-only while nothing it asked for explains that by another object:
// the connection's temporary objects, an attached file, the question for
// the journal mode, a checkpoint (it copies into the file only what was
// committed to the log, as the close of the connection would). A pragma
// counts as a change unless it is known to read or to set the connection
// only: `pragma optimize` is read-only to SQLite, yet runs ANALYZE.
class SchrijfOpdracht
{
public:
    // What the connection's authorizer is asked, at every prepare: noted
    // while one of this object's own runs.
    void neemWaar(int actie, const char* eerste, const char* tweede, const char* database);
    // One that SQLite calls read-only passes at once unless it may be a
    // pragma; any other is prepared once more, to hear what it asks.
    bool isSchrijvend(sqlite3* db, sqlite3_stmt* opdracht);
    // Any of the statements of the text. One that cannot be prepared counts
    // as writing: it may stand on what an earlier one of the text makes.
    bool isSchrijvend(sqlite3* db, const char* tekst);

private:
    bool waarnemend = false;
    // Asked for a change of the file, or for what is not known.
    bool raaktBestand = false;
    // Asked for a change of something else only.
    bool raaktAnders = false;
};

#endif
