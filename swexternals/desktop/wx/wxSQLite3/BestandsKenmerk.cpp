#include "swexternals/desktop/wx/wxSQLite3/BestandsKenmerk.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{
// The file's header of 100 bytes, the change counter among them; the log's
// header of 32 bytes, its salts and checksums among them.
constexpr size_t bestandsKop = 100;
constexpr size_t logKop = 32;
// Longer than any tick of the clock that times the changes of files.
constexpr std::chrono::milliseconds langsteTik{50};

wxString alsHex(const unsigned char* bytes, size_t aantal)
{
    wxString tekst;
    for (size_t i = 0; i < aantal; ++i)
        tekst << wxString::Format("%02x", bytes[i]);
    return tekst;
}

bool isLater(const timespec& a, const timespec& b)
{
    return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
}

struct Deel
{
    wxString tekst;
    timespec veranderd{};
};

// The file's identity and times, then its header; empty for a file that is
// not there or holds nothing, none when it cannot be read.
std::optional<Deel> leesDeel(const wxString& pad, size_t kop)
{
    const int bestand = open(pad.fn_str(), O_RDONLY | O_CLOEXEC);
    if (bestand < 0)
        return errno == ENOENT ? std::optional<Deel>(Deel()) : std::nullopt;
    struct stat info;
    unsigned char bytes[bestandsKop] = {};
    ssize_t gelezen = 0;
    const bool bekend =
        fstat(bestand, &info) == 0 && (info.st_size == 0 || (gelezen = pread(bestand, bytes, kop, 0)) > 0);
    close(bestand);
    if (!bekend)
        return std::nullopt;
    if (info.st_size == 0)
        return Deel();
    Deel deel;
    deel.veranderd = info.st_ctim;
    deel.tekst =
        wxString::Format("%llx.%llx.%llx.%lld.%09ld.%lld.%09ld.", static_cast<unsigned long long>(info.st_dev),
                         static_cast<unsigned long long>(info.st_ino), static_cast<unsigned long long>(info.st_size),
                         static_cast<long long>(info.st_mtim.tv_sec), info.st_mtim.tv_nsec,
                         static_cast<long long>(info.st_ctim.tv_sec), info.st_ctim.tv_nsec) +
        alsHex(bytes, static_cast<size_t>(gelezen));
    return deel;
}
} // namespace

BestandsKenmerk BestandsKenmerk::lees(const wxString& pad)
{
    BestandsKenmerk kenmerk;
    const std::optional<Deel> bestand = leesDeel(pad, bestandsKop);
    const std::optional<Deel> log = leesDeel(pad + "-wal", logKop);
    if (!bestand || bestand->tekst.empty() || !log)
        return kenmerk;
    kenmerk.tekst = bestand->tekst + "/" + (log->tekst.empty() ? wxString("-") : log->tekst);
    kenmerk.laatst = isLater(log->veranderd, bestand->veranderd) ? log->veranderd : bestand->veranderd;
    return kenmerk;
}

BestandsKenmerk BestandsKenmerk::leesNaDeTik(const wxString& pad)
{
    const auto uiterlijk = std::chrono::steady_clock::now() + langsteTik;
    BestandsKenmerk kenmerk = lees(pad);
    timespec nu{};
    while (!kenmerk.isLeeg() && clock_gettime(CLOCK_REALTIME_COARSE, &nu) == 0 && !isLater(nu, kenmerk.laatst))
    {
        if (std::chrono::steady_clock::now() >= uiterlijk)
            return BestandsKenmerk();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        kenmerk = lees(pad);
    }
    return kenmerk;
}
