#include "base/TrivaneTijdString.h"

#include <cstring>

TrivaneTijdString::TrivaneTijdString(const TrivaneTijd& tijd, char datumScheiding, char tijdScheiding, bool metSeconden)
    : TrivaneString(buffer, bufferGrootte, '\0', true), buffer(), tijd(tijd), datumScheiding(datumScheiding),
      tijdScheiding(tijdScheiding), metSeconden(metSeconden), datumBuffer(), tijdBuffer(),
      datumTekst(datumBuffer, datumGrootte, '\0', true), tijdTekst(tijdBuffer, tijdGrootte, '\0', true)
{
}

TrivaneTijdString::TrivaneTijdString(const TrivaneTijdString& ander)
    : TrivaneTijdString(ander.tijd, ander.datumScheiding, ander.tijdScheiding, ander.metSeconden)
{
    std::memcpy(buffer, ander.buffer, bufferGrootte);
    std::memcpy(datumBuffer, ander.datumBuffer, datumGrootte);
    std::memcpy(tijdBuffer, ander.tijdBuffer, tijdGrootte);
}

TrivaneString TrivaneTijdString::formatPrint()
{
    tijd.printDatum(datumTekst, datumScheiding);
    tijd.printTijd(tijdTekst, tijdScheiding, metSeconden);
    markeerEinde(0, true);
    append(datumTekst);
    append(' ', 1);
    append(tijdTekst);
    TrivaneString kopie(geefLengte());
    kopie = *this;
    return kopie;
}
