#include "tests/toepassing/eigenschappen/Bediening.h"

#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/textentry.h>
#include <wx/tglbtn.h>

namespace
{
void stuur(wxWindow& bron, wxEvent& gebeurtenis)
{
    gebeurtenis.SetEventObject(&bron);
    bron.GetEventHandler()->ProcessEvent(gebeurtenis);
}
} // namespace

void typ(wxTextEntry& veld, const wxString& tekst)
{
    // SetValue sends the text event a key would.
    veld.SetValue(tekst);
}

void typ(wxRichTextCtrl& veld, const wxString& tekst)
{
    veld.SetValue(tekst);
    veld.MarkDirty();
}

void zet(wxSpinCtrl& spin, int waarde)
{
    spin.SetValue(waarde);
    wxSpinEvent gebeurtenis(wxEVT_SPINCTRL, spin.GetId());
    gebeurtenis.SetPosition(spin.GetValue());
    stuur(spin, gebeurtenis);
}

void zet(wxSlider& schuif, int waarde)
{
    schuif.SetValue(waarde);
    wxCommandEvent gebeurtenis(wxEVT_SLIDER, schuif.GetId());
    gebeurtenis.SetInt(schuif.GetValue());
    stuur(schuif, gebeurtenis);
}

void zet(wxDatePickerCtrl& kiezer, const wxDateTime& datum)
{
    kiezer.SetValue(datum);
    wxDateEvent gebeurtenis(&kiezer, kiezer.GetValue(), wxEVT_DATE_CHANGED);
    stuur(kiezer, gebeurtenis);
}

void kies(wxChoice& keuze, int index)
{
    keuze.SetSelection(index);
    wxCommandEvent gebeurtenis(wxEVT_CHOICE, keuze.GetId());
    gebeurtenis.SetInt(index);
    stuur(keuze, gebeurtenis);
}

void druk(wxBitmapToggleButton& knop)
{
    knop.SetValue(!knop.GetValue());
    wxCommandEvent gebeurtenis(wxEVT_TOGGLEBUTTON, knop.GetId());
    gebeurtenis.SetInt(knop.GetValue() ? 1 : 0);
    stuur(knop, gebeurtenis);
}

void klapOpen(wxCollapsiblePane& sektie)
{
    sektie.Collapse(false);
    wxCollapsiblePaneEvent gebeurtenis(&sektie, sektie.GetId(), false);
    stuur(sektie, gebeurtenis);
}

void klik(wxWindow& venster, int id)
{
    wxWindow* knop = venster.FindWindow(id);
    wxCommandEvent gebeurtenis(wxEVT_BUTTON, id);
    stuur(knop ? *knop : venster, gebeurtenis);
}

bool isControlIngeschakeld(wxWindow& dialoog, int id)
{
    wxWindow* control = dialoog.FindWindow(id);
    wxUpdateUIEvent gebeurtenis(id);
    stuur(control ? *control : dialoog, gebeurtenis);
    if (gebeurtenis.GetSetEnabled())
        return gebeurtenis.GetEnabled();
    return !control || control->IsEnabled();
}
