#ifndef BASE_TRIVANESTOPWATCHSTRING_H
#define BASE_TRIVANESTOPWATCHSTRING_H

#include "base/TrivaneStopWatch.h"
#include "base/TrivaneString.h"

// The running time of a stopwatch (0002d03u04m05s: days since the start
// moment and the clock's time of day) in a buffer of its own. The stopwatch
// is not owned: it must outlive this text.
class TrivaneStopWatchString : public TrivaneString
{
public:
    static constexpr unsigned int bufferGrootte = 15;

    explicit TrivaneStopWatchString(const TrivaneStopWatch& stopWatch);
    // A stopwatch that ends with the statement cannot be printed later.
    explicit TrivaneStopWatchString(const TrivaneStopWatch&& stopWatch) = delete;
    // The copy prints into a buffer of its own.
    TrivaneStopWatchString(const TrivaneStopWatchString& ander);
    TrivaneStopWatchString& operator=(const TrivaneStopWatchString&) = delete;

    // Prints the running time now; the text handed back owns its characters.
    // From 10,000 days on the text does not fit and is cut at the end.
    TrivaneString formatPrint();

private:
    char buffer[bufferGrootte];
    const TrivaneStopWatch& stopWatch;
};

#endif
