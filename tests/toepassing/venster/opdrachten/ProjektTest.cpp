// The project commands of the main window: new, open, open read-only, the
// recent files, save as, move, close, quit and the read-only switch, on real
// project files.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/venster/opdrachten/OpdrachtHulp.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/menu.h>

namespace
{
using V = VerelTamsoVenster;

const wxString alleenLezenLabel = "Switch current database to read-only mode\tCtrl+T";
const wxString leesSchrijfLabel = "Switch current database to read+write mode\tCtrl+T";
const wxString slotOpen = "../../../grafisch/ikonen/48x48/slot-open.png";
const wxString slotDicht = "../../../grafisch/ikonen/48x48/slot-dicht.png";

std::vector<wxString> lijst(std::initializer_list<wxString> teksten)
{
    return teksten;
}
} // namespace

TEST_F(OpdrachtTest, TheProjectCommandsAreEnabledByWhatIsOpen)
{
    const int ids[] = {wxID_NEW,     wxID_OPEN,  V::ID_OPENSLECHTSLEZENDB,         V::ID_RECENT_EERSTE, wxID_SAVEAS,
                       wxID_REPLACE, wxID_CLOSE, V::ID_SCHAKELDBOMNAARSLECHTSLEZEN};
    struct Toestand
    {
        const char* naam;
        std::function<void()> maak;
        std::vector<bool> aan;
    };
    const wxString pad = projectPad("p.vtd");
    const Toestand toestanden[] = {
        {"no project", [&] { zonderProject(); }, {true, true, true, true, false, false, false, false}},
        {"file", [&] { openProject(pad); }, {false, false, false, false, true, true, true, true}},
        {"read-only file",
         [&] { openProject(pad, {}, "Kettle", true); },
         {false, false, false, false, true, true, true, true}},
        {"safe operation",
         [&]
         {
             openProject(pad);
             klik(V::ID_STARTSTOPVEILIGEMODUS);
         },
         {false, false, false, false, true, true, true, false}},
        {"memory",
         [&]
         {
             vragen.antwoord(wxNO); // the savepoint's changes are not kept
             klik(wxID_CLOSE);
             vragen.antwoordTekst(std::nullopt);
             klik(wxID_NEW);
         },
         {false, false, false, false, true, true, true, false}},
    };
    for (const Toestand& toestand : toestanden)
    {
        toestand.maak();
        for (size_t i = 0; i < std::size(ids); ++i)
            EXPECT_EQ(isAan(ids[i]), toestand.aan[i]) << toestand.naam << ", command " << ids[i];
    }
}

TEST_F(OpdrachtTest, NewStartsAProjectInMemoryNamedByTheUserAndShowsIt)
{
    zonderProject();
    ASSERT_EQ(statistiek(), "none");
    for (const std::optional<wxString>& naam : {std::optional<wxString>("Tea & biscuits"), std::optional<wxString>()})
    {
        vragen.antwoordTekst(naam);
        klik(wxID_NEW);
        ASSERT_TRUE(app->isMemoryDB());
        EXPECT_EQ(vragen.geefVragen().back().voorstel, "A new project");
        // The label shows what the project holds: the name, or the default
        // after a cancel.
        EXPECT_EQ(app->geefProjektNaam(), naam.value_or("A new project"));
        EXPECT_EQ(naamLabel(), app->geefProjektNaam());
        EXPECT_EQ(statusTekst(), "A memory database");
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), alleenLezenLabel);
        // The list and its statistics belong to the new project.
        EXPECT_TRUE(titels().empty());
        EXPECT_TRUE(statistiek().StartsWith("0 ")) << statistiek();

        vragen.antwoord(wxNO); // not saved
        klik(wxID_CLOSE);
        ASSERT_FALSE(app->isDBOpen());
    }
    // A project in memory never enters the history.
    EXPECT_TRUE(geschiedenis().empty());
}

TEST_F(OpdrachtTest, OpenShowsTheChosenProjectAndOnlyAWritableOpenEntersTheHistory)
{
    const wxString a = projectPad("a.vtd");
    const wxString b = projectPad("b.vtd");
    maakProjectBestand(a, {{1, "Boil"}, {2, "Pour"}});
    maakProjectBestand(b, {{7, "Stir"}}, "Soup");
    zonderProject();

    vragen.kies(wxString()); // cancelled
    klik(wxID_OPEN);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(naamLabel(), "No project");
    EXPECT_TRUE(geschiedenis().empty());

    vragen.kies(a);
    klik(wxID_OPEN);
    ASSERT_TRUE(app->isDBOpen());
    EXPECT_FALSE(app->isAlleenLezenDB());
    EXPECT_EQ(naamLabel(), "Kettle");
    EXPECT_EQ(statusTekst(), a);
    EXPECT_EQ(titels(), lijst({"Pour", "Boil"}));
    EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), alleenLezenLabel);
    EXPECT_EQ(geschiedenis(), lijst({a}));
    klik(wxID_CLOSE);

    vragen.kies(b);
    klik(V::ID_OPENSLECHTSLEZENDB);
    ASSERT_TRUE(app->isAlleenLezenDB());
    EXPECT_EQ(naamLabel(), "Soup");
    EXPECT_EQ(statusTekst(), b + " [read-only mode]");
    EXPECT_EQ(titels(), lijst({"Stir"}));
    EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), leesSchrijfLabel);
    EXPECT_TRUE(toontKnopBeeld(slotDicht));
    EXPECT_EQ(geschiedenis(), lijst({a}));
}

TEST_F(OpdrachtTest, ARecentFileOpensInTheChosenModeAndAMissingOneLeavesTheList)
{
    const wxString a = projectPad("a.vtd");
    const wxString b = projectPad("b.vtd");
    const wxString weg = projectPad("weg.vtd");
    maakProjectBestand(a, {{1, "Boil"}});
    maakProjectBestand(b, {{2, "Pour"}}, "Soup");
    zonderProject();
    for (const wxString& pad : {a, b, weg})
        venster->bestandGeschiedenis.AddFileToHistory(pad);
    wxMenu* recent = venster->GetMenuBar()->FindItem(V::ID_OPENRECENT)->GetSubMenu();
    ASSERT_EQ(recent->GetMenuItemCount(), 3u);

    klik(V::ID_RECENT_EERSTE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_TRUE(logVanger().bevat("The chosen file in your file history does not exist anymore.\nIt will be removed "
                                  "from the list.",
                                  wxLOG_Warning))
        << logVanger().geefAlles();
    EXPECT_EQ(geschiedenis(), lijst({b, a}));
    EXPECT_EQ(recent->GetMenuItemCount(), 2u);
    EXPECT_TRUE(vragen.geefVragen().empty());

    // The second entry each time: a read-only, then b writable. Opening from
    // the list keeps its order; closing a file project puts it on top.
    struct Geval
    {
        int antwoord;
        bool alleenLezen;
        wxString naam;
        std::vector<wxString> open;
        std::vector<wxString> gesloten;
    };
    for (const Geval& geval :
         {Geval{wxYES, true, "Kettle", {b, a}, {a, b}}, Geval{wxNO, false, "Soup", {a, b}, {b, a}}})
    {
        vragen.antwoord(geval.antwoord);
        klik(V::ID_RECENT_EERSTE + 1);
        const VraagBeantwoorder::Gevraagd& vraag = vragen.geefVragen().back();
        EXPECT_EQ(vraag.bericht, "Would you like to open the selected database in read-only mode?");
        EXPECT_EQ(vraag.titel, "The database operational access mode can be defined as read+write or read-only.");
        EXPECT_TRUE(vraag.stijl & wxNO_DEFAULT);
        ASSERT_TRUE(app->isDBOpen());
        EXPECT_EQ(app->isAlleenLezenDB(), geval.alleenLezen);
        EXPECT_EQ(naamLabel(), geval.naam);
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN),
                  geval.alleenLezen ? leesSchrijfLabel : alleenLezenLabel);
        EXPECT_EQ(geschiedenis(), geval.open);
        klik(wxID_CLOSE);
        EXPECT_EQ(geschiedenis(), geval.gesloten);
    }
}

TEST_F(OpdrachtTest, SaveAsOfAProjectInMemoryWritesACleanlyNamedFileAndGoesOnInIt)
{
    vragen.antwoordTekst(wxString("Plan v1.2/draft"));
    klik(wxID_NEW);
    ASSERT_EQ(app->voegToe(opgeslagen("Boil", 1)), 0);

    // The user takes the proposed name: no folder of the project name, and
    // the extension added after the dot of the version.
    const wxString zonderExtensie = projectPad("Plan_v1.2_draft");
    const wxString bestand = zonderExtensie + ".vtd";
    vragen.kies(zonderExtensie);
    klik(wxID_SAVEAS);
    EXPECT_EQ(vragen.voorgesteldeNamen.back(), "Plan_v1.2_draft");
    EXPECT_FALSE(vragen.geefVragen().back().stijl & wxFD_OVERWRITE_PROMPT);
    ASSERT_TRUE(wxFileExists(bestand));
    EXPECT_FALSE(app->isMemoryDB());
    EXPECT_EQ(app->geefDBPad().GetFullPath(), bestand);
    EXPECT_EQ(statusTekst(), bestand);
    // After a save the label names the file.
    EXPECT_EQ(naamLabel(), "Plan_v1.2_draft");
    EXPECT_EQ(titels(), lijst({"Boil"}));

    // Later changes reach the file, and closing asks nothing more.
    ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0);
    klik(wxID_CLOSE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(rijenInBestand(bestand), "Boil=1,Pour=2");
    EXPECT_EQ(geschiedenis(), lijst({bestand}));
}

TEST_F(OpdrachtTest, SaveAsAsksBeforeItReplacesAFile)
{
    const wxString oud = projectPad("Old.vtd");
    maakProjectBestand(oud, {{1, "Old"}});
    vragen.antwoordTekst(wxString("New"));
    klik(wxID_NEW);
    ASSERT_EQ(app->voegToe(opgeslagen("Fresh", 1)), 0);

    // Named without its extension, the file is still the existing one.
    for (const int antwoord : {wxNO, wxYES})
    {
        vragen.kies(projectPad("Old"));
        vragen.antwoord(antwoord);
        klik(wxID_SAVEAS);
        EXPECT_TRUE(vragen.geefVragen().back().bericht.Contains("already exists")) << antwoord;
        if (antwoord == wxNO)
        {
            EXPECT_TRUE(app->isMemoryDB());
            EXPECT_EQ(rijenInBestand(oud), "Old=1");
        }
    }
    EXPECT_EQ(app->geefDBPad().GetFullPath(), oud);
    EXPECT_EQ(rijenInBestand(oud), "Fresh=1");
    EXPECT_EQ(titels(), lijst({"Fresh"}));
}

TEST_F(OpdrachtTest, SaveAsOfAFileProjectGoesOnInTheCopyOnlyWhenTheUserSaysSo)
{
    const wxString pad = projectPad("p.vtd");
    openProject(pad, {{1, "Boil"}});
    struct Geval
    {
        const char* naam;
        int antwoord;
        wxString daarna;
    };
    for (const Geval& geval : {Geval{"copy.vtd", wxNO, pad}, Geval{"moved-on.vtd", wxYES, projectPad("moved-on.vtd")}})
    {
        vragen.kies(projectPad(geval.naam));
        vragen.antwoord(geval.antwoord); // the copy as the project's place
        klik(wxID_SAVEAS);
        EXPECT_EQ(rijenInBestand(projectPad(geval.naam)), "Boil=1") << geval.naam;
        EXPECT_EQ(app->geefDBPad().GetFullPath(), geval.daarna);
        EXPECT_EQ(statusTekst(), geval.daarna);
        EXPECT_EQ(naamLabel(), wxFileName(geval.daarna).GetName());
        EXPECT_EQ(titels(), lijst({"Boil"}));
    }
}

TEST_F(OpdrachtTest, MoveReopensTheProjectAtItsNewPlaceAndTheHistoryFollows)
{
    const wxString oud = projectPad("old.vtd");
    const wxString nieuw = projectPad("new.vtd");
    openProject(oud, {{1, "Boil"}, {2, "Pour"}});
    venster->bestandGeschiedenis.AddFileToHistory(oud);

    vragen.kies(nieuw);
    vragen.antwoord(wxYES); // not a network drive
    klik(wxID_REPLACE);
    ASSERT_TRUE(app->isDBOpen());
    EXPECT_FALSE(wxFileExists(oud));
    EXPECT_EQ(app->geefDBPad().GetFullPath(), nieuw);
    EXPECT_EQ(statusTekst(), nieuw);
    EXPECT_EQ(titels(), lijst({"Pour", "Boil"}));
    EXPECT_EQ(geschiedenis(), lijst({nieuw}));

    // Cancelled: nothing moves, nothing changes.
    vragen.kies(wxString());
    klik(wxID_REPLACE);
    EXPECT_EQ(app->geefDBPad().GetFullPath(), nieuw);
    EXPECT_EQ(titels(), lijst({"Pour", "Boil"}));
}

TEST_F(OpdrachtTest, AMovedProjectThatDoesNotStartLeavesNoProject)
{
    openProject(projectPad("old.vtd"), {{1, "Boil"}});
    app->startFouten = 1;
    vragen.kies(projectPad("new.vtd"));
    vragen.antwoord(wxYES);
    klik(wxID_REPLACE);
    EXPECT_TRUE(logVanger().bevat("Error starting the database again.", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(naamLabel(), "No project");
    EXPECT_EQ(statusTekst(), "No project is opened.");
    EXPECT_TRUE(titels().empty());
    EXPECT_EQ(rijenInBestand(projectPad("new.vtd")), "Boil=1");
}

TEST_F(OpdrachtTest, CloseOfAFileProjectCommitsAndPutsItOnTopOfTheHistory)
{
    const wxString a = projectPad("a.vtd");
    const wxString b = projectPad("b.vtd");
    maakProjectBestand(b, {});
    venster->bestandGeschiedenis.AddFileToHistory(a);
    venster->bestandGeschiedenis.AddFileToHistory(b);
    openProject(a, {{1, "Boil"}});
    ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0);
    venster->verversLijst();
    ASSERT_TRUE(isGewijzigd());

    klik(wxID_CLOSE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_FALSE(isGewijzigd());
    EXPECT_EQ(naamLabel(), "No project");
    EXPECT_EQ(statusTekst(), "No project is opened.");
    EXPECT_TRUE(titels().empty());
    EXPECT_EQ(geschiedenis(), lijst({a, b}));
    EXPECT_EQ(rijenInBestand(a), "Boil=1,Pour=2");

    // Quit closes the project the same way and then ends the program.
    vragen.kies(b);
    klik(wxID_OPEN);
    klikKnop(wxID_EXIT);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_TRUE(wachtOp([this] { return !venster; }));
}

TEST_F(OpdrachtTest, ACancelledSaveOfAProjectInMemoryKeepsProgramWindowAndProject)
{
    vragen.antwoordTekst(wxString("Draft"));
    klik(wxID_NEW);
    ASSERT_EQ(app->voegToe(opgeslagen("Boil", 1)), 0);
    venster->verversLijst();

    const std::pair<const char*, std::function<void()>> wegen[] = {
        {"Close", [&] { klik(wxID_CLOSE); }},
        {"Quit", [&] { klik(wxID_EXIT); }},
        {"Quit button", [&] { klikKnop(wxID_EXIT); }},
        {"close box", [&] { sluitVenster(); }},
        {"end for the update", [&] { venster->gewoneStop(); }},
        {"another file handed over", [&] { EXPECT_NE(venster->stop(), 0); }},
    };
    for (const auto& [weg, doe] : wegen)
    {
        vragen.antwoord(wxCANCEL); // "Do you want to save it in a file?"
        doe();
        verwerkGebeurtenissen();
        ASSERT_TRUE(venster) << weg;
        EXPECT_TRUE(app->isMemoryDB()) << weg;
        EXPECT_EQ(naamLabel(), "Draft") << weg;
        EXPECT_EQ(titels(), lijst({"Boil"})) << weg;
        EXPECT_TRUE(app->rolTerugMogelijk()) << weg << ": the change is still there to undo";
    }

    // Not saved: closed, and a project in memory leaves no history.
    vragen.antwoord(wxNO);
    klik(wxID_CLOSE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_TRUE(geschiedenis().empty());
    EXPECT_TRUE(venster);
}

TEST_F(OpdrachtTest, TheReadOnlySwitchReopensTheSameFileInTheOtherMode)
{
    const wxString pad = projectPad("p.vtd");
    openProject(pad, {{1, "Boil"}, {2, "Pour"}});
    ASSERT_TRUE(toontKnopBeeld(slotOpen));
    ASSERT_EQ(app->voegToe(opgeslagen("Serve", 3)), 0); // committed by the switch

    for (const bool alleenLezen : {true, false, true})
    {
        klikKnop(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN);
        ASSERT_TRUE(app->isDBOpen());
        EXPECT_EQ(app->isAlleenLezenDB(), alleenLezen);
        EXPECT_EQ(app->geefDBPad().GetFullPath(), pad);
        EXPECT_EQ(statusTekst(), alleenLezen ? pad + " [read-only mode]" : pad);
        EXPECT_EQ(naamLabel(), "Kettle");
        EXPECT_EQ(titels(), lijst({"Serve", "Pour", "Boil"}));
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), alleenLezen ? leesSchrijfLabel : alleenLezenLabel);
        EXPECT_TRUE(toontKnopBeeld(alleenLezen ? slotDicht : slotOpen)) << alleenLezen;
    }
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2,Serve=3");
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
    struct Geval
    {
        const char* fout;
        std::function<void()> bereidVoor;
    };
    const Geval gevallen[] = {
        {"Error opening the database again.",
         [&]
         {
             verplaatsNaSluiten = true;
             vragen.kies(wxString()); // no other file chosen in its place
         }},
        {"Error starting the database again.", [&] { app->startFouten = 1; }},
    };
    for (const Geval& geval : gevallen)
    {
        pad = projectPad(wxString(geval.fout).Left(14) + ".vtd");
        openProject(pad, {{1, "Boil"}});
        ASSERT_EQ(titels(), lijst({"Boil"}));
        geval.bereidVoor();
        klik(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN);
        EXPECT_TRUE(logVanger().bevat(geval.fout, wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_FALSE(app->isDBOpen()) << geval.fout;
        EXPECT_EQ(naamLabel(), "No project") << geval.fout;
        EXPECT_EQ(statusTekst(), "No project is opened.") << geval.fout;
        EXPECT_TRUE(titels().empty()) << geval.fout;
        EXPECT_EQ(statistiek(), "none") << geval.fout;
    }
}

TEST_F(OpdrachtTest, AFileHandedOverTakesThePlaceOfTheProjectOnlyWhenThatMayGo)
{
    app->venster = venster.get();
    const wxString a = projectPad("a.vtd");
    const wxString b = projectPad("b.vtd");
    maakProjectBestand(a, {{1, "Boil"}});
    maakProjectBestand(b, {{2, "Pour"}}, "Soup");

    // With no project open there is nothing to keep.
    app->MacOpenFiles(wxArrayString(1, &a));
    ASSERT_TRUE(app->isDBOpen());
    EXPECT_EQ(naamLabel(), "Kettle");
    EXPECT_EQ(titels(), lijst({"Boil"}));

    // Safe operation ends first, with its question.
    ASSERT_EQ(app->openProject(a), 0);
    venster->start();
    klik(V::ID_STARTSTOPVEILIGEMODUS);
    ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0);
    vragen.antwoord(wxYES); // keep
    app->MacOpenFiles(wxArrayString(1, &b));
    EXPECT_EQ(vragen.geefVragen().back().titel, "End of safe mode");
    EXPECT_EQ(naamLabel(), "Soup");
    EXPECT_EQ(menuLabel(V::ID_STARTSTOPVEILIGEMODUS), "Start Safe Operation");
    EXPECT_EQ(rijenInBestand(a), "Boil=1,Pour=2");
    app->venster = nullptr;
}
