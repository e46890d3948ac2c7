#include "base/TrivaneBasisPerif.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <wx/utils.h>

namespace fs = std::filesystem;

namespace
{
bool isIsoTijd(const wxString& tekst)
{
    wxDateTime tijd;
    wxString::const_iterator einde;
    return tekst.length() == 8 && tijd.ParseFormat(tekst, "%H:%M:%S", &einde) && einde == tekst.end();
}
} // namespace

TEST(AppBasis, EenEersteStartEnEindeSchrijvenDeStatistiekInHetBestand)
{
    wxString documenten;
    {
        BasisApp app;
        documenten = app.geefStdPaden().GetDocumentsDir();
        EXPECT_EQ(app.geefTaal(), static_cast<wxLanguage>(wxLocale::GetSystemLanguage()));
        EXPECT_EQ(app.geefLaatsteAppDataDir("").GetFullPath(), wxFileName::DirName(documenten).GetFullPath());
        EXPECT_EQ(app.OnExit(), 0);
    }
    const auto konfig = openKonfigBestand();
    for (const char* datum : {"KonfigAangemaakt", "StartDatum", "StopDatum"})
        EXPECT_EQ(konfig->Read(wxString("/Statistiek/") + datum, ""), wxDateTime::Today().FormatISODate()) << datum;
    const wxString start = konfig->Read("/Statistiek/StartTijd", "");
    const wxString stop = konfig->Read("/Statistiek/StopTijd", "");
    EXPECT_TRUE(isIsoTijd(start) && isIsoTijd(stop) && start <= stop) << start << " " << stop;
    EXPECT_EQ(konfig->ReadLong("/Statistiek/OS", 0), wxOS_UNIX_LINUX);
    EXPECT_EQ(konfig->ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLocale::GetSystemLanguage());
    EXPECT_EQ(konfig->Read("/Operationeel/LaatsteDataPad", ""), documenten);
    // No language was chosen by the user yet.
    EXPECT_FALSE(konfig->HasEntry("/Operationeel/EersteKeer/TaalGekozen"));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST(AppBasis, EenVolgendeStartGaatVerderWaarDeVorigeOphield)
{
    const fs::path projecten = testMap() / "My Projects";
    {
        BasisApp app;
        app.zetLaatsteAppDataDir(wxFileName(alsWx(projecten / "plan.vtd")));
        app.zetTaal(wxLANGUAGE_DUTCH);
        // A chosen language is written at once, before the program ends.
        const auto tussendoor = openKonfigBestand();
        EXPECT_TRUE(tussendoor->ReadBool("/Operationeel/EersteKeer/TaalGekozen", false));
        EXPECT_EQ(tussendoor->ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_DUTCH);
    }
    openKonfigBestand()->Write("/Statistiek/KonfigAangemaakt", "2020-06-01");

    BasisApp app;
    EXPECT_EQ(app.geefTaal(), wxLANGUAGE_DUTCH);
    // The folder of the file last used, not the file.
    EXPECT_EQ(app.geefLaatsteAppDataDir("next.vtd").GetFullPath(), alsWx(projecten / "next.vtd"));
    EXPECT_EQ(app.geefAppConfigRef().Read("/Statistiek/KonfigAangemaakt", ""), "2020-06-01");
    // A folder, as a name or as text, is kept whole.
    app.zetLaatsteAppDataDir(wxFileName::DirName("/data/archive"));
    EXPECT_EQ(app.geefLaatsteAppDataDir("x.vtd").GetFullPath(), "/data/archive/x.vtd");
    app.zetLaatsteAppDataDir(wxString("/data/as text"));
    EXPECT_EQ(app.geefLaatsteAppDataDir("y z.vtd").GetFullPath(), "/data/as text/y z.vtd");
}

TEST(AppBasis, DocumentTypenGevenDeWildcardVanDeBestandsdialogen)
{
    BasisApp app;
    EXPECT_EQ(app.maakWildCard(), "VerelTamso (*.vtd) |*.vtd");
    EXPECT_EQ(app.maakWildCard(), app.maakWildCard(0));
    app.voegToeExtensie("txt", "Text");
    EXPECT_EQ(app.maakWildCard(), "VerelTamso (*.vtd) |*.vtd|Text (*.txt) |*.txt");
    EXPECT_EQ(app.geefExtensie(1), "txt");
    EXPECT_EQ(app.zoekExtensie("Text"), "txt");
    EXPECT_EQ(app.zoekExtensie("text"), "");
    EXPECT_EQ(app.zoekExtensie("VerelTamso"), "vtd");
    // Asking beyond the registered types gives nothing instead of reading past them.
    EXPECT_EQ(app.geefExtensie(2), "");
    EXPECT_EQ(app.maakWildCard(7), "");

    wxString wildCard;
    DesktopAppBasis::voegToeWildCard(wildCard, "csv", "Comma separated");
    DesktopAppBasis::voegToeWildCard(wildCard, "vtd", "VerelTamso");
    EXPECT_EQ(wildCard, "Comma separated (*.csv) |*.csv|VerelTamso (*.vtd) |*.vtd");
}

// The mark a project carries while this process has it open.
TEST(AppBasis, HetProcesMerkVanDitProcesIsHerkenbaar)
{
    BasisApp app;
    const unsigned int merk = app.maakOpsProcIDKombi();
    EXPECT_EQ(app.geefOpsIDUitKombi(merk), static_cast<unsigned int>(app.geefOSID()));
    EXPECT_EQ(DesktopAppBasis::geefProcIDUitKombi(merk), DesktopAppBasis::geefProcesID() & 0xFFFFF);

    // Linux process ids can be up to 22 bits: the mark keeps the low 20 and
    // still decodes to the operating system it was made on.
    struct Geval
    {
        wxOperatingSystemId os;
        unsigned long procesID;
        unsigned int merk;
    };
    for (const Geval& geval :
         {Geval{wxOS_MAC_OSX_DARWIN, 4711, 0x201267u}, Geval{wxOS_UNIX_LINUX, 4711, 0x4001267u},
          Geval{wxOS_UNIX_LINUX, 1048575, 0x40FFFFFu}, Geval{wxOS_UNIX_LINUX, 1048576, 0x4000000u},
          Geval{wxOS_UNIX_LINUX, 4194303, 0x40FFFFFu}, Geval{wxOS_UNIX_LINUX, 0x2ABCDE, 0x40ABCDEu}})
    {
        const unsigned int kombi = DesktopAppBasis::maakOpsProcIDKombi(geval.os, geval.procesID);
        EXPECT_EQ(kombi, geval.merk) << geval.procesID;
        EXPECT_EQ(app.geefOpsIDUitKombi(kombi), static_cast<unsigned int>(geval.os)) << geval.procesID;
        EXPECT_EQ(DesktopAppBasis::geefProcIDUitKombi(kombi), geval.procesID & 0xFFFFF) << geval.procesID;
    }
}

TEST(AppBasis, DePlatformBeschrijvingNoemtDeWxWidgetsWaarmeeHetProgrammaDraait)
{
    BasisApp app;
    EXPECT_EQ(DesktopAppBasis::geefVersie(false), "1.4.0");
    const wxString zonder = app.geefPlatformBeschrijving(false);
    EXPECT_TRUE(zonder.StartsWith("Linux Unix (") && zonder.Contains(" - ") && zonder.EndsWith(" bit)")) << zonder;
    const wxString met = app.geefPlatformBeschrijving(true);
    const wxString versie = wxString::Format("%d.%d.%d", wxMAJOR_VERSION, wxMINOR_VERSION, wxRELEASE_NUMBER);
    EXPECT_TRUE(met.StartsWith("wxWidgets (wxBase) " + versie + " ")) << met;
    EXPECT_TRUE(met.EndsWith(zonder)) << met;
}

// While the application lives it holds its lock (one per application and
// user) and the shared platform models; when it goes, it lets both go.
TEST(AppBasis, SlotEnGedeeldeModellenBestaanZolangDeApplicatieBestaat)
{
    const wxString naam = wxString::Format("VerelTamsoSlot%lu", wxGetProcessId());
    // In the temporary folder: the test's own, like TMPDIR.
    const fs::path slot = testMap() / (naam + "-" + wxGetUserId()).utf8_string();
    {
        BasisApp app(naam);
        EXPECT_TRUE(fs::exists(slot)) << slot;
        ASSERT_NE(TrivaneBasisPerif::geefOS(), nullptr);
        ASSERT_NE(TrivaneBasisPerif::geefProcessor(), nullptr);
        EXPECT_TRUE(TrivaneBasisPerif::geefOS()->looptOS());
        EXPECT_EQ(TrivaneBasisPerif::geefProcessor()->geefKlokFreqHz(), 1000000000u);
    }
    EXPECT_FALSE(fs::exists(slot)) << slot;
    EXPECT_EQ(TrivaneBasisPerif::geefOS(), nullptr);
    EXPECT_EQ(TrivaneBasisPerif::geefProcessor(), nullptr);
}
