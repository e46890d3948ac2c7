#ifndef BASE_TRIVANECRC_H
#define BASE_TRIVANECRC_H

#include "base/TrivaneDataBasisPakket.h"
#include "base/TrivaneString.h"

#include <array>

// One CRC-32 check value, the one of zlib and Ethernet (polynomial
// 0x04C11DB7, reflected in and out, start and final XOR 0xFFFFFFFF), as kept
// by records that are checked when they come back.
class TrivaneCRC
{
public:
    static constexpr unsigned int polynoom = 0x04C11DB7;
    static constexpr unsigned int gereflecteerdPolynoom = 0xEDB88320;

    // The register after eight steps of the polynomial for each byte in the
    // top eight bits, most significant bit first. Built by the compiler.
    static const std::array<unsigned int, 256> crcTable;
    static const char* const crcNaam;

    explicit TrivaneCRC(unsigned int waarde = 0);
    explicit TrivaneCRC(const TrivaneDataBasisPakket& pakket);
    TrivaneCRC& operator=(const TrivaneDataBasisPakket& pakket);

    // The CRC-32 of the packet's bytes; kept only when `bewaar` is true.
    // A packet without data has the CRC of no bytes: 0.
    unsigned int bereken(const TrivaneDataBasisPakket& pakket, bool bewaar);
    unsigned int crcFast(const unsigned char* bytes, unsigned long long aantal) const;
    // The lowest n bits of the value in reverse order. A value has 64 bits,
    // so a larger n counts as 64.
    unsigned long reflect(unsigned long waarde, unsigned long long n) const;

    unsigned int geefCRC() const;
    void resetCRC();
    void zetCRC(unsigned int waarde);
    void zetCRC(const TrivaneCRC& ander);
    bool operator==(const TrivaneCRC& ander) const;
    bool operator!=(const TrivaneCRC& ander) const;

    // Only the one polynomial this class computes is accepted.
    bool controleerPolynoom(unsigned int kandidaat) const;
    TrivaneString geefCRCNaam() const;
    // Fills 256 entries with the least-significant-bit-first table of the
    // same CRC, for code that computes it that way.
    static void bouwTabel(unsigned int* tabel);

private:
    unsigned int crc;
};

#endif
