#include "base/TrivaneMinuut.h"

TrivaneMinuut::TrivaneMinuut(int waarde, bool omslaan)
    : TrivaneTijdEenheid(BegrensdBereik<int>{0, 59}, waarde, Minuten, omslaan)
{
}

int TrivaneMinuut::inSeconden() const
{
    return begrensTotInt(static_cast<long long>(huidig) * 60);
}
