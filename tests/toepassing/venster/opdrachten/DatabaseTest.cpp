// The database and program commands of the main window: commit, undo,
// reassigning numbers, safe operation, the project name and the about box.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <wx/regex.h>

namespace
{
using V = VerelTamsoVenster;
using Teksten = std::vector<wxString>;

// Refuses rolling back to a savepoint, as a database that cannot undo would;
// allows everything once `weigeren` is off.
class Terugrol : public wxSQLite3Authorizer
{
public:
    bool weigeren = true;

    wxAuthorizationResult Authorize(wxAuthorizationCode soort, const wxString& operatie, const wxString&,
                                    const wxString&, const wxString&, const wxString&) override
    {
        return weigeren && soort == SQLITE_SAVEPOINT && operatie.Upper() == "ROLLBACK" ? SQLITE_DENY : SQLITE_OK;
    }
};

// A project of two requirements under safe operation, changed by two
// commands of the user.
class Veilig : public OpdrachtTest
{
protected:
    wxString pad;

    void SetUp() override
    {
        OpdrachtTest::SetUp();
        begin("p.vtd");
    }

    void begin(const wxString& naam)
    {
        pad = testPad(naam);
        openProject(pad, {{1, "Boil"}, {2, "Pour"}});
        klik(V::ID_STARTSTOPVEILIGEMODUS);
        ASSERT_TRUE(toontVeiligeModus(true));
        ASSERT_EQ(app->verwijder(opgeslagen("Pour", 2)), 0);
        ASSERT_EQ(app->voegToe(opgeslagen("Serve", 3)), 0);
        venster->verversLijst();
    }

    // The item, its check mark and the list's colour tell the same.
    bool toontVeiligeModus(bool aan)
    {
        return app->isSavePointBezig() == aan &&
               menuLabel(V::ID_STARTSTOPVEILIGEMODUS) == (aan ? "Stop Safe Operation" : "Start Safe Operation") &&
               isAangevinkt(V::ID_STARTSTOPVEILIGEMODUS) == aan &&
               venster->geefRekLijst()->GetBackgroundColour() ==
                   (aan ? app->savePointAchtergrondKleur : app->leesSchrijfAchtergrondKleur);
    }
};
} // namespace

TEST_F(OpdrachtTest, UndoTakesBackTheNewestChangeAndCommitKeepsIt)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad, {{1, "Boil"}, {2, "Pour"}});
    for (const int id : {static_cast<int>(wxID_UNDO), static_cast<int>(wxID_SAVE)})
    {
        ASSERT_EQ(app->verwijder(opgeslagen("Pour", 2)), 0);
        venster->verversLijst();
        ASSERT_TRUE(isGewijzigd());
        klik(id);
        EXPECT_FALSE(isGewijzigd()) << id;
        EXPECT_FALSE(app->rolTerugMogelijk()) << id;
        const bool terug = id == wxID_UNDO;
        EXPECT_EQ(titels(), terug ? Teksten({"Pour", "Boil"}) : Teksten({"Boil"})) << id;
        EXPECT_EQ(rijenInBestand(pad), terug ? "Boil=1,Pour=2" : "Boil=1") << id;
    }
}

TEST_F(OpdrachtTest, ReassigningNumbersClosesTheGapsOnceAndSaysSo)
{
    openProject(testPad("p.vtd"), {{2, "Boil"}, {5, "Pour"}, {9, "Serve"}});
    klik(V::ID_STRAKTREKKEN);
    EXPECT_TRUE(logVanger().bevat("reassigned without any gaps", wxLOG_Message)) << logVanger().geefAlles();
    EXPECT_EQ(nummers(*app), "Boil=1,Pour=2,Serve=3");
    EXPECT_EQ(venster->geefRekLijst()->GetItemText(0, VerelTamsoApp::KolomID), "3");

    klik(V::ID_STRAKTREKKEN);
    EXPECT_TRUE(logVanger().bevat("not reassigned because there were no gaps", wxLOG_Message))
        << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    EXPECT_EQ(nummers(*app), "Boil=1,Pour=2,Serve=3");
}

TEST_F(Veilig, StoppingKeepsOrDropsEveryChangeSinceTheStartAndReportsThePeriod)
{
    struct Geval
    {
        int antwoord;
        const char* naam;
        wxString bestand;
        Teksten lijst;
        wxString slot;
    };
    const Geval gevallen[] = {
        {wxYES, "p.vtd", "Boil=1,Serve=3", {"Serve", "Boil"}, "were committed to the database"},
        {wxNO, "q.vtd", "Boil=1,Pour=2", {"Pour", "Boil"}, "were nullified"},
    };
    for (const Geval& geval : gevallen)
    {
        if (!app->isSavePointBezig())
            begin(geval.naam);
        logVanger().wis();
        vragen.antwoord(geval.antwoord);
        klik(V::ID_STARTSTOPVEILIGEMODUS);
        EXPECT_EQ(vragen.geefVragen().back().titel, "End of safe mode");
        EXPECT_TRUE(toontVeiligeModus(false)) << geval.antwoord;
        EXPECT_EQ(rijenInBestand(pad), geval.bestand);
        EXPECT_EQ(titels(), geval.lijst);
        EXPECT_TRUE(wxRegEx("safe mode was disabled on: [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}\\.\n The mode was active "
                            "for a period of: 00:00:[0-9]{2} \\.\nAll database changes since the start of safe mode " +
                            geval.slot)
                        .Matches(logVanger().geefAlles()))
            << logVanger().geefAlles();
    }
    EXPECT_EQ(statusTekst(), "Roll back action executed on q.");
}

TEST_F(Veilig, ARollbackThatFailsKeepsSafeOperationOnAndItsChangesUndecided)
{
    Terugrol terugrol;
    ASSERT_TRUE(app->SetAuthorizer(terugrol));
    // Neither the menu nor Close may keep what the user chose to drop.
    for (const int id : {static_cast<int>(V::ID_STARTSTOPVEILIGEMODUS), static_cast<int>(wxID_CLOSE)})
    {
        logVanger().wis();
        vragen.antwoord(wxNO);
        klik(id);
        EXPECT_TRUE(logVanger().bevat("Safe operation stays on", wxLOG_Error)) << logVanger().geefAlles();
        ASSERT_TRUE(app->isDBOpen()) << id;
        EXPECT_TRUE(toontVeiligeModus(true)) << id;
        EXPECT_EQ(titels(), Teksten({"Serve", "Boil"})) << id;
    }
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");

    terugrol.weigeren = false;
    vragen.antwoord(wxNO);
    klik(wxID_CLOSE);
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_EQ(menuLabel(V::ID_STARTSTOPVEILIGEMODUS), "Start Safe Operation");
    EXPECT_FALSE(isAangevinkt(V::ID_STARTSTOPVEILIGEMODUS));
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");
}

TEST_F(OpdrachtTest, TheProjectNameLabelShowsTheNameTheProjectHolds)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad, {}, "Pots & pans"); // an "&" is no mnemonic
    EXPECT_EQ(naamLabel(), "Pots & pans");
    for (const auto& [antwoord, naam] : {std::pair<std::optional<wxString>, wxString>{wxString("R&D"), "R&D"},
                                         {std::nullopt, "R&D"},
                                         {wxString(), wxString()}})
    {
        vragen.antwoordTekst(antwoord);
        klik(V::ID_ZETPROJEKTNAAM);
        EXPECT_EQ(app->geefProjektNaam(), naam);
        EXPECT_EQ(naamLabel(), naam);
    }
    // A read-only project cannot store it: the command is off, and even
    // given it asks nothing and writes nothing, so nothing waits to be
    // committed or undone.
    openProject(pad, {}, "Kettle", true);
    const size_t gevraagd = vragen.geefVragen().size();
    for (const int id : {V::ID_ZETPROJEKTNAAM, V::ID_ZETPROJEKTVALUTA})
    {
        EXPECT_FALSE(isAan(id)) << id;
        klik(id);
    }
    EXPECT_EQ(vragen.geefVragen().size(), gevraagd);
    EXPECT_EQ(naamLabel(), "Kettle");
    EXPECT_FALSE(isGewijzigd());
    EXPECT_FALSE(isAan(wxID_UNDO));
    EXPECT_FALSE(isAan(wxID_SAVE));
}

TEST_F(OpdrachtTest, TheAboutBoxComesFromTheMenuAndTheButton)
{
    klik(wxID_ABOUT);
    klikKnop(wxID_ABOUT);
    ASSERT_EQ(vragen.geefAboutBoxen().size(), 2u);
    const wxAboutDialogInfo& info = vragen.geefAboutBoxen()[0];
    EXPECT_EQ(info.GetWebSiteURL(), "https://www.trivane.nl");
    EXPECT_TRUE(info.GetIcon().IsOk());
    wxString ontwikkelaars;
    for (const wxString& regel : info.GetDevelopers())
        ontwikkelaars += regel;
    EXPECT_TRUE(ontwikkelaars.Contains("database. https://www.sqlite.org")) << ontwikkelaars;
}
