#include "base/FloatGetalAfronder.h"

#include <cmath>

FloatGetalAfronder::FloatGetalAfronder(unsigned long long frakties) : stap(1.0f)
{
    // Zero fractions keep the whole-number step, as the header says.
    static_cast<void>(zetFrakties(frakties));
}

bool FloatGetalAfronder::zetFrakties(unsigned long long frakties)
{
    if (frakties == 0)
        return false;
    stap = 1.0f / static_cast<float>(frakties);
    return true;
}

unsigned long long FloatGetalAfronder::geefFrakties() const
{
    // The step is a float: 1 / 0.1f is 9.99999..., so round rather than cut.
    return static_cast<unsigned long long>(std::llround(1.0 / static_cast<double>(stap)));
}

float FloatGetalAfronder::operator()(float x) const
{
    return afronder(x);
}

float FloatGetalAfronder::afronder(float x) const
{
    const float geheel = std::floor(x);
    return geheel + stap * std::trunc((x - geheel) / stap);
}

float FloatGetalAfronder::rondFunktie(float x)
{
    return std::round(x);
}
