#include "base/TrivaneDataPakket.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

TEST(TrivaneDataPakket, EigenBlokWordtEenmaalVrijgegeven)
{
    TrivaneDataBasisPakket pakket(10, 4);
    EXPECT_EQ(pakket.geefGrootte(), 40u);
    EXPECT_EQ(pakket.geefElementGrootte(), 4u);
    EXPECT_EQ(pakket.geefElementAantal(), 10u);
    EXPECT_TRUE(pakket.isZelfAlloc());
    EXPECT_TRUE(pakket.isVeranderbaar());
    EXPECT_FALSE(pakket.isLeeg());
    pakket.vernietig();
    EXPECT_TRUE(pakket.isLeeg());
    EXPECT_FALSE(pakket.isZelfAlloc());
    pakket.vernietig();

    // A view on a non-empty block keeps it; an empty one gets a block of its own.
    unsigned char buiten[8] = {};
    TrivaneDataBasisPakket view(buiten, sizeof buiten, 1, true);
    EXPECT_EQ(view.alloceerOpnieuw(100, 1), buiten);
    EXPECT_EQ(view.geefGrootte(), 8u);
    EXPECT_FALSE(view.isZelfAlloc());
    TrivaneDataBasisPakket leeg;
    EXPECT_NE(leeg.alloceerOpnieuw(3, 2), nullptr);
    EXPECT_EQ(leeg.geefGrootte(), 6u);
    EXPECT_TRUE(leeg.isZelfAlloc());
    EXPECT_NE(leeg.alloceerOpnieuw(5, 1), nullptr);
    EXPECT_EQ(leeg.geefGrootte(), 5u);

    TrivaneDataBasisPakket nul(0, 0);
    EXPECT_EQ(nul.geefElementAantal(), 0u);
}

TEST(TrivaneDataPakket, GeldigeDataGrenzen)
{
    static unsigned char blok[0x40001];
    struct Geval
    {
        unsigned char* data;
        unsigned long long grootte;
        bool geldig;
    };
    for (Geval geval : {Geval{nullptr, 10, false}, Geval{blok, 0, false}, Geval{blok, 1, true},
                        Geval{blok, 0x40000, true}, Geval{blok, 0x40001, false}})
    {
        TrivaneDataBasisPakket view(geval.data, geval.grootte, 1, false);
        EXPECT_EQ(view.geldigeData(), geval.geldig) << "size " << geval.grootte;
    }
}

TEST(TrivaneDataPakket, ToewijzenKopieertOfWordtEenView)
{
    unsigned char drie[3] = {1, 2, 3};
    unsigned char vijf[5] = {9, 9, 9, 9, 9};
    TrivaneDataBasisPakket kort(drie, 3, 1, true);
    TrivaneDataBasisPakket lang(vijf, 5, 1, true);
    lang = kort;
    EXPECT_EQ(0, std::memcmp(vijf, "\x01\x02\x03\x09\x09", 5));
    EXPECT_EQ(lang.geefGrootte(), 5u);

    unsigned char andere[5] = {5, 6, 7, 8, 9};
    TrivaneDataBasisPakket bron(andere, 5, 1, false);
    kort = bron;
    EXPECT_EQ(0, std::memcmp(drie, "\x05\x06\x07", 3));

    // A read-only packet takes the source's description over.
    TrivaneDataBasisPakket alleenLezen(drie, 3, 1, false);
    alleenLezen = lang;
    EXPECT_EQ(alleenLezen.geefBasisAdres(), vijf);
    EXPECT_EQ(alleenLezen.geefGrootte(), 5u);
    EXPECT_TRUE(alleenLezen.isVeranderbaar());
}

TEST(TrivaneDataPakket, EenBlokHeeftNooitTweeEigenaars)
{
    // Assigning an owning packet to a read-only one must not make both free
    // the block: the sanitizer build catches a double free here.
    auto eigenaar = std::make_unique<TrivaneDataPakket<unsigned char>>(4, 1);
    std::memcpy(eigenaar->geefBasisAdres(), "abcd", 4);
    TrivaneDataPakket<unsigned char> view(nullptr, 0, 1, false);
    view = *eigenaar;
    EXPECT_EQ(view.geefBasisAdres(), eigenaar->geefBasisAdres());
    EXPECT_FALSE(view.isZelfAlloc());
    EXPECT_TRUE(eigenaar->isZelfAlloc());

    // A copy of an owner owns a copy of the bytes, and outlives the original.
    TrivaneDataPakket<unsigned char> kopie(*eigenaar);
    EXPECT_NE(kopie.geefBasisAdres(), eigenaar->geefBasisAdres());
    EXPECT_TRUE(kopie.isZelfAlloc());
    eigenaar.reset();
    EXPECT_EQ(0, std::memcmp(kopie.geefBasisAdres(), "abcd", 4));

    // Moving hands the block over.
    TrivaneDataPakket<unsigned char> verhuisd(std::move(kopie));
    EXPECT_TRUE(verhuisd.isZelfAlloc());
    EXPECT_FALSE(kopie.isZelfAlloc());
}

TEST(TrivaneDataPakket, KopierenNaarEenStartElement)
{
    TrivaneDataPakket<unsigned char> doel(10, 1);
    std::memset(doel.geefBasisAdres(), '.', 10);
    TrivaneDataPakket<unsigned char> tien(10, 1);
    std::memset(tien.geefBasisAdres(), 'x', 10);

    EXPECT_EQ(doel.kopieer(tien, 1), kcWaarschuwing);
    EXPECT_EQ(doel.geefBasisAdres()[0], '.');
    EXPECT_EQ(doel.kopieer(tien, 0), kcOk);
    EXPECT_EQ(doel.geefBasisAdres()[9], 'x');
    EXPECT_EQ(doel.kopieer(doel, 0), kcFout);

    // A start at or past the end is refused, also for an empty source.
    TrivaneDataPakket<unsigned char> niets(nullptr, 0, 1, false);
    unsigned char byte = 'b';
    TrivaneDataPakket<unsigned char> een(&byte, 1, 1, false);
    for (unsigned long long start : {10ULL, 11ULL, ~0ULL})
        EXPECT_EQ(doel.kopieer(een, start), kcWaarschuwing) << "start " << start;
    EXPECT_EQ(doel.kopieer(een, 9), kcOk);
    EXPECT_EQ(doel.geefBasisAdres()[9], 'b');
    EXPECT_EQ(doel.kopieer(niets, 0), kcFout);

    // Different element sizes: the room is counted in bytes.
    unsigned char woorden[8] = {'1', '2', '3', '4', '5', '6', '7', '8'};
    TrivaneDataBasisPakket breed(woorden, 8, 4, false);
    EXPECT_EQ(doel.kopieer(breed, 3), kcWaarschuwing);
    EXPECT_EQ(doel.kopieer(breed, 2), kcOk);
    EXPECT_EQ(0, std::memcmp(doel.geefBasisAdres() + 2, "12345678", 8));

    // A read-only destination is not written.
    unsigned char vast[4] = {'v', 'v', 'v', 'v'};
    TrivaneDataPakket<unsigned char> alleenLezen(vast, 4, 1, false);
    EXPECT_EQ(alleenLezen.kopieer(een, 0), kcFout);
    EXPECT_EQ(vast[0], 'v');
}

TEST(TrivaneDataPakket, ElementenVanEenKeten)
{
    char eerste[3] = {'a', 'b', 'c'};
    char tweede[2] = {'d', 'e'};
    TrivaneDataPakket<char> staart(tweede, 2, 1, false);
    TrivaneDataPakket<char> kop(eerste, 3, 1, false, &staart);
    EXPECT_EQ(kop.geefAantalElementenInKeten(), 5u);
    EXPECT_EQ(*kop.geefElement(2), 'c');
    EXPECT_EQ(*kop.geefElement(3), 'd');
    unsigned long long resterend = 0;
    EXPECT_EQ(*kop.geefElement(4, &resterend), 'e');
    EXPECT_EQ(resterend, 1u);
    EXPECT_EQ(kop.geefElement(5), nullptr);
}
