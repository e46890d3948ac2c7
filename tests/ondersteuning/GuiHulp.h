#ifndef TESTS_ONDERSTEUNING_GUIHULP_H
#define TESTS_ONDERSTEUNING_GUIHULP_H

#include <functional>
#include <typeinfo>

class wxWindow;

// Lets the event loop handle what is pending (posted events, X events,
// idle handling) and returns as soon as nothing is left, at the latest after
// the given time. What the X server has still to answer (a window mapped, a
// timer to run out) is not pending yet: wait for it with wachtOp.
void verwerkGebeurtenissen(int millisecondenMax = 200);

// Handles events until the condition holds, for at most the given time, as
// a user's session would between clicks. Whether the condition holds. The
// time is only there to end a test that hangs: a busy machine (a sanitizer
// build, many tests at once) never takes half a minute.
bool wachtOp(const std::function<bool()>& voorwaarde, int millisecondenMax = 30000);

// The window with this id among the windows in `venster` (not in another
// top-level window such as a dialog over it) for which `isSoort` holds;
// wxID_ANY: the first for which it holds. Null when there is none.
wxWindow* zoekVenster(wxWindow& venster, int id, const std::function<bool(wxWindow&)>& isSoort);
// Fails the running test and ends it (by an exception): `venster` holds no
// control of the id of that class.
[[noreturn]] void geenVenster(wxWindow& venster, int id, const std::type_info& soort);

// The control of the frame or dialog by its window id, as the class it is:
// one that is missing or of another class fails the test.
template <class Soort> Soort& vind(wxWindow& venster, int id)
{
    wxWindow* gevonden =
        zoekVenster(venster, id, [](wxWindow& kandidaat) { return dynamic_cast<Soort*>(&kandidaat) != nullptr; });
    if (!gevonden)
        geenVenster(venster, id, typeid(Soort));
    return dynamic_cast<Soort&>(*gevonden);
}
// The same as a function of the window, for a name of its own:
// `inline constexpr auto titel = control<wxTextCtrl, ID_TITEL>;`.
template <class Soort, int id> Soort& control(wxWindow& venster)
{
    return vind<Soort>(venster, id);
}

#endif
