#include "base/StandSchakelaar.h"

#include <gtest/gtest.h>

TEST(StandSchakelaar, NieuweSchakelaarBewaartAlleenUitAanOfOnbekend)
{
    struct Geval
    {
        Stand gegeven;
        Stand verwacht;
    };
    for (Geval geval : {Geval{StandUit, StandUit}, Geval{StandAan, StandAan}, Geval{StandOm, StandOnbekend},
                        Geval{StandOnbekend, StandOnbekend}, Geval{static_cast<Stand>(7), StandOnbekend}})
    {
        StandSchakelaar schakelaar(geval.gegeven);
        EXPECT_EQ(schakelaar.stand(), geval.verwacht) << "built from " << geval.gegeven;
        EXPECT_FALSE(schakelaar.isGeblokkeerd());
    }
    EXPECT_EQ(StandSchakelaar().stand(), StandUit);

    // Value and invert flag: on when exactly one of the two is true.
    EXPECT_EQ(StandSchakelaar(true, true).stand(), StandUit);
    EXPECT_EQ(StandSchakelaar(false, false).stand(), StandUit);
    EXPECT_EQ(StandSchakelaar(true, false).stand(), StandAan);
    EXPECT_EQ(StandSchakelaar(false, true).stand(), StandAan);
}

TEST(StandSchakelaar, ToewijzenVanEenStandVoertOmschakelenUit)
{
    struct Geval
    {
        Stand begin;
        Stand toegewezen;
        Stand verwacht;
    };
    for (Geval geval : {Geval{StandOnbekend, StandOm, StandUit}, Geval{StandAan, StandOm, StandUit},
                        Geval{StandUit, StandOm, StandAan}, Geval{StandAan, static_cast<Stand>(4), StandUit},
                        Geval{StandUit, StandOnbekend, StandOnbekend}, Geval{StandUit, StandAan, StandAan}})
    {
        StandSchakelaar schakelaar(geval.begin);
        schakelaar = geval.toegewezen;
        EXPECT_EQ(schakelaar.stand(), geval.verwacht) << geval.begin << " assigned " << geval.toegewezen;
    }

    StandSchakelaar onbekend(StandOnbekend);
    EXPECT_EQ(onbekend.om(), StandUit);
    onbekend = StandOnbekend;
    onbekend.zetOmgekeerd(StandOnbekend);
    EXPECT_EQ(onbekend.stand(), StandAan);
    EXPECT_FALSE(onbekend.omb());
    EXPECT_TRUE(onbekend.omb());
}

TEST(StandSchakelaar, GeblokkeerdeSchakelaarHoudtZijnStand)
{
    StandSchakelaar schakelaar(StandAan);
    schakelaar.blokkeer(true);

    schakelaar = false;
    schakelaar = StandUit;
    schakelaar = StandOm;
    EXPECT_EQ(schakelaar.om(), StandAan);
    EXPECT_TRUE(schakelaar.omb());
    schakelaar.uit();
    EXPECT_EQ(schakelaar.stand(), StandAan);

    // Only the inverse setter and releasing still act.
    schakelaar.zetOmgekeerd(StandAan);
    EXPECT_EQ(schakelaar.stand(), StandUit);
    EXPECT_FALSE(schakelaar.omb());
    schakelaar.aan();
    EXPECT_EQ(schakelaar.stand(), StandUit);

    schakelaar.blokkeer(false);
    schakelaar.aan();
    EXPECT_EQ(schakelaar.stand(), StandAan);
}

TEST(StandSchakelaar, OnbekendeSchakelaarTeltAlsUit)
{
    StandSchakelaar onbekend(StandOnbekend);
    EXPECT_FALSE(onbekend.boolean());
    EXPECT_TRUE(onbekend.omgekeerd());
    EXPECT_TRUE(onbekend == false);
    EXPECT_TRUE(false == onbekend);
    EXPECT_TRUE(onbekend != true);
    EXPECT_TRUE(true != onbekend);
    EXPECT_TRUE(onbekend == StandOnbekend);
    EXPECT_FALSE(onbekend == StandUit);
    EXPECT_TRUE(onbekend != StandOm);
    EXPECT_EQ(onbekend.string(), "switch unknown");

    const char* verwacht[] = {"switched off", "switched on", "switch toggle", "switch unknown"};
    for (Stand stand : {StandUit, StandAan, StandOnbekend})
        EXPECT_EQ(StandSchakelaar(stand).string(), verwacht[stand]);
    EXPECT_STREQ(StandSchakelaar::korteStrings[StandOm], "toggle");

    // Blocking does not take part in comparisons.
    StandSchakelaar geblokkeerd(StandAan);
    geblokkeerd.blokkeer(true);
    EXPECT_TRUE(geblokkeerd == StandSchakelaar(StandAan));
    EXPECT_TRUE(geblokkeerd != StandSchakelaar(StandUit));
}
