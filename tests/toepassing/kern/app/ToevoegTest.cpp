// Adding requirements, one by one or as a list, and the whole life of one
// requirement: added, read, changed, deleted, each step undone.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/OpslagHulp.h"

namespace
{
Requirement volledig()
{
    Requirement rek;
    rek.naam = "O'Brien's 100% pump";
    rek.datum = wxDateTime(12, wxDateTime::Jan, 2025);
    rek.auteur = "Ine";
    rek.SR = 12;
    rek.versie = "1.2.0";
    rek.prioriteit = 80;
    rek.totaleKosten = 4294967295u;
    rek.beschrijving = "<rich>text with 'quotes'</rich>";
    rek.implementatie = "ABS";
    rek.implementatieIngenieur = "Piet";
    rek.validatie_test = "Track test";
    rek.testLogboek = "ok";
    rek.testIngenieur = "Klaas";
    rek.externeRef = "/docs/brake.pdf";
    rek.kommentaar = ""; // stored as an empty text, not as NULL
    rek.aftekenaar = "Jan";
    rek.afgetekendDatum = wxDateTime(1, wxDateTime::Mar, 2025);
    rek.SR_ouder = -1;
    rek.SR_gerelateerd = 7;
    rek.status = Requirement::StatusKlaar;
    rek.type = Requirement::TypeSysteem;
    rek.funkType = Requirement::FunkTypePrestatie;
    return rek;
}

void verwachtGelijk(const Requirement& a, const Requirement& b)
{
    EXPECT_EQ(a.naam, b.naam);
    EXPECT_EQ(a.datum.FormatISODate(), b.datum.FormatISODate());
    EXPECT_EQ(a.auteur, b.auteur);
    EXPECT_EQ(a.SR, b.SR);
    EXPECT_EQ(a.versie, b.versie);
    EXPECT_EQ(a.prioriteit, b.prioriteit);
    EXPECT_EQ(a.totaleKosten, b.totaleKosten);
    EXPECT_EQ(a.beschrijving, b.beschrijving);
    EXPECT_EQ(a.implementatie, b.implementatie);
    EXPECT_EQ(a.implementatieIngenieur, b.implementatieIngenieur);
    EXPECT_EQ(a.validatie_test, b.validatie_test);
    EXPECT_EQ(a.testLogboek, b.testLogboek);
    EXPECT_EQ(a.testIngenieur, b.testIngenieur);
    EXPECT_EQ(a.externeRef, b.externeRef);
    EXPECT_EQ(a.kommentaar, b.kommentaar);
    EXPECT_EQ(a.aftekenaar, b.aftekenaar);
    EXPECT_EQ(a.afgetekendDatum.FormatISODate(), b.afgetekendDatum.FormatISODate());
    EXPECT_EQ(a.SR_ouder, b.SR_ouder);
    EXPECT_EQ(a.SR_gerelateerd, b.SR_gerelateerd);
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.funkType, b.funkType);
}

class Toevoeg : public ::testing::Test
{
protected:
    const wxString pad = projectPad("p.vtd");
    App app;

    void SetUp() override { ASSERT_EQ(app->openProject(pad), 0); }
};
} // namespace

TEST_F(Toevoeg, EenRequirementLeeftToegevoegdVeranderdVerwijderdEnElkeStapKanTerug)
{
    ASSERT_EQ(app->voegToe(volledig()), 0);
    const Requirement gelezen = app->geefRequirement(12);
    verwachtGelijk(gelezen, volledig());
    EXPECT_EQ(kolom(*app, 12, "kommentaar"), "");
    EXPECT_EQ(kolom(*app, 12, "totaleKosten"), "4294967295");
    EXPECT_TRUE(app->rolTerugMogelijk()); // exactly this one change is open

    Requirement veranderd = gelezen;
    veranderd.prioriteit = 10;
    veranderd.naam = "o'brien's 100% PUMP";
    ASSERT_EQ(app->verander(gelezen, veranderd, true), 0);
    verwachtGelijk(app->geefRequirement(12), veranderd);
    // Undo takes back the change only: the add was committed by it.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    verwachtGelijk(app->geefRequirement(12), volledig());

    ASSERT_EQ(app->verwijder(gelezen), 0);
    EXPECT_EQ(nummers(*app), "");
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    verwachtGelijk(app->geefRequirement(12), volledig());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Toevoeg, EenBestaandeTitelOfNummerWordtGeweigerdMetDeReden)
{
    ASSERT_EQ(app->voegToe(volledig()), 0);
    ASSERT_EQ(app->stopTransaktie(), 0);
    struct Geval
    {
        const char* naam;
        int SR;
        const char* melding;
    };
    const Geval gevallen[] = {
        // Another case is the same title; a title and number both taken name the title.
        {"O'BRIEN'S 100% PUMP", 13, "An existing requirement has this title already: \"O'BRIEN'S 100% PUMP\" "},
        {"O'Brien's 100% pump", 12, "An existing requirement has this title already: \"O'Brien's 100% pump\" "},
        {"New", 12, "An existing requirement has this identification number: 12"},
    };
    for (const Geval& geval : gevallen)
    {
        logVanger().wis();
        Requirement rek = volledig();
        rek.naam = geval.naam;
        rek.SR = geval.SR;
        EXPECT_EQ(app->voegToe(rek), 1) << geval.naam;
        EXPECT_TRUE(logVanger().bevat(wxString("You cannot add this requirement. ") + geval.melding, wxLOG_Error))
            << logVanger().geefAlles();
        EXPECT_FALSE(app->rolTerugMogelijk()); // refused before any transaction
    }
    EXPECT_EQ(nummers(*app), "O'Brien's 100% pump=12");
}

TEST_F(Toevoeg, EenRequirementZonderDatumKrijgtGeenOnzinDatum)
{
    Requirement rek = opgeslagen("Undated", 1);
    rek.datum = wxDateTime();
    rek.afgetekendDatum = wxDateTime();
    ASSERT_EQ(app->voegToe(rek), 0);
    RequirementLijst lijst;
    lijst.Add(opgeslagen("Undated too", 2));
    lijst.Add(opgeslagen("Dated", 3));
    lijst[0].datum = wxDateTime();
    ASSERT_EQ(app->voegToe(lijst, true), 0);
    for (const int SR : {1, 2})
    {
        EXPECT_EQ(kolom(*app, SR, "datum"), "null") << SR;
        EXPECT_FALSE(app->geefRequirement(SR).datum.IsValid()) << SR;
    }
    EXPECT_EQ(kolom(*app, 3, "datum"), lijst[1].datum.FormatISODate());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Toevoeg, EenLijstSlaatBestaandeOverEnIsEenWijziging)
{
    EXPECT_EQ(app->voegToe(RequirementLijst(), true), 1);
    EXPECT_FALSE(app->rolTerugMogelijk());

    RequirementLijst drie;
    drie.Add(opgeslagen("a", 1));
    drie.Add(opgeslagen("A", 2)); // the title of the first, in this same call
    drie.Add(opgeslagen("c", 3));
    RequirementLijst nummerBezet;
    nummerBezet.Add(opgeslagen("d", 1));
    nummerBezet.Add(opgeslagen("e", 5));
    EXPECT_EQ(app->voegToe(drie, true), 0);
    EXPECT_TRUE(logVanger().bevat("You cannot add a requirement. An existing requirement has this title already: \"A\"",
                                  wxLOG_Error));
    EXPECT_EQ(app->voegToe(nummerBezet, true), 0);
    EXPECT_TRUE(logVanger().bevat(
        "You cannot add a requirement. An existing requirement has this identification number: 1", wxLOG_Error));
    EXPECT_EQ(nummers(*app), "a=1,c=3,e=5");
    // Each call is one change.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "a=1,c=3");

    // A list of one is the one-record add, with its wording.
    RequirementLijst een;
    een.Add(opgeslagen("c", 9));
    EXPECT_EQ(app->voegToe(een, false), 1);
    EXPECT_TRUE(logVanger().bevat("You cannot add this requirement. An existing requirement has this title already:",
                                  wxLOG_Error));
}

TEST_F(Toevoeg, EenGeweigerdeRijIsEenFoutNietEenSukses)
{
    ASSERT_EQ(app->executeUpdate("create temporary trigger weiger before insert on Requirements "
                                 "when new.naam=='refused' begin select raise(abort,'refused by a rule'); end"),
              0);
    EXPECT_EQ(app->voegToe(opgeslagen("refused", 1)), 2);
    EXPECT_TRUE(logVanger().bevat("refused by a rule", wxLOG_Error));

    RequirementLijst lijst;
    lijst.Add(opgeslagen("first", 2));
    lijst.Add(opgeslagen("refused", 3));
    lijst.Add(opgeslagen("third", 4));
    logVanger().wis();
    EXPECT_EQ(app->voegToe(lijst, true), 2);
    EXPECT_TRUE(logVanger().bevat("Error whilst adding data:", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_TRUE(logVanger().bevat("refused by a rule", wxLOG_Error));
    // The rows before it stay in the open change; the rest is not tried.
    EXPECT_EQ(nummers(*app), "first=2");
}

TEST(ToevoegAlleenLezen, EenAlleenLezenProjectWeigertMetEenWaarschuwing)
{
    const wxString pad = projectPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(app->voegToe(opgeslagen("a", 1)), 1);
    RequirementLijst lijst;
    lijst.Add(opgeslagen("a", 1));
    lijst.Add(opgeslagen("b", 2));
    EXPECT_EQ(app->voegToe(lijst, true), 1);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 2u);
    EXPECT_TRUE(
        logVanger().bevat("You cannot add this requirement, because the database is read-only.", wxLOG_Warning));
    EXPECT_FALSE(app->handmatigeTransaktieBezig());
    EXPECT_EQ(nummers(*app), "");
}
