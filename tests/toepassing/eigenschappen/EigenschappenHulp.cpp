#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "tests/ondersteuning/GuiHulp.h"

#include <wx/ffile.h>

void DialoogTest::SetUp()
{
    // As the program's start-up does.
    DesktopBeeldLader::zorgVoorHandlers();
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

wxString leesBestand(const wxString& pad)
{
    wxString inhoud;
    wxFFile bestand(pad);
    if (!bestand.IsOpened() || !bestand.ReadAll(&inhoud))
        return "(unreadable)";
    return inhoud;
}
