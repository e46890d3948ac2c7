#include "base/TrivaneVersieNummer.h"

#include <gtest/gtest.h>

TEST(VersieNummer, VergelijktZonderDeBuild)
{
    using V = TrivaneVersieNummer;
    EXPECT_TRUE(V(1, 4, 0, 1) == V(1, 4, 0, 2));
    EXPECT_FALSE(V(1, 4, 0, 1) < V(1, 4, 0, 2));
    EXPECT_TRUE(V(1, 4, 1) > V(1, 4, 0));
    EXPECT_TRUE(V(2, 0, 0) > V(1, 99, 99));
    EXPECT_TRUE(V(1, 4, 0) >= V(1, 4, 0, 9));
    EXPECT_TRUE(V(1, 4, 0) <= V(1, 4, 0, 9));
    EXPECT_FALSE(V(1, 4, 0) == V(1, 4, 1));
    EXPECT_TRUE(V(1, 4, 0) < V(1, 5, 0));
}

TEST(VersieNummer, DeVergelijkingsWaardeEnHaarGrenzen)
{
    using V = TrivaneVersieNummer;
    EXPECT_EQ(V(1, 4, 0).berekenVergFaktor(), 100040000u);
    EXPECT_EQ(V(1, 4, 0, 200).berekenVergFaktor(), 100040000u);
    // A patch of 100 or more runs into the minor.
    EXPECT_TRUE(V(0, 0, 100) == V(0, 1, 0));
    // Majors up to 42 compare in order; from 43 on the number wraps.
    EXPECT_TRUE(V(42, 0, 0) > V(41, 255, 255));
    EXPECT_TRUE(V(43, 0, 0) < V(42, 0, 0));
}

TEST(VersieNummer, GeeftElkDeelBijZijnIndex)
{
    using V = TrivaneVersieNummer;
    const V versie(1, 2, 3, 'b');
    EXPECT_EQ(versie.geef(V::Veld::major), 1);
    EXPECT_EQ(versie.geef(V::Veld::minor), 2);
    EXPECT_EQ(versie.geef(V::Veld::patch), 3);
    EXPECT_EQ(versie.geef(V::Veld::build), 'b');
    EXPECT_EQ(versie.geef(static_cast<V::Veld>(4)), 0);
}
