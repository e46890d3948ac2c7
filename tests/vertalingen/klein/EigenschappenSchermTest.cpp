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
#include <memory>
#include <wx/collpane.h>
#include <wx/display.h>
#include <wx/image.h>

namespace
{
using D = RekEigenschappenVenster;

class EigenschappenSchermTest : public ::testing::TestWithParam<Taal>
{
protected:
    std::unique_ptr<VApp> app;
    std::unique_ptr<D> dialoog;

    void TearDown() override
    {
        dialoog.reset();
        app.reset();
    }

    // The dialog of a tested requirement in the language, shown as it lays
    // itself out on the display.
    D& open()
    {
        static const bool beeldLezers = []
        {
            wxInitAllImageHandlers();
            return true;
        }();
        (void)beeldLezers;
        kiesTaal(GetParam().taal);
        app = std::make_unique<VApp>();
        EXPECT_EQ((*app)->geefTaal(), GetParam().taal);
        EXPECT_EQ((*app)->openProject(testPad("scherm.vtd")), 0);
        Requirement rek;
        rek.SR = 10;
        rek.naam = "Open and close the roof vents of every zone";
        rek.totaleKosten = 1200;
        rek.status = Requirement::StatusGetest;
        dialoog = std::make_unique<D>(nullptr, rek, &**app);
        EXPECT_EQ(wxDisplay(dialoog.get()).GetClientArea().GetSize(), wxSize(1024, 768));
        dialoog->Show();
        EXPECT_TRUE(wachtOp([this] { return dialoog->IsShownOnScreen(); }));
        return *dialoog;
    }
};

// The rows' area: the title's parent.
wxScrolledWindow& rijenVan(D& dialoog)
{
    return dynamic_cast<wxScrolledWindow&>(*vind<wxTextCtrl>(dialoog, D::ID_REKTITEL).GetParent());
}

wxRect zichtVan(wxScrolledWindow& rijen)
{
    return {rijen.ClientToScreen(wxPoint()), rijen.GetClientSize()};
}

// Each window of the rows that shows in the area but reaches below it,
// where the bottom row begins.
wxArrayString afgesnedenRijen(wxScrolledWindow& rijen)
{
    const wxRect zicht = zichtVan(rijen);
    wxArrayString afgesneden;
    for (const wxWindow* kind : rijen.GetChildren())
    {
        const wxRect plek = kind->GetScreenRect();
        if (kind->IsShown() && plek.GetTop() <= zicht.GetBottom() && plek.GetBottom() > zicht.GetBottom())
            afgesneden.Add(wxString::Format("%s \"%s\" %d to %d, the rows end at %d",
                                            kind->GetClassInfo()->GetClassName(), kind->GetLabel(), plek.GetTop(),
                                            plek.GetBottom(), zicht.GetBottom()));
    }
    return afgesneden;
}
} // namespace

// The rows do not fit: they scroll with a bar that stays in view beside
// them, not one that GTK shows only while the pointer rests on the edge,
// and the rows keep their width. The first view ends between two rows, so
// that none lies half under the bottom row; scrolled to the end, the
// sign-off row is wholly in view.
TEST_P(EigenschappenSchermTest, DeRijenSchuivenMetEenZichtbareBalk)
{
    D& d = open();
    wxScrolledWindow& rijen = rijenVan(d);
    ASSERT_GT(rijen.GetVirtualSize().GetHeight(), rijen.GetClientSize().GetHeight());
    auto* gebied = GTK_SCROLLED_WINDOW(rijen.GetHandle());
    ASSERT_TRUE(GTK_IS_SCROLLED_WINDOW(gebied));
    EXPECT_FALSE(gtk_scrolled_window_get_overlay_scrolling(gebied));
    EXPECT_TRUE(gtk_widget_get_mapped(gtk_scrolled_window_get_vscrollbar(gebied)));
    EXPECT_LE(rijen.GetVirtualSize().GetWidth(), rijen.GetClientSize().GetWidth());
    wxArrayString afgesneden = afgesnedenRijen(rijen);
    EXPECT_TRUE(afgesneden.empty()) << wxJoin(afgesneden, '\n');

    rijen.Scroll(0, rijen.GetVirtualSize().GetHeight());
    verwerkGebeurtenissen();
    for (const int id : {D::ID_VLAGPANEEL, D::ID_REKAFTEKENNAAM, D::ID_REKAFTEKENKNOP})
        EXPECT_TRUE(zichtVan(rijen).Contains(d.FindWindow(id)->GetScreenRect())) << id;
    afgesneden = afgesnedenRijen(rijen);
    EXPECT_TRUE(afgesneden.empty()) << wxJoin(afgesneden, '\n');
}

TEST_P(EigenschappenSchermTest, PastMetAlleSektiesOpen)
{
    D& dialoog = open();
    const wxRect scherm = wxDisplay(&dialoog).GetClientArea();
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
