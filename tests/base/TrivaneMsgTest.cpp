#include "base/TrivaneMsg.h"

#include "base/TrivaneMsgBasis.h"
#include "base/TrivaneMsgBericht.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(TrivaneMsgBericht, AlleenEenEchtBerichtKanWordenGebruikt)
{
    TrivaneMsgBericht leeg;
    EXPECT_EQ(leeg.geefZender(), 3);
    EXPECT_FALSE(leeg.isBoodschapRuimteGebruikt());
    EXPECT_FALSE(leeg.kanWordenGebruikt());

    const TrivaneMsgBasis basis(5, static_cast<TrivaneMsgType>(2));
    EXPECT_TRUE(basis.kanWordenGebruikt());
    EXPECT_EQ(basis.geefZender(), 2);
    EXPECT_EQ(basis.geefOntvanger(), 5);
    EXPECT_EQ(basis.geefExtraWaarde(), 1000u);
    EXPECT_FALSE(basis.isBroadCast());

    TrivaneMsgBericht omroep;
    omroep.zetZender(7);
    EXPECT_FALSE(omroep.kanWordenGebruikt());
    omroep = MsgTypeBroadcast;
    EXPECT_TRUE(omroep.kanWordenGebruikt());
    EXPECT_TRUE(omroep.isBroadCast());
    EXPECT_TRUE(TrivaneMsgBericht::isBroadcastType(MsgTypeBroadcast));
    EXPECT_EQ(TrivaneMsgBasis(omroep).geefZender(), 7);

    TrivaneMsg bericht(3, nullptr, MsgTypeBroadcast);
    EXPECT_FALSE(bericht.kanWordenVerstuurd());
    EXPECT_EQ(bericht.verstuur(), 0);
}

TEST(TrivaneMsgBericht, KopieNeemtDeWoordenAlleenAlsZeInGebruikZijn)
{
    TrivaneMsgBericht bron;
    bron.zetZender(4);
    bron.zetOntvanger(9);
    bron.zetPrioriteit(TrivaneMsgBericht::PrioriteitNormaal);
    TrivaneMsgBericht doel;
    ASSERT_TRUE(doel.zetBoodschap(1, 77));
    doel = bron;
    EXPECT_EQ(doel.geefZender(), 4);
    EXPECT_EQ(doel.geefOntvanger(), 9);
    EXPECT_FALSE(doel.isBoodschapRuimteGebruikt());
    EXPECT_EQ(doel[1], 77u);

    ASSERT_TRUE(bron.zetBoodschap(31, -1));
    doel = bron;
    EXPECT_TRUE(doel.isBoodschapRuimteGebruikt());
    EXPECT_EQ(doel[1], 0u);
    EXPECT_EQ(doel.maakKopie().geefBoodschap(31), ~0ULL);
    doel = doel;
    EXPECT_EQ(doel[31], ~0ULL);
}

TEST(TrivaneMsgBericht, WoordIndexenBlijvenBinnenDeRuimte)
{
    TrivaneMsgBericht bericht;
    unsigned char byte = 0;
    for (unsigned long long index : {32ULL, 33ULL, ~0ULL})
    {
        EXPECT_FALSE(bericht.zetBoodschap(index, 1)) << index;
        EXPECT_FALSE(bericht.laadAdres(&byte, index)) << index;
        EXPECT_EQ(bericht.geefBoodschap(index), 0u) << index;
        EXPECT_EQ(bericht[index], 0u) << index;
        EXPECT_EQ(bericht.geefAdres(index), nullptr) << index;
    }
    EXPECT_FALSE(bericht.isBoodschapRuimteGebruikt());
    EXPECT_TRUE(bericht.laadAdres(&byte, 31));
    EXPECT_EQ(bericht.geefAdres(31), &byte);
    EXPECT_TRUE(bericht.isBoodschapRuimteGebruikt());
}

TEST(TrivaneMsgBericht, TekstEenTekenPerWoord)
{
    TrivaneMsgBericht bericht;
    bericht = TrivaneString("abcdefghijklmnopqrstuvwxyz0123456789");
    EXPECT_TRUE(bericht.isBoodschapRuimteGebruikt());
    EXPECT_EQ(bericht[0], static_cast<unsigned long long>('a'));
    EXPECT_EQ(bericht[31], static_cast<unsigned long long>('5'));

    // A shorter text leaves no characters of the longer one behind; a
    // character above 127 keeps its sign.
    bericht = TrivaneCString("x\xe9");
    EXPECT_EQ(bericht[0], static_cast<unsigned long long>('x'));
    EXPECT_EQ(bericht[1], static_cast<unsigned long long>(-23LL));
    EXPECT_EQ(bericht[2], 0u);
    EXPECT_EQ(bericht[31], 0u);

    // A text view ends at its own terminator.
    bericht = TrivaneString("een;twee", 0, ';');
    EXPECT_EQ(bericht[2], static_cast<unsigned long long>('n'));
    EXPECT_EQ(bericht[3], 0u);
}

TEST(TrivaneMsgBericht, PakketTotAanDeRandVanDeRuimte)
{
    std::vector<unsigned char> bytes(250);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i);

    struct Geval
    {
        unsigned long long grootte;
        TrivaneCode resultaat;
    };
    for (Geval geval : {Geval{0, kcOk}, Geval{1, kcOk}, Geval{247, kcOk}, Geval{248, kcOk}, Geval{249, kcWaarschuwing},
                        Geval{250, kcWaarschuwing}})
    {
        TrivaneMsgBericht bericht;
        ASSERT_TRUE(bericht.zetBoodschap(0, 5));
        TrivaneDataPakket<unsigned char> pakket(bytes.data(), geval.grootte, 1, false);
        EXPECT_EQ(bericht.laadPakket(pakket), geval.resultaat) << geval.grootte << " bytes";
        const TrivaneDataPakket<unsigned char> terug = bericht.geefPakket();
        if (geval.resultaat == kcOk)
        {
            ASSERT_EQ(terug.geefGrootte(), geval.grootte);
            EXPECT_EQ(0, std::memcmp(terug.geefBasisAdres(), bytes.data(), geval.grootte));
        }
        else
        {
            // Refused: the message is as it was.
            EXPECT_EQ(bericht[0], 5u);
            EXPECT_EQ(terug.geefGrootte(), 5u);
        }
    }

    TrivaneMsgBericht bericht;
    EXPECT_EQ(bericht.laadPakket(TrivaneDataPakket<unsigned char>()), kcFout);
    EXPECT_FALSE(bericht.isBoodschapRuimteGebruikt());

    // A size word written by hand never opens a view past the space.
    ASSERT_TRUE(bericht.zetBoodschap(0, 100000));
    EXPECT_EQ(bericht.geefPakket().geefGrootte(), 248u);
    TrivaneDataPakket<unsigned char> ruimte = bericht.maakBoodschapRuimtePakket();
    EXPECT_EQ(ruimte.geefGrootte(), 248u);
    EXPECT_EQ(ruimte.geefElementAantal(), 31u);
    EXPECT_TRUE(ruimte.isVeranderbaar());
    ruimte.geefBasisAdres()[247] = 0xAB;
    EXPECT_EQ(bericht[31] >> 56, 0xABu);
}

TEST(TrivaneMsg, BouwtAltijdHetLegeBericht)
{
    TrivaneMsg bericht;
    bericht.zetZender(4);
    bericht.zetType(static_cast<TrivaneMsgType>(2));
    EXPECT_TRUE(bericht.kanWordenVerstuurd());
    TrivaneMsg kopie(bericht);
    EXPECT_FALSE(kopie.kanWordenVerstuurd());
    kopie = bericht;
    EXPECT_TRUE(kopie.kanWordenVerstuurd());
}
