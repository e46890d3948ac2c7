#ifndef BASE_TRIVANEOPSLAGVALIDATOR_H
#define BASE_TRIVANEOPSLAGVALIDATOR_H

#include "base/TrivaneCode.h"

// The marker word of a stored record: whether it is fresh, already used, or
// holds something unknown.
class TrivaneOpslagValidator
{
public:
    static constexpr unsigned short gebruikt = 27115;
    static constexpr unsigned short geldig = 60192;

    explicit TrivaneOpslagValidator(unsigned short woord = 0);

    void zetGebruikt();
    // kcOk for a valid record, kcFout for a used one, kcWaarschuwing for any
    // other word.
    [[nodiscard]] TrivaneCode doeValidatie() const;

private:
    unsigned short woord;
};

#endif
