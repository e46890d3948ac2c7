// The update check from the main window's menu against a real FTP server on
// loopback: which versions it offers, the program's orderly stop (which a
// project in memory may refuse) and only then the signed package handed to
// the desktop's package installer.
#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"
#include "swexternals/desktop/TrivaneFTPUpdater.h"
#include "tests/ondersteuning/FTPTestServer.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "toepassing/kern/VerelTamsoFTPUpdater.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <wx/stdpaths.h>

namespace
{
using V = VerelTamsoVenster;
using Teksten = std::vector<wxString>;

const wxString nieuwer = "A newer version is available!";
const wxString opnieuw = "Would you like to download the installer again?";
const wxString uitvoeren = "Download completed successfully.";
const wxString opslaan = "Database is a memory database";

std::string leesBestand(const std::filesystem::path& pad)
{
    std::stringstream inhoud;
    inhoud << std::ifstream(pad, std::ios::binary).rdbuf();
    return inhoud.str();
}

// The main window with the update server of the test in its configuration,
// as a user would point it elsewhere; what reaches the desktop's package
// installer is recorded instead of run.
class Update : public OpdrachtTest
{
protected:
    struct Overdracht
    {
        std::filesystem::path pakket;
        std::string inhoud;
        // The program was still running with its project then.
        bool projectOpen;
    };

    FTPTestServer server;
    std::vector<Overdracht> overdrachten;
    // What the desktop's package installer answers.
    bool installatieLukt = true;

    void SetUp() override
    {
        OpdrachtTest::SetUp();
        app->geefAppConfigRef().Write(TrivaneFTPUpdater::serverAdresSleutel, server.geefAdres());
        // The packages of the test are signed with the test server's key.
        VerelTamsoFTPUpdater::zetSleutel(server.geefPubliekeSleutel());
        vorige = Platform::zetInstalleerder(
            [this](const wxString& pakket)
            {
                const std::filesystem::path pad(pakket.utf8_string());
                overdrachten.push_back({pad, leesBestand(pad), app->isDBOpen()});
                return installatieLukt;
            });
    }

    void TearDown() override
    {
        Platform::zetInstalleerder(vorige);
        VerelTamsoFTPUpdater::zetSleutel(wxString());
        OpdrachtTest::TearDown();
        EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
    }

    void controleerOpUpdates()
    {
        ASSERT_TRUE(isAan(V::ID_CONTROLEEROPUPDATES));
        klik(V::ID_CONTROLEEROPUPDATES);
    }

    wxString laatsteVraag() const
    {
        return vragen.geefVragen().empty() ? wxString() : vragen.geefVragen().back().titel;
    }

private:
    Platform::Installeerder vorige;
};
} // namespace

TEST_F(Update, OnlyAVersionNewerByNumberIsOfferedAsNew)
{
    // No project is open: the check needs none.
    // An older one is not offered at all: the user is told so.
    const wxString geen;
    const struct
    {
        const char* versie;
        const wxString& vraag;
    } gevallen[] = {{"1.4.1", nieuwer}, {"1.10.0", nieuwer}, {"1.4.0", opnieuw}, {"1.3.9", geen}};
    for (const auto& geval : gevallen)
    {
        server.zetVersieBestand(std::string("Version:") + geval.versie + "\n");
        const size_t gesteld = vragen.geefVragen().size();
        if (!geval.vraag.empty())
            vragen.antwoord(wxNO);
        controleerOpUpdates();
        ASSERT_EQ(vragen.geefVragen().size(), gesteld + (geval.vraag.empty() ? 0 : 1)) << geval.versie;
        if (geval.vraag.empty())
            continue;
        EXPECT_EQ(laatsteVraag(), geval.vraag) << geval.versie;
        if (geval.vraag == nieuwer)
        {
            EXPECT_TRUE(vragen.geefVragen().back().bericht.Contains(wxString("(") + geval.versie + ")"))
                << vragen.geefVragen().back().bericht;
        }
    }
    EXPECT_TRUE(logVanger().bevat("The update server offers nothing newer than the version you are using (1.4.0): "
                                  "the version it offers (1.3.9) is older.\nNothing was downloaded.",
                                  wxLOG_Message))
        << logVanger().geefAlles();
    EXPECT_TRUE(overdrachten.empty());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 0u) << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    verwerkGebeurtenissen();
    EXPECT_TRUE(venster);
}

TEST_F(Update, TheProjectIsClosedInOrderThenThePackageIsHandedOverAndTheProgramEnds)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad, {{1, "Boil"}});
    // A change not yet committed: the orderly stop commits it.
    ASSERT_EQ(app->voegToe(opgeslagen("Pour", 2)), 0);
    server.zetVersieBestand("Version:1.4.1\n");
    const std::string inhoud = server.zetInstaller("1.4.1");
    vragen.antwoord(wxYES); // download it
    vragen.antwoord(wxYES); // run it now
    controleerOpUpdates();

    ASSERT_EQ(overdrachten.size(), 1u);
    EXPECT_EQ(overdrachten[0].pakket.filename(), "VerelTamso_1.4.1_Linux_x86_64.deb");
    EXPECT_TRUE(overdrachten[0].inhoud == inhoud);
    EXPECT_FALSE(overdrachten[0].projectOpen);
    EXPECT_EQ(laatsteVraag(), uitvoeren);
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2");
    EXPECT_TRUE(wachtOp([this] { return !venster; }));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Update, AProjectInMemoryIsOfferedForSavingAndCancelKeepsTheProgramRunning)
{
    vragen.antwoordTekst(wxString("Draft"));
    klik(wxID_NEW);
    ASSERT_EQ(app->voegToe(opgeslagen("Boil", 1)), 0);
    venster->verversLijst();
    server.zetVersieBestand("Version:1.4.1\n");
    server.zetInstaller("1.4.1");
    for (const int antwoord : {wxCANCEL, wxNO})
    {
        const bool blijft = antwoord == wxCANCEL;
        SCOPED_TRACE(blijft ? "Cancel" : "No");
        // Download it, run it now, and then "save it in a file?".
        for (const int a : {wxYES, wxYES, antwoord})
            vragen.antwoord(a);
        const size_t eerder = overdrachten.size();
        controleerOpUpdates();
        // Handed over only when the program may end.
        EXPECT_EQ(overdrachten.size(), eerder + (blijft ? 0 : 1));
        EXPECT_EQ(laatsteVraag(), opslaan);
        if (!blijft)
            break;
        verwerkGebeurtenissen();
        ASSERT_TRUE(venster);
        EXPECT_TRUE(app->isMemoryDB());
        EXPECT_EQ(naamLabel(), "Draft");
        EXPECT_EQ(titels(), Teksten({"Boil"}));
        EXPECT_TRUE(app->rolTerugMogelijk()) << "the change is still there to undo";
    }
    EXPECT_TRUE(wachtOp([this] { return !venster; }));
    EXPECT_FALSE(app->isDBOpen());
}

TEST(UpdatePakket, TheBuildsPackageIsTheInstallerTheCheckLooksFor)
{
    // Else the program, once installed, would not know itself on the server.
    EXPECT_EQ(TrivaneFTPUpdateDraad::productNaam + "_" + TrivaneFTPUpdateDraad::geefEigenVersie() +
                  TrivaneFTPUpdateDraad::PlatformNaam,
              VT_PAKKET_NAAM);
}

TEST_F(Update, APackageTheDesktopCannotOpenLeavesTheProgramRunning)
{
    openProject(testPad("p.vtd"), {{1, "Boil"}});
    server.zetVersieBestand("Version:1.4.1\n");
    server.zetInstaller("1.4.1");
    installatieLukt = false;
    vragen.antwoord(wxYES); // download it
    vragen.antwoord(wxYES); // run it now
    controleerOpUpdates();
    ASSERT_EQ(overdrachten.size(), 1u);
    verwerkGebeurtenissen();
    ASSERT_TRUE(venster);
    // Kept where the next check's clean-up of the temporary folder does not
    // reach: the user's download folder.
    const std::filesystem::path bewaard =
        std::filesystem::path(wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Downloads).utf8_string()) /
        overdrachten[0].pakket.filename();
    EXPECT_TRUE(logVanger().bevat("The program keeps running. You can install the package yourself; it is in:\n" +
                                      wxString::FromUTF8(bewaard.string()),
                                  wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_TRUE(std::filesystem::exists(bewaard));
    // The program goes on as after a close of its project.
    EXPECT_TRUE(isAan(V::ID_CONTROLEEROPUPDATES));
}
