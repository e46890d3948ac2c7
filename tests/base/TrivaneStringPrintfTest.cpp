#include "base/TrivaneString.h"
#include "tests/base/TekstHulp.h"

#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace
{
// Goes through the va_list form, so that the tests may hand over formats
// that the compiler's printf check would reject on purpose.
unsigned int drukIn(TrivaneString& doel, const char* formaat, ...)
{
    va_list argumenten;
    va_start(argumenten, formaat);
    const unsigned int aantal = doel.printf(formaat, argumenten);
    va_end(argumenten);
    return aantal;
}

// Formats into a fresh string of 64 characters.
template <typename... Argumenten> std::string druk(const char* formaat, Argumenten... argumenten)
{
    TrivaneString tekst(64);
    const unsigned int aantal = drukIn(tekst, formaat, argumenten...);
    EXPECT_EQ(aantal, tekst.geefLaatstePrintAantal());
    EXPECT_EQ(aantal, tekst.geefLengte()) << "format " << formaat;
    return tekstVan(tekst);
}

// Puts the decimal separator back to the library's default (a comma).
struct ScheidingsTekenTerug
{
    ~ScheidingsTekenTerug() { TrivaneString::zetKommaPuntKeuze(TrivaneString::KeuzeKomma); }
};
} // namespace

TEST(TrivaneStringPrintf, GeheleGetallenMetBreedteEnOpvulling)
{
    EXPECT_EQ(druk("%5d", 42), "   42");
    EXPECT_EQ(druk("%-5d|", 42), "42   |");
    EXPECT_EQ(druk("%05d", -42), "-0042");
    EXPECT_EQ(druk("%5d", -42), "  -42");
    EXPECT_EQ(druk("%1d", -42), "-42");
    EXPECT_EQ(druk("%03d", 0), "000");
    EXPECT_EQ(druk("%d", INT_MIN), "-2147483648");
    EXPECT_EQ(druk("%d", INT_MAX), "2147483647");

    EXPECT_EQ(druk("%x", -1), "ffffffff");
    EXPECT_EQ(druk("%X", 255), "FF");
    EXPECT_EQ(druk("%u", -1), "4294967295");
    EXPECT_EQ(druk("%08x", 0xBEEF), "0000beef");

    // "l" reads a long, not an int.
    EXPECT_EQ(druk("%ld", LONG_MIN), "-9223372036854775808");
    EXPECT_EQ(druk("%ld|%d", 5000000000L, 7), "5000000000|7");
    EXPECT_EQ(druk("%lu", ULONG_MAX), "18446744073709551615");
    EXPECT_EQ(druk("%lX", 0x123456789AL), "123456789A");
    EXPECT_EQ(druk("%lld", -5LL), "-5");
}

TEST(TrivaneStringPrintf, TekstenEnTekens)
{
    EXPECT_EQ(druk("%s", static_cast<const char*>(nullptr)), "(null)");
    EXPECT_EQ(druk("%3s", "abcd"), "abcd");
    EXPECT_EQ(druk("[%6s]", "abc"), "[   abc]");
    EXPECT_EQ(druk("[%-6s]", "abc"), "[abc   ]");
    EXPECT_EQ(druk("%c%c", 'o', 'k'), "ok");
    EXPECT_EQ(druk("100%%"), "100%");
    EXPECT_EQ(druk("ab%"), "ab");
    EXPECT_EQ(druk("ab%5"), "ab");
    EXPECT_EQ(druk("ab%-0"), "ab");
    // Conversions this printf does not know write nothing and take no argument.
    EXPECT_EQ(druk("%e%d", 7), "7");
    EXPECT_EQ(druk("%i%p%s", "rest"), "rest");

    TrivaneString tekst(16);
    EXPECT_EQ(tekst.printf("ab%3dc", 7), 6u);
    EXPECT_EQ(tekstVan(tekst), "ab  7c");
    EXPECT_EQ(tekst.deelprintf(2, "%s", "XY"), 2u);
    EXPECT_EQ(tekstVan(tekst), "abXY");
    EXPECT_EQ(tekst.geefLaatstePrintAantal(), 2u);
}

TEST(TrivaneStringPrintf, KommagetallenMetKommaEnPunt)
{
    ScheidingsTekenTerug terug;
    EXPECT_EQ(druk("%.2f", 3.14159), "3,14");
    EXPECT_EQ(druk("%.0f", 2.5), "3");
    EXPECT_EQ(druk("%f", 0.5), "0,500000");
    EXPECT_EQ(druk("%.3f", -0.0005), "-0,001");
    EXPECT_EQ(druk("%.2f", 0.0), "0,00");
    EXPECT_EQ(druk("%.f", 7.7), "8");
    EXPECT_EQ(druk("%.1.2f", 1.0), "1,00");
    EXPECT_EQ(druk("%8.2f|", 3.14159), "    3,14|");
    EXPECT_EQ(druk("%-8.2f|", 3.14159), "3,14    |");
    EXPECT_EQ(druk("%08.2f", -3.14159), "-0003,14");

    TrivaneString::zetKommaPuntKeuze(TrivaneString::KeuzePunt);
    EXPECT_EQ(druk("%.2f", 3.14159), "3.14");
    TrivaneString::zetKommaPuntKeuze(TrivaneString::KeuzeStandaard);
    EXPECT_EQ(druk("%.2f", 3.14159), "3.14");
}

TEST(TrivaneStringPrintf, EenPlusHoortBijDeTekstDieHemVraagt)
{
    TrivaneString metPlus(32);
    TrivaneString zonder(32);
    metPlus.zetLeidendPlus(true);
    // Another string formats as it would anyway.
    zonder.printf("%.1f", 2.0);
    EXPECT_EQ(tekstVan(zonder), "2,0");
    // Only the first f conversion takes it; integers leave it standing.
    metPlus.printf("%d %.1f %.1f", 5, 1.0, 2.0);
    EXPECT_EQ(tekstVan(metPlus), "5 +1,0 2,0");
    EXPECT_FALSE(metPlus.geefLeidendPlus());
    metPlus.zetLeidendPlus(true);
    metPlus.printf("%.1f", -1.0);
    EXPECT_EQ(tekstVan(metPlus), "-1,0");

    // The engine without a string: the caller's own flag, or none.
    char buffer[16];
    bool leidendPlus = true;
    auto drukLos = [&](bool* vlag, ...)
    {
        va_list argumenten;
        va_start(argumenten, vlag);
        char* plek = buffer;
        if (vlag)
            TrivaneString::print(&plek, sizeof buffer, "%.0f", argumenten, *vlag);
        else
            TrivaneString::print(&plek, sizeof buffer, "%.0f", argumenten);
        va_end(argumenten);
        return std::string(buffer);
    };
    EXPECT_EQ(drukLos(nullptr, 3.0), "3");
    EXPECT_EQ(drukLos(&leidendPlus, 3.0), "+3");
    EXPECT_FALSE(leidendPlus);
}

TEST(TrivaneStringPrintf, GroteEnBijzondereKommagetallen)
{
    ScheidingsTekenTerug terug;
    const double oneindig = std::numeric_limits<double>::infinity();
    EXPECT_EQ(druk("%f", oneindig), "inf");
    EXPECT_EQ(druk("%f", -oneindig), "-inf");
    EXPECT_EQ(druk("%f", std::nan("")), "nan");
    EXPECT_EQ(druk("%06f", -oneindig), "  -inf");
    EXPECT_EQ(druk("%.2f", 1e300), "inf");

    // Whole parts beyond 64 bits print in full (single precision).
    EXPECT_EQ(druk("%.0f", 1e30), "1000000015047466219876688855040");
    EXPECT_EQ(druk("%.0f", 3.0e38), "300000000549775575777803994281145270272");
    // The precision is capped, so the text fits whatever was asked.
    EXPECT_EQ(druk("%.40f", 1.5), "1,5000000000000000");
    EXPECT_EQ(druk("%.9f", 0.25), "0,250000000");
}

TEST(TrivaneStringPrintf, SchrijftNooitVoorbijDeBuffer)
{
    char buffer[10];
    std::memset(buffer, 'x', sizeof buffer);
    TrivaneString kort(buffer, 4, '\0', true);
    EXPECT_EQ(kort.printf("%d", 123456), 6u);
    EXPECT_EQ(std::string(buffer, 10), std::string("123\0xxxxxx", 10));

    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(kort.printf("%20s|%-30d|%.16f", "a", 1, 1.0), 70u);
    EXPECT_EQ(std::string(buffer, 10), std::string("   \0xxxxxx", 10));
    EXPECT_EQ(drukIn(kort, "%99999999999d", 1), 10000000u);
    EXPECT_EQ(std::string(buffer, 5), std::string("   \0x", 5));

    // From an element near the end only what fits there is written.
    std::memset(buffer, 'x', sizeof buffer);
    kort.deelprintf(3, "%s", "abc");
    EXPECT_EQ(std::string(buffer, 5), std::string("xxx\0x", 5));
    EXPECT_EQ(kort.deelprintf(8, "%s", "abc"), 3u);

    // A read-only string and a missing format are counted, not written.
    const char vast[] = "vast";
    TrivaneString alleenLezen(vast);
    EXPECT_EQ(alleenLezen.printf("%s", "nieuw"), 5u);
    EXPECT_STREQ(vast, "vast");
    TrivaneString leeg(4);
    EXPECT_EQ(drukIn(leeg, nullptr), 0u);
    EXPECT_EQ(tekstVan(leeg), "");
}
