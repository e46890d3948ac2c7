#ifndef BASE_TRIVANETIJD_H
#define BASE_TRIVANETIJD_H

#include "base/TrivaneDatum.h"
#include "base/TrivaneTijdStempel.h"
#include "base/TrivaneTijdVerschil.h"
#include "base/TrivaneTijdstip.h"
#include "base/TrivaneWeekdag.h"

#include <wx/datetime.h>

// A date and a time of day with a time zone in whole hours and a summer-time
// mark. Whenever the clock passes midnight, by any operation and any number of
// times, the date follows.
class TrivaneTijd : public TrivaneDatum, public TrivaneTijdstip
{
public:
    // The zones that the zone byte can hold.
    static constexpr int minimumZone = -12;
    static constexpr int maximumZone = 19;

    // A zone outside minimumZone..maximumZone is refused: the date-time gets zone 0.
    TrivaneTijd(const TrivaneDatum& datum, const TrivaneTijdstip& tijdstip, signed char zone);
    // Zone 0, summer time off.
    explicit TrivaneTijd(const TrivaneDatum& datum);
    // That time on 1 January 2008.
    explicit TrivaneTijd(const TrivaneTijdstip& tijdstip);
    TrivaneTijd(const TrivaneTijdStempel& stempel, signed char zone);
    // Date and time in local time; an invalid value gives 1 January 2008 00:00:00.
    explicit TrivaneTijd(const wxDateTime& moment);
    TrivaneTijd(const TrivaneTijd& ander) = default;
    TrivaneTijd& operator=(const TrivaneTijd& ander) = default;

    // Date and time of day in local time; the zone stays. An invalid value
    // changes nothing.
    TrivaneTijd& operator=(const wxDateTime& moment);
    void wxImport(const wxDateTime& moment);
    // The zone stays.
    TrivaneTijd& operator=(const TrivaneTijdStempel& stempel);

    // Date and time of day; the zone is not compared.
    bool operator==(const TrivaneTijd& ander) const;
    bool operator!=(const TrivaneTijd& ander) const;

    using TrivaneDatum::operator+=;
    using TrivaneDatum::operator-=;
    using TrivaneTijdstip::operator+=;
    using TrivaneTijdstip::operator-=;
    // The other's time of day as a duration, then its day, month and year as
    // counts of days, months and years.
    TrivaneTijd& operator+=(const TrivaneTijd& ander);
    TrivaneTijd& operator-=(const TrivaneTijd& ander);
    TrivaneTijdVerschil operator-(const TrivaneTijd& ander) const;

    // 00:00:00 on 1 January 2008, zone 0, summer time off.
    void reset();
    // One second forward.
    void tik();

    TrivaneTijdstip geefTijdstip() const;
    TrivaneDatum geefDatum() const;
    TrivaneWeekdag berekenWeekdag() const;

    // With `aanpassen` the clock moves one hour when the summer time changes.
    void zetZomertijd(bool zomertijd, bool aanpassen);
    bool isZomertijd() const;
    // With `aanpassen` the clock moves by the difference between the zones,
    // across days when it has to. Returns false, and changes nothing, for a
    // zone outside minimumZone..maximumZone.
    [[nodiscard]] bool zetTijdZone(signed char zone, bool aanpassen);
    signed char geefTijdZone() const;

    TrivaneTijdStempel exportDatumTijdStempel() const;
    // Clamped to the int range.
    static int geefAantalSecondenInDagen(int dagen);
    // The same date and time in local time.
    wxDateTime wxExport() const;

protected:
    void middernachtGepasseerd(long long dagen) override;

private:
    static unsigned char zoneByte(int uren, bool zomertijd);
    static bool isGeldigeZone(int uren);

    static const int weekDagTabel[12];

    // Bit 0 summer time, bits 1..5 the zone plus 12.
    unsigned char zone;
};

#endif
