#include "base/Afteller.h"

#include <algorithm>
#include <limits>

namespace
{
unsigned int grensVoorTicks(unsigned int ticks)
{
    return ticks == 0 ? 0 : ticks - 1;
}

unsigned int begrens32(long long waarde)
{
    if (waarde < 0)
        return 0;
    return static_cast<unsigned int>(std::min<long long>(waarde, std::numeric_limits<unsigned int>::max()));
}
} // namespace

Afteller::Afteller() : bodem(0), grens(1), stand(1), vlaggen(0) {}

Afteller::Afteller(unsigned int ticks, Aktie aktie, Melding melding)
    : bodem(0), grens(grensVoorTicks(ticks)), stand(grens), vlaggen(0)
{
    zetVlag(VlagHerhaling, aktie == Herhalen);
    zetVlag(VlagElkeHerhalingMelden, melding == MeldElkeKeer);
}

Afteller::Afteller(unsigned int grens, Aktie aktie, Melding melding, unsigned int bodem)
    : Afteller(grens, aktie == Herhalen, melding == MeldElkeKeer, bodem)
{
}

Afteller::Afteller(unsigned int grens, bool herhaling, bool elkeHerhalingMelden, unsigned int bodem)
    : bodem(bodem), grens(grens), stand(std::max(grens, bodem)), vlaggen(0)
{
    zetVlag(VlagHerhaling, herhaling);
    zetVlag(VlagElkeHerhalingMelden, elkeHerhalingMelden);
}

void Afteller::zetGrens(unsigned int nieuw)
{
    bodem = 0;
    grens = nieuw;
    stand = nieuw;
    wisToestand();
}

void Afteller::reset()
{
    stand = herlaadStand();
    wisToestand();
}

void Afteller::reset(unsigned int ticks)
{
    const long long n = std::max(ticks, 1u);
    const long long b = bodem;
    grens = begrens32(std::max(b + 1, n + b - 1));
    stand = herlaadStand();
    wisToestand();
}

void Afteller::reset(unsigned int nieuweGrens, Aktie aktie, Melding melding, unsigned int nieuweBodem)
{
    bodem = nieuweBodem;
    grens = nieuweGrens;
    stand = herlaadStand();
    zetVlag(VlagHerhaling, aktie == Herhalen);
    zetVlag(VlagElkeHerhalingMelden, melding == MeldElkeKeer);
}

void Afteller::zetHerhaling(bool aan)
{
    zetVlag(VlagHerhaling, aan);
}

void Afteller::zetHerhalingMelding(bool aan)
{
    zetVlag(VlagElkeHerhalingMelden, aan);
}

void Afteller::zetPauze(bool aan)
{
    zetVlag(VlagPauze, aan);
}

void Afteller::zetAktief(bool aan)
{
    zetVlag(VlagPauze, !aan);
}

bool Afteller::heeftPauze() const
{
    return vlag(VlagPauze);
}

bool Afteller::isAktief() const
{
    return !vlag(VlagPauze);
}

bool Afteller::telAf()
{
    if (heeftPauze())
        return false;
    const unsigned int vorige = stand--;
    if (vorige == bodem)
        reset();
    return gaAfOpBodem();
}

bool Afteller::telAf(unsigned int& uit, bool na)
{
    if (!na)
        uit = stand;
    const bool afgegaan = telAf();
    if (na)
        uit = stand;
    return afgegaan;
}

bool Afteller::telTerug()
{
    if (heeftPauze())
        return false;
    const unsigned int vorige = stand++;
    if (vorige == grens)
        reset(bodem);
    return gaAfOpBodem();
}

bool Afteller::gaAfOpBodem()
{
    if (stand != bodem)
        return false;
    if (vlag(VlagAfgegaan))
        zetVlag(VlagEerderAfgegaan, true);
    zetVlag(VlagAfgegaan, true);
    if (!vlag(VlagHerhaling))
        return true;
    // Repeating: stand one above the bottom so that the next step goes off again.
    stand = bodem + 1;
    if (vlag(VlagGemeld) && !vlag(VlagElkeHerhalingMelden))
        return false;
    zetVlag(VlagGemeld, true);
    return true;
}

bool Afteller::isAfgegaan() const
{
    return vlag(VlagAfgegaan);
}

bool Afteller::isEerderAfgegaan() const
{
    return vlag(VlagEerderAfgegaan);
}

bool Afteller::isGebruikt() const
{
    return stand != grens || vlag(VlagAfgegaan);
}

unsigned int Afteller::geefGrens() const
{
    return grens;
}

unsigned int Afteller::geefStand() const
{
    return stand;
}

void Afteller::zetStand(unsigned int nieuw)
{
    if (nieuw < bodem)
        stand = bodem;
    else if (nieuw > grens)
        stand = grens;
    else
        stand = nieuw;
}

void Afteller::zetSpiegelStand(unsigned int spiegelStand)
{
    // Counted from the bottom: the span minus the mirrored position, in 64
    // bits so that no position wraps round.
    const long long span = static_cast<long long>(grens) - bodem;
    const long long stand64 = bodem + (span - static_cast<long long>(spiegelStand));
    zetStand(begrens32(stand64));
}

unsigned int Afteller::geefSpiegelStand() const
{
    const long long span = static_cast<long long>(grens) - bodem;
    const long long relatief = static_cast<long long>(stand) - bodem;
    return begrens32(span - relatief);
}

BegrensdGetal<int> Afteller::geefRelStand() const
{
    BegrensdGetal<int> procent{0, 100, 0};
    const long long span = static_cast<long long>(grens) - bodem;
    if (span <= 0)
        return procent;
    const long long relatief = static_cast<long long>(stand) - bodem;
    procent = static_cast<int>(std::clamp(relatief * 100 / span, 0LL, 100LL));
    return procent;
}

bool Afteller::vlag(Vlag welke) const
{
    return (vlaggen & welke) != 0;
}

void Afteller::zetVlag(Vlag welke, bool aan)
{
    if (aan)
        vlaggen |= welke;
    else
        vlaggen &= ~static_cast<unsigned int>(welke);
}

void Afteller::wisToestand()
{
    zetVlag(VlagGemeld, false);
    zetVlag(VlagAfgegaan, false);
    zetVlag(VlagEerderAfgegaan, false);
}

unsigned int Afteller::herlaadStand() const
{
    return std::max(grens, bodem);
}
