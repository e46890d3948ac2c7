// The search for a newer version against a real FTP server on loopback: the
// version is compared as numbers, anything but a plain version is refused
// before it is used, a dead or slow server never holds the program, and
// Cancel ends the search at every stage.
#include "swexternals/desktop/DesktopGebruikersMappen.h"
#include "swexternals/desktop/TrivaneDesktopFTPThread.h"
#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"
#include "swexternals/desktop/TrivaneFTPUpdateOpruimer.h"
#include "swexternals/desktop/platform/KindProces.h"
#include "tests/ondersteuning/FTPTestServer.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/HangendeSchijf.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/swexternals/desktop/ftp/UpdateHulp.h"
#include "tests/vertalingen/Talen.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
const wxString nieuwer = "A newer version is available!\nYou are using version (1.4.0).\nA newer version (";
const wxString opnieuw = "Would you like to download the installer again?\nYou are already using the latest "
                         "version: (1.4.0).\nHowever, you can download the installer again if you want that.";
const wxString versieOnleesbaar = "The application version information could not be retrieved from the server.";
const wxString nietGelukt = "Checking for a new version could not be carried out properly.";

class Zoeken : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (!venster->isGesloten())
            venster->Destroy();
        verwerkGebeurtenissen(30);
    }

    int zoek(const wxString& adres, unsigned short milliSeconden = 5000, bool stil = false, bool passief = true)
    {
        // The search checks no package: any key will do.
        ProefUpdater updater(*app, adres, wxString(), stil, passief);
        const int uitkomst = updater.ga(milliSeconden);
        EXPECT_EQ(updater.stops, 0);
        return uitkomst;
    }

    App app;
    ProjectVenster* venster = new ProjectVenster(*app);
    VraagBeantwoorder vragen;
};

class LegeVerbinding : public TrivaneDesktopFTPThread
{
public:
    using TrivaneDesktopFTPThread::TrivaneDesktopFTPThread;

protected:
    ExitCode Entry() override { return nullptr; }
};
} // namespace

TEST_F(Zoeken, DeVersieVanDeServerWordtDeelVoorDeelAlsGetalVergeleken)
{
    FTPTestServer server;
    struct Geval
    {
        std::string bestand;
        bool stil;
        int uitkomst;
        wxString vraag; // empty: nothing is asked; asked, it is answered No
    };
    for (const Geval& geval : {
             Geval{"Version:1.4.1\n", false, 1,
                   nieuwer + "1.4.1) is available for download.\nWould you like to download it?"},
             Geval{"Version:1.10.0", false, 1, nieuwer + "1.10.0) "},
             Geval{"Version:1.4.0.1\r\nVersion:0.0.1\r\n", false, 1, nieuwer + "1.4.0.1) "},
             // A newer version is news, also to a silent check.
             Geval{"Version:2.0.0\n", true, 1, nieuwer + "2.0.0) "},
             Geval{"Version:1.4.0\n", false, 1, opnieuw},
             Geval{"Version:1.4.0.0\n", true, 1, ""},
             // An older version is not offered at all.
             Geval{"Version:1.3.9\n", false, 1, ""},
             Geval{"Version:0.99.99\n", true, 1, ""},
             // Everything after the first colon is the version.
             Geval{"VerelTamso:1.4.1:beta\n", false, 2, ""},
         })
    {
        SCOPED_TRACE(geval.bestand);
        logVanger().wis();
        const size_t gesteld = vragen.geefGesteld().size();
        server.zetVersieBestand(geval.bestand);
        if (!geval.vraag.empty())
            vragen.antwoord(wxNO);
        // The server connects to us for the data once, as a login may ask.
        const bool passief = geval.bestand != "Version:1.4.0\n";
        EXPECT_EQ(zoek(server.geefAdres(), 5000, geval.stil, passief), geval.uitkomst);
        ASSERT_EQ(vragen.geefGesteld().size(), gesteld + (geval.vraag.empty() ? 0 : 1));
        if (!geval.vraag.empty())
        {
            EXPECT_TRUE(vragen.geefGesteld().back().StartsWith(geval.vraag)) << vragen.geefGesteld().back();
        }
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), geval.uitkomst == 2 ? 1u : 0u) << logVanger().geefAlles();
    }
    EXPECT_TRUE(priveMappen().empty());
}

TEST_F(Zoeken, EenOudereVersieWordtNietAangebodenEnNietOpgehaald)
{
    FTPTestServer server;
    server.zetVersieBestand("Version:1.3.9\n");
    server.zetInstaller("1.3.9");
    EXPECT_EQ(zoek(server.geefAdres()), 1);
    EXPECT_TRUE(vragen.geefGesteld().empty());
    EXPECT_TRUE(logVanger().bevat("The update server offers nothing newer than the version you are using (1.4.0): "
                                  "the version it offers (1.3.9) is older.\nNothing was downloaded.",
                                  wxLOG_Message))
        << logVanger().geefAlles();

    // Nor does a download worker fetch it when asked.
    auto gedeeld = std::make_shared<TrivaneFTPUpdateGedeeld>(nullptr);
    TrivaneFTPUpdateDraad draad(&*app, TrivaneDesktopFTPLogin(server.geefAdres(), true, true, "anonymous", ""), gedeeld,
                                TrivaneFTPUpdater::updateMap, "1.3.9", true, server.geefPubliekeSleutel());
    ASSERT_EQ(draad.Run(), wxTHREAD_NO_ERROR);
    draad.Wait();
    wxLog::FlushActive();
    EXPECT_EQ(gedeeld->lees().code, kcFout);
    EXPECT_TRUE(logVanger().bevat("Version 1.3.9 is older than the version you are using (1.4.0): it was not "
                                  "downloaded.",
                                  wxLOG_Error));
    EXPECT_FALSE(server.heeftOntvangen("CWD /pub/VerelTamso/Versie_1.3.9"));
    EXPECT_TRUE(priveMappen().empty());
}

TEST_F(Zoeken, AllesBehalveEenGewoneVersieWordtGeweigerdVoordatHetIetsBereikt)
{
    FTPTestServer server;
    for (const std::string& regel : {
             std::string("Version:../../.."),
             std::string("Version:1.4.1/../../../etc"),
             std::string("Version:1.4.1/x"),
             std::string("Version: 1.4.1"),
             std::string("Version:1.4.1 "),
             std::string("Version:1.4.1\t"),
             std::string("Version:"),
             std::string("Version1.4.1"),
             std::string("Version:1.4"),
             std::string("Version:1.4.1.2.3"),
             std::string("Version:1..4.1"),
             std::string("Version:1.4.1."),
             std::string("Version:-1.4.1"),
             std::string("Version:+1.4.1"),
             std::string("Version:1.4.1e3"),
             std::string("Version:1234567890.0.0"),
             std::string("Version:\xef\xbc\x91.4.1"), // a full-width digit one
             std::string("Version:1.4.1\0.9", 16),
             std::string(""),
             "Version:1.4." + std::string(1 << 20, '1'),
         })
    {
        SCOPED_TRACE(regel.substr(0, 40));
        logVanger().wis();
        server.zetVersieBestand(regel + "\n");
        EXPECT_EQ(zoek(server.geefAdres()), 2);
        EXPECT_TRUE(logVanger().bevat(versieOnleesbaar, wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_TRUE(logVanger().bevat(nietGelukt, wxLOG_Warning));
    }
    EXPECT_TRUE(vragen.geefGesteld().empty());

    logVanger().wis();
    std::filesystem::remove(server.geefUpdateMap() / "LaatsteVersie");
    EXPECT_EQ(zoek(server.geefAdres()), 2);
    EXPECT_TRUE(logVanger().bevat(versieOnleesbaar, wxLOG_Error));

    logVanger().wis();
    std::filesystem::remove_all(server.geefUpdateMap());
    EXPECT_EQ(zoek(server.geefAdres()), 2);
    EXPECT_TRUE(logVanger().bevat("Logged on to the update server, but its application directory could not be "
                                  "opened for VerelTamso ",
                                  wxLOG_Error))
        << logVanger().geefAlles();
}

TEST_F(Zoeken, EenZwijgendeOfAfwezigeServerHoudtHetProgrammaNietVast)
{
    FTPTestServer zwijgt(FTPTestServer::Soort::Zwijgt);
    struct Geval
    {
        const char* wat;
        wxString adres;
        unsigned short milliSeconden;
        int uitkomst;
        wxString fout; // empty: none
    };
    for (const Geval& geval : {
             // The connection gives up (after a second) before the driver does.
             Geval{"never greets", zwijgt.geefAdres(), 3000, 2, "FTP: unable to connect to: " + zwijgt.geefAdres()},
             // The driver gives up first, and waits for its worker to end.
             Geval{"never greets, short wait", zwijgt.geefAdres(), 300, 1, ""},
             Geval{"nobody listens", "127.0.0.1:1", 3000, 2, "FTP: unable to connect to: 127.0.0.1:1"},
             Geval{"no port", "127.0.0.1:", 3000, 2, "FTP: unable to connect to: 127.0.0.1:"},
             Geval{"port out of range", "127.0.0.1:65536", 3000, 2, "FTP: unable to connect to: 127.0.0.1:65536"},
         })
    {
        SCOPED_TRACE(geval.wat);
        logVanger().wis();
        const auto begin = std::chrono::steady_clock::now();
        EXPECT_EQ(zoek(geval.adres, geval.milliSeconden), geval.uitkomst);
        // Below wxFTP's own minute: the program is not held till then.
        EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(45)) << "held as by wxFTP's minute";
        EXPECT_TRUE(logVanger().bevat(nietGelukt, wxLOG_Warning)) << logVanger().geefAlles();
        if (!geval.fout.empty())
        {
            EXPECT_TRUE(logVanger().bevat(geval.fout, wxLOG_Error)) << logVanger().geefAlles();
        }
    }
    EXPECT_TRUE(vragen.geefGesteld().empty());
}

TEST_F(Zoeken, EenServerDieElkAntwoordLaatGeeftWordtOpTijdOpgegeven)
{
    // Each reply comes well within the wait for one reply (a second), but
    // the search as a whole takes longer than the two seconds it may.
    FTPTestServer server(FTPTestServer::Soort::Vertraagt, "0.6");
    server.zetVersieBestand("Version:1.4.1\n");
    EXPECT_EQ(zoek(server.geefAdres(), 2000), 1);
    EXPECT_TRUE(logVanger().bevat(nietGelukt, wxLOG_Warning)) << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    EXPECT_TRUE(vragen.geefGesteld().empty());
}

TEST_F(Zoeken, AnnulerenBeeindigtElkeFaseVanHetZoeken)
{
    // Also while the user's folders answer only once the searches are over,
    // as a network share may take seconds: what a copy for the user left in
    // them is removed then, by one clean-up at a time, not one per check.
    std::promise<void> antwoord;
    // Shared: the request kept runs after the test, with this.
    const auto opruimingen = std::make_shared<std::atomic<int>>(0);
    const std::function<void()> vorige = TrivaneFTPUpdater::zetOpruimRem(
        [opruimingen, later = antwoord.get_future().share()]
        {
            ++*opruimingen;
            later.wait_for(std::chrono::seconds(30));
        });
    const std::filesystem::path rest = testMap() / ".VerelTamso_1.4.0_Linux_x86_64.deb.a1B2c3.kopie";
    std::ofstream(rest) << "part of a package";
    struct Geval
    {
        const char* fase;
        FTPTestServer::Soort soort;
        std::string waarde;
        // The server has received this: the search waits for its answer.
        std::string ontvangen;
    };
    for (const Geval& geval : {
             Geval{"connecting", FTPTestServer::Soort::Zwijgt, "", "CONNECT"},
             Geval{"logging on", FTPTestServer::Soort::Hangt, "USER", "USER"},
             Geval{"reading the version file", FTPTestServer::Soort::Hangt, "RETR", "RETR LaatsteVersie"},
         })
    {
        SCOPED_TRACE(geval.fase);
        logVanger().wis();
        FTPTestServer server(geval.soort, geval.waarde);
        server.zetVersieBestand("Version:1.4.1\n");
        // Half a minute for each reply, a minute for the search: only a
        // Cancel that works ends it without the warning of a time-out.
        ProefUpdater updater(*app, server.geefAdres(), wxString());
        wxString bericht;
        updater.bijVoortgang = [&](wxProgressDialog& dialoog)
        {
            bericht = dialoog.GetMessage();
            if (server.heeftOntvangen(geval.ontvangen))
                drukAnnuleer(dialoog);
        };
        EXPECT_EQ(updater.ga(60000), 1);
        EXPECT_EQ(bericht, "Connecting to the Trivane FTP server. Please wait...");
        EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
        EXPECT_EQ(vindVoortgangDialoog(), nullptr);
        EXPECT_TRUE(std::filesystem::exists(rest));
    }
    EXPECT_TRUE(vragen.geefGesteld().empty());
    EXPECT_EQ(*opruimingen, 1);
    TrivaneFTPUpdater::zetOpruimRem(vorige);
    antwoord.set_value();
    EXPECT_TRUE(wachtOp([&] { return !std::filesystem::exists(rest); }, 20000));
}

TEST(ControleEnStop, EenMapDieNietAntwoordtHoudtDeStartDeControleNochHetEindeOp)
{
    // Documents on a network share that hangs: the program starts, checks
    // for updates and ends at Quit within the time, while the clean-up of
    // the user's folders waits for the share.
    HangendeSchijf schijf((testMap() / "share").string());
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const std::filesystem::path konfig = testMap() / "config";
    std::filesystem::create_directory(konfig);
    std::ofstream(konfig / "user-dirs.dirs")
        << "XDG_DOCUMENTS_DIR=\"" << (testMap() / "share/Documents").string() << "\"\n";
    const char* vorigeKonfig = std::getenv("XDG_CONFIG_HOME");
    setenv("XDG_CONFIG_HOME", konfig.c_str(), 1);
    // Nothing answers on the first port: the search fails at once.
    const pid_t programma = KindProces::start({VT_CONTROLE_PROGRAMMA, "127.0.0.1:1"}, KindProces::Opties{});
    if (vorigeKonfig)
        setenv("XDG_CONFIG_HOME", vorigeKonfig, 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    ASSERT_GT(programma, 0);
    int status = -1;
    const bool geeindigd = wachtOp([&] { return waitpid(programma, &status, WNOHANG) == programma; }, 20000);
    EXPECT_TRUE(geeindigd) << "the program was still there 20 s after it was started";
    EXPECT_GT(schijf.geefVragen(), 0) << "nothing went to the share";
    // Whatever waited on the share now goes on, and ends.
    schijf.laatLos();
    if (!geeindigd)
    {
        EXPECT_EQ(waitpid(programma, &status, 0), programma);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(ControleEnStop, DeOpruimingLaatDeUitvoerEnDeWerkmapVanHetProgrammaLos)
{
    // The download folder on a share that hangs holds the clean-up's process
    // split off from the program: meanwhile it holds neither the program's
    // output nor its working folder.
    HangendeSchijf schijf((testMap() / "share").string());
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const std::filesystem::path konfig = testMap() / "config";
    std::filesystem::create_directory(konfig);
    std::ofstream(konfig / "user-dirs.dirs")
        << "XDG_DOWNLOAD_DIR=\"" << (testMap() / "share/Downloads").string() << "\"\n";
    TrivaneFTPUpdateOpruimer::vraag(DesktopGebruikersMappen(testMap().string(), konfig.string()));
    ASSERT_TRUE(wachtOp([&] { return schijf.geefVragen() > 0; }, 20000)) << "nothing went to the share";
    // The processes split off from this one: they run this very program.
    const std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe");
    int gezien = 0;
    for (const auto& proces : std::filesystem::directory_iterator("/proc"))
    {
        std::ifstream status(proces.path() / "status");
        std::string regel;
        while (std::getline(status, regel) && regel.rfind("PPid:", 0) != 0)
        {
        }
        std::error_code fout;
        if (regel != "PPid:\t" + std::to_string(getpid()) ||
            std::filesystem::read_symlink(proces.path() / "exe", fout) != programma)
            continue;
        ++gezien;
        for (const char* bestand : {"fd/0", "fd/1", "fd/2"})
            EXPECT_EQ(std::filesystem::read_symlink(proces.path() / bestand, fout).string(), "/dev/null") << bestand;
        EXPECT_EQ(std::filesystem::read_symlink(proces.path() / "cwd", fout).string(), "/");
    }
    EXPECT_GT(gezien, 0);
    schijf.laatLos();
}

TEST_F(Zoeken, EenStilleControleMeldtGeenMislukking)
{
    FTPTestServer server;
    EXPECT_EQ(zoek(server.geefAdres(), 5000, true), 2);
    EXPECT_FALSE(logVanger().bevat(nietGelukt));
    EXPECT_TRUE(logVanger().bevat(versieOnleesbaar, wxLOG_Error));
}

TEST(Zoekteksten, GeenBlancoVoorEenLeesteken)
{
    // The texts are joined from translated pieces and the versions and
    // paths between them: a full stop follows directly.
    FTPTestServer server;
    const struct
    {
        wxLanguage taal;
        const char* eigenVersie; // as the first question puts it
    } talen[] = {{wxLANGUAGE_ENGLISH, "You are using version (1.4.0)."},
                 {wxLANGUAGE_GERMAN, "Sie verwenden die Version (1.4.0)."},
                 {wxLANGUAGE_FRENCH, "Vous utilisez la version (1.4.0)."}};
    for (const auto& taal : talen)
    {
        SCOPED_TRACE(taal.eigenVersie);
        kiesTaal(taal.taal);
        App app;
        auto* venster = new ProjectVenster(*app);
        VraagBeantwoorder vragen;
        logVanger().wis();
        // Newer, to be downloaded but not there; then the same version again.
        server.zetVersieBestand("Version:1.4.1\n");
        vragen.antwoord(wxYES);
        EXPECT_EQ(ProefUpdater(*app, server.geefAdres(), wxString()).ga(5000), 2);
        server.zetVersieBestand("Version:1.4.0\n");
        vragen.antwoord(wxNO);
        EXPECT_EQ(ProefUpdater(*app, server.geefAdres(), wxString()).ga(5000), 1);
        ASSERT_EQ(vragen.geefGesteld().size(), 2u);
        EXPECT_TRUE(vragen.geefGesteld()[0].Contains(taal.eigenVersie)) << vragen.geefGesteld()[0];
        EXPECT_TRUE(vragen.geefGesteld()[1].Contains("(1.4.0).")) << vragen.geefGesteld()[1];
        ASSERT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
        std::vector<wxString> teksten = vragen.geefGesteld();
        for (const LogVanger::Regel& regel : logVanger().geefRegels())
            teksten.push_back(regel.tekst);
        for (const wxString& tekst : teksten)
            EXPECT_FALSE(tekst.Contains(" .")) << tekst;
        venster->Destroy();
        verwerkGebeurtenissen(30);
    }
}

TEST(FTPVerbinding, VerbindenEnVerbrekenPassenBijDeToestand)
{
    FTPTestServer server;
    TrivaneDesktopDraadKonditie konditie(0);
    LegeVerbinding verbinding(TrivaneDesktopFTPLogin(server.geefAdres(), true, true, "anonymous", ""), konditie, true);
    struct Stap
    {
        Stand stand;
        int uitkomst;
        const char* melding; // at warning level, empty: nothing
    };
    for (const Stap& stap : {Stap{StandAan, 1, "FTP: a connection is already active."}, Stap{StandOm, 5, ""},
                             Stap{StandOnbekend, 5, ""}, Stap{StandUit, 5, ""}, Stap{StandUit, 1, ""},
                             Stap{StandOm, 5, ""}, Stap{StandAan, 0, ""}, Stap{StandUit, 5, ""}})
    {
        logVanger().wis();
        EXPECT_EQ(verbinding.verbind(stap.stand), stap.uitkomst) << stap.stand;
        EXPECT_EQ(logVanger().geefRegels().empty(), *stap.melding == '\0') << logVanger().geefAlles();
        if (*stap.melding)
        {
            EXPECT_TRUE(logVanger().bevat(stap.melding, wxLOG_Warning));
        }
    }
}

TEST(FTPVerbinding, HetServerAdresKomtUitDeKonfiguratie)
{
    std::unique_ptr<wxFileConfig> konfig = openKonfigBestand();
    const TrivaneDesktopFTPLogin standaard = TrivaneFTPUpdater::maakLogin(*konfig);
    EXPECT_EQ(standaard.geefURL(), TrivaneFTPUpdater::standaardServerAdres);
    // Written, so that a user finds where to point it elsewhere.
    EXPECT_EQ(konfig->Read(TrivaneFTPUpdater::serverAdresSleutel), TrivaneFTPUpdater::standaardServerAdres);
    konfig->Write(TrivaneFTPUpdater::serverAdresSleutel, " 127.0.0.1:2121 ");
    EXPECT_EQ(TrivaneFTPUpdater::geefServerAdres(*konfig), "127.0.0.1:2121");
}
