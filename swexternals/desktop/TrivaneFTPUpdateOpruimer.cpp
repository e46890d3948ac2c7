#include "swexternals/desktop/TrivaneFTPUpdateOpruimer.h"

#include "swexternals/desktop/TrivaneFTPUpdateRest.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace
{
struct Staat
{
    std::mutex slot;
    bool bezig = false;
    std::optional<std::function<void()>> volgendeRem;
    std::optional<DesktopGebruikersMappen> volgende;
    std::function<void()> rem;
};

// Never destroyed: the clean-up's thread may still use it while the program
// ends.
Staat& geefStaat()
{
    static Staat* const staat = new Staat;
    return *staat;
}

// The process split off lets go of the program's terminal or pipes and of
// its working folder, which a clean-up held by a share that does not answer
// would otherwise keep beyond the program's end: whoever reads the
// program's output would wait for it, and the working folder's disk could
// not be unmounted.
void laatProgrammaLos()
{
    const int leeg = open("/dev/null", O_RDWR);
    for (int bestand = 0; bestand < 3; ++bestand)
        if (leeg < 0)
            close(bestand);
        else if (leeg != bestand)
            static_cast<void>(dup2(leeg, bestand));
    static_cast<void>(chdir("/"));
}

// In the process split off, where only the kernel's calls are safe: the
// program's windows, locks and files are closed, its signals its own, and
// nothing of it is ever run again.
[[noreturn]] void ruimOpInKind(const TrivaneFTPUpdateRest& rest, const std::vector<std::string>& mappen)
{
    laatProgrammaLos();
    if (close_range(3, ~0U, 0) != 0)
        for (int bestand = 3; bestand < 65536; ++bestand)
            close(bestand);
    for (const int teken : {SIGTERM, SIGINT, SIGHUP, SIGPIPE})
        static_cast<void>(signal(teken, SIG_DFL));
    sigset_t alle;
    sigemptyset(&alle);
    static_cast<void>(sigprocmask(SIG_SETMASK, &alle, nullptr));
    static_cast<void>(rest.ruimOp(mappen));
    _exit(0);
}
} // namespace

void TrivaneFTPUpdateOpruimer::vraag(const DesktopGebruikersMappen& mappen)
{
    Staat& staat = geefStaat();
    std::lock_guard<std::mutex> slot(staat.slot);
    if (staat.bezig)
    {
        // Carried out once the one that runs has ended: a share that does
        // not answer gets no second thread, nor a tenth.
        staat.volgende = mappen;
        staat.volgendeRem = staat.rem;
        return;
    }
    try
    {
        std::thread(&TrivaneFTPUpdateOpruimer::voerUit, Verzoek{mappen, staat.rem}).detach();
        staat.bezig = true;
    }
    catch (const std::system_error&)
    {
        // No thread to spare: the next check clears them.
    }
}

std::function<void()> TrivaneFTPUpdateOpruimer::zetRem(std::function<void()> rem)
{
    Staat& staat = geefStaat();
    std::lock_guard<std::mutex> slot(staat.slot);
    return std::exchange(staat.rem, std::move(rem));
}

void TrivaneFTPUpdateOpruimer::voerUit(Verzoek verzoek)
{
    Staat& staat = geefStaat();
    for (;;)
    {
        if (verzoek.rem)
            verzoek.rem();
        ruimOpApart(verzoek.mappen.geefMappen());
        std::lock_guard<std::mutex> slot(staat.slot);
        if (!staat.volgende)
        {
            staat.bezig = false;
            return;
        }
        verzoek = Verzoek{std::move(*staat.volgende), std::move(*staat.volgendeRem)};
        staat.volgende.reset();
        staat.volgendeRem.reset();
    }
}

void TrivaneFTPUpdateOpruimer::ruimOpApart(const std::vector<std::string>& mappen)
{
    // Everything the process needs is made before it splits off.
    const TrivaneFTPUpdateRest rest;
    const pid_t kind = fork();
    if (kind == 0)
        ruimOpInKind(rest, mappen);
    // No process to spare: the next check clears them.
    if (kind < 0)
        return;
    // Only this thread waits for it, and a program that ends does not.
    while (waitpid(kind, nullptr, 0) < 0 && errno == EINTR)
    {
    }
}
