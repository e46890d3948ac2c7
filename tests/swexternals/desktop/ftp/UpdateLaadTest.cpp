// The download of the package against a real FTP server on loopback: into a
// private folder, exactly the announced size, signed by the maker for this
// version and naming itself so, or refused and removed; cancelled from the
// progress dialog; handed to the package installer only once the program's
// own questions allow it to end, and checked.
#include "swexternals/desktop/DesktopPriveMap.h"
#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"
#include "swexternals/desktop/TrivaneFTPUpdateHernoeming.h"
#include "swexternals/desktop/TrivaneFTPUpdateKopie.h"
#include "swexternals/desktop/TrivaneFTPUpdateRest.h"
#include "swexternals/desktop/platform/DebPakket.h"
#include "tests/ondersteuning/FTPTestServer.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/HangendeSchijf.h"
#include "tests/ondersteuning/KleineSchijf.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/ondersteuning/Waakhond.h"
#include "tests/swexternals/desktop/ftp/UpdateHulp.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <wx/regex.h>
#include <wx/stdpaths.h>
#include <wx/timer.h>

namespace
{
const wxString installerNaam = "VerelTamso_1.4.1_Linux_x86_64.deb";
const wxString uitvoeren = "Download completed successfully.\nThe installer was downloaded successfully.\nWould "
                           "you like to execute it now?\nThe current application instance will close before the "
                           "installation begins.";
const wxString bewaren = "Retain the installer executable.\nWould you like to retain your installer?";
const wxString opslaan = "Project\nSave the project in memory?";
const wxString verkeerdeGrootte = "FTP: The downloaded file size does not match the original size.";
const wxString geweigerd = "The downloaded update was refused and deleted; nothing was installed. Please try again "
                           "later.\n";

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

wxString alsWx(const std::filesystem::path& pad)
{
    return wxString::FromUTF8(pad.string());
}

// Whatever was written into the pipe has been read.
bool isLeeggelezen(int pijp)
{
    int ongelezen = -1;
    return ioctl(pijp, FIONREAD, &ongelezen) == 0 && ongelezen == 0;
}

mode_t rechten(const std::filesystem::path& pad)
{
    struct stat status
    {
    };
    return lstat(pad.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}
} // namespace

TEST_F(Laden, HetPakketGaatPasNaDeVragenVanHetProgrammaNaarDeInstallatie)
{
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    const std::string inhoud = server.zetInstaller("1.4.1");
    struct Geval
    {
        const char* wat;
        int opslaanAntwoord;
        int uitkomst;
    };
    for (const Geval& geval : {Geval{"a project in memory, answered Cancel", wxCANCEL, 1},
                               Geval{"a project in memory, answered No", wxNO, 0}})
    {
        SCOPED_TRACE(geval.wat);
        const bool overdracht = geval.uitkomst == 0;
        for (int antwoord : {wxYES, wxYES, geval.opslaanAntwoord})
            vragen.antwoord(antwoord);
        ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
        size_t overgedragenBijVoorbereiding = 99;
        size_t overgedragenBijStop = 99;
        updater.bijVoorbereiding = [&] { overgedragenBijVoorbereiding = installaties.paden.size(); };
        updater.bijStop = [&] { overgedragenBijStop = installaties.paden.size(); };
        EXPECT_EQ(updater.ga(5000), geval.uitkomst);
        // The question first, with the progress gone; then, only when the
        // program may end, the hand-over, once, and then the close.
        EXPECT_EQ(updater.voorbereidingen, 1);
        EXPECT_EQ(overgedragenBijVoorbereiding, 0u);
        EXPECT_FALSE(updater.voortgangOpenBijStop);
        EXPECT_TRUE(vragen.geefGesteld().back() == opslaan);
        ASSERT_EQ(installaties.paden.size(), overdracht ? 1u : 0u);
        EXPECT_EQ(updater.stops, overdracht ? 1 : 0);
        EXPECT_EQ(venster->isGesloten(), overdracht);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
        if (!overdracht)
        {
            // Kept running: the download is gone.
            EXPECT_TRUE(priveMappen().empty());
            continue;
        }
        EXPECT_EQ(overgedragenBijStop, 1u);
        // Exactly the server's bytes, in a folder of its own that only this
        // user may enter, in the temporary folder; it stays for the installer.
        const std::filesystem::path& pakket = installaties.paden.back();
        EXPECT_TRUE(installaties.inhoud.back() == inhoud);
        EXPECT_EQ(pakket.filename().string(), installerNaam.utf8_string());
        EXPECT_EQ(pakket.parent_path().parent_path(), testMap());
        EXPECT_EQ(rechten(pakket.parent_path()), 0700u);
        EXPECT_TRUE(std::filesystem::exists(pakket));
    }
    EXPECT_TRUE(vragen.isGevraagd(uitvoeren));
    EXPECT_EQ(priveMappen().size(), 1u);
}

TEST_F(Laden, EenPakketDatNietIsWatWerdAangekondigdWordtGeweigerdEnVerwijderd)
{
    using H = FTPTestServer::Pakket::Handtekening;
    struct Geval
    {
        const char* wat;
        FTPTestServer::Pakket pakket;
        const char* reden;
    };
    FTPTestServer::Pakket geknoeid;
    geknoeid.geknoeid = true;
    FTPTestServer::Pakket ongetekend;
    ongetekend.handtekening = H::Geen;
    FTPTestServer::Pakket anderSleutel;
    anderSleutel.handtekening = H::Ander;
    FTPTestServer::Pakket ouder;
    ouder.getekendeVersie = "1.4.0";
    FTPTestServer::Pakket andereVersie;
    andereVersie.versie = "1.4.2";
    FTPTestServer::Pakket anderPakket;
    anderPakket.naam = "vereltamso-tools";
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    for (const Geval& geval : {
             Geval{"unsigned", ongetekend, "The package has no signature on the server."},
             Geval{"one byte changed", geknoeid,
                   "Its signature does not match the package: the package was not signed by the maker"},
             Geval{"signed with another key", anderSleutel,
                   "The package was signed with another key than the maker's."},
             Geval{"an older version's signature", ouder, "Its signature belongs to another version or another file."},
             Geval{"its control data name another version", andereVersie,
                   "The package calls itself vereltamso version 1.4.2, not vereltamso version 1.4.1."},
             Geval{"its control data name another package", anderPakket,
                   "The package calls itself vereltamso-tools version 1.4.1, not vereltamso version 1.4.1."},
         })
    {
        SCOPED_TRACE(geval.wat);
        logVanger().wis();
        server.zetInstaller("1.4.1", geval.pakket);
        vragen.antwoord(wxYES);
        ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
        EXPECT_EQ(updater.ga(5000), 2);
        EXPECT_TRUE(logVanger().bevat(geweigerd + geval.reden, wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_EQ(updater.voorbereidingen, 0);
        EXPECT_TRUE(installaties.paden.empty());
        EXPECT_TRUE(priveMappen().empty());
    }
    EXPECT_FALSE(vragen.isGevraagd(uitvoeren));
}

TEST_F(Laden, EenInstallerDieNietWordtGestartWordtBewaardOfOpgeruimd)
{
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.0\n");
    const std::string inhoud = server.zetInstaller("1.4.0", FTPTestServer::Pakket::metGrootte(3000));
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
             // The program goes on, and says where the package is: out of
             // reach of the next check's clean-up.
             Geval{"the package installer does not take it",
                   {wxYES, wxNO},
                   "-",
                   false,
                   2,
                   0,
                   "The desktop could not open the update package: no package installer took it.\nThe program keeps "
                   "running. You can install the package yourself; it is in:\n"},
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
        ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
        EXPECT_EQ(updater.ga(5000), geval.uitkomst);
        EXPECT_EQ(updater.stops, 0);
        EXPECT_EQ(priveMappen().size(), geval.blijft);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error) > 0, *geval.fout != '\0') << logVanger().geefAlles();
        if (*geval.fout)
        {
            EXPECT_TRUE(logVanger().bevat(geval.fout, wxLOG_Error)) << logVanger().geefAlles();
        }
        if (!geval.installatieLukt)
        {
            const std::filesystem::path pakket =
                std::filesystem::path(wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Downloads).utf8_string()) /
                "VerelTamso_1.4.0_Linux_x86_64.deb";
            EXPECT_TRUE(logVanger().bevat(wxString::FromUTF8(pakket.string()), wxLOG_Error)) << logVanger().geefAlles();
            DesktopPriveMap::ruimOp(alsWx(testMap()), "VerelTamso");
            EXPECT_TRUE(InstallatieOpnemer::leesBestand(pakket) == inhoud);
        }
    }
    EXPECT_TRUE(InstallatieOpnemer::leesBestand(documenten / "VerelTamso_1.4.0_Linux_x86_64.deb") == inhoud);
    EXPECT_TRUE(vragen.isGevraagd(bewaren));
    EXPECT_FALSE(venster->isGesloten());
}

TEST_F(Laden, EenPakketDatNiemandNeemtKomtHeelInDeEersteMapDieHetNeemt)
{
    // The user's download folder, Documents and home each on a small disk
    // of their own, full or read-only; the temporary folder is the test's.
    enum class Staat
    {
        Goed,
        Vol,
        AlleenLezen
    };
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    const std::string inhoud = server.zetInstaller("1.4.1", FTPTestServer::Pakket::metGrootte(40000));
    const std::filesystem::path konfig = testMap() / "config";
    std::filesystem::create_directory(konfig);
    std::ofstream(konfig / "user-dirs.dirs")
        << "XDG_DOWNLOAD_DIR=\"" << (testMap() / "Downloads").string() << "\"\nXDG_DOCUMENTS_DIR=\""
        << (testMap() / "Documents").string() << "\"\n";
    const char* vorigeKonfig = std::getenv("XDG_CONFIG_HOME");
    const std::string vorigThuis = std::getenv("HOME");
    setenv("XDG_CONFIG_HOME", konfig.c_str(), 1);
    setenv("HOME", (testMap() / "thuis").c_str(), 1);
    const char* namen[] = {"Downloads", "Documents", "thuis"};
    struct Geval
    {
        Staat staat[3];
        const char* doel; // the folder that takes it
        // The package's name and -2 to -99 taken in the temporary folder
        // (from this case on): it stays in the download's own folder there.
        bool namenBezet = false;
    };
    for (const Geval& geval : {Geval{{Staat::Vol, Staat::Goed, Staat::Goed}, "Documents"},
                               Geval{{Staat::AlleenLezen, Staat::Vol, Staat::Goed}, "thuis"},
                               Geval{{Staat::AlleenLezen, Staat::Vol, Staat::AlleenLezen}, ""},
                               Geval{{Staat::AlleenLezen, Staat::Vol, Staat::AlleenLezen}, "", true}})
    {
        SCOPED_TRACE(*geval.doel ? geval.doel : geval.namenBezet ? "none, nor the temporary folder" : "none of them");
        for (int nummer = 1; geval.namenBezet && nummer <= 99; ++nummer)
        {
            const wxString naam = installerNaam.BeforeLast('.') + (nummer > 1 ? wxString::Format("-%d", nummer) : "");
            std::ofstream(testMap() / (naam + ".deb").utf8_string()) << "the user's";
        }
        logVanger().wis();
        std::vector<std::unique_ptr<KleineSchijf>> schijven;
        for (int i = 0; i < 3; ++i)
        {
            schijven.push_back(std::make_unique<KleineSchijf>((testMap() / namen[i]).string(), 64 * 1024));
            if (!schijven.back()->isGekoppeld())
                GTEST_SKIP() << schijven.back()->waarom();
            if (geval.staat[i] == Staat::Vol)
            {
                ASSERT_TRUE(schijven.back()->vul(4096));
            }
            if (geval.staat[i] == Staat::AlleenLezen)
            {
                ASSERT_TRUE(schijven.back()->zetAlleenLezen());
            }
        }
        installaties.gelukt = false;
        for (int antwoord : {wxYES, wxYES, wxNO})
            vragen.antwoord(antwoord);
        ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
        EXPECT_EQ(updater.ga(5000), 2);
        // One message, which says where the package is.
        ASSERT_EQ(logVanger().geefRegels().size(), 1u) << logVanger().geefAlles();
        const wxString melding = logVanger().geefRegels().front().tekst;
        const std::vector<std::filesystem::path> eigen = priveMappen();
        ASSERT_EQ(eigen.size(), geval.namenBezet ? 1u : 0u);
        const std::filesystem::path map = *geval.doel        ? testMap() / geval.doel
                                          : geval.namenBezet ? eigen.front()
                                                             : testMap();
        const std::filesystem::path pakket = map / installerNaam.utf8_string();
        EXPECT_TRUE(melding.Contains(":\n" + alsWx(pakket))) << melding;
        EXPECT_EQ(melding.Contains("it was kept in the temporary folder"), !*geval.doel && !geval.namenBezet)
            << melding;
        EXPECT_EQ(melding.Contains("which the next check for updates removes"), geval.namenBezet) << melding;
        // Whole where it is, and out of the next check's reach unless it
        // says otherwise; nothing of it in the folders that did not take it.
        EXPECT_TRUE(InstallatieOpnemer::leesBestand(pakket) == inhoud);
        DesktopPriveMap::ruimOp(alsWx(testMap()), "VerelTamso");
        EXPECT_EQ(std::filesystem::exists(pakket), !geval.namenBezet);
        for (const char* naam : namen)
            for (const auto& deel : std::filesystem::directory_iterator(testMap() / naam))
                EXPECT_TRUE(deel.path() == pakket || deel.path().filename() == ".vulling") << deel.path();
        std::filesystem::remove(pakket);
    }
    setenv("HOME", vorigThuis.c_str(), 1);
    if (vorigeKonfig)
        setenv("XDG_CONFIG_HOME", vorigeKonfig, 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST_F(Laden, EenMapDieNietAntwoordtHoudtHetVensterNietVastBijDeKopieVoorDeGebruiker)
{
    // The download folder on a share that hangs: no installer takes the
    // package, and its copy for the user waits for the share while the
    // window handles an event posted after that; once the share lets go,
    // the package lands in home.
    HangendeSchijf schijf((testMap() / "share").string());
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const std::filesystem::path konfig = testMap() / "config";
    std::filesystem::create_directory(konfig);
    std::ofstream(konfig / "user-dirs.dirs")
        << "XDG_DOWNLOAD_DIR=\"" << (testMap() / "share/Downloads").string() << "\"\n";
    const char* vorigeKonfig = std::getenv("XDG_CONFIG_HOME");
    const std::string vorigKonfig = vorigeKonfig ? vorigeKonfig : "";
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", konfig.c_str(), 1), 0);
    // The check's clean-up stays off the share meanwhile.
    std::promise<void> opruimen;
    const auto vorigeRem = TrivaneFTPUpdater::zetOpruimRem([later = opruimen.get_future().share()]
                                                           { later.wait_for(std::chrono::seconds(30)); });
    std::atomic<bool> geweigerd{false};
    const Platform::Installeerder vorigeInstalleerder = Platform::zetInstalleerder(
        [&](const wxString&)
        {
            geweigerd = true;
            return false;
        });
    struct Volgorde
    {
        std::mutex slot;
        std::condition_variable afgehandeld;
        bool losgelaten = false;
        std::optional<bool> terwijlVast;
    };
    const auto volgorde = std::make_shared<Volgorde>();
    // Lets go of the share once the window has handled the event, or has
    // not for so long that it never will.
    std::thread redder(
        [&]
        {
            const auto grens = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (!(geweigerd && schijf.geefVragen() > 0) && std::chrono::steady_clock::now() < grens)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            wxTheApp->CallAfter(
                [volgorde]
                {
                    const std::lock_guard<std::mutex> slot(volgorde->slot);
                    volgorde->terwijlVast = !volgorde->losgelaten;
                    volgorde->afgehandeld.notify_all();
                });
            std::unique_lock<std::mutex> slot(volgorde->slot);
            volgorde->afgehandeld.wait_until(slot, grens, [&] { return volgorde->terwijlVast.has_value(); });
            volgorde->losgelaten = true;
            slot.unlock();
            schijf.laatLos();
        });
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    const std::string inhoud = server.zetInstaller("1.4.1");
    for (int antwoord : {wxYES, wxYES, wxNO})
        vragen.antwoord(antwoord);
    ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
    EXPECT_EQ(updater.ga(5000), 2);
    redder.join();
    Platform::zetInstalleerder(vorigeInstalleerder);
    TrivaneFTPUpdater::zetOpruimRem(vorigeRem);
    opruimen.set_value();
    if (vorigeKonfig)
        setenv("XDG_CONFIG_HOME", vorigKonfig.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    EXPECT_GT(schijf.geefVragen(), 0) << "nothing went to the share";
    EXPECT_TRUE(volgorde->terwijlVast.value_or(false)) << "the window handled nothing while the share held the copy";
    const std::filesystem::path pakket = testMap() / installerNaam.utf8_string();
    EXPECT_TRUE(logVanger().bevat(":\n" + alsWx(pakket), wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_TRUE(InstallatieOpnemer::leesBestand(pakket) == inhoud);
}

TEST(PakketKopie, EenGestopteKopieLaatNietsAchter)
{
    // A package that comes in slowly: the copy waits for it on its own
    // thread, while this one goes on. Where the disk can, it writes a file
    // without a name; else a hidden one, which the clean-up of another run
    // leaves while it is written.
    const std::filesystem::path bron = testMap() / installerNaam.utf8_string();
    const std::filesystem::path map = testMap() / "Downloads";
    std::filesystem::create_directory(map);
    for (const bool naamloos : {true, false})
    {
        SCOPED_TRACE(naamloos ? "without a name" : "hidden");
        const bool vorige = TrivaneFTPUpdateKopie::zetNaamloosToegestaan(naamloos);
        ASSERT_EQ(mkfifo(bron.c_str(), 0600), 0);
        const int schrijver = open(bron.c_str(), O_RDWR | O_CLOEXEC);
        ASSERT_GE(schrijver, 0);
        const std::string begin(4096, 'p');
        ASSERT_EQ(write(schrijver, begin.data(), begin.size()), static_cast<ssize_t>(begin.size()));
        const Waakhond waakhond("the copy of the package", std::chrono::seconds(60));
        TrivaneFTPUpdateKopie kopie(alsWx(bron), {alsWx(map)}, false, nullptr);
        const auto inMap = [&]
        {
            std::vector<std::uintmax_t> groottes;
            for (const auto& deel : std::filesystem::directory_iterator(map))
                groottes.push_back(deel.file_size());
            return groottes;
        };
        const std::vector<std::uintmax_t> halfGeschreven =
            naamloos ? std::vector<std::uintmax_t>{} : std::vector<std::uintmax_t>{begin.size()};
        EXPECT_TRUE(wachtOp([&] { return isLeeggelezen(schrijver) && inMap() == halfGeschreven; }));
        EXPECT_EQ(TrivaneFTPUpdateKopie::ruimOp({map.string()}), 0);
        EXPECT_EQ(inMap(), halfGeschreven);
        kopie.stop();
        close(schrijver);
        EXPECT_TRUE(kopie.wacht().doel.empty());
        EXPECT_TRUE(std::filesystem::is_empty(map));
        std::filesystem::remove(bron);
        TrivaneFTPUpdateKopie::zetNaamloosToegestaan(vorige);
    }
}

TEST(PakketKopie, DeKopieKrijgtDeRechtenVanEenGedownloadBestandEnVervangtInEenStap)
{
    // The package as the download leaves it for the installer: executable,
    // and for its owner only. It replaces the file of its name, with or
    // without a name while it is written, and leaves nothing beside it.
    const std::filesystem::path bron = testMap() / installerNaam.utf8_string();
    std::ofstream(bron) << "a package";
    std::filesystem::permissions(bron, std::filesystem::perms::owner_all);
    const std::filesystem::path map = testMap() / "Downloads";
    std::filesystem::create_directory(map);
    for (const bool naamloos : {true, false})
        for (const auto& [masker, verwacht] : {std::pair<mode_t, mode_t>{022, 0644}, {077, 0600}})
        {
            const bool vorige = TrivaneFTPUpdateKopie::zetNaamloosToegestaan(naamloos);
            std::ofstream(map / installerNaam.utf8_string()) << "an old package";
            const mode_t vorig = umask(masker);
            TrivaneFTPUpdateKopie kopie(alsWx(bron), {alsWx(map)}, true, nullptr);
            const std::filesystem::path doel(kopie.wacht().doel.utf8_string());
            umask(vorig);
            TrivaneFTPUpdateKopie::zetNaamloosToegestaan(vorige);
            EXPECT_EQ(rechten(doel), verwacht) << std::oct << masker << " " << naamloos;
            EXPECT_EQ(InstallatieOpnemer::leesBestand(doel), "a package");
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(map), {}), 1);
        }
}

TEST(PakketKopie, DeOpruimingNeemtAlleenHetBestandDatZeControleerde)
{
    // The user renames a file of their own onto a rest's name at a step of
    // the clean-up; on a disk that renames in two steps (sshfs, NFS) a
    // second file of theirs takes the name while the clean-up puts the first
    // back. Each stays, and so does the copy's package beside a file that
    // takes its name as it is named.
    using Stap = TrivaneFTPUpdateRest::Stap;
    const std::filesystem::path map = testMap() / "Downloads";
    const std::string restNaam = ".VerelTamso_1.4.0_Linux_x86_64.deb.a1B2c3.kopie";
    const struct
    {
        const char* wat;
        Stap stap;
        bool tweeStappen;
    } gevallen[] = {
        {"listed, before it is looked at", Stap::Gelijst, false},
        {"looked at, before it is opened", Stap::Bekeken, false},
        {"locked, before it is moved away", Stap::Vergrendeld, false},
        {"locked, and another as it is put back", Stap::Vergrendeld, true},
    };
    const auto inhoud = [&]
    {
        std::multiset<std::string> bestanden;
        for (const auto& deel : std::filesystem::directory_iterator(map))
            bestanden.insert(InstallatieOpnemer::leesBestand(deel.path()));
        return bestanden;
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.wat);
        std::filesystem::remove_all(map);
        std::filesystem::create_directory(map);
        std::ofstream(map / restNaam) << "part of a package";
        std::ofstream(map / "notes.txt") << "the user's";
        std::ofstream(map / "other.txt") << "the user's other";
        const auto vorige = TrivaneFTPUpdateRest::zetHaak(
            [&](Stap stap, const char* naam)
            {
                if (stap == geval.stap)
                    std::filesystem::rename(map / "notes.txt", map / naam);
            });
        const auto vorigeTweeStappen = TrivaneFTPUpdateHernoeming::zetTweeStappenHaak(
            !geval.tweeStappen ? std::function<void(const char*)>()
                               : [&](const char* naar)
            {
                if (naar == restNaam)
                    std::filesystem::rename(map / "other.txt", map / naar);
            });
        EXPECT_EQ(TrivaneFTPUpdateKopie::ruimOp({map.string()}), 0);
        TrivaneFTPUpdateHernoeming::zetTweeStappenHaak(vorigeTweeStappen);
        TrivaneFTPUpdateRest::zetHaak(vorige);
        EXPECT_EQ(InstallatieOpnemer::leesBestand(map / restNaam),
                  geval.tweeStappen ? "the user's other" : "the user's");
        EXPECT_EQ(inhoud(), (std::multiset<std::string>{"the user's", "the user's other"}));
    }
    const std::filesystem::path bron = testMap() / installerNaam.utf8_string();
    std::ofstream(bron) << "a package";
    std::filesystem::remove_all(map);
    std::filesystem::create_directory(map);
    const bool vorigNaamloos = TrivaneFTPUpdateKopie::zetNaamloosToegestaan(false);
    const auto vorigeTweeStappen = TrivaneFTPUpdateHernoeming::zetTweeStappenHaak(
        [&](const char* naar)
        {
            if (std::filesystem::path(naar).filename() == installerNaam.utf8_string())
                std::ofstream(naar) << "the user's";
        });
    TrivaneFTPUpdateKopie kopie(alsWx(bron), {alsWx(map)}, false, nullptr);
    const std::filesystem::path doel(kopie.wacht().doel.utf8_string());
    TrivaneFTPUpdateHernoeming::zetTweeStappenHaak(vorigeTweeStappen);
    TrivaneFTPUpdateKopie::zetNaamloosToegestaan(vorigNaamloos);
    EXPECT_EQ(doel.filename(), "VerelTamso_1.4.1_Linux_x86_64-2.deb");
    EXPECT_EQ(inhoud(), (std::multiset<std::string>{"a package", "the user's"}));
}

TEST_F(Laden, EenEindeVanDeSessieTijdensDeKopieLaatNietsAchterEnSluitHetProgramma)
{
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    server.zetInstaller("1.4.1", FTPTestServer::Pakket::metGrootte(3000));
    // Where the session's end would end the test program, it does nothing.
    void (*const negeer)(int) = [](int) {};
    const auto vorige = std::signal(SIGTERM, negeer);
    // No installer takes the package; the package to copy then comes in
    // slowly: half now, the rest once the session has ended.
    const std::string half(4096, 'p');
    int schrijver = -1;
    const Platform::Installeerder vorigeInstalleerder = Platform::zetInstalleerder(
        [&](const wxString& pakket)
        {
            const std::string pad = pakket.utf8_string();
            std::filesystem::remove(pad);
            EXPECT_EQ(mkfifo(pad.c_str(), 0600), 0);
            schrijver = open(pad.c_str(), O_RDWR | O_CLOEXEC);
            EXPECT_EQ(write(schrijver, half.data(), half.size()), static_cast<ssize_t>(half.size()));
            return false;
        });
    const std::filesystem::path downloads(
        wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Downloads).utf8_string());
    const auto vanDeKopie = [&]
    {
        std::vector<std::filesystem::path> gevonden;
        for (const auto& deel : std::filesystem::directory_iterator(downloads))
            if (deel.path().filename().string().find("VerelTamso_") != std::string::npos)
                gevonden.push_back(deel.path());
        return gevonden;
    };
    wxTimer sessie;
    sessie.Bind(wxEVT_TIMER,
                [&](wxTimerEvent&)
                {
                    // Half of it copied, and nothing of it to be seen.
                    if (schrijver < 0 || !isLeeggelezen(schrijver) || !vanDeKopie().empty())
                        return;
                    sessie.Stop();
                    raise(SIGTERM);
                    close(schrijver);
                });
    sessie.Start(10);
    for (int antwoord : {wxYES, wxYES, wxNO})
        vragen.antwoord(antwoord);
    const Waakhond waakhond("the copy at the session's end", std::chrono::seconds(60));
    ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
    const int uitkomst = updater.ga(5000);
    sessie.Stop();
    Platform::zetInstalleerder(vorigeInstalleerder);
    const auto daarna = std::signal(SIGTERM, vorige);

    // Nothing of the copy; the program ends as Quit ends it, its project
    // closed once, without a word in between.
    EXPECT_EQ(uitkomst, 1);
    EXPECT_TRUE(vanDeKopie().empty());
    EXPECT_TRUE(priveMappen().empty());
    EXPECT_EQ(updater.voorbereidingen, 1);
    EXPECT_EQ(updater.stops, 1);
    EXPECT_TRUE(venster->isGesloten());
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
    // The signal is the program's own again.
    EXPECT_EQ(daarna, negeer);
}

TEST_F(Laden, EenServerDieDruppeltWordtNaDeTermijnVanDeDownloadOpgegeven)
{
    // About a kilobyte a second, each piece well within the wait for one.
    FTPTestServer server(FTPTestServer::Soort::Traag, "1000");
    server.zetVersieBestand("Version:1.4.1\n");
    server.zetInstaller("1.4.1", FTPTestServer::Pakket::metGrootte(30000));
    const struct
    {
        const char* wat;
        TrivaneFTPUpdater::DownloadTermijn termijn;
    } gevallen[] = {
        // Each case leaves only its own rule to stop the download: without
        // it, the package would arrive whole after half a minute, and the
        // update would go on.
        {"half a second and the package at 100 KB a second",
         {std::chrono::milliseconds(500), 100000, std::chrono::hours(1)}},
        {"an hour and the package at 10 KB a second, but 10 KB a second over any second",
         {std::chrono::hours(1), 10000, std::chrono::seconds(1)}},
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.wat);
        logVanger().wis();
        const TrivaneFTPUpdater::DownloadTermijn vorige = TrivaneFTPUpdater::zetDownloadTermijn(geval.termijn);
        vragen.antwoord(wxYES);
        ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
        const int uitkomst = updater.ga(10000);
        TrivaneFTPUpdater::zetDownloadTermijn(vorige);
        EXPECT_EQ(uitkomst, 1);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
        EXPECT_TRUE(logVanger().bevat("The download of the update was stopped: the server sent it too slowly.\n"
                                      "Please try again later.",
                                      wxLOG_Error))
            << logVanger().geefAlles();
        EXPECT_TRUE(installaties.paden.empty());
        EXPECT_TRUE(priveMappen().empty());
    }
}

TEST_F(Laden, DeTermijnVanDeDownloadLooptNietDoorInDeControleVanHetPakket)
{
    // The transfer takes moments and has a second; dpkg-deb hangs until its
    // own time limit ends it.
    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.1\n");
    server.zetInstaller("1.4.1");
    const std::filesystem::path hangt = testMap() / "dpkg-deb";
    std::ofstream(hangt) << "#!/bin/sh\nexec sleep 60\n";
    std::filesystem::permissions(hangt, std::filesystem::perms::owner_all);
    const std::string vorigProgramma = DebPakket::zetProgramma(hangt.string());
    const auto vorigeLeesTijd = TrivaneFTPUpdateDraad::zetPakketLeesTijd(std::chrono::milliseconds(2500));
    const TrivaneFTPUpdater::DownloadTermijn vorigeTermijn =
        TrivaneFTPUpdater::zetDownloadTermijn({std::chrono::seconds(1), 1000000, std::chrono::seconds(30)});
    vragen.antwoord(wxYES);
    ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
    const int uitkomst = updater.ga(10000);
    TrivaneFTPUpdater::zetDownloadTermijn(vorigeTermijn);
    TrivaneFTPUpdateDraad::zetPakketLeesTijd(vorigeLeesTijd);
    DebPakket::zetProgramma(vorigProgramma);
    // One message, the true one.
    EXPECT_EQ(uitkomst, 2);
    ASSERT_EQ(logVanger().geefRegels().size(), 1u) << logVanger().geefAlles();
    EXPECT_TRUE(logVanger().bevat(geweigerd + "The package's control data could not be read.", wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_TRUE(installaties.paden.empty());
    EXPECT_TRUE(priveMappen().empty());
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
        ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
        EXPECT_EQ(updater.ga(5000), 2);
        EXPECT_TRUE(logVanger().bevat("FTP: could not find the requested file "
                                      "\"/pub/VerelTamso/Versie_1.4.1/VerelTamso_1.4.1_Linux_x86_64.deb\".",
                                      wxLOG_Error))
            << logVanger().geefAlles();
        EXPECT_TRUE(priveMappen().empty());
    }
}

TEST(Download, AlleenDeAangekondigdeGrootteWordtGebruikt)
{
    const wxString nietOpgehaald = "The application installer could not be retrieved from the server.";
    struct Geval
    {
        const char* wat;
        FTPTestServer::Soort soort;
        std::string waarde;
        int uitkomst;
        wxString fout; // empty: none, and the package is kept
    };
    for (const Geval& geval : {
             Geval{"announces more than it sends", FTPTestServer::Soort::Liegt, "+1", 5, verkeerdeGrootte},
             Geval{"sends more than it announces", FTPTestServer::Soort::Liegt, "-1", 5, verkeerdeGrootte},
             Geval{"sends without end", FTPTestServer::Soort::Eindeloos, "", 5, verkeerdeGrootte},
             Geval{"drops the transfer half-way and calls it complete", FTPTestServer::Soort::Breekt, "", 5,
                   verkeerdeGrootte},
             Geval{"drops the control connection half-way", FTPTestServer::Soort::Verbreekt, "", 5, verkeerdeGrootte},
             Geval{"stalls half-way", FTPTestServer::Soort::Stokt, "", 2, nietOpgehaald},
             // Refused before anything is fetched.
             Geval{"announces more than 256 MiB", FTPTestServer::Soort::Liegt, "268435457", 2,
                   "The update package is larger than 256 MiB: it was not downloaded."},
             // The listing gives the size then.
             Geval{"answers the size question with no number", FTPTestServer::Soort::Liegt, "many", 1, ""},
         })
    {
        SCOPED_TRACE(geval.wat);
        App app;
        auto* venster = new ProjectVenster(*app);
        VraagBeantwoorder vragen;
        InstallatieOpnemer installaties;
        FTPTestServer server(geval.soort, geval.waarde);
        server.zetVersieBestand("Version:1.4.1\n");
        const std::string inhoud = server.zetInstaller("1.4.1", FTPTestServer::Pakket::metGrootte(40000));
        logVanger().wis();
        // Download it; when it arrives whole: do not run it, do not keep it elsewhere.
        vragen.antwoord(wxYES);
        if (geval.fout.empty())
        {
            vragen.antwoord(wxNO);
            vragen.antwoord(wxNO);
        }
        ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
        // A second for each wait on the server.
        EXPECT_EQ(updater.ga(2000), geval.uitkomst);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), geval.fout.empty() ? 0u : 1u) << logVanger().geefAlles();
        if (!geval.fout.empty())
        {
            EXPECT_TRUE(logVanger().bevat(geval.fout, wxLOG_Error)) << logVanger().geefAlles();
        }
        EXPECT_EQ(vragen.geefGesteld().size(), geval.fout.empty() ? 3u : 1u);
        EXPECT_TRUE(installaties.paden.empty());
        const std::vector<std::filesystem::path> mappen = priveMappen();
        ASSERT_EQ(mappen.size(), geval.fout.empty() ? 1u : 0u);
        if (!mappen.empty())
        {
            EXPECT_TRUE(InstallatieOpnemer::leesBestand(mappen.front() / installerNaam.utf8_string()) == inhoud);
            std::filesystem::remove_all(mappen.front());
        }
        venster->Destroy();
        verwerkGebeurtenissen(30);
    }
}

TEST_F(Laden, AnnulerenTijdensEenStokkendeDownloadBreektHemAfEnRuimtOp)
{
    // Half the package comes at once, the rest never; half a minute for each
    // wait on the server: only a Cancel that works ends it without an error.
    FTPTestServer server(FTPTestServer::Soort::Stokt);
    server.zetVersieBestand("Version:1.4.1\n");
    const std::size_t grootte = server.zetInstaller("1.4.1", FTPTestServer::Pakket::metGrootte(200000)).size();
    vragen.antwoord(wxYES);
    ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
    const long maximum = static_cast<long>(grootte / 1000);
    long getoond = -1;
    updater.bijVoortgang = [&](wxProgressDialog& dialoog)
    {
        EXPECT_EQ(dialoog.GetTitle(), "Download of VerelTamso version 1.4.1 ");
        wxRegEx voortgang("^Progress of the download: ([0-9]+) of ([0-9]+) KBytes$");
        if (!voortgang.Matches(dialoog.GetMessage()))
            return;
        EXPECT_EQ(dialoog.GetRange(), maximum);
        EXPECT_EQ(voortgang.GetMatch(dialoog.GetMessage(), 2), wxString::Format("%ld", maximum));
        ASSERT_TRUE(voortgang.GetMatch(dialoog.GetMessage(), 1).ToLong(&getoond));
        EXPECT_EQ(dialoog.GetValue(), getoond);
        // Half of it is there: press Cancel.
        if (getoond > 0)
            drukAnnuleer(dialoog);
    };
    EXPECT_EQ(updater.ga(60000), 1);
    EXPECT_GT(getoond, 0);
    EXPECT_LT(getoond, maximum);
    EXPECT_EQ(updater.voorbereidingen, 0);
    EXPECT_TRUE(installaties.paden.empty());
    EXPECT_TRUE(priveMappen().empty());
    EXPECT_EQ(vragen.geefGesteld().size(), 1u);
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
}

TEST_F(Laden, PakketMappenVanEerdereKeerWordenBijDeVolgendeControleOpgeruimd)
{
    const auto maakMap = [](const char* naam, std::filesystem::perms rechten)
    {
        const std::filesystem::path map = testMap() / naam;
        std::filesystem::create_directory(map);
        std::ofstream(map / installerNaam.utf8_string()) << "an old package";
        std::filesystem::permissions(map, rechten);
        return map;
    };
    const std::filesystem::path oud = maakMap("VerelTamso-a1b2c3", std::filesystem::perms::owner_all);
    // Open to others: not one of ours.
    const std::filesystem::path vreemd =
        maakMap("VerelTamso-d4e5f6", std::filesystem::perms::owner_all | std::filesystem::perms::others_read |
                                         std::filesystem::perms::others_exec);
    // Held by a check that runs now.
    DesktopPriveMap bezig(alsWx(testMap()), "VerelTamso");

    // In the user's folders, as the desktop names them, what a copy for the
    // user left when the program was ended during it; beside it the user's
    // own files (one also under a copy's name, others of a like shape), a
    // sync tool's file that it writes now, and the copy that another run of
    // the program writes now.
    const std::filesystem::path thuis = testMap();
    std::filesystem::create_directories(thuis / ".config");
    std::ofstream(thuis / ".config/user-dirs.dirs")
        << "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\nXDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n";
    for (const char* map : {"Downloads", "Documents"})
        std::filesystem::create_directories(thuis / map);
    const std::filesystem::path downloads(
        wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Downloads).utf8_string());
    const std::filesystem::path documenten(wxStandardPaths::Get().GetDocumentsDir().utf8_string());
    ASSERT_EQ(downloads, thuis / "Downloads");
    ASSERT_EQ(documenten, thuis / "Documents");
    const std::filesystem::path gelinkt = downloads / ".VerelTamso_1.4.0_Linux_x86_64.deb.n0T3s1.kopie";
    const std::filesystem::path schrijvend = downloads / ".VerelTamso_1.4.1_Linux_x86_64.deb.bEzIg1.kopie";
    const struct
    {
        std::filesystem::path pad;
        bool blijft;
    } bestanden[] = {
        {downloads / ".VerelTamso_1.4.0_Linux_x86_64.deb.a1B2c3.kopie", false},
        {documenten / ".VerelTamso_1.4.0.7_Linux_x86_64.deb.Zz9xy0.kopie", false},
        {thuis / ".VerelTamso_12.0_Linux_x86_64.deb.Qq1Ww2.kopie", false},
        {downloads / "VerelTamso_1.4.0_Linux_x86_64.deb.a1B2c3.kopie", true},
        {downloads / ".VerelTamso_1.4.0_Linux_x86_64.deb.a1B2c.kopie", true},
        {downloads / ".VerelTamso_1.4.0_Linux_x86_64.deb.a1-2c3.kopie", true},
        {downloads / ".VerelTamso_1.4.0_Linux_x86_64.deb.kopie", true},
        {downloads / ".VerelTamso_1.4.0_Linux_x86_64.deb.a1B2c3", true},
        {downloads / ".VerelTamso_1.4._Linux_x86_64.deb.a1B2c3.kopie", true},
        {downloads / ".VerelTamso_1.4.0_Linux_x86_64.dob.a1B2c3.kopie", true},
        {thuis / ".bashrc.backup.kopie", true},
        {documenten / ".scriptie.docx.versie.kopie", true},
        {downloads / ".notes.txt.AbC123.kopie", true},
        {gelinkt, true},
        {schrijvend, true},
    };
    for (const auto& bestand : bestanden)
        std::ofstream(bestand.pad) << "part of a package";
    // The user's file, linked under a copy's name.
    std::filesystem::remove(gelinkt);
    std::ofstream(downloads / "notes.txt") << "the user's";
    std::filesystem::create_hard_link(downloads / "notes.txt", gelinkt);
    const int slot = open(schrijvend.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(slot, LOCK_EX), 0);

    FTPTestServer server;
    server.zetVersieBestand("Version:1.4.0\n");
    vragen.antwoord(wxNO);
    ProefUpdater updater(*app, server.geefAdres(), server.geefPubliekeSleutel());
    EXPECT_EQ(updater.ga(5000), 1);
    EXPECT_FALSE(std::filesystem::exists(oud));
    EXPECT_TRUE(std::filesystem::exists(vreemd));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(bezig.geefPad().utf8_string())));
    // The user's folders are cleared beside the check, home last.
    EXPECT_TRUE(wachtOp([&] { return !std::filesystem::exists(bestanden[2].pad); }, 20000));
    for (const auto& bestand : bestanden)
        EXPECT_EQ(std::filesystem::exists(bestand.pad), bestand.blijft) << bestand.pad;
    close(slot);
}

TEST(PakketInstallatie, HetOordeelVanDeOpenerTelt)
{
    // The desktop's opener as a script of the test on an otherwise empty
    // PATH; with the real installer's place, as the program hands it over.
    const std::filesystem::path bin = testMap() / "bin";
    std::filesystem::create_directory(bin);
    const std::filesystem::path pakket = testMap() / "VerelTamso_1.4.1_Linux_x86_64.deb";
    std::ofstream(pakket) << "a package";
    const std::filesystem::path gekregen = testMap() / "gekregen";
    const char* pad = std::getenv("PATH");
    const std::string oudPad = pad ? pad : "";
    ASSERT_EQ(setenv("PATH", bin.c_str(), 1), 0);
    struct Geval
    {
        const char* wat;
        const char* opener; // nullptr: none on the PATH
        bool overgedragen;
    };
    for (const Geval& geval : {
             Geval{"a handler took it", "echo \"$1\" > gekregen; exit 0", true},
             Geval{"no handler for its type", "exit 3", false},
             Geval{"the handler failed", "exit 4", false},
             Geval{"no opener at all", nullptr, false},
         })
    {
        SCOPED_TRACE(geval.wat);
        std::filesystem::remove(bin / "xdg-open");
        if (geval.opener)
        {
            std::ofstream(bin / "xdg-open") << "#!/bin/sh\ncd \"" << testMap().string() << "\"\n"
                                            << geval.opener << "\n";
            std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
        }
        EXPECT_EQ(Platform::installeerPakket(alsWx(pakket)), geval.overgedragen);
    }
    ASSERT_EQ(setenv("PATH", oudPad.c_str(), 1), 0);
    EXPECT_EQ(InstallatieOpnemer::leesBestand(gekregen), pakket.string() + "\n");
}
