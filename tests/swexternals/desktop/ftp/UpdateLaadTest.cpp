// The download of the installer against a real FTP server on loopback: into
// a private folder, exactly the announced size or nothing, cancelled from the
// progress dialog, handed to the package installer, and only then the
// program's ordinary close, which the user may refuse.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/swexternals/desktop/ftp/FTPTestServer.h"
#include "tests/swexternals/desktop/ftp/UpdateHulp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/button.h>
#include <wx/regex.h>

namespace
{
const wxString installerNaam = "VerelTamso_1.4.1_Linux_x86_64.deb";
const wxString uitvoeren = "Download completed successfully.\nThe installer was downloaded successfully.\nWould "
                           "you like to execute it now?\nThe current application instance will close before the "
                           "installation begins.";
const wxString bewaren = "Retain the installer executable.\nWould you like to retain your installer?";
const wxString opslaan = "Project\nSave the project in memory?";
const wxString verkeerdeGrootte = "FTP : The downloaded file size does not match the original size.";

class Laden : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (!venster->isGesloten())
            venster->Destroy();
        verwerkGebeurtenissen(30);
        EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
        EXPECT_EQ(vindVoortgangDialoog(), nullptr);
    }

    App app;
    ProjectVenster* venster = new ProjectVenster(*app);
    VraagBeantwoorder vragen;
    InstallatieOpnemer installaties;
};

mode_t rechten(const std::filesystem::path& pad)
{
    struct stat status
    {
    };
    return lstat(pad.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Presses the dialog's Cancel button as a click would.
void drukAnnuleer(wxProgressDialog& dialoog)
{
    wxWindow* knop = dialoog.FindWindow(wxID_CANCEL);
    ASSERT_NE(knop, nullptr);
    wxCommandEvent klik(wxEVT_BUTTON, wxID_CANCEL);
    klik.SetEventObject(knop);
    knop->GetEventHandler()->ProcessEvent(klik);
}
} // namespace

TEST_F(Laden, DeInstallerGaatNaarDeInstallatieEnDanPasSluitHetProgramma)
{
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    const std::string inhoud = server.zetInstaller("1.4.1", 54321);
    struct Geval
    {
        const char* wat;
        int opslaanAntwoord;
        bool sluit;
    };
    for (const Geval& geval : {Geval{"a project in memory, answered Cancel", wxCANCEL, false},
                               Geval{"a project in memory, answered No", wxNO, true}})
    {
        SCOPED_TRACE(geval.wat);
        for (int antwoord : {wxYES, wxYES, geval.opslaanAntwoord})
            vragen.antwoord(antwoord);
        const size_t eerder = installaties.paden.size();
        ProefUpdater updater(*app, server.geefAdres());
        size_t overgedragenBijStop = 0;
        updater.bijStop = [&] { overgedragenBijStop = installaties.paden.size(); };
        EXPECT_EQ(updater.ga(5000), 0);
        // Handed over once, then the close was asked, with the progress gone.
        ASSERT_EQ(installaties.paden.size(), eerder + 1);
        EXPECT_EQ(updater.stops, 1);
        EXPECT_EQ(overgedragenBijStop, eerder + 1);
        EXPECT_FALSE(updater.voortgangOpenBijStop);
        EXPECT_TRUE(vragen.geefGesteld().back() == opslaan);
        EXPECT_EQ(venster->isGesloten(), geval.sluit);
        // Exactly the server's bytes, in a folder of its own that only this
        // user may enter, in the temporary folder; it stays for the installer.
        const std::filesystem::path& pakket = installaties.paden.back();
        EXPECT_TRUE(installaties.inhoud.back() == inhoud);
        EXPECT_EQ(pakket.filename().string(), installerNaam.utf8_string());
        EXPECT_EQ(pakket.parent_path().parent_path(), testMap());
        EXPECT_EQ(rechten(pakket.parent_path()), 0700u);
        EXPECT_TRUE(std::filesystem::exists(pakket));
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    }
    EXPECT_TRUE(vragen.isGevraagd(uitvoeren));
    EXPECT_EQ(priveMappen().size(), 2u);
}

TEST_F(Laden, EenInstallerDieNietWordtGestartWordtBewaardOfOpgeruimd)
{
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.0\n");
    const std::string inhoud = server.zetInstaller("1.4.0", 3000);
    const std::filesystem::path documenten = testMap() / "Documents";
    std::filesystem::create_directory(documenten);
    struct Geval
    {
        const char* wat;
        std::vector<int> antwoorden; // after "download again?" Yes
        wxString map;                // the folder chosen to keep it in; "-": not asked
        bool installatieLukt;
        int uitkomst;
        size_t blijft;    // private folders left
        const char* fout; // the error reported; empty: none
    };
    for (const Geval& geval : {
             Geval{"not run, not kept", {wxNO, wxNO}, "-", true, 1, 1, ""},
             Geval{
                 "not run, kept in Documents", {wxNO, wxYES}, wxString::FromUTF8(documenten.string()), true, 1, 0, ""},
             Geval{"not run, keeping cancelled", {wxNO, wxYES}, "", true, 1, 0, ""},
             Geval{"kept in a folder that is not there",
                   {wxNO, wxYES},
                   "/nonexistent/folder",
                   true,
                   2,
                   0,
                   "The installer could not be stored in \"/nonexistent/folder\""},
             Geval{"the package installer does not start",
                   {wxYES},
                   "-",
                   false,
                   2,
                   1,
                   "The installer could not be started: \""},
         })
    {
        SCOPED_TRACE(geval.wat);
        for (const std::filesystem::path& map : priveMappen())
            std::filesystem::remove_all(map);
        logVanger().wis();
        installaties.gelukt = geval.installatieLukt;
        vragen.antwoord(wxYES);
        for (int antwoord : geval.antwoorden)
            vragen.antwoord(antwoord);
        if (geval.map != "-")
            vragen.kies(geval.map);
        ProefUpdater updater(*app, server.geefAdres());
        EXPECT_EQ(updater.ga(5000), geval.uitkomst);
        EXPECT_EQ(updater.stops, 0);
        EXPECT_EQ(priveMappen().size(), geval.blijft);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error) > 0, *geval.fout != '\0') << logVanger().geefAlles();
        if (*geval.fout)
        {
            EXPECT_TRUE(logVanger().bevat(geval.fout, wxLOG_Error)) << logVanger().geefAlles();
        }
    }
    EXPECT_TRUE(InstallatieOpnemer::leesBestand(documenten / "VerelTamso_1.4.0_Linux_x86_64.deb") == inhoud);
    EXPECT_TRUE(vragen.isGevraagd(bewaren));
    EXPECT_FALSE(venster->isGesloten());
}

TEST_F(Laden, EenOntbrekendeInstallerWordtGemeld)
{
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    const std::filesystem::path versieMap = server.geefUpdateMap() / "Versie_1.4.1";
    for (bool metMap : {false, true})
    {
        SCOPED_TRACE(metMap ? "its version's folder is empty" : "no folder for its version");
        if (metMap)
            std::filesystem::create_directory(versieMap);
        logVanger().wis();
        vragen.antwoord(wxYES);
        ProefUpdater updater(*app, server.geefAdres());
        EXPECT_EQ(updater.ga(5000), 2);
        EXPECT_TRUE(logVanger().bevat("FTP : could not find the requested file "
                                      "\"/pub/VerelTamso/Versie_1.4.1/VerelTamso_1.4.1_Linux_x86_64.deb\" .",
                                      wxLOG_Error))
            << logVanger().geefAlles();
        EXPECT_TRUE(priveMappen().empty());
    }
}

TEST(Download, AlleenDeAangekondigdeGrootteWordtGebruikt)
{
    const size_t grootte = 40000;
    struct Geval
    {
        const char* wat;
        FTPTestServer::Soort soort;
        std::string waarde;
        int uitkomst;
    };
    for (const Geval& geval : {
             Geval{"announces more than it sends", FTPTestServer::Soort::Liegt, "40001", 5},
             Geval{"sends more than it announces", FTPTestServer::Soort::Liegt, "39999", 5},
             Geval{"drops the transfer half-way and calls it complete", FTPTestServer::Soort::Breekt, "", 5},
             // wxFTP's own size question then reads the size from the listing.
             Geval{"answers the size question with no number", FTPTestServer::Soort::Liegt, "many", 1},
         })
    {
        SCOPED_TRACE(geval.wat);
        App app;
        auto* venster = new ProjectVenster(*app);
        VraagBeantwoorder vragen;
        InstallatieOpnemer installaties;
        FTPTestServer server(geval.soort, geval.waarde);
        server.zetVersieBestand("Version:1.4.1\n");
        const std::string inhoud = server.zetInstaller("1.4.1", grootte);
        logVanger().wis();
        // Download it; when it arrives whole: do not run it, do not keep it elsewhere.
        vragen.antwoord(wxYES);
        if (geval.uitkomst != 5)
        {
            vragen.antwoord(wxNO);
            vragen.antwoord(wxNO);
        }
        ProefUpdater updater(*app, server.geefAdres());
        EXPECT_EQ(updater.ga(5000), geval.uitkomst);
        EXPECT_EQ(logVanger().bevat(verkeerdeGrootte, wxLOG_Error), geval.uitkomst == 5) << logVanger().geefAlles();
        EXPECT_EQ(vragen.geefGesteld().size(), geval.uitkomst == 5 ? 1u : 3u);
        EXPECT_TRUE(installaties.paden.empty());
        const std::vector<std::filesystem::path> mappen = priveMappen();
        ASSERT_EQ(mappen.size(), geval.uitkomst == 5 ? 0u : 1u);
        if (!mappen.empty())
        {
            EXPECT_TRUE(InstallatieOpnemer::leesBestand(mappen.front() / installerNaam.utf8_string()) == inhoud);
            std::filesystem::remove_all(mappen.front());
        }
        venster->Destroy();
        verwerkGebeurtenissen(30);
    }
}

TEST_F(Laden, AnnulerenTijdensDeDownloadBreektHemAfEnRuimtOp)
{
    // 64 KB at 8 KB a second: the first pieces come at once, the rest would
    // take seconds.
    FTPTestServer server(FTPTestServer::Soort::Traag, "8192");
    server.zetVersieBestand("Version:1.4.1\n");
    server.zetInstaller("1.4.1", 65536);
    vragen.antwoord(wxYES);
    ProefUpdater updater(*app, server.geefAdres());
    int getoond = 0;
    updater.bijVoortgang = [&](wxProgressDialog& dialoog)
    {
        ++getoond;
        EXPECT_EQ(dialoog.GetTitle(), "Download of VerelTamso version 1.4.1 ");
        EXPECT_EQ(dialoog.GetRange(), 65);
        wxRegEx voortgang("^Progress of the download: ([0-9]+) of 65 KBytes$");
        ASSERT_TRUE(voortgang.Matches(dialoog.GetMessage())) << dialoog.GetMessage();
        long kiloBytes = 0;
        ASSERT_TRUE(voortgang.GetMatch(dialoog.GetMessage(), 1).ToLong(&kiloBytes));
        EXPECT_EQ(dialoog.GetValue(), kiloBytes);
        // Part of it is there: press Cancel.
        if (kiloBytes > 0)
            drukAnnuleer(dialoog);
    };
    // Two seconds: each wait on the server lasts at most one.
    EXPECT_EQ(updater.ga(2000), 1);
    EXPECT_GE(getoond, 1);
    EXPECT_EQ(updater.stops, 0);
    EXPECT_TRUE(installaties.paden.empty());
    EXPECT_TRUE(priveMappen().empty());
    EXPECT_EQ(vragen.geefGesteld().size(), 1u);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
