#include "base/TrivaneWachtwoord.h"

#include "base/TrivaneOpslagValidator.h"

#include <cstring>
#include <gtest/gtest.h>
#include <type_traits>

TEST(TrivaneOpslagValidator, MarkeringVanEenOpgeslagenRecord)
{
    TrivaneOpslagValidator vers;
    EXPECT_EQ(vers.doeValidatie(), kcWaarschuwing);
    vers.zetGebruikt();
    EXPECT_EQ(vers.doeValidatie(), kcFout);
    EXPECT_EQ(TrivaneOpslagValidator(60192).doeValidatie(), kcOk);
    EXPECT_EQ(TrivaneOpslagValidator(60193).doeValidatie(), kcWaarschuwing);
}

TEST(TrivaneWachtwoord, LangeTekstWordtAfgekapt)
{
    const TrivaneWachtwoord lang(TrivaneString("twintig tekens lang"));
    EXPECT_EQ(lang.valideer(TrivaneString("twintig tekens")), kcOk);
    EXPECT_EQ(lang.valideer(TrivaneString("twintig tekens lang")), kcFout);
    EXPECT_EQ(lang.valideer(TrivaneString("twintig teken")), kcFout);

    TrivaneWachtwoord gezet(TrivaneString(""));
    EXPECT_EQ(gezet.valideer(TrivaneString("")), kcOk);
    gezet.zet(TrivaneString("twintig tekens lang"));
    EXPECT_EQ(gezet.valideer(TrivaneString("twintig tekens")), kcOk);
    EXPECT_TRUE(gezet == lang);

    // A text that does not end inside its own buffer is read no further.
    const char zonderNul[3] = {'a', 'b', 'c'};
    const TrivaneWachtwoord kort(TrivaneString(zonderNul, 3, '\0', false));
    EXPECT_EQ(kort.valideer(TrivaneString("abc")), kcOk);
}

TEST(TrivaneWachtwoord, CRCOntdektElkVeranderdTeken)
{
    TrivaneWachtwoord eerste(TrivaneString("een ander"));
    TrivaneWachtwoord tweede(TrivaneString("heel iets anders"));
    eerste.zet(TrivaneString("geheim"));
    tweede.zet(TrivaneString("geheim"));
    EXPECT_EQ(eerste.geefCRC(), tweede.geefCRC());
    EXPECT_EQ(eerste.valideer(tweede), kcOk);
    EXPECT_EQ(eerste.controleerCRC(), kcOk);

    // The CRC covers the 15 text bytes, a zero byte and a zero CRC field.
    unsigned char blok[20] = {};
    std::memcpy(blok, "geheim", 6);
    EXPECT_EQ(eerste.geefCRC().geefCRC(), TrivaneCRC().crcFast(blok, sizeof blok));

    // The record travels as its bytes; every changed byte of the text field
    // is caught, also past the NUL, and checking leaves the stored CRC alone.
    static_assert(std::is_trivially_copyable_v<TrivaneWachtwoord>);
    for (size_t i = 0; i < TrivaneWachtwoord::veldGrootte; ++i)
    {
        TrivaneWachtwoord kopie = eerste;
        reinterpret_cast<unsigned char*>(&kopie)[i] ^= 0x20;
        EXPECT_EQ(kopie.controleerCRC(), kcFout) << "byte " << i;
        EXPECT_EQ(kopie.geefCRC(), eerste.geefCRC());
        // Comparing reads the text up to its NUL, so only there.
        if (i <= 6)
        {
            EXPECT_FALSE(kopie == eerste) << "byte " << i;
        }
        kopie.berekenZetCRC();
        EXPECT_EQ(kopie.controleerCRC(), kcOk);
    }
}
