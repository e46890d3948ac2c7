#include "base/TrivaneConfig.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{
constexpr unsigned long long maxTekens = TrivaneConfig::naamGrootte - 1;

template <typename Getal> unsigned char* schrijfKleinsteEerst(unsigned char* doel, Getal waarde)
{
    for (unsigned int i = 0; i < sizeof(Getal); ++i)
        *doel++ = static_cast<unsigned char>(waarde >> (8 * i));
    return doel;
}
} // namespace

TrivaneConfig::TrivaneConfig(const TrivaneCString& bron, const TrivaneTijdStempel& stempel)
    : crc(0), startMarker(startMarkering), naam{}, stempel(stempel)
{
    for (unsigned long long i = 0; i < maxTekens && bron[i] != '\0'; ++i)
        naam[i] = bron[i];
}

void TrivaneConfig::zetNaam(const TrivaneString& bron)
{
    // Cleared first, so that no end of an older, longer name stays behind
    // the new one in the stored record.
    std::fill(std::begin(naam), std::end(naam), '\0');
    const char* tekens = bron.string();
    if (tekens)
        std::memcpy(naam, tekens, std::min(bron.geefLengte(), maxTekens));
}

TrivaneString TrivaneConfig::geefNaam() const
{
    return TrivaneString(static_cast<const char*>(naam), naamGrootte, '\0', false);
}

void TrivaneConfig::zetTijdStempel(const TrivaneTijdStempel& nieuw)
{
    stempel = nieuw;
}

TrivaneTijdStempel TrivaneConfig::geefTijdStempel() const
{
    return stempel;
}

void TrivaneConfig::berekenZetCRC()
{
    crc.zetCRC(berekenCRC());
}

TrivaneCode TrivaneConfig::controleerCRC() const
{
    return berekenCRC() == crc.geefCRC() ? kcOk : kcFout;
}

TrivaneCode TrivaneConfig::vergelijkCRC(const TrivaneConfig& ander) const
{
    return crc == ander.crc ? kcOk : kcFout;
}

TrivaneCode TrivaneConfig::beginControleIsGoed() const
{
    return startMarker == startMarkering ? kcOk : kcFout;
}

TrivaneConfig::CRCBlok TrivaneConfig::maakCRCBlok() const
{
    CRCBlok blok{};
    unsigned char* plek = schrijfKleinsteEerst(blok.data(), startMarker);
    std::memcpy(plek, naam, naamGrootte);
    schrijfKleinsteEerst(plek + naamGrootte, stempel.geefWaarde());
    return blok;
}

unsigned int TrivaneConfig::berekenCRC() const
{
    const CRCBlok blok = maakCRCBlok();
    return crc.crcFast(blok.data(), blok.size());
}
