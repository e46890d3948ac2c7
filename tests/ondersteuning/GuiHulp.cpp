#include "tests/ondersteuning/GuiHulp.h"

#include <glib.h>
#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

void verwerkGebeurtenissen(int millisecondenMax)
{
    wxStopWatch klok;
    do
    {
        bool bezig = false;
        if (wxTheApp->HasPendingEvents())
        {
            wxTheApp->ProcessPendingEvents();
            bezig = true;
        }
        // The toolkit's own queue: X events, timers that ran out, and the
        // idle handling wx asks for. The runner has no event loop of wx
        // running, so wx's Pending() would see none of it.
        while (g_main_context_pending(nullptr))
        {
            g_main_context_iteration(nullptr, FALSE);
            bezig = true;
        }
        // True when a handler asked for more idle time.
        bezig = wxTheApp->ProcessIdle() || bezig;
        if (!bezig)
            return;
    } while (klok.Time() < millisecondenMax);
}

bool wachtOp(const std::function<bool()>& voorwaarde, int millisecondenMax)
{
    wxStopWatch klok;
    while (!voorwaarde())
    {
        if (klok.Time() >= millisecondenMax)
            return voorwaarde();
        verwerkGebeurtenissen(20);
        // Nothing to do until the X server or a timer speaks.
        wxMilliSleep(1);
    }
    return true;
}
