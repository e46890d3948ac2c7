#ifndef BASE_TRIVANECRYPTOTIJDSTEMPEL_H
#define BASE_TRIVANECRYPTOTIJDSTEMPEL_H

#include "base/TrivaneCode.h"
#include "base/TrivaneTijdStempel.h"

// A date packed into 32 bits: day in bits 2..6, year (two's complement) in
// bits 9..24, month in bits 27..30; the other bits are 0.
class TrivaneCryptoTijdStempel
{
public:
    // 1 January 1988.
    static constexpr unsigned int beginWaarde = 0x080F8804;

    TrivaneCryptoTijdStempel();
    // A stamp that does not fit (see zet) leaves 1 January 1988.
    explicit TrivaneCryptoTijdStempel(const TrivaneTijdStempel& stempel);
    // A stamp that does not fit leaves the date as it was.
    TrivaneCryptoTijdStempel& operator=(const TrivaneTijdStempel& stempel);

    // Packs the stamp's date; the time of day is dropped. kcFout, and nothing
    // changed, when a day above 31 or a month above 15 would lose bits.
    [[nodiscard]] TrivaneCode zet(const TrivaneTijdStempel& stempel);
    // The date at 00:00:00.
    TrivaneTijdStempel converteer() const;
    unsigned int geefWaarde() const;

    // Equal as date-times in zone 0: a stamp with a time of day other than
    // midnight never equals a packed date.
    bool operator==(const TrivaneTijdStempel& stempel) const;
    bool operator==(const TrivaneCryptoTijdStempel& ander) const;

private:
    unsigned int woord;
};

#endif
