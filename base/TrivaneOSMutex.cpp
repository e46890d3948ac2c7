#include "base/TrivaneOSMutex.h"

#include "base/TrivaneCode.h"

TrivaneOSMutex::TrivaneOSMutex(const TrivaneCString&) {}

void* TrivaneOSMutex::geefMutex() const
{
    return nullptr;
}

int TrivaneOSMutex::neem(unsigned long long)
{
    return kcOk;
}

int TrivaneOSMutex::neemMilliSecs(unsigned long long)
{
    return kcOk;
}

int TrivaneOSMutex::geef()
{
    return kcOk;
}

bool TrivaneOSMutex::inGebruik() const
{
    return false;
}

int TrivaneOSMutex::check() const
{
    // There is no OS object behind the mutex on the desktop to check.
    return kcWaarschuwing;
}
