// What the database holds as a version that tells when it changed, the
// statements the layer keeps for reads of many rows, and long reads that
// let the program's window paint meanwhile.
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <exception>
#include <sqlite3.h>
#include <utility>
#include <wx/app.h>

namespace
{
SQLite3Basis::TussendoorTijden tussendoorTijden;

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

void SQLite3Basis::Close()
{
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

bool SQLite3Basis::beginLangeLezing()
{
    if (!tussendoor || langeLezingBezig || !IsOpen())
        return false;
    langeLezingBezig = true;
    volgendeTussendoor = std::chrono::steady_clock::now() + tussendoorTijden.eerste;
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

// Never interrupts the read. No exception may leave this function, with
// SQLite's own frames between it and the read: one is kept, as wxWidgets
// keeps those of its handlers, and thrown again once control is back in
// the program's event loop.
int SQLite3Basis::opVoortgang(void* verbinding)
{
    SQLite3Basis& db = *static_cast<SQLite3Basis*>(verbinding);
    if (db.tussendoorBezig || !db.tussendoor || std::chrono::steady_clock::now() < db.volgendeTussendoor)
        return 0;
    db.tussendoorBezig = true;
    try
    {
        db.tussendoor();
    }
    catch (...)
    {
        // Without an application to keep it, there is no safe place to
        // throw it again.
        if (!wxTheApp || !wxTheApp->StoreCurrentException())
            std::terminate();
        db.tussendoorBezig = false;
        // No more hand-overs in this read.
        db.volgendeTussendoor = std::chrono::steady_clock::time_point::max();
        return 0;
    }
    db.tussendoorBezig = false;
    db.volgendeTussendoor = std::chrono::steady_clock::now() + tussendoorTijden.daarna;
    return 0;
}
