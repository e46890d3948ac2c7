#include "tests/ondersteuning/KleineSchijf.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

KleineSchijf::KleineSchijf(const std::string& map_, size_t grootte)
    : map(map_), vulling(map_ + "/.vulling"), gekoppeld(false)
{
    if (geteuid() != 0)
    {
        reden = "a small disk of its own needs root to mount it";
        return;
    }
    std::error_code fout;
    std::filesystem::create_directories(map, fout);
    const std::string opties = "size=" + std::to_string(grootte);
    if (mount("tmpfs", map.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, opties.c_str()) != 0)
    {
        reden = std::string("mounting a tmpfs failed: ") + std::strerror(errno);
        return;
    }
    gekoppeld = true;
}

KleineSchijf::~KleineSchijf()
{
    if (gekoppeld)
        umount2(map.c_str(), MNT_DETACH);
}

bool KleineSchijf::vul(size_t vrij)
{
    const int bestand = open(vulling.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (bestand < 0)
        return false;
    const std::vector<char> blok(4096, 'v');
    off_t grootte = lseek(bestand, 0, SEEK_END);
    for (;;)
    {
        const ssize_t geschreven = write(bestand, blok.data(), blok.size());
        if (geschreven <= 0)
            break;
        grootte += geschreven;
    }
    const bool vol = errno == ENOSPC;
    // Shorter by what must stay free; tmpfs gives its pages back at once.
    const bool ingekort =
        ftruncate(bestand, grootte > static_cast<off_t>(vrij) ? grootte - static_cast<off_t>(vrij) : 0) == 0;
    close(bestand);
    return vol && ingekort;
}

void KleineSchijf::maakLeeg()
{
    unlink(vulling.c_str());
}

bool KleineSchijf::zetAlleenLezen()
{
    return gekoppeld &&
           mount(nullptr, map.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

size_t KleineSchijf::geefVrij() const
{
    struct statvfs schijf;
    if (statvfs(map.c_str(), &schijf) != 0)
        return 0;
    return static_cast<size_t>(schijf.f_bavail) * schijf.f_frsize;
}
