// Deleting requirements: one or several, found by title and number, kept
// in one transaction that one undo takes back.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/OpslagHulp.h"

namespace
{
class Verwijder : public ::testing::Test
{
protected:
    App app;

    void SetUp() override
    {
        ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0);
        voegRijenToe(*app, {{1, "Pump"}, {2, "O'Brien"}, {3, "Valve"}, {4, "Seal"}});
    }
};
} // namespace

TEST_F(Verwijder, EenRequirementGaatOpTitelEnNummerEnKomtTerugMetUndo)
{
    // The title matches without regard to case, and its quote is doubled.
    EXPECT_EQ(app->verwijder(opgeslagen("PUMP", 1)), 0);
    EXPECT_EQ(app->verwijder(opgeslagen("O'Brien", 2)), 0);
    EXPECT_EQ(nummers(*app), "Valve=3,Seal=4");
    // Each delete is its own change: undo brings back the last one only.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "O'Brien=2,Valve=3,Seal=4");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verwijder, EenVerouderdRecordWordtGemeldEnVerwijdertNiets)
{
    // The title of one row with the number of another, and a title gone.
    const Requirement verouderd[] = {opgeslagen("Pump", 3), opgeslagen("Gone", 1)};
    for (const Requirement& rek : verouderd)
    {
        logVanger().wis();
        EXPECT_EQ(app->verwijder(rek), 2);
        EXPECT_TRUE(logVanger().bevat("no longer in the database", wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_TRUE(logVanger().bevat("Nothing was removed.", wxLOG_Error));
    }
    EXPECT_EQ(nummers(*app), "Pump=1,O'Brien=2,Valve=3,Seal=4");
}

TEST_F(Verwijder, EenLijstIsEenWijzigingDieStoptBijDeEersteFout)
{
    RequirementLijst lijst;
    lijst.Add(opgeslagen("Pump", 1));
    lijst.Add(opgeslagen("Valve", 3));
    EXPECT_EQ(app->verwijder(lijst), 0);
    EXPECT_EQ(nummers(*app), "O'Brien=2,Seal=4");
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "Pump=1,O'Brien=2,Valve=3,Seal=4");

    // The second is stale: the first stays deleted, the third is not tried.
    RequirementLijst drie;
    drie.Add(opgeslagen("Pump", 1));
    drie.Add(opgeslagen("Valve", 9));
    drie.Add(opgeslagen("Seal", 4));
    EXPECT_EQ(app->verwijder(drie), 2);
    EXPECT_EQ(nummers(*app), "O'Brien=2,Valve=3,Seal=4");

    // An empty list deletes nothing, but the change before it is committed.
    EXPECT_EQ(app->verwijder(RequirementLijst()), 1);
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "O'Brien=2,Valve=3,Seal=4");
}

TEST(VerwijderAlleenLezen, EenAlleenLezenProjectWeigertMetEenWaarschuwing)
{
    const wxString pad = projectPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{1, "Pump"}});
    ASSERT_EQ(app->openProject(pad, true), 0);

    EXPECT_EQ(app->verwijder(opgeslagen("Pump", 1)), 1);
    EXPECT_TRUE(
        logVanger().bevat("You cannot remove this requirement, because the database is read-only.", wxLOG_Warning));
    RequirementLijst lijst;
    lijst.Add(opgeslagen("Pump", 1));
    EXPECT_EQ(app->verwijder(lijst), 1);
    EXPECT_TRUE(
        logVanger().bevat("You cannot remove these requirements, because the database is read-only.", wxLOG_Warning));
    EXPECT_FALSE(app->handmatigeTransaktieBezig());
    EXPECT_EQ(nummers(*app), "Pump=1");
}
