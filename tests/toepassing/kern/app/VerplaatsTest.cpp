// Moving one requirement to another number, the ones in between shifted:
// whole or not at all, one change for undo.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/KernApp.h"
#include "toepassing/kern/RequirementVerplaatsing.h"

#include <climits>

namespace
{
class Verplaats : public ProjectTest
{
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        voegRijenToe(*app, {{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}, {5, "e"}, {8, "h"}});
    }
};
} // namespace

TEST_F(Verplaats, DeTussenliggendeSchuivenOpNaarDeOudePlaats)
{
    const struct
    {
        const char* naam;
        int van, naar;
        const char* daarna;
    } gevallen[] = {
        {"d", 4, 2, "a=1,d=2,b=3,c=4,e=5,h=8"},
        {"b", 2, 4, "a=1,c=2,d=3,b=4,e=5,h=8"},
        {"e", 5, 4, "a=1,b=2,c=3,e=4,d=5,h=8"},
        {"a", 1, 5, "b=1,c=2,d=3,e=4,a=5,h=8"},
        // A free number: the others close up behind it.
        {"b", 2, 7, "a=1,c=2,d=3,e=4,b=7,h=8"},
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        Requirement rek = opgeslagen(geval.naam, geval.van);
        EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, rek, geval.naar), 0);
        EXPECT_EQ(rek.SR, geval.naar);
        EXPECT_EQ(nummers(*app), geval.daarna);
        // One change: one undo takes it all back.
        EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
        EXPECT_EQ(nummers(*app), "a=1,b=2,c=3,d=4,e=5,h=8");
    }
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Verplaats, EenMisluktStapLaatAllesZoalsHetWas)
{
    // The shift fails on c: d was parked on 9 by then.
    voerUit(*app, {"create temp trigger weiger before update of SR on Requirements when old.SR=3 "
                   "begin select raise(abort, 'refused'); end"});
    Requirement d = opgeslagen("d", 4);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 2);
    EXPECT_EQ(d.SR, 4);
    EXPECT_EQ(nummers(*app), "a=1,b=2,c=3,d=4,e=5,h=8");
    EXPECT_TRUE(logVanger().bevat("refused", wxLOG_Error)) << logVanger().geefAlles();

    // The same under safe operation: its savepoint stays, nothing else.
    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 2);
    EXPECT_EQ(nummers(*app), "a=1,b=2,c=3,d=4,e=5,h=8");
    EXPECT_TRUE(app->isSavePointBezig());
    ASSERT_EQ(app->executeUpdate("drop trigger weiger"), 0);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 0);
    EXPECT_EQ(app->rollTerugNaarSafePoint(), 0);
    EXPECT_EQ(nummers(*app), "a=1,b=2,c=3,d=4,e=5,h=8");
}

TEST_F(Verplaats, NietsTeDoenOfNietMogelijk)
{
    Requirement d = opgeslagen("d", 4);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 4), 1);
    // Stale: no requirement "d" has 3.
    Requirement oud = opgeslagen("d", 3);
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, oud, 1), 2);
    EXPECT_EQ(oud.SR, 3);
    // No free number to park on.
    voegRijenToe(*app, {{INT_MAX, "max"}});
    logVanger().wis();
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 2);
    EXPECT_TRUE(logVanger().bevat("there is no next number", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_EQ(nummers(*app), "a=1,b=2,c=3,d=4,e=5,h=8,max=2147483647");

    ASSERT_EQ(app->openProject(pad, true), 0);
    logVanger().wis();
    EXPECT_EQ(RequirementVerplaatsing::verplaats(*app, d, 2), 1);
    EXPECT_TRUE(logVanger().bevat("the database is read-only", wxLOG_Warning));
}
