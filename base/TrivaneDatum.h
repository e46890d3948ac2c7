#ifndef BASE_TRIVANEDATUM_H
#define BASE_TRIVANEDATUM_H

#include "base/TrivaneCode.h"
#include "base/TrivaneDag.h"
#include "base/TrivaneJaar.h"
#include "base/TrivaneMaand.h"
#include "base/TrivaneMaandID.h"
#include "base/TrivaneString.h"
#include "base/TrivaneTijdStempel.h"

#include <wx/datetime.h>

// A date of the proleptic Gregorian calendar. After every operation the day
// lies within its month: arithmetic carries days into months and months into
// years however large the step, and a day that no longer fits its month
// (31 January + 1 month) becomes that month's last day.
class TrivaneDatum
{
public:
    // A year below 100 is one of this century: (5, 3, 24) is 5 March 2024.
    // The month is clamped into 1..12 and the day into its month.
    TrivaneDatum(int dag, int maand, int jaar);
    TrivaneDatum(int dag, TrivaneMaandID maand, int jaar);
    // The stamp and the wxDateTime carry the full year, taken as it is.
    explicit TrivaneDatum(const TrivaneTijdStempel& stempel);
    TrivaneDatum(const TrivaneDag& dag, const TrivaneMaand& maand, const TrivaneJaar& jaar);
    // The date in local time; an invalid value gives 1 January 2008.
    explicit TrivaneDatum(const wxDateTime& moment);

    // kcFout when the day or month is 0, or, when asked, the year lies
    // before 2000; kcOk otherwise.
    [[nodiscard]] TrivaneCode isGeldig(bool vanaf2000) const;

    TrivaneDatum& operator=(const TrivaneDag& nieuw);
    TrivaneDatum& operator=(const TrivaneMaand& nieuw);
    TrivaneDatum& operator=(const TrivaneJaar& nieuw);

    // Days from the other date to this one: positive when this one is later.
    int aantalDagen(const TrivaneDatum& ander) const;
    int operator-(const TrivaneDatum& ander) const;
    // 0 equal, 1 this one later, 2 this one earlier.
    int vergelijk(const TrivaneDatum& ander) const;
    bool operator==(const TrivaneDatum& ander) const;
    bool operator!=(const TrivaneDatum& ander) const;
    bool operator>(const TrivaneDatum& ander) const;
    bool operator>=(const TrivaneDatum& ander) const;
    bool operator<(const TrivaneDatum& ander) const;
    bool operator<=(const TrivaneDatum& ander) const;

    TrivaneDatum& operator+=(const TrivaneDag& dagen);
    TrivaneDatum& operator-=(const TrivaneDag& dagen);
    TrivaneDatum& operator+=(const TrivaneMaand& maanden);
    TrivaneDatum& operator-=(const TrivaneMaand& maanden);
    TrivaneDatum& operator+=(const TrivaneJaar& jaren);
    TrivaneDatum& operator-=(const TrivaneJaar& jaren);
    // The other date's day, month and year as counts of days, months and years.
    TrivaneDatum& operator+=(const TrivaneDatum& ander);
    TrivaneDatum& operator-=(const TrivaneDatum& ander);

    TrivaneDag geefDag() const;
    TrivaneMaand geefMaand() const;
    TrivaneJaar geefJaar() const;

    // Day, month and four-digit year, joined by the separator: 05-03-2024.
    // The whole buffer is cleared first; a text that does not fit is cut.
    void printDatum(TrivaneString& tekst, char scheiding) const;
    TrivaneTijdStempel exportDatumStempel() const;

protected:
    // Any number of days, months or years, forward or back.
    void verschuifDagen(long long dagen);
    void verschuifMaanden(long long maanden);
    void verschuifJaren(long long jaren);

    TrivaneDag dag;
    TrivaneMaand maand;
    TrivaneJaar jaar;

private:
    struct VolJaar
    {
    };
    // Year as given, month clamped, day clamped into the month.
    TrivaneDatum(VolJaar, int dag, int maand, int jaar);

    // Days since 1 January 1970.
    long long dagNummer() const;
    void zetDagNummer(long long nummer);
    // Back to a calendar date: the standard ranges for month and year, the
    // day within its month.
    void herstel();
};

#endif
