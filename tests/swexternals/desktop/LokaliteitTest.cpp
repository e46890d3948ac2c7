// The locale of the process follows the interface language, so that the
// toolkit's own texts (GTK's buttons and dialogs) speak it too.
#include "swexternals/desktop/ProcesLokaliteit.h"
#include "tests/ondersteuning/LogVanger.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <wx/datetime.h>
#include <wx/uilocale.h>

namespace
{
std::string huidigeLocale()
{
    return std::setlocale(LC_ALL, nullptr);
}

std::string language()
{
    const char* waarde = std::getenv("LANGUAGE");
    return waarde ? waarde : "(not set)";
}

// A user's LANGUAGE, which would keep GTK in English; put back at the end.
class MetEngelseLanguage : public ::testing::Test
{
protected:
    void SetUp() override { setenv("LANGUAGE", "en", 1); }
    void TearDown() override { unsetenv("LANGUAGE"); }
};
} // namespace

TEST_F(MetEngelseLanguage, ElkeTaalZetZijnLocaleEnDeVorigeKomtTerug)
{
    struct Geval
    {
        wxLanguage taal;
        const char* locale;
        const char* language;
        const char* komma;
    };
    const std::string ervoor = huidigeLocale();
    for (const Geval& geval : {Geval{wxLANGUAGE_ENGLISH, "en_US.UTF-8", "en_US:en", "."},
                               Geval{wxLANGUAGE_GERMAN, "de_DE.UTF-8", "de_DE:de", ","},
                               Geval{wxLANGUAGE_DUTCH, "nl_NL.UTF-8", "nl_NL:nl", ","},
                               Geval{wxLANGUAGE_FRENCH, "fr_FR.UTF-8", "fr_FR:fr", ","},
                               Geval{wxLANGUAGE_ITALIAN, "it_IT.UTF-8", "it_IT:it", ","},
                               Geval{wxLANGUAGE_SPANISH, "es_ES.UTF-8", "es_ES:es", ","},
                               Geval{wxLANGUAGE_SWEDISH_SWEDEN, "sv_SE.UTF-8", "sv_SE:sv", ","},
                               Geval{wxLANGUAGE_JAPANESE_JAPAN, "ja_JP.UTF-8", "ja_JP:ja", "."},
                               Geval{wxLANGUAGE_KOREAN_KOREA, "ko_KR.UTF-8", "ko_KR:ko", "."},
                               Geval{wxLANGUAGE_RUSSIAN, "ru_RU.UTF-8", "ru_RU:ru", ","}})
    {
        SCOPED_TRACE(geval.locale);
        EXPECT_EQ(ProcesLokaliteit::geefLocaleNaam(geval.taal), geval.locale);
        {
            ProcesLokaliteit lokaliteit;
            ASSERT_TRUE(lokaliteit.zet(geval.taal)) << "locale missing: run scripts/locales.sh";
            EXPECT_EQ(huidigeLocale(), geval.locale);
            EXPECT_EQ(language(), geval.language);
            // Numbers follow the language as well.
            EXPECT_STREQ(std::localeconv()->decimal_point, geval.komma);
            // And the toolkit's date controls, which format by its own locale.
            EXPECT_EQ(wxUILocale::GetCurrent().GetName(), geval.locale);
        }
        EXPECT_EQ(huidigeLocale(), ervoor);
        EXPECT_EQ(language(), "en");
    }
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
}

// Without its locale the language keeps the locale the process had and is
// reported once, with what to do about it; gettext is told the language all
// the same.
TEST_F(MetEngelseLanguage, EenOntbrekendeLocaleWordtEenmaalGemeld)
{
    const std::string ervoor = huidigeLocale();
    {
        ProcesLokaliteit lokaliteit;
        for (int poging = 0; poging < 2; ++poging)
            EXPECT_FALSE(lokaliteit.zet(wxLANGUAGE_GERMAN, "xx_XX.UTF-8"));
        EXPECT_EQ(huidigeLocale(), ervoor);
        EXPECT_EQ(language(), "de_DE:de");
        EXPECT_FALSE(lokaliteit.zet(wxLANGUAGE_UNKNOWN));
    }
    EXPECT_EQ(language(), "en");
    ASSERT_EQ(logVanger().geefRegels().size(), 1u) << logVanger().geefAlles();
    const LogVanger::Regel melding = logVanger().geefRegels()[0];
    EXPECT_EQ(melding.niveau, wxLOG_Warning);
    for (const char* deel : {"\"xx_XX.UTF-8\"", "echo \"xx_XX.UTF-8 UTF-8\" >> /etc/locale.gen && locale-gen"})
        EXPECT_TRUE(melding.tekst.Contains(deel)) << deel << " in: " << melding.tekst;
}
