#include "base/TrivaneVersieNummer.h"

TrivaneVersieNummer::TrivaneVersieNummer(std::uint8_t major, std::uint8_t minor, std::uint8_t patch, std::uint8_t build)
    : major(major), minor(minor), patch(patch), build(build)
{
}

std::uint8_t TrivaneVersieNummer::geef(Veld veld) const
{
    switch (veld)
    {
    case Veld::major:
        return major;
    case Veld::minor:
        return minor;
    case Veld::patch:
        return patch;
    case Veld::build:
        return build;
    }
    return 0;
}

std::uint32_t TrivaneVersieNummer::zonderBuild() const
{
    return (std::uint32_t{major} * 10000u + minor) * 100u + patch;
}

std::uint32_t TrivaneVersieNummer::berekenVergFaktor() const
{
    return zonderBuild() * 100u;
}

bool TrivaneVersieNummer::operator>(const TrivaneVersieNummer& ander) const
{
    return berekenVergFaktor() > ander.berekenVergFaktor();
}

bool TrivaneVersieNummer::operator<(const TrivaneVersieNummer& ander) const
{
    return berekenVergFaktor() < ander.berekenVergFaktor();
}

bool TrivaneVersieNummer::operator>=(const TrivaneVersieNummer& ander) const
{
    return berekenVergFaktor() >= ander.berekenVergFaktor();
}

bool TrivaneVersieNummer::operator<=(const TrivaneVersieNummer& ander) const
{
    return berekenVergFaktor() <= ander.berekenVergFaktor();
}

bool TrivaneVersieNummer::operator==(const TrivaneVersieNummer& ander) const
{
    return zonderBuild() == ander.zonderBuild();
}
