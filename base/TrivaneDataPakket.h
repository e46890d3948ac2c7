#ifndef BASE_TRIVANEDATAPAKKET_H
#define BASE_TRIVANEDATAPAKKET_H

#include "base/TrivaneCode.h"
#include "base/TrivaneDataBasisPakket.h"

// A packet that links to a following packet, so that one logical buffer can
// be spread over several blocks. The links are not owned: whoever builds a
// chain keeps its packets alive. Built for the one-byte element types (char
// and unsigned char), whose element index is also their byte offset.
template <typename T> class TrivaneDataPakket : public TrivaneDataBasisPakket
{
public:
    TrivaneDataPakket();
    TrivaneDataPakket(unsigned long long aantal, unsigned long long elementGrootte);
    TrivaneDataPakket(const void* data, unsigned long long grootte, unsigned long long elementGrootte,
                      bool veranderbaar, TrivaneDataPakket* volgende = nullptr);
    TrivaneDataPakket(const TrivaneDataPakket& ander);
    TrivaneDataPakket(TrivaneDataPakket&& ander) noexcept;

    using TrivaneDataBasisPakket::operator=;
    // As the untyped assignment; a packet that becomes a view also takes the
    // source's link to the rest of its chain.
    TrivaneDataPakket& operator=(const TrivaneDataPakket& bron);

    TrivaneDataPakket* geefVolgende() const;
    void zetVolgende(TrivaneDataPakket* volgende);

    // Element `index` of the chain, counted from this packet; null when the
    // chain ends first. With `resterend` also the bytes left in that packet
    // from the element on.
    T* geefElement(unsigned long long index, unsigned long long* resterend = nullptr) const;
    unsigned long long geefAantalElementenInKeten() const;

    // Copies the source's block into this packet from element `start`:
    // kcWaarschuwing when it does not fit, kcFout when the source is this packet
    // or there is nothing to copy from or to; nothing is written then.
    [[nodiscard]] TrivaneCode kopieer(const TrivaneDataBasisPakket& bron, unsigned long long start) const;

protected:
    TrivaneDataPakket* volgende;
};

extern template class TrivaneDataPakket<char>;
extern template class TrivaneDataPakket<unsigned char>;

#endif
