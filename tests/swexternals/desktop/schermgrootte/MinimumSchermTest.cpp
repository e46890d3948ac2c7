// The program needs a display of at least 800 x 600 pixels. This test runs
// on several virtual displays, each in a test program of its own whose size
// it is built with.
#include "swexternals/desktop/DesktopApp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TijdelijkeApp.h"

#include <gtest/gtest.h>

#if !defined(VT_SCHERM_BREEDTE) || !defined(VT_SCHERM_HOOGTE)
#error "built for one display size: VT_SCHERM_BREEDTE and VT_SCHERM_HOOGTE"
#endif

namespace
{
class ProefApp : public DesktopApp
{
public:
    ProefApp() : DesktopApp("VerelTamso", "vtd") {}
};
} // namespace

TEST(MinimumScherm, TeKleinWeigertDeStartEnPreciesGrootGenoegStart)
{
    ASSERT_EQ(wxGetDisplaySize(), wxSize(VT_SCHERM_BREEDTE, VT_SCHERM_HOOGTE));
    const bool grootGenoeg = VT_SCHERM_BREEDTE >= 800 && VT_SCHERM_HOOGTE >= 600;

    TijdelijkeApp<ProefApp> app;
    logVanger().wis();
    EXPECT_EQ(app->onInitRoutines(wxSize(800, 600), false), grootGenoeg ? 0 : 2);
    const wxString melding = " \"VerelTamso\" requires a minimum screen resolution of 800x600 pixels.\n"
                             "The starting of \"VerelTamso\" is cancelled.";
    EXPECT_EQ(logVanger().bevat(melding, wxLOG_Error), !grootGenoeg) << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), grootGenoeg ? 0u : 1u);
}
