#ifndef TOEPASSING_KERN_SAVEPOINTBEWAKER_H
#define TOEPASSING_KERN_SAVEPOINTBEWAKER_H

#include <wx/string.h>

class SQLite3Basis;

// A savepoint of its own around a change of several statements, so the
// change happens whole or not at all: what ran since it was set is rolled
// back unless bewaar() released it. Set with plain SQL, beside the
// connection's own transaction bookkeeping: it nests in the open manual
// transaction or under the savepoint of safe operation, and leaves both as
// they were.
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
    // (reported), and then everything is rolled back.
    int bewaar();

private:
    SQLite3Basis& db;
    wxString naam;
    bool gezet;

    void rolTerug();
};

#endif
