// The desktop application object on a real display: the main window's
// geometry, the language switch with its restart, the unsaved-changes mark,
// the about box, the splash screen and the printed image's page.
#include "swexternals/desktop/DesktopApp.h"

#include "resources/Hulpbronnen.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <vector>
#include <wx/aboutdlg.h>
#include <wx/fileconf.h>
#include <wx/frame.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/splash.h>
#include <wx/statusbr.h>
#include <wx/stdpaths.h>

namespace fs = std::filesystem;

namespace
{
// The application as a program derives it; the about box it would show is
// kept for the test to read.
class ProefApp : public DesktopApp
{
public:
    ProefApp() : DesktopApp("VerelTamso", "vtd") {}
    using DesktopApp::schrijfAfbeeldingPagina;
    const std::vector<wxAboutDialogInfo>& geefGetoond() const { return m_getoond; }

protected:
    void toonAboutBox(const wxAboutDialogInfo& info) const override { m_getoond.push_back(info); }

private:
    mutable std::vector<wxAboutDialogInfo> m_getoond;
};

using App = TijdelijkeApp<ProefApp>;

// The main window as the program has one: it stores its geometry when it
// goes, and may refuse to close.
class HoofdVenster : public wxFrame
{
public:
    HoofdVenster(DesktopApp& app, const wxPoint& positie, const wxSize& grootte)
        : wxFrame(nullptr, wxID_ANY, "Project", positie, grootte), m_app(app)
    {
        Bind(wxEVT_CLOSE_WINDOW, &HoofdVenster::OnClose, this);
    }
    ~HoofdVenster() override { m_app.bewaarHoofdVensterGrootte(); }
    void weigerSluiten() { m_weiger = true; }

private:
    void OnClose(wxCloseEvent& gebeurtenis)
    {
        if (m_weiger && gebeurtenis.CanVeto())
            gebeurtenis.Veto();
        else
            Destroy();
    }
    DesktopApp& m_app;
    bool m_weiger = false;
};

std::unique_ptr<wxFileConfig> leesKonfig()
{
    return std::make_unique<wxFileConfig>(wxString(), wxString(),
                                          wxString::FromUTF8((testMap() / ".VerelTamso").string()), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

// Records the relaunch, with the settings file as the new instance would
// find it then.
class Herstarts
{
public:
    Herstarts()
        : m_vorige(Platform::zetStarter(
              [this](const wxString& programma)
              {
                  m_programmas.push_back(programma);
                  m_konfigBijStart = leesKonfig();
                  return true;
              }))
    {
    }
    ~Herstarts() { Platform::zetStarter(m_vorige); }
    const std::vector<wxString>& programmas() const { return m_programmas; }
    wxFileConfig& konfigBijStart() const { return *m_konfigBijStart; }

private:
    Platform::Starter m_vorige;
    std::vector<wxString> m_programmas;
    std::unique_ptr<wxFileConfig> m_konfigBijStart;
};

wxRect geometrie(const wxWindow& venster)
{
    return wxRect(venster.GetScreenPosition(), venster.GetSize());
}

void bewaarGeometrie(DesktopApp& app, const wxRect& rechthoek)
{
    TrivaneWxConfig& konfig = app.geefAppConfigRef();
    konfig.DeleteGroup("/Gebruikersinstellingen/Venster");
    konfig.SetPath("/Gebruikersinstellingen/Venster");
    konfig.Write("KoordinaatX", static_cast<long>(rechthoek.x));
    konfig.Write("KoordinaatY", static_cast<long>(rechthoek.y));
    konfig.Write("GrootteX", static_cast<long>(rechthoek.width));
    konfig.Write("GrootteY", static_cast<long>(rechthoek.height));
}

wxImage plonsBeeld()
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    const Hulpbron* bron = vindHulpbron("afbeeldingen/plons.png");
    wxMemoryInputStream stroom(bron->data, bron->grootte);
    return wxImage(stroom, wxBITMAP_TYPE_PNG);
}

wxSplashScreen* vindPlonsScherm()
{
    for (wxWindow* venster : wxTopLevelWindows)
        if (auto* plons = dynamic_cast<wxSplashScreen*>(venster))
            if (!plons->IsBeingDeleted())
                return plons;
    return nullptr;
}

std::string leesBestand(const wxString& pad)
{
    std::ifstream bestand(pad.utf8_string());
    std::stringstream inhoud;
    inhoud << bestand.rdbuf();
    return inhoud.str();
}
} // namespace

TEST(DesktopApp, HeeftDeNamenVanDeApplicatieEnDeMaker)
{
    App app;
    EXPECT_EQ(app->GetAppName(), "VerelTamso");
    EXPECT_EQ(app->GetAppDisplayName(), "VerelTamso");
    EXPECT_EQ(app->GetVendorName(), "Trivane Embedded Systemen");
    EXPECT_TRUE(app->isGUIApplikatie());
    EXPECT_EQ(app->geefHoofdVenster(), nullptr);
}

TEST(DesktopApp, HetHoofdvensterKrijgtZijnPlaatsTerugAlsDieOpHetSchermPast)
{
    const wxSize scherm = wxGetDisplaySize();
    ASSERT_EQ(scherm, wxSize(1280, 1024));
    const wxRect eigen(100, 50, 640, 480);
    struct Geval
    {
        const char* wat;
        bool bewaard;
        wxRect opgeslagen;
        wxRect venster;
        wxRect wordt;
    };
    const Geval gevallen[] = {
        {"nothing stored yet", false, {}, eigen, eigen},
        {"stored and on the display", true, {10, 20, 800, 600}, eigen, {10, 20, 800, 600}},
        {"exactly the display", true, {0, 0, 1280, 1024}, eigen, {0, 0, 1280, 1024}},
        {"left of the display", true, {-5, 20, 800, 600}, eigen, eigen},
        {"one pixel too wide", true, {0, 0, 1281, 600}, eigen, eigen},
        {"right edge beyond the display", true, {700, 0, 640, 480}, eigen, eigen},
        {"bottom edge beyond the display", true, {0, 600, 640, 500}, eigen, eigen},
        {"far right, as 16 bits it would look near", true, {65546, 10, 640, 480}, eigen, eigen},
        {"neither fits", true, {2000, 0, 640, 480}, {1000, 900, 640, 480}, {320, 256, 640, 512}},
    };
    App app;
    for (const Geval& geval : gevallen)
    {
        if (geval.bewaard)
            bewaarGeometrie(*app, geval.opgeslagen);
        else
            app->geefAppConfigRef().DeleteGroup("/Gebruikersinstellingen/Venster");
        auto* venster = new wxFrame(nullptr, wxID_ANY, "Project", geval.venster.GetPosition(), geval.venster.GetSize());
        app->zetHoofdVenster(venster, false, false);
        EXPECT_EQ(geometrie(*venster), geval.wordt) << geval.wat;
        EXPECT_EQ(app->geefHoofdVenster(), venster);
        EXPECT_EQ(app->GetTopWindow(), venster);
        venster->Destroy();
        verwerkGebeurtenissen(20);
    }
}

TEST(DesktopApp, HetHoofdvensterBewaartZijnGeometrieVoorDeVolgendeStart)
{
    {
        App app;
        auto* venster = new HoofdVenster(*app, wxPoint(30, 40), wxSize(640, 480));
        app->zetHoofdVenster(venster, false, false);
        venster->SetSize(60, 70, 700, 500);
        app->bewaarHoofdVensterGrootte();
        // A window of 100 pixels or less is not worth remembering.
        venster->SetSize(100, 300);
        venster->Destroy();
        verwerkGebeurtenissen(50);
        EXPECT_EQ(app->geefHoofdVenster(), nullptr);
    }
    const auto konfig = leesKonfig();
    EXPECT_EQ(konfig->ReadLong("/Gebruikersinstellingen/Venster/KoordinaatX", -1), 60);
    EXPECT_EQ(konfig->ReadLong("/Gebruikersinstellingen/Venster/KoordinaatY", -1), 70);
    EXPECT_EQ(konfig->ReadLong("/Gebruikersinstellingen/Venster/GrootteX", -1), 700);
    EXPECT_EQ(konfig->ReadLong("/Gebruikersinstellingen/Venster/GrootteY", -1), 500);

    App volgende;
    auto* venster = new wxFrame(nullptr, wxID_ANY, "Project", wxPoint(5, 5), wxSize(300, 200));
    volgende->zetHoofdVenster(venster, false, false);
    EXPECT_EQ(geometrie(*venster), wxRect(60, 70, 700, 500));
    venster->Destroy();
    verwerkGebeurtenissen(20);
}

TEST(DesktopApp, EenVerdwenenHoofdvensterWordtNietMeerAangeraakt)
{
    App app;
    app->zetHoofdVenster(nullptr, true, false);
    EXPECT_EQ(app->geefHoofdVenster(), nullptr);
    EXPECT_EQ(app->geefEasyPrinting(), nullptr);

    auto* venster = new wxFrame(nullptr, wxID_ANY, "Project", wxPoint(10, 10), wxSize(300, 200));
    app->zetHoofdVenster(venster, true, false);
    EXPECT_NE(app->geefEasyPrinting(), nullptr);
    venster->Destroy();
    verwerkGebeurtenissen(50);
    EXPECT_EQ(app->geefHoofdVenster(), nullptr);
    // Nothing of these reaches for the window that is gone.
    app->toonOpslagStatusMacOSX(StandAan);
    app->bewaarHoofdVensterGrootte();
    app->zetHoofdVensterGrootte();
    app->maakPassendHoofdVenster();
}

TEST(DesktopApp, HetMerkVoorNietBewaardeWijzigingenStaatVoorDeTitel)
{
    App app;
    app->toonOpslagStatusMacOSX(StandAan); // no window yet: nothing to mark
    auto* venster = new wxFrame(nullptr, wxID_ANY, "Project", wxPoint(10, 10), wxSize(300, 200));
    app->zetHoofdVenster(venster, false, false);
    struct Stap
    {
        Stand stand;
        bool gemerkt;
        const char* titel;
    };
    for (const Stap& stap :
         {Stap{StandAan, true, "*Project"}, Stap{StandAan, true, "*Project"}, Stap{StandOm, false, "Project"},
          Stap{StandOm, true, "*Project"}, Stap{StandOnbekend, true, "*Project"}, Stap{StandUit, false, "Project"},
          Stap{StandUit, false, "Project"}})
    {
        app->toonOpslagStatusMacOSX(stap.stand);
        EXPECT_EQ(Platform::isVensterGewijzigd(*venster), stap.gemerkt) << stap.stand;
        EXPECT_EQ(venster->GetTitle(), stap.titel) << stap.stand;
    }
    venster->Destroy();
    verwerkGebeurtenissen(20);
}

TEST(DesktopApp, TooltipsEnEersteKeuzesWordenOnthouden)
{
    {
        App app;
        EXPECT_EQ(app->moetenTooltips(), StandAan);
        EXPECT_FALSE(app->isTaalGekozen());
        app->zetToolTips(StandOm);
        EXPECT_EQ(app->moetenTooltips(), StandUit);
    }
    auto konfig = leesKonfig();
    EXPECT_FALSE(konfig->ReadBool("/Gebruikersinstellingen/toonHulptoolTips", true));
    EXPECT_FALSE(konfig->ReadBool("/Operationeel/GebruikSecretStoreAlGevraagd", true));
    EXPECT_FALSE(konfig->ReadBool("/Gebruikersinstellingen/GebruikSecretStoreToegangToegestaan", true));
    konfig->Write("/Operationeel/EersteKeer/TaalGekozen", true);
    konfig.reset();

    App volgende;
    EXPECT_EQ(volgende->moetenTooltips(), StandUit);
    EXPECT_TRUE(volgende->isTaalGekozen());
    volgende->zetToolTips(StandAan);
    EXPECT_EQ(volgende->moetenTooltips(), StandAan);
}

TEST(Taalwissel, NeeLaatAllesZoalsHetWas)
{
    Herstarts herstarts;
    {
        App app;
        auto* venster = new HoofdVenster(*app, wxPoint(10, 10), wxSize(400, 300));
        app->zetHoofdVenster(venster, false, false);
        VraagBeantwoorder vragen;
        vragen.antwoord(wxNO);
        app->zetTaal(wxLANGUAGE_DUTCH);
        ASSERT_EQ(vragen.geefGesteld().size(), 1u);
        EXPECT_EQ(vragen.geefGesteld()[0],
                  "Restart the application\nA new application language was selected.\nDo you want to proceed (Any "
                  "unsaved data might be lost) ?\nPlease select YES to put the changes into effect and restart the "
                  "application.\n");

        // The window refuses to close: the user's yes changes nothing either.
        venster->weigerSluiten();
        vragen.antwoord(wxYES);
        app->zetTaal(wxLANGUAGE_DUTCH);
        EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(venster));
        EXPECT_FALSE(app->isTaalGekozen());
        EXPECT_NE(app->geefTaal(), wxLANGUAGE_DUTCH);
        EXPECT_FALSE(leesKonfig()->HasEntry("/Operationeel/EersteKeer/TaalGekozen"));
        venster->Destroy();
        verwerkGebeurtenissen(20);
    }
    EXPECT_TRUE(herstarts.programmas().empty());
    EXPECT_FALSE(leesKonfig()->ReadBool("/Operationeel/EigenHerstart", false));
}

TEST(Taalwissel, JaSluitHetVensterEnHerstartAlsAllesGeschrevenIs)
{
    Herstarts herstarts;
    {
        App app;
        auto* venster = new HoofdVenster(*app, wxPoint(10, 10), wxSize(400, 300));
        app->zetHoofdVenster(venster, false, false);
        venster->SetSize(20, 30, 500, 400);
        VraagBeantwoorder vragen;
        vragen.antwoord(wxYES);
        app->zetTaal(wxLANGUAGE_DUTCH);
        EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(venster));
        EXPECT_TRUE(app->isTaalGekozen());
        // The choice is in the file at once; the restart waits for the end.
        const auto nu = leesKonfig();
        EXPECT_EQ(nu->ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_DUTCH);
        EXPECT_TRUE(nu->ReadBool("/Operationeel/EersteKeer/TaalGekozen", false));
        EXPECT_TRUE(nu->ReadBool("/Operationeel/EigenHerstart", false));
        EXPECT_TRUE(herstarts.programmas().empty());
        verwerkGebeurtenissen(50);
    }
    ASSERT_EQ(herstarts.programmas().size(), 1u);
    EXPECT_EQ(herstarts.programmas()[0], wxStandardPaths::Get().GetExecutablePath());
    // The new instance finds everything the old one had to write.
    wxFileConfig& bijStart = herstarts.konfigBijStart();
    EXPECT_EQ(bijStart.ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_DUTCH);
    EXPECT_TRUE(bijStart.ReadBool("/Operationeel/EigenHerstart", false));
    EXPECT_EQ(bijStart.ReadLong("/Gebruikersinstellingen/Venster/GrootteX", -1), 500);
    EXPECT_TRUE(bijStart.HasEntry("/Gebruikersinstellingen/toonHulptoolTips"));
    EXPECT_TRUE(bijStart.HasEntry("/Statistiek/StopTijd"));

    App nieuw;
    EXPECT_EQ(nieuw->geefTaal(), wxLANGUAGE_DUTCH);
    EXPECT_EQ(wxGetTranslation("Restart the application"), "De toepassing opnieuw starten");
    EXPECT_EQ(nieuw->onInitRoutines(wxSize(800, 600), false), 0);
    EXPECT_TRUE(logVanger().bevat("Toepassing \"VerelTamso\" is met succes opnieuw gestart.", wxLOG_Message))
        << logVanger().geefAlles();
}

TEST(Taalwissel, EenTaalZonderKatalogussenWordtNietAangenomen)
{
    Herstarts herstarts;
    {
        App app;
        auto* venster = new HoofdVenster(*app, wxPoint(10, 10), wxSize(400, 300));
        app->zetHoofdVenster(venster, false, false);
        VraagBeantwoorder vragen; // any question would fail the test
        app->zetTaal(wxLANGUAGE_ICELANDIC);
        EXPECT_TRUE(logVanger().bevat("The interface language \"Icelandic\" cannot be used: its message catalogues "
                                      "were not found.",
                                      wxLOG_Error))
            << logVanger().geefAlles();
        EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(venster));
        EXPECT_FALSE(app->isTaalGekozen());
        venster->Destroy();
        verwerkGebeurtenissen(20);
    }
    EXPECT_TRUE(herstarts.programmas().empty());
    EXPECT_NE(leesKonfig()->ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_ICELANDIC);
}

TEST(OverVenster, NoemtProductPlatformToolkitEnMakers)
{
    App app;
    wxArrayString credits;
    app->toonCopyright("https://www.trivane.nl", wxIcon(), credits);
    credits.Add("Icons: Tango");
    credits.Add("Testing: the team");
    app->toonCopyright("https://www.trivane.nl", wxIcon(), credits);
    ASSERT_EQ(app->geefGetoond().size(), 2u);

    const wxAboutDialogInfo& info = app->geefGetoond()[0];
    EXPECT_EQ(info.GetName(), "VerelTamso");
    EXPECT_EQ(info.GetVersion(), DesktopAppBasis::geefVersie(true));
    EXPECT_EQ(info.GetCopyright(), DesktopApp::geefRechtenNotitie());
    EXPECT_EQ(info.GetWebSiteURL(), "https://www.trivane.nl");
    EXPECT_EQ(info.GetWebSiteDescription(), "https://www.trivane.nl");
    const wxString beschrijving = info.GetDescription();
    EXPECT_TRUE(beschrijving.StartsWith(app->geefPlatformBeschrijving(true) + "\n\nVerel Tamso is the dull but "))
        << beschrijving;
    const wxString toolkit = "The wxWidgets cross-platform GUI toolkit. (https://www.wxwidgets.org ) ";
    ASSERT_EQ(info.GetDevelopers().size(), 1u);
    EXPECT_EQ(info.GetDevelopers()[0], toolkit);

    const wxArrayString ontwikkelaars = app->geefGetoond()[1].GetDevelopers();
    ASSERT_EQ(ontwikkelaars.size(), 3u);
    EXPECT_EQ(ontwikkelaars[0], toolkit);
    EXPECT_EQ(ontwikkelaars[1], "\nIcons: Tango");
    EXPECT_EQ(ontwikkelaars[2], "\nTesting: the team");

    // The makers of the images, as the credits file names them.
    const wxArrayString makers = info.GetArtists();
    ASSERT_EQ(makers.size(), geefAantalMakers());
    ASSERT_GE(makers.size(), 3u);
    EXPECT_TRUE(makers[0].Contains("famfamfam flag icons")) << makers[0];
    EXPECT_TRUE(makers[1].Contains("Silk icon set")) << makers[1];
    EXPECT_TRUE(makers[2].Contains("Tango")) << makers[2];
}

TEST(OverVenster, MetEigenGegevens)
{
    App app;
    app->toonCopyright("Kassa", "2.0", "Telt geld.", "(c) Kassa", "https://kassa.example", wxIcon(), wxArrayString());
    ASSERT_EQ(app->geefGetoond().size(), 1u);
    const wxAboutDialogInfo& info = app->geefGetoond()[0];
    EXPECT_EQ(info.GetName(), "Kassa");
    EXPECT_EQ(info.GetVersion(), "2.0");
    EXPECT_EQ(info.GetCopyright(), "(c) Kassa");
    EXPECT_EQ(info.GetDescription(), app->geefPlatformBeschrijving(true) + "\n\nTelt geld.");
}

TEST(PlonsScherm, ToontHetBeeldMetDeTekstEnSluitVanzelf)
{
    App app;
    const wxImage beeld = plonsBeeld();
    ASSERT_TRUE(beeld.IsOk());
    app->maakPlonsScherm("Trivane Embedded Systemen", beeld, 150, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT);
    wxSplashScreen* plons = vindPlonsScherm();
    ASSERT_NE(plons, nullptr);
    EXPECT_EQ(plons->GetParent(), nullptr);
    ASSERT_NE(plons->GetStatusBar(), nullptr);
    EXPECT_EQ(plons->GetStatusBar()->GetStatusText(0), "Trivane Embedded Systemen");
    // The status line does not eat into the picture.
    EXPECT_EQ(plons->GetSplashWindow()->GetSize(), beeld.GetSize());
    verwerkGebeurtenissen(800);
    EXPECT_EQ(vindPlonsScherm(), nullptr);

    auto* venster = new wxFrame(nullptr, wxID_ANY, "Project", wxPoint(10, 10), wxSize(300, 200));
    app->zetHoofdVenster(venster, false, false);
    app->maakPlonsScherm("boven het venster", beeld, 100, wxSPLASH_CENTRE_ON_PARENT | wxSPLASH_TIMEOUT);
    plons = vindPlonsScherm();
    ASSERT_NE(plons, nullptr);
    EXPECT_EQ(plons->GetParent(), venster);
    verwerkGebeurtenissen(600);
    EXPECT_EQ(vindPlonsScherm(), nullptr);
    venster->Destroy();
    verwerkGebeurtenissen(20);

    app->maakPlonsScherm("zonder beeld", wxImage(), 100, wxSPLASH_TIMEOUT);
    EXPECT_EQ(vindPlonsScherm(), nullptr);
    EXPECT_TRUE(logVanger().bevat("The splash screen image could not be shown.", wxLOG_Error));
}

TEST(AfbeeldingPrinten, DePaginaToontHetBeeld)
{
    App app;
    // This program never asks for the printing object.
    EXPECT_EQ(app->printAfbeelding(plonsBeeld()), 2);

    const wxFileName pagina = app->schrijfAfbeeldingPagina(plonsBeeld());
    ASSERT_TRUE(pagina.IsOk());
    EXPECT_EQ(pagina.GetExt(), "html");
    EXPECT_TRUE(pagina.GetName().StartsWith("VerelTamsoAfbeelding")) << pagina.GetFullPath();
    const std::string inhoud = leesBestand(pagina.GetFullPath());
    EXPECT_EQ(inhoud.rfind("<!DOCTYPE html>\n<html lang=\"en_UK\">\n<head>\n <meta charset=\"UTF-8\">\n "
                           "<title>Trivane printed image</title>\n</head>\n<body>\n<a href=\"\"><img "
                           "class=\"aligncenter\" src=\"file://",
                           0),
              0u)
        << inhoud;
    EXPECT_NE(inhoud.find("\" alt=\"\" width=\"480\" height=\"300\"/></a>\n</body>\n</html>\n"), std::string::npos)
        << inhoud;

    EXPECT_FALSE(app->schrijfAfbeeldingPagina(wxImage()).IsOk());
}
