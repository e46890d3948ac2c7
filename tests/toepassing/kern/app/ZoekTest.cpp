// The list query: the filters of the main window, the sort order, each
// requirement's share of the weight of the listed set, and the figures
// shown under the list.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

namespace
{
const auto S = Requirement::StatusAlle;
const auto T = Requirement::TypeAlle;
const auto F = Requirement::FunkTypeAlle;

class Zoek : public ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        // As the main window's search options start: without regard to case, anywhere in the text.
        app->zetHoofdletterGevoeligheid(false);
        app->zetZoektermMoetExactOvereenkomen(false);
        // Weights (priority times cost) 24000, 2000 and 10000 at status 0, 4 and 2.
        voerUit(*app,
                {"insert into Requirements (SR,naam,auteur,testIngenieur,prioriteit,totaleKosten,status,type,funkType,"
                 "beschrijving) values (1,'Brake within 2 s','Ine','Klaas',80,300,0,1,0,'<b>ABS</b> pump')",
                 "insert into Requirements (SR,naam,auteur,implementatieIngenieur,prioriteit,totaleKosten,status,type,"
                 "funkType) values (2,'Bob''s 100% sure steering','klaas','Piet',20,100,4,2,1)",
                 "insert into Requirements (SR,naam,aftekenaar,testIngenieur,prioriteit,totaleKosten,status,type,"
                 "funkType,datum) values (3,'Lights_on','Ine','',50,200,2,0,3,'2024-05-01')"});
    }

    RequirementLijst zoek(const wxString& tekst, const wxString& persoon = wxString(), Requirement::Status status = S,
                          Requirement::Type type = T, Requirement::FunkType funkType = F,
                          unsigned int minPrioriteit = 1)
    {
        return app->zoek(VerelTamsoApp::KolomID, SorteringOplopend, tekst, persoon, status, type, funkType,
                         minPrioriteit);
    }
};
} // namespace

TEST_F(Zoek, ElkFilterBeperktDeLijst)
{
    const struct
    {
        const char* tekst;
        const char* persoon;
        Requirement::Status status;
        Requirement::Type type;
        Requirement::FunkType funkType;
        unsigned int minPrioriteit;
        std::vector<int> verwacht;
    } gevallen[] = {
        {"", "", S, T, F, 1, {1, 2, 3}},
        // Text in any column, rich text and dates included ...
        {"abs", "", S, T, F, 1, {1}},
        {"2024-05", "", S, T, F, 1, {3}},
        // ... but not below the minimum priority, also one above 2^31.
        {"abs", "", S, T, F, 81, {}},
        {"", "", S, T, F, 50, {1, 3}},
        {"", "", S, T, F, 3000000000u, {}},
        // Quotes and percent signs are what they are.
        {"Bob's", "", S, T, F, 1, {2}},
        {"0%", "", S, T, F, 1, {2}},
        {"x' or '1'='1", "", S, T, F, 1, {}},
        // A person in any of the four person columns.
        {"", "ine", S, T, F, 1, {1, 3}},
        {"", "Klaas", S, T, F, 1, {1, 2}},
        // Status, type and functional type 0 are filters too.
        {"", "", Requirement::StatusOntwikkeling, T, F, 1, {1}},
        {"", "", S, Requirement::TypeBusiness, F, 1, {3}},
        {"", "", S, T, Requirement::FunkTypeFunktioneel, 1, {1}},
        {"",
         "ine",
         Requirement::StatusGeimplementeerd,
         Requirement::TypeBusiness,
         Requirement::FunkTypeBeperking,
         1,
         {3}},
    };
    for (const auto& geval : gevallen)
        EXPECT_EQ(nummers(zoek(wxString::FromUTF8(geval.tekst), wxString::FromUTF8(geval.persoon), geval.status,
                               geval.type, geval.funkType, geval.minPrioriteit)),
                  geval.verwacht)
            << "search \"" << geval.tekst << "\", person \"" << geval.persoon << "\", condition "
            << app->zoekVoorwaarde.utf8_string();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Zoek, DeLijstVolgtDeZoekSchakelaarsOokBijGelijkeZoekTekst)
{
    EXPECT_EQ(nummers(zoek("brake")), std::vector<int>{1});
    // The same search again builds nothing anew.
    EXPECT_EQ(nummers(zoek("brake")), std::vector<int>{1});
    EXPECT_FALSE(app->zoekVoorwaardeVeranderd);

    // The window's case-sensitive toggle, then its exact-match toggle.
    app->zetHoofdletterGevoeligheid(true);
    EXPECT_EQ(nummers(zoek("brake")), std::vector<int>{});
    EXPECT_EQ(nummers(zoek("Brake")), std::vector<int>{1});
    app->zetZoektermMoetExactOvereenkomen(true);
    EXPECT_EQ(nummers(zoek("Brake")), std::vector<int>{});
    EXPECT_EQ(nummers(zoek("Lights_on")), std::vector<int>{3});
    app->zetHoofdletterGevoeligheid(false);
    app->zetZoektermMoetExactOvereenkomen(false);
    EXPECT_EQ(nummers(zoek("brake")), std::vector<int>{1});
}

TEST_F(Zoek, DeLijstIsGesorteerdOpDeGekozenKolomEnRichting)
{
    const struct
    {
        VerelTamsoApp::Kolommen kolom;
        Sortering richting;
        std::vector<int> verwacht;
    } gevallen[] = {{VerelTamsoApp::KolomTitel, SorteringOplopend, {2, 1, 3}},
                    {VerelTamsoApp::KolomKosten, SorteringOplopend, {2, 3, 1}},
                    {VerelTamsoApp::KolomBijdrage, SorteringAflopend, {3, 1, 2}},
                    {VerelTamsoApp::KolomID, SorteringAflopend, {3, 2, 1}}};
    for (const auto& geval : gevallen)
        EXPECT_EQ(nummers(app->zoek(geval.kolom, geval.richting, "", "", S, T, F, 1)), geval.verwacht)
            << geval.kolom << " " << geval.richting;
}

TEST_F(Zoek, DeRijenDragenHunLijstKolommenEnAandelenInDeGefilterdeSet)
{
    const RequirementLijst lijst = zoek("");
    ASSERT_EQ(lijst.size(), 3u);
    const Requirement& eerste = lijst[0];
    EXPECT_EQ(eerste.naam + "|" + eerste.auteur + "|" + eerste.testIngenieur, "Brake within 2 s|Ine|Klaas");
    EXPECT_EQ(eerste.prioriteit * 1000 + eerste.totaleKosten, 80300u);
    EXPECT_FALSE(eerste.datum.IsValid());
    EXPECT_EQ(lijst[2].datum, wxDateTime(1, wxDateTime::May, 2024));
    EXPECT_EQ(lijst[2].status, Requirement::StatusGeimplementeerd);
    // Of all: the work done weighs (1 + status)/5, the gain still to make (4 - status)/4.
    EXPECT_FLOAT_EQ(eerste.werkVerricht, 100.0f * 24000 / (5 * 36000));
    EXPECT_FLOAT_EQ(eerste.laagFruit, 100.0f * 4 * 24000 / (4 * 36000));
    EXPECT_FLOAT_EQ(lijst[1].werkVerricht, 100.0f * 5 * 2000 / (5 * 36000));
    EXPECT_FLOAT_EQ(lijst[1].laagFruit, 0.0f);
    // Of those that pass the filter only; every requirement stays in the view.
    const RequirementLijst klaar = zoek("", "", S, T, F, 50);
    EXPECT_FLOAT_EQ(klaar[1].werkVerricht, 100.0f * 3 * 10000 / (5 * 34000));
    EXPECT_EQ(app->tel("select count(*) from RekZicht"), 3);
    // None passes: no shares.
    EXPECT_EQ(zoek("nothing like it").size(), 0u);
    EXPECT_EQ(app->tel("select count(*) from RekZicht where werkVerricht is null and laagFruit is null"), 3);

    // The figures under the list are the project's, whatever the filter.
    EXPECT_EQ(app->geefAantalRequirements(), 3);
    EXPECT_EQ(app->geefTotaleKosten(), 600);
    // Each person once, sorted; an empty person field is no one.
    EXPECT_EQ(wxJoin(app->leesAlleWerknemers(), ','), "Ine,Klaas,Piet,klaas");
}

TEST_F(Zoek, EenUndoNeemtOokHetVernieuwdeZichtTerug)
{
    zoek("");
    // A change is open when the filter changes: its undo takes back the
    // view of that search too, and the next list builds it again.
    ASSERT_EQ(app->startTransaktie(), 0);
    ASSERT_EQ(app->executeUpdate("update Requirements set prioriteit=90 where SR==1"), 0);
    EXPECT_FLOAT_EQ(zoek("", "", Requirement::StatusKlaar)[0].werkVerricht, 100.0f);
    ASSERT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_FLOAT_EQ(zoek("", "", Requirement::StatusKlaar)[0].werkVerricht, 100.0f);
    EXPECT_FALSE(app->zoekVoorwaardeVeranderd);
    // A project opened anew has no view until the next search builds it.
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(nummers(zoek("", "", Requirement::StatusKlaar)), std::vector<int>{2});
}

TEST(ZoekZwaar, ZwareGewichtenEnHogeKostenLopenNietOver)
{
    App app;
    ASSERT_EQ(app->openProject(testPad("p.vtd")), 0);
    // Each weight just fits 64 bits, their sum does not; the total cost does not fit 32.
    voegRijenToe(*app, {{1, "a", 2147483647, 4294967295LL}, {2, "b", 2147483647, 4294967295LL}});
    const RequirementLijst lijst = app->zoekAlles();
    ASSERT_EQ(lijst.size(), 2u);
    EXPECT_EQ(lijst[1].totaleKosten, 4294967295u);
    EXPECT_FLOAT_EQ(lijst[0].werkVerricht, 10.0f);
    EXPECT_FLOAT_EQ(lijst[1].laagFruit, 50.0f);
    EXPECT_EQ(app->geefTotaleKosten(), 8589934590LL);
    LijstSelektie selektie;
    ASSERT_EQ(app->leesLijstSelektie(VerelTamsoApp::ZoekCriteria(), selektie), 0);
    EXPECT_EQ(selektie.kostenSom, 8589934590LL);
    EXPECT_NEAR(selektie.voltooiing, 20.0, 1e-9);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// A project of 100,000 requirements each of the highest cost: the total cost
// and the list's sums must not wrap anywhere.
TEST(ZoekZwaar, HonderdduizendDuursteRequirementsGevenHetJuisteTotaal)
{
    App app;
    ASSERT_EQ(app->openProject(testPad("groot.vtd")), 0);
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<100000) "
                   "insert into Requirements (SR,naam,prioriteit,totaleKosten,status) "
                   "select i,'r'||i,1,4294967295,0 from n"});
    const RequirementLijst lijst = app->zoekAlles();
    EXPECT_EQ(app->geefTotaleKosten(), 429496729500000LL);
    ASSERT_EQ(lijst.size(), 100000u);
    EXPECT_EQ(lijst[99999].totaleKosten, 4294967295u);
    EXPECT_FLOAT_EQ(lijst[0].werkVerricht, 100.0f / 5 / 100000);
    LijstSelektie selektie;
    ASSERT_EQ(app->leesLijstSelektie(VerelTamsoApp::ZoekCriteria(), selektie), 0);
    EXPECT_EQ(selektie.kostenSom, 429496729500000LL);
    EXPECT_NEAR(selektie.voltooiing, 20.0, 1e-9);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
