#ifndef BASE_TRIVANESECONDE_H
#define BASE_TRIVANESECONDE_H

#include "base/TrivaneMicroSeconde.h"
#include "base/TrivaneMilliSeconde.h"
#include "base/TrivaneTijdEenheid.h"

// The seconds of a minute, 0 to 59.
class TrivaneSeconde : public TrivaneTijdEenheid
{
public:
    explicit TrivaneSeconde(int waarde = 0, bool omslaan = false);
    // The whole seconds of a finer count, wrapped into the minute.
    explicit TrivaneSeconde(const TrivaneMicroSeconde& micro);
    explicit TrivaneSeconde(const TrivaneMilliSeconde& milli);
    using TrivaneTijdEenheid::operator=;

    TrivaneMilliSeconde ms() const;
};

#endif
