#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LANGELEZING_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LANGELEZING_H

class SQLite3Basis;

// A read that may last: while it lives, the connection's hand-over
// (SQLite3Basis::zetTussendoor) runs now and then once the read has taken
// longer than the first wait, so that the program's window can paint. Its
// end takes the hand-over off the connection again; without one set it
// does nothing at all.
class LangeLezing
{
public:
    // `meteen`: the read is part of work known to last, which hands over at
    // its first chance and then at the pace; the first wait spares the
    // window's turns to reads that end soon.
    explicit LangeLezing(SQLite3Basis& db, bool meteen = false);
    ~LangeLezing();

    LangeLezing(const LangeLezing&) = delete;
    LangeLezing& operator=(const LangeLezing&) = delete;

private:
    SQLite3Basis& db;
    bool actief;
};

#endif
