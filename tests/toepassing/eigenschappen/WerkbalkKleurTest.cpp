// The tool bar shows the state of the project in the list's background: a
// writable project, safe operation, a read-only project. Read back from the
// screen, as a theme paints over a colour that a bar was merely given.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
// The share of the bar's pixels on the screen that show the colour, read
// from the X server as a screenshot reads them.
double aandeelInKleur(wxWindow& balk, const wxColour& kleur)
{
    const wxRect plaats = balk.GetScreenRect();
    Display* scherm = XOpenDisplay(nullptr);
    if (!scherm)
        return 0;
    XImage* beeld =
        XGetImage(scherm, DefaultRootWindow(scherm), plaats.x, plaats.y, static_cast<unsigned int>(plaats.width),
                  static_cast<unsigned int>(plaats.height), AllPlanes, ZPixmap);
    long inKleur = 0;
    const unsigned long gezocht =
        static_cast<unsigned long>(kleur.Red()) << 16 | static_cast<unsigned long>(kleur.Green()) << 8 | kleur.Blue();
    for (int y = 0; beeld && y < plaats.height; ++y)
        for (int x = 0; x < plaats.width; ++x)
            if ((XGetPixel(beeld, x, y) & 0xFFFFFF) == gezocht)
                ++inKleur;
    if (beeld)
        XDestroyImage(beeld);
    XCloseDisplay(scherm);
    return static_cast<double>(inKleur) / (plaats.width * plaats.height);
}
} // namespace

TEST_F(DialoogTest, DeWerkbalkToontDeToestandVanHetProject)
{
    const auto toont = [this](const wxColour& kleur)
    {
        RekEigenschappenVenster& d = open(bekendeRequirement());
        d.Show();
        EXPECT_EQ(werkBalk(d).GetBackgroundColour(), kleur);
        // Between and around the tools, most of the bar.
        return wachtOp([&] { return aandeelInKleur(werkBalk(d), kleur) > 0.4; });
    };
    EXPECT_TRUE(toont(VerelTamsoApp::lichtgeel));
    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    EXPECT_TRUE(toont(VerelTamsoApp::groen));
    ASSERT_EQ(app->schakelSafePoint(StandUit), 0);
    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_TRUE(toont(VerelTamsoApp::veiligRoze));
}
