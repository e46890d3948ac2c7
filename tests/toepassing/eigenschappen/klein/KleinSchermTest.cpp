// On a display too low for the dialog with a section open, the sections
// close, the remarks first, until it fits or none is left open.
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include <wx/display.h>

TEST_F(DialoogTest, SektiesSluitenTotHetVensterPast)
{
    Requirement rek = bekendeRequirement();
    rek.status = Requirement::StatusOntwikkeling;
    TestDialoog& d = open(rek);
    for (const wxCollapsiblePane* sektie :
         {d.beschrijvingPaneel, d.implementatiePaneel, d.testPaneel, d.kommentaarPaneel})
        EXPECT_TRUE(sektie->IsCollapsed());
    // Opened by the user, a section may make it taller than the display.
    d.beschrijvingPaneel->Collapse(false);
    EXPECT_TRUE(d.beschrijvingPaneel->IsExpanded());
}
