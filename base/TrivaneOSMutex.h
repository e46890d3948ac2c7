#ifndef BASE_TRIVANEOSMUTEX_H
#define BASE_TRIVANEOSMUTEX_H

#include "base/SimpelRTOS.h"
#include "base/TrivaneCString.h"
#include "base/TrivaneOSElement.h"

// A mutex of the OS. On the desktop there is no OS mutex behind it: every
// take and give succeeds at once and it is never in use.
class TrivaneOSMutex : public TrivaneOSElement<SimpelRTOS>
{
public:
    explicit TrivaneOSMutex(const TrivaneCString& naam = TrivaneCString());

    // The OS's own mutex object; none on the desktop.
    void* geefMutex() const;
    [[nodiscard]] int neem(unsigned long long timeOut);
    [[nodiscard]] int neemMilliSecs(unsigned long long milliSecs);
    [[nodiscard]] int geef();
    bool inGebruik() const;
    [[nodiscard]] int check() const;
};

#endif
