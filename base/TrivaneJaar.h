#ifndef BASE_TRIVANEJAAR_H
#define BASE_TRIVANEJAAR_H

#include "base/TrivaneTijdEenheid.h"

// A year of the proleptic Gregorian calendar, -9999 to 9999. A year from
// outside wraps (by 9999: 10005 becomes 6), it is never clamped.
class TrivaneJaar : public TrivaneTijdEenheid
{
public:
    static constexpr int minimumJaar = -9999;
    static constexpr int maximumJaar = 9999;

    // With `tweeCijfers` a year below 100 is taken as one of this century.
    explicit TrivaneJaar(int waarde, bool tweeCijfers = false);
    using TrivaneTijdEenheid::operator=;

    // The Gregorian rule, the same for year 0 and the years before it.
    bool schrikkel() const;
    int aantalDagen() const;
    static int lengte(const TrivaneJaar& jaar);
    // The last two digits, 0 to 99 (for a year before 1 as well: -5 gives 95).
    int geefEeuwJaartal() const;
};

#endif
