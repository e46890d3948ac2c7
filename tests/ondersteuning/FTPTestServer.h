#ifndef TESTS_ONDERSTEUNING_FTPTESTSERVER_H
#define TESTS_ONDERSTEUNING_FTPTESTSERVER_H

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <wx/string.h>

// How a package is made and signed; by default as a release is.
struct TestPakket
{
    // The size of its content, about the package's own.
    std::size_t grootte = 30000;
    // Its control data: empty for the version it is served as.
    std::string naam = "vereltamso";
    std::string versie;
    enum class Handtekening
    {
        Eigen, // the server's key
        Geen,  // no signature beside it
        Ander, // another key pair's
    } handtekening = Handtekening::Eigen;
    // The version and file its signature names: empty for its own.
    std::string getekendeVersie;
    // One byte changed after signing.
    bool geknoeid = false;

    static TestPakket metGrootte(std::size_t grootte)
    {
        TestPakket pakket;
        pakket.grootte = grootte;
        return pakket;
    }
};

// The update server of a test: a real FTP server (pyftpdlib) on 127.0.0.1 at
// a port the system chooses, serving a folder of the test's own to anonymous
// users, read-only. Started by the test, ended with it. It signs the packages
// it serves with a key pair of its own, made with the minisign tool.
class FTPTestServer
{
public:
    enum class Soort
    {
        Gewoon,
        // Sends downloads at `waarde` bytes a second.
        Traag,
        // Answers every size question with "213 " + `waarde`; "+N" or "-N":
        // the true size that much off.
        Liegt,
        // Sends the first half of a package and reports it complete.
        Breekt,
        // Accepts connections and never greets.
        Zwijgt,
        // Sends every reply `waarde` seconds late.
        Vertraagt,
        // Never answers the command `waarde`.
        Hangt,
        // Sends the first half of a package, then nothing, the transfer open.
        Stokt,
        // Sends the first half of a package, then closes the control connection.
        Verbreekt,
        // Sends a package without end.
        Eindeloos,
    };

    using Pakket = TestPakket;

    explicit FTPTestServer(Soort soort = Soort::Gewoon, const std::string& waarde = std::string());
    ~FTPTestServer();

    FTPTestServer(const FTPTestServer&) = delete;
    FTPTestServer& operator=(const FTPTestServer&) = delete;

    // "127.0.0.1:<port>", as the configuration would name it.
    wxString geefAdres() const;
    // The public key the packages are signed with, as minisign writes it.
    wxString geefPubliekeSleutel() const;
    // The product's folder on the server, /pub/VerelTamso.
    std::filesystem::path geefUpdateMap() const;
    void zetVersieBestand(const std::string& inhoud) const;
    // The package of a version (a real Debian package) with its signature
    // beside it; the package's bytes.
    std::string zetInstaller(const std::string& versie, const Pakket& pakket = Pakket()) const;
    // Whether the server has received a line that starts with `opdracht`
    // ("CONNECT" for a connection).
    bool heeftOntvangen(const std::string& opdracht) const;

private:
    // Ends the server (by its process id) and waits for it.
    void stop();
    void maakSleutel(const std::filesystem::path& map) const;

    std::filesystem::path wortel;
    std::filesystem::path opdrachten;
    pid_t proces = 0;
    int invoer = -1;
    int poort = 0;
};

#endif
