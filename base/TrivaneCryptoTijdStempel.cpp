#include "base/TrivaneCryptoTijdStempel.h"

#include "base/TrivaneTijd.h"

#include <cstdint>

namespace
{
constexpr unsigned int dagSchuif = 2;
constexpr unsigned int jaarSchuif = 9;
constexpr unsigned int maandSchuif = 27;
constexpr unsigned int dagBits = 0x1F;
constexpr unsigned int jaarBits = 0xFFFF;
constexpr unsigned int maandBits = 0x0F;

bool vergelijkAlsTijd(const TrivaneTijdStempel& links, const TrivaneTijdStempel& rechts)
{
    return TrivaneTijd(links, 0) == TrivaneTijd(rechts, 0);
}
} // namespace

TrivaneCryptoTijdStempel::TrivaneCryptoTijdStempel() : woord(beginWaarde) {}

// A stamp that does not fit leaves the date as it was, as the header says:
// a construction and an assignment have no result to give.
TrivaneCryptoTijdStempel::TrivaneCryptoTijdStempel(const TrivaneTijdStempel& stempel) : woord(beginWaarde)
{
    static_cast<void>(zet(stempel));
}

TrivaneCryptoTijdStempel& TrivaneCryptoTijdStempel::operator=(const TrivaneTijdStempel& stempel)
{
    static_cast<void>(zet(stempel));
    return *this;
}

TrivaneCode TrivaneCryptoTijdStempel::zet(const TrivaneTijdStempel& stempel)
{
    const unsigned int dag = stempel.geefDag();
    const unsigned int maand = stempel.geefMaand();
    if (dag > dagBits || maand > maandBits)
        return kcFout;
    // The stamp's year already is 16-bit two's complement.
    const unsigned int jaar = static_cast<std::uint16_t>(stempel.geefJaar());
    woord = dag << dagSchuif | jaar << jaarSchuif | maand << maandSchuif;
    return kcOk;
}

TrivaneTijdStempel TrivaneCryptoTijdStempel::converteer() const
{
    const int jaar = static_cast<std::int16_t>(static_cast<std::uint16_t>((woord >> jaarSchuif) & jaarBits));
    return TrivaneTijdStempel(jaar, static_cast<unsigned char>((woord >> maandSchuif) & maandBits),
                              static_cast<unsigned char>((woord >> dagSchuif) & dagBits));
}

unsigned int TrivaneCryptoTijdStempel::geefWaarde() const
{
    return woord;
}

bool TrivaneCryptoTijdStempel::operator==(const TrivaneTijdStempel& stempel) const
{
    return vergelijkAlsTijd(converteer(), stempel);
}

bool TrivaneCryptoTijdStempel::operator==(const TrivaneCryptoTijdStempel& ander) const
{
    return vergelijkAlsTijd(converteer(), ander.converteer());
}
