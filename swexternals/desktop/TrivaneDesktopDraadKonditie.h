#ifndef SWEXTERNALS_DESKTOP_TRIVANEDESKTOPDRAADKONDITIE_H
#define SWEXTERNALS_DESKTOP_TRIVANEDESKTOPDRAADKONDITIE_H

#include "base/Stand.h"

#include <atomic>
#include <wx/thread.h>

// Where a worker and the thread waiting for it meet: the worker writes its
// results under the mutex and releases the waiter (geefVrij); the waiter
// blocks with a time limit (wacht) and then reads them. A release given
// while nobody waits is kept for the next wait, so a worker that is quicker
// than its waiter is never lost.
class TrivaneDesktopDraadKonditie
{
public:
    explicit TrivaneDesktopDraadKonditie(unsigned int id);

    TrivaneDesktopDraadKonditie(const TrivaneDesktopDraadKonditie&) = delete;
    TrivaneDesktopDraadKonditie& operator=(const TrivaneDesktopDraadKonditie&) = delete;

    // On takes the mutex for the calling thread, every other value lets it
    // go; the result is wxMutex's (wxMUTEX_NO_ERROR when it went well). While
    // a thread holds it this way, its wacht and geefVrij use the hold as it
    // is and leave it held.
    [[nodiscard]] wxMutexError zetOpSlot(Stand stand);
    // 0 released, 1 the time limit passed, 2 the condition failed. A limit
    // of 0 waits without limit.
    [[nodiscard]] int wacht(unsigned short milliSeconden);
    // Releases one waiter, or with `iedereen` every thread waiting now (at
    // least one release). 0 done, 2 the condition failed.
    [[nodiscard]] int geefVrij(bool iedereen);
    unsigned int geefID() const { return id; }

private:
    bool houdtAanroeper() const;
    int wachtOpVrijgave(unsigned short milliSeconden);

    wxMutex slot;
    wxCondition konditie;
    const unsigned int id;
    // Guarded by the mutex.
    unsigned int vrijgaven = 0;
    unsigned int wachtenden = 0;
    // The thread that took the mutex through zetOpSlot; 0 when none did.
    // Read without the mutex by threads that want to know whether they hold it.
    std::atomic<wxThreadIdType> houder{0};
};

#endif
