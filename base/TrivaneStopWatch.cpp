#include "base/TrivaneStopWatch.h"

TrivaneStopWatch::TrivaneStopWatch(const TrivaneTijd& begin) : TrivaneTijd(begin), startMoment(begin), loopt(false) {}

void TrivaneStopWatch::start()
{
    startMoment = static_cast<const TrivaneTijd&>(*this);
    loopt = true;
}

void TrivaneStopWatch::stop()
{
    loopt = false;
}

void TrivaneStopWatch::hervat()
{
    loopt = true;
}

void TrivaneStopWatch::stopwatchTik()
{
    if (loopt)
        tik();
}

const TrivaneTijd& TrivaneStopWatch::geefStartMoment() const
{
    return startMoment;
}
