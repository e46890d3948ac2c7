#include "toepassing/kern/BeschadigdeLezing.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/intl.h>

BeschadigdeLezing::BeschadigdeLezing(VerelTamsoApp& app)
{
    if (app.isBeschadigd() && app.geefVoortgang())
        werk.emplace(app, _("Reading what can still be read of the project..."), LangWerk::Afbreekbaar());
}

// After the work's end: its dialog is gone before the message shows.
BeschadigdeLezing::~BeschadigdeLezing()
{
    const bool afgebroken = isAfgebroken();
    werk.reset();
    if (afgebroken)
        DesktopFunkties::wxWaarschuwingVeilig(_("Reading what can still be read was cancelled."));
}
