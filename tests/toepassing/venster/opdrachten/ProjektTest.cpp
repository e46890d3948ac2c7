// The project commands of the main window: new, open, open read-only, the
// recent files, save as, move, close, quit and the read-only switch, on real
// project files.
#include "swexternals/desktop/DesktopBeeldLader.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"

#include <ctime>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/menu.h>

namespace
{
using V = VerelTamsoVenster;
using Teksten = std::vector<wxString>;

const wxString alleenLezenLabel = "Switch current database to read-only mode\tCtrl+T";
const wxString leesSchrijfLabel = "Switch current database to read+write mode\tCtrl+T";
const wxString slotOpen = DesktopBeeldLader::ikoon(48, "slot-open.png");
const wxString slotDicht = DesktopBeeldLader::ikoon(48, "slot-dicht.png");

// A save dialog that makes the chosen file, empty, before it returns, as a
// desktop's portal does, or, as GTK's own, not.
class MakendeDialoog : public VraagBeantwoorder
{
public:
    bool maakt = true;

    GekozenBestand kiesBestandEnFilter(const wxString& bericht, const wxString& map, const wxString& naam,
                                       const wxString& wildcard, long stijl, wxWindow* ouder) override
    {
        const GekozenBestand gekozen =
            VraagBeantwoorder::kiesBestandEnFilter(bericht, map, naam, wildcard, stijl, ouder);
        if (maakt && !wxFileExists(gekozen.pad))
        {
            EXPECT_TRUE(wxFile().Create(gekozen.pad)) << gekozen.pad;
        }
        return gekozen;
    }
};
} // namespace

TEST_F(OpdrachtTest, EveryCommandIsEnabledByTheStateOfTheProject)
{
    const int ids[] = {wxID_NEW, wxID_OPEN, V::ID_OPENSLECHTSLEZENDB, V::ID_RECENT_EERSTE, wxID_SAVEAS, wxID_REPLACE,
                       wxID_CLOSE, V::ID_SCHAKELDBOMNAARSLECHTSLEZEN, wxID_UNDO, wxID_SAVE, V::ID_STRAKTREKKEN,
                       V::ID_STARTSTOPVEILIGEMODUS, V::ID_ZETPROJEKTNAAM,
                       // The colours and the update check need no project.
                       V::ID_ZETPROJEKTVALUTA, V::ID_ZETKLEUREN, V::ID_CONTROLEEROPUPDATES};
    const wxString pad = testPad("p.vtd");
    // Per state, whether each command above is enabled.
    const std::pair<const char*, std::function<void()>> toestanden[] = {
        {"1111000000000011", [] {}},
        {"0000111100011111", [&] { openProject(testPad("empty.vtd")); }},
        {"0000111100111111",
         [&] {
             openProject(pad, {{1, "Boil"}});
         }},
        {"0000111111111111", [&] { ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0); }},
        {"0000111000111111", [&] { klik(V::ID_STARTSTOPVEILIGEMODUS); }},
        // Read-only: nothing that writes, the name and currency included.
        {"0000111100000011",
         [&]
         {
             vragen.antwoord(wxYES); // safe operation's changes kept
             klik(V::ID_STARTSTOPVEILIGEMODUS);
             ASSERT_EQ(app->openProject(pad, true), 0);
             venster->start();
         }},
        {"0000111000011111",
         [&]
         {
             klik(wxID_CLOSE);
             vragen.antwoordTekst(std::nullopt);
             klik(wxID_NEW);
         }},
    };
    for (const auto& [aan, maak] : toestanden)
    {
        maak();
        for (size_t i = 0; i < std::size(ids); ++i)
            EXPECT_EQ(isAan(ids[i]), aan[i] == '1') << "state " << aan << ", command " << ids[i];
    }
}

TEST_F(OpdrachtTest, NewStartsAProjectInMemoryNamedByTheUserAndShowsIt)
{
    for (const std::optional<wxString>& naam : {std::optional<wxString>("Tea & biscuits"), std::optional<wxString>()})
    {
        vragen.antwoordTekst(naam);
        klik(wxID_NEW);
        ASSERT_TRUE(app->isMemoryDB());
        EXPECT_EQ(app->geefProjektNaam(), naam.value_or("A new project"));
        EXPECT_EQ(naamLabel(), app->geefProjektNaam());
        EXPECT_EQ(statusTekst(), "A memory database");
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), alleenLezenLabel);
        // The list and its figures belong to the new project.
        EXPECT_TRUE(titels().empty());
        EXPECT_TRUE(statistiek().StartsWith("0 ")) << statistiek();
        vragen.antwoord(wxNO); // not saved to a file
        klik(wxID_CLOSE);
    }
    // A project in memory leaves no trace in the history.
    EXPECT_TRUE(geschiedenis().empty());
}

TEST_F(OpdrachtTest, OpenAndCloseKeepTheHistoryOfWritableProjects)
{
    const wxString a = testPad("a.vtd");
    const wxString b = testPad("b.vtd");
    maakProjectBestand(a, {{1, "Boil"}, {2, "Pour"}});
    maakProjectBestand(b, {{7, "Stir"}}, "Soup");

    vragen.kies(wxString()); // cancelled
    klik(wxID_OPEN);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_TRUE(geschiedenis().empty());

    vragen.kies(a);
    klik(wxID_OPEN);
    EXPECT_EQ(naamLabel(), "Kettle");
    EXPECT_EQ(statusTekst(), a);
    EXPECT_EQ(titels(), Teksten({"Pour", "Boil"}));
    EXPECT_EQ(geschiedenis(), Teksten({a}));

    zetRecenteBestanden({b, a});
    ASSERT_EQ(app->voegToe(opgeslagen("Serve", 3)), 0);
    venster->verversLijst();
    ASSERT_TRUE(isGewijzigd());
    klik(wxID_CLOSE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_FALSE(isGewijzigd());
    EXPECT_EQ(naamLabel(), "No project");
    EXPECT_EQ(statusTekst(), "No project is opened.");
    EXPECT_TRUE(titels().empty());
    EXPECT_EQ(rijenInBestand(a), "Boil=1,Pour=2,Serve=3");
    EXPECT_EQ(geschiedenis(), Teksten({a, b}));

    vragen.kies(b);
    klik(V::ID_OPENSLECHTSLEZENDB);
    ASSERT_TRUE(app->isAlleenLezenDB());
    EXPECT_EQ(naamLabel(), "Soup");
    EXPECT_EQ(statusTekst(), b + " [read-only mode]");
    EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), leesSchrijfLabel);
    EXPECT_TRUE(toontKnopBeeld(slotDicht));
    EXPECT_EQ(geschiedenis(), Teksten({a, b}));
}

TEST_F(OpdrachtTest, ARecentFileOpensInTheChosenModeAndAMissingOneLeavesTheList)
{
    const wxString a = testPad("a.vtd");
    const wxString b = testPad("b.vtd");
    maakProjectBestand(a, {{1, "Boil"}});
    maakProjectBestand(b, {{2, "Pour"}}, "Soup");
    zetRecenteBestanden({testPad("gone.vtd"), b, a});
    wxMenu* recent = venster->GetMenuBar()->FindItem(V::ID_OPENRECENT)->GetSubMenu();

    klik(V::ID_RECENT_EERSTE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_TRUE(logVanger().bevat("does not exist anymore.\nIt will be removed from the list.", wxLOG_Warning))
        << logVanger().geefAlles();
    EXPECT_EQ(geschiedenis(), Teksten({b, a}));
    EXPECT_EQ(recent->GetMenuItemCount(), 2u);

    // The second entry each time. Opening from the list keeps its order;
    // closing a file project puts it on top.
    struct Geval
    {
        int antwoord;
        bool alleenLezen;
        wxString naam;
        Teksten gesloten;
    };
    for (const Geval& geval : {Geval{wxYES, true, "Kettle", {a, b}}, Geval{wxNO, false, "Soup", {b, a}}})
    {
        const Teksten voor = geschiedenis();
        vragen.antwoord(geval.antwoord);
        klik(V::ID_RECENT_EERSTE + 1);
        EXPECT_TRUE(vragen.geefVragen().back().stijl & wxNO_DEFAULT);
        ASSERT_TRUE(app->isDBOpen());
        EXPECT_EQ(app->isAlleenLezenDB(), geval.alleenLezen);
        EXPECT_EQ(naamLabel(), geval.naam);
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN),
                  geval.alleenLezen ? leesSchrijfLabel : alleenLezenLabel);
        EXPECT_EQ(geschiedenis(), voor);
        klik(wxID_CLOSE);
        EXPECT_EQ(geschiedenis(), geval.gesloten);
    }
}

TEST_F(OpdrachtTest, SaveAsWritesACleanlyNamedFileAsksBeforeReplacingOneAndGoesOnInIt)
{
    vragen.antwoordTekst(wxString("Plan v1.2/draft"));
    klik(wxID_NEW);
    ASSERT_EQ(app->voegToe(opgeslagen("Boil", 1)), 0);

    // The user takes the proposed name: no folder taken from the project
    // name, and the extension added after the dot of the version.
    const wxString zonderExtensie = testPad("Plan_v1.2_draft");
    const wxString bestand = zonderExtensie + ".vtd";
    vragen.kies(zonderExtensie);
    klik(wxID_SAVEAS);
    EXPECT_EQ(vragen.geefVragen().back().naam, "Plan_v1.2_draft");
    EXPECT_EQ(app->geefDBPad().GetFullPath(), bestand);
    EXPECT_EQ(statusTekst(), bestand);
    EXPECT_EQ(naamLabel(), "Plan_v1.2_draft");
    EXPECT_EQ(titels(), Teksten({"Boil"}));
    // Later changes reach the file, and closing asks nothing more.
    ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0);
    klik(wxID_CLOSE);
    EXPECT_EQ(rijenInBestand(bestand), "Boil=1,Pour=2");

    vragen.antwoordTekst(wxString("Plan v1.3"));
    klik(wxID_NEW);
    ASSERT_EQ(app->voegToe(opgeslagen("Stir", 1)), 0);
    for (const int antwoord : {wxNO, wxYES})
    {
        vragen.kies(zonderExtensie);
        vragen.antwoord(antwoord); // "... already exists. Do you want to replace it?"
        klik(wxID_SAVEAS);
        EXPECT_TRUE(vragen.geefVragen().back().bericht.Contains("already exists")) << antwoord;
        EXPECT_EQ(app->isMemoryDB(), antwoord == wxNO);
        EXPECT_EQ(rijenInBestand(bestand), antwoord == wxNO ? "Boil=1,Pour=2" : "Stir=1");
    }
}

TEST_F(OpdrachtTest, SaveAsKeepsTheNameTypedAndLeavesNothingBeside)
{
    // An empty file of the user's, there before the dialog opened.
    const wxString eigen = testPad("notes");
    ASSERT_TRUE(wxFile().Create(eigen));
    ASSERT_TRUE(wxMkdir(testPad("folder.vtd")));
    MakendeDialoog dialoog;
    // What is typed, the file the project is saved as (none: the save
    // fails) and whether the dialog makes the file typed. The test's folder
    // tells "VTD" from "vtd", as Linux's own file systems do.
    const std::tuple<wxString, wxString, bool> gevallen[] = {
        {"first.vtd", "first.vtd", true},        {"second", "second.vtd", true}, {"third.VTD", "third.VTD.vtd", true},
        {"fourth.Vtd", "fourth.Vtd.vtd", false}, {"folder", "", true},           {"notes", "notes.vtd", true}};
    for (const auto& [getypt, bewaard, maakt] : gevallen)
    {
        if (getypt == "notes")
        {
            wxDateTime veranderd;
            ASSERT_TRUE(wxFileName(eigen).GetTimes(nullptr, nullptr, &veranderd));
            ASSERT_TRUE(wachtOp([&] { return std::time(nullptr) > veranderd.GetTicks(); }));
        }
        dialoog.maakt = maakt;
        dialoog.antwoordTekst(wxString("Plan"));
        klik(wxID_NEW);
        ASSERT_EQ(app->voegToe(opgeslagen("Boil", 1)), 0);
        dialoog.kies(testPad(getypt));
        klik(wxID_SAVEAS);
        EXPECT_EQ(app->isMemoryDB(), bewaard.empty()) << getypt;
        if (bewaard.empty())
            dialoog.antwoord(wxNO); // "Do you want to save it in a file?"
        klik(wxID_CLOSE);
        EXPECT_EQ(wxFileExists(testPad(getypt)), getypt == bewaard || getypt == "notes") << getypt;
        if (!bewaard.empty())
        {
            EXPECT_EQ(rijenInBestand(testPad(bewaard)), "Boil=1") << getypt;
        }
    }
}

TEST_F(OpdrachtTest, MoveChecksTheStartAtTheNewPlaceAndTheHistoryFollows)
{
    const wxString oud = testPad("old.vtd");
    const wxString nieuw = testPad("new.vtd");
    openProject(oud, {{1, "Boil"}, {2, "Pour"}});
    zetRecenteBestanden({oud});
    vragen.kies(nieuw);
    vragen.antwoord(wxYES); // not a network drive
    klik(wxID_REPLACE);
    EXPECT_FALSE(wxFileExists(oud));
    EXPECT_EQ(statusTekst(), nieuw);
    EXPECT_EQ(titels(), Teksten({"Pour", "Boil"}));
    EXPECT_EQ(geschiedenis(), Teksten({nieuw}));

    app->startFouten = 1;
    vragen.kies(oud);
    vragen.antwoord(wxYES);
    klik(wxID_REPLACE);
    EXPECT_TRUE(logVanger().bevat("Error starting the database again.", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(naamLabel(), "No project");
    EXPECT_TRUE(titels().empty());
    EXPECT_EQ(rijenInBestand(oud), "Boil=1,Pour=2");
}

TEST_F(OpdrachtTest, ACancelledSaveOfAProjectInMemoryKeepsProgramWindowAndProject)
{
    vragen.antwoordTekst(wxString("Draft"));
    klik(wxID_NEW);
    ASSERT_EQ(app->voegToe(opgeslagen("Boil", 1)), 0);
    venster->verversLijst();
    const std::pair<const char*, std::function<void()>> wegen[] = {
        {"Close", [&] { klik(wxID_CLOSE); }},
        {"Quit", [&] { klikKnop(wxID_EXIT); }},
        {"close box", [&] { sluitVenster(); }},
        {"end before an update", [&] { EXPECT_FALSE(venster->gewoneStop()); }},
        {"a file handed over", [&] { EXPECT_NE(venster->stop(), 0); }},
    };
    for (const auto& [weg, doe] : wegen)
    {
        vragen.antwoord(wxCANCEL); // "Do you want to save it in a file?"
        doe();
        verwerkGebeurtenissen();
        ASSERT_TRUE(venster) << weg;
        EXPECT_TRUE(app->isMemoryDB()) << weg;
        EXPECT_EQ(naamLabel(), "Draft") << weg;
        EXPECT_EQ(titels(), Teksten({"Boil"})) << weg;
        EXPECT_TRUE(app->rolTerugMogelijk()) << weg << ": the change is still there to undo";
    }
}

TEST_F(OpdrachtTest, TheReadOnlySwitchReopensTheSameFileInTheOtherMode)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad, {{1, "Boil"}});
    ASSERT_TRUE(toontKnopBeeld(slotOpen));
    ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0); // committed by the switch
    for (const bool alleenLezen : {true, false})
    {
        klikKnop(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN);
        EXPECT_EQ(app->isAlleenLezenDB(), alleenLezen);
        EXPECT_EQ(statusTekst(), alleenLezen ? pad + " [read-only mode]" : pad);
        EXPECT_EQ(titels(), Teksten({"Pour", "Boil"}));
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), alleenLezen ? leesSchrijfLabel : alleenLezenLabel);
        EXPECT_TRUE(toontKnopBeeld(alleenLezen ? slotDicht : slotOpen)) << alleenLezen;
        EXPECT_EQ(lijstKleur(), alleenLezen ? app->slechtsLeesAchtergrondKleur : app->leesSchrijfAchtergrondKleur);
    }
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");

    // Closed, the list no longer shows the mode of the project it showed.
    klikKnop(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN);
    klik(wxID_CLOSE);
    EXPECT_EQ(lijstKleur(), app->leesSchrijfAchtergrondKleur);
}

TEST_F(OpdrachtTest, AReadOnlySwitchThatFailsHalfWayLeavesNoProject)
{
    wxString pad;
    bool verplaatsNaSluiten = false;
    app->naSluiten = [&]
    {
        // The file goes away while it is closed (a drive unplugged).
        if (verplaatsNaSluiten && wxRenameFile(pad, pad + ".elsewhere"))
            verplaatsNaSluiten = false;
    };
    const std::pair<const char*, std::function<void()>> gevallen[] = {
        {"Error opening the database again.",
         [&]
         {
             verplaatsNaSluiten = true;
             vragen.kies(wxString()); // no other file chosen in its place
         }},
        {"Error starting the database again.", [&] { app->startFouten = 1; }},
    };
    for (const auto& [fout, bereidVoor] : gevallen)
    {
        pad = testPad(wxString(fout).Left(14) + ".vtd");
        openProject(pad, {{1, "Boil"}});
        bereidVoor();
        klik(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN);
        EXPECT_TRUE(logVanger().bevat(fout, wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_FALSE(app->isDBOpen()) << fout;
        EXPECT_EQ(naamLabel(), "No project") << fout;
        EXPECT_TRUE(titels().empty()) << fout;
        EXPECT_EQ(statistiek(), "none") << fout;
    }
}

TEST_F(OpdrachtTest, AFileHandedOverTakesThePlaceOfTheProjectOnlyWhenThatMayGo)
{
    const wxString a = testPad("a.vtd");
    const wxString b = testPad("b.vtd");
    maakProjectBestand(a, {{1, "Boil"}});
    maakProjectBestand(b, {}, "Soup");

    // With no project open there is nothing to keep.
    app->MacOpenFiles(wxArrayString(1, &a));
    EXPECT_EQ(naamLabel(), "Kettle");

    // Safe operation ends first, with its question.
    ASSERT_EQ(app->openProject(a), 0);
    venster->start();
    klik(V::ID_STARTSTOPVEILIGEMODUS);
    ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0);
    vragen.antwoord(wxYES); // keep
    app->MacOpenFiles(wxArrayString(1, &b));
    EXPECT_EQ(naamLabel(), "Soup");
    EXPECT_EQ(menuLabel(V::ID_STARTSTOPVEILIGEMODUS), "Start Safe Operation");
    EXPECT_EQ(rijenInBestand(a), "Boil=1,Pour=2");
}
