#include "toepassing/kern/SavepointBewaker.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

SavepointBewaker::SavepointBewaker(SQLite3Basis& db_, const wxString& naam_) : db(db_), naam(naam_), gezet(false)
{
    gezet = db.executeUpdate("savepoint " + naam) == 0;
}

SavepointBewaker::~SavepointBewaker()
{
    if (gezet)
        rolTerug();
}

int SavepointBewaker::bewaar()
{
    if (!gezet)
        return 2;
    if (db.executeUpdate("release " + naam) != 0)
    {
        rolTerug();
        return 2;
    }
    gezet = false;
    return 0;
}

// A rollback to a savepoint keeps it set; only the release ends it.
void SavepointBewaker::rolTerug()
{
    db.executeUpdate("rollback transaction to " + naam);
    db.executeUpdate("release " + naam);
    gezet = false;
}
