// A change whose transaction cannot start is not made: the change before it
// would not commit, and the new one must not slip into its transaction.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/OpslagHulp.h"

#include <functional>

TEST(Geblokkeerd, GeenWijzigingZonderEigenTransaktie)
{
    const std::pair<const char*, std::function<int(KernApp&)>> wijzigingen[] = {
        {"change",
         [](KernApp& app)
         {
             Requirement nieuw = opgeslagen("b", 2);
             nieuw.prioriteit = 9;
             return app.verander(opgeslagen("b", 2), nieuw, true);
         }},
        {"swap", [](KernApp& app) { return app.verwisselSR(opgeslagen("a", 1), opgeslagen("b", 2), true); }},
        {"add", [](KernApp& app) { return app.voegToe(opgeslagen("f", 6)); }},
        {"add list",
         [](KernApp& app)
         {
             RequirementLijst lijst;
             lijst.Add(opgeslagen("f", 6));
             lijst.Add(opgeslagen("g", 7));
             return app.voegToe(lijst, true);
         }},
        {"delete", [](KernApp& app) { return app.verwijder(opgeslagen("b", 2)); }},
        {"delete list",
         [](KernApp& app)
         {
             RequirementLijst lijst;
             lijst.Add(opgeslagen("b", 2));
             return app.verwijder(lijst);
         }},
        {"shift",
         [](KernApp& app) {
             return app.schuifRekNummersOp({1, 5}, 1, true);
         }},
        {"close gaps", [](KernApp& app) { return app.srStrakTrekken(); }},
    };
    for (const auto& [naam, wijziging] : wijzigingen)
    {
        App app;
        ASSERT_EQ(app->openProject(projectPad(wxString(naam) + ".vtd")), 0);
        voegRijenToe(*app, {{1, "a"}, {2, "b"}, {5, "e"}});
        blokkeerVolgendeStart(*app);
        logVanger().wis();

        EXPECT_EQ(wijziging(*app), 2) << naam;
        EXPECT_TRUE(logVanger().bevat("The previous change could not be committed.", wxLOG_Error)) << naam;
        EXPECT_EQ(nummers(*app), "a=1,b=2,e=5") << naam;
        EXPECT_EQ(kolom(*app, 2, "prioriteit"), "1") << naam;
        // Undoing the change that would not commit frees the way again.
        EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
        EXPECT_EQ(app->verwijder(opgeslagen("b", 2)), 0) << naam;
    }
}
