#include "tests/ondersteuning/Bediening.h"

#include <gtk/gtk.h>
#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
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

void stuurMenu(wxWindow& venster, int id)
{
    wxCommandEvent gebeurtenis(wxEVT_MENU, id);
    // A check or radio item turns before its command, as with a click.
    const auto* frame = dynamic_cast<wxFrame*>(&venster);
    if (wxMenuItem* item = frame && frame->GetMenuBar() ? frame->GetMenuBar()->FindItem(id) : nullptr;
        item && item->IsCheckable())
    {
        item->Check(item->IsRadio() || !item->IsChecked());
        gebeurtenis.SetInt(item->IsChecked() ? 1 : 0);
    }
    stuur(venster, gebeurtenis);
}

wxUpdateUIEvent vraagUpdate(wxWindow& venster, int id)
{
    wxUpdateUIEvent gebeurtenis(id);
    stuur(venster, gebeurtenis);
    return gebeurtenis;
}

bool isIngeschakeld(wxWindow& venster, int id)
{
    const wxUpdateUIEvent gebeurtenis = vraagUpdate(venster, id);
    return !gebeurtenis.GetSetEnabled() || gebeurtenis.GetEnabled();
}

std::vector<wxMenuItem*> toonPopupMenu(wxWindow& venster, wxWindow& control, wxEventType soort, long rij)
{
    std::vector<wxMenuItem*> items;
    const auto geopend = [&items, &venster](wxMenuEvent& gebeurtenis)
    {
        gebeurtenis.Skip();
        wxMenu* menu = gebeurtenis.GetMenu();
        if (!gebeurtenis.IsPopup() || !menu)
            return;
        for (wxMenuItem* item : menu->GetMenuItems())
            items.push_back(item);
        // Taken down as Escape does, once it is up: nothing chosen.
        venster.CallAfter([menu] { gtk_menu_popdown(GTK_MENU(menu->m_menu)); });
    };
    venster.Bind(wxEVT_MENU_OPEN, geopend);
    wxListEvent klik(soort, control.GetId());
    klik.m_itemIndex = rij;
    stuur(control, klik);
    venster.Unbind(wxEVT_MENU_OPEN, geopend);
    return items;
}
