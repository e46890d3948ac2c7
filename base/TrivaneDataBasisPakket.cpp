#include "base/TrivaneDataBasisPakket.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

TrivaneDataBasisPakket::TrivaneDataBasisPakket()
    : data(nullptr), grootte(1), elementGrootte(1), zelfAlloc(false), veranderbaar(false)
{
}

TrivaneDataBasisPakket::TrivaneDataBasisPakket(unsigned long long aantal, unsigned long long elementGrootte)
    : TrivaneDataBasisPakket()
{
    alloceer(aantal, elementGrootte);
}

TrivaneDataBasisPakket::TrivaneDataBasisPakket(const void* data, unsigned long long grootte,
                                               unsigned long long elementGrootte, bool veranderbaar)
    : data(static_cast<unsigned char*>(const_cast<void*>(data))), grootte(grootte), elementGrootte(elementGrootte),
      zelfAlloc(false), veranderbaar(veranderbaar)
{
}

TrivaneDataBasisPakket::TrivaneDataBasisPakket(const TrivaneDataBasisPakket& ander)
    : data(ander.data), grootte(ander.grootte), elementGrootte(ander.elementGrootte), zelfAlloc(false),
      veranderbaar(ander.veranderbaar)
{
    if (ander.zelfAlloc && ander.data)
    {
        data = nullptr;
        alloceer(ander.grootte, 1);
        elementGrootte = ander.elementGrootte;
        std::memcpy(data, ander.data, grootte);
    }
}

TrivaneDataBasisPakket::TrivaneDataBasisPakket(TrivaneDataBasisPakket&& ander) noexcept
    : data(std::exchange(ander.data, nullptr)), grootte(std::exchange(ander.grootte, 1)),
      elementGrootte(std::exchange(ander.elementGrootte, 1)), zelfAlloc(std::exchange(ander.zelfAlloc, false)),
      veranderbaar(std::exchange(ander.veranderbaar, false))
{
}

TrivaneDataBasisPakket::~TrivaneDataBasisPakket()
{
    geefVrij();
}

TrivaneDataBasisPakket& TrivaneDataBasisPakket::operator=(const TrivaneDataBasisPakket& bron)
{
    if (this == &bron)
        return *this;
    if (!veranderbaar)
    {
        wordtViewOp(bron);
        return *this;
    }
    if (data && bron.data)
        std::memmove(data, bron.data, std::min(grootte, bron.grootte));
    return *this;
}

void TrivaneDataBasisPakket::vernietig()
{
    geefVrij();
}

unsigned char* TrivaneDataBasisPakket::alloceerOpnieuw(unsigned long long aantal, unsigned long long elementGrootte)
{
    if (!zelfAlloc && !isLeeg())
        return data;
    geefVrij();
    alloceer(aantal, elementGrootte);
    return data;
}

bool TrivaneDataBasisPakket::isLeeg() const
{
    return data == nullptr && grootte == 1 && elementGrootte == 1;
}

unsigned char* TrivaneDataBasisPakket::geefBasisAdres() const
{
    return data;
}

unsigned char* TrivaneDataBasisPakket::geefPtr(unsigned long long offset) const
{
    return data ? data + offset : nullptr;
}

void TrivaneDataBasisPakket::zetPtr(unsigned char* nieuw)
{
    data = nieuw;
}

bool TrivaneDataBasisPakket::geldigeData() const
{
    return data != nullptr && grootte >= 1 && grootte <= maxGeldigeGrootte;
}

bool TrivaneDataBasisPakket::isVeranderbaar() const
{
    return veranderbaar;
}

bool TrivaneDataBasisPakket::isZelfAlloc() const
{
    return zelfAlloc;
}

unsigned long long TrivaneDataBasisPakket::geefGrootte() const
{
    return grootte;
}

unsigned long long TrivaneDataBasisPakket::geefElementGrootte() const
{
    return elementGrootte;
}

unsigned long long TrivaneDataBasisPakket::geefElementAantal() const
{
    return elementGrootte == 0 ? 0 : grootte / elementGrootte;
}

void TrivaneDataBasisPakket::geefVrij()
{
    if (!zelfAlloc)
        return;
    delete[] data;
    data = nullptr;
    grootte = 1;
    elementGrootte = 1;
    zelfAlloc = false;
    veranderbaar = false;
}

void TrivaneDataBasisPakket::wordtViewOp(const TrivaneDataBasisPakket& bron)
{
    if (bron.data == data && zelfAlloc)
    {
        // Already the owner of this very block: stay its only owner.
        return;
    }
    geefVrij();
    data = bron.data;
    grootte = bron.grootte;
    elementGrootte = bron.elementGrootte;
    veranderbaar = bron.veranderbaar;
    zelfAlloc = false;
}

void TrivaneDataBasisPakket::alloceer(unsigned long long aantal, unsigned long long elementGrootte)
{
    if (elementGrootte != 0 && aantal > std::numeric_limits<unsigned long long>::max() / elementGrootte)
        throw std::bad_array_new_length();
    const unsigned long long bytes = aantal * elementGrootte;
    data = new unsigned char[bytes];
    grootte = bytes;
    this->elementGrootte = elementGrootte;
    zelfAlloc = true;
    veranderbaar = true;
}
