#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TRANSAKTIEVERSLAG_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TRANSAKTIEVERSLAG_H

#include "swexternals/desktop/wx/wxSQLite3/BestandsVersie.h"
#include "swexternals/desktop/wx/wxSQLite3/VerslagBlok.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// What ran in the transaction that is open, statement by statement, from
// the one that opened it: enough to open it again as it stood. SQLite takes
// back the whole transaction when its commit fails for want of room, or a
// statement fails that badly; the user's open changes, kept here, are then
// put back instead of lost (SQLite3Basis::herstelTransaktie), but only onto
// the file as it stood before, and only when the record is whole.
//
// One block of bytes: the texts in UTF-8, a prepared statement's values as
// SQLite held them, so that a value comes back as it went in (a number
// written out as text would come back rounded). Each is copied into it once;
// it is given back whole, to the system, when the transaction ends.
class TransaktieVerslag
{
public:
    // What became of a transaction that SQLite took back.
    enum class Herstel
    {
        Geen,        // none was taken back
        Hersteld,    // it is open again as it stood
        Onvolledig,  // the record did not hold all of it
        Gewijzigd,   // another connection committed since: the file moved
        Vergrendeld, // another connection held the file locked
        Mislukt      // a statement of it failed when it ran again
    };

    // Past this many bytes the record is given up: it would keep a copy of
    // every text of a series of large changes (safe operation collects them
    // for a whole session, a renumbering runs a statement per row) while
    // only a disk that fills up at the commit ever needs it. What is open
    // then cannot be put back, and the program says so.
    static size_t geefGrens();
    // Tests make it small. Returns the limit that held before.
    static size_t zetGrens(size_t nieuw);

    // A statement of the connection's opening `opening` opened a
    // transaction: the record starts anew.
    void begin(unsigned long long opening);
    // A statement that ran in the open transaction, as SQLite got it: its
    // UTF-8 text of `lengte` bytes.
    void neemOp(const char* opdracht, size_t lengte);
    // A prepared statement that ran, with its values: the one row of
    // `waarden` (a select of its parameters, stepped).
    void neemOp(const char* sql, sqlite3_stmt* waarden);
    // A statement ran that the record cannot hold as it ran: what is open
    // cannot be put back any more. What was kept goes.
    void markeerOnvolledig();
    bool isOnvolledig() const { return onvolledig; }
    // Before a rollback to the savepoint of that name: what ran since it was
    // set is gone; it stays set itself.
    void rolTerugNaar(const std::string& savepoint);
    // The transaction ended: the record goes, with the memory it held.
    void wis();
    // The version of the file while the transaction held the write lock:
    // no other connection could commit until it ended. Unknown, the record
    // cannot be put back.
    void zetVersie(const BestandsVersie& versie_);
    bool heeftVersie() const { return versie.isBekend(); }
    // The record holds the whole open transaction of this opening.
    bool isVolledig(unsigned long long opening_) const;
    // Runs the record again on the connection, which has no transaction
    // open: first the statement that opened it, then, when `leesVersie`
    // gives the version the file had when it wrote, the rest. Hersteld, or
    // why not (the caller takes back what did run).
    Herstel speelAf(sqlite3* db, const std::function<BestandsVersie()>& leesVersie) const;

private:
    VerslagBlok inhoud;
    // Where each savepoint that is still set ends in the record, oldest first.
    std::vector<std::pair<std::string, size_t>> savepoints;
    // The text of the prepared statement written last, at this place in the
    // record: the next run of it writes only its values.
    size_t laatsteSQL = 0;
    size_t laatsteSQLLengte = 0;
    unsigned long long opening = 0;
    BestandsVersie versie;
    bool begonnen = false;
    bool onvolledig = false;

    // Room for `extra` bytes more, within the limit; false (and the record
    // given up) beyond it.
    bool maakRuimte(size_t extra);
    void schrijf(const void* bytes, size_t aantal);
    void schrijfLengte(size_t lengte);
    void vergeetSavepointsNa(size_t einde);
};

#endif
