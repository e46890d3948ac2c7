// Changing a stored requirement: only what differs is written, the row is
// found by the title and number it was read with, and numbers are swapped
// without ever sharing one.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/OpslagHulp.h"

namespace
{
class Verander : public ::testing::Test
{
protected:
    App app;

    void SetUp() override
    {
        ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0);
        voegRijenToe(*app, {{3, "Pump"}, {7, "O'Brien"}, {9, "Valve"}});
        ASSERT_EQ(app->executeUpdate("update Requirements set datum='2025-01-12',aftekenaar='Jan',"
                                     "afgetekendDatum='2025-03-01',status=4 where SR==3"),
                  0);
        ASSERT_EQ(app->stopTransaktie(), 0);
    }

    // Pump as it was read.
    Requirement pomp() const
    {
        Requirement rek = opgeslagen("Pump", 3);
        rek.datum = wxDateTime(12, wxDateTime::Jan, 2025);
        rek.aftekenaar = "Jan";
        rek.afgetekendDatum = wxDateTime(1, wxDateTime::Mar, 2025);
        rek.status = Requirement::StatusKlaar;
        return rek;
    }
};
} // namespace

TEST_F(Verander, AlleenWatVerschiltWordtGeschreven)
{
    const Requirement oud = pomp();
    Requirement nieuw = oud;
    nieuw.funkType = Requirement::FunkTypeBeperking;
    nieuw.totaleKosten = 4294967295u; // the highest cost stays positive
    nieuw.kommentaar = "100% 'sure'";
    EXPECT_EQ(app->verander(oud, nieuw, true), 0);
    EXPECT_EQ(kolom(*app, 3, "funkType"), "3");
    EXPECT_EQ(kolom(*app, 3, "totaleKosten"), "4294967295");
    EXPECT_EQ(kolom(*app, 3, "kommentaar"), "100% 'sure'");
    // Fields that are the same were not written: the stored version stays.
    EXPECT_EQ(kolom(*app, 3, "versie"), "1.0.0");
    EXPECT_TRUE(app->rolTerugMogelijk());

    // Another time of the same day is no change: no statement, no transaction.
    ASSERT_EQ(app->stopTransaktie(), 0);
    Requirement later = oud;
    later.datum.SetHour(15);
    EXPECT_EQ(app->verander(oud, later, true), 1);
    EXPECT_FALSE(app->rolTerugMogelijk());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verander, DeAftekenaarTeltAlleenZolangHetRequirementKlaarIs)
{
    Requirement nieuw = pomp();
    nieuw.status = Requirement::StatusGetest;
    nieuw.aftekenaar.clear();
    nieuw.afgetekendDatum = wxDateTime(2, wxDateTime::Mar, 2025);
    EXPECT_EQ(app->verander(pomp(), nieuw, true), 0);
    EXPECT_EQ(kolom(*app, 3, "status"), "3");
    EXPECT_EQ(kolom(*app, 3, "aftekenaar"), "Jan");
    EXPECT_EQ(kolom(*app, 3, "afgetekendDatum"), "2025-03-01");

    Requirement weerKlaar = nieuw;
    weerKlaar.status = Requirement::StatusKlaar;
    weerKlaar.aftekenaar = "Piet";
    weerKlaar.afgetekendDatum = wxDateTime(3, wxDateTime::Mar, 2025);
    EXPECT_EQ(app->verander(nieuw, weerKlaar, true), 0);
    EXPECT_EQ(kolom(*app, 3, "aftekenaar"), "Piet");
    EXPECT_EQ(kolom(*app, 3, "afgetekendDatum"), "2025-03-03");
}

TEST_F(Verander, TitelsMetQuotesEnAndereHoofdlettersVindenHunRij)
{
    Requirement oud = opgeslagen("o'brien", 7); // read with another case
    Requirement nieuw = oud;
    nieuw.naam = "O'BRIEN";
    EXPECT_EQ(app->verander(oud, nieuw, true), 0);
    EXPECT_EQ(kolom(*app, 7, "naam"), "O'BRIEN");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verander, EenVerouderdRecordWordtGemeldEnVerandertNiets)
{
    // Renamed by another change since it was read.
    Requirement oud = opgeslagen("Pomp", 3);
    Requirement nieuw = oud;
    nieuw.prioriteit = 99;
    EXPECT_EQ(app->verander(oud, nieuw, true), 2);
    EXPECT_TRUE(logVanger().bevat("no longer in the database", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_TRUE(logVanger().bevat("Nothing was changed.", wxLOG_Error));
    EXPECT_EQ(kolom(*app, 3, "prioriteit"), "1");
}

TEST_F(Verander, EenOntbrekendeDatumBlijftOntbrekenEnWordtNooitOnzin)
{
    // Valve has no date: a read gives no valid date, and an edit of its
    // priority leaves the date alone.
    Requirement oud = opgeslagen("Valve", 9);
    oud.datum = wxDateTime();
    oud.afgetekendDatum = wxDateTime();
    Requirement nieuw = oud;
    nieuw.prioriteit = 5;
    nieuw.status = Requirement::StatusKlaar;
    EXPECT_EQ(app->verander(oud, nieuw, true), 0);
    EXPECT_EQ(kolom(*app, 9, "datum"), "null");
    EXPECT_EQ(kolom(*app, 9, "afgetekendDatum"), "null");

    // A date taken away is stored as no date.
    Requirement zonder = pomp();
    zonder.datum = wxDateTime();
    EXPECT_EQ(app->verander(pomp(), zonder, true), 0);
    EXPECT_EQ(kolom(*app, 3, "datum"), "null");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verander, EenNieuwNummer)
{
    Requirement rek = opgeslagen("Valve", 9);
    EXPECT_EQ(app->verander(rek, 9, true), 1);
    EXPECT_EQ(app->verander(rek, 12, true), 0);
    EXPECT_EQ(rek.SR, 12);
    // A number in use: refused by the database, the record keeps its number.
    EXPECT_EQ(app->verander(rek, 7, true), 2);
    EXPECT_EQ(rek.SR, 12);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=12");
}

TEST_F(Verander, TweeNummersWisselenHeelOfHelemaalNiet)
{
    EXPECT_EQ(app->verwisselSR(opgeslagen("Pump", 3), opgeslagen("Valve", 9), true), 0);
    EXPECT_EQ(nummers(*app), "Valve=3,O'Brien=7,Pump=9");
    // One undo takes back the whole swap.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=9");

    // The second is stale: the first does not stay at the free number.
    EXPECT_EQ(app->verwisselSR(opgeslagen("Pump", 3), opgeslagen("Valve", 8), true), 2);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=9");
    EXPECT_TRUE(app->rolTerugMogelijk()); // the swap's transaction is open, and empty
}

TEST(VeranderAlleenLezen, EenAlleenLezenProjectWeigertMetEenWaarschuwing)
{
    const wxString pad = projectPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{1, "Pump"}});
    ASSERT_EQ(app->openProject(pad, true), 0);

    Requirement oud = opgeslagen("Pump", 1);
    Requirement nieuw = oud;
    nieuw.prioriteit = 7;
    EXPECT_EQ(app->verander(oud, nieuw, true), 1);
    EXPECT_EQ(app->verwisselSR(oud, oud, true), 1);
    EXPECT_TRUE(
        logVanger().bevat("You cannot modify this requirement, because the database is read-only.", wxLOG_Warning));
    EXPECT_FALSE(app->handmatigeTransaktieBezig());
    EXPECT_EQ(kolom(*app, 1, "prioriteit"), "1");
}
