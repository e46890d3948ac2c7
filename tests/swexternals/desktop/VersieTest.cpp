#include "swexternals/desktop/DesktopAppBeschrijving.h"
#include "swexternals/desktop/DesktopVersieNummer.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

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

// A letter above 127 keeps its 8-bit form both ways, in whatever locale
// the program runs; one beyond Latin-1 has none.
TEST(DesktopVersie, EenLetterBoven127BlijftZichzelf)
{
    const std::string vorige = std::setlocale(LC_ALL, nullptr);
    for (const char* taal : {"C", "C.UTF-8"})
    {
        ASSERT_NE(std::setlocale(LC_ALL, taal), nullptr) << taal;
        const DesktopVersieNummer e(wxString::FromUTF8("1.4.0.\xC3\xA9"));
        EXPECT_EQ(static_cast<unsigned char>(e.letter), 0xE9u) << taal;
        EXPECT_EQ(e.geefVersieString(), wxString::FromUTF8("1.4.0.\xC3\xA9")) << taal;
        EXPECT_EQ(DesktopVersieNummer(TrivaneVersieNummer(2, 0, 1, 0xDF)).geefVersieString(),
                  wxString::FromUTF8("2.0.1.\xC3\x9F"))
            << taal;
        EXPECT_EQ(DesktopVersieNummer(wxString::FromUTF8("1.4.0.\xE2\x82\xAC")).geefVersieString(), "1.4.0.?") << taal;
    }
    std::setlocale(LC_ALL, vorige.c_str());
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
