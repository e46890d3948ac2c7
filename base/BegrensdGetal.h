#ifndef BASE_BEGRENSDGETAL_H
#define BASE_BEGRENSDGETAL_H

// A number that stays within its closed range: every assignment clamps the
// value into [min, max], compared in T's own type. Built as an aggregate
// ({min, max, waarde}); the initial value is taken as given.
template <typename T> struct BegrensdGetal
{
    T min;
    T max;
    T waarde;

    BegrensdGetal& operator=(T nieuw)
    {
        if (nieuw < min)
            waarde = min;
        else if (nieuw > max)
            waarde = max;
        else
            waarde = nieuw;
        return *this;
    }
};

#endif
