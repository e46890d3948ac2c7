#ifndef SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPVERBINDING_H
#define SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPVERBINDING_H

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

// One FTP connection (control channel and at most one data channel) on plain
// sockets, used by one thread. Every wait on the network is bounded by the
// time limit and ends at once when another thread calls `stop`, so the thread
// that uses it can always be ended within moments. It owns no part of the GUI
// toolkit: the toolkit's own sockets register with the GUI thread's event
// loop, which a worker may not share with a window.
//
// What the server sends is read with bounds: a reply line of at most 8 KiB, a
// reply of at most 100 lines. A passive data connection goes to the address
// the control connection went to, whatever address the server names.
class TrivaneDesktopFTPVerbinding
{
public:
    enum class Uitkomst
    {
        Gelukt,
        Gestopt,   // stop was asked
        TeLaat,    // nothing came within the time limit
        Verbroken, // the connection failed or the server closed it
        Geweigerd, // the server answered, but not with the expected reply
    };

    struct Antwoord
    {
        int code = 0;
        // The reply's last line, code included, without its line end.
        std::string tekst;
    };

    TrivaneDesktopFTPVerbinding();
    ~TrivaneDesktopFTPVerbinding();

    TrivaneDesktopFTPVerbinding(const TrivaneDesktopFTPVerbinding&) = delete;
    TrivaneDesktopFTPVerbinding& operator=(const TrivaneDesktopFTPVerbinding&) = delete;

    // How long any one wait may last, in seconds (at least 1).
    void zetTijdslimiet(unsigned int seconden);
    // Any thread: every wait, now and later, ends at once with Gestopt.
    void stop();
    bool isGestopt() const { return gestopt; }
    bool isVerbonden() const { return stuurKanaal >= 0; }

    // Connects (port 0: the FTP port) and reads the server's greeting.
    [[nodiscard]] Uitkomst verbind(const std::string& host, unsigned short poort);
    [[nodiscard]] Uitkomst meldAan(const std::string& gebruiker, const std::string& wachtwoord);
    // One command and its final reply, whatever its code.
    [[nodiscard]] Uitkomst stuur(const std::string& opdracht, Antwoord& antwoord);
    // Opens a data connection (passive, else the server connects to us) and
    // sends the command that fills it (RETR, LIST); Gelukt once the server
    // said it starts.
    [[nodiscard]] Uitkomst openOverdracht(const std::string& opdracht, bool passief);
    // Hands every piece of the transfer, as it comes, to `verwerk` (false:
    // stop reading) until the server closes the data connection (Gelukt).
    // Geweigerd when `verwerk` said stop.
    using Verwerker = std::function<bool(const char* data, std::size_t aantal)>;
    [[nodiscard]] Uitkomst ontvang(const Verwerker& verwerk);
    // Closes the data connection. After a transfer read to its end, the
    // server's closing reply is read (Gelukt when it is positive); after one
    // that was cut short, the connection is fit only for `sluit`.
    [[nodiscard]] Uitkomst sluitOverdracht(bool heelGelezen);
    // Says goodbye without waiting for the answer, and closes.
    void sluit();

    const Antwoord& geefLaatsteAntwoord() const { return laatste; }

private:
    Uitkomst wachtOp(int kanaal, short gebeurtenis);
    Uitkomst maakVerbinding(const std::string& host, unsigned short poort, int& kanaal);
    Uitkomst verbindMet(const void* adres, unsigned int lengte, int& kanaal);
    Uitkomst schrijf(const std::string& tekst);
    Uitkomst leesRegel(std::string& regel);
    Uitkomst leesAntwoord(Antwoord& antwoord);
    Uitkomst openPassief(int& kanaal);
    Uitkomst openActief(int& luisteraar);
    Uitkomst neemAan(int luisteraar, int& kanaal);
    static void sluitKanaal(int& kanaal);

    std::atomic<bool> gestopt{false};
    // Readable once stop was asked.
    int wekker = -1;
    int stuurKanaal = -1;
    int dataKanaal = -1;
    unsigned int tijdslimiet = 60;
    std::string gelezen;
    Antwoord laatste;
};

#endif
