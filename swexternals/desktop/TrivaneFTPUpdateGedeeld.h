#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEGEDEELD_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEGEDEELD_H

#include "base/TrivaneCode.h"
#include "swexternals/desktop/DesktopPriveMap.h"
#include "swexternals/desktop/TrivaneDesktopDraadKonditie.h"

#include <atomic>
#include <cstdint>
#include <wx/event.h>
#include <wx/string.h>

// The worker's news for the driver: `Vrijgegeven` after each result it
// handed over (read it through the condition), `Beeindigd` as its very last
// act, after which it touches nothing of the driver's.
wxDECLARE_EVENT(EVT_TRIVANE_FTP_UPDATE, wxThreadEvent);

// What the update worker hands to the update driver, in one block that both
// own (through a shared pointer), so that neither can outlive what the other
// writes to. The worker writes under the condition's mutex and releases the
// driver in the same hold, then tells the driver's event handler by a queued
// event; the driver, in its own event loop, takes the release and reads.
// Neither thread holds the mutex for longer than a copy.
class TrivaneFTPUpdateGedeeld
{
public:
    enum Gebeurtenis
    {
        Vrijgegeven = 1,
        Beeindigd,
    };

    struct Uitkomst
    {
        TrivaneCode code = kcOk;
        // The version the server offers.
        wxString versie;
        // The installer's size on the server, in bytes.
        std::uint64_t grootte = 0;
        // The downloaded installer.
        wxString installer;
    };

    // `ontvanger` gets the events; it must outlive the worker.
    explicit TrivaneFTPUpdateGedeeld(wxEvtHandler* ontvanger);

    TrivaneFTPUpdateGedeeld(const TrivaneFTPUpdateGedeeld&) = delete;
    TrivaneFTPUpdateGedeeld& operator=(const TrivaneFTPUpdateGedeeld&) = delete;

    TrivaneDesktopDraadKonditie& geefKonditie() { return konditie; }

    // Worker: writes the outcome and releases one waiter, as one step, and
    // tells the driver. False when the condition failed (the driver is told
    // all the same, and finds the failure in its wait).
    [[nodiscard]] bool meld(const Uitkomst& nieuw);
    // Worker, last of all.
    void meldEinde();
    // Driver: the outcome as the worker last wrote it.
    Uitkomst lees();

    // The folder of a downloaded installer: the worker's until it hands it
    // over, then the driver's.
    void geefMapOver(DesktopPriveMap map);
    DesktopPriveMap neemMap();

    // The bytes of the installer written so far; read for the progress while
    // the worker writes.
    void zetOntvangen(std::uint64_t aantal) { ontvangen = aantal; }
    std::uint64_t geefOntvangen() const { return ontvangen; }
    // Worker: the transfer from the server has ended, however; what follows
    // (the checks of the package) does not wait on the server.
    void zetOverdrachtKlaar() { overdrachtKlaar = true; }
    bool isOverdrachtKlaar() const { return overdrachtKlaar; }

private:
    void stuur(Gebeurtenis gebeurtenis);

    TrivaneDesktopDraadKonditie konditie;
    wxEvtHandler* ontvanger;
    Uitkomst uitkomst;
    DesktopPriveMap map;
    std::atomic<std::uint64_t> ontvangen{0};
    std::atomic<bool> overdrachtKlaar{false};
};

#endif
