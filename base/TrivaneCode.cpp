#include "base/TrivaneCode.h"

TrivaneCode operator&&(TrivaneCode links, TrivaneCode rechts)
{
    return links != kcOk ? links : rechts;
}
