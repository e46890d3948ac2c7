// On a display too low for the dialog with a section open, the sections
// close, the remarks first, until it fits or none is left open. Whatever the
// user opens then, the rows scroll and the dialog stays on the display with
// its status, OK and Cancel.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include <wx/display.h>

TEST_F(DialoogTest, SektiesSluitenEnDeRijenSchuivenBinnenHetScherm)
{
    Requirement rek = bekendeRequirement();
    rek.status = Requirement::StatusOntwikkeling;
    RekEigenschappenVenster& d = open(rek);
    wxCollapsiblePane* const sekties[] = {&beschrijvingPaneel(d), &implementatiePaneel(d), &testPaneel(d),
                                          &kommentaarPaneel(d)};
    for (const wxCollapsiblePane* sektie : sekties)
        EXPECT_TRUE(sektie->IsCollapsed());

    d.Show();
    ASSERT_TRUE(wachtOp([&] { return d.IsShownOnScreen(); }));
    const wxRect scherm = wxDisplay(&d).GetClientArea();
    for (wxCollapsiblePane* sektie : sekties)
    {
        klapOpen(*sektie);
        verwerkGebeurtenissen();
        const wxRect dialoog = d.GetScreenRect();
        EXPECT_TRUE(scherm.Contains(dialoog)) << sektie->GetLabel() << ": " << dialoog.y << "+" << dialoog.height;
        for (const int id : {static_cast<int>(wxID_OK), static_cast<int>(wxID_CANCEL),
                             static_cast<int>(RekEigenschappenVenster::ID_REKSTATUS)})
            EXPECT_TRUE(dialoog.Contains(d.FindWindow(id)->GetScreenRect())) << sektie->GetLabel() << ", " << id;
    }
    // All four open: the rows (the title's parent) scroll, down to the
    // sign-off.
    auto& rijen = dynamic_cast<wxScrolledWindow&>(*naamTekst(d).GetParent());
    EXPECT_GT(rijen.GetVirtualSize().GetHeight(), rijen.GetClientSize().GetHeight());
    rijen.Scroll(0, rijen.GetVirtualSize().GetHeight());
    verwerkGebeurtenissen();
    EXPECT_TRUE(
        rijen.GetScreenRect().Contains(d.FindWindow(RekEigenschappenVenster::ID_REKAFTEKENKNOP)->GetScreenRect()));
}
