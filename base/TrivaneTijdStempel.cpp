#include "base/TrivaneTijdStempel.h"

namespace
{
constexpr unsigned int jaarSchuif = 48;
constexpr unsigned int maandSchuif = 40;
constexpr unsigned int dagSchuif = 32;
constexpr unsigned int uurSchuif = 24;
constexpr unsigned int minuutSchuif = 16;
constexpr unsigned int secondeSchuif = 8;
constexpr std::uint64_t byte = 0xFF;
constexpr std::uint64_t tweeBytes = 0xFFFF;
// Everything but the unused low byte.
constexpr std::uint64_t gebruikteBits = ~byte;
} // namespace

TrivaneTijdStempel::TrivaneTijdStempel() : waarde(0) {}

TrivaneTijdStempel::TrivaneTijdStempel(std::uint64_t waarde) : waarde(waarde) {}

TrivaneTijdStempel::TrivaneTijdStempel(int jaar, unsigned char maand, unsigned char dag, unsigned char uur,
                                       unsigned char minuut, unsigned char seconde)
    : waarde(0)
{
    zetDatum(jaar, maand, dag);
    zetTijd(uur, minuut, seconde);
}

bool TrivaneTijdStempel::operator==(const TrivaneTijdStempel& ander) const
{
    return (waarde & gebruikteBits) == (ander.waarde & gebruikteBits);
}

bool TrivaneTijdStempel::operator!=(const TrivaneTijdStempel& ander) const
{
    return !(*this == ander);
}

void TrivaneTijdStempel::zetVeld(unsigned int schuif, std::uint64_t breedte, std::uint64_t nieuw)
{
    waarde = (waarde & ~(breedte << schuif)) | ((nieuw & breedte) << schuif);
}

void TrivaneTijdStempel::zetTijd(unsigned char uur, unsigned char minuut, unsigned char seconde)
{
    zetVeld(uurSchuif, byte, uur);
    zetVeld(minuutSchuif, byte, minuut);
    zetVeld(secondeSchuif, byte, seconde);
}

void TrivaneTijdStempel::zetDatum(int jaar, unsigned char maand, unsigned char dag)
{
    zetVeld(jaarSchuif, tweeBytes, static_cast<std::uint16_t>(jaar));
    zetVeld(maandSchuif, byte, maand);
    zetVeld(dagSchuif, byte, dag);
}

std::uint64_t TrivaneTijdStempel::geefWaarde() const
{
    return waarde;
}

unsigned char TrivaneTijdStempel::veld(unsigned int schuif) const
{
    return static_cast<unsigned char>((waarde >> schuif) & byte);
}

int TrivaneTijdStempel::geefJaar() const
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(waarde >> jaarSchuif));
}

unsigned char TrivaneTijdStempel::geefMaand() const
{
    return veld(maandSchuif);
}

unsigned char TrivaneTijdStempel::geefDag() const
{
    return veld(dagSchuif);
}

unsigned char TrivaneTijdStempel::geefUur() const
{
    return veld(uurSchuif);
}

unsigned char TrivaneTijdStempel::geefMinuut() const
{
    return veld(minuutSchuif);
}

unsigned char TrivaneTijdStempel::geefSeconde() const
{
    return veld(secondeSchuif);
}
