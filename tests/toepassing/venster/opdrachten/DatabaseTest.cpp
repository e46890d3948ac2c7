// The database and program commands of the main window: commit, undo,
// reassigning numbers, safe operation, the project name and the about box.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/venster/opdrachten/OpdrachtHulp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <wx/regex.h>

namespace
{
using V = VerelTamsoVenster;

std::vector<wxString> lijst(std::initializer_list<wxString> teksten)
{
    return teksten;
}

// Refuses every rollback to a savepoint, as a database that cannot undo
// would.
class GeenTerugrol : public wxSQLite3Authorizer
{
public:
    wxAuthorizationResult Authorize(wxAuthorizationCode soort, const wxString& operatie, const wxString&,
                                    const wxString&, const wxString&, const wxString&) override
    {
        return soort == SQLITE_SAVEPOINT && operatie.Upper() == "ROLLBACK" ? SQLITE_DENY : SQLITE_OK;
    }
};

class AllesToegestaan : public wxSQLite3Authorizer
{
public:
    wxAuthorizationResult Authorize(wxAuthorizationCode, const wxString&, const wxString&, const wxString&,
                                    const wxString&, const wxString&) override
    {
        return SQLITE_OK;
    }
};

class Veilig : public OpdrachtTest
{
protected:
    const wxString pad = projectPad("p.vtd");

    void SetUp() override
    {
        OpdrachtTest::SetUp();
        openProject(pad, {{1, "Boil"}, {2, "Pour"}});
    }

    void start()
    {
        klik(V::ID_STARTSTOPVEILIGEMODUS);
        ASSERT_TRUE(app->isSavePointBezig());
    }

    // Two commands of the user under safe operation.
    void veranderProject()
    {
        ASSERT_EQ(app->verwijder(opgeslagen("Pour", 2)), 0);
        ASSERT_EQ(app->voegToe(opgeslagen("Serve", 3)), 0);
        venster->verversLijst();
        ASSERT_EQ(titels(), lijst({"Serve", "Boil"}));
    }

    bool toontVeiligeModus(bool aan)
    {
        const wxString label = aan ? "Stop Safe Operation" : "Start Safe Operation";
        const wxColour kleur = aan ? app->savePointAchtergrondKleur : app->leesSchrijfAchtergrondKleur;
        EXPECT_EQ(menuLabel(V::ID_STARTSTOPVEILIGEMODUS), label);
        EXPECT_EQ(isAangevinkt(V::ID_STARTSTOPVEILIGEMODUS), aan);
        EXPECT_EQ(venster->geefRekLijst()->GetBackgroundColour(), kleur);
        return menuLabel(V::ID_STARTSTOPVEILIGEMODUS) == label && isAangevinkt(V::ID_STARTSTOPVEILIGEMODUS) == aan &&
               venster->geefRekLijst()->GetBackgroundColour() == kleur;
    }
};
} // namespace

TEST_F(OpdrachtTest, TheDatabaseCommandsAreEnabledByTheStateOfTheProject)
{
    const int ids[] = {wxID_UNDO,
                       wxID_SAVE,
                       V::ID_STRAKTREKKEN,
                       V::ID_STARTSTOPVEILIGEMODUS,
                       V::ID_ZETPROJEKTNAAM,
                       V::ID_ZETPROJEKTVALUTA,
                       V::ID_ZETKLEUREN,
                       V::ID_CONTROLEEROPUPDATES};
    struct Toestand
    {
        const char* naam;
        std::function<void()> maak;
        std::vector<bool> aan;
    };
    const wxString pad = projectPad("p.vtd");
    // The currency, the colours and the update check come later: off in
    // every state.
    const Toestand toestanden[] = {
        {"no project", [] {}, {false, false, false, false, false, false, false, false}},
        {"empty project",
         [&] { openProject(projectPad("leeg.vtd")); },
         {false, false, false, true, true, false, false, false}},
        {"rows, nothing changed",
         [&] {
             openProject(pad, {{1, "Boil"}});
         },
         {false, false, true, true, true, false, false, false}},
        {"a change open",
         [&] { ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0); },
         {true, true, true, true, true, false, false, false}},
        {"safe operation",
         [&] { klik(V::ID_STARTSTOPVEILIGEMODUS); },
         {false, false, true, true, true, false, false, false}},
        {"read-only",
         [&]
         {
             vragen.antwoord(wxYES); // keep
             klik(V::ID_STARTSTOPVEILIGEMODUS);
             ASSERT_EQ(app->openProject(pad, true), 0);
             venster->start();
         },
         {false, false, false, false, true, false, false, false}},
    };
    for (const Toestand& toestand : toestanden)
    {
        toestand.maak();
        for (size_t i = 0; i < std::size(ids); ++i)
            EXPECT_EQ(isAan(ids[i]), toestand.aan[i]) << toestand.naam << ", command " << ids[i];
    }
}

TEST_F(OpdrachtTest, UndoTakesBackTheNewestChangeAndCommitKeepsIt)
{
    const wxString pad = projectPad("p.vtd");
    openProject(pad, {{1, "Boil"}, {2, "Pour"}});
    ASSERT_FALSE(isGewijzigd());

    ASSERT_EQ(app->verwijder(opgeslagen("Pour", 2)), 0);
    venster->verversLijst();
    ASSERT_TRUE(isGewijzigd());
    klik(wxID_UNDO);
    EXPECT_FALSE(isGewijzigd());
    EXPECT_EQ(titels(), lijst({"Pour", "Boil"}));
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");

    ASSERT_EQ(app->verwijder(opgeslagen("Pour", 2)), 0);
    venster->verversLijst();
    klik(wxID_SAVE);
    EXPECT_FALSE(isGewijzigd());
    EXPECT_FALSE(app->rolTerugMogelijk());
    EXPECT_EQ(titels(), lijst({"Boil"}));
    EXPECT_EQ(rijenInBestand(pad), "Boil=1");
}

TEST_F(OpdrachtTest, ReassigningNumbersClosesTheGapsOnceAndSaysSo)
{
    openProject(projectPad("p.vtd"), {{2, "Boil"}, {5, "Pour"}, {9, "Serve"}});
    const RekLijstCtrl* rekLijst = venster->geefRekLijst();

    klik(V::ID_STRAKTREKKEN);
    EXPECT_TRUE(
        logVanger().bevat("Requirements I.D numbers were reassigned without any gaps in the numbering.", wxLOG_Message))
        << logVanger().geefAlles();
    EXPECT_EQ(nummers(*app), "Boil=1,Pour=2,Serve=3");
    // The list shows the new numbers at once.
    EXPECT_EQ(rekLijst->GetItemText(0, VerelTamsoApp::KolomID), "3");
    EXPECT_EQ(rekLijst->GetItemText(2, VerelTamsoApp::KolomID), "1");
    EXPECT_TRUE(app->rolTerugMogelijk());

    logVanger().wis();
    klik(V::ID_STRAKTREKKEN);
    EXPECT_TRUE(logVanger().bevat(
        "Requirements I.D numbers were not reassigned because there were no gaps in the numbering.", wxLOG_Message))
        << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    EXPECT_EQ(nummers(*app), "Boil=1,Pour=2,Serve=3");
}

TEST_F(Veilig, KeepingTheChangesOfSafeOperationStoresThemAndReportsThePeriod)
{
    start();
    EXPECT_TRUE(toontVeiligeModus(true));
    veranderProject();

    vragen.antwoord(wxYES);
    klik(V::ID_STARTSTOPVEILIGEMODUS);
    const VraagBeantwoorder::Gevraagd& vraag = vragen.geefVragen().back();
    EXPECT_EQ(vraag.titel, "End of safe mode");
    EXPECT_EQ(vraag.bericht, "safe mode stops now.\nWould you like to retain (store permanently) all database changes "
                             "committed since the start of safe mode?");
    EXPECT_FALSE(app->isSavePointBezig());
    EXPECT_TRUE(toontVeiligeModus(false));
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Serve=3");
    EXPECT_EQ(titels(), lijst({"Serve", "Boil"}));
    EXPECT_TRUE(wxRegEx("safe mode was disabled on: [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.\n The "
                        "mode was active for a period of: 00:00:[0-9]{2} \\.\nAll database changes since the start of "
                        "safe mode were committed to the database\\.")
                    .Matches(logVanger().geefAlles()))
        << logVanger().geefAlles();
}

TEST_F(Veilig, DroppingTheChangesOfSafeOperationRollsBackToItsStart)
{
    start();
    veranderProject();
    vragen.antwoord(wxNO);
    klik(V::ID_STARTSTOPVEILIGEMODUS);
    EXPECT_FALSE(app->isSavePointBezig());
    EXPECT_TRUE(toontVeiligeModus(false));
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");
    EXPECT_EQ(titels(), lijst({"Pour", "Boil"}));
    EXPECT_EQ(statusTekst(), "Roll back action executed on p.");
    EXPECT_TRUE(logVanger().bevat("\nAll database changes since the start of safe mode were nullified.", wxLOG_Message))
        << logVanger().geefAlles();
}

TEST_F(Veilig, ARollbackThatFailsKeepsSafeOperationOnAndItsChangesUndecided)
{
    start();
    veranderProject();
    GeenTerugrol weigeraar;
    ASSERT_TRUE(app->SetAuthorizer(weigeraar));

    // From the menu and from Close: neither may keep what the user chose to
    // drop.
    for (const int id : {static_cast<int>(V::ID_STARTSTOPVEILIGEMODUS), static_cast<int>(wxID_CLOSE)})
    {
        logVanger().wis();
        vragen.antwoord(wxNO);
        klik(id);
        EXPECT_TRUE(logVanger().bevat("Safe operation stays on", wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_FALSE(logVanger().bevat("were nullified")) << logVanger().geefAlles();
        ASSERT_TRUE(app->isDBOpen()) << id;
        EXPECT_TRUE(app->isSavePointBezig()) << id;
        EXPECT_TRUE(toontVeiligeModus(true)) << id;
        EXPECT_EQ(titels(), lijst({"Serve", "Boil"})) << id;
    }
    // Nothing reached the file: the changes are still the user's to drop.
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");

    AllesToegestaan toestaan;
    ASSERT_TRUE(app->SetAuthorizer(toestaan));
    vragen.antwoord(wxNO);
    klik(wxID_CLOSE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(menuLabel(V::ID_STARTSTOPVEILIGEMODUS), "Start Safe Operation");
    EXPECT_FALSE(isAangevinkt(V::ID_STARTSTOPVEILIGEMODUS));
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");
}

TEST_F(OpdrachtTest, TheProjectNameLabelShowsTheNameTheProjectHolds)
{
    const wxString pad = projectPad("p.vtd");
    // As it stands: an "&" is no mnemonic.
    openProject(pad, {}, "Pots & pans");
    EXPECT_EQ(naamLabel(), "Pots & pans");
    struct Geval
    {
        std::optional<wxString> antwoord;
        wxString getoond;
    };
    for (const Geval& geval :
         {Geval{wxString("R&D tools"), "R&D tools"}, Geval{std::nullopt, "R&D tools"}, Geval{wxString(), wxString()}})
    {
        vragen.antwoordTekst(geval.antwoord);
        klik(V::ID_ZETPROJEKTNAAM);
        EXPECT_EQ(app->geefProjektNaam(), geval.getoond);
        EXPECT_EQ(naamLabel(), geval.getoond);
    }
    const VraagBeantwoorder::Gevraagd& vraag = vragen.geefVragen().back();
    EXPECT_EQ(vraag.titel, "Please enter a name for the new project.");
    EXPECT_EQ(vraag.bericht, "The name:");
    EXPECT_EQ(vraag.voorstel, "R&D tools");

    // A read-only project cannot store it: the label keeps the stored name.
    openProject(pad, {}, "Kettle", true);
    vragen.antwoordTekst(wxString("Pan"));
    klik(V::ID_ZETPROJEKTNAAM);
    EXPECT_EQ(naamLabel(), "Kettle");
}

TEST_F(OpdrachtTest, TheAboutBoxNamesTheMakerAndTheCredits)
{
    klik(wxID_ABOUT);
    klikKnop(wxID_ABOUT);
    ASSERT_EQ(vragen.geefAboutBoxen().size(), 2u);
    const wxAboutDialogInfo& info = vragen.geefAboutBoxen()[0];
    EXPECT_EQ(info.GetName(), "VerelTamso");
    EXPECT_EQ(info.GetWebSiteURL(), "https://www.trivane.nl");
    EXPECT_TRUE(info.GetIcon().IsOk());
    wxString ontwikkelaars;
    for (const wxString& regel : info.GetDevelopers())
        ontwikkelaars += regel;
    for (const char* deel : {"The SQLite3 self contained embeddable database . (https://www.sqlite.org)",
                             "(https://www.ireb.org)", "(https://pragprog.com)"})
        EXPECT_TRUE(ontwikkelaars.Contains(deel)) << deel << " in " << ontwikkelaars;
}
