#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <wx/intl.h>

TEST(Getallen, BedragenVolgenDeLocaleEnGeheleGetallenNooit)
{
    using F = DesktopFunkties;
    // Each locale is put back when its case ends.
    const std::string ervoor = std::setlocale(LC_ALL, nullptr);
    struct Geval
    {
        wxLanguage taal;
        const char* geprint;
        const char* grootNegatief;
        const char* metScheiding;
        const char* negatief;
        const char* duizend;
        const char* miljoen;
    };
    for (const Geval& geval :
         {Geval{wxLANGUAGE_ENGLISH_US, "1,234.50", "-1,234,567.25", "1,000,000.25", "-0.3", "1,234", "1,000,000"},
          Geval{wxLANGUAGE_DUTCH, "1.234,50", "-1.234.567,25", "1.000.000,25", "-0,3", "1.234", "1.000.000"}})
    {
        SCOPED_TRACE(geval.geprint);
        {
            wxLocale locale;
            ASSERT_TRUE(locale.Init(geval.taal, wxLOCALE_DONT_LOAD_DEFAULT))
                << "locale missing: run scripts/locales.sh";
            EXPECT_EQ(F::print(1234.5f, 2), geval.geprint);
            EXPECT_EQ(F::print(-1234567.25f, 2), geval.grootNegatief);
            EXPECT_EQ(F::print(0.0f, 0), "0");
            EXPECT_EQ(F::printFloatFormaat(0), "%.0f");
            bool geaccepteerd = false;
            EXPECT_FLOAT_EQ(F::leesFloat(geval.geprint, geaccepteerd), 1234.5f);
            EXPECT_TRUE(geaccepteerd);
            EXPECT_FLOAT_EQ(F::leesFloat(geval.metScheiding), 1000000.25f);
            EXPECT_FLOAT_EQ(F::leesFloat(geval.negatief), -0.3f);
            EXPECT_EQ(F::leesInteger(geval.duizend), 1234u);

            // Whole numbers stand without separators; read beyond 32 bits they keep their low bits.
            EXPECT_EQ(F::print(-5), "-5");
            EXPECT_EQ(F::print(1234567), "1234567");
            EXPECT_EQ(F::print(4294967295u), "4294967295");
            EXPECT_EQ(F::print(2147483648u), "2147483648");
            EXPECT_EQ(F::leesInteger("4294967296"), 0u);
            EXPECT_EQ(F::leesInteger("4294967297"), 1u);
            EXPECT_EQ(F::leesInteger("-1"), 4294967295u);
            EXPECT_EQ(F::leesSignedInteger("-1"), -1);
            EXPECT_EQ(F::leesSignedInteger("2147483648"), -2147483647 - 1);
            // Only a count to be read is grouped as the locale writes it.
            EXPECT_EQ(F::printGegroepeerd(1000000LL), geval.miljoen);
            EXPECT_EQ(F::printGegroepeerd(1000000ULL), geval.miljoen);
            EXPECT_EQ(F::printGegroepeerd(999LL), "999");
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

            // Beyond 64 bits nothing is read: 0 and a reported error.
            EXPECT_EQ(F::leesInteger("99999999999999999999"), 0u);
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
            logVanger().wis();
        }
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), ervoor);
    }
}

TEST(Getallen, LezenVanLegeEnFouteTeksten)
{
    wxLocale engels;
    ASSERT_TRUE(engels.Init(wxLANGUAGE_ENGLISH_US, wxLOCALE_DONT_LOAD_DEFAULT));
    bool geaccepteerd = false;
    EXPECT_EQ(DesktopFunkties::leesFloat("", geaccepteerd), 0.0f);
    EXPECT_TRUE(geaccepteerd);
    EXPECT_EQ(DesktopFunkties::leesInteger(""), 0u);
    EXPECT_EQ(DesktopFunkties::leesSignedInteger(""), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u);

    EXPECT_EQ(DesktopFunkties::leesFloat("abc", geaccepteerd), 0.0f);
    EXPECT_FALSE(geaccepteerd);
    EXPECT_EQ(DesktopFunkties::leesInteger("12 apples"), 0u);
    // A text that holds a "%" is logged as it stands.
    EXPECT_EQ(DesktopFunkties::leesSignedInteger("50%"), 0);
    const auto regels = logVanger().geefRegels();
    ASSERT_EQ(regels.size(), 3u) << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 3u);
    EXPECT_EQ(regels[0].tekst, "Conversion of text \"abc\" to a floating point value failed.");
    EXPECT_EQ(regels[1].tekst, "Conversion of text \"12 apples\" to an integer value failed.");
    EXPECT_TRUE(regels[2].tekst.Contains("\"50%\"")) << regels[2].tekst;
}
