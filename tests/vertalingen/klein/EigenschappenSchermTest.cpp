// The properties dialog on a display of 1024 x 768 in each of the ten
// languages, with every section open: the dialog lies within the display
// with its status, OK and Cancel, the rows scroll, and no label is cut to
// make it fit.
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/vertalingen/LabelMaat.h"
#include "tests/vertalingen/Talen.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <gtest/gtest.h>
#include <wx/collpane.h>
#include <wx/display.h>
#include <wx/image.h>

namespace
{
using D = RekEigenschappenVenster;

class EigenschappenSchermTest : public ::testing::TestWithParam<Taal>
{
};
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
