#include "swexternals/desktop/wx/wxSQLite3/BestandsKontrole.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <sqlite3.h>
#include <system_error>
#include <wx/app.h>

namespace
{
// SQLite calls the progress handler after this many steps of its machine.
constexpr int kontroleStappen = 1000;

bool isBeschadigdeKode(int kode)
{
    return (kode & 0xff) == SQLITE_CORRUPT || (kode & 0xff) == SQLITE_NOTADB;
}
} // namespace

BestandsKontrole::BestandsKontrole(const wxString& naam, const wxString& sleutel, int vlaggen,
                                   std::chrono::milliseconds wachtTijd)
{
    try
    {
        int uriVlag = vlaggen & WXSQLITE_OPEN_URI;
        const wxString metTelling = geefNaamMetTelling(naam, uriVlag);
        verbinding.Open(metTelling, sleutel, WXSQLITE_OPEN_READONLY | uriVlag | WXSQLITE_OPEN_NOMUTEX);
        verbinding.SetBusyTimeout(static_cast<int>(wachtTijd.count()));
        db = static_cast<sqlite3*>(verbinding.GetDatabaseHandle());
    }
    catch (const wxSQLite3Exception& fout)
    {
        uitkomst = Uitkomst::Mislukt;
        kode = fout.GetErrorCode();
        bericht = SQLite3Basis::sqliteBericht(fout).utf8_string();
        return;
    }
    try
    {
        draad = std::thread([this] { voerUit(); });
    }
    catch (const std::system_error&)
    {
        // No thread to be had: the check runs here, as it always may.
        voerUit();
    }
}

BestandsKontrole::~BestandsKontrole()
{
    if (draad.joinable())
    {
        do
            onderbreek();
        while (!wacht(std::chrono::steady_clock::now() + std::chrono::milliseconds(10)));
        draad.join();
    }
    try
    {
        verbinding.Close();
    }
    catch (const wxSQLite3Exception&)
    {
        // A connection that only read holds nothing to lose.
    }
}

// Only SQLite runs on the other thread; the texts of what it found become
// the program's on the program's own.
void BestandsKontrole::voerUit()
{
    sqlite3_stmt* vraag = nullptr;
    if (sqlite3_prepare_v2(db, "select page_count*page_size from pragma_page_count,pragma_page_size", -1, &vraag,
                           nullptr) == SQLITE_OK &&
        sqlite3_step(vraag) == SQLITE_ROW)
        teLezen = 2 * static_cast<size_t>(sqlite3_column_int64(vraag, 0));
    sqlite3_finalize(vraag);
    vraag = nullptr;
    sqlite3_progress_handler(db, kontroleStappen, &BestandsKontrole::opVoortgang, this);
    // SQLite forgets a stop asked before its statement began.
    int stap =
        onderbroken ? SQLITE_INTERRUPT : sqlite3_prepare_v2(db, "pragma main.integrity_check(1)", -1, &vraag, nullptr);
    if (stap == SQLITE_OK)
        stap = onderbroken ? SQLITE_INTERRUPT : sqlite3_step(vraag);
    Uitkomst gevonden = Uitkomst::Mislukt;
    std::string tekst;
    int fout = SQLITE_OK;
    if (stap == SQLITE_ROW)
    {
        const auto* regel = reinterpret_cast<const char*>(sqlite3_column_text(vraag, 0));
        tekst = regel ? regel : "";
        gevonden = tekst == "ok" ? Uitkomst::Gaaf : Uitkomst::Beschadigd;
    }
    else
    {
        fout = sqlite3_extended_errcode(db);
        tekst = sqlite3_errmsg(db);
        gevonden = isBeschadigdeKode(fout) ? Uitkomst::Beschadigd : Uitkomst::Mislukt;
    }
    // A check asked to stop gives no verdict but a sound file: the pages it
    // left unread would count as never used.
    if (onderbroken && gevonden != Uitkomst::Gaaf)
        gevonden = Uitkomst::Onderbroken;
    sqlite3_finalize(vraag);
    sqlite3_progress_handler(db, 0, nullptr, nullptr);
    const std::lock_guard<std::mutex> vast(slot);
    uitkomst = gevonden;
    bericht = tekst;
    kode = fout;
    klaar.notify_all();
    // Heard of there, on the program's own thread: an event queued from here
    // for a handler that wxWidgets has put aside during a yield would be
    // counted twice.
    wxWakeUpIdle();
}

int BestandsKontrole::opVoortgang(void* kontrole)
{
    return static_cast<BestandsKontrole*>(kontrole)->onderbroken ? 1 : 0;
}

// A URI keeps the parameters it has; a path becomes one, its own ?, # and %
// written as such.
wxString BestandsKontrole::geefNaamMetTelling(const wxString& naam, int& vlaggen) const
{
    const std::string& vfs = telling.geefNaam();
    if (vfs.empty())
        return naam;
    const wxString parameter = "vfs=" + wxString::FromUTF8(vfs);
    if ((vlaggen & WXSQLITE_OPEN_URI) != 0)
        return naam + (naam.Contains("?") ? "&" : "?") + parameter;
    vlaggen |= WXSQLITE_OPEN_URI;
    return SQLite3Basis::maakBestandsURI(naam, parameter);
}

bool BestandsKontrole::wacht(std::chrono::steady_clock::time_point tot)
{
    std::unique_lock<std::mutex> vast(slot);
    return klaar.wait_until(vast, tot, [this] { return uitkomst != Uitkomst::Bezig; });
}

bool BestandsKontrole::isKlaar() const
{
    const std::lock_guard<std::mutex> vast(slot);
    return uitkomst != Uitkomst::Bezig;
}

void BestandsKontrole::onderbreek()
{
    onderbroken = true;
    if (db != nullptr)
        sqlite3_interrupt(db);
}

BestandsKontrole::Stand BestandsKontrole::geefStand() const
{
    return {telling.geefGelezen(), teLezen};
}

BestandsKontrole::Uitkomst BestandsKontrole::geefUitkomst() const
{
    const std::lock_guard<std::mutex> vast(slot);
    return uitkomst;
}

wxString BestandsKontrole::geefBericht() const
{
    const std::lock_guard<std::mutex> vast(slot);
    return wxString::FromUTF8(bericht);
}

int BestandsKontrole::geefKode() const
{
    const std::lock_guard<std::mutex> vast(slot);
    return kode;
}
