#include "swexternals/desktop/wx/wxSQLite3/BestandsKenmerk.h"

#include <cerrno>
#include <chrono>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace
{
// The file's header of 100 bytes, the change counter among them; the log's
// header of 32 bytes, its salts and checksums among them.
constexpr int bestandsKop = 100;
constexpr int logKop = 32;
// Where the file's header says that it is in WAL mode.
constexpr int formaatPlaats = 18;
// Longer than any tick of the clock that times the changes of files.
constexpr std::chrono::milliseconds langsteTik{50};

// At every commit: without a format per byte.
wxString alsHex(const unsigned char* bytes, size_t aantal)
{
    static const char cijfers[] = "0123456789abcdef";
    std::string tekst(2 * aantal, '0');
    for (size_t i = 0; i < aantal; ++i)
    {
        tekst[2 * i] = cijfers[bytes[i] >> 4];
        tekst[2 * i + 1] = cijfers[bytes[i] & 0xf];
    }
    return wxString::FromAscii(tekst.c_str());
}

bool isLater(const timespec& a, const timespec& b)
{
    return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
}

// The file's identity and times; none when it is not there or holds
// nothing, nor when it cannot be asked (`fout`).
std::optional<struct stat> leesStaat(const wxString& pad, bool& fout)
{
    struct stat info;
    if (stat(pad.fn_str(), &info) != 0)
    {
        fout = errno != ENOENT;
        return std::nullopt;
    }
    if (info.st_size == 0)
        return std::nullopt;
    return info;
}

// Both times of the file in whole seconds: its file system keeps no part
// of one (a time that falls on a whole second of a finer one is rare, and
// only costs a check).
bool isHeleSeconden(const struct stat& info)
{
    return info.st_mtim.tv_nsec == 0 && info.st_ctim.tv_nsec == 0;
}

wxString alsTekst(const struct stat& info, const unsigned char* kop, size_t lengte)
{
    return wxString::Format("%llx.%llx.%llx.%lld.%09ld.%lld.%09ld.", static_cast<unsigned long long>(info.st_dev),
                            static_cast<unsigned long long>(info.st_ino), static_cast<unsigned long long>(info.st_size),
                            static_cast<long long>(info.st_mtim.tv_sec), info.st_mtim.tv_nsec,
                            static_cast<long long>(info.st_ctim.tv_sec), info.st_ctim.tv_nsec) +
           alsHex(kop, lengte);
}

bool leesKop(sqlite3_file* bestand, unsigned char* kop, int lengte)
{
    if (bestand == nullptr || bestand->pMethods == nullptr)
        return false;
    const int kode = bestand->pMethods->xRead(bestand, kop, lengte, 0);
    return kode == SQLITE_OK || kode == SQLITE_IOERR_SHORT_READ;
}
} // namespace

BestandsKenmerk BestandsKenmerk::lees(sqlite3* db, const wxString& pad)
{
    BestandsKenmerk kenmerk;
    sqlite3_file* bestand = nullptr;
    sqlite3_file* log = nullptr;
    if (db == nullptr || sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &bestand) != SQLITE_OK)
        return kenmerk;
    bool fout = false;
    const std::optional<struct stat> bestandsStaat = leesStaat(pad, fout);
    const std::optional<struct stat> logStaat = leesStaat(pad + "-wal", fout);
    unsigned char kop[bestandsKop] = {};
    if (!bestandsStaat || fout || isHeleSeconden(*bestandsStaat) || !leesKop(bestand, kop, bestandsKop))
        return kenmerk;
    kenmerk.tekst = alsTekst(*bestandsStaat, kop, bestandsKop) + "/";
    kenmerk.laatst = bestandsStaat->st_ctim;
    if (!logStaat)
    {
        kenmerk.tekst += "-";
        return kenmerk;
    }
    // A log that holds something is the connection's own only in WAL mode.
    unsigned char logKopBytes[logKop] = {};
    if (kop[formaatPlaats] != 2 || sqlite3_file_control(db, "main", SQLITE_FCNTL_JOURNAL_POINTER, &log) != SQLITE_OK ||
        !leesKop(log, logKopBytes, logKop))
        return BestandsKenmerk();
    kenmerk.tekst += alsTekst(*logStaat, logKopBytes, logKop);
    if (isLater(logStaat->st_ctim, kenmerk.laatst))
        kenmerk.laatst = logStaat->st_ctim;
    return kenmerk;
}

// The clock is read before the file: a change after that read is timed
// at least as late as the clock was then.
BestandsKenmerk BestandsKenmerk::leesNaDeTik(sqlite3* db, const wxString& pad)
{
    const auto uiterlijk = std::chrono::steady_clock::now() + langsteTik;
    const BestandsKenmerk kenmerk = lees(db, pad);
    if (kenmerk.isLeeg())
        return kenmerk;
    while (!kenmerk.isNaDeTik())
    {
        if (std::chrono::steady_clock::now() >= uiterlijk)
            return BestandsKenmerk();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return lees(db, pad) == kenmerk ? kenmerk : BestandsKenmerk();
}

bool BestandsKenmerk::isNaDeTik() const
{
    timespec nu{};
    return clock_gettime(CLOCK_REALTIME_COARSE, &nu) == 0 && isLater(nu, laatst);
}

wxString BestandsKenmerk::geefBestandsDeel() const
{
    return tekst.BeforeFirst('/');
}
