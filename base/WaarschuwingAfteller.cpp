#include "base/WaarschuwingAfteller.h"

WaarschuwingAfteller::WaarschuwingAfteller(unsigned int grens, unsigned int waarschuwingsNiveau, Aktie aktie,
                                           Melding melding, unsigned int bodem)
    : Afteller(grens, aktie, melding, bodem), waarschuwingsNiveau(waarschuwingsNiveau)
{
}

WaarschuwingAfteller::Status WaarschuwingAfteller::telAfMetStatus()
{
    if (telAf())
        return Afgegaan;
    return geefStand() > waarschuwingsNiveau ? Rustig : Waarschuwing;
}

WaarschuwingAfteller::Status WaarschuwingAfteller::telAfMetStatus(unsigned int& stand)
{
    const Status status = telAfMetStatus();
    stand = geefStand();
    return status;
}
