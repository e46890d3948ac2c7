#include "base/SimpelRTOS.h"

unsigned short SimpelRTOS::simpelSem = 0;

SimpelRTOS::SimpelRTOS(unsigned long long* stack, unsigned long long stackGrootte) : TrivaneRTOS(stack, stackGrootte) {}

void SimpelRTOS::startOS() {}

bool SimpelRTOS::initGedaan() const
{
    return true;
}

bool SimpelRTOS::looptOS() const
{
    return true;
}

void SimpelRTOS::schedulerOpSlot(Stand) {}

void SimpelRTOS::wacht(unsigned long long) const {}

void SimpelRTOS::wachtMilliSecs(unsigned short) const {}

void SimpelRTOS::wachtSecs(unsigned int) const {}

unsigned long long SimpelRTOS::wachtMinimumTijd() const
{
    const unsigned long long tijd = geefMinWachtTijd();
    wacht(tijd);
    return tijd;
}

unsigned long long SimpelRTOS::geefMinWachtTijd() const
{
    return 1;
}

TaakIndex SimpelRTOS::geefHuidigeTaak() const
{
    return geenTaak;
}

void SimpelRTOS::resetSemafoor()
{
    simpelSem = 0;
}

void SimpelRTOS::zetSemafoor(unsigned short bits)
{
    simpelSem = static_cast<unsigned short>(simpelSem | bits);
}

void SimpelRTOS::geefSemafoor(unsigned short bits)
{
    simpelSem = static_cast<unsigned short>(simpelSem & ~bits);
}

bool SimpelRTOS::testSemafoor(unsigned short bits)
{
    return (simpelSem & bits) != 0;
}

unsigned short SimpelRTOS::verwerkSemafoor()
{
    if (simpelSem == 0)
        return 0;
    const unsigned short laagste = static_cast<unsigned short>(simpelSem & -simpelSem);
    geefSemafoor(laagste);
    return laagste;
}
