#ifndef BASE_TRIVANEBASISPERIF_H
#define BASE_TRIVANEBASISPERIF_H

#include "base/TrivaneCString.h"
#include "base/TrivaneOSMutex.h"
#include "base/TrivaneRTOS.h"

class TrivaneMicrocontroller;

// How a peripheral is doing: operational and functional status, 8 bits each.
using OpStatus = unsigned char;
using FunkStatus = unsigned char;

// The base of every peripheral: an identifier, an interface that one task at
// a time holds, and its statuses. All peripherals share one OS and one
// processor, which the application registers once at start; both are null
// until then, and every wait does nothing without them.
class TrivaneBasisPerif
{
public:
    static constexpr OpStatus opStatusBegin = 11;
    static constexpr FunkStatus funkStatusBegin = 5;
    // Both statuses after a failed take or release of the interface.
    static constexpr unsigned char statusFout = 2;
    static constexpr TaakIndex geenHouder = 0xFFFF;

    // The name is for the embedded products; the desktop does not keep it.
    TrivaneBasisPerif(unsigned long long id, const TrivaneCString& naam, unsigned short toegangTimeOut);

    static void zetOS(TrivaneRTOS* os);
    static TrivaneRTOS* geefOS();
    static void zetMicroController(TrivaneMicrocontroller* processor);
    static TrivaneMicrocontroller* geefProcessor();

    unsigned long long geefID() const;
    void zetOpStatus(OpStatus status);
    OpStatus geefOpStatus() const;
    void zetFunkStatus(FunkStatus status);
    FunkStatus geefFunkStatus() const;
    void zetToegangTimeOut(unsigned short milliSecs);
    unsigned short geefToegangTimeOut() const;

    // Through the OS while it runs; nothing without one.
    static void wachtOSMilliSecs(unsigned short milliSecs);
    static void wachtHWMicroSecs(unsigned short microSecs, bool blokkeer);
    static void wachtHWMilliSecs(unsigned short milliSecs, bool blokkeer);
    // Through the OS while it runs, else through the processor.
    static void wachtMilliSecs(unsigned short milliSecs);

    // Takes the interface for the running task, waiting at most the access
    // time-out; returns the mutex's result.
    [[nodiscard]] int neemInterface();
    [[nodiscard]] int geefInterface();
    bool interfaceInGebruik() const;
    TaakIndex geefInterfaceHouder() const;

private:
    static TrivaneRTOS* perifOSPtr;
    static TrivaneMicrocontroller* perifUCPtr;

    unsigned long long id;
    unsigned short toegangTimeOut;
    OpStatus opStatus;
    FunkStatus funkStatus;
    TaakIndex interfaceHouder;
    TrivaneOSMutex interfaceMutex;
};

#endif
