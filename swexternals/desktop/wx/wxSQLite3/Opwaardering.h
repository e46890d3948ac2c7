#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_OPWAARDERING_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_OPWAARDERING_H

#include <wx/string.h>

class SQLite3Basis;
class wxSQLite3Exception;

// The upgrade of the open file at its start, or the trial before it, while
// it runs: a transaction of its own, begun with it and rolled back as it
// ends unless bewaar() committed it, whatever way the scope is left (a
// return, a failure code, an exception). Meanwhile the connection hands
// every statement of its own that fails to it rather than to the user: the
// upgrade is said as a whole. No user's change is open at a start, and none
// is taken back.
class Opwaardering
{
public:
    // `begin`: the statement that opens the transaction.
    Opwaardering(SQLite3Basis& db, const wxString& begin);
    ~Opwaardering();

    Opwaardering(const Opwaardering&) = delete;
    Opwaardering& operator=(const Opwaardering&) = delete;

    // Rolls back what is still open, now rather than at the scope's end.
    void rolTerug();
    // A statement of the upgrade failed. The first failure is said at once,
    // unless the disk had no room: that the start says in its own words.
    // What fails after it follows from it, and is not said.
    void noteer(const wxSQLite3Exception& fout);
    bool isMislukt() const { return mislukt; }
    // Commits what ran, unless something failed. 0 done; 2 not (noted).
    [[nodiscard]] int bewaar();
    // With the result of the work that ran in it: 0 done; 2 failed (said);
    // 4 the disk had no room (not said).
    int geefUitkomst(int werk) const;

private:
    SQLite3Basis& db;
    // Begun and neither committed nor rolled back yet.
    bool begonnen = false;
    bool mislukt = false;
    bool vol = false;
};

#endif
