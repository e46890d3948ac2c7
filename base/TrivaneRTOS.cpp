#include "base/TrivaneRTOS.h"

unsigned int TrivaneRTOS::bezigStatus = 0;
unsigned int TrivaneRTOS::sysTickTeller = 0;
unsigned short TrivaneRTOS::sysTickGrootte = 0;

TrivaneRTOS::TrivaneRTOS(unsigned long long* stack, unsigned long long stackGrootte)
    : preRTOSStack(stack), preRTOSStackGrootte(stackGrootte)
{
    bezigStatus = 0;
    sysTickGrootte = 0;
    sysTickTeller = 0;
}

TrivaneRTOS::~TrivaneRTOS() = default;

TrivaneRTOS::PreRTOSStack TrivaneRTOS::geefPreRTOSStack() const
{
    return PreRTOSStack{preRTOSStackGrootte, preRTOSStack, false};
}

void TrivaneRTOS::verhoogSysTickTeller()
{
    ++sysTickTeller;
}

void TrivaneRTOS::resetSysTickTeller()
{
    sysTickTeller = 0;
}

void TrivaneRTOS::zetSysTickMillisecs(unsigned short milliSecs)
{
    sysTickGrootte = milliSecs;
}

void TrivaneRTOS::zetSysTickHz(const KlokFrequentie& frequentie)
{
    const unsigned int hertz = frequentie.geef(KlokFrequentie::Hz);
    sysTickGrootte = hertz == 0 ? 0 : static_cast<unsigned short>(1000u / hertz);
}

unsigned short TrivaneRTOS::geefSysTickGrootte()
{
    return sysTickGrootte;
}

unsigned int TrivaneRTOS::geefSystickMSecsStand()
{
    return sysTickTeller * sysTickGrootte;
}

bool TrivaneRTOS::OSInterruptAktief()
{
    return false;
}

bool TrivaneRTOS::OSInterruptNestingAktief()
{
    return false;
}

unsigned int TrivaneRTOS::taakBit(TaakIndex taak)
{
    return 1u << (taak % 32u);
}

void TrivaneRTOS::bezig(TaakIndex taak)
{
    bezigStatus |= taakBit(taak);
}

void TrivaneRTOS::nietBezig(TaakIndex taak)
{
    bezigStatus &= ~taakBit(taak);
}

bool TrivaneRTOS::isBezig(TaakIndex taak)
{
    return (bezigStatus & taakBit(taak)) != 0;
}

bool TrivaneRTOS::overigeTakenRustig(TaakIndex taak)
{
    return (bezigStatus & ~taakBit(taak)) == 0;
}

bool TrivaneRTOS::zijnAlleTakenRustig()
{
    return bezigStatus == 0;
}
