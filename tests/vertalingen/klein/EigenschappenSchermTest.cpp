// The properties dialog in each of the ten languages on a display too low
// for its rows (1024 x 768) and on two with room for them. As it opens, on
// the low one its rows scroll with a bar in view, take the display's height
// but for a heading the bottom row would cut, and none is cut; on the others
// no bar stands beside them. With every section open, the dialog lies within
// the display with its status, OK and Cancel, the rows scroll, and no label
// is cut to make it fit.
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/vertalingen/LabelMaat.h"
#include "tests/vertalingen/Talen.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/collpane.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/stattext.h>

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

// The labels of the rows that show in their area but reach below it, into
// the bottom row.
wxArrayString afgesnedenRijen(wxScrolledWindow& rijen)
{
    const wxRect zicht = zichtVan(rijen);
    wxArrayString afgesneden;
    for (const wxWindow* kind : rijen.GetChildren())
        if (const wxRect plek = kind->GetScreenRect(); kind->IsShown() && dynamic_cast<const wxStaticText*>(kind) &&
                                                       plek.GetTop() <= zicht.GetBottom() &&
                                                       plek.GetBottom() > zicht.GetBottom())
            afgesneden.Add(wxString::Format("%s \"%s\" ends at %d, the rows at %d",
                                            kind->GetClassInfo()->GetClassName(), kind->GetLabel(), plek.GetBottom(),
                                            zicht.GetBottom()));
    return afgesneden;
}

// How far below the rows' area the next label of the rows ends.
int volgendeKop(wxScrolledWindow& rijen)
{
    const int zicht = zichtVan(rijen).GetBottom();
    int kop = INT_MAX;
    for (const wxWindow* kind : rijen.GetChildren())
        if (kind->IsShown() && dynamic_cast<const wxStaticText*>(kind) && kind->GetScreenRect().GetTop() > zicht)
            kop = std::min(kop, kind->GetScreenRect().GetBottom() - zicht);
    return kop;
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
    dialoog.Show();
    ASSERT_TRUE(wachtOp([&] { return dialoog.IsShownOnScreen(); }));

    auto& rijen = dynamic_cast<wxScrolledWindow&>(*vind<wxTextCtrl>(dialoog, D::ID_REKTITEL).GetParent());
    auto* gebied = GTK_SCROLLED_WINDOW(rijen.GetHandle());
    ASSERT_TRUE(GTK_IS_SCROLLED_WINDOW(gebied));
    const auto balk = [&] { return gtk_widget_get_mapped(gtk_scrolled_window_get_vscrollbar(gebied)) != FALSE; };
    if (scherm.GetHeight() > 768)
    {
        // GTK takes the bar away as it lays the rows out anew.
        EXPECT_TRUE(wachtOp([&] { return !balk(); }));
        EXPECT_LE(rijen.GetVirtualSize().GetHeight(), rijen.GetClientSize().GetHeight());
    }
    else
    {
        // The rows scroll with a bar that stays in view, not GTK's overlay,
        // and keep their width. The room the dialog leaves on the display
        // would not show the next heading whole; scrolled to the end, the
        // sign-off row is in view.
        ASSERT_GT(rijen.GetVirtualSize().GetHeight(), rijen.GetClientSize().GetHeight());
        EXPECT_FALSE(gtk_scrolled_window_get_overlay_scrolling(gebied));
        EXPECT_TRUE(balk());
        EXPECT_LE(rijen.GetVirtualSize().GetWidth(), rijen.GetClientSize().GetWidth());
        EXPECT_EQ(wxJoin(afgesnedenRijen(rijen), '\n'), "");
        EXPECT_GT(volgendeKop(rijen), scherm.GetHeight() - dialoog.GetSize().GetHeight());
        rijen.Scroll(0, rijen.GetVirtualSize().GetHeight());
        verwerkGebeurtenissen();
        for (const int id : {D::ID_VLAGPANEEL, D::ID_REKAFTEKENNAAM, D::ID_REKAFTEKENKNOP})
            EXPECT_TRUE(zichtVan(rijen).Contains(dialoog.FindWindow(id)->GetScreenRect())) << id;
        EXPECT_EQ(wxJoin(afgesnedenRijen(rijen), '\n'), "");
        rijen.Scroll(0, 0);
    }

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
