// Changing and deleting a stored requirement: the row is found by the title
// and number it was read with, only what differs is written, and numbers
// are swapped without ever sharing one.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

namespace
{
class Verander : public ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        voegRijenToe(*app, {{3, "Pump"}, {7, "O'Brien"}, {9, "Valve"}});
        voerUit(*app, {"update Requirements set datum='2025-01-12',aftekenaar='Jan',afgetekendDatum='2025-03-01',"
                       "status=4,beschrijving='rich' where SR==3"});
    }

    // Pump as a list row gives it: without its rich text.
    static Requirement pomp()
    {
        Requirement rek = opgeslagen("Pump", 3);
        rek.datum = wxDateTime(12, wxDateTime::Jan, 2025);
        rek.aftekenaar = "Jan";
        rek.afgetekendDatum = wxDateTime(1, wxDateTime::Mar, 2025);
        rek.status = Requirement::StatusKlaar;
        return rek;
    }
};
using Verwijder = Verander;
} // namespace

TEST_F(Verander, AlleenWatVerschiltWordtGeschreven)
{
    Requirement nieuw = pomp();
    nieuw.funkType = Requirement::FunkTypeBeperking;
    nieuw.kommentaar = "100% 'sure'";
    nieuw.totaleKosten = 4294967295u; // the highest cost stays positive
    EXPECT_EQ(app->verander(pomp(), nieuw, true), 0);
    EXPECT_EQ(kolommen(*app, 3, "funkType,kommentaar,totaleKosten"), "3|100% 'sure'|4294967295");
    // The rest was not written: the rich text the list never read stays.
    EXPECT_EQ(kolommen(*app, 3, "beschrijving"), "rich");

    // Another time of the same day is no change: no statement, no transaction.
    ASSERT_EQ(app->stopTransaktie(), 0);
    Requirement later = pomp();
    later.datum.SetHour(15);
    EXPECT_EQ(app->verander(pomp(), later, true), 1);
    EXPECT_FALSE(app->rolTerugMogelijk());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verander, DeAftekenaarTeltAlleenZolangHetRequirementKlaarIs)
{
    Requirement getest = pomp();
    getest.status = Requirement::StatusGetest;
    getest.aftekenaar.clear();
    getest.afgetekendDatum = wxDateTime(2, wxDateTime::Mar, 2025);
    EXPECT_EQ(app->verander(pomp(), getest, true), 0);
    EXPECT_EQ(kolommen(*app, 3, "status,aftekenaar,afgetekendDatum"), "3|Jan|2025-03-01");

    Requirement weerKlaar = getest;
    weerKlaar.status = Requirement::StatusKlaar;
    weerKlaar.aftekenaar = "Piet";
    weerKlaar.afgetekendDatum = wxDateTime(3, wxDateTime::Mar, 2025);
    EXPECT_EQ(app->verander(getest, weerKlaar, true), 0);
    EXPECT_EQ(kolommen(*app, 3, "aftekenaar,afgetekendDatum"), "Piet|2025-03-03");
}

TEST_F(Verander, EenOntbrekendeDatumBlijftOntbrekenEnWordtNooitOnzin)
{
    // Valve has no date: an edit of its priority and status leaves the dates alone.
    Requirement oud = opgeslagen("Valve", 9);
    oud.datum = oud.afgetekendDatum = wxDateTime();
    Requirement nieuw = oud;
    nieuw.prioriteit = 5;
    nieuw.status = Requirement::StatusKlaar;
    EXPECT_EQ(app->verander(oud, nieuw, true), 0);
    // A date taken away is stored as no date.
    Requirement zonder = pomp();
    zonder.datum = wxDateTime();
    EXPECT_EQ(app->verander(pomp(), zonder, true), 0);
    EXPECT_EQ(kolommen(*app, 9, "prioriteit,datum,afgetekendDatum") + "|" + kolommen(*app, 3, "datum"),
              "5|null|null|null");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verander, EenNieuwNummerEnTweeNummersWisselenHeelOfHelemaalNiet)
{
    Requirement rek = opgeslagen("Valve", 9);
    EXPECT_EQ(app->verander(rek, 9, true), 1);
    EXPECT_EQ(app->verander(rek, 12, true), 0);
    EXPECT_EQ(rek.SR, 12);
    // A number in use: refused by the database, the record keeps its number.
    EXPECT_EQ(app->verander(rek, 7, true), 2);
    EXPECT_EQ(rek.SR, 12);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=12");

    EXPECT_EQ(app->verwisselSR(opgeslagen("Pump", 3), rek, true), 0);
    EXPECT_EQ(nummers(*app), "Valve=3,O'Brien=7,Pump=12");
    // One undo takes back the whole swap.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=12");
    // The second is stale: the first does not stay at the free number.
    EXPECT_EQ(app->verwisselSR(opgeslagen("Pump", 3), opgeslagen("Valve", 8), true), 2);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=12");
}

TEST_F(Verander, EenVerouderdRecordWordtGemeldEnVerandertOfVerwijdertNiets)
{
    // Renamed since it was read, the title of one row with the number of another, or gone.
    for (const char* naam : {"Pomp", "Valve", "Gone"})
    {
        const Requirement oud = opgeslagen(naam, 3);
        logVanger().wis();
        EXPECT_EQ(app->verander(oud, metPrioriteit(naam, 3, 99), true), 2) << naam;
        EXPECT_TRUE(logVanger().bevat("no longer in the database as it was read", wxLOG_Error)) << naam;
        EXPECT_TRUE(logVanger().bevat("Nothing was changed.", wxLOG_Error)) << logVanger().geefAlles();
        logVanger().wis();
        EXPECT_EQ(app->verwijder(oud), 2) << naam;
        EXPECT_TRUE(logVanger().bevat("no longer in the database as it was read", wxLOG_Error)) << naam;
        EXPECT_TRUE(logVanger().bevat("Nothing was removed.", wxLOG_Error)) << logVanger().geefAlles();
    }
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=9");
    EXPECT_EQ(kolommen(*app, 3, "prioriteit"), "1");
}

TEST_F(Verwijder, EenRequirementGaatOpTitelEnNummerEnElkeKeerIsEenWijziging)
{
    // The title matches without regard to case, and its quote is doubled.
    EXPECT_EQ(app->verwijder(opgeslagen("PUMP", 3)), 0);
    EXPECT_EQ(app->verwijder(opgeslagen("O'Brien", 7)), 0);
    EXPECT_EQ(nummers(*app), "Valve=9");
    // Each delete is its own change: undo brings back the last one only.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "O'Brien=7,Valve=9");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verwijder, EenLijstIsEenWijzigingDieStoptBijDeEersteFout)
{
    RequirementLijst lijst = lijstVan({opgeslagen("Pump", 3), opgeslagen("Valve", 9)});
    EXPECT_EQ(app->verwijder(lijst), 0);
    EXPECT_EQ(nummers(*app), "O'Brien=7");
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=9");

    // The second is stale: nothing is deleted, not even the first.
    lijst[1].SR = 8;
    lijst.Add(opgeslagen("O'Brien", 7));
    EXPECT_EQ(app->verwijder(lijst), 2);
    EXPECT_EQ(nummers(*app), "Pump=3,O'Brien=7,Valve=9");

    // A delete refused by the project stops the list there: the rows
    // before it stay deleted in the open change.
    ASSERT_EQ(app->executeUpdate("create temporary trigger weiger before delete on Requirements "
                                 "when old.SR==7 begin select raise(abort,'kept by a rule'); end"),
              0);
    EXPECT_EQ(app->verwijder(lijstVan({opgeslagen("Pump", 3), opgeslagen("O'Brien", 7), opgeslagen("Valve", 9)})), 2);
    EXPECT_EQ(nummers(*app), "O'Brien=7,Valve=9");
    EXPECT_TRUE(logVanger().bevat("kept by a rule", wxLOG_Error));
}
