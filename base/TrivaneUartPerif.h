#ifndef BASE_TRIVANEUARTPERIF_H
#define BASE_TRIVANEUARTPERIF_H

#include "base/TrivaneCommunicatiePerif.h"
#include "base/TrivaneOSMutex.h"
#include "base/TrivaneUartDevice.h"

// A UART: a communication peripheral identified by its unit, with its
// settings and a mutex for whoever sends.
class TrivaneUartPerif : public TrivaneCommunicatiePerif
{
public:
    TrivaneUartPerif(TrivaneUartDevice::Eenheid eenheid, TrivaneUartDevice::BaudRate baudRate,
                     TrivaneUartDevice::KlokMode klokMode, TrivaneUartDevice::OpMode opMode,
                     unsigned short toegangTimeOut, unsigned short verzendTimeOut, unsigned short ontvangTimeOut);

    TrivaneUartDevice& geefDevice();
    const TrivaneUartDevice& geefDevice() const;

private:
    TrivaneUartDevice device;
    TrivaneOSMutex verzendMutex;
};

#endif
