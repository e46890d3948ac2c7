#include "swexternals/desktop/wx/wxSQLite3/Opwaardering.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <utility>

Opwaardering::Opwaardering(SQLite3Basis& db_, const wxString& begin) : db(db_)
{
    wxASSERT_MSG(db.opwaardering == nullptr, "one upgrade at a time");
    db.opwaardering = this;
    db.zonderRuimteBericht.clear();
    db.zonderTijdelijkeRuimte = false;
    // Refused before the file was known to be sound: the check has said why.
    if (db.wachtVoorSchrijven(begin.utf8_str()) != 0)
    {
        mislukt = true;
        return;
    }
    try
    {
        db.ExecuteUpdate(begin);
        begonnen = true;
    }
    catch (const wxSQLite3Exception& fout)
    {
        noteer(fout);
    }
}

Opwaardering::~Opwaardering()
{
    rolTerug();
    db.opwaardering = nullptr;
}

// SQLite takes back a transaction itself at some failures (a full disk
// among them): what it left open is taken back here.
void Opwaardering::rolTerug()
{
    if (!std::exchange(begonnen, false) || !db.isTransaktieOpenInDB())
        return;
    try
    {
        db.ExecuteUpdate("rollback");
    }
    catch (const wxSQLite3Exception& fout)
    {
        noteer(fout);
    }
}

void Opwaardering::noteer(const wxSQLite3Exception& fout)
{
    if (std::exchange(mislukt, true))
        return;
    if (!db.isSchijfVol(fout.GetErrorCode()))
    {
        db.meldFout(fout);
        return;
    }
    vol = true;
    db.zonderRuimteBericht = SQLite3Basis::sqliteBericht(fout);
    // Asked now, while the folder is still as full as SQLite found it.
    db.zonderTijdelijkeRuimte = db.isTijdelijkeRuimteVol();
    db.foutUitgelegd = true;
}

int Opwaardering::bewaar()
{
    if (mislukt || !begonnen)
        return 2;
    try
    {
        db.ExecuteUpdate("commit transaction");
        begonnen = false;
        db.neemCommitOp();
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        db.neemCommitOp();
        noteer(fout);
        return 2;
    }
}

int Opwaardering::geefUitkomst(int werk) const
{
    if (vol)
        return 4;
    return werk != 0 || mislukt ? 2 : 0;
}
