// Renumbering: a range of numbers shifted, and the gaps closed, each whole
// or not at all and taken back by one undo.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

#include <climits>

using Hernummer = ProjectTest;

TEST_F(Hernummer, EenBereikSchuiftOpEnNeer)
{
    voegRijenToe(*app, {{1, "a"}, {3, "c"}, {4, "d"}, {5, "e"}});
    const struct
    {
        unsigned int laag, hoog;
        int offset;
        int resultaat;
        const char* daarna;
    } gevallen[] = {
        {3, 5, 1, 0, "a=1,c=4,d=5,e=6"},  // 6 is free: up one
        {3, 5, -1, 0, "a=1,c=2,d=3,e=4"}, // 2 is free: down one
        // Gaps are skipped; the last number of the walk decides the result:
        // the lower bound going up, the upper going down.
        {2, 5, 10, 1, "a=1,c=13,d=14,e=15"},
        {3, 6, -1, 1, "a=1,c=2,d=3,e=4"},
        {3, 5, 0, 1, "a=1,c=3,d=4,e=5"},         // nothing moves
        {6, 9, 1, 1, "a=1,c=3,d=4,e=5"},         // nothing there
        {5, 3, 1, 5, "a=1,c=3,d=4,e=5"},         // an empty range
        {0, 1, 1, 1, "a=2,c=3,d=4,e=5"},         // ends after 0
        {0, UINT_MAX, -1, 1, "a=0,c=2,d=3,e=4"}, // ends after the highest
    };
    for (const auto& geval : gevallen)
    {
        EXPECT_EQ(app->schuifRekNummersOp({geval.laag, geval.hoog}, geval.offset, true), geval.resultaat)
            << geval.laag << ".." << geval.hoog << " by " << geval.offset;
        EXPECT_EQ(nummers(*app), geval.daarna) << geval.laag << ".." << geval.hoog << " by " << geval.offset;
        // One change for undo; a shift that moves nothing starts none.
        const bool bewogen = wxString(geval.daarna) != "a=1,c=3,d=4,e=5";
        EXPECT_EQ(app->rolTerugTransaktie(wxString()), bewogen ? 0 : 2);
        EXPECT_EQ(nummers(*app), "a=1,c=3,d=4,e=5");
    }
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Hernummer, EenVolBereikFaaltHeelEnLaatDeNummersStaan)
{
    voegRijenToe(*app, {{3, "c"}, {4, "d"}, {5, "e"}, {6, "f"}, {INT_MAX, "max"}});
    voerUit(*app, {"update Requirements set beschrijving='rich' where SR==4"});
    // 6 is taken by a requirement outside the range.
    EXPECT_EQ(app->schuifRekNummersOp({3, 5}, 1, true), 2);
    EXPECT_TRUE(logVanger().bevat("Error changing the serial number of the requirement.", wxLOG_Error));
    EXPECT_TRUE(logVanger().bevat("An existing requirement has this identification number: 6", wxLOG_Error));
    // The highest number cannot go higher.
    logVanger().wis();
    EXPECT_EQ(app->schuifRekNummersOp({6, UINT_MAX}, 1, true), 2);
    EXPECT_TRUE(logVanger().bevat("outside the range of identification numbers", wxLOG_Error));
    EXPECT_EQ(nummers(*app), "c=3,d=4,e=5,f=6,max=2147483647");

    // The whole range moves when its own numbers are in each other's way,
    // and nothing but the numbers changes.
    EXPECT_EQ(app->schuifRekNummersOp({3, 6}, 2, true), 0);
    EXPECT_EQ(nummers(*app), "c=5,d=6,e=7,f=8,max=2147483647");
    EXPECT_EQ(kolommen(*app, 6, "beschrijving"), "rich");
}

TEST_F(Hernummer, GatenDichtenGeeftEenTweeDrieInNummervolgorde)
{
    EXPECT_EQ(app->srStrakTrekken(), 1); // an empty project: no transaction either
    EXPECT_FALSE(app->rolTerugMogelijk());

    // Numbers below 1 take numbers that others still hold; the order of
    // adding plays no part.
    voegRijenToe(*app, {{7, "zeven"}, {-3, "min"}, {9, "negen"}, {2, "twee"}, {0, "nul"}});
    EXPECT_EQ(app->srStrakTrekken(), 0);
    EXPECT_EQ(nummers(*app), "min=1,nul=2,twee=3,zeven=4,negen=5");
    // One change: one undo takes all of it back.
    EXPECT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(nummers(*app), "min=-3,nul=0,twee=2,zeven=7,negen=9");
    EXPECT_EQ(app->srStrakTrekken(), 0);
    EXPECT_EQ(app->srStrakTrekken(), 1); // no gaps left
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Hernummer, EenFoutHalverwegeLaatAlleNummersZoalsZeWaren)
{
    voegRijenToe(*app, {{1, "a"}, {2, "b"}, {5, "e"}, {9, "i"}});
    // A rule of the project refuses number 4, which both would give out last.
    ASSERT_EQ(app->executeUpdate("create temporary trigger weiger before update of SR on Requirements "
                                 "when new.SR==4 begin select raise(abort,'number 4 refused'); end"),
              0);
    EXPECT_EQ(app->srStrakTrekken(), 2);
    EXPECT_EQ(nummers(*app), "a=1,b=2,e=5,i=9");
    EXPECT_EQ(app->schuifRekNummersOp({5, 9}, -5, true), 2);
    EXPECT_EQ(nummers(*app), "a=1,b=2,e=5,i=9");
    EXPECT_TRUE(logVanger().bevat("number 4 refused", wxLOG_Error));
    // The savepoint is gone with the failure: the next renumbering works.
    ASSERT_EQ(app->executeUpdate("drop trigger weiger"), 0);
    EXPECT_EQ(app->srStrakTrekken(), 0);
    EXPECT_EQ(nummers(*app), "a=1,b=2,e=3,i=4");
}
