#ifndef BASE_INTELPROCESSOR_H
#define BASE_INTELPROCESSOR_H

#include "base/TrivaneMicrocontroller.h"

// The desktop's processor: a 1 GHz clock, and waits that return at once.
class IntelProcessor : public TrivaneMicrocontroller
{
public:
    explicit IntelProcessor(TrivaneRTOS* os);

    // One fused multiply-add.
    void mac(float a, float b, float& accumulator) const override;
    // In 16-bit arithmetic, wrapping as the embedded processors do.
    void mac(short a, short b, short& accumulator) const override;
    void wachtMicroSecs(unsigned short microSecs, bool blokkeer) override;
    void wachtMilliSecs(unsigned short milliSecs, bool blokkeer) override;
};

#endif
