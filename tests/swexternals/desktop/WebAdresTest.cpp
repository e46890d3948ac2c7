// Opening web and mail addresses: what goes to the desktop and what is
// refused, whatever a project file holds.
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/WebOpnemer.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <wx/utils.h>

namespace fs = std::filesystem;

TEST(WebAdres, AlleenWebEnMailGaanDoorDeRestWordtGeweigerdMetEenReden)
{
    struct Geval
    {
        const char* adres;
        const char* geopend; // null: refused
    };
    const Geval gevallen[] = {
        {"https://www.trivane.nl/VerelTamso?taal=nl#top", "https://www.trivane.nl/VerelTamso?taal=nl#top"},
        {"http://localhost:8080/", "http://localhost:8080/"},
        {"HTTPS://Example.org", "HTTPS://Example.org"},
        {"  mailto:support@trivane.nl?subject=VerelTamso \n", "mailto:support@trivane.nl?subject=VerelTamso"},
        {"file:///etc/passwd", nullptr},
        {"ssh://root@host", nullptr},
        {"smb://server/share", nullptr},
        {"javascript:alert(1)", nullptr},
        {"vereltamso-made-up:thing", nullptr},
        {"www.trivane.nl", nullptr},
        {"/home/user/plan.vtd", nullptr},
        {"-v", nullptr},
        {"", nullptr},
        {"https:", nullptr},
        {"https:///etc/passwd", nullptr},
        {"http:www.trivane.nl", nullptr},
        {"mailto:", nullptr},
        {"https://host/\nfile:///etc/passwd", nullptr},
        {"ht tp://host", nullptr},
        {"httpsx://host", nullptr},
    };
    WebOpnemer opnemer;
    std::vector<wxString> verwacht;
    for (const Geval& geval : gevallen)
    {
        logVanger().wis();
        const bool geopend = Platform::openWebAdres(geval.adres);
        EXPECT_EQ(geopend, geval.geopend != nullptr) << geval.adres;
        EXPECT_EQ(Platform::isToegestaanWebAdres(geval.adres), geval.geopend != nullptr) << geval.adres;
        if (geval.geopend)
            verwacht.push_back(geval.geopend);
        else
            EXPECT_TRUE(logVanger().bevat("only web addresses (http, https) and mail addresses (mailto) are opened",
                                          wxLOG_Error))
                << geval.adres;
    }
    EXPECT_EQ(opnemer.geefAdressen(), verwacht);

    // A browser that cannot be started is said too.
    logVanger().wis();
    opnemer.laatMislukken();
    EXPECT_FALSE(Platform::openWebAdres("https://www.trivane.nl"));
    EXPECT_TRUE(
        logVanger().bevat("No program could be started to open the address \"https://www.trivane.nl\".", wxLOG_Error));
}

TEST(WebAdres, DeWeigeringStaatInDeTaalVanDeGebruiker)
{
    BasisApp app;
    ASSERT_EQ(app.initLokaliteit(wxLANGUAGE_DUTCH), 0);
    WebOpnemer opnemer;
    EXPECT_FALSE(Platform::openWebAdres("file:///etc/passwd"));
    EXPECT_TRUE(logVanger().bevat("Het adres \"file:///etc/passwd\" is niet geopend", wxLOG_Error))
        << logVanger().geefAlles();
}

TEST(WebAdres, DeBrowserKrijgtHetAdresAlsEenArgumentZonderShell)
{
    // A stand-in xdg-open on the PATH writes down the arguments it was given.
    const fs::path bin = maakXdgOpen();
    wxString vorig;
    wxGetEnv("PATH", &vorig);
    wxSetEnv("PATH", alsWx(bin) + ":" + vorig);

    const wxString adres = "https://example.org/a b?q=$(touch gotcha)&r='x'";
    EXPECT_TRUE(Platform::openWebAdres(adres));
    wxSetEnv("PATH", vorig);
    EXPECT_EQ(xdgOpenArgumenten(), "[" + adres.utf8_string() + "]\n");
    EXPECT_FALSE(fs::exists("gotcha"));
    EXPECT_FALSE(fs::exists(testMap() / "gotcha"));
}
