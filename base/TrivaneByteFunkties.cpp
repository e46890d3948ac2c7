#include "base/TrivaneByteFunkties.h"

unsigned short draaiOmBytesU16(unsigned short waarde)
{
    return static_cast<unsigned short>((waarde >> 8) | (waarde << 8));
}

short draaiOmBytesS16(short waarde)
{
    return static_cast<short>(draaiOmBytesU16(static_cast<unsigned short>(waarde)));
}

void draaiOmBytesInU16(unsigned short& waarde)
{
    waarde = draaiOmBytesU16(waarde);
}

unsigned int draaiOmBytes32(unsigned int waarde)
{
    return (waarde >> 24) | ((waarde >> 8) & 0x0000FF00u) | ((waarde << 8) & 0x00FF0000u) | (waarde << 24);
}

void draaiOmBytesInU32(unsigned int& waarde)
{
    waarde = draaiOmBytes32(waarde);
}

unsigned int draaiOmHalfWords(unsigned int waarde)
{
    return (waarde >> 16) | (waarde << 16);
}

void draaiOmHalfWordsInUInt32(unsigned int& waarde)
{
    waarde = draaiOmHalfWords(waarde);
}

void plaatsByteInWoord(unsigned int& woord, unsigned long long index, unsigned char byte)
{
    // A word has four bytes; a shift past them would be undefined.
    if (index > 3)
        return;
    const unsigned int schuif = static_cast<unsigned int>(index) * 8;
    woord = (woord & ~(0xFFu << schuif)) | (static_cast<unsigned int>(byte) << schuif);
}

unsigned int maakWoord(unsigned char b3, unsigned char b2, unsigned char b1, unsigned char b0)
{
    return (static_cast<unsigned int>(b3) << 24) | (static_cast<unsigned int>(b2) << 16) |
           (static_cast<unsigned int>(b1) << 8) | b0;
}

int maakSignedWoord(unsigned char b3, unsigned char b2, unsigned char b1, unsigned char b0)
{
    return static_cast<int>(maakWoord(b3, b2, b1, b0));
}

unsigned int maakWoord(const unsigned char* bytes, bool kleinsteEerst)
{
    if (kleinsteEerst)
        return maakWoord(bytes[3], bytes[2], bytes[1], bytes[0]);
    return maakWoord(bytes[0], bytes[1], bytes[2], bytes[3]);
}

unsigned int maakWoord(unsigned short hoog, unsigned short laag)
{
    return (static_cast<unsigned int>(hoog) << 16) | laag;
}

unsigned int maakBCD(unsigned char duizendtal, unsigned char honderdtal, unsigned char tiental, unsigned char eenheid)
{
    return duizendtal * 1000u + honderdtal * 100u + tiental * 10u + eenheid;
}

unsigned int maakBCD(unsigned char hoog, unsigned char laag)
{
    return (hoog / 10u) * 1000u + (hoog % 10u) * 100u + laag;
}
