#ifndef BASE_TRIVANERTOS_H
#define BASE_TRIVANERTOS_H

#include "base/KlokFrequentie.h"
#include "base/Stand.h"

// The index of a task of the real-time OS.
using TaakIndex = unsigned short;

// The real-time OS under which the library's classes run on the embedded
// products. On the desktop there is no scheduler; the tick counter, tick
// length and busy tasks are process-wide.
class TrivaneRTOS
{
public:
    // The stack used before the OS takes over.
    struct PreRTOSStack
    {
        unsigned long long grootte;
        unsigned long long* adres;
        bool vlag;
    };

    TrivaneRTOS(unsigned long long* stack, unsigned long long stackGrootte);

    virtual void startOS() = 0;
    virtual bool initGedaan() const = 0;
    virtual bool looptOS() const = 0;
    virtual void schedulerOpSlot(Stand stand) = 0;
    virtual void wacht(unsigned long long ticks) const = 0;
    virtual void wachtMilliSecs(unsigned short milliSecs) const = 0;
    virtual void wachtSecs(unsigned int secs) const = 0;
    virtual unsigned long long wachtMinimumTijd() const = 0;
    virtual unsigned long long geefMinWachtTijd() const = 0;
    virtual TaakIndex geefHuidigeTaak() const = 0;
    virtual ~TrivaneRTOS();

    PreRTOSStack geefPreRTOSStack() const;

    static void verhoogSysTickTeller();
    static void resetSysTickTeller();
    static void zetSysTickMillisecs(unsigned short milliSecs);
    // One tick lasts 1000 / frequency ms (whole ms; 0 Hz gives 0).
    static void zetSysTickHz(const KlokFrequentie& frequentie);
    static unsigned short geefSysTickGrootte();
    static unsigned int geefSystickMSecsStand();
    static bool OSInterruptAktief();
    static bool OSInterruptNestingAktief();

    // Busy tasks, one bit per task (index taken modulo 32).
    static void bezig(TaakIndex taak);
    static void nietBezig(TaakIndex taak);
    static bool isBezig(TaakIndex taak);
    static bool overigeTakenRustig(TaakIndex taak);
    static bool zijnAlleTakenRustig();

private:
    static unsigned int taakBit(TaakIndex taak);

    unsigned long long* preRTOSStack;
    unsigned long long preRTOSStackGrootte;

    static unsigned int bezigStatus;
    static unsigned int sysTickTeller;
    static unsigned short sysTickGrootte;
};

#endif
