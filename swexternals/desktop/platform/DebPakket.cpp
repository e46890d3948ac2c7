#include "swexternals/desktop/platform/DebPakket.h"

#include "swexternals/desktop/platform/KindProces.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace
{
const int kijkIntervalMs = 100;
// Two short fields.
const std::size_t maxUitvoer = 4096;

// The system's own dpkg-deb, never one that a PATH of the user's or of an
// intruder puts first: it says which version a package is.
std::string& huidigProgramma()
{
    static std::string programma = "/usr/bin/dpkg-deb";
    return programma;
}

// Waits for the child that ended by itself; one that did not is ended with
// everything it started (dpkg-deb unpacks through tar and a decompressor).
// True when it ended by itself with 0.
bool beeindig(pid_t kind, bool vanzelf)
{
    if (!vanzelf)
    {
        static_cast<void>(KindProces::beeindigGroep(kind));
        return false;
    }
    int status = 0;
    while (waitpid(kind, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

std::string DebPakket::zetProgramma(std::string programma)
{
    return std::exchange(huidigProgramma(), std::move(programma));
}

std::optional<DebPakket::Gegevens> DebPakket::leesGegevens(const wxString& pakket,
                                                           std::chrono::milliseconds tijdslimiet,
                                                           const std::function<bool()>& gestopt)
{
    const std::string programma = huidigProgramma();
    const std::string bestand(pakket.fn_str());
    // A name that starts with "-" would be read as an option.
    if (access(programma.c_str(), X_OK) != 0 || bestand.empty() || bestand[0] == '-')
        return std::nullopt;
    int uitvoer[2];
    if (pipe2(uitvoer, O_CLOEXEC) != 0)
        return std::nullopt;
    KindProces::Opties opties;
    opties.uitvoer = uitvoer[1];
    opties.stil = true;
    opties.eigenGroep = true;
    const pid_t kind = KindProces::start({programma, "-f", bestand, "Package", "Version"}, opties);
    close(uitvoer[1]);
    if (kind == 0)
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
