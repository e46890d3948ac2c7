#ifndef BASE_TRIVANEMINUUT_H
#define BASE_TRIVANEMINUUT_H

#include "base/TrivaneTijdEenheid.h"

// The minutes of an hour, 0 to 59.
class TrivaneMinuut : public TrivaneTijdEenheid
{
public:
    explicit TrivaneMinuut(int waarde = 0, bool omslaan = false);
    using TrivaneTijdEenheid::operator=;

    int inSeconden() const;
};

#endif
