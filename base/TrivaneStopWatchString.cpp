#include "base/TrivaneStopWatchString.h"

#include <cstring>

TrivaneStopWatchString::TrivaneStopWatchString(const TrivaneStopWatch& stopWatch)
    : TrivaneString(buffer, bufferGrootte, '\0', true), buffer(), stopWatch(stopWatch)
{
}

TrivaneStopWatchString::TrivaneStopWatchString(const TrivaneStopWatchString& ander)
    : TrivaneStopWatchString(ander.stopWatch)
{
    std::memcpy(buffer, ander.buffer, bufferGrootte);
}

TrivaneString TrivaneStopWatchString::formatPrint()
{
    const int dagen = stopWatch.aantalDagen(stopWatch.geefStartMoment());
    markeerEinde(0, true);
    printf("%04dd%02du%02dm%02ds", dagen, stopWatch.geefUur().waarde(), stopWatch.geefMinuut().waarde(),
           stopWatch.geefSeconde().waarde());
    TrivaneString kopie(geefLengte());
    kopie = *this;
    return kopie;
}
