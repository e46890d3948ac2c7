#include "toepassing/kern/VerelTamsoFTPUpdater.h"

#include "toepassing/kern/VensterKoppeling.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/toplevel.h>

VerelTamsoFTPUpdater::VerelTamsoFTPUpdater(VerelTamsoApp* app, const TrivaneDesktopFTPLogin& login,
                                           const wxString& serverMap, bool stil, bool meldFouten)
    : TrivaneFTPUpdater(app, login, serverMap, stil, meldFouten), app(app)
{
}

bool VerelTamsoFTPUpdater::stopHoofdProgramma()
{
    // The main window lives a layer above; what it offers this layer is its
    // orderly stop.
    auto* venster = app ? dynamic_cast<VensterKoppeling*>(app->geefHoofdVenster()) : nullptr;
    return venster && venster->gewoneStop();
}
