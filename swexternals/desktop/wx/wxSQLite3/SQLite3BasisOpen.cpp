// Opening and closing the database, its path and the names it is shown by.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/defs.h>
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
const int wachtTijdBijSlotMs = 3000;
} // namespace

unsigned int SQLite3Basis::open(bool alleenLezenVerzoek, const wxString& sleutel)
{
    if (dbPad.GetName() == DatabaseGeslotenNaam)
        return 1;
    if (IsOpen())
        return 1; // its callers close first; a second connection would orphan the first
    try
    {
        const bool inGeheugen = isMemoryDB();
        const wxString naam = inGeheugen ? geheugenNaam : dbPad.GetFullPath();
        const bool bestaat = !inGeheugen && dbPad.FileExists();
        alleenLezen = alleenLezenVerzoek && !inGeheugen;

        if (alleenLezen)
        {
            if (bestaat)
                return openMetVlaggen(naam, sleutel, vlagAlleenLezen);
            DesktopFunkties::wxErrorVeilig(_("Database") + DesktopFunkties::dubbeleQuotes(dbPad.GetFullName(), true) +
                                           _("does not exist. Therefore, it cannot be opened in read only fashion."));
            return 2;
        }
        if (inGeheugen)
            return openMetVlaggen(naam, sleutel, vlagMaken);
        if (!bestaat)
            return openOntbrekendBestand(naam, sleutel);
        if (!isSchrijfbaarOpSchijf())
        {
            // Opened writable, every change would fail: say so and open it as it is.
            alleenLezen = true;
            DesktopFunkties::wxWaarschuwingVeilig(_("The database file") + DesktopFunkties::dubbeleQuotes(naam, true) +
                                                  _("is write-protected. It is opened in read only mode."));
            return openMetVlaggen(naam, sleutel, vlagAlleenLezen);
        }
        return openMetVlaggen(naam, sleutel, vlagLezenSchrijven);
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

unsigned int SQLite3Basis::openMetVlaggen(const wxString& naam, const wxString& sleutel, int vlaggen)
{
    // The connection is used by one thread only, the GUI thread, so SQLite
    // need not take its lock at every call: a list of 100,000 rows makes a
    // million of them.
    Open(naam, sleutel, vlaggen | WXSQLITE_OPEN_NOMUTEX);
    if (!IsOpen())
    {
        const wxString wat =
            dbPad.FileExists() ? _("Could not open the database:") : _("Could not create the database:");
        DesktopFunkties::wxErrorVeilig(wat + DesktopFunkties::dubbeleQuotes(naam, true) + ".");
        return 2;
    }
    SetBusyTimeout(wachtTijdBijSlotMs);
    InitializeSQLite();
    richtVerbindingIn();
    const unsigned int gekontroleerd = controleerDatabaseBestand();
    if (gekontroleerd != 0)
        return gekontroleerd;
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
        Close();
        dbStatus = DBStatusFout;
        const int kode = fout.GetErrorCode();
        if (kode == SQLITE_NOTADB || kode == SQLITE_CORRUPT)
        {
            DesktopFunkties::wxErrorVeilig(_("The file") + DesktopFunkties::dubbeleQuotes(naam, true) +
                                           _("is not a project database, or it is damaged.") + DesktopAppBasis::vr +
                                           _("It was closed and left unchanged.") + DesktopAppBasis::vr +
                                           _("SQLite3 error:") +
                                           DesktopFunkties::dubbeleQuotes(fout.GetMessage(), true));
            // Not again at the next start: the path no longer names it.
            resetDBPad();
            return 2;
        }
        if (kode == SQLITE_BUSY || kode == SQLITE_LOCKED)
        {
            DesktopFunkties::wxErrorVeilig(_("The database") + DesktopFunkties::dubbeleQuotes(naam, true) +
                                           _("is locked by another program. Close it there and try again."));
            return 2;
        }
        meldFout(fout);
        return 2;
    }
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

void SQLite3Basis::sluitDB()
{
    if (!IsOpen())
        return;
    sluitAfTransakties();
    // Whatever SQLite still holds (a change whose commit failed before) is
    // committed now or reported as lost; closing would roll it back unseen.
    if (isTransaktieOpenInDB() && voerTransaktieUit("commit transaction") != 0)
        DesktopFunkties::wxErrorVeilig(_("The last changes could not be committed before closing; they are lost."));
    try
    {
        Close();
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
    }
    dbVeranderd = false;
    dbStatus = DBStatusGesloten;
    wijzigingGeblokkeerd = false;
}

void SQLite3Basis::sluitAfTransakties()
{
    if (transaktieMode == TransaktieHandmatig)
    {
        stopTransaktie();
    }
    else if (transaktieMode == TransaktieAutoCommit || transaktieMode == TransaktieSavePoint)
    {
        for (size_t i = savePointNamen.size(); i > 0; --i)
            voerTransaktieUit("release " + savePointNamen[i - 1]);
        savePointNamen.clear();
    }
    transaktieMode = TransaktieAutoCommit;
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
    return IsOpen() && !(schrijfbaar && alleenLezen);
}

bool SQLite3Basis::isMemoryDB() const
{
    return dbPad.GetName() == geheugenNaam;
}

wxString SQLite3Basis::alleenLezenNotitie() const
{
    return alleenLezen ? DesktopAppBasis::sp + _("[read-only mode]") : wxString();
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
