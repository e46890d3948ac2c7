// Starting a project: its tables made or brought up to date, its one
// configuration row, its name and currency, and what happens to a project
// in memory when it closes.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <string>

using Schema = ProjectTest;

TEST_F(Schema, EenNieuwProjectKrijgtBeideTabellenEnEenKonfiguratieRij)
{
    ASSERT_EQ(app->openProject(pad), 0); // a second start adds no second row
    const wxArrayString kolommen = app->geefKolomNamen("Requirements", true);
    EXPECT_EQ(wxJoin(kolommen, ','),
              "id,naam,datum,auteur,SR,versie,prioriteit,totaleKosten,beschrijving,implementatie,"
              "implementatieIngenieur,validatie_test,testLogboek,testIngenieur,externeRef,"
              "kommentaar,aftekenaar,afgetekendDatum,SR_ouder,SR_gerelateerd,status,type,funkType");
    EXPECT_EQ(app->tel("select count(*) from Configuratie"), 1);
    EXPECT_EQ(app->geefProjektNaam(), "A new project");
    EXPECT_EQ(app->geefProjektValuta().exportTabVersie(),
              wxString("EUR\t\t European Union Euro \t\t") + wxUniChar(0x20AC));
    // A started file project runs in WAL with every change in a manual transaction.
    EXPECT_EQ(app->geefHuidigeJournaalMode(), SQLite3Basis::JournaalWAL);
    EXPECT_TRUE(app->isHandmatigIngeschakeld());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

    // Titles are unique without regard to case, and numbers are unique.
    voegRijenToe(*app, {{1, "Brake"}});
    ASSERT_EQ(app->startTransaktie(), 0);
    EXPECT_EQ(app->executeUpdate("insert into Requirements (SR,naam) values (2,'BRAKE')"), 2);
    EXPECT_EQ(app->executeUpdate("insert into Requirements (SR,naam) values (1,'Steer')"), 2);
    EXPECT_EQ(app->executeUpdate("insert into Requirements (SR,naam) values (2,'Steer')"), 0);
}

TEST(SchemaOud, EenOuderProjectKrijgtDeOntbrekendeKolommenMetHunStandaard)
{
    const wxString pad = testPad("oud.vtd");
    {
        wxSQLite3Database oud;
        oud.Open(pad);
        oud.ExecuteUpdate("create table Requirements (id integer primary key, naam text not null collate nocase, "
                          "SR integer not null, prioriteit integer not null default 1, totaleKosten integer not null "
                          "default 1, status integer default 0, type integer default 0, unique(naam), unique(SR))");
        oud.ExecuteUpdate("insert into Requirements (naam, SR, status) values ('Old one', 4, 2)");
        oud.ExecuteUpdate("create table Configuratie (id integer primary key, naam text, valuta text)");
        oud.ExecuteUpdate("insert into Configuratie (naam, valuta) values ('Old project', 'USD\t\tDollar\t\t$')");
    }
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(app->geefKolomNamen("Requirements", true).size(), 23u);
    // The old row keeps its values; the new columns hold their defaults.
    EXPECT_EQ(kolommen(*app, 4, "SR_ouder,SR_gerelateerd,funkType,versie,status"), "-1|-1|0|1.0.0|2");
    EXPECT_EQ(app->geefProjektNaam(), "Old project");
    EXPECT_EQ(app->geefProjektValuta().geefKode(), "USD");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// A project whose configuration row cannot be made is found before the
// start writes anything: its name and currency would be missing without a
// word. It is shown read-only with the reason, SQLite's text after the
// program's; the file and its journal are as they were.
TEST(SchemaWeigering, EenGeweigerdeKonfiguratieRijWordtAlleenGelezen)
{
    const wxString pad = testPad("weigert.vtd");
    {
        wxSQLite3Database oud;
        oud.Open(pad);
        oud.ExecuteUpdate("create table Requirements (id integer primary key)");
        oud.ExecuteUpdate("create table Configuratie (id integer primary key, naam text)");
        oud.ExecuteUpdate("create trigger weiger before insert on Configuratie begin select raise(abort,'no rows "
                          "here'); end");
    }
    const std::string bytes = leesBytes(pad);
    App app;
    EXPECT_EQ(app->openProject(pad), 0);
    EXPECT_TRUE(app->isAlleenLezenDB());
    EXPECT_TRUE(logVanger().bevat("The table \"Configuratie\" refuses the rows that the program writes into it.\n"
                                  "SQLite3 error: \"no rows here\"",
                                  wxLOG_Warning))
        << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    app->sluitDB();
    EXPECT_TRUE(leesBytes(pad) == bytes);
    EXPECT_TRUE(laatNietsAchter(pad));
}

TEST_F(Schema, EenProjectZonderKonfiguratieRijOpentAlleenLezenZonderFout)
{
    ASSERT_EQ(app->startTransaktie(), 0);
    ASSERT_EQ(app->executeUpdate("delete from Configuratie"), 0);
    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(app->geefProjektNaam(), "");
    EXPECT_EQ(app->tel("select count(*) from Configuratie"), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

    // Without a project there is nothing to start or stop.
    app->sluitDB();
    EXPECT_EQ(app->startDatabase(), 1);
    EXPECT_EQ(app->stopDatabase(), 1);
}

TEST_F(Schema, NaamEnValutaWordenBewaardMetQuotesEnAlles)
{
    EXPECT_EQ(app->zetProjektNaam("First name"), 0);
    EXPECT_EQ(app->zetProjektNaam("Bob's 100% \"sure\" project"), 0);
    EXPECT_EQ(app->zetProjektValuta(DesktopValuta("GBP", "Pound", wxString(wxUniChar(0xA3)), 1.0f)), 0);
    EXPECT_EQ(app->zetProjektValuta(DesktopValuta("USD", "US Dollar", "$", 1.0f)), 0);
    // Each is a change of its own: an undo takes back the newest only.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(app->geefProjektValuta().geefKode(), "GBP");
    EXPECT_EQ(app->zetProjektValuta(DesktopValuta("USD", "US Dollar", "$", 1.0f)), 0);
    EXPECT_EQ(app->stopDatabase(), 0);
    EXPECT_FALSE(app->handmatigeTransaktieBezig());

    App ander;
    ASSERT_EQ(ander->openProject(pad), 0);
    EXPECT_EQ(ander->geefProjektNaam(), "Bob's 100% \"sure\" project");
    EXPECT_EQ(ander->geefProjektValuta().exportTabVersie(), "USD\t\tUS Dollar\t\t$");
    EXPECT_EQ(ander->tel("select count(*) from Configuratie"), 1);
}

TEST(SchemaGeheugen, EenProjectInHetGeheugenVraagtBijHetSluitenOfHetBewaardMoetWorden)
{
    VraagBeantwoorder vragen;
    App app;
    ASSERT_TRUE(app->isMemoryDB());
    ASSERT_EQ(app->startDatabase(), 0);
    ASSERT_EQ(app->zetProjektNaam("Kept v1.0/final"), 0);

    // Cancel keeps the project open with its change; so does a cancelled file dialog.
    vragen.antwoord(wxCANCEL);
    EXPECT_EQ(app->stopDatabase(), 1);
    vragen.antwoord(wxYES);
    vragen.kies("");
    EXPECT_EQ(app->stopDatabase(), 5);
    EXPECT_TRUE(vragen.isGevraagd("Your current database is a memory database."));
    EXPECT_TRUE(app->handmatigeTransaktieBezig());
    // The name proposed reaches into no other folder.
    EXPECT_EQ(vragen.geefVragen().back().naam, "Kept_v1.0_final");

    // Yes and the name proposed: the project goes on in that file, with the
    // extension added after the dot of the version, change included.
    const wxString pad = testPad("Kept_v1.0_final");
    vragen.antwoord(wxYES);
    vragen.kies(pad);
    EXPECT_EQ(app->stopDatabase(), 0);
    EXPECT_EQ(app->geefDBPad().GetFullPath(), pad + ".vtd");
    EXPECT_EQ(app->geefProjektNaam(), "Kept v1.0/final");

    // No: committed and nothing written anywhere.
    app->sluitDB();
    ASSERT_EQ(app->nieuweMemDB(wxString()), 0u);
    ASSERT_EQ(app->startDatabase(), 0);
    ASSERT_EQ(app->zetProjektNaam("Gone"), 0);
    vragen.antwoord(wxNO);
    EXPECT_EQ(app->stopDatabase(), 0);
    EXPECT_FALSE(app->handmatigeTransaktieBezig());
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}
