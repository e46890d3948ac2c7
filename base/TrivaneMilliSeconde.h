#ifndef BASE_TRIVANEMILLISECONDE_H
#define BASE_TRIVANEMILLISECONDE_H

#include "base/TrivaneMicroSeconde.h"
#include "base/TrivaneTijdEenheid.h"

// Milliseconds, 0 to at least 1000: a count built above 1000 raises the
// maximum to itself, so a duration in milliseconds is never cut from above.
class TrivaneMilliSeconde : public TrivaneTijdEenheid
{
public:
    static constexpr int standaardMaximum = 1000;

    explicit TrivaneMilliSeconde(int waarde);
    using TrivaneTijdEenheid::operator=;

    // The same time in microseconds, clamped to their range.
    TrivaneMicroSeconde us() const;
};

#endif
