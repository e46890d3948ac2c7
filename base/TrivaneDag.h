#ifndef BASE_TRIVANEDAG_H
#define BASE_TRIVANEDAG_H

#include "base/TrivaneJaar.h"
#include "base/TrivaneMaand.h"
#include "base/TrivaneTijdEenheid.h"

// A day of the month: 1 to 31, or 1 to the length of a given month.
class TrivaneDag : public TrivaneTijdEenheid
{
public:
    static constexpr int maximumDag = 31;

    explicit TrivaneDag(int waarde);
    TrivaneDag(int waarde, const TrivaneMaand& maand, const TrivaneJaar& jaar);
    using TrivaneTijdEenheid::operator=;

    // The range of that month in that year. A day past its end is brought
    // back to the month's last day (and flagged), so that no day ever lies
    // beyond its month.
    void zetGrenzen(const TrivaneMaand& maand, const TrivaneJaar& jaar);
};

#endif
