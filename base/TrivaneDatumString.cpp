#include "base/TrivaneDatumString.h"

#include <cstring>

TrivaneDatumString::TrivaneDatumString(const TrivaneDatum& datum, char scheiding, bool meteenPrinten)
    : TrivaneString(buffer, bufferGrootte, '\0', true), buffer(), datum(datum), scheiding(scheiding)
{
    if (meteenPrinten)
        formatPrint();
}

TrivaneDatumString::TrivaneDatumString(const TrivaneDatumString& ander)
    : TrivaneDatumString(ander.datum, ander.scheiding, false)
{
    std::memcpy(buffer, ander.buffer, bufferGrootte);
}

TrivaneString TrivaneDatumString::formatPrint()
{
    markeerEinde(0, true);
    datum.printDatum(*this, scheiding);
    TrivaneString kopie(geefLengte());
    kopie = *this;
    return kopie;
}
