#include "swexternals/desktop/TrivaneDesktopDraadKonditie.h"

#include <chrono>
#include <optional>

namespace
{
// Takes the mutex for one call unless the calling thread holds it already
// through zetOpSlot (the mutex is not recursive).
class Hold
{
public:
    Hold(wxMutex& slot, bool alGehouden) : slot(slot), genomen(!alGehouden)
    {
        // A failed lock does not stop the wait or the release: the
        // condition reports its own failure.
        if (genomen)
            genomen = slot.Lock() == wxMUTEX_NO_ERROR;
    }
    ~Hold()
    {
        if (genomen)
            slot.Unlock();
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

private:
    wxMutex& slot;
    bool genomen;
};
} // namespace

TrivaneDesktopDraadKonditie::TrivaneDesktopDraadKonditie(unsigned int id) : konditie(slot), id(id)
{
    slot.Lock();
    slot.Unlock();
}

wxMutexError TrivaneDesktopDraadKonditie::zetOpSlot(Stand stand)
{
    if (stand == StandAan)
    {
        const wxMutexError fout = slot.Lock();
        if (fout == wxMUTEX_NO_ERROR)
            houder = wxThread::GetCurrentId();
        return fout;
    }
    if (houdtAanroeper())
        houder = 0;
    return slot.Unlock();
}

bool TrivaneDesktopDraadKonditie::houdtAanroeper() const
{
    // Only the holder itself can see its own id here; any other thread sees
    // 0 or another id, whatever it reads.
    return houder == wxThread::GetCurrentId();
}

int TrivaneDesktopDraadKonditie::wacht(unsigned short milliSeconden)
{
    const bool alGehouden = houdtAanroeper();
    Hold hold(slot, alGehouden);
    const int uitkomst = wachtOpVrijgave(milliSeconden);
    // Another thread may have taken and left the mutex through zetOpSlot
    // while this one waited without it.
    if (alGehouden)
        houder = wxThread::GetCurrentId();
    return uitkomst;
}

int TrivaneDesktopDraadKonditie::wachtOpVrijgave(unsigned short milliSeconden)
{
    if (!konditie.IsOk())
        return 2;
    using Klok = std::chrono::steady_clock;
    const auto einde = Klok::now() + std::chrono::milliseconds(milliSeconden);
    ++wachtenden;
    int uitkomst = 0;
    // Counted releases, not the wake-up itself, decide: a condition may wake
    // without a signal, and a release given before the wait counts as well.
    while (vrijgaven == 0)
    {
        wxCondError fout = wxCOND_NO_ERROR;
        if (milliSeconden == 0)
            fout = konditie.Wait();
        else
        {
            const auto rest = std::chrono::ceil<std::chrono::milliseconds>(einde - Klok::now());
            if (rest.count() <= 0)
                fout = wxCOND_TIMEOUT;
            else
                fout = konditie.WaitTimeout(static_cast<unsigned long>(rest.count()));
        }
        if (fout == wxCOND_TIMEOUT && vrijgaven == 0)
        {
            uitkomst = 1;
            break;
        }
        if (fout != wxCOND_NO_ERROR && fout != wxCOND_TIMEOUT)
        {
            uitkomst = 2;
            break;
        }
    }
    --wachtenden;
    if (uitkomst == 0)
        --vrijgaven;
    return uitkomst;
}

int TrivaneDesktopDraadKonditie::geefVrij(bool iedereen)
{
    Hold hold(slot, houdtAanroeper());
    if (!konditie.IsOk())
        return 2;
    const unsigned int wachtendNu = wachtenden;
    if (iedereen && wachtendNu > 1)
        vrijgaven += wachtendNu;
    else
        ++vrijgaven;
    const wxCondError fout = iedereen ? konditie.Broadcast() : konditie.Signal();
    return fout == wxCOND_NO_ERROR ? 0 : 2;
}
