#include "base/TrivaneCRC.h"

#include <algorithm>

namespace
{
constexpr unsigned int startWaarde = 0xFFFFFFFF;
constexpr unsigned int eindXor = 0xFFFFFFFF;

constexpr std::array<unsigned int, 256> maakTabel()
{
    std::array<unsigned int, 256> tabel{};
    for (unsigned int i = 0; i < 256; ++i)
    {
        unsigned int registerWaarde = i << 24;
        for (int stap = 0; stap < 8; ++stap)
            registerWaarde =
                (registerWaarde & 0x80000000u) ? (registerWaarde << 1) ^ TrivaneCRC::polynoom : registerWaarde << 1;
        tabel[i] = registerWaarde;
    }
    return tabel;
}

constexpr std::array<unsigned int, 256> maakGereflecteerdeTabel()
{
    std::array<unsigned int, 256> tabel{};
    for (unsigned int i = 0; i < 256; ++i)
    {
        unsigned int registerWaarde = i;
        for (int stap = 0; stap < 8; ++stap)
            registerWaarde =
                (registerWaarde & 1u) ? (registerWaarde >> 1) ^ TrivaneCRC::gereflecteerdPolynoom : registerWaarde >> 1;
        tabel[i] = registerWaarde;
    }
    return tabel;
}

constexpr std::array<unsigned char, 256> maakOmgekeerdeBytes()
{
    std::array<unsigned char, 256> tabel{};
    for (unsigned int i = 0; i < 256; ++i)
    {
        unsigned int omgekeerd = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (i & (1u << bit))
                omgekeerd |= 0x80u >> bit;
        tabel[i] = static_cast<unsigned char>(omgekeerd);
    }
    return tabel;
}

constexpr std::array<unsigned int, 256> gereflecteerdeTabel = maakGereflecteerdeTabel();
constexpr std::array<unsigned char, 256> omgekeerdeByte = maakOmgekeerdeBytes();

inline unsigned int stap(unsigned int registerWaarde, unsigned char byte)
{
    const unsigned int index = omgekeerdeByte[byte] ^ (registerWaarde >> 24);
    return TrivaneCRC::crcTable[index & 0xFF] ^ (registerWaarde << 8);
}

unsigned int draaiOm32(unsigned int waarde)
{
    return static_cast<unsigned int>(omgekeerdeByte[waarde & 0xFF]) << 24 |
           static_cast<unsigned int>(omgekeerdeByte[(waarde >> 8) & 0xFF]) << 16 |
           static_cast<unsigned int>(omgekeerdeByte[(waarde >> 16) & 0xFF]) << 8 | omgekeerdeByte[waarde >> 24];
}
} // namespace

constexpr std::array<unsigned int, 256> TrivaneCRC::crcTable = maakTabel();
const char* const TrivaneCRC::crcNaam = "CRC-32";

static_assert(TrivaneCRC::crcTable[1] == TrivaneCRC::polynoom, "the table is built from the polynomial");
static_assert(gereflecteerdeTabel[128] == TrivaneCRC::gereflecteerdPolynoom, "the reflected table mirrors it");

TrivaneCRC::TrivaneCRC(unsigned int waarde) : crc(waarde) {}

TrivaneCRC::TrivaneCRC(const TrivaneDataBasisPakket& pakket) : crc(0)
{
    bereken(pakket, true);
}

TrivaneCRC& TrivaneCRC::operator=(const TrivaneDataBasisPakket& pakket)
{
    bereken(pakket, true);
    return *this;
}

unsigned int TrivaneCRC::bereken(const TrivaneDataBasisPakket& pakket, bool bewaar)
{
    // An empty packet still reports one byte of size; without data there is
    // nothing to read.
    const unsigned char* bytes = pakket.geefBasisAdres();
    const unsigned int resultaat = bytes ? crcFast(bytes, pakket.geefGrootte()) : 0;
    if (bewaar)
        crc = resultaat;
    return resultaat;
}

unsigned int TrivaneCRC::crcFast(const unsigned char* bytes, unsigned long long aantal) const
{
    if (!bytes || aantal == 0)
        return 0;
    unsigned int registerWaarde = startWaarde;
    unsigned long long i = 0;
    for (; aantal - i >= 4; i += 4)
    {
        registerWaarde = stap(registerWaarde, bytes[i]);
        registerWaarde = stap(registerWaarde, bytes[i + 1]);
        registerWaarde = stap(registerWaarde, bytes[i + 2]);
        registerWaarde = stap(registerWaarde, bytes[i + 3]);
    }
    for (; i < aantal; ++i)
        registerWaarde = stap(registerWaarde, bytes[i]);
    return draaiOm32(registerWaarde) ^ eindXor;
}

unsigned long TrivaneCRC::reflect(unsigned long waarde, unsigned long long n) const
{
    const unsigned long long bits = std::min<unsigned long long>(n, 64);
    unsigned long resultaat = 0;
    for (unsigned long long bit = 0; bit < bits; ++bit)
        if (waarde & (1UL << bit))
            resultaat |= 1UL << (bits - 1 - bit);
    return resultaat;
}

unsigned int TrivaneCRC::geefCRC() const
{
    return crc;
}

void TrivaneCRC::resetCRC()
{
    crc = 0;
}

void TrivaneCRC::zetCRC(unsigned int waarde)
{
    crc = waarde;
}

void TrivaneCRC::zetCRC(const TrivaneCRC& ander)
{
    crc = ander.crc;
}

bool TrivaneCRC::operator==(const TrivaneCRC& ander) const
{
    return crc == ander.crc;
}

bool TrivaneCRC::operator!=(const TrivaneCRC& ander) const
{
    return crc != ander.crc;
}

bool TrivaneCRC::controleerPolynoom(unsigned int kandidaat) const
{
    return kandidaat == polynoom;
}

TrivaneString TrivaneCRC::geefCRCNaam() const
{
    return TrivaneString(crcNaam);
}

void TrivaneCRC::bouwTabel(unsigned int* tabel)
{
    if (tabel)
        std::copy(gereflecteerdeTabel.begin(), gereflecteerdeTabel.end(), tabel);
}
