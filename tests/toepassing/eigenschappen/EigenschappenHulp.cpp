#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include "swexternals/desktop/RichFunkties.h"
#include "tests/ondersteuning/GuiHulp.h"

#include <wx/dateevt.h>
#include <wx/frame.h>
#include <wx/image.h>

void DialoogTest::SetUp()
{
    // As the program's start-up does.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG))
        wxImage::AddHandler(new wxJPEGHandler);
    ASSERT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{3, "Pump"}, {9, "Valve"}});
    voerUit(*app, {"update Requirements set auteur='Ine',implementatieIngenieur='Piet' where SR==3",
                   "update Requirements set testIngenieur='Klaas',aftekenaar='Jan' where SR==9"});
}

void DialoogTest::TearDown()
{
    dialoog.reset();
    verwerkGebeurtenissen();
}

TestDialoog& DialoogTest::open(const Requirement& rek)
{
    dialoog.reset();
    dialoog = std::make_unique<TestDialoog>(nullptr, rek, &*app);
    return *dialoog;
}

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

void klik(wxWindow& venster, int id)
{
    wxWindow* knop = venster.FindWindow(id);
    wxCommandEvent gebeurtenis(wxEVT_BUTTON, id);
    stuur(knop ? *knop : venster, gebeurtenis);
}

bool isIngeschakeld(wxWindow& dialoog, int id)
{
    wxWindow* control = dialoog.FindWindow(id);
    wxUpdateUIEvent gebeurtenis(id);
    stuur(control ? *control : dialoog, gebeurtenis);
    if (gebeurtenis.GetSetEnabled())
        return gebeurtenis.GetEnabled();
    return !control || control->IsEnabled();
}

wxString alsRijk(const wxString& tekst)
{
    wxFrame houder(nullptr, wxID_ANY, "houder");
    auto* rijk = new wxRichTextCtrl(&houder, wxID_ANY);
    rijk->SetValue(tekst);
    wxString opgeslagen;
    EXPECT_EQ(RichFunkties::bewaarTekst(opgeslagen, rijk), 0);
    return opgeslagen;
}

wxString platteTekst(const wxString& rijk)
{
    wxFrame houder(nullptr, wxID_ANY, "houder");
    auto* veld = new wxRichTextCtrl(&houder, wxID_ANY);
    if (RichFunkties::laadTekst(rijk, veld) == 2)
        return "(unreadable)";
    return veld->GetValue();
}
