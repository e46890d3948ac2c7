#include "base/TrivaneCommunicatiePerif.h"

TrivaneCommunicatiePerif::TrivaneCommunicatiePerif(unsigned long long id, const TrivaneCString& naam,
                                                   unsigned short toegangTimeOut, unsigned short verzendTimeOut,
                                                   unsigned short ontvangTimeOut)
    : TrivaneBasisPerif(id, naam, toegangTimeOut), verzendTimeOut(verzendTimeOut), ontvangTimeOut(ontvangTimeOut),
      maxAantalBytesInTransfer(0)
{
}

void TrivaneCommunicatiePerif::zetVerzendTimeOut(unsigned short milliSecs)
{
    verzendTimeOut = milliSecs;
}

unsigned short TrivaneCommunicatiePerif::geefVerzendTimeOut() const
{
    return verzendTimeOut;
}

void TrivaneCommunicatiePerif::zetOntvangTimeOut(unsigned short milliSecs)
{
    ontvangTimeOut = milliSecs;
}

unsigned short TrivaneCommunicatiePerif::geefOntvangTimeOut() const
{
    return ontvangTimeOut;
}

void TrivaneCommunicatiePerif::zetMaxAantalBytesInTransfer(unsigned int aantal)
{
    maxAantalBytesInTransfer = aantal;
}

unsigned int TrivaneCommunicatiePerif::geefMaxAantalBytesInTransfer() const
{
    return maxAantalBytesInTransfer;
}
