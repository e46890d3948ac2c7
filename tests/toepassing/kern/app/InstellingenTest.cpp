// The list's colours and font: read from the configuration file when the
// program starts, written back when it ends; the background that shows the
// project's state; the status names in the language of the moment.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/TestOmgeving.h"

TEST(Instellingen, GekozenKleurenEnLettertypeKomenBijDeVolgendeStartTerug)
{
    wxFont standaard, gekozen;
    {
        App app;
        // Reading the colours and the database settings leaves the
        // configuration's group as it was: a key written without a group
        // after them does not land among them.
        EXPECT_FALSE(app->geefAppConfigRef().GetPath().StartsWith("/Configuratie"))
            << app->geefAppConfigRef().GetPath();
        // A first start has the default colours and a usable font.
        EXPECT_EQ(app->geefTekstKleur(), wxColour(0, 0, 200));
        EXPECT_EQ(app->leesSchrijfAchtergrondKleur, wxColour(255, 249, 122));
        app->lijstTekstKleur = wxColour(10, 20, 30);
        app->leesSchrijfAchtergrondKleur = wxColour(200, 210, 220);
        app->savePointAchtergrondKleur = wxColour(4, 5, 6);
        standaard = gekozen = app->geefFont();
        ASSERT_TRUE(gekozen.IsOk());
        gekozen.SetPointSize(gekozen.GetPointSize() + 5);
        app->lijstFont = gekozen.MakeBold();
    }
    // As stored for other versions: the font's colour is the writable background.
    EXPECT_EQ(openKonfigBestand()->ReadLong("/Configuratie/Kleur", -1), 200 | 210 << 8 | 220 << 16);
    EXPECT_EQ(openKonfigBestand()->ReadLong("/Configuratie/Kleuren/LijstTekstKleur", -1), 10 | 20 << 8 | 30 << 16);
    {
        App app;
        EXPECT_EQ(app->geefTekstKleur(), wxColour(10, 20, 30));
        EXPECT_EQ(app->leesSchrijfAchtergrondKleur, wxColour(200, 210, 220));
        EXPECT_EQ(app->savePointAchtergrondKleur, wxColour(4, 5, 6));
        EXPECT_EQ(app->geefFont().GetNativeFontInfoDesc(), gekozen.GetNativeFontInfoDesc());
    }
    // A font that cannot be read is the default font.
    openKonfigBestand()->Write("/Configuratie/Font/InheemseBeschrijving", "");
    App app;
    EXPECT_TRUE(app->geefFont().IsOk());
    EXPECT_EQ(app->geefFont().GetNativeFontInfoDesc(), standaard.GetNativeFontInfoDesc());
}

using Achtergrond = ProjectTest;

TEST_F(Achtergrond, ToontAlleenLezenVoorVeiligWerkenVoorSchrijfbaarEnZonderProjektDeGewone)
{
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::lichtgeel);
    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::groen);
    app->schakelAlleenLezen(true);
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::veiligRoze);
    app->schakelAlleenLezen(false);
    ASSERT_EQ(app->schakelSafePoint(StandUit), 0);
    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::veiligRoze);
    // Closed: no mode of a project any more.
    app->sluitDB();
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::lichtgeel);
}

TEST(Instellingen, DeStatusNamenWordenVertaaldInDeTaalVanHetMoment)
{
    App app;
    EXPECT_EQ(wxJoin(VerelTamsoApp::geefAlleStatusAanduidingen(), ','), "Development,Defined,Implemented,Tested,Ready");
    ASSERT_EQ(app->initLokaliteit(wxLANGUAGE_DUTCH), 0);
    const wxArrayString namen = VerelTamsoApp::geefAlleStatusAanduidingen();
    EXPECT_EQ(namen[Requirement::StatusOntwikkeling], "Ontwikkeling");
    EXPECT_EQ(namen[Requirement::StatusKlaar], "Klaar");
}
