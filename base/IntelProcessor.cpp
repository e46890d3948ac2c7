#include "base/IntelProcessor.h"

#include <cmath>

IntelProcessor::IntelProcessor(TrivaneRTOS* os) : TrivaneMicrocontroller(os, KlokFrequentie(1000000000u)) {}

void IntelProcessor::mac(float a, float b, float& accumulator) const
{
    accumulator = std::fma(a, b, accumulator);
}

void IntelProcessor::mac(short a, short b, short& accumulator) const
{
    const unsigned int som = static_cast<unsigned int>(a * b) + static_cast<unsigned short>(accumulator);
    accumulator = static_cast<short>(static_cast<unsigned short>(som));
}

void IntelProcessor::wachtMicroSecs(unsigned short, bool) {}

void IntelProcessor::wachtMilliSecs(unsigned short, bool) {}
