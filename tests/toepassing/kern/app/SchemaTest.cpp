// Starting a project: its tables made or brought up to date, its one
// configuration row, the views read through, its name and currency, and
// what happens to a project in memory when it closes.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/toepassing/kern/app/KernApp.h"

namespace
{
const wxString euroTekst = wxString("EUR\t\t European Union Euro \t\t") + wxUniChar(0x20AC);

wxArrayString kolommenVan(KernApp& app, const wxString& tabel)
{
    return app.geefKolomNamen(tabel, true);
}

wxString sqlVan(KernApp& app, const wxString& tabel)
{
    const wxArrayString sql =
        app.executeStringKolomQuery("select sql from sqlite_master where name==" + SQLite3Basis::quotes(tabel));
    return sql.empty() ? wxString() : sql[0];
}
} // namespace

TEST(Schema, EenNieuwProjectKrijgtBeideTabellenEnEenKonfiguratieRij)
{
    const wxString pad = projectPad("nieuw.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->openProject(pad), 0); // a second start adds no second row

    const char* namen[] = {"id",
                           "naam",
                           "datum",
                           "auteur",
                           "SR",
                           "versie",
                           "prioriteit",
                           "totaleKosten",
                           "beschrijving",
                           "implementatie",
                           "implementatieIngenieur",
                           "validatie_test",
                           "testLogboek",
                           "testIngenieur",
                           "externeRef",
                           "kommentaar",
                           "aftekenaar",
                           "afgetekendDatum",
                           "SR_ouder",
                           "SR_gerelateerd",
                           "status",
                           "type",
                           "funkType"};
    const wxArrayString kolommen = kolommenVan(*app, "Requirements");
    ASSERT_EQ(kolommen.size(), 23u);
    for (size_t i = 0; i < 23; ++i)
        EXPECT_EQ(kolommen[i], namen[i]) << "column " << i;
    EXPECT_EQ(app->rekKolomNamen, kolommen);
    EXPECT_TRUE(sqlVan(*app, "Requirements").Contains("unique(naam),unique(SR)"));
    EXPECT_EQ(app->rekInsertTekst,
              " (naam,datum,auteur,SR,versie,prioriteit,totaleKosten,beschrijving,implementatie,"
              "implementatieIngenieur,validatie_test,testLogboek,testIngenieur,externeRef,kommentaar,aftekenaar,"
              "afgetekendDatum,SR_ouder,SR_gerelateerd,status,type,funkType) values "
              "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");

    EXPECT_EQ(kolommenVan(*app, "Configuratie"), app->konfKolomNamen);
    EXPECT_EQ(app->tel("select count(*) from Configuratie"), 1);
    EXPECT_EQ(app->geefProjektNaam(), "A new project");
    const DesktopValuta valuta = app->geefProjektValuta();
    EXPECT_EQ(valuta.geefKode(), "EUR");
    EXPECT_EQ(valuta.geefBeschrijving(), " European Union Euro ");
    EXPECT_EQ(valuta.geefSymbool(), wxString(wxUniChar(0x20AC)));

    // A started file project runs in WAL with every change in a manual transaction.
    EXPECT_EQ(app->geefHuidigeJournaalMode(), SQLite3Basis::JournaalWAL);
    EXPECT_TRUE(app->isHandmatigIngeschakeld());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST(Schema, TitelsZijnUniekZonderAchtOpHoofdlettersEnNummersUniek)
{
    App app;
    ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0);
    voegRijenToe(*app, {{1, "Brake"}});
    ASSERT_EQ(app->startTransaktie(), 0);
    EXPECT_EQ(app->executeUpdate("insert into Requirements (SR,naam) values (2,'BRAKE')"), 2);
    EXPECT_EQ(app->executeUpdate("insert into Requirements (SR,naam) values (1,'Steer')"), 2);
    EXPECT_EQ(app->executeUpdate("insert into Requirements (SR,naam) values (2,'Steer')"), 0);
    EXPECT_TRUE(logVanger().bevat("UNIQUE constraint failed", wxLOG_Error));
}

TEST(Schema, EenOuderProjectKrijgtDeOntbrekendeKolommenMetHunStandaard)
{
    const wxString pad = projectPad("oud.vtd");
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
    EXPECT_EQ(kolommenVan(*app, "Requirements").size(), 23u);
    EXPECT_EQ(app->tel("select SR_gerelateerd from Requirements where SR==4"), -1);
    EXPECT_EQ(app->tel("select SR_ouder from Requirements where SR==4"), -1);
    EXPECT_EQ(app->tel("select funkType from Requirements where SR==4"), 0);
    EXPECT_EQ(app->tel("select count(*) from Requirements where versie=='1.0.0'"), 1);
    EXPECT_EQ(app->geefProjektNaam(), "Old project");
    EXPECT_EQ(app->geefProjektValuta().geefKode(), "USD");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST(Schema, EenProjectZonderKonfiguratieRijOpentAlleenLezenZonderFout)
{
    const wxString pad = projectPad("kaal.vtd");
    {
        App app;
        ASSERT_EQ(app->openProject(pad), 0);
        ASSERT_EQ(app->startTransaktie(), 0);
        ASSERT_EQ(app->executeUpdate("delete from Configuratie"), 0);
    }
    App app;
    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(app->geefProjektNaam(), "");
    EXPECT_EQ(app->tel("select count(*) from Configuratie"), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST(Schema, NaamEnValutaVanHetProjectWordenBewaardMetQuotesEnAlles)
{
    const wxString pad = projectPad("p.vtd");
    {
        App app;
        ASSERT_EQ(app->openProject(pad), 0);
        EXPECT_EQ(app->zetProjektNaam("First name"), 0);
        EXPECT_EQ(app->zetProjektNaam("Bob's 100% \"sure\" project"), 0);
        EXPECT_EQ(app->zetProjektValuta(DesktopValuta("GBP", "Pound", wxString(wxUniChar(0xA3)), 1.0f)), 0);
        EXPECT_EQ(app->zetProjektValuta(DesktopValuta("USD", "US Dollar", "$", 1.0f)), 0);
        EXPECT_TRUE(app->handmatigeTransaktieBezig());
        EXPECT_EQ(app->stopDatabase(), 0);
        EXPECT_FALSE(app->handmatigeTransaktieBezig());
    }
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(app->geefProjektNaam(), "Bob's 100% \"sure\" project");
    EXPECT_EQ(app->geefProjektValuta().exportTabVersie(), "USD\t\tUS Dollar\t\t$");
    EXPECT_EQ(app->tel("select count(*) from Configuratie"), 1);

    // An undo takes the newest change back, the one before it stays.
    EXPECT_EQ(app->zetProjektNaam("Renamed"), 0);
    EXPECT_EQ(app->zetProjektNaam("Renamed again"), 0);
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(app->geefProjektNaam(), "Renamed");
}

TEST(Schema, EenAlleenLezenProjectHoudtZijnNaamEnZonderProjectGebeurtNiets)
{
    const wxString pad = projectPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(app->zetProjektNaam("Nope"), 2);
    EXPECT_EQ(app->geefProjektNaam(), "A new project");

    // Without a project there is nothing to start or stop.
    app->sluitDB();
    EXPECT_EQ(app->startDatabase(), 1);
    EXPECT_EQ(app->stopDatabase(), 1);
    EXPECT_EQ(app->geefProjektNaam(), "");
}

TEST(Schema, EenProjectInHetGeheugenVraagtBijHetSluitenOfHetBewaardMoetWorden)
{
    VraagBeantwoorder vragen;
    App app;
    ASSERT_TRUE(app->isMemoryDB());
    ASSERT_EQ(app->startDatabase(), 0);
    EXPECT_EQ(app->geefHuidigeJournaalMode(), SQLite3Basis::JournaalMemory);
    ASSERT_EQ(app->zetProjektNaam("Kept"), 0);

    // Cancel keeps the project open with its change; so does a cancelled file dialog.
    vragen.antwoord(wxCANCEL);
    EXPECT_EQ(app->stopDatabase(), 1);
    EXPECT_TRUE(vragen.isGevraagd("Your current database is a memory database."));
    EXPECT_TRUE(app->handmatigeTransaktieBezig());
    vragen.antwoord(wxYES);
    vragen.kies("");
    EXPECT_EQ(app->stopDatabase(), 5);
    EXPECT_TRUE(app->handmatigeTransaktieBezig());

    // Yes and a file: the project goes on in that file, change included.
    const wxString pad = projectPad("Kept.vtd");
    vragen.antwoord(wxYES);
    vragen.kies(pad);
    EXPECT_EQ(app->stopDatabase(), 0);
    EXPECT_FALSE(app->isMemoryDB());
    EXPECT_EQ(app->geefDBPad().GetFullPath(), pad);
    EXPECT_EQ(app->geefProjektNaam(), "Kept");
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);

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
