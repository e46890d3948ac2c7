#include "base/TrivaneMicroSeconde.h"
#include "base/TrivaneMilliSeconde.h"
#include "base/TrivaneMinuut.h"
#include "base/TrivaneNanoSeconde.h"
#include "base/TrivaneSeconde.h"
#include "base/TrivaneTijdEenheid.h"
#include "base/TrivaneUur.h"

#include <climits>
#include <gtest/gtest.h>

TEST(TrivaneTijdEenheid, EenMinuutVanZestigSlaatOmOfBlijftOpHetMaximum)
{
    TrivaneMinuut omgeslagen(60, true);
    EXPECT_EQ(omgeslagen.waarde(), 0);
    EXPECT_TRUE(omgeslagen.overGrens());
    EXPECT_FALSE(omgeslagen.overGrens()) << "the flag is reported once";

    TrivaneMinuut begrensd(60, false);
    EXPECT_EQ(begrensd.waarde(), 59);
    EXPECT_TRUE(begrensd.overGrens());
    EXPECT_FALSE(begrensd.overGrens());
}

TEST(TrivaneTijdEenheid, OmslaanGaatPerHelePeriodeHoeVerDeStapOokReikt)
{
    struct Geval
    {
        int begin;
        int stap;
        int verwacht;
        long long perioden;
    };
    // 0 + 130 minutes used to end at 0 (one wrap and then the opposite end).
    for (Geval geval : {Geval{0, 130, 10, 2}, Geval{0, 75, 15, 1}, Geval{0, -5, 55, -1}, Geval{0, -70, 50, -2},
                        Geval{59, 1, 0, 1}, Geval{30, 600, 30, 10}, Geval{10, 0, 10, 0}, Geval{0, INT_MAX, 7, 35791394},
                        Geval{0, INT_MIN, 52, -35791395}})
    {
        TrivaneMinuut minuut(geval.begin);
        EXPECT_EQ(minuut.verschuif(geval.stap), geval.perioden) << geval.begin << " + " << geval.stap;
        EXPECT_EQ(minuut.waarde(), geval.verwacht) << geval.begin << " + " << geval.stap;

        TrivaneMinuut viaOperator(geval.begin);
        EXPECT_EQ(viaOperator += geval.stap, geval.perioden != 0);
        EXPECT_EQ(viaOperator.waarde(), geval.verwacht);
        EXPECT_EQ(TrivaneMinuut(geval.begin) + geval.stap, geval.verwacht) << "the const sum wraps the same way";
    }

    TrivaneUur uur(23);
    EXPECT_TRUE(uur += 1);
    EXPECT_EQ(uur.waarde(), 0);
    uur = 22;
    EXPECT_FALSE(uur++);
    EXPECT_EQ(uur.waarde(), 23);
    EXPECT_TRUE(uur -= 24 * 3 + 1);
    EXPECT_EQ(uur.waarde(), 22);

    TrivaneMinuut toegewezen(0);
    toegewezen = 125;
    EXPECT_EQ(toegewezen.waarde(), 5);
    EXPECT_TRUE(toegewezen.overGrens());
}

TEST(TrivaneTijdEenheid, ProductEnQuotientWordenBegrensdZonderOverloop)
{
    const BegrensdBereik<int> alles{INT_MIN, INT_MAX};
    const TrivaneTijdEenheid groot(alles, INT_MAX, TrivaneTijdEenheid::Seconden, false);
    EXPECT_EQ(groot * 2, INT_MAX);
    EXPECT_EQ(groot * -2, INT_MIN);
    const TrivaneTijdEenheid kleinst(alles, INT_MIN, TrivaneTijdEenheid::Seconden, false);
    EXPECT_EQ(kleinst / -1, INT_MAX);
    EXPECT_EQ(kleinst / 0, 0);

    const TrivaneMinuut dertig(30);
    EXPECT_EQ(dertig / 0, 0);
    EXPECT_EQ(dertig / -1, 0) << "-30 clamped into the minute";
    EXPECT_EQ(dertig / 7, 4);
    EXPECT_EQ(dertig * 3, 59);

    TrivaneMinuut veertig(40);
    veertig += 50; // leaves the flag set
    const TrivaneTijdEenheid som = veertig + TrivaneMinuut(50);
    EXPECT_EQ(som.waarde(), 20);
    EXPECT_EQ(som.geefMaximum(), 59);
    EXPECT_EQ(som.geefSoort(), TrivaneTijdEenheid::Minuten);
    TrivaneTijdEenheid kopie = som;
    EXPECT_FALSE(kopie.overGrens()) << "a unit result starts without the flag";
    EXPECT_EQ((dertig - TrivaneMinuut(45)).waarde(), 45);
    EXPECT_EQ((dertig * TrivaneMinuut(2)).waarde(), 59);
    EXPECT_EQ((dertig / TrivaneMinuut(4)).waarde(), 7);
}

TEST(TrivaneTijdEenheid, ToewijzingNeemtHetBereikVanDeAndereEenheidOver)
{
    TrivaneUur uur(5);
    const TrivaneTijdEenheid ander(BegrensdBereik<int>{0, 1000}, 500, TrivaneTijdEenheid::Seconden, false);
    uur = ander;
    EXPECT_EQ(uur.waarde(), 500);
    EXPECT_EQ(uur.geefMaximum(), 1000);
    EXPECT_EQ(uur.geefSoort(), TrivaneTijdEenheid::Uren) << "the kind stays";
    EXPECT_TRUE(uur == 500);
    EXPECT_TRUE(uur != TrivaneUur(5));
    EXPECT_EQ(TrivaneUur(7).uwaarde(), 7u);
}

TEST(TrivaneTijdEenheid, FijnereEenhedenRekenenOmNaarGroverEnTerug)
{
    TrivaneMilliSeconde lang(5000);
    EXPECT_EQ(lang.waarde(), 5000);
    EXPECT_EQ(lang.geefMaximum(), 5000);
    EXPECT_FALSE(lang.overGrens());
    TrivaneMilliSeconde negatief(-3);
    EXPECT_EQ(negatief.waarde(), 0);
    EXPECT_TRUE(negatief.overGrens());

    EXPECT_EQ(TrivaneSeconde(TrivaneMicroSeconde(1000000)).waarde(), 1);
    EXPECT_EQ(TrivaneSeconde(TrivaneMilliSeconde(59999)).waarde(), 59);
    EXPECT_EQ(TrivaneSeconde(TrivaneMilliSeconde(61000)).waarde(), 1);
    EXPECT_EQ(TrivaneSeconde(TrivaneMilliSeconde(3600000)).waarde(), 0) << "a whole hour wraps to 0";

    EXPECT_EQ(TrivaneMicroSeconde(1000000).ns().waarde(), TrivaneNanoSeconde::maximumWaarde);
    EXPECT_EQ(TrivaneNanoSeconde(-1, true).waarde(), TrivaneNanoSeconde::maximumWaarde);
    TrivaneMicroSeconde teVeel = TrivaneMilliSeconde(5000).us();
    EXPECT_EQ(teVeel.waarde(), TrivaneMicroSeconde::maximumWaarde);
    EXPECT_TRUE(teVeel.overGrens());
    EXPECT_EQ(TrivaneMilliSeconde(INT_MAX).us().waarde(), TrivaneMicroSeconde::maximumWaarde);
    EXPECT_EQ(TrivaneSeconde(59).ms().waarde(), 59000);
    EXPECT_EQ(TrivaneMinuut(59).inSeconden(), 3540);
    EXPECT_EQ(TrivaneUur(23).inMinuten(), 1380);
}
