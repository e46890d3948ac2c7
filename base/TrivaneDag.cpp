#include "base/TrivaneDag.h"

TrivaneDag::TrivaneDag(int waarde) : TrivaneTijdEenheid(BegrensdBereik<int>{1, maximumDag}, waarde, DagVanMaand, false)
{
}

TrivaneDag::TrivaneDag(int waarde, const TrivaneMaand& maand, const TrivaneJaar& jaar)
    : TrivaneTijdEenheid(BegrensdBereik<int>{1, maand.lengte(jaar)}, waarde, DagVanMaand, false)
{
}

void TrivaneDag::zetGrenzen(const TrivaneMaand& maand, const TrivaneJaar& jaar)
{
    zetBereik(BegrensdBereik<int>{1, maand.lengte(jaar)});
}
