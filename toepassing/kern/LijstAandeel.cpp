#include "toepassing/kern/LijstAandeel.h"

#include <cmath>

const wxString LijstAandeel::gewicht = "prioriteit*totaleKosten";
const LijstAandeel LijstAandeel::werkVerricht{"werkVerricht", "100.0*(1+status)*prioriteit*totaleKosten", 5};
const LijstAandeel LijstAandeel::laagFruit{"laagFruit", "100.0*(4-status)*prioriteit*totaleKosten", 4};

// The sum is taken with total(), in floating point: a sum() of integer
// weights overflows 64 bits on large projects and fails the whole query.
wxString LijstAandeel::alsZichtKolom(const wxString& voorwaarde, const wxString& tabel) const
{
    return "((" + teller + ")/(" + wxString::Format("%d", noemer) + "*(select total(" + gewicht + ") from " + tabel +
           " where " + voorwaarde + "))) as " + kolom;
}

// SQLite divides two reals as IEEE doubles, and gives NULL for a divisor
// of 0 and for a result that is not a number.
bool LijstAandeel::bereken(bool heeftTeller, double tellerWaarde, double gewichtSom, double& aandeel) const
{
    const double deler = noemer * gewichtSom;
    if (!heeftTeller || deler == 0.0)
        return false;
    aandeel = tellerWaarde / deler;
    return !std::isnan(aandeel);
}
