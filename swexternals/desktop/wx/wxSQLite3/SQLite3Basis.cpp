#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"

#include <wx/fileconf.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace
{
const wxString configGroep = "/Configuratie/Database";
const wxString sleutelPad = "DBPad";
const wxString sleutelAlleenLezen = "IsAlleenLezenDB";
const wxString sleutelVersleuteld = "IsVersleuteldeDB";
const wxString sleutelSQLiteVersie = "SQlite3Versie";
const wxString sleutelWrapperVersie = "wxSQlite3Versie";
const wxString geheugenNaam = ":memory:";
} // namespace

const wxString SQLite3Basis::DatabaseGeslotenNaam = "&^$#@GeslotenGeenBestand@#$^&";
const wxString SQLite3Basis::journalModesStr[6] = {"DELETE", "TRUNCATE", "PERSIST", "MEMORY", "WAL", "OFF"};
const wxArrayString SQLite3Basis::journalModes(6, SQLite3Basis::journalModesStr);
const wxString SQLite3Basis::synchroModesStr[4] = {"OFF", "NORMAL", "FULL", "EXTRA"};
const wxArrayString SQLite3Basis::synchronisatieModes(4, SQLite3Basis::synchroModesStr);

SQLite3Basis::SQLite3Basis(wxFileConfig& konfig, const wxString& bestandExtensie, bool alleenLezenSchakelaar,
                           const wxString& sleutel)
    : extensie(bestandExtensie), config(&konfig)
{
    initialiseer(alleenLezenSchakelaar);
    laadConfigGegevens();
    openBijStart(sleutel);
}

SQLite3Basis::SQLite3Basis(wxFileConfig& konfig, const wxString& bestandExtensie, const wxString&)
    : extensie(bestandExtensie), config(&konfig)
{
    initialiseer(false);
    laadConfigGegevens();
    dbPad.SetExt(extensie);
}

SQLite3Basis::SQLite3Basis(const wxFileName& bestand, bool alleenLezenSchakelaar, const wxString& sleutel)
    : config(nullptr)
{
    initialiseer(alleenLezenSchakelaar);
    if (bestand.GetDirCount() == 0 && !bestand.HasVolume() && !bestand.IsAbsolute())
    {
        dbPad = wxFileName(wxStandardPaths::Get().GetDocumentsDir(), bestand.GetName(), "db");
    }
    else if (bestand.FileExists())
    {
        dbPad = bestand;
        extensie = bestand.GetExt();
    }
    else
    {
        meldPadBestaatNiet(bestand);
        dbPad = bestand;
        dbPad.SetName(geheugenNaam);
        dbPad.SetExt(extensie);
        extensie = bestand.GetExt();
    }
    // After a full disk or a lock, said in full, these words would only repeat it.
    if (open(alleenLezen, sleutel) != 0 && !isFoutUitgelegd())
        DesktopFunkties::wxErrorVeilig(_("Database") + DesktopFunkties::dubbeleQuotes(dbPad.GetFullName(), true) +
                                       _("could not be opened properly."));
}

SQLite3Basis::SQLite3Basis(wxFileConfig& konfig, const wxFileName& bestand, bool alleenLezenSchakelaar,
                           const wxString& sleutel)
    : SQLite3Basis(bestand, alleenLezenSchakelaar, sleutel)
{
    config = &konfig;
}

SQLite3Basis::~SQLite3Basis()
{
    try
    {
        bewaarConfigGegevens();
        // Our own close: a derived class's part is gone by now.
        SQLite3Basis::sluitDB();
    }
    catch (...)
    {
        // Nothing may leave a destructor; the close reports its own failures.
    }
}

void SQLite3Basis::initialiseer(bool alleenLezenSchakelaar)
{
    huidigeJournaalMode = JournaalDelete;
    huidigeSynchronisatie = SynchronisatieFull;
    transaktieMode = TransaktieAutoCommit;
    dbStatus = DBStatusGesloten;
    hoofdletterGevoelig = true;
    exactOvereenkomen = false;
    dbVeranderd = false;
    alleenLezen = alleenLezenSchakelaar;
    versleuteld = false;
    bewaarMetaInfo = true;
    wijzigingGeblokkeerd = false;
    beschadigd = false;
    foutUitgelegd = false;
    logWasEr = true;
    indexWasEr = true;
}

void SQLite3Basis::openBijStart(const wxString& sleutel)
{
    const wxString naam = dbPad.GetName();
    if (naam == DatabaseGeslotenNaam)
        return; // the previous run closed its database for good
    if (naam == geheugenNaam)
    {
        if (!alleenLezen)
            wxLogMessage("%s", _("Your current database is a SQLite3 memory (RAM) database.") + DesktopAppBasis::vr +
                                   _("You will be asked to save it to a file at closing time."));
    }
    else if (!dbPad.FileExists())
    {
        meldPadBestaatNiet(dbPad);
        dbPad.SetName(geheugenNaam);
    }
    // After a full disk or a lock, said in full, these words would only repeat it.
    if (open(alleenLezen, sleutel) != 0 && !isFoutUitgelegd())
        DesktopFunkties::wxErrorVeilig(_("Database") + DesktopFunkties::dubbeleQuotes(dbPad.GetFullName(), true) +
                                       _("could not be opened properly."));
}

void SQLite3Basis::meldPadBestaatNiet(const wxFileName& pad) const
{
    wxLogMessage("%s", _("The database path") + DesktopFunkties::dubbeleQuotes(pad.GetFullPath(), true) +
                           _("does not exist.") + DesktopAppBasis::vr +
                           _("The DB path will be reset to a memory path."));
}

void SQLite3Basis::laadConfigGegevens()
{
    if (config == nullptr)
        return;
    // Whole keys: the configuration's current group stays where it was.
    const wxString groep = configGroep + "/";
    const wxString pad = config->Read(groep + sleutelPad, geheugenNaam);
    config->Read(groep + sleutelAlleenLezen, &alleenLezen, alleenLezen);
    config->Read(groep + sleutelVersleuteld, &versleuteld, versleuteld);
    if (pad != geheugenNaam)
    {
        dbPad = wxFileName(pad);
        return;
    }
    dbPad.SetName(geheugenNaam);
    dbPad.SetExt(extensie);
}

void SQLite3Basis::bewaarConfigGegevens() const
{
    if (config == nullptr || !bewaarMetaInfo)
        return;
    const wxString groep = configGroep + "/";
    config->Write(groep + sleutelPad, isMemoryDB() ? dbPad.GetName() : dbPad.GetFullPath());
    config->Write(groep + sleutelSQLiteVersie, sqlite3Versie());
    config->Write(groep + sleutelWrapperVersie, wxSqlite3Versie());
    config->Write(groep + sleutelAlleenLezen, alleenLezen);
    config->Write(groep + sleutelVersleuteld, versleuteld);
}

wxString SQLite3Basis::sqlite3Versie()
{
    return GetVersion();
}

wxString SQLite3Basis::wxSqlite3Versie()
{
    return GetWrapperVersion();
}
