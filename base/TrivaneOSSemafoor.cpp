#include "base/TrivaneOSSemafoor.h"

#include "base/TrivaneCode.h"

TrivaneOSSemafoor::TrivaneOSSemafoor(unsigned long long, const TrivaneCString&) {}

TrivaneOSSemafoor::TrivaneOSSemafoor(SemafoorStand, const TrivaneCString&) {}

int TrivaneOSSemafoor::neem(unsigned long long)
{
    return kcOk;
}

int TrivaneOSSemafoor::geef()
{
    return kcOk;
}

int TrivaneOSSemafoor::check() const
{
    return kcOk;
}
