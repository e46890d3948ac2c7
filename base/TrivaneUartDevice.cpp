#include "base/TrivaneUartDevice.h"

namespace
{
constexpr unsigned int baudRates[TrivaneUartDevice::AantalBaudRates] = {
    1200,  2400,   4800,   8192,   9600,   14400,  19200,  31250,  32768,  38400,  57600,
    76800, 100000, 115200, 200000, 230400, 250000, 460800, 256000, 500000, 921600, 1000000};
} // namespace

TrivaneUartDevice::TrivaneUartDevice(Eenheid eenheid, BaudRate baudRate, KlokMode klokMode, OpMode opMode)
    : huidigeEenheid(Uart0), huidigeOpMode(OpModeUit), eenheid(eenheid), baudRate(baudRate), klokMode(klokMode),
      opMode(opMode), duplex(VolDuplex)
{
}

void TrivaneUartDevice::zetEenheid(Eenheid nieuw)
{
    huidigeEenheid = nieuw;
}

TrivaneUartDevice::Eenheid TrivaneUartDevice::geefEenheid() const
{
    return huidigeEenheid;
}

void TrivaneUartDevice::zetOpMode(OpMode nieuw)
{
    huidigeOpMode = nieuw;
}

TrivaneUartDevice::OpMode TrivaneUartDevice::geefOpMode() const
{
    return huidigeOpMode;
}

void TrivaneUartDevice::zet(BaudRate nieuw)
{
    baudRate = nieuw;
}

TrivaneUartDevice::BaudRate TrivaneUartDevice::geefBaudRate() const
{
    return baudRate;
}

void TrivaneUartDevice::zetDuplex(Duplex nieuw)
{
    duplex = nieuw;
}

TrivaneUartDevice::Duplex TrivaneUartDevice::geefDuplex() const
{
    return duplex;
}

unsigned int TrivaneUartDevice::geefBaudRateWaarde() const
{
    return baudRate < AantalBaudRates ? baudRates[baudRate] : 0;
}
