// The desktop application object on a real display: the main window's
// geometry, the language switch with its restart, the unsaved-changes mark,
// the about box, the splash screen and the printed image's page.
#include "swexternals/desktop/DesktopApp.h"

#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/HerstartOpnemer.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <vector>
#include <wx/aboutdlg.h>
#include <wx/frame.h>
#include <wx/icon.h>
#include <wx/log.h>
#include <wx/splash.h>
#include <wx/statusbr.h>

namespace
{
// The application as a program derives it.
class ProefApp : public DesktopApp
{
public:
    ProefApp() : DesktopApp("VerelTamso", "vtd") {}
    using DesktopApp::schrijfAfbeeldingPagina;
};

using App = TijdelijkeApp<ProefApp>;

// The main window as the program has one: it stores its geometry when it
// goes, and it may refuse to close.
class HoofdVenster : public wxFrame
{
public:
    HoofdVenster(DesktopApp& app, const wxRect& plaats = wxRect(10, 10, 400, 300))
        : wxFrame(nullptr, wxID_ANY, "Project", plaats.GetPosition(), plaats.GetSize()), m_app(app)
    {
        Bind(wxEVT_CLOSE_WINDOW,
             [this](wxCloseEvent& sluiten)
             {
                 if (m_weiger && sluiten.CanVeto())
                     sluiten.Veto();
                 else
                     Destroy();
             });
        app.zetHoofdVenster(this, false, false);
    }
    ~HoofdVenster() override { m_app.bewaarHoofdVensterGrootte(); }
    bool m_weiger = false;

private:
    DesktopApp& m_app;
};

wxRect geometrie(const wxWindow& venster)
{
    return wxRect(venster.GetScreenPosition(), venster.GetSize());
}

void sluit(wxWindow* venster)
{
    venster->Destroy();
    verwerkGebeurtenissen(30);
}

wxSplashScreen* vindPlonsScherm()
{
    for (wxWindow* venster : wxTopLevelWindows)
        if (auto* plons = dynamic_cast<wxSplashScreen*>(venster); plons && !wxTheApp->IsScheduledForDestruction(plons))
            return plons;
    return nullptr;
}

// The splash screen closes itself; a busy machine may take its time.
bool plonsSchermVerdwijnt()
{
    return wachtOp([] { return vindPlonsScherm() == nullptr; });
}
} // namespace

TEST(HoofdVenster, KrijgtZijnPlaatsTerugAlsDieHeelOpHetSchermLigt)
{
    ASSERT_EQ(wxGetDisplaySize(), wxSize(1280, 1024));
    const wxRect eigen(100, 50, 640, 480);
    struct Geval
    {
        const char* wat;
        wxRect opgeslagen; // empty: nothing stored
        wxRect venster;
        wxRect wordt;
    };
    for (const Geval& geval : {
             Geval{"nothing stored yet", {}, eigen, eigen},
             Geval{"on the display", {10, 20, 800, 600}, eigen, {10, 20, 800, 600}},
             Geval{"exactly the display", {0, 0, 1280, 1024}, eigen, {0, 0, 1280, 1024}},
             Geval{"left of the display", {-5, 20, 800, 600}, eigen, eigen},
             Geval{"one pixel too wide", {0, 0, 1281, 600}, eigen, eigen},
             Geval{"right edge beyond the display", {700, 0, 640, 480}, eigen, eigen},
             Geval{"bottom edge beyond the display", {0, 600, 640, 500}, eigen, eigen},
             Geval{"far right, near when cut to 16 bits", {65546, 10, 640, 480}, eigen, eigen},
             Geval{"neither fits", {2000, 0, 640, 480}, {1000, 900, 640, 480}, {320, 256, 640, 512}},
         })
    {
        App app;
        if (!geval.opgeslagen.IsEmpty())
        {
            TrivaneWxConfig& konfig = app->geefAppConfigRef();
            konfig.Write("/Gebruikersinstellingen/Venster/KoordinaatX", static_cast<long>(geval.opgeslagen.x));
            konfig.Write("/Gebruikersinstellingen/Venster/KoordinaatY", static_cast<long>(geval.opgeslagen.y));
            konfig.Write("/Gebruikersinstellingen/Venster/GrootteX", static_cast<long>(geval.opgeslagen.width));
            konfig.Write("/Gebruikersinstellingen/Venster/GrootteY", static_cast<long>(geval.opgeslagen.height));
        }
        auto* venster = new wxFrame(nullptr, wxID_ANY, "Project", geval.venster.GetPosition(), geval.venster.GetSize());
        app->zetHoofdVenster(venster, false, false);
        EXPECT_EQ(geometrie(*venster), geval.wordt) << geval.wat;
        EXPECT_EQ(app->GetTopWindow(), venster);
        sluit(venster);
    }
}

TEST(HoofdVenster, BewaartZijnGeometrieVoorDeVolgendeStart)
{
    {
        App app;
        auto* venster = new HoofdVenster(*app);
        venster->SetSize(60, 70, 700, 500);
        app->bewaarHoofdVensterGrootte();
        venster->SetSize(100, 300); // 100 pixels or less are not worth remembering
        sluit(venster);
        // Gone is gone: nothing reaches for the window any more.
        EXPECT_EQ(app->geefHoofdVenster(), nullptr);
        app->toonOpslagStatusMacOSX(StandAan);
        app->zetHoofdVensterGrootte();
    }
    App volgende;
    auto* venster = new wxFrame(nullptr, wxID_ANY, "Project", wxPoint(5, 5), wxSize(300, 200));
    volgende->zetHoofdVenster(venster, false, false);
    EXPECT_EQ(geometrie(*venster), wxRect(60, 70, 700, 500));
    sluit(venster);
}

TEST(HoofdVenster, HetMerkVoorNietBewaardeWijzigingenStaatVoorDeTitel)
{
    App app;
    HoofdVenster* venster = new HoofdVenster(*app);
    struct Stap
    {
        Stand stand;
        const char* titel;
    };
    for (const Stap& stap : {Stap{StandAan, "*Project"}, Stap{StandAan, "*Project"}, Stap{StandOm, "Project"},
                             Stap{StandOm, "*Project"}, Stap{StandOnbekend, "*Project"}, Stap{StandUit, "Project"}})
    {
        app->toonOpslagStatusMacOSX(stap.stand);
        EXPECT_EQ(venster->GetTitle(), stap.titel) << stap.stand;
        EXPECT_EQ(Platform::isVensterGewijzigd(*venster), venster->GetTitle().StartsWith("*"));
    }
    sluit(venster);
}

TEST(Taalwissel, NeeEenWeigerendVensterOfEenOnbruikbareTaalLatenAllesZoalsHetWas)
{
    HerstartOpnemer herstarts;
    {
        App app;
        HoofdVenster* venster = new HoofdVenster(*app);
        VraagBeantwoorder vragen;
        vragen.antwoord(wxNO);
        app->zetTaal(wxLANGUAGE_DUTCH);
        EXPECT_TRUE(vragen.isGevraagd("Restart the application\nA new application language was selected.\nDo you "
                                      "want to proceed (any unsaved data might be lost)?\nPlease select YES to put "
                                      "the changes into effect and restart the application.\n"));
        venster->m_weiger = true;
        vragen.antwoord(wxYES);
        app->zetTaal(wxLANGUAGE_DUTCH);
        // Not asked at all: stored, the language would be lost at the next start.
        app->zetTaal(wxLANGUAGE_ICELANDIC);
        EXPECT_EQ(vragen.geefGesteld().size(), 2u);
        EXPECT_TRUE(logVanger().bevat("The interface language \"Icelandic\" cannot be used: its message catalogues "
                                      "were not found.",
                                      wxLOG_Error));
        EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(venster));
        EXPECT_FALSE(app->isTaalGekozen());
        EXPECT_FALSE(openKonfigBestand()->HasEntry("/Operationeel/EersteKeer/TaalGekozen"));
        sluit(venster);
    }
    EXPECT_TRUE(herstarts.geefProgrammas().empty());
    const long taal = openKonfigBestand()->ReadLong("/Gebruikersinstellingen/Encoding", -1);
    EXPECT_TRUE(taal != wxLANGUAGE_DUTCH && taal != wxLANGUAGE_ICELANDIC) << taal;
}

TEST(Taalwissel, JaSluitHetVensterEnHerstartAlsAllesGeschrevenIs)
{
    HerstartOpnemer herstarts;
    {
        App app;
        HoofdVenster* venster = new HoofdVenster(*app, wxRect(20, 30, 500, 400));
        VraagBeantwoorder vragen;
        vragen.antwoord(wxYES);
        app->zetTaal(wxLANGUAGE_DUTCH);
        EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(venster));
        EXPECT_TRUE(app->isTaalGekozen());
        // The relaunch waits for the end, when the window's settings are written too.
        EXPECT_TRUE(herstarts.geefProgrammas().empty());
        verwerkGebeurtenissen(50);
    }
    ASSERT_EQ(herstarts.geefProgrammas().size(), 1u);
    const wxFileConfig& bijStart = herstarts.geefKonfigBijStart();
    EXPECT_TRUE(bijStart.ReadBool("/Operationeel/EersteKeer/TaalGekozen", false));
    EXPECT_EQ(bijStart.ReadLong("/Gebruikersinstellingen/Venster/GrootteX", -1), 500);
    EXPECT_TRUE(bijStart.HasEntry("/Gebruikersinstellingen/toonHulptoolTips"));

    App nieuw;
    EXPECT_EQ(nieuw->geefTaal(), wxLANGUAGE_DUTCH);
    EXPECT_EQ(nieuw->onInitRoutines(wxSize(800, 600), false), 0);
    EXPECT_TRUE(logVanger().bevat("Toepassing \"VerelTamso\" is met succes opnieuw gestart.", wxLOG_Message));
}

// A start in a language whose locale the system lacks: the construction
// could say so on standard error only.
class ZonderLocaleApp : public DesktopApp
{
public:
    ZonderLocaleApp() : DesktopApp("VerelTamso", "vtd") { procesLokaliteit.zet(geefTaal(), "xx_XX.UTF-8"); }
    bool OnInit() override { return true; }
};

TEST(Taalwissel, EenOntbrekendeLocaleZietDeGebruikerEenmaalNaDeStartInZijnTaal)
{
    openKonfigBestand()->Write("/Gebruikersinstellingen/Encoding", static_cast<long>(wxLANGUAGE_DUTCH));
    TijdelijkeApp<ZonderLocaleApp> app;
    VraagBeantwoorder vragen;
    vragen.antwoord(wxOK);
    // The start puts its own log target in place; the test's comes back.
    wxLog* vanger = wxLog::SetActiveTarget(new wxLogBuffer);
    EXPECT_TRUE(app->CallOnInit());
    delete wxLog::SetActiveTarget(vanger);
    ASSERT_EQ(vragen.geefVragen().size(), 1u);
    const VraagBeantwoorder::Gevraagd vraag = vragen.geefVragen()[0];
    EXPECT_EQ(vraag.titel, wxString::FromUTF8("Locale niet ge\xC3\xAFnstalleerd"));
    EXPECT_TRUE(vraag.bericht.StartsWith("De locale \"xx_XX.UTF-8\"")) << vraag.bericht;
    EXPECT_TRUE(vraag.bericht.Contains("locale-gen")) << vraag.bericht;
    EXPECT_EQ(vraag.stijl, wxOK | wxICON_WARNING);
    app->toonOntbrekendeLocale();
    EXPECT_EQ(vragen.geefVragen().size(), 1u);
}

TEST(OverVenster, NoemtProductPlatformToolkitCreditsEnMakers)
{
    App app;
    VraagBeantwoorder vragen;
    wxArrayString credits;
    app->toonCopyright("https://www.trivane.nl", wxIcon(), credits);
    credits.Add("Icons: Tango");
    credits.Add("Testing: the team");
    app->toonCopyright("https://www.trivane.nl", wxIcon(), credits);
    ASSERT_EQ(vragen.geefAboutBoxen().size(), 2u);

    const wxAboutDialogInfo& info = vragen.geefAboutBoxen()[0];
    EXPECT_EQ(info.GetName(), "VerelTamso");
    EXPECT_EQ(info.GetVersion(), "12.01.2025_1.4.0.a");
    EXPECT_EQ(info.GetWebSiteURL(), "https://www.trivane.nl");
    EXPECT_TRUE(
        info.GetDescription().StartsWith(app->geefPlatformBeschrijving(true) + "\n\nVerel Tamso is the dull but "));
    const wxString toolkit = "The wxWidgets cross-platform GUI toolkit. https://www.wxwidgets.org";
    EXPECT_EQ(info.GetDevelopers(), wxArrayString(1, &toolkit));
    const wxArrayString ontwikkelaars = vragen.geefAboutBoxen()[1].GetDevelopers();
    ASSERT_EQ(ontwikkelaars.size(), 3u);
    EXPECT_EQ(ontwikkelaars[1], "\nIcons: Tango");
    EXPECT_EQ(ontwikkelaars[2], "\nTesting: the team");
    // The makers of the four image sets that resources/CREDITS.md names.
    ASSERT_EQ(info.GetArtists().size(), 4u);
    EXPECT_TRUE(info.GetArtists()[0].Contains("famfamfam flag icons"));
}

TEST(PlonsScherm, ToontHetHeleBeeldMetDeTekstEnSluitVanzelf)
{
    App app;
    const wxImage beeld = maakBeeld(240, 160);
    app->maakPlonsScherm("Trivane Embedded Systemen", beeld, 150, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT);
    wxSplashScreen* plons = vindPlonsScherm();
    ASSERT_NE(plons, nullptr);
    EXPECT_EQ(plons->GetParent(), nullptr); // no main window yet
    EXPECT_EQ(plons->GetStatusBar()->GetStatusText(0), "Trivane Embedded Systemen");
    EXPECT_EQ(plons->GetSplashWindow()->GetSize(), beeld.GetSize());
    EXPECT_TRUE(plonsSchermVerdwijnt());

    HoofdVenster* venster = new HoofdVenster(*app);
    app->maakPlonsScherm("boven het venster", beeld, 100, wxSPLASH_CENTRE_ON_PARENT | wxSPLASH_TIMEOUT);
    ASSERT_NE(vindPlonsScherm(), nullptr);
    EXPECT_EQ(vindPlonsScherm()->GetParent(), venster);
    EXPECT_TRUE(plonsSchermVerdwijnt());
    sluit(venster);

    // A text wider than the picture: the picture widens, its edge columns
    // carried on, and the status line holds the text whole.
    const wxString lang =
        "VerelTamso version 1.4.0.a. Copyright (c) 2025 Trivane Embedded Systemen. All rights reserved.";
    app->maakPlonsScherm(lang, beeld, 150, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT);
    plons = vindPlonsScherm();
    ASSERT_NE(plons, nullptr);
    wxStatusBar* balk = plons->GetStatusBar();
    EXPECT_TRUE(wachtOp([&] { return balk->GetSize().GetWidth() == plons->GetClientSize().GetWidth(); }));
    wxRect veld;
    ASSERT_TRUE(balk->GetFieldRect(0, veld));
    EXPECT_GE(veld.GetWidth(), balk->GetTextExtent(lang).GetWidth() + 4);
    const wxImage breed = plons->GetSplashWindow()->GetBitmap().ConvertToImage();
    EXPECT_GT(breed.GetWidth(), beeld.GetWidth());
    EXPECT_EQ(breed.GetHeight(), beeld.GetHeight());
    EXPECT_EQ(plons->GetSplashWindow()->GetSize(), breed.GetSize());
    for (int y : {0, 80, 159})
    {
        EXPECT_EQ(breed.GetRed(0, y), beeld.GetRed(0, y));
        EXPECT_EQ(breed.GetRed(breed.GetWidth() - 1, y), beeld.GetRed(beeld.GetWidth() - 1, y));
    }
    EXPECT_TRUE(plonsSchermVerdwijnt());

    app->maakPlonsScherm("zonder beeld", wxImage(), 100, wxSPLASH_TIMEOUT);
    EXPECT_EQ(vindPlonsScherm(), nullptr);
    EXPECT_TRUE(logVanger().bevat("The splash screen image could not be shown.", wxLOG_Error));
}

TEST(AfbeeldingPrinten, DePaginaToontHetBeeld)
{
    App app;
    EXPECT_EQ(app->printAfbeelding(maakBeeld(40, 30)), 2); // no printing object was asked for
    const wxFileName pagina = app->schrijfAfbeeldingPagina(maakBeeld(40, 30));
    ASSERT_TRUE(pagina.GetFullName().StartsWith("VerelTamsoAfbeelding") && pagina.GetExt() == "html");
    const std::string inhoud = leesTekst(pagina.GetFullPath().utf8_string());
    EXPECT_NE(inhoud.find("<title>Trivane printed image</title>\n</head>\n<body>\n<a href=\"\"><img "
                          "class=\"aligncenter\" src=\"file://"),
              std::string::npos)
        << inhoud;
    EXPECT_FALSE(app->schrijfAfbeeldingPagina(wxImage()).IsOk());
}
