// The start-up checks of an application and its restart.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "tests/ondersteuning/HerstartOpnemer.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

extern char** environ;

namespace fs = std::filesystem;

namespace
{
// Without windows the display is never a concern.
class StartApp : public DesktopAppBasis
{
public:
    explicit StartApp(const wxString& naam = "VerelTamso") : DesktopAppBasis(naam, "vtd") {}
    void zetTaal(wxLanguage nieuweTaal) override { zetLokaliteit(nieuweTaal, true); }
    bool isGUIApplikatie() const override { return false; }
};

// Another running instance: a live process holding the application's lock
// file as wxWidgets writes it (its process id, readable by its user only).
class AndereInstantie
{
public:
    explicit AndereInstantie(const wxString& naam) : m_slot("/tmp/" + (naam + "-" + wxGetUserId()).utf8_string())
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
        StartApp alleen(naam);
        EXPECT_EQ(alleen.onInitRoutines(wxSize(100000, 100000), true), 0);
    }
    AndereInstantie andere(naam);
    StartApp app(naam);
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), false), 0);
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 2);
    EXPECT_TRUE(logVanger().bevat("A running instance of this application was detected.\nThe starting of "
                                  "\"VerelTamso\" is cancelled.",
                                  wxLOG_Error));

    // The instance that restarts itself may meet the old one, once.
    app.geefAppConfigRef().Write("/Operationeel/EigenHerstart", true);
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Message), 1u);
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
        StartApp app;
        app.zetLaatsteAppDataDir(wxString("/data/projecten"));
        app.zetTaal(wxLANGUAGE_DUTCH);
        app.startApplikatieOpnieuw(true);
        EXPECT_TRUE(herstarts.geefProgrammas().empty());
        EXPECT_TRUE(openKonfigBestand()->ReadBool("/Operationeel/EigenHerstart", false));
    }
    ASSERT_EQ(herstarts.geefProgrammas().size(), 1u);
    EXPECT_EQ(herstarts.geefProgrammas()[0], wxStandardPaths::Get().GetExecutablePath());
    const wxFileConfig& bijStart = herstarts.geefKonfigBijStart();
    EXPECT_EQ(bijStart.Read("/Operationeel/LaatsteDataPad", ""), "/data/projecten");
    EXPECT_EQ(bijStart.ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_DUTCH);
    EXPECT_TRUE(bijStart.ReadBool("/Operationeel/EersteKeer/TaalGekozen", false));
    EXPECT_TRUE(bijStart.HasEntry("/Statistiek/StopTijd"));

    {
        StartApp nieuw;
        EXPECT_EQ(nieuw.geefTaal(), wxLANGUAGE_DUTCH);
        EXPECT_EQ(nieuw.onInitRoutines(wxSize(800, 600), true), 0);
    }
    EXPECT_FALSE(openKonfigBestand()->ReadBool("/Operationeel/EigenHerstart", true));
    EXPECT_EQ(herstarts.geefProgrammas().size(), 1u);

    // A relaunch that cannot be started is reported, in the user's language.
    const Platform::Starter vorige = Platform::zetStarter([](const wxString&) { return false; });
    StartApp(wxString("VerelTamso")).startApplikatieOpnieuw(false);
    Platform::zetStarter(vorige);
    EXPECT_TRUE(logVanger().bevat("De toepassing kon niet opnieuw worden gestart:", wxLOG_Error));
}
