// The start-up checks of an application and its restart.
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/HerstartOpnemer.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <wx/utils.h>

extern char** environ;

namespace fs = std::filesystem;

namespace
{
// Another running instance: a live process holding the application's lock
// file as wxWidgets writes it (its process id, readable by its user only).
class AndereInstantie
{
public:
    explicit AndereInstantie(const wxString& naam) : m_slot(testMap() / (naam + "-" + wxGetUserId()).utf8_string())
    {
        char programma[] = "sleep";
        char duur[] = "60";
        char* argumenten[] = {programma, duur, nullptr};
        if (posix_spawnp(&m_proces, "sleep", nullptr, nullptr, argumenten, environ) != 0)
            m_proces = 0;
        std::ofstream(m_slot) << m_proces << "\n";
        chmod(m_slot.c_str(), S_IRUSR | S_IWUSR);
    }
    ~AndereInstantie()
    {
        if (m_proces > 0 && kill(m_proces, SIGTERM) == 0)
            waitpid(m_proces, nullptr, 0);
        fs::remove(m_slot);
    }

private:
    fs::path m_slot;
    pid_t m_proces = 0;
};
} // namespace

TEST(StartControles, EenTweedeInstantieWordtAlleenOpVerzoekEnNietBijEenHerstartGeweigerd)
{
    // A name of its own: other test programs may run "VerelTamso" meanwhile.
    const wxString naam = wxString::Format("VerelTamsoTwee%lu", wxGetProcessId());
    {
        // Alone, and without windows no display is too small.
        BasisApp alleen(naam);
        EXPECT_EQ(alleen.onInitRoutines(wxSize(100000, 100000), true), 0);
    }
    AndereInstantie andere(naam);
    BasisApp app(naam);
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), false), 0);
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 2);
    EXPECT_TRUE(logVanger().bevat("A running instance of this application was detected.\nThe starting of "
                                  "\"VerelTamso\" is cancelled.",
                                  wxLOG_Error));

    // The instance that restarts itself may meet the old one, once.
    app.geefAppConfigRef().Write("/Operationeel/EigenHerstart", true);
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 0);
    EXPECT_TRUE(logVanger().bevat("Application \"VerelTamso\" was restarted successfully.", wxLOG_Message));
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 2);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Message), 1u);
}

// The old instance still writes its settings when it ends: the new one only
// starts when all of them are in the file.
TEST(Herstart, DeNieuweInstantieStartPasAlsDeOudeAllesHeeftGeschreven)
{
    HerstartOpnemer herstarts;
    {
        BasisApp app;
        app.zetLaatsteAppDataDir(wxString("/data/projecten"));
        app.zetTaal(wxLANGUAGE_DUTCH);
        app.startApplikatieOpnieuw(true);
        EXPECT_TRUE(herstarts.geefProgrammas().empty());
    }
    ASSERT_EQ(herstarts.geefProgrammas().size(), 1u);
    EXPECT_EQ(herstarts.geefProgrammas()[0], wxStandardPaths::Get().GetExecutablePath());
    const wxFileConfig& bijStart = herstarts.geefKonfigBijStart();
    EXPECT_EQ(bijStart.Read("/Operationeel/LaatsteDataPad", ""), "/data/projecten");
    EXPECT_TRUE(bijStart.HasEntry("/Statistiek/StopTijd"));
    EXPECT_TRUE(bijStart.ReadBool("/Operationeel/EigenHerstart", false));

    // The new instance clears the mark: its own end relaunches nothing.
    EXPECT_EQ(BasisApp().onInitRoutines(wxSize(800, 600), true), 0);
    EXPECT_FALSE(openKonfigBestand()->ReadBool("/Operationeel/EigenHerstart", true));
    EXPECT_EQ(herstarts.geefProgrammas().size(), 1u);

    // A relaunch that cannot be started is reported, in the user's language.
    const Platform::Starter vorige = Platform::zetStarter([](const wxString&) { return false; });
    BasisApp().startApplikatieOpnieuw(false);
    Platform::zetStarter(vorige);
    EXPECT_TRUE(logVanger().bevat("De toepassing kon niet opnieuw worden gestart:", wxLOG_Error));
}

// The relaunch itself: the program as it stands, a process of its own, no shell.
TEST(Herstart, HetProgrammaStartAlsEigenProcesZonderShell)
{
    // A folder with a blank and a quote: a shell would have split or broken it.
    const fs::path map = testMap() / "mijn \"programma's\"";
    fs::create_directories(map);
    const fs::path programma = map / "VerelTamso";
    std::ofstream(programma) << "#!/bin/sh\necho gestart > \"$(dirname \"$0\")/teken\"\n";
    fs::permissions(programma, fs::perms::owner_all);

    ASSERT_TRUE(Platform::startOpnieuw(alsWx(programma)));
    for (int poging = 0; poging < 200 && !fs::exists(map / "teken"); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(fs::exists(map / "teken"));
    EXPECT_FALSE(Platform::startOpnieuw(alsWx(map / "bestaat-niet")));
    EXPECT_FALSE(Platform::startOpnieuw(wxString()));
}
