// Requirements to other numbers, whole or not at all: one moved to another
// number with the ones in between shifted (the moves themselves are tested
// through the list's drop target), and a block turned with its neighbour.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "toepassing/kern/RequirementVerplaatsing.h"

#include <climits>

using Verplaats = ProjectTest;

TEST_F(Verplaats, EenMisluktStapLaatAllesZoalsHetWas)
{
    const wxString nummers1tot5 = "a=1,b=2,c=3,d=4,e=5";
    voegRijenToe(*app, {{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}, {5, "e"}});
    // The shift fails on c, when d is parked on 6.
    voerUit(*app, {"create temp trigger weiger before update of SR on Requirements when old.SR=3 "
                   "begin select raise(abort, 'refused'); end"});
    Requirement d = opgeslagen("d", 4);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 2);
    EXPECT_EQ(d.SR, 4);
    EXPECT_EQ(nummers(*app), nummers1tot5);
    EXPECT_TRUE(logVanger().bevat("refused", wxLOG_Error)) << logVanger().geefAlles();

    // Under safe operation its savepoint stays, nothing else.
    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 2);
    EXPECT_EQ(nummers(*app), nummers1tot5);
    ASSERT_EQ(app->executeUpdate("drop trigger weiger"), 0);
    // To a free number the others close up behind it.
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 7), 0);
    EXPECT_EQ(nummers(*app), "a=1,b=2,c=3,e=4,d=7");
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 0);
    EXPECT_EQ(nummers(*app), nummers1tot5);
    ASSERT_EQ(app->schakelSafePoint(StandUit), 0);

    // No free number to park on.
    voegRijenToe(*app, {{INT_MAX, "max"}});
    logVanger().wis();
    d = opgeslagen("d", 4);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 2);
    EXPECT_TRUE(logVanger().bevat("there is no next number", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_EQ(nummers(*app), nummers1tot5 + ",max=2147483647");
}

// Up and down in the list: the numbers turn one place round among the block
// and its neighbour and stay the ones they were, gaps and all; a turn that
// fails half-way leaves none changed.
TEST_F(Verplaats, DraaienHoudtDeNummersOokMetGatenEnHeelOfNiet)
{
    voegRijenToe(*app, {{1, "a"}, {5, "b"}, {9, "c"}, {12, "d"}});
    RequirementLijst blok;
    blok.Add(opgeslagen("b", 5));
    blok.Add(opgeslagen("c", 9));
    ASSERT_EQ(RequirementVerplaatsing::draai(*app, opgeslagen("a", 1), blok), 0);
    EXPECT_EQ(nummers(*app), "b=1,c=5,a=9,d=12");
    EXPECT_EQ(blok[0].SR, 1);
    EXPECT_EQ(blok[1].SR, 5);

    voerUit(*app, {"create temp trigger weiger before update of SR on Requirements when new.SR=12 "
                   "begin select raise(abort, 'refused'); end"});
    blok.Clear();
    blok.Add(opgeslagen("a", 9));
    EXPECT_EQ(RequirementVerplaatsing::draai(*app, opgeslagen("d", 12), blok), 2);
    EXPECT_EQ(nummers(*app), "b=1,c=5,a=9,d=12");
    EXPECT_EQ(blok[0].SR, 9);
    EXPECT_TRUE(logVanger().bevat("refused", wxLOG_Error)) << logVanger().geefAlles();
}
