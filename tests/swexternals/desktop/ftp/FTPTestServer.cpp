#include "tests/swexternals/desktop/ftp/FTPTestServer.h"

#include "tests/ondersteuning/TestOmgeving.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
const char* const python = "/usr/bin/python3";
const int startMs = 10000;

const char* soortNaam(FTPTestServer::Soort soort)
{
    switch (soort)
    {
    case FTPTestServer::Soort::Traag:
        return "slow";
    case FTPTestServer::Soort::Liegt:
        return "lying";
    case FTPTestServer::Soort::Breekt:
        return "breaking";
    case FTPTestServer::Soort::Zwijgt:
        return "silent";
    case FTPTestServer::Soort::Gewoon:
        break;
    }
    return "normal";
}

// The line "PORT <n>" the server writes once it listens.
int leesPoort(int uitvoer)
{
    std::string regel;
    pollfd wacht{uitvoer, POLLIN, 0};
    while (regel.find('\n') == std::string::npos && poll(&wacht, 1, startMs) == 1)
    {
        char buffer[64];
        const ssize_t gelezen = read(uitvoer, buffer, sizeof buffer);
        if (gelezen <= 0)
            break;
        regel.append(buffer, static_cast<size_t>(gelezen));
    }
    return regel.rfind("PORT ", 0) == 0 ? std::stoi(regel.substr(5)) : 0;
}
} // namespace

FTPTestServer::FTPTestServer(Soort soort, const std::string& waarde) : wortel(testMap() / "ftp")
{
    std::filesystem::create_directories(geefUpdateMap());
    int naarServer[2];
    int vanServer[2];
    if (pipe2(naarServer, O_CLOEXEC) != 0 || pipe2(vanServer, O_CLOEXEC) != 0)
        throw std::runtime_error("no pipes for the FTP server");
    const std::string logBestand = (testMap() / "ftpserver.log").string();
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_adddup2(&acties, naarServer[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&acties, vanServer[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&acties, STDERR_FILENO, logBestand.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string wortelTekst = wortel.string();
    const std::string soortTekst = soortNaam(soort);
    const char* argumenten[] = {python, VT_FTP_SERVER_SCRIPT, wortelTekst.c_str(), soortTekst.c_str(), waarde.c_str(),
                                nullptr};
    const int fout = posix_spawn(&proces, python, &acties, nullptr, const_cast<char* const*>(argumenten), environ);
    posix_spawn_file_actions_destroy(&acties);
    close(naarServer[0]);
    close(vanServer[1]);
    invoer = naarServer[1];
    if (fout == 0)
        poort = leesPoort(vanServer[0]);
    close(vanServer[0]);
    if (fout != 0 || poort == 0)
    {
        stop();
        throw std::runtime_error("the FTP server did not start; see " + logBestand);
    }
}

FTPTestServer::~FTPTestServer()
{
    stop();
}

void FTPTestServer::stop()
{
    if (invoer >= 0)
        close(invoer);
    invoer = -1;
    if (proces > 0)
    {
        kill(proces, SIGTERM);
        int status = 0;
        while (waitpid(proces, &status, 0) < 0 && errno == EINTR)
        {
        }
    }
    proces = 0;
}

wxString FTPTestServer::geefAdres() const
{
    return wxString::Format("127.0.0.1:%d", poort);
}

std::filesystem::path FTPTestServer::geefUpdateMap() const
{
    return wortel / "pub" / "VerelTamso";
}

void FTPTestServer::zetVersieBestand(const std::string& inhoud) const
{
    std::ofstream(geefUpdateMap() / "LaatsteVersie", std::ios::binary | std::ios::trunc) << inhoud;
}

std::string FTPTestServer::zetInstaller(const std::string& versie, std::size_t grootte) const
{
    const std::filesystem::path map = geefUpdateMap() / ("Versie_" + versie);
    std::filesystem::create_directories(map);
    std::string inhoud(grootte, '\0');
    for (std::size_t i = 0; i < grootte; ++i)
        inhoud[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    std::ofstream(map / ("VerelTamso_" + versie + "_Linux_x86_64.deb"), std::ios::binary) << inhoud;
    return inhoud;
}
