// The project database somewhere else: save as, a backup copy, a new empty
// database file, and moving the project file.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3App.h"

#include <cerrno>
#include <cstdio>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// The most a proposed backup name holds.
const size_t maxVoorstelLengte = 24;

// What SQLite keeps beside a database file.
const wxString bijBestanden[3] = {"-journal", "-wal", "-shm"};

// A rename, or across file systems a copy that becomes the target only when
// it is whole.
bool hernoem(const wxString& van, const wxString& naar)
{
    if (std::rename(van.fn_str(), naar.fn_str()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    const wxString tijdelijk = naar + ".verplaatsen";
    if (!wxCopyFile(van, tijdelijk, true) || std::rename(tijdelijk.fn_str(), naar.fn_str()) != 0)
    {
        if (wxFileExists(tijdelijk))
            wxRemoveFile(tijdelijk);
        return false;
    }
    wxRemoveFile(van);
    return true;
}

// Folds what a write-ahead log still holds into its file. The close of a
// read-only connection cannot; a writable connection of its own can, and as
// the last one to close it removes the log. Never for a damaged file: the
// program said that nothing more is written into it.
void vouwLogIn(const wxString& pad)
{
    if (!wxFileExists(pad + "-wal"))
        return;
    try
    {
        wxSQLite3Database verbinding;
        verbinding.Open(pad, wxString(), WXSQLITE_OPEN_READWRITE);
        verbinding.ExecuteUpdate("pragma wal_checkpoint(TRUNCATE)");
        verbinding.Close();
    }
    catch (const wxSQLite3Exception&)
    {
        // The file cannot be written: its log moves along with it.
    }
}
} // namespace

unsigned int SQLite3App::backupDB(const wxFileName& bestand)
{
    if (!isDBOpen())
    {
        wxLogError("%s", _("You cannot back up the database, because no database is active."));
        return 2;
    }
    if (!HasBackupSupport())
    {
        wxLogError("%s", _("Your SQLite library with version") + DesktopFunkties::spaties(GetVersion()) +
                             _("does not have backup/restore support.\nStoring the database does not work!"));
        return 2;
    }
    if (weigerBijVeiligeModus())
        return 2;
    wxFileName doel(bestand);
    doel.SetExt(geefBestandExtensie());
    if (!isMemoryDB() && doel.SameAs(dbPad))
    {
        meldZelfdeBestand(_("You cannot back up the database to the file your current database is based on."));
        return 1;
    }
    if (controleerKopieDoel(doel) != 0)
        return 2;
    // The callers' dialogs do not ask, and the extension may have been added.
    if (doel.FileExists() && !vraagOverschrijven(doel))
        return 1;
    // The copy holds the newest change; committed only now, so that a
    // refusal above leaves it open for an undo. A commit that fails
    // (reported) copies nothing.
    if (stopTransaktie() != 0)
        return 2;
    return kopieerDatabase(doel) == 0 ? 0 : 2;
}

unsigned int SQLite3App::slaOpAls(const wxFileName& bestand, bool alsStandaard)
{
    const unsigned int bewaard = backupDB(bestand);
    if (bewaard != 0 || !alsStandaard)
        return bewaard;
    wxFileName doel(bestand);
    doel.SetExt(geefBestandExtensie());
    if (!isMemoryDB() &&
        DesktopVraag::geef().stelVraag(
            _("Do you want to set this database location as the default database for this application?"),
            _("Database") + DesktopFunkties::dubbeleQuotes(doel.GetName(), true), wxYES_NO | wxICON_QUESTION,
            ouder()) != wxYES)
        return 0;
    return gaVerderIn(doel);
}

unsigned int SQLite3App::slaOpAls(bool alsStandaard)
{
    return backupDB(wxString(), alsStandaard);
}

unsigned int SQLite3App::backupDB(const wxString& achtervoegsel, bool alsStandaard)
{
    if (!isDBOpen())
    {
        wxLogError("%s", _("You cannot back up the database, because no database is active."));
        return 2;
    }
    if (!HasBackupSupport())
    {
        wxLogError("%s", _("Your SQLite library with version") + DesktopFunkties::spaties(GetVersion()) +
                             _("does not have backup/restore support.\nStoring the database does not work!"));
        return 2;
    }
    const bool inGeheugen = isMemoryDB();
    wxString voorstel;
    if (!inGeheugen)
        voorstel = DesktopFunkties::maakSchoonPadNaam(geefDBNaam(false, false) +
                                                      (achtervoegsel.empty() ? wxString() : "_" + achtervoegsel))
                       .Left(maxVoorstelLengte);
    const wxString bericht = inGeheugen
                                 ? _("Select the new path for storing the (temporary) database of the") +
                                       DesktopFunkties::dubbeleQuotes(geefApplikatieNaam(), true) + _("application.")
                                 : _("Select the path for storing a backup copy of the") +
                                       DesktopFunkties::dubbeleQuotes(geefApplikatieNaam(), true) + _("database.");
    const wxString gekozen =
        DesktopVraag::geef().kiesBestand(bericht, geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME),
                                         voorstel, geefWildCard(), wxFD_SAVE | wxFD_OVERWRITE_PROMPT, ouder());
    if (gekozen.empty())
        return 1;
    const wxFileName doel(gekozen);
    if (!inGeheugen && doel.SameAs(dbPad))
    {
        meldZelfdeBestand(_("You cannot back up the database to the file your current database is based on."));
        return 1;
    }
    // Read from the file: a project that was never started has no mode yet.
    if (leesHuidigeJournaalMode() == JournaalWAL && !vraagNetwerkSchijf())
        return 1;
    if (weigerBijVeiligeModus())
        return 2;
    if (stopTransaktie() != 0 || kopieerDatabase(doel) != 0)
        return 2;
    zetLaatsteAppDataDir(doel);
    resetDBVeranderd();
    if (!alsStandaard)
        return 0;
    if (!inGeheugen &&
        DesktopVraag::geef().stelVraag(_("Do you want to set this database location as the default database for this "
                                         "application?"),
                                       _("Database") + DesktopFunkties::dubbeleQuotes(doel.GetName(), true),
                                       wxYES_NO | wxICON_QUESTION, ouder()) != wxYES)
        return 0;
    return gaVerderIn(doel);
}

// The connection still holds the old project (for one in memory: its only
// copy besides the saved file). Later changes must reach the saved file, so
// the project is closed and opened there, and started as any opened project.
unsigned int SQLite3App::gaVerderIn(const wxFileName& bestand)
{
    const bool wasGeheugen = isMemoryDB();
    const bool wasAlleenLezen = !wasGeheugen && isAlleenLezenDB();
    const wxFileName oud = dbPad;
    if (!isKopieGoed(bestand.GetFullPath()))
    {
        DesktopFunkties::wxErrorVeilig(_("The saved file") +
                                       DesktopFunkties::dubbeleQuotes(bestand.GetFullPath(), true) +
                                       _("cannot be opened as a project; the project stays where it was."));
        return 2;
    }
    sluitDB();
    zetDBPad(bestand);
    if (open(wasAlleenLezen, wxString()) != 0)
    {
        DesktopFunkties::wxErrorVeilig(_("The project was saved to") +
                                       DesktopFunkties::dubbeleQuotes(bestand.GetFullPath(), true) +
                                       _("but could not be opened there.") + vr +
                                       (wasGeheugen ? _("Open that file to go on with the project.")
                                                    : _("The project goes on at its old place.")));
        // A reopen that fails too has been reported by the open.
        if (!wasGeheugen)
            static_cast<void>(heropen(oud, wasAlleenLezen));
        return 2;
    }
    zetLaatsteAppDataDir(bestand);
    return startGeopend();
}

unsigned int SQLite3App::heropen(const wxFileName& bestand, bool alleenLezenVerzoek)
{
    zetDBPad(bestand);
    const unsigned int geopend = open(alleenLezenVerzoek, wxString());
    if (geopend != 0)
        return geopend;
    return startGeopend();
}

// Half started, a project would take every change at once, beyond undo:
// one that does not start is closed, and not opened again at the next start.
unsigned int SQLite3App::startGeopend()
{
    if (startDatabase() == 0)
        return 0;
    sluitVoorgoedDB();
    return 2;
}

unsigned int SQLite3App::verplaatsDB()
{
    if (!IsOpen())
    {
        wxLogError("%s", _("You cannot move the database, because no database is active."));
        return 2;
    }
    if (isMemoryDB())
    {
        wxLogError("%s", _("You cannot move the database, because the database resides in memory."));
        return 2;
    }
    // Closing would keep what safe operation collected, unasked.
    if (weigerBijVeiligeModus())
        return 2;
    const bool wasAlleenLezen = isAlleenLezenDB();
    // A damaged file moves as it lies, with its log.
    const bool zoalsHetLigt = isBeschadigd();
    const wxString gekozen = DesktopVraag::geef().kiesBestand(
        _("Select the new directory for moving the") + DesktopFunkties::dubbeleQuotes(geefApplikatieNaam(), true) +
            _("database."),
        dbPad.GetPath(wxPATH_GET_VOLUME), wxString(), geefWildCard(), wxFD_SAVE | wxFD_OVERWRITE_PROMPT, ouder());
    if (gekozen.empty())
        return 1;
    // The moved project must stay a file that opens as a project.
    wxFileName doel(gekozen);
    const bool extensieErbij = doel.GetExt() != geefBestandExtensie();
    doel.SetExt(geefBestandExtensie());
    if (doel.SameAs(dbPad))
    {
        meldZelfdeBestand(_("You cannot move the database to the file your current database is based on."));
        return 5;
    }
    if (!doel.DirExists())
    {
        wxLogError("%s", _("Moving the database failed. Please check the new location for any obstructions.") + sp +
                             DesktopFunkties::blokhaken(doel.GetPath(wxPATH_GET_VOLUME)));
        return 2;
    }
    if (controleerKopieDoel(doel) != 0)
        return 2;
    if (extensieErbij && doel.FileExists() && !vraagOverschrijven(doel))
        return 1;
    const bool inWAL = leesHuidigeJournaalMode() == JournaalWAL;
    if (inWAL && !vraagNetwerkSchijf())
        return 1;

    // Every change goes into the file before it moves. A commit or a
    // checkpoint that fails (reported) moves nothing: the project stays
    // open where it is.
    const wxFileName oud = dbPad;
    if (stopTransaktie() != 0)
        return 2;
    // A check still reading would keep the checkpoint from emptying the log;
    // the file is checked anew at its new place.
    stopKontrole();
    if (!wasAlleenLezen && inWAL && executeUpdate("pragma wal_checkpoint(TRUNCATE)", -1) != 0)
        return 2;
    sluitDB();
    // A reopen that fails as well has been reported by the open.
    if (!verplaatsBestand(oud, doel, zoalsHetLigt))
    {
        wxLogError("%s", _("Moving the database failed. Please check the new location for any obstructions."));
        static_cast<void>(heropen(oud, wasAlleenLezen));
        return 2;
    }
    const unsigned int geopend = openDB(doel, wasAlleenLezen, wxString());
    if (geopend != 0)
    {
        wxLogError("%s", _("Opening the database at the new location failed. Please check the new location for any "
                           "obstructions."));
        if (!IsOpen() && verplaatsBestand(doel, oud, zoalsHetLigt))
            static_cast<void>(heropen(oud, wasAlleenLezen));
        return geopend;
    }
    zetDBPad(doel);
    zetLaatsteAppDataDir(doel);
    return 0;
}

bool SQLite3App::verplaatsBestand(const wxFileName& van, const wxFileName& naar, bool zoalsHetLigt)
{
    const wxString oud = van.GetFullPath();
    const wxString nieuw = naar.GetFullPath();
    if (!zoalsHetLigt)
        vouwLogIn(oud);
    // The logs of a file that is replaced belong to that file.
    for (const wxString& bij : bijBestanden)
        if (wxFileExists(nieuw + bij))
            wxRemoveFile(nieuw + bij);
    if (!hernoem(oud, nieuw))
        return false;
    if (wxFileExists(oud + "-wal") && !hernoem(oud + "-wal", nieuw + "-wal"))
    {
        hernoem(nieuw, oud);
        return false;
    }
    if (wxFileExists(oud + "-shm"))
        wxRemoveFile(oud + "-shm");
    return true;
}

unsigned int SQLite3App::nieuweDB(const wxString& sleutel)
{
    if (!sluitNaVraag(_("A database file is already opened and in use.\nDo you want to close it and proceed?")))
        return 1;
    const wxString gekozen =
        DesktopVraag::geef().kiesBestand(_("Please choose the storage path where the new database will be stored."),
                                         geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME), wxString(),
                                         geefWildCard(), wxFD_SAVE | wxFD_OVERWRITE_PROMPT, ouder());
    if (gekozen.empty())
        return 1;
    const wxFileName bestand(gekozen);
    zetLaatsteAppDataDir(bestand);
    if (openOfMaak(bestand, sleutel) != 0)
        return 2; // the open has said why
    // The mark only warns another process; one that cannot be written
    // (reported) does not stop this one.
    static_cast<void>(zetUserVersion(static_cast<int>(maakOpsProcIDKombi())));
    zetStatus(DBStatusOpen);
    return 0;
}

bool SQLite3App::vraagNetwerkSchijf()
{
    return DesktopVraag::geef().stelVraag(
               _("Your database is using a journalling mechanism that does not work on a network drive.") + vr +
                   _("In case you just selected a network path, you should break off this action!") + vr +
                   _("Do you wish to proceed?"),
               _("Network drive storage will not work."), wxYES_NO | wxICON_WARNING, ouder()) == wxYES;
}

bool SQLite3App::vraagOverschrijven(const wxFileName& bestand)
{
    return DesktopVraag::geef().stelVraag(_("The file") + DesktopFunkties::dubbeleQuotes(bestand.GetFullPath(), true) +
                                              _("already exists.") + vr + _("Do you want to replace it?"),
                                          _("The file already exists"), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING,
                                          ouder()) == wxYES;
}

bool SQLite3App::weigerBijVeiligeModus()
{
    if (!isSavePointBezig())
        return false;
    wxLogError("%s", _("The project cannot be saved or moved while safe operation is active.") + vr +
                         _("Stop safe operation first, keeping or undoing its changes."));
    return true;
}

void SQLite3App::meldZelfdeBestand(const wxString& bericht)
{
    DesktopVraag::geef().stelVraag(bericht + vr + _("Please select another file."),
                                   _("Error writing a backup copy to current DB location"), wxOK | wxICON_ERROR,
                                   ouder());
}
