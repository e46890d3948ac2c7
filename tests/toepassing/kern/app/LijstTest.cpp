// The list as a virtual list reads it: the selection once, then pages of
// rows by number. It must show exactly what the list showed when it was
// read whole through the view RekZicht: the same rows, in the same order,
// with the same two percentages.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

#include <cmath>
#include <filesystem>

namespace
{
using Criteria = VerelTamsoApp::ZoekCriteria;

// The eleven list columns of a record as text, the percentages to the last
// bit of their float.
wxString lijstTekst(const Requirement& rek)
{
    return wxString::Format("%d|%s|%s|%s|%s|%u|%u|%d|%.9g|%.9g|%s", rek.SR, rek.naam, rek.auteur,
                            rek.implementatieIngenieur, rek.testIngenieur, rek.prioriteit, rek.totaleKosten,
                            static_cast<int>(rek.status), rek.werkVerricht, rek.laagFruit,
                            rek.datum.IsValid() ? rek.datum.FormatISODate() : wxString("-"));
}

std::vector<wxString> lijstTeksten(const RequirementLijst& lijst)
{
    std::vector<wxString> teksten;
    for (size_t i = 0; i < lijst.size(); ++i)
        teksten.push_back(lijstTekst(lijst[i]));
    return teksten;
}

// The list as the program read it before it was paged: the view with its
// two sums over the filtered set, queried with the condition and the sort
// clause, on a connection of its own and without the list index, so the
// table gives its rows in its own order.
RequirementLijst zoalsVroeger(KernApp& app, const wxString& pad, const Criteria& criteria)
{
    const wxString V = app.zoekVoorwaarde;
    wxSQLite3Database vroeger;
    vroeger.Open(pad);
    vroeger.Begin();
    vroeger.ExecuteUpdate("drop index RequirementsLijst");
    vroeger.ExecuteUpdate("create temporary view RekZicht as select *,((100.0*(1+status)*prioriteit*totaleKosten)/"
                          "(5*(select total(prioriteit*totaleKosten) from Requirements where " +
                          V +
                          "))) as werkVerricht,((100.0*(4-status)*prioriteit*totaleKosten)/(4*(select "
                          "total(prioriteit*totaleKosten) from Requirements where " +
                          V + "))) as laagFruit from Requirements");
    wxSQLite3Table tabel = vroeger.GetTable(
        "select SR,naam,auteur,implementatieIngenieur,testIngenieur,prioriteit,totaleKosten,status,werkVerricht,"
        "laagFruit,datum from RekZicht where " +
        V + SQLite3Basis::sorteer(VerelTamsoApp::geefDBKolomNaam(criteria.sorteerKolom), criteria.sortering));
    RequirementLijst lijst;
    for (int i = 0; i < tabel.GetRowCount(); ++i)
    {
        tabel.SetRow(i);
        lijst.Add(app.vertaalTabel(tabel, false));
    }
    vroeger.Rollback();
    return lijst;
}

class Lijst : public ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        app->zetHoofdletterGevoeligheid(false);
        app->zetZoektermMoetExactOvereenkomen(false);
        // Forty requirements, added out of number order, with many equal
        // values in every column, priorities of 0, costs of 0 and dates missing.
        voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<40) "
                       "insert into Requirements (SR,naam,auteur,implementatieIngenieur,testIngenieur,aftekenaar,"
                       "prioriteit,totaleKosten,status,type,funkType,datum) "
                       "select (i*17)%41,case i%3 when 0 then 'r' when 1 then 'R' else 'Req ' end||i,"
                       "case i%4 when 0 then 'Ine' when 1 then 'ine' else 'Klaas' end,"
                       "case i%5 when 0 then 'Piet' else null end,'Anna',case i%6 when 0 then 'Jan' else '' end,"
                       "(i*7)%4*25,case i%9 when 0 then 0 else 100*(i%3) end,i%5,i%3,i%4,"
                       "case i%7 when 0 then null else '2025-0'||(1+i%3)||'-1'||(i%2) end from n"});
    }

    LijstSelektie selektie(const Criteria& criteria)
    {
        LijstSelektie uit;
        EXPECT_EQ(app->leesLijstSelektie(criteria, uit), 0);
        return uit;
    }

    // Every row of the selection, read in pages of `grootte`.
    RequirementLijst alleRijen(const LijstSelektie& uit, size_t grootte)
    {
        RequirementLijst lijst;
        for (size_t vanaf = 0; vanaf < uit.geefAantal(); vanaf += grootte)
        {
            RequirementLijst pagina;
            EXPECT_EQ(app->leesLijstPagina(uit, vanaf, grootte, pagina), 0);
            EXPECT_EQ(pagina.size(), std::min(grootte, uit.geefAantal() - vanaf));
            for (size_t i = 0; i < pagina.size(); ++i)
                lijst.Add(pagina[i]);
        }
        return lijst;
    }
};
} // namespace

TEST_F(Lijst, DeGepagineerdeLijstIsDeLijstZoalsHijWasInElkeSorteringEnMetElkFilter)
{
    std::vector<Criteria> gevallen;
    for (unsigned int kolom = 0; kolom < VerelTamsoApp::aantalKolommen; ++kolom)
        for (Sortering richting : {SorteringOplopend, SorteringAflopend})
        {
            Criteria criteria;
            criteria.sorteerKolom = static_cast<VerelTamsoApp::Kolommen>(kolom);
            criteria.sortering = richting;
            gevallen.push_back(criteria);
        }
    auto met = [](VerelTamsoApp::Kolommen kolom, Sortering richting, auto zet)
    {
        Criteria criteria;
        criteria.sorteerKolom = kolom;
        criteria.sortering = richting;
        zet(criteria);
        return criteria;
    };
    gevallen.push_back(met(VerelTamsoApp::KolomTitel, SorteringGeen, [](Criteria&) {}));
    gevallen.push_back(met(VerelTamsoApp::KolomBijdrage, SorteringGeen, [](Criteria&) {}));
    gevallen.push_back(met(VerelTamsoApp::KolomAuteur, SorteringAflopend, [](Criteria& c) { c.zoekTekst = "req 1"; }));
    gevallen.push_back(met(VerelTamsoApp::KolomVoortgang, SorteringOplopend, [](Criteria& c) { c.persoon = "ine"; }));
    gevallen.push_back(met(VerelTamsoApp::KolomBijdrage, SorteringAflopend,
                           [](Criteria& c) { c.status = Requirement::StatusGetest; }));
    gevallen.push_back(met(VerelTamsoApp::KolomKosten, SorteringOplopend,
                           [](Criteria& c)
                           {
                               c.type = Requirement::TypeBusiness;
                               c.funkType = Requirement::FunkTypePrestatie;
                               c.minPrioriteit = 50;
                           }));
    // Only requirements of cost 0: a set without weight has no shares.
    gevallen.push_back(met(VerelTamsoApp::KolomBijdrage, SorteringOplopend, [](Criteria& c) { c.zoekTekst = "r9"; }));
    gevallen.push_back(met(VerelTamsoApp::KolomID, SorteringOplopend, [](Criteria& c) { c.zoekTekst = "nowhere"; }));

    for (const Criteria& criteria : gevallen)
    {
        const LijstSelektie uit = selektie(criteria);
        const RequirementLijst vroeger = zoalsVroeger(*app, pad, criteria);
        const std::vector<wxString> verwacht = lijstTeksten(vroeger);
        const wxString geval =
            wxString::Format("column %d, direction %d, condition ", criteria.sorteerKolom, criteria.sortering) +
            app->zoekVoorwaarde;
        // The pages, at any size, and zoek, built on them.
        EXPECT_EQ(lijstTeksten(alleRijen(uit, 7)), verwacht) << geval;
        EXPECT_EQ(lijstTeksten(alleRijen(uit, 1000)), verwacht) << geval;
        EXPECT_EQ(
            lijstTeksten(app->zoek(criteria.sorteerKolom, criteria.sortering, criteria.zoekTekst, criteria.persoon,
                                   criteria.status, criteria.type, criteria.funkType, criteria.minPrioriteit)),
            verwacht)
            << geval;

        // The figures under the list are those of the listed rows.
        long long kosten = 0;
        double voltooiing = 0.0;
        for (size_t i = 0; i < vroeger.size(); ++i)
        {
            kosten += vroeger[i].totaleKosten;
            voltooiing += vroeger[i].werkVerricht;
        }
        EXPECT_EQ(uit.geefAantal(), vroeger.size()) << geval;
        EXPECT_EQ(uit.kostenSom, kosten) << geval;
        EXPECT_NEAR(uit.voltooiing, voltooiing, 1e-4) << geval;
    }
    // The set of all has work done and work to do; a set without weight has neither.
    EXPECT_GT(selektie(Criteria()).voltooiing, 10.0);
    Criteria zonderGewicht;
    zonderGewicht.zoekTekst = "r9";
    EXPECT_EQ(selektie(zonderGewicht).gewichtSom, 0.0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Lijst, EenPaginaBuitenDeLijstIsLeegEnEenVerouderdeSelektieWordtGemeld)
{
    Criteria alle;
    alle.minPrioriteit = 0;
    const LijstSelektie uit = selektie(alle);
    ASSERT_EQ(uit.geefAantal(), 40u);
    RequirementLijst pagina;
    const struct
    {
        size_t vanaf;
        size_t aantal;
        size_t verwacht;
    } gevallen[] = {{0, 0, 0}, {38, 50, 2}, {40, 10, 0}, {1000, 10, 0}, {5, SIZE_MAX, 35}};
    for (const auto& geval : gevallen)
    {
        EXPECT_EQ(app->leesLijstPagina(uit, geval.vanaf, geval.aantal, pagina), 0);
        EXPECT_EQ(pagina.size(), geval.verwacht) << geval.vanaf << "+" << geval.aantal;
    }

    // A requirement deleted since the selection: the page says the list is
    // stale and gives the rows that are still there, in their order.
    ASSERT_EQ(app->verwijder(app->geefRequirement(uit.nummers[1])), 0);
    EXPECT_EQ(app->leesLijstPagina(uit, 0, 3, pagina), 1);
    EXPECT_EQ(nummers(pagina), (std::vector<int>{uit.nummers[0], uit.nummers[2]}));
}

TEST_F(Lijst, EenFoutIsGeenLegeLijst)
{
    // An empty project is an empty list, and no error.
    ASSERT_EQ(app->openProject(testPad("leeg.vtd")), 0);
    LijstSelektie uit;
    long long aantal = -1;
    long long kosten = -1;
    wxArrayString namen;
    EXPECT_EQ(app->leesLijstSelektie(Criteria(), uit), 0);
    EXPECT_EQ(uit.geefAantal() + uit.kostenSom, 0u);
    EXPECT_EQ(app->leesProjektTotalen(aantal, kosten), 0);
    EXPECT_EQ(aantal + kosten, 0);
    EXPECT_EQ(app->leesAlleWerknemers(namen), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

    // A project that cannot be read is a failure, reported, for every piece.
    ASSERT_EQ(app->openProject(pad), 0);
    const LijstSelektie vorige = selektie(Criteria());
    app->Close();
    RequirementLijst pagina;
    EXPECT_EQ(app->leesLijstSelektie(Criteria(), uit), 2);
    EXPECT_EQ(app->leesLijstPagina(vorige, 0, 10, pagina), 2);
    EXPECT_EQ(app->leesProjektTotalen(aantal, kosten), 2);
    EXPECT_EQ(aantal, -1);
    EXPECT_EQ(app->leesAlleWerknemers(namen), 2);
    EXPECT_EQ(app->geefAantalRequirements(), -1);
    EXPECT_EQ(app->geefTotaleKosten(), -1);
    EXPECT_TRUE(logVanger().bevat("Error reading requirements from the database.", wxLOG_Error));
}

TEST_F(Lijst, DeProjektTotalenEnDePersonenGeldenHetHeleProject)
{
    Criteria criteria;
    criteria.status = Requirement::StatusKlaar;
    ASSERT_EQ(selektie(criteria).geefAantal(), 6u);
    long long aantal = 0;
    long long kosten = 0;
    ASSERT_EQ(app->leesProjektTotalen(aantal, kosten), 0);
    EXPECT_EQ(aantal, 40);
    EXPECT_EQ(kosten, app->tel("select sum(totaleKosten) from Requirements"));
    wxArrayString namen;
    ASSERT_EQ(app->leesAlleWerknemers(namen), 0);
    EXPECT_EQ(wxJoin(namen, ','), "Anna,Ine,Jan,Klaas,Piet,ine");
}

// A project opened anew answers every read through the view at once, not
// only after its first list.
TEST_F(Lijst, HetZichtBestaatVanafDeStart)
{
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(app->bestaatRequirement(app->geefAllen()[0].SR), 0);
    EXPECT_EQ(app->geefAllen().size(), 40u);
    // Before any list the shares are those of the whole project.
    double werk = 0.0;
    const RequirementLijst alle = app->geefAllen();
    for (size_t i = 0; i < alle.size(); ++i)
        werk += alle[i].werkVerricht;
    EXPECT_NEAR(werk, selektie(Criteria()).voltooiing, 1e-3);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// A project opened read-only, made before the list had an index, cannot be
// given one: it lists the same rows, read from the table.
TEST(LijstOud, EenProjectZonderIndexGeeftDezelfdeLijst)
{
    App app;
    const wxString pad = testPad("p.vtd");
    ASSERT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{3, "c", 10, 5, 2}, {1, "a", 20, 5, 4}, {2, "b", 10, 5, 0}});
    Criteria criteria;
    criteria.sorteerKolom = VerelTamsoApp::KolomPrioriteit;
    LijstSelektie metIndex;
    ASSERT_EQ(app->leesLijstSelektie(criteria, metIndex), 0);
    ASSERT_EQ(app->startTransaktie(), 0);
    ASSERT_EQ(app->executeUpdate("drop index RequirementsLijst"), 0);
    ASSERT_EQ(app->stopTransaktie(), 0);

    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(app->tel("select count(*) from sqlite_master where type=='index' and name=='RequirementsLijst'"), 0);
    LijstSelektie zonder;
    ASSERT_EQ(app->leesLijstSelektie(criteria, zonder), 0);
    EXPECT_EQ(zonder.nummers, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(zonder.nummers, metIndex.nummers);
    EXPECT_EQ(zonder.voltooiing, metIndex.voltooiing);
    // Written again, it gets its index back.
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(app->tel("select count(*) from sqlite_master where type=='index' and name=='RequirementsLijst'"), 1);
}

// The totals are counted again after every change: the program's own, its
// undo, a row changed past the layer, another program's commit.
TEST_F(Lijst, DeProjektTotalenVolgenElkeWijziging)
{
    const auto totalen = [this]
    {
        long long aantal = 0;
        long long kosten = 0;
        EXPECT_EQ(app->leesProjektTotalen(aantal, kosten), 0);
        EXPECT_EQ(kosten, app->tel("select total(totaleKosten) from Requirements"));
        return aantal;
    };
    EXPECT_EQ(totalen(), 40);
    voegRijenToe(*app, {{100, "new", 1, 7000}});
    EXPECT_EQ(totalen(), 41);
    ASSERT_EQ(app->startTransaktie(), 0);
    ASSERT_EQ(app->executeUpdate("delete from Requirements where SR==100"), 0);
    EXPECT_EQ(totalen(), 40);
    ASSERT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(totalen(), 41);
    ASSERT_EQ(app->stopTransaktie(), 0);
    wxSQLite3Database ander;
    ander.Open(pad);
    ander.ExecuteUpdate("update Requirements set totaleKosten=5 where SR==100");
    EXPECT_EQ(totalen(), 41);
    ander.ExecuteUpdate("delete from Requirements where SR<10");
    ander.Close();
    EXPECT_EQ(totalen(), 41 - 9);
}

// A project whose list index led with the priority: opened read-only it
// lists the same rows and its file stays as it was to the byte; its first
// writable start puts the one index led by the number in its place.
TEST(LijstOud, DeOudeIndexWordtVervangenMaarNietAlleenLezend)
{
    App app;
    const wxString pad = testPad("p.vtd");
    ASSERT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{3, "c", 10, 5, 2}, {1, "a", 20, 5, 4}, {2, "b", 10, 5, 0}});
    const wxString indexen = "select count(*) from sqlite_master where type=='index'";
    const wxString eerste = "select count(*) from pragma_index_info('RequirementsLijst') where seqno==0 and name==";
    const long long aantalIndexen = app->tel(indexen);
    EXPECT_EQ(app->tel(eerste + "'SR'"), 1);
    voerUit(*app, {"drop index RequirementsLijst",
                   "create index RequirementsLijst on Requirements (prioriteit,status,type,funkType,totaleKosten,SR,"
                   "naam,auteur,implementatieIngenieur,testIngenieur,aftekenaar,datum)"});
    app->sluitDB();
    const std::string bytes = leesBytes(pad);
    const auto tijd = std::filesystem::last_write_time(pad.utf8_string());

    Criteria criteria;
    criteria.sortering = SorteringAflopend;
    ASSERT_EQ(app->openProject(pad, true), 0);
    LijstSelektie uit;
    ASSERT_EQ(app->leesLijstSelektie(criteria, uit), 0);
    EXPECT_EQ(uit.nummers, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(app->tel(eerste + "'prioriteit'"), 1);
    app->sluitDB();
    EXPECT_EQ(leesBytes(pad), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(pad.utf8_string()), tijd);

    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(app->tel(eerste + "'SR'"), 1);
    EXPECT_EQ(app->tel(indexen), aantalIndexen);
    ASSERT_EQ(app->leesLijstSelektie(criteria, uit), 0);
    EXPECT_EQ(uit.nummers, (std::vector<int>{3, 2, 1}));
}
