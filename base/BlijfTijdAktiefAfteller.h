#ifndef BASE_BLIJFTIJDAKTIEFAFTELLER_H
#define BASE_BLIJFTIJDAKTIEFAFTELLER_H

#include "base/Afteller.h"

// A countdown that stays active for a second, shorter count after it went
// off: it then reports true until that count has run out too.
class BlijfTijdAktiefAfteller : public Afteller
{
public:
    // `aktiefTicks` is the length of the active time; zero counts as one.
    BlijfTijdAktiefAfteller(unsigned int grens, unsigned int aktiefTicks, Aktie aktie, unsigned int bodem);

    // One step: true on the step it goes off and while it stays active after.
    bool telAfMetAktief();
    // The same; writes the count of the countdown that was running (0 for a
    // counter that had not stepped yet).
    bool telAfMetAktief(unsigned int& stand);
    bool isAfgegaanEnAktief() const;

    void reset();
    void reset(unsigned int ticks, unsigned int aktiefTicks);

private:
    enum Toestand : unsigned int
    {
        Tellend = 0,
        AktiefNaAfgaan = 1,
        NetGebouwd = 2
    };

    Toestand toestand;
    Afteller aktiefTeller;
};

#endif
