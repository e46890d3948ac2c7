#include "swexternals/desktop/wx/wxSQLite3/TijdelijkeWijziging.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

TijdelijkeWijziging::TijdelijkeWijziging(SQLite3Basis& db_) : db(db_)
{
    ++db.tijdelijkeWijzigingen;
}

TijdelijkeWijziging::~TijdelijkeWijziging()
{
    --db.tijdelijkeWijzigingen;
}
