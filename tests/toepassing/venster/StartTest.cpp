// Starting and stopping: the close box, files the desktop hands over, the
// first start's language choice, the read-only indication and the commands
// that come later.
#include "swexternals/desktop/TaalKeuzeDialoog.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/HerstartOpnemer.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <fstream>
#include <wx/bmpbuttn.h>
#include <wx/listctrl.h>
#include <wx/statusbr.h>

namespace
{
using V = VerelTamsoVenster;
void sluitKnop(VerelTamsoVenster& venster)
{
    wxCloseEvent gebeurtenis(wxEVT_CLOSE_WINDOW, venster.GetId());
    gebeurtenis.SetEventObject(&venster);
    gebeurtenis.SetCanVeto(true);
    venster.GetEventHandler()->ProcessEvent(gebeurtenis);
}
} // namespace

TEST_F(VensterTest, TheFirstCloseBoxClosesTheProjectTheSecondTheWindow)
{
    sluitKnop(*venster);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(venster));
    EXPECT_EQ(labelVan(*venster, V::ID_PROJEKTNAAM_LABEL), "No project");
    EXPECT_EQ(venster->geefRekLijst()->GetItemCount(), 0);
    sluitKnop(*venster);
    EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(venster));
    // A file handed over now finds no window, before the frame is deleted
    // and after.
    const wxArrayString bestanden(1, &pad);
    EXPECT_EQ(app->geefVenster(), nullptr);
    app->MacOpenFiles(bestanden);
    venster = nullptr;
    verwerkGebeurtenissen();
    app->MacOpenFiles(bestanden);
    EXPECT_FALSE(app->isDBOpen());
}

TEST_F(VensterTest, AFileHandedOverOpensReadOnlyInPlaceOfTheProject)
{
    const wxString ander = testPad("ander.vtd");
    {
        App tweede;
        ASSERT_EQ(tweede->openProject(ander), 0);
        voegRijenToe(*tweede, {{7, "Seven"}});
        tweede->sluitDB();
    }
    app->MacOpenFiles(wxArrayString{1, &ander});
    EXPECT_TRUE(app->isAlleenLezenDB());
    EXPECT_EQ(app->geefDBPad().GetFullPath(), ander);
    EXPECT_EQ(nummersInLijst(*venster), std::vector<wxString>{"7"});
    EXPECT_EQ(venster->GetMenuBar()->GetLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN),
              "Switch current database to read+write mode\tCtrl+T");
    EXPECT_EQ(venster->geefRekLijst()->GetBackgroundColour(), VerelTamsoApp::veiligRoze);

    // A missing file changes nothing.
    const wxString weg = testPad("weg.vtd");
    app->MacOpenFiles(wxArrayString{1, &weg});
    EXPECT_TRUE(logVanger().bevat("The presented path is not a readable file.", wxLOG_Error));
    EXPECT_EQ(app->geefDBPad().GetFullPath(), ander);

    // A file that is no project: an error, and no project at all.
    const wxString tekst = testPad("tekst.vtd");
    std::ofstream(tekst.utf8_string()) << "plain text, no database\n";
    app->MacOpenFiles(wxArrayString{1, &tekst});
    EXPECT_TRUE(logVanger().bevat("The presented file is not a VerelTamsoApp DB file.", wxLOG_Error));
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(labelVan(*venster, V::ID_PROJEKTNAAM_LABEL), "No project");
}

TEST(VensterStart, AProjectInMemoryThatTheUserKeepsStopsAHandOver)
{
    VApp app;
    ASSERT_TRUE(app->isMemoryDB());
    ASSERT_EQ(app->startDatabase(), 0);
    VerelTamsoVenster* venster = maakVenster(*app);
    venster->start();
    const wxString bestand = testPad("elders.vtd");
    {
        App tweede;
        ASSERT_EQ(tweede->openProject(bestand), 0);
    }
    // "Save it in a file?" Cancel: the only copy stays open.
    VraagBeantwoorder vragen;
    vragen.antwoord(wxCANCEL);
    app->MacOpenFiles(wxArrayString{1, &bestand});
    EXPECT_TRUE(app->isDBOpen());
    EXPECT_TRUE(app->isMemoryDB());
    EXPECT_TRUE(vragen.isGevraagd("Do you want to save it in a file?"));
    sluitVenster(venster);
    app->sluitDB();
}

TEST(VensterStart, TheFirstLanguageChoiceRestartsWithoutStartingTheWindow)
{
    HerstartOpnemer herstart;
    int eindStatus = -1;
    bool gestart = false;
    {
        VApp app;
        VerelTamsoVenster* venster = nullptr;
        VerelTamsoApp::zetVensterMaker(
            [&](VerelTamsoApp& a) -> VensterKoppeling*
            {
                venster = maakVenster(static_cast<VensterApp&>(a));
                return venster;
            });
        // The dialog's list: pick Dutch and press OK. Nothing can be lost
        // yet: no question, no offer to save the empty project in memory.
        dialoogBeantwoorder().verwacht(
            [](wxDialog& dialoog)
            {
                auto* lijst = wxStaticCast(dialoog.FindWindow(TaalKeuzeDialoog::ID_TAALKEUZE_LIJST), wxListCtrl);
                const long nl = lijst->FindItem(-1, "Dutch");
                wxListEvent keuze(wxEVT_LIST_ITEM_SELECTED, TaalKeuzeDialoog::ID_TAALKEUZE_LIJST);
                keuze.SetEventObject(lijst);
                keuze.m_itemIndex = nl;
                lijst->GetEventHandler()->ProcessEvent(keuze);
                return static_cast<int>(wxID_OK);
            });
        VraagBeantwoorder vragen;
        EXPECT_FALSE(app->OnInit());
        EXPECT_TRUE(vragen.geefGesteld().empty());
        eindStatus = VerelTamsoApp::geefEindStatus().value_or(-1);
        ASSERT_TRUE(venster);
        EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(venster));
        // Not started: the window was never filled from a project.
        gestart = labelVan(*venster, V::ID_AANTALREK_LABEL) != "not known yet";
        verwerkGebeurtenissen();
        VerelTamsoApp::zetVensterMaker({});
    }
    EXPECT_EQ(eindStatus, 0);
    EXPECT_FALSE(gestart);
    ASSERT_EQ(herstart.geefProgrammas().size(), 1u);
    EXPECT_EQ(herstart.geefKonfigBijStart().ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_DUTCH);
    // The new instance starts without word of the restart.
    VApp nieuw;
    EXPECT_EQ(nieuw->onInitRoutines(wxSize(800, 600), false), 0);
    EXPECT_FALSE(logVanger().bevat("opnieuw gestart")) << logVanger().geefAlles();
}

TEST_F(VensterTest, TheReadOnlyIndicationFollowsTheStand)
{
    const wxString slechtsLezen = "Switch current database to read-only mode\tCtrl+T";
    const wxString lezenSchrijven = "Switch current database to read+write mode\tCtrl+T";
    EXPECT_EQ(venster->GetMenuBar()->GetLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), slechtsLezen);
    const struct
    {
        Stand stand;
        const wxString& label;
    } gevallen[] = {{StandAan, lezenSchrijven},
                    {StandOm, slechtsLezen},
                    {StandAan, lezenSchrijven},
                    {StandOnbekend, slechtsLezen},
                    {StandUit, slechtsLezen}};
    for (const auto& geval : gevallen)
    {
        venster->schakelSlechtsLezenKnoppen(geval.stand);
        EXPECT_EQ(venster->GetMenuBar()->GetLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), geval.label) << geval.stand;
    }
}

TEST_F(VensterTest, TheDoubleClickChoiceNeedsOneSelectedRow)
{
    // Every command of the window has its work now; only the choice of what
    // a double click does depends on the selection.
    venster->selekteerRequirement(opgeslagen("Pour", 30), StandAan);
    EXPECT_TRUE(isIngeschakeld(*venster, V::ID_DUBBELKLIKTOONMODE));
    venster->selekteerRequirements(lijstVan({opgeslagen("Pour", 30), opgeslagen("Serve", 40)}), StandAan);
    EXPECT_FALSE(isIngeschakeld(*venster, V::ID_DUBBELKLIKEDITMODE));
}

TEST(VensterStart, AnOrderlyStopKeepsAProjectInMemoryTheUserWillNotLetGo)
{
    VApp app;
    ASSERT_EQ(app->startDatabase(), 0);
    VerelTamsoVenster* venster = maakVenster(*app);
    venster->start();
    // The update check ends the program: Cancel at "save it in a file?"
    // keeps the program, the window and the only copy of the project.
    VraagBeantwoorder vragen;
    vragen.antwoord(wxCANCEL);
    EXPECT_FALSE(venster->gewoneStop());
    EXPECT_TRUE(app->isDBOpen());
    EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(venster));
    // No: the project is let go and the window goes.
    vragen.antwoord(wxNO);
    EXPECT_TRUE(venster->gewoneStop());
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(venster));
    venster = nullptr;
    verwerkGebeurtenissen();
}
