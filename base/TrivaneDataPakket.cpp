#include "base/TrivaneDataPakket.h"

#include <cstring>
#include <utility>

template <typename T> TrivaneDataPakket<T>::TrivaneDataPakket() : volgende(nullptr) {}

template <typename T>
TrivaneDataPakket<T>::TrivaneDataPakket(unsigned long long aantal, unsigned long long elementGrootte)
    : TrivaneDataBasisPakket(aantal, elementGrootte), volgende(nullptr)
{
}

template <typename T>
TrivaneDataPakket<T>::TrivaneDataPakket(const void* data, unsigned long long grootte, unsigned long long elementGrootte,
                                        bool veranderbaar, TrivaneDataPakket* volgende)
    : TrivaneDataBasisPakket(data, grootte, elementGrootte, veranderbaar), volgende(volgende)
{
}

template <typename T>
TrivaneDataPakket<T>::TrivaneDataPakket(const TrivaneDataPakket& ander)
    : TrivaneDataBasisPakket(ander), volgende(ander.volgende)
{
}

template <typename T>
TrivaneDataPakket<T>::TrivaneDataPakket(TrivaneDataPakket&& ander) noexcept
    : TrivaneDataBasisPakket(std::move(ander)), volgende(std::exchange(ander.volgende, nullptr))
{
}

template <typename T> TrivaneDataPakket<T>& TrivaneDataPakket<T>::operator=(const TrivaneDataPakket& bron)
{
    const bool wordtView = !veranderbaar;
    TrivaneDataBasisPakket::operator=(bron);
    if (wordtView && this != &bron)
        volgende = bron.volgende;
    return *this;
}

template <typename T> TrivaneDataPakket<T>* TrivaneDataPakket<T>::geefVolgende() const
{
    return volgende;
}

template <typename T> void TrivaneDataPakket<T>::zetVolgende(TrivaneDataPakket* nieuw)
{
    volgende = nieuw;
}

template <typename T>
T* TrivaneDataPakket<T>::geefElement(unsigned long long index, unsigned long long* resterend) const
{
    const TrivaneDataPakket* pakket = this;
    while (pakket && index >= pakket->geefElementAantal())
    {
        index -= pakket->geefElementAantal();
        pakket = pakket->volgende;
    }
    if (!pakket || !pakket->data)
        return nullptr;
    if (resterend)
        *resterend = pakket->grootte > index ? pakket->grootte - index : 0;
    return reinterpret_cast<T*>(pakket->data + index);
}

template <typename T> unsigned long long TrivaneDataPakket<T>::geefAantalElementenInKeten() const
{
    unsigned long long aantal = 0;
    for (const TrivaneDataPakket* pakket = this; pakket; pakket = pakket->volgende)
        aantal += pakket->geefElementAantal();
    return aantal;
}

template <typename T>
TrivaneCode TrivaneDataPakket<T>::kopieer(const TrivaneDataBasisPakket& bron, unsigned long long start) const
{
    if (&bron == static_cast<const TrivaneDataBasisPakket*>(this))
        return kcFout;
    if (!veranderbaar || !data || !bron.geefBasisAdres())
        return kcFout;

    unsigned long long bytes = 0;
    if (elementGrootte != bron.geefElementGrootte())
    {
        // Different element sizes: the start counts in bytes.
        if (start >= grootte || grootte - start < bron.geefGrootte())
            return kcWaarschuwing;
        bytes = bron.geefGrootte();
    }
    else
    {
        const unsigned long long aantal = geefElementAantal();
        if (start >= aantal || aantal - start < bron.geefElementAantal())
            return kcWaarschuwing;
        bytes = bron.geefElementAantal() * elementGrootte;
    }
    std::memmove(data + start, bron.geefBasisAdres(), bytes);
    return kcOk;
}

template class TrivaneDataPakket<char>;
template class TrivaneDataPakket<unsigned char>;
