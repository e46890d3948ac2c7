#include "base/TrivaneCString.h"

#include "base/TrivaneString.h"

#include <algorithm>
#include <cstring>

TrivaneCString::TrivaneCString(const char* tekst) : lengte(onbekendeLengte), tekst(tekst) {}

TrivaneCString::TrivaneCString(const char* tekst, unsigned int lengte) : lengte(tekst ? lengte : 0), tekst(tekst) {}

TrivaneCString::TrivaneCString(const TrivaneString& tekst)
    : lengte(static_cast<unsigned int>(tekst.geefLengte())), tekst(tekst.string())
{
    if (!this->tekst)
        lengte = 0;
}

unsigned int TrivaneCString::bekendeLengte() const
{
    if (!tekst)
        return 0;
    if (lengte != onbekendeLengte)
        return lengte;
    const void* nul = std::memchr(tekst, '\0', maxScan);
    return nul ? static_cast<unsigned int>(static_cast<const char*>(nul) - tekst) : maxScan;
}

bool TrivaneCString::operator==(const TrivaneCString& ander) const
{
    const unsigned int eigen = bekendeLengte();
    if (eigen > ander.bekendeLengte())
        return false;
    return eigen == 0 || std::memcmp(tekst, ander.tekst, eigen) == 0;
}

bool TrivaneCString::operator!=(const TrivaneCString& ander) const
{
    return !(*this == ander);
}

char TrivaneCString::operator[](unsigned long long index) const
{
    return index < bekendeLengte() ? tekst[index] : '\0';
}

TrivaneString TrivaneCString::convert(bool metAfsluiter) const
{
    if (!tekst)
        return TrivaneString(static_cast<const char*>(nullptr));
    if (lengte != onbekendeLengte)
    {
        const unsigned long long grootte = static_cast<unsigned long long>(lengte) + (metAfsluiter ? 1 : 0);
        if (grootte != 0)
            return TrivaneString(tekst, grootte, '\0', false);
    }
    // Unknown or empty: the view runs to the NUL and includes it.
    return TrivaneString(tekst, 0, '\0', false);
}

unsigned int TrivaneCString::geefLengte() const
{
    return lengte;
}

const char* TrivaneCString::geefTekst() const
{
    return tekst;
}
