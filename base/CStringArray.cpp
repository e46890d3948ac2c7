#include "base/CStringArray.h"

#include <algorithm>

CStringArray::CStringArray(TrivaneCString* items, unsigned long long aantal, unsigned long long minimumAantal)
    : items(items), aantal(std::max(aantal, minimumAantal)), minimumAantal(minimumAantal)
{
}

unsigned long long CStringArray::geefAantal() const
{
    return aantal;
}

void CStringArray::zetAantal(unsigned long long nieuw)
{
    aantal = std::max(nieuw, minimumAantal);
}
