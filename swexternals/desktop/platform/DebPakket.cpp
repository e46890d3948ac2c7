#include "swexternals/desktop/platform/DebPakket.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
const int kijkIntervalMs = 100;
// Two short fields.
const std::size_t maxUitvoer = 4096;

// dpkg-deb as the PATH finds it; empty when it does not.
std::string vindDpkgDeb()
{
    const char* pad = std::getenv("PATH");
    std::istringstream mappen(pad ? pad : "");
    std::string map;
    while (std::getline(mappen, map, ':'))
    {
        const std::string programma = (map.empty() ? std::string(".") : map) + "/dpkg-deb";
        if (access(programma.c_str(), X_OK) == 0)
            return programma;
    }
    return std::string();
}

// Waits for the child; ends it first unless it ended by itself. True when
// it ended by itself with 0.
bool beeindig(pid_t kind, bool vanzelf)
{
    if (!vanzelf)
        kill(kind, SIGKILL);
    int status = 0;
    while (waitpid(kind, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return vanzelf && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

std::optional<DebPakket::Gegevens> DebPakket::leesGegevens(const wxString& pakket,
                                                           std::chrono::milliseconds tijdslimiet,
                                                           const std::function<bool()>& gestopt)
{
    const std::string programma = vindDpkgDeb();
    const std::string bestand(pakket.fn_str());
    // A name that starts with "-" would be read as an option.
    if (programma.empty() || bestand.empty() || bestand[0] == '-')
        return std::nullopt;
    int uitvoer[2];
    if (pipe2(uitvoer, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&acties, uitvoer[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&acties, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const char* argumenten[] = {programma.c_str(), "-f", bestand.c_str(), "Package", "Version", nullptr};
    pid_t kind = 0;
    const int fout =
        posix_spawn(&kind, programma.c_str(), &acties, nullptr, const_cast<char* const*>(argumenten), environ);
    posix_spawn_file_actions_destroy(&acties);
    close(uitvoer[1]);
    if (fout != 0)
    {
        close(uitvoer[0]);
        return std::nullopt;
    }
    using Klok = std::chrono::steady_clock;
    const auto einde = Klok::now() + tijdslimiet;
    std::string tekst;
    bool vanzelf = false;
    while (!(gestopt && gestopt()) && Klok::now() < einde && tekst.size() <= maxUitvoer)
    {
        pollfd wacht{uitvoer[0], POLLIN, 0};
        if (poll(&wacht, 1, kijkIntervalMs) <= 0)
            continue;
        char buffer[512];
        const ssize_t gelezen = read(uitvoer[0], buffer, sizeof buffer);
        if (gelezen < 0 && errno == EINTR)
            continue;
        if (gelezen <= 0)
        {
            vanzelf = true;
            break;
        }
        tekst.append(buffer, static_cast<std::size_t>(gelezen));
    }
    close(uitvoer[0]);
    if (!beeindig(kind, vanzelf))
        return std::nullopt;
    Gegevens gegevens;
    std::istringstream regels(tekst);
    std::string regel;
    while (std::getline(regels, regel))
    {
        if (regel.rfind("Package: ", 0) == 0)
            gegevens.naam = regel.substr(9);
        else if (regel.rfind("Version: ", 0) == 0)
            gegevens.versie = regel.substr(9);
    }
    return gegevens;
}
