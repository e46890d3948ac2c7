#ifndef BASE_TRIVANEOSSEMAFOOR_H
#define BASE_TRIVANEOSSEMAFOOR_H

#include "base/SimpelRTOS.h"
#include "base/TrivaneCString.h"
#include "base/TrivaneOSElement.h"

// A semaphore of the OS. The desktop has one task, so every take and give
// succeeds at once and nothing is kept; the name is for the embedded OS.
class TrivaneOSSemafoor : public TrivaneOSElement<SimpelRTOS>
{
public:
    TrivaneOSSemafoor(unsigned long long aantal, const TrivaneCString& naam);
    TrivaneOSSemafoor(SemafoorStand stand, const TrivaneCString& naam);

    [[nodiscard]] int neem(unsigned long long timeOut);
    [[nodiscard]] int geef();
    [[nodiscard]] int check() const;
};

#endif
