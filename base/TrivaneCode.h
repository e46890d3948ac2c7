#ifndef BASE_TRIVANECODE_H
#define BASE_TRIVANECODE_H

// How an operation went. Layers that return a plain int use the same values.
enum TrivaneCode : unsigned int
{
    kcOk = 0,
    kcWaarschuwing = 1,
    kcFout = 2,
    kcErnstig = 3,
    kcRampzalig = 4,
    kcOnbekend = 5,
    kcReserve = 6
};

// Joins the results of two steps: the first one that is not ok is the result.
TrivaneCode operator&&(TrivaneCode links, TrivaneCode rechts);

#endif
