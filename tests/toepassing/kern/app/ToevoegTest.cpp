// Adding requirements, one by one or as a list, and the whole life of one
// requirement: added, read, changed, deleted, each step undone.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

namespace
{
// The known requirement at the highest cost, with an empty comment.
Requirement duur()
{
    Requirement rek = bekendeRequirement();
    rek.totaleKosten = 4294967295u;
    rek.kommentaar = "";
    return rek;
}
} // namespace

using Toevoeg = ProjectTest;

TEST_F(Toevoeg, EenRequirementLeeftToegevoegdVeranderdVerwijderdEnElkeStapKanTerug)
{
    ASSERT_EQ(app->voegToe(duur()), 0);
    const Requirement gelezen = app->geefRequirement(12);
    EXPECT_EQ(alsTekst(gelezen), alsTekst(duur()));
    // As stored: the highest cost stays positive, an empty text is no NULL.
    EXPECT_EQ(kolommen(*app, 12, "totaleKosten,kommentaar"), "4294967295|");
    EXPECT_TRUE(app->rolTerugMogelijk()); // exactly this one change is open

    // A title changed in case only is written, and its row still found.
    Requirement veranderd = gelezen;
    veranderd.prioriteit = 10;
    veranderd.naam = "o'brien's 100% BRAKE";
    ASSERT_EQ(app->verander(gelezen, veranderd, true), 0);
    EXPECT_EQ(alsTekst(app->geefRequirement(12)), alsTekst(veranderd));
    // Undo takes back the change only: the add was committed by it.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(alsTekst(app->geefRequirement(12)), alsTekst(duur()));

    ASSERT_EQ(app->verwijder(gelezen), 0);
    EXPECT_EQ(nummers(*app), "");
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(alsTekst(app->geefRequirement(12)), alsTekst(duur()));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Toevoeg, EenBestaandeTitelOfNummerWordtGeweigerdMetDeReden)
{
    ASSERT_EQ(app->voegToe(bekendeRequirement()), 0);
    ASSERT_EQ(app->stopTransaktie(), 0);
    const struct
    {
        const char* naam;
        int SR;
        const char* melding;
    } gevallen[] = {
        // Another case is the same title; a title and number both taken name the title.
        {"O'BRIEN'S 100% BRAKE", 13, "has this title already: \"O'BRIEN'S 100% BRAKE\" "},
        {"O'Brien's 100% brake", 12, "has this title already: \"O'Brien's 100% brake\" "},
        {"New", 12, "has this identification number: 12"},
    };
    for (const auto& geval : gevallen)
    {
        logVanger().wis();
        EXPECT_EQ(app->voegToe(opgeslagen(geval.naam, geval.SR)), 1) << geval.naam;
        EXPECT_TRUE(logVanger().bevat(
            wxString("You cannot add this requirement. An existing requirement ") + geval.melding, wxLOG_Error))
            << logVanger().geefAlles();
        EXPECT_FALSE(app->rolTerugMogelijk()); // refused before any transaction
    }
    EXPECT_EQ(nummers(*app), "O'Brien's 100% brake=12");
}

TEST_F(Toevoeg, EenLijstSlaatBestaandeOverEnIsEenWijziging)
{
    EXPECT_EQ(app->voegToe(RequirementLijst(), true), 1);
    EXPECT_FALSE(app->rolTerugMogelijk());

    // The second has the title of the first, in this same call; the last the number.
    RequirementLijst vier =
        lijstVan({duur(), opgeslagen("o'brien's 100% BRAKE", 2), bekendeRequirement(), opgeslagen("d", 12)});
    vier[2].naam = "Undated";
    vier[2].SR = 3;
    vier[2].datum = wxDateTime(); // no date is stored as no date, not as nonsense
    EXPECT_EQ(app->voegToe(vier, true), 0);
    EXPECT_TRUE(logVanger().bevat("You cannot add a requirement. An existing requirement has this title already:",
                                  wxLOG_Error));
    EXPECT_TRUE(logVanger().bevat(
        "You cannot add a requirement. An existing requirement has this identification number: 12", wxLOG_Error));
    EXPECT_EQ(nummers(*app), "Undated=3,O'Brien's 100% brake=12");
    // Every field goes into its own column.
    EXPECT_EQ(alsTekst(app->geefRequirement(12)), alsTekst(duur()));
    EXPECT_EQ(alsTekst(app->geefRequirement(3)), alsTekst(vier[2]));
    EXPECT_EQ(kolommen(*app, 3, "datum") + "|" + kolommen(*app, 12, "totaleKosten"), "null|4294967295");
    // The whole call is one change.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "");

    // A list of one is the one-record add, with its wording.
    RequirementLijst een = lijstVan({opgeslagen("c", 9)});
    een[0].datum = wxDateTime();
    een[0].afgetekendDatum = wxDateTime();
    EXPECT_EQ(app->voegToe(een, false), 0);
    EXPECT_EQ(kolommen(*app, 9, "datum,afgetekendDatum"), "null|null");
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

    logVanger().wis();
    EXPECT_EQ(app->voegToe(lijstVan({opgeslagen("first", 2), opgeslagen("refused", 3), opgeslagen("third", 4)}), true),
              2);
    // Reported once, by the database layer.
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
    EXPECT_TRUE(logVanger().bevat("refused by a rule", wxLOG_Error));
    // The rows before it stay in the open change; the rest is not tried.
    EXPECT_EQ(nummers(*app), "first=2");
}
