#ifndef BASE_TRIVANETIJDEENHEID_H
#define BASE_TRIVANETIJDEENHEID_H

#include "base/BegrensdBereik.h"

// A count of one time unit that lives inside a fixed range. A value from
// outside either clamps to the nearest bound or wraps around the range by its
// period, as often as needed; the over-limit flag records that a value from
// outside was met until overGrens() reads it.
//
// The period of a range that starts at 0 or 1 is its width (0..59 wraps by 60,
// 1..12 by 12). A range that starts below 0 (the year's) wraps by its maximum,
// so that a year past 9999 starts counting again from the first years.
class TrivaneTijdEenheid
{
public:
    enum TijdEenheid : unsigned int
    {
        NanoSeconden = 0,
        MicroSeconden = 1,
        MilliSeconden = 2,
        Seconden = 3,
        Minuten = 4,
        Uren = 5,
        DagVanMaand = 6,
        Maanden = 7,
        Jaren = 8,
        Weekdagen = 9
    };

    // With `omslaan` a value from outside wraps, else it is clamped.
    TrivaneTijdEenheid(const BegrensdBereik<int>& bereik, int waarde, TijdEenheid soort, bool omslaan);
    TrivaneTijdEenheid(const TrivaneTijdEenheid& ander) = default;

    // The wrapped form of the candidate; the stored value stays.
    int normaliseer(long long kandidaat);
    // Takes the other unit's range, value and flag; the kind stays.
    TrivaneTijdEenheid& operator=(const TrivaneTijdEenheid& ander);
    TrivaneTijdEenheid& operator=(int waarde);
    // The value clamped into this unit's own range; the flag stays.
    void zetBinnenBereik(long long waarde);

    bool operator==(const TrivaneTijdEenheid& ander) const;
    bool operator!=(const TrivaneTijdEenheid& ander) const;
    bool operator==(int waarde) const;
    bool operator!=(int waarde) const;

    // Each returns true when the unit wrapped.
    bool operator++(int);
    bool operator--(int);
    bool operator+=(int stap);
    bool operator-=(int stap);
    bool operator+=(const TrivaneTijdEenheid& ander);
    bool operator-=(const TrivaneTijdEenheid& ander);

    // Results that leave this unit as it is: sums wrap, products and
    // quotients clamp (a divisor of 0 gives 0).
    int operator+(int stap) const;
    int operator-(int stap) const;
    int operator*(int factor) const;
    int operator/(int deler) const;
    TrivaneTijdEenheid operator+(const TrivaneTijdEenheid& ander) const;
    TrivaneTijdEenheid operator-(const TrivaneTijdEenheid& ander) const;
    TrivaneTijdEenheid operator*(const TrivaneTijdEenheid& ander) const;
    TrivaneTijdEenheid operator/(const TrivaneTijdEenheid& ander) const;

    // Moves the value by `stap`, wrapping as often as needed, and returns how
    // many whole periods it wrapped (negative when it wrapped downward): the
    // carry into the next larger unit.
    long long verschuif(long long stap);

    // Returns the over-limit flag and clears it.
    bool overGrens();
    unsigned int uwaarde() const;
    int waarde() const;
    int geefMinimum() const;
    int geefMaximum() const;
    TijdEenheid geefSoort() const;

    // A 64-bit result brought back into an int, clamped at its ends.
    static int begrensTotInt(long long waarde);

protected:
    // A new range; a value outside it is clamped into it (and flagged).
    void zetBereik(const BegrensdBereik<int>& bereik);
    int begrens(long long kandidaat) const;
    // The wrapped form of the candidate and the number of periods it wrapped.
    int omslag(long long kandidaat, long long& perioden) const;

    int minimum;
    int maximum;
    int huidig;
    TijdEenheid soort;
    bool overGrensVlag;
};

#endif
