#include "base/TrivaneConfig.h"

#include "base/TrivaneCryptoTijdStempel.h"
#include "tests/base/TekstHulp.h"

#include <cstring>
#include <gtest/gtest.h>
#include <type_traits>

TEST(TrivaneConfig, NaamTijdStempelEnBeginMarkering)
{
    const TrivaneTijdStempel stempel(2025, 12, 31, 23, 59, 58);
    TrivaneConfig config(TrivaneCString("een naam van dertig tekens lang"), stempel);
    EXPECT_EQ(tekstVan(config.geefNaam()), "een naam van dertig tek");
    EXPECT_FALSE(config.geefNaam().isVeranderbaar());
    EXPECT_EQ(config.beginControleIsGoed(), kcOk);
    EXPECT_EQ(config.geefTijdStempel(), stempel);

    config.zetNaam(TrivaneString("kort"));
    EXPECT_EQ(tekstVan(config.geefNaam()), "kort");
    config.zetNaam(TrivaneString("nog een naam die veel te lang is"));
    EXPECT_EQ(tekstVan(config.geefNaam()), "nog een naam die veel t");
    config.zetTijdStempel(TrivaneTijdStempel(1999, 1, 2));
    EXPECT_EQ(config.geefTijdStempel(), TrivaneTijdStempel(1999, 1, 2));
}

TEST(TrivaneConfig, CRCOntdektEenVeranderdeByte)
{
    TrivaneConfig origineel(TrivaneCString("instellingen"), TrivaneTijdStempel(2024, 3, 5, 10, 0, 0));
    origineel.berekenZetCRC();
    EXPECT_EQ(origineel.controleerCRC(), kcOk);

    // Sent as it is and come back: every changed byte of marker, name field
    // (also past the name's NUL) or stamp is caught.
    static_assert(std::is_trivially_copyable_v<TrivaneConfig>);
    for (size_t i = sizeof(TrivaneCRC); i < sizeof(TrivaneConfig); ++i)
    {
        TrivaneConfig terug = origineel;
        reinterpret_cast<unsigned char*>(&terug)[i] ^= 0x01;
        EXPECT_EQ(terug.controleerCRC(), kcFout) << "byte " << i;
        EXPECT_EQ(terug.vergelijkCRC(origineel), kcOk) << "the check leaves the CRC alone";
        terug.berekenZetCRC();
        EXPECT_EQ(terug.vergelijkCRC(origineel), kcFout) << "byte " << i;
    }

    TrivaneConfig ander = origineel;
    std::memset(reinterpret_cast<unsigned char*>(&ander) + sizeof(TrivaneCRC), 0, sizeof(unsigned int));
    EXPECT_EQ(ander.beginControleIsGoed(), kcFout);
}

TEST(TrivaneCryptoTijdStempel, PaktEenDatumIn32Bits)
{
    const TrivaneCryptoTijdStempel standaard;
    EXPECT_EQ(standaard.geefWaarde(), 0x080F8804u);
    EXPECT_EQ(standaard.converteer(), TrivaneTijdStempel(1988, 1, 1));

    struct Geval
    {
        int jaar;
        unsigned char maand;
        unsigned char dag;
    };
    for (Geval geval : {Geval{2025, 12, 31}, Geval{-44, 3, 15}, Geval{-32768, 1, 1}, Geval{32767, 13, 31}})
    {
        const TrivaneCryptoTijdStempel gepakt(TrivaneTijdStempel(geval.jaar, geval.maand, geval.dag, 12, 30, 0));
        const TrivaneTijdStempel terug = gepakt.converteer();
        EXPECT_EQ(terug.geefJaar(), geval.jaar);
        EXPECT_EQ(terug.geefMaand(), geval.maand);
        EXPECT_EQ(terug.geefDag(), geval.dag);
        EXPECT_EQ(terug.geefUur(), 0);
        EXPECT_EQ(gepakt.geefWaarde() & 0x86000183u, 0u) << "unused bits stay 0";
    }

    // Bits that do not fit are refused instead of wrapping: day 33 is not 1.
    TrivaneCryptoTijdStempel stempel(TrivaneTijdStempel(2025, 6, 33));
    EXPECT_EQ(stempel.geefWaarde(), 0x080F8804u);
    EXPECT_EQ(stempel.zet(TrivaneTijdStempel(2025, 16, 1)), kcFout);
    stempel = TrivaneTijdStempel(2025, 12, 31, 8, 0, 0);
    EXPECT_EQ(stempel.converteer(), TrivaneTijdStempel(2025, 12, 31));

    // Compared as date-times: only midnight equals the packed date.
    EXPECT_TRUE(stempel == TrivaneTijdStempel(2025, 12, 31));
    EXPECT_FALSE(stempel == TrivaneTijdStempel(2025, 12, 31, 0, 0, 1));
    EXPECT_TRUE(stempel == TrivaneCryptoTijdStempel(TrivaneTijdStempel(2025, 12, 31, 23, 0, 0)));
    EXPECT_FALSE(stempel == standaard);
}
