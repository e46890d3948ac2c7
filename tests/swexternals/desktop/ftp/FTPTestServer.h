#ifndef TESTS_SWEXTERNALS_DESKTOP_FTP_FTPTESTSERVER_H
#define TESTS_SWEXTERNALS_DESKTOP_FTP_FTPTESTSERVER_H

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <wx/string.h>

// The update server of a test: a real FTP server (pyftpdlib) on 127.0.0.1 at
// a port the system chooses, serving a folder of the test's own to anonymous
// users, read-only. Started by the test, ended with it.
class FTPTestServer
{
public:
    enum class Soort
    {
        Gewoon,
        // Sends downloads at `waarde` bytes a second.
        Traag,
        // Answers every size question with "213 " + `waarde`.
        Liegt,
        // Sends the first half of a download and reports it complete.
        Breekt,
        // Accepts connections and never greets.
        Zwijgt,
    };

    explicit FTPTestServer(Soort soort = Soort::Gewoon, const std::string& waarde = std::string());
    ~FTPTestServer();

    FTPTestServer(const FTPTestServer&) = delete;
    FTPTestServer& operator=(const FTPTestServer&) = delete;

    // "127.0.0.1:<port>", as the configuration would name it.
    wxString geefAdres() const;
    // The product's folder on the server, /pub/VerelTamso.
    std::filesystem::path geefUpdateMap() const;
    void zetVersieBestand(const std::string& inhoud) const;
    // The installer of a version, `grootte` bytes that differ from byte to
    // byte; its content.
    std::string zetInstaller(const std::string& versie, std::size_t grootte) const;

private:
    // Ends the server (by its process id) and waits for it.
    void stop();

    std::filesystem::path wortel;
    pid_t proces = 0;
    int invoer = -1;
    int poort = 0;
};

#endif
