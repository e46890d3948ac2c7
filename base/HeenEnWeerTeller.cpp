#include "base/HeenEnWeerTeller.h"

#include <algorithm>
#include <limits>

namespace
{
BegrensdBereik<int> opOrde(const BegrensdBereik<int>& bereik)
{
    return {std::min(bereik.min, bereik.max), std::max(bereik.min, bereik.max)};
}
} // namespace

HeenEnWeerTeller::HeenEnWeerTeller(const BegrensdBereik<int>& bereik, unsigned long long start)
    : bereik(opOrde(bereik)), waarde(0), omhoog(true), stapGrootte(1)
{
    const unsigned long long grootste = std::numeric_limits<long long>::max();
    waarde = begrens(static_cast<long long>(std::min(start, grootste)));
}

HeenEnWeerTeller::HeenEnWeerTeller(int maximum) : HeenEnWeerTeller(BegrensdBereik<int>{0, maximum}, 0) {}

void HeenEnWeerTeller::reset()
{
    waarde = begrens(0);
}

int HeenEnWeerTeller::huidigeWaarde() const
{
    return waarde;
}

int HeenEnWeerTeller::ga()
{
    const int vorige = waarde;
    if (omhoog)
    {
        waarde = begrens(static_cast<long long>(waarde) + stapGrootte);
        if (waarde == bereik.max)
            omhoog = false;
    }
    else
    {
        waarde = begrens(static_cast<long long>(waarde) - stapGrootte);
        if (waarde == bereik.min)
            omhoog = true;
    }
    return vorige;
}

int HeenEnWeerTeller::volgendeWaarde(bool reflecteer, int aantal) const
{
    return waardeNa(reflecteer, omhoog ? static_cast<long long>(aantal) : -static_cast<long long>(aantal));
}

int HeenEnWeerTeller::vorigeWaarde(bool reflecteer, int aantal) const
{
    return waardeNa(reflecteer, omhoog ? -static_cast<long long>(aantal) : static_cast<long long>(aantal));
}

int HeenEnWeerTeller::waardeNa(bool reflecteer, long long beweging) const
{
    long long doel = waarde + beweging;
    if (reflecteer)
    {
        // One bounce; a move longer than the range ends at the far bound.
        if (doel > bereik.max)
            doel = 2LL * bereik.max - doel;
        else if (doel < bereik.min)
            doel = 2LL * bereik.min - doel;
    }
    return begrens(doel);
}

void HeenEnWeerTeller::zetStapGrootte(unsigned int stap)
{
    stapGrootte = stap;
}

unsigned int HeenEnWeerTeller::geefStapGrootte() const
{
    return stapGrootte;
}

void HeenEnWeerTeller::zetOffset(int offset)
{
    waarde = begrens(static_cast<long long>(waarde) + offset);
}

unsigned int HeenEnWeerTeller::geefRichting() const
{
    return omhoog ? 0 : 1;
}

int HeenEnWeerTeller::begrens(long long kandidaat) const
{
    return static_cast<int>(std::clamp<long long>(kandidaat, bereik.min, bereik.max));
}
