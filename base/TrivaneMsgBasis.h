#ifndef BASE_TRIVANEMSGBASIS_H
#define BASE_TRIVANEMSGBASIS_H

#include "base/TrivaneMsgBericht.h"

// A task message as the tasks build it, with one more value that every
// constructor sets to 1000.
class TrivaneMsgBasis : public TrivaneMsgBericht
{
public:
    // The task index that messages built here come from.
    static constexpr TaakIndex basisTaak = 2;

    explicit TrivaneMsgBasis(const TrivaneMsgBericht& bericht);
    // A message of that type to that task, at normal priority.
    TrivaneMsgBasis(TaakIndex ontvanger, TrivaneMsgType type);

    unsigned int geefExtraWaarde() const;

private:
    unsigned int extraWaarde;
};

#endif
