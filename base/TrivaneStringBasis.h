#ifndef BASE_TRIVANESTRINGBASIS_H
#define BASE_TRIVANESTRINGBASIS_H

// The choices that the string operations take, kept apart so that callers can
// name them without pulling in the whole string.
struct TrivaneStringBasis
{
    // Where a copy lands in a buffer that is filled with spaces.
    enum Uitlijning : unsigned int
    {
        Links = 0,
        Midden = 1,
        Rechts = 2
    };

    // Search direction: forward from the first character; every other value
    // searches backward from the last.
    enum Richting : unsigned int
    {
        Vooruit = 0,
        Achteruit = 1
    };

    // The decimal separator that the string's printf writes.
    enum KommaPuntKeuze : unsigned int
    {
        KeuzePunt = 0,
        KeuzeKomma = 1,
        KeuzeStandaard = 2
    };
};

#endif
