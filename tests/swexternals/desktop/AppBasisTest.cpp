#include "base/TrivaneBasisPerif.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <wx/fileconf.h>
#include <wx/utils.h>

namespace fs = std::filesystem;

namespace
{
// An application without windows, as the library's users derive it.
class ProefApp : public DesktopAppBasis
{
public:
    explicit ProefApp(const wxString& naam = "VerelTamso") : DesktopAppBasis(naam, "vtd") {}
    void zetTaal(wxLanguage nieuweTaal) override { zetLokaliteit(nieuweTaal, true); }
    bool isGUIApplikatie() const override { return false; }
    wxPlatformInfo& platform() { return platformInfo; }
};

fs::path konfigBestand(const char* naam = ".VerelTamso")
{
    return testMap() / naam;
}

// The configuration file as another program would read it.
std::unique_ptr<wxFileConfig> leesKonfig(const fs::path& bestand = konfigBestand())
{
    return std::make_unique<wxFileConfig>(wxString(), wxString(), wxString::FromUTF8(bestand.string()), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

wxString vandaag()
{
    return wxDateTime::Today().FormatISODate();
}

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
        ProefApp app;
        documenten = app.geefStdPaden().GetDocumentsDir();
        EXPECT_EQ(app.geefApplikatieNaam(), "VerelTamso");
        EXPECT_EQ(app.geefTaal(), static_cast<wxLanguage>(wxLocale::GetSystemLanguage()));
        EXPECT_EQ(app.geefLaatsteAppDataDir("").GetFullPath(), wxFileName::DirName(documenten).GetFullPath());
        EXPECT_EQ(&app.geefAppConfigRef(), app.geefAppConfig());
        EXPECT_EQ(app.OnExit(), 0);
    }
    ASSERT_TRUE(fs::exists(konfigBestand()));
    const auto konfig = leesKonfig();
    EXPECT_EQ(konfig->Read("/Statistiek/KonfigAangemaakt", ""), vandaag());
    EXPECT_EQ(konfig->Read("/Statistiek/StartDatum", ""), vandaag());
    EXPECT_EQ(konfig->Read("/Statistiek/StopDatum", ""), vandaag());
    EXPECT_TRUE(isIsoTijd(konfig->Read("/Statistiek/StartTijd", ""))) << konfig->Read("/Statistiek/StartTijd", "");
    EXPECT_TRUE(isIsoTijd(konfig->Read("/Statistiek/StopTijd", ""))) << konfig->Read("/Statistiek/StopTijd", "");
    EXPECT_LE(konfig->Read("/Statistiek/StartTijd", ""), konfig->Read("/Statistiek/StopTijd", ""));
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
    fs::create_directories(projecten);
    {
        ProefApp app;
        app.zetLaatsteAppDataDir(wxFileName(wxString::FromUTF8((projecten / "plan.vtd").string())));
        app.zetTaal(wxLANGUAGE_DUTCH);
        // A chosen language is written at once, before the program ends.
        const auto tussendoor = leesKonfig();
        EXPECT_TRUE(tussendoor->ReadBool("/Operationeel/EersteKeer/TaalGekozen", false));
        EXPECT_EQ(tussendoor->ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_DUTCH);
    }
    {
        auto konfig = leesKonfig();
        konfig->Write("/Statistiek/KonfigAangemaakt", "2020-06-01");
    }

    ProefApp app;
    EXPECT_EQ(app.geefTaal(), wxLANGUAGE_DUTCH);
    EXPECT_EQ(app.geefLaatsteAppDataDir("next.vtd").GetFullPath(),
              wxString::FromUTF8((projecten / "next.vtd").string()));
    EXPECT_EQ(app.geefAppConfigRef().Read("/Statistiek/KonfigAangemaakt", ""), "2020-06-01");
}

TEST(AppBasis, DeLaatsteMapVanEenBestandOfEenMap)
{
    ProefApp app;
    app.zetLaatsteAppDataDir(wxFileName("/data/projects/plan.vtd"));
    EXPECT_EQ(app.geefLaatsteAppDataDir("").GetPath(), "/data/projects");
    app.zetLaatsteAppDataDir(wxFileName("/data/projects/", ""));
    EXPECT_EQ(app.geefLaatsteAppDataDir("x.vtd").GetFullPath(), "/data/projects/x.vtd");
    app.zetLaatsteAppDataDir(wxFileName::DirName("/data/archive"));
    EXPECT_EQ(app.geefLaatsteAppDataDir("x.vtd").GetFullPath(), "/data/archive/x.vtd");
    app.zetLaatsteAppDataDir(wxString("/data/as text"));
    EXPECT_EQ(app.geefLaatsteAppDataDir("y z.vtd").GetFullPath(), "/data/as text/y z.vtd");
}

TEST(AppBasis, DocumentTypenGevenDeWildcardVanDeBestandsdialogen)
{
    ProefApp app;
    EXPECT_EQ(app.geefExtensie(), "vtd");
    EXPECT_EQ(app.geefExtensie(0), "vtd");
    EXPECT_EQ(app.maakWildCard(), "VerelTamso (*.vtd) |*.vtd");
    EXPECT_EQ(app.maakWildCard(), app.maakWildCard(0));

    app.voegToeExtensie("txt", "Text");
    EXPECT_EQ(app.maakWildCard(), "VerelTamso (*.vtd) |*.vtd|Text (*.txt) |*.txt");
    EXPECT_EQ(app.geefExtensies().GetCount(), 2u);
    EXPECT_EQ(app.zoekExtensie("Text"), "txt");
    EXPECT_EQ(app.zoekExtensie("text"), "");
    EXPECT_EQ(app.zoekExtensie("VerelTamso"), "vtd");
    // Asking beyond the registered types gives nothing instead of reading past them.
    EXPECT_EQ(app.geefExtensie(2), "");
    EXPECT_EQ(app.maakWildCard(7), "");

    wxString wildCard;
    DesktopAppBasis::voegToeWildCard(wildCard, "csv", "Comma separated");
    EXPECT_EQ(wildCard, "Comma separated (*.csv) |*.csv");
    DesktopAppBasis::voegToeWildCard(wildCard, "vtd", "VerelTamso");
    EXPECT_EQ(wildCard, "Comma separated (*.csv) |*.csv|VerelTamso (*.vtd) |*.vtd");
}

TEST(AppBasis, HetProcesMerkVanDitProcesIsHerkenbaar)
{
    ProefApp app;
    const unsigned int merk = app.maakOpsProcIDKombi();
    EXPECT_EQ(app.geefOpsIDUitKombi(merk), static_cast<unsigned int>(app.geefOSID()));
    EXPECT_EQ(DesktopAppBasis::geefProcIDUitKombi(merk), DesktopAppBasis::geefProcesID() & 0xFFFFF);
    EXPECT_EQ(merk, app.maakOpsProcIDKombi());
    EXPECT_EQ(DesktopAppBasis::maakOpsProcIDKombi(wxOS_MAC_OSX_DARWIN, 4711), 2101863u);

    // Linux process ids can be up to 22 bits: the mark keeps the low 20 and
    // still decodes to the operating system it was made on.
    struct Geval
    {
        unsigned long procesID;
        unsigned int merk;
    };
    for (const Geval& geval : {Geval{4711, 0x4001267u}, Geval{1048575, 0x40FFFFFu}, Geval{1048576, 0x4000000u},
                               Geval{4194303, 0x40FFFFFu}, Geval{0x2ABCDE, 0x40ABCDEu}})
    {
        const unsigned int kombi = DesktopAppBasis::maakOpsProcIDKombi(wxOS_UNIX_LINUX, geval.procesID);
        EXPECT_EQ(kombi, geval.merk) << geval.procesID;
        EXPECT_EQ(app.geefOpsIDUitKombi(kombi), static_cast<unsigned int>(wxOS_UNIX_LINUX)) << geval.procesID;
        EXPECT_EQ(DesktopAppBasis::geefProcIDUitKombi(kombi), geval.procesID & 0xFFFFF) << geval.procesID;
    }
}

TEST(AppBasis, PlatformEnVersie)
{
    ProefApp app;
    EXPECT_EQ(app.geefOSID(), wxOS_UNIX_LINUX);
    EXPECT_FALSE(app.geefOSNaam().empty());
    EXPECT_EQ(DesktopAppBasis::geefGebruikerLogin(), wxGetUserId());
    EXPECT_FALSE(DesktopAppBasis::geefComputerNaam().empty());
    EXPECT_EQ(DesktopAppBasis::geefProcesID(), wxGetProcessId());

    EXPECT_EQ(DesktopAppBasis::geefVersie(false), "1.4.0");
    EXPECT_EQ(DesktopAppBasis::geefVersie(true), "12.01.2025_1.4.0.a");

    const wxString zonder = app.geefPlatformBeschrijving(false);
    EXPECT_TRUE(zonder.StartsWith("Linux Unix (")) << zonder;
    EXPECT_TRUE(zonder.EndsWith(" bit)")) << zonder;
    EXPECT_TRUE(zonder.Contains(" - ")) << zonder;

    // The toolkit part names the wxWidgets this program runs with.
    const wxString met = app.geefPlatformBeschrijving(true);
    const wxString versie = wxString::Format("%d.%d.%d", wxMAJOR_VERSION, wxMINOR_VERSION, wxRELEASE_NUMBER);
    EXPECT_TRUE(met.StartsWith("wxWidgets (wxBase) " + versie + " ")) << met;
    EXPECT_TRUE(met.EndsWith(zonder)) << met;
}

TEST(AppBasis, DeGedeeldeModellenBestaanZolangDeApplicatieBestaat)
{
    {
        ProefApp app;
        ASSERT_NE(TrivaneBasisPerif::geefOS(), nullptr);
        ASSERT_NE(TrivaneBasisPerif::geefProcessor(), nullptr);
        EXPECT_TRUE(TrivaneBasisPerif::geefOS()->looptOS());
        EXPECT_EQ(TrivaneBasisPerif::geefProcessor()->geefKlokFreqHz(), 1000000000u);
    }
    EXPECT_EQ(TrivaneBasisPerif::geefOS(), nullptr);
    EXPECT_EQ(TrivaneBasisPerif::geefProcessor(), nullptr);
}

TEST(AppBasis, EenSlotPerApplicatieEnGebruiker)
{
    const wxString naam = wxString::Format("VerelTamsoSlot%lu", wxGetProcessId());
    const fs::path slot = fs::path("/tmp") / (naam + "-" + wxGetUserId()).utf8_string();
    {
        ProefApp app(naam);
        EXPECT_TRUE(fs::exists(slot)) << slot;
        EXPECT_EQ(app.geefExtensie(), "vtd");
        EXPECT_EQ(app.zoekExtensie(naam), "vtd");
    }
    EXPECT_FALSE(fs::exists(slot)) << slot;
}
