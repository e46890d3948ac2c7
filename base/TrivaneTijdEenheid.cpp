#include "base/TrivaneTijdEenheid.h"

#include <climits>

TrivaneTijdEenheid::TrivaneTijdEenheid(const BegrensdBereik<int>& bereik, int waarde, TijdEenheid soort, bool omslaan)
    : minimum(bereik.min), maximum(bereik.max), huidig(bereik.min), soort(soort), overGrensVlag(false)
{
    long long perioden = 0;
    huidig = omslaan ? omslag(waarde, perioden) : begrens(waarde);
    overGrensVlag = waarde < minimum || waarde > maximum;
}

int TrivaneTijdEenheid::begrens(long long kandidaat) const
{
    if (kandidaat < minimum)
        return minimum;
    if (kandidaat > maximum)
        return maximum;
    return static_cast<int>(kandidaat);
}

int TrivaneTijdEenheid::omslag(long long kandidaat, long long& perioden) const
{
    perioden = 0;
    if (kandidaat >= minimum && kandidaat <= maximum)
        return static_cast<int>(kandidaat);
    const long long periode = minimum >= 0 ? static_cast<long long>(maximum) - minimum + 1 : maximum;
    if (periode <= 0)
        return begrens(kandidaat);

    if (kandidaat > maximum)
    {
        perioden = (kandidaat - maximum + periode - 1) / periode;
        kandidaat -= perioden * periode;
    }
    else
    {
        const long long omhoog = (minimum - kandidaat + periode - 1) / periode;
        kandidaat += omhoog * periode;
        perioden = -omhoog;
    }
    // Only a range that starts above 1 can miss itself after whole periods.
    return begrens(kandidaat);
}

int TrivaneTijdEenheid::normaliseer(long long kandidaat)
{
    long long perioden = 0;
    overGrensVlag = kandidaat < minimum || kandidaat > maximum;
    return omslag(kandidaat, perioden);
}

long long TrivaneTijdEenheid::verschuif(long long stap)
{
    const long long kandidaat = static_cast<long long>(huidig) + stap;
    long long perioden = 0;
    huidig = omslag(kandidaat, perioden);
    overGrensVlag = kandidaat < minimum || kandidaat > maximum;
    return perioden;
}

TrivaneTijdEenheid& TrivaneTijdEenheid::operator=(const TrivaneTijdEenheid& ander)
{
    minimum = ander.minimum;
    maximum = ander.maximum;
    huidig = begrens(ander.huidig);
    overGrensVlag = ander.overGrensVlag;
    return *this;
}

TrivaneTijdEenheid& TrivaneTijdEenheid::operator=(int waarde)
{
    huidig = normaliseer(waarde);
    return *this;
}

void TrivaneTijdEenheid::zetBinnenBereik(long long waarde)
{
    huidig = begrens(waarde);
}

bool TrivaneTijdEenheid::operator==(const TrivaneTijdEenheid& ander) const
{
    return huidig == ander.huidig;
}

bool TrivaneTijdEenheid::operator!=(const TrivaneTijdEenheid& ander) const
{
    return huidig != ander.huidig;
}

bool TrivaneTijdEenheid::operator==(int waarde) const
{
    return huidig == waarde;
}

bool TrivaneTijdEenheid::operator!=(int waarde) const
{
    return huidig != waarde;
}

bool TrivaneTijdEenheid::operator++(int)
{
    return *this += 1;
}

bool TrivaneTijdEenheid::operator--(int)
{
    return *this -= 1;
}

bool TrivaneTijdEenheid::operator+=(int stap)
{
    verschuif(stap);
    return overGrensVlag;
}

bool TrivaneTijdEenheid::operator-=(int stap)
{
    verschuif(-static_cast<long long>(stap));
    return overGrensVlag;
}

bool TrivaneTijdEenheid::operator+=(const TrivaneTijdEenheid& ander)
{
    return *this += ander.huidig;
}

bool TrivaneTijdEenheid::operator-=(const TrivaneTijdEenheid& ander)
{
    return *this -= ander.huidig;
}

int TrivaneTijdEenheid::operator+(int stap) const
{
    long long perioden = 0;
    return omslag(static_cast<long long>(huidig) + stap, perioden);
}

int TrivaneTijdEenheid::operator-(int stap) const
{
    long long perioden = 0;
    return omslag(static_cast<long long>(huidig) - stap, perioden);
}

int TrivaneTijdEenheid::operator*(int factor) const
{
    return begrens(static_cast<long long>(huidig) * factor);
}

int TrivaneTijdEenheid::operator/(int deler) const
{
    // In 64 bits, so that the smallest int divided by -1 has a value to clamp.
    const long long quotient = deler == 0 ? 0 : static_cast<long long>(huidig) / deler;
    return begrens(quotient);
}

TrivaneTijdEenheid TrivaneTijdEenheid::operator+(const TrivaneTijdEenheid& ander) const
{
    TrivaneTijdEenheid uitkomst(*this);
    uitkomst.huidig = *this + ander.huidig;
    uitkomst.overGrensVlag = false;
    return uitkomst;
}

TrivaneTijdEenheid TrivaneTijdEenheid::operator-(const TrivaneTijdEenheid& ander) const
{
    TrivaneTijdEenheid uitkomst(*this);
    uitkomst.huidig = *this - ander.huidig;
    uitkomst.overGrensVlag = false;
    return uitkomst;
}

TrivaneTijdEenheid TrivaneTijdEenheid::operator*(const TrivaneTijdEenheid& ander) const
{
    TrivaneTijdEenheid uitkomst(*this);
    uitkomst.huidig = *this * ander.huidig;
    uitkomst.overGrensVlag = false;
    return uitkomst;
}

TrivaneTijdEenheid TrivaneTijdEenheid::operator/(const TrivaneTijdEenheid& ander) const
{
    TrivaneTijdEenheid uitkomst(*this);
    uitkomst.huidig = *this / ander.huidig;
    uitkomst.overGrensVlag = false;
    return uitkomst;
}

bool TrivaneTijdEenheid::overGrens()
{
    const bool was = overGrensVlag;
    overGrensVlag = false;
    return was;
}

unsigned int TrivaneTijdEenheid::uwaarde() const
{
    return static_cast<unsigned int>(huidig);
}

int TrivaneTijdEenheid::waarde() const
{
    return huidig;
}

int TrivaneTijdEenheid::geefMinimum() const
{
    return minimum;
}

int TrivaneTijdEenheid::geefMaximum() const
{
    return maximum;
}

TrivaneTijdEenheid::TijdEenheid TrivaneTijdEenheid::geefSoort() const
{
    return soort;
}

void TrivaneTijdEenheid::zetBereik(const BegrensdBereik<int>& bereik)
{
    minimum = bereik.min;
    maximum = bereik.max;
    const int oud = huidig;
    huidig = begrens(oud);
    if (huidig != oud)
        overGrensVlag = true;
}

int TrivaneTijdEenheid::begrensTotInt(long long waarde)
{
    if (waarde < INT_MIN)
        return INT_MIN;
    if (waarde > INT_MAX)
        return INT_MAX;
    return static_cast<int>(waarde);
}
