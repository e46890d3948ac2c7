#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TRANSAKTIEVERSLAG_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TRANSAKTIEVERSLAG_H

#include <vector>
#include <wx/string.h>

// What ran in the transaction that is open, statement by statement, from
// the one that opened it: enough to open it again as it stood. SQLite takes
// back the whole transaction when its commit fails for want of room, or a
// statement fails that badly; the user's open changes, kept here, are then
// put back instead of lost (SQLite3Basis::herstelTransaktie).
class TransaktieVerslag
{
public:
    // After a statement that ran, with the transaction open after it:
    // `begint` when it opened the transaction. `opening` tells the
    // connection's opens apart: no record outlives its own.
    void neemOp(const wxString& opdracht, bool begint, unsigned long long opening);
    // After a rollback to the savepoint of that name: what ran since it
    // was set is gone; it stays set itself.
    void rolTerugNaar(const wxString& savepoint);
    void wis();
    // The statements that open the transaction again as it stood; none when
    // the record is of another opening, or one of its statements is not
    // known (an empty text taken in).
    std::vector<wxString> geefOpdrachten(unsigned long long opening) const;

private:
    std::vector<wxString> opdrachten;
    unsigned long long opening = 0;
    bool onvolledig = false;
};

#endif
