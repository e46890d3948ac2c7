// Commit and one-level undo: in manual mode the newest change stays open
// until the next change, a commit or an undo; under a savepoint every change
// collects until the savepoint is released or rolled back to.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <climits>
#include <sqlite3.h>
#include <utility>
#include <wx/intl.h>

namespace
{
// Immediate: the change holds the write lock from its start, so a lock that
// another program holds refuses the change here, with nothing left open,
// and not at its first statement, which would leave a transaction open
// that holds nothing and keeps the other program's commits out of sight.
const wxString beginTransaktie = "begin immediate transaction";
const wxString commitTransaktie = "commit transaction";
const wxString rollback = "rollback";
} // namespace

// The transaction statements bypass the refusal of executeUpdate: they are
// the way out of it.
int SQLite3Basis::voerTransaktieUit(const wxString& opdracht)
{
    return voerUit(opdracht, -1);
}

int SQLite3Basis::voerCommitUit(const wxString& opdracht)
{
    const auto commit = [&] { return voerUit(opdracht, -1, true); };
    const int resultaat = commitOmhulsel ? commitOmhulsel(commit) : commit();
    commitGeweigerd = resultaat != 0 && isTransaktieOpenInDB();
    return resultaat;
}

// The version of the file is taken once the transaction holds the write
// lock: from then on no other connection commits until it ends. (The page
// that holds the change counter stays in SQLite's cache until the commit.)
void SQLite3Basis::onthoudOpdracht(const std::function<void()>& neemOp, bool wasOpen)
{
    // Ended (committed, undone, or taken back by SQLite): what ran in it is
    // never run again. An undo ends it even where its rollback failed:
    // SQLite does not report that of a plain rollback.
    if (!isTransaktieOpenInDB())
    {
        transaktieVerslag.wis();
        zetOverloopTerug();
        commitGeweigerd = false;
        return;
    }
    if (!wasOpen)
    {
        transaktieVerslag.begin(openingen);
        commitGeweigerd = false;
    }
    if (transaktieVerslag.isOnvolledig())
        return;
    neemOp();
    if (!transaktieVerslag.heeftVersie() && isSchrijfTransaktieOpen())
        transaktieVerslag.zetVersie(geefBestandsVersie());
}

// SQLite's data version first: in an open transaction, its read takes the
// lock.
BestandsVersie SQLite3Basis::geefBestandsVersie()
{
    if (geefInhoudVersie().dataVersie < 0)
        return BestandsVersie();
    return BestandsVersie::lees(static_cast<sqlite3*>(GetDatabaseHandle()));
}

// SQLite takes back the whole transaction when its commit fails for want of
// room (and after some failures of a statement in it): the user's open
// changes would be gone, the newest before the user could commit it. A
// release that commits leaves a transaction open that holds nothing. A file
// found damaged gets nothing written into it again.
void SQLite3Basis::herstelNaFout(bool wasOpen, const wxSQLite3Exception& fout)
{
    const int kode = fout.GetErrorCode() & 0xff;
    herstel = TransaktieVerslag::Herstel::Geen;
    if (!wasOpen || houdtWijzigingen() || kode == SQLITE_CORRUPT || kode == SQLITE_NOTADB)
        return;
    herstelTransaktie();
}

bool SQLite3Basis::houdtWijzigingen()
{
    return IsOpen() && sqlite3_txn_state(static_cast<sqlite3*>(GetDatabaseHandle()), nullptr) == SQLITE_TXN_WRITE;
}

// The statements run again in memory, in SQLite's cache, without writing:
// the room the disk lacks is needed only at the commit. A change larger than
// the cache would spill into the log on the way, so the cache takes it whole
// until it ends: a read that needed room in the cache would otherwise write
// it into the file, and with a rollback journal SQLite takes the whole
// change back when that write finds the disk still full. They run only onto
// the file as it stood before: between SQLite's
// rollback and the new transaction another program may have committed, and
// a statement that found its row by a number the rollback gave back would
// then change that program's row. Half put back is worse than not at all: a
// statement that fails now takes all of it back. What is not put back is
// gone, savepoints included.
void SQLite3Basis::herstelTransaktie()
{
    TransaktieVerslag verslag;
    std::swap(verslag, transaktieVerslag);
    herstel = TransaktieVerslag::Herstel::Onvolledig;
    try
    {
        // What SQLite left open holds nothing of the user's.
        if (isTransaktieOpenInDB())
            ExecuteUpdate(rollback);
        if (verslag.isVolledig(openingen))
        {
            zetOverloopUit();
            herstel =
                verslag.speelAf(static_cast<sqlite3*>(GetDatabaseHandle()), [this] { return geefBestandsVersie(); });
            if (herstel != TransaktieVerslag::Herstel::Hersteld && isTransaktieOpenInDB())
                ExecuteUpdate(rollback);
        }
    }
    catch (const wxSQLite3Exception&)
    {
        // Closing the connection takes back what is left.
        if (herstel != TransaktieVerslag::Herstel::Hersteld)
            herstel = TransaktieVerslag::Herstel::Mislukt;
    }
    if (herstel == TransaktieVerslag::Herstel::Hersteld)
    {
        std::swap(verslag, transaktieVerslag);
        return;
    }
    zetOverloopTerug();
    savePointNamen.clear();
    if (transaktieMode == TransaktieSavePoint)
        transaktieMode = modeVoorSavePoint;
}

void SQLite3Basis::zetOverloopUit()
{
    if (overloopVoorHerstel < 0 || overloopOpening != openingen)
    {
        overloopVoorHerstel = ExecuteScalar("pragma cache_spill");
        overloopOpening = openingen;
    }
    ExecuteUpdate(wxString::Format("pragma cache_spill=%d", INT_MAX));
}

// The change put back stays whole in the cache while the program reads: a
// read that wrote it into the file to make room, on a disk still full, would
// have SQLite take it all back unseen. A statement of the layer's own may
// spill it, so that later changes keep the cache within its limit: where the
// disk still has no room, that statement fails and what was open is put
// back again, as after any change refused for want of room.
long long SQLite3Basis::schrijfMetOverloop(const std::function<long long()>& voerDoor)
{
    if (overloopVoorHerstel < 0 || overloopOpening != openingen)
        return voerDoor();
    ExecuteUpdate(wxString::Format("pragma cache_spill=%d", overloopVoorHerstel));
    long long veranderd = 0;
    try
    {
        veranderd = voerDoor();
    }
    catch (...)
    {
        zetOverloopUit();
        throw;
    }
    zetOverloopUit();
    return veranderd;
}

void SQLite3Basis::zetOverloopTerug()
{
    const int overloop = std::exchange(overloopVoorHerstel, -1);
    if (overloop < 0 || overloopOpening != openingen || !IsOpen())
        return;
    try
    {
        ExecuteUpdate(wxString::Format("pragma cache_spill=%d", overloop));
    }
    catch (const wxSQLite3Exception&)
    {
        // The cache keeps what it has until the connection closes.
    }
}

bool SQLite3Basis::isTransaktieOpenInDB() const
{
    if (!IsOpen())
        return false;
    try
    {
        // The wrapper's query is not marked const but reads only.
        return !const_cast<SQLite3Basis*>(this)->GetAutoCommit();
    }
    catch (const wxSQLite3Exception&)
    {
        return false;
    }
}

bool SQLite3Basis::handmatigeTransaktieBezig() const
{
    return transaktieMode == TransaktieHandmatig && isTransaktieOpenInDB();
}

bool SQLite3Basis::rolTerugMogelijk() const
{
    return handmatigeTransaktieBezig();
}

int SQLite3Basis::startTransaktie()
{
    if (transaktieMode == TransaktieAutoCommit || transaktieMode == TransaktieSavePoint)
        return 0;
    if (transaktieMode != TransaktieHandmatig)
        return 3;
    // Nothing more goes into a damaged file; the open change stays as it is.
    if (beschadigd)
    {
        DesktopFunkties::wxErrorVeilig(_("The database file") +
                                       DesktopFunkties::dubbeleQuotes(dbPad.GetFullPath(), true) +
                                       _("is damaged. Nothing more is written into it."));
        return 2;
    }
    if (isTransaktieOpenInDB() && voerCommitUit(commitTransaktie) != 0)
    {
        // The failure has been reported, a full disk with what became of the
        // previous change; the new one is refused in so many words.
        if (isTransaktieOpenInDB())
            DesktopFunkties::wxErrorVeilig(
                _("The previous change could not be committed, so this change was not made.") + DesktopAppBasis::vr +
                _("It is still open: commit or undo it."));
        else if (!isFoutUitgelegd())
            DesktopFunkties::wxErrorVeilig(_("The previous change could not be committed.") + DesktopAppBasis::vr +
                                           _("SQLite has rolled it back."));
        wijzigingGeblokkeerd = true;
        return 2;
    }
    // A begin that fails leaves nothing open and nothing of the user's
    // behind: the next change may simply try again.
    wijzigingGeblokkeerd = false;
    return voerTransaktieUit(beginTransaktie);
}

int SQLite3Basis::stopTransaktie()
{
    if (transaktieMode == TransaktieSavePoint)
        return 1;
    if (transaktieMode != TransaktieAutoCommit && transaktieMode != TransaktieHandmatig)
        return 3;
    if (!isTransaktieOpenInDB())
    {
        wijzigingGeblokkeerd = false;
        return 0;
    }
    const int resultaat = voerCommitUit(commitTransaktie);
    if (resultaat == 0)
        wijzigingGeblokkeerd = false;
    return resultaat;
}

int SQLite3Basis::rolTerugTransaktie(const wxString& naam)
{
    if (transaktieMode == TransaktieHandmatig)
    {
        if (!isTransaktieOpenInDB())
            return 2;
        const int resultaat = voerTransaktieUit(rollback);
        if (!isTransaktieOpenInDB())
            wijzigingGeblokkeerd = false;
        DesktopFunkties::wxLogVeilig("TransaktieStatus : handmatig rollback gedaan.");
        return resultaat;
    }
    if (transaktieMode == TransaktieSavePoint)
    {
        if (!controleerSavePointNaam(naam))
            return 2;
        const int resultaat = rolTerugNaarSavePoint(naam);
        if (resultaat == 0)
        {
            vergeetSavePointsNa(naam, false);
            // Whatever half a change blocked the connection is gone with it.
            wijzigingGeblokkeerd = false;
        }
        DesktopFunkties::wxLogVeilig("TransaktieStatus : savepoint rollback [" + naam + "] gedaan.");
        return resultaat;
    }
    return 3;
}

int SQLite3Basis::schakelHandmatigeTransaktie(Stand stand, const wxString& naam)
{
    if (!naam.empty())
    {
        if (stand == StandAan)
            return zetSavePoint(naam);
        if (stand == StandUit)
            return transaktieMode == TransaktieSavePoint ? geefSavePointVrij(naam) : 3;
        return 2;
    }
    if (transaktieMode == TransaktieSavePoint)
        return 2; // release the savepoint first
    if (stand == StandUit)
    {
        const int resultaat = stopTransaktie();
        transaktieMode = TransaktieAutoCommit;
        return resultaat;
    }
    if (stand == StandAan)
    {
        // A commit that fails (reported) is the result; the mode stays manual.
        const int gestopt = transaktieMode == TransaktieHandmatig ? stopTransaktie() : 0;
        transaktieMode = TransaktieHandmatig;
        return gestopt;
    }
    return 3;
}

// A savepoint name goes into the statement as it is, so only a plain
// identifier is accepted: nothing else can ride along into the SQL.
bool SQLite3Basis::isGeldigeSavePointNaam(const wxString& naam)
{
    if (naam.empty())
        return false;
    bool eerste = true;
    for (const wxUniChar teken : naam)
    {
        const wxUint32 c = teken.GetValue();
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        const bool cijfer = c >= '0' && c <= '9';
        if (!letter && !(cijfer && !eerste))
            return false;
        eerste = false;
    }
    return true;
}

bool SQLite3Basis::controleerSavePointNaam(const wxString& naam)
{
    if (isGeldigeSavePointNaam(naam))
        return true;
    DesktopFunkties::wxErrorVeilig(_("Invalid savepoint name:") + DesktopFunkties::dubbeleQuotes(naam, true));
    return false;
}

// Releasing or rolling back to a savepoint ends the ones set after it as well.
void SQLite3Basis::vergeetSavePointsNa(const wxString& naam, bool zelfOok)
{
    const int plaats = savePointNamen.Index(naam);
    if (plaats == wxNOT_FOUND)
        return;
    const size_t vanaf = static_cast<size_t>(plaats) + (zelfOok ? 0 : 1);
    if (vanaf < savePointNamen.size())
        savePointNamen.RemoveAt(vanaf, savePointNamen.size() - vanaf);
}

int SQLite3Basis::zetSavePoint(const wxString& naam)
{
    if (!controleerSavePointNaam(naam))
        return 2;
    // The change left open is committed first; when that fails (reported),
    // no savepoint is set, or the change would fall under it.
    if (transaktieMode == TransaktieHandmatig && stopTransaktie() != 0)
        return 2;
    const int resultaat = voerTransaktieUit("savepoint " + naam);
    if (resultaat == 0)
    {
        if (savePointNamen.empty())
            modeVoorSavePoint = transaktieMode;
        savePointNamen.Add(naam);
        transaktieMode = TransaktieSavePoint;
    }
    return resultaat;
}

int SQLite3Basis::geefSavePointVrij(const wxString& naam)
{
    if (!controleerSavePointNaam(naam))
        return 2;
    // The first savepoint began the transaction: its release commits it.
    const wxString opdracht = "release " + naam;
    const int resultaat = savePointNamen.Index(naam) == 0 ? voerCommitUit(opdracht) : voerTransaktieUit(opdracht);
    if (resultaat != 0)
        return resultaat;
    vergeetSavePointsNa(naam, true);
    if (savePointNamen.empty())
        transaktieMode = TransaktieAutoCommit;
    return 0;
}

int SQLite3Basis::zetGeheelSavePoint(const wxString& naam)
{
    if (!controleerSavePointNaam(naam) || isWijzigingGeweigerd())
        return 2;
    return voerTransaktieUit("savepoint " + naam);
}

int SQLite3Basis::bewaarGeheel(const wxString& naam)
{
    if (voerTransaktieUit("release " + naam) == 0)
        return 0;
    static_cast<void>(rolGeheelTerug(naam));
    return 2;
}

// A rollback to a savepoint keeps it set; only the release ends it.
int SQLite3Basis::rolGeheelTerug(const wxString& naam)
{
    if (rolTerugNaarSavePoint(naam) != 0)
    {
        // Within an upgrade, its scope takes back all of it as it ends.
        if (opwaardering != nullptr)
            return 2;
        wijzigingGeblokkeerd = true;
        DesktopFunkties::wxErrorVeilig(_("The change could not be taken back whole.") + DesktopAppBasis::vr +
                                       _("Undo the open changes before you go on."));
        return 2;
    }
    // Released after its rollback it holds nothing: a failed release leaves
    // an empty savepoint that the end of the transaction removes.
    return voerTransaktieUit("release " + naam) == 0 ? 0 : 2;
}

// What is taken back is never put back, not even when the rollback itself
// fails and SQLite takes back the whole transaction; nor does it take room
// in the record.
int SQLite3Basis::rolTerugNaarSavePoint(const wxString& naam)
{
    transaktieVerslag.rolTerugNaar(naam.utf8_string());
    return voerTransaktieUit("rollback transaction to " + naam);
}

void SQLite3Basis::resetTransaktie()
{
    if (transaktieMode == TransaktieSavePoint || !isTransaktieOpenInDB())
        return;
    // A rollback that fails (reported) keeps changes refused.
    if (voerTransaktieUit(rollback) == 0)
        wijzigingGeblokkeerd = false;
}

// One rollback ends the transaction in every mode, its savepoints with it.
int SQLite3Basis::verwerpOpenWijzigingen()
{
    if (!isTransaktieOpenInDB())
        return 0;
    // A failure has been reported; what counts is whether anything stays.
    static_cast<void>(voerTransaktieUit(rollback));
    if (isTransaktieOpenInDB())
        return 2;
    savePointNamen.clear();
    if (transaktieMode == TransaktieSavePoint)
        transaktieMode = modeVoorSavePoint;
    wijzigingGeblokkeerd = false;
    return 0;
}
