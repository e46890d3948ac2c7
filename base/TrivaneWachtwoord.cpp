#include "base/TrivaneWachtwoord.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr unsigned long long maxTekens = TrivaneWachtwoord::veldGrootte - 1;
}

TrivaneWachtwoord::TrivaneWachtwoord(const TrivaneString& bron) : crc(0)
{
    wisTekst();
    // Never past the source's own buffer, whatever its terminator.
    const char* tekens = bron.string();
    const unsigned long long ruimte = tekens ? std::min(bron.geefGrootte(), maxTekens) : 0;
    for (unsigned long long i = 0; i < ruimte && tekens[i] != '\0'; ++i)
        tekst[i] = tekens[i];
    berekenZetCRC();
}

void TrivaneWachtwoord::zet(const TrivaneString& bron)
{
    wisTekst();
    const char* tekens = bron.string();
    if (tekens)
        std::memcpy(tekst, tekens, std::min(bron.geefLengte(), maxTekens));
    berekenZetCRC();
}

void TrivaneWachtwoord::berekenZetCRC()
{
    crc.zetCRC(berekenCRC());
}

TrivaneCode TrivaneWachtwoord::controleerCRC() const
{
    return berekenCRC() == crc.geefCRC() ? kcOk : kcFout;
}

TrivaneCode TrivaneWachtwoord::valideer(const TrivaneString& ander) const
{
    return tekstView() == ander ? kcOk : kcFout;
}

TrivaneCode TrivaneWachtwoord::valideer(const TrivaneWachtwoord& ander) const
{
    return tekstView() == ander.tekstView() && crc == ander.crc ? kcOk : kcFout;
}

bool TrivaneWachtwoord::operator==(const TrivaneWachtwoord& ander) const
{
    return valideer(ander) == kcOk;
}

const TrivaneCRC& TrivaneWachtwoord::geefCRC() const
{
    return crc;
}

TrivaneWachtwoord::CRCBlok TrivaneWachtwoord::maakCRCBlok() const
{
    CRCBlok blok{};
    std::memcpy(blok.data(), tekst, veldGrootte);
    return blok;
}

unsigned int TrivaneWachtwoord::berekenCRC() const
{
    const CRCBlok blok = maakCRCBlok();
    return crc.crcFast(blok.data(), blok.size());
}

TrivaneString TrivaneWachtwoord::tekstView() const
{
    // The field may be full without a NUL when it was changed from outside.
    const void* nul = std::memchr(tekst, '\0', veldGrootte);
    const unsigned long long lengte = nul ? static_cast<const char*>(nul) - tekst : veldGrootte;
    return lengte == 0 ? TrivaneString("") : TrivaneString(tekst, lengte, '\0', false);
}

void TrivaneWachtwoord::wisTekst()
{
    std::fill(std::begin(tekst), std::end(tekst), '\0');
}
