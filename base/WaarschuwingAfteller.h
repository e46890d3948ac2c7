#ifndef BASE_WAARSCHUWINGAFTELLER_H
#define BASE_WAARSCHUWINGAFTELLER_H

#include "base/Afteller.h"

// A countdown that also warns once its count comes down to a warning level.
class WaarschuwingAfteller : public Afteller
{
public:
    // What a step reports.
    enum Status : unsigned int
    {
        Afgegaan = 0,
        Waarschuwing = 1,
        Rustig = 2
    };

    WaarschuwingAfteller(unsigned int grens, unsigned int waarschuwingsNiveau, Aktie aktie, Melding melding,
                         unsigned int bodem);

    // One step down: gone off, at or below the warning level, or above it.
    Status telAfMetStatus();
    // The same; the count after the step is written out.
    Status telAfMetStatus(unsigned int& stand);

private:
    unsigned int waarschuwingsNiveau;
};

#endif
