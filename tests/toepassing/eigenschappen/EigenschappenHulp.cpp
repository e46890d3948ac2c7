#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include "swexternals/desktop/RichFunkties.h"
#include "tests/ondersteuning/GuiHulp.h"

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

RekEigenschappenVenster& DialoogTest::open(const Requirement& rek)
{
    dialoog.reset();
    dialoog = std::make_unique<RekEigenschappenVenster>(nullptr, rek, &*app);
    return *dialoog;
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
