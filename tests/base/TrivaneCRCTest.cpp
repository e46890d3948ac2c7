#include "base/TrivaneCRC.h"

#include "tests/base/TekstHulp.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
TrivaneDataPakket<unsigned char> pakketOp(const std::string& tekst)
{
    return TrivaneDataPakket<unsigned char>(tekst.data(), tekst.size(), 1, false);
}
} // namespace

TEST(TrivaneCRC, BekendeInvoerGeeftDeGepubliceerdeWaarden)
{
    struct Geval
    {
        std::string invoer;
        unsigned int crc;
    };
    const std::vector<Geval> gevallen = {
        {"123456789", 0xCBF43926},
        {"abc", 0x352441C2},
        {"a", 0xE8B7BE43},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
        {std::string(1, '\0'), 0xD202EF8D},
    };
    TrivaneCRC crc;
    for (const Geval& geval : gevallen)
    {
        EXPECT_EQ(TrivaneCRC(pakketOp(geval.invoer)).geefCRC(), geval.crc) << geval.invoer;
        crc = pakketOp(geval.invoer);
        EXPECT_EQ(crc.geefCRC(), geval.crc) << geval.invoer;
    }

    // The four-byte loop and the byte loop agree for every split.
    const std::string lang = "Requirements are checked when they come back";
    for (size_t lengte = 0; lengte <= lang.size(); ++lengte)
    {
        unsigned int registerWaarde = 0xFFFFFFFF;
        for (size_t i = 0; i < lengte; ++i)
        {
            registerWaarde ^= static_cast<unsigned char>(lang[i]);
            for (int bit = 0; bit < 8; ++bit)
                registerWaarde = (registerWaarde >> 1) ^ ((registerWaarde & 1) ? 0xEDB88320u : 0u);
        }
        EXPECT_EQ(crc.crcFast(reinterpret_cast<const unsigned char*>(lang.data()), lengte), ~registerWaarde)
            << "length " << lengte;
    }
}

TEST(TrivaneCRC, NietsTeLezenGeeftNul)
{
    // An empty packet says it is one byte long but has no data: nothing is read.
    TrivaneDataPakket<unsigned char> leeg;
    TrivaneCRC crc(0x12345678);
    EXPECT_EQ(crc.bereken(leeg, true), 0u);
    EXPECT_EQ(crc.geefCRC(), 0u);
    TrivaneDataPakket<unsigned char> zonderData(nullptr, 100, 1, false);
    EXPECT_EQ(TrivaneCRC(zonderData).geefCRC(), 0u);
    EXPECT_EQ(crc.crcFast(nullptr, 1000), 0u);
    const unsigned char byte = 'x';
    EXPECT_EQ(crc.crcFast(&byte, 0), 0u);
}

TEST(TrivaneCRC, BerekenBewaartAlleenOpVerzoek)
{
    TrivaneCRC crc(7);
    EXPECT_EQ(crc.bereken(pakketOp("123456789"), false), 0xCBF43926u);
    EXPECT_EQ(crc.geefCRC(), 7u);
    EXPECT_EQ(crc.bereken(pakketOp("123456789"), true), 0xCBF43926u);
    EXPECT_EQ(crc.geefCRC(), 0xCBF43926u);

    EXPECT_TRUE(crc.controleerPolynoom(0x04C11DB7));
    EXPECT_FALSE(crc.controleerPolynoom(0xEDB88320));
    EXPECT_EQ(tekstVan(crc.geefCRCNaam()), "CRC-32");
    EXPECT_FALSE(crc.geefCRCNaam().isVeranderbaar());
}

TEST(TrivaneCRC, TabellenEnBitOmkering)
{
    EXPECT_EQ(TrivaneCRC::crcTable[0], 0u);
    EXPECT_EQ(TrivaneCRC::crcTable[1], 0x04C11DB7u);
    EXPECT_EQ(TrivaneCRC::crcTable[128], 0x690CE0EEu);
    EXPECT_EQ(TrivaneCRC::crcTable[255], 0xB1F740B4u);

    std::array<unsigned int, 256> tabel{};
    TrivaneCRC::bouwTabel(tabel.data());
    EXPECT_EQ(tabel[0], 0u);
    EXPECT_EQ(tabel[1], 0x77073096u);
    EXPECT_EQ(tabel[128], 0xEDB88320u);
    EXPECT_EQ(tabel[255], 0x2D02EF8Du);
    TrivaneCRC::bouwTabel(nullptr);

    struct Geval
    {
        unsigned long waarde;
        unsigned long long bits;
        unsigned long verwacht;
    };
    TrivaneCRC crc;
    for (Geval geval : {Geval{1, 8, 128}, Geval{1, 32, 0x80000000UL}, Geval{1, 0, 0}, Geval{0xFF, 0, 0},
                        Geval{0x0F, 4, 0x0F}, Geval{0x1, 64, 0x8000000000000000UL}, Geval{0x2, 3, 0x2},
                        Geval{0xF0, 4, 0}, Geval{0x1, 65, 0x8000000000000000UL}, Geval{0x3, 255, 0xC000000000000000UL},
                        Geval{0x1, ~0ULL, 0x8000000000000000UL}})
        EXPECT_EQ(crc.reflect(geval.waarde, geval.bits), geval.verwacht)
            << geval.waarde << " over " << geval.bits << " bits";
}
