#include "base/KlokFrequentie.h"

KlokFrequentie::KlokFrequentie(unsigned int hertz) : hertz(hertz) {}

unsigned int KlokFrequentie::factor(Bereik bereik)
{
    static const unsigned int factoren[4] = {1u, 1000u, 1000000u, 1000000000u};
    return bereik <= GHz ? factoren[bereik] : 1u;
}

unsigned int KlokFrequentie::geef(Bereik bereik) const
{
    return hertz / factor(bereik);
}

unsigned int KlokFrequentie::geefkHz() const
{
    return geef(kHz);
}

unsigned int KlokFrequentie::geefMHz() const
{
    return geef(MHz);
}

void KlokFrequentie::zet(unsigned int waarde, Bereik bereik)
{
    hertz = waarde * factor(bereik);
}

KlokFrequentie& KlokFrequentie::operator=(unsigned int waarde)
{
    if (waarde < 1000u)
        zet(waarde, MHz);
    else if (waarde < 1000000u)
        zet(waarde, kHz);
    else
        zet(waarde, Hz);
    return *this;
}

bool KlokFrequentie::isGeldig() const
{
    return hertz != 0;
}
