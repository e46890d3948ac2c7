#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <vector>
#include <wx/filename.h>
#include <wx/utils.h>

namespace fs = std::filesystem;

namespace
{
// Records what would be opened, for as long as the test runs.
class GeopendePaden
{
public:
    GeopendePaden()
    {
        m_vorige = Platform::zetOpener(
            [this](const wxString& pad)
            {
                m_paden.push_back(pad);
                return true;
            });
    }
    ~GeopendePaden() { Platform::zetOpener(m_vorige); }
    const std::vector<wxString>& paden() const { return m_paden; }

private:
    Platform::Opener m_vorige;
    std::vector<wxString> m_paden;
};

wxString alsWx(const fs::path& pad)
{
    return wxString::FromUTF8(pad.string());
}
} // namespace

TEST(Finder, EenMapMetBlankenGaatHeelNaarHetBestandsbeheer)
{
    const fs::path map = testMap() / "My Projects" / "-2024 & co";
    fs::create_directories(map);
    GeopendePaden geopend;

    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName::DirName(alsWx(map))), 0);
    // A file name opens the whole path, as "open" did.
    std::ofstream(map / "plan b.vtd") << "x";
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName(alsWx(map / "plan b.vtd"))), 0);
    // A file is shown by opening its folder.
    EXPECT_EQ(DesktopFunkties::toonBestandInFinder(wxFileName(alsWx(map / "plan b.vtd"))), 0);

    ASSERT_EQ(geopend.paden().size(), 3u);
    EXPECT_EQ(wxFileName::DirName(geopend.paden()[0]), wxFileName::DirName(alsWx(map)));
    EXPECT_EQ(geopend.paden()[1], alsWx(map / "plan b.vtd"));
    EXPECT_EQ(geopend.paden()[2], alsWx(map));
}

TEST(Finder, WatNietBestaatWordtNietGeopend)
{
    GeopendePaden geopend;
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName::DirName(alsWx(testMap() / "nowhere"))), 2);
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName(alsWx(testMap() / "nowhere" / "file.vtd"))), 2);
    EXPECT_EQ(DesktopFunkties::toonBestandInFinder(wxFileName(alsWx(testMap() / "missing.vtd"))), 2);
    EXPECT_TRUE(geopend.paden().empty());
}

TEST(Finder, EenRelatiefPadWordtAbsoluutZodatHetGeenOptieWordt)
{
    fs::create_directories(testMap() / "-v");
    const wxString vorigeMap = wxGetCwd();
    ASSERT_TRUE(wxSetWorkingDirectory(alsWx(testMap())));
    GeopendePaden geopend;
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName::DirName("-v")), 0);
    wxSetWorkingDirectory(vorigeMap);
    ASSERT_EQ(geopend.paden().size(), 1u);
    EXPECT_TRUE(geopend.paden()[0].StartsWith("/")) << geopend.paden()[0];
}

TEST(Finder, HetStandaardProgrammaKrijgtHetPadAlsEenArgument)
{
    // A stand-in xdg-open on the PATH writes down the arguments it was given.
    const fs::path bin = testMap() / "bin";
    fs::create_directories(bin);
    const fs::path verslag = testMap() / "arguments.txt";
    {
        std::ofstream script(bin / "xdg-open");
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" << verslag.string()
               << ".tmp'\nmv '" << verslag.string() << ".tmp' '" << verslag.string() << "'\n";
    }
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    wxString vorigPad;
    wxGetEnv("PATH", &vorigPad);
    wxSetEnv("PATH", alsWx(bin) + ":" + vorigPad);

    const fs::path map = testMap() / "a  b" / "$(touch gotcha) 'q'";
    fs::create_directories(map);
    const int uitkomst = DesktopFunkties::openPadInFinder(wxFileName::DirName(alsWx(map)));
    wxSetEnv("PATH", vorigPad);
    ASSERT_EQ(uitkomst, 0);

    for (int poging = 0; poging < 500 && !fs::exists(verslag); ++poging)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream bestand(verslag);
    std::stringstream inhoud;
    inhoud << bestand.rdbuf();
    EXPECT_EQ(inhoud.str(), "[" + map.string() + "/]\n");
    EXPECT_FALSE(fs::exists("gotcha"));
    EXPECT_FALSE(fs::exists(testMap() / "gotcha"));
}

TEST(Finder, ZonderStandaardProgrammaMisluktHetOpenen)
{
    wxString vorigPad;
    wxGetEnv("PATH", &vorigPad);
    wxSetEnv("PATH", alsWx(testMap()));
    const int uitkomst = DesktopFunkties::openPadInFinder(wxFileName::DirName(alsWx(testMap())));
    wxSetEnv("PATH", vorigPad);
    EXPECT_EQ(uitkomst, 2);
}
