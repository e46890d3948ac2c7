#include "base/TrivaneMilliSeconde.h"

#include <algorithm>

TrivaneMilliSeconde::TrivaneMilliSeconde(int waarde)
    : TrivaneTijdEenheid(BegrensdBereik<int>{0, std::max(waarde, standaardMaximum)}, waarde, MilliSeconden, false)
{
}

TrivaneMicroSeconde TrivaneMilliSeconde::us() const
{
    return TrivaneMicroSeconde(begrensTotInt(static_cast<long long>(huidig) * 1000));
}
