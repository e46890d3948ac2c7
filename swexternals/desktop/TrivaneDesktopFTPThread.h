#ifndef SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPTHREAD_H
#define SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPTHREAD_H

#include "base/Stand.h"
#include "swexternals/desktop/TrivaneDesktopDraad.h"
#include "swexternals/desktop/TrivaneDesktopDraadKonditie.h"
#include "swexternals/desktop/TrivaneDesktopFTPLogin.h"
#include "swexternals/desktop/TrivaneDesktopFTPVerbinding.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <wx/string.h>

// A joinable worker thread that owns one FTP connection built from a login.
// It has no body of its own: a worker derives from it, connects, works and
// disconnects on its own thread. Every wait on the network is bounded by the
// time limit and ends at once when a stop is asked from another thread, so
// the owner never waits for the network when it waits for the thread.
class TrivaneDesktopFTPThread : public TrivaneDesktopDraad
{
public:
    // With `verbindDirect` the connection is made at once, on the calling
    // thread (its result is not kept).
    TrivaneDesktopFTPThread(const TrivaneDesktopFTPLogin& login, TrivaneDesktopDraadKonditie& konditie,
                            bool verbindDirect);
    ~TrivaneDesktopFTPThread() override;

    // On connects and logs on: 0 done, 1 already connected (warned) or
    // stopped, 2 failed (reported). Off closes: 1 when there was no
    // connection, else 5. Toggle and unknown do nothing: 5.
    [[nodiscard]] int verbind(Stand stand);
    // Ends every wait of the connection at once, now and later; the thread
    // then ends its work without a word to the server. Any thread may call it.
    void stopDownload();
    bool isGestopt() const { return verbinding->isGestopt(); }

    // How long any one wait on the server may last (connecting, a reply, the
    // next piece of a transfer), in seconds, at least 1. Set it before Run.
    void zetTijdslimiet(unsigned int seconden);
    unsigned int geefTijdslimiet() const { return tijdslimiet; }

protected:
    const TrivaneDesktopFTPLogin& geefLogin() const { return login; }
    TrivaneDesktopDraadKonditie& geefKonditie() const { return konditie; }

    // The login's transfer switch: binary or ASCII. A server that refuses it
    // refuses the transfers after it too, and those are reported.
    void zetTransferStand();
    [[nodiscard]] bool wisselMap(const wxString& map);
    // Sends a command; its first reply digit ('2' done, 0 no reply), and
    // the reply.
    char stuurOpdracht(const wxString& opdracht, wxString& antwoord);
    // The size of a file as the server's listing gives it; -1 when it
    // gives none.
    std::int64_t vraagGrootte(const wxString& bestand);
    // Starts a download of a file (passive or not, as the login says).
    [[nodiscard]] bool openOverdracht(const wxString& pad);
    // Ends the download; after one read to its end the server must confirm
    // it (false when it does not).
    [[nodiscard]] bool sluitOverdracht(bool heelGelezen);

    enum class Ontvangst
    {
        Einde,     // the server closed the transfer
        Gestopt,   // stopDownload was asked
        Stil,      // nothing came within the time limit
        Afgewezen, // the handler of a piece said stop
        Verbroken, // the connection failed
    };
    // Reads the download and hands every piece, as it comes, to `verwerk`
    // (which returns false to stop).
    Ontvangst ontvang(const TrivaneDesktopFTPVerbinding::Verwerker& verwerk);

private:
    static bool leesAdres(const wxString& adres, wxString& host, unsigned short& poort);

    std::unique_ptr<TrivaneDesktopFTPVerbinding> verbinding;
    TrivaneDesktopFTPLogin login;
    TrivaneDesktopDraadKonditie& konditie;
    unsigned int tijdslimiet;
};

#endif
