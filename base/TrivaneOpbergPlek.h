#ifndef BASE_TRIVANEOPBERGPLEK_H
#define BASE_TRIVANEOPBERGPLEK_H

#include "base/TrivaneCode.h"
#include "base/TrivaneDataPakket.h"

// Keeps a fixed-size text in memory in scrambled form and gives it back in
// plain. Whoever fills it scrambles with the inverse of geef: swap each pair
// of adjacent bits, then XOR with the key bytes in the order 0, 1, 2, 3, 2, 1,
// and again from 0.
template <typename T> class TrivaneOpbergPlek
{
public:
    TrivaneOpbergPlek(const TrivaneDataPakket<unsigned char>& verborgen, unsigned int sleutel);

    // The text in plain into `tekst`. When the stored bytes cannot be copied
    // (none, or more than the text holds) the text is left empty and the
    // copy's result returned; on success kcOk. Bytes beyond the stored ones
    // stay NUL.
    [[nodiscard]] TrivaneCode geef(T& tekst) const;

private:
    TrivaneDataPakket<unsigned char> verborgen;
    unsigned int sleutel;
};

#endif
