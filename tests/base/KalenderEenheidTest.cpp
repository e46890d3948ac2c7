#include "base/TrivaneDag.h"
#include "base/TrivaneJaar.h"
#include "base/TrivaneMaand.h"
#include "base/TrivaneWeekdag.h"
#include "tests/base/TekstHulp.h"

#include <gtest/gtest.h>

TEST(TrivaneJaar, TweeCijfersHorenBijDezeEeuwEnTeGroteJarenSlaanOm)
{
    EXPECT_EQ(TrivaneJaar(24, true).waarde(), 2024);
    EXPECT_EQ(TrivaneJaar(24, false).waarde(), 24);
    EXPECT_EQ(TrivaneJaar(-5, true).waarde(), 1995);
    EXPECT_EQ(TrivaneJaar(100, true).waarde(), 100);

    TrivaneJaar tienDuizend(10005);
    EXPECT_EQ(tienDuizend.waarde(), 6);
    EXPECT_TRUE(tienDuizend.overGrens());
    EXPECT_EQ(TrivaneJaar(-10005).waarde(), -6);
    EXPECT_EQ(TrivaneJaar(25000).waarde(), 5002) << "wraps as often as needed";
    EXPECT_EQ(TrivaneJaar(9999).waarde(), 9999);
}

TEST(TrivaneJaar, SchrikkeljarenVolgenDeGregoriaanseRegelOokVoorJaarEen)
{
    struct Geval
    {
        int jaar;
        bool schrikkel;
    };
    for (Geval geval : {Geval{1900, false}, Geval{2000, true}, Geval{2024, true}, Geval{2023, false}, Geval{0, true},
                        Geval{-400, true}, Geval{-100, false}, Geval{-4, true}, Geval{-1, false}})
    {
        const TrivaneJaar jaar(geval.jaar);
        EXPECT_EQ(jaar.schrikkel(), geval.schrikkel) << geval.jaar;
        EXPECT_EQ(jaar.aantalDagen(), geval.schrikkel ? 366 : 365) << geval.jaar;
        EXPECT_EQ(TrivaneJaar::lengte(jaar), jaar.aantalDagen());
    }

    struct Eeuw
    {
        int jaar;
        int verwacht;
    };
    for (Eeuw geval : {Eeuw{2024, 24}, Eeuw{2000, 0}, Eeuw{199, 99}, Eeuw{50, 50}, Eeuw{-5, 95}, Eeuw{-100, 0}})
        EXPECT_EQ(TrivaneJaar(geval.jaar).geefEeuwJaartal(), geval.verwacht) << geval.jaar;
}

TEST(TrivaneMaand, NamenEnLengtesVanDeMaanden)
{
    const char* const namen[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int maand = 1; maand <= 12; ++maand)
        EXPECT_EQ(tekstVan(TrivaneMaand(maand).geefNaam()), namen[maand - 1]);

    TrivaneMaand dertien(13);
    EXPECT_EQ(dertien.waarde(), 12);
    EXPECT_EQ(dertien.geefID(), MaandDecember);
    EXPECT_EQ(tekstVan(dertien.geefNaam()), "Dec");
    EXPECT_TRUE(dertien.overGrens());
    dertien = MaandMaart;
    EXPECT_EQ(dertien.geefID(), MaandMaart);

    const TrivaneMaand februari(MaandFebruari);
    EXPECT_EQ(februari.lengte(TrivaneJaar(2024)), 29);
    EXPECT_EQ(februari.lengte(TrivaneJaar(2023)), 28);
    EXPECT_EQ(februari.lengte(TrivaneJaar(1900)), 28);
    EXPECT_EQ(TrivaneMaand(MaandApril).lengte(TrivaneJaar(2024)), 30);
}

TEST(TrivaneDag, EenDagBlijftBinnenZijnMaand)
{
    TrivaneDag april(31, TrivaneMaand(MaandApril), TrivaneJaar(2024));
    EXPECT_EQ(april.waarde(), 30);
    EXPECT_TRUE(april.overGrens());
    EXPECT_EQ(TrivaneDag(0).waarde(), 1);
    EXPECT_EQ(TrivaneDag(31).waarde(), 31);

    // Narrowing the range to a shorter month brings a late day along.
    TrivaneDag laat(31);
    laat.zetGrenzen(TrivaneMaand(MaandFebruari), TrivaneJaar(2023));
    EXPECT_EQ(laat.waarde(), 28);
    EXPECT_EQ(laat.geefMaximum(), 28);
    EXPECT_TRUE(laat.overGrens());
    laat.zetGrenzen(TrivaneMaand(MaandMaart), TrivaneJaar(2023));
    EXPECT_EQ(laat.waarde(), 28);
    EXPECT_FALSE(laat.overGrens());
}

TEST(TrivaneWeekdag, AlleZevenDagenHebbenEenNaam)
{
    const char* const namen[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int dag = TrivaneWeekdag::Zondag; dag <= TrivaneWeekdag::Zaterdag; ++dag)
    {
        const TrivaneWeekdag weekdag(dag);
        EXPECT_EQ(tekstVan(weekdag.geefNaam()), namen[dag - 1]);
        EXPECT_EQ(weekdag.geefWeekDag(), dag);
    }
    TrivaneWeekdag acht(8);
    EXPECT_EQ(acht.geefWeekDag(), TrivaneWeekdag::Zaterdag);
    acht = TrivaneWeekdag::Dinsdag;
    EXPECT_EQ(tekstVan(acht.geefNaam()), "Tue");
}
