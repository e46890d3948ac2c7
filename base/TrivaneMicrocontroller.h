#ifndef BASE_TRIVANEMICROCONTROLLER_H
#define BASE_TRIVANEMICROCONTROLLER_H

#include "base/KlokFrequentie.h"

class TrivaneRTOS;

// The processor the library's peripherals run on, under its OS.
class TrivaneMicrocontroller
{
public:
    TrivaneMicrocontroller(TrivaneRTOS* os, const KlokFrequentie& klok);
    virtual ~TrivaneMicrocontroller();

    // Multiply and accumulate: accumulator = a x b + accumulator.
    virtual void mac(float a, float b, float& accumulator) const = 0;
    virtual void mac(short a, short b, short& accumulator) const = 0;
    virtual void wachtMicroSecs(unsigned short microSecs, bool blokkeer) = 0;
    virtual void wachtMilliSecs(unsigned short milliSecs, bool blokkeer) = 0;

    TrivaneRTOS* geefOS() const;
    void zetKlokFreqHz(unsigned int hertz);
    void zetKlokFreqMHz(unsigned int megaHertz);
    void zetKlokFreq(const KlokFrequentie& nieuw);
    unsigned int geefKlokFreqHz() const;
    unsigned int geefKlokFreqMHz() const;
    KlokFrequentie geefKlokFreq() const;
    // Waits through the OS; nothing without one.
    void wachtOSMilliSecs(unsigned short milliSecs) const;
    // The OS waits in 16-bit milliseconds, so up to 65 seconds.
    void wachtOSSecs(unsigned int secs) const;

protected:
    TrivaneRTOS* os;
    KlokFrequentie klok;
};

#endif
