#ifndef BASE_TRIVANENANOSECONDE_H
#define BASE_TRIVANENANOSECONDE_H

#include "base/TrivaneTijdEenheid.h"

// Nanoseconds, 0 to 1,000,000,000: the maximum is a whole second itself.
class TrivaneNanoSeconde : public TrivaneTijdEenheid
{
public:
    static constexpr int maximumWaarde = 1000000000;

    explicit TrivaneNanoSeconde(int waarde, bool omslaan = false);
    using TrivaneTijdEenheid::operator=;
};

#endif
