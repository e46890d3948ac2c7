// What the list shows, read a page at a time: only the pages painted are
// read, a few are kept, a page that failed stays empty without being read
// again, and the numbers and figures of the selection are there without any
// read. No window: the reader is the test's.
#include "toepassing/venster/RekLijstInhoud.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace
{
constexpr long pagina = RekLijstInhoud::paginaGrootte;

// Numbers 1000, 997, 994, ... in list order, as a sorted search gives them.
LijstSelektie selektie(size_t aantal)
{
    LijstSelektie uit;
    for (size_t rij = 0; rij < aantal; ++rij)
        uit.nummers.push_back(1000 - 3 * static_cast<int>(rij));
    uit.kostenSom = 4321;
    uit.voltooiing = 37.5;
    uit.gewichtSom = 812.25;
    return uit;
}

// A reader that notes every read (from, count) and gives the rows asked for
// in reverse order, without the number `weg`, with the result `resultaat`.
struct Lezer
{
    std::vector<std::pair<size_t, size_t>> gelezen;
    int resultaat = 0;
    int weg = -1;

    RekLijstInhoud::PaginaLezer maak()
    {
        return [this](const LijstSelektie& s, size_t vanaf, size_t aantal, RequirementLijst& rijen)
        {
            gelezen.emplace_back(vanaf, aantal);
            for (size_t i = vanaf + aantal; i-- > vanaf;)
                if (s.nummers[i] != weg && resultaat != 2)
                {
                    Requirement rek;
                    rek.SR = s.nummers[i];
                    rijen.Add(rek);
                }
            return resultaat;
        };
    }
};
} // namespace

TEST(RekLijstInhoud, LeestEenPaginaPasAlsEenRijErvanGevraagdWordtEnHoudtErEenPaar)
{
    Lezer lezer;
    const size_t aantal = (RekLijstInhoud::bewaardePaginas + 1) * pagina + 5;
    RekLijstInhoud inhoud(selektie(aantal), lezer.maak());
    EXPECT_TRUE(lezer.gelezen.empty());

    // Beyond the rows: nothing, and nothing read.
    for (const long rij : {-1L, static_cast<long>(aantal)})
        EXPECT_EQ(inhoud.geefRequirement(rij), nullptr) << rij;
    EXPECT_TRUE(lezer.gelezen.empty());

    // A row of the second page reads that page once; its rows are in place.
    for (const long rij : {pagina + 3, 2 * pagina - 1, pagina})
    {
        const Requirement* rek = inhoud.geefRequirement(rij);
        ASSERT_NE(rek, nullptr) << rij;
        EXPECT_EQ(rek->SR, inhoud.geefNummer(rij));
    }
    EXPECT_EQ(lezer.gelezen, (std::vector<std::pair<size_t, size_t>>{{pagina, pagina}}));

    // The last page holds what is left. The oldest page goes when one more
    // than the kept pages has been read; the others are still there.
    ASSERT_NE(inhoud.geefRequirement(static_cast<long>(aantal) - 1), nullptr);
    EXPECT_EQ(lezer.gelezen.back(), std::make_pair(aantal - 5, size_t{5}));
    for (long index = 2; index < static_cast<long>(RekLijstInhoud::bewaardePaginas) + 1; ++index)
        ASSERT_NE(inhoud.geefRequirement(index * pagina), nullptr);
    const size_t reads = lezer.gelezen.size();
    ASSERT_NE(inhoud.geefRequirement(pagina + 1), nullptr);
    EXPECT_EQ(lezer.gelezen.size(), reads + 1) << "the oldest page was kept";
    ASSERT_NE(inhoud.geefRequirement(8 * pagina), nullptr);
    EXPECT_EQ(lezer.gelezen.size(), reads + 1) << "a kept page was read again";
    EXPECT_FALSE(inhoud.isVerouderd());
}

TEST(RekLijstInhoud, EenRijDieWegIsOfEenPaginaDieMisluktBlijftLeeg)
{
    // A row gone since the selection (the reader says it is stale): its cell
    // is empty, the others are shown, and the list is out of date.
    Lezer oud;
    oud.resultaat = 1;
    oud.weg = 994;
    RekLijstInhoud verouderd(selektie(10), oud.maak());
    EXPECT_EQ(verouderd.geefRequirement(2), nullptr);
    ASSERT_NE(verouderd.geefRequirement(3), nullptr);
    EXPECT_EQ(verouderd.geefRequirement(3)->SR, 991);
    EXPECT_TRUE(verouderd.isVerouderd());

    // A failed read: the whole page is empty and is not read again (the
    // reader reported it once); the list is not taken for stale.
    Lezer fout;
    fout.resultaat = 2;
    RekLijstInhoud mislukt(selektie(10), fout.maak());
    for (long rij = 0; rij < 10; ++rij)
        EXPECT_EQ(mislukt.geefRequirement(rij), nullptr) << rij;
    EXPECT_EQ(fout.gelezen.size(), 1u);
    EXPECT_FALSE(mislukt.isVerouderd());

    // Without a reader nothing can be read.
    RekLijstInhoud zonderLezer(selektie(3), nullptr);
    EXPECT_EQ(zonderLezer.geefRequirement(0), nullptr);
}

TEST(RekLijstInhoud, NummersRijenEnCijfersZonderTeLezen)
{
    Lezer lezer;
    RekLijstInhoud inhoud(selektie(100), lezer.maak());
    EXPECT_EQ(inhoud.geefAantal(), 100);
    const std::pair<long, int> rijen[] = {{-1, -1}, {0, 1000}, {1, 997}, {99, 703}, {100, -1}};
    for (const auto& [rij, nummer] : rijen)
    {
        EXPECT_EQ(inhoud.geefNummer(rij), nummer) << rij;
        if (nummer >= 0)
        {
            EXPECT_EQ(inhoud.geefRij(nummer), rij) << nummer;
        }
    }
    for (const int nummer : {999, 700, 1003, 0})
        EXPECT_EQ(inhoud.geefRij(nummer), -1) << nummer;
    EXPECT_EQ(inhoud.geefSelektie().kostenSom, 4321);
    EXPECT_DOUBLE_EQ(inhoud.geefSelektie().voltooiing, 37.5);
    EXPECT_DOUBLE_EQ(inhoud.geefSelektie().gewichtSom, 812.25);
    EXPECT_TRUE(lezer.gelezen.empty());

    const RekLijstInhoud leeg;
    EXPECT_EQ(leeg.geefAantal(), 0);
    EXPECT_EQ(leeg.geefNummer(0), -1);
    EXPECT_EQ(leeg.geefRij(1000), -1);
}
