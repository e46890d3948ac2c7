#include "swexternals/desktop/platform/KindProces.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace
{
const std::string languageNaam = "LANGUAGE";
const std::string lcAllNaam = "LC_ALL";

std::optional<std::string> leesVariabele(const std::string& naam)
{
    const char* waarde = std::getenv(naam.c_str());
    return waarde ? std::optional<std::string>(waarde) : std::nullopt;
}

std::mutex& omgevingSlot()
{
    static std::mutex slot;
    return slot;
}

// Taken at the first call, which the initialiser below makes before main:
// the program sets its own values only once it runs.
KindProces::Omgeving& gebruikersOmgeving()
{
    static KindProces::Omgeving omgeving{leesVariabele(languageNaam), leesVariabele(lcAllNaam)};
    return omgeving;
}

const bool omgevingBewaard = (static_cast<void>(gebruikersOmgeving()), true);

bool isVariabele(const char* regel, const std::string& naam)
{
    return std::strncmp(regel, naam.c_str(), naam.size()) == 0 && regel[naam.size()] == '=';
}

// posix_spawn wants the arguments and the environment as arrays of
// writable C strings, ending in a null pointer.
std::vector<char*> alsLijst(std::vector<std::string>& teksten)
{
    std::vector<char*> lijst;
    lijst.reserve(teksten.size() + 1);
    for (std::string& tekst : teksten)
        lijst.push_back(tekst.data());
    lijst.push_back(nullptr);
    return lijst;
}

// A file-actions object that is always destroyed.
class Acties
{
public:
    Acties() { posix_spawn_file_actions_init(&acties); }
    ~Acties() { posix_spawn_file_actions_destroy(&acties); }
    Acties(const Acties&) = delete;
    Acties& operator=(const Acties&) = delete;
    posix_spawn_file_actions_t* geef() { return &acties; }

private:
    posix_spawn_file_actions_t acties;
};

class Attributen
{
public:
    Attributen() { posix_spawnattr_init(&attributen); }
    ~Attributen() { posix_spawnattr_destroy(&attributen); }
    Attributen(const Attributen&) = delete;
    Attributen& operator=(const Attributen&) = delete;
    posix_spawnattr_t* geef() { return &attributen; }

private:
    posix_spawnattr_t attributen;
};
} // namespace

KindProces::Omgeving KindProces::geefGebruikersOmgeving()
{
    const std::lock_guard<std::mutex> hold(omgevingSlot());
    static_cast<void>(omgevingBewaard);
    return gebruikersOmgeving();
}

KindProces::Omgeving KindProces::zetGebruikersOmgeving(Omgeving omgeving)
{
    const std::lock_guard<std::mutex> hold(omgevingSlot());
    return std::exchange(gebruikersOmgeving(), std::move(omgeving));
}

std::vector<std::string> KindProces::geefOmgeving()
{
    const Omgeving gebruiker = geefGebruikersOmgeving();
    std::vector<std::string> omgeving;
    for (char** regel = environ; regel && *regel; ++regel)
        if (!isVariabele(*regel, languageNaam) && !isVariabele(*regel, lcAllNaam))
            omgeving.emplace_back(*regel);
    if (gebruiker.language)
        omgeving.push_back(languageNaam + "=" + *gebruiker.language);
    if (gebruiker.lcAll)
        omgeving.push_back(lcAllNaam + "=" + *gebruiker.lcAll);
    return omgeving;
}

pid_t KindProces::start(const std::vector<std::string>& argumenten, const Opties& opties)
{
    if (argumenten.empty() || argumenten[0].empty())
        return 0;
    std::vector<std::string> argumentTeksten = argumenten;
    std::vector<std::string> omgevingTeksten = geefOmgeving();
    const std::vector<char*> argumentLijst = alsLijst(argumentTeksten);
    const std::vector<char*> omgevingLijst = alsLijst(omgevingTeksten);
    Acties acties;
    if (opties.stil)
        posix_spawn_file_actions_addopen(acties.geef(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (opties.uitvoer >= 0)
        posix_spawn_file_actions_adddup2(acties.geef(), opties.uitvoer, STDOUT_FILENO);
    if (opties.stil)
        posix_spawn_file_actions_addopen(acties.geef(), STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    Attributen attributen;
    // What this program ignores or blocks is its own affair: the child
    // starts as a program started from a shell does. Every signal, also the
    // two that the C library keeps for its threads and sigfillset leaves
    // out: posix_spawn would hand those on ignored.
    sigset_t alle;
    std::memset(&alle, 0xff, sizeof alle);
    posix_spawnattr_setsigdefault(attributen.geef(), &alle);
    sigset_t geen;
    sigemptyset(&geen);
    posix_spawnattr_setsigmask(attributen.geef(), &geen);
    short vlaggen = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
    if (opties.eigenGroep)
    {
        posix_spawnattr_setpgroup(attributen.geef(), 0);
        vlaggen |= POSIX_SPAWN_SETPGROUP;
    }
    posix_spawnattr_setflags(attributen.geef(), vlaggen);
    pid_t kind = 0;
    if (posix_spawn(&kind, argumentLijst[0], acties.geef(), attributen.geef(), argumentLijst.data(),
                    omgevingLijst.data()) != 0)
        return 0;
    return kind;
}

bool KindProces::startLos(const std::vector<std::string>& argumenten)
{
    const pid_t kind = start(argumenten, Opties());
    if (kind == 0)
        return false;
    laatOogsten(kind);
    return true;
}

void KindProces::laatOogsten(pid_t kind)
{
    if (kind <= 0)
        return;
    try
    {
        std::thread(
            [kind]
            {
                while (waitpid(kind, nullptr, 0) < 0 && errno == EINTR)
                {
                }
            })
            .detach();
    }
    catch (const std::system_error&)
    {
        // No thread to spare: the child stays a zombie until this program
        // ends, which harms nobody.
    }
}

bool KindProces::beeindigGroep(pid_t kind)
{
    // The group bears the child's number; the child may have ended already
    // while what it started goes on.
    kill(-kind, SIGKILL);
    int status = 0;
    while (waitpid(kind, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return true;
}
