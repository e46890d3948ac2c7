#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSKENMERK_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSKENMERK_H

#include <array>
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
// it at the close of the last connection. Times that carry no part of a
// second identify nothing: a file system that keeps whole seconds (ext4 with
// small inodes, FAT, some network shares) leaves them as they were at a
// write in the same second, so such a file is never identified.
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
    // were. This reads them, waits until that tick has passed, and reads
    // them again, so that every change after it shows; a tick at the most
    // later. Empty when the clock does not pass it, and when the second read
    // differs from the first: something changed the file meanwhile.
    static BestandsKenmerk leesNaDeTik(sqlite3* db, const wxString& pad);

    // As the memory keeps it; empty when nothing was read.
    wxString geefTekst() const;
    bool isLeeg() const { return !gelezen; }
    // The clock has passed the tick of the latest change named here: a
    // change from now on shows.
    bool isNaDeTik() const;
    // Compared at every commit: without making the text.
    bool operator==(const BestandsKenmerk& ander) const;
    bool operator!=(const BestandsKenmerk& ander) const { return !(*this == ander); }
    // The file alone is identified alike, its log left out.
    bool isBestandGelijk(const BestandsKenmerk& ander) const;

private:
    // What identifies one file, without its header.
    struct Staat
    {
        unsigned long long apparaat = 0;
        unsigned long long inode = 0;
        unsigned long long grootte = 0;
        timespec gewijzigd{};
        timespec veranderd{};
        bool operator==(const Staat& ander) const;
    };
    static wxString alsTekst(const Staat& staat, const unsigned char* kop, size_t lengte);

    bool gelezen = false;
    Staat bestand;
    std::array<unsigned char, 100> kop{};
    bool metLog = false;
    Staat logDeel;
    std::array<unsigned char, 32> logKop{};
    // The latest change of the file or its log itself.
    timespec laatst{};
};

#endif
