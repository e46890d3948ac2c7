#include "toepassing/venster/VerelTamsoVenster.h"

// The database and program commands: commit, undo, reassigning numbers,
// safe operation, the project name and currency, about, font and colours,
// language and the update check.

void VerelTamsoVenster::OnUndoClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnUndoUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->rolTerugMogelijk());
}

void VerelTamsoVenster::OnSaveClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnSaveUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->rolTerugMogelijk());
}

void VerelTamsoVenster::OnStrakTrekkenIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnStrakTrekkenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnStartStopVeiligeModusIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnStartStopVeiligeModusIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

int VerelTamsoVenster::schakelSafePoint(Stand)
{
    return 2;
}

void VerelTamsoVenster::OnZetProjektNaamIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnZetProjektNaamIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnAboutClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnZetTalenIDClick(wxCommandEvent&)
{
    app->toonTaalDialoog();
}

// The project currency, the font and colour choice and the update check come
// with their dialogs; until then their menu items stay disabled.

void VerelTamsoVenster::OnZetProjektValutaIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnZetProjektValutaIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnZetKleurenIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnZetKleurenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnControleerOpUpdatesIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnControleerOpUpdatesIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}
