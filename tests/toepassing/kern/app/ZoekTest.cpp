// The list query: the filters of the main window, the search condition they
// make, the sort order, and the figures shown under the list.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/KernApp.h"

namespace
{
class Zoek : public ::testing::Test
{
protected:
    App app;

    void SetUp() override
    {
        ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0);
        // As the main window's search options start: without regard to case, anywhere in the text.
        app->zetHoofdletterGevoeligheid(false);
        app->zetZoektermMoetExactOvereenkomen(false);
        voerUit(*app,
                {"insert into Requirements (SR,naam,auteur,testIngenieur,prioriteit,totaleKosten,status,type,funkType,"
                 "beschrijving) values (1,'Brake within 2 s','Ine','Klaas',80,300,0,1,0,'<b>ABS</b> pump')",
                 "insert into Requirements (SR,naam,auteur,implementatieIngenieur,prioriteit,totaleKosten,status,type,"
                 "funkType) values (2,'Bob''s 100% sure steering','klaas','Piet',20,100,4,2,1)",
                 "insert into Requirements (SR,naam,aftekenaar,prioriteit,totaleKosten,status,type,funkType,datum) "
                 "values (3,'Lights_on','Ine',50,200,2,0,3,'2024-05-01')"});
    }

    RequirementLijst zoek(const wxString& tekst, const wxString& persoon = wxString(),
                          Requirement::Status status = Requirement::StatusAlle,
                          Requirement::Type type = Requirement::TypeAlle,
                          Requirement::FunkType funkType = Requirement::FunkTypeAlle, unsigned int minPrioriteit = 1)
    {
        return app->zoek(VerelTamsoApp::KolomID, SorteringOplopend, tekst, persoon, status, type, funkType,
                         minPrioriteit);
    }
};
} // namespace

TEST_F(Zoek, DeVoorwaardeVolgtDeFilters)
{
    zoek("");
    EXPECT_EQ(app->zoekVoorwaarde, "prioriteit>=1");

    const wxString P = app->maakZoekTerm("Ine", false);
    zoek("", "Ine", Requirement::StatusGeimplementeerd, Requirement::TypeAlle, Requirement::FunkTypeFunktioneel, 10);
    EXPECT_EQ(app->zoekVoorwaarde, "(((status==2) and (auteur" + P + " or implementatieIngenieur" + P +
                                       " or testIngenieur" + P + " or aftekenaar" + P +
                                       ")) and funkType==0) and prioriteit>=10");

    zoek("x");
    const wxString tekstDeel =
        app->bouwZoekTermStapel(app->rekKolomNamen, app->maakZoekTerm("x", false), SQLite3Basis::KoppelOf);
    EXPECT_EQ(app->zoekVoorwaarde, "(" + tekstDeel + ") and prioriteit>=1");
    EXPECT_TRUE(tekstDeel.StartsWith("\"id\" like "));
}

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
        {"", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {1, 2, 3}},
        // Text in any column, rich text and numbers included.
        {"abs", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {1}},
        {"2024-05", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {3}},
        // ... but not below the minimum priority.
        {"abs", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 81, {}},
        {"", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 50, {1, 3}},
        // Quotes, percent signs and underscores are what they are.
        {"Bob's", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {2}},
        {"100%", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {2}},
        {"0%", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {2}},
        {"s_o", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {3}},
        {"x' or '1'='1", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {}},
        // A person in any of the four person columns.
        {"", "ine", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {1, 3}},
        {"", "Klaas", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {1, 2}},
        // Status, type and functional type 0 are filters too.
        {"", "", Requirement::StatusOntwikkeling, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1, {1}},
        {"", "", Requirement::StatusAlle, Requirement::TypeBusiness, Requirement::FunkTypeAlle, 1, {3}},
        {"", "", Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeFunktioneel, 1, {1}},
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
    const wxString voorwaarde = app->zoekVoorwaarde;
    EXPECT_EQ(nummers(zoek("brake")), std::vector<int>{1});
    EXPECT_FALSE(app->zoekVoorwaardeVeranderd);
    EXPECT_EQ(app->zoekVoorwaarde, voorwaarde);

    // The window's case-sensitive toggle, then its exact-match toggle.
    app->zetHoofdletterGevoeligheid(true);
    EXPECT_EQ(nummers(zoek("brake")), std::vector<int>{});
    EXPECT_TRUE(app->zoekVoorwaardeVeranderd);
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
    const auto volgorde = [this](VerelTamsoApp::Kolommen kolom, Sortering richting)
    {
        return nummers(app->zoek(kolom, richting, "", "", Requirement::StatusAlle, Requirement::TypeAlle,
                                 Requirement::FunkTypeAlle, 1));
    };
    EXPECT_EQ(volgorde(VerelTamsoApp::KolomTitel, SorteringOplopend), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(volgorde(VerelTamsoApp::KolomTitel, SorteringAflopend), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(volgorde(VerelTamsoApp::KolomKosten, SorteringOplopend), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(volgorde(VerelTamsoApp::KolomBijdrage, SorteringAflopend), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(volgorde(VerelTamsoApp::KolomID, SorteringAflopend), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(volgorde(VerelTamsoApp::KolomID, SorteringGeen).size(), 3u);
}

TEST_F(Zoek, DeRijenDragenHunLijstKolommenEnAandelen)
{
    const RequirementLijst lijst = zoek("");
    ASSERT_EQ(lijst.size(), 3u);
    const Requirement& eerste = lijst[0];
    EXPECT_EQ(eerste.naam, "Brake within 2 s");
    EXPECT_EQ(eerste.auteur, "Ine");
    EXPECT_EQ(eerste.testIngenieur, "Klaas");
    EXPECT_EQ(eerste.prioriteit, 80u);
    EXPECT_EQ(eerste.totaleKosten, 300u);
    EXPECT_FALSE(eerste.datum.IsValid());
    EXPECT_EQ(lijst[2].datum, wxDateTime(1, wxDateTime::May, 2024));
    EXPECT_EQ(eerste.beschrijving, "");
    // Weights 24000, 2000 and 10000 at status 0, 4 and 2.
    const double som = 36000.0;
    EXPECT_FLOAT_EQ(eerste.werkVerricht, static_cast<float>(100.0 * 1 * 24000 / (5 * som)));
    EXPECT_FLOAT_EQ(eerste.laagFruit, static_cast<float>(100.0 * 4 * 24000 / (4 * som)));
    EXPECT_FLOAT_EQ(lijst[1].laagFruit, 0.0f);

    EXPECT_EQ(app->geefAantalRequirements(), 3);
    EXPECT_EQ(app->geefTotaleKosten(), 600);
    // The total is the project's, whatever the filter.
    zoek("abs");
    EXPECT_EQ(app->geefTotaleKosten(), 600);
}

TEST_F(Zoek, DeMensenVanHetProjectElkEenmaalGesorteerd)
{
    voerUit(*app, {"insert into Requirements (SR,naam,auteur,testIngenieur) values (4,'d','','Anna')"});
    const wxArrayString mensen = app->leesAlleWerknemers();
    const char* verwacht[] = {"Anna", "Ine", "Klaas", "Piet", "klaas"};
    ASSERT_EQ(mensen.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(mensen[i], verwacht[i]);
}

TEST(ZoekLeeg, EenLeegProjectGeeftLegeAntwoorden)
{
    App app;
    // Before the project is started there is no table to search.
    EXPECT_EQ(app->zoekAlles().size(), 0u);
    EXPECT_TRUE(
        logVanger().bevat("Error reading requirements from the database. The operation is abandoned.", wxLOG_Error));
    logVanger().wis();

    ASSERT_EQ(app->startDatabase(), 0);
    EXPECT_EQ(app->zoekAlles().size(), 0u);
    EXPECT_EQ(app->geefAantalRequirements(), 0);
    EXPECT_EQ(app->geefTotaleKosten(), 0);
    EXPECT_EQ(app->leesAlleWerknemers().size(), 0u);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST(ZoekGroot, HonderdDuizendDureRequirementsTellenGoedOp)
{
    App app;
    ASSERT_EQ(app->openProject(projectPad("groot.vtd")), 0);
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<100000) "
                   "insert into Requirements (SR,naam,prioriteit,totaleKosten) "
                   "select i,'r'||i,4294967295,4294967295 from n"});
    const RequirementLijst lijst = app->zoekAlles();
    ASSERT_EQ(lijst.size(), 100000u);
    EXPECT_EQ(lijst[99999].totaleKosten, 4294967295u);
    EXPECT_FLOAT_EQ(lijst[0].werkVerricht, 100.0f / 5 / 100000);
    EXPECT_EQ(app->geefAantalRequirements(), 100000);
    EXPECT_EQ(app->geefTotaleKosten(), 429496729500000LL);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
