// The check of the whole file, at its start and at its end, and what the
// program remembers of the files it found sound: a file whose bytes are
// identified as they were when it was known sound is not read whole again
// at its opening. Known sound it stays while only this connection writes
// into it: the version before each of its commits, read while the commit
// holds the lock that keeps the commits of others out, must be the one known
// sound, and the version after it one commit further; and what identifies
// the bytes, before each commit and at the close, must be what the program
// itself left after its opening or its last commit, for a write beside
// SQLite changes no version. Otherwise the file is forgotten.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/BestandsKenmerk.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <sqlite3.h>
#include <wx/fileconf.h>
#include <wx/intl.h>

void SQLite3Basis::laatKontroleLos()
{
    if (!kontrole)
        return;
    if (kontrole->isKlaar() && kontrole->geefUitkomst() == BestandsKontrole::Uitkomst::Gaaf)
        static_cast<void>(controleerBestand());
    else
        stopKontrole();
}

void SQLite3Basis::beginKontrole(const wxString& naam, const wxString& sleutel, int vlaggen)
{
    auto* db = static_cast<sqlite3*>(GetDatabaseHandle());
    gaafVersie = BestandsVersie();
    eigenKenmerk = BestandsKenmerk();
    commitGezien = false;
    onthoudingOpen = false;
    sqlite3_commit_hook(db, &SQLite3Basis::opCommit, this);
    if (isMemoryDB())
        return;
    gaafPad = dbPad.GetFullPath();
    // The version first: a commit after it changes what identifies the
    // bytes, and one after those were read is met at the next commit.
    const BestandsVersie versie = geefBestandsVersie();
    const BestandsKenmerk kenmerk = BestandsKenmerk::lees(db, gaafPad);
    const KontroleGeheugen* geheugen = geefGeheugen();
    if (geheugen && versie.isBekend() && geheugen->isGaaf(gaafPad, kenmerk.geefTekst()))
    {
        gaafVersie = versie;
        neemEigenKenmerkOp(kenmerk);
        return;
    }
    kontroleVersie = versie;
    kontroleKenmerk = kenmerk;
    kontrole = std::make_unique<BestandsKontrole>(naam, sleutel, vlaggen, geefWachtTijden().slot);
}

// What the check read is the file at the version it began at, unless a
// commit came since: then it is sound for this open, but not known sound.
// Nor is it when anything else wrote into the file meanwhile.
void SQLite3Basis::neemGaafOver()
{
    if (!IsOpen() || geefBestandsVersie() != kontroleVersie)
        return;
    gaafVersie = kontroleVersie;
    neemEigenKenmerkOp(kontroleKenmerk);
    onthoudGaaf(true);
}

void SQLite3Basis::neemEigenKenmerkOp(const BestandsKenmerk& kenmerk)
{
    eigenKenmerk = kenmerk;
    eigenOverloop = geefOverloop();
}

// Pages that a large transaction wrote before its commit, to keep its cache
// within its size.
int SQLite3Basis::geefOverloop()
{
    int aantal = 0;
    int hoogste = 0;
    sqlite3_db_status(static_cast<sqlite3*>(GetDatabaseHandle()), SQLITE_DBSTATUS_CACHE_SPILL, &aantal, &hoogste, 0);
    return aantal;
}

// Such a transaction changed what identifies the bytes itself before its
// commit: in WAL mode only the log, so that the file's own part must still
// be as the program left it; with a rollback journal the file, which can
// then not be told from a write of another program.
bool SQLite3Basis::isEigenKenmerk(bool wal)
{
    if (eigenKenmerk.isLeeg())
        return false;
    const BestandsKenmerk nu = BestandsKenmerk::lees(static_cast<sqlite3*>(GetDatabaseHandle()), gaafPad);
    if (geefOverloop() == eigenOverloop)
        return nu == eigenKenmerk;
    return wal && nu.isBestandGelijk(eigenKenmerk);
}

// Runs in the commit, on whichever thread runs it, before the commit
// writes: it reads the file's own header or the log index's, and the
// file's times, and touches nothing else of the connection.
int SQLite3Basis::opCommit(void* verbinding)
{
    auto& db = *static_cast<SQLite3Basis*>(verbinding);
    if (db.gaafVersie.isBekend())
    {
        db.voorCommit = BestandsVersie::lees(static_cast<sqlite3*>(db.GetDatabaseHandle()));
        db.voorCommitEigen = db.isEigenKenmerk(db.voorCommit.isLog());
        db.commitGezien = true;
    }
    return 0;
}

// A commit that wrote nothing into the file (an empty transaction, a
// temporary table) leaves its version as it was. A switch of the journal is
// the one commit that changes the kind of version: it takes the file whole.
// After a switch into the log the version is read through a statement,
// which opens the log. What identifies the bytes after the commit is read
// after the statement, the log folded into the file that it may have
// brought along included.
void SQLite3Basis::neemCommitOp()
{
    if (!commitGezien)
    {
        if (onthoudingOpen && IsOpen())
            onthoudGaaf(false);
        return;
    }
    commitGezien = false;
    if (!gaafVersie.isBekend() || !IsOpen())
        return;
    BestandsVersie na = BestandsVersie::lees(static_cast<sqlite3*>(GetDatabaseHandle()));
    if (!na.isBekend())
        na = geefBestandsVersie();
    if (voorCommit != gaafVersie || !voorCommitEigen)
        vergeetGaaf(true);
    else if (na == voorCommit)
    {
        if (onthoudingOpen)
            onthoudGaaf(false);
    }
    else if (na.isEenCommitNa(voorCommit) || (na.isBekend() && na.isLog() != voorCommit.isLog()))
    {
        gaafVersie = na;
        neemEigenKenmerkOp(BestandsKenmerk::lees(static_cast<sqlite3*>(GetDatabaseHandle()), gaafPad));
        onthoudGaaf(false);
    }
    else
        vergeetGaaf(true);
}

// What identifies the bytes is read between two reads of the version: a
// commit of another program in between would be taken for sound. A change
// in the clock's tick of the last one would leave the times as they were,
// so a record names only changes whose tick has passed; after a commit of
// its own the program does not wait for that (the close does), nor write
// the memory at every one of many commits in a row.
void SQLite3Basis::onthoudGaaf(bool naDeTik)
{
    onthoudingOpen = false;
    const KontroleGeheugen* geheugen = geefGeheugen();
    if (!geheugen || !gaafVersie.isBekend() || isMemoryDB())
        return;
    // Pages that a transaction wrote before its commit are not what the
    // program left: its commit takes them over.
    if (!naDeTik && geefOverloop() != eigenOverloop)
        return;
    const auto nu = std::chrono::steady_clock::now();
    if (!naDeTik && (nu < volgendeOnthouding || !eigenKenmerk.isNaDeTik()))
    {
        onthoudingOpen = true;
        return;
    }
    auto* db = static_cast<sqlite3*>(GetDatabaseHandle());
    const BestandsKenmerk kenmerk =
        naDeTik ? BestandsKenmerk::leesNaDeTik(db, gaafPad) : BestandsKenmerk::lees(db, gaafPad);
    if (kenmerk.isLeeg() || kenmerk != eigenKenmerk || geefBestandsVersie() != gaafVersie)
    {
        vergeetGaaf(true);
        return;
    }
    volgendeOnthouding = nu + std::chrono::seconds(1);
    meldGeheugenFout(geheugen->onthoud(gaafPad, kenmerk.geefTekst()));
}

void SQLite3Basis::vergeetGaaf(bool vergeten)
{
    gaafVersie = BestandsVersie();
    if (!vergeten || isMemoryDB())
        return;
    if (const KontroleGeheugen* geheugen = geefGeheugen())
        meldGeheugenFout(geheugen->vergeet(dbPad.GetFullPath()));
}

const KontroleGeheugen* SQLite3Basis::geefGeheugen()
{
    if (config == nullptr)
        return nullptr;
    if (!kontroleGeheugen)
        kontroleGeheugen.emplace(config->GetAppName());
    return &*kontroleGeheugen;
}

// Once in a program's run: the next opening of the file checks it again,
// which is all that is lost.
void SQLite3Basis::meldGeheugenFout(bool geschreven)
{
    static bool gemeld = false;
    if (geschreven || gemeld)
        return;
    gemeld = true;
    DesktopFunkties::wxWaarschuwingVeilig(
        wxString::Format(_("The database file \"%s\" is sound, but this could not be remembered: it is checked "
                           "again the next time it is opened."),
                         dbPad.GetFullPath()));
}

// The close folds the log into the file and removes it, as the last
// connection to it: that is done here first, without waiting for another
// program that reads, so that what identifies the bytes can be read through
// this connection as the close leaves them, between two reads of the
// version. Before it, they must be as the program itself left them. Empty
// when the file is not known sound, or another program keeps the log.
BestandsKenmerk SQLite3Basis::leesKenmerkVoorSluiten()
{
    neemCommitOp();
    if (beschadigd || isMemoryDB() || !gaafVersie.isBekend())
        return BestandsKenmerk();
    if (geefBestandsVersie() != gaafVersie || !isEigenKenmerk(gaafVersie.isLog()))
    {
        vergeetGaaf(true);
        return BestandsKenmerk();
    }
    auto* db = static_cast<sqlite3*>(GetDatabaseHandle());
    if (!isAlleenLezenDB() && leesHuidigeJournaalMode() == JournaalWAL)
    {
        sqlite3_busy_timeout(db, 0);
        const int kode = sqlite3_wal_checkpoint_v2(db, "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
        SetBusyTimeout(static_cast<int>(geefWachtTijden().slot.count()));
        if (kode != SQLITE_OK || geefBestandsVersie() != gaafVersie)
            return BestandsKenmerk();
    }
    const BestandsKenmerk kenmerk = BestandsKenmerk::leesNaDeTik(db, gaafPad);
    if (kenmerk.isLeeg() || geefBestandsVersie() != gaafVersie)
    {
        vergeetGaaf(true);
        return BestandsKenmerk();
    }
    return kenmerk;
}
