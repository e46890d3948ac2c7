#ifndef BASE_TRIVANETIJDSTEMPEL_H
#define BASE_TRIVANETIJDSTEMPEL_H

#include <cstdint>

// A date and time packed into 64 bits, as stored and sent by the products:
// year in bits 63..48 (two's complement), month 47..40, day 39..32, hour
// 31..24, minute 23..16, second 15..8. Bits 7..0 are written as 0 and ignored
// when two stamps are compared.
class TrivaneTijdStempel
{
public:
    TrivaneTijdStempel();
    explicit TrivaneTijdStempel(std::uint64_t waarde);
    TrivaneTijdStempel(int jaar, unsigned char maand, unsigned char dag, unsigned char uur = 0,
                       unsigned char minuut = 0, unsigned char seconde = 0);

    bool operator==(const TrivaneTijdStempel& ander) const;
    bool operator!=(const TrivaneTijdStempel& ander) const;

    void zetTijd(unsigned char uur, unsigned char minuut, unsigned char seconde);
    // The year is kept in 16 bits; a year outside -32768..32767 loses its top.
    void zetDatum(int jaar, unsigned char maand, unsigned char dag);

    std::uint64_t geefWaarde() const;
    int geefJaar() const;
    unsigned char geefMaand() const;
    unsigned char geefDag() const;
    unsigned char geefUur() const;
    unsigned char geefMinuut() const;
    unsigned char geefSeconde() const;

private:
    unsigned char veld(unsigned int schuif) const;
    void zetVeld(unsigned int schuif, std::uint64_t breedte, std::uint64_t waarde);

    std::uint64_t waarde;
};

#endif
