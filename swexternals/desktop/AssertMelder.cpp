#include "swexternals/desktop/AssertMelder.h"

#include "swexternals/desktop/ToonbareTekst.h"

#include <cstdio>
#include <wx/debug.h>

void AssertMelder::installeer()
{
    wxSetAssertHandler(meld);
}

void AssertMelder::meld(const wxString& bestand, int regel, const wxString& funktie, const wxString& voorwaarde,
                        const wxString& bericht)
{
    // Writing the report may assert in turn; that one is not reported. The
    // update check's worker asserts on its own thread.
    thread_local bool bezig = false;
    if (bezig)
        return;
    bezig = true;
    // The texts of an assertion may hold what made the toolkit assert: a
    // character it cannot convert.
    const wxString regelTekst =
        wxString::Format("wxWidgets assertion in %s (%s:%d): %s", funktie, bestand, regel, voorwaarde) +
        (bericht.empty() ? wxString() : " - " + bericht);
    std::fprintf(stderr, "%s\n", static_cast<const char*>(ToonbareTekst::maak(regelTekst).utf8_str()));
    std::fflush(stderr);
    bezig = false;
}
