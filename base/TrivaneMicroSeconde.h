#ifndef BASE_TRIVANEMICROSECONDE_H
#define BASE_TRIVANEMICROSECONDE_H

#include "base/TrivaneNanoSeconde.h"
#include "base/TrivaneTijdEenheid.h"

// Microseconds, 0 to 1,000,000.
class TrivaneMicroSeconde : public TrivaneTijdEenheid
{
public:
    static constexpr int maximumWaarde = 1000000;

    explicit TrivaneMicroSeconde(int waarde, bool omslaan = false);
    using TrivaneTijdEenheid::operator=;

    // The same time in nanoseconds.
    TrivaneNanoSeconde ns() const;
};

#endif
