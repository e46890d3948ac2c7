#include "base/TrivaneAppBeschrijving.h"

#include <gtest/gtest.h>
#include <string>

TEST(AppBeschrijving, TekstenWordenOpDeVeldlengteAfgekapt)
{
    const std::string naam25 = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    const std::string beschrijving99(99, 'd');
    const TrivaneAppBeschrijving beschrijving(TrivaneString(naam25.c_str()), TrivaneVersieNummer(1, 4, 0, 'a'),
                                              TrivaneString(beschrijving99.c_str()));
    EXPECT_EQ(std::string(beschrijving.naam), naam25.substr(0, 19));
    EXPECT_EQ(beschrijving.naam[19], '\0');
    EXPECT_EQ(std::string(beschrijving.beschrijving), beschrijving99);
    EXPECT_TRUE(beschrijving.versie == TrivaneVersieNummer(1, 4, 0));
    EXPECT_EQ(beschrijving.versie.build, 'a');

    const std::string beschrijving150(150, 'e');
    const TrivaneAppBeschrijving lang(TrivaneString("Kort"), TrivaneVersieNummer(),
                                      TrivaneString(beschrijving150.c_str()));
    EXPECT_EQ(std::string(lang.naam), "Kort");
    EXPECT_EQ(std::string(lang.beschrijving), beschrijving150.substr(0, 99));
}

TEST(AppBeschrijving, EenViewZonderAfsluiterWordtNietVoorbijZijnEindeGelezen)
{
    const char tekst[] = "VerelTamso and more";
    const TrivaneString naam(tekst, 5, '\0', false);
    const TrivaneAppBeschrijving beschrijving(naam, TrivaneVersieNummer(), TrivaneString(""));
    EXPECT_EQ(std::string(beschrijving.naam), "Verel");
    EXPECT_EQ(std::string(beschrijving.beschrijving), "");
}
