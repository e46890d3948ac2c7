#include "base/TrivaneByteFunkties.h"
#include "base/TrivaneCodeStand.h"

#include <gtest/gtest.h>

namespace
{
// Puts the library's language back whatever a test chose.
struct TaalTerug
{
    ~TaalTerug() { TrivaneString::zetTaalKeuze(TaalNederlands); }
};
} // namespace

TEST(TrivaneCode, DeEersteCodeDieNietOkIsWint)
{
    EXPECT_EQ(kcOk && kcWaarschuwing, kcWaarschuwing);
    EXPECT_EQ(kcFout && kcWaarschuwing, kcFout);
    EXPECT_EQ(kcWaarschuwing && kcOk, kcWaarschuwing);
    EXPECT_EQ(kcOk && kcOk, kcOk);

    EXPECT_EQ(TrivaneCodeStand(false).kcStand(), kcFout);
    EXPECT_EQ(TrivaneCodeStand(true).kcStand(), kcOk);
    EXPECT_FALSE(TrivaneCodeStand(kcWaarschuwing).boolStand());
    EXPECT_TRUE(TrivaneCodeStand(kcOk).boolStand());
    TrivaneCodeStand stand(kcOk);
    stand = false;
    EXPECT_TRUE(stand == kcFout);
    stand = kcRampzalig;
    EXPECT_TRUE(stand == kcRampzalig);
}

TEST(TrivaneCode, TekstenVolgenDeTaalVanDeBibliotheek)
{
    TaalTerug terug;
    const char* nederlands[] = {"Ok", "Waarschuwing", "Fout", "Ernstig", "Rampzalig", "Onbekend", "ReserveFoutCode"};
    const char* engels[] = {"Ok", "Warning", "Error", "Serious Error", "Disastrous Error", "Unknown", "Reserve"};
    for (unsigned int code = kcOk; code <= kcReserve; ++code)
    {
        TrivaneCodeStand stand(static_cast<TrivaneCode>(code));
        TrivaneString::zetTaalKeuze(TaalNederlands);
        EXPECT_EQ(stand.print(), nederlands[code]);
        EXPECT_EQ(stand.wxPrint(), nederlands[code]);
        TrivaneString::zetTaalKeuze(static_cast<TrivaneTaal>(7));
        EXPECT_EQ(stand.print(), engels[code]);
        EXPECT_EQ(stand.wxPrint(), engels[code]);
    }

    // A code from outside the table reads as unknown instead of past it.
    TrivaneString::zetTaalKeuze(TaalNederlands);
    EXPECT_EQ(TrivaneCodeStand(static_cast<TrivaneCode>(99)).print(), "Onbekend");
}

TEST(TrivaneByteFunkties, BytesOmdraaienEnSamenvoegen)
{
    EXPECT_EQ(draaiOmBytesU16(0x1234), 0x3412);
    EXPECT_EQ(draaiOmBytesS16(0x0080), -32768);
    EXPECT_EQ(draaiOmBytesS16(static_cast<short>(0xFF00)), 255);
    unsigned short kort = 0xABCD;
    draaiOmBytesInU16(kort);
    EXPECT_EQ(kort, 0xCDAB);

    EXPECT_EQ(draaiOmBytes32(0x11223344u), 0x44332211u);
    unsigned int woord = 0x11223344u;
    draaiOmBytesInU32(woord);
    EXPECT_EQ(woord, 0x44332211u);
    EXPECT_EQ(draaiOmHalfWords(0x11223344u), 0x33441122u);
    draaiOmHalfWordsInUInt32(woord);
    EXPECT_EQ(woord, 0x22114433u);

    const unsigned char geheugen[] = {0x01, 0x02, 0x03, 0x04};
    EXPECT_EQ(maakWoord(geheugen, false), 0x01020304u);
    EXPECT_EQ(maakWoord(geheugen, true), 0x04030201u);
    EXPECT_EQ(maakWoord(0x01, 0x02, 0x03, 0x04), 0x01020304u);
    EXPECT_EQ(maakSignedWoord(0xFF, 0xFF, 0xFF, 0xFE), -2);
    EXPECT_EQ(maakWoord(static_cast<unsigned short>(0xBEEF), static_cast<unsigned short>(0x0001)), 0xBEEF0001u);

    EXPECT_EQ(maakBCD(1, 2, 3, 4), 1234u);
    EXPECT_EQ(maakBCD(12, 34), 1234u);
    EXPECT_EQ(maakBCD(0, 0, 0, 15), 15u);
}

TEST(TrivaneByteFunkties, EenByteInEenWoordPlaatsen)
{
    const unsigned int verwacht[] = {0x112233ABu, 0x1122AB44u, 0x11AB3344u, 0xAB223344u};
    for (unsigned long long index = 0; index < 4; ++index)
    {
        unsigned int woord = 0x11223344u;
        plaatsByteInWoord(woord, index, 0xAB);
        EXPECT_EQ(woord, verwacht[index]) << "byte " << index;
    }
    // A word has no fifth byte: the word stays as it was.
    for (unsigned long long index : {4ULL, 32ULL, ~0ULL})
    {
        unsigned int woord = 0x11223344u;
        plaatsByteInWoord(woord, index, 0xAB);
        EXPECT_EQ(woord, 0x11223344u) << "byte " << index;
    }
}
