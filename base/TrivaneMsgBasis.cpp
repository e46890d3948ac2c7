#include "base/TrivaneMsgBasis.h"

namespace
{
constexpr unsigned int beginWaarde = 1000;
}

TrivaneMsgBasis::TrivaneMsgBasis(const TrivaneMsgBericht& bericht)
    : TrivaneMsgBericht(bericht), extraWaarde(beginWaarde)
{
}

TrivaneMsgBasis::TrivaneMsgBasis(TaakIndex ontvanger, TrivaneMsgType type) : extraWaarde(beginWaarde)
{
    zetType(type);
    zetZender(basisTaak);
    zetOntvanger(ontvanger);
    zetPrioriteit(PrioriteitNormaal);
}

unsigned int TrivaneMsgBasis::geefExtraWaarde() const
{
    return extraWaarde;
}
