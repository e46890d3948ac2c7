// What the database holds as a version that tells when it changed, the
// statements the layer keeps for reads of many rows, and long reads (and
// the commits within them) that let the program's window paint meanwhile.
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <algorithm>
#include <exception>
#include <future>
#include <sqlite3.h>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <wx/app.h>
#include <wx/debug.h>

namespace
{
SQLite3Basis::TussendoorTijden tussendoorTijden;
SQLite3Basis::TussendoorKlok tussendoorKlok = [] { return std::chrono::steady_clock::now(); };

// SQLite calls the progress handler after this many steps of its machine:
// a few times per millisecond of a search, at the cost of a clock reading.
constexpr int voortgangStappen = 1000;
} // namespace

bool SQLite3Basis::InhoudVersie::operator==(const InhoudVersie& ander) const
{
    return verbinding != nullptr && dataVersie >= 0 && verbinding == ander.verbinding && opening == ander.opening &&
           eigenWijzigingen == ander.eigenWijzigingen && rijWijzigingen == ander.rijWijzigingen &&
           dataVersie == ander.dataVersie;
}

SQLite3Basis::TussendoorTijden SQLite3Basis::zetTussendoorTijden(const TussendoorTijden& nieuw)
{
    return std::exchange(tussendoorTijden, nieuw);
}

SQLite3Basis::TussendoorKlok SQLite3Basis::zetTussendoorKlok(TussendoorKlok nieuw)
{
    return std::exchange(tussendoorKlok, nieuw);
}

void SQLite3Basis::Close()
{
    // Its connection first: the last one to close takes the log away.
    kontrole.reset();
    gaafVersie = BestandsVersie();
    commitGezien = false;
    vergeetBewaardeOpdrachten();
    wxSQLite3Database::Close();
}

void SQLite3Basis::vergeetBewaardeOpdrachten()
{
    for (auto& [tekst, opdracht] : bewaardeOpdrachten)
        sqlite3_finalize(opdracht);
    bewaardeOpdrachten.clear();
}

// A closed connection is reported as the wrapper reports it for every
// other statement.
sqlite3_stmt* SQLite3Basis::bereidRuwVoor(const wxString& opdracht)
{
    sqlite3* verbinding = nullptr;
    try
    {
        static_cast<void>(GetAutoCommit());
        verbinding = static_cast<sqlite3*>(GetDatabaseHandle());
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return nullptr;
    }
    sqlite3_stmt* voorbereid = nullptr;
    const wxScopedCharBuffer tekst = opdracht.utf8_str();
    const int kode =
        sqlite3_prepare_v2(verbinding, tekst.data(), static_cast<int>(tekst.length()), &voorbereid, nullptr);
    if (kode == SQLITE_OK && voorbereid != nullptr)
        return voorbereid;
    sqlite3_finalize(voorbereid);
    meldFout(wxSQLite3Exception(sqlite3_extended_errcode(verbinding), wxString::FromUTF8(sqlite3_errmsg(verbinding))));
    return nullptr;
}

sqlite3_stmt* SQLite3Basis::geefBewaardeOpdracht(const wxString& opdracht)
{
    const std::string sleutel = opdracht.utf8_string();
    const auto bekend = bewaardeOpdrachten.find(sleutel);
    if (bekend != bewaardeOpdrachten.end())
        return bekend->second;
    sqlite3_stmt* voorbereid = bereidRuwVoor(opdracht);
    if (voorbereid != nullptr)
        bewaardeOpdrachten.emplace(sleutel, voorbereid);
    return voorbereid;
}

// The data version tells of the commits of other connections, the count of
// changed rows of this connection's own statements whatever ran them, and
// the layer's count of what it ran of the rest (an undo, a dropped table).
SQLite3Basis::InhoudVersie SQLite3Basis::geefInhoudVersie()
{
    InhoudVersie versie;
    if (!IsOpen())
        return versie;
    sqlite3_stmt* vraag = geefBewaardeOpdracht("pragma data_version");
    if (vraag == nullptr)
        return versie;
    if (sqlite3_step(vraag) == SQLITE_ROW)
        versie.dataVersie = sqlite3_column_int64(vraag, 0);
    sqlite3_reset(vraag);
    sqlite3* verbinding = static_cast<sqlite3*>(GetDatabaseHandle());
    versie.verbinding = verbinding;
    versie.opening = openingen;
    versie.eigenWijzigingen = eigenWijzigingen;
    versie.rijWijzigingen = sqlite3_total_changes64(verbinding);
    return versie;
}

bool SQLite3Basis::beginLangeLezing(bool meteen)
{
    if (!tussendoor || langeLezingBezig || !IsOpen())
        return false;
    langeLezingBezig = true;
    volgendeTussendoor = tussendoorKlok();
    if (!meteen)
        volgendeTussendoor += tussendoorTijden.eerste;
    sqlite3_progress_handler(static_cast<sqlite3*>(GetDatabaseHandle()), voortgangStappen, &SQLite3Basis::opVoortgang,
                             this);
    return true;
}

void SQLite3Basis::eindigLangeLezing()
{
    langeLezingBezig = false;
    if (IsOpen())
        sqlite3_progress_handler(static_cast<sqlite3*>(GetDatabaseHandle()), 0, nullptr, nullptr);
}

int SQLite3Basis::opVoortgang(void* verbinding)
{
    SQLite3Basis& db = *static_cast<SQLite3Basis*>(verbinding);
    db.geefTussendoor();
    return db.isOnderbroken() ? 1 : 0;
}

// Never interrupts the read itself: opVoortgang does, once the user asked. No exception may leave this function, with
// SQLite's own frames between it and the read: one is kept, as wxWidgets
// keeps those of its handlers, and thrown again once control is back in
// the program's event loop.
void SQLite3Basis::geefTussendoor()
{
    const auto begin = tussendoorKlok();
    if (tussendoorBezig || !tussendoor || begin < volgendeTussendoor)
        return;
    tussendoorBezig = true;
    try
    {
        tussendoor();
    }
    catch (...)
    {
        // Without an application to keep it, there is no safe place to
        // throw it again.
        if (!wxTheApp || !wxTheApp->StoreCurrentException())
            std::terminate();
        tussendoorBezig = false;
        // No more hand-overs in this read.
        volgendeTussendoor = std::chrono::steady_clock::time_point::max();
        return;
    }
    tussendoorBezig = false;
    // Paced from its start: the time the window takes to paint does not
    // stretch the pace. The read keeps half a pace to itself, however long
    // a paint takes.
    volgendeTussendoor = std::max(begin + tussendoorTijden.daarna, tussendoorKlok() + tussendoorTijden.daarna / 2);
}

namespace
{
struct Uitkomst
{
    int kode = SQLITE_OK;
    std::string fout;
    long long veranderd = 0;
};

// Only SQLite runs on the other thread: the wrapper's exception, with its
// texts, is made on the program's own.
Uitkomst voerUitInSQLite(sqlite3* verbinding, const char* opdracht)
{
    Uitkomst uitkomst;
    char* fout = nullptr;
    uitkomst.kode = sqlite3_exec(verbinding, opdracht, nullptr, nullptr, &fout);
    if (fout != nullptr)
        uitkomst.fout = fout;
    sqlite3_free(fout);
    uitkomst.veranderd = sqlite3_changes(verbinding);
    return uitkomst;
}

// The connection takes no lock of SQLite's (it is opened without one): while
// its commit runs on a thread of its own, the thread that waits for it must
// leave it alone. SQLite calls this at every step of every statement of the
// connection meanwhile, on whichever thread runs it.
int bewaakCommit(void* wachtendeDraad)
{
    wxASSERT_MSG(std::this_thread::get_id() != *static_cast<const std::thread::id*>(wachtendeDraad),
                 "a statement ran on the connection while its commit ran on a thread of its own");
    return 0;
}

bool isKlaar(const std::future<Uitkomst>& klaar, std::chrono::steady_clock::time_point tot)
{
    if (tot == std::chrono::steady_clock::time_point::max())
    {
        klaar.wait();
        return true;
    }
    return klaar.wait_until(tot) == std::future_status::ready;
}
} // namespace

// Within a hand-over nothing is handed over: the statement runs here.
long long SQLite3Basis::voerUitNaastTussendoor(const char* opdracht)
{
    if (!langeLezingBezig || !tussendoor || tussendoorBezig || !IsOpen())
        return ExecuteUpdate(opdracht);
    sqlite3* verbinding = static_cast<sqlite3*>(GetDatabaseHandle());
    // It would hand over on the other thread; it watches this one instead.
    std::thread::id dezeDraad = std::this_thread::get_id();
    sqlite3_progress_handler(verbinding, 1, &bewaakCommit, &dezeDraad);
    std::future<Uitkomst> klaar;
    try
    {
        klaar = std::async(std::launch::async, voerUitInSQLite, verbinding, opdracht);
    }
    catch (const std::system_error&)
    {
        // No thread to be had: the statement runs here, as it always may.
        sqlite3_progress_handler(verbinding, voortgangStappen, &SQLite3Basis::opVoortgang, this);
        return ExecuteUpdate(opdracht);
    }
    // A hand-over that took itself off leaves nothing to wait for.
    while (!isKlaar(klaar, tussendoor ? volgendeTussendoor : std::chrono::steady_clock::time_point::max()))
        geefTussendoor();
    sqlite3_progress_handler(verbinding, voortgangStappen, &SQLite3Basis::opVoortgang, this);
    const Uitkomst uitkomst = klaar.get();
    if (uitkomst.kode != SQLITE_OK)
        throw wxSQLite3Exception(uitkomst.kode, wxString::FromUTF8(uitkomst.fout));
    return uitkomst.veranderd;
}
