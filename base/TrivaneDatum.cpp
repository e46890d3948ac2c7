#include "base/TrivaneDatum.h"

#include <cstring>

namespace
{
// Division and remainder that round toward minus infinity, so that the
// calendar formulas hold for years before 1 too.
long long deelOmlaag(long long teller, long long noemer)
{
    const long long quotient = teller / noemer;
    return (teller % noemer != 0 && (teller < 0) != (noemer < 0)) ? quotient - 1 : quotient;
}

long long restOmlaag(long long teller, long long noemer)
{
    return teller - deelOmlaag(teller, noemer) * noemer;
}

// The proleptic Gregorian calendar counted in days from 1 January 1970, in
// 400-year eras of 146,097 days that start on 1 March.
long long dagenSindsEpoche(long long jaar, int maand, int dag)
{
    jaar -= maand <= 2 ? 1 : 0;
    const long long era = deelOmlaag(jaar, 400);
    const long long jaarInEra = jaar - era * 400;
    const long long dagInJaar = (153 * (maand > 2 ? maand - 3 : maand + 9) + 2) / 5 + dag - 1;
    const long long dagInEra = jaarInEra * 365 + jaarInEra / 4 - jaarInEra / 100 + dagInJaar;
    return era * 146097 + dagInEra - 719468;
}

struct KalenderDatum
{
    long long jaar;
    int maand;
    int dag;
};

KalenderDatum datumVanDagen(long long nummer)
{
    nummer += 719468;
    const long long era = deelOmlaag(nummer, 146097);
    const long long dagInEra = nummer - era * 146097;
    const long long jaarInEra = (dagInEra - dagInEra / 1460 + dagInEra / 36524 - dagInEra / 146096) / 365;
    const long long dagInJaar = dagInEra - (365 * jaarInEra + jaarInEra / 4 - jaarInEra / 100);
    const long long maandVanafMaart = (5 * dagInJaar + 2) / 153;
    KalenderDatum uitkomst;
    uitkomst.dag = static_cast<int>(dagInJaar - (153 * maandVanafMaart + 2) / 5 + 1);
    uitkomst.maand = static_cast<int>(maandVanafMaart < 10 ? maandVanafMaart + 3 : maandVanafMaart - 9);
    uitkomst.jaar = jaarInEra + era * 400 + (uitkomst.maand <= 2 ? 1 : 0);
    return uitkomst;
}
} // namespace

TrivaneDatum::TrivaneDatum(VolJaar, int d, int m, int j) : dag(1), maand(m), jaar(j)
{
    dag = TrivaneDag(d, maand, jaar);
}

TrivaneDatum::TrivaneDatum(int d, int m, int j) : TrivaneDatum(VolJaar{}, d, m, TrivaneJaar(j, true).waarde()) {}

TrivaneDatum::TrivaneDatum(int d, TrivaneMaandID m, int j) : TrivaneDatum(d, static_cast<int>(m), j) {}

TrivaneDatum::TrivaneDatum(const TrivaneTijdStempel& stempel)
    : TrivaneDatum(VolJaar{}, stempel.geefDag(), stempel.geefMaand(), stempel.geefJaar())
{
}

TrivaneDatum::TrivaneDatum(const TrivaneDag& d, const TrivaneMaand& m, const TrivaneJaar& j) : dag(d), maand(m), jaar(j)
{
    herstel();
}

TrivaneDatum::TrivaneDatum(const wxDateTime& moment) : TrivaneDatum(VolJaar{}, 1, MaandJanuari, 2008)
{
    if (!moment.IsValid())
        return;
    const wxDateTime::Tm lokaal = moment.GetTm(wxDateTime::Local);
    *this = TrivaneDatum(VolJaar{}, lokaal.mday, lokaal.mon + 1, lokaal.year);
}

TrivaneCode TrivaneDatum::isGeldig(bool vanaf2000) const
{
    if (dag == 0 || maand == 0)
        return kcFout;
    if (vanaf2000 && jaar.waarde() < 2000)
        return kcFout;
    return kcOk;
}

void TrivaneDatum::herstel()
{
    if (maand.geefMinimum() != MaandJanuari || maand.geefMaximum() != MaandDecember)
        maand = TrivaneMaand(maand.waarde());
    if (jaar.geefMinimum() != TrivaneJaar::minimumJaar || jaar.geefMaximum() != TrivaneJaar::maximumJaar)
        jaar = TrivaneJaar(jaar.waarde());
    dag.zetGrenzen(maand, jaar);
}

TrivaneDatum& TrivaneDatum::operator=(const TrivaneDag& nieuw)
{
    dag = nieuw;
    herstel();
    return *this;
}

TrivaneDatum& TrivaneDatum::operator=(const TrivaneMaand& nieuw)
{
    maand = nieuw;
    herstel();
    return *this;
}

TrivaneDatum& TrivaneDatum::operator=(const TrivaneJaar& nieuw)
{
    jaar = nieuw;
    herstel();
    return *this;
}

long long TrivaneDatum::dagNummer() const
{
    return dagenSindsEpoche(jaar.waarde(), maand.waarde(), dag.waarde());
}

void TrivaneDatum::zetDagNummer(long long nummer)
{
    const KalenderDatum nieuw = datumVanDagen(nummer);
    // A year past the calendar's ends wraps as the year unit does; the day
    // is then limited to the month of the wrapped year.
    jaar = TrivaneJaar(TrivaneTijdEenheid::begrensTotInt(nieuw.jaar));
    maand = TrivaneMaand(nieuw.maand);
    dag = TrivaneDag(nieuw.dag, maand, jaar);
}

int TrivaneDatum::aantalDagen(const TrivaneDatum& ander) const
{
    return static_cast<int>(dagNummer() - ander.dagNummer());
}

int TrivaneDatum::operator-(const TrivaneDatum& ander) const
{
    return aantalDagen(ander);
}

int TrivaneDatum::vergelijk(const TrivaneDatum& ander) const
{
    const int verschil = aantalDagen(ander);
    if (verschil == 0)
        return 0;
    return verschil > 0 ? 1 : 2;
}

bool TrivaneDatum::operator==(const TrivaneDatum& ander) const
{
    return dag == ander.dag && maand == ander.maand && jaar == ander.jaar;
}

bool TrivaneDatum::operator!=(const TrivaneDatum& ander) const
{
    return !(*this == ander);
}

bool TrivaneDatum::operator>(const TrivaneDatum& ander) const
{
    return aantalDagen(ander) > 0;
}

bool TrivaneDatum::operator>=(const TrivaneDatum& ander) const
{
    return aantalDagen(ander) >= 0;
}

bool TrivaneDatum::operator<(const TrivaneDatum& ander) const
{
    return aantalDagen(ander) < 0;
}

bool TrivaneDatum::operator<=(const TrivaneDatum& ander) const
{
    return aantalDagen(ander) <= 0;
}

void TrivaneDatum::verschuifDagen(long long dagen)
{
    if (dagen != 0)
        zetDagNummer(dagNummer() + dagen);
}

void TrivaneDatum::verschuifMaanden(long long maanden)
{
    const long long totaal = static_cast<long long>(jaar.waarde()) * 12 + (maand.waarde() - 1) + maanden;
    const long long nieuwJaar = deelOmlaag(totaal, 12);
    jaar.verschuif(nieuwJaar - jaar.waarde());
    maand = TrivaneMaand(static_cast<int>(restOmlaag(totaal, 12)) + 1);
    dag.zetGrenzen(maand, jaar);
}

void TrivaneDatum::verschuifJaren(long long jaren)
{
    jaar.verschuif(jaren);
    dag.zetGrenzen(maand, jaar);
}

TrivaneDatum& TrivaneDatum::operator+=(const TrivaneDag& dagen)
{
    verschuifDagen(dagen.waarde());
    return *this;
}

TrivaneDatum& TrivaneDatum::operator-=(const TrivaneDag& dagen)
{
    verschuifDagen(-static_cast<long long>(dagen.waarde()));
    return *this;
}

TrivaneDatum& TrivaneDatum::operator+=(const TrivaneMaand& maanden)
{
    verschuifMaanden(maanden.waarde());
    return *this;
}

TrivaneDatum& TrivaneDatum::operator-=(const TrivaneMaand& maanden)
{
    verschuifMaanden(-static_cast<long long>(maanden.waarde()));
    return *this;
}

TrivaneDatum& TrivaneDatum::operator+=(const TrivaneJaar& jaren)
{
    verschuifJaren(jaren.waarde());
    return *this;
}

TrivaneDatum& TrivaneDatum::operator-=(const TrivaneJaar& jaren)
{
    verschuifJaren(-static_cast<long long>(jaren.waarde()));
    return *this;
}

TrivaneDatum& TrivaneDatum::operator+=(const TrivaneDatum& ander)
{
    *this += ander.dag;
    *this += ander.maand;
    return *this += ander.jaar;
}

TrivaneDatum& TrivaneDatum::operator-=(const TrivaneDatum& ander)
{
    *this -= ander.dag;
    *this -= ander.maand;
    return *this -= ander.jaar;
}

TrivaneDag TrivaneDatum::geefDag() const
{
    return dag;
}

TrivaneMaand TrivaneDatum::geefMaand() const
{
    return maand;
}

TrivaneJaar TrivaneDatum::geefJaar() const
{
    return jaar;
}

void TrivaneDatum::printDatum(TrivaneString& tekst, char scheiding) const
{
    if (tekst.isVeranderbaar() && tekst.string())
        std::memset(tekst.string(), 0, tekst.geefGrootte());
    tekst.printf("%02d%c%02d%c%4d", dag.waarde(), scheiding, maand.waarde(), scheiding, jaar.waarde());
}

TrivaneTijdStempel TrivaneDatum::exportDatumStempel() const
{
    return TrivaneTijdStempel(jaar.waarde(), static_cast<unsigned char>(maand.uwaarde()),
                              static_cast<unsigned char>(dag.uwaarde()));
}
