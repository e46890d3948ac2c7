// The questions asked before adding or renumbering: is a title or number
// taken, and which number comes next.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/KernApp.h"

#include <limits>

namespace
{
class Bestaan : public ::testing::Test
{
protected:
    App app;

    void SetUp() override { ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0); }

    Requirement rek(int SR, const char* naam)
    {
        Requirement r;
        r.SR = SR;
        r.naam = wxString::FromUTF8(naam);
        return r;
    }
};
} // namespace

TEST_F(Bestaan, TitelsBestaanZonderAchtOpHoofdletters)
{
    voegRijenToe(*app, {{1, "Brake"}, {2, "Bob's 100% test"}});
    EXPECT_TRUE(app->rekBestaat("Brake"));
    EXPECT_TRUE(app->rekBestaat("BRAKE"));
    EXPECT_TRUE(app->rekBestaat("Bob's 100% test"));
    EXPECT_FALSE(app->rekBestaat("Bob's 100% test!"));
    EXPECT_FALSE(app->rekBestaat("Brak"));
    EXPECT_FALSE(app->rekBestaat("x' or '1'='1"));

    // A record is taken by its title or by its number.
    EXPECT_TRUE(app->rekBestaat(rek(9, "brake")));
    EXPECT_TRUE(app->rekBestaat(rek(2, "New")));
    EXPECT_FALSE(app->rekBestaat(rek(3, "New")));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Bestaan, NummersInGebruikEnHetVolgendeNummer)
{
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 1);
    voegRijenToe(*app, {{1, "a"}, {2, "b"}, {7, "c"}});
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 8);

    app->zoekAlles();
    EXPECT_EQ(app->bestaatRequirement(7), 0);
    EXPECT_EQ(app->bestaatRequirement(5), 1);

    // Freed numbers below the highest are not given again.
    voerUit(*app, {"delete from Requirements where SR==7"});
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 3);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Bestaan, NaHetHoogsteNummerIsErGeenVolgendeMeer)
{
    voegRijenToe(*app, {{std::numeric_limits<int>::max(), "last"}});
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 0);
    EXPECT_TRUE(logVanger().bevat("there is no next number", wxLOG_Error));
}

TEST_F(Bestaan, BijEenFoutTeltAllesAlsBezet)
{
    // No search yet on this connection, so the view is missing.
    EXPECT_EQ(app->bestaatRequirement(5), 0);
    app->sluitDB();
    EXPECT_TRUE(app->rekBestaat("Anything"));
    EXPECT_TRUE(app->rekBestaat(rek(1, "Anything")));
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 0);
}
