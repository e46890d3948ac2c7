#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TIJDELIJKEWIJZIGING_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TIJDELIJKEWIJZIGING_H

class SQLite3Basis;

// While it lives, what the connection runs changes only its own temporary
// objects (a view renewed for another condition): no change of what the
// database holds, so the content's version stays
// (SQLite3Basis::geefInhoudVersie).
class TijdelijkeWijziging
{
public:
    explicit TijdelijkeWijziging(SQLite3Basis& db);
    ~TijdelijkeWijziging();

    TijdelijkeWijziging(const TijdelijkeWijziging&) = delete;
    TijdelijkeWijziging& operator=(const TijdelijkeWijziging&) = delete;

private:
    SQLite3Basis& db;
};

#endif
