#include "swexternals/desktop/DesktopAppBeschrijving.h"
#include "swexternals/desktop/DesktopVersieNummer.h"

#include <gtest/gtest.h>

TEST(DesktopVersie, LeestEnPrintEenVersieTekst)
{
    struct Geval
    {
        const char* tekst;
        const char* geprint;
    };
    for (const Geval& geval : {
             Geval{"1.4.0", "1.4.0.a"},
             Geval{"2", "2.0.0.a"},
             Geval{"", "0.0.0.a"},
             Geval{"1.300.0.a", "1.44.0.a"},
             Geval{"1..7.c", "1.0.7.c"},
             Geval{"3.1.2.rc1.9", "3.1.2.r"},
             Geval{"1.4x.0.a", "1.4.0.a"},
             Geval{"v1.4.0", "0.4.0.a"},
             Geval{"1.99999999999999999999999.0", "1.255.0.a"},
         })
        EXPECT_EQ(DesktopVersieNummer(geval.tekst).geefVersieString(), geval.geprint) << geval.tekst;

    // This program's own version, and one taken over from the base library's form.
    EXPECT_EQ(DesktopVersieNummer().geefVersieString(), "1.4.0.a");
    EXPECT_EQ(DesktopVersieNummer(TrivaneVersieNummer(2, 7, 1, 'c')).geefVersieString(), "2.7.1.c");
    EXPECT_TRUE(DesktopVersieNummer("1.4.1").geefTrivaneVersieNummer() >
                DesktopVersieNummer().geefTrivaneVersieNummer());
}

TEST(DesktopAppBeschrijving, BewaartNaamVersieEnBeschrijvingBinnenHunVelden)
{
    const DesktopAppBeschrijving dezeApp;
    EXPECT_EQ(dezeApp.geefNaam(), "VerelTamso");
    EXPECT_EQ(dezeApp.geefVersieNummer().geefVersieString(), "1.4.0.a");
    // Exactly as long as its field: stored whole.
    EXPECT_EQ(dezeApp.geefBeschrijving().length(), 99u);
    EXPECT_TRUE(dezeApp.geefBeschrijving().StartsWith("Verel Tamso is the dull but indispensable partner"));

    const DesktopAppBeschrijving lang("ABCDEFGHIJKLMNOPQRSTUVWXY", "2.1.3.c", wxString::FromUTF8("Straße → 10 €"));
    EXPECT_EQ(lang.geefNaam(), "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(lang.geefVersieNummer().geefVersieString(), "2.1.3.c");
    EXPECT_EQ(lang.geefBeschrijving(), "Stra_e _ 10 _");
    const DesktopAppBeschrijving leeg("", DesktopVersieNummer(""), "");
    EXPECT_TRUE(leeg.geefNaam().empty() && leeg.geefBeschrijving().empty());
}
