#include "base/TrivaneOpbergPlek.h"

#include "base/TrivaneExtCString.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using Tekst = TrivaneExtCString<169>;

// The writer's side, kept apart from the library on purpose: swap the bit
// pairs, then XOR with the key bytes 0, 1, 2, 3, 2, 1, ...
std::vector<unsigned char> verberg(const std::string& tekst, unsigned int sleutel)
{
    static const int volgorde[6] = {0, 1, 2, 3, 2, 1};
    std::vector<unsigned char> uit;
    for (size_t i = 0; i < tekst.size(); ++i)
    {
        const unsigned char byte = static_cast<unsigned char>(tekst[i]);
        unsigned char gewisseld = 0;
        for (int bit = 0; bit < 8; bit += 2)
            gewisseld |=
                static_cast<unsigned char>(((byte >> bit) & 1) << (bit + 1) | ((byte >> (bit + 1)) & 1) << bit);
        uit.push_back(static_cast<unsigned char>(gewisseld ^ (sleutel >> (8 * volgorde[i % 6]))));
    }
    return uit;
}
} // namespace

TEST(TrivaneOpbergPlek, GeeftDeTekstTerugZoalsHijWerdOpgeborgen)
{
    const unsigned int sleutel = 0x9E3779B9;
    const std::string lang(169, 'z');
    for (const std::string& tekst :
         {std::string("geheim wachtwoord"), std::string("x"), lang, std::string("\x01\xff tekens \x80 buiten ASCII")})
    {
        const std::vector<unsigned char> bytes = verberg(tekst, sleutel);
        const TrivaneOpbergPlek<Tekst> plek(TrivaneDataPakket<unsigned char>(bytes.data(), bytes.size(), 1, false),
                                            sleutel);
        Tekst terug("oude inhoud die langer is dan sommige teksten hierboven");
        EXPECT_EQ(plek.geef(terug), kcOk);
        EXPECT_EQ(std::string(terug.geefTekst()), tekst);
        EXPECT_EQ(terug.geefTekst()[169], '\0');
    }
}

TEST(TrivaneOpbergPlek, SleutelBytesHeenEnWeer)
{
    // Stored zero bytes come back as the key bytes with their bit pairs
    // swapped: 0x11 -> 0x22, 0x22 -> 0x11, 0x33 -> 0x33, 0x44 -> 0x88.
    const std::vector<unsigned char> nullen(8, 0);
    const TrivaneOpbergPlek<Tekst> plek(TrivaneDataPakket<unsigned char>(nullen.data(), nullen.size(), 1, false),
                                        0x44332211);
    Tekst terug;
    ASSERT_EQ(plek.geef(terug), kcOk);
    const std::vector<unsigned char> verwacht = {0x22, 0x11, 0x33, 0x88, 0x33, 0x11, 0x22, 0x11, 0x00};
    EXPECT_EQ(std::vector<unsigned char>(terug.geefTekst(), terug.geefTekst() + 9), verwacht);
}

TEST(TrivaneOpbergPlek, MisluktKopierenGeeftGeenOudeBytes)
{
    Tekst vorige("vorige geheime tekst");

    // Too large for the text: nothing is copied, and nothing of the text's
    // old content comes back as if it were the stored one.
    const std::vector<unsigned char> teGroot(170, 'a');
    const TrivaneOpbergPlek<Tekst> groot(TrivaneDataPakket<unsigned char>(teGroot.data(), teGroot.size(), 1, false), 1);
    EXPECT_EQ(groot.geef(vorige), kcWaarschuwing);
    EXPECT_EQ(std::string(vorige.geefTekst()), "");

    Tekst nogEens("vorige geheime tekst");
    const TrivaneOpbergPlek<Tekst> leeg(TrivaneDataPakket<unsigned char>(), 1);
    EXPECT_EQ(leeg.geef(nogEens), kcFout);
    EXPECT_EQ(std::string(nogEens.geefTekst()), "");
}
