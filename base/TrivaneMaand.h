#ifndef BASE_TRIVANEMAAND_H
#define BASE_TRIVANEMAAND_H

#include "base/TrivaneJaar.h"
#include "base/TrivaneMaandID.h"
#include "base/TrivaneString.h"
#include "base/TrivaneTijdEenheid.h"

// A month, 1 to 12, with its English short name and its length.
class TrivaneMaand : public TrivaneTijdEenheid
{
public:
    static const char* const maandNamen[12];
    // The lengths in a common year.
    static const int dagen[12];

    explicit TrivaneMaand(TrivaneMaandID id);
    explicit TrivaneMaand(int waarde);
    using TrivaneTijdEenheid::operator=;
    // Clamps; the over-limit flag stays as it was.
    TrivaneMaand& operator=(TrivaneMaandID id);

    TrivaneMaandID geefID() const;
    // A read-only view on the name, which lives as long as the program.
    TrivaneString geefNaam() const;
    int lengte(const TrivaneJaar& jaar) const;

private:
    // The table index of the month, also for a value from a borrowed range.
    int index() const;
};

#endif
