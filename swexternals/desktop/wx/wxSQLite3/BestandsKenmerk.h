#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSKENMERK_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSKENMERK_H

#include <ctime>
#include <wx/string.h>

struct sqlite3;

// What identifies the bytes of a database file and of its log as they lie
// on the disk, read without reading them: for each, the device and inode,
// the size, the times of the last change of its bytes and of the file
// itself (which nobody can set back: a copy that keeps the modification
// time changes it), and the header that SQLite rewrites at every commit (the
// change counter) or at every new beginning of the log. A log that holds
// nothing counts as none: SQLite makes it empty at an opening, and removes
// it at the close of the last connection.
class BestandsKenmerk
{
public:
    // Of the main database of the connection, its headers read through the
    // connection's own files: another opening of the file by this process
    // would drop the connection's locks at its close. Empty when it cannot
    // be read, and for a log that holds something which the connection has
    // not opened.
    static BestandsKenmerk lees(sqlite3* db, const wxString& pad);
    // The system times a change of a file by a clock that moves in ticks:
    // a change in the tick of the last one would leave the times as they
    // were. This reads them once that tick has passed, so that every change
    // after it shows; a tick at the most later. Empty when the clock does
    // not pass it.
    static BestandsKenmerk leesNaDeTik(sqlite3* db, const wxString& pad);

    const wxString& geefTekst() const { return tekst; }
    bool isLeeg() const { return tekst.empty(); }

private:
    wxString tekst;
    // The latest change of the file or its log itself.
    timespec laatst{};
};

#endif
