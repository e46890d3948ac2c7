#ifndef BASE_BEGRENSDBEREIK_H
#define BASE_BEGRENSDBEREIK_H

// A closed range, both bounds included. A plain value: a lower bound above
// the upper bound can be stored; whoever uses the range decides what it means.
template <typename T> struct BegrensdBereik
{
    T min;
    T max;
};

#endif
