#include "base/TrivaneUartPerif.h"

TrivaneUartPerif::TrivaneUartPerif(TrivaneUartDevice::Eenheid eenheid, TrivaneUartDevice::BaudRate baudRate,
                                   TrivaneUartDevice::KlokMode klokMode, TrivaneUartDevice::OpMode opMode,
                                   unsigned short toegangTimeOut, unsigned short verzendTimeOut,
                                   unsigned short ontvangTimeOut)
    : TrivaneCommunicatiePerif(eenheid, TrivaneCString("UART"), toegangTimeOut, verzendTimeOut, ontvangTimeOut),
      device(eenheid, baudRate, klokMode, opMode), verzendMutex(TrivaneCString("UART send"))
{
}

TrivaneUartDevice& TrivaneUartPerif::geefDevice()
{
    return device;
}

const TrivaneUartDevice& TrivaneUartPerif::geefDevice() const
{
    return device;
}
