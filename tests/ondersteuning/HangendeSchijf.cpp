#include "tests/ondersteuning/HangendeSchijf.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/fuse.h>
#include <poll.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

HangendeSchijf::HangendeSchijf(const std::string& map_) : map(map_)
{
    if (geteuid() != 0)
    {
        reden = "a disk that hangs needs root to mount it";
        return;
    }
    std::error_code fout;
    std::filesystem::create_directories(map, fout);
    apparaat = open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (apparaat < 0 || pipe2(stop, O_CLOEXEC) != 0)
    {
        reden = std::string("/dev/fuse cannot be opened: ") + std::strerror(errno);
        return;
    }
    const std::string opties = "fd=" + std::to_string(apparaat) + ",rootmode=40000,user_id=0,group_id=0";
    if (mount("vt-hangend", map.c_str(), "fuse", MS_NOSUID | MS_NODEV, opties.c_str()) != 0)
    {
        reden = std::string("mounting a FUSE disk failed: ") + std::strerror(errno);
        return;
    }
    gekoppeld = true;
    dienaar = std::thread(&HangendeSchijf::dien, this);
}

HangendeSchijf::~HangendeSchijf()
{
    laatLos();
    for (const int einde : stop)
        if (einde >= 0)
            close(einde);
}

void HangendeSchijf::laatLos()
{
    if (dienaar.joinable())
    {
        static_cast<void>(write(stop[1], "x", 1));
        dienaar.join();
    }
    // The server's end closed: the kernel fails what waits, with ENOTCONN.
    if (apparaat >= 0)
        close(apparaat);
    apparaat = -1;
    if (gekoppeld)
        umount2(map.c_str(), MNT_DETACH);
    gekoppeld = false;
}

void HangendeSchijf::dien()
{
    // The kernel hands a request only to a reader with room for the largest.
    std::vector<char> vraag(1 << 20);
    for (;;)
    {
        pollfd wacht[2] = {{apparaat, POLLIN, 0}, {stop[0], POLLIN, 0}};
        if (poll(wacht, 2, -1) < 0 && errno != EINTR)
            return;
        if (wacht[1].revents != 0)
            return;
        if (wacht[0].revents == 0)
            continue;
        const ssize_t gelezen = read(apparaat, vraag.data(), vraag.size());
        if (gelezen < static_cast<ssize_t>(sizeof(fuse_in_header)))
            continue;
        fuse_in_header kop{};
        std::memcpy(&kop, vraag.data(), sizeof(kop));
        if (kop.opcode != FUSE_INIT)
        {
            ++vragen;
            continue;
        }
        // Only the greeting is answered: the disk is there, and says nothing.
        fuse_init_in begroeting{};
        std::memcpy(&begroeting, vraag.data() + sizeof(kop), sizeof(begroeting));
        struct
        {
            fuse_out_header kop;
            fuse_init_out init;
        } antwoord{};
        antwoord.kop.len = sizeof(antwoord);
        antwoord.kop.unique = kop.unique;
        antwoord.init.major = FUSE_KERNEL_VERSION;
        antwoord.init.minor = std::min<std::uint32_t>(begroeting.minor, FUSE_KERNEL_MINOR_VERSION);
        antwoord.init.max_readahead = begroeting.max_readahead;
        antwoord.init.max_write = 65536;
        static_cast<void>(write(apparaat, &antwoord, sizeof(antwoord)));
    }
}
