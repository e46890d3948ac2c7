// Save as, backup copies, a new database and moving the project file: no
// work is ever lost, and what fails leaves the project as it was.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/app/ProjectApp.h"

#include <wx/filefn.h>

namespace
{
class AppBestand : public ::testing::Test
{
protected:
    const wxString pad = testPad("p.vtd");
    const wxString opgeslagen = testPad("opgeslagen.vtd");
    VraagBeantwoorder vragen;

    // A started project in memory with two changes, the last still open.
    void geheugenProject(App& app)
    {
        ASSERT_EQ(app->startDatabase(), 0);
        ASSERT_EQ(app->verander("een"), 0);
        ASSERT_EQ(app->verander("twee"), 0);
    }

    // A started project in a file, opened as the window does.
    void bestandProject(App& app, bool alleenLezen = false)
    {
        if (app->isDBOpen())
            vragen.antwoord(wxYES);
        ASSERT_EQ(app->openDB(wxFileName(pad), alleenLezen, ""), 0u);
        ASSERT_EQ(app->startDatabase(), 0);
    }
};
} // namespace

TEST_F(AppBestand, NaOpslaanAlsVanEenGeheugenProjectKomtElkeWijzigingInHetBestand)
{
    App app;
    geheugenProject(app);
    // The name is typed without extension; the project extension is added.
    ASSERT_EQ(app->slaOpAls(wxFileName(testPad("opgeslagen")), true), 0u);
    EXPECT_FALSE(app->isMemoryDB());
    EXPECT_EQ(app->geefDBPad().GetFullPath(), opgeslagen);
    EXPECT_EQ(app->aantalStarts, 2);
    EXPECT_TRUE(app->isHandmatigIngeschakeld());
    ASSERT_EQ(app->verander("drie"), 0);
    ASSERT_EQ(app->verander("vier"), 0);
    EXPECT_EQ(app->stopDatabase(), 0);
    app.beeindig();
    EXPECT_EQ(rijenIn(opgeslagen), 4);
    EXPECT_EQ(inBestand(opgeslagen, "pragma journal_mode"), "wal");

    // The next start opens the saved project.
    App volgende;
    EXPECT_EQ(volgende->geefDBPad().GetFullPath(), opgeslagen);
    EXPECT_EQ(volgende->tel(), 4);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(AppBestand, OpslaanAlsVanEenBestandProjectVraagtOfHetVerderGaatInDeKopie)
{
    maakProjectBestand(pad, {"een"});
    App app;
    bestandProject(app);
    ASSERT_EQ(app->verander("twee"), 0);

    // No: a copy only; the project goes on where it was.
    vragen.antwoord(wxNO);
    ASSERT_EQ(app->slaOpAls(wxFileName(opgeslagen), true), 0u);
    EXPECT_TRUE(
        vragen.isGevraagd("Database \"opgeslagen\" \nDo you want to set this database location as the default"));
    EXPECT_EQ(app->geefDBPad().GetFullPath(), pad);
    EXPECT_EQ(rijenIn(opgeslagen), 2);
    ASSERT_EQ(app->verander("drie"), 0);

    // Yes, over the copy made before: asked first, then the project goes on there.
    vragen.antwoord(wxYES);
    vragen.antwoord(wxYES);
    ASSERT_EQ(app->slaOpAls(wxFileName(opgeslagen), true), 0u);
    EXPECT_TRUE(vragen.isGevraagd("already exists.\nDo you want to replace it?"));
    EXPECT_EQ(app->geefDBPad().GetFullPath(), opgeslagen);
    ASSERT_EQ(app->verander("vier"), 0);
    app.beeindig();
    EXPECT_EQ(rijenIn(opgeslagen), 4);
    EXPECT_EQ(rijenIn(pad), 3);
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}

// Save as that does not go through: declined over an existing file, a target
// that cannot be one, the open file itself, or safe operation. Nothing is
// written and the project goes on as it was, its open change included.
TEST_F(AppBestand, OpslaanAlsDatNietDoorgaatLaatHetProjectZoalsHetWas)
{
    maakProjectBestand(opgeslagen, {"ander project"});
    const std::string voor = leesBytes(opgeslagen);
    schrijfBytes(testPad("brief.txt"), "geen project");
    schrijfBytes(testPad("brief.vtd"), "geen project");
    wxMkdir(testPad("map.vtd"));
    App app;
    geheugenProject(app);
    // "opgeslagen.txt" becomes "opgeslagen.vtd", which exists: asked first.
    vragen.antwoord(wxNO);
    EXPECT_EQ(app->slaOpAls(wxFileName(testPad("opgeslagen.txt")), true), 1u);
    EXPECT_TRUE(vragen.isGevraagd("The file \"" + opgeslagen + "\" already exists."));
    EXPECT_EQ(leesBytes(opgeslagen), voor);
    EXPECT_FALSE(wxFileExists(testPad("opgeslagen.txt")));
    for (const char* doel : {"nergens/x", "brief.txt/x", "map", "brief"})
    {
        logVanger().wis();
        EXPECT_EQ(app->slaOpAls(wxFileName(testPad(doel)), true), 2u) << doel;
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
    }
    EXPECT_EQ(leesBytes(testPad("brief.vtd")), "geen project");
    EXPECT_FALSE(wxFileExists(testPad("x.vtd")));
    EXPECT_TRUE(app->isMemoryDB());
    EXPECT_TRUE(app->rolTerugMogelijk());
    EXPECT_EQ(app->tel(), 2);

    maakProjectBestand(pad, {"een"});
    bestandProject(app);
    vragen.antwoord(wxOK);
    EXPECT_EQ(app->slaOpAls(wxFileName(pad), true), 1u);
    EXPECT_TRUE(vragen.isGevraagd("You cannot back up the database to the file your current database is based on."));
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);

    // Under safe operation: refused at once, never waiting for the savepoint.
    ASSERT_EQ(app->schakelHandmatigeTransaktie(StandAan, "VerelTamsoSafePoint"), 0);
    ASSERT_EQ(app->verander("veilig"), 0);
    EXPECT_EQ(app->slaOpAls(wxFileName(testPad("veilig")), true), 2u);
    EXPECT_TRUE(logVanger().bevat("cannot be saved or moved while safe operation is active.", wxLOG_Error));
    EXPECT_FALSE(wxFileExists(testPad("veilig.vtd")));
    EXPECT_EQ(app->rolTerugTransaktie("VerelTamsoSafePoint"), 0);
    EXPECT_EQ(app->tel(), 1);
}

TEST_F(AppBestand, VerplaatsenNeemtOokHetLogMee)
{
    maakProjectBestand(pad, {"een"});
    App app;
    bestandProject(app);
    ASSERT_EQ(app->verander("twee"), 0);
    ASSERT_EQ(app->stopTransaktie(), 0);
    ASSERT_EQ(app->verander("drie"), 0);
    ASSERT_TRUE(wxFileExists(pad + "-wal"));

    // In WAL the network warning comes first; no stops the move.
    const wxString nieuw = testPad("verplaatst.vtd");
    vragen.kies(testPad("verplaatst"));
    vragen.antwoord(wxNO);
    EXPECT_EQ(app->verplaatsDB(), 1u);
    EXPECT_TRUE(vragen.isGevraagd("Your database is using a journalling mechanism that does not work on a network"));
    EXPECT_TRUE(wxFileExists(pad));

    vragen.kies(testPad("verplaatst"));
    vragen.antwoord(wxYES);
    ASSERT_EQ(app->verplaatsDB(), 0u);
    EXPECT_EQ(app->geefDBPad().GetFullPath(), nieuw);
    for (const char* bij : {"", "-wal", "-shm"})
        EXPECT_FALSE(wxFileExists(pad + bij)) << bij;
    EXPECT_EQ(app->startDatabase(), 0);
    EXPECT_EQ(app->tel(), 3);
    ASSERT_EQ(app->verander("vier"), 0);
    app.beeindig();
    EXPECT_FALSE(wxFileExists(nieuw + "-wal"));
    EXPECT_EQ(rijenIn(nieuw), 4);
}

TEST_F(AppBestand, EenAlleenLezenProjectVerhuistMetWatNogInZijnLogStaat)
{
    // A project left with committed changes in its log, as after a crash.
    const wxString bron = testPad("bron.vtd");
    maakProjectBestand(bron, {"een"});
    {
        wxSQLite3Database schrijver;
        schrijver.Open(bron);
        schrijver.ExecuteUpdate("pragma journal_mode=WAL");
        schrijver.ExecuteUpdate("pragma wal_autocheckpoint=0");
        schrijver.ExecuteUpdate("insert into T (naam) values ('in het log')");
        ASSERT_TRUE(wxCopyFile(bron, pad));
        ASSERT_TRUE(wxCopyFile(bron + "-wal", pad + "-wal"));
    }
    App app;
    bestandProject(app, true);
    EXPECT_EQ(app->tel(), 2);

    const wxString nieuw = testPad("verplaatst.vtd");
    vragen.kies(nieuw);
    vragen.antwoord(wxYES);
    ASSERT_EQ(app->verplaatsDB(), 0u);
    EXPECT_TRUE(app->isAlleenLezenDB());
    for (const char* bij : {"", "-wal", "-shm"})
        EXPECT_FALSE(wxFileExists(pad + bij)) << bij;
    EXPECT_EQ(app->tel(), 2);
    // The moved file holds the logged change by itself.
    ASSERT_TRUE(wxCopyFile(nieuw, testPad("alleen.vtd")));
    EXPECT_EQ(rijenIn(testPad("alleen.vtd")), 2);
}

TEST_F(AppBestand, EenBeschadigdProjectVerhuistZoalsHetLigtMetZijnLog)
{
    // Another program's commit still in the log of a file whose index
    // does not match its table.
    const wxString bron = testPad("bron.vtd");
    maakProjectBestand(bron, {"een", "twee"},
                       {"create index I on T (naam)", "pragma writable_schema=1",
                        "update sqlite_master set sql='CREATE INDEX I ON T (getal)' where name=='I'"});
    {
        wxSQLite3Database ander;
        ander.Open(bron);
        ander.ExecuteUpdate("pragma journal_mode=WAL");
        ander.ExecuteUpdate("pragma wal_autocheckpoint=0");
        ander.ExecuteUpdate("insert into T (naam) values ('van een ander')");
        ASSERT_TRUE(wxCopyFile(bron, pad));
        ASSERT_TRUE(wxCopyFile(bron + "-wal", pad + "-wal"));
    }
    const std::string bestand = leesBytes(pad);
    const std::string log = leesBytes(pad + "-wal");
    App app;
    vragen.antwoord(wxYES);
    ASSERT_EQ(app->openDB(wxFileName(pad), false, ""), 0u);
    ASSERT_EQ(app->controleerBestand(), 2);
    ASSERT_TRUE(app->isBeschadigd());

    const wxString nieuw = testPad("verplaatst.vtd");
    vragen.kies(nieuw);
    vragen.antwoord(wxYES);
    ASSERT_EQ(app->verplaatsDB(), 0u);
    EXPECT_TRUE(app->isAlleenLezenDB());
    EXPECT_FALSE(wxFileExists(pad));
    app.beeindig();
    EXPECT_TRUE(leesBytes(nieuw) == bestand);
    EXPECT_TRUE(leesBytes(nieuw + "-wal") == log);
}

TEST_F(AppBestand, EenMisluktVerplaatsenLaatHetProjectWaarHetWas)
{
    maakProjectBestand(pad, {"een"});
    schrijfBytes(testPad("brief.vtd"), "geen project");
    wxMkdir(testPad("map.vtd"));
    App app;
    bestandProject(app);
    ASSERT_EQ(app->verander("twee"), 0);

    vragen.kies(pad);
    vragen.antwoord(wxOK);
    EXPECT_EQ(app->verplaatsDB(), 5u);
    EXPECT_TRUE(vragen.isGevraagd("You cannot move the database to the file your current database is based on."));
    for (const char* doel : {"nergens/x.vtd", "brief.vtd/x.vtd", "map.vtd", "brief.vtd"})
    {
        logVanger().wis();
        vragen.kies(testPad(doel));
        EXPECT_EQ(app->verplaatsDB(), 2u) << doel;
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
    }
    // Still the started project, its open change included.
    EXPECT_EQ(app->geefDBPad().GetFullPath(), pad);
    EXPECT_TRUE(app->rolTerugMogelijk());
    EXPECT_EQ(app->tel(), 2);
    EXPECT_EQ(leesBytes(testPad("brief.vtd")), "geen project");

    // Nothing to move in memory or without a project.
    app->sluitDB();
    EXPECT_EQ(app->verplaatsDB(), 2u);
    EXPECT_TRUE(logVanger().bevat("because no database is active.", wxLOG_Error));
    EXPECT_EQ(app->nieuweMemDB(""), 0u);
    EXPECT_EQ(app->verplaatsDB(), 2u);
    EXPECT_TRUE(logVanger().bevat("because the database resides in memory.", wxLOG_Error));
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}
