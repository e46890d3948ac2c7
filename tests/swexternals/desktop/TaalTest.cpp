// The interface language at start-up: the preferred language, else the
// system's, else English, each with the three catalogues of the build tree
// (this program lies in <build>/bin, as an installed program would).
#include "swexternals/desktop/ProcesLokaliteit.h"
#include "swexternals/desktop/TaalKeuzeDialoog.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <clocale>
#include <gtest/gtest.h>
#include <locale.h>
#include <string>
#include <wx/translation.h>

namespace
{
// What the user chose at an earlier start, or what a damaged file holds.
void zetVoorkeur(long taal)
{
    openKonfigBestand()->Write("/Gebruikersinstellingen/Encoding", taal);
}

long opgeslagenTaal()
{
    return openKonfigBestand()->ReadLong("/Gebruikersinstellingen/Encoding", -1);
}

bool isGeladen(const wxString& katalogus)
{
    return wxTranslations::Get()->IsLoaded(katalogus);
}

bool heeftSysteemLocale(const wxString& naam)
{
    const locale_t locale = newlocale(LC_ALL_MASK, naam.utf8_str(), nullptr);
    if (locale)
        freelocale(locale);
    return locale != nullptr;
}
} // namespace

TEST(Taal, ElkeTaalVanDeKeuzelijstStartMetZijnKatalogussen)
{
    // Plain Swedish as well: it runs as Sweden's, whose catalogues it loads,
    // and is stored as chosen.
    wxArrayInt talen = TaalKeuzeDialoog::geefAlleTalen();
    talen.Add(wxLANGUAGE_SWEDISH);
    const std::string localeErvoor = std::setlocale(LC_ALL, nullptr);
    for (const int taal : talen)
    {
        const wxString naam = wxLocale::GetLanguageName(taal);
        zetVoorkeur(taal);
        {
            BasisApp app;
            EXPECT_EQ(app.geefTaal(), taal) << naam;
            // The process speaks the language where the system has its
            // locale (scripts/locales.sh makes those of the ten languages
            // the program offers); else the log says how to add it.
            const wxString locale = ProcesLokaliteit::geefLocaleNaam(app.geefTaal());
            if (heeftSysteemLocale(locale))
                EXPECT_EQ(std::setlocale(LC_ALL, nullptr), locale) << naam;
            else if (logVanger().geefAantal(wxLOG_Warning) == 1 && logVanger().bevat(locale, wxLOG_Warning))
                logVanger().wis();
            if (taal == wxLANGUAGE_ENGLISH)
            {
                // The source texts: nothing loaded, so the status is still unknown.
                EXPECT_EQ(app.geefLokaliteitStatus(), 2);
                EXPECT_FALSE(isGeladen("Trivanedesktop"));
                continue;
            }
            EXPECT_EQ(app.geefLokaliteitStatus(), 0) << naam;
            EXPECT_TRUE(isGeladen("Trivanedesktop") && isGeladen("VerelTamso")) << naam;
            EXPECT_TRUE(isGeladen("wxstd-3.2") || isGeladen("wxstd")) << naam;
            EXPECT_NE(wxGetTranslation("Please select the application interface language"),
                      "Please select the application interface language")
                << naam;
            if (taal == wxLANGUAGE_SWEDISH)
            {
                EXPECT_EQ(app.geefAppConfigRef().ReadLong("/Gebruikersinstellingen/Encoding", -1),
                          wxLANGUAGE_SWEDISH_SWEDEN);
            }
        }
        EXPECT_EQ(opgeslagenTaal(), taal) << naam;
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), localeErvoor) << naam;
        EXPECT_TRUE(logVanger().geefRegels().empty()) << naam << ": " << logVanger().geefAlles();
    }
}

// Neither a language without catalogues nor a number that names no language
// is put in place or kept in the file: the start falls back, and says so.
TEST(Taal, EenTaalDieNietLaadtWordtGemeldEnNietBewaard)
{
    for (const long voorkeur : {static_cast<long>(wxLANGUAGE_ICELANDIC), -3L, 1L, 99999L})
    {
        logVanger().wis();
        zetVoorkeur(voorkeur);
        wxLanguage gestart = wxLANGUAGE_UNKNOWN;
        {
            BasisApp app;
            gestart = app.geefTaal();
            EXPECT_TRUE(gestart == wxLocale::GetSystemLanguage() || gestart == wxLANGUAGE_ENGLISH) << voorkeur;
            EXPECT_EQ(app.geefAppConfigRef().ReadLong("/Gebruikersinstellingen/Encoding", -1), gestart);
        }
        EXPECT_EQ(opgeslagenTaal(), gestart);
        EXPECT_TRUE(logVanger().bevat("The application locale could not be set according to your preferences! A "
                                      "reset to the default system language will be attempted.",
                                      wxLOG_Error))
            << voorkeur;
    }
    // Each missing catalogue of a real language is named first.
    logVanger().wis();
    zetVoorkeur(wxLANGUAGE_ICELANDIC);
    BasisApp app;
    const auto regels = logVanger().geefRegels();
    ASSERT_GE(regels.size(), 3u);
    EXPECT_EQ(regels[0].tekst, "Could not add the standard wxWidgets catalog for language \"Icelandic\"");
    EXPECT_EQ(regels[1].tekst, "Could not add Trivane catalog for language \"Icelandic\"");
    EXPECT_EQ(regels[2].tekst,
              "Could not add language catalogs for application \"VerelTamso\" and language \"Icelandic\" ");

    // Asking whether a language could be chosen loads and reports nothing.
    logVanger().wis();
    for (const wxLanguage taal : {wxLANGUAGE_ICELANDIC, wxLANGUAGE_WELSH, wxLANGUAGE_UNKNOWN})
        EXPECT_FALSE(app.isTaalBeschikbaar(taal)) << taal;
    for (const wxLanguage taal : {wxLANGUAGE_ENGLISH, wxLANGUAGE_CHINESE, wxLANGUAGE_PORTUGUESE_BRAZILIAN})
        EXPECT_TRUE(app.isTaalBeschikbaar(taal)) << taal;
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
}
