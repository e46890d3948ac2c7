#include "base/BlijfTijdAktiefAfteller.h"

BlijfTijdAktiefAfteller::BlijfTijdAktiefAfteller(unsigned int grens, unsigned int aktiefTicks, Aktie aktie,
                                                 unsigned int bodem)
    : Afteller(grens, aktie, MeldEenmaal, bodem), toestand(NetGebouwd), aktiefTeller(aktiefTicks, Eenmalig, MeldEenmaal)
{
}

bool BlijfTijdAktiefAfteller::telAfMetAktief()
{
    switch (toestand)
    {
    case Tellend:
        if (!Afteller::telAf())
            return false;
        toestand = AktiefNaAfgaan;
        return true;
    case AktiefNaAfgaan:
        if (!aktiefTeller.telAf())
            return true;
        toestand = Tellend;
        return false;
    case NetGebouwd:
        break;
    }
    toestand = Tellend;
    return false;
}

bool BlijfTijdAktiefAfteller::telAfMetAktief(unsigned int& stand)
{
    const Toestand was = toestand;
    const bool aktief = telAfMetAktief();
    if (was == Tellend)
        stand = geefStand();
    else if (was == AktiefNaAfgaan)
        stand = aktiefTeller.geefStand();
    else
        stand = 0;
    return aktief;
}

bool BlijfTijdAktiefAfteller::isAfgegaanEnAktief() const
{
    return toestand == AktiefNaAfgaan;
}

void BlijfTijdAktiefAfteller::reset()
{
    Afteller::reset();
    toestand = Tellend;
}

void BlijfTijdAktiefAfteller::reset(unsigned int ticks, unsigned int aktiefTicks)
{
    Afteller::reset(ticks);
    aktiefTeller.reset(aktiefTicks);
    toestand = Tellend;
}
