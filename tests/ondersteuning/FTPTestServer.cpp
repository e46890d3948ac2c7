#include "tests/ondersteuning/FTPTestServer.h"

#include "tests/ondersteuning/TestOmgeving.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
    case FTPTestServer::Soort::Vertraagt:
        return "delay";
    case FTPTestServer::Soort::Hangt:
        return "hang";
    case FTPTestServer::Soort::Stokt:
        return "stall";
    case FTPTestServer::Soort::Verbreekt:
        return "drop";
    case FTPTestServer::Soort::Eindeloos:
        return "endless";
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

// Runs a tool of the test and waits for it; what it says goes to the log.
void voerUit(const std::vector<std::string>& opdracht)
{
    std::vector<char*> argumenten;
    for (const std::string& deel : opdracht)
        argumenten.push_back(const_cast<char*>(deel.c_str()));
    argumenten.push_back(nullptr);
    const std::string logBestand = (testMap() / "hulpmiddelen.log").string();
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acties, STDOUT_FILENO, logBestand.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&acties, STDOUT_FILENO, STDERR_FILENO);
    pid_t kind = 0;
    const int fout = posix_spawnp(&kind, argumenten[0], &acties, nullptr, argumenten.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    int status = 0;
    while (fout == 0 && waitpid(kind, &status, 0) < 0 && errno == EINTR)
    {
    }
    if (fout != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(opdracht[0] + " failed; see " + logBestand);
}

std::string leesBestand(const std::filesystem::path& pad)
{
    std::stringstream inhoud;
    inhoud << std::ifstream(pad, std::ios::binary).rdbuf();
    return inhoud.str();
}

std::string pakketNaam(const std::string& versie)
{
    return "VerelTamso_" + versie + "_Linux_x86_64.deb";
}
} // namespace

FTPTestServer::FTPTestServer(Soort soort, const std::string& waarde)
    : wortel(testMap() / "ftp"), opdrachten(testMap() / "ftpopdrachten.log")
{
    maakSleutel(testMap() / "sleutel");
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
    const std::string opdrachtenTekst = opdrachten.string();
    const char* argumenten[] = {
        python, VT_FTP_SERVER_SCRIPT, wortelTekst.c_str(), opdrachtenTekst.c_str(), soortTekst.c_str(), waarde.c_str(),
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

void FTPTestServer::maakSleutel(const std::filesystem::path& map) const
{
    if (std::filesystem::exists(map / "sleutel.pub"))
        return;
    std::filesystem::create_directories(map);
    voerUit({"minisign", "-G", "-W", "-p", (map / "sleutel.pub").string(), "-s", (map / "sleutel.key").string()});
}

wxString FTPTestServer::geefPubliekeSleutel() const
{
    return wxString::FromUTF8(leesBestand(testMap() / "sleutel" / "sleutel.pub"));
}

bool FTPTestServer::heeftOntvangen(const std::string& opdracht) const
{
    std::ifstream log(opdrachten);
    std::string regel;
    while (std::getline(log, regel))
        if (regel.rfind(opdracht, 0) == 0)
            return true;
    return false;
}

std::string FTPTestServer::zetInstaller(const std::string& versie, const Pakket& pakket) const
{
    // A real Debian package: its control data, and content that differs
    // from byte to byte, stored as it is so that the package's size follows
    // the content's.
    const std::filesystem::path bouw = testMap() / ("pakket-" + versie);
    std::filesystem::remove_all(bouw);
    std::filesystem::create_directories(bouw / "DEBIAN");
    std::filesystem::create_directories(bouw / "usr" / "share" / "vereltamso");
    std::ofstream(bouw / "DEBIAN" / "control")
        << "Package: " << pakket.naam << "\nVersion: " << (pakket.versie.empty() ? versie : pakket.versie)
        << "\nArchitecture: amd64\nMaintainer: Test <test@example.org>\nDescription: a package of the tests\n";
    std::string inhoud(pakket.grootte, '\0');
    for (std::size_t i = 0; i < inhoud.size(); ++i)
        inhoud[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    std::ofstream(bouw / "usr" / "share" / "vereltamso" / "inhoud", std::ios::binary) << inhoud;
    const std::filesystem::path map = geefUpdateMap() / ("Versie_" + versie);
    std::filesystem::create_directories(map);
    const std::filesystem::path bestand = map / pakketNaam(versie);
    voerUit({"dpkg-deb", "--root-owner-group", "-Znone", "--build", bouw.string(), bestand.string()});
    std::filesystem::remove_all(bouw);

    const std::string getekend = pakket.getekendeVersie.empty() ? versie : pakket.getekendeVersie;
    std::filesystem::path sleutel = testMap() / "sleutel";
    if (pakket.handtekening == Pakket::Handtekening::Ander)
    {
        sleutel = testMap() / "andereSleutel";
        maakSleutel(sleutel);
    }
    std::filesystem::remove(bestand.string() + ".minisig");
    if (pakket.handtekening != Pakket::Handtekening::Geen)
        voerUit({"minisign", "-S", "-s", (sleutel / "sleutel.key").string(), "-m", bestand.string(), "-t",
                 "timestamp:0\tfile:" + pakketNaam(getekend) + "\tversion:" + getekend});
    std::string bytes = leesBestand(bestand);
    if (pakket.geknoeid)
    {
        bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x01);
        std::ofstream(bestand, std::ios::binary | std::ios::trunc) << bytes;
    }
    return bytes;
}
