// The meeting point of a worker and the thread that waits for it: no release
// is lost when the worker is quicker than its waiter, and a thread that holds
// the mutex can release and wait on it.
#include "swexternals/desktop/TrivaneDesktopDraadKonditie.h"

#include <gtest/gtest.h>
#include <thread>

TEST(DraadKonditie, VrijgavenVoordatIemandWachtGaanNietVerloren)
{
    TrivaneDesktopDraadKonditie konditie(7);
    EXPECT_EQ(konditie.geefID(), 7u);
    EXPECT_EQ(konditie.wacht(20), 1);
    // A worker that gives both releases of a download before the driver
    // waits for the first.
    EXPECT_EQ(konditie.geefVrij(false), 0);
    EXPECT_EQ(konditie.geefVrij(false), 0);
    EXPECT_EQ(konditie.wacht(10000), 0);
    EXPECT_EQ(konditie.wacht(10000), 0);
    EXPECT_EQ(konditie.wacht(20), 1);
    // Releasing everybody while nobody waits serves one wait.
    EXPECT_EQ(konditie.geefVrij(true), 0);
    EXPECT_EQ(konditie.wacht(0), 0);
    EXPECT_EQ(konditie.wacht(20), 1);
}

TEST(DraadKonditie, WieHetSlotHoudtGeeftVrijEnWachtZonderZichVast)
{
    TrivaneDesktopDraadKonditie konditie(0);
    int gelezen = 0;
    int resultaat = 0;
    // The worker's way: write under the hold, release in the same hold.
    std::thread werker(
        [&]
        {
            EXPECT_EQ(konditie.zetOpSlot(StandAan), wxMUTEX_NO_ERROR);
            resultaat = 42;
            EXPECT_EQ(konditie.geefVrij(false), 0);
            EXPECT_EQ(konditie.zetOpSlot(StandUit), wxMUTEX_NO_ERROR);
        });
    EXPECT_EQ(konditie.wacht(10000), 0);
    EXPECT_EQ(konditie.zetOpSlot(StandAan), wxMUTEX_NO_ERROR);
    gelezen = resultaat;
    // Waiting while holding it gives the mutex up for the wait only.
    EXPECT_EQ(konditie.wacht(20), 1);
    // Toggle and unknown let go, as off does.
    EXPECT_EQ(konditie.zetOpSlot(StandOm), wxMUTEX_NO_ERROR);
    werker.join();
    EXPECT_EQ(gelezen, 42);
    for (Stand loslaten : {StandOnbekend, StandUit})
    {
        EXPECT_EQ(konditie.zetOpSlot(StandAan), wxMUTEX_NO_ERROR);
        EXPECT_EQ(konditie.zetOpSlot(loslaten), wxMUTEX_NO_ERROR);
    }
    std::thread ander([&] { EXPECT_EQ(konditie.geefVrij(false), 0); });
    ander.join();
    EXPECT_EQ(konditie.wacht(10000), 0);
}
