#include "base/IntelProcessor.h"
#include "base/SimpelRTOS.h"
#include "base/TrivaneOSMutex.h"
#include "base/TrivaneOSSemafoor.h"
#include "base/TrivaneUartPerif.h"

#include <gtest/gtest.h>

namespace
{
// Registers the platform for one test and takes it away again.
struct Platform
{
    Platform(TrivaneRTOS* os, TrivaneMicrocontroller* processor)
    {
        TrivaneBasisPerif::zetOS(os);
        TrivaneBasisPerif::zetMicroController(processor);
    }
    ~Platform()
    {
        TrivaneBasisPerif::zetOS(nullptr);
        TrivaneBasisPerif::zetMicroController(nullptr);
    }
};
} // namespace

TEST(TrivaneOSElementen, ElkeVergrendelingLuktMeteen)
{
    TrivaneOSSemafoor semafoor(TrivaneOSSemafoor::SemafoorLeeg, TrivaneCString("sem"));
    EXPECT_EQ(semafoor.neem(1000), 0);
    TrivaneOSMutex mutex(TrivaneCString("mutex"));
    EXPECT_EQ(mutex.neem(5), 0);
    EXPECT_FALSE(mutex.inGebruik());
    EXPECT_EQ(mutex.check(), 1);
}

TEST(TrivaneBasisPerif, WachtenZonderPlatformDoetNiets)
{
    // Nothing registered: every wait returns, and taking the interface
    // leaves it without a holder.
    TrivaneBasisPerif perif(42, TrivaneCString("perif"), 20);
    TrivaneBasisPerif::wachtOSMilliSecs(10);
    TrivaneBasisPerif::wachtHWMicroSecs(10, true);
    TrivaneBasisPerif::wachtHWMilliSecs(10, true);
    TrivaneBasisPerif::wachtMilliSecs(10);
    EXPECT_EQ(perif.neemInterface(), 0);
    EXPECT_EQ(perif.geefInterfaceHouder(), TrivaneBasisPerif::geenHouder);

    // Only one of the two registered: the other is not touched.
    SimpelRTOS os;
    {
        Platform alleenOS(&os, nullptr);
        TrivaneBasisPerif::wachtHWMilliSecs(10, false);
    }
    IntelProcessor processor(&os);
    Platform alleenProcessor(nullptr, &processor);
    TrivaneBasisPerif::wachtMilliSecs(10);
    TrivaneBasisPerif::wachtOSMilliSecs(10);
}

TEST(TrivaneBasisPerif, InterfaceNemenEnTeruggeven)
{
    SimpelRTOS os;
    IntelProcessor processor(&os);
    Platform platform(&os, &processor);

    TrivaneBasisPerif perif(42, TrivaneCString("perif"), 20);
    EXPECT_EQ(perif.geefID(), 42u);
    EXPECT_EQ(perif.geefOpStatus(), 11);
    EXPECT_EQ(perif.geefFunkStatus(), 5);
    EXPECT_EQ(perif.geefToegangTimeOut(), 20);
    EXPECT_EQ(perif.geefInterfaceHouder(), 0xFFFF);

    EXPECT_EQ(perif.neemInterface(), 0);
    EXPECT_EQ(perif.geefInterfaceHouder(), SimpelRTOS::geenTaak);
    EXPECT_FALSE(perif.interfaceInGebruik());
    EXPECT_EQ(perif.geefInterface(), 0);
    EXPECT_EQ(perif.geefInterfaceHouder(), 0xFFFF);
    EXPECT_EQ(perif.geefOpStatus(), 11);
}

TEST(TrivaneUartPerif, InstellingenEnBaudTabel)
{
    TrivaneUartPerif uart(TrivaneUartDevice::Uart2, TrivaneUartDevice::Baud115200, TrivaneUartDevice::KlokIntern,
                          TrivaneUartDevice::OpModeAan, 10, 20, 30);
    EXPECT_EQ(uart.geefID(), 2u);
    EXPECT_EQ(uart.geefToegangTimeOut(), 10);
    EXPECT_EQ(uart.geefVerzendTimeOut(), 20);
    EXPECT_EQ(uart.geefOntvangTimeOut(), 30);
    EXPECT_EQ(uart.geefMaxAantalBytesInTransfer(), 0u);

    TrivaneUartDevice& device = uart.geefDevice();
    EXPECT_EQ(device.geefEenheid(), TrivaneUartDevice::Uart0);
    EXPECT_EQ(device.geefOpMode(), TrivaneUartDevice::OpModeUit);
    EXPECT_EQ(device.geefDuplex(), TrivaneUartDevice::VolDuplex);
    EXPECT_EQ(device.geefBaudRateWaarde(), 115200u);

    struct Geval
    {
        unsigned int index;
        unsigned int baud;
    };
    for (Geval geval :
         {Geval{0, 1200}, Geval{17, 460800}, Geval{18, 256000}, Geval{21, 1000000}, Geval{22, 0}, Geval{0xFFFFFFFF, 0}})
    {
        device.zet(static_cast<TrivaneUartDevice::BaudRate>(geval.index));
        EXPECT_EQ(device.geefBaudRateWaarde(), geval.baud) << "index " << geval.index;
    }
}
