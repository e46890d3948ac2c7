#include "base/TrivaneTijd.h"
#include "base/TrivaneTijdStempel.h"
#include "base/TrivaneTijdstip.h"
#include "base/TrivaneWeekdag.h"
#include "tests/base/TijdHulp.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace
{
std::string klokTekst(const TrivaneTijdstip& tijdstip)
{
    TrivaneString tekst(8);
    tijdstip.printTijd(tekst, ':', true);
    return tekstVan(tekst);
}

TrivaneTijd tijdOp(int dag, int maand, int jaar, int uur, int minuut, int seconde, signed char zone = 0)
{
    return TrivaneTijd(TrivaneDatum(dag, maand, jaar), TrivaneTijdstip(uur, minuut, seconde), zone);
}

// A minute or second unit that has taken over a wider range, for steps of
// more than an hour's worth.
template <typename Eenheid> Eenheid lang(int aantal, TrivaneTijdEenheid::TijdEenheid soort)
{
    Eenheid stap(0);
    stap = TrivaneTijdEenheid(BegrensdBereik<int>{0, INT_MAX}, aantal, soort, false);
    return stap;
}

// Runs a test in a fixed time zone and puts the old one back.
class VasteTijdZone
{
public:
    explicit VasteTijdZone(const char* zone)
    {
        if (const char* oud = std::getenv("TZ"))
            vorige = oud;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~VasteTijdZone()
    {
        if (vorige)
            setenv("TZ", vorige->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> vorige;
};
} // namespace

TEST(TrivaneTijdstip, SecondenSindsMiddernacht)
{
    EXPECT_EQ(klokTekst(TrivaneTijdstip(3725)), "01:02:05");
    EXPECT_EQ(klokTekst(TrivaneTijdstip(90000)), "23:59:59");
    EXPECT_EQ(klokTekst(TrivaneTijdstip(-5)), "00:00:00");
    for (int seconden = 0; seconden < 86400; seconden += 7)
        ASSERT_EQ(TrivaneTijdstip(seconden).geefAantalSecs(), seconden);
    EXPECT_EQ(TrivaneTijdstip(1, 0, 0) - TrivaneTijdstip(2, 0, 1), -3601);
    EXPECT_EQ(TrivaneTijdstip(12, 0, 0).vergelijk(TrivaneTijdstip(11, 59, 59)), 1);
    EXPECT_TRUE(TrivaneTijdstip(11, 0, 0) != TrivaneTijdstip(11, 0, 1));
    EXPECT_EQ(klokTekst(TrivaneTijdstip(25, 61, -1)), "23:59:00");
}

TEST(TrivaneTijdstip, DeKlokDraagtOverNaarMinutenUrenEnMiddernacht)
{
    TrivaneTijdstip klok(23, 59, 30);
    EXPECT_TRUE(klok += TrivaneSeconde(45));
    EXPECT_EQ(klokTekst(klok), "00:00:15");

    TrivaneTijdstip nul(0, 0, 0);
    EXPECT_TRUE(nul -= TrivaneTijdstip(0, 0, 1));
    EXPECT_EQ(klokTekst(nul), "23:59:59");

    TrivaneTijdstip ochtend(9, 50, 0);
    EXPECT_FALSE(ochtend += TrivaneMinuut(15));
    EXPECT_EQ(klokTekst(ochtend), "10:05:00");
    EXPECT_TRUE(ochtend -= TrivaneUur(11));
    EXPECT_EQ(klokTekst(ochtend), "23:05:00");
    EXPECT_TRUE(ochtend += TrivaneTijdstip(0, 55, 0));
    EXPECT_EQ(klokTekst(ochtend), "00:00:00");

    // 130 minutes are 2 hours and 10 minutes, not a wrap to the minute's ends.
    TrivaneTijdstip middernacht(0, 0, 0);
    EXPECT_FALSE(middernacht += lang<TrivaneMinuut>(130, TrivaneTijdEenheid::Minuten));
    EXPECT_EQ(klokTekst(middernacht), "02:10:00");
    EXPECT_TRUE(middernacht += lang<TrivaneSeconde>(100000, TrivaneTijdEenheid::Seconden));
    EXPECT_EQ(klokTekst(middernacht), "05:56:40");
    EXPECT_TRUE(middernacht -= lang<TrivaneSeconde>(86400 * 3, TrivaneTijdEenheid::Seconden));
    EXPECT_EQ(klokTekst(middernacht), "05:56:40");
}

TEST(TrivaneTijd, DeDatumVolgtDeKlokOverMiddernacht)
{
    TrivaneTijd oudjaar = tijdOp(31, 12, 2024, 23, 59, 59);
    oudjaar.tik();
    EXPECT_EQ(tijdTekst(oudjaar), "01-01-2025 00:00:00");

    TrivaneTijd januari = tijdOp(31, 1, 2024, 23, 0, 0);
    EXPECT_TRUE(januari += TrivaneUur(2));
    EXPECT_EQ(tijdTekst(januari), "01-02-2024 01:00:00");
    TrivaneTijd december = tijdOp(31, 12, 2024, 23, 0, 0);
    EXPECT_TRUE(december += TrivaneUur(2));
    EXPECT_EQ(tijdTekst(december), "01-01-2025 01:00:00");
    EXPECT_TRUE(december -= TrivaneUur(2));
    EXPECT_EQ(tijdTekst(december), "31-12-2024 23:00:00");

    // Long steps in minutes and seconds carry whole days into the date.
    TrivaneTijd schrikkel = tijdOp(28, 2, 2024, 22, 0, 0);
    EXPECT_TRUE(schrikkel += lang<TrivaneMinuut>(60 * 24 * 2 + 30, TrivaneTijdEenheid::Minuten));
    EXPECT_EQ(tijdTekst(schrikkel), "01-03-2024 22:30:00");
    EXPECT_TRUE(schrikkel -= lang<TrivaneSeconde>(86400 * 366, TrivaneTijdEenheid::Seconden));
    EXPECT_EQ(tijdTekst(schrikkel), "01-03-2023 22:30:00");

    // The date parts of the date-time move as a date does.
    schrikkel += dagen(365);
    EXPECT_EQ(tijdTekst(schrikkel), "29-02-2024 22:30:00");

    TrivaneTijd som = tijdOp(30, 1, 2024, 23, 0, 0);
    som += TrivaneTijd(TrivaneDatum(TrivaneDag(1), TrivaneMaand(1), TrivaneJaar(0)), TrivaneTijdstip(2, 0, 0), 0);
    EXPECT_EQ(tijdTekst(som), "01-03-2024 01:00:00");
    som -= TrivaneTijd(TrivaneDatum(TrivaneDag(1), TrivaneMaand(1), TrivaneJaar(0)), TrivaneTijdstip(2, 0, 0), 0);
    EXPECT_EQ(tijdTekst(som), "28-01-2024 23:00:00");

    som.reset();
    EXPECT_EQ(tijdTekst(som), "01-01-2008 00:00:00");
    EXPECT_EQ(som.geefTijdZone(), 0);
    EXPECT_EQ(TrivaneTijd::geefAantalSecondenInDagen(2), 172800);
    EXPECT_EQ(TrivaneTijd::geefAantalSecondenInDagen(30000), INT_MAX);
    EXPECT_EQ(TrivaneTijd::geefAantalSecondenInDagen(-30000), INT_MIN);
}

TEST(TrivaneTijd, WeekdagenOokVoorHetJaarEen)
{
    EXPECT_EQ(TrivaneTijd(TrivaneDatum(1, 1, 2024)).berekenWeekdag().geefWeekDag(), TrivaneWeekdag::Maandag);
    EXPECT_EQ(TrivaneTijd(TrivaneDatum(29, 2, 2024)).berekenWeekdag().geefWeekDag(), TrivaneWeekdag::Donderdag);
    EXPECT_EQ(TrivaneTijd(TrivaneDatum(TrivaneTijdStempel(1, 1, 1))).berekenWeekdag().geefWeekDag(),
              TrivaneWeekdag::Maandag);

    // Day by day back from 1 January of year 1 the weekday goes back by one.
    TrivaneTijd dag(TrivaneDatum(TrivaneTijdStempel(1, 1, 1)));
    int verwacht = TrivaneWeekdag::Maandag;
    for (int i = 0; i < 2000; ++i)
    {
        dag -= TrivaneDag(1);
        verwacht = verwacht == 1 ? 7 : verwacht - 1;
        ASSERT_EQ(dag.berekenWeekdag().waarde(), verwacht) << tijdTekst(dag);
    }
    EXPECT_EQ(dag.geefJaar().waarde(), -5);

    // The same as wxWidgets finds, across centuries.
    for (TrivaneTijd moment(TrivaneDatum(1, 3, 1700)); moment.geefJaar().waarde() < 2300; moment += dagen(997))
    {
        const wxDateTime wx(static_cast<wxDateTime::wxDateTime_t>(moment.geefDag().waarde()),
                            static_cast<wxDateTime::Month>(moment.geefMaand().waarde() - 1),
                            moment.geefJaar().waarde());
        ASSERT_EQ(moment.berekenWeekdag().waarde(), wx.GetWeekDay() + 1) << tijdTekst(moment);
    }
}

TEST(TrivaneTijd, TijdZoneEnZomertijdVerzettenDeKlok)
{
    TrivaneTijd tijd = tijdOp(5, 3, 2024, 10, 0, 0, 1);
    EXPECT_EQ(tijd.geefTijdZone(), 1);
    EXPECT_TRUE(tijd.zetTijdZone(-3, true));
    EXPECT_EQ(tijdTekst(tijd), "05-03-2024 06:00:00");
    EXPECT_EQ(tijd.geefTijdZone(), -3);
    EXPECT_TRUE(tijd.zetTijdZone(5, false));
    EXPECT_EQ(tijdTekst(tijd), "05-03-2024 06:00:00");
    EXPECT_EQ(tijd.geefTijdZone(), 5);

    // From the westmost to the eastmost zone: 31 hours, across two midnights.
    TrivaneTijd west = tijdOp(31, 12, 2024, 20, 0, 0, -12);
    EXPECT_TRUE(west.zetTijdZone(19, true));
    EXPECT_EQ(tijdTekst(west), "02-01-2025 03:00:00");
    EXPECT_TRUE(west.zetTijdZone(-12, true));
    EXPECT_EQ(tijdTekst(west), "31-12-2024 20:00:00");

    // Zones the byte cannot hold are refused.
    EXPECT_FALSE(west.zetTijdZone(20, true));
    EXPECT_FALSE(west.zetTijdZone(-13, true));
    EXPECT_EQ(west.geefTijdZone(), -12);
    EXPECT_EQ(tijdTekst(west), "31-12-2024 20:00:00");
    EXPECT_EQ(tijdOp(1, 1, 2024, 0, 0, 0, 25).geefTijdZone(), 0);
    EXPECT_EQ(TrivaneTijd(TrivaneTijdstip(1, 2, 3)).geefTijdZone(), 0);

    TrivaneTijd zomer = tijdOp(30, 6, 2024, 23, 30, 0, 1);
    zomer.zetZomertijd(true, true);
    zomer.zetZomertijd(true, true);
    EXPECT_TRUE(zomer.isZomertijd());
    EXPECT_EQ(tijdTekst(zomer), "01-07-2024 00:30:00");
    EXPECT_EQ(zomer.geefTijdZone(), 1);
    zomer.zetZomertijd(false, true);
    EXPECT_EQ(tijdTekst(zomer), "30-06-2024 23:30:00");
    zomer.zetZomertijd(true, false);
    EXPECT_TRUE(zomer.isZomertijd());
    EXPECT_EQ(tijdTekst(zomer), "30-06-2024 23:30:00");
}

TEST(TrivaneTijd, StempelsGaanHeenEnTerugZonderVerlies)
{
    const TrivaneTijdStempel alleenTijd = TrivaneTijdstip(12, 34, 56).exportTijdStempel();
    EXPECT_EQ(alleenTijd.geefJaar(), 1988);
    EXPECT_EQ(alleenTijd.geefMaand(), 1);
    EXPECT_EQ(alleenTijd.geefDag(), 1);
    EXPECT_EQ(alleenTijd.geefUur(), 12);
    EXPECT_EQ(alleenTijd.geefMinuut(), 34);
    EXPECT_EQ(alleenTijd.geefSeconde(), 56);
    EXPECT_EQ(alleenTijd.geefWaarde() & 0xFF, 0u);

    // Seen as bytes, lowest first: unused, second, minute, hour, day, month, year.
    const TrivaneTijdStempel stempel = tijdOp(5, 3, 2024, 14, 7, 9).exportDatumTijdStempel();
    const std::uint64_t waarde = stempel.geefWaarde();
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(waarde >> (8 * i));
    const unsigned char verwacht[8] = {0, 9, 7, 14, 5, 3, 2024 & 0xFF, 2024 >> 8};
    EXPECT_EQ(std::memcmp(bytes, verwacht, 8), 0);

    const TrivaneTijd gevallen[] = {tijdOp(5, 3, 2024, 14, 7, 9), tijdOp(31, 12, 9999, 23, 59, 59),
                                    TrivaneTijd(TrivaneTijdStempel(-44, 3, 15, 12, 0, 0), 0),
                                    TrivaneTijd(TrivaneTijdStempel(-9999, 1, 1), 0),
                                    TrivaneTijd(TrivaneTijdStempel(50, 6, 30, 6, 30, 0), 0)};
    for (const TrivaneTijd& tijd : gevallen)
    {
        const TrivaneTijdStempel heen = tijd.exportDatumTijdStempel();
        EXPECT_TRUE(TrivaneTijd(heen, 3) == tijd) << tijdTekst(tijd);
        TrivaneTijd terug = tijdOp(1, 1, 2000, 0, 0, 0, 7);
        terug = heen;
        EXPECT_TRUE(terug == tijd) << tijdTekst(tijd);
        EXPECT_EQ(terug.geefTijdZone(), 7) << "the zone stays";
        EXPECT_EQ(terug.exportDatumTijdStempel(), heen);
    }
    EXPECT_EQ(TrivaneTijdStempel(-44, 3, 15).geefJaar(), -44);
}

TEST(TrivaneTijd, NaarEnVanWxDateTimeInLokaleTijd)
{
    const VasteTijdZone amsterdam("Europe/Amsterdam");
    struct Geval
    {
        std::time_t moment;
        const char* lokaal;
    };
    for (Geval geval : {Geval{1700000000, "14-11-2023 23:13:20"}, Geval{1720000000, "03-07-2024 11:46:40"},
                        Geval{1704063599, "31-12-2023 23:59:59"}})
    {
        const wxDateTime wx(geval.moment);
        const TrivaneTijd tijd(wx);
        EXPECT_EQ(tijdTekst(tijd), geval.lokaal);
        EXPECT_EQ(tijdTekst(TrivaneTijd(TrivaneDatum(wx))).substr(0, 10), std::string(geval.lokaal).substr(0, 10));
        EXPECT_EQ(tijd.wxExport().GetTicks(), geval.moment);

        TrivaneTijd geimporteerd = tijdOp(1, 1, 2000, 0, 0, 0, 2);
        geimporteerd = wx;
        EXPECT_EQ(tijdTekst(geimporteerd), geval.lokaal);
        EXPECT_EQ(geimporteerd.geefTijdZone(), 2);
    }

    // An invalid moment leaves a date-time as it was.
    TrivaneTijd blijft = tijdOp(5, 3, 2024, 14, 7, 9);
    blijft.wxImport(wxDateTime());
    EXPECT_EQ(tijdTekst(blijft), "05-03-2024 14:07:09");
    EXPECT_EQ(tijdTekst(TrivaneTijd(wxDateTime())), "01-01-2008 00:00:00");
}

TEST(TrivaneTijdstip, TijdTekstenMetEnZonderVoorTekst)
{
    TrivaneString tekst(19);
    const TrivaneTijdstip halfTien(9, 30, 15);
    halfTien.printTijd(tekst);
    EXPECT_EQ(tekstVan(tekst), "0930");
    halfTien.printTijd(tekst, ':', false);
    EXPECT_EQ(tekstVan(tekst), "09:30");
    halfTien.printTijd(tekst, '.', true);
    EXPECT_EQ(tekstVan(tekst), "09.30.15");
    halfTien.printTijd(tekst, TrivaneCString("Om "), ':', true);
    EXPECT_EQ(tekstVan(tekst), "Om 09:30:15");
    // A text in front with a length of its own needs no NUL.
    const char veld[] = {'b', 'i', 'j', ' ', 'X'};
    halfTien.printTijd(tekst, TrivaneCString(veld, 4), ':', false);
    EXPECT_EQ(tekstVan(tekst), "bij 09:30");

    // A buffer too small for the text in front and the time: cut and ended.
    char klein[8];
    std::memset(klein, 'x', sizeof klein);
    TrivaneString smal(klein, sizeof klein, '\0', true);
    halfTien.printTijd(smal, TrivaneCString("Aanvang: "), ':', true);
    EXPECT_EQ(std::string(klein), "Aanvang");
    halfTien.printTijd(smal, TrivaneCString("Om "), ':', true);
    EXPECT_EQ(std::string(klein), "Om 09:3");
}
