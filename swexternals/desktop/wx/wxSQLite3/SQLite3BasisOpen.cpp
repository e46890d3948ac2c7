// Opening and closing the database, its path and the names it is shown by.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/wx/wxSQLite3/BestandsKenmerk.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/defs.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
const wxString geheugenNaam = ":memory:";

// SQLite's own open flags.
const int vlagAlleenLezen = WXSQLITE_OPEN_READONLY;
const int vlagLezenSchrijven = WXSQLITE_OPEN_READWRITE;
const int vlagMaken = WXSQLITE_OPEN_READWRITE | WXSQLITE_OPEN_CREATE;

// The wrapper waits a minute for a lock; a user should hear sooner that
// another program holds the project.
SQLite3Basis::WachtTijden wachtTijden;

// What SQLite keeps beside a database in WAL mode: the log and the index
// into it that its connections share.
const char* const walBijbestanden[] = {"-wal", "-shm"};

// Bytes 18 and 19 of the header: 2 for a database in WAL mode.
bool isWALDatabase(const wxString& naam)
{
    wxFile bestand;
    unsigned char kop[20] = {};
    wxLogNull geenMeldingen;
    return bestand.Open(naam, wxFile::read) && bestand.Read(kop, sizeof(kop)) == static_cast<ssize_t>(sizeof(kop)) &&
           kop[18] == 2 && kop[19] == 2;
}

// Nobody may write it: no write permission bit at all.
bool isSchrijfBeveiligd(const wxString& pad)
{
    struct stat info;
    return stat(pad.fn_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool isLeegOfAfwezig(const wxString& pad)
{
    struct stat info;
    return stat(pad.fn_str(), &info) != 0 || info.st_size == 0;
}

// SQLite gives the log and its index the permissions of the database file,
// also when it makes them for a read-only look at a write-protected file;
// left so, they would fail every change once the protection is lifted. A
// user's own such file gets the owner's write permission.
void geefEigenaarSchrijfrecht(const wxString& pad)
{
    struct stat info;
    if (stat(pad.fn_str(), &info) == 0 && info.st_uid == geteuid() && access(pad.fn_str(), W_OK) != 0)
        chmod(pad.fn_str(), (info.st_mode & 07777) | S_IWUSR);
}

} // namespace

SQLite3Basis::WachtTijden SQLite3Basis::zetWachtTijden(const WachtTijden& nieuw)
{
    return std::exchange(wachtTijden, nieuw);
}

SQLite3Basis::WachtTijden SQLite3Basis::geefWachtTijden()
{
    return wachtTijden;
}

unsigned int SQLite3Basis::open(bool alleenLezenVerzoek, const wxString& sleutel)
{
    if (dbPad.GetName() == DatabaseGeslotenNaam)
        return 1;
    if (IsOpen())
        return 1; // its callers close first; a second connection would orphan the first
    foutUitgelegd = false;
    try
    {
        const bool inGeheugen = isMemoryDB();
        const wxString naam = inGeheugen ? geheugenNaam : dbPad.GetFullPath();
        const bool bestaat = !inGeheugen && dbPad.FileExists();
        alleenLezen = alleenLezenVerzoek && !inGeheugen;

        if (alleenLezen)
        {
            if (bestaat)
                return openAlleenLezen(naam, sleutel);
            DesktopFunkties::wxErrorVeilig(_("Database") + DesktopFunkties::dubbeleQuotes(dbPad.GetFullName(), true) +
                                           _("does not exist. Therefore, it cannot be opened in read-only fashion."));
            return 2;
        }
        if (inGeheugen)
            return openMetVlaggen(naam, sleutel, vlagMaken);
        if (!bestaat)
            return openOntbrekendBestand(naam, sleutel);
        return openSchrijfbaar(naam, sleutel);
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return 2;
    }
}

// A missing file: the user chooses a new file, a database in memory or none.
unsigned int SQLite3Basis::openOntbrekendBestand(const wxString& naam, const wxString& sleutel)
{
    const wxString bericht = _("Database") + DesktopFunkties::dubbeleQuotes(dbPad.GetFullPath(), true) +
                             _("does not exist. What would you like to do?");
    const DesktopVraag::Knoppen knoppen{_("Create a new database on disk"), _("Create a new memory database"),
                                        _("Cancel")};
    const int antwoord = DesktopVraag::geef().stelVraag(
        bericht, _("The database file does not exist."),
        wxCENTRE | wxYES_NO | wxCANCEL | wxNO_DEFAULT | wxICON_EXCLAMATION, nullptr, knoppen);
    switch (antwoord)
    {
    case wxYES:
        return openMetVlaggen(naam, sleutel, vlagMaken);
    case wxNO:
        resetDBPad();
        dbPad.SetName(geheugenNaam);
        return open(false, sleutel);
    case wxCANCEL:
        resetDBPad();
        return 1;
    default:
        return 5;
    }
}

// Writable only when SQLite can write what it writes: the file, its folder
// (for the journal and the log) and a log left beside it. Otherwise every
// change would fail: the user hears why, and the database opens as it is.
unsigned int SQLite3Basis::openSchrijfbaar(const wxString& naam, const wxString& sleutel)
{
    if (!isSchrijfbaarOpSchijf())
    {
        alleenLezen = true;
        DesktopFunkties::wxWaarschuwingVeilig(_("The database file") + DesktopFunkties::dubbeleQuotes(naam, true) +
                                              _("is write-protected. It is opened in read-only mode."));
        return openAlleenLezen(naam, sleutel);
    }
    for (const char* achter : walBijbestanden)
    {
        const wxString bijbestand = naam + achter;
        geefEigenaarSchrijfrecht(bijbestand);
        if (wxFileExists(bijbestand) && access(bijbestand.fn_str(), W_OK) != 0)
        {
            alleenLezen = true;
            DesktopFunkties::wxWaarschuwingVeilig(
                _("The file") + DesktopFunkties::dubbeleQuotes(bijbestand, true) +
                _("beside the database cannot be written, so the database is opened in read-only mode."));
            return openAlleenLezen(naam, sleutel);
        }
    }
    return openMetVlaggen(naam, sleutel, vlagLezenSchrijven);
}

// SQLite reads a WAL database through its log and the log's index, and
// makes them at the first read when they are missing. In a folder that
// cannot be written they cannot be made: a database whose log holds nothing
// is then read as it lies on the disk. So is a file that nobody may write:
// the files SQLite would make beside it for reading, only a connection that
// may write it takes away again. Those made here are left writable.
unsigned int SQLite3Basis::openAlleenLezen(const wxString& naam, const wxString& sleutel)
{
    const wxString map = dbPad.GetPath(wxPATH_GET_VOLUME);
    const bool logBestaat = wxFileExists(naam + "-wal");
    const bool indexBestaat = wxFileExists(naam + "-shm");
    const bool nietTeMaken = !isSchrijfbaarPad(map.empty() ? wxString(".") : map) || isSchrijfBeveiligd(naam);
    if (isWALDatabase(naam) && nietTeMaken && !(logBestaat && indexBestaat) && isLeegOfAfwezig(naam + "-wal"))
        // Read as it lies on the disk, without the files beside it, which
        // this folder cannot take.
        return openMetVlaggen(maakBestandsURI(naam, "immutable=1"), sleutel, vlagAlleenLezen | WXSQLITE_OPEN_URI);
    const unsigned int geopend = openMetVlaggen(naam, sleutel, vlagAlleenLezen);
    if (geopend == 0)
    {
        if (!logBestaat)
            geefEigenaarSchrijfrecht(naam + "-wal");
        if (!indexBestaat)
            geefEigenaarSchrijfrecht(naam + "-shm");
    }
    return geopend;
}

unsigned int SQLite3Basis::openMetVlaggen(const wxString& naam, const wxString& sleutel, int vlaggen)
{
    beschadigd = false;
    onleesbaar = false;
    ongekontroleerd = false;
    foutUitgelegd = false;
    const wxString pad = dbPad.GetFullPath();
    logWasEr = isMemoryDB() || wxFileExists(pad + "-wal");
    indexWasEr = isMemoryDB() || wxFileExists(pad + "-shm");
    // The connection is used by one thread at a time, the GUI thread or a
    // commit's own while the GUI thread leaves it alone (which a debug build
    // checks), so SQLite need not take its lock at every call: a list of
    // 100,000 rows makes a million of them.
    Open(naam, sleutel, vlaggen | WXSQLITE_OPEN_NOMUTEX);
    if (!IsOpen())
    {
        const wxString wat =
            dbPad.FileExists() ? _("Could not open the database:") : _("Could not create the database:");
        // The full stop follows the quote directly.
        DesktopFunkties::wxErrorVeilig(wat + DesktopAppBasis::sp + DesktopFunkties::dubbeleQuotes(naam, false) + ".");
        return 2;
    }
    SetBusyTimeout(static_cast<int>(wachtTijden.slot.count()));
    InitializeSQLite();
    richtVerbindingIn();
    unsigned int gekontroleerd = controleerDatabaseBestand();
    if (gekontroleerd == 0)
        gekontroleerd = controleerKenmerkTabel();
    if (gekontroleerd != 0)
        return gekontroleerd;
    // Read whole beside the program, which lists the project meanwhile:
    // only a write waits for it (controleerBestand). Not again while its
    // bytes are as they were when it was known sound.
    beginKontrole(naam, sleutel, vlaggen);
    dbStatus = DBStatusOpen;
    wijzigingGeblokkeerd = false;
    return 0;
}

// SQLite opens any file and only fails at the first statement. Read the
// schema now, without writing, so that a file that is no database is found
// before anything is done to it.
unsigned int SQLite3Basis::controleerDatabaseBestand()
{
    try
    {
        ExecuteQuery("select count(*) from sqlite_master").NextRow();
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        const wxString naam = isMemoryDB() ? geheugenNaam : dbPad.GetFullPath();
        // Asked while the connection still knows what the system said.
        const bool schijfVol = isSchijfVol(fout.GetErrorCode());
        Close();
        dbStatus = DBStatusFout;
        const int kode = fout.GetErrorCode() & 0xff;
        if (schijfVol)
        {
            verwijderGemaakteBijbestanden(naam);
            meldSchijfVol(_("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(sqliteBericht(fout), true), true);
            return 2;
        }
        if (kode == SQLITE_NOTADB || kode == SQLITE_CORRUPT)
        {
            meldGeenProjekt(naam, sqliteBericht(fout));
            return 2;
        }
        if (kode == SQLITE_BUSY || kode == SQLITE_LOCKED)
        {
            DesktopFunkties::wxErrorVeilig(_("The database") + DesktopFunkties::dubbeleQuotes(naam, true) +
                                           _("is locked by another program. Close it there and try again."));
            foutUitgelegd = true;
            return 2;
        }
        meldFout(fout);
        return 2;
    }
}

void SQLite3Basis::meldGeenProjekt(const wxString& naam, const wxString& sqliteBericht)
{
    wxString tekst = _("The file") + DesktopFunkties::dubbeleQuotes(naam, true) +
                     _("is not a project database, or it is damaged.") + DesktopAppBasis::vr +
                     _("It was closed and left unchanged.");
    if (!sqliteBericht.empty())
        tekst += DesktopAppBasis::vr + _("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(sqliteBericht, true);
    DesktopFunkties::wxErrorVeilig(tekst);
    // Not again at the next start: the path no longer names it.
    resetDBPad();
}

// A database of another program holds tables, but not the project's.
unsigned int SQLite3Basis::controleerKenmerkTabel()
{
    if (kenmerkTabel.empty() || !IsOpen() || isMemoryDB())
        return 0;
    const wxString opdracht = "select count(*),coalesce(sum(name==" + quotes(kenmerkTabel) +
                              " collate nocase),0) from sqlite_master where type=='table' and name not like "
                              "'sqlite\\_%' escape '\\'";
    try
    {
        wxSQLite3ResultSet rij = ExecuteQuery(opdracht);
        const bool isProjekt = rij.NextRow() && (rij.GetInt64(0).GetValue() == 0 || rij.GetInt64(1).GetValue() > 0);
        rij.Finalize();
        if (isProjekt)
            return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
    }
    const wxString naam = dbPad.GetFullPath();
    Close();
    dbStatus = DBStatusFout;
    meldGeenProjekt(naam, wxString());
    return 2;
}

unsigned int SQLite3Basis::open(const wxFileName& bestand, bool alleenLezenVerzoek, const wxString& sleutel)
{
    if (bestand.GetExt() != dbPad.GetExt())
        return 2;
    alleenLezen = alleenLezenVerzoek;
    dbPad = bestand;
    return open(alleenLezen, sleutel);
}

unsigned int SQLite3Basis::nieuweMemDB(const wxString& sleutel)
{
    if (IsOpen())
        return 1;
    dbPad.SetName(geheugenNaam);
    return open(false, sleutel);
}

unsigned int SQLite3Basis::heropenAlleenLezen(const wxString& reden)
{
    return heropenMetWaarschuwing(
        _("The database file") + DesktopFunkties::dubbeleQuotes(dbPad.GetFullPath(), true) +
        _("cannot be brought up to date for this version of the program. It is opened in read-only mode and left "
          "as it is.") +
        DesktopAppBasis::vr + reden);
}

unsigned int SQLite3Basis::heropenZonderRuimte()
{
    wxString tekst;
    if (zonderTijdelijkeRuimte)
        tekst = wxString::Format(_("The folder for temporary files \"%s\" has no room left to bring the project \"%s\" "
                                   "up to date for this version of the program. It is opened in read-only mode and "
                                   "left as it is."),
                                 geefTijdelijkeMap(), dbPad.GetFullPath()) +
                DesktopAppBasis::vr + _("Make room in that folder, then open the project again.");
    else
    {
        tekst = wxString::Format(_("There is not enough room on the disk to bring the project \"%s\" up to date "
                                   "for this version of the program. It is opened in read-only mode and left as it "
                                   "is."),
                                 dbPad.GetFullPath());
        // TRANSLATORS: "it" is the project of the sentence before, where the
        // same text without this context follows one about the database file.
        tekst += DesktopAppBasis::vr + wxGETTEXT_IN_CONTEXT("project", "Make room on the disk, then open it again.");
    }
    if (!zonderRuimteBericht.empty())
        tekst += DesktopAppBasis::vr + _("SQLite3 error:") + DesktopAppBasis::sp +
                 DesktopFunkties::dubbeleQuotes(zonderRuimteBericht);
    return heropenMetWaarschuwing(tekst);
}

unsigned int SQLite3Basis::heropenMetWaarschuwing(const wxString& tekst)
{
    const wxFileName pad = dbPad;
    DesktopFunkties::wxWaarschuwingVeilig(tekst);
    sluitDB();
    dbPad = pad;
    return open(true, wxString());
}

void SQLite3Basis::sluitDB()
{
    if (!IsOpen())
        return;
    laatKontroleLos();
    // A damaged file is closed as after a look: the log and its index that
    // this connection made, empty, go.
    const bool leesBlik = (alleenLezen || beschadigd) && !isMemoryDB() && isSchrijfbaarOpSchijf();
    // What this could not commit is committed once more below, or reported
    // as lost.
    static_cast<void>(sluitAfTransakties());
    // Whatever SQLite still holds (a change whose commit failed before) is
    // committed now or reported as lost; closing would roll it back unseen.
    if (isTransaktieOpenInDB() && voerCommitUit("commit transaction") != 0)
        DesktopFunkties::wxErrorVeilig(_("The last changes could not be committed before closing; they are lost."));
    // Known sound up to now, it is remembered so as the close leaves it: the
    // log folded into the file.
    const BestandsKenmerk gaaf = leesKenmerkVoorSluiten();
    try
    {
        Close();
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
    }
    // Read-only leaves the folder as it was too.
    if (leesBlik && !IsOpen())
        ruimLeesBijbestandenOp(dbPad.GetFullPath());
    const KontroleGeheugen* geheugen = geefGeheugen();
    if (!gaaf.isLeeg() && !IsOpen() && geheugen)
        meldGeheugenFout(geheugen->onthoud(dbPad.GetFullPath(), gaaf.geefTekst()));
    dbVeranderd = false;
    dbStatus = DBStatusGesloten;
    wijzigingGeblokkeerd = false;
    beschadigd = false;
    onleesbaar = false;
    ongekontroleerd = false;
}

int SQLite3Basis::sluitAfTransakties()
{
    int resultaat = 0;
    if (transaktieMode == TransaktieHandmatig)
    {
        resultaat = stopTransaktie();
    }
    else if (transaktieMode == TransaktieAutoCommit || transaktieMode == TransaktieSavePoint)
    {
        for (size_t i = savePointNamen.size(); i > 0; --i)
        {
            // The first began the transaction: its release commits it.
            const wxString opdracht = "release " + savePointNamen[i - 1];
            if ((i == 1 ? voerCommitUit(opdracht) : voerTransaktieUit(opdracht)) != 0)
                resultaat = 2;
        }
        savePointNamen.clear();
    }
    transaktieMode = TransaktieAutoCommit;
    return resultaat;
}

void SQLite3Basis::sluitVoorgoedDB()
{
    sluitDB();
    resetDBPad();
}

void SQLite3Basis::resetDBPad()
{
    const wxString bestandExtensie = geefBestandExtensie();
    dbPad.SetName(DatabaseGeslotenNaam);
    dbPad.SetExt(bestandExtensie);
}

bool SQLite3Basis::controleerPad(const wxFileName& bestand, bool alleenLezenVerzoek)
{
    const wxString pad = bestand.GetFullPath();
    if (!wxIsReadable(pad))
    {
        DesktopFunkties::wxErrorVeilig(_("The given DB path:") + DesktopFunkties::dubbeleQuotes(pad, true) +
                                       _("is not readable."));
        return false;
    }
    if (!alleenLezenVerzoek && !isSchrijfbaarPad(pad))
    {
        DesktopFunkties::wxErrorVeilig(_("The given DB path:") + DesktopFunkties::dubbeleQuotes(pad, true) +
                                       _("is not writable."));
        return false;
    }
    return true;
}

// Write-protected as the user sees it: no write permission bit at all counts
// even where access() would let the superuser write.
bool SQLite3Basis::isSchrijfbaarPad(const wxString& pad)
{
    struct stat info;
    const wxCharBuffer naam = pad.fn_str();
    if (stat(naam.data(), &info) != 0)
        return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return access(naam.data(), W_OK) == 0;
}

// SQLite writes its journal beside the file, so the folder counts too.
bool SQLite3Basis::isSchrijfbaarOpSchijf() const
{
    const wxString map = dbPad.GetPath(wxPATH_GET_VOLUME);
    return isSchrijfbaarPad(dbPad.GetFullPath()) && isSchrijfbaarPad(map.empty() ? wxString(".") : map);
}

wxFileName SQLite3Basis::geefDBPad() const
{
    static const wxString leeg;
    static const wxFileName leegPad(leeg);
    return IsOpen() ? dbPad : leegPad;
}

wxString SQLite3Basis::geefBestandExtensie() const
{
    return dbPad.GetExt().empty() ? extensie : dbPad.GetExt();
}

void SQLite3Basis::zetBestandExtensie(const wxString& nieuweExtensie)
{
    dbPad.SetExt(nieuweExtensie);
}

bool SQLite3Basis::isDBOpen(bool schrijfbaar) const
{
    return IsOpen() && !(schrijfbaar && isAlleenLezenDB());
}

bool SQLite3Basis::isMemoryDB() const
{
    return dbPad.GetName() == geheugenNaam;
}

wxString SQLite3Basis::alleenLezenNotitie() const
{
    return isAlleenLezenDB() ? DesktopAppBasis::sp + _("[read-only mode]") : wxString();
}

wxString SQLite3Basis::geefDBNaam(bool metExtensie, bool metAlleenLezen) const
{
    wxString naam = dbPad.GetName();
    if (metExtensie && dbPad.HasExt())
        naam += "." + dbPad.GetExt();
    if (metAlleenLezen)
        naam += alleenLezenNotitie();
    return naam;
}

wxString SQLite3Basis::geefDBNaamVoorBeschrijving(bool metAlleenLezen) const
{
    if (!IsOpen())
        return _("No database present");
    if (isMemoryDB())
        return _("A memory database");
    return geefDBNaam(false, metAlleenLezen);
}

wxString SQLite3Basis::geefDBPadString(bool metExtensie) const
{
    wxString pad = dbPad.GetPath(wxPATH_GET_VOLUME);
    const wxString scheiders = wxFileName::GetPathSeparators();
    if (pad.empty() || scheiders.Find(pad.Last()) == wxNOT_FOUND)
        pad += scheiders[0];
    pad += metExtensie ? dbPad.GetFullName() : dbPad.GetName();
    return pad + alleenLezenNotitie();
}

wxString SQLite3Basis::geefDBPadVoorBeschrijving() const
{
    if (!IsOpen())
        return _("No database present");
    if (isMemoryDB())
        return _("A memory database");
    return geefDBPadString(true);
}

wxString SQLite3Basis::maakBestandsURI(const wxString& pad, const wxString& parameter)
{
    wxString uri;
    for (const wxUniChar teken : pad)
    {
        if (teken == '%')
            uri += "%25";
        else if (teken == '?')
            uri += "%3f";
        else if (teken == '#')
            uri += "%23";
        else
            uri += teken;
    }
    return (uri.StartsWith("/") ? "file://" : "file:") + uri + "?" + parameter;
}
