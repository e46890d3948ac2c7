// Work that may last tells whoever follows it that it begins and what it
// does, that it goes on, also in the middle of one long statement, and that
// it ends; work within work is part of the outer work. A search that lasts
// hands over to the window at its pace, however long the window paints.
#include "tests/ondersteuning/KernApp.h"
#include "toepassing/kern/RequirementVerplaatsing.h"
#include "toepassing/kern/Voortgang.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
struct Volger : Voortgang
{
    std::vector<wxString> begonnen;
    int meldingen = 0;
    int geeindigd = 0;

    void begin(const wxString& wat) override { begonnen.push_back(wat); }
    void meld() override { ++meldingen; }
    void meldStap(size_t, size_t) override { ++meldingen; }
    void eind() override { ++geeindigd; }
};
} // namespace

TEST_F(ProjectTest, LongWorkTellsItsFollowerThatItBeginsGoesOnAndEnds)
{
    // Numbers 2, 4, 6, ... 1000.
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<500) insert into "
                   "Requirements (SR,naam) select 2*i,'Vessel '||i from n"});
    // The hand-over at every chance SQLite gives.
    struct Tijden
    {
        SQLite3Basis::TussendoorTijden vorige =
            SQLite3Basis::zetTussendoorTijden({std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
        ~Tijden() { SQLite3Basis::zetTussendoorTijden(vorige); }
    } tijden;
    Volger volger;
    app->zetVoortgang(&volger);

    Requirement eerste = opgeslagen("Vessel 1", 1);
    // What the work does, how often at least it tells that it goes on (the
    // renumberings of many rows in few statements mostly while a statement
    // runs, the turn between its steps), and the work.
    const std::tuple<const char*, int, std::function<int()>> werken[] = {
        {"Reassigning the I.D numbers of the requirements...", 10, [&] { return app->srStrakTrekken(); }},
        // A shift of the numbers in between within the move.
        {"Moving requirements...", 10, [&] { return RequirementVerplaatsing::verplaats(*app, eerste, 400); }},
        {"Moving requirements...", 2,
         [&]
         {
             // The move gave Vessel 2 to 4 the numbers 1 to 3.
             RequirementLijst blok = lijstVan({opgeslagen("Vessel 3", 2), opgeslagen("Vessel 4", 3)});
             return RequirementVerplaatsing::draai(*app, opgeslagen("Vessel 2", 1), blok);
         }}};
    for (const auto& [wat, minstens, werk] : werken)
    {
        volger = Volger();
        EXPECT_EQ(werk(), 0) << wat;
        EXPECT_EQ(volger.begonnen, std::vector<wxString>{wat});
        EXPECT_GE(volger.meldingen, minstens) << wat;
        EXPECT_EQ(volger.geeindigd, 1) << wat;
    }
    // A swap releases a savepoint within the change it opens: that commits
    // nothing, and nothing tells of a commit.
    ASSERT_EQ(app->stopTransaktie(), 0);
    volger = Volger();
    EXPECT_EQ(app->verwisselSR(opgeslagen("Vessel 450", 450), opgeslagen("Vessel 500", 500), true), 0);
    EXPECT_EQ(volger.begonnen, std::vector<wxString>());
    app->zetVoortgang(nullptr);
}

// The hand-over paints for half the pace, as a window slow to paint would:
// the hand-overs keep their pace from the first on, which the time of a
// paint does not stretch; the search goes on half a pace after each.
TEST_F(ProjectTest, EenLangeZoektochtGeeftHetVensterZijnBeurtOpTijd)
{
    using Klok = std::chrono::steady_clock;
    const std::chrono::milliseconds eerste(1);
    const std::chrono::milliseconds pas(20);
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<50000) insert into "
                   "Requirements (SR,naam,beschrijving) select i,'Req '||i,hex(randomblob(300))||"
                   "case when i%100==0 then 'needle' else '' end from n"});
    const SQLite3Basis::TussendoorTijden vorige = SQLite3Basis::zetTussendoorTijden({eerste, pas});
    // When each hand-over began and ended.
    std::vector<std::pair<Klok::time_point, Klok::time_point>> beurten;
    app->zetTussendoor(
        [&]
        {
            const Klok::time_point begin = Klok::now();
            // Painting.
            while (Klok::now() < begin + pas / 2)
            {
            }
            beurten.emplace_back(begin, Klok::now());
        });
    VerelTamsoApp::ZoekCriteria criteria;
    criteria.zoekTekst = "needle";
    LijstSelektie selektie;
    const Klok::time_point begin = Klok::now();
    EXPECT_EQ(app->leesLijstSelektie(criteria, selektie), 0);
    const Klok::duration duur = Klok::now() - begin;
    app->zetTussendoor(nullptr);
    SQLite3Basis::zetTussendoorTijden(vorige);
    EXPECT_EQ(selektie.geefAantal(), 500u);

    ASSERT_GE(beurten.size(), 4u);
    // A pace each after the first, with room for a busy machine.
    EXPECT_GE(static_cast<double>(beurten.size()), (duur - eerste) / (3.0 * pas))
        << beurten.size() << " hand-overs in " << std::chrono::duration<double, std::milli>(duur).count() << " ms";
    Klok::duration kortsteRust = Klok::duration::max();
    for (size_t i = 1; i < beurten.size(); ++i)
        kortsteRust = std::min(kortsteRust, beurten[i].first - beurten[i - 1].second);
    EXPECT_LT(kortsteRust, pas * 9 / 10);
}
