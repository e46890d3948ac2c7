// Running statements and queries: the place where the wrapper's exceptions
// end and become a result code and one error line in the log.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/Opwaardering.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <cstring>
#include <sqlite3.h>
#include <wx/crt.h>
#include <wx/intl.h>
#include <wx/log.h>

// The wrapper puts SQLite's name for the code and the code itself before
// SQLite's message ("name[code]: message"), and the name is often the
// message again: the user reads SQLite's message once.
wxString SQLite3Basis::sqliteBericht(const wxSQLite3Exception& fout)
{
    const wxString tekst = fout.GetMessage();
    const size_t einde = tekst.find("]: ");
    if (einde == wxString::npos)
        return tekst;
    const size_t begin = tekst.rfind('[', einde);
    if (begin == wxString::npos || begin + 1 == einde)
        return tekst;
    for (size_t i = begin + 1; i < einde; ++i)
        if (!wxIsdigit(tekst[i]))
            return tekst;
    return tekst.Mid(einde + 3);
}

void SQLite3Basis::meldFout(const wxSQLite3Exception& fout)
{
    const wxString sqlite = _("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(sqliteBericht(fout), true);
    const wxString naam = DesktopFunkties::dubbeleQuotes(isMemoryDB() ? dbPad.GetName() : dbPad.GetFullPath(), true);
    const int kode = fout.GetErrorCode() & 0xff;
    foutUitgelegd = true;
    if (kode == SQLITE_INTERRUPT && isOnderbroken())
        return;
    if (kode == SQLITE_CORRUPT || kode == SQLITE_NOTADB)
    {
        // Said once: every read that meets the damage again would say it
        // again, above what the user must read.
        const bool alGemeld = beschadigd;
        markeerBeschadigd();
        if (alGemeld)
            return;
        DesktopFunkties::wxErrorVeilig(_("The database file") + naam + _("is damaged: part of it cannot be read.") +
                                       DesktopAppBasis::vr +
                                       _("Nothing more is written into it. Use a backup copy, or copy what can "
                                         "still be read into a new database.") +
                                       DesktopAppBasis::vr + sqlite);
        return;
    }
    if (kode == SQLITE_AUTH && beschadigd)
    {
        DesktopFunkties::wxErrorVeilig(_("The database file") + naam +
                                       _("is damaged. Nothing more is written into it."));
        return;
    }
    if (isSchijfVol(fout.GetErrorCode()))
    {
        meldSchijfVol(sqlite, false);
        return;
    }
    wxString tekst = sqlite;
    const bool vergrendeld = kode == SQLITE_BUSY || kode == SQLITE_LOCKED;
    if (vergrendeld)
        tekst += DesktopAppBasis::vr + _("The database is locked by another program. Close it there and try again.");
    foutUitgelegd = vergrendeld;
    DesktopFunkties::wxErrorVeilig(tekst);
}

void SQLite3Basis::meldFout(const wxString& formaat, FoutMelding fout)
{
    const wxString tekst = wxString::Format(formaat, static_cast<int>(fout));
    DesktopFunkties::wxErrorVeilig(tekst);
    dbStatus = DBStatusFout;
    foutUitgelegd = false;
}

int SQLite3Basis::executeUpdate(const wxString& opdracht, long long verwacht)
{
    if (isWijzigingGeweigerd())
        return 2;
    return voerUit(opdracht, verwacht);
}

bool SQLite3Basis::isWijzigingGeweigerd() const
{
    if (!wijzigingGeblokkeerd)
        return false;
    DesktopFunkties::wxErrorVeilig(_("The previous change could not be committed, so this change was not made.") +
                                   DesktopAppBasis::vr + _("Commit or undo the previous change first."));
    return true;
}

// Converted once, for SQLite and for the record alike: a statement may hold
// a description of megabytes.
int SQLite3Basis::voerUit(const wxString& opdracht, long long verwacht, bool commit)
{
    const wxScopedCharBuffer tekst = opdracht.utf8_str();
    if (wachtVoorSchrijven(tekst.data()) != 0)
        return 2;
    return voerUit(
        [&]
        { return commit ? voerUitNaastTussendoor(tekst.data()) : static_cast<long long>(ExecuteUpdate(tekst.data())); },
        [&] { transaktieVerslag.neemOp(tekst.data(), tekst.length()); }, verwacht);
}

int SQLite3Basis::voerUit(const std::function<long long()>& voerDoor, const std::function<void()>& neemOp,
                          long long verwacht)
{
    // Counted before it runs: one that fails may have changed something.
    if (tijdelijkeWijzigingen == 0)
        ++eigenWijzigingen;
    const bool wasOpen = isTransaktieOpenInDB();
    try
    {
        const long long veranderd = schrijfMetOverloop(voerDoor);
        neemCommitOp();
        onthoudOpdracht(neemOp, wasOpen);
        if (verwacht != -1 && veranderd != verwacht)
        {
            const wxString tekst = _("Database Execute Error");
            DesktopFunkties::wxErrorVeilig(tekst);
            foutUitgelegd = false;
            return 2;
        }
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        neemCommitOp();
        // The upgrade of a start is taken back whole and said as a whole,
        // by its scope: the user changed nothing that could be kept.
        if (opwaardering != nullptr)
        {
            opwaardering->noteer(fout);
            return 2;
        }
        herstelNaFout(wasOpen, fout);
        meldFout(fout);
        herstel = TransaktieVerslag::Herstel::Geen;
        return 2;
    }
    catch (FoutMelding fout)
    {
        meldFout(_("SQLite3 errorcode: %d"), fout);
        return 2;
    }
}

namespace
{
// The statement of the connection with this text, when there is one and
// only one: the wrapper does not give its own. Null where it cannot be told.
sqlite3_stmt* zoekOpdracht(sqlite3* db, const char* tekst)
{
    sqlite3_stmt* gevonden = nullptr;
    for (sqlite3_stmt* kandidaat = sqlite3_next_stmt(db, nullptr); kandidaat != nullptr;
         kandidaat = sqlite3_next_stmt(db, kandidaat))
    {
        const char* zijnTekst = sqlite3_sql(kandidaat);
        if (zijnTekst == nullptr || std::strcmp(zijnTekst, tekst) != 0)
            continue;
        if (gevonden != nullptr || sqlite3_stmt_busy(kandidaat))
            return nullptr;
        gevonden = kandidaat;
    }
    return gevonden;
}

// A select of every parameter of a statement of `aantal` of them.
wxString geefWaardenVraag(int aantal)
{
    wxString vraag = "select ?1";
    for (int plaats = 2; plaats <= aantal; ++plaats)
        vraag << ",?" << plaats;
    return vraag;
}
} // namespace

// SQLite offers no way to read a bound value but to move the values over to
// a statement that selects them: moved back after, the statement is as it
// was. Its text with the values written in (sqlite3_expanded_sql) would
// round a real number to 15 digits.
void SQLite3Basis::onthoudVoorbereid(wxSQLite3Statement& voorbereid)
{
    sqlite3* db = static_cast<sqlite3*>(GetDatabaseHandle());
    const std::string tekst = voorbereid.GetSQL().utf8_string();
    sqlite3_stmt* opdracht = zoekOpdracht(db, tekst.c_str());
    if (opdracht == nullptr)
    {
        transaktieVerslag.markeerOnvolledig();
        return;
    }
    const int aantal = sqlite3_bind_parameter_count(opdracht);
    if (aantal == 0)
    {
        transaktieVerslag.neemOp(tekst.c_str(), nullptr);
        return;
    }
    sqlite3_stmt* waarden = geefBewaardeOpdracht(geefWaardenVraag(aantal));
    if (waarden == nullptr || sqlite3_transfer_bindings(opdracht, waarden) != SQLITE_OK)
    {
        transaktieVerslag.markeerOnvolledig();
        return;
    }
    if (sqlite3_step(waarden) == SQLITE_ROW)
        transaktieVerslag.neemOp(tekst.c_str(), waarden);
    else
        transaktieVerslag.markeerOnvolledig();
    sqlite3_reset(waarden);
    static_cast<void>(sqlite3_transfer_bindings(waarden, opdracht));
}

int SQLite3Basis::bereidVoor(const wxString& opdracht, wxSQLite3Statement& voorbereid)
{
    try
    {
        voorbereid = PrepareStatement(opdracht);
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return 2;
    }
}

int SQLite3Basis::executeUpdate(wxSQLite3Statement& voorbereid, const std::function<void(wxSQLite3Statement&)>& bind,
                                long long verwacht)
{
    if (isWijzigingGeweigerd())
        return 2;
    // Kept and run again, a statement passes the gate at every run.
    if (isPoortBewaakt() && wachtVoorSchrijven(voorbereid.GetSQL().utf8_str()) != 0)
        return 2;
    // A failed run leaves the statement as it was bound; the next run binds
    // all its values anew.
    return voerUit(
        [&]
        {
            voorbereid.Reset();
            bind(voorbereid);
            return static_cast<long long>(voorbereid.ExecuteUpdate());
        },
        [&] { onthoudVoorbereid(voorbereid); }, verwacht);
}

wxSQLite3ResultSet SQLite3Basis::executeQuery(const wxString& opdracht, bool loggen)
{
    wxSQLite3ResultSet resultaat;
    try
    {
        if (loggen)
            DesktopFunkties::wxLogVeilig("(SQLite3Basis::executeQuery) sql commando = " + opdracht);
        if (isPoortBewaakt() && wachtVoorSchrijven(opdracht.utf8_str()) != 0)
            return resultaat;
        resultaat = ExecuteQuery(opdracht);
        if (!resultaat.IsOk())
        {
            const wxString tekst = _("Database Query Error");
            DesktopFunkties::wxErrorVeilig(tekst);
            foutUitgelegd = false;
        }
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        resultaat = wxSQLite3ResultSet();
    }
    catch (FoutMelding fout)
    {
        meldFout(_("SQLite3 errorcode: %d"), fout);
        resultaat = wxSQLite3ResultSet();
    }
    return resultaat;
}

int SQLite3Basis::executeQueryExternResultaat(const wxString& opdracht, wxSQLite3ResultSet& resultaat)
{
    try
    {
        DesktopFunkties::wxLogVeilig(
            "(SQLite3Basis::executeQueryExternResultaat) sql commando = " +
            DesktopFunkties::dubbeleQuotes(DesktopFunkties::maakSchoonPrintNaam(opdracht), false));
        if (isPoortBewaakt() && wachtVoorSchrijven(opdracht.utf8_str()) != 0)
            return 2;
        wxSQLite3ResultSet nieuw = ExecuteQuery(opdracht);
        resultaat = nieuw;
        if (resultaat.IsOk())
            return 0;
        const wxString tekst = _("Database Query Error");
        DesktopFunkties::wxErrorVeilig(tekst);
        foutUitgelegd = false;
        return 2;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return 2;
    }
}

// Not the wrapper's ExecuteScalar: that one reads 32 bits, and counts and
// sums can grow past them.
long long SQLite3Basis::executeSkalair(const wxString& opdracht)
{
    if (isPoortBewaakt() && wachtVoorSchrijven(opdracht.utf8_str()) != 0)
        return -1;
    try
    {
        wxSQLite3ResultSet resultaat = ExecuteQuery(opdracht);
        if (!resultaat.NextRow())
        {
            const wxString tekst =
                _("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(_("The query yielded no value."), true);
            DesktopFunkties::wxErrorVeilig(tekst);
            foutUitgelegd = false;
            dbStatus = DBStatusFout;
            return -1;
        }
        return resultaat.GetInt64(0).GetValue();
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return -1;
    }
}

wxArrayString SQLite3Basis::executeStringKolomQuery(const wxString& opdracht, bool loggen)
{
    wxArrayString waarden;
    wxSQLite3ResultSet resultaat = executeQuery(opdracht, loggen);
    if (!resultaat.IsOk())
        return waarden;
    try
    {
        while (resultaat.NextRow())
            waarden.Add(leesTekst(resultaat, 0));
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        waarden.clear();
    }
    return waarden;
}

// The one gate: while the check of the whole file has not been taken over,
// or was stopped, a statement that writes into the file waits for it or is
// refused, whoever runs it and however it was prepared. Once the file is
// known to be sound, every statement passes at the cost of one test. A file
// found damaged meanwhile needs no wait: SQLite refuses every write into it
// (magSchrijven), and the refusal is said as such.
int SQLite3Basis::wachtVoorSchrijven(const char* tekst)
{
    if (!isPoortBewaakt() || beschadigd || !IsOpen())
        return 0;
    if (!schrijfOpdracht.isSchrijvend(static_cast<sqlite3*>(GetDatabaseHandle()), tekst))
        return 0;
    return wachtOpKontrole();
}

int SQLite3Basis::wachtVoorSchrijven(sqlite3_stmt* opdracht)
{
    if (!isPoortBewaakt() || beschadigd || !IsOpen())
        return 0;
    if (!schrijfOpdracht.isSchrijvend(static_cast<sqlite3*>(GetDatabaseHandle()), opdracht))
        return 0;
    return wachtOpKontrole();
}

// What the check found, or that it was stopped, has been said: the refused
// statement adds no words of its own.
int SQLite3Basis::wachtOpKontrole()
{
    const int gekontroleerd = controleerBestand();
    if (gekontroleerd != 0)
        foutUitgelegd = true;
    return gekontroleerd;
}
