// The newest change stays open for its undo until the next change. A
// command that changes nothing must leave it open: were it to start its own
// transaction, the user's change would be committed and its undo lost.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

#include <functional>

TEST(OpenWijziging, EenOpdrachtDieNietsDoetLaatDeOpenWijzigingOpen)
{
    App app;
    ASSERT_EQ(app->openProject(testPad("p.vtd")), 0);
    voegRijenToe(*app, {{1, "Pump"}, {2, "Valve"}, {3, "Lamp"}});
    KernApp& a = *app;
    const struct
    {
        const char* opdracht;
        std::function<int()> voerUit;
    } gevallen[] = {
        {"delete an empty list", [&] { return a.verwijder(RequirementLijst()); }},
        {"delete a stale record", [&] { return a.verwijder(opgeslagen("Pump", 9)); }},
        {"delete a list with a stale record",
         [&] {
             return a.verwijder(lijstVan({opgeslagen("Valve", 2), opgeslagen("Gone", 4)}));
         }},
        {"change a stale record", [&] { return a.verander(opgeslagen("Gone", 4), metPrioriteit("Gone", 4, 9), true); }},
        {"change nothing", [&] { return a.verander(opgeslagen("Valve", 2), opgeslagen("Valve", 2), true); }},
        {"swap a number with itself",
         [&] { return a.verwisselSR(opgeslagen("Valve", 2), opgeslagen("Valve", 2), true); }},
        {"swap with a stale record",
         [&] { return a.verwisselSR(opgeslagen("Valve", 2), opgeslagen("Gone", 4), true); }},
        {"add what exists", [&] { return a.voegToe(opgeslagen("pump", 7)); }},
        {"add a list of what exists",
         [&] {
             return a.voegToe(lijstVan({opgeslagen("Pump", 8), opgeslagen("Other", 2)}), true);
         }},
        {"close gaps where there are none", [&] { return a.srStrakTrekken(); }},
        {"shift an empty range",
         [&] {
             return a.schuifRekNummersOp({5, 4}, 1, true);
         }},
        {"shift a range without requirements",
         [&] {
             return a.schuifRekNummersOp({5, 9}, 1, true);
         }},
        {"shift by nothing",
         [&] {
             return a.schuifRekNummersOp({1, 3}, 0, true);
         }},
        {"shift onto a number in use",
         [&] {
             return a.schuifRekNummersOp({1, 2}, 1, true);
         }},
    };
    for (const auto& geval : gevallen)
    {
        ASSERT_EQ(a.verander(opgeslagen("Lamp", 3), metPrioriteit("Lamp", 3, 60), true), 0);
        EXPECT_NE(geval.voerUit(), 0) << geval.opdracht;
        EXPECT_EQ(nummers(a), "Pump=1,Valve=2,Lamp=3") << geval.opdracht;
        // The undo still takes back the user's change.
        EXPECT_EQ(a.rolTerugTransaktie(wxString()), 0) << geval.opdracht;
        EXPECT_EQ(kolommen(a, 3, "prioriteit"), "1") << geval.opdracht;
    }
}
