// A folder of our own in the shared temporary folder: only this user may
// enter it, nothing planted in it is followed or overwritten, and it goes
// with its object. (Kept and taken over, it is tested with the downloads.)
#include "swexternals/desktop/DesktopPriveMap.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/file.h>

namespace
{
std::filesystem::path alsPad(const wxString& pad)
{
    return std::filesystem::path(pad.utf8_string());
}
} // namespace

TEST(PriveMap, AlleenDezeGebruikerKomtErInEnNietsWordtGevolgd)
{
    const std::filesystem::path buiten = testMap() / "buiten";
    std::ofstream(buiten) << "not ours";
    std::filesystem::path map;
    {
        DesktopPriveMap priveMap(alsWx(testMap()), "VerelTamso");
        ASSERT_TRUE(priveMap.isGeldig());
        map = alsPad(priveMap.geefPad());
        EXPECT_EQ(map.parent_path(), testMap());
        EXPECT_EQ(map.filename().string().rfind("VerelTamso-", 0), 0u);
        struct stat status
        {
        };
        ASSERT_EQ(stat(map.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0700u);
        EXPECT_NE(alsPad(DesktopPriveMap(alsWx(testMap()), "VerelTamso").geefPad()), map);

        wxFile bestand;
        ASSERT_TRUE(priveMap.maakBestand("pakket.deb", bestand));
        bestand.Write("1234", 4);
        bestand.Close();
        // Neither an existing file nor a link is taken for a new one.
        std::filesystem::create_symlink(buiten, map / "link.deb");
        wxLogNull stil;
        EXPECT_FALSE(priveMap.maakBestand("pakket.deb", bestand));
        EXPECT_FALSE(priveMap.maakBestand("link.deb", bestand));
    }
    EXPECT_FALSE(std::filesystem::exists(map));
    EXPECT_EQ(leesTekst(buiten), "not ours");
    EXPECT_FALSE(DesktopPriveMap(alsWx(testMap() / "absent"), "VerelTamso").isGeldig());
}
