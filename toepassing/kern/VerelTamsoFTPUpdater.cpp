#include "toepassing/kern/VerelTamsoFTPUpdater.h"

#include "toepassing/kern/VensterKoppeling.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <utility>
#include <wx/toplevel.h>

const wxString VerelTamsoFTPUpdater::releaseSleutel = VT_RELEASE_SLEUTEL;

VerelTamsoFTPUpdater::VerelTamsoFTPUpdater(VerelTamsoApp* app, const TrivaneDesktopFTPLogin& login,
                                           const wxString& serverMap, bool stil, bool meldFouten)
    : TrivaneFTPUpdater(app, login, serverMap, stil, meldFouten, geefSleutel()), app(app)
{
}

wxString& VerelTamsoFTPUpdater::huidigeSleutel()
{
    static wxString sleutel;
    return sleutel;
}

wxString VerelTamsoFTPUpdater::zetSleutel(const wxString& sleutel)
{
    return std::exchange(huidigeSleutel(), sleutel);
}

wxString VerelTamsoFTPUpdater::geefSleutel()
{
    return huidigeSleutel().empty() ? releaseSleutel : huidigeSleutel();
}

bool VerelTamsoFTPUpdater::bereidStopVoor()
{
    // The main window lives a layer above; what it offers this layer is its
    // own stop of the project and its orderly stop.
    auto* venster = app ? dynamic_cast<VensterKoppeling*>(app->geefHoofdVenster()) : nullptr;
    return venster && (!app->isDBOpen() || venster->sluitProjekt() == 0);
}

bool VerelTamsoFTPUpdater::stopHoofdProgramma()
{
    auto* venster = app ? dynamic_cast<VensterKoppeling*>(app->geefHoofdVenster()) : nullptr;
    return venster && venster->gewoneStop();
}
