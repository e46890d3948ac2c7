#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"

#include <clocale>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <wx/intl.h>

namespace
{
// Runs a test under a real system locale and puts the previous one back
// when it ends (wxLocale restores what it replaced).
class OnderLocale
{
public:
    explicit OnderLocale(wxLanguage taal) : m_locale(std::make_unique<wxLocale>())
    {
        m_ok = m_locale->Init(taal, wxLOCALE_DONT_LOAD_DEFAULT);
    }
    bool isOk() const { return m_ok; }

private:
    std::unique_ptr<wxLocale> m_locale;
    bool m_ok = false;
};

std::string huidigeLocale()
{
    return std::setlocale(LC_ALL, nullptr);
}
} // namespace

TEST(Getallen, GeheleGetallenStaanAltijdZonderScheiding)
{
    for (wxLanguage taal : {wxLANGUAGE_ENGLISH_US, wxLANGUAGE_DUTCH})
    {
        OnderLocale locale(taal);
        ASSERT_TRUE(locale.isOk()) << "locale " << taal << " missing: run scripts/locales.sh";
        EXPECT_EQ(DesktopFunkties::print(-5), "-5");
        EXPECT_EQ(DesktopFunkties::print(1234567), "1234567");
        EXPECT_EQ(DesktopFunkties::print(4294967295u), "4294967295");
        EXPECT_EQ(DesktopFunkties::print(2147483648u), "2147483648");
        EXPECT_EQ(DesktopFunkties::printFloatFormaat(0), "%.0f");
        EXPECT_EQ(DesktopFunkties::printFloatFormaat(2), "%.2f");
    }
}

TEST(Getallen, BedragenVolgenDeLocaleHeenEnTerug)
{
    const std::string ervoor = huidigeLocale();
    struct Geval
    {
        wxLanguage taal;
        const char* geprint;
        const char* negatief;
        const char* metScheiding;
        const char* grootNegatief;
    };
    for (const Geval& geval : {Geval{wxLANGUAGE_ENGLISH_US, "1,234.50", "-0.3", "1,000,000.25", "-1,234,567.25"},
                               Geval{wxLANGUAGE_DUTCH, "1.234,50", "-0,3", "1.000.000,25", "-1.234.567,25"}})
    {
        SCOPED_TRACE(geval.geprint);
        {
            OnderLocale locale(geval.taal);
            ASSERT_TRUE(locale.isOk()) << "locale missing: run scripts/locales.sh";
            EXPECT_EQ(DesktopFunkties::print(1234.5f, 2), geval.geprint);
            EXPECT_EQ(DesktopFunkties::print(-1234567.25f, 2), geval.grootNegatief);
            EXPECT_EQ(DesktopFunkties::print(0.0f, 0), "0");

            bool geaccepteerd = false;
            EXPECT_FLOAT_EQ(DesktopFunkties::leesFloat(geval.geprint, geaccepteerd), 1234.5f);
            EXPECT_TRUE(geaccepteerd);
            EXPECT_FLOAT_EQ(DesktopFunkties::leesFloat(geval.metScheiding), 1000000.25f);
            EXPECT_FLOAT_EQ(DesktopFunkties::leesFloat(geval.negatief), -0.3f);
            EXPECT_EQ(DesktopFunkties::leesInteger("12"), 12u);
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
        }
        EXPECT_EQ(huidigeLocale(), ervoor);
    }
}

TEST(Getallen, LezenVanLegeEnFouteTeksten)
{
    OnderLocale locale(wxLANGUAGE_ENGLISH_US);
    ASSERT_TRUE(locale.isOk());

    bool geaccepteerd = false;
    EXPECT_EQ(DesktopFunkties::leesFloat("", geaccepteerd), 0.0f);
    EXPECT_TRUE(geaccepteerd);
    EXPECT_EQ(DesktopFunkties::leesInteger(""), 0u);
    EXPECT_EQ(DesktopFunkties::leesSignedInteger(""), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u);

    EXPECT_EQ(DesktopFunkties::leesFloat("abc", geaccepteerd), 0.0f);
    EXPECT_FALSE(geaccepteerd);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u);
    EXPECT_TRUE(logVanger().bevat("Conversion of text \"abc\" to a floating point value failed.", wxLOG_Error))
        << logVanger().geefAlles();

    logVanger().wis();
    EXPECT_EQ(DesktopFunkties::leesInteger("12 apples"), 0u);
    EXPECT_TRUE(logVanger().bevat("Conversion of text \"12 apples\" to an integer value failed.", wxLOG_Error))
        << logVanger().geefAlles();
    // A text that holds a "%" is logged as it stands.
    logVanger().wis();
    EXPECT_EQ(DesktopFunkties::leesSignedInteger("50%"), 0);
    EXPECT_TRUE(logVanger().bevat("\"50%\"", wxLOG_Error)) << logVanger().geefAlles();
}

TEST(Getallen, GeheleGetallenBuitenDertigBitsHoudenHunLaagsteBits)
{
    for (wxLanguage taal : {wxLANGUAGE_ENGLISH_US, wxLANGUAGE_DUTCH})
    {
        OnderLocale locale(taal);
        ASSERT_TRUE(locale.isOk());
        EXPECT_EQ(DesktopFunkties::leesInteger("4294967295"), 4294967295u);
        EXPECT_EQ(DesktopFunkties::leesInteger("4294967296"), 0u);
        EXPECT_EQ(DesktopFunkties::leesInteger("4294967297"), 1u);
        EXPECT_EQ(DesktopFunkties::leesInteger("-1"), 4294967295u);
        EXPECT_EQ(DesktopFunkties::leesSignedInteger("-1"), -1);
        EXPECT_EQ(DesktopFunkties::leesSignedInteger("2147483648"), -2147483647 - 1);
        EXPECT_EQ(DesktopFunkties::leesSignedInteger("-2147483648"), -2147483647 - 1);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

        // Beyond 64 bits nothing is read: 0 and a reported error.
        EXPECT_EQ(DesktopFunkties::leesInteger("99999999999999999999"), 0u);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
        logVanger().wis();
    }
}

TEST(Getallen, DuizendtallenVolgensDeLocaleWordenGelezen)
{
    {
        OnderLocale engels(wxLANGUAGE_ENGLISH_US);
        ASSERT_TRUE(engels.isOk());
        EXPECT_EQ(DesktopFunkties::leesInteger("1,234"), 1234u);
    }
    {
        OnderLocale nederlands(wxLANGUAGE_DUTCH);
        ASSERT_TRUE(nederlands.isOk());
        EXPECT_EQ(DesktopFunkties::leesInteger("1.234"), 1234u);
    }
}
