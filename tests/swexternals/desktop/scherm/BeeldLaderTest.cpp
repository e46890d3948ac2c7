// The one reader of the pictures compiled into the program.
#include "swexternals/desktop/DesktopBeeldLader.h"

#include <gtest/gtest.h>

TEST(BeeldLader, LeestDePlaatjesVanHetProgrammaOnderHunNamen)
{
    struct Geval
    {
        wxString naam;
        wxSize maat;
    };
    const Geval gevallen[] = {
        {"vlaggen/nl.png", wxSize(24, 24)},
        {"afbeeldingen/VerelTamso_klein.jpeg", wxSize(64, 64)},
        {DesktopBeeldLader::ikoon(48, "home.png"), wxSize(48, 48)},
        {DesktopBeeldLader::ikoon("32x32/nieuw.png"), wxSize(32, 32)},
    };
    for (const Geval& geval : gevallen)
    {
        EXPECT_EQ(DesktopBeeldLader::leesBeeld(geval.naam).GetSize(), geval.maat) << geval.naam;
        EXPECT_EQ(DesktopBeeldLader::leesBitmap(geval.naam).GetSize(), geval.maat) << geval.naam;
        EXPECT_TRUE(DesktopBeeldLader::leesIcoon(geval.naam).IsOk()) << geval.naam;
    }
    EXPECT_EQ(DesktopBeeldLader::ikoon(48, "home.png"), "../../../grafisch/ikonen/48x48/home.png");
    // A name the program has no picture of.
    EXPECT_FALSE(DesktopBeeldLader::leesBeeld("vlaggen/atlantis.png").IsOk());
    EXPECT_FALSE(DesktopBeeldLader::leesBitmap("vlaggen/atlantis.png").IsOk());
    EXPECT_FALSE(DesktopBeeldLader::leesIcoon("").IsOk());
}
