// Safe operation: a series of changes under one savepoint, kept or dropped
// as a whole.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/OpslagHulp.h"

#include <wx/regex.h>

namespace
{
class Veilig : public ::testing::Test
{
protected:
    const wxString pad = projectPad("p.vtd");
    App app;

    void SetUp() override
    {
        ASSERT_EQ(app->openProject(pad), 0);
        voegRijenToe(*app, {{1, "Pump"}, {2, "Valve"}});
    }

    // One user command of the window: its own change of a priority.
    void zetPrioriteit(const char* naam, int SR, unsigned int prioriteit)
    {
        Requirement oud = opgeslagen(naam, SR);
        Requirement nieuw = oud;
        nieuw.prioriteit = prioriteit;
        ASSERT_EQ(app->verander(oud, nieuw, true), 0);
    }
};
} // namespace

TEST_F(Veilig, TerugrollenBrengtHetProjectTerugZoalsHetBijHetBeginWas)
{
    zetPrioriteit("Pump", 1, 10); // still open when safe operation begins: committed then
    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    EXPECT_TRUE(app->isSavePointBezig());
    EXPECT_EQ(app->geefAchtergrondKleur(), app->savePointAchtergrondKleur);
    bool gemeld = false;
    for (const LogVanger::Regel& regel : logVanger().geefRegels())
        gemeld |= regel.niveau == wxLOG_Message &&
                  wxRegEx("^safe mode was enabled on: [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.$")
                      .Matches(regel.tekst);
    EXPECT_TRUE(gemeld) << logVanger().geefAlles();
    // Switching on again sets no second savepoint.
    EXPECT_EQ(app->schakelSafePoint(StandAan), 0);

    zetPrioriteit("Valve", 2, 20);
    ASSERT_EQ(app->verwijder(opgeslagen("Pump", 1)), 0);
    ASSERT_EQ(app->schuifRekNummersOp({2, 2}, 5, true), 0);
    EXPECT_EQ(nummers(*app), "Valve=7");
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 0);
    EXPECT_EQ(nummers(*app), "Pump=1,Valve=2");
    EXPECT_EQ(kolom(*app, 1, "prioriteit"), "10");
    EXPECT_EQ(kolom(*app, 2, "prioriteit"), "1");

    // Still on: what follows can be rolled back again.
    EXPECT_TRUE(app->isSavePointBezig());
    zetPrioriteit("Valve", 2, 30);
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 0);
    EXPECT_EQ(kolom(*app, 2, "prioriteit"), "1");
    EXPECT_EQ(app->schakelSafePoint(StandUit), 0);
    EXPECT_TRUE(app->isHandmatigIngeschakeld());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Veilig, UitschakelenMaaktAlleWijzigingenInEenKeerBlijvend)
{
    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    zetPrioriteit("Pump", 1, 10);
    zetPrioriteit("Valve", 2, 20);
    EXPECT_EQ(app->schakelSafePoint(StandUit), 0);
    EXPECT_FALSE(app->isSavePointBezig());
    EXPECT_TRUE(app->isHandmatigIngeschakeld());
    EXPECT_FALSE(app->rolTerugMogelijk());

    // Another connection sees them: they are committed.
    wxSQLite3Database ander;
    ander.Open(pad);
    EXPECT_EQ(ander.ExecuteScalar("select sum(prioriteit) from Requirements"), 30);
}

TEST_F(Veilig, ElkeAndereStandSchakeltUitOokAlsHijNietAanStond)
{
    for (const Stand stand : {StandUit, StandOm, StandOnbekend})
    {
        zetPrioriteit("Pump", 1, 40 + stand); // an open change is committed
        EXPECT_EQ(app->schakelSafePoint(stand), 0) << stand;
        EXPECT_TRUE(app->isHandmatigIngeschakeld());
        EXPECT_FALSE(app->rolTerugMogelijk());

        ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
        EXPECT_EQ(app->schakelSafePoint(stand), 0) << stand;
        EXPECT_FALSE(app->isSavePointBezig());
    }
}

TEST_F(Veilig, TerugrollenZonderVeiligeModusMeldtEenFout)
{
    // Manual transactions with nothing open: nothing to roll back.
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 2);
    EXPECT_TRUE(
        logVanger().bevat("Error in database safe mode rollback. Please save and exit the database now.", wxLOG_Error));
    // Outside manual transactions the rollback does not apply.
    ASSERT_EQ(app->schakelHandmatigeTransaktie(StandUit, wxString()), 0);
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 3);
}
