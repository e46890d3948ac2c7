#include "toepassing/venster/VerelTamsoVenster.h"

#include <wx/stattext.h>

// The project commands: new, open, open read-only, the recent files, save
// as, move, close, quit and the read-only switch.

void VerelTamsoVenster::OnNewClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnNewUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!app->isDBOpen());
}

void VerelTamsoVenster::OnOpenClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnOpenUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!app->isDBOpen());
}

void VerelTamsoVenster::OnOpenSlechtsLezenDBIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnOpenSlechtsLezenDBIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!app->isDBOpen());
}

void VerelTamsoVenster::OnSaveasClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnReplaceClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnReplaceUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnCloseClick(wxCommandEvent&)
{
    (void)sluitProjekt();
}

// A first version that closes without the checks of safe operation and the
// file history.
int VerelTamsoVenster::sluitProjekt()
{
    const int resultaat = app->stopDatabase();
    if (resultaat != 0)
        return resultaat;
    app->sluitDB();
    projektNaamLabel->SetLabel(_("No project"));
    zetStatusTekst(_("No project is opened."));
    verversLijst();
    return 0;
}

void VerelTamsoVenster::OnCloseUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnExitClick(wxCommandEvent&)
{
    if (!app->isDBOpen() || sluitProjekt() == 0)
        Destroy();
}

void VerelTamsoVenster::OnSchakelDBOmNaarSlechtsLezenIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnSchakelDBOmNaarSlechtsLezenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen() && !app->isMemoryDB() && !app->isSavePointBezig());
}
