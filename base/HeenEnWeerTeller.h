#ifndef BASE_HEENENWEERTELLER_H
#define BASE_HEENENWEERTELLER_H

#include "base/BegrensdBereik.h"

// Counts back and forth between two bounds: up to the maximum, down to the
// minimum, and up again.
class HeenEnWeerTeller
{
public:
    // A range given upside down is turned round.
    HeenEnWeerTeller(const BegrensdBereik<int>& bereik, unsigned long long start);
    explicit HeenEnWeerTeller(int maximum);

    // Back to 0 (kept within the range); the direction stays.
    void reset();
    int huidigeWaarde() const;
    // Takes one step and returns the value from before it.
    int ga();
    // Where moving by `aantal` with (volgende) or against (vorige) the
    // direction would end, without moving. With `reflecteer` a move past a
    // bound bounces back off it; the answer always lies in the range.
    int volgendeWaarde(bool reflecteer, int aantal) const;
    int vorigeWaarde(bool reflecteer, int aantal) const;
    void zetStapGrootte(unsigned int stap);
    unsigned int geefStapGrootte() const;
    void zetOffset(int offset);
    // 0 while counting up, 1 while counting down.
    unsigned int geefRichting() const;

private:
    int begrens(long long waarde) const;
    int waardeNa(bool reflecteer, long long beweging) const;

    BegrensdBereik<int> bereik;
    int waarde;
    bool omhoog;
    unsigned int stapGrootte;
};

#endif
