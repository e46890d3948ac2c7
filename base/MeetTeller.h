#ifndef BASE_MEETTELLER_H
#define BASE_MEETTELLER_H

// Counts from 0 up to its maximum and then starts again, counting the rounds.
class MeetTeller
{
public:
    explicit MeetTeller(unsigned long long maximum);

    // The new count: maximum 3 gives 1, 2, 3, 0, 1, ...
    unsigned int tel();
    // Back to the start; with `ookRondes` the rounds start again too.
    void reset(bool ookRondes);
    unsigned int geefTelling() const;
    unsigned int geefRondGeweest() const;

private:
    unsigned int start;
    unsigned int maximum;
    unsigned int telling;
    unsigned int rondes;
};

#endif
