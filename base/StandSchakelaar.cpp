#include "base/StandSchakelaar.h"

const char* const StandSchakelaar::strings[4] = {"switched off", "switched on", "switch toggle", "switch unknown"};
const char* const StandSchakelaar::korteStrings[4] = {"off", "on", "toggle", "unknown"};

StandSchakelaar::StandSchakelaar(Stand stand)
    : huidig(stand == StandUit || stand == StandAan ? stand : StandOnbekend), geblokkeerd(false)
{
}

StandSchakelaar::StandSchakelaar(bool waarde, bool omkeren)
    : huidig(waarde != omkeren ? StandAan : StandUit), geblokkeerd(false)
{
}

StandSchakelaar& StandSchakelaar::operator=(bool waarde)
{
    if (!geblokkeerd)
        huidig = waarde ? StandAan : StandUit;
    return *this;
}

StandSchakelaar& StandSchakelaar::operator=(Stand stand)
{
    if (geblokkeerd)
        return *this;
    switch (stand)
    {
    case StandUit:
    case StandAan:
    case StandOnbekend:
        huidig = stand;
        break;
    case StandOm:
        om();
        break;
    default:
        huidig = StandUit;
        break;
    }
    return *this;
}

Stand StandSchakelaar::om()
{
    if (!geblokkeerd)
        huidig = huidig == StandUit ? StandAan : StandUit;
    return huidig;
}

bool StandSchakelaar::omb()
{
    return om() == StandAan;
}

void StandSchakelaar::aan()
{
    if (!geblokkeerd)
        huidig = StandAan;
}

void StandSchakelaar::uit()
{
    if (!geblokkeerd)
        huidig = StandUit;
}

void StandSchakelaar::zetOmgekeerd(Stand stand)
{
    huidig = stand == StandAan ? StandUit : StandAan;
}

void StandSchakelaar::blokkeer(bool blokkeren)
{
    geblokkeerd = blokkeren;
}

Stand StandSchakelaar::stand() const
{
    return huidig;
}

bool StandSchakelaar::boolean() const
{
    return huidig == StandAan;
}

bool StandSchakelaar::omgekeerd() const
{
    return !boolean();
}

bool StandSchakelaar::isGeblokkeerd() const
{
    return geblokkeerd;
}

TrivaneString StandSchakelaar::string() const
{
    return TrivaneString(strings[huidig], 0, '\0', false);
}

bool StandSchakelaar::operator==(const StandSchakelaar& ander) const
{
    return huidig == ander.huidig;
}

bool StandSchakelaar::operator!=(const StandSchakelaar& ander) const
{
    return huidig != ander.huidig;
}

bool StandSchakelaar::operator==(Stand stand) const
{
    return huidig == stand;
}

bool StandSchakelaar::operator!=(Stand stand) const
{
    return huidig != stand;
}

bool StandSchakelaar::operator==(bool waarde) const
{
    return boolean() == waarde;
}

bool StandSchakelaar::operator!=(bool waarde) const
{
    return boolean() != waarde;
}

bool operator==(bool waarde, const StandSchakelaar& schakelaar)
{
    return schakelaar == waarde;
}

bool operator!=(bool waarde, const StandSchakelaar& schakelaar)
{
    return schakelaar != waarde;
}
