#ifndef BASE_TRIVANETIJDSTIP_H
#define BASE_TRIVANETIJDSTIP_H

#include "base/TrivaneCString.h"
#include "base/TrivaneMinuut.h"
#include "base/TrivaneSeconde.h"
#include "base/TrivaneString.h"
#include "base/TrivaneTijdStempel.h"
#include "base/TrivaneUur.h"

// A time of day. Arithmetic carries seconds into minutes and minutes into
// hours however large the step; the operations that move the clock return
// true when it passed midnight. A date-time built on it moves its date by
// every day the clock passes (middernachtGepasseerd).
class TrivaneTijdstip
{
public:
    TrivaneTijdstip(const TrivaneUur& uur, const TrivaneMinuut& minuut, const TrivaneSeconde& seconde);
    // Each part clamped into its range.
    TrivaneTijdstip(int uur, int minuut, int seconde);
    explicit TrivaneTijdstip(const TrivaneTijdStempel& stempel);
    // Seconds since midnight: below 0 gives 00:00:00, past the day 23:59:59.
    explicit TrivaneTijdstip(int secondenSindsMiddernacht);
    TrivaneTijdstip(const TrivaneTijdstip& ander) = default;
    virtual ~TrivaneTijdstip();

    // The other's values clamped into this clock's ranges; ranges and flags stay.
    TrivaneTijdstip& operator=(const TrivaneTijdstip& ander);

    // 0 equal, 1 this one later in the day, 2 earlier.
    int vergelijk(const TrivaneTijdstip& ander) const;
    bool operator==(const TrivaneTijdstip& ander) const;
    bool operator!=(const TrivaneTijdstip& ander) const;
    bool operator>(const TrivaneTijdstip& ander) const;

    int geefAantalSecs() const;
    // Seconds from the other time to this one.
    int operator-(const TrivaneTijdstip& ander) const;

    bool operator+=(const TrivaneSeconde& seconden);
    bool operator+=(const TrivaneMinuut& minuten);
    bool operator+=(const TrivaneUur& uren);
    bool operator+=(const TrivaneTijdstip& ander);
    bool operator-=(const TrivaneSeconde& seconden);
    bool operator-=(const TrivaneMinuut& minuten);
    bool operator-=(const TrivaneUur& uren);
    bool operator-=(const TrivaneTijdstip& ander);

    // The unit as it is given, range included.
    void zetSeconde(const TrivaneSeconde& nieuw);
    void zetMinuut(const TrivaneMinuut& nieuw);
    void zetUur(const TrivaneUur& nieuw);
    // The standard range and the clamped value; the flag tells whether it was outside.
    void zetSeconde(int nieuw);
    void zetMinuut(int nieuw);
    void zetUur(int nieuw);

    TrivaneSeconde geefSeconde() const;
    TrivaneMinuut geefMinuut() const;
    TrivaneUur geefUur() const;
    unsigned char geefSecondeW() const;
    unsigned char geefMinuutW() const;
    unsigned char geefUurW() const;

    // Each clears the buffer first and cuts a text that does not fit: hour
    // and minute as 0930; with a separator 09:30 or 09:30:15; the same with
    // a text in front.
    void printTijd(TrivaneString& tekst) const;
    void printTijd(TrivaneString& tekst, char scheiding, bool metSeconden) const;
    void printTijd(TrivaneString& tekst, const TrivaneCString& voorTekst, char scheiding, bool metSeconden) const;

    // The time with the date 1 January 1988, which marks a stamp without a date.
    TrivaneTijdStempel exportTijdStempel() const;

protected:
    // Move the clock; each returns the days it passed, negative going back.
    long long verschuifSeconden(long long seconden);
    long long verschuifMinuten(long long minuten);
    long long verschuifUren(long long uren);
    // Ends every operation that moves the clock: clears the flags, reports
    // the days passed and tells whether there were any.
    bool naVerschuiving(long long dagen);
    // Called with the days the clock passed; a time of day alone has no date.
    virtual void middernachtGepasseerd(long long dagen);

    TrivaneUur uur;
    TrivaneMinuut minuut;
    TrivaneSeconde seconde;
};

#endif
