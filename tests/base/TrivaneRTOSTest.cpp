#include "base/IntelProcessor.h"
#include "base/SimpelRTOS.h"
#include "base/TrivaneBasisPerif.h"

#include <gtest/gtest.h>

TEST(TrivaneRTOS, DesktopOSWachtNietEnTeltTicks)
{
    unsigned long long stack[4];
    SimpelRTOS os(stack, 4);
    EXPECT_TRUE(os.initGedaan());
    EXPECT_TRUE(os.looptOS());
    EXPECT_EQ(os.geefHuidigeTaak(), 32767);
    EXPECT_EQ(os.wachtMinimumTijd(), 1u);
    EXPECT_EQ(os.geefPreRTOSStack().adres, stack);
    EXPECT_EQ(os.geefPreRTOSStack().grootte, 4u);
    EXPECT_FALSE(os.geefPreRTOSStack().vlag);

    struct Geval
    {
        unsigned int hertz;
        unsigned short tick;
    };
    for (Geval geval : {Geval{1000, 1}, Geval{3, 333}, Geval{0, 0}, Geval{2000, 0}})
    {
        TrivaneRTOS::zetSysTickHz(KlokFrequentie(geval.hertz));
        EXPECT_EQ(TrivaneRTOS::geefSysTickGrootte(), geval.tick) << geval.hertz << " Hz";
    }
    TrivaneRTOS::zetSysTickMillisecs(10);
    TrivaneRTOS::resetSysTickTeller();
    TrivaneRTOS::verhoogSysTickTeller();
    TrivaneRTOS::verhoogSysTickTeller();
    EXPECT_EQ(TrivaneRTOS::geefSystickMSecsStand(), 20u);
}

TEST(TrivaneRTOS, BezigeTakenEnSemaforen)
{
    SimpelRTOS os;
    EXPECT_TRUE(TrivaneRTOS::zijnAlleTakenRustig());
    TrivaneRTOS::bezig(2);
    EXPECT_TRUE(TrivaneRTOS::overigeTakenRustig(2));
    EXPECT_FALSE(TrivaneRTOS::overigeTakenRustig(3));
    // Task indexes wrap at 32 bits.
    TrivaneRTOS::bezig(33);
    EXPECT_TRUE(TrivaneRTOS::isBezig(1));
    TrivaneRTOS::nietBezig(1);
    TrivaneRTOS::nietBezig(2);
    EXPECT_TRUE(TrivaneRTOS::zijnAlleTakenRustig());

    SimpelRTOS::resetSemafoor();
    EXPECT_EQ(SimpelRTOS::verwerkSemafoor(), 0);
    SimpelRTOS::zetSemafoor(0x0006);
    EXPECT_EQ(SimpelRTOS::verwerkSemafoor(), 2);
    EXPECT_FALSE(SimpelRTOS::testSemafoor(0x0002));
    EXPECT_TRUE(SimpelRTOS::testSemafoor(0x0004));
    SimpelRTOS::zetSemafoor(0x8000);
    SimpelRTOS::geefSemafoor(0x0004);
    EXPECT_EQ(SimpelRTOS::verwerkSemafoor(), 0x8000);
    EXPECT_EQ(SimpelRTOS::verwerkSemafoor(), 0);
}

TEST(TrivaneRTOS, KlokFrequentieLeestGetallenZoalsMensenKlokkenSchrijven)
{
    struct Geval
    {
        unsigned int gegeven;
        unsigned int hertz;
    };
    KlokFrequentie klok;
    EXPECT_FALSE(klok.isGeldig());
    for (Geval geval : {Geval{16, 16000000}, Geval{32768, 32768000}, Geval{4000000, 4000000}, Geval{999, 999000000},
                        Geval{1000, 1000000}, Geval{999999, 999999000}, Geval{1000000, 1000000}})
    {
        klok = geval.gegeven;
        EXPECT_EQ(klok.geef(KlokFrequentie::Hz), geval.hertz) << "assigned " << geval.gegeven;
    }
    klok.zet(3, KlokFrequentie::GHz);
    EXPECT_EQ(klok.geefMHz(), 3000u);
    EXPECT_EQ(klok.geefkHz(), 3000000u);
    EXPECT_EQ(klok.geef(KlokFrequentie::GHz), 3u);
    EXPECT_EQ(klok.geef(static_cast<KlokFrequentie::Bereik>(9)), 3000000000u);
    EXPECT_TRUE(klok.isGeldig());
}

TEST(TrivaneRTOS, ProcessorEnGedeeldePlatform)
{
    SimpelRTOS os;
    IntelProcessor processor(&os);
    EXPECT_EQ(processor.geefKlokFreqHz(), 1000000000u);
    EXPECT_EQ(processor.geefOS(), &os);
    processor.zetKlokFreqMHz(48);
    EXPECT_EQ(processor.geefKlokFreqMHz(), 48u);
    processor.zetKlokFreq(KlokFrequentie(12));
    EXPECT_EQ(processor.geefKlokFreqHz(), 12u);
    processor.wachtOSSecs(70);
    processor.wachtMilliSecs(5, true);

    float som = 1.0f;
    processor.mac(2.0f, 3.0f, som);
    EXPECT_FLOAT_EQ(som, 7.0f);
    short kort = 32767;
    processor.mac(static_cast<short>(1), static_cast<short>(1), kort);
    EXPECT_EQ(kort, -32768);
    kort = 10;
    processor.mac(static_cast<short>(-3), static_cast<short>(4), kort);
    EXPECT_EQ(kort, -2);

    EXPECT_EQ(TrivaneBasisPerif::geefOS(), nullptr);
    EXPECT_EQ(TrivaneBasisPerif::geefProcessor(), nullptr);
    TrivaneBasisPerif::zetOS(&os);
    TrivaneBasisPerif::zetMicroController(&processor);
    EXPECT_EQ(TrivaneBasisPerif::geefOS(), &os);
    EXPECT_EQ(TrivaneBasisPerif::geefProcessor(), &processor);
    TrivaneBasisPerif::zetOS(nullptr);
    TrivaneBasisPerif::zetMicroController(nullptr);
}
