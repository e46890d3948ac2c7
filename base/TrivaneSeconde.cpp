#include "base/TrivaneSeconde.h"

TrivaneSeconde::TrivaneSeconde(int waarde, bool omslaan)
    : TrivaneTijdEenheid(BegrensdBereik<int>{0, 59}, waarde, Seconden, omslaan)
{
}

TrivaneSeconde::TrivaneSeconde(const TrivaneMicroSeconde& micro) : TrivaneSeconde(micro.waarde() / 1000000, true) {}

TrivaneSeconde::TrivaneSeconde(const TrivaneMilliSeconde& milli) : TrivaneSeconde(milli.waarde() / 1000, true) {}

TrivaneMilliSeconde TrivaneSeconde::ms() const
{
    return TrivaneMilliSeconde(begrensTotInt(static_cast<long long>(huidig) * 1000));
}
