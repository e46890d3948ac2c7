#ifndef BASE_STAND_H
#define BASE_STAND_H

// The state of an on/off switch, and the argument of every switching
// operation. Toggle is a command (invert what is there) and is never stored
// as a state; unknown is what a switch holds before anyone set it.
enum Stand : unsigned int
{
    StandUit = 0,
    StandAan = 1,
    StandOm = 2,
    StandOnbekend = 3
};

#endif
