// Every kind of change refused as a whole: on a read-only project, and when
// its transaction cannot start (the change before it would not commit, and
// the new one must not slip into that transaction).
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

#include <functional>

namespace
{
struct Wijziging
{
    const char* naam;
    std::function<int(KernApp&)> doe;
    int alleenLezen;                // the result on a read-only project
    const char* alleenLezenMelding; // the start of its warning
};

// The next start of a transaction fails: the change left open cannot be
// committed (a deferred reference to a missing row).
void blokkeerVolgendeStart(KernApp& app)
{
    ASSERT_EQ(app.executeUpdate("create table if not exists Blok (r integer references Requirements(id) "
                                "deferrable initially deferred)"),
              0);
    ASSERT_EQ(app.executeUpdate("pragma foreign_keys=on"), 0);
    ASSERT_EQ(app.startTransaktie(), 0);
    ASSERT_EQ(app.executeUpdate("insert into Blok values (424242)"), 0);
}

// On a project holding a=1, b=2 and e=5.
const Wijziging wijzigingen[] = {
    {"change", [](KernApp& app) { return app.verander(opgeslagen("b", 2), metPrioriteit("b", 2, 9), true); }, 1,
     "You cannot modify this requirement"},
    {"swap", [](KernApp& app) { return app.verwisselSR(opgeslagen("a", 1), opgeslagen("b", 2), true); }, 1,
     "You cannot modify this requirement"},
    {"add", [](KernApp& app) { return app.voegToe(opgeslagen("f", 6)); }, 1, "You cannot add this requirement"},
    {"add list",
     [](KernApp& app) {
         return app.voegToe(lijstVan({opgeslagen("f", 6), opgeslagen("g", 7)}), true);
     },
     1, "You cannot add this requirement"},
    {"delete", [](KernApp& app) { return app.verwijder(opgeslagen("b", 2)); }, 1, "You cannot remove this requirement"},
    {"delete list", [](KernApp& app) { return app.verwijder(lijstVan({opgeslagen("b", 2)})); }, 1,
     "You cannot remove these requirements"},
    {"shift",
     [](KernApp& app) {
         return app.schuifRekNummersOp({1, 5}, 1, true);
     },
     1, "You cannot modify this requirement"},
    {"close gaps", [](KernApp& app) { return app.srStrakTrekken(); }, 1, "You cannot modify this requirement"},
    {"project name", [](KernApp& app) { return app.zetProjektNaam("Renamed"); }, 1,
     "You cannot change the project's name or currency"},
};
} // namespace

TEST(Geweigerd, EenAlleenLezenProjectWeigertElkeWijzigingMetEenWaarschuwing)
{
    const wxString pad = testPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{1, "a"}, {2, "b"}, {5, "e"}});
    ASSERT_EQ(app->openProject(pad, true), 0);
    for (const Wijziging& wijziging : wijzigingen)
    {
        logVanger().wis();
        EXPECT_EQ(wijziging.doe(*app), wijziging.alleenLezen) << wijziging.naam;
        if (wijziging.alleenLezenMelding)
        {
            // One warning, also for a renumbering of many.
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 1u) << wijziging.naam;
            EXPECT_TRUE(logVanger().bevat(
                wxString(wijziging.alleenLezenMelding) + ", because the database is read-only.", wxLOG_Warning))
                << wijziging.naam << ": " << logVanger().geefAlles();
        }
    }
    EXPECT_EQ(nummers(*app), "a=1,b=2,e=5");
    EXPECT_EQ(kolommen(*app, 2, "prioriteit"), "1");
    EXPECT_EQ(app->geefProjektNaam(), "A new project");
    // Nothing was left open for the window to show as a change.
    EXPECT_FALSE(app->rolTerugMogelijk());
}

TEST(Geweigerd, GeenWijzigingZonderEigenTransaktie)
{
    for (const Wijziging& wijziging : wijzigingen)
    {
        App app;
        ASSERT_EQ(app->openProject(testPad(wxString(wijziging.naam) + ".vtd")), 0);
        voegRijenToe(*app, {{1, "a"}, {2, "b"}, {5, "e"}});
        blokkeerVolgendeStart(*app);
        logVanger().wis();

        EXPECT_EQ(wijziging.doe(*app), 2) << wijziging.naam;
        EXPECT_TRUE(
            logVanger().bevat("The previous change could not be committed, so this change was not made.", wxLOG_Error))
            << wijziging.naam;
        // Refused before any statement is tried, so with that one message.
        EXPECT_FALSE(logVanger().bevat("Commit or undo the previous change first.")) << wijziging.naam;
        EXPECT_EQ(nummers(*app), "a=1,b=2,e=5") << wijziging.naam;
        EXPECT_EQ(kolommen(*app, 2, "prioriteit"), "1") << wijziging.naam;
        EXPECT_EQ(app->geefProjektNaam(), "A new project") << wijziging.naam;
        // Undoing the change that would not commit frees the way again.
        EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
        EXPECT_EQ(app->verwijder(opgeslagen("b", 2)), 0) << wijziging.naam;
    }
}
