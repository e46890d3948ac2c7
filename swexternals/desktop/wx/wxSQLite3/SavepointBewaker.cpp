#include "swexternals/desktop/wx/wxSQLite3/SavepointBewaker.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

SavepointBewaker::SavepointBewaker(SQLite3Basis& db_, const wxString& naam_) : db(db_), naam(naam_), gezet(false)
{
    gezet = db.zetGeheelSavePoint(naam) == 0;
}

// A failure to take the change back is reported by the connection, which
// then accepts no further change until the user undoes the open ones.
SavepointBewaker::~SavepointBewaker()
{
    if (gezet)
        static_cast<void>(db.rolGeheelTerug(naam));
}

int SavepointBewaker::bewaar()
{
    if (!gezet)
        return 2;
    gezet = false;
    return db.bewaarGeheel(naam);
}
