#include "base/TrivaneOpbergPlek.h"

#include "base/HeenEnWeerTeller.h"
#include "base/TrivaneExtCString.h"

namespace
{
unsigned char wisselBitParen(unsigned char byte)
{
    return static_cast<unsigned char>(((byte & 0x55u) << 1) | ((byte & 0xAAu) >> 1));
}
} // namespace

template <typename T>
TrivaneOpbergPlek<T>::TrivaneOpbergPlek(const TrivaneDataPakket<unsigned char>& verborgen, unsigned int sleutel)
    : verborgen(verborgen), sleutel(sleutel)
{
}

template <typename T> TrivaneCode TrivaneOpbergPlek<T>::geef(T& tekst) const
{
    // Whatever the text held before must not come back as part of this one.
    tekst.wis();
    const TrivaneDataPakket<unsigned char> doel(tekst.geefBuffer(), T::capaciteit, 1, true);
    const TrivaneCode gekopieerd = doel.kopieer(verborgen, 0);
    if (gekopieerd != kcOk)
    {
        tekst.wis();
        return gekopieerd;
    }

    HeenEnWeerTeller sleutelByte(3);
    unsigned char* bytes = doel.geefBasisAdres();
    for (unsigned long long i = 0; i < verborgen.geefGrootte(); ++i)
    {
        const unsigned int k = static_cast<unsigned int>(sleutelByte.ga());
        const unsigned char sleutelDeel = static_cast<unsigned char>(sleutel >> (8 * k));
        bytes[i] = wisselBitParen(static_cast<unsigned char>(bytes[i] ^ sleutelDeel));
    }
    return kcOk;
}

template class TrivaneOpbergPlek<TrivaneExtCString<169>>;
