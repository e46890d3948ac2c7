#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEGEDEELD_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEGEDEELD_H

#include "base/TrivaneCode.h"
#include "swexternals/desktop/TrivaneDesktopDraadKonditie.h"

#include <atomic>
#include <cstdint>
#include <wx/string.h>

// What the update worker hands to the update driver, in one block that both
// own (through a shared pointer), so that neither can outlive what the other
// writes to. The worker writes under the condition's mutex and releases the
// driver in the same hold; the driver reads under the mutex too.
class TrivaneFTPUpdateGedeeld
{
public:
    struct Uitkomst
    {
        TrivaneCode code = kcOk;
        // The version the server offers.
        wxString versie;
        // The installer's size on the server, in bytes.
        std::uint64_t grootte = 0;
        // The downloaded installer and the private folder that holds it;
        // the folder is the driver's once the download ended well.
        wxString installer;
        wxString installerMap;
    };

    TrivaneFTPUpdateGedeeld();

    TrivaneFTPUpdateGedeeld(const TrivaneFTPUpdateGedeeld&) = delete;
    TrivaneFTPUpdateGedeeld& operator=(const TrivaneFTPUpdateGedeeld&) = delete;

    TrivaneDesktopDraadKonditie& geefKonditie() { return konditie; }

    // Worker: writes the outcome and releases one waiter, as one step.
    void meld(const Uitkomst& nieuw);
    // Driver: the outcome as the worker last wrote it.
    Uitkomst lees();

    // The bytes of the installer written so far; read for the progress while
    // the worker writes.
    void zetOntvangen(std::uint64_t aantal) { ontvangen = aantal; }
    std::uint64_t geefOntvangen() const { return ontvangen; }

private:
    TrivaneDesktopDraadKonditie konditie;
    Uitkomst uitkomst;
    std::atomic<std::uint64_t> ontvangen{0};
};

#endif
