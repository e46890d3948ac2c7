// Safe operation: a series of changes under one savepoint, kept or dropped
// as a whole.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/ResidentGeheugen.h"

#include <algorithm>
#include <wx/app.h>
#include <wx/regex.h>

namespace
{
class Veilig : public ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        voegRijenToe(*app, {{1, "Pump"}, {2, "Valve"}});
    }

    // One user command of the window: its own change of a priority.
    void zetPrioriteit(const char* naam, int SR, unsigned int prioriteit)
    {
        ASSERT_EQ(app->verander(opgeslagen(naam, SR), metPrioriteit(naam, SR, prioriteit), true), 0);
    }
};
} // namespace

TEST_F(Veilig, TerugrollenBrengtHetProjectTerugZoalsHetBijHetBeginWas)
{
    zetPrioriteit("Pump", 1, 10); // still open when safe operation begins: committed then
    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    EXPECT_TRUE(app->isSavePointBezig());
    EXPECT_TRUE(wxRegEx("safe mode was enabled on: [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.")
                    .Matches(logVanger().geefAlles()))
        << logVanger().geefAlles();

    zetPrioriteit("Valve", 2, 20);
    // Switched on again halfway: the rollback still goes back to the beginning.
    EXPECT_EQ(app->schakelSafePoint(StandAan), 0);
    ASSERT_EQ(app->verwijder(opgeslagen("Pump", 1)), 0);
    ASSERT_EQ(app->schuifRekNummersOp({2, 2}, 5, true), 0);
    ASSERT_EQ(app->voegToe(opgeslagen("New", 3)), 0);
    EXPECT_EQ(nummers(*app), "New=3,Valve=7");
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 0);
    EXPECT_EQ(nummers(*app), "Pump=1,Valve=2");
    EXPECT_EQ(kolommen(*app, 1, "prioriteit") + "|" + kolommen(*app, 2, "prioriteit"), "10|1");

    // Still on: what follows can be rolled back again.
    EXPECT_TRUE(app->isSavePointBezig());
    zetPrioriteit("Valve", 2, 30);
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 0);
    EXPECT_EQ(kolommen(*app, 2, "prioriteit"), "1");
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

    // Every other state switches off too, also when safe operation was not on.
    for (const Stand stand : {StandUit, StandOm, StandOnbekend})
    {
        zetPrioriteit("Pump", 1, 40 + stand); // an open change is committed
        EXPECT_EQ(app->schakelSafePoint(stand), 0) << stand;
        EXPECT_FALSE(app->rolTerugMogelijk());
        ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
        EXPECT_EQ(app->schakelSafePoint(stand), 0) << stand;
        EXPECT_FALSE(app->isSavePointBezig());
        EXPECT_TRUE(app->isHandmatigIngeschakeld());
    }

    // Outside safe operation there is nothing to roll back to.
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 2);
    EXPECT_TRUE(
        logVanger().bevat("Error in database safe mode rollback. Please save and exit the database now.", wxLOG_Error));
}

// A long description edited 40 times under safe operation: what the layer
// keeps to put the open changes back after a commit that a full disk
// refused stays bounded, and the record of a few goes with their commit,
// back to the system. What the allocator kept for the edits goes back at
// the first quiet moment after them.
TEST_F(Veilig, VeertigGroteBewerkingenHoudenHetGeheugenBeperkt)
{
    const long long begin = geefResidentGeheugen();
    Requirement oud = opgeslagen("Pump", 1);
    const auto bewerk = [&](int keer)
    {
        Requirement nieuw = oud;
        nieuw.beschrijving = wxString(static_cast<wxChar>('a' + keer % 26), 1024 * 1024);
        ASSERT_EQ(app->verander(oud, nieuw, true), 0);
        oud = nieuw;
    };
    const auto groeiBij = [&](int aantal)
    {
        EXPECT_EQ(app->schakelSafePoint(StandAan), 0);
        bewerk(0); // what every edit reuses: SQLite's cache, the statements
        const long long voor = geefResidentGeheugen();
        long long groei = 0;
        for (int keer = 1; keer <= aantal; ++keer)
        {
            bewerk(keer);
            groei = std::max(groei, geefResidentGeheugen() - voor);
        }
        EXPECT_EQ(app->schakelSafePoint(StandUit), 0);
        return std::make_pair(groei, geefResidentGeheugen() - voor);
    };
    const long long veertig = groeiBij(40).first;
    const auto [groei, daarna] = groeiBij(10);
    if (!isResidentGeheugenTeMeten)
        GTEST_SKIP() << "the sanitizer holds freed memory";
    EXPECT_LT(veertig, 96LL * 1024 * 1024);
    EXPECT_GT(groei, 8LL * 1024 * 1024);
    EXPECT_LT(daarna, 2LL * 1024 * 1024);

    const auto rustTijd = GeheugenTeruggave::zetRustTijd(std::chrono::milliseconds(0));
    // Beside the runner's, the application object hears of idle time as the
    // program's event loop tells it.
    wxIdleEvent rust;
    app->ProcessEvent(rust);
    verwerkGebeurtenissen();
    GeheugenTeruggave::zetRustTijd(rustTijd);
    EXPECT_LT(geefResidentGeheugen() - begin, 8LL * 1024 * 1024);
}
