#include "base/Afteller.h"
#include "base/BlijfTijdAktiefAfteller.h"
#include "base/FloatGetalAfronder.h"
#include "base/HeenEnWeerTeller.h"
#include "base/MeetTeller.h"
#include "base/WaarschuwingAfteller.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace
{
constexpr unsigned int maxU32 = std::numeric_limits<unsigned int>::max();

std::vector<bool> stappen(Afteller& teller, int aantal)
{
    std::vector<bool> uit;
    for (int i = 0; i < aantal; ++i)
        uit.push_back(teller.telAf());
    return uit;
}
} // namespace

TEST(FloatGetalAfronder, RondtAfOpVasteBreuken)
{
    FloatGetalAfronder kwart(4);
    EXPECT_EQ(kwart.geefFrakties(), 4u);
    EXPECT_FLOAT_EQ(kwart(2.6f), 2.5f);
    EXPECT_FLOAT_EQ(kwart.afronder(-0.1f), -0.25f);
    EXPECT_FLOAT_EQ(kwart(3.0f), 3.0f);

    // Zero fractions are refused: the step stays.
    EXPECT_FALSE(kwart.zetFrakties(0));
    EXPECT_EQ(kwart.geefFrakties(), 4u);
    FloatGetalAfronder nul(0);
    EXPECT_EQ(nul.geefFrakties(), 1u);
    EXPECT_FALSE(std::isnan(nul(2.7f)));
    EXPECT_FLOAT_EQ(nul(2.7f), 2.0f);
    // A step that a float cannot hold exactly still reads back as set.
    for (unsigned long long frakties : {3ULL, 10ULL, 100ULL, 1000ULL})
    {
        EXPECT_TRUE(nul.zetFrakties(frakties));
        EXPECT_EQ(nul.geefFrakties(), frakties);
    }

    EXPECT_FLOAT_EQ(FloatGetalAfronder::rondFunktie(-2.5f), -3.0f);
}

TEST(MeetTeller, LooptRondEnTeltDeRondes)
{
    MeetTeller teller(3);
    std::vector<unsigned int> tellingen;
    for (int i = 0; i < 5; ++i)
        tellingen.push_back(teller.tel());
    EXPECT_EQ(tellingen, (std::vector<unsigned int>{1, 2, 3, 0, 1}));
    EXPECT_EQ(teller.geefRondGeweest(), 1u);
    teller.reset(true);
    EXPECT_EQ(teller.geefRondGeweest(), 0u);

    MeetTeller nul(0);
    for (unsigned int ronde = 1; ronde <= 3; ++ronde)
    {
        EXPECT_EQ(nul.tel(), 0u);
        EXPECT_EQ(nul.geefRondGeweest(), ronde);
    }
}

TEST(Afteller, GaatAfOpDeBodemEnLaadtDaarnaOpnieuw)
{
    Afteller drie(3, Afteller::Eenmalig, Afteller::MeldEenmaal);
    EXPECT_FALSE(drie.isGebruikt());
    EXPECT_EQ(stappen(drie, 2), (std::vector<bool>{false, true}));
    EXPECT_EQ(drie.geefStand(), 0u);
    EXPECT_TRUE(drie.isAfgegaan());
    EXPECT_TRUE(drie.isGebruikt());
    EXPECT_FALSE(drie.telAf());
    EXPECT_EQ(drie.geefStand(), 2u);
    EXPECT_FALSE(drie.isAfgegaan());
    EXPECT_EQ(stappen(drie, 2), (std::vector<bool>{false, true}));

    // Paused: nothing moves.
    drie.zetPauze(true);
    EXPECT_FALSE(drie.isAktief());
    unsigned int stand = 99;
    EXPECT_FALSE(drie.telAf(stand, true));
    EXPECT_EQ(stand, 0u);
    EXPECT_TRUE(drie.isAfgegaan());
    drie.zetAktief(true);
    EXPECT_FALSE(drie.telAf(stand, false));
    EXPECT_EQ(stand, 0u);
    EXPECT_EQ(drie.geefStand(), 2u);

    // Zero ticks behave as one: it goes off on every step instead of
    // counting down four thousand million.
    Afteller nul(0, Afteller::Eenmalig, Afteller::MeldEenmaal);
    EXPECT_EQ(nul.geefGrens(), 0u);
    EXPECT_EQ(stappen(nul, 3), (std::vector<bool>{true, true, true}));
    Afteller met(7, Afteller::Eenmalig, Afteller::MeldEenmaal, 5);
    met.reset(0u);
    EXPECT_EQ(met.geefGrens(), 6u);
    met.reset(4u);
    EXPECT_EQ(met.geefGrens(), 8u);
    EXPECT_EQ(met.geefStand(), 8u);
    Afteller hoog(maxU32, Afteller::Eenmalig, Afteller::MeldEenmaal, maxU32);
    hoog.reset(10u);
    EXPECT_EQ(hoog.geefGrens(), maxU32);
}

TEST(Afteller, HerhalingMeldtEenmaalOfElkeKeer)
{
    Afteller eenmaal(3, Afteller::Herhalen, Afteller::MeldEenmaal);
    EXPECT_EQ(stappen(eenmaal, 5), (std::vector<bool>{false, true, false, false, false}));
    EXPECT_TRUE(eenmaal.isEerderAfgegaan());
    EXPECT_EQ(eenmaal.geefStand(), 1u);

    Afteller elkeKeer(3, Afteller::Herhalen, Afteller::MeldElkeKeer);
    EXPECT_EQ(stappen(elkeKeer, 5), (std::vector<bool>{false, true, true, true, true}));

    elkeKeer.zetHerhaling(false);
    elkeKeer.reset();
    EXPECT_FALSE(elkeKeer.isEerderAfgegaan());
    EXPECT_EQ(stappen(elkeKeer, 3), (std::vector<bool>{false, true, false}));

    // Counting back up from the bottom reloads at the limit.
    Afteller terug(2, false, false, 0);
    terug.zetStand(1);
    EXPECT_FALSE(terug.telTerug());
    EXPECT_EQ(terug.geefStand(), 2u);
}

TEST(Afteller, StandenBlijvenBinnenHetBereik)
{
    Afteller teller(10, Afteller::Eenmalig, Afteller::MeldEenmaal, 4);
    struct Geval
    {
        unsigned int gezet;
        unsigned int stand;
        unsigned int spiegel;
        int procent;
    };
    // Positions count from the bottom: 4 is 0 %, 10 is 100 %, and the mirror
    // counts down from the top.
    for (Geval geval :
         {Geval{0, 4, 6, 0}, Geval{4, 4, 6, 0}, Geval{7, 7, 3, 50}, Geval{10, 10, 0, 100}, Geval{maxU32, 10, 0, 100}})
    {
        teller.zetStand(geval.gezet);
        EXPECT_EQ(teller.geefStand(), geval.stand) << "set " << geval.gezet;
        EXPECT_EQ(teller.geefSpiegelStand(), geval.spiegel) << "set " << geval.gezet;
        EXPECT_EQ(teller.geefRelStand().waarde, geval.procent) << "set " << geval.gezet;
        EXPECT_EQ(teller.geefRelStand().max, 100);
    }
    for (unsigned int spiegel : {0u, 3u, 6u, 7u, maxU32})
    {
        teller.zetSpiegelStand(spiegel);
        EXPECT_EQ(teller.geefSpiegelStand(), std::min(spiegel, 6u)) << "mirror " << spiegel;
    }

    // Large counts no longer overflow the percentage.
    Afteller groot(maxU32, false, false, 0);
    groot.zetStand(maxU32 / 2);
    EXPECT_EQ(groot.geefRelStand().waarde, 49);
    EXPECT_EQ(groot.geefSpiegelStand(), maxU32 - maxU32 / 2);

    // No range at all: 0 %.
    Afteller plat(5, false, false, 5);
    EXPECT_EQ(plat.geefRelStand().waarde, 0);
    EXPECT_EQ(plat.geefSpiegelStand(), 0u);
}

TEST(WaarschuwingAfteller, WaarschuwtOnderHetNiveau)
{
    WaarschuwingAfteller teller(10, 3, Afteller::Eenmalig, Afteller::MeldEenmaal, 0);
    std::vector<WaarschuwingAfteller::Status> uit;
    std::vector<unsigned int> standen;
    for (int i = 0; i < 11; ++i)
    {
        unsigned int stand = 0;
        uit.push_back(teller.telAfMetStatus(stand));
        standen.push_back(stand);
    }
    using S = WaarschuwingAfteller::Status;
    EXPECT_EQ(uit, (std::vector<S>{S::Rustig, S::Rustig, S::Rustig, S::Rustig, S::Rustig, S::Rustig, S::Waarschuwing,
                                   S::Waarschuwing, S::Waarschuwing, S::Afgegaan, S::Rustig}));
    EXPECT_EQ(standen, (std::vector<unsigned int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 10}));
}

TEST(BlijfTijdAktiefAfteller, BlijftAktiefNaAfgaan)
{
    BlijfTijdAktiefAfteller teller(3, 4, Afteller::Eenmalig, 0);
    std::vector<bool> uit;
    std::vector<unsigned int> standen;
    for (int i = 0; i < 8; ++i)
    {
        unsigned int stand = 99;
        uit.push_back(teller.telAfMetAktief(stand));
        standen.push_back(stand);
        if (i == 3)
        {
            EXPECT_TRUE(teller.isAfgegaanEnAktief());
        }
    }
    // The first step only starts it; the main count goes 2, 1, 0 (off), then
    // the active time of 4 ticks counts 2, 1 and runs out at 0.
    EXPECT_EQ(uit, (std::vector<bool>{false, false, false, true, true, true, false, false}));
    EXPECT_EQ(standen, (std::vector<unsigned int>{0, 2, 1, 0, 2, 1, 0, 3}));
    EXPECT_FALSE(teller.isAfgegaanEnAktief());

    teller.reset(2, 1);
    EXPECT_EQ(teller.geefGrens(), 1u);
    EXPECT_TRUE(teller.telAfMetAktief());
    EXPECT_FALSE(teller.telAfMetAktief());
}

TEST(HeenEnWeerTeller, LooptHeenEnWeer)
{
    HeenEnWeerTeller teller(3);
    std::vector<int> waarden;
    for (int i = 0; i < 8; ++i)
        waarden.push_back(teller.ga());
    EXPECT_EQ(waarden, (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 1}));
    EXPECT_EQ(teller.geefRichting(), 0u);

    HeenEnWeerTeller tweeStappen(BegrensdBereik<int>{-5, 5}, 0);
    tweeStappen.zetStapGrootte(4);
    EXPECT_EQ(tweeStappen.geefStapGrootte(), 4u);
    waarden.clear();
    for (int i = 0; i < 6; ++i)
        waarden.push_back(tweeStappen.ga());
    EXPECT_EQ(waarden, (std::vector<int>{0, 4, 5, 1, -3, -5}));
    EXPECT_EQ(tweeStappen.geefRichting(), 0u);

    tweeStappen.zetOffset(-2147483647 - 1);
    EXPECT_EQ(tweeStappen.huidigeWaarde(), -5);
    tweeStappen.reset();
    EXPECT_EQ(tweeStappen.huidigeWaarde(), 0);

    // A start beyond the range, a range upside down, a huge start value.
    EXPECT_EQ(HeenEnWeerTeller(BegrensdBereik<int>{2, 6}, 0).huidigeWaarde(), 2);
    EXPECT_EQ(HeenEnWeerTeller(BegrensdBereik<int>{6, 2}, 4).huidigeWaarde(), 4);
    EXPECT_EQ(HeenEnWeerTeller(BegrensdBereik<int>{2, 6}, ~0ULL).huidigeWaarde(), 6);
}

TEST(HeenEnWeerTeller, VooruitKijkenBlijftBinnenHetBereik)
{
    HeenEnWeerTeller teller(4);
    for (int i = 0; i < 3; ++i)
        teller.ga();
    ASSERT_EQ(teller.huidigeWaarde(), 3);
    struct Geval
    {
        bool reflecteer;
        int aantal;
        int volgende;
        int vorige;
    };
    for (Geval geval : {Geval{true, 2, 3, 1}, Geval{false, 2, 4, 1}, Geval{true, 4, 1, 1}, Geval{false, 4, 4, 0},
                        Geval{true, 100, 0, 4}, Geval{false, -2147483647 - 1, 0, 4}, Geval{true, 2147483647, 0, 4},
                        Geval{true, -2147483647 - 1, 4, 0}})
    {
        EXPECT_EQ(teller.volgendeWaarde(geval.reflecteer, geval.aantal), geval.volgende)
            << geval.aantal << (geval.reflecteer ? " reflected" : "");
        EXPECT_EQ(teller.vorigeWaarde(geval.reflecteer, geval.aantal), geval.vorige)
            << geval.aantal << (geval.reflecteer ? " reflected" : "");
    }
    EXPECT_EQ(teller.huidigeWaarde(), 3);
}
