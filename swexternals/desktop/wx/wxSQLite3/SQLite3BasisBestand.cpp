// The database as a file: copies through SQLite's online backup, moving it,
// attaching further files and compacting it.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <sqlite3.h>
#include <thread>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/platinfo.h>
#include <wx/utils.h>

namespace
{
const wxString aanhaakScheiding = "_HA_";

// How often a copy that waits for a lock (SQLite3Basis::WachtTijden) tries
// again; after the wait it gives up instead of hanging.
const std::chrono::milliseconds wachtStap(50);

// What SQLite keeps beside a database file.
const wxString bijBestanden[3] = {"-journal", "-wal", "-shm"};

wxString blok(const wxString& pad)
{
    return DesktopAppBasis::sp + DesktopFunkties::blokhaken(pad, false);
}

// Copies the main database of `bron` into the file, in one transaction on the
// target: when it fails, SQLite rolls the target back. Empty when done, else
// SQLite's reason.
wxString schrijfKopie(sqlite3* bron, const wxString& pad)
{
    sqlite3* doel = nullptr;
    int kode = sqlite3_open_v2(pad.utf8_str(), &doel, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (kode != SQLITE_OK)
    {
        const wxString reden = wxString::FromUTF8(doel != nullptr ? sqlite3_errmsg(doel) : sqlite3_errstr(kode));
        sqlite3_close(doel);
        return reden;
    }
    const std::chrono::milliseconds wachtTijd = SQLite3Basis::geefWachtTijden().kopie;
    sqlite3_busy_timeout(doel, static_cast<int>(wachtTijd.count()));
    sqlite3_backup* kopie = sqlite3_backup_init(doel, "main", bron, "main");
    if (kopie == nullptr)
    {
        const wxString reden = wxString::FromUTF8(sqlite3_errmsg(doel));
        sqlite3_close(doel);
        return reden;
    }
    const auto grens = std::chrono::steady_clock::now() + wachtTijd;
    do
    {
        kode = sqlite3_backup_step(kopie, -1);
        if (kode == SQLITE_BUSY || kode == SQLITE_LOCKED)
            std::this_thread::sleep_for(std::min(wachtStap, wachtTijd));
    } while ((kode == SQLITE_OK || kode == SQLITE_BUSY || kode == SQLITE_LOCKED) &&
             std::chrono::steady_clock::now() < grens);
    const int einde = sqlite3_backup_finish(kopie);
    wxString reden;
    if (kode == SQLITE_BUSY || kode == SQLITE_LOCKED)
        reden = _("The database or the target file stays locked by another connection.");
    else if (kode != SQLITE_DONE)
        reden = wxString::FromUTF8(sqlite3_errstr(kode));
    else if (einde != SQLITE_OK)
        reden = wxString::FromUTF8(sqlite3_errmsg(doel));
    if (sqlite3_close(doel) != SQLITE_OK && reden.empty())
        reden = wxString::FromUTF8(sqlite3_errmsg(doel));
    return reden;
}

void verwijderMetBijBestanden(const wxString& pad)
{
    for (const wxString& bij : bijBestanden)
        if (wxFileExists(pad + bij))
            wxRemoveFile(pad + bij);
    if (wxFileExists(pad))
        wxRemoveFile(pad);
}
} // namespace

unsigned int SQLite3Basis::geefGebruiksMarker()
{
    return DesktopAppBasis::maakOpsProcIDKombi(wxPlatformInfo::Get().GetOperatingSystemId(), wxGetProcessId());
}

// A copy from the connection that holds an uncommitted write would wait for
// ever: SQLite hands the pages over only outside such a transaction.
bool SQLite3Basis::isSchrijfTransaktieOpen() const
{
    if (!IsOpen())
        return false;
    sqlite3* verbinding = static_cast<sqlite3*>(const_cast<SQLite3Basis*>(this)->GetDatabaseHandle());
    return sqlite3_txn_state(verbinding, "main") == SQLITE_TXN_WRITE;
}

bool SQLite3Basis::isDatabaseBestand(const wxString& pad)
{
    static const char kop[] = "SQLite format 3";
    wxFile bestand;
    if (!bestand.Open(pad, wxFile::read))
        return false;
    const wxFileOffset lengte = bestand.Length();
    if (lengte == 0)
        return true; // SQLite takes an empty file for an empty database
    char gelezen[sizeof(kop)] = {};
    return lengte >= static_cast<wxFileOffset>(sizeof(kop)) &&
           bestand.Read(gelezen, sizeof(kop)) == static_cast<ssize_t>(sizeof(kop)) &&
           std::memcmp(gelezen, kop, sizeof(kop)) == 0;
}

bool SQLite3Basis::isKopieGoed(const wxString& pad)
{
    try
    {
        // Read-write without create: the check writes nothing, and the close
        // leaves no log files behind.
        wxSQLite3Database kopie;
        kopie.Open(pad, wxString(), WXSQLITE_OPEN_READWRITE);
        wxSQLite3ResultSet uitslag = kopie.ExecuteQuery("pragma quick_check");
        const bool goed = uitslag.NextRow() && uitslag.GetString(0, wxString()) == "ok";
        uitslag.Finalize();
        kopie.Close();
        return goed;
    }
    catch (const wxSQLite3Exception&)
    {
        return false;
    }
}

int SQLite3Basis::controleerKopieDoel(const wxFileName& doel)
{
    const wxString pad = doel.GetFullPath();
    const wxString map = doel.GetPath(wxPATH_GET_VOLUME);
    if (!wxDirExists(map.empty() ? wxString(".") : map))
    {
        wxLogError("%s",
                   _("A back-up of your current database cannot be saved to a non-existing directory.") + blok(map));
        return 2;
    }
    if (wxDirExists(pad))
    {
        DesktopFunkties::wxErrorVeilig(_("The target") + DesktopFunkties::dubbeleQuotes(pad, true) +
                                       _("is a folder. Please choose a file name."));
        return 2;
    }
    if (IsOpen() && !isMemoryDB() && doel.SameAs(dbPad))
    {
        DesktopFunkties::wxErrorVeilig(
            _("You cannot back up the database to the file your current database is based on."));
        return 2;
    }
    if (wxFileName::Exists(pad) && !(wxFileExists(pad) && isDatabaseBestand(pad)))
    {
        DesktopFunkties::wxErrorVeilig(_("The file") + DesktopFunkties::dubbeleQuotes(pad, true) +
                                       _("exists and is not a project database. It was left unchanged."));
        return 2;
    }
    return 0;
}

int SQLite3Basis::kopieerDatabase(const wxFileName& doel)
{
    if (!IsOpen())
    {
        DesktopFunkties::wxErrorVeilig(_("You cannot back up the database, because no database is active."));
        return 2;
    }
    if (controleerKopieDoel(doel) != 0)
        return 2;
    if (isSchrijfTransaktieOpen())
    {
        DesktopFunkties::wxErrorVeilig(_("The database cannot be copied while changes are still open.") +
                                       DesktopAppBasis::vr + _("Commit them, or end safe operation, and try again."));
        return 2;
    }
    const wxString pad = doel.GetFullPath();
    const bool bestondAl = wxFileExists(pad);
    const wxString reden = schrijfKopie(static_cast<sqlite3*>(GetDatabaseHandle()), pad);
    if (reden.empty())
        return 0;
    if (!bestondAl)
        verwijderMetBijBestanden(pad);
    const wxString tekst = _("The database could not be copied to") + DesktopAppBasis::sp +
                           DesktopFunkties::dubbeleQuotes(pad, false) + "." +
                           (bestondAl ? DesktopAppBasis::sp + _("That file was left as it was.") : wxString()) +
                           DesktopAppBasis::vr + _("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(reden, true);
    DesktopFunkties::wxErrorVeilig(tekst);
    return 2;
}

unsigned int SQLite3Basis::openOfMaak(const wxFileName& bestand, const wxString& sleutel)
{
    if (IsOpen())
        return 1;
    dbPad = bestand;
    alleenLezen = false;
    try
    {
        return openMetVlaggen(bestand.GetFullPath(), sleutel, WXSQLITE_OPEN_READWRITE | WXSQLITE_OPEN_CREATE);
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return 2;
    }
}

int SQLite3Basis::backup(const wxFileName& doel, const wxString& sleutel)
{
    if (!sleutel.empty())
    {
        DesktopFunkties::wxErrorVeilig(_("An encrypted back-up cannot be made: projects are stored without a key."));
        return 2;
    }
    return kopieerDatabase(doel);
}

// The old file goes only once the new one is open: until then the project
// stays where it was.
int SQLite3Basis::verplaats(const wxFileName& nieuw, const wxString& sleutel)
{
    if (!IsOpen())
    {
        DesktopFunkties::wxErrorVeilig(_("You cannot move the database, because no database is active."));
        return 2;
    }
    if (nieuw.GetExt() != geefBestandExtensie())
    {
        DesktopFunkties::wxErrorVeilig(_("The database can only be moved to a file with the extension") +
                                       DesktopFunkties::dubbeleQuotes("." + geefBestandExtensie(), true) +
                                       blok(nieuw.GetFullPath()));
        return 2;
    }
    // Closing commits the open change anyway; the copy needs it committed.
    // A commit that fails (reported) moves nothing.
    if (transaktieMode == TransaktieHandmatig && stopTransaktie() != 0)
        return 2;
    if (backup(nieuw, sleutel) != 0)
        return 2;
    const wxString nieuwPad = nieuw.GetFullPath();
    if (!isKopieGoed(nieuwPad))
    {
        verwijderMetBijBestanden(nieuwPad);
        DesktopFunkties::wxErrorVeilig(_("Your database could not be opened at the new location.") + blok(nieuwPad));
        return 2;
    }
    const bool wasAlleenLezen = alleenLezen;
    const bool wasGeheugen = isMemoryDB();
    const wxFileName oud = dbPad;
    const bool wasHandmatig = transaktieMode == TransaktieHandmatig;

    sluitDB();
    const unsigned int geopend = open(nieuw, wasAlleenLezen, sleutel);
    if (geopend != 0)
    {
        DesktopFunkties::wxErrorVeilig(_("Your database could not be opened at the new location.") + blok(nieuwPad));
        if (!wasGeheugen)
        {
            verwijderMetBijBestanden(nieuwPad);
            dbPad = oud;
            // Switching a freshly opened connection to manual mode cannot
            // fail; the move's own failure is the result.
            if (open(wasAlleenLezen, sleutel) == 0 && wasHandmatig)
                static_cast<void>(schakelHandmatigeTransaktie(StandAan, wxString()));
        }
        return static_cast<int>(geopend);
    }
    wxLogMessage("%s", _("Your database is now opened from the new location.") + blok(nieuwPad));
    if (!wasGeheugen)
    {
        verwijderMetBijBestanden(oud.GetFullPath());
        if (wxFileExists(oud.GetFullPath()))
            wxLogError("%s", _("Your current database cannot be removed from the current location.") +
                                 blok(oud.GetPath(wxPATH_GET_VOLUME)));
    }
    if (wasHandmatig)
        return schakelHandmatigeTransaktie(StandAan, wxString());
    return 0;
}

int SQLite3Basis::haakAan(const wxFileName& bestand, wxString& alias)
{
    if (!bestand.FileExists())
    {
        wxLogError("%s", _("This database could not be attached because the path is not valid:") +
                             DesktopFunkties::dubbeleQuotes(bestand.GetFullName(), true));
        return 2;
    }
    if (bestand.SameAs(geefDBPad()))
    {
        wxLogError("%s", _("You cannot attach the current database to itself."));
        return 2;
    }
    alias = DesktopFunkties::maakSchoonPadNaam(alias);
    const wxString ingang = bestand.GetFullPath() + aanhaakScheiding + alias;
    if (aangehaakteDBs.Index(ingang, true) != wxNOT_FOUND)
        return 1;
    const int resultaat =
        executeUpdate("attach database " + quotes(bestand.GetFullPath()) + " as " + naamQuotes(alias), -1);
    // Only what SQLite attached is remembered, or a second try would be
    // taken for done.
    if (resultaat == 0)
        aangehaakteDBs.Add(ingang);
    return resultaat;
}

int SQLite3Basis::laatAangehaaktLos(const wxString& alias)
{
    const wxString schoon = DesktopFunkties::maakSchoonPadNaam(alias);
    for (size_t i = 0; i < aangehaakteDBs.size(); ++i)
    {
        // The alias ends the entry; the path before it may hold anything.
        if (!aangehaakteDBs[i].EndsWith(aanhaakScheiding + schoon))
            continue;
        if (executeUpdate("detach database " + naamQuotes(schoon), -1) != 0)
            return 2;
        aangehaakteDBs.RemoveAt(i);
        return 0;
    }
    return 1;
}

void SQLite3Basis::stofzuig()
{
    if (isAlleenLezenDB())
        return;
    // A vacuum that fails (reported) has changed nothing.
    if (executeUpdate("vacuum", -1) != 0)
        return;
    // The mark only warns another process; one that cannot be written has
    // been reported.
    static_cast<void>(zetUserVersion(static_cast<int>(geefGebruiksMarker())));
    dbVeranderd = true;
}
