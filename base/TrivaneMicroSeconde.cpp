#include "base/TrivaneMicroSeconde.h"

TrivaneMicroSeconde::TrivaneMicroSeconde(int waarde, bool omslaan)
    : TrivaneTijdEenheid(BegrensdBereik<int>{0, maximumWaarde}, waarde, MicroSeconden, omslaan)
{
}

TrivaneNanoSeconde TrivaneMicroSeconde::ns() const
{
    return TrivaneNanoSeconde(begrensTotInt(static_cast<long long>(huidig) * 1000));
}
