// The disk beside the database: a disk that is full is said to be full,
// not taken for a damaged file, and the files SQLite makes beside the
// database for a look that fails or that may not write do not stay behind.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/LogRuimte.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <cerrno>
#include <cstdlib>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// SQLite gives the index of a log its first region before any connection
// uses it: a smaller one serves nobody.
const off_t indexRegio = 32768;

bool isKleinerDan(const wxString& pad, off_t grootte)
{
    struct stat info;
    return stat(pad.fn_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size < grootte;
}

bool isLeegBestand(const wxString& pad)
{
    return isKleinerDan(pad, 1);
}

// No block left for a user: what a write of SQLite found out.
bool heeftGeenRuimte(const wxString& map)
{
    struct statvfs schijf;
    return statvfs(map.fn_str(), &schijf) == 0 && schijf.f_bavail == 0;
}

// The folder of SQLite's temporary files, chosen as SQLite chooses it on
// Unix: the first of these that is a folder it may write into. (SQLite
// reads the environment once, at its start; the program leaves it as it is.)
wxString tijdelijkeMap()
{
    const char* const kandidaten[] = {
        sqlite3_temp_directory, std::getenv("SQLITE_TMPDIR"), std::getenv("TMPDIR"), "/var/tmp", "/usr/tmp", "/tmp"};
    for (const char* kandidaat : kandidaten)
    {
        struct stat info;
        if (kandidaat != nullptr && stat(kandidaat, &info) == 0 && S_ISDIR(info.st_mode) &&
            access(kandidaat, W_OK | X_OK) == 0)
            return wxString::FromUTF8(kandidaat);
    }
    return ".";
}

bool isZelfdeSchijf(const wxString& een, const wxString& ander)
{
    struct stat eerste;
    struct stat tweede;
    return stat(een.fn_str(), &eerste) == 0 && stat(ander.fn_str(), &tweede) == 0 && eerste.st_dev == tweede.st_dev;
}
} // namespace

// SQLite says "database or disk is full" when a write came short, but an
// I/O error when the disk had no room at all for the index of its log: the
// system's own error, or the disk itself, tells.
bool SQLite3Basis::isSchijfVol(int kode) const
{
    if ((kode & 0xff) == SQLITE_FULL)
        return true;
    if ((kode & 0xff) != SQLITE_IOERR || isMemoryDB())
        return false;
    if (IsOpen())
    {
        const int oorzaak =
            sqlite3_system_errno(static_cast<sqlite3*>(const_cast<SQLite3Basis*>(this)->GetDatabaseHandle()));
        if (oorzaak == ENOSPC || oorzaak == EDQUOT)
            return true;
    }
    const wxString map = dbPad.GetPath(wxPATH_GET_VOLUME);
    return heeftGeenRuimte(map.empty() ? wxString(".") : map);
}

// SQLite makes the index at the first read in WAL mode, and without it
// reads nothing of the file; and the log must take the first change.
bool SQLite3Basis::heeftRuimteVoorLog()
{
    const wxString map = dbPad.GetPath(wxPATH_GET_VOLUME);
    struct statvfs schijf;
    if (statvfs((map.empty() ? wxString(".") : map).fn_str(), &schijf) != 0)
        return false;
    // The trees of the table with the most, and the levels of the one with
    // the most: a first change adds a row to one.
    const long long paginaGrootte = executeSkalair("pragma page_size");
    const wxString perTabel = LogRuimte::geefBomenPerTabel(executeSkalair("pragma page_count"));
    const long long bomen = executeSkalair("select ifnull(max(bomen),0) from (" + perTabel + ")");
    const long long lagen = executeSkalair("select ifnull(max(lagen),0) from (" + perTabel + ")");
    if (paginaGrootte <= 0 || bomen < 0 || lagen < 0)
        return false;
    const LogRuimte log(static_cast<unsigned long long>(paginaGrootte), static_cast<unsigned long long>(bomen),
                        static_cast<unsigned long long>(lagen), schijf.f_frsize);
    return static_cast<unsigned long long>(schijf.f_bavail) * schijf.f_frsize >= log.geefNodig();
}

// SQLite writes into its temporary folder what a statement sorts or keeps
// aside. A file that this connection does not write into, or a database in
// memory, fills no disk of its own. Otherwise only the disks can tell, and
// only while the temporary folder is still full: a file that SQLite rolled
// back from its journal has room again on its own disk.
bool SQLite3Basis::isTijdelijkeRuimteVol() const
{
    if (isAlleenLezenDB() || isMemoryDB())
        return true;
    const wxString map = dbPad.GetPath(wxPATH_GET_VOLUME);
    const wxString bestandsMap = map.empty() ? wxString(".") : map;
    const wxString tijdelijk = tijdelijkeMap();
    return !isZelfdeSchijf(bestandsMap, tijdelijk) && heeftGeenRuimte(tijdelijk) && !heeftGeenRuimte(bestandsMap);
}

wxString SQLite3Basis::geefTijdelijkeMap()
{
    return tijdelijkeMap();
}

void SQLite3Basis::meldTijdelijkeRuimteVol(const wxString& sqlite)
{
    const wxString& vr = DesktopAppBasis::vr;
    const wxString naam = isMemoryDB() ? dbPad.GetName() : dbPad.GetFullPath();
    foutUitgelegd = true;
    DesktopFunkties::wxErrorVeilig(
        wxString::Format(_("The folder for temporary files \"%s\" has no room left for the work on the database "
                           "file \"%s\"."),
                         tijdelijkeMap(), naam) +
        vr + (isAlleenLezenDB() ? _("Nothing in the database file was changed.") : geefWatBleef()) + vr +
        _("Make room in that folder, then try again.") + vr + sqlite);
}

void SQLite3Basis::meldSchijfVol(const wxString& sqlite, bool bijOpenen)
{
    if (!bijOpenen && isTijdelijkeRuimteVol())
    {
        meldTijdelijkeRuimteVol(sqlite);
        return;
    }
    const wxString& vr = DesktopAppBasis::vr;
    wxString tekst = _("The disk that holds the database file") +
                     DesktopFunkties::dubbeleQuotes(dbPad.GetFullPath(), true) + _("is full.") + vr;
    if (bijOpenen)
        tekst += _("It cannot be opened: SQLite must write beside it. Nothing in it was changed or lost.") + vr +
                 _("Make room on the disk, then open it again.");
    else
        tekst += geefWatBleef() + vr + _("Make room on the disk, then try again.");
    foutUitgelegd = true;
    DesktopFunkties::wxErrorVeilig(tekst + vr + sqlite);
}

// What became of the open changes when SQLite took back the transaction
// that the disk had no room for: put back, or lost, and why.
wxString SQLite3Basis::geefWatBleef() const
{
    using Herstel = TransaktieVerslag::Herstel;
    if (isSchrijfTransaktieOpen())
        return _("Nothing was lost: the open changes are kept. Commit them once there is room on the disk.");
    if (herstel == Herstel::Geen || herstel == Herstel::Hersteld)
        return _("Nothing stored in the database was lost; only the change that was being written was taken back.");
    wxString tekst = _("The open changes could not be kept: SQLite took them back. Nothing committed before them "
                       "was lost.");
    if (herstel == Herstel::Onvolledig)
        tekst += DesktopAppBasis::vr + _("No complete record of them was kept, for instance because they were too "
                                         "large.");
    else if (herstel == Herstel::Gewijzigd)
        tekst += DesktopAppBasis::vr + _("Another program changed the database file in the meantime.");
    else if (herstel == Herstel::Vergrendeld)
        tekst += DesktopAppBasis::vr + _("Another program held the database file locked.");
    return tekst;
}

// An index in use has its first region, and a log in use that holds
// nothing has not been started: made by the failed open and so, they serve
// no connection of anyone.
void SQLite3Basis::verwijderGemaakteBijbestanden(const wxString& naam) const
{
    const wxString log = naam + "-wal";
    const wxString index = naam + "-shm";
    if (logWasEr || indexWasEr)
        return;
    if ((wxFileExists(log) && !isLeegBestand(log)) || (wxFileExists(index) && !isKleinerDan(index, indexRegio)))
        return;
    wxLogNull stil;
    for (const wxString& bijbestand : {log, index})
        if (wxFileExists(bijbestand))
            wxRemoveFile(bijbestand);
}

// SQLite takes the log and its index away at the close of the last
// connection that may write, when it can have the file to itself: never
// while another connection, of any program, still uses them. The log made
// for reading is empty, so that close writes nothing into the file.
void SQLite3Basis::ruimLeesBijbestandenOp(const wxString& naam) const
{
    const wxString log = naam + "-wal";
    if ((logWasEr && indexWasEr) || !wxFileExists(log) || !isLeegBestand(log))
        return;
    try
    {
        wxSQLite3Database opruimer;
        opruimer.Open(naam, wxString(), WXSQLITE_OPEN_READWRITE | WXSQLITE_OPEN_NOMUTEX);
        opruimer.SetBusyTimeout(0);
        opruimer.ExecuteQuery("select count(*) from sqlite_master").NextRow();
        opruimer.Close();
    }
    catch (const wxSQLite3Exception&)
    {
        // What cannot be taken away stays, as SQLite would leave it.
    }
}
