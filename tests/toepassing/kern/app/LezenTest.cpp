// Reading requirements back from a project: one whole requirement by its
// number or title, all of them for renumbering.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/KernApp.h"

namespace
{
class Lezen : public ::testing::Test
{
protected:
    App app;

    void SetUp() override { ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0); }
};

const wxString volledigeRij =
    "insert into Requirements (naam,datum,auteur,SR,versie,prioriteit,totaleKosten,beschrijving,implementatie,"
    "implementatieIngenieur,validatie_test,testLogboek,testIngenieur,externeRef,kommentaar,aftekenaar,"
    "afgetekendDatum,SR_ouder,SR_gerelateerd,status,type,funkType) values ('Brake''s test','2025-01-12','Ine',12,"
    "'1.2.0',80,4294967295,'<rich>desc</rich>','ABS','Piet','Track','log','Klaas','/docs/b.pdf','100% sure','Jan',"
    "'2025-03-01',3,7,2,0,3)";
} // namespace

TEST_F(Lezen, EenRequirementKomtHeelTerugOpNummerEnOpTitel)
{
    voerUit(*app, {volledigeRij});
    for (const Requirement& rek :
         {app->geefRequirement(12), app->geefRequirement("Brake's test"), app->geefRequirement("BRAKE'S TEST")})
    {
        EXPECT_EQ(rek.naam, "Brake's test");
        EXPECT_EQ(rek.datum, wxDateTime(12, wxDateTime::Jan, 2025));
        EXPECT_EQ(rek.auteur, "Ine");
        EXPECT_EQ(rek.SR, 12);
        EXPECT_EQ(rek.versie, "1.2.0");
        EXPECT_EQ(rek.prioriteit, 80u);
        EXPECT_EQ(rek.totaleKosten, 4294967295u);
        EXPECT_EQ(rek.beschrijving, "<rich>desc</rich>");
        EXPECT_EQ(rek.implementatie, "ABS");
        EXPECT_EQ(rek.implementatieIngenieur, "Piet");
        EXPECT_EQ(rek.validatie_test, "Track");
        EXPECT_EQ(rek.testLogboek, "log");
        EXPECT_EQ(rek.testIngenieur, "Klaas");
        EXPECT_EQ(rek.externeRef, "/docs/b.pdf");
        EXPECT_EQ(rek.kommentaar, "100% sure");
        EXPECT_EQ(rek.aftekenaar, "Jan");
        EXPECT_EQ(rek.afgetekendDatum, wxDateTime(1, wxDateTime::Mar, 2025));
        EXPECT_EQ(rek.SR_ouder, 3);
        EXPECT_EQ(rek.SR_gerelateerd, 7);
        EXPECT_EQ(rek.status, Requirement::StatusGeimplementeerd);
        EXPECT_EQ(rek.type, Requirement::TypeBusiness);
        EXPECT_EQ(rek.funkType, Requirement::FunkTypeBeperking);
    }

    // No such number or title: the default record, without a message.
    EXPECT_EQ(app->geefRequirement(13).naam, "");
    EXPECT_EQ(app->geefRequirement("Brake").SR, 0);
    EXPECT_EQ(app->geefRequirement("x' or '1'='1").SR, 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Lezen, EenOntbrekendeOfOnleesbareDatumIsGeenDatum)
{
    const struct
    {
        const char* opgeslagen;
        bool geldig;
    } gevallen[] = {
        {"null", false},       {"''", false},           {"'garbage'", false},          {"'today'", false},
        {"'12'", false},       {"'2025-02-30'", false}, {"'2025-01-12 extra'", false}, {"'2024-02-29'", true},
        {"'1999-12-31'", true}};
    int SR = 1;
    for (const auto& geval : gevallen)
    {
        voerUit(*app,
                {wxString::Format("insert into Requirements (SR,naam,datum,afgetekendDatum) values (%d,'r%d',%s,%s)",
                                  SR, SR, geval.opgeslagen, geval.opgeslagen)});
        const Requirement rek = app->geefRequirement(SR);
        EXPECT_EQ(rek.SR, SR);
        EXPECT_EQ(rek.datum.IsValid(), geval.geldig) << geval.opgeslagen;
        EXPECT_EQ(rek.afgetekendDatum.IsValid(), geval.geldig) << geval.opgeslagen;
        ++SR;
    }
    EXPECT_EQ(app->geefRequirement(8).datum, wxDateTime(29, wxDateTime::Feb, 2024));
}

TEST_F(Lezen, AllenKomenOpNummerMetAlleenDeLijstKolommen)
{
    EXPECT_EQ(app->zoekAlles().size(), 0u);
    EXPECT_EQ(app->geefAllen().size(), 0u);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

    voerUit(*app, {volledigeRij, "insert into Requirements (SR,naam,type,funkType,beschrijving) values (3,'b',2,2,'x')",
                   "insert into Requirements (SR,naam) values (-4,'c')"});
    const RequirementLijst alle = app->geefAllen();
    EXPECT_EQ(nummers(alle), (std::vector<int>{-4, 3, 12}));
    const Requirement& rek = alle[2];
    EXPECT_EQ(rek.naam, "Brake's test");
    EXPECT_EQ(rek.auteur, "Ine");
    EXPECT_EQ(rek.totaleKosten, 4294967295u);
    EXPECT_EQ(rek.datum, wxDateTime(12, wxDateTime::Jan, 2025));
    EXPECT_EQ(rek.status, Requirement::StatusGeimplementeerd);
    EXPECT_GT(rek.werkVerricht, 0.0f);
    // What a list does not show keeps the defaults.
    EXPECT_EQ(rek.versie, "1.0.0");
    EXPECT_EQ(rek.beschrijving, "");
    EXPECT_EQ(rek.SR_gerelateerd, -1);
    EXPECT_EQ(alle[1].type, Requirement::TypeGebruiker);
    EXPECT_EQ(alle[1].funkType, Requirement::FunkTypeFunktioneel);
    EXPECT_EQ(app->geefRequirement(3).type, Requirement::TypeSysteem);
}

TEST_F(Lezen, AllenZonderZichtMeldtDeFoutEnGeeftNiets)
{
    voegRijenToe(*app, {{1, "a"}});
    EXPECT_EQ(app->geefAllen().size(), 0u);
    EXPECT_TRUE(
        logVanger().bevat("Error reading requirements from the database. The operation is abandoned.", wxLOG_Error));
    // A single requirement needs no search first.
    EXPECT_EQ(app->geefRequirement(1).naam, "a");
}
