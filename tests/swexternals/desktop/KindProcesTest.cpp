// The programs the program starts: they get the user's language settings,
// not the program's own, and nothing of its single-instance lock; dpkg-deb is
// the system's, and one that hangs goes with all it started.
#include "swexternals/desktop/platform/KindProces.h"

#include "swexternals/desktop/platform/DebPakket.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/utils.h>

namespace fs = std::filesystem;

namespace
{
// Restores an environment variable as it was.
class Variabele
{
public:
    Variabele(const char* naam, const char* waarde) : m_naam(naam)
    {
        const char* vorige = std::getenv(naam);
        m_had = vorige != nullptr;
        m_vorige = vorige ? vorige : "";
        if (waarde)
            setenv(naam, waarde, 1);
    }
    ~Variabele()
    {
        if (m_had)
            setenv(m_naam, m_vorige.c_str(), 1);
        else
            unsetenv(m_naam);
    }

private:
    const char* m_naam;
    bool m_had;
    std::string m_vorige;
};

// A program that writes down its LANGUAGE, its LC_ALL and what its open
// descriptors lead to, then ends; named `naam` in the folder "bin".
fs::path maakVerslaggever(const char* naam)
{
    const fs::path bin = testMap() / "bin";
    fs::create_directories(bin);
    const std::string verslag = (testMap() / "verslag").string();
    std::ofstream(bin / naam) << "#!/bin/sh\n{ echo \"LANGUAGE=${LANGUAGE-none}\"; echo \"LC_ALL=${LC_ALL-none}\"\n"
                                 "for f in /proc/$$/fd/*; do readlink \"$f\"; done; } > '"
                              << verslag << ".tmp'\nmv '" << verslag << ".tmp' '" << verslag << "'\n";
    fs::permissions(bin / naam, fs::perms::owner_all);
    return bin / naam;
}

std::string wachtOpVerslag()
{
    const fs::path verslag = testMap() / "verslag";
    for (int poging = 0; poging < 500 && !fs::exists(verslag); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string inhoud = leesTekst(verslag);
    fs::remove(verslag);
    return inhoud;
}

// The value a variable had when the process began.
std::optional<std::string> beginWaarde(const std::string& naam)
{
    std::ifstream omgeving("/proc/self/environ", std::ios::binary);
    std::string regel;
    while (std::getline(omgeving, regel, '\0'))
        if (regel.rfind(naam + "=", 0) == 0)
            return regel.substr(naam.size() + 1);
    return std::nullopt;
}
} // namespace

TEST(KindProces, GestarteProgrammasKrijgenDeTaalVanDeGebruikerEnNietHetSlot)
{
    EXPECT_EQ(KindProces::geefGebruikersOmgeving().language, beginWaarde("LANGUAGE"));
    EXPECT_EQ(KindProces::geefGebruikersOmgeving().lcAll, beginWaarde("LC_ALL"));

    // The application holds its single-instance lock and has put its own
    // language in place; the user had French and no LC_ALL.
    BasisApp app;
    const std::string slot = "VerelTamso-" + wxGetUserId().utf8_string();
    ASSERT_TRUE(fs::exists(testMap() / slot));
    const KindProces::Omgeving vorige = KindProces::zetGebruikersOmgeving({std::string("fr_FR:fr"), std::nullopt});
    const Variabele language("LANGUAGE", "nl_NL:nl");
    const Variabele lcAll("LC_ALL", "nl_NL.UTF-8");
    const fs::path programma = maakVerslaggever("VerelTamso");
    maakVerslaggever("xdg-open");
    const Variabele pad("PATH", (programma.parent_path().string() + ":" + std::getenv("PATH")).c_str());
    std::ofstream(testMap() / "pakket.deb") << "a package";

    const std::pair<const char*, std::function<bool()>> starters[] = {
        {"the program after a language change", [&] { return Platform::startOpnieuw(alsWx(programma)); }},
        {"the file manager", [] { return Platform::openInBestandsbeheer(alsWx(testMap())); }},
        {"the browser", [] { return Platform::openWebAdres("https://example.org/"); }},
        {"the package installer", [] { return Platform::installeerPakket(alsWx(testMap() / "pakket.deb")); }},
    };
    for (const auto& [wat, start] : starters)
    {
        SCOPED_TRACE(wat);
        ASSERT_TRUE(start());
        const std::string verslag = wachtOpVerslag();
        EXPECT_EQ(verslag.rfind("LANGUAGE=fr_FR:fr\nLC_ALL=none\n", 0), 0u) << verslag;
        EXPECT_EQ(verslag.find(slot), std::string::npos) << verslag;
    }
    KindProces::zetGebruikersOmgeving(vorige);
}

TEST(DebPakket, AlleenDeEigenDpkgDebTeltEnEenDieHangtGaatMetAllesWeg)
{
    const fs::path bin = testMap() / "bin";
    fs::create_directories(bin);
    const fs::path geen = testMap() / "geen.deb";
    std::ofstream(geen) << "not a package";
    {
        // One first on the PATH that vouches for anything.
        std::ofstream(bin / "dpkg-deb") << "#!/bin/sh\nprintf 'Package: vereltamso\\nVersion: 9.9.9\\n'\n";
        fs::permissions(bin / "dpkg-deb", fs::perms::owner_all);
        const Variabele pad("PATH", (bin.string() + ":" + std::getenv("PATH")).c_str());
        EXPECT_FALSE(DebPakket::leesGegevens(alsWx(geen), std::chrono::seconds(30), {}).has_value());
    }

    // One that hangs, with a program of its own below it; stopped once that
    // one runs.
    const fs::path kind = testMap() / "kind.pid";
    std::ofstream(bin / "hangt") << "#!/bin/sh\nsleep 300 &\necho $! > '" << kind.string() << ".tmp'\nmv '"
                                 << kind.string() << ".tmp' '" << kind.string() << "'\nwait\n";
    fs::permissions(bin / "hangt", fs::perms::owner_all);
    const std::string vorige = DebPakket::zetProgramma((bin / "hangt").string());
    EXPECT_FALSE(DebPakket::leesGegevens(alsWx(geen), std::chrono::seconds(30), [&] { return fs::exists(kind); }));
    DebPakket::zetProgramma(vorige);
    const pid_t nummer = std::stoi(leesTekst(kind));
    const fs::path proces = "/proc/" + std::to_string(nummer);
    // Gone, or dead and waiting for its new parent to notice.
    const auto leeft = [&]
    { return fs::exists(proces) && leesTekst(proces / "stat").find(") Z ") == std::string::npos; };
    for (int poging = 0; poging < 500 && leeft(); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(leeft());
    if (leeft())
        kill(nummer, SIGKILL);
}

TEST(KindProces, ElkKindBegintMetDeGewoneSignalenEnWordtGeoogst)
{
    // This program ignores SIGPIPE; this thread blocks SIGUSR1 as well.
    const auto vorigePijp = std::signal(SIGPIPE, SIG_IGN);
    sigset_t usr1;
    sigemptyset(&usr1);
    sigaddset(&usr1, SIGUSR1);
    sigset_t vorigMasker;
    pthread_sigmask(SIG_BLOCK, &usr1, &vorigMasker);
    int uitvoer[2];
    ASSERT_EQ(pipe2(uitvoer, O_CLOEXEC), 0);
    KindProces::Opties opties;
    opties.uitvoer = uitvoer[1];
    const pid_t kind = KindProces::start({"/bin/cat", "/proc/self/status"}, opties);
    close(uitvoer[1]);
    pthread_sigmask(SIG_SETMASK, &vorigMasker, nullptr);
    std::signal(SIGPIPE, vorigePijp);
    ASSERT_GT(kind, 0);
    std::string status;
    char buffer[4096];
    for (ssize_t gelezen; (gelezen = read(uitvoer[0], buffer, sizeof buffer)) > 0;)
        status.append(buffer, static_cast<std::size_t>(gelezen));
    close(uitvoer[0]);
    waitpid(kind, nullptr, 0);
    for (const char* veld : {"SigIgn:\t0000000000000000\n", "SigBlk:\t0000000000000000\n"})
        EXPECT_NE(status.find(veld), std::string::npos) << veld << status;

    // The desktop's opener, still busy after the wait for its verdict, is
    // reaped once it ends: no zombie stays behind.
    BasisApp app;
    const fs::path bin = testMap() / "bin";
    fs::create_directories(bin);
    const fs::path nummer = testMap() / "opener.pid";
    std::ofstream(bin / "xdg-open") << "#!/bin/sh\necho $$ > '" << nummer.string() << ".tmp'\nmv '" << nummer.string()
                                    << ".tmp' '" << nummer.string() << "'\nwhile [ ! -e '" << testMap().string()
                                    << "/klaar' ]; do sleep 0.02; done\n";
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const Variabele pad("PATH", (bin.string() + ":" + std::getenv("PATH")).c_str());
    std::ofstream(testMap() / "pakket.deb") << "a package";
    const auto vorigeWachttijd = Platform::zetOordeelWachttijd(std::chrono::milliseconds(100));
    const bool overgedragen = Platform::installeerPakket(alsWx(testMap() / "pakket.deb"));
    Platform::zetOordeelWachttijd(vorigeWachttijd);
    EXPECT_TRUE(overgedragen);
    for (int poging = 0; poging < 500 && !fs::exists(nummer); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(fs::exists(nummer));
    const fs::path proces = "/proc/" + leesTekst(nummer).substr(0, leesTekst(nummer).find('\n'));
    std::ofstream(testMap() / "klaar").flush();
    for (int poging = 0; poging < 500 && fs::exists(proces); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(fs::exists(proces)) << leesTekst(proces / "stat");
}
