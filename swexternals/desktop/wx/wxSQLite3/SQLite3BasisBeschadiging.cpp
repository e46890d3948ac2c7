// A damaged file: once SQLite reports damage, nothing more is written into
// it, so what can still be read stays as it is. SQLite itself refuses the
// writes, whoever asks for them. What can still be read of a damaged table
// is read through a stand-in of the connection's own (SQLite3BasisLeesbaar).
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <cstring>
#include <sqlite3.h>
#include <wx/intl.h>

namespace
{
bool isHoofdDatabase(const char* database)
{
    return database != nullptr && std::strcmp(database, "main") == 0;
}

// SQLite asks leave to change its schema table when it declares a table of
// its own, such as those of the pragma functions; nobody else may change it.
bool isSchemaTabel(const char* tabel)
{
    return tabel != nullptr &&
           (sqlite3_stricmp(tabel, "sqlite_master") == 0 || sqlite3_stricmp(tabel, "sqlite_schema") == 0);
}

// Pragmas that write into the file; the others set the connection, or read.
bool isSchrijvendePragma(const char* naam, const char* waarde)
{
    if (naam == nullptr)
        return false;
    if (sqlite3_stricmp(naam, "wal_checkpoint") == 0 || sqlite3_stricmp(naam, "incremental_vacuum") == 0)
        return true;
    static const char* const metWaarde[] = {"journal_mode", "user_version", "application_id",
                                            "page_size",    "auto_vacuum",  "schema_version"};
    if (waarde == nullptr)
        return false;
    for (const char* pragma : metWaarde)
        if (sqlite3_stricmp(naam, pragma) == 0)
            return true;
    return false;
}
} // namespace

int SQLite3Basis::magSchrijven(void* verbinding, int actie, const char* eerste, const char* tweede,
                               const char* database, const char*)
{
    auto* db = static_cast<SQLite3Basis*>(verbinding);
    db->schrijfOpdracht.neemWaar(actie, eerste, tweede, database);
    if (!db->beschadigd && !db->ongekontroleerd)
        return SQLITE_OK;
    switch (actie)
    {
    case SQLITE_UPDATE:
        if (isSchemaTabel(eerste))
            return SQLITE_OK;
        [[fallthrough]];
    case SQLITE_INSERT:
    case SQLITE_DELETE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
        return isHoofdDatabase(database) ? SQLITE_DENY : SQLITE_OK;
    case SQLITE_ALTER_TABLE:
        return isHoofdDatabase(eerste) ? SQLITE_DENY : SQLITE_OK;
    // A file not checked whole may still have what its log holds copied
    // into it, as its close would: it was committed before. The temporary
    // database is not the file.
    case SQLITE_PRAGMA:
        return db->beschadigd && (database == nullptr || isHoofdDatabase(database)) &&
                       isSchrijvendePragma(eerste, tweede)
                   ? SQLITE_DENY
                   : SQLITE_OK;
    default:
        return SQLITE_OK;
    }
}

void SQLite3Basis::markeerBeschadigd(bool onleesbaarDeel)
{
    onleesbaar = onleesbaar || onleesbaarDeel;
    if (beschadigd || !IsOpen())
        return;
    beschadigd = true;
    vergeetGaaf(true);
    sqlite3* verbinding = static_cast<sqlite3*>(GetDatabaseHandle());
    // The log holds committed changes; copying them into a damaged file
    // could spread the damage, so they stay in the log.
    sqlite3_wal_autocheckpoint(verbinding, 0);
    sqlite3_db_config(verbinding, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

void SQLite3Basis::meldBeschadigd(const wxString& reden)
{
    zegBeschadigd(_("is damaged:") + DesktopAppBasis::sp + reden, wxString(), false);
}

void SQLite3Basis::zegBeschadigd(const wxString& wat, const wxString& details, bool onleesbaarDeel)
{
    // Said once: every read that meets the damage again would say it again,
    // above what the user must read.
    const bool alGezegd = beschadigd;
    markeerBeschadigd(onleesbaarDeel);
    foutUitgelegd = true;
    if (alGezegd)
        return;
    const wxString naam = isMemoryDB() ? dbPad.GetName() : dbPad.GetFullPath();
    wxString tekst = _("The database file") + DesktopFunkties::dubbeleQuotes(naam, true) + wat + DesktopAppBasis::vr +
                     _("Nothing more is written into it. Use a backup copy, or copy what can still be read into a "
                       "new database.");
    if (!details.empty())
        tekst += DesktopAppBasis::vr + details;
    DesktopFunkties::wxErrorVeilig(tekst);
}

// A page that no read of the program happens to meet, and an index that no
// longer matches its table (which the list would read from), are found by
// the check before anything is written into the file: a read of every page
// and every index entry, once per open. Nothing waits for it but a write.
int SQLite3Basis::controleerBestand()
{
    if (!kontrole)
        return beschadigd || ongekontroleerd ? 2 : 0;
    if (!kontrole->isKlaar() && kontroleWachter)
    {
        // Whatever the program does meanwhile leaves the project alone.
        struct Wacht
        {
            bool& bezig;
            explicit Wacht(bool& bezig_) : bezig(bezig_) { bezig = true; }
            ~Wacht() { bezig = false; }
        } wacht(tussendoorBezig);
        kontroleWachter(*kontrole);
    }
    kontrole->wacht(std::chrono::steady_clock::time_point::max());
    const std::unique_ptr<BestandsKontrole> klaar = std::move(kontrole);
    if (klaar->geefUitkomst() != BestandsKontrole::Uitkomst::Gaaf)
        zegKontroleUitkomst(*klaar);
    else
        neemGaafOver();
    return beschadigd || ongekontroleerd ? 2 : 0;
}

void SQLite3Basis::zegKontroleUitkomst(const BestandsKontrole& klaar)
{
    wxString uitkomst = klaar.geefBericht();
    switch (klaar.geefUitkomst())
    {
    case BestandsKontrole::Uitkomst::Beschadigd:
        // Its first line names the database that was checked.
        if (uitkomst.StartsWith("*** "))
            uitkomst = uitkomst.AfterFirst('\n');
        zegBeschadigd(_("is damaged: part of it cannot be read."),
                      _("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(uitkomst, true), true);
        return;
    case BestandsKontrole::Uitkomst::Onderbroken:
        ongekontroleerd = true;
        DesktopFunkties::wxWaarschuwingVeilig(
            wxString::Format(_("The check of the database file \"%s\" was cancelled, so it is opened in read-only "
                               "mode and nothing is written into it."),
                             dbPad.GetFullPath()) +
            DesktopAppBasis::vr + _("Open it again to check it and to change it."));
        return;
    default:
        ongekontroleerd = true;
        meldFout(wxSQLite3Exception(klaar.geefKode(), uitkomst));
        return;
    }
}

void SQLite3Basis::stopKontrole()
{
    if (!kontrole)
        return;
    kontrole.reset();
    ongekontroleerd = true;
}
