#ifndef BASE_TRIVANEUARTDEVICE_H
#define BASE_TRIVANEUARTDEVICE_H

// The settings of one UART: which unit, how fast, clocked how, in which mode,
// full or half duplex.
class TrivaneUartDevice
{
public:
    enum Eenheid : unsigned int
    {
        Uart0 = 0,
        Uart1 = 1,
        Uart2 = 2,
        Uart3 = 3
    };
    // An index into the table of baud rates (460800 stands before 256000).
    enum BaudRate : unsigned int
    {
        Baud1200,
        Baud2400,
        Baud4800,
        Baud8192,
        Baud9600,
        Baud14400,
        Baud19200,
        Baud31250,
        Baud32768,
        Baud38400,
        Baud57600,
        Baud76800,
        Baud100000,
        Baud115200,
        Baud200000,
        Baud230400,
        Baud250000,
        Baud460800,
        Baud256000,
        Baud500000,
        Baud921600,
        Baud1000000,
        AantalBaudRates
    };
    enum KlokMode : unsigned int
    {
        KlokIntern = 0,
        KlokExtern = 1
    };
    enum OpMode : unsigned int
    {
        OpModeUit = 0,
        OpModeAan = 1
    };
    enum Duplex : unsigned int
    {
        VolDuplex = 0,
        HalfDuplex = 1
    };

    TrivaneUartDevice(Eenheid eenheid, BaudRate baudRate, KlokMode klokMode, OpMode opMode);

    // The unit and mode in use now, next to the configured ones.
    void zetEenheid(Eenheid nieuw);
    Eenheid geefEenheid() const;
    void zetOpMode(OpMode nieuw);
    OpMode geefOpMode() const;
    void zet(BaudRate nieuw);
    BaudRate geefBaudRate() const;
    void zetDuplex(Duplex nieuw);
    Duplex geefDuplex() const;
    // The rate in baud; 0 for an index outside the table.
    unsigned int geefBaudRateWaarde() const;

private:
    Eenheid huidigeEenheid;
    OpMode huidigeOpMode;
    Eenheid eenheid;
    BaudRate baudRate;
    KlokMode klokMode;
    OpMode opMode;
    Duplex duplex;
};

#endif
