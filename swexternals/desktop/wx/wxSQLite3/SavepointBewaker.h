#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SAVEPOINTBEWAKER_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SAVEPOINTBEWAKER_H

#include <wx/string.h>

class SQLite3Basis;

// A savepoint of the connection around one change of several statements,
// so the change happens whole or not at all: what ran since it was set is
// taken back unless bewaar() kept it. It nests in the open manual
// transaction or under the savepoint of safe operation and leaves the
// transaction mode as it was (SQLite3Basis::zetGeheelSavePoint).
class SavepointBewaker
{
public:
    // The name must be a plain SQL identifier.
    SavepointBewaker(SQLite3Basis& db, const wxString& naam);
    ~SavepointBewaker();

    SavepointBewaker(const SavepointBewaker&) = delete;
    SavepointBewaker& operator=(const SavepointBewaker&) = delete;

    // False when the savepoint could not be set (reported): change nothing.
    bool isGezet() const { return gezet; }
    // Keeps what ran since the savepoint was set. 0 done; 2 failed
    // (reported), and then everything is taken back.
    [[nodiscard]] int bewaar();

private:
    SQLite3Basis& db;
    wxString naam;
    bool gezet;
};

#endif
