#ifndef BASE_TRIVANEVERSIENUMMER_H
#define BASE_TRIVANEVERSIENUMMER_H

#include <cstdint>

// A four-part version number: major, minor, patch and build, one byte each,
// in this order. The build takes no part in comparisons.
class TrivaneVersieNummer
{
public:
    enum class Veld : unsigned int
    {
        major = 0,
        minor = 1,
        patch = 2,
        build = 3
    };

    TrivaneVersieNummer(std::uint8_t major = 0, std::uint8_t minor = 0, std::uint8_t patch = 0, std::uint8_t build = 0);

    // An index above 3 gives 0.
    std::uint8_t geef(Veld veld) const;
    // ((major x 10000 + minor) x 100 + patch) x 100 in unsigned 32-bit
    // arithmetic: a patch of 100 or more runs into the minor, and from major
    // 43 on the number wraps.
    std::uint32_t berekenVergFaktor() const;

    bool operator>(const TrivaneVersieNummer& ander) const;
    bool operator<(const TrivaneVersieNummer& ander) const;
    bool operator>=(const TrivaneVersieNummer& ander) const;
    bool operator<=(const TrivaneVersieNummer& ander) const;
    bool operator==(const TrivaneVersieNummer& ander) const;

    std::uint8_t major;
    std::uint8_t minor;
    std::uint8_t patch;
    std::uint8_t build;

private:
    std::uint32_t zonderBuild() const;
};

#endif
