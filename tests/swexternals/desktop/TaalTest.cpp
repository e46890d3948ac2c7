// The interface language at start-up: the preferred language, else the
// system's, else English, each with the three catalogues of the build tree
// (this test program lies in <build>/bin, as an installed program would).
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/TaalKeuzeDialoog.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <wx/fileconf.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

namespace fs = std::filesystem;

namespace
{
class TaalApp : public DesktopAppBasis
{
public:
    explicit TaalApp(const wxString& naam = "VerelTamso") : DesktopAppBasis(naam, "vtd") {}
    void zetTaal(wxLanguage nieuweTaal) override { zetLokaliteit(nieuweTaal, true); }
    bool isGUIApplikatie() const override { return false; }
};

std::unique_ptr<wxFileConfig> konfig(const wxString& naam = "VerelTamso")
{
    const fs::path bestand = testMap() / ("." + naam).utf8_string();
    return std::make_unique<wxFileConfig>(wxString(), wxString(), wxString::FromUTF8(bestand.string()), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

// What a user chose at an earlier start.
void zetVoorkeur(wxLanguage taal, const wxString& naam = "VerelTamso")
{
    konfig(naam)->Write("/Gebruikersinstellingen/Encoding", static_cast<long>(taal));
}

long opgeslagenTaal(const wxString& naam = "VerelTamso")
{
    return konfig(naam)->ReadLong("/Gebruikersinstellingen/Encoding", -1);
}

bool isGeladen(const wxString& katalogus)
{
    return wxTranslations::Get() && wxTranslations::Get()->IsLoaded(katalogus);
}

fs::path bouwKatalogussen()
{
    const fs::path exe = wxStandardPaths::Get().GetExecutablePath().utf8_string();
    return exe.parent_path() / ".." / "share" / "Trivane" / "VerelTamso" / "locale";
}
} // namespace

TEST(Taal, WieEngelsKiestKrijgtDeBronteksten)
{
    zetVoorkeur(wxLANGUAGE_ENGLISH);
    TaalApp app;
    EXPECT_EQ(app.geefTaal(), wxLANGUAGE_ENGLISH);
    // Nothing was loaded, so the loading status is still unknown.
    EXPECT_EQ(app.geefLokaliteitStatus(), 2);
    EXPECT_FALSE(isGeladen("Trivanedesktop"));
    EXPECT_EQ(wxGetTranslation("Cancel"), "Cancel");
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
}

TEST(Taal, ElkeTaalVanDeKeuzelijstStartMetZijnKatalogussen)
{
    for (const int taal : TaalKeuzeDialoog::geefAlleTalen())
    {
        const wxLanguage gekozen = static_cast<wxLanguage>(taal);
        const wxString naam = wxLocale::GetLanguageName(taal);
        zetVoorkeur(gekozen);
        {
            TaalApp app;
            EXPECT_TRUE(app.isTaalBeschikbaar(gekozen)) << naam;
            EXPECT_EQ(app.geefTaal(), gekozen) << naam;
            if (gekozen != wxLANGUAGE_ENGLISH)
            {
                EXPECT_EQ(app.geefLokaliteitStatus(), 0) << naam;
                EXPECT_TRUE(isGeladen("Trivanedesktop")) << naam;
                EXPECT_TRUE(isGeladen("VerelTamso")) << naam;
                EXPECT_TRUE(isGeladen("wxstd-3.2") || isGeladen("wxstd")) << naam;
                // Every catalogue translates the language dialog's question.
                EXPECT_NE(wxGetTranslation("Please select the application interface language"),
                          "Please select the application interface language")
                    << naam;
            }
        }
        EXPECT_EQ(opgeslagenTaal(), taal) << naam;
    }
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST(Taal, EenNederlandseGebruikerLeestNederlands)
{
    zetVoorkeur(wxLANGUAGE_DUTCH);
    TaalApp app;
    EXPECT_EQ(app.geefTaal(), wxLANGUAGE_DUTCH);
    EXPECT_EQ(wxGetTranslation("Restart the application"), "De toepassing opnieuw starten");
    EXPECT_EQ(wxGetTranslation("Swedish"), "Zweeds");
    // The buttons of wxWidgets' own dialogs come from Debian's catalogue.
    EXPECT_EQ(wxGetTranslation("&Yes"), "&Ja");
}

TEST(Taal, ZweedsLaadtDeKatalogussenVanZwedenEnBlijftZweeds)
{
    zetVoorkeur(wxLANGUAGE_SWEDISH);
    {
        TaalApp app;
        EXPECT_EQ(app.geefTaal(), wxLANGUAGE_SWEDISH);
        EXPECT_EQ(app.geefAppConfigRef().ReadLong("/Gebruikersinstellingen/Encoding", -1), wxLANGUAGE_SWEDISH_SWEDEN);
        EXPECT_EQ(wxGetTranslation("Cancel"), "Avbryt");
    }
    EXPECT_EQ(opgeslagenTaal(), wxLANGUAGE_SWEDISH);
}

TEST(Taal, EenTaalZonderKatalogussenWordtGemeldEnNietBewaard)
{
    zetVoorkeur(wxLANGUAGE_ICELANDIC);
    wxLanguage gestart = wxLANGUAGE_UNKNOWN;
    {
        TaalApp app;
        gestart = app.geefTaal();
        EXPECT_NE(gestart, wxLANGUAGE_ICELANDIC);
        EXPECT_TRUE(gestart == wxLocale::GetSystemLanguage() || gestart == wxLANGUAGE_ENGLISH) << gestart;
        EXPECT_EQ(app.geefAppConfigRef().ReadLong("/Gebruikersinstellingen/Encoding", -1), gestart);
        EXPECT_FALSE(app.isTaalBeschikbaar(wxLANGUAGE_ICELANDIC));
    }
    EXPECT_EQ(opgeslagenTaal(), gestart);

    // Each missing catalogue is named, then the step back to the system language.
    const std::vector<LogVanger::Regel> regels = logVanger().geefRegels();
    const std::vector<wxString> verwacht = {
        "Could not add the standard wxWidgets catalog for language \"Icelandic\"",
        "Could not add Trivane catalog for language \"Icelandic\"",
        "Could not add language catalogs for application \"VerelTamso\" and language \"Icelandic\" ",
        "The application locale could not be set according to your preferences! A reset to the default system "
        "language will be attempted.",
    };
    ASSERT_GE(regels.size(), verwacht.size()) << logVanger().geefAlles();
    for (size_t i = 0; i < verwacht.size(); ++i)
    {
        EXPECT_EQ(regels[i].tekst, verwacht[i]);
        EXPECT_EQ(regels[i].niveau, wxLOG_Error);
    }
}

TEST(Taal, DeBeschikbaarheidVanEenTaalVerandertNiets)
{
    zetVoorkeur(wxLANGUAGE_ENGLISH);
    TaalApp app;
    struct Geval
    {
        wxLanguage taal;
        bool beschikbaar;
    };
    for (const Geval& geval :
         {Geval{wxLANGUAGE_ENGLISH, true}, Geval{wxLANGUAGE_DUTCH, true}, Geval{wxLANGUAGE_CHINESE, true},
          Geval{wxLANGUAGE_HEBREW, true}, Geval{wxLANGUAGE_PORTUGUESE_BRAZILIAN, true},
          Geval{wxLANGUAGE_ICELANDIC, false}, Geval{wxLANGUAGE_WELSH, false}})
        EXPECT_EQ(app.isTaalBeschikbaar(geval.taal), geval.beschikbaar) << wxLocale::GetLanguageName(geval.taal);
    EXPECT_EQ(app.geefTaal(), wxLANGUAGE_ENGLISH);
    EXPECT_EQ(wxGetTranslation("Cancel"), "Cancel");
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
}

// An application "KassaApplikatie" may ship its catalogue as "Kassa"; with
// a single letter before "Applikatie" the name is only looked for whole.
TEST(Taal, DeApplicatieKatalogusMagDeNaamZonderApplikatieDragen)
{
    const fs::path nl = testMap() / "locale" / "nl" / "LC_MESSAGES";
    fs::create_directories(nl);
    const fs::path bouw = bouwKatalogussen() / "nl" / "LC_MESSAGES";
    fs::copy_file(bouw / "Trivanedesktop.mo", nl / "Trivanedesktop.mo");
    for (const char* naam : {"Kassa.mo", "X.mo"})
        fs::copy_file(bouw / "VerelTamso.mo", nl / naam);
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxString::FromUTF8((testMap() / "locale").string()));

    struct Geval
    {
        const char* naam;
        bool geladen;
    };
    for (const Geval& geval : {Geval{"KassaApplikatie", true}, Geval{"XApplikatie", false}})
    {
        logVanger().wis();
        zetVoorkeur(wxLANGUAGE_DUTCH, geval.naam);
        TaalApp app(geval.naam);
        EXPECT_EQ(app.geefTaal() == wxLANGUAGE_DUTCH, geval.geladen) << geval.naam;
        EXPECT_EQ(logVanger().bevat(wxString("Could not add language catalogs for application \"") + geval.naam +
                                        "\" and language \"Dutch\"",
                                    wxLOG_Error),
                  !geval.geladen)
            << geval.naam << "\n"
            << logVanger().geefAlles();
    }
}

// A damaged settings file does not leave the program without a language.
TEST(Taal, EenGetalDatGeenTaalIsValtTerug)
{
    for (const long onzin : {-3L, 1L, 99999L})
    {
        logVanger().wis();
        zetVoorkeur(static_cast<wxLanguage>(onzin));
        TaalApp app;
        EXPECT_TRUE(app.geefTaal() == wxLocale::GetSystemLanguage() || app.geefTaal() == wxLANGUAGE_ENGLISH)
            << onzin << ": " << app.geefTaal();
        EXPECT_TRUE(
            logVanger().bevat("The application locale could not be set according to your preferences!", wxLOG_Error))
            << onzin << "\n"
            << logVanger().geefAlles();
        EXPECT_FALSE(app.isTaalBeschikbaar(static_cast<wxLanguage>(onzin)));
    }
}
