#include "tests/ondersteuning/SecondenSchijf.h"

#include <cstdlib>
#include <filesystem>
#include <sys/mount.h>
#include <unistd.h>

SecondenSchijf::SecondenSchijf(const std::string& map_) : map(map_)
{
    if (geteuid() != 0)
    {
        reden = "a disk of its own needs root to mount it";
        return;
    }
    std::error_code fout;
    std::filesystem::create_directories(map, fout);
    const std::string beeld = map + ".img";
    // The mount's own loop device goes with the unmount.
    const std::string maak = "truncate -s 8M '" + beeld + "' && mkfs.ext4 -q -F -I 128 '" + beeld +
                             "' >/dev/null 2>&1 && mount -o loop '" + beeld + "' '" + map + "' >/dev/null 2>&1";
    if (std::system(maak.c_str()) != 0)
    {
        reden = "an ext4 disk with small inodes could not be made and mounted (mkfs.ext4, a loop device)";
        return;
    }
    gekoppeld = true;
}

SecondenSchijf::~SecondenSchijf()
{
    if (gekoppeld)
        umount2(map.c_str(), MNT_DETACH);
}
