#include "base/TrivaneTijd.h"

#include "base/TrivaneMaandID.h"

const int TrivaneTijd::weekDagTabel[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};

namespace
{
constexpr unsigned char zomertijdBit = 0x01;
constexpr int zoneSchuif = 1;
constexpr unsigned char zoneMasker = 0x1F;

// Where a date-time without a date of its own starts.
TrivaneDatum startDatum()
{
    return TrivaneDatum(1, MaandJanuari, 2008);
}

// Rounds toward minus infinity, so that years before 1 get their weekday too.
long long deelOmlaag(long long teller, long long noemer)
{
    const long long quotient = teller / noemer;
    return (teller % noemer != 0 && (teller < 0) != (noemer < 0)) ? quotient - 1 : quotient;
}
} // namespace

TrivaneTijd::TrivaneTijd(const TrivaneDatum& datum, const TrivaneTijdstip& tijdstip, signed char zone)
    : TrivaneDatum(datum), TrivaneTijdstip(tijdstip), zone(zoneByte(isGeldigeZone(zone) ? zone : 0, false))
{
}

TrivaneTijd::TrivaneTijd(const TrivaneDatum& datum) : TrivaneTijd(datum, TrivaneTijdstip(0, 0, 0), 0) {}

TrivaneTijd::TrivaneTijd(const TrivaneTijdstip& tijdstip) : TrivaneTijd(startDatum(), tijdstip, 0) {}

TrivaneTijd::TrivaneTijd(const TrivaneTijdStempel& stempel, signed char zone)
    : TrivaneTijd(TrivaneDatum(stempel), TrivaneTijdstip(stempel), zone)
{
}

TrivaneTijd::TrivaneTijd(const wxDateTime& moment) : TrivaneTijd(startDatum())
{
    wxImport(moment);
}

TrivaneTijd& TrivaneTijd::operator=(const wxDateTime& moment)
{
    wxImport(moment);
    return *this;
}

void TrivaneTijd::wxImport(const wxDateTime& moment)
{
    if (!moment.IsValid())
        return;
    const wxDateTime::Tm lokaal = moment.GetTm(wxDateTime::Local);
    TrivaneDatum::operator=(TrivaneDatum(moment));
    TrivaneTijdstip::operator=(TrivaneTijdstip(lokaal.hour, lokaal.min, lokaal.sec));
}

TrivaneTijd& TrivaneTijd::operator=(const TrivaneTijdStempel& stempel)
{
    TrivaneDatum::operator=(TrivaneDatum(stempel));
    TrivaneTijdstip::operator=(TrivaneTijdstip(stempel));
    return *this;
}

bool TrivaneTijd::operator==(const TrivaneTijd& ander) const
{
    return TrivaneDatum::operator==(ander) && TrivaneTijdstip::operator==(ander);
}

bool TrivaneTijd::operator!=(const TrivaneTijd& ander) const
{
    return !(*this == ander);
}

void TrivaneTijd::middernachtGepasseerd(long long dagen)
{
    verschuifDagen(dagen);
}

TrivaneTijd& TrivaneTijd::operator+=(const TrivaneTijd& ander)
{
    TrivaneTijdstip::operator+=(ander.geefTijdstip());
    TrivaneDatum::operator+=(ander.geefDatum());
    return *this;
}

TrivaneTijd& TrivaneTijd::operator-=(const TrivaneTijd& ander)
{
    TrivaneTijdstip::operator-=(ander.geefTijdstip());
    TrivaneDatum::operator-=(ander.geefDatum());
    return *this;
}

TrivaneTijdVerschil TrivaneTijd::operator-(const TrivaneTijd& ander) const
{
    return TrivaneTijdVerschil(*this, ander);
}

void TrivaneTijd::reset()
{
    *this = TrivaneTijd(startDatum());
}

void TrivaneTijd::tik()
{
    naVerschuiving(verschuifSeconden(1));
}

TrivaneTijdstip TrivaneTijd::geefTijdstip() const
{
    return TrivaneTijdstip(uur, minuut, seconde);
}

TrivaneDatum TrivaneTijd::geefDatum() const
{
    return TrivaneDatum(dag, maand, jaar);
}

TrivaneWeekdag TrivaneTijd::berekenWeekdag() const
{
    const int m = maand.waarde();
    const long long j = jaar.waarde() - (m < 3 ? 1 : 0);
    const long long som =
        j + deelOmlaag(j, 4) - deelOmlaag(j, 100) + deelOmlaag(j, 400) + weekDagTabel[m - 1] + dag.waarde();
    return TrivaneWeekdag(static_cast<int>(som - deelOmlaag(som, 7) * 7) + 1);
}

void TrivaneTijd::zetZomertijd(bool zomertijd, bool aanpassen)
{
    if (aanpassen && zomertijd != isZomertijd())
        naVerschuiving(verschuifUren(zomertijd ? 1 : -1));
    zone = zoneByte(geefTijdZone(), zomertijd);
}

bool TrivaneTijd::isZomertijd() const
{
    return (zone & zomertijdBit) != 0;
}

bool TrivaneTijd::zetTijdZone(signed char nieuw, bool aanpassen)
{
    if (!isGeldigeZone(nieuw))
        return false;
    const int verschil = nieuw - geefTijdZone();
    if (aanpassen && verschil != 0)
        naVerschuiving(verschuifUren(verschil));
    zone = zoneByte(nieuw, isZomertijd());
    return true;
}

signed char TrivaneTijd::geefTijdZone() const
{
    return static_cast<signed char>(((zone >> zoneSchuif) & zoneMasker) + minimumZone);
}

unsigned char TrivaneTijd::zoneByte(int uren, bool zomertijd)
{
    return static_cast<unsigned char>(((uren - minimumZone) & zoneMasker) << zoneSchuif |
                                      (zomertijd ? zomertijdBit : 0));
}

bool TrivaneTijd::isGeldigeZone(int uren)
{
    return uren >= minimumZone && uren <= maximumZone;
}

TrivaneTijdStempel TrivaneTijd::exportDatumTijdStempel() const
{
    TrivaneTijdStempel stempel = exportDatumStempel();
    stempel.zetTijd(geefUurW(), geefMinuutW(), geefSecondeW());
    return stempel;
}

int TrivaneTijd::geefAantalSecondenInDagen(int dagen)
{
    return TrivaneTijdEenheid::begrensTotInt(static_cast<long long>(dagen) * 86400);
}

wxDateTime TrivaneTijd::wxExport() const
{
    return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(dag.waarde()),
                      static_cast<wxDateTime::Month>(maand.waarde() - 1), jaar.waarde(),
                      static_cast<wxDateTime::wxDateTime_t>(uur.waarde()),
                      static_cast<wxDateTime::wxDateTime_t>(minuut.waarde()),
                      static_cast<wxDateTime::wxDateTime_t>(seconde.waarde()), 0);
}
