// The built program on a project that another tool wrote: a title holding a
// code point beyond U+10FFFF once ended it the moment the row was drawn.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/ProgrammaProces.h"

#include <gtest/gtest.h>

TEST(Programma, ATitleThatIsNoUTF8IsDrawnAndKeptAsItWas)
{
    const wxString pad = testPad("vreemd.vtd");
    {
        App app;
        ASSERT_EQ(app->openProject(pad), 0);
        voegRijenToe(*app, {{1, "Boil"}, {5, "five"}, {7, "seven"}});
        voerUit(*app, {"update Requirements set naam='Title '||cast(X'F495BA9E' as text) where SR=5",
                       "update Requirements set naam='Ti'||cast(X'C3' as text)||'tle' where SR=7"});
        app->sluitDB();
    }
    auto konfig = openKonfigBestand();
    konfig->Write("/Operationeel/EersteKeer/TaalGekozen", true);
    konfig.reset();

    ProgrammaProces programma({pad.utf8_string()});
    ASSERT_TRUE(programma.wachtOpVenster("Verel Tamso", 30000)) << programma.geefFouten();
    EXPECT_EQ(programma.sluitTotEinde("Verel Tamso", 30000), 2) << programma.geefFouten();
    ASSERT_TRUE(programma.wachtOpEinde(0));
    EXPECT_EQ(programma.geefStatus(), 0) << programma.geefFouten();
    EXPECT_EQ(programma.geefFouten().find("assertion"), std::string::npos) << programma.geefFouten();

    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(kolommen(*app, 5, "hex(naam)"), "5469746C6520F495BA9E");
    EXPECT_EQ(kolommen(*app, 7, "hex(naam)"), "5469C3746C65");
}
