// The check of the whole file, at its start and at its end, and what the
// program remembers of the files it found sound: a file whose bytes are
// identified as they were when it was known sound is not read whole again
// at its opening. Known sound it stays while only this connection commits:
// the version before each of its commits, read while the commit holds the
// lock that keeps the commits of others out, must be the one known sound,
// and the version after it one commit further.
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
    commitGezien = false;
    sqlite3_commit_hook(db, &SQLite3Basis::opCommit, this);
    if (isMemoryDB())
        return;
    // The version first: a commit after it changes what identifies the
    // bytes, and one after those were read is met at the next commit.
    const BestandsVersie versie = geefBestandsVersie();
    const KontroleGeheugen* geheugen = geefGeheugen();
    if (geheugen && versie.isBekend() &&
        geheugen->isGaaf(dbPad.GetFullPath(), BestandsKenmerk::lees(db, dbPad.GetFullPath()).geefTekst()))
    {
        gaafVersie = versie;
        return;
    }
    kontroleVersie = versie;
    kontrole = std::make_unique<BestandsKontrole>(naam, sleutel, vlaggen, geefWachtTijden().slot);
}

// What the check read is the file at the version it began at, unless a
// commit came since: then it is sound for this open, but not known sound.
void SQLite3Basis::neemGaafOver()
{
    if (!IsOpen() || geefBestandsVersie() != kontroleVersie)
        return;
    gaafVersie = kontroleVersie;
    onthoudGaaf(true);
}

// Runs in the commit, on whichever thread runs it: it reads the file's own
// header or the log index's, and touches nothing else of the connection.
int SQLite3Basis::opCommit(void* verbinding)
{
    auto& db = *static_cast<SQLite3Basis*>(verbinding);
    if (db.gaafVersie.isBekend())
    {
        db.voorCommit = BestandsVersie::lees(static_cast<sqlite3*>(db.GetDatabaseHandle()));
        db.commitGezien = true;
    }
    return 0;
}

// A commit that wrote nothing into the file (an empty transaction, a
// temporary table) leaves its version as it was. A switch of the journal is
// the one commit that changes the kind of version: it takes the file whole.
// After a switch into the log the version is read through a statement,
// which opens the log.
void SQLite3Basis::neemCommitOp()
{
    if (!commitGezien)
        return;
    commitGezien = false;
    if (!gaafVersie.isBekend() || !IsOpen())
        return;
    BestandsVersie na = BestandsVersie::lees(static_cast<sqlite3*>(GetDatabaseHandle()));
    if (!na.isBekend())
        na = geefBestandsVersie();
    if (voorCommit != gaafVersie)
        vergeetGaaf(false);
    else if (na == voorCommit)
        return;
    else if (na.isEenCommitNa(voorCommit) || (na.isBekend() && na.isLog() != voorCommit.isLog()))
    {
        gaafVersie = na;
        onthoudGaaf(false);
    }
    else
        vergeetGaaf(false);
}

// What identifies the bytes is read between two reads of the version: a
// commit of another program in between would be taken for sound. After a
// commit of its own the program does not wait for the clock's tick (the
// close does): the commit wrote just before. Nor does it write the memory at
// every one of many commits in a row: a second at the most after the one
// before; the close writes what is left.
void SQLite3Basis::onthoudGaaf(bool naDeTik)
{
    const KontroleGeheugen* geheugen = geefGeheugen();
    if (!geheugen || !gaafVersie.isBekend() || isMemoryDB())
        return;
    const auto nu = std::chrono::steady_clock::now();
    if (!naDeTik && nu < volgendeOnthouding)
        return;
    volgendeOnthouding = nu + std::chrono::seconds(1);
    const wxString pad = dbPad.GetFullPath();
    auto* db = static_cast<sqlite3*>(GetDatabaseHandle());
    const BestandsKenmerk kenmerk = naDeTik ? BestandsKenmerk::leesNaDeTik(db, pad) : BestandsKenmerk::lees(db, pad);
    if (geefBestandsVersie() != gaafVersie)
        return;
    meldGeheugenFout(geheugen->onthoud(pad, kenmerk.geefTekst()));
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
// this connection as the close leaves them. Empty when the file is not known
// sound, or another program keeps the log.
BestandsKenmerk SQLite3Basis::leesKenmerkVoorSluiten()
{
    neemCommitOp();
    if (beschadigd || isMemoryDB() || !gaafVersie.isBekend() || geefBestandsVersie() != gaafVersie)
        return BestandsKenmerk();
    auto* db = static_cast<sqlite3*>(GetDatabaseHandle());
    if (!isAlleenLezenDB() && leesHuidigeJournaalMode() == JournaalWAL)
    {
        sqlite3_busy_timeout(db, 0);
        const int kode = sqlite3_wal_checkpoint_v2(db, "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
        SetBusyTimeout(static_cast<int>(geefWachtTijden().slot.count()));
        if (kode != SQLITE_OK || geefBestandsVersie() != gaafVersie)
            return BestandsKenmerk();
    }
    return BestandsKenmerk::leesNaDeTik(db, dbPad.GetFullPath());
}
