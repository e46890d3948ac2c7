#include "toepassing/venster/VerelTamsoVenster.h"

// The requirement commands run the properties dialog, which is not part of
// the program yet: their menu items and buttons stay disabled until then.

void VerelTamsoVenster::OnAddClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnAddUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnDeleteClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnDeleteUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnToonItemIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnToonItemIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnBewerkItemIDClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnBewerkItemIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnDuplicateClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnDuplicateUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnUpClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnUpUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}

void VerelTamsoVenster::OnDownClick(wxCommandEvent&) {}

void VerelTamsoVenster::OnDownUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(false);
}
