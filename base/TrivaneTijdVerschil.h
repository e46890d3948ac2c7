#ifndef BASE_TRIVANETIJDVERSCHIL_H
#define BASE_TRIVANETIJDVERSCHIL_H

#include "base/TrivaneTijdstip.h"

class TrivaneTijd;

// The difference between two date-times: whole days between the dates and
// the size and sign of the difference between the times of day.
class TrivaneTijdVerschil
{
public:
    enum Polariteit : unsigned int
    {
        PolariteitGeen = 0,
        // The first date-time is later in the day.
        PolariteitPositief = 1,
        PolariteitNegatief = 2,
        PolariteitOnbekend = 3
    };

    TrivaneTijdVerschil(const TrivaneTijd& eerste, const TrivaneTijd& tweede);

    // Returns 0.
    int bereken(const TrivaneTijd& eerste, const TrivaneTijd& tweede);

    int geefDagenVerschil() const;
    // The whole difference in seconds, clamped to the int range.
    int geefSecondenVerschil() const;
    TrivaneTijdstip geefVerschil() const;
    Polariteit geefPolariteit() const;

private:
    int dagen;
    TrivaneTijdstip verschil;
    Polariteit polariteit;
};

#endif
