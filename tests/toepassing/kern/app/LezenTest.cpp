// Reading requirements back from a project, and the questions asked before
// one is added or renumbered: is its title or number taken, which number
// comes next.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

#include <climits>

using Lezen = ProjectTest;

TEST_F(Lezen, TitelsEnNummersInGebruikEnHetVolgendeNummer)
{
    // An empty project gives empty answers.
    EXPECT_EQ(app->zoekAlles().size() + app->geefAllen().size() + app->leesAlleWerknemers().size(), 0u);
    EXPECT_EQ(app->geefAantalRequirements() + app->geefTotaleKosten(), 0);
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 1);
    voegRijenToe(*app, {{1, "Brake"}, {2, "Bob's 100% test"}, {7, "Steer"}});
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 8);

    // Titles match without regard to case; quotes and percent signs are what they are.
    const std::pair<const char*, int> titels[] = {{"Brake", 1},       {"BRAKE", 1},    {"bob's 100% TEST", 2},
                                                  {"Brak", 0},        {"Bob's 1%", 0}, {"Bob's 100% test!", 0},
                                                  {"x' or '1'='1", 0}};
    for (const auto& [titel, SR] : titels)
    {
        EXPECT_EQ(app->rekBestaat(titel), SR != 0) << titel;
        EXPECT_EQ(app->geefRequirement(titel).SR, SR) << titel;
    }
    EXPECT_EQ(app->geefRequirement(13).naam, "");
    // A record is taken by its title or by its number.
    EXPECT_TRUE(app->rekBestaat(opgeslagen("brake", 9)));
    EXPECT_TRUE(app->rekBestaat(opgeslagen("New", 2)));
    EXPECT_FALSE(app->rekBestaat(opgeslagen("New", 3)));
    app->zoekAlles();
    EXPECT_EQ(app->bestaatRequirement(7), 0);
    EXPECT_EQ(app->bestaatRequirement(5), 1);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

    // After the highest possible number there is none, and no wrap.
    voegRijenToe(*app, {{INT_MAX, "last"}});
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 0);
    EXPECT_TRUE(logVanger().bevat("there is no next number", wxLOG_Error));
    // When the project cannot answer, everything counts as taken.
    app->sluitDB();
    EXPECT_TRUE(app->rekBestaat(opgeslagen("Anything", 99)));
    EXPECT_EQ(app->geefEerstvolgendeSRNummer(), 0);
}

TEST_F(Lezen, EenOntbrekendeOfOnleesbareDatumIsGeenDatum)
{
    const struct
    {
        const char* opgeslagen;
        bool geldig;
    } gevallen[] = {
        {"null", false},       {"''", false},           {"'garbage'", false},          {"'today'", false},
        {"'12'", false},       {"'2025-02-30'", false}, {"'2025-01-12 extra'", false}, {"'2024-02-29'", true},
        {"'1999-12-31'", true}};
    int SR = 0;
    for (const auto& geval : gevallen)
    {
        ++SR;
        voerUit(*app,
                {wxString::Format("insert into Requirements (SR,naam,datum,afgetekendDatum) values (%d,'r%d',%s,%s)",
                                  SR, SR, geval.opgeslagen, geval.opgeslagen)});
        const Requirement rek = app->geefRequirement(SR);
        EXPECT_EQ(rek.datum.IsValid(), geval.geldig) << geval.opgeslagen;
        EXPECT_EQ(rek.afgetekendDatum.IsValid(), geval.geldig) << geval.opgeslagen;
    }
    EXPECT_EQ(app->geefRequirement(8).datum, wxDateTime(29, wxDateTime::Feb, 2024));
    EXPECT_EQ(app->zoekAlles()[7].datum, wxDateTime(29, wxDateTime::Feb, 2024));
}

TEST_F(Lezen, AllenKomenInNummervolgorde)
{
    voegRijenToe(*app, {{12, "a"}, {3, "b"}, {-4, "c"}});
    app->zoekAlles();
    EXPECT_EQ(nummers(app->geefAllen()), (std::vector<int>{-4, 3, 12}));
}
