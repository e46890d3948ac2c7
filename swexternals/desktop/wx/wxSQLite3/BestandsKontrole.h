#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSKONTROLE_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_BESTANDSKONTROLE_H

#include "swexternals/desktop/wx/wxSQLite3/TellendeVFS.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <wx/string.h>
#include <wx/wxsqlite3.h>

struct sqlite3;

// SQLite's check of a whole database file, its indexes against their tables
// included, on a connection and a thread of its own. It reads every page,
// seconds in a large project; nothing but a write into the file needs to
// wait for it, and the program reads meanwhile. At its end the program's
// idle time comes, as after an event: its window looks then whether it has
// ended (isKlaar).
class BestandsKontrole
{
public:
    enum class Uitkomst
    {
        Bezig,
        Gaaf,
        Beschadigd,
        Onderbroken,
        Mislukt
    };

    // How far it is: `gedaan` of about `totaal` bytes read (the check reads
    // most pages twice); 0 of 0 while it does not know.
    struct Stand
    {
        size_t gedaan = 0;
        size_t totaal = 0;
    };

    // Opens the file as the project's connection names it (`naam`, a URI
    // when `vlaggen` say so), read-only, with the key, waiting at most
    // `slot` for a lock that another program holds, and starts. A file that
    // does not open ends at once as Mislukt.
    BestandsKontrole(const wxString& naam, const wxString& sleutel, int vlaggen, std::chrono::milliseconds slot);
    // Stops the check, waits for its thread and closes its connection.
    ~BestandsKontrole();

    BestandsKontrole(const BestandsKontrole&) = delete;
    BestandsKontrole& operator=(const BestandsKontrole&) = delete;

    // Waits at most until `tot`; true once the check has ended.
    bool wacht(std::chrono::steady_clock::time_point tot);
    bool isKlaar() const;
    // Asks SQLite to stop the check; it then ends as Onderbroken, unless it
    // had ended already. Asked again while it runs, until it ends: SQLite
    // forgets it when the check's statement had not yet begun.
    void onderbreek();
    Stand geefStand() const;

    // Once it has ended: what it found, and SQLite's words (and code) of the
    // damage or the failure.
    Uitkomst geefUitkomst() const;
    wxString geefBericht() const;
    int geefKode() const;

private:
    void voerUit();
    static int opVoortgang(void* kontrole);
    // The file as a URI that SQLite opens with the file system that counts
    // what the check reads; the flags then say that it is a URI.
    wxString geefNaamMetTelling(const wxString& naam, int& vlaggen) const;

    // First: its connection closes before it goes.
    TellendeVFS telling;

    // The wrapper keeps SQLite's own connection to its heirs.
    struct Verbinding : wxSQLite3Database
    {
        using wxSQLite3Database::GetDatabaseHandle;
    };
    Verbinding verbinding;
    sqlite3* db = nullptr;
    std::atomic<bool> onderbroken{false};
    std::atomic<size_t> teLezen{0};
    mutable std::mutex slot;
    std::condition_variable klaar;
    Uitkomst uitkomst = Uitkomst::Bezig;
    std::string bericht;
    int kode = 0;
    // Last: started once everything it uses is there.
    std::thread draad;
};

#endif
