#ifndef BASE_TRIVANECOMMUNICATIEPERIF_H
#define BASE_TRIVANECOMMUNICATIEPERIF_H

#include "base/TrivaneBasisPerif.h"

// A peripheral that sends and receives: its time-outs and the largest number
// of bytes it moves in one transfer (0 until set).
class TrivaneCommunicatiePerif : public TrivaneBasisPerif
{
public:
    TrivaneCommunicatiePerif(unsigned long long id, const TrivaneCString& naam, unsigned short toegangTimeOut,
                             unsigned short verzendTimeOut, unsigned short ontvangTimeOut);

    void zetVerzendTimeOut(unsigned short milliSecs);
    unsigned short geefVerzendTimeOut() const;
    void zetOntvangTimeOut(unsigned short milliSecs);
    unsigned short geefOntvangTimeOut() const;
    void zetMaxAantalBytesInTransfer(unsigned int aantal);
    unsigned int geefMaxAantalBytesInTransfer() const;

private:
    unsigned short verzendTimeOut;
    unsigned short ontvangTimeOut;
    unsigned int maxAantalBytesInTransfer;
};

#endif
