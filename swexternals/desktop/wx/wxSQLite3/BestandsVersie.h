#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSVERSIE_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSVERSIE_H

#include <array>

struct sqlite3;

// What tells whether another connection committed to a database file since
// it was read: what every commit changes and a rollback leaves as it was.
// SQLite's data version will not do: it moves as well when the connection
// itself rolled back from its journal or dropped its cache after a failed
// write. With a rollback journal it is the change counter in the file's
// header; in WAL mode, where that counter stands still, the header of the
// log's index, which each commit rewrites and a rollback does not touch,
// less what a new beginning of the log rewrites without a commit.
class BestandsVersie
{
public:
    // Unknown: equal to none.
    BestandsVersie() = default;
    // The version of the main database of the connection now. Read through
    // the connection's own file: another opening of it would take POSIX
    // locks of this process that its closing drops, this connection's
    // included. A database in memory has one version: no other connection
    // writes into it. Unknown in WAL mode while the connection has not
    // opened the log (a file read as it lies on the disk).
    static BestandsVersie lees(sqlite3* db);

    bool isBekend() const { return bekend; }
    // In WAL mode; the other kind of version after a switch of the journal.
    bool isLog() const { return wal; }
    // This version follows `vorige` by exactly one commit: the file's change
    // counter, or the count of commits in the log index's header, is one
    // higher. Every commit adds one to it, whoever makes it.
    bool isEenCommitNa(const BestandsVersie& vorige) const;
    bool operator==(const BestandsVersie& ander) const;
    bool operator!=(const BestandsVersie& ander) const { return !(*this == ander); }

private:
    // The bytes that tell: the change counter, or the log index's header.
    std::array<unsigned char, 48> kop{};
    bool wal = false;
    bool bekend = false;
};

#endif
