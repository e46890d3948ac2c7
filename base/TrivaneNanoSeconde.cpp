#include "base/TrivaneNanoSeconde.h"

TrivaneNanoSeconde::TrivaneNanoSeconde(int waarde, bool omslaan)
    : TrivaneTijdEenheid(BegrensdBereik<int>{0, maximumWaarde}, waarde, NanoSeconden, omslaan)
{
}
