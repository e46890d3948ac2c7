#include "base/TrivaneOpslagValidator.h"

TrivaneOpslagValidator::TrivaneOpslagValidator(unsigned short woord) : woord(woord) {}

void TrivaneOpslagValidator::zetGebruikt()
{
    woord = gebruikt;
}

TrivaneCode TrivaneOpslagValidator::doeValidatie() const
{
    if (woord == gebruikt)
        return kcFout;
    if (woord == geldig)
        return kcOk;
    return kcWaarschuwing;
}
