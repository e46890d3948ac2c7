#ifndef BASE_TRIVANEBYTEFUNKTIES_H
#define BASE_TRIVANEBYTEFUNKTIES_H

// Swapping, joining and placing bytes and half-words of 16- and 32-bit words,
// for the wire and register formats of the embedded products. Byte 0 is the
// least significant byte.

unsigned short draaiOmBytesU16(unsigned short waarde);
short draaiOmBytesS16(short waarde);
void draaiOmBytesInU16(unsigned short& waarde);
unsigned int draaiOmBytes32(unsigned int waarde);
void draaiOmBytesInU32(unsigned int& waarde);
unsigned int draaiOmHalfWords(unsigned int waarde);
void draaiOmHalfWordsInUInt32(unsigned int& waarde);
// Replaces byte `index` (0 to 3) of the word; another index changes nothing.
void plaatsByteInWoord(unsigned int& woord, unsigned long long index, unsigned char byte);
// The four bytes from the most significant down.
unsigned int maakWoord(unsigned char b3, unsigned char b2, unsigned char b1, unsigned char b0);
int maakSignedWoord(unsigned char b3, unsigned char b2, unsigned char b1, unsigned char b0);
// Four bytes from memory: big-endian with false, little-endian with true.
unsigned int maakWoord(const unsigned char* bytes, bool kleinsteEerst);
unsigned int maakWoord(unsigned short hoog, unsigned short laag);
// Four decimal digits, most significant first, as a plain number (not packed nibbles).
unsigned int maakBCD(unsigned char duizendtal, unsigned char honderdtal, unsigned char tiental, unsigned char eenheid);
// Two two-digit numbers joined: hoog x 100 + laag.
unsigned int maakBCD(unsigned char hoog, unsigned char laag);

#endif
