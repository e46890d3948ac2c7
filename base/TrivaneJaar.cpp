#include "base/TrivaneJaar.h"

TrivaneJaar::TrivaneJaar(int waarde, bool tweeCijfers)
    : TrivaneTijdEenheid(BegrensdBereik<int>{minimumJaar, maximumJaar},
                         tweeCijfers && waarde < 100 ? TrivaneTijdEenheid::begrensTotInt(waarde + 2000LL) : waarde,
                         Jaren, true)
{
}

bool TrivaneJaar::schrikkel() const
{
    return huidig % 4 == 0 && (huidig % 100 != 0 || huidig % 400 == 0);
}

int TrivaneJaar::aantalDagen() const
{
    return schrikkel() ? 366 : 365;
}

int TrivaneJaar::lengte(const TrivaneJaar& jaar)
{
    return jaar.aantalDagen();
}

int TrivaneJaar::geefEeuwJaartal() const
{
    return (huidig % 100 + 100) % 100;
}
