#include "base/MeetTeller.h"

MeetTeller::MeetTeller(unsigned long long maximum)
    : start(0), maximum(static_cast<unsigned int>(maximum)), telling(0), rondes(0)
{
}

unsigned int MeetTeller::tel()
{
    if (telling < maximum)
    {
        ++telling;
    }
    else
    {
        telling = start;
        ++rondes;
    }
    return telling;
}

void MeetTeller::reset(bool ookRondes)
{
    telling = start;
    if (ookRondes)
        rondes = 0;
}

unsigned int MeetTeller::geefTelling() const
{
    return telling;
}

unsigned int MeetTeller::geefRondGeweest() const
{
    return rondes;
}
