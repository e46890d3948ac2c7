#include "tests/ondersteuning/GuiHulp.h"

#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

void verwerkGebeurtenissen(int millisecondenMax)
{
    wxStopWatch klok;
    do
    {
        wxTheApp->ProcessPendingEvents();
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        wxYield();
        wxMilliSleep(5);
    } while (klok.Time() < millisecondenMax);
}
