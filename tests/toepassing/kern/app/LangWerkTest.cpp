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

// The hand-overs of a long search keep their pace from the first on, which
// the time of a paint does not stretch; after a paint longer than the pace
// the search goes on half a pace before the next. On a clock of the test's
// own, which a look of the search moves on a millisecond and a paint by its
// length: the pace is exact, however busy the machine.
TEST_F(ProjectTest, EenLangeZoektochtGeeftHetVensterZijnBeurtOpTijd)
{
    using Tijd = std::chrono::steady_clock::time_point;
    using ms = std::chrono::milliseconds;
    const ms pas(20);
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<50000) insert into "
                   "Requirements (SR,naam,beschrijving) select i,'Req '||i,hex(randomblob(300))||"
                   "case when i%100==0 then 'needle' else '' end from n"});
    static Tijd nu;
    const SQLite3Basis::TussendoorKlok vorigeKlok = SQLite3Basis::zetTussendoorKlok([] { return nu += ms(1); });
    const SQLite3Basis::TussendoorTijden vorige = SQLite3Basis::zetTussendoorTijden({ms(1), pas});
    // The length of a paint, the gap the next hand-over keeps after the
    // start of the one before, and a search of its own (the same one again
    // would be known).
    const std::tuple<ms, ms, const char*> gevallen[] = {{pas / 4, pas, "needle"},
                                                        {pas * 2, pas * 2 + ms(1) + pas / 2, "eedle"}};
    for (const auto& [verf, afstand, zoek] : gevallen)
    {
        SCOPED_TRACE(verf.count());
        std::vector<Tijd> beurten;
        app->zetTussendoor(
            [&, verf = verf]
            {
                beurten.push_back(nu);
                nu += verf;
            });
        VerelTamsoApp::ZoekCriteria criteria;
        criteria.zoekTekst = zoek;
        LijstSelektie selektie;
        EXPECT_EQ(app->leesLijstSelektie(criteria, selektie), 0);
        app->zetTussendoor(nullptr);
        EXPECT_EQ(selektie.geefAantal(), 500u);
        ASSERT_GE(beurten.size(), 4u);
        for (size_t i = 1; i < beurten.size(); ++i)
            ASSERT_EQ(beurten[i] - beurten[i - 1], afstand) << "hand-over " << i;
    }
    SQLite3Basis::zetTussendoorTijden(vorige);
    SQLite3Basis::zetTussendoorKlok(vorigeKlok);
}
