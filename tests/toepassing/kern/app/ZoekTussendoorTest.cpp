// A search of the whole project that lasts hands over to the window at its
// pace, however long the window takes to paint.
#include "tests/ondersteuning/KernApp.h"

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

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
