#include "base/TrivaneBasisPerif.h"

TrivaneRTOS* TrivaneBasisPerif::perifOSPtr = nullptr;
TrivaneMicrocontroller* TrivaneBasisPerif::perifUCPtr = nullptr;

void TrivaneBasisPerif::zetOS(TrivaneRTOS* os)
{
    perifOSPtr = os;
}

TrivaneRTOS* TrivaneBasisPerif::geefOS()
{
    return perifOSPtr;
}

void TrivaneBasisPerif::zetMicroController(TrivaneMicrocontroller* processor)
{
    perifUCPtr = processor;
}

TrivaneMicrocontroller* TrivaneBasisPerif::geefProcessor()
{
    return perifUCPtr;
}
