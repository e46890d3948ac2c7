#include "tests/ondersteuning/GuiHulp.h"

#include <cstdlib>
#include <cxxabi.h>
#include <glib.h>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/window.h>

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

wxWindow* zoekVenster(wxWindow& venster, int id, const std::function<bool(wxWindow&)>& isSoort)
{
    for (wxWindow* kind : venster.GetChildren())
    {
        if (kind->IsTopLevel())
            continue;
        if ((id == wxID_ANY || kind->GetId() == id) && isSoort(*kind))
            return kind;
        if (wxWindow* dieper = zoekVenster(*kind, id, isSoort))
            return dieper;
    }
    return nullptr;
}

void geenVenster(wxWindow& venster, int id, const std::type_info& soort)
{
    int fout = 0;
    const std::unique_ptr<char, void (*)(void*)> naam(abi::__cxa_demangle(soort.name(), nullptr, nullptr, &fout),
                                                      std::free);
    const wxWindow* anders = zoekVenster(venster, id, [](wxWindow&) { return true; });
    const wxString waarom =
        wxString::Format("\"%s\" has no %s of id %d", venster.GetLabel(), naam ? naam.get() : soort.name(), id) +
        (anders ? wxString::Format(" (it is a %s)", anders->GetClassInfo()->GetClassName()) : wxString());
    ADD_FAILURE() << waarom.utf8_string();
    throw std::runtime_error(waarom.utf8_string());
}
