// The properties dialog on a display of 1024 x 768 in each of the ten
// languages: as it opens, its rows scroll with a bar in view and none is cut
// by the bottom row; with every section open, the dialog lies within the
// display with its status, OK and Cancel, the rows scroll, and no label is
// cut to make it fit.
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/vertalingen/LabelMaat.h"
#include "tests/vertalingen/Talen.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/collpane.h>
#include <wx/display.h>
#include <wx/image.h>

namespace
{
using D = RekEigenschappenVenster;

class EigenschappenSchermTest : public ::testing::TestWithParam<Taal>
{
};

wxRect zichtVan(wxScrolledWindow& rijen)
{
    return {rijen.ClientToScreen(wxPoint()), rijen.GetClientSize()};
}

// The windows of the rows that show in their area but reach below it, into
// the bottom row.
wxArrayString afgesnedenRijen(wxScrolledWindow& rijen)
{
    const wxRect zicht = zichtVan(rijen);
    wxArrayString afgesneden;
    for (const wxWindow* kind : rijen.GetChildren())
        if (const wxRect plek = kind->GetScreenRect();
            kind->IsShown() && plek.GetTop() <= zicht.GetBottom() && plek.GetBottom() > zicht.GetBottom())
            afgesneden.Add(wxString::Format("%s \"%s\" ends at %d, the rows at %d",
                                            kind->GetClassInfo()->GetClassName(), kind->GetLabel(), plek.GetBottom(),
                                            zicht.GetBottom()));
    return afgesneden;
}
} // namespace

TEST_P(EigenschappenSchermTest, PastMetAlleSektiesOpen)
{
    static const bool beeldLezers = []
    {
        wxInitAllImageHandlers();
        return true;
    }();
    (void)beeldLezers;
    kiesTaal(GetParam().taal);
    VApp app;
    ASSERT_EQ(app->geefTaal(), GetParam().taal);
    ASSERT_EQ(app->openProject(testPad("scherm.vtd")), 0);
    Requirement rek;
    rek.SR = 10;
    rek.naam = "Open and close the roof vents of every zone";
    rek.totaleKosten = 1200;
    rek.status = Requirement::StatusGetest;
    D dialoog(nullptr, rek, &*app);
    const wxRect scherm = wxDisplay(&dialoog).GetClientArea();
    ASSERT_EQ(scherm.GetSize(), wxSize(1024, 768));
    dialoog.Show();
    ASSERT_TRUE(wachtOp([&] { return dialoog.IsShownOnScreen(); }));

    // As it opens the rows do not fit: they scroll with a bar that stays in
    // view, not GTK's overlay, and keep their width. The first view ends
    // between two rows; scrolled to the end, the sign-off row is in view.
    auto& rijen = dynamic_cast<wxScrolledWindow&>(*vind<wxTextCtrl>(dialoog, D::ID_REKTITEL).GetParent());
    ASSERT_GT(rijen.GetVirtualSize().GetHeight(), rijen.GetClientSize().GetHeight());
    auto* gebied = GTK_SCROLLED_WINDOW(rijen.GetHandle());
    ASSERT_TRUE(GTK_IS_SCROLLED_WINDOW(gebied));
    EXPECT_FALSE(gtk_scrolled_window_get_overlay_scrolling(gebied));
    EXPECT_TRUE(gtk_widget_get_mapped(gtk_scrolled_window_get_vscrollbar(gebied)));
    EXPECT_LE(rijen.GetVirtualSize().GetWidth(), rijen.GetClientSize().GetWidth());
    EXPECT_EQ(wxJoin(afgesnedenRijen(rijen), '\n'), "");
    rijen.Scroll(0, rijen.GetVirtualSize().GetHeight());
    verwerkGebeurtenissen();
    for (const int id : {D::ID_VLAGPANEEL, D::ID_REKAFTEKENNAAM, D::ID_REKAFTEKENKNOP})
        EXPECT_TRUE(zichtVan(rijen).Contains(dialoog.FindWindow(id)->GetScreenRect())) << id;
    EXPECT_EQ(wxJoin(afgesnedenRijen(rijen), '\n'), "");
    rijen.Scroll(0, 0);

    for (const int sektie :
         {D::ID_REKEIGENSCHAPPENINKLAP, D::ID_REKIMPLEMENTATIEINKLAP, D::ID_REKTESTINKLAP, D::ID_REKKOMMENTAARINKLAP})
        klapOpen(vind<wxCollapsiblePane>(dialoog, sektie));
    verwerkGebeurtenissen();

    const wxRect venster = dialoog.GetScreenRect();
    EXPECT_TRUE(scherm.Contains(venster))
        << venster.x << "," << venster.y << " " << venster.width << "x" << venster.height;
    for (const int id : {static_cast<int>(wxID_OK), static_cast<int>(wxID_CANCEL), static_cast<int>(D::ID_REKSTATUS)})
        EXPECT_TRUE(venster.Contains(dialoog.FindWindow(id)->GetScreenRect())) << id;
    wxArrayString afgesneden;
    zoekAfgesneden(dialoog, afgesneden);
    EXPECT_TRUE(afgesneden.empty()) << wxJoin(afgesneden, '\n');
}

INSTANTIATE_TEST_SUITE_P(Talen, EigenschappenSchermTest, ::testing::ValuesIn(talen), naamVan);
