// The start-up checks of an application and its restart.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>
#include <wx/fileconf.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

extern char** environ;

namespace fs = std::filesystem;

namespace
{
// An application without windows: the display is never its concern.
class StartApp : public DesktopAppBasis
{
public:
    explicit StartApp(const wxString& naam = "VerelTamso") : DesktopAppBasis(naam, "vtd") {}
    void zetTaal(wxLanguage nieuweTaal) override { zetLokaliteit(nieuweTaal, true); }
    bool isGUIApplikatie() const override { return false; }
};

std::unique_ptr<wxFileConfig> leesKonfig(const wxString& naam = "VerelTamso")
{
    const fs::path bestand = testMap() / ("." + naam).utf8_string();
    return std::make_unique<wxFileConfig>(wxString(), wxString(), wxString::FromUTF8(bestand.string()), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

// Another running instance of the application: a live process of its own
// holding the application's lock file, as wxWidgets writes it.
class AndereInstantie
{
public:
    explicit AndereInstantie(const wxString& naam)
        : m_slot(fs::path("/tmp") / (naam + "-" + wxGetUserId()).utf8_string())
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
        if (m_proces > 0)
        {
            kill(m_proces, SIGTERM);
            waitpid(m_proces, nullptr, 0);
        }
        fs::remove(m_slot);
    }
    bool loopt() const { return m_proces > 0; }

private:
    fs::path m_slot;
    pid_t m_proces = 0;
};

// Records the relaunch instead of starting a program, with the settings
// file as the new instance would find it at that moment.
class Herstarts
{
public:
    Herstarts()
    {
        m_vorige = Platform::zetStarter(
            [this](const wxString& programma)
            {
                m_programmas.push_back(programma);
                m_konfigBijStart = leesKonfig();
                return true;
            });
    }
    ~Herstarts() { Platform::zetStarter(m_vorige); }
    const std::vector<wxString>& programmas() const { return m_programmas; }
    wxFileConfig& konfigBijStart() const { return *m_konfigBijStart; }

private:
    Platform::Starter m_vorige;
    std::vector<wxString> m_programmas;
    std::unique_ptr<wxFileConfig> m_konfigBijStart;
};
} // namespace

TEST(StartControles, EenTweedeInstantieWordtAlleenOpVerzoekGeweigerd)
{
    const wxString naam = wxString::Format("VerelTamsoTwee%lu", wxGetProcessId());
    AndereInstantie andere(naam);
    ASSERT_TRUE(andere.loopt());
    StartApp app(naam);
    logVanger().wis();

    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), false), 0);
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();

    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 2);
    EXPECT_TRUE(logVanger().bevat("A running instance of this application was detected.\nThe starting of "
                                  "\"VerelTamso\" is cancelled.",
                                  wxLOG_Error))
        << logVanger().geefAlles();
}

TEST(StartControles, NaEenEigenHerstartTeltDeOudeInstantieEenKeerNiet)
{
    const wxString naam = wxString::Format("VerelTamsoHerstart%lu", wxGetProcessId());
    AndereInstantie oude(naam);
    ASSERT_TRUE(oude.loopt());
    leesKonfig(naam)->Write("/Operationeel/EigenHerstart", true);
    StartApp app(naam);
    logVanger().wis();

    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Message), 1u) << logVanger().geefAlles();
    EXPECT_TRUE(logVanger().bevat("Application \"VerelTamso\" was restarted successfully.", wxLOG_Message));
    EXPECT_FALSE(app.geefAppConfigRef().ReadBool("/Operationeel/EigenHerstart", true));

    // The flag is spent: the next check refuses again.
    EXPECT_EQ(app.onInitRoutines(wxSize(800, 600), true), 2);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Message), 1u);
}

TEST(StartControles, EenProgrammaZonderVenstersKentGeenSchermEis)
{
    StartApp app;
    EXPECT_EQ(app.onInitRoutines(wxSize(100000, 100000), true), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    EXPECT_EQ(app.geefExePad().GetFullPath(), wxStandardPaths::Get().GetExecutablePath());
}

// The old instance still writes its settings when it ends: the new one may
// only start when all of them are in the file.
TEST(Herstart, DeNieuweInstantieStartPasAlsDeOudeAllesHeeftGeschreven)
{
    Herstarts herstarts;
    {
        StartApp app;
        app.zetLaatsteAppDataDir(wxString("/data/projecten"));
        app.zetTaal(wxLANGUAGE_DUTCH);
        app.startApplikatieOpnieuw(true);
        EXPECT_TRUE(herstarts.programmas().empty());
        // The flag is in the file at once.
        EXPECT_TRUE(leesKonfig()->ReadBool("/Operationeel/EigenHerstart", false));
    }
    ASSERT_EQ(herstarts.programmas().size(), 1u);
    EXPECT_EQ(herstarts.programmas()[0], wxStandardPaths::Get().GetExecutablePath());
    wxFileConfig& bijStart = herstarts.konfigBijStart();
    EXPECT_TRUE(bijStart.ReadBool("/Operationeel/EigenHerstart", false));
    EXPECT_EQ(bijStart.Read("/Operationeel/LaatsteDataPad", ""), "/data/projecten");
    EXPECT_EQ(bijStart.ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_DUTCH);
    EXPECT_TRUE(bijStart.ReadBool("/Operationeel/EersteKeer/TaalGekozen", false));
    EXPECT_TRUE(bijStart.HasEntry("/Statistiek/StopTijd"));

    // The new instance sees its own restart and clears the flag.
    {
        StartApp nieuw;
        EXPECT_EQ(nieuw.geefTaal(), wxLANGUAGE_DUTCH);
        EXPECT_EQ(nieuw.onInitRoutines(wxSize(800, 600), true), 0);
    }
    EXPECT_FALSE(leesKonfig()->ReadBool("/Operationeel/EigenHerstart", true));
    EXPECT_EQ(herstarts.programmas().size(), 1u);
}

TEST(Herstart, EenMisluktePogingWordtGemeld)
{
    const Platform::Starter vorige = Platform::zetStarter([](const wxString&) { return false; });
    {
        StartApp app;
        app.startApplikatieOpnieuw(false);
    }
    Platform::zetStarter(vorige);
    EXPECT_TRUE(logVanger().bevat("The application could not be started again:", wxLOG_Error))
        << logVanger().geefAlles();
}
