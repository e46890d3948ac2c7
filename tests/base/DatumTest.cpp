#include "base/TrivaneDatum.h"
#include "base/TrivaneDatumString.h"
#include "base/TrivaneTijdStempel.h"
#include "tests/base/TijdHulp.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

TEST(TrivaneDatum, DagenTellenOverMaandenSchrikkeljarenEnJaartallen)
{
    struct Geval
    {
        TrivaneDatum dit;
        TrivaneDatum ander;
        int verwacht;
    };
    const Geval gevallen[] = {
        {TrivaneDatum(1, 3, 2020), TrivaneDatum(1, 3, 2019), 366},
        {TrivaneDatum(1, 6, 2019), TrivaneDatum(1, 3, 2020), -274},
        {TrivaneDatum(31, 12, 2023), TrivaneDatum(1, 1, 2024), -1},
        {TrivaneDatum(7, 7, 2024), TrivaneDatum(7, 7, 2024), 0},
        {TrivaneDatum(1, 3, 2100), TrivaneDatum(28, 2, 2100), 1},
        {TrivaneDatum(1, 1, 2001), TrivaneDatum(1, 1, 1601), 146097},
        // Years before 1 follow the same calendar: 400 years are 146,097 days.
        {TrivaneDatum(TrivaneTijdStempel(0, 1, 1)), TrivaneDatum(TrivaneTijdStempel(-400, 1, 1)), 146097},
        {TrivaneDatum(TrivaneTijdStempel(1, 1, 1)), TrivaneDatum(TrivaneTijdStempel(0, 12, 31)), 1},
    };
    for (const Geval& geval : gevallen)
    {
        EXPECT_EQ(geval.dit.aantalDagen(geval.ander), geval.verwacht) << datumTekst(geval.dit);
        EXPECT_EQ(geval.dit - geval.ander, geval.verwacht);
        EXPECT_EQ(geval.dit.vergelijk(geval.ander), geval.verwacht == 0 ? 0 : (geval.verwacht > 0 ? 1 : 2));
        EXPECT_EQ(geval.dit > geval.ander, geval.verwacht > 0);
        EXPECT_EQ(geval.dit <= geval.ander, geval.verwacht <= 0);
        EXPECT_EQ(geval.dit == geval.ander, geval.verwacht == 0);
    }
}

TEST(TrivaneDatum, DagenErbijEnEraf)
{
    struct Geval
    {
        TrivaneDatum begin;
        int stap;
        const char* verwacht;
    };
    const Geval gevallen[] = {
        {TrivaneDatum(28, 2, 2023), 1, "01-03-2023"},
        {TrivaneDatum(28, 2, 2024), 1, "29-02-2024"},
        {TrivaneDatum(31, 12, 2024), 1, "01-01-2025"},
        {TrivaneDatum(30, 1, 2024), 5, "04-02-2024"},
        {TrivaneDatum(1, 1, 2024), -1, "31-12-2023"},
        {TrivaneDatum(3, 5, 2024), -5, "28-04-2024"},
        {TrivaneDatum(5, 3, 2023), -10, "23-02-2023"},
        // A step longer than the month it starts in used to land in the
        // next month whatever its length.
        {TrivaneDatum(31, 1, 2023), 31, "03-03-2023"},
        {TrivaneDatum(1, 1, 2024), 366, "01-01-2025"},
        {TrivaneDatum(1, 3, 2024), -1000, "05-06-2021"},
        {TrivaneDatum(15, 6, 2024), 36524, "15-06-2124"},
    };
    for (const Geval& geval : gevallen)
    {
        TrivaneDatum datum = geval.begin;
        if (geval.stap >= 0)
            datum += dagen(geval.stap);
        else
            datum -= dagen(-geval.stap);
        EXPECT_EQ(datumTekst(datum), geval.verwacht) << datumTekst(geval.begin) << " + " << geval.stap;
        EXPECT_EQ(datum.aantalDagen(geval.begin), geval.stap);
    }

    // A day at a time through a leap year reaches the same date.
    TrivaneDatum stapje(1, 1, 2024);
    for (int i = 0; i < 366; ++i)
        stapje += TrivaneDag(1);
    EXPECT_EQ(datumTekst(stapje), "01-01-2025");
}

TEST(TrivaneDatum, MaandenEnJarenLatenDeDagNietBuitenZijnMaand)
{
    TrivaneDatum januari(31, 1, 2024);
    januari += TrivaneMaand(1);
    EXPECT_EQ(datumTekst(januari), "29-02-2024");

    TrivaneDatum maart(31, 3, 2023);
    maart -= TrivaneMaand(1);
    EXPECT_EQ(datumTekst(maart), "28-02-2023");
    EXPECT_EQ(maart.geefDag().geefMaximum(), 28);

    TrivaneDatum november(30, 11, 2023);
    november += TrivaneMaand(3);
    EXPECT_EQ(datumTekst(november), "29-02-2024");
    november -= TrivaneMaand(12);
    EXPECT_EQ(datumTekst(november), "28-02-2023");

    TrivaneDatum schrikkeldag(29, 2, 2024);
    schrikkeldag += TrivaneJaar(1);
    EXPECT_EQ(datumTekst(schrikkeldag), "28-02-2025");
    TrivaneDatum terug(29, 2, 2024);
    terug -= TrivaneJaar(4);
    EXPECT_EQ(datumTekst(terug), "29-02-2020");

    // Assigning one part keeps the date a real one.
    TrivaneDatum deel(31, 1, 2023);
    deel = TrivaneMaand(MaandApril);
    EXPECT_EQ(datumTekst(deel), "30-04-2023");
    TrivaneDatum jaarDeel(29, 2, 2024);
    jaarDeel = TrivaneJaar(2023);
    EXPECT_EQ(datumTekst(jaarDeel), "28-02-2023");
    TrivaneDatum dagDeel(1, 2, 2023);
    dagDeel = TrivaneDag(31);
    EXPECT_EQ(datumTekst(dagDeel), "28-02-2023");
    const TrivaneDatum losseDelen(TrivaneDag(31), TrivaneMaand(MaandJuni), TrivaneJaar(2024));
    EXPECT_EQ(datumTekst(losseDelen), "30-06-2024");
}

TEST(TrivaneDatum, EenDatumAlsAantallenErbijOfEraf)
{
    // 31 January of year 0 read as 31 days, 1 month and 0 years.
    const TrivaneDatum stap(TrivaneDag(31), TrivaneMaand(1), TrivaneJaar(0));
    TrivaneDatum erbij(1, 1, 2024);
    erbij += stap;
    EXPECT_EQ(datumTekst(erbij), "01-03-2024");
    TrivaneDatum eraf(1, 4, 2024);
    eraf -= stap;
    EXPECT_EQ(datumTekst(eraf), "01-02-2024");
    TrivaneDatum eindeMaand(31, 5, 2024);
    eindeMaand -= TrivaneDatum(TrivaneDag(1), TrivaneMaand(1), TrivaneJaar(0));
    EXPECT_EQ(datumTekst(eindeMaand), "30-04-2024");
}

TEST(TrivaneDatum, OpbouwUitGetallenStempelsEnRandjaren)
{
    EXPECT_EQ(datumTekst(TrivaneDatum(31, 2, 23)), "28-02-2023");
    EXPECT_EQ(datumTekst(TrivaneDatum(0, 0, 2024)), "01-01-2024");
    EXPECT_EQ(datumTekst(TrivaneDatum(5, MaandMaart, 2024)), "05-03-2024");
    EXPECT_EQ(datumTekst(TrivaneDatum(TrivaneTijdStempel(2024, 0, 40))), "31-01-2024");
    // A stamp carries the full year: year 50 stays year 50.
    EXPECT_EQ(TrivaneDatum(TrivaneTijdStempel(50, 6, 1)).geefJaar().waarde(), 50);

    EXPECT_EQ(TrivaneDatum(1, 1, 1999).isGeldig(true), kcFout);
    EXPECT_EQ(TrivaneDatum(1, 1, 1999).isGeldig(false), kcOk);
    EXPECT_EQ(TrivaneDatum(1, 1, 2000).isGeldig(true), kcOk);

    // Past the calendar's last year the year unit wraps; the date stays a real one.
    TrivaneDatum einde(31, 12, 9999);
    einde += TrivaneDag(1);
    EXPECT_EQ(einde.geefJaar().waarde(), 1);
    EXPECT_EQ(einde.isGeldig(false), kcOk);
}

TEST(TrivaneDatum, DatumTekstEnStempel)
{
    TrivaneString tekst(10);
    TrivaneDatum(1, 1, 2024).printDatum(tekst, '.');
    EXPECT_EQ(tekstVan(tekst), "01.01.2024");

    // A year before -999 does not fit the date text: it is cut and ends.
    const TrivaneDatum oud(TrivaneTijdStempel(-9999, 1, 1));
    TrivaneDatumString oudeTekst(oud, '-', true);
    EXPECT_EQ(tekstVan(oudeTekst), "01-01--999");
    EXPECT_EQ(oudeTekst.string()[TrivaneDatumString::bufferGrootte - 1], '\0');

    // The text handed out stays readable after the date text is gone.
    const TrivaneDatum maart(5, 3, 2024);
    std::unique_ptr<TrivaneString> bewaard;
    {
        auto tijdelijk = std::make_unique<TrivaneDatumString>(maart, '/', false);
        bewaard = std::make_unique<TrivaneString>(tijdelijk->formatPrint());
    }
    EXPECT_EQ(tekstVan(*bewaard), "05/03/2024");

    const TrivaneTijdStempel stempel = TrivaneDatum(5, 3, 2024).exportDatumStempel();
    EXPECT_EQ(stempel.geefWaarde(), (2024ULL << 48) | (3ULL << 40) | (5ULL << 32));
    EXPECT_EQ(stempel, TrivaneTijdStempel(stempel.geefWaarde() | 0xA5));
    EXPECT_NE(stempel, TrivaneTijdStempel(stempel.geefWaarde() | 0x100));
}
