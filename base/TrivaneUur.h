#ifndef BASE_TRIVANEUUR_H
#define BASE_TRIVANEUUR_H

#include "base/TrivaneTijdEenheid.h"

// The hours of a day, 0 to 23.
class TrivaneUur : public TrivaneTijdEenheid
{
public:
    explicit TrivaneUur(int waarde = 0, bool omslaan = false);
    using TrivaneTijdEenheid::operator=;

    int inMinuten() const;
};

#endif
