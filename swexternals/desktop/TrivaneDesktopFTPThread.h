#ifndef SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPTHREAD_H
#define SWEXTERNALS_DESKTOP_TRIVANEDESKTOPFTPTHREAD_H

#include "base/Stand.h"
#include "swexternals/desktop/TrivaneDesktopDraad.h"
#include "swexternals/desktop/TrivaneDesktopDraadKonditie.h"
#include "swexternals/desktop/TrivaneDesktopFTPLogin.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>

class wxFTP;
class wxInputStream;
class wxMutex;

// A joinable worker thread that owns one FTP connection built from a login.
// It has no body of its own: a worker derives from it, connects, works and
// disconnects on its own thread. Every wait on the network is bounded by the
// time limit, and a stop asked from another thread is seen between two
// steps, so the owner can always wait for the thread to end.
class TrivaneDesktopFTPThread : public TrivaneDesktopDraad
{
public:
    // With `verbindDirect` the connection is made at once, on the calling
    // thread (its result is not kept).
    TrivaneDesktopFTPThread(const TrivaneDesktopFTPLogin& login, TrivaneDesktopDraadKonditie& konditie,
                            bool verbindDirect);
    ~TrivaneDesktopFTPThread() override;

    // On connects and logs on: 0 done, 1 already connected (warned), 2 failed
    // (reported). Off closes: 1 when there was no connection, else 5 (a
    // failed close is reported). Toggle and unknown do nothing: 5.
    int verbind(Stand stand) const;
    // Asks the running transfer to end. Only a flag is set: the thread aborts
    // its own transfer, as the connection may be used by one thread only.
    // Any thread may call it.
    void stopDownload();
    bool isGestopt() const { return gestopt; }

    // How long any one wait on the server may last (connecting, a reply, the
    // next piece of a transfer), in seconds, at least 1. Set it before Run.
    void zetTijdslimiet(unsigned int seconden);
    unsigned int geefTijdslimiet() const { return tijdslimiet; }

    // wxFTP (wxWidgets 3.2) reads every reply of the server through a call
    // that, for its duration, registers the connection with the GUI thread's
    // event loop. Were the GUI thread to run its loop meanwhile, the loop
    // would handle the connection under the worker's hands (and crash on one
    // the worker has just closed). So every exchange on the connection below
    // holds this lock, and the GUI thread holds it whenever it lets its event
    // loop run while a worker may be busy.
    static wxMutex& geefLusSlot();

protected:
    const TrivaneDesktopFTPLogin& geefLogin() const { return login; }
    TrivaneDesktopDraadKonditie& geefKonditie() const { return konditie; }

    // The exchanges with the server, each under the lock above.
    // The login's transfer switches: binary or ASCII, passive or not.
    void zetTransferStand() const;
    [[nodiscard]] bool wisselMap(const wxString& map) const;
    // Sends a command; its first reply digit ('2' done), and the reply.
    char stuurOpdracht(const wxString& opdracht, wxString& antwoord) const;
    // wxFTP's own size question (SIZE, else the listing); -1 when it fails.
    int vraagGrootte(const wxString& bestand) const;
    // A download of a file; null when the server refuses it.
    std::unique_ptr<wxInputStream> openOverdracht(const wxString& pad) const;
    // Ends a download, also one that was not read to its end.
    void sluitOverdracht(std::unique_ptr<wxInputStream>& stroom) const;

    enum class Ontvangst
    {
        Einde,      // the server closed the transfer
        Gestopt,    // stopDownload was asked
        Stil,       // nothing came within the time limit
        Afgewezen,  // the handler of a piece said stop
        Onleesbaar, // the stream is not a network stream
    };
    // Reads a download and hands every piece that comes to `verwerk` (which
    // returns false to stop). Pieces are handed as they come, not when a
    // buffer is full; reading the data needs no lock.
    using Verwerker = std::function<bool(const char* data, std::size_t aantal)>;
    Ontvangst ontvang(wxInputStream& stroom, const Verwerker& verwerk) const;

private:
    static bool leesAdres(const wxString& adres, wxString& host, unsigned short& poort);

    std::unique_ptr<wxFTP> verbinding;
    TrivaneDesktopFTPLogin login;
    TrivaneDesktopDraadKonditie& konditie;
    std::atomic<bool> gestopt{false};
    unsigned int tijdslimiet;
};

#endif
