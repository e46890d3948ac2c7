#include "base/TrivaneMicrocontroller.h"

#include "base/TrivaneRTOS.h"

TrivaneMicrocontroller::TrivaneMicrocontroller(TrivaneRTOS* os, const KlokFrequentie& klok) : os(os), klok(klok) {}

TrivaneMicrocontroller::~TrivaneMicrocontroller() = default;

TrivaneRTOS* TrivaneMicrocontroller::geefOS() const
{
    return os;
}

void TrivaneMicrocontroller::zetKlokFreqHz(unsigned int hertz)
{
    klok.zet(hertz, KlokFrequentie::Hz);
}

void TrivaneMicrocontroller::zetKlokFreqMHz(unsigned int megaHertz)
{
    klok.zet(megaHertz, KlokFrequentie::MHz);
}

void TrivaneMicrocontroller::zetKlokFreq(const KlokFrequentie& nieuw)
{
    klok = nieuw;
}

unsigned int TrivaneMicrocontroller::geefKlokFreqHz() const
{
    return klok.geef(KlokFrequentie::Hz);
}

unsigned int TrivaneMicrocontroller::geefKlokFreqMHz() const
{
    return klok.geefMHz();
}

KlokFrequentie TrivaneMicrocontroller::geefKlokFreq() const
{
    return klok;
}

void TrivaneMicrocontroller::wachtOSMilliSecs(unsigned short milliSecs) const
{
    if (os)
        os->wachtMilliSecs(milliSecs);
}

void TrivaneMicrocontroller::wachtOSSecs(unsigned int secs) const
{
    wachtOSMilliSecs(static_cast<unsigned short>(secs * 1000u));
}
