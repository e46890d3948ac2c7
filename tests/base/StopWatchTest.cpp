#include "base/TrivaneStopWatch.h"
#include "base/TrivaneStopWatchString.h"
#include "base/TrivaneTijd.h"
#include "base/TrivaneTijdString.h"
#include "base/TrivaneTijdVerschil.h"
#include "tests/base/TijdHulp.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>

namespace
{
TrivaneTijd tijdOp(int dag, int maand, int jaar, int uur, int minuut, int seconde)
{
    return TrivaneTijd(TrivaneDatum(dag, maand, jaar), TrivaneTijdstip(uur, minuut, seconde), 0);
}

void tik(TrivaneStopWatch& stopWatch, int keer)
{
    for (int i = 0; i < keer; ++i)
        stopWatch.stopwatchTik();
}
} // namespace

TEST(TrivaneTijdVerschil, DagenEnTijdVanDagApartGeteld)
{
    const TrivaneTijd tweeJanuari = tijdOp(2, 1, 2024, 10, 0, 0);
    const TrivaneTijd eenJanuari = tijdOp(1, 1, 2024, 12, 0, 0);
    const TrivaneTijdVerschil verschil = tweeJanuari - eenJanuari;
    EXPECT_EQ(verschil.geefDagenVerschil(), 1);
    EXPECT_EQ(verschil.geefPolariteit(), TrivaneTijdVerschil::PolariteitNegatief);
    EXPECT_TRUE(verschil.geefVerschil() == TrivaneTijdstip(2, 0, 0));
    EXPECT_EQ(verschil.geefSecondenVerschil(), 79200);

    TrivaneTijdVerschil omgekeerd(eenJanuari, tweeJanuari);
    EXPECT_EQ(omgekeerd.geefDagenVerschil(), -1);
    EXPECT_EQ(omgekeerd.geefPolariteit(), TrivaneTijdVerschil::PolariteitPositief);
    EXPECT_EQ(omgekeerd.geefSecondenVerschil(), -79200);

    // Equal moments: nothing left of an earlier calculation.
    EXPECT_EQ(omgekeerd.bereken(eenJanuari, eenJanuari), 0);
    EXPECT_EQ(omgekeerd.geefDagenVerschil(), 0);
    EXPECT_EQ(omgekeerd.geefPolariteit(), TrivaneTijdVerschil::PolariteitGeen);
    EXPECT_EQ(omgekeerd.geefSecondenVerschil(), 0);
    EXPECT_TRUE(omgekeerd.geefVerschil() == TrivaneTijdstip(0, 0, 0));

    // Millennia do not fit an int of seconds: the count stops at its end.
    const TrivaneTijd ver = TrivaneTijd(TrivaneTijdStempel(9999, 1, 1), 0);
    const TrivaneTijd vroeg = TrivaneTijd(TrivaneTijdStempel(-9999, 1, 1), 0);
    EXPECT_EQ((ver - vroeg).geefSecondenVerschil(), INT_MAX);
    EXPECT_EQ((vroeg - ver).geefSecondenVerschil(), INT_MIN);
    EXPECT_EQ((ver - vroeg).geefDagenVerschil(), 7304119);
}

TEST(TrivaneTijdString, DatumEnTijdInEenTekst)
{
    const TrivaneTijd moment = tijdOp(5, 3, 2024, 14, 7, 9);
    TrivaneTijdString metSeconden(moment, '-', ':', true);
    EXPECT_EQ(tekstVan(metSeconden), "") << "nothing is printed before it is asked";
    EXPECT_EQ(tekstVan(metSeconden.formatPrint()), "05-03-2024 14:07:09");
    EXPECT_EQ(tekstVan(metSeconden), "05-03-2024 14:07:09");
    TrivaneTijdString zonder(moment, '-', ':', false);
    EXPECT_EQ(tekstVan(zonder.formatPrint()), "05-03-2024 14:07");
    TrivaneTijdString kopie(zonder);
    EXPECT_EQ(tekstVan(kopie), "05-03-2024 14:07");

    // The longest years: cut to the buffer and ended, nothing written past it.
    const TrivaneTijd oud(TrivaneTijdStempel(-9999, 12, 31, 23, 59, 58), 0);
    TrivaneTijdString oudeTekst(oud, '-', ':', true);
    EXPECT_EQ(tekstVan(oudeTekst.formatPrint()), "31-12--9999 23:59:5");
    EXPECT_EQ(oudeTekst.string()[TrivaneTijdString::bufferGrootte - 1], '\0');
    TrivaneTijdString oudZonder(oud, '-', ':', false);
    EXPECT_EQ(tekstVan(oudZonder.formatPrint()), "31-12--9999 23:59");

    // The text handed out outlives the text object.
    std::unique_ptr<TrivaneString> bewaard;
    {
        auto tijdelijk = std::make_unique<TrivaneTijdString>(moment, '/', '.', true);
        bewaard = std::make_unique<TrivaneString>(tijdelijk->formatPrint());
    }
    EXPECT_EQ(tekstVan(*bewaard), "05/03/2024 14.07.09");
}

TEST(TrivaneStopWatch, TeltDeLooptijdInDagenUrenMinutenEnSeconden)
{
    TrivaneStopWatch stopWatch(tijdOp(1, 1, 2024, 0, 0, 0));
    TrivaneStopWatchString tekst(stopWatch);
    tik(stopWatch, 10);
    EXPECT_EQ(tekstVan(tekst.formatPrint()), "0000d00u00m00s") << "not running until started";

    stopWatch.start();
    tik(stopWatch, ((2 * 24 + 3) * 60 + 4) * 60 + 5);
    EXPECT_EQ(tekstVan(tekst.formatPrint()), "0002d03u04m05s");

    stopWatch.stop();
    tik(stopWatch, 100);
    EXPECT_EQ(tekstVan(tekst.formatPrint()), "0002d03u04m05s");
    stopWatch.hervat();
    tik(stopWatch, 55);
    EXPECT_EQ(tekstVan(tekst.formatPrint()), "0002d03u05m00s");
    EXPECT_EQ(tijdTekst(stopWatch.geefStartMoment()), "01-01-2024 00:00:00");

    // Passing midnight moves the clock's date: the day count grows by one.
    TrivaneStopWatch laat(tijdOp(31, 12, 2024, 23, 59, 59));
    TrivaneStopWatchString laatTekst(laat);
    laat.start();
    EXPECT_EQ(tekstVan(laatTekst.formatPrint()), "0000d23u59m59s");
    laat.stopwatchTik();
    EXPECT_EQ(tijdTekst(laat), "01-01-2025 00:00:00");
    EXPECT_EQ(tekstVan(laatTekst.formatPrint()), "0001d00u00m00s");
}

TEST(TrivaneStopWatch, TienDuizendDagenWordenAfgekaptNietOverschreven)
{
    TrivaneStopWatch stopWatch(tijdOp(1, 1, 2000, 0, 0, 0));
    stopWatch.start();
    stopWatch += dagen(10000);
    TrivaneStopWatchString tekst(stopWatch);
    EXPECT_EQ(tekstVan(tekst.formatPrint()), "10000d00u00m00");
    EXPECT_EQ(tekst.string()[TrivaneStopWatchString::bufferGrootte - 1], '\0');

    std::unique_ptr<TrivaneString> bewaard;
    {
        TrivaneStopWatchString tijdelijk(stopWatch);
        bewaard = std::make_unique<TrivaneString>(tijdelijk.formatPrint());
    }
    EXPECT_EQ(tekstVan(*bewaard), "10000d00u00m00");
}
