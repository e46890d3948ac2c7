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
// Where the file's header says that it is in WAL mode.
constexpr int formaatPlaats = 18;
// Longer than any tick of the clock that times the changes of files.
constexpr std::chrono::milliseconds langsteTik{50};

// Without a format per byte.
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
std::optional<struct stat> leesStaat(const std::string& pad, bool& fout)
{
    struct stat info;
    if (stat(pad.c_str(), &info) != 0)
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
    // The name converted once: this runs at every commit.
    std::string naam(pad.fn_str());
    const std::optional<struct stat> bestandsStaat = leesStaat(naam, fout);
    const std::optional<struct stat> logStaat = leesStaat(naam.append("-wal"), fout);
    if (!bestandsStaat || fout || isHeleSeconden(*bestandsStaat) ||
        !leesKop(bestand, kenmerk.kop.data(), static_cast<int>(kenmerk.kop.size())))
        return kenmerk;
    kenmerk.bestand = {
        static_cast<unsigned long long>(bestandsStaat->st_dev), static_cast<unsigned long long>(bestandsStaat->st_ino),
        static_cast<unsigned long long>(bestandsStaat->st_size), bestandsStaat->st_mtim, bestandsStaat->st_ctim};
    kenmerk.laatst = bestandsStaat->st_ctim;
    kenmerk.gelezen = true;
    if (!logStaat)
        return kenmerk;
    // A log that holds something is the connection's own only in WAL mode.
    if (kenmerk.kop[formaatPlaats] != 2 ||
        sqlite3_file_control(db, "main", SQLITE_FCNTL_JOURNAL_POINTER, &log) != SQLITE_OK ||
        !leesKop(log, kenmerk.logKop.data(), static_cast<int>(kenmerk.logKop.size())))
        return BestandsKenmerk();
    kenmerk.metLog = true;
    kenmerk.logDeel = {static_cast<unsigned long long>(logStaat->st_dev),
                       static_cast<unsigned long long>(logStaat->st_ino),
                       static_cast<unsigned long long>(logStaat->st_size), logStaat->st_mtim, logStaat->st_ctim};
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

bool BestandsKenmerk::Staat::operator==(const Staat& ander) const
{
    return apparaat == ander.apparaat && inode == ander.inode && grootte == ander.grootte &&
           gewijzigd.tv_sec == ander.gewijzigd.tv_sec && gewijzigd.tv_nsec == ander.gewijzigd.tv_nsec &&
           veranderd.tv_sec == ander.veranderd.tv_sec && veranderd.tv_nsec == ander.veranderd.tv_nsec;
}

bool BestandsKenmerk::isBestandGelijk(const BestandsKenmerk& ander) const
{
    return gelezen && ander.gelezen && bestand == ander.bestand && kop == ander.kop;
}

bool BestandsKenmerk::operator==(const BestandsKenmerk& ander) const
{
    return gelezen == ander.gelezen &&
           (!gelezen || (isBestandGelijk(ander) && metLog == ander.metLog &&
                         (!metLog || (logDeel == ander.logDeel && logKop == ander.logKop))));
}

wxString BestandsKenmerk::alsTekst(const Staat& staat, const unsigned char* bytes, size_t lengte)
{
    return wxString::Format("%llx.%llx.%llx.%lld.%09ld.%lld.%09ld.", staat.apparaat, staat.inode, staat.grootte,
                            static_cast<long long>(staat.gewijzigd.tv_sec), staat.gewijzigd.tv_nsec,
                            static_cast<long long>(staat.veranderd.tv_sec), staat.veranderd.tv_nsec) +
           alsHex(bytes, lengte);
}

// Device and inode, size, the two times to the nanosecond, the header in
// hexadecimal; then the same of the log, or "-" for none.
wxString BestandsKenmerk::geefTekst() const
{
    if (!gelezen)
        return wxString();
    return alsTekst(bestand, kop.data(), kop.size()) + "/" +
           (metLog ? alsTekst(logDeel, logKop.data(), logKop.size()) : wxString("-"));
}
