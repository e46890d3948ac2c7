// The list's colours and font: read from the configuration file when the
// program starts, written back when it ends, and the background that shows
// the project's state.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/kern/app/KernApp.h"

#include <wx/fontdata.h>

namespace
{
long kleurGetal(const wxColour& kleur)
{
    return kleur.Red() | (kleur.Green() << 8) | (kleur.Blue() << 16);
}
} // namespace

TEST(Instellingen, EenEersteStartKrijgtDeStandaardKleurenEnHetLettertypeVanDeRichTekst)
{
    App app;
    EXPECT_EQ(app->geefTekstKleur(), wxColour(0, 0, 200));
    EXPECT_EQ(app->leesSchrijfAchtergrondKleur, wxColour(255, 249, 122));
    EXPECT_EQ(app->slechtsLeesAchtergrondKleur, wxColour(219, 95, 204));
    EXPECT_EQ(app->savePointAchtergrondKleur, wxColour(0, 250, 0));
    EXPECT_TRUE(app->geefFont().IsOk());
    EXPECT_EQ(app->geefAppConfigRef().GetPath(), "/Configuratie/Kleuren");
}

TEST(Instellingen, GekozenKleurenEnLettertypeKomenBijDeVolgendeStartTerug)
{
    wxFont gekozen;
    {
        App app;
        app->lijstTekstKleur = wxColour(10, 20, 30);
        app->leesSchrijfAchtergrondKleur = wxColour(200, 210, 220);
        app->slechtsLeesAchtergrondKleur = wxColour(1, 2, 3);
        app->savePointAchtergrondKleur = wxColour(4, 5, 6);
        gekozen = app->geefFont();
        gekozen.SetPointSize(gekozen.GetPointSize() + 5);
        gekozen.MakeBold();
        app->lijstFont = gekozen;
    }
    {
        // As stored: one number per colour; the font's colour is the
        // writable background.
        auto konfig = openKonfigBestand();
        EXPECT_EQ(konfig->ReadLong("/Configuratie/Kleuren/LijstTekstKleur", -1), kleurGetal(wxColour(10, 20, 30)));
        EXPECT_EQ(konfig->ReadLong("/Configuratie/Kleuren/SavePointAchtergrondKleur", -1),
                  kleurGetal(wxColour(4, 5, 6)));
        EXPECT_EQ(konfig->ReadLong("/Configuratie/Kleur", -1), kleurGetal(wxColour(200, 210, 220)));
        EXPECT_EQ(konfig->Read("/Configuratie/Font/InheemseBeschrijving", ""), gekozen.GetNativeFontInfoDesc());
    }
    App app;
    EXPECT_EQ(app->geefTekstKleur(), wxColour(10, 20, 30));
    EXPECT_EQ(app->leesSchrijfAchtergrondKleur, wxColour(200, 210, 220));
    EXPECT_EQ(app->slechtsLeesAchtergrondKleur, wxColour(1, 2, 3));
    EXPECT_EQ(app->savePointAchtergrondKleur, wxColour(4, 5, 6));
    EXPECT_EQ(app->geefFont().GetPointSize(), gekozen.GetPointSize());
    EXPECT_EQ(app->geefFont().GetWeight(), wxFONTWEIGHT_BOLD);
}

TEST(Instellingen, EenOnleesbaarLettertypeWordtHetStandaardLettertype)
{
    const wxFont standaard = App()->geefFont();
    {
        auto konfig = openKonfigBestand();
        konfig->Write("/Configuratie/Font/InheemseBeschrijving", "");
    }
    App app;
    EXPECT_TRUE(app->geefFont().IsOk());
    EXPECT_EQ(app->geefFont().GetNativeFontInfoDesc(), standaard.GetNativeFontInfoDesc());
}

TEST(Instellingen, DeAchtergrondToontAlleenLezenVoorVeiligWerkenVoorSchrijfbaar)
{
    const wxString pad = projectPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::lichtgeel);
    ASSERT_EQ(app->schakelHandmatigeTransaktie(StandAan, VerelTamsoApp::safepointNaam), 0);
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::groen);
    // Read-only wins over safe operation.
    app->schakelAlleenLezen(true);
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::veiligRoze);
    app->schakelAlleenLezen(false);
    ASSERT_EQ(app->schakelHandmatigeTransaktie(StandUit, VerelTamsoApp::safepointNaam), 0);

    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(app->geefAchtergrondKleur(), VerelTamsoApp::veiligRoze);
}
