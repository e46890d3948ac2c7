// Showing folders and files in the desktop's file manager.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
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

// Runs a finder call with only `map` on the PATH before the usual one.
int metPad(const wxString& map, bool alleen, const wxFileName& pad)
{
    wxString vorig;
    wxGetEnv("PATH", &vorig);
    wxSetEnv("PATH", alleen ? map : map + ":" + vorig);
    const int uitkomst = DesktopFunkties::openPadInFinder(pad);
    wxSetEnv("PATH", vorig);
    return uitkomst;
}
} // namespace

TEST(Finder, EenBestaandeMapOfHetBestandDaarinGaatHeelNaarHetBestandsbeheer)
{
    const fs::path map = testMap() / "My Projects" / "-2024 & co";
    fs::create_directories(map);
    std::ofstream(map / "plan b.vtd") << "x";
    fs::create_directories(testMap() / "-v");
    GeopendePaden geopend;

    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName::DirName(alsWx(map))), 0);
    // A file name opens the whole path, as "open" did; a file is shown by its folder.
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName(alsWx(map / "plan b.vtd"))), 0);
    EXPECT_EQ(DesktopFunkties::toonBestandInFinder(wxFileName(alsWx(map / "plan b.vtd"))), 0);
    // A relative name becomes absolute, so that it is never read as an option.
    const wxString vorigeMap = wxGetCwd();
    ASSERT_TRUE(wxSetWorkingDirectory(alsWx(testMap())));
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName::DirName("-v")), 0);
    wxSetWorkingDirectory(vorigeMap);

    // What does not exist is not opened.
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName::DirName(alsWx(testMap() / "nowhere"))), 2);
    EXPECT_EQ(DesktopFunkties::openPadInFinder(wxFileName(alsWx(testMap() / "nowhere" / "file.vtd"))), 2);
    EXPECT_EQ(DesktopFunkties::toonBestandInFinder(wxFileName(alsWx(testMap() / "missing.vtd"))), 2);

    ASSERT_EQ(geopend.paden().size(), 4u);
    EXPECT_EQ(wxFileName::DirName(geopend.paden()[0]), wxFileName::DirName(alsWx(map)));
    EXPECT_EQ(geopend.paden()[1], alsWx(map / "plan b.vtd"));
    EXPECT_EQ(geopend.paden()[2], alsWx(map));
    EXPECT_TRUE(geopend.paden()[3].StartsWith("/") && geopend.paden()[3].Contains("-v")) << geopend.paden()[3];
}

TEST(Finder, HetStandaardProgrammaKrijgtHetPadAlsEenArgumentZonderShell)
{
    // A stand-in xdg-open on the PATH writes down the arguments it was given.
    const fs::path bin = maakXdgOpen();

    const fs::path map = testMap() / "a  b" / "$(touch gotcha) 'q'";
    fs::create_directories(map);
    ASSERT_EQ(metPad(alsWx(bin), false, wxFileName::DirName(alsWx(map))), 0);
    EXPECT_EQ(xdgOpenArgumenten(), "[" + map.string() + "/]\n");
    EXPECT_FALSE(fs::exists("gotcha"));
    EXPECT_FALSE(fs::exists(testMap() / "gotcha"));

    // Without a default program there is nothing to open with.
    EXPECT_EQ(metPad(alsWx(testMap()), true, wxFileName::DirName(alsWx(testMap()))), 2);
}
