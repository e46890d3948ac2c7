// A project that another tool, or a damaged disk, wrote: texts whose bytes
// are no UTF-8 and values no level or range has. The store shows what it
// can, works on such a row by its number, and leaves the bytes of every
// field the user did not edit as they are.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

#include <wx/filename.h>

namespace
{
using Vreemd = ProjectTest;

const wxString fffd(wxUniChar(0xFFFD));
// A code point beyond U+10FFFF, bytes cut short, a NUL.
const wxString boven = "Title " + fffd + fffd + fffd + fffd;
const wxString afgebroken = "Ti" + fffd + "tle";
const wxString metNul = "Nul" + fffd + "x";

wxString hexTitel(KernApp& app, int SR)
{
    return kolommen(app, SR, "hex(naam)");
}

void maakVreemd(KernApp& app)
{
    voegRijenToe(app, {{5, "five"}, {7, "seven"}, {8, "eight"}, {9, "Pump"}});
    voerUit(app, {"update Requirements set naam='Title '||cast(X'F495BA9E' as text) where SR=5",
                  "update Requirements set naam='Ti'||cast(X'C3' as text)||'tle' where SR=7",
                  "update Requirements set naam=cast(X'4E756C0078' as text) where SR=8",
                  "update Requirements set auteur=cast(X'416EFF' as text) where SR=9",
                  "update Configuratie set naam=cast(X'4B6574746C65F0' as text)"});
}

std::vector<wxString> titels(const RequirementLijst& lijst)
{
    std::vector<wxString> uit;
    for (size_t i = 0; i < lijst.size(); ++i)
        uit.push_back(lijst[i].naam);
    return uit;
}
} // namespace

TEST_F(Vreemd, TekstenDieGeenUTF8ZijnTonenVervangingstekens)
{
    maakVreemd(*app);
    const std::vector<wxString> verwacht = {boven, afgebroken, metNul, "Pump"};
    EXPECT_EQ(titels(app->zoekAlles()), verwacht);
    EXPECT_EQ(titels(app->geefAllen()), verwacht);
    EXPECT_EQ(app->geefRequirement(5).naam, boven);
    EXPECT_EQ(app->geefRequirement(7).naam, afgebroken);
    EXPECT_EQ(app->geefRequirement(9).auteur, "An" + fffd);
    const wxArrayString personen = app->leesAlleWerknemers();
    EXPECT_EQ(personen.size() == 1 ? personen[0] : wxString(), "An" + fffd);
    EXPECT_EQ(app->geefProjektNaam(), "Kettle" + fffd);

    // Found by a search, and taken by number when a copy would clash.
    VerelTamsoApp::ZoekCriteria criteria;
    criteria.zoekTekst = "Title";
    LijstSelektie selektie;
    ASSERT_EQ(app->leesLijstSelektie(criteria, selektie), 0);
    EXPECT_EQ(selektie.nummers, std::vector<int>{5});
    EXPECT_TRUE(app->rekBestaat(app->geefRequirement(5)));
    EXPECT_FALSE(app->rekBestaat("This must be altered:" + boven));

    // An exchange file carries what the list shows.
    const wxFileName bestand(testPad("titel.txt"));
    ASSERT_EQ(app->geefRequirement(5).bewaarOpDisk(bestand), 0);
    EXPECT_EQ(Requirement(bestand).naam, boven);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 0u) << logVanger().geefAlles();
}

TEST_F(Vreemd, EenRijMetZoEenTitelWordtBijZijnNummerVeranderdEnVerwijderd)
{
    maakVreemd(*app);
    const wxString opgeslagen = hexTitel(*app, 5);
    ASSERT_EQ(opgeslagen, "5469746C6520F495BA9E");

    // Another field, the number, a renumbering and a commit: the title's
    // bytes stay as they are.
    Requirement vijf = app->geefRequirement(5);
    Requirement hoger(vijf);
    hoger.prioriteit = 80;
    EXPECT_EQ(app->verander(vijf, hoger, true), 0);
    EXPECT_EQ(kolommen(*app, 5, "prioriteit,hex(naam)"), "80|" + opgeslagen);
    EXPECT_EQ(app->verander(vijf, 50, true), 0);
    EXPECT_EQ(app->srStrakTrekken(), 0);
    EXPECT_EQ(app->stopTransaktie(), 0);
    // 7, 8, 9 and 50 are now 1 to 4.
    EXPECT_EQ(hexTitel(*app, 4), opgeslagen);
    EXPECT_EQ(app->geefRequirement(4).naam, boven);

    // An edited title is written as the user typed it.
    Requirement zeven = app->geefRequirement(1);
    ASSERT_EQ(zeven.naam, afgebroken);
    Requirement hernoemd(zeven);
    hernoemd.naam = "Title seven";
    EXPECT_EQ(app->verander(zeven, hernoemd, true), 0);
    EXPECT_EQ(kolommen(*app, 1, "naam"), "Title seven");

    // Deleted by number; a title changed meanwhile is still noticed.
    ASSERT_EQ(app->geefRequirement(2).naam, metNul);
    EXPECT_EQ(app->verwijder(app->geefRequirement(2)), 0);
    EXPECT_EQ(kolommen(*app, 2, "naam"), "-");
    const Requirement gelezen = app->geefRequirement(4);
    voerUit(*app, {"update Requirements set naam=cast(X'4F74686572FF' as text) where SR=4"});
    EXPECT_EQ(app->verwijder(gelezen), 2);
    EXPECT_TRUE(logVanger().bevat("no longer in the database as it was read", wxLOG_Error));
    EXPECT_EQ(hexTitel(*app, 4), "4F74686572FF");
}

// One row at a status no level has once lifted the completion of the set
// far beyond 100 %; a negative cost drove it below 0.
TEST_F(Vreemd, EenOnbekendeStatusTeltAlsDeLaagsteEnDeVoltooiingBlijftBinnenHonderd)
{
    voegRijenToe(*app, {{1, "a", 1, 1, 4}, {2, "b", 1, 1, 2}, {3, "c", 1, 1, 0}});
    const auto voltooiing = [this]
    {
        LijstSelektie selektie;
        EXPECT_EQ(app->leesLijstSelektie(VerelTamsoApp::ZoekCriteria(), selektie), 0);
        return selektie.voltooiing;
    };
    const double gewoon = voltooiing();
    EXPECT_NEAR(gewoon, 60.0, 1e-9);
    for (const char* status : {"99", "-1", "5", "4294967296", "2.5e300", "'Ready'", "null"})
    {
        voerUit(*app, {wxString("update Requirements set status=") + status + " where SR=3"});
        EXPECT_NEAR(voltooiing(), gewoon, 1e-9) << status;
        const Requirement rij = app->zoekAlles()[2];
        EXPECT_NEAR(rij.werkVerricht, 100.0 / 15, 1e-4) << status;
        EXPECT_NEAR(rij.laagFruit, 100.0 / 3, 1e-4) << status;
    }
    voerUit(*app, {"update Requirements set status=99"});
    EXPECT_NEAR(voltooiing(), 20.0, 1e-9);

    voerUit(*app,
            {"update Requirements set status=4 where SR=1", "update Requirements set totaleKosten=-5 where SR=2"});
    const double metNegatief = voltooiing();
    EXPECT_GE(metNegatief, 0.0);
    EXPECT_LE(metNegatief, 100.0);
    for (size_t i = 0; i < 3; ++i)
    {
        const Requirement rij = app->zoekAlles()[i];
        EXPECT_GE(rij.werkVerricht, 0.0f) << i;
        EXPECT_LE(rij.laagFruit, 100.0f) << i;
    }
}
