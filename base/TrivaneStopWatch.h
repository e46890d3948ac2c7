#ifndef BASE_TRIVANESTOPWATCH_H
#define BASE_TRIVANESTOPWATCH_H

#include "base/TrivaneTijd.h"

// A clock that is moved on by ticks while it runs, and remembers the moment
// it was started.
class TrivaneStopWatch : public TrivaneTijd
{
public:
    // Clock and start moment both at the given date-time; not running.
    explicit TrivaneStopWatch(const TrivaneTijd& begin);

    // Starts counting from where the clock stands now.
    void start();
    void stop();
    // Counts on from where the clock stands; the start moment stays.
    void hervat();
    // One second forward while running.
    void stopwatchTik();

    const TrivaneTijd& geefStartMoment() const;

private:
    TrivaneTijd startMoment;
    bool loopt;
};

#endif
