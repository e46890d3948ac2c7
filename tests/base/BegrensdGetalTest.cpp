#include "base/BegrensdBereik.h"
#include "base/BegrensdGetal.h"

#include <gtest/gtest.h>

TEST(BegrensdGetal, ToewijzingBlijftBinnenHetBereik)
{
    struct Geval
    {
        int toegewezen;
        int verwacht;
    };
    BegrensdGetal<int> getal{0, 10, 1};
    for (Geval geval : {Geval{5, 5}, Geval{0, 0}, Geval{10, 10}, Geval{-1, 0}, Geval{11, 10}, Geval{-2147483647 - 1, 0}})
    {
        getal = geval.toegewezen;
        EXPECT_EQ(getal.waarde, geval.verwacht) << "assigned " << geval.toegewezen;
    }

    BegrensdGetal<float> fractie{0.0f, 5.0f, 0.0f};
    fractie = 7.5f;
    EXPECT_FLOAT_EQ(fractie.waarde, 5.0f);

    // Unsigned column numbers: a wrapped "-1" is a huge value and ends at the top.
    BegrensdGetal<unsigned int> kolom{0u, 10u, 1u};
    kolom = static_cast<unsigned int>(-1);
    EXPECT_EQ(kolom.waarde, 10u);
}

TEST(BegrensdBereik, BewaartOokEenOmgekeerdBereik)
{
    BegrensdBereik<unsigned int> bereik{9u, 3u};
    EXPECT_EQ(bereik.min, 9u);
    EXPECT_EQ(bereik.max, 3u);
}
